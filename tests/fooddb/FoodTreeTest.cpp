#include "fooddb/FoodEditor.h"
#include "fooddb/FoodRecords.h"
#include "storage/CMeasuresTable.h"
#include "storage/CSubFoodTable.h"
#include "support/RecordingMessageBox.h"
#include "support/TestStore.h"

namespace {

using Pane = FoodEditor::Pane;
using Icon = IMessageBox::Icon;

class FoodTreeTest : public TestStore
{
protected:
    void SetUp() override
    {
        TestStore::SetUp();
        m_editor = std::make_unique<FoodEditor>(Store(), &m_box, nullptr);
        // Fruit (1) > Fresh (2), Dried (3); Vegetables (4); Nuts (5) with a food.
        Tree().CreateFolder(0, QStringLiteral("Fruit"));
        Tree().CreateFolder(1, QStringLiteral("Fresh"));
        Tree().CreateFolder(1, QStringLiteral("Dried"));
        Tree().CreateFolder(0, QStringLiteral("Vegetables"));
        Tree().CreateFolder(0, QStringLiteral("Nuts"));
        AddFood(500, 5, QStringLiteral("Almonds"));
    }

    FoodTree& Tree() { return m_editor->Tree(); }

    void AddFood(quint32 id, quint32 folder, const QString& name)
    {
        CFoodTable& foods = Tree().Foods();
        foods.NewRecord(id);
        foods.Buffer().folderId = folder;
        foods.Buffer().name = name;
        foods.Buffer().values[Nutrient::Energy] = 100 + id;
        foods.Save();
    }

    FoodRecord Food(quint32 id)
    {
        CFoodTable& foods = Tree().Foods();
        foods.Reopen(CDbTable::kIdProp);
        FoodRecord r;
        if (foods.FindId(id) && foods.Load())
            r = foods.Buffer();
        return r;
    }

    QStringList Told()
    {
        QStringList t = m_box.Texts();
        m_box = RecordingMessageBox();
        return t;
    }

    RecordingMessageBox m_box;
    std::unique_ptr<FoodEditor> m_editor;
};

} // namespace

TEST_F(FoodTreeTest, FoldersFoundByNameAndWalkedDepthFirst)
{
    EXPECT_EQ(Tree().FindTopFolder(QStringLiteral("Fruit")), 1);
    EXPECT_EQ(Tree().FindTopFolder(QStringLiteral("fruit")), -1);
    EXPECT_EQ(Tree().FindSubFolder(QStringLiteral("Fruit"), QStringLiteral("Dried")), 3);
    EXPECT_EQ(Tree().FindSubFolder(QStringLiteral("Vegetables"), QStringLiteral("Dried")), -1);
    auto folder = Tree().Folder(2);
    ASSERT_TRUE(folder);
    EXPECT_EQ(folder->originId, 2u);

    // Root, then children by label: Fruit (Dried, Fresh), Nuts, Vegetables.
    EXPECT_EQ(Tree().DepthFirst(), (std::vector<quint32>{0, 1, 3, 2, 5, 4}));
}

TEST_F(FoodTreeTest, NewFoodIdsStartAboveImportedOnes)
{
    EXPECT_EQ(Tree().NewFoodId(), 100501u);
    AddFood(100501, 0, QStringLiteral("Mine"));
    EXPECT_EQ(Tree().NewFoodId(), 100502u);
}

TEST_F(FoodTreeTest, NewFolderAndRename)
{
    const auto id = m_editor->NewFolder(1);
    ASSERT_TRUE(id);
    EXPECT_EQ(Tree().Folder(*id)->name, QStringLiteral("New folder"));
    EXPECT_EQ(Tree().ParentOf(*id), 1u);
    m_editor->FinishLabelEdit(*id, QString());
    EXPECT_EQ(Tree().Folder(*id)->name, QString());
    EXPECT_TRUE(m_editor->NewFolder(std::nullopt));
    EXPECT_FALSE(m_editor->NewFolder(2));
    EXPECT_EQ(Told(),
              QStringList{QStringLiteral("Folders can only be created in Root or first level folders.")});
    m_editor->FinishLabelEdit(0, QStringLiteral("Top")); // Root's label is stored nowhere
}

