#include "FileDialogs.h"

#include <QFileDialog>

namespace FileDialogs {

namespace {

QString Run(QWidget* parent, const QString& caption, const QString& path, const QString& filter,
            const QString& suffix, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, caption, path, filter);
    dialog.setAcceptMode(mode);
    if (mode == QFileDialog::AcceptOpen)
        dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(suffix);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}

} // namespace

QString AskSave(QWidget* parent, const QString& caption, const QString& suggestedPath, const QString& filter,
                const QString& suffix)
{
    return Run(parent, caption, suggestedPath, filter, suffix, QFileDialog::AcceptSave);
}

QString AskOpen(QWidget* parent, const QString& caption, const QString& folder, const QString& filter,
                const QString& suffix)
{
    return Run(parent, caption, folder, filter, suffix, QFileDialog::AcceptOpen);
}

} // namespace FileDialogs
