#include "CFoodDBViewDetails.h"

#include "analysis/NutrientSources.h"
#include "analysis/PrintableReport.h"
#include "analysis/ReportExport.h"
#include "analysis/ui/PeriodPickers.h"
#include "app/ui/CDatePicker.h"
#include "app/ui/CommandId.h"
#include "controls/CStripedListCtrl.h"
#include "controls/FileDialogs.h"
#include "controls/ProgramFont.h"
#include "diary/CFoodDBDoc.h"
#include "platform/AppEnvironment.h"
#include "platform/IMessageBox.h"
#include "platform/ui/PdfPages.h"
#include "profile/DateRules.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QHeaderView>

namespace {

constexpr int kSelectorHeight = 22;
constexpr int kWidth = 240;

} // namespace

CFoodDBViewDetails::CFoodDBViewDetails(AppServices& services, QWidget* parent)
    : CFormView(services, kTemplate, parent)
{
    setFont(ProgramFont(13));
    PeriodPickers::Create(this, &m_from, &m_to);
    m_list = new CStripedListCtrl(this);
    m_list->setProperty("id", 1034);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->header()->setSectionsMovable(true);
    m_list->setGeometry(0, 23, kWidth, 228);
    m_type = new QComboBox(this);
    m_type->setProperty("id", 1212);
    m_type->setFont(ProgramFont(13));
    m_type->addItems(ReportCalculator::TypeNames());
    for (Nutrient n : NutrientSources::ReportNutrients())
        m_type->addItem(NutrientSources::ReportName(n));
    connect(m_from, &QDateEdit::dateChanged, this, [this] {
        if (m_initialised)
            m_services.doc.UpdateAllViews();
    });
    connect(m_to, &QDateEdit::dateChanged, this, [this] {
        if (m_initialised)
            m_services.doc.UpdateAllViews();
    });
    connect(m_type, &QComboBox::currentIndexChanged, this, [this] {
        if (m_initialised)
            m_services.doc.UpdateAllViews();
    });
}

void CFoodDBViewDetails::resizeEvent(QResizeEvent* event)
{
    CFormView::resizeEvent(event);
    // The list fills the form between the pickers and the selector under it.
    m_list->setGeometry(0, 23, kWidth, height() - 23 - kSelectorHeight);
    m_type->setGeometry(0, height() - kSelectorHeight, kWidth, kSelectorHeight);
}

void CFoodDBViewDetails::SetDatePicker(CDatePicker* picker)
{
    if (m_picker)
        disconnect(m_picker, nullptr, this, nullptr);
    m_picker = picker;
    if (!m_picker)
        return;
    // The current-day picker moves the document's day, as in the diary; the period stays.
    connect(m_picker, &CDatePicker::closeUp, this, [this] {
        CFoodDBDoc& doc = m_services.doc;
        doc.SaveDay();
        doc.SetCurrentDate(*m_picker);
        doc.OpenDay();
        doc.UpdateAllViews();
    });
}

void CFoodDBViewDetails::SetPeriod(FileTime from, FileTime to)
{
    const bool was = m_initialised;
    m_initialised = false; // one update for both dates
    m_from->setDate(PeriodPickers::ToQDate(from));
    m_to->setDate(PeriodPickers::ToQDate(to));
    m_initialised = was;
    if (m_initialised)
        m_services.doc.UpdateAllViews();
}

ReportCalculator::Period CFoodDBViewDetails::Period() const
{
    return ReportCalculator::MakePeriod(PeriodPickers::ToFileTime(m_from->date()),
                                        PeriodPickers::ToFileTime(m_to->date()),
                                        m_services.doc.TheClock().Today());
}

void CFoodDBViewDetails::OnInitialUpdate()
{
    const FileTime day = m_services.doc.CurrentDate();
    m_from->setDate(PeriodPickers::ToQDate(day));
    m_to->setDate(PeriodPickers::ToQDate(day));
    m_type->setCurrentIndex(0);
    if (m_picker)
        m_services.doc.ShowCurrentDate(*m_picker);
    m_initialised = true;
    Redraw();
}

void CFoodDBViewDetails::OnDocumentUpdate()
{
    if (m_initialised)
        Redraw();
}

