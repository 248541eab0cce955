#include "CBackupDlg.h"

#include "controls/CTransparentStatic.h"

#include <QDir>
#include <QVBoxLayout>

namespace {

struct Texts
{
    int templateId;
    const char* caption;
    const char* title;
    const char* lines[3];
};

const Texts kTexts[] = {
    {254,
     QT_TRANSLATE_NOOP("CBackupDlg", "Backup"),
     QT_TRANSLATE_NOOP("CBackupDlg", "Backup all data"),
     // The folder is the real one: on this desktop there is no "\my documents" and no active sync.
     {QT_TRANSLATE_NOOP(
          "CBackupDlg",
          "This operation will perform a complete backup. All data will be backed up to files, placed in "
          "the folder: \"%1\"."),
      QT_TRANSLATE_NOOP(
          "CBackupDlg",
          "Backup might take several minutes please be patient. To restore all data select \"Restore all "
          "data\"  from the tools menu. To restore only the Nutrient Database select \"Restore Nutrient "
          "Database\" from the tools menu."),
      QT_TRANSLATE_NOOP("CBackupDlg", "Tap OK to perform backup.")}},
    {255,
     QT_TRANSLATE_NOOP("CBackupDlg", "Restore"),
     QT_TRANSLATE_NOOP("CBackupDlg", "Restore all data"),
     {QT_TRANSLATE_NOOP(
          "CBackupDlg",
          "This operation will perform a complete restore of data. All data will be deleted and replaced "
          "with data from the last performed backup. "),
      QT_TRANSLATE_NOOP("CBackupDlg", "Restore might take several minutes please be patient."),
      QT_TRANSLATE_NOOP("CBackupDlg", "Tap OK to restore all data.")}},
    {263,
     QT_TRANSLATE_NOOP("CBackupDlg", "Restore"),
     QT_TRANSLATE_NOOP("CBackupDlg", "Restore Nutrient Database"),
     {QT_TRANSLATE_NOOP(
          "CBackupDlg",
          "This operation will perform a complete restore of the Nutrient Database. All data in the "
          "Nutrient Database will be deleted and replaced with data from the last performed backup. "),
      QT_TRANSLATE_NOOP("CBackupDlg", "Restore might take several minutes please be patient."),
      QT_TRANSLATE_NOOP("CBackupDlg", "Tap OK to restore the Nutrient Database.")}},
};

} // namespace

CBackupDlg::CBackupDlg(Kind kind, const QString& folder, QWidget* parent)
    : CFullScreenDialog(tr(kTexts[static_cast<int>(kind)].caption), tr(kTexts[static_cast<int>(kind)].title),
                        QString(), kTexts[static_cast<int>(kind)].templateId, parent)
{
    const Texts& t = kTexts[static_cast<int>(kind)];
    auto* body = new QWidget(this);
    body->setGeometry(6, kSeparatorY + 6, kWidth - 12, kHeight - kSeparatorY - 42);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    for (const char* line : t.lines) {
        QString words = tr(line);
        if (words.contains(QLatin1String("%1")))
            words = words.arg(QDir::toNativeSeparators(folder));
        auto* text = new CTransparentStatic(words, body);
        text->setWordWrap(true);
        layout->addWidget(text);
    }
    layout->addStretch(1);
    AddButtons();
}
