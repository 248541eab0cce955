// vellamo-cli: the diary from the command line, on the data folder and the open profile.
#include "cli/CliArguments.h"
#include "cli/CliCommands.h"
#include "cli/CliVerbs.h"
#include "diary/CFoodDBDoc.h"
#include "platform/AppEnvironment.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

using namespace CliCommands;

// A command that changes the data file first makes sure it can; afterwards any failure SQLite met
// turns its result into a failure, so nothing is reported done that is not on disk. A command
// that only reads fails on a read failure alone: a read-only file still shows its diary.
int Guarded(RecordStore& store, bool writes, const std::function<int()>& command)
{
    if (writes) {
        QString message;
        if (!store.CanWrite(&message))
            return Fail(message);
    }
    store.ClearFailure();
    const int code = command();
    if (writes ? store.HasFailed() : store.HasReadFailure())
        return Fail(store.FailureText());
    return code;
}

int Print(const QString& text)
{
    std::fputs(text.toUtf8().constData(), stdout);
    return 0;
}

// Only report-pdf draws, and it draws on no screen.
bool Draws(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "report-pdf") == 0)
            return true;
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    std::unique_ptr<QCoreApplication> application;
    if (Draws(argc, argv)) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication& app = *application;
    CliArguments args;
    QString error;
    if (!args.Parse(app.arguments().mid(1), &error))
        return Usage(error);
    const QStringList& words = args.Positional();
    if (args.WantsVersion())
        return Print(CliVerbs::VersionText());
    const bool helpVerb = !words.isEmpty() && words[0] == QLatin1String("help");
    if (args.WantsHelp() || helpVerb) {
        const QStringList asked = helpVerb ? words.mid(1) : words;
        if (asked.isEmpty())
            return Print(CliVerbs::Help());
        const CliVerb* verb = CliVerbs::Find(asked);
        if (!verb)
            return Usage(QStringLiteral("unknown command \"%1\".").arg(asked.join(QLatin1Char(' '))));
        return Print(CliVerbs::Help(*verb));
    }
    if (words.isEmpty())
        return Usage(QStringLiteral("no command given."));
    const CliVerb* verb = CliVerbs::Find(words);
    if (!verb)
        return Usage(QStringLiteral("unknown command \"%1\".").arg(words.join(QLatin1Char(' '))));
    const QStringList rest = words.mid(verb->name.count(QLatin1Char(' ')) + 1);
    if (rest.size() < verb->minWords || (verb->maxWords >= 0 && rest.size() > verb->maxWords)) {
        const QString last = verb->synopsis.split(QLatin1Char(' ')).last();
        const QString wanted = verb->maxWords == 0  ? QStringLiteral("no arguments")
                               : verb->maxWords < 0 ? QStringLiteral("one or more ") + last
                                                    : QStringLiteral("one argument: ") + last;
        return Usage(QStringLiteral("%1 takes %2.").arg(verb->name, wanted));
    }
    if (!args.OnlyOptions(verb->options, &error))
        return Usage(error);

    // A look at the diary makes no folder or file: on a fresh account it sees an empty one.
    std::unique_ptr<AppEnvironment> env = verb->store == CliVerb::Store::Looks
                                              ? AppEnvironment::OpenToRead(&error)
                                              : AppEnvironment::Open(&error);
    if (!env)
        return Fail(error);
    CFoodDBDoc doc(env->Store(), env->TheClock());
    CliContext context{*env, doc, args, rest};
    return Guarded(env->Store(), verb->store == CliVerb::Store::Writes, [&] {
        if (verb->needsProfile && !doc.OpenMarkedProfile())
            return Fail(
                QStringLiteral("No profile is open: make one with \"profile new NAME\" or open one with "
                               "\"profile open ID\"."));
        return verb->run(context);
    });
}
