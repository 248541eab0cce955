#include "controls/CColorEdit.h"
#include "fooddb/ui/CFoodDetailsDlg.h"
#include "fooddb/ui/CFoodPropertiesDlg.h"
#include "fooddb/ui/CFoodTreeCtrl.h"
#include "fooddb/ui/CNutrientDBDlg.h"
#include "fooddb/ui/CServingSizePropertiesDlg.h"
#include "fooddb/ui/CServingSizesDlg.h"
#include "storage/CMeasuresTable.h"
#include "support/GuiFixture.h"

#include <QAction>
#include <QLineEdit>
#include <QTreeWidget>

namespace {

class FoodDialogsTest : public GuiTest
{
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        AddProfile(QStringLiteral("Anna"), true);
        Start();
    }

    quint32 AddFood(quint32 id, const char* name, double kcal, double protein, double reference)
    {
        CFoodTable foods(m_env->Store());
        foods.NewRecord(id);
        foods.Buffer().name = QString::fromLatin1(name);
        foods.Buffer().values[Nutrient::Energy] = kcal;
        foods.Buffer().values[Nutrient::Protein] = protein;
        foods.Buffer().referenceWeight = reference;
        foods.Save();
        return id;
    }
    quint32 AddServing(quint32 food, const char* name, double grams)
    {
        CMeasuresTable sizes(m_env->Store());
        const quint32 id = sizes.NewRecord(food);
        sizes.Buffer().description = QString::fromLatin1(name);
        sizes.Buffer().weight = grams;
        sizes.Save();
        return id;
    }
    void SetDefaultServing(quint32 food, quint32 serving)
    {
        CFoodTable foods(m_env->Store());
        ASSERT_TRUE(foods.FindId(food) && foods.Load());
        foods.Buffer().defaultServingId = serving;
        foods.Save();
    }
    FoodData Stored(quint32 id)
    {
        FoodForm form(m_env->Store());
        form.Load(id);
        return form.Food();
    }
    std::unique_ptr<CFoodPropertiesDlg> Properties(std::optional<quint32> food, quint32 folder = 0)
    {
        auto d = std::make_unique<CFoodPropertiesDlg>(Doc(), m_folders, m_box, m_wait, food, folder);
        d->show();
        return d;
    }
    static CColorEdit* Field(QWidget* d, int id) { return Control<CColorEdit>(d, id); }
    // Chooses a food in the component browser that opens next.
    void ChooseNext(quint32 foodId)
    {
        OnNextModal([foodId](QWidget* w) {
            auto* browser = qobject_cast<CNutrientDBDlg*>(w);
            ASSERT_TRUE(browser);
            QTreeWidget* list = browser->Foods();
            for (int i = 0; i < list->topLevelItemCount(); ++i)
                list->topLevelItem(i)->setSelected(list->topLevelItem(i)->data(0, Qt::UserRole).toUInt() ==
                                                   foodId);
            browser->accept();
        });
    }
};

} // namespace

TEST_F(FoodDialogsTest, ScaleLocksAndValidation)
{
    AddFood(500, "Imported", 250, 10, 40);
    AddFood(100001, "Mine", 250, 10, 0);

    // Shown for the reference weight; an imported food is locked.
    auto imported = Properties(500);
    EXPECT_EQ(Field(imported.get(), 1022)->text(), QStringLiteral("4"));
    EXPECT_EQ(Field(imported.get(), 1006)->text(), QStringLiteral("100"));
    EXPECT_EQ(Field(imported.get(), 1041)->text(), QStringLiteral("100")); // all its energy from protein
    for (int id : {1005, 1022, 1006, 1027, 1041})
        EXPECT_TRUE(Field(imported.get(), id)->IsLocked()) << id;
    imported->Command(32812)->trigger();
    EXPECT_TRUE(m_box.Texts().last().startsWith(QStringLiteral("This food is read only.")));

    // Reference weight 0: unscaled, shares 0, saved as shown.
    auto mine = Properties(100001);
    EXPECT_FALSE(Field(mine.get(), 1022)->IsLocked());
    EXPECT_TRUE(Field(mine.get(), 1041)->IsLocked());
    EXPECT_EQ(Field(mine.get(), 1006)->text(), QStringLiteral("250"));
    EXPECT_EQ(Field(mine.get(), 1041)->text(), QStringLiteral("0"));

    const std::pair<const char*, const char*> refused[] = {
        {"1000000", "Please enter a number between 0 and 999999."}, {"lots", "Please enter a number."}};
    for (const auto& [text, message] : refused) {
        Field(mine.get(), 1006)->setText(QString::fromLatin1(text));
        mine->accept();
        EXPECT_TRUE(mine->isVisible());
        EXPECT_EQ(m_box.Texts().last(), QString::fromLatin1(message));
    }
    Field(mine.get(), 1006)->setText(QStringLiteral("250"));
    Field(mine.get(), 1005)->setText(QStringLiteral("Mine too"));
    mine->accept();
    EXPECT_FALSE(mine->isVisible());
    const FoodData saved = Stored(100001);
    EXPECT_EQ(saved.values[Nutrient::Energy], 250);
    EXPECT_EQ(saved.values[Nutrient::Protein], 10);
    EXPECT_EQ(saved.name, QStringLiteral("Mine too"));

    // Cancel asks first.
    auto again = Properties(100001);
    m_box.Answer(IMessageBox::Result::Cancel);
    again->reject();
    EXPECT_TRUE(again->isVisible());
    EXPECT_EQ(m_box.Texts().last(),
              QStringLiteral("Are you sure you want to cancel dialog. Changes will be lost."));
    again->reject();
    EXPECT_FALSE(again->isVisible());
}

