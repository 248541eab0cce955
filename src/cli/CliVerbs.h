#pragma once

#include <QString>
#include <QStringList>

#include <vector>

struct CliContext;

// One command of vellamo-cli. Parsing, --help, "help COMMAND" and the manual page all come
// from the table of these.
struct CliVerb
{
    enum class Store
    {
        Looks,  // reads the diary; makes no folder or file, even on a fresh account
        Reads,  // reads the store (and may write files of its own, as a backup does)
        Writes, // changes the store
    };

    QString name;        // "meal add"
    QString synopsis;    // what follows the name: "--date YYYY-MM-DD --food ID [--grams G]"
    QString help;        // what it does
    QStringList options; // the --options it takes
    int minWords = 0;    // words after the name
    int maxWords = 0;    // -1: any number
    Store store = Store::Reads;
    bool needsProfile = false;
    int (*run)(CliContext&) = nullptr;
};

namespace CliVerbs {

const std::vector<CliVerb>& All();
// The command the words start with (two words before one); null when none.
const CliVerb* Find(const QStringList& words);
// The whole --help text.
QString Help();
// The help of one command.
QString Help(const CliVerb& verb);
// The commands' lines of the usage shown after a wrong command line.
QString Usage();
QString VersionText();

} // namespace CliVerbs
