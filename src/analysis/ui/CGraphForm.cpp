#include "CGraphForm.h"

#include "analysis/ui/ChartPicture.h"
#include "analysis/ui/ChartScrollBar.h"
#include "analysis/ui/PeriodPickers.h"
#include "controls/ProgramFont.h"
#include "diary/CFoodDBDoc.h"
#include "platform/ui/QtDrawSurface.h"
#include "profile/DateRules.h"

#include <QComboBox>
#include <QDateEdit>
#include <QPainter>

namespace {

constexpr int kWidth = 240;
constexpr int kQuantityIds[2] = {1178, 1052};
constexpr int kStyleIds[2] = {1179, 1053};

} // namespace

CGraphForm::CGraphForm(AppServices& services, QWidget* parent)
    : CFormView(services, kTemplate, parent), m_graph(services.doc), m_chart(std::make_unique<CChartCtrl>())
{
    PeriodPickers::Create(this, &m_from, &m_to);
    m_scroll = new ChartScrollBar(this);
    for (int s = 0; s < 2; ++s) {
        m_quantity[s] = new QComboBox(this);
        m_quantity[s]->setProperty("id", kQuantityIds[s]);
        m_quantity[s]->setFont(ProgramFont(11));
        m_style[s] = new QComboBox(this);
        m_style[s]->setProperty("id", kStyleIds[s]);
        m_style[s]->setFont(ProgramFont(11));
        m_style[s]->addItems(GraphBuilder::StyleNames());
        // Choices are kept with the profile at once.
        connect(m_quantity[s], &QComboBox::currentIndexChanged, this, [this, s](int index) {
            if (!m_initialised || index < 0)
                return;
            m_services.doc.Profile().graphQuantity[s] = static_cast<qint16>(index);
            m_services.doc.SaveProfile();
            m_services.doc.UpdateAllViews();
        });
        connect(m_style[s], &QComboBox::currentIndexChanged, this, [this, s](int index) {
            if (!m_initialised || index < 0)
                return;
            ProfileRecord& p = m_services.doc.Profile();
            p.flags = GraphBuilder::WithStyle(p.flags, s, index);
            m_services.doc.SaveProfile();
            m_services.doc.UpdateAllViews();
        });
    }
    for (QDateEdit* picker : {m_from, m_to})
        connect(picker, &QDateEdit::dateChanged, this, [this] {
            if (m_initialised)
                m_services.doc.UpdateAllViews();
        });
    connect(m_scroll, &ChartScrollBar::scrolled, this, [this] { update(); });
}

QScrollBar* CGraphForm::ScrollBar() const
{
    return m_scroll;
}

int CGraphForm::ChartHeight() const
{
    // What is left between the pickers and the two rows of lists, less the scroll bar.
    return qMax(100, height() - kChartTop - CChartCtrl::kScrollBarHeight - 2 * kComboHeight);
}

void CGraphForm::resizeEvent(QResizeEvent* event)
{
    CFormView::resizeEvent(event);
    const int h = ChartHeight();
    m_scroll->setGeometry(0, kChartTop + h, kWidth, CChartCtrl::kScrollBarHeight);
    const int y = kChartTop + h + CChartCtrl::kScrollBarHeight;
    for (int s = 0; s < 2; ++s) {
        m_quantity[s]->setGeometry(s * kWidth / 2, y, kWidth / 2, kComboHeight);
        m_style[s]->setGeometry(s * kWidth / 2, y + kComboHeight, kWidth / 2, kComboHeight);
    }
    if (m_initialised)
        Rebuild();
}

void CGraphForm::OnInitialUpdate()
{
    const ProfileRecord& p = m_services.doc.Profile();
    const FileTime today = m_services.doc.TheClock().Today();
    m_from->setDate(PeriodPickers::ToQDate(AddDays(today, -22)));
    m_to->setDate(PeriodPickers::ToQDate(AddDays(today, -1)));
    if (m_services.doc.HasOpenProfile()) {
        for (int s = 0; s < 2; ++s) {
            for (const GraphBuilder::Quantity& q : GraphBuilder::Quantities(p))
                m_quantity[s]->addItem(q.text);
            const int index = p.graphQuantity[s];
            m_quantity[s]->setCurrentIndex(index >= 0 && index < m_quantity[s]->count() ? index : 0);
            m_style[s]->setCurrentIndex(GraphBuilder::StyleOf(p.flags, s));
        }
    }
    m_initialised = true;
    Rebuild();
}

void CGraphForm::OnDocumentUpdate()
{
    if (m_initialised)
        Rebuild();
}

void CGraphForm::Rebuild()
{
    if (!m_services.doc.HasOpenProfile())
        return;
    // To before From: To takes From's date.
    if (m_to->date() < m_from->date()) {
        const QSignalBlocker block(m_to);
        m_to->setDate(m_from->date());
    }
    m_chart = std::make_unique<CChartCtrl>();
    m_chart->Create(0, kChartTop, kWidth, ChartHeight());
    m_chart->SetColours({224, 224, 255}, {170, 170, 220}, {0, 0, 0});
    m_graph.Build(*m_chart, PeriodPickers::ToFileTime(m_from->date()),
                  PeriodPickers::ToFileTime(m_to->date()));
    m_scroll->Attach(m_chart.get());
    update();
}

void CGraphForm::paintEvent(QPaintEvent* event)
{
    CFormView::paintEvent(event);
    QPainter p(this);
    p.setPen(Qt::black);
    p.drawLine(0, 23, kWidth, 23);
    QtDrawSurface surface(p);
    m_chart->Draw(surface);
}

bool CGraphForm::OnCommand(int id)
{
    if (id != kSavePicture)
        return false;
    ChartPicture::SaveAsked(this, m_services, *m_chart, tr("Vellamo graph.png"));
    return true;
}
