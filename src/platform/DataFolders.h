#pragma once

#include <QString>

// Where the program keeps its files. VELLAMO_HOME, when set, holds both the store and the
// personal documents folder ($VELLAMO_HOME/Documents); otherwise the XDG data and documents
// folders are used.
class DataFolders
{
public:
    static DataFolders FromEnvironment();
    static DataFolders ForHome(const QString& home);

    const QString& DocumentsDir() const { return m_documentsDir; }

    QString StorePath() const;
    // The file of the settings ("settings.txt") or of the programs installed beside this one
    // ("installed-programs.txt").
    QString RegistryPath(bool localMachine) const;
    // The default nutrient database that the first import looks for.
    QString DefaultNutrientDatabasePath() const;
    // A file in the documents folder, e.g. a backup file.
    QString DocumentPath(const QString& fileName) const;

    // Creates the data and documents folders when absent (data folder mode 0700).
    bool EnsureExists(QString* error) const;

private:
    QString m_dataDir;
    QString m_documentsDir;
};
