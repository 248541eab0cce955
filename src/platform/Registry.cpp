#include "Registry.h"

#include <QFile>
#include <QLockFile>
#include <QSaveFile>
#include <QTextStream>

namespace {

QString Escape(const QString& s)
{
    QString out;
    out.reserve(s.size());
    for (QChar c : s) {
        if (c == QLatin1Char('\\'))
            out += QStringLiteral("\\\\");
        else if (c == QLatin1Char('\n'))
            out += QStringLiteral("\\n");
        else if (c == QLatin1Char('\r'))
            out += QStringLiteral("\\r");
        else
            out += c;
    }
    return out;
}

QString Unescape(const QString& s)
{
    QString out;
    out.reserve(s.size());
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s[i] == QLatin1Char('\\') && i + 1 < s.size()) {
            const QChar n = s[++i];
            out += n == QLatin1Char('n') ? QChar('\n') : n == QLatin1Char('r') ? QChar('\r') : n;
        } else {
            out += s[i];
        }
    }
    return out;
}

} // namespace

Registry::Registry(QString currentUserFile, QString localMachineFile)
    : m_userFile(std::move(currentUserFile)), m_machineFile(std::move(localMachineFile))
{
}

bool Registry::ReadFile(const QString& file, Hives* out)
{
    out->clear();
    QFile f(file);
    if (!f.exists())
        return true;
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    QTextStream in(&f);
    in.setEncoding(QStringConverter::Utf8);
    KeyData* current = nullptr;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            const QString path = line.mid(1, line.size() - 2);
            current = &(*out)[path.toLower()];
            current->path = path;
            continue;
        }
        qsizetype eq = -1;
        for (qsizetype i = 0; i < line.size(); ++i) {
            if (line[i] == QLatin1Char('\\'))
                ++i;
            else if (line[i] == QLatin1Char('=')) {
                eq = i;
                break;
            }
        }
        if (!current || eq <= 0)
            continue;
        const QString name = Unescape(line.left(eq));
        const QString rest = line.mid(eq + 1);
        if (rest.startsWith(QStringLiteral("dword:"))) {
            bool ok = false;
            const quint32 v = rest.mid(6).toUInt(&ok, 16);
            if (ok)
                current->values[name.toLower()] = {name, Value(v)};
        } else if (rest.startsWith(QStringLiteral("sz:"))) {
            current->values[name.toLower()] = {name, Value(Unescape(rest.mid(3)))};
        }
    }
    return true;
}

bool Registry::WriteFile(const QString& file, const Hives& data)
{
    QSaveFile f(file);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Text) ||
        !f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        return false;
    QTextStream out(&f);
    out.setEncoding(QStringConverter::Utf8);
    for (const auto& [lower, key] : data) {
        out << '[' << key.path << "]\n";
        for (const auto& [lowerName, entry] : key.values) {
            out << Escape(entry.first).replace(QLatin1Char('='), QStringLiteral("\\=")) << '=';
            if (const quint32* d = std::get_if<quint32>(&entry.second))
                out << "dword:" << QString::number(*d, 16).rightJustified(8, QLatin1Char('0'));
            else
                out << "sz:" << Escape(std::get<QString>(entry.second));
            out << '\n';
        }
    }
    out.flush();
    return f.commit();
}

bool Registry::Query(Hive h, const QString& path, const QString& name, Value* out) const
{
    Hives data;
    if (!ReadFile(FileOf(h), &data))
        return false;
    const auto key = data.find(path.toLower());
    if (key == data.end())
        return false;
    const auto v = key->second.values.find(name.toLower());
    if (v == key->second.values.end())
        return false;
    *out = v->second.second;
    return true;
}

bool Registry::Modify(Hive h, const QString& path, bool create, const QString* name, const Value* value) const
{
    const QString& file = FileOf(h);
    QLockFile lock(file + QStringLiteral(".lock"));
    lock.setStaleLockTime(10000);
    if (!lock.tryLock(5000))
        return false;
    Hives data;
    if (!ReadFile(file, &data))
        return false;
    auto key = data.find(path.toLower());
    if (key == data.end()) {
        if (!create)
            return false;
        key = data.emplace(path.toLower(), KeyData{path, {}}).first;
    } else if (!name) {
        return true; // the key exists already
    }
    if (name)
        key->second.values[name->toLower()] = {*name, *value};
    return WriteFile(file, data);
}

bool Registry::OpenKey(Hive hive, const QString& path, Key* key) const
{
    Hives data;
    if (!ReadFile(FileOf(hive), &data) || data.find(path.toLower()) == data.end())
        return false;
    *key = Key(this, hive, path);
    return true;
}

bool Registry::CreateKey(Hive hive, const QString& path, Key* key) const
{
    if (!Modify(hive, path, true, nullptr, nullptr))
        return false;
    *key = Key(this, hive, path);
    return true;
}

bool Registry::Key::QueryDword(const QString& name, quint32* value) const
{
    Value v;
    if (!m_registry || !m_registry->Query(m_hive, m_path, name, &v) || !std::holds_alternative<quint32>(v))
        return false;
    *value = std::get<quint32>(v);
    return true;
}

bool Registry::Key::QueryString(const QString& name, QString* value) const
{
    Value v;
    if (!m_registry || !m_registry->Query(m_hive, m_path, name, &v) || !std::holds_alternative<QString>(v))
        return false;
    *value = std::get<QString>(v);
    return true;
}

bool Registry::Key::SetDword(const QString& name, quint32 value)
{
    const Value v(value);
    return m_registry && m_registry->Modify(m_hive, m_path, false, &name, &v);
}

bool Registry::Key::SetString(const QString& name, const QString& value)
{
    const Value v(value);
    return m_registry && m_registry->Modify(m_hive, m_path, false, &name, &v);
}
