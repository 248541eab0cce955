#pragma once

#include <QString>
#include <QStringList>

#include <set>
#include <vector>

class RecordStore;

// Finds foods by the first letters of the words of their names, best first: what the browser's
// type-ahead and the command line's "food search" show. Built once from the store (names and the
// number of serving sizes of every food); Reload after foods are written.
//
// A food matches when every typed word begins a word of its name, letter case and accents aside
// ("creme" finds "Crème", "app" finds "Apples"). Matches are ranked by, in this order:
//  1. foods used lately (the recent foods) first;
//  2. more typed words that are whole words of the name, singular or plural ("egg" is "Egg" and
//     "Eggs", not "Eggplant" or "Eggnog");
//  3. the first typed word as the first word of the name ("milk": "Milk, whole" before "Candies,
//     milk chocolate");
//  4. the typed words as the whole first comma-separated part ("orange juice": "Orange juice, raw"
//     before "Orange juice drink", "rice": "Rice, white" before "Rice bran");
//  5. generic foods before brands (a name with a word in capitals, "KELLOGG'S");
//  6. every typed word in the name's first comma-separated part;
//  7. more serving sizes first: the data gives everyday foods more household measures;
//  8. fewer words in the name;
//  9. then by name, as the food list orders them.
class FoodFinder
{
public:
    struct Match
    {
        quint32 id = 0;
        QString name;
        quint32 folderId = 0;
    };

    explicit FoodFinder(RecordStore& store);
    void Reload();

    // At most limit matches, best first; recent holds the ids of the foods used lately.
    std::vector<Match> Find(const QString& typed, const std::set<quint32>& recent, size_t limit = 200) const;

    // The foods used lately, which come first.
    static std::set<quint32> RecentFoods(RecordStore& store);
    // A text as the matching compares it: lower case, accents taken off.
    static QString Folded(const QString& text);
    // The words of a text, folded.
    static QStringList Words(const QString& text);

private:
    struct Food
    {
        quint32 id = 0;
        quint32 folderId = 0;
        QString name;
        QStringList words; // folded, in order
        int headWords = 0; // how many of them stand in the first comma-separated part
        bool brand = false;
        int servings = 0;
    };

    RecordStore& m_store;
    std::vector<Food> m_foods;
};
