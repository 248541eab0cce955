#include "ProgramStyle.h"

#include <QIconEngine>
#include <QPainter>

namespace {

// The style's own icon, asked of the style when something first needs its pictures.
class DeferredIconEngine : public QIconEngine
{
public:
    DeferredIconEngine(const QStyle* style, QStyle::StandardPixmap icon) : m_style(style), m_which(icon) {}

    QIconEngine* clone() const override { return new DeferredIconEngine(m_style, m_which); }
    QString key() const override { return QStringLiteral("DeferredIconEngine"); }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Icon().pixmap(size, mode, state);
    }
    // Asked in device pixels: the icon is asked for the same pixels at the same scale.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return Icon().pixmap(size / scale, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return Icon().availableSizes(mode, state);
    }
    bool isNull() override { return Icon().isNull(); }

private:
    const QIcon& Icon()
    {
        if (!m_loaded) {
            m_icon = m_style->standardIcon(m_which);
            m_loaded = true;
        }
        return m_icon;
    }

    const QStyle* m_style;
    QStyle::StandardPixmap m_which;
    bool m_loaded = false;
    QIcon m_icon;
};

} // namespace

QIcon ProgramStyle::standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const
{
    if (icon == SP_ToolBarHorizontalExtensionButton || icon == SP_ToolBarVerticalExtensionButton)
        return QIcon(new DeferredIconEngine(baseStyle(), icon));
    return QProxyStyle::standardIcon(icon, option, widget);
}
