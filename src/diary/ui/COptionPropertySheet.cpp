#include "COptionPropertySheet.h"

#include "app/ui/HelpKey.h"
#include "controls/CTransparentStatic.h"
#include "controls/DialogData.h"
#include "controls/Form.h"
#include "controls/ProgramFont.h"
#include "profile/NumberFormat.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

int DluX(int x)
{
    return (x * 3 + 1) / 2;
}
int DluY(int y)
{
    return (y * 13 + 4) / 8;
}

// The summary-line choices in list order, with the value stored for each.
const std::pair<const char*, int> kLineItems[] = {
    {"", 0},
    {QT_TRANSLATE_NOOP("COptionPropertySheet", "Calorie intake"), 1},
    {QT_TRANSLATE_NOOP("COptionPropertySheet", "Calories required"), 2},
    {QT_TRANSLATE_NOOP("COptionPropertySheet", "Calorie expenditure"), 3},
    {QT_TRANSLATE_NOOP("COptionPropertySheet", "Calorie budget"), 15},
    {QT_TRANSLATE_NOOP("COptionPropertySheet", "Calorie intake/Required calories"), 4},
    {QT_TRANSLATE_NOOP("COptionPropertySheet", "Protein/Protein energy percentage"), 5},
    {QT_TRANSLATE_NOOP("COptionPropertySheet", "Fat/Fat energy percentage"), 6},
    {QT_TRANSLATE_NOOP("COptionPropertySheet", "Saturates/Saturates energy percentage"), 7},
    {QT_TRANSLATE_NOOP("COptionPropertySheet", "Monounsaturates/Monounsaturates energy percentage"), 8},
    {QT_TRANSLATE_NOOP("COptionPropertySheet", "Polyunsaturates/Polyunsaturates energy percentage"), 9},
    {QT_TRANSLATE_NOOP("COptionPropertySheet", "Carbohydrate/Carbohydrate energy percentage"), 10},
    {QT_TRANSLATE_NOOP("COptionPropertySheet", "Alcohol/Alcohol energy percentage"), 11},
    {QT_TRANSLATE_NOOP("COptionPropertySheet", "Sodium"), 12},
    {QT_TRANSLATE_NOOP("COptionPropertySheet", "Cholesterol"), 13},
    {QT_TRANSLATE_NOOP("COptionPropertySheet", "Fiber"), 14},
};

struct Check
{
    int id;
    const char* label;
    int x; // dialog units
    int y;
};
// In bit order 1..16.
const Check kChecks[COptionPropertySheet::kRequirementChecks] = {
    {1072, QT_TRANSLATE_NOOP("COptionPropertySheet", "Energy intake > recommended"), 10, 20},
    {1089, QT_TRANSLATE_NOOP("COptionPropertySheet", "Protein > g"), 10, 35},
    {1132, QT_TRANSLATE_NOOP("COptionPropertySheet", "Protein > %"), 10, 45},
    {1087, QT_TRANSLATE_NOOP("COptionPropertySheet", "Protein < %"), 10, 55},
    {1080, QT_TRANSLATE_NOOP("COptionPropertySheet", "Fat > g"), 10, 65},
    {1088, QT_TRANSLATE_NOOP("COptionPropertySheet", "Fat > %"), 10, 75},
    {1134, QT_TRANSLATE_NOOP("COptionPropertySheet", "Saturates > %"), 10, 85},
    {1135, QT_TRANSLATE_NOOP("COptionPropertySheet", "Monounsat < %"), 10, 95},
    {1136, QT_TRANSLATE_NOOP("COptionPropertySheet", "Polyunsat < %"), 10, 105},
    {1090, QT_TRANSLATE_NOOP("COptionPropertySheet", "Cabohydrate > g"), 10, 115},
    {1137, QT_TRANSLATE_NOOP("COptionPropertySheet", "Cabohydrate > %"), 10, 125},
    {1138, QT_TRANSLATE_NOOP("COptionPropertySheet", "Cabohydrate < %"), 10, 135},
    {1091, QT_TRANSLATE_NOOP("COptionPropertySheet", "Alcohol > g"), 80, 35},
    {1139, QT_TRANSLATE_NOOP("COptionPropertySheet", "Alcohol > %"), 80, 45},
    {1083, QT_TRANSLATE_NOOP("COptionPropertySheet", "Sodium > mg"), 80, 55},
    {1084, QT_TRANSLATE_NOOP("COptionPropertySheet", "Cholesterol > mg"), 80, 65},
};

} // namespace

