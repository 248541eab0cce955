#include "ScreenZoom.h"

#include "platform/Registry.h"

#include <QScreen>
#include <QtGui/private/qhighdpiscaling_p.h>

#include <algorithm>
#include <cmath>

namespace ScreenZoom {

namespace {

constexpr int kScreenHeight = 320;
constexpr double kShareOfScreen = 0.85;
const char* const kKey = "Software\\Vellamo\\Window";
const char* const kValue = "Zoom";

int g_zoom = 1;

// The factor the user's environment asks for, read once before any zoom is applied.
double UserFactor()
{
    static const double factor = [] {
        bool ok = false;
        const double f = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
        return ok && f > 0 && std::isfinite(f) ? f : 1.0;
    }();
    return factor;
}

// Qt warns when the scale changes while windows exist; the program shows them anew itself.
QtMessageHandler g_previous = nullptr;
void DropScaleWarning(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (!text.startsWith(QLatin1String("QHighDpiScaling::setFactor")) && g_previous)
        g_previous(type, context, text);
}

} // namespace

int FitHeight(int availableHeight)
{
    const int zoom = static_cast<int>(std::floor(kShareOfScreen * availableHeight / kScreenHeight));
    return std::clamp(zoom, kMin, kMax);
}

int FitScreen(const QScreen* screen)
{
    // The available height in pixels of the user's own scale: without the zoom applied now.
    return screen ? FitHeight(screen->availableGeometry().height() * g_zoom) : kMin;
}

void Apply(int zoom)
{
    UserFactor();
    g_zoom = std::clamp(zoom, kMin, kMax);
    g_previous = qInstallMessageHandler(DropScaleWarning);
    QHighDpiScaling::setGlobalFactor(UserFactor() * g_zoom);
    qInstallMessageHandler(g_previous);
}

int Current()
{
    return g_zoom;
}

int Kept(const Registry& registry)
{
    Registry::Key key;
    quint32 zoom = 0;
    if (!registry.OpenKey(Registry::Hive::CurrentUser, QString::fromLatin1(kKey), &key) ||
        !key.QueryDword(QString::fromLatin1(kValue), &zoom) || zoom < kMin || zoom > kMax)
        return 0;
    return static_cast<int>(zoom);
}

void Keep(Registry& registry, int zoom)
{
    Registry::Key key;
    if (registry.CreateKey(Registry::Hive::CurrentUser, QString::fromLatin1(kKey), &key))
        key.SetDword(QString::fromLatin1(kValue), static_cast<quint32>(zoom));
}

} // namespace ScreenZoom
