#include "controls/CColorEdit.h"
#include "controls/CStripedListCtrl.h"
#include "diary/ui/CFoodDBView.h"
#include "diary/ui/CMealPropertiesDlg.h"
#include "fooddb/FoodTree.h"
#include "fooddb/ui/CFoodLabelDlg.h"
#include "fooddb/ui/CFoodTreeCtrl.h"
#include "fooddb/ui/CNutrientDBDlg.h"
#include "fooddb/ui/CSearchDlg.h"
#include "profile/NumberFormat.h"
#include "storage/CMeasuresTable.h"
#include "support/GuiFixture.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

namespace {

class NutrientDatabaseTest : public GuiTest
{
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        AddProfile(QStringLiteral("Anna"), true);
        Start();
        FoodTree tree(m_env->Store());
        // Drinks (1) > Juices (2); Fruit (3).
        tree.CreateFolder(0, QStringLiteral("Fruit"));
        tree.CreateFolder(0, QStringLiteral("Drinks"));
        tree.CreateFolder(2, QStringLiteral("Juices"));
        AddFood(1, 0, "Juicy pears", 50, 1, 0);
        AddFood(2, 3, "Apple Juice, canned", 46, 0.1, 0.1);
        AddFood(3, 3, "Orange juice", 45, 0.7, 0.2, 240, "cup");
        AddFood(4, 1, "Fat at thirty", 100, 266, 51);
        AddFood(5, 1, "Fat just under", 100, 266, 50.98);
    }

    void AddFood(quint32 id, quint32 folder, const char* name, double kcal, double protein, double fat,
                 double servingGrams = 0, const char* serving = nullptr)
    {
        CFoodTable foods(m_env->Store());
        foods.NewRecord(id);
        foods.Buffer().folderId = folder;
        foods.Buffer().name = QString::fromLatin1(name);
        foods.Buffer().values[Nutrient::Energy] = kcal;
        foods.Buffer().values[Nutrient::Protein] = protein;
        foods.Buffer().values[Nutrient::Fat] = fat;
        foods.Buffer().referenceWeight = 100;
        if (serving) {
            CMeasuresTable sizes(m_env->Store());
            foods.Buffer().defaultServingId = sizes.NewRecord(id);
            sizes.Buffer().description = QString::fromLatin1(serving);
            sizes.Buffer().weight = servingGrams;
            sizes.Save();
        }
        foods.Save();
    }

    std::unique_ptr<CNutrientDBDlg> Open(bool componentMode = false, bool filter = false)
    {
        CNutrientDBDlg::RunParameters run;
        run.componentMode = componentMode;
        run.filter = filter;
        auto dialog = std::make_unique<CNutrientDBDlg>(Doc(), m_folders, m_box, m_wait, run);
        dialog->show();
        // Focus changes are told only to the active window.
        dialog->activateWindow();
        QApplication::setActiveWindow(dialog.get());
        QApplication::processEvents();
        return dialog;
    }

    static QStringList Rows(const CNutrientDBDlg& d)
    {
        QStringList rows;
        for (int i = 0; i < d.Foods()->topLevelItemCount(); ++i)
            rows << d.Foods()->topLevelItem(i)->text(0);
        return rows;
    }
    static void Choose(CNutrientDBDlg& d, quint32 folder) { d.Tree()->SelectFolder(folder); }
    static void SelectRow(CNutrientDBDlg& d, const QString& name)
    {
        for (int i = 0; i < d.Foods()->topLevelItemCount(); ++i)
            d.Foods()->topLevelItem(i)->setSelected(d.Foods()->topLevelItem(i)->text(0) == name);
    }
};

} // namespace

