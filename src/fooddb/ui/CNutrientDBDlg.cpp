#include "CNutrientDBDlg.h"

#include "app/ui/CommandId.h"
#include "controls/CTransparentStatic.h"
#include "diary/CFoodDBDoc.h"
#include "fooddb/FoodSearch.h"
#include "fooddb/NutrientImport.h"
#include "fooddb/ui/CFoodLabelDlg.h"
#include "fooddb/ui/CFoodPropertiesDlg.h"
#include "fooddb/ui/CFoodTreeCtrl.h"
#include "fooddb/ui/CSearchDlg.h"
#include "fooddb/ui/FoodIcons.h"
#include "platform/IWaitCursor.h"
#include "platform/WaitCursorScope.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QToolBar>
#include <QTreeWidget>

namespace {

constexpr int kListTop = 128;
constexpr int kListHeight = 141;
constexpr int kBarTop = kListTop + kListHeight + 1;

} // namespace

CNutrientDBDlg::CNutrientDBDlg(CFoodDBDoc& doc, const DataFolders& folders, IMessageBox& messages,
                               IWaitCursor& waitCursor, const RunParameters& run, QWidget* parent)
    : CFullScreenDialog(tr("Nutrient database"), tr("Nutrient database"),
                        run.componentMode ? QStringLiteral("#nutrition_database")
                                          : QStringLiteral("#edit_nutrition_database"),
                        kTemplate, parent),
      m_doc(doc), m_folders(folders), m_messages(messages), m_waitCursor(waitCursor), m_run(run),
      m_filter(run.filter), m_editor(doc.Diary().Store(), &messages, &waitCursor),
      m_foodList(doc.Diary().Store())
{
    RecordStore& store = doc.Diary().Store();
    TitleLine()->setGeometry(6, 4, 150, 16);
    // The type-ahead's field takes the title's place while it is open.
    m_find = new QLineEdit(this);
    m_find->setProperty("id", 1090);
    m_find->setGeometry(4, 2, kWidth - 64, 20);
    m_find->setPlaceholderText(tr("Find a food"));
    m_find->hide();
    m_find->installEventFilter(this);
    connect(m_find, &QLineEdit::textEdited, this, [this] { ShowMatches(); });
    m_searchButton = new QPushButton(tr("Search"), this);
    m_searchButton->setProperty("id", 1011);
    m_searchButton->setAutoDefault(false);
    m_nextButton = new QPushButton(tr("Next"), this);
    m_nextButton->setProperty("id", 1013);
    m_nextButton->setAutoDefault(false);
    connect(m_searchButton, &QPushButton::clicked, this, &CNutrientDBDlg::Search);
    connect(m_nextButton, &QPushButton::clicked, this, &CNutrientDBDlg::SearchStep);

    m_tree = new CFoodTreeCtrl(store, this);
    m_tree->setProperty("id", 1020);
    m_tree->setGeometry(0, 25, kWidth, 100);
    m_list = new QTreeWidget(this);
    m_list->setProperty("id", 1021);
    m_list->setGeometry(0, kListTop, kWidth, kListHeight);
    m_list->setHeaderHidden(true);
    m_list->setHeaderLabels({tr("Food describtion")});
    m_list->setColumnWidth(0, 640);
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setIconSize(QSize(16, 16));
    m_tree->installEventFilter(this);
    m_list->installEventFilter(this);

    // A file to import, or the default database into an empty one.
    NutrientImport import(store, &messages, &waitCursor);
    NutrientImport::Result imported;
    if (!run.importFile.isEmpty())
        imported = import.ImportNutrientFile(run.importFile, false);
    else if (doc.Foods().Count() == 0)
        imported = import.ImportDefaultDatabase(folders);
    if (!imported.error.isEmpty())
        messages.Tell(imported.error, IMessageBox::Icon::Stop);
    m_tree->Build();

    CreateCommandBar();
    AddButtons();
    for (int id : {1, 2})
        for (QPushButton* b : findChildren<QPushButton*>())
            if (b->property("id").toInt() == id)
                b->setGeometry(b->x(), kBarTop + 25, b->width(), 22);
    PlaceSearchButtons(false);

    connect(m_tree, &QTreeWidget::itemSelectionChanged, this, [this] {
        if (!m_searching)
            FillFoodList();
    });
    connect(m_tree, &CFoodTreeCtrl::labelEdited, this,
            [this](quint32 id, const QString& text) { m_editor.FinishLabelEdit(id, text); });
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, &CNutrientDBDlg::accept);
    connect(m_list, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* row) {
        if (!row || !m_find->isVisible())
            return;
        // The match's folder opens in the tree; the list keeps the matches.
        m_searching = true;
        m_tree->SelectFolder(row->data(0, kFolderRole).toUInt());
        m_searching = false;
    });
    // Press and hold (a right click on a desktop) shows the food's label.
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_list, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { ShowFoodLabel(m_list->itemAt(at)); });
    FillFoodList();
    m_tree->setFocus();
}

