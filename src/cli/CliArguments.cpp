#include "CliArguments.h"

bool CliArguments::Parse(const QStringList& words, QString* error)
{
    bool optionsEnded = false;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString& w = words[i];
        if (optionsEnded || !w.startsWith(QStringLiteral("--"))) {
            m_positional << w;
            continue;
        }
        if (w.size() == 2) {
            optionsEnded = true;
            continue;
        }
        if (w == QLatin1String("--help") || w == QLatin1String("--version")) {
            (w == QLatin1String("--help") ? m_help : m_version) = true;
            continue;
        }
        QString name = w.mid(2);
        QString value;
        const qsizetype eq = name.indexOf(QLatin1Char('='));
        if (eq >= 0) {
            value = name.mid(eq + 1);
            name = name.left(eq);
        } else if (i + 1 < words.size()) {
            value = words[++i];
        } else {
            *error = QStringLiteral("--%1 needs a value.").arg(name);
            return false;
        }
        if (m_options.contains(name)) {
            *error = QStringLiteral("--%1 is given twice.").arg(name);
            return false;
        }
        m_options.insert(name, value);
    }
    return true;
}

bool CliArguments::OnlyOptions(const QStringList& allowed, QString* error) const
{
    for (auto it = m_options.cbegin(); it != m_options.cend(); ++it) {
        if (!allowed.contains(it.key())) {
            *error = QStringLiteral("--%1 is not an option of this command.").arg(it.key());
            return false;
        }
    }
    return true;
}