TEST_F(NutrientDatabaseTest, TreeListAndCommandBars)
{
    auto d = Open();
    EXPECT_EQ(d->windowTitle(), QStringLiteral("Nutrient database"));
    CFoodTreeCtrl* tree = d->Tree();
    ASSERT_EQ(tree->topLevelItemCount(), 1);
    QTreeWidgetItem* root = tree->Root();
    EXPECT_EQ(root->text(0), QStringLiteral("Root"));
    EXPECT_TRUE(root->isExpanded());
    ASSERT_EQ(root->childCount(), 2);
    EXPECT_EQ(root->child(0)->text(0), QStringLiteral("Drinks")); // by label
    EXPECT_EQ(root->child(0)->childCount(), 0);                   // read when opened
    EXPECT_EQ(tree->geometry(), QRect(0, 25, 240, 100));
    EXPECT_EQ(d->Foods()->geometry(), QRect(0, 128, 240, 141));
    EXPECT_FALSE(d->NextButton()->isVisible());
    EXPECT_EQ(d->FocusedPane(), FoodEditor::Pane::Tree);
    for (int id : {32812, 32813, 32814, 32815, 32816, 32851, 32817})
        EXPECT_NE(d->Command(id), nullptr) << id;
    EXPECT_EQ(d->Command(32849), nullptr);
    EXPECT_EQ(Rows(*d), QStringList{QStringLiteral("Juicy pears")});

    // A tap opens a folder and reads its children once; Root stays open.
    emit tree->itemClicked(root->child(0), 0);
    EXPECT_TRUE(root->child(0)->isExpanded());
    EXPECT_EQ(root->child(0)->child(0)->text(0), QStringLiteral("Juices"));
    // Lines join the folders, left of each folder's picture.
    {
        QTreeWidgetItem* juices = root->child(0)->child(0);
        const QRect row = tree->visualItemRect(juices);
        const QImage shot = tree->viewport()->grab().toImage();
        const qreal ratio = shot.devicePixelRatio();
        int linePixels = 0;
        for (int y = int(row.top() * ratio); y < int(row.bottom() * ratio); ++y)
            for (int x = 0; x < int(row.left() * ratio); ++x)
                linePixels += shot.pixelColor(x, y) == CFoodTreeCtrl::kLineColor;
        EXPECT_GT(linePixels, 0) << "no line beside \"Juices\"";
    }
    emit tree->itemClicked(root->child(0), 0);
    EXPECT_FALSE(root->child(0)->isExpanded());
    emit tree->itemClicked(root, 0);
    EXPECT_TRUE(root->isExpanded());

    // Fat at exactly 30 % of the energy is marked, just under is not.
    Choose(*d, 1);
    ASSERT_EQ(Rows(*d), (QStringList{"Fat at thirty", "Fat just under"}));
    EXPECT_EQ(d->Foods()->topLevelItem(0)->data(0, CNutrientDBDlg::kPictureRole).toInt(),
              static_cast<int>(FoodPicture::FatFood));
    EXPECT_EQ(d->Foods()->topLevelItem(1)->data(0, CNutrientDBDlg::kPictureRole).toInt(),
              static_cast<int>(FoodPicture::Food));
    Choose(*d, 3);
    d->Foods()->topLevelItem(0)->setSelected(true);
    Shot(d.get(), QStringLiteral("nutrient-database"));

    auto component = Open(true, true);
    EXPECT_TRUE(component->Command(32849)->isChecked());
    EXPECT_NE(component->Command(32876), nullptr);
    EXPECT_EQ(component->Command(32813), nullptr);
}

TEST_F(NutrientDatabaseTest, OkHandsBackTheDefaultServing)
{
    struct Case
    {
        const char* food;
        const char* serving;
        double grams;
    };
    const Case cases[] = {{"Orange juice", "cup", 240}, {"Apple Juice, canned", "Reference weight", 100}};
    for (const Case& c : cases) {
        auto d = Open();
        Choose(*d, 3);
        SelectRow(*d, QString::fromLatin1(c.food));
        d->accept();
        ASSERT_EQ(d->result(), QDialog::Accepted) << c.food;
        EXPECT_EQ(d->Chosen().name, QString::fromLatin1(c.food));
        EXPECT_EQ(d->Chosen().servingName, QString::fromLatin1(c.serving));
        EXPECT_EQ(d->Chosen().servingGrams, c.grams);
    }
    auto none = Open();
    none->accept(); // nothing chosen: as cancelled
    EXPECT_EQ(none->result(), QDialog::Rejected);
}

