#include "CommandIcons.h"

#include "app/ui/CommandId.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>

namespace CommandIcons {

namespace {

const QColor kNavy(0, 0, 128);
const QColor kGreen(40, 140, 60);
const QColor kRed(200, 30, 30);
const QColor kOrange(230, 120, 20);

QPixmap Render(int width, int height, int scale, const Draw& draw)
{
    QPixmap pm(width * scale, height * scale);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    draw(p);
    p.end();
    pm.setDevicePixelRatio(scale);
    return pm;
}

QIcon Render(int width, int height, const Draw& draw)
{
    return Drawn(width, height, draw);
}

void Calendar(QPainter& p, const QString& label)
{
    p.setPen(QPen(kNavy, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(1.5, 2.5, 13, 12));
    p.fillRect(QRectF(1.5, 2.5, 13, 3), kRed);
    QFont f;
    f.setPixelSize(8);
    f.setBold(true);
    p.setFont(f);
    p.setPen(kNavy);
    p.drawText(QRectF(1, 5, 14, 10), Qt::AlignCenter, label);
}

void Triangle(QPainter& p, bool left)
{
    QPainterPath path;
    if (left) {
        path.moveTo(11, 3);
        path.lineTo(4, 8);
        path.lineTo(11, 13);
    } else {
        path.moveTo(5, 3);
        path.lineTo(12, 8);
        path.lineTo(5, 13);
    }
    path.closeSubpath();
    p.fillPath(path, kNavy);
}

void Plate(QPainter& p, double x, double y, double size)
{
    p.setPen(QPen(kNavy, 1));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(x, y, size, size));
    p.setBrush(kGreen);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(x + size * 0.3, y + size * 0.3, size * 0.4, size * 0.4));
}

void Runner(QPainter& p, const QColor& color)
{
    p.setPen(QPen(color, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(color);
    p.drawEllipse(QRectF(8.5, 1, 3, 3));
    p.drawLine(QPointF(9.5, 5), QPointF(7.5, 9)); // body
    p.drawLine(QPointF(7.5, 9), QPointF(10, 12)); // front leg
    p.drawLine(QPointF(10, 12), QPointF(9, 14.5));
    p.drawLine(QPointF(7.5, 9), QPointF(5, 11.5));     // back leg
    p.drawLine(QPointF(5, 11.5), QPointF(2.5, 11));    //
    p.drawLine(QPointF(9.5, 5.5), QPointF(12.5, 7.5)); // arms
    p.drawLine(QPointF(9, 5.5), QPointF(5.5, 6.5));
}

} // namespace

namespace {

// Draws the picture when a size of it is first asked for, at the scale asked, and keeps it: a
// start draws only the pictures it shows, at the one zoom it shows them.
class DrawnIconEngine : public QIconEngine
{
public:
    DrawnIconEngine(int width, int height, Draw draw, Draw selected)
        : m_width(width), m_height(height), m_draw(std::move(draw)), m_selected(std::move(selected))
    {
    }

    QIconEngine* clone() const override { return new DrawnIconEngine(m_width, m_height, m_draw, m_selected); }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        return QSize(m_width, m_height)
            .scaled(size, Qt::KeepAspectRatio)
            .boundedTo(QSize(m_width, m_height) * 4);
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return {QSize(m_width, m_height)}; }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State, qreal scale) override
    {
        // The drawing's own scale that covers the pixels asked for, from 1 to 4.
        const qreal wanted = std::max(size.width() * scale / m_width, size.height() * scale / m_height);
        const int s = std::clamp(static_cast<int>(std::ceil(wanted - 0.01)), 1, 4);
        const bool own = mode == QIcon::Selected && m_selected;
        const int key = s * 8 + static_cast<int>(mode);
        if (const auto it = m_pixmaps.find(key); it != m_pixmaps.end())
            return it->second;
        QPixmap pm = Render(m_width, m_height, s, own ? m_selected : m_draw);
        if (mode != QIcon::Normal && !own && QApplication::instance()) {
            // Greyed or highlighted as the style makes them from the normal picture.
            QStyleOption option;
            pm = QApplication::style()->generatedIconPixmap(mode, pm, &option);
            pm.setDevicePixelRatio(s);
        }
        m_pixmaps.emplace(key, pm);
        return pm;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal dpr = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        painter->drawPixmap(rect, scaledPixmap(rect.size(), mode, state, dpr));
    }

private:
    int m_width;
    int m_height;
    Draw m_draw;
    Draw m_selected;
    std::map<int, QPixmap> m_pixmaps;
};

} // namespace

QIcon Drawn(int width, int height, const Draw& draw, const Draw& selected)
{
    return QIcon(new DrawnIconEngine(width, height, draw, selected));
}

