#include "CViewWeightTracker.h"

#include "analysis/ui/ChartPicture.h"
#include "analysis/ui/ChartScrollBar.h"
#include "controls/CColorEdit.h"
#include "controls/CTransparentStatic.h"
#include "controls/DialogData.h"
#include "controls/Form.h"
#include "controls/ProgramFont.h"
#include "diary/CFoodDBDoc.h"
#include "platform/ui/QtDrawSurface.h"

#include <QPainter>

namespace {

constexpr int kChartHeight = 176;

} // namespace

CViewWeightTracker::CViewWeightTracker(AppServices& services, QWidget* parent)
    : CFormView(services, kTemplate, parent), m_tracker(services.doc)
{
    m_chart.Create(0, 0, 240, kChartHeight);
    m_chart.SetColours({224, 224, 255}, {170, 170, 220}, {0, 0, 0});
    m_scroll = new ChartScrollBar(this);
    m_scroll->setGeometry(0, kChartHeight, 240, CChartCtrl::kScrollBarHeight);
    connect(m_scroll, &ChartScrollBar::scrolled, this, [this] { update(); });

    // Four rows of 19 pixels fill the form under the chart.
    const int y0 = kChartHeight + CChartCtrl::kScrollBarHeight + 1;
    const int row = 19;
    Form::Caption(this, tr("Current weight:"), 4, y0, 110);
    m_current = Form::ValueField(this, 1006, 112, y0, 98);
    m_currentUnit = Form::Caption(this, QString(), 214, y0, 26);
    m_currentUnit->setProperty("id", 1108);
    Form::Caption(this, tr("Target weight:"), 4, y0 + row, 110);
    m_target = Form::ValueField(this, 1008, 112, y0 + row, 98);
    m_targetUnit = Form::Caption(this, QString(), 214, y0 + row, 26);
    m_targetUnit->setProperty("id", 1111);
    Form::Caption(this, tr("Estimated end date:"), 4, y0 + 2 * row, 108);
    m_end = Form::ValueField(this, 1011, 112, y0 + 2 * row, 98);
    Form::Caption(this, tr("Trend end date:"), 4, y0 + 3 * row, 108);
    m_trendEnd = Form::ValueField(this, kTrendEndId, 112, y0 + 3 * row, 98);
}

QScrollBar* CViewWeightTracker::ScrollBar() const
{
    return m_scroll;
}

CColorEdit* CViewWeightTracker::Field(int id) const
{
    for (CColorEdit* e : {m_current, m_target, m_end, m_trendEnd})
        if (e->property("id").toInt() == id)
            return e;
    return nullptr;
}

void CViewWeightTracker::OnInitialUpdate()
{
    // The chart is built once, when the view is made; later updates refresh the fields.
    if (m_services.doc.HasOpenProfile())
        m_tracker.Build(m_chart);
    m_scroll->Attach(&m_chart);
    RefreshFields();
}

void CViewWeightTracker::OnDocumentUpdate()
{
    RefreshFields();
}

void CViewWeightTracker::RefreshFields()
{
    if (!m_services.doc.HasOpenProfile())
        return;
    const WeightTracker::Fields f = m_tracker.CurrentFields();
    DialogData::Show(m_current, f.currentWeight);
    DialogData::Show(m_target, f.targetWeight);
    DialogData::Show(m_end, f.endDate);
    DialogData::Show(m_trendEnd, f.trendEndDate);
    m_currentUnit->setText(f.unit);
    m_targetUnit->setText(f.unit);
    update();
}

void CViewWeightTracker::paintEvent(QPaintEvent* event)
{
    CFormView::paintEvent(event);
    QPainter p(this);
    QtDrawSurface surface(p);
    m_chart.Draw(surface);
}

bool CViewWeightTracker::OnCommand(int id)
{
    if (id != kSavePicture)
        return false;
    ChartPicture::SaveAsked(this, m_services, m_chart, tr("Vellamo weight tracker.png"));
    return true;
}
