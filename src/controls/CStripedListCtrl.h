#pragma once

#include <QColor>
#include <QTreeWidget>

// The list of the diary and the reports: rows striped in two blues, text from the second
// column on in navy, the first column in the normal text colour.
class CStripedListCtrl : public QTreeWidget
{
    Q_OBJECT

public:
    static const QColor kEvenRow;
    static const QColor kOddRow;
    static const QColor kText;

    explicit CStripedListCtrl(QWidget* parent = nullptr);

    // Background and text colour of a cell as drawn.
    static QColor RowColor(int row) { return row % 2 == 0 ? kEvenRow : kOddRow; }
    QColor CellTextColor(int column) const;

    // Column headers that end in "…" when their column is too narrow (a right-aligned header
    // would otherwise lose its start); the whole text is the header's tooltip.
    void SetHeaderLabels(const QStringList& labels);
    // Every row is this high, whatever its icon.
    int RowHeight() const;

private:
    void ElideHeaders();

    QStringList m_headers;
};