TEST_F(NutrientDatabaseTest, UpDownAndEnterChooseAFood)
{
    auto d = Open();
    Choose(*d, 3); // Apple Juice, canned; Orange juice
    d->Foods()->setFocus();
    QTest::keyClick(d->Foods(), Qt::Key_Down);
    QTest::keyClick(d->Foods(), Qt::Key_Down);
    QTest::keyClick(d->Foods(), Qt::Key_Return);
    ASSERT_EQ(d->result(), QDialog::Accepted);
    EXPECT_EQ(d->Chosen().name, QStringLiteral("Orange juice"));
}

TEST_F(NutrientDatabaseTest, TypingFindsFoodsBestFirstAndEnterTakesTheFirst)
{
    auto d = Open();
    d->Tree()->setFocus();
    QTest::keyClicks(d->Tree(), QStringLiteral("ju"));
    ASSERT_TRUE(d->FindField()->isVisible());
    EXPECT_EQ(d->FindField()->text(), QStringLiteral("ju"));
    // No whole word yet: the food with a serving size, then the shorter names, then by name.
    EXPECT_EQ(Rows(*d),
              (QStringList{"Orange juice", "Juicy pears", "Apple Juice, canned", "Fat just under"}));
    EXPECT_EQ(d->Tree()->SelectedFolder(), 3u) << "the first match's folder opens";
    Shot(d.get(), QStringLiteral("nutrient-database-type-ahead"));
    QTest::keyClicks(d->FindField(), QStringLiteral("ice"));
    EXPECT_EQ(Rows(*d), (QStringList{"Orange juice", "Apple Juice, canned"}));
    QTest::keyClick(d->FindField(), Qt::Key_Down);
    EXPECT_EQ(d->Foods()->currentItem()->text(0), QStringLiteral("Apple Juice, canned"));
    QTest::keyClick(d->FindField(), Qt::Key_Up);
    QTest::keyClick(d->FindField(), Qt::Key_Return);
    ASSERT_EQ(d->result(), QDialog::Accepted);
    EXPECT_EQ(d->Chosen().name, QStringLiteral("Orange juice"));
    EXPECT_EQ(d->Chosen().servingName, QStringLiteral("cup"));
    EXPECT_EQ(d->Chosen().servingGrams, 240);

    // Escape closes the field and shows the folders again; a second Escape closes the dialog.
    auto e = Open();
    QTest::keyClicks(e->Tree(), QStringLiteral("fat"));
    EXPECT_EQ(Rows(*e), (QStringList{"Fat at thirty", "Fat just under"}));
    QTest::keyClick(e->FindField(), Qt::Key_Escape);
    EXPECT_FALSE(e->FindField()->isVisible());
    EXPECT_TRUE(e->isVisible());
    EXPECT_EQ(Rows(*e), (QStringList{"Fat at thirty", "Fat just under"})) << "the folder of the last match";
}

TEST_F(NutrientDatabaseTest, TheTypeAheadFollowsAPasteAndADelete)
{
    auto d = Open();
    QTest::keyClicks(d->Tree(), QStringLiteral("orange"));
    ASSERT_EQ(Rows(*d), (QStringList{"Orange juice"}));
    QTest::keyClick(d->FindField(), Qt::Key_Escape);
    Choose(*d, 3);
    d->Foods()->setFocus();
    QApplication::processEvents();
    SelectRow(*d, QStringLiteral("Orange juice"));
    d->Command(32851)->trigger();
    Choose(*d, 1);
    d->Command(32817)->trigger();
    QTest::keyClicks(d->Tree(), QStringLiteral("orange"));
    EXPECT_EQ(Rows(*d), (QStringList{"Orange juice", "Orange juice"})) << "the copy is found too";
    QTest::keyClick(d->FindField(), Qt::Key_Escape);
    Choose(*d, 3);
    d->Foods()->setFocus();
    QApplication::processEvents();
    SelectRow(*d, QStringLiteral("Apple Juice, canned"));
    m_box.Answer(IMessageBox::Result::Ok);
    d->Command(32814)->trigger();
    QTest::keyClicks(d->Tree(), QStringLiteral("juice"));
    EXPECT_EQ(Rows(*d), (QStringList{"Orange juice", "Orange juice"})) << "the deleted food is gone";
}

