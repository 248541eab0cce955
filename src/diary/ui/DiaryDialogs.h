#pragma once

#include "diary/IExerciseDatabaseDialog.h"
#include "diary/IExercisePropertiesDialog.h"
#include "diary/IFoodChooser.h"
#include "diary/IMealPropertiesDialog.h"

class CFoodDBDoc;
class IMessageBox;
class IWaitCursor;
class DataFolders;
class QWidget;

// The dialogs the document runs, as modal screens over the main window.
class DiaryDialogs : public IFoodChooser,
                     public IMealPropertiesDialog,
                     public IExerciseDatabaseDialog,
                     public IExercisePropertiesDialog
{
public:
    DiaryDialogs(CFoodDBDoc& doc, const DataFolders& folders, IMessageBox& messages, IWaitCursor& waitCursor);
    // Hands the document every dialog.
    void Install();
    void SetParent(QWidget* parent) { m_parent = parent; }

    bool ChooseFood(bool filtered, Choice* choice) override;
    bool Run(const QString& caption, IMealPropertiesDialog::Values* values) override;
    bool Run(quint32* activity, quint32* minutes) override;
    bool Run(const QString& activityName, quint32* minutes, int* hour, int* minute) override;

private:
    CFoodDBDoc& m_doc;
    const DataFolders& m_folders;
    IMessageBox& m_messages;
    IWaitCursor& m_waitCursor;
    QWidget* m_parent = nullptr;
};
