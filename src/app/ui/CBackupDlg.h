#pragma once

#include "app/ui/CFullScreenDialog.h"

// The question before "Backup all data", "Restore all data" and "Restore Nutrient Database".
class CBackupDlg : public CFullScreenDialog
{
    Q_OBJECT

public:
    enum class Kind
    {
        BackupAll,       // template 254
        RestoreAll,      // template 255
        RestoreNutrients // template 263
    };

    // `folder` is where the backup files are, named in the backup's text.
    CBackupDlg(Kind kind, const QString& folder, QWidget* parent = nullptr);
};
