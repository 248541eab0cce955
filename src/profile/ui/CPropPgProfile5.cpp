#include "CPropPgProfile5.h"

#include "controls/CTransparentStatic.h"
#include "diary/CFoodDBDoc.h"
#include "profile/PlanSummary.h"

CPropPgProfile5::CPropPgProfile5(CFoodDBDoc& doc, IMessageBox& messages, QWidget* parent)
    : CProfilePage(doc, messages, tr("Summary"), parent)
{
    Text(1198, tr("Please review the details of your diet plan below."), 30, 34);
    Label(tr("Start:"), 6, 72, 60);
    m_startDate = Value(1202, 70, 72, 80);
    m_startWeight = Value(1104, 154, 72, 70);
    Label(tr("Target:"), 6, 94, 60);
    m_targetDate = Value(1203, 70, 94, 80);
    m_targetWeight = Value(1105, 154, 94, 70);
    m_changeLabel = Value(1205, 6, 116, 144);
    m_change = Value(1204, 154, 116, 70);
    m_sentence = Text(1150, QString(), 146, 50);
    m_sentence->SetTextColor(Qt::black);
    Text(1199, tr("Tap Finish to complete the setup of your Profile. "), 206, 34);
    AddPageButtons(kPrevious | kFinish);
}

CTransparentStatic* CPropPgProfile5::Value(int id, int x, int y, int width)
{
    CTransparentStatic* v = Label(QString(), x, y, width);
    v->setProperty("id", id);
    return v;
}

void CPropPgProfile5::OnSetActive()
{
    const PlanSummary s = PlanSummary::Of(m_doc.Profiles());
    m_startDate->setText(s.startDate);
    m_targetDate->setText(s.targetDate);
    m_startWeight->setText(s.startWeight);
    m_targetWeight->setText(s.targetWeight);
    m_changeLabel->setText(s.changeLabel);
    m_change->setText(s.change);
    m_sentence->setText(s.sentence);
}
