#include "CFoodLabelDlg.h"

#include "controls/CTransparentStatic.h"
#include "platform/ui/QtDrawSurface.h"

#include <QPainter>

CFoodLabelDlg::CFoodLabelDlg(RecordStore& store, quint32 foodId, QWidget* parent)
    : QDialog(parent), m_label(FoodLabel::Of(store, foodId))
{
    setWindowTitle(tr("Food label"));
    setProperty("id", kTemplate);
    setFixedSize(240, 320);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    auto* title = new CTransparentStatic(tr("Food label"), this);
    title->setProperty("id", 1146);
    title->SetFont(13, 700);
    title->setGeometry(6, 4, 200, 18);
    auto* back = new CTransparentStatic(tr("Tap screen to return!"), this);
    back->setProperty("id", 1171);
    back->SetFont(13, 700);
    back->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    back->setGeometry(0, 270, 240, 18);
    // Taps go to the dialog, wherever they land.
    title->setAttribute(Qt::WA_TransparentForMouseEvents);
    back->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void CFoodLabelDlg::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QtDrawSurface surface(p);
    m_label.Paint(surface);
}

void CFoodLabelDlg::mousePressEvent(QMouseEvent*)
{
    reject();
}
