// vellamo-help: the help viewer. Its one argument is the help file's name directly followed by
// a topic, "Vellamo.htm#views_nutrition_diary"; it shows the bundled help at that topic.
#include "platform/InformationOptions.h"

#include <QApplication>
#include <QTextBrowser>
#include <QUrl>

#include <cstdio>
#include <cstring>

namespace {

const char* const kHelp = "Usage: vellamo-help [Vellamo.htm[#TOPIC]]\n"
                          "Shows the help of Vellamo, at TOPIC when one is given.\n"
                          "\n"
                          "Options:\n"
                          "  --help       show this help\n"
                          "  --version    show the version\n";

} // namespace

int main(int argc, char** argv)
{
    if (const int answered = AnswerInformationOptions(argc, argv, "vellamo-help", kHelp); answered >= 0)
        return answered;
    if (qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR"))
        qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vellamo Help"));

    QString topic;
    const int first = argc > 1 && std::strcmp(argv[1], "--") == 0 ? 2 : 1;
    if (argc > first) {
        const QString arg = QString::fromLocal8Bit(argv[first]);
        const qsizetype hash = arg.indexOf(QLatin1Char('#'));
        if (!arg.startsWith(QLatin1String("Vellamo.htm"))) {
            std::fprintf(stderr, "vellamo-help: usage: vellamo-help Vellamo.htm[#topic]\n");
            return 2;
        }
        if (hash >= 0)
            topic = arg.mid(hash + 1);
    }

    QTextBrowser browser;
    browser.setWindowTitle(QStringLiteral("Vellamo Help"));
    browser.setOpenExternalLinks(true);
    browser.resize(240, 320);
    QUrl url(QStringLiteral("qrc:/help/Vellamo.htm"));
    browser.setSource(url);
    if (!topic.isEmpty())
        browser.scrollToAnchor(topic);
    browser.show();
    return app.exec();
}
