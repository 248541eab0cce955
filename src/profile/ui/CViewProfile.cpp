#include "CViewProfile.h"

#include "app/ui/CommandId.h"
#include "controls/CColorEdit.h"
#include "controls/CDateEdit.h"
#include "controls/CTransparentStatic.h"
#include "controls/DialogData.h"
#include "controls/ProgramFont.h"
#include "diary/CFoodDBDoc.h"
#include "diary/ui/CMealsPatternDlg.h"
#include "platform/IMessageBox.h"
#include "platform/LocalDateTime.h"
#include "profile/DateRules.h"
#include "profile/EnergyRules.h"
#include "profile/Measures.h"
#include "profile/NumberFormat.h"
#include "profile/ui/CBmiTableDlg.h"
#include "profile/ui/CDietGoalsDlg.h"

#include <QDialog>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>

namespace {

CTransparentStatic* Label(QWidget* parent, const QString& text, int x, int y, int w)
{
    return CTransparentStatic::Caption(parent, text, x, y + 2, w);
}

CColorEdit* Field(QWidget* parent, int id, int x, int y, int w, bool locked = false)
{
    auto* e = new CColorEdit(parent);
    e->setProperty("id", id);
    e->setGeometry(x, y, w, 20);
    if (locked) {
        e->SetLocked(true);
        e->setFocusPolicy(Qt::NoFocus);
    }
    return e;
}

} // namespace

CViewProfile::CViewProfile(AppServices& services, QWidget* parent) : CFormView(services, kTemplate, parent)
{
    Label(this, QStringLiteral("Name:"), 4, 4, 44);
    m_name = Field(this, 1005, 50, 4, 184);
    m_name->setMaxLength(ProfileRecord::kMaxNameLength);
    Label(this, QStringLiteral("Height:"), 4, 28, 44);
    m_height = Field(this, 1006, 50, 28, 50);
    m_heightUnit = Label(this, QString(), 102, 28, 22);
    m_heightUnit->setProperty("id", 1107);
    Label(this, QStringLiteral("Age:"), 130, 28, 30);
    m_age = Field(this, 1022, 162, 28, 32);
    Label(this, QStringLiteral("years"), 198, 28, 38);
    m_male = new QRadioButton(QStringLiteral("Male"), this);
    m_male->setProperty("id", 1045);
    m_male->setGeometry(50, 52, 70, 20);
    m_female = new QRadioButton(QStringLiteral("Female"), this);
    m_female->setProperty("id", 1046);
    m_female->setGeometry(124, 52, 80, 20);

    auto* heading = new CTransparentStatic(QStringLiteral("Diet plan"), this);
    heading->setProperty("id", 1146);
    heading->SetFont(13, 700);
    heading->setGeometry(4, 84, 56, 18);

    Label(this, QStringLiteral("Start:"), 4, 108, 36);
    m_startDate = new CDateEdit(this);
    m_startDate->setCalendarPopup(true);
    m_startDate->setLocale(QLocale::c());
    m_startDate->setFont(ProgramFont(11));
    m_startDate->setGeometry(40, 108, 88, 22);
    m_startWeight = Field(this, 1007, 132, 108, 56);
    m_weightUnits[0] = Label(this, QString(), 192, 108, 30);
    m_weightUnits[0]->setProperty("id", 1104);
    m_startNeed = Field(this, 1009, 132, 130, 56, true);
    Label(this, QStringLiteral("kcal"), 192, 130, 30);

    Label(this, QStringLiteral("Target:"), 4, 156, 36);
    m_endDate = Field(this, 1014, 40, 156, 88, true);
    m_targetWeight = Field(this, 1008, 132, 156, 56);
    m_weightUnits[1] = Label(this, QString(), 192, 156, 30);
    m_weightUnits[1]->setProperty("id", 1105);
    m_targetNeed = Field(this, 1023, 132, 178, 56, true);
    Label(this, QStringLiteral("kcal"), 192, 178, 30);

    Label(this, QStringLiteral("Weekly weight loss:"), 4, 204, 126);
    m_weeklyLoss = Field(this, 1015, 132, 204, 56);
    m_weightUnits[2] = Label(this, QString(), 192, 204, 30);
    m_weightUnits[2]->setProperty("id", 1106);
    m_weekEnergy = Field(this, 1016, 132, 226, 56, true);
    Label(this, QStringLiteral("kcal"), 192, 226, 30);
}

QLineEdit* CViewProfile::Edit(int id) const
{
    for (QLineEdit* e : findChildren<QLineEdit*>())
        if (e->property("id").toInt() == id)
            return e;
    return nullptr;
}

void CViewProfile::OnInitialUpdate()
{
    Show();
}

void CViewProfile::OnDocumentUpdate()
{
    Show();
}

