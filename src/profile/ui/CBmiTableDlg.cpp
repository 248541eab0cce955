#include "CBmiTableDlg.h"

#include "controls/CColorEdit.h"
#include "controls/CTransparentStatic.h"
#include "profile/EnergyRules.h"
#include "profile/Measures.h"
#include "profile/NumberFormat.h"

namespace {

struct Row
{
    const char* label;
    const char* sign;
    double bmi;
    int editId;
    int unitId;
};
constexpr Row kRows[] = {
    {QT_TRANSLATE_NOOP("CBmiTableDlg", "Severe obesity:"), ">", 30, 1009, 1110},
    {QT_TRANSLATE_NOOP("CBmiTableDlg", "Moderate obesity:"), ">", 25, 1006, 1111},
    {QT_TRANSLATE_NOOP("CBmiTableDlg", "Ideal weight:"), "", 22, 1005, 1112},
    {QT_TRANSLATE_NOOP("CBmiTableDlg", "Moderate underweight:"), "<", 20, 1007, 1113},
    {QT_TRANSLATE_NOOP("CBmiTableDlg", "Severe underweight:"), "<", 15, 1008, 1114},
};

} // namespace

CBmiTableDlg::CBmiTableDlg(double heightM, QWidget* parent)
    : CFullScreenDialog(tr("Body Mass Index"), tr("Body Mass Index"),
                        QStringLiteral("#views_profile_settings"), kTemplate, parent)
{
    TitleLine()->SetFont(13, 700);
    const QString unit = IsMetric() ? QStringLiteral("kg") : QStringLiteral("lbs");
    int y = kSeparatorY + 12;
    for (const Row& r : kRows) {
        auto* label = new CTransparentStatic(tr(r.label), this);
        label->SetFont(13);
        label->setGeometry(6, y + 1, 128, 18);
        auto* sign = new CTransparentStatic(tr(r.sign), this);
        sign->SetFont(13);
        sign->setGeometry(136, y + 1, 10, 18);
        auto* edit = new CColorEdit(this);
        edit->setProperty("id", r.editId);
        edit->SetLocked(true);
        edit->setAlignment(Qt::AlignRight);
        edit->setGeometry(148, y, 52, 20);
        edit->setText(FormatFixed(RoundTo(KgToDisplay(WeightForBmi(heightM, r.bmi)), 1), 0, 1));
        auto* unitLabel = new CTransparentStatic(unit, this);
        unitLabel->setProperty("id", r.unitId);
        unitLabel->SetFont(13);
        unitLabel->setGeometry(204, y + 1, 32, 18);
        y += 28;
    }
    AddButtons(tr("OK"), false);
}

CColorEdit* CBmiTableDlg::Field(int id) const
{
    for (CColorEdit* e : findChildren<CColorEdit*>())
        if (e->property("id").toInt() == id)
            return e;
    return nullptr;
}
