#include "CViewProfile.h"

#include "app/ui/CommandId.h"
#include "controls/CColorEdit.h"
#include "controls/CDateEdit.h"
#include "controls/CTransparentStatic.h"
#include "controls/DialogData.h"
#include "controls/Form.h"
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

CViewProfile::CViewProfile(AppServices& services, QWidget* parent) : CFormView(services, kTemplate, parent)
{
    Form::Caption(this, tr("Name:"), 4, 4 + Form::kCaptionBesideField, 44);
    m_name = Form::Field(this, 1005, 50, 4, 184);
    m_name->setMaxLength(ProfileRecord::kMaxNameLength);
    Form::Caption(this, tr("Height:"), 4, 28 + Form::kCaptionBesideField, 44);
    m_height = Form::Field(this, 1006, 50, 28, 50);
    m_heightUnit = Form::Caption(this, QString(), 102, 28 + Form::kCaptionBesideField, 22);
    m_heightUnit->setProperty("id", 1107);
    Form::Caption(this, tr("Age:"), 130, 28 + Form::kCaptionBesideField, 30);
    m_age = Form::Field(this, 1022, 162, 28, 32);
    Form::Caption(this, QStringLiteral("years"), 198, 28 + Form::kCaptionBesideField, 38);
    m_male = Form::Radio(this, 1045, tr("Male"), 50, 52, 70);
    m_female = Form::Radio(this, 1046, tr("Female"), 124, 52, 80);
    Form::Exclusive(this, {m_male, m_female});

    auto* heading = new CTransparentStatic(tr("Diet plan"), this);
    heading->setProperty("id", 1146);
    heading->SetFont(13, 700);
    heading->setGeometry(4, 84, 56, 18);

    Form::Caption(this, tr("Start:"), 4, 108 + Form::kCaptionBesideField, 36);
    m_startDate = new CDateEdit(this);
    m_startDate->setCalendarPopup(true);
    m_startDate->setLocale(QLocale::c());
    m_startDate->setFont(ProgramFont(11));
    m_startDate->setGeometry(40, 108, 88, 22);
    m_startWeight = Form::Field(this, 1007, 132, 108, 56);
    m_weightUnits[0] = Form::Caption(this, QString(), 192, 108 + Form::kCaptionBesideField, 30);
    m_weightUnits[0]->setProperty("id", 1104);
    m_startNeed = Form::LockedField(this, 1009, 132, 130, 56);
    Form::Caption(this, QStringLiteral("kcal"), 192, 130 + Form::kCaptionBesideField, 30);

    Form::Caption(this, tr("Target:"), 4, 156 + Form::kCaptionBesideField, 36);
    m_endDate = Form::LockedField(this, 1014, 40, 156, 88);
    m_targetWeight = Form::Field(this, 1008, 132, 156, 56);
    m_weightUnits[1] = Form::Caption(this, QString(), 192, 156 + Form::kCaptionBesideField, 30);
    m_weightUnits[1]->setProperty("id", 1105);
    m_targetNeed = Form::LockedField(this, 1023, 132, 178, 56);
    Form::Caption(this, QStringLiteral("kcal"), 192, 178 + Form::kCaptionBesideField, 30);

    Form::Caption(this, tr("Weekly weight loss:"), 4, 204 + Form::kCaptionBesideField, 126);
    m_weeklyLoss = Form::Field(this, 1015, 132, 204, 56);
    m_weightUnits[2] = Form::Caption(this, QString(), 192, 204 + Form::kCaptionBesideField, 30);
    m_weightUnits[2]->setProperty("id", 1106);
    m_weekEnergy = Form::LockedField(this, 1016, 132, 226, 56);
    Form::Caption(this, QStringLiteral("kcal"), 192, 226 + Form::kCaptionBesideField, 30);
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
