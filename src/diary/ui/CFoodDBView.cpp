#include "CFoodDBView.h"

#include "app/CompanionLink.h"
#include "app/ui/CDatePicker.h"
#include "app/ui/CommandIcons.h"
#include "app/ui/CommandId.h"
#include "controls/CColorEdit.h"
#include "controls/CStripedListCtrl.h"
#include "controls/ProgramFont.h"
#include "diary/CFoodDBDoc.h"
#include "diary/RequirementChecks.h"
#include "diary/ui/CCopyEntriesDlg.h"
#include "diary/ui/CRecentFoodsDlg.h"
#include "diary/ui/CWarningsDlg.h"
#include "platform/DataExchange.h"
#include "platform/IMessageBox.h"
#include "profile/Measures.h"
#include "profile/NumberFormat.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>

namespace {

// Pixels of the form's dialog units (Tahoma 8 on the handheld: 6 x 13 base units).
int DluX(int x)
{
    return (x * 3 + 1) / 2;
}
int DluY(int y)
{
    return (y * 13 + 4) / 8;
}
QRect DluRect(int x, int y, int w, int h)
{
    return QRect(DluX(x), DluY(y), DluX(w), DluY(h));
}

constexpr int kFirstIds[] = {1185, 1186, 1188, 1190, 1192};
constexpr int kSecondIds[] = {1141, 1187, 1189, 1191, 1193};
constexpr int kParamIds[] = {1010, 1009, 1008, 1011};
constexpr int kLineY[] = {8, 29, 50, 71, 92};
constexpr int kTextHeight = 13;

} // namespace

CFoodDBView::CFoodDBView(AppServices& services, QWidget* parent) : CFormView(services, kTemplate, parent)
{
    setFont(ProgramFont(kTextHeight));
    for (int i = 0; i < DiaryScreen::kSummaryLines; ++i) {
        const int y = 2 + 13 * i;
        m_first[i] = new CColorEdit(this);
        m_first[i]->setProperty("id", kFirstIds[i]);
        m_first[i]->setGeometry(DluRect(20, y, 25, 12));
        m_second[i] = new CColorEdit(this);
        m_second[i]->setProperty("id", kSecondIds[i]);
        m_second[i]->setGeometry(DluRect(53, y, 22, 12));
        for (CColorEdit* e : {m_first[i], m_second[i]}) {
            e->SetLocked(true);
            e->setAlignment(Qt::AlignRight);
            e->setFocusPolicy(Qt::NoFocus);
            e->setFrame(false);
        }
    }
    m_weight = new CColorEdit(this);
    m_weight->setProperty("id", 1005);
    m_weight->setGeometry(DluRect(115, 2, 25, 12));
    connect(m_weight, &CColorEdit::focusLost, this, [this] {
        // The weight is kept as soon as the field is left, and the companion hears of it.
        const bool changed = m_weight->text() != m_loadedWeight;
        if (changed && !AcceptLeftField(m_weight))
            return;
        SaveDay();
        NotifyCompanion();
        if (changed)
            RecomputeShown();
    });
    for (int k = 0; k < 4; ++k) {
        m_params[k] = new CColorEdit(this);
        m_params[k]->setProperty("id", kParamIds[k]);
        m_params[k]->setGeometry(DluRect(115, 15 + 13 * k, 25, 12));
        connect(m_params[k], &CColorEdit::focusLost, this, [this, k] {
            if (m_params[k]->text() == m_loadedParams[k] || !AcceptLeftField(m_params[k]))
                return;
            SaveDay();
            RecomputeShown();
        });
    }
    for (CColorEdit* e : {m_weight, m_params[0], m_params[1], m_params[2], m_params[3]}) {
        e->setAlignment(Qt::AlignRight);
        e->setFrame(false);
    }

    m_list = new CStripedListCtrl(this);
    m_list->setProperty("id", 1004);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setIconSize(QSize(16, 13));
    m_list->header()->setSectionsMovable(true);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, [this] { EditSelected(); });
    m_list->installEventFilter(this);
    // Press and hold (a right click) on the list: Copy to...
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_list, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QMenu menu(this);
        menu.addAction(tr("Copy to..."), this, &CFoodDBView::CopyTo);
        menu.exec(m_list->viewport()->mapToGlobal(at));
    });
    connect(m_list, &QTreeWidget::itemSelectionChanged, this, &CFormView::commandsChanged);
}

