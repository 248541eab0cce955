#include "FoodSearch.h"

FoodSearch::FoodSearch(RecordStore& store, const std::array<QString, 3>& typedTerms, RowsOf rowsOf)
    : m_tree(store), m_names(store), m_terms(FoodList::SearchTerms(typedTerms)), m_rowsOf(std::move(rowsOf))
{
}

std::optional<FoodSearch::Match> FoodSearch::Next()
{
    if (!m_started) {
        m_folders = m_tree.DepthFirst();
        m_started = true;
    }
    // The names are read first, in one pass: most folders hold no match and their list is
    // never made.
    const std::set<quint32> withMatches = m_names.FoldersWithMatches(m_terms);
    for (; m_at < m_folders.size(); ++m_at, m_row = -1) {
        const quint32 folder = m_folders[m_at];
        if (!withMatches.count(folder))
            continue;
        m_rows = m_rowsOf(folder);
        for (int i = m_row + 1; i < static_cast<int>(m_rows.size()); ++i) {
            if (FoodList::NameMatches(m_rows[static_cast<size_t>(i)].name, m_terms)) {
                m_row = i;
                return Match{folder, i, m_rows[static_cast<size_t>(i)].id};
            }
        }
    }
    return std::nullopt;
}
