#include "CFoodPropertiesDlg.h"

#include "app/ui/CommandId.h"
#include "controls/CColorEdit.h"
#include "controls/CTransparentStatic.h"
#include "controls/DialogData.h"
#include "controls/Form.h"
#include "diary/CFoodDBDoc.h"
#include "diary/ui/CMealPropertiesDlg.h"
#include "fooddb/FoodRecords.h"
#include "fooddb/ui/CFoodDetailsDlg.h"
#include "fooddb/ui/CNutrientDBDlg.h"
#include "fooddb/ui/CServingSizesDlg.h"
#include "fooddb/ui/FoodIcons.h"

#include <QAction>
#include <QCoreApplication>
#include <QHeaderView>
#include <QToolBar>
#include <QTreeWidget>

using FoodFields::Row;

namespace {

const char* const kValueColumns[] = {QT_TRANSLATE_NOOP("CFoodPropertiesDlg", "Energy"),
                                     QT_TRANSLATE_NOOP("CFoodPropertiesDlg", "Prot"),
                                     QT_TRANSLATE_NOOP("CFoodPropertiesDlg", "Fat"),
                                     QT_TRANSLATE_NOOP("CFoodPropertiesDlg", "Saturates"),
                                     QT_TRANSLATE_NOOP("CFoodPropertiesDlg", "Monounsaturates"),
                                     QT_TRANSLATE_NOOP("CFoodPropertiesDlg", "Polyunsaturates"),
                                     QT_TRANSLATE_NOOP("CFoodPropertiesDlg", "Carbohydrate"),
                                     QT_TRANSLATE_NOOP("CFoodPropertiesDlg", "Alcohol"),
                                     QT_TRANSLATE_NOOP("CFoodPropertiesDlg", "Sodium"),
                                     QT_TRANSLATE_NOOP("CFoodPropertiesDlg", "Cholesterol"),
                                     QT_TRANSLATE_NOOP("CFoodPropertiesDlg", "Fiber")};

} // namespace