bool CFoodDBView::CommandEnabled(int id) const
{
    if (id == CommandId::kNew || id == CommandId::kNewExercise)
        return !m_picker || !m_picker->HasUnappliedDate();
    if (id != CommandId::kDelete && id != CommandId::kProperties)
        return true;
    const QTreeWidgetItem* row = FirstSelectedRow();
    return !row || row->data(0, Qt::UserRole).toUInt() != 0;
}

CFoodDBView::~CFoodDBView()
{
    // The fields lose the focus while they are destroyed; the day was saved before.
    disconnect(m_weight, nullptr, this, nullptr);
    if (m_picker)
        disconnect(m_picker, nullptr, this, nullptr);
}

int CFoodDBView::ListTop(const ProfileRecord& profile)
{
    int n = 1;
    for (int k = 2; k <= DiaryScreen::kSummaryLines; ++k)
        if (profile.summaryLines[k - 1] != 0 || !profile.paramNames[k - 2].isEmpty())
            n = k;
    return 26 + 21 * (n - 1);
}

void CFoodDBView::SetDatePicker(CDatePicker* picker)
{
    if (m_picker)
        disconnect(m_picker, nullptr, this, nullptr);
    m_picker = picker;
    if (m_picker) {
        connect(m_picker, &CDatePicker::closeUp, this, [this] {
            DateChange();
            emit commandsChanged();
        });
        // A date half typed greys New meal and New exercise: the list still shows the old day.
        connect(m_picker, &QDateEdit::dateChanged, this, &CFormView::commandsChanged);
    }
}

