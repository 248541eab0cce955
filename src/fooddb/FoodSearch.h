#pragma once

#include "fooddb/FoodList.h"
#include "fooddb/FoodTree.h"

#include <optional>

// The nutrient database's search: folder by folder in the tree's depth-first order from Root,
// and within a folder in the list's order, the next food whose name holds every term.
class FoodSearch
{
public:
    struct Match
    {
        quint32 folderId = 0;
        int row = -1; // in the folder's list
        quint32 foodId = 0;
    };

    // rowsOf gives a folder's list as shown (filters included).
    using RowsOf = std::function<std::vector<FoodListRow>(quint32 folderId)>;

    FoodSearch(RecordStore& store, const std::array<QString, 3>& typedTerms, RowsOf rowsOf);

    // The match after the current one; none at the end of the database, which ends the search.
    std::optional<Match> Next();
    // The list of the folder of the last match, as rowsOf gave it.
    const std::vector<FoodListRow>& Rows() const { return m_rows; }

private:
    FoodTree m_tree;
    FoodList m_names;
    std::array<QString, 3> m_terms;
    RowsOf m_rowsOf;
    std::vector<quint32> m_folders; // the walk, read at the first step
    std::vector<FoodListRow> m_rows;
    size_t m_at = 0;
    int m_row = -1;
    bool m_started = false;
};