TEST_F(FoodDialogsTest, ComponentsOfANewFood)
{
    AddFood(1, "Milk", 64, 3.3, 100);
    SetDefaultServing(1, AddServing(1, "cup", 240));
    AddFood(2, "Oats", 380, 13, 100);

    auto d = Properties(std::nullopt);
    const quint32 id = d->Form().Food().id;
    EXPECT_GE(id, 100000u);
    Field(d.get(), 1005)->setText(QStringLiteral("Porridge"));
    ChooseNext(1);
    d->AddComponent();
    ChooseNext(2);
    d->AddComponent();
    ASSERT_EQ(d->Components()->topLevelItemCount(), 2);
    EXPECT_EQ(d->Components()->topLevelItem(0)->text(1), QStringLiteral("Milk"));
    EXPECT_EQ(d->Components()->topLevelItem(1)->text(3), QStringLiteral("   0.0")); // no default serving
    EXPECT_EQ(Field(d.get(), 1027)->text(), QStringLiteral("240"));
    EXPECT_TRUE(Field(d.get(), 1005)->IsLocked());
    EXPECT_EQ(Field(d.get(), 1005)->text(), QStringLiteral("Porridge"));
    Shot(d.get(), QStringLiteral("food-properties"));

    // Oats as 40 g through the serving dialog.
    d->Components()->clearSelection();
    d->Components()->topLevelItem(1)->setSelected(true);
    OnNextModal([](QWidget* w) {
        EXPECT_EQ(w->windowTitle(), QStringLiteral("Food Serving Size"));
        Control<QLineEdit>(w, 1006)->setText(QStringLiteral("40"));
        qobject_cast<QDialog*>(w)->accept();
    });
    d->EditComponent();
    EXPECT_EQ(Field(d.get(), 1027)->text(), QStringLiteral("280"));
    ASSERT_TRUE(d->Apply());
    // (64 x 2.4 + 380 x 0.4) kcal in 280 g, shown for 280 g.
    EXPECT_EQ(Field(d.get(), 1006)->text(), QStringLiteral("305.6"));

    // A food that holds this one cannot become a part of it.
    AddFood(100500, "Bowl", 0, 0, 0);
    {
        FoodForm bowl(m_env->Store());
        ASSERT_TRUE(bowl.Load(100500));
        ASSERT_EQ(bowl.AddComponent(id), FoodForm::AddResult::Added);
        ASSERT_TRUE(bowl.Apply());
    }
    ChooseNext(100500);
    d->AddComponent();
    EXPECT_EQ(m_box.Texts().last(), QStringLiteral("Can't add item to it self!"));
    EXPECT_EQ(d->Components()->topLevelItemCount(), 2);

    // Removing both: milk leaves the oats' 40 g, which stays when the oats go; the fields open again.
    for (int i = 0; i < 2; ++i) {
        d->Components()->clearSelection();
        d->Components()->topLevelItem(0)->setSelected(true);
        d->RemoveComponent();
    }
    EXPECT_EQ(Field(d.get(), 1027)->text(), QStringLiteral("40"));
    EXPECT_FALSE(Field(d.get(), 1005)->IsLocked());
    EXPECT_FALSE(Field(d.get(), 1022)->IsLocked());
}