void CFoodDBView::OnInitialUpdate()
{
    m_list->setGeometry(kListX, 110, kListWidth, 135);
    const QStringList headers = DiaryScreen::ColumnHeaders();
    m_list->setColumnCount(headers.size());
    m_list->SetHeaderLabels(headers);
    const int w = m_list->width() - 2 * m_list->frameWidth(); // the client width
    const int widths[] = {w * 4 / 16, w * 4 / 8 - 6, w * 5 / 18 - 12, w * 4 / 8 - 12, w * 2 / 8 - 12};
    for (int c = 0; c < DiaryScreen::kColumns; ++c) {
        m_list->setColumnWidth(c, c < 5 ? widths[c] : w * 2 / 8 - 12);
        const bool right = c == 2 || c >= 4;
        m_list->headerItem()->setTextAlignment(c,
                                               (right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    }
    if (m_picker)
        m_services.doc.ShowCurrentDate(*m_picker);
    m_initialised = true;
    Redraw();
}

void CFoodDBView::OnDocumentUpdate()
{
    if (m_initialised)
        Redraw();
}

void CFoodDBView::LoadDay()
{
    CFoodDBDoc& doc = m_services.doc;
    doc.OpenDay();
    m_weight->setText(FormatFixed(KgToDisplay(doc.Day().weight), 5, 1));
    m_loadedWeight = m_weight->text();
    for (int k = 0; k < 4; ++k) {
        m_params[k]->setText(doc.Profile().paramNames[k].isEmpty() ? QString()
                                                                   : FormatFixed(doc.Day().params[k], 5, 1));
        m_loadedParams[k] = m_params[k]->text();
    }
}

void CFoodDBView::Redraw()
{
    CFoodDBDoc& doc = m_services.doc;
    if (!doc.HasOpenProfile())
        return;
    const ProfileRecord& profile = doc.Profile();
    // The list starts below the last line in use.
    const int top = ListTop(profile);
    m_list->setGeometry(kListX, top, kListWidth, kListBottom - top);
    // Only the body parameters the profile names are shown.
    for (int k = 0; k < 4; ++k)
        m_params[k]->setVisible(!profile.paramNames[k].isEmpty());
    // The day's figures computed anew, then its entries listed in order.
    m_list->clear();
    LoadDay();
    doc.ComputeDay(doc.Day().id);
    std::vector<DiaryScreen::Row> rows = DiaryScreen::Rows(doc, doc.Day().id);
    DiaryScreen::SortRows(rows);
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<int>(rows.size()));
    for (const DiaryScreen::Row& row : rows) {
        auto* item = new QTreeWidgetItem;
        for (int c = 0; c < DiaryScreen::kColumns; ++c) {
            item->setText(c, row.cells[c]);
            if (c == 2 || c >= 4)
                item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
        }
        item->setIcon(0, CommandIcons::ForRow(static_cast<int>(row.icon)));
        item->setData(0, Qt::UserRole, row.entryId);
        items << item;
    }
    m_list->addTopLevelItems(items);
    // The summary lines the profile chose.
    m_lines = DiaryScreen::SummaryLines(doc);
    for (int i = 0; i < DiaryScreen::kSummaryLines; ++i) {
        m_first[i]->setText(m_lines[i].first);
        m_first[i]->setVisible(m_lines[i].showFirst);
        m_second[i]->setText(m_lines[i].second);
        m_second[i]->setVisible(m_lines[i].showSecond);
    }
    RestoreColumnOrder(profile.columnOrder);
    update();
}

QString CFoodDBView::SummaryFigure(int line) const
{
    return m_second[line]->text();
}

void CFoodDBView::RecomputeShown()
{
    // The required calories and the exercises' energy follow the weight: shown and stored at once.
    Redraw();
    m_services.doc.SaveDay();
}

QString CFoodDBView::ColumnOrderText() const
{
    QString text;
    const QHeaderView* h = m_list->header();
    for (int visual = 0; visual < DiaryScreen::kColumns; ++visual)
        text += QStringLiteral("%1").arg(h->logicalIndex(visual), 2, 10, QLatin1Char('0'));
    return text;
}

void CFoodDBView::RestoreColumnOrder(const QString& order)
{
    // Only an order of exactly fifteen two-digit indexes, each column once, is used.
    if (order.size() != 2 * DiaryScreen::kColumns)
        return;
    std::array<int, DiaryScreen::kColumns> logical{};
    std::array<bool, DiaryScreen::kColumns> seen{};
    for (int visual = 0; visual < DiaryScreen::kColumns; ++visual) {
        bool ok = false;
        const int index = order.mid(2 * visual, 2).toInt(&ok);
        if (!ok || index < 0 || index >= DiaryScreen::kColumns || seen[index])
            return;
        seen[index] = true;
        logical[visual] = index;
    }
    QHeaderView* h = m_list->header();
    for (int visual = 0; visual < DiaryScreen::kColumns; ++visual)
        h->moveSection(h->visualIndex(logical[visual]), visual);
}

namespace {

// A day value as typed: empty is 0 (none), anything else must be a number.
bool TypedDayValue(const QString& text, double* value, QString* message = nullptr)
{
    if (text.trimmed().isEmpty()) {
        *value = 0;
        return true;
    }
    QString refused;
    return DataExchange::ToNumber(text, value, message ? message : &refused);
}

} // namespace

bool CFoodDBView::AcceptLeftField(CColorEdit* field)
{
    double value = 0;
    QString message;
    if (TypedDayValue(field->text(), &value, &message))
        return true;
    m_services.messages.Tell(message, IMessageBox::Icon::Warning);
    field->setFocus();
    field->selectAll();
    return false;
}

void CFoodDBView::SaveDay()
{
    CFoodDBDoc& doc = m_services.doc;
    if (!doc.HasOpenProfile() || !m_initialised)
        return;
    // What another program stored meanwhile is read first, so this save keeps it.
    const bool changedElsewhere = doc.RefreshIfChangedElsewhere();
    // A field left as it was shown keeps the stored value: the text is rounded to one decimal
    // (and maybe in other units), so reading it back would change a weight nobody touched.
    // A text that is no number keeps the stored value too: it was told when the field was left.
    std::array<double, 4> params{};
    for (int k = 0; k < 4; ++k) {
        double typed = 0;
        if (doc.Profile().paramNames[k].isEmpty())
            params[k] = 0; // hidden and empty
        else if (m_params[k]->text() == m_loadedParams[k] || !TypedDayValue(m_params[k]->text(), &typed))
            params[k] = doc.Day().params[k];
        else
            params[k] = typed;
    }
    double typedWeight = 0;
    const double weight = m_weight->text() == m_loadedWeight || !TypedDayValue(m_weight->text(), &typedWeight)
                              ? doc.Day().weight
                              : DisplayToKg(typedWeight);
    doc.SaveDay(weight, params);
    doc.Profile().columnOrder = ColumnOrderText();
    doc.SaveProfile();
    if (changedElsewhere)
        Redraw(); // the entries the other program added are shown
}

void CFoodDBView::FinishView()
{
    SaveDay();
}

void CFoodDBView::DateChange()
{
    if (!m_picker)
        return;
    SaveDay();
    m_services.doc.SetCurrentDate(*m_picker);
    LoadDay();
    m_services.doc.UpdateAllViews();
}

void CFoodDBView::ShowWarnings()
{
    CFoodDBDoc& doc = m_services.doc;
    const quint32 mask = doc.Profile().warningsMask;
    if (!(mask & Requirements::kEnabled))
        return;
    const quint32 violated = doc.CheckRequirements(mask, doc.DayTotals());
    if (violated == 0)
        return;
    CWarningsDlg dialog(violated, window());
    dialog.exec();
}

void CFoodDBView::NotifyCompanion()
{
    if (m_services.companion)
        m_services.companion->NotifyCompanion(m_services.doc.CurrentDate());
}

std::vector<quint32> CFoodDBView::SelectedEntries() const
{
    std::vector<quint32> ids;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i)
        if (QTreeWidgetItem* row = m_list->topLevelItem(i); row->isSelected())
            if (const quint32 id = row->data(0, Qt::UserRole).toUInt())
                ids.push_back(id); // the companion's row is no entry
    return ids;
}

