#include "FoodIcons.h"

#include "app/ui/CommandIcons.h"
#include "app/ui/CommandId.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>
#include <functional>

namespace FoodIcons {

namespace {

using CommandIcons::Draw;

const QColor kNavy(0, 0, 128);
const QColor kFolder(236, 196, 90);
const QColor kFolderDark(170, 120, 30);
const QColor kBanana(245, 205, 40);
const QColor kGrape(120, 50, 150);
const QColor kRed(200, 30, 30);

QIcon Icon(const Draw& draw, const Draw& selected = {})
{
    return CommandIcons::Drawn(16, 16, draw, selected);
}

void ClosedFolder(QPainter& p)
{
    p.setPen(QPen(kFolderDark, 1));
    p.setBrush(kFolder);
    p.drawRect(QRectF(1.5, 4.5, 13, 9));
    p.drawRect(QRectF(1.5, 2.5, 5, 2));
}

void OpenFolder(QPainter& p)
{
    p.setPen(QPen(kFolderDark, 1));
    p.setBrush(kFolderDark.lighter(150));
    p.drawRect(QRectF(1.5, 3.5, 12, 10));
    QPainterPath flap;
    flap.moveTo(1.5, 13.5);
    flap.lineTo(4.5, 7.5);
    flap.lineTo(15.5, 7.5);
    flap.lineTo(12.5, 13.5);
    flap.closeSubpath();
    p.setBrush(kFolder);
    p.drawPath(flap);
}

void Banana(QPainter& p)
{
    QPainterPath b;
    b.moveTo(2, 5);
    b.cubicTo(3, 13, 11, 15, 15, 9);
    b.cubicTo(11, 12, 5, 11, 4, 4);
    b.closeSubpath();
    p.setPen(QPen(kFolderDark, 0.8));
    p.setBrush(kBanana);
    p.drawPath(b);
}

void Bunch(QPainter& p)
{
    p.setPen(QPen(kGrape.darker(150), 0.6));
    p.setBrush(kGrape);
    const QPointF grapes[] = {{4, 5}, {8, 5}, {12, 5}, {6, 8.5}, {10, 8.5}, {8, 12}};
    for (const QPointF& g : grapes)
        p.drawEllipse(g, 2.2, 2.2);
    p.setPen(QPen(QColor(40, 120, 40), 1.2));
    p.drawLine(QPointF(8, 3), QPointF(9, 0.5));
}

void Thirty(QPainter& p)
{
    QFont f;
    f.setPixelSize(7);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.setBrush(kRed);
    p.drawRect(QRectF(7.5, 9.5, 8, 6));
    p.drawText(QRectF(7.5, 9, 8.5, 7), Qt::AlignCenter, QStringLiteral("30"));
}

void Plus(QPainter& p, double x, double y)
{
    p.setPen(QPen(kRed, 1.6));
    p.drawLine(QPointF(x - 3, y), QPointF(x + 3, y));
    p.drawLine(QPointF(x, y - 3), QPointF(x, y + 3));
}

void Sheet(QPainter& p, double x, double y)
{
    p.setPen(QPen(kNavy, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(x + 0.5, y + 0.5, 8, 10));
    p.drawLine(QPointF(x + 2.5, y + 3.5), QPointF(x + 6.5, y + 3.5));
    p.drawLine(QPointF(x + 2.5, y + 6.5), QPointF(x + 6.5, y + 6.5));
}

} // namespace

QIcon ForFolder()
{
    static const QIcon icon = Icon(ClosedFolder, OpenFolder);
    return icon;
}

QIcon ForFood(FoodPicture picture)
{
    static const QIcon icons[] = {
        Icon(ClosedFolder),
        Icon(OpenFolder),
        Icon(Banana),
        Icon(Bunch),
        Icon([](QPainter& p) {
            Banana(p);
            Thirty(p);
        }),
        Icon([](QPainter& p) {
            Bunch(p);
            Thirty(p);
        }),
    };
    return icons[static_cast<int>(picture)];
}

QIcon ForCommand(int id)
{
    switch (id) {
    case CommandId::kNew: // New food
    case CommandId::kNewFood:
        return Icon([](QPainter& p) {
            Banana(p);
            Plus(p, 12, 4);
        });
    case CommandId::kNewFolder: // New folder
        return Icon([](QPainter& p) {
            ClosedFolder(p);
            Plus(p, 12, 4);
        });
    case CommandId::kCut: // Cut
        return Icon([](QPainter& p) {
            p.setPen(QPen(kNavy, 1.3));
            p.drawLine(QPointF(4, 1), QPointF(10, 10));
            p.drawLine(QPointF(12, 1), QPointF(6, 10));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QPointF(5, 12.5), 2.3, 2.3);
            p.drawEllipse(QPointF(11, 12.5), 2.3, 2.3);
        });
    case CommandId::kCopy: // Copy
        return Icon([](QPainter& p) {
            Sheet(p, 1, 1);
            Sheet(p, 6, 5);
        });
    case CommandId::kPaste: // Paste
        return Icon([](QPainter& p) {
            p.setPen(QPen(kFolderDark, 1));
            p.setBrush(kFolder);
            p.drawRect(QRectF(1.5, 2.5, 10, 12));
            Sheet(p, 6, 5);
        });
    case CommandId::kWhatCanIEat: // What can I eat today?
        return Icon([](QPainter& p) {
            Banana(p);
            p.setPen(QPen(QColor(40, 140, 60), 2, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(9, 4), QPointF(11, 6.5));
            p.drawLine(QPointF(11, 6.5), QPointF(15, 1.5));
        });
    case CommandId::kSetDefaultServing: // Set default serving size
        return Icon([](QPainter& p) {
            QPainterPath star;
            for (int i = 0; i < 10; ++i) {
                const double r = i % 2 == 0 ? 7 : 3;
                const double a = -M_PI / 2 + i * M_PI / 5;
                const QPointF pt(8 + r * std::cos(a), 8.5 + r * std::sin(a));
                i == 0 ? star.moveTo(pt) : star.lineTo(pt);
            }
            star.closeSubpath();
            p.setPen(QPen(kFolderDark, 0.8));
            p.setBrush(kBanana);
            p.drawPath(star);
        });
    case CommandId::kServingSizes: // Serving sizes
        return Icon([](QPainter& p) {
            p.setPen(QPen(kNavy, 1));
            p.setBrush(Qt::white);
            p.drawRect(QRectF(2.5, 4.5, 9, 10));
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRectF(9.5, 6.5, 5, 6), -90 * 16, 180 * 16);
            p.fillRect(QRectF(3, 8, 8, 6), QColor(120, 170, 230));
        });
    case CommandId::kDetails: // Details
        return Icon([](QPainter& p) {
            Sheet(p, 3, 2);
            p.setPen(QPen(kNavy, 1.4));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QPointF(11, 10), 3, 3);
            p.drawLine(QPointF(13, 12), QPointF(15.5, 14.5));
        });
    case CommandId::kApplyFood: // Apply
        return CommandIcons::ForCommand(CommandId::kApply);
    default:
        return CommandIcons::ForCommand(id);
    }
}

} // namespace FoodIcons
