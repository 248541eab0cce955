#include "app/ui/CMainFrame.h"
#include "app/ui/CNutritionApp.h"
#include "app/ui/ProgramIcon.h"
#include "app/ui/ProgramStyle.h"
#include "app/ui/Translations.h"
#include "platform/AppEnvironment.h"
#include "platform/InformationOptions.h"
#include "platform/ui/QtMessageBox.h"
#include "platform/ui/QtWaitCursor.h"
#include "platform/ui/ScreenZoom.h"

#include <QApplication>
#include <QFile>
#include <QTimer>

#include <cstdio>
#include <cstring>

namespace {

// --zoom N (or --zoom=N): the whole-number factor at which the 240 x 320 screen is shown; 0 when
// not given.
int ZoomFromArguments(int argc, char** argv, bool* ok)
{
    *ok = true;
    for (int i = 1; i < argc; ++i) {
        const char* value = nullptr;
        if (std::strcmp(argv[i], "--zoom") == 0 && i + 1 < argc)
            value = argv[i + 1];
        else if (std::strncmp(argv[i], "--zoom=", 7) == 0)
            value = argv[i] + 7;
        else if (std::strcmp(argv[i], "--zoom") == 0)
            value = "";
        if (value) {
            char* end = nullptr;
            const long zoom = std::strtol(value, &end, 10);
            if (end == value || *end != '\0' || zoom < 1 || zoom > 8) {
                *ok = false;
                return 0;
            }
            return static_cast<int>(zoom);
        }
    }
    return 0;
}

const char* const kHelp =
    "Usage: vellamo [--zoom N]\n"
    "Vellamo: a personal nutrition and diet diary for everyone in the house. Each person keeps a\n"
    "profile with a diet plan and records the meals they eat and the exercises they do, day by day.\n"
    "\n"
    "Options:\n"
    "  --zoom N     show the 240 x 320 screen N times as large, N from 1 to 8, on top of the\n"
    "               scale of QT_SCALE_FACTOR and the screen; without it, the zoom last chosen\n"
    "               with View, Zoom in or Zoom out, or else the largest that fits the screen\n"
    "  --help       show this help\n"
    "  --version    show the version\n"
    "\n"
    "The data folder is $VELLAMO_HOME when it is set, otherwise the XDG data folder; backups and the\n"
    "default nutrient database are kept in the documents folder. vellamo-cli keeps the same diary\n"
    "from the command line. Press F1 in the program for its help.\n";

} // namespace

int main(int argc, char** argv)
{
    if (const int answered = AnswerInformationOptions(argc, argv, "vellamo", kHelp); answered >= 0)
        return answered;
    bool zoomOk = true;
    const int zoom = ZoomFromArguments(argc, argv, &zoomOk);
    if (!zoomOk) {
        std::fprintf(stderr, "vellamo: --zoom takes a whole number from 1 to 8.\n");
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setStyle(new ProgramStyle);
    QApplication::setApplicationName(QStringLiteral("Vellamo"));
    QApplication::setApplicationVersion(QLatin1String(Version::kText));
    QApplication::setDesktopFileName(QLatin1String(Version::kAppId));
    Translations::Install(QLocale(), Translations::Folders());

    QString error;
    std::unique_ptr<AppEnvironment> env = AppEnvironment::Open(&error);
    if (!env) {
        QApplication::setWindowIcon(ProgramIcon::Icon());
        if (QtMessageBox::HasScreen())
            std::fprintf(stderr, "Vellamo: %s\n", qPrintable(error));
        QtMessageBox().Show(error, IMessageBox::Icon::Stop, IMessageBox::Buttons::Ok);
        return 1;
    }

    // Widgets are laid out on the 240 x 320 screen; Qt scales the drawing by the zoom on top of the
    // user's own scale: the one given, else the one chosen last time, else the largest that fits.
    int shown = zoom ? zoom : ScreenZoom::Kept(env->TheRegistry());
    if (!shown)
        shown = ScreenZoom::FitScreen(QApplication::primaryScreen());
    ScreenZoom::Apply(shown);

    QtMessageBox messages;
    QtWaitCursor waitCursor;
    CNutritionApp nutrition(*env, messages, waitCursor);
    // The window icon is drawn as soon as the first screen is up (or a dialog of the start
    // waits for an answer): the first screen does not wait for its seven sizes.
    QTimer::singleShot(0, &app, [] { QApplication::setWindowIcon(ProgramIcon::Icon()); });
    if (!nutrition.StartUp())
        return nutrition.Refused() ? 1 : 0;
    // For timing the start: end as soon as the first screen has been drawn.
    if (qEnvironmentVariableIsSet("VELLAMO_QUIT_AFTER_START")) {
        nutrition.Frame()->repaint();
        // What was shown, for the tests of the zoom: the window in pixels of the screen, and the
        // scale a program started from here gets.
        const QWidget* frame = nutrition.Frame();
        std::printf("window %dx%d, children's QT_SCALE_FACTOR \"%s\"\n",
                    qRound(frame->width() * frame->devicePixelRatioF()),
                    qRound(frame->height() * frame->devicePixelRatioF()),
                    qgetenv("QT_SCALE_FACTOR").constData());
        // And the memory it took, for the benchmark: the resident set now and at its peak.
        QFile status(QStringLiteral("/proc/self/status"));
        if (status.open(QIODevice::ReadOnly))
            for (const QByteArray& line : status.readAll().split('\n'))
                if (line.startsWith("VmRSS:") || line.startsWith("VmHWM:"))
                    std::printf("%s\n", line.simplified().constData());
        return 0;
    }
    return app.exec();
}