void CFoodDBView::CopyTo()
{
    CFoodDBDoc& doc = m_services.doc;
    if (!doc.HasOpenProfile())
        return;
    const std::vector<quint32> ids = SelectedEntries();
    const QString what = ids.empty()       ? tr("the whole day")
                         : ids.size() == 1 ? tr("the entry chosen")
                                           : tr("the %1 entries chosen").arg(ids.size());
    // Today when another day is in view, else tomorrow.
    const FileTime today = doc.TheClock().Today();
    const FileTime initial = doc.CurrentDate() == today.Date() ? today.AddDays(1) : today;
    CCopyEntriesDlg dialog(what, initial, doc.Profile().Has(CProfileTable::kDayMonthYear), window());
    if (dialog.exec() != QDialog::Accepted)
        return;
    CopyInto(doc.CurrentDate(), ids, dialog.Chosen());
}

void CFoodDBView::CopyInto(FileTime from, const std::vector<quint32>& ids, FileTime to)
{
    CFoodDBDoc& doc = m_services.doc;
    SaveDay();
    const FileTime viewed = doc.CurrentDate();
    QString error;
    const bool copied = !doc.CopyEntries(from, ids, to, &error).empty();
    if (copied && m_services.companion && to.Date() == doc.TheClock().Today().Date())
        m_services.companion->NotifyCompanion(to);
    doc.SetCurrentDate(viewed);
    doc.OpenDay();
    doc.UpdateAllViews();
    if (!copied)
        m_services.messages.Tell(error, IMessageBox::Icon::Warning);
    else if (to.Date() == viewed.Date())
        ShowWarnings();
}

void CFoodDBView::AfterChange(bool notify)
{
    if (notify) {
        SaveDay();
        NotifyCompanion();
    }
    ShowWarnings();
}

QTreeWidgetItem* CFoodDBView::FirstSelectedRow() const
{
    for (int i = 0; i < m_list->topLevelItemCount(); ++i)
        if (m_list->topLevelItem(i)->isSelected())
            return m_list->topLevelItem(i);
    return nullptr;
}

void CFoodDBView::EditSelected()
{
    QTreeWidgetItem* row = FirstSelectedRow();
    if (!row)
        return;
    const quint32 entryId = row->data(0, Qt::UserRole).toUInt();
    const QString name = row->text(1);
    SaveDay();
    m_services.doc.EditEntry(entryId, name);
    AfterChange(true);
}

void CFoodDBView::DeleteSelected()
{
    QTreeWidgetItem* row = FirstSelectedRow();
    if (!row)
        return;
    const quint32 entryId = row->data(0, Qt::UserRole).toUInt();
    if (!m_services.messages.AskBeforeDeleting(tr("Are you sure you want to delete ") + row->text(1),
                                               IMessageBox::Icon::Warning))
        return;
    SaveDay();
    m_services.doc.DeleteEntry(entryId);
    AfterChange(true);
}