QIcon ForCommand(int id)
{
    switch (id) {
    case CommandId::kNew: // New meal
        return Render(16, 16, [](QPainter& p) {
            Plate(p, 3, 3, 11);
            p.setPen(QPen(kNavy, 1.2));
            p.drawLine(QPointF(1.5, 2), QPointF(1.5, 14));
            p.drawLine(QPointF(0.5, 2), QPointF(0.5, 6));
            p.drawLine(QPointF(2.5, 2), QPointF(2.5, 6));
        });
    case CommandId::kNewExercise: // New exercise
        return Render(16, 16, [](QPainter& p) { Runner(p, kNavy); });
    case CommandId::kLaunchCompanion: // Launch the training log
        return Render(16, 16, [](QPainter& p) {
            Runner(p, kOrange);
            p.setPen(QPen(kNavy, 1.2));
            p.drawLine(QPointF(11, 13), QPointF(15, 13));
            p.drawLine(QPointF(13, 11), QPointF(15, 13));
            p.drawLine(QPointF(13, 15), QPointF(15, 13));
        });
    case CommandId::kDelete: // Delete
        return Render(16, 16, [](QPainter& p) {
            p.setPen(QPen(kRed, 2.4, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(4, 4), QPointF(12, 12));
            p.drawLine(QPointF(12, 4), QPointF(4, 12));
        });
    case CommandId::kProperties: // Properties
        return Render(16, 16, [](QPainter& p) {
            p.setPen(QPen(kNavy, 1));
            p.setBrush(Qt::white);
            p.drawRect(QRectF(2.5, 1.5, 11, 13));
            for (int y = 4; y <= 12; y += 3)
                p.drawLine(QPointF(4.5, y + 0.5), QPointF(11.5, y + 0.5));
        });
    case CommandId::kToday: // Today
        return Render(16, 16, [](QPainter& p) {
            Calendar(p, QString());
            p.setPen(Qt::NoPen);
            p.setBrush(kRed);
            p.drawEllipse(QRectF(6, 8, 4, 4));
        });
    case CommandId::kLastWeek: // Last week
        return Render(16, 16, [](QPainter& p) { Calendar(p, QStringLiteral("7")); });
    case CommandId::kLastMonth: // Last month
        return Render(16, 16, [](QPainter& p) { Calendar(p, QStringLiteral("31")); });
    case CommandId::kPreviousDay: // Previous day
        return Render(16, 16, [](QPainter& p) { Triangle(p, true); });
    case CommandId::kNextDay: // Next day
        return Render(16, 16, [](QPainter& p) { Triangle(p, false); });
    case CommandId::kExportReport: // Export report
        return Render(16, 16, [](QPainter& p) {
            p.setPen(QPen(kNavy, 1));
            p.setBrush(Qt::white);
            p.drawRect(QRectF(1.5, 4.5, 9, 10));
            p.setPen(QPen(kGreen, 1.8, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(6, 9), QPointF(14, 3));
            p.drawLine(QPointF(10, 3), QPointF(14, 3));
            p.drawLine(QPointF(14, 3), QPointF(14, 7));
        });
    case CommandId::kApply: // Apply
        return Render(16, 16, [](QPainter& p) {
            p.setPen(QPen(kGreen, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPolyline(QPolygonF({QPointF(3, 8), QPointF(7, 12), QPointF(13, 4)}));
        });
    case CommandId::kBodyMassIndex: // Body mass index
        return Render(16, 16, [](QPainter& p) {
            p.setPen(QPen(kNavy, 1));
            p.setBrush(Qt::white);
            p.drawRoundedRect(QRectF(1.5, 3.5, 13, 11), 2, 2);
            p.drawArc(QRectF(4, 5, 8, 8), 30 * 16, 120 * 16);
            p.setPen(QPen(kRed, 1.2));
            p.drawLine(QPointF(8, 9), QPointF(10, 6));
        });
    case CommandId::kDietGoals: // Diet goals
        return Render(16, 16, [](QPainter& p) {
            p.setPen(QPen(kRed, 1.2));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QRectF(2, 2, 12, 12));
            p.drawEllipse(QRectF(5, 5, 6, 6));
            p.setBrush(kRed);
            p.drawEllipse(QRectF(7, 7, 2, 2));
        });
    case CommandId::kMealsPattern: // Meals pattern
        return Render(16, 16, [](QPainter& p) {
            p.setPen(QPen(kNavy, 1.2));
            p.setBrush(Qt::white);
            p.drawEllipse(QRectF(2, 2, 12, 12));
            p.drawLine(QPointF(8, 8), QPointF(8, 4));
            p.drawLine(QPointF(8, 8), QPointF(11, 9));
        });
    default:
        return QIcon();
    }
}

namespace {

QIcon RenderRow(int icon)
{
    switch (icon) {
    case 0:
        return Render(16, 13, [](QPainter& p) { Plate(p, 2, 1, 11); });
    case 1:
        return Render(16, 13, [](QPainter& p) {
            p.scale(1.0, 13.0 / 16.0);
            Runner(p, kNavy);
        });
    default:
        return Render(16, 13, [](QPainter& p) {
            p.scale(1.0, 13.0 / 16.0);
            Runner(p, kOrange);
        });
    }
}

} // namespace

QIcon ForRow(int icon)
{
    // Every redraw of the diary asks for these: they are drawn once.
    static const QIcon icons[3] = {RenderRow(0), RenderRow(1), RenderRow(2)};
    return icons[icon >= 0 && icon < 3 ? icon : 2];
}

} // namespace CommandIcons
