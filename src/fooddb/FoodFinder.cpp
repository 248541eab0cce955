#include "FoodFinder.h"

#include "fooddb/FoodList.h"
#include "platform/RecordStore.h"
#include "storage/CFoodTable.h"
#include "storage/CLruFoodsTable.h"
#include "storage/CMeasuresTable.h"

#include <QHash>

#include <algorithm>
#include <tuple>

namespace {

// A name word the typed word stands for whole: the same, or its plural or singular.
bool WholeWord(const QString& word, const QString& typed)
{
    if (word == typed)
        return true;
    const auto plural = [](const QString& a, const QString& b) {
        return a.size() > b.size() && a.startsWith(b) &&
               (a.mid(b.size()) == QLatin1String("s") || a.mid(b.size()) == QLatin1String("es"));
    };
    return plural(word, typed) || plural(typed, word);
}

bool HasCapitalWord(const QString& name)
{
    int capitals = 0;
    for (QChar c : name) {
        if (c.isUpper()) {
            if (++capitals >= 2)
                return true;
        } else if (c != QLatin1Char('\'')) { // "KELLOGG'S" is one word
            capitals = 0;
        }
    }
    return false;
}

} // namespace

FoodFinder::FoodFinder(RecordStore& store) : m_store(store)
{
    Reload();
}

std::set<quint32> FoodFinder::RecentFoods(RecordStore& store)
{
    std::set<quint32> recent;
    CLruFoodsTable lately(store);
    lately.ForEachRecord([&recent](const RecentFoodRecord& r) {
        recent.insert(r.foodId);
        return true;
    });
    return recent;
}

QString FoodFinder::Folded(const QString& text)
{
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString out;
    out.reserve(decomposed.size());
    for (QChar c : decomposed)
        if (c.category() != QChar::Mark_NonSpacing)
            out += c.toLower();
    return out;
}

QStringList FoodFinder::Words(const QString& text)
{
    QStringList words;
    QString word;
    for (QChar c : Folded(text)) {
        if (c.isLetterOrNumber()) {
            word += c;
        } else if (!word.isEmpty()) {
            words << word;
            word.clear();
        }
    }
    if (!word.isEmpty())
        words << word;
    return words;
}

void FoodFinder::Reload()
{
    m_foods.clear();
    RecordStore::Snapshot snapshot(m_store);
    QHash<quint32, int> servings;
    CMeasuresTable measures(m_store);
    measures.ForEachRecord([&](const ServingRecord& r) {
        ++servings[r.foodId];
        return true;
    });
    CFoodTable foods(m_store);
    foods.ForEachRecord([&](const FoodRecord& r) {
        Food f;
        f.id = r.id;
        f.folderId = r.folderId;
        f.name = r.name;
        f.words = Words(r.name);
        f.headWords = static_cast<int>(Words(r.name.section(QLatin1Char(','), 0, 0)).size());
        f.brand = HasCapitalWord(r.name);
        f.servings = servings.value(r.id);
        m_foods.push_back(std::move(f));
        return true;
    });
}

std::vector<FoodFinder::Match> FoodFinder::Find(const QString& typed, const std::set<quint32>& recent,
                                                size_t limit) const
{
    const QStringList terms = Words(typed);
    if (terms.isEmpty())
        return {};
    struct Ranked
    {
        const Food* food;
        std::tuple<bool, int, bool, bool, bool, bool, int, int> key; // smaller is better
    };
    std::vector<Ranked> ranked;
    for (const Food& f : m_foods) {
        int whole = 0;
        bool inHead = true;
        bool all = true;
        for (const QString& t : terms) {
            int at = -1;
            bool isWhole = false;
            for (int i = 0; i < f.words.size(); ++i) {
                if (!f.words[i].startsWith(t))
                    continue;
                const bool w = WholeWord(f.words[i], t);
                if (at < 0 || (w && !isWhole)) {
                    at = i;
                    isWhole = w;
                }
                if (isWhole)
                    break;
            }
            if (at < 0) {
                all = false;
                break;
            }
            whole += isWhole ? 1 : 0;
            inHead = inHead && at < f.headWords;
        }
        if (!all)
            continue;
        const bool firstWord = !f.words.isEmpty() && WholeWord(f.words.first(), terms.first());
        bool headIsTyped = f.headWords == terms.size();
        for (int i = 0; headIsTyped && i < f.headWords; ++i)
            headIsTyped = WholeWord(f.words[i], terms[i]);
        ranked.push_back({&f,
                          {!recent.count(f.id), -whole, !firstWord, !headIsTyped, f.brand, !inHead,
                           -f.servings, static_cast<int>(f.words.size())}});
    }
    const auto better = [](const Ranked& a, const Ranked& b) {
        if (a.key != b.key)
            return a.key < b.key;
        return FoodList::ListsBefore(a.food->name, b.food->name);
    };
    const size_t n = std::min(limit, ranked.size());
    std::partial_sort(ranked.begin(), ranked.begin() + static_cast<std::ptrdiff_t>(n), ranked.end(), better);
    std::vector<Match> out;
    out.reserve(n);
    for (size_t i = 0; i < n; ++i)
        out.push_back({ranked[i].food->id, ranked[i].food->name, ranked[i].food->folderId});
    return out;
}
