#include "DiaryDialogs.h"

#include "diary/CFoodDBDoc.h"
#include "diary/ui/CExerciseDatabaseDlg.h"
#include "diary/ui/CExercisePropertiesDlg.h"
#include "diary/ui/CMealPropertiesDlg.h"
#include "fooddb/ui/CNutrientDBDlg.h"
#include "platform/DataFolders.h"

DiaryDialogs::DiaryDialogs(CFoodDBDoc& doc, const DataFolders& folders, IMessageBox& messages,
                           IWaitCursor& waitCursor)
    : m_doc(doc), m_folders(folders), m_messages(messages), m_waitCursor(waitCursor)
{
}

void DiaryDialogs::Install()
{
    m_doc.SetFoodChooser(this);
    m_doc.SetMealPropertiesDialog(this);
    m_doc.SetExerciseDatabaseDialog(this);
    m_doc.SetExercisePropertiesDialog(this);
}

bool DiaryDialogs::ChooseFood(bool filtered, Choice* choice)
{
    CNutrientDBDlg::RunParameters run;
    run.filter = filtered;
    CNutrientDBDlg dialog(m_doc, m_folders, m_messages, m_waitCursor, run, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    choice->foodId = dialog.Chosen().foodId;
    choice->name = dialog.Chosen().name;
    return true;
}

bool DiaryDialogs::Run(const QString& caption, IMealPropertiesDialog::Values* values)
{
    CMealPropertiesDlg dialog(caption, *values, true, m_doc.Diary().Store(), m_messages, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    *values = dialog.Result();
    return true;
}

bool DiaryDialogs::Run(quint32* activity, quint32* minutes)
{
    CExerciseDatabaseDlg dialog(m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    *activity = dialog.Activity();
    *minutes = dialog.Minutes();
    return true;
}

bool DiaryDialogs::Run(const QString& activityName, quint32* minutes, int* hour, int* minute)
{
    CExercisePropertiesDlg dialog(activityName, *minutes, *hour, *minute, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    *minutes = dialog.Minutes();
    *hour = dialog.Hour();
    *minute = dialog.Minute();
    return true;
}