CNutrientDBDlg::~CNutrientDBDlg() = default;

void CNutrientDBDlg::CreateCommandBar()
{
    m_commandBar = new QToolBar(this);
    m_commandBar->setIconSize(QSize(16, 16));
    m_commandBar->setGeometry(0, kBarTop, kWidth, 24);
    const auto add = [this](int id, const QString& text) {
        QAction* a = m_commandBar->addAction(FoodIcons::ForCommand(id), text);
        a->setToolTip(text);
        a->setData(id);
        m_commands.insert(id, a);
        connect(a, &QAction::triggered, this, [this, id] { OnCommand(id); });
        return a;
    };
    if (m_run.componentMode) {
        add(CommandId::kNewFood, tr("New food"));
        QAction* filter = add(CommandId::kWhatCanIEat, tr("What can I eat today?"));
        filter->setCheckable(true);
        filter->setChecked(m_filter);
        return;
    }
    add(CommandId::kNew, tr("New Food"));
    add(CommandId::kNewFolder, tr("New Folder"));
    add(CommandId::kDelete, tr("Delete food/folder"));
    add(CommandId::kProperties, tr("Food/folder properties"));
    m_commandBar->addSeparator();
    add(CommandId::kCut, tr("Cut"));
    add(CommandId::kCopy, tr("Copy"));
    add(CommandId::kPaste, tr("Paste"));
}

void CNutrientDBDlg::PlaceSearchButtons(bool searching)
{
    m_nextButton->setVisible(searching);
    m_nextButton->setGeometry(kWidth - 46, 1, 44, 21);
    m_searchButton->setGeometry(searching ? kWidth - 100 : kWidth - 56, 1, 52, 21);
}

void CNutrientDBDlg::OnCommand(int id)
{
    // A command may change foods: the type-ahead reads them anew.
    struct AfterCommand
    {
        CNutrientDBDlg* dialog;
        ~AfterCommand()
        {
            dialog->m_finder.reset();
            if (dialog->m_find->isVisible())
                dialog->ShowMatches();
        }
    } after{this};
    switch (id) {
    case CommandId::kWhatCanIEat:
        m_filter = !m_filter;
        m_commands.value(CommandId::kWhatCanIEat)->setChecked(m_filter);
        FillFoodList();
        break;
    case CommandId::kNew:
    case CommandId::kNewFood:
        FoodProperties(std::nullopt);
        break;
    case CommandId::kNewFolder:
        NewFolder();
        break;
    case CommandId::kDelete:
        Delete();
        break;
    case CommandId::kProperties:
        if (m_pane == FoodEditor::Pane::Tree) {
            if (!m_tree->selectedItems().isEmpty())
                m_tree->StartLabelEdit(m_tree->selectedItems().first());
        } else if (const std::vector<quint32> foods = SelectedFoods(); !foods.empty()) {
            FoodProperties(foods.front());
        }
        break;
    case CommandId::kCut:
        Cut();
        break;
    case CommandId::kCopy:
        Copy();
        break;
    case CommandId::kPaste:
        Paste();
        break;
    default:
        break;
    }
}

std::vector<FoodListRow> CNutrientDBDlg::RowsOf(quint32 folderId)
{
    if (!m_filter)
        return m_foodList.Rows(folderId);
    return m_foodList.Rows(folderId, [this](const FoodRecord& food) { return m_doc.FoodFitsFilters(food); });
}

void CNutrientDBDlg::OpenFind(const QString& typed)
{
    TitleLine()->hide();
    m_find->show();
    m_find->setText(typed);
    m_find->setFocus();
    ShowMatches();
}