bool CFoodDBView::OnCommand(int id)
{
    CFoodDBDoc& doc = m_services.doc;
    switch (id) {
    case CommandId::kNew: // New meal
        SaveDay();
        doc.AddMeal();
        AfterChange(true);
        return true;
    case CommandId::kNewExercise: // New exercise: no second save
        SaveDay();
        doc.AddExercise();
        ShowWarnings();
        return true;
    case CommandId::kProperties:
        EditSelected();
        return true;
    case CommandId::kLaunchCompanion: // Launch Ravelin
        if (m_services.companion)
            m_services.companion->LaunchCompanion();
        return true;
    case CommandId::kDelete:
        DeleteSelected();
        return true;
    case CommandId::kPreviousDay:
    case CommandId::kNextDay:
    case CommandId::kToday:
        if (!m_picker)
            return true;
        if (id == CommandId::kToday)
            m_picker->SetDate(doc.TheClock().Today());
        else
            m_picker->SetDate(m_picker->Date().AddDays(id == CommandId::kPreviousDay ? -1 : 1));
        DateChange();
        return true;
    default:
        return false;
    }
}

void CFoodDBView::OnDropDown(int commandId)
{
    if (commandId != CommandId::kNew || !CommandEnabled(commandId))
        return;
    // New meal from a recently used food, ending as New meal does.
    CFoodDBDoc& doc = m_services.doc;
    CRecentFoodsDlg dialog(doc.Diary().Store(), window());
    if (dialog.exec() != QDialog::Accepted)
        return;
    SaveDay();
    doc.AddMealFromRecent(dialog.ChosenFood());
    AfterChange(true);
}

void CFoodDBView::paintEvent(QPaintEvent* event)
{
    CFormView::paintEvent(event);
    QPainter p(this);
    p.setFont(ProgramFont(kTextHeight));
    p.setPen(Qt::black);
    const auto text = [&](int x, int y, const QString& s) {
        p.drawText(QRect(x, y - 3, 200, kTextHeight + 4), Qt::AlignLeft | Qt::AlignVCenter, s);
    };
    for (int i = 0; i < DiaryScreen::kSummaryLines; ++i) {
        text(4, kLineY[i], m_lines[i].label);
        if (m_lines[i].showFirst)
            text(68, kLineY[i], m_lines[i].firstUnit);
        if (m_lines[i].showSecond)
            text(113, kLineY[i], m_lines[i].secondUnit);
    }
    if (!m_services.doc.HasOpenProfile())
        return;
    text(128, 8, tr("Weight:"));
    text(210, 8, IsMetric() ? QStringLiteral("kg") : QStringLiteral("lbs"));
    const ProfileRecord& profile = m_services.doc.Profile();
    for (int k = 1; k <= 4; ++k) {
        if (profile.paramNames[k - 1].isEmpty())
            continue;
        text(128, 8 + 21 * k, profile.paramNames[k - 1] + QLatin1Char(':'));
        text(210, 8 + 21 * k, profile.paramUnits[k - 1]);
    }
}

bool CFoodDBView::eventFilter(QObject* watched, QEvent* event)
{
    // In the list, Enter opens the selected entry's properties and Delete deletes it.
    if (watched == m_list && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        // Ctrl+C takes the chosen entries (or the day), Ctrl+V copies them to the day in view.
        if (static_cast<QKeyEvent*>(event)->modifiers() == Qt::ControlModifier &&
            (key == Qt::Key_C || key == Qt::Key_V)) {
            if (key == Qt::Key_C)
                m_copied = {m_services.doc.CurrentDate(), SelectedEntries(), true};
            else if (m_copied.any)
                CopyInto(m_copied.date, m_copied.ids, m_services.doc.CurrentDate());
            return true;
        }
        const int command = key == Qt::Key_Delete                           ? CommandId::kDelete
                            : key == Qt::Key_Return || key == Qt::Key_Enter ? CommandId::kProperties
                                                                            : 0;
        if (command) {
            if (CommandEnabled(command))
                OnCommand(command);
            return true;
        }
    }
    return CFormView::eventFilter(watched, event);
}

void CFoodDBView::keyPressEvent(QKeyEvent* event)
{
    // Return never reaches a default button of the form.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    CFormView::keyPressEvent(event);
}
