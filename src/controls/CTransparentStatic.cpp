#include "CTransparentStatic.h"

#include "controls/ProgramFont.h"

#include <QPainter>
#include <QTimer>

const QColor CTransparentStatic::kTitleBlue(0, 0, 255);
const QColor CTransparentStatic::kExplanationGrey(128, 128, 128);

CTransparentStatic::CTransparentStatic(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
    QLabel::setFont(ProgramFont(11));
    SetTextColor(m_textColor);
}

void CTransparentStatic::SetTextColor(const QColor& color)
{
    m_textColor = color;
    QPalette p = palette();
    p.setColor(QPalette::WindowText, color);
    setPalette(p);
}

void CTransparentStatic::SetFont(int height, int weight)
{
    QLabel::setFont(ProgramFont(height, weight));
}

void CTransparentStatic::SetBlink(Blink blink, int intervalMs, const QColor& blinkBackground)
{
    m_blink = blink;
    m_blinkBackground = blinkBackground;
    m_blinkOn = false;
    if (blink == Blink::None) {
        delete m_timer;
        m_timer = nullptr;
        update();
        return;
    }
    if (!m_timer) {
        m_timer = new QTimer(this);
        connect(m_timer, &QTimer::timeout, this, [this] {
            m_blinkOn = !m_blinkOn;
            update();
        });
    }
    m_timer->start(intervalMs);
}

void CTransparentStatic::MakeTitle()
{
    SetTextColor(kTitleBlue);
    SetFont(11, 700);
}

void CTransparentStatic::MakeExplanation()
{
    SetTextColor(kExplanationGrey);
}

void CTransparentStatic::paintEvent(QPaintEvent* event)
{
    if (m_blinkOn && m_blink == Blink::Background) {
        QPainter p(this);
        p.fillRect(rect(), m_blinkBackground);
    }
    if (m_blinkOn && m_blink == Blink::Text)
        return; // the text is off for this half of the blink
    QLabel::paintEvent(event);
}
