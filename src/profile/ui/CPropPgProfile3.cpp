#include "CPropPgProfile3.h"

#include "controls/CTransparentStatic.h"
#include "controls/DialogData.h"
#include "diary/CFoodDBDoc.h"
#include "platform/IMessageBox.h"
#include "profile/EnergyRules.h"
#include "profile/NumberFormat.h"
#include "profile/ui/CBmiChartDlg.h"

#include <QCoreApplication>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>

CPropPgProfile3::CPropPgProfile3(CFoodDBDoc& doc, IMessageBox& messages, QWidget* parent)
    : CProfilePage(doc, messages, tr("Diet plan - Target"), parent)
{
    Text(1198,
         QCoreApplication::translate(
             "CPropPgProfile3",
             "Please enter the target date of your diet and your target weight. Tap the Body Mass "
             "Index button to determin your ideal weight."),
         28, 50);
    Label(tr("Target date:"), 6, 80, 74);
    m_date = DatePicker(1148);
    Label(tr("Target weight:"), 6, 110, 74);
    m_weight = Field(1006, 82, 110, 60);
    m_unit = Label(QString(), 146, 110, 30);
    m_unit->setProperty("id", 1105);
    connect(Button(1010, tr("Body Mass Index"), 82, 144, 110), &QPushButton::clicked, this,
            &CPropPgProfile3::ShowBmiChart);
    AddPageButtons(kPrevious | kNext);
}

void CPropPgProfile3::OnSetActive()
{
    const ProfileRecord& p = m_doc.Profile();
    ShowDate(m_date, TargetDateFromWeeklyLoss(p.startDate, p.startWeight, p.targetWeight, p.weeklyLoss));
    DialogData::Show(m_weight, FormatGeneral(m_doc.Profiles().TargetWeightForDisplay()));
    m_unit->setText(WeightUnit());
}

bool CPropPgProfile3::OnKillActive()
{
    double weight = 0;
    if (!DialogData::Number(m_messages, m_weight, 0, DialogData::kMaxNumber, &weight))
        return false;
    ProfileRecord& p = m_doc.Profile();
    // A plan ends after it starts: an earlier date would turn the loss into a gain.
    if (PickedDate(m_date).Ticks() < p.startDate.Date().Ticks()) {
        m_messages.Tell(tr("The target date cannot be before the start date of the diet."),
                        IMessageBox::Icon::Stop);
        m_date->setFocus();
        return false;
    }
    // The weight first: the weekly loss is derived from it.
    m_doc.Profiles().SetTargetWeightFromDisplay(weight);
    p.weeklyLoss = WeeklyLossFromTargetDate(p.startWeight, p.targetWeight, p.startDate, PickedDate(m_date));
    return true;
}

void CPropPgProfile3::ShowBmiChart()
{
    CBmiChartDlg chart(m_doc.Profile().height, m_doc.WeightOnDay(m_doc.TheClock().Today()), window());
    chart.exec();
}
