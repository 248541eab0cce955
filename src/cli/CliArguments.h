#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

// Words and --name value options of a command line. --help and --version take no value; after
// "--" every word is a word, even one that starts with "--".
class CliArguments
{
public:
    // False, with a message, for an option without its value or one given twice.
    bool Parse(const QStringList& words, QString* error);

    // False, with a message, when an option outside the list was given.
    bool OnlyOptions(const QStringList& allowed, QString* error) const;

    const QStringList& Positional() const { return m_positional; }
    bool Has(const QString& name) const { return m_options.contains(name); }
    QString Value(const QString& name) const { return m_options.value(name); }
    bool WantsHelp() const { return m_help; }
    bool WantsVersion() const { return m_version; }

private:
    QStringList m_positional;
    QMap<QString, QString> m_options;
    bool m_help = false;
    bool m_version = false;
};
