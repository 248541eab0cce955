#include "CFullScreenDialog.h"

#include "app/ui/HelpKey.h"
#include "controls/CTransparentStatic.h"
#include "controls/Form.h"
#include "controls/ProgramFont.h"

#include <QPainter>
#include <QPushButton>

CFullScreenDialog::CFullScreenDialog(const QString& caption, const QString& titleLine,
                                     const QString& helpTopic, int templateId, QWidget* parent)
    : QDialog(parent)
{
    HelpKey::SetTopic(this, helpTopic);
    setWindowTitle(caption);
    setProperty("id", templateId);
    setFixedSize(kWidth, kHeight);
    setFont(ProgramFont(11));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    m_title = Form::Title(this, titleLine, 6, 4, kWidth - 12, 1146);
}

void CFullScreenDialog::AddButtons(const QString& okText, bool withCancel)
{
    auto* ok = new QPushButton(okText, this);
    ok->setProperty("id", 1);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    if (withCancel) {
        auto* cancel = new QPushButton(tr("Cancel"), this);
        cancel->setProperty("id", 2);
        connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
        cancel->setGeometry(kWidth - 70, height() - 30, 64, 24);
        ok->setGeometry(kWidth - 140, height() - 30, 64, 24);
    } else {
        ok->setGeometry(kWidth - 70, height() - 30, 64, 24);
    }
}

void CFullScreenDialog::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    QPainter p(this);
    p.setPen(Qt::black);
    p.drawLine(0, kSeparatorY, kWidth, kSeparatorY);
}