TEST_F(NutrientDatabaseTest, TypeAheadKeepsTheFilter)
{
    Doc().Profile().filtersMask = 0x1 | 0x2;
    Doc().Profile().userCalories = 1;
    Doc().SaveProfile();
    Doc().ComputeDay(Doc().Day().id);
    auto d = Open(true, true);
    QTest::keyClicks(d->Tree(), QStringLiteral("juice"));
    EXPECT_EQ(d->Foods()->topLevelItemCount(), 0);
    d->Command(32849)->trigger(); // the filter off: the matches come
    EXPECT_EQ(Rows(*d), (QStringList{"Orange juice", "Apple Juice, canned"}));
}

TEST_F(NutrientDatabaseTest, HoldingARowShowsItsLabelUntilTheNextTap)
{
    auto d = Open();
    Choose(*d, 3);
    SelectRow(*d, QStringLiteral("Apple Juice, canned"));
    QTreeWidgetItem* orange = d->Foods()->topLevelItem(1);
    QString shown;
    bool closedByTap = false;
    OnNextModal([&](QWidget* w) {
        auto* label = qobject_cast<CFoodLabelDlg*>(w);
        ASSERT_TRUE(label);
        shown = label->Label().Name();
        EXPECT_EQ(label->Label().Serving(), QStringLiteral("cup"));
        Shot(label, QStringLiteral("food-label"));
        QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(120, 150));
        closedByTap = !label->isVisible();
    });
    emit d->Foods()->customContextMenuRequested(d->Foods()->visualItemRect(orange).center());
    EXPECT_EQ(shown, QStringLiteral("Orange juice"));
    EXPECT_TRUE(closedByTap);
    ASSERT_EQ(d->Foods()->selectedItems().size(), 1);
    EXPECT_EQ(d->Foods()->selectedItems().first(), orange);
}

TEST_F(NutrientDatabaseTest, SearchFindsInTreeOrderAndEnds)
{
    auto d = Open();
    OnNextModal([](QWidget* w) {
        auto* search = qobject_cast<CSearchDlg*>(w);
        ASSERT_TRUE(search);
        search->Term(0)->setText(QStringLiteral(" apple "));
        search->Term(1)->setText(QStringLiteral(" juice "));
        search->accept();
    });
    d->SearchButton()->click();
    EXPECT_EQ(d->Tree()->SelectedFolder(), std::optional<quint32>(3));
    ASSERT_EQ(d->Foods()->selectedItems().size(), 1);
    EXPECT_EQ(d->Foods()->selectedItems().first()->text(0), QStringLiteral("Apple Juice, canned"));
    EXPECT_TRUE(d->NextButton()->isVisible());
    EXPECT_LT(d->SearchButton()->x(), d->NextButton()->x());
    EXPECT_TRUE(m_box.Texts().isEmpty());

    d->NextButton()->click();
    EXPECT_EQ(m_box.Texts(),
              QStringList{QStringLiteral("Search has reached the end of the Nutrient Database.")});
    EXPECT_FALSE(d->NextButton()->isVisible());
}

TEST_F(NutrientDatabaseTest, FilterLeavesEveryFolderEmptyWhenNothingFits)
{
    // Energy above the requirement is the only filter: 1 kcal a day leaves no room.
    Doc().Profile().filtersMask = 0x1 | 0x2;
    Doc().Profile().userCalories = 1;
    Doc().SaveProfile();
    Doc().ComputeDay(Doc().Day().id);
    auto d = Open(true, true);
    for (quint32 folder : {0u, 1u, 2u, 3u}) {
        Choose(*d, folder);
        EXPECT_EQ(d->Foods()->topLevelItemCount(), 0) << folder;
    }
    d->Command(32849)->trigger(); // the filter off
    EXPECT_FALSE(d->FilterOn());
    EXPECT_EQ(Rows(*d), (QStringList{"Apple Juice, canned", "Orange juice"}));
}

