#include "CWarningsDlg.h"

#include "controls/CTransparentStatic.h"
#include "controls/ProgramFont.h"
#include "diary/RequirementChecks.h"

#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

namespace {
constexpr int kIconSize = 24;
}

CWarningsDlg::CWarningsDlg(quint32 violated, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Warnings"));
    setProperty("id", kTemplate);
    setFixedSize(234, 184); // 156 x 113 dialog units
    setFont(ProgramFont(11));
    auto* text = new CTransparentStatic(tr("The following requirements are violated!"), this);
    text->setWordWrap(true);
    text->setGeometry(8 + kIconSize + 8, 6, 234 - kIconSize - 24, 30);
    m_list = new QListWidget(this);
    m_list->setProperty("id", 1034);
    m_list->setSortingEnabled(true);
    m_list->setSelectionMode(QAbstractItemView::NoSelection);
    m_list->setFocusPolicy(Qt::NoFocus);
    m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_list->setGeometry(8, 42, 218, 104);
    for (int bit = 1; bit <= 16; ++bit)
        if (violated & (1u << bit))
            m_list->addItem(Requirements::Message(bit));
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setProperty("id", 1);
    ok->setDefault(true);
    ok->setGeometry(234 - 72, 154, 64, 24);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

QStringList CWarningsDlg::Messages() const
{
    QStringList texts;
    for (int i = 0; i < m_list->count(); ++i)
        texts << m_list->item(i)->text();
    return texts;
}

void CWarningsDlg::paintEvent(QPaintEvent*)
{
    // The warning sign: a yellow triangle with an exclamation mark.
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath triangle;
    triangle.moveTo(8 + kIconSize / 2.0, 6);
    triangle.lineTo(8 + kIconSize, 6 + kIconSize - 2);
    triangle.lineTo(8, 6 + kIconSize - 2);
    triangle.closeSubpath();
    p.fillPath(triangle, QColor(255, 210, 0));
    p.setPen(QPen(Qt::black, 1));
    p.drawPath(triangle);
    p.setPen(QPen(Qt::black, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(8 + kIconSize / 2.0, 13), QPointF(8 + kIconSize / 2.0, 21));
    p.drawPoint(QPointF(8 + kIconSize / 2.0, 25));
}