CFoodPropertiesDlg::CFoodPropertiesDlg(CFoodDBDoc& doc, const DataFolders& folders, IMessageBox& messages,
                                       IWaitCursor& waitCursor, std::optional<quint32> foodId,
                                       quint32 folderId, QWidget* parent)
    : CFullScreenDialog(tr("Food properties"), tr("Food properties"), QStringLiteral("#nutrition_properties"),
                        kTemplate, parent),
      m_doc(doc), m_folders(folders), m_messages(messages), m_waitCursor(waitCursor),
      m_form(doc.Diary().Store())
{
    TitleLine()->setProperty("id", 1145);
    if (foodId)
        m_loaded = m_form.Load(*foodId);
    else
        m_form.NewFood(folderId);

    const QString g = QStringLiteral("g");
    FoodFields::Caption(this, tr("Name:"), 4, 28, 40);
    m_name = Form::Field(this, 1005, 46, 28, kWidth - 52);
    m_amounts.push_back(
        Row(this, tr("Prot:"), 1022, Nutrient::Protein, g, 4, 52, 1041, EnergyShare::Protein));
    m_amounts.push_back(Row(this, tr("Fat:"), 1023, Nutrient::Fat, g, 4, 74, 1042, EnergyShare::Fat));
    m_amounts.push_back(
        Row(this, tr("Carb:"), 1024, Nutrient::Carbohydrate, g, 4, 96, 1043, EnergyShare::Carbohydrate));
    m_amounts.push_back(
        Row(this, tr("Alco:"), 1026, Nutrient::Alcohol, g, 4, 118, 1038, EnergyShare::Alcohol));
    FoodFields::Caption(this, tr("Ref.wgt:"), 4, 140, 48);
    m_reference = Form::Field(this, 1027, 52, 140, 50);
    FoodFields::Caption(this, g, 104, 140, 14);
    FoodFields::Caption(this, tr("Calories:"), 122, 140, 50);
    m_amounts.push_back({Form::Field(this, 1006, 172, 140, 42), Nutrient::Energy});
    FoodFields::Caption(this, QStringLiteral("kcal"), 216, 140, 24);
    // Cholesterol is kept but not shown.
    FoodFields::Amount cholesterol{Form::Field(this, 1025, 0, 0, 0), Nutrient::Cholesterol};
    cholesterol.field->hide();
    m_amounts.push_back(cholesterol);

    m_list = new QTreeWidget(this);
    m_list->setProperty("id", 1034);
    m_list->setGeometry(0, 164, kWidth, 100);
    m_list->setRootIsDecorated(false);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    QStringList headings{QString(), tr("Name"), tr("Serving size"), tr("Weight")};
    for (const char* c : kValueColumns)
        headings << tr(c);
    m_list->setHeaderLabels(headings);
    const int w = m_list->contentsRect().width();
    m_list->setColumnWidth(0, w / 8);
    m_list->setColumnWidth(1, w / 2 + 12);
    m_list->setColumnWidth(2, w / 2 - 3);
    m_list->setColumnWidth(3, w / 4 - 3);
    for (int c = 4; c < headings.size(); ++c)
        m_list->setColumnWidth(c, w / 4 - 12);
    for (int c = 3; c < headings.size(); ++c)
        m_list->headerItem()->setTextAlignment(c, Qt::AlignRight);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, &CFoodPropertiesDlg::EditComponent);

    auto* bar = new QToolBar(this);
    bar->setIconSize(QSize(16, 16));
    bar->setGeometry(0, 266, kWidth, 24);
    const std::pair<int, const char*> commands[] = {
        {CommandId::kNew, QT_TRANSLATE_NOOP("CFoodPropertiesDlg", "New Food")},
        {CommandId::kDelete, QT_TRANSLATE_NOOP("CFoodPropertiesDlg", "Delete Food")},
        {CommandId::kProperties, QT_TRANSLATE_NOOP("CFoodPropertiesDlg", "Food Properties")},
        {CommandId::kApplyFood, QT_TRANSLATE_NOOP("CFoodPropertiesDlg", "Apply")},
        {CommandId::kServingSizes, QT_TRANSLATE_NOOP("CFoodPropertiesDlg", "Serving sizes")},
        {CommandId::kDetails, QT_TRANSLATE_NOOP("CFoodPropertiesDlg", "Details")}};
    for (const auto& [id, text] : commands) {
        QAction* a = bar->addAction(FoodIcons::ForCommand(id), tr(text));
        a->setToolTip(tr(text));
        m_commands.insert(id, a);
    }
    connect(m_commands[CommandId::kNew], &QAction::triggered, this, &CFoodPropertiesDlg::AddComponent);
    connect(m_commands[CommandId::kDelete], &QAction::triggered, this, &CFoodPropertiesDlg::RemoveComponent);
    connect(m_commands[CommandId::kProperties], &QAction::triggered, this,
            &CFoodPropertiesDlg::EditComponent);
    connect(m_commands[CommandId::kApplyFood], &QAction::triggered, this, &CFoodPropertiesDlg::Apply);
    connect(m_commands[CommandId::kServingSizes], &QAction::triggered, this,
            &CFoodPropertiesDlg::ServingSizes);
    connect(m_commands[CommandId::kDetails], &QAction::triggered, this, &CFoodPropertiesDlg::Details);
    AddButtons();
    ShowFood();
}

void CFoodPropertiesDlg::ShowFood()
{
    const FoodData& food = m_form.Food();
    m_name->setText(food.name);
    FoodFields::ShowFood(m_amounts, m_reference, food);
    const bool locked = m_form.IsReadOnly();
    m_name->SetLocked(locked);
    FoodFields::Lock(m_amounts, m_reference, locked);
    FillComponents();
}

void CFoodPropertiesDlg::FillComponents()
{
    m_list->clear();
    for (size_t i = 0; i < m_form.Food().components.size(); ++i) {
        auto* row = new QTreeWidgetItem(m_form.ComponentRow(i));
        for (int c = 3; c < row->columnCount(); ++c)
            row->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
        row->setData(0, Qt::UserRole, m_form.Food().components[i].foodId);
        m_list->addTopLevelItem(row);
    }
}

bool CFoodPropertiesDlg::TakeShown()
{
    if (m_form.IsReadOnly())
        return true;
    if (!FoodFields::TakeFood(m_messages, m_amounts, m_reference, 0, DialogData::kMaxNumber, &m_form.Food()))
        return false;
    m_form.Food().name = m_name->text();
    return true;
}