TEST_F(FoodTreeTest, RefusalsCarryTheirIcons)
{
    m_editor->NewFolder(2);
    m_editor->DeleteFolder(0);
    m_editor->DeleteFolder(1);
    m_editor->DeleteFolder(5);
    m_editor->Cut(Pane::Tree, 1, {});
    m_editor->Copy(Pane::Tree, {});
    m_editor->Cut(Pane::Tree, 4, {});
    m_editor->Paste(4);
    m_editor->Cut(Pane::Tree, 4, {});
    m_editor->Paste(2);
    const Icon expected[] = {Icon::Information, Icon::Warning,     Icon::Warning,     Icon::Warning,
                             Icon::Information, Icon::Information, Icon::Information, Icon::Information};
    ASSERT_EQ(m_box.ShownBoxes().size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(m_box.ShownBoxes()[i].icon, expected[i]) << m_box.ShownBoxes()[i].text.toStdString();
        EXPECT_EQ(m_box.ShownBoxes()[i].buttons, IMessageBox::Buttons::Ok);
    }
}

TEST_F(FoodTreeTest, DeletingFoldersChecksInOrder)
{
    struct Case
    {
        std::optional<quint32> folder;
        const char* message;
        bool deleted;
    };
    const Case cases[] = {
        {std::nullopt, nullptr, false},
        {0, "Root folder can't be deleted!", false},
        {1, "Folder can't be deleted because it has subfolders!", false},
        {5, "Folder can't be deleted because it contains foods!", false},
        {3, "Are you sure you want delete folder?", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(m_editor->DeleteFolder(c.folder), c.deleted) << c.message;
        if (c.deleted) { // the question: Enter keeps the folder
            EXPECT_EQ(m_box.ShownBoxes().back().buttons, IMessageBox::Buttons::OkCancelDefaultCancel);
        }
        EXPECT_EQ(Told(), c.message ? QStringList{QString::fromLatin1(c.message)} : QStringList())
            << c.message;
    }
    EXPECT_FALSE(Tree().Folder(3));
    m_box.Answer(IMessageBox::Result::Cancel);
    EXPECT_FALSE(m_editor->DeleteFolder(2));
    EXPECT_TRUE(Tree().Folder(2));

    // A cut folder that is deleted ends the cut.
    Told();
    m_editor->Cut(Pane::Tree, 2, {});
    ASSERT_EQ(m_editor->PendingFolderCut(), 2u);
    EXPECT_TRUE(m_editor->DeleteFolder(2));
    EXPECT_FALSE(m_editor->PendingFolderCut());
}

TEST_F(FoodTreeTest, MovingFolders)
{
    struct Case
    {
        quint32 cut;
        std::optional<quint32> target;
        const char* message;
        quint32 parentAfter;
    };
    const Case cases[] = {
        {4, 4, "Can't move folder to it self", 0},
        {2, 2, "Can't move folder to it self", 1},
        {4, 2, "Folders can only be moved into Root or first level folders.", 0},
        {4, 1, nullptr, 1},            // first level into first level: second level
        {2, std::nullopt, nullptr, 0}, // second level onto Root: first level
    };
    for (const Case& c : cases) {
        m_editor->Cut(Pane::Tree, c.cut, {});
        m_editor->Paste(c.target);
        EXPECT_EQ(Told(), c.message ? QStringList{QString::fromLatin1(c.message)} : QStringList()) << c.cut;
        EXPECT_EQ(Tree().ParentOf(c.cut), c.parentAfter) << c.cut;
        EXPECT_FALSE(m_editor->PendingFolderCut());
    }
    // Folders with subfolders, Root among them, cannot be cut.
    m_editor->Cut(Pane::Tree, 1, {});
    EXPECT_FALSE(m_editor->PendingFolderCut());
    m_editor->Cut(Pane::Tree, 0, {});
    EXPECT_FALSE(m_editor->PendingFolderCut());
    const QString refusal = QStringLiteral("Can't move folder. Folders with sub-folders can not be moved.");
    EXPECT_EQ(Told(), (QStringList{refusal, refusal}));
    // A folder that gained a subfolder after its cut cannot go below itself.
    m_editor->Cut(Pane::Tree, 2, {});
    const auto below = m_editor->NewFolder(2);
    ASSERT_TRUE(below);
    m_editor->Paste(below);
    EXPECT_EQ(Told(), QStringList{QStringLiteral("Can't move Parent-folder to Sub-folder")});
    EXPECT_EQ(Tree().ParentOf(2), 0u);
}

TEST_F(FoodTreeTest, CuttingCopyingAndDeletingFoods)
{
    CMeasuresTable measures(Store());
    const quint32 cup = measures.NewRecord(500);
    measures.Buffer().description = QStringLiteral("cup");
    measures.Buffer().weight = 140;
    measures.Save();
    CFoodTable& foods = Tree().Foods();
    foods.FindId(500);
    foods.Load();
    foods.Buffer().defaultServingId = cup;
    foods.Save();
    CSubFoodTable parts(Store());
    CFoodTable loader(Store());
    FoodRecords records(loader, parts);
    FoodData mix;
    records.LoadFood(500, &mix);
    mix.id = 600;
    mix.name = QStringLiteral("Trail mix");
    mix.folderId = 5;
    mix.components = {{500, 30, 1, QString()}};
    records.SaveFood(mix);

    // Cut and paste with nothing selected: into Root.
    m_editor->Cut(Pane::List, std::nullopt, {600});
    m_editor->Paste(std::nullopt);
    EXPECT_EQ(Food(600).folderId, 0u);

    // Copy of an imported food: editable id, same name, values, servings and components.
    m_editor->Copy(Pane::List, {600, 500});
    m_editor->Paste(4);
    const FoodRecord copy = Food(100601);
    EXPECT_EQ(copy.name, QStringLiteral("Trail mix"));
    EXPECT_EQ(copy.folderId, 4u);
    FoodData loaded;
    records.LoadFood(100601, &loaded);
    EXPECT_EQ(loaded.components, mix.components);
    const FoodRecord almonds = Food(100602);
    EXPECT_EQ(almonds.values[Nutrient::Energy], 600);
    EXPECT_NE(almonds.defaultServingId, cup);
    EXPECT_EQ(measures.ServingName(almonds.defaultServingId), QStringLiteral("cup"));
    EXPECT_EQ(measures.ServingWeight(almonds.defaultServingId), 140);
    // A copy pastes once.
    m_editor->Paste(4);
    EXPECT_EQ(Food(100603).id, 0u);

    // The clipboard takes 256 foods at most; a copy with the tree focused is refused.
    std::vector<quint32> many(300);
    for (quint32 i = 0; i < 300; ++i)
        many[i] = 1000 + i;
    m_editor->Copy(Pane::List, many);
    EXPECT_EQ(m_editor->Clipboard().size(), 256u);
    m_editor->Copy(Pane::Tree, {});
    EXPECT_TRUE(m_editor->Clipboard().empty());
    EXPECT_EQ(Told().size(), 1);

    // Deleting foods takes their own components and servings, not their use elsewhere.
    m_box.Answer(IMessageBox::Result::Cancel);
    EXPECT_FALSE(m_editor->DeleteFoods({500}));
    EXPECT_TRUE(m_editor->DeleteFoods({500, 100601}));
    EXPECT_EQ(m_box.ShownBoxes().back().buttons, IMessageBox::Buttons::OkCancelDefaultCancel);
    EXPECT_EQ(Told(), (QStringList{QStringLiteral("Are you sure you want delete food(s)?"),
                                   QStringLiteral("Are you sure you want delete food(s)?")}));
    EXPECT_EQ(Food(500).id, 0u);
    EXPECT_EQ(measures.ServingWeight(cup), 0);
    records.LoadFood(600, &loaded);
    EXPECT_EQ(loaded.components.size(), 1u); // 600 still lists 500
    records.LoadFood(100601, &loaded);
    EXPECT_TRUE(loaded.components.empty());
}
