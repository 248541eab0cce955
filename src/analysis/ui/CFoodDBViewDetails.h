#pragma once

#include "analysis/ReportCalculator.h"
#include "app/ui/CFormView.h"

class CDatePicker;
class CStripedListCtrl;
class QComboBox;
class QDateEdit;

// Reports: a period between two dates, summed from the open profile's diary as daily averages or
// totals of energy and nutrients, or as daily averages of the day parameters.
class CFoodDBViewDetails : public CFormView
{
    Q_OBJECT

public:
    static constexpr int kTemplate = 174;

    explicit CFoodDBViewDetails(AppServices& services, QWidget* parent = nullptr);

    void OnInitialUpdate() override;
    void OnDocumentUpdate() override;
    bool OnCommand(int id) override;
    void SetDatePicker(CDatePicker* picker) override;

    QDateEdit* FromPicker() const { return m_from; }
    QDateEdit* ToPicker() const { return m_to; }
    QComboBox* TypeSelector() const { return m_type; }
    CStripedListCtrl* List() const { return m_list; }
    void SetPeriod(FileTime from, FileTime to);
    ReportCalculator::Period Period() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Redraw();
    void ExportReport();
    void SaveAsPdf();

    QDateEdit* m_from;
    QDateEdit* m_to;
    CStripedListCtrl* m_list;
    QComboBox* m_type;
    CDatePicker* m_picker = nullptr;
    bool m_initialised = false;
};