void CFoodPropertiesDlg::AddComponent()
{
    if (FoodForm::IsImported(m_form.Food().id)) {
        m_messages.Tell(QCoreApplication::translate(
                            "CFoodPropertiesDlg",
                            "This food is read only. The food is properly imported from the USDA sr13 "
                            "database. Only foods created in the Nutrient Database can be changed! It "
                            "is always possible to edit serving sizes."),
                        IMessageBox::Icon::Stop);
        return;
    }
    // The name typed so far is kept; the amounts give way to the components'.
    if (!m_name->IsLocked())
        m_form.Food().name = m_name->text();
    CNutrientDBDlg::RunParameters run;
    run.componentMode = true;
    CNutrientDBDlg browser(m_doc, m_folders, m_messages, m_waitCursor, run, this);
    if (browser.exec() != QDialog::Accepted)
        return;
    switch (m_form.AddComponent(browser.Chosen().foodId)) {
    case FoodForm::AddResult::Itself:
        m_messages.Tell(tr("Can't add item to it self!"), IMessageBox::Icon::Stop);
        return;
    case FoodForm::AddResult::Full:
        m_messages.Tell(tr("A food can have at most %1 components.").arg(FoodData::kMaxComponents),
                        IMessageBox::Icon::Stop);
        return;
    case FoodForm::AddResult::ReadOnly:
        return;
    case FoodForm::AddResult::Added:
        break;
    }
    if (m_doc.Profile().Has(CProfileTable::kShowMealProperties))
        EditServing(m_form.Food().components.size() - 1, browser.Chosen().name);
    ShowFood();
}

void CFoodPropertiesDlg::RemoveComponent()
{
    const QList<QTreeWidgetItem*> chosen = m_list->selectedItems();
    if (chosen.isEmpty())
        return;
    // The first selected in list order.
    QTreeWidgetItem* first = chosen.first();
    for (QTreeWidgetItem* row : chosen)
        if (m_list->indexOfTopLevelItem(row) < m_list->indexOfTopLevelItem(first))
            first = row;
    m_form.RemoveComponent(first->data(0, Qt::UserRole).toUInt());
    ShowFood();
}

void CFoodPropertiesDlg::EditComponent()
{
    int index = -1;
    for (int i = 0; i < m_list->topLevelItemCount() && index < 0; ++i)
        if (m_list->topLevelItem(i)->isSelected())
            index = i;
    if (index < 0)
        return;
    if (EditServing(static_cast<size_t>(index), m_list->topLevelItem(index)->text(1)))
        ShowFood();
}

bool CFoodPropertiesDlg::EditServing(size_t index, const QString& name)
{
    const FoodComponent c = m_form.Food().components.at(index);
    const IMealPropertiesDialog::Values values{c.foodId, name, c.weight, c.servings, c.servingName, 0, 0};
    CMealPropertiesDlg dialog(tr("Food Serving Size"), values, false, m_doc.Diary().Store(), m_messages,
                              this);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    m_form.SetComponentServing(index, dialog.Result().grams, dialog.Result().servings,
                               dialog.Result().servingName);
    return true;
}

bool CFoodPropertiesDlg::Apply()
{
    if (!TakeShown())
        return false;
    m_form.Apply();
    ShowFood();
    return true;
}

void CFoodPropertiesDlg::ServingSizes()
{
    FoodData& food = m_form.Food();
    CServingSizesDlg dialog(m_doc.Diary().Store(), food.id, food.defaultServingId, m_messages, this);
    dialog.exec();
    // OK or Cancel: the default chosen there is kept.
    food.defaultServingId = dialog.DefaultServing();
}

void CFoodPropertiesDlg::Details()
{
    if (!TakeShown())
        return;
    const bool readOnly = m_form.IsReadOnly();
    // The shares of the amounts as they stand here, not as last applied.
    ComputeFoodPercentages(m_form.Food().values);
    CFoodDetailsDlg details(m_form.Food(), readOnly, m_messages, this);
    details.exec();
    if (!readOnly)
        m_form.Food() = details.Result();
    ShowFood();
}

void CFoodPropertiesDlg::accept()
{
    if (m_form.Food().IsComposite() && !Apply())
        return;
    if (!TakeShown())
        return;
    m_form.Apply();
    CFullScreenDialog::accept();
}

void CFoodPropertiesDlg::reject()
{
    if (DialogData::ConfirmCancel(m_messages))
        CFullScreenDialog::reject();
}