void CNutrientDBDlg::ShowMatches()
{
    if (m_find->text().trimmed().isEmpty()) {
        FillFoodList();
        return;
    }
    RecordStore& store = m_doc.Diary().Store();
    if (!m_finder) {
        m_finder = std::make_unique<FoodFinder>(store);
        m_recent = FoodFinder::RecentFoods(store);
    }
    CFoodTable foods(store);
    std::vector<FoodListRow> rows;
    std::vector<quint32> folders;
    for (const FoodFinder::Match& m : m_finder->Find(m_find->text(), m_recent)) {
        if (!foods.FindId(m.id) || !foods.Load())
            continue;
        const FoodRecord& food = foods.Buffer();
        if (m_filter && !m_doc.FoodFitsFilters(food))
            continue;
        rows.push_back({food.id, food.name, FoodList::Picture(food)});
        folders.push_back(food.folderId);
    }
    ShowRows(rows);
    for (int i = 0; i < m_list->topLevelItemCount(); ++i)
        m_list->topLevelItem(i)->setData(0, kFolderRole, folders[static_cast<size_t>(i)]);
    if (QTreeWidgetItem* first = m_list->topLevelItem(0)) {
        m_list->setCurrentItem(first);
        first->setSelected(true);
    }
}

void CNutrientDBDlg::CloseFind()
{
    m_find->clear();
    m_find->hide();
    TitleLine()->show();
    FillFoodList();
    m_tree->setFocus();
}

void CNutrientDBDlg::FillFoodList()
{
    ShowRows(RowsOf(m_tree->SelectedFolder().value_or(FoodTree::kRoot)));
}

void CNutrientDBDlg::ShowRows(const std::vector<FoodListRow>& rows)
{
    m_list->clear();
    QList<QTreeWidgetItem*> items;
    for (const FoodListRow& row : rows) {
        auto* item = new QTreeWidgetItem({row.name});
        item->setIcon(0, FoodIcons::ForFood(row.picture));
        item->setData(0, Qt::UserRole, row.id);
        item->setData(0, kPictureRole, static_cast<int>(row.picture));
        items << item;
    }
    m_list->addTopLevelItems(items);
}

std::vector<quint32> CNutrientDBDlg::SelectedFoods() const
{
    std::vector<quint32> ids;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i)
        if (m_list->topLevelItem(i)->isSelected())
            ids.push_back(m_list->topLevelItem(i)->data(0, Qt::UserRole).toUInt());
    return ids;
}

void CNutrientDBDlg::accept()
{
    QTreeWidgetItem* chosen = nullptr;
    for (int i = 0; i < m_list->topLevelItemCount() && !chosen; ++i)
        if (m_list->topLevelItem(i)->isSelected())
            chosen = m_list->topLevelItem(i);
    if (!chosen) {
        reject(); // nothing chosen: as cancelled
        return;
    }
    m_result.foodId = chosen->data(0, Qt::UserRole).toUInt();
    m_result.name = chosen->text(0);
    const CFoodDBDoc::Serving serving = m_doc.DefaultServing(m_result.foodId);
    m_result.servingName = serving.name;
    m_result.servingGrams = serving.grams;
    CFullScreenDialog::accept();
}

void CNutrientDBDlg::Search()
{
    CSearchDlg dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_search = std::make_unique<FoodSearch>(m_doc.Diary().Store(), dialog.Terms(),
                                            [this](quint32 folder) { return RowsOf(folder); });
    PlaceSearchButtons(true);
    SearchStep();
}

void CNutrientDBDlg::SearchStep()
{
    if (!m_search)
        return;
    std::optional<FoodSearch::Match> match;
    {
        WaitCursorScope wait(&m_waitCursor);
        m_searching = true;
        m_tree->setUpdatesEnabled(false);
        match = m_search->Next();
        if (match) {
            m_tree->SelectFolder(match->folderId);
            ShowRows(m_search->Rows()); // the list the match was found in
            m_list->clearSelection();
            if (QTreeWidgetItem* row = m_list->topLevelItem(match->row)) {
                m_list->setCurrentItem(row);
                row->setSelected(true);
                m_list->scrollToItem(row);
            }
            m_list->setFocus();
        }
        m_searching = false;
        m_tree->setUpdatesEnabled(true);
    }
    if (!match) {
        m_search.reset();
        PlaceSearchButtons(false);
        m_messages.Tell(tr("Search has reached the end of the Nutrient Database."), IMessageBox::Icon::None);
    }
}