TEST_F(FoodDialogsTest, ServingSizesAndTheirDefault)
{
    AddFood(100001, "Juice", 45, 0.7, 100);
    const quint32 cup = AddServing(100001, "cup", 240);
    AddServing(100001, "tbsp", 15);
    SetDefaultServing(100001, cup);
    const auto rows = [](CServingSizesDlg& d) {
        QStringList r;
        for (int i = 0; i < d.Sizes()->topLevelItemCount(); ++i)
            r << d.Sizes()->topLevelItem(i)->text(0) + QLatin1Char('|') + d.Sizes()->topLevelItem(i)->text(1);
        return r;
    };
    CServingSizesDlg sizes(m_env->Store(), 100001, cup, m_box);
    EXPECT_EQ(rows(sizes), (QStringList{"cup (default)| 240.0", "tbsp|  15.0"}));

    // New, cancelled: nothing; confirmed: added and the default.
    OnNextModal([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
    sizes.Command(32812)->trigger();
    EXPECT_EQ(sizes.Sizes()->topLevelItemCount(), 2);
    OnNextModal([](QWidget* w) {
        Control<QLineEdit>(w, 1120)->setText(QStringLiteral("glass"));
        Control<QLineEdit>(w, 1006)->setText(QStringLiteral("200"));
        qobject_cast<QDialog*>(w)->accept();
    });
    sizes.Command(32812)->trigger();
    EXPECT_EQ(rows(sizes), (QStringList{"cup| 240.0", "glass (default)| 200.0", "tbsp|  15.0"}));
    // Set default, then Cancel: the choice still goes back.
    sizes.Sizes()->topLevelItem(2)->setSelected(true);
    sizes.Command(32846)->trigger();
    sizes.reject();
    EXPECT_EQ(sizes.DefaultServing(), sizes.Sizes()->topLevelItem(2)->data(0, Qt::UserRole).toUInt());
    EXPECT_EQ(sizes.Sizes()->topLevelItem(2)->text(0), QStringLiteral("tbsp (default)"));

    // Deleting the default: nothing is marked, and the browser gives the reference weight.
    sizes.Sizes()->topLevelItem(0)->setSelected(true); // cup, the stored default
    sizes.Command(32814)->trigger();
    EXPECT_EQ(m_box.Texts().last(), QStringLiteral("Are you sure you want to delete serving size: 'cup' ?"));
    EXPECT_EQ(m_box.ShownBoxes().back().buttons, IMessageBox::Buttons::OkCancelDefaultCancel);
    CNutrientDBDlg browser(Doc(), m_folders, m_box, m_wait, {});
    browser.Foods()->topLevelItem(0)->setSelected(true);
    browser.accept();
    EXPECT_EQ(browser.Chosen().servingName, QStringLiteral("Reference weight"));
    EXPECT_EQ(browser.Chosen().servingGrams, 100);

    CServingSizePropertiesDlg weight(QStringLiteral("x"), 1, m_box);
    Control<QLineEdit>(&weight, 1006)->setText(QStringLiteral("heavy"));
    weight.accept();
    EXPECT_EQ(m_box.Texts().last(), QStringLiteral("Please enter a number."));
}

TEST_F(FoodDialogsTest, DetailsApplyAndReadOnly)
{
    AddFood(100001, "Mine", 100, 10, 50);
    FoodForm form(m_env->Store());
    ASSERT_TRUE(form.Load(100001));
    CFoodDetailsDlg details(form.Food(), false, m_box);
    EXPECT_EQ(Control<CColorEdit>(&details, 1022)->text(), QStringLiteral("5"));
    EXPECT_TRUE(Control<CColorEdit>(&details, 1031)->isHidden());
    Control<CColorEdit>(&details, 1023)->setText(QStringLiteral("2")); // 2 g fat in 50 g
    ASSERT_TRUE(details.Apply());
    EXPECT_EQ(details.Result().values[Nutrient::Fat], 4);
    // 38 x 2 / (17 x 5 + 38 x 2) of the energy.
    EXPECT_NEAR(Control<CColorEdit>(&details, 1042)->text().toDouble(),
                details.Result().values.Share(EnergyShare::Fat), 1e-9);
    EXPECT_NEAR(details.Result().values.Share(EnergyShare::Fat), 7600.0 / 161, 1e-9);
    Shot(&details, QStringLiteral("food-details"));

    CFoodDetailsDlg locked(form.Food(), true, m_box);
    EXPECT_TRUE(Control<CColorEdit>(&locked, 1034)->IsLocked());
}

TEST_F(FoodDialogsTest, DetailsShowTheSharesOfTheAmountsAsTyped)
{
    AddFood(100001, "Mine", 100, 10, 50);
    auto d = Properties(100001);
    Control<CColorEdit>(d.get(), 1023)->setText(QStringLiteral("2")); // 2 g fat in 50 g, not applied
    double fatShare = -1;
    OnNextModal([&fatShare](QWidget* w) {
        fatShare = Control<CColorEdit>(w, 1042)->text().toDouble();
        qobject_cast<QDialog*>(w)->reject();
    });
    d->Command(32824)->trigger();
    EXPECT_NEAR(fatShare, 7600.0 / 161, 1e-9);
}