void CViewProfile::Show()
{
    CFoodDBDoc& doc = m_services.doc;
    if (!doc.HasOpenProfile())
        return;
    const ProfileRecord& p = doc.Profile();
    CProfileTable& table = doc.Profiles();
    const bool metric = p.Has(CProfileTable::kMetric);
    const bool dayMonth = p.Has(CProfileTable::kDayMonthYear);
    DialogData::Show(m_name, p.name);
    DialogData::Show(m_age, QString::number(p.age));
    m_male->setChecked(p.gender == 1);
    m_female->setChecked(p.gender != 1);
    DialogData::Show(m_height, FormatGeneral(table.HeightForDisplay()));
    DialogData::Show(m_startWeight, FormatGeneral(table.StartWeightForDisplay()));
    DialogData::Show(m_targetWeight, FormatGeneral(table.TargetWeightForDisplay()));
    DialogData::Show(m_weeklyLoss, FormatGeneral(table.WeeklyLossForDisplay()));
    m_startDate->setDisplayFormat(dayMonth ? QStringLiteral("dd-MM-yyyy") : QStringLiteral("MM-dd-yyyy"));
    const LocalDateTime start = p.startDate.ToLocal();
    m_startDate->setDate(QDate(start.year, start.month, start.day));
    const bool male = p.gender == 1;
    DialogData::Show(m_startNeed,
                     FormatGeneral(HarrisBenedict(p.height, p.startWeight, p.age, male) * ActivityFactor()));
    DialogData::Show(m_targetNeed,
                     FormatGeneral(HarrisBenedict(p.height, p.targetWeight, p.age, male) * ActivityFactor()));
    DialogData::Show(m_weekEnergy, FormatGeneral(p.weeklyLoss * 7000));
    DialogData::Show(m_endDate, DateText(TargetDateFromWeeklyLoss(p.startDate, p.startWeight, p.targetWeight,
                                                                  p.weeklyLoss),
                                         dayMonth));
    m_heightUnit->setText(metric ? QStringLiteral("cm") : QStringLiteral("in"));
    for (CTransparentStatic* u : m_weightUnits)
        u->setText(metric ? QStringLiteral("kg") : QStringLiteral("lbs"));
}

bool CViewProfile::Apply()
{
    IMessageBox& box = m_services.messages;
    qint64 age = 0;
    double height = 0;
    double start = 0;
    double target = 0;
    double weekly = 0;
    // Every field is checked before anything is stored.
    if (!DialogData::Integer(box, m_age, 0, 32767, &age) ||
        !DialogData::Number(box, m_height, 0, DialogData::kMaxNumber, &height) ||
        !DialogData::Number(box, m_startWeight, 0, DialogData::kMaxNumber, &start) ||
        !DialogData::Number(box, m_targetWeight, 0, DialogData::kMaxNumber, &target) ||
        !DialogData::Number(box, m_weeklyLoss, -DialogData::kMaxNumber, DialogData::kMaxNumber, &weekly))
        return false;
    CFoodDBDoc& doc = m_services.doc;
    CProfileTable& table = doc.Profiles();
    ProfileRecord& p = doc.Profile();
    p.age = static_cast<qint16>(age);
    table.SetHeightFromDisplay(height);
    p.name = m_name->text();
    table.SetStartWeightFromDisplay(start);
    table.SetTargetWeightFromDisplay(target);
    p.gender = m_male->isChecked() ? 1 : 0;
    table.SetWeeklyLossFromDisplay(weekly);
    const QDate d = m_startDate->date();
    p.startDate = FileTime::FromDate(d.year(), d.month(), d.day());
    doc.SaveProfile();
    doc.UpdateAllViews();
    return true;
}

bool CViewProfile::OnCommand(int id)
{
    switch (id) {
    case CommandId::kApply:
        Apply();
        return true;
    case CommandId::kBodyMassIndex: {
        // The height as typed, in metres.
        double height = 0;
        if (!DialogData::Number(m_services.messages, m_height, 0, DialogData::kMaxNumber, &height))
            return true;
        CBmiTableDlg dialog(DisplayToCm(height) * 0.01, window());
        dialog.exec();
        return true;
    }
    case CommandId::kDietGoals: {
        CDietGoalsDlg dialog(m_services.doc.Profile(), m_services.messages, window());
        RunKeepingTyped(dialog);
        return true;
    }
    case CommandId::kMealsPattern: {
        CMealsPatternDlg dialog(m_services.doc.Profile(), m_services.messages, window());
        RunKeepingTyped(dialog);
        return true;
    }
    default:
        return false;
    }
}

void CViewProfile::RunKeepingTyped(QDialog& dialog)
{
    if (dialog.exec() != QDialog::Accepted)
        return;
    // The dialog's change is stored and every view updated; what is typed here and not yet
    // applied stays as typed.
    std::vector<std::pair<CColorEdit*, QString>> typed;
    for (CColorEdit* e : findChildren<CColorEdit*>(QString(), Qt::FindDirectChildrenOnly))
        if (!e->IsLocked())
            typed.emplace_back(e, e->text());
    const bool male = m_male->isChecked();
    const QDate start = m_startDate->date();
    m_services.doc.SaveProfile();
    m_services.doc.UpdateAllViews();
    for (const auto& [field, text] : typed)
        DialogData::Show(field, text);
    m_male->setChecked(male);
    m_female->setChecked(!male);
    m_startDate->setDate(start);
}

void CViewProfile::paintEvent(QPaintEvent* event)
{
    CFormView::paintEvent(event);
    QPainter p(this);
    p.drawLine(60, 94, 235, 94);
}