void CNutrientDBDlg::ShowFoodLabel(QTreeWidgetItem* row)
{
    if (!row)
        return;
    // The row held becomes the only one selected.
    m_list->clearSelection();
    m_list->setCurrentItem(row);
    row->setSelected(true);
    CFoodLabelDlg label(m_doc.Diary().Store(), row->data(0, Qt::UserRole).toUInt(), this);
    label.exec();
}

void CNutrientDBDlg::FoodProperties(std::optional<quint32> foodId)
{
    CFoodPropertiesDlg dialog(m_doc, m_folders, m_messages, m_waitCursor, foodId,
                              m_tree->SelectedFolder().value_or(FoodTree::kRoot), this);
    if (!dialog.Loaded())
        return;
    dialog.exec();
    FillFoodList();
}

void CNutrientDBDlg::NewFolder()
{
    const std::optional<quint32> selected = m_tree->SelectedFolder();
    const std::optional<quint32> id = m_editor.NewFolder(selected);
    if (!id)
        return;
    QTreeWidgetItem* item = m_tree->AddFolderItem(selected.value_or(FoodTree::kRoot), *id, tr("New folder"));
    if (!item)
        return;
    m_tree->setCurrentItem(item);
    m_tree->StartLabelEdit(item);
}

void CNutrientDBDlg::Delete()
{
    if (m_pane == FoodEditor::Pane::Tree) {
        const std::optional<quint32> selected = m_tree->SelectedFolder();
        if (m_editor.DeleteFolder(selected))
            m_tree->RemoveFolderItem(*selected);
        return;
    }
    const std::vector<quint32> foods = SelectedFoods();
    if (!foods.empty() && m_editor.DeleteFoods(foods))
        FillFoodList();
}

void CNutrientDBDlg::Cut()
{
    m_editor.Cut(m_pane, m_tree->SelectedFolder(), SelectedFoods());
    m_tree->SetCut(m_editor.PendingFolderCut());
}

void CNutrientDBDlg::Copy()
{
    m_editor.Copy(m_pane, SelectedFoods());
    m_tree->SetCut(std::nullopt);
}

void CNutrientDBDlg::Paste()
{
    const std::optional<quint32> target = m_tree->SelectedFolder();
    const std::optional<quint32> moved = m_editor.Paste(target);
    m_tree->SetCut(std::nullopt);
    if (moved)
        m_tree->FolderMoved(*moved, target.value_or(FoodTree::kRoot));
    FillFoodList();
}

bool CNutrientDBDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        const bool letter = text.size() == 1 && text.at(0).isLetterOrNumber() &&
                            !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        // Typing in the tree or the list opens the find field with the letter typed.
        if ((watched == m_tree || watched == m_list) && letter) {
            if (!m_find->isVisible()) {
                OpenFind(text);
            } else {
                m_find->setFocus();
                m_find->insert(text);
                ShowMatches();
            }
            return true;
        }
        if (watched == m_find) {
            switch (key->key()) {
            case Qt::Key_Escape:
                CloseFind();
                return true;
            case Qt::Key_Up:
            case Qt::Key_Down:
            case Qt::Key_PageUp:
            case Qt::Key_PageDown:
                QApplication::sendEvent(m_list, event); // the field keeps the focus
                if (QTreeWidgetItem* row = m_list->currentItem()) {
                    m_list->clearSelection();
                    row->setSelected(true);
                }
                return true;
            case Qt::Key_Return:
            case Qt::Key_Enter:
                accept();
                return true;
            default:
                break;
            }
        }
    }
    // Enter in the food list takes the row the keys reached, as a double click does.
    if (watched == m_list && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && m_list->currentItem()) {
            QTreeWidgetItem* row = m_list->currentItem();
            m_list->clearSelection();
            row->setSelected(true);
            accept();
            return true;
        }
    }
    if (event->type() == QEvent::FocusIn) {
        if (watched == m_tree)
            m_pane = FoodEditor::Pane::Tree;
        else if (watched == m_list)
            m_pane = FoodEditor::Pane::List;
    }
    return CFullScreenDialog::eventFilter(watched, event);
}

void CNutrientDBDlg::keyPressEvent(QKeyEvent* event)
{
    // Enter only ends a folder name being typed, which the editor takes itself.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        return;
    // Escape first closes the type-ahead, then the dialog.
    if (event->key() == Qt::Key_Escape && m_find->isVisible()) {
        CloseFind();
        return;
    }
    CFullScreenDialog::keyPressEvent(event);
}