namespace {

// Tabs with a narrow margin around their text.
class TightTabStyle : public QProxyStyle
{
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        if (metric == PM_TabBarTabHSpace)
            return 8;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

} // namespace

COptionPropertySheet::COptionPropertySheet(ProfileRecord& profile, IMessageBox& messages, QWidget* parent)
    : QDialog(parent), m_profile(profile), m_messages(messages)
{
    HelpKey::SetTopic(this, QStringLiteral("#options_settings"));
    setWindowTitle(tr("Options"));
    setFixedSize(240, 320);
    setFont(ProgramFont(11));
    m_pages = new QTabWidget(this);
    // The five tabs side by side in the 240 pixels, whole: less room around each text.
    auto* tight = new TightTabStyle;
    tight->setParent(m_pages);
    m_pages->tabBar()->setStyle(tight);
    m_pages->setUsesScrollButtons(false);
    m_pages->tabBar()->setElideMode(Qt::ElideNone);
    m_pages->addTab(GeneralPage(), tr("General"));
    m_pages->addTab(AdvancedPage(), tr("Advanced"));
    m_pages->addTab(DisplayPage(), tr("Display"));
    m_pages->addTab(RequirementsPage(true), tr("Warnings"));
    m_pages->addTab(RequirementsPage(false), tr("Filters"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setProperty("id", 1);
    buttons->button(QDialogButtonBox::Cancel)->setProperty("id", 2);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 4);
    layout->addWidget(m_pages);
    layout->addWidget(buttons);
}

QWidget* COptionPropertySheet::GeneralPage()
{
    auto* page = new QWidget;
    page->setProperty("id", 209);
    Form::Caption(page, tr("Measures:"), 6, 6, 220);
    m_metric = Form::Radio(page, 1100, tr("Metrics"), 16, 26, 200);
    QRadioButton* us = Form::Radio(page, 1101, tr("US"), 16, 46, 200);
    Form::Caption(page, tr("Date format:"), 6, 74, 220);
    m_dayMonth = Form::Radio(page, 1129, QStringLiteral("dd-mm-yyyy"), 16, 94, 200);
    QRadioButton* monthDay = Form::Radio(page, 1130, QStringLiteral("mm-dd-yyyy"), 16, 114, 200);
    Form::Exclusive(page, {m_metric, us});
    Form::Exclusive(page, {m_dayMonth, monthDay});
    m_showMealProperties = new QCheckBox(tr("Show meals property on create"), page);
    m_showMealProperties->setProperty("id", 1057);
    m_showMealProperties->setGeometry(6, 146, 220, 20);
    m_metric->setChecked(m_profile.Has(CProfileTable::kMetric));
    us->setChecked(!m_profile.Has(CProfileTable::kMetric));
    m_dayMonth->setChecked(m_profile.Has(CProfileTable::kDayMonthYear));
    monthDay->setChecked(!m_profile.Has(CProfileTable::kDayMonthYear));
    m_showMealProperties->setChecked(m_profile.Has(CProfileTable::kShowMealProperties));
    return page;
}

QWidget* COptionPropertySheet::AdvancedPage()
{
    auto* page = new QWidget;
    page->setProperty("id", 278);
    Form::Caption(page, tr("Filter and warning modes:"), 6, 4, 220);
    m_planning = Form::Radio(page, 1045, tr("Planning mode"), 16, 22, 200);
    QRadioButton* realTime = Form::Radio(page, 1046, tr("Real time mode"), 16, 40, 200);
    Form::Exclusive(page, {m_planning, realTime});
    Form::Caption(page, tr("Method calculating required calories:"), 6, 66, 220);
    m_harrisBenedict = Form::Radio(page, 1182, tr("Harris-Benedict formula"), 16, 84, 200);
    m_actualIntake = Form::Radio(page, 1183, tr("Based on actual food intake"), 16, 102, 200);
    m_userCalories = Form::Radio(page, 1208, tr("Specified by user"), 16, 120, 200);
    Form::Exclusive(page, {m_harrisBenedict, m_actualIntake, m_userCalories});
    auto* label = Form::Caption(page, tr("Required calories:"), 30, 142, 110);
    label->setProperty("id", 1209);
    m_calories = new QLineEdit(page);
    m_calories->setProperty("id", 1005);
    m_calories->setGeometry(140, 142, 50, 20);
    Form::Caption(page, QStringLiteral("kcal"), 194, 142, 30);
    Form::Caption(page, QStringLiteral("Ravelin"), 6, 172, 220);
    m_companion = new QCheckBox(tr("Use exercises from Ravelin"), page);
    m_companion->setProperty("id", 1058);
    m_companion->setGeometry(16, 190, 210, 20);

    const ProfileRecord& p = m_profile;
    if (p.userCalories > 0) {
        m_userCalories->setChecked(true);
        m_calories->setEnabled(true);
        m_calories->setText(FormatGeneral(p.userCalories));
    } else {
        m_calories->setEnabled(false);
        m_calories->setText(QStringLiteral("0"));
        (p.Has(CProfileTable::kCaloriesFromIntake) ? m_actualIntake : m_harrisBenedict)->setChecked(true);
    }
    m_planning->setChecked(p.Has(CProfileTable::kPlanning));
    realTime->setChecked(!p.Has(CProfileTable::kPlanning));
    m_companion->setChecked(p.Has(CProfileTable::kCompanionExercises));
    for (QRadioButton* r : {m_harrisBenedict, m_actualIntake})
        connect(r, &QRadioButton::clicked, this, [this] {
            m_calories->setEnabled(false);
            m_calories->setText(QStringLiteral("0"));
        });
    connect(m_userCalories, &QRadioButton::clicked, this, [this] {
        m_calories->setEnabled(true);
        m_calories->setText(FormatGeneral(RoundTo(m_profile.userCalories, 0)));
    });
    return page;
}

QWidget* COptionPropertySheet::DisplayPage()
{
    auto* page = new QWidget;
    page->setProperty("id", 251);
    Form::Caption(page, tr("Diary view:"), 6, 2, 220);
    const int lineIds[] = {1184, 1055, 1056, 1057, 1058};
    for (int i = 0; i < ProfileRecord::kSummaryLines; ++i) {
        m_lines[i] = new QComboBox(page);
        m_lines[i]->setProperty("id", lineIds[i]);
        m_lines[i]->setGeometry(6, 20 + 22 * i, 220, 20);
        for (const auto& [text, value] : kLineItems)
            m_lines[i]->addItem(tr(text), value);
        m_lines[i]->setCurrentIndex(qMax(0, m_lines[i]->findData(m_profile.summaryLines[i])));
    }
    Form::Caption(page, tr("User Defined Parameters:"), 6, 134, 150);
    Form::Caption(page, tr("Unit:"), 160, 134, 60);
    const int nameIds[] = {1172, 1052, 1053, 1054};
    const int unitIds[] = {1118, 1119, 1120, 1121};
    const QStringList names = {QString(),
                               QStringLiteral("Pulse"),
                               QStringLiteral("BP sys"),
                               QStringLiteral("BP dia"),
                               QStringLiteral("BodyFat"),
                               QStringLiteral("TBW"),
                               QStringLiteral("LBM"),
                               QStringLiteral("Glucose"),
                               QStringLiteral("Sleep"),
                               QStringLiteral("Insulin")};
    const QStringList units = {QString(),
                               QStringLiteral("b/min"),
                               QStringLiteral("in"),
                               QStringLiteral("%"),
                               QStringLiteral("kg"),
                               QStringLiteral("lbs"),
                               QStringLiteral("mg/dL"),
                               QStringLiteral("Hrs"),
                               QStringLiteral("Units")};
    for (int k = 0; k < ProfileRecord::kParams; ++k) {
        for (auto [boxes, ids, items, texts, x, w] :
             {std::tuple{&m_paramNames, nameIds, &names, &m_profile.paramNames, 6, 150},
              std::tuple{&m_paramUnits, unitIds, &units, &m_profile.paramUnits, 160, 66}}) {
            auto* box = new QComboBox(page);
            box->setProperty("id", ids[k]);
            box->setEditable(true);
            box->addItems(*items);
            box->setGeometry(x, 152 + 22 * k, w, 20);
            // A stored text that is no suggestion is shown as it is.
            box->setCurrentText((*texts)[k]);
            (*boxes)[k] = box;
        }
    }
    return page;
}

QWidget* COptionPropertySheet::RequirementsPage(bool warnings)
{
    auto* page = new QWidget;
    page->setProperty("id", warnings ? 187 : 185);
    const quint32 mask = warnings ? m_profile.warningsMask : m_profile.filtersMask;
    auto& boxes = m_checks[warnings ? 0 : 1];
    boxes[0] = new QCheckBox(warnings ? tr("Warnings enabled") : tr("Filters enabled"), page);
    boxes[0]->setProperty("id", warnings ? 1085 : 1057);
    boxes[0]->setGeometry(DluX(5), DluY(5), 200, 18);
    boxes[0]->setChecked(mask & 1u);
    for (int bit = 1; bit <= kRequirementChecks; ++bit) {
        const Check& c = kChecks[bit - 1];
        auto* box = new QCheckBox(tr(c.label), page);
        box->setProperty("id", c.id);
        box->setFont(ProgramFont(10));
        // A check alone on its row may use the whole row.
        const bool alone = std::none_of(std::begin(kChecks), std::end(kChecks),
                                        [&c](const Check& o) { return o.y == c.y && o.x != c.x; });
        box->setGeometry(DluX(c.x), DluY(c.y), alone ? 220 - DluX(c.x) : c.x < 80 ? DluX(70) : DluX(72), 16);
        box->setChecked(mask & (1u << bit));
        boxes[static_cast<size_t>(bit)] = box;
    }
    return page;
}

void COptionPropertySheet::accept()
{
    // Everything is read and checked first: a refused number changes nothing.
    double calories = 0;
    if (m_userCalories->isChecked() &&
        !DialogData::Number(m_messages, m_calories, 0, DialogData::kMaxNumber, &calories)) {
        m_pages->setCurrentIndex(1);
        return;
    }
    ProfileRecord& p = m_profile;
    // General
    p.Set(CProfileTable::kMetric, m_metric->isChecked());
    p.Set(CProfileTable::kDayMonthYear, m_dayMonth->isChecked());
    p.Set(CProfileTable::kShowMealProperties, m_showMealProperties->isChecked());
    // Advanced
    if (m_harrisBenedict->isChecked()) {
        p.Set(CProfileTable::kCaloriesFromIntake, false);
        p.userCalories = 0;
    } else if (m_actualIntake->isChecked()) {
        p.Set(CProfileTable::kCaloriesFromIntake, true);
        p.userCalories = 0;
    } else {
        p.userCalories = calories;
    }
    p.Set(CProfileTable::kPlanning, m_planning->isChecked());
    p.Set(CProfileTable::kCompanionExercises, m_companion->isChecked());
    // Display
    for (int i = 0; i < ProfileRecord::kSummaryLines; ++i)
        p.summaryLines[i] = m_lines[i]->currentData().toInt();
    for (int k = 0; k < ProfileRecord::kParams; ++k) {
        p.paramNames[k] = m_paramNames[k]->currentText();
        p.paramUnits[k] = m_paramUnits[k]->currentText();
    }
    // Warnings and Filters: the mask is rebuilt from the boxes.
    for (int page = 0; page < 2; ++page) {
        quint32 mask = m_checks[page][0]->isChecked() ? 1u : 0u;
        for (int bit = 1; bit <= kRequirementChecks; ++bit)
            if (m_checks[page][static_cast<size_t>(bit)]->isChecked())
                mask |= 1u << bit;
        (page == 0 ? p.warningsMask : p.filtersMask) = mask;
    }
    QDialog::accept();
}