TEST_F(NutrientDatabaseTest, FoldersAreMadeNamedAndMovedFromTheCommandBar)
{
    auto d = Open();
    // A second-level folder takes no folder.
    Choose(*d, 3);
    d->Command(32813)->trigger();
    EXPECT_EQ(m_box.Texts().last(),
              QStringLiteral("Folders can only be created in Root or first level folders."));

    // A new folder in Drinks, named as typed.
    Choose(*d, 2);
    d->Command(32813)->trigger();
    ASSERT_TRUE(d->Tree()->IsEditingLabel());
    auto* editor = d->Tree()->findChild<QLineEdit*>();
    ASSERT_TRUE(editor);
    editor->setText(QStringLiteral("Teas"));
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents(); // the edit ends after the key
    EXPECT_FALSE(d->Tree()->IsEditingLabel());
    EXPECT_TRUE(d->isVisible()); // Enter ended the edit, not the dialog
    FoodTree tree(m_env->Store());
    ASSERT_TRUE(tree.Folder(4));
    EXPECT_EQ(tree.Folder(4)->name, QStringLiteral("Teas"));
    EXPECT_EQ(tree.ParentOf(4), 2u);

    // Juices cut and pasted on Fruit: it becomes Fruit's.
    Choose(*d, 3);
    d->Tree()->setFocus();
    d->Command(32816)->trigger();
    Choose(*d, 1);
    d->Command(32817)->trigger();
    EXPECT_EQ(tree.ParentOf(3), 1u);
    EXPECT_EQ(d->Tree()->SelectedFolder(), std::optional<quint32>(3));

    // Foods cut from the list and pasted with Root chosen.
    d->Foods()->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(d->FocusedPane(), FoodEditor::Pane::List);
    SelectRow(*d, QStringLiteral("Orange juice"));
    d->Command(32816)->trigger();
    Choose(*d, 0);
    d->Command(32817)->trigger();
    EXPECT_EQ(Rows(*d), (QStringList{"Juicy pears", "Orange juice"}));
}

TEST_F(GuiTest, CheddarFromTheDefaultDatabaseThroughTheDiary)
{
    AddProfile(QStringLiteral("Anna"), true);
    Start();
    // New meal: the empty database gets the default one; cheddar is chosen from its folder.
    RecordStore& store = m_env->Store();
    OnNextModal([&store](QWidget* w) {
        auto* d = qobject_cast<CNutrientDBDlg*>(w);
        ASSERT_TRUE(d);
        const qint64 cheese =
            FoodTree(store).FindSubFolder(QStringLiteral("Dairy and Egg Products"), QStringLiteral("Cheese"));
        ASSERT_GT(cheese, 0);
        d->Tree()->SelectFolder(static_cast<quint32>(cheese));
        QTreeWidget* list = d->Foods();
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            list->topLevelItem(i)->setSelected(list->topLevelItem(i)->text(0) ==
                                               QStringLiteral("Cheese, cheddar"));
        ASSERT_EQ(list->selectedItems().size(), 1);
        d->accept();
    });
    Frame().RunCommand(32812);
    auto* diary = qobject_cast<CFoodDBView*>(Frame().CurrentView());
    ASSERT_TRUE(diary);
    ASSERT_EQ(diary->List()->topLevelItemCount(), 1);
    QTreeWidgetItem* row = diary->List()->topLevelItem(0);
    const CFoodDBDoc::Serving serving = Doc().DefaultServing(1009);
    EXPECT_EQ(serving.name, QStringLiteral("1 slice (1 oz)"));
    EXPECT_EQ(serving.grams, 28);
    const double kcal = 403 * 28 / 100.0;
    EXPECT_EQ(row->text(1), QStringLiteral("Cheese, cheddar"));
    EXPECT_EQ(row->text(2), FormatFixed(kcal, 6, 1));
    EXPECT_EQ(row->text(3), QStringLiteral("  1.00 x 1 slice (1 oz)"));
    EXPECT_EQ(Control<CColorEdit>(diary, 1185)->text(), FormatFixed(kcal, 5, 0));

    // Two servings in its properties: the totals double.
    row->setSelected(true);
    OnNextModal([](QWidget* w) {
        auto* d = qobject_cast<CMealPropertiesDlg*>(w);
        ASSERT_TRUE(d);
        Control<QComboBox>(d, 1119)->setCurrentText(QStringLiteral("2.00"));
        d->accept();
    });
    Frame().RunCommand(32815);
    row = diary->List()->topLevelItem(0);
    EXPECT_EQ(row->text(2), FormatFixed(2 * kcal, 6, 1));
    EXPECT_EQ(row->text(3), QStringLiteral("  2.00 x 1 slice (1 oz)"));
    EXPECT_EQ(Control<CColorEdit>(diary, 1185)->text(), FormatFixed(2 * kcal, 5, 0));

    // Delete, after its question.
    row->setSelected(true);
    Frame().RunCommand(32814);
    EXPECT_EQ(m_box.Texts().last(), QStringLiteral("Are you sure you want to delete Cheese, cheddar"));
    EXPECT_EQ(diary->List()->topLevelItemCount(), 0);
    EXPECT_EQ(Control<CColorEdit>(diary, 1185)->text(), FormatFixed(0, 5, 0));
}

