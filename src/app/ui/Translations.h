#pragma once

#include <QLocale>
#include <QStringList>

class QTranslator;

// The program's texts in the user's language, when a translation for it is installed.
namespace Translations {

// Where translations are looked for: the install's share/vellamo/translations beside the program,
// then the data folders' vellamo/translations.
QStringList Folders();
// Installs the translation ("vellamo_fi.qm", "vellamo_de_AT.qm", ...) for the locale from the first
// folder that has one; none for English. The translator belongs to the application; nullptr when
// none was found.
QTranslator* Install(const QLocale& locale, const QStringList& folders);

} // namespace Translations