void CFoodDBViewDetails::Redraw()
{
    if (!m_services.doc.HasOpenProfile())
        return;
    ReportCalculator::Period period = Period();
    // To before From: To takes From's date.
    if (PeriodPickers::ToQDate(period.to) != m_to->date()) {
        const QSignalBlocker block(m_to);
        m_to->setDate(PeriodPickers::ToQDate(period.to));
    }
    const int index = qMax(0, m_type->currentIndex());
    const int ownTypes = static_cast<int>(ReportCalculator::TypeNames().size());
    QStringList headers;
    std::vector<int> widths;
    std::vector<QStringList> rows;
    const int w = m_list->width() - 2 * m_list->frameWidth();
    if (index < ownTypes) {
        const auto type = static_cast<ReportCalculator::Type>(index);
        headers = ReportCalculator::Columns(type);
        widths = ReportCalculator::ColumnWidths(type, w);
        for (const ReportCalculator::Row& row : ReportCalculator(m_services.doc).Rows(period, type))
            rows.push_back(QStringList{row.text} + row.cells);
    } else {
        const Nutrient n = NutrientSources::ReportNutrients().at(static_cast<size_t>(index - ownTypes));
        headers = NutrientSources::Columns(n);
        widths = NutrientSources::ColumnWidths(w);
        const NutrientSources::Result sources =
            NutrientSources(m_services.doc.Diary().Store(), m_services.doc.TheClock())
                .Compute(m_services.doc.Profile().id, period.from, period.days, n);
        for (const NutrientSources::Source& source : sources.rows)
            rows.push_back(NutrientSources::Cells(source));
    }
    m_list->clear();
    m_list->setColumnCount(headers.size());
    m_list->SetHeaderLabels(headers);
    for (int c = 0; c < headers.size(); ++c) {
        m_list->setColumnWidth(c, widths[static_cast<size_t>(c)]);
        m_list->headerItem()->setTextAlignment(c,
                                               (c == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
    }
    QList<QTreeWidgetItem*> items;
    for (const QStringList& cells : rows) {
        auto* item = new QTreeWidgetItem(cells);
        for (int c = 1; c < headers.size(); ++c)
            item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
        items << item;
    }
    m_list->addTopLevelItems(items);
    if (index < ownTypes) {
        // The list scrolls sideways anyway: the first column is never narrower than its texts.
        m_list->resizeColumnToContents(0);
        m_list->setColumnWidth(0, qMax(widths[0], m_list->columnWidth(0)));
    } else {
        // Food names are long: they end in an ellipsis, whole in the tooltip, so the figures stay in view.
        for (QTreeWidgetItem* item : items)
            item->setToolTip(0, item->text(0));
    }
}

bool CFoodDBViewDetails::OnCommand(int id)
{
    const FileTime today = m_services.doc.TheClock().Today();
    switch (id) {
    case CommandId::kToday:
        SetPeriod(today, today);
        return true;
    case CommandId::kLastWeek:
        SetPeriod(AddDays(today, -7), AddDays(today, -1));
        return true;
    case CommandId::kLastMonth:
        SetPeriod(AddDays(today, -30), AddDays(today, -1));
        return true;
    case CommandId::kExportReport:
        ExportReport();
        return true;
    case kSaveAsPdf:
        SaveAsPdf();
        return true;
    case CommandId::kPreviousDay:
    case CommandId::kNextDay:
        if (m_picker) {
            m_picker->SetDate(m_picker->Date().AddDays(id == CommandId::kPreviousDay ? -1 : 1));
            emit m_picker->closeUp();
        }
        return true;
    default:
        return false;
    }
}

void CFoodDBViewDetails::SaveAsPdf()
{
    CFoodDBDoc& doc = m_services.doc;
    if (!doc.HasOpenProfile())
        return;
    const ReportCalculator::Period period = Period();
    const QString folder = m_services.env.Folders().DocumentsDir();
    const QString path = FileDialogs::AskSave(
        window(), tr("Save as PDF"), QDir(folder).filePath(PrintableReport::DefaultFileName(doc, period)),
        tr("PDF documents (*.pdf)"), QStringLiteral("pdf"));
    if (path.isEmpty())
        return;
    QString error;
    if (!PdfPages::Write(
            path, PrintableReport::DefaultFileName(doc, period).chopped(4),
            [&](IPages& pages) { PrintableReport(doc).Draw(period, pages); }, &error))
        m_services.messages.Tell(
            tr("The report could not be saved as %1: %2").arg(QDir::toNativeSeparators(path), error),
            IMessageBox::Icon::Stop);
}

void CFoodDBViewDetails::ExportReport()
{
    const ReportCalculator::Period period = Period();
    const QString path =
        FileDialogs::AskSave(window(), tr("Export report"), m_services.env.Folders().DocumentsDir(),
                             tr("*.csv"), QStringLiteral("csv"));
    if (path.isEmpty())
        return;
    ReportExport::ExportReport(m_services.doc, period.from, period.to, path, &m_services.messages);
}
