#include "DiaryDialogs.h"

#include "CExerciseDatabaseDlg.h"
#include "CExercisePropertiesDlg.h"
#include "CFoodDBDoc.h"
#include "CMealPropertiesDlg.h"
#include "CNutrientDBDlg.h"
#include "DataFolders.h"
#include "NutrientImport.h"

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
    // An empty nutrient database gets the default one before the first choice.
    if (m_doc.Foods().Count() == 0)
        NutrientImport(m_doc.Diary().Store(), &m_messages, &m_waitCursor).ImportDefaultDatabase(m_folders);
    CNutrientDBDlg dialog(m_doc, filtered, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    choice->foodId = dialog.ChosenFood();
    choice->name = dialog.ChosenName();
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
