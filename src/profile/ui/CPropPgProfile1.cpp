#include "CPropPgProfile1.h"

#include "controls/CTransparentStatic.h"
#include "controls/DialogData.h"
#include "diary/CFoodDBDoc.h"
#include "profile/NumberFormat.h"

#include "controls/Form.h"
#include <QLineEdit>

#include <QRadioButton>

CPropPgProfile1::CPropPgProfile1(CFoodDBDoc& doc, IMessageBox& messages, QWidget* parent)
    : CProfilePage(doc, messages, tr("Personal settings"), parent)
{
    Text(1198, tr("Please enter your name, height, age and gender. "), 30, 34);
    Label(tr("Name:"), 6, 72, 50);
    m_name = Field(1005, 60, 72, 174);
    m_name->setMaxLength(ProfileRecord::kMaxNameLength);
    Label(tr("Height:"), 6, 100, 50);
    m_height = Field(1195, 60, 100, 60);
    m_heightUnit = Label(QString(), 124, 100, 30);
    m_heightUnit->setProperty("id", 1107);
    Label(tr("Age:"), 6, 128, 50);
    m_age = Field(1022, 60, 128, 40);
    m_male = Form::Radio(this, 1045, tr("Male"), 60, 158, 70);
    m_female = Form::Radio(this, 1046, tr("Female"), 136, 158, 80);
    Form::Exclusive(this, {m_male, m_female});
    Text(1199, tr("When finished tap Next to proceed. "), 200, 34);
    AddPageButtons(kNext);
}

void CPropPgProfile1::OnSetActive()
{
    const ProfileRecord& p = m_doc.Profile();
    DialogData::Show(m_name, p.name);
    DialogData::Show(m_age, QString::number(p.age));
    DialogData::Show(m_height, FormatGeneral(m_doc.Profiles().HeightForDisplay()));
    (p.gender == 1 ? m_male : m_female)->setChecked(true);
    m_heightUnit->setText(p.Has(CProfileTable::kMetric) ? QStringLiteral("cm") : QStringLiteral("in"));
}

bool CPropPgProfile1::OnKillActive()
{
    double height = 0;
    qint64 age = 0;
    if (!DialogData::Number(m_messages, m_height, 0, DialogData::kMaxNumber, &height) ||
        !DialogData::Integer(m_messages, m_age, 0, 32767, &age))
        return false;
    ProfileRecord& p = m_doc.Profile();
    p.name = m_name->text();
    p.age = static_cast<qint16>(age);
    m_doc.Profiles().SetHeightFromDisplay(height);
    p.gender = m_male->isChecked() ? 1 : 0;
    return true;
}
