#include "QtMessageBox.h"

#include <QGuiApplication>
#include <QMessageBox>

#include <cstdio>

bool QtMessageBox::HasScreen()
{
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

IMessageBox::Result QtMessageBox::Show(const QString& text, Icon icon, Buttons buttons)
{
    if (!HasScreen()) {
        // Nobody can answer: the text is told on standard error and no question is agreed to.
        std::fprintf(stderr, "Vellamo: %s\n", qPrintable(text));
        return buttons == Buttons::Ok ? Result::Ok : Result::Cancel;
    }
    QMessageBox box(m_parent);
    box.setWindowTitle(QStringLiteral("Vellamo"));
    box.setText(text);
    switch (icon) {
    case Icon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case Icon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case Icon::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case Icon::Stop:
        box.setIcon(QMessageBox::Critical);
        break;
    }
    if (buttons != Buttons::Ok) {
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(buttons == Buttons::OkCancel ? QMessageBox::Ok : QMessageBox::Cancel);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    return box.exec() == QMessageBox::Ok ? Result::Ok : Result::Cancel;
}
