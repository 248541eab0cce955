#pragma once

#include <QString>

#include <map>
#include <variant>

// A small file-backed stand-in for the registry of the current user and of the machine.
// Each hive is one text file; every call re-reads it, so values written by another process
// are seen at once, and writes replace the file atomically under a lock file.
class Registry
{
public:
    enum class Hive
    {
        CurrentUser,
        LocalMachine,
    };

    // An open key; it only names the key, so closing is letting it go.
    class Key
    {
    public:
        Key() = default;
        bool IsOpen() const { return m_registry != nullptr; }
        void Close() { m_registry = nullptr; }

        bool QueryDword(const QString& name, quint32* value) const;
        bool QueryString(const QString& name, QString* value) const;
        bool SetDword(const QString& name, quint32 value);
        bool SetString(const QString& name, const QString& value);

    private:
        friend class Registry;
        Key(const Registry* r, Hive h, const QString& path) : m_registry(r), m_hive(h), m_path(path) {}
        const Registry* m_registry = nullptr;
        Hive m_hive = Hive::CurrentUser;
        QString m_path;
    };

    Registry(QString currentUserFile, QString localMachineFile);

    // Opens an existing key; false when it does not exist (nothing is created).
    bool OpenKey(Hive hive, const QString& path, Key* key) const;
    // Creates the key when absent and opens it.
    bool CreateKey(Hive hive, const QString& path, Key* key) const;

private:
    using Value = std::variant<quint32, QString>;
    struct KeyData
    {
        QString path;
        std::map<QString, std::pair<QString, Value>> values; // lower-case name -> (name, value)
    };
    using Hives = std::map<QString, KeyData>; // lower-case path -> key

    const QString& FileOf(Hive h) const { return h == Hive::CurrentUser ? m_userFile : m_machineFile; }
    static bool ReadFile(const QString& file, Hives* out);
    static bool WriteFile(const QString& file, const Hives& data);
    bool Query(Hive h, const QString& path, const QString& name, Value* out) const;
    bool Modify(Hive h, const QString& path, bool create, const QString* name, const Value* value) const;

    QString m_userFile;
    QString m_machineFile;
};
