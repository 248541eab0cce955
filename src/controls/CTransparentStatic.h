#pragma once

#include <QColor>
#include <QLabel>

class QTimer;

// A static text on a transparent background with its own colour and font height; it can blink
// its text or its background and show a cursor of its own.
class CTransparentStatic : public QLabel
{
    Q_OBJECT

public:
    enum class Blink
    {
        None,
        Text,
        Background,
    };
    static const QColor kTitleBlue;
    static const QColor kExplanationGrey;

    explicit CTransparentStatic(const QString& text = QString(), QWidget* parent = nullptr);

    void SetTextColor(const QColor& color);
    QColor TextColor() const { return m_textColor; }
    // Height in pixels; weight 400 normal, 700 bold.
    void SetFont(int height, int weight = 400);
    void SetBlink(Blink blink, int intervalMs = 500, const QColor& blinkBackground = QColor(255, 255, 0));

    // The blue bold title of dialogs and pages.
    void MakeTitle();
    void MakeExplanation();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_textColor = QColor(0, 0, 0);
    QColor m_blinkBackground;
    Blink m_blink = Blink::None;
    bool m_blinkOn = false;
    QTimer* m_timer = nullptr;
};
