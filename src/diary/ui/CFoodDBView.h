#pragma once

#include "app/ui/CFormView.h"
#include "diary/DiaryScreen.h"
#include "storage/CProfileTable.h"

#include <array>
#include <vector>

class CColorEdit;
class CStripedListCtrl;
class QTreeWidgetItem;

// The diary: the displayed day's summary lines, weight and day parameters, and its list of
// meals and exercises; the diary commands of the command bar.
class CFoodDBView : public CFormView
{
    Q_OBJECT

public:
    // "Copy to...": the chosen entries, or the whole day, to a day picked in a dialog.
    void CopyTo();
    static constexpr int kTemplate = 101;
    static constexpr int kListX = 0;
    static constexpr int kListWidth = 240;
    static constexpr int kListBottom = 245;

    explicit CFoodDBView(AppServices& services, QWidget* parent = nullptr);
    ~CFoodDBView() override;

    void OnInitialUpdate() override;
    void FinishView() override;
    bool OnCommand(int id) override;
    void SetDatePicker(CDatePicker* picker) override;
    void OnDropDown(int commandId) override;
    void OnDocumentUpdate() override;
    // Delete and Properties have nothing to act on in the companion's row; New meal and New
    // exercise wait for a date typed in the picker to be applied.
    bool CommandEnabled(int id) const override;

    CStripedListCtrl* List() const { return m_list; }
    CColorEdit* WeightField() const { return m_weight; }
    CColorEdit* ParameterField(int k) const { return m_params[k]; }
    // The second figure of a summary line, as shown.
    QString SummaryFigure(int line) const;
    // The list's y for a profile's summary lines and parameter names.
    static int ListTop(const ProfileRecord& profile);
    // Saves the day with the form's weight and parameters, then the list's column order.
    void SaveDay();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void LoadDay();
    void Redraw();
    // After the weight or a day value was left changed: the figures that depend on it.
    void RecomputeShown();
    // A day field left with a text that is no number is told, and the field keeps the focus.
    bool AcceptLeftField(CColorEdit* field);
    void DateChange();
    void AfterChange(bool notify);
    void NotifyCompanion();
    // Copies entries of one day to another, then shows the day in view again.
    void CopyInto(FileTime from, const std::vector<quint32>& ids, FileTime to);
    std::vector<quint32> SelectedEntries() const;
    void ShowWarnings();
    QTreeWidgetItem* FirstSelectedRow() const;
    void EditSelected();
    void DeleteSelected();
    QString ColumnOrderText() const;
    void RestoreColumnOrder(const QString& order);

    CStripedListCtrl* m_list = nullptr;
    CColorEdit* m_weight = nullptr;
    std::array<CColorEdit*, 4> m_params{};
    std::array<CColorEdit*, DiaryScreen::kSummaryLines> m_first{};
    std::array<CColorEdit*, DiaryScreen::kSummaryLines> m_second{};
    std::array<DiaryScreen::SummaryLine, DiaryScreen::kSummaryLines> m_lines;
    CDatePicker* m_picker = nullptr;
    // The texts as loaded, to tell a field the user changed from one left alone.
    QString m_loadedWeight;
    std::array<QString, 4> m_loadedParams;
    bool m_initialised = false;
    // What Ctrl+C took, for Ctrl+V on the day then in view.
    struct Copied
    {
        FileTime date;
        std::vector<quint32> ids;
        bool any = false;
    };
    Copied m_copied;
};
