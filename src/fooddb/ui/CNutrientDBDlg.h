#pragma once

#include "app/ui/CFullScreenDialog.h"
#include "fooddb/FoodEditor.h"
#include "fooddb/FoodFinder.h"
#include "fooddb/FoodList.h"

#include <QMap>

#include <memory>
#include <optional>
#include <vector>

class CFoodDBDoc;
class CFoodTreeCtrl;
class DataFolders;
class FoodSearch;
class IWaitCursor;
class QAction;
class QLineEdit;
class QPushButton;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;

// "Nutrient database": the folders on top, the foods of the chosen folder below. It chooses a
// food for a meal or for a composite food, edits folders and foods, searches by name and
// imports a food file; OK hands back the chosen food with its default serving.
class CNutrientDBDlg : public CFullScreenDialog
{
    Q_OBJECT

public:
    static constexpr int kTemplate = 161;
    // A food row's picture, beside its id.
    static constexpr int kPictureRole = Qt::UserRole + 1;
    static constexpr int kFolderRole = Qt::UserRole + 2; // of a type-ahead match

    struct RunParameters
    {
        bool componentMode = false;
        bool filter = false; // only the foods that still fit the day
        QString importFile;  // import mode when set
    };
    struct Result
    {
        quint32 foodId = 0;
        QString name;
        QString servingName;
        double servingGrams = 0.0;
    };

    CNutrientDBDlg(CFoodDBDoc& doc, const DataFolders& folders, IMessageBox& messages,
                   IWaitCursor& waitCursor, const RunParameters& run, QWidget* parent = nullptr);
    ~CNutrientDBDlg() override;

    const Result& Chosen() const { return m_result; }
    CFoodTreeCtrl* Tree() const { return m_tree; }
    QTreeWidget* Foods() const { return m_list; }
    QAction* Command(int id) const { return m_commands.value(id); }
    QPushButton* SearchButton() const { return m_searchButton; }
    QPushButton* NextButton() const { return m_nextButton; }
    FoodEditor::Pane FocusedPane() const { return m_pane; }
    bool FilterOn() const { return m_filter; }
    // The type-ahead's find field: shown from the first letter typed until Escape.
    QLineEdit* FindField() const { return m_find; }

    void FillFoodList();
    void ShowFoodLabel(QTreeWidgetItem* row);
    void Search();
    void SearchStep();
    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CreateCommandBar();
    void OnCommand(int id);
    std::vector<FoodListRow> RowsOf(quint32 folderId);
    void ShowRows(const std::vector<FoodListRow>& rows);
    void OpenFind(const QString& typed);
    void ShowMatches();
    void CloseFind();
    std::vector<quint32> SelectedFoods() const;
    void PlaceSearchButtons(bool searching);
    // The food's properties, or a new food's in the selected folder.
    void FoodProperties(std::optional<quint32> foodId);
    void NewFolder();
    void Delete();
    void Cut();
    void Copy();
    void Paste();

    CFoodDBDoc& m_doc;
    const DataFolders& m_folders;
    IMessageBox& m_messages;
    IWaitCursor& m_waitCursor;
    RunParameters m_run;
    bool m_filter;
    FoodEditor m_editor;
    FoodList m_foodList;
    CFoodTreeCtrl* m_tree;
    QTreeWidget* m_list;
    QToolBar* m_commandBar = nullptr;
    QMap<int, QAction*> m_commands;
    QPushButton* m_searchButton;
    QPushButton* m_nextButton;
    FoodEditor::Pane m_pane = FoodEditor::Pane::Tree;
    std::unique_ptr<FoodSearch> m_search;
    QLineEdit* m_find = nullptr;
    std::unique_ptr<FoodFinder> m_finder; // built when the find field opens, dropped after a change
    std::set<quint32> m_recent;           // read with it
    bool m_searching = false;
    Result m_result;
};
