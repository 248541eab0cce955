#include "Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTranslator>

namespace Translations {

QStringList Folders()
{
    QStringList folders = {QDir(QCoreApplication::applicationDirPath())
                               .filePath(QStringLiteral("../share/vellamo/translations"))};
    for (const QString& data : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        folders << QDir(data).filePath(QStringLiteral("vellamo/translations"));
    return folders;
}

QTranslator* Install(const QLocale& locale, const QStringList& folders)
{
    // The texts are written in English.
    if (locale.language() == QLocale::English || locale.language() == QLocale::C)
        return nullptr;
    auto* translator = new QTranslator(QCoreApplication::instance());
    for (const QString& folder : folders) {
        if (translator->load(locale, QStringLiteral("vellamo"), QStringLiteral("_"), folder) &&
            QCoreApplication::installTranslator(translator))
            return translator;
    }
    delete translator;
    return nullptr;
}

} // namespace Translations