TEST_F(NutrientDatabaseTest, ImportAsksThenOpensTheBrowserOnTheImportedFoods)
{
    const QString path = m_dir.filePath(QStringLiteral("extra.csv"));
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        QByteArray line = "200001,Snacks,Bars,Granola bar,471,10,20,2,4,12,64,29,0,0,5,290,100,1 bar,24";
        for (int i = 0; i < 9; ++i)
            line += ",,0";
        f.write("id,group,subgroup,name\n" + line + "\n"); // the first line names the columns
    }
    const auto chooseFile = [&path](QWidget* w) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        ASSERT_TRUE(dialog);
        ChooseFile(dialog, path);
    };
    // Cancelled at the question: nothing imported.
    m_box.Answer(IMessageBox::Result::Cancel);
    OnNextModal(chooseFile);
    Frame().RunCommand(32787);
    EXPECT_EQ(
        m_box.Texts().last(),
        QStringLiteral("New entries will be appended to Nutrient Database. Existing entries will be updated. "
                       "Continue?"));
    EXPECT_EQ(FoodTree(m_env->Store()).FindTopFolder(QStringLiteral("Snacks")), -1);

    QStringList shown;
    OnNextModal([&](QWidget* w) {
        chooseFile(w);
        OnNextModal([&shown](QWidget* browser) {
            auto* d = qobject_cast<CNutrientDBDlg*>(browser);
            ASSERT_TRUE(d);
            for (int i = 0; i < d->Tree()->Root()->childCount(); ++i)
                shown << d->Tree()->Root()->child(i)->text(0);
            d->reject();
        });
    });
    Frame().RunCommand(32787);
    EXPECT_EQ(shown, (QStringList{"Drinks", "Fruit", "Snacks"}));
    const qint64 bars =
        FoodTree(m_env->Store()).FindSubFolder(QStringLiteral("Snacks"), QStringLiteral("Bars"));
    ASSERT_GT(bars, 0);
    CNutrientDBDlg::RunParameters run;
    CNutrientDBDlg d(Doc(), m_folders, m_box, m_wait, run);
    d.Tree()->SelectFolder(static_cast<quint32>(bars));
    EXPECT_EQ(Rows(d), QStringList{QStringLiteral("Granola bar")});
}

TEST_F(GuiTest, BanAndEnterPutTheBananaInTheDiary)
{
    AddProfile(QStringLiteral("Anna"), true);
    Start();
    OnNextModal([](QWidget* w) {
        auto* d = qobject_cast<CNutrientDBDlg*>(w);
        ASSERT_TRUE(d);
        QApplication::setActiveWindow(d);
        QTest::keyClicks(d->Tree(), QStringLiteral("ban"));
        QTest::keyClick(d->FindField(), Qt::Key_Return);
    });
    Frame().RunCommand(32812); // New meal
    auto* diary = qobject_cast<CFoodDBView*>(Frame().CurrentView());
    ASSERT_TRUE(diary);
    ASSERT_EQ(diary->List()->topLevelItemCount(), 1);
    const CFoodDBDoc::Serving serving = Doc().DefaultServing(9040);
    EXPECT_EQ(diary->List()->topLevelItem(0)->text(1), QStringLiteral("Bananas, raw"));
    EXPECT_EQ(diary->List()->topLevelItem(0)->text(3), QStringLiteral("  1.00 x ") + serving.name);
}
