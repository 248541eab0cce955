#pragma once

#include <QString>

class QWidget;

// The program's file dialogs: Qt's own dialog (the tests drive it), modal on the given window.
// Each returns the chosen path, or an empty string when cancelled.
namespace FileDialogs {

// Asks where to save; `suffix` is added when the typed name has none.
QString AskSave(QWidget* parent, const QString& caption, const QString& suggestedPath, const QString& filter,
                const QString& suffix);

// Asks for an existing file to open.
QString AskOpen(QWidget* parent, const QString& caption, const QString& folder, const QString& filter,
                const QString& suffix);

} // namespace FileDialogs
