#include "CPropPgProfile2.h"

#include "controls/CTransparentStatic.h"
#include "controls/DialogData.h"
#include "diary/CFoodDBDoc.h"
#include "profile/NumberFormat.h"

#include <QLineEdit>

CPropPgProfile2::CPropPgProfile2(CFoodDBDoc& doc, IMessageBox& messages, QWidget* parent)
    : CProfilePage(doc, messages, tr("Diet plan - Start"), parent)
{
    Text(1198, tr("Please enter the start date of your diet and your start weight."), 30, 44);
    Label(tr("Start date:"), 6, 80, 74);
    m_date = DatePicker(1196);
    Label(tr("Start weight:"), 6, 110, 74);
    m_weight = Field(1197, 82, 110, 60);
    m_unit = Label(QString(), 146, 110, 30);
    m_unit->setProperty("id", 1104);
    AddPageButtons(kPrevious | kNext);
}

void CPropPgProfile2::OnSetActive()
{
    ShowDate(m_date, m_doc.Profile().startDate);
    DialogData::Show(m_weight, FormatGeneral(m_doc.Profiles().StartWeightForDisplay()));
    m_unit->setText(WeightUnit());
}

bool CPropPgProfile2::OnKillActive()
{
    double weight = 0;
    if (!DialogData::Number(m_messages, m_weight, 0, DialogData::kMaxNumber, &weight))
        return false;
    m_doc.Profile().startDate = PickedDate(m_date);
    m_doc.Profiles().SetStartWeightFromDisplay(weight);
    return true;
}
