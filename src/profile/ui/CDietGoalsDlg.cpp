#include "CDietGoalsDlg.h"

#include "controls/CTransparentStatic.h"
#include "controls/DialogData.h"
#include "controls/Form.h"
#include "platform/IMessageBox.h"
#include "profile/NumberFormat.h"

#include <QLineEdit>

#include <limits>

namespace {

constexpr int kRow = 17;
constexpr int kTop = 28;
// A label stands a pixel below its row's top, in the dialog's type.
constexpr int kLabelDrop = 1;
constexpr int kLabelHeight = 15;

} // namespace

QLineEdit* CDietGoalsDlg::AddEdit(int id, double* value, int x, int y)
{
    auto* e = new QLineEdit(FormatGeneral(*value), this);
    e->setProperty("id", id);
    e->setAlignment(Qt::AlignRight);
    e->setGeometry(x, y, 52, 16);
    m_bindings.push_back({e, value});
    return e;
}

CDietGoalsDlg::CDietGoalsDlg(ProfileRecord& profile, IMessageBox& messages, QWidget* parent)
    : CFullScreenDialog(tr("Diet goals"), tr("Diet goals"), QStringLiteral("#views_profile_settings"),
                        kTemplate, parent),
      m_profile(profile), m_messages(messages)
{
    struct Row
    {
        const char* label;
        EnergyShare share;
        int gramId;
        int percentId;
    };
    const Row rows[] = {
        {QT_TRANSLATE_NOOP("CDietGoalsDlg", "Prot:"), EnergyShare::Protein, 1022, 1041},
        {QT_TRANSLATE_NOOP("CDietGoalsDlg", "Fat:"), EnergyShare::Fat, 1023, 1042},
        {QT_TRANSLATE_NOOP("CDietGoalsDlg", "Satu:"), EnergyShare::Saturates, 1027, 1044},
        {QT_TRANSLATE_NOOP("CDietGoalsDlg", "Mono:"), EnergyShare::Monounsaturates, 1028, 1045},
        {QT_TRANSLATE_NOOP("CDietGoalsDlg", "Poly:"), EnergyShare::Polyunsaturates, 1029, 1046},
        {QT_TRANSLATE_NOOP("CDietGoalsDlg", "Carb:"), EnergyShare::Carbohydrate, 1024, 1043},
        {QT_TRANSLATE_NOOP("CDietGoalsDlg", "Alco:"), EnergyShare::Alcohol, 1026, 1038},
    };
    int y = kTop;
    for (const Row& r : rows) {
        const int i = static_cast<int>(r.share);
        Form::Label(this, tr(r.label), 6, y + kLabelDrop, 50, kLabelHeight);
        AddEdit(r.gramId, &profile.amountGoals[i], 60, y);
        Form::Label(this, QStringLiteral("g"), 115, y + kLabelDrop, 20, kLabelHeight);
        AddEdit(r.percentId, &profile.shareGoals[i], 140, y);
        Form::Label(this, QStringLiteral("%"), 195, y + kLabelDrop, 20, kLabelHeight);
        y += kRow;
    }
    // Sugar's goals are kept, not shown.
    const int sugar = static_cast<int>(EnergyShare::Sugar);
    AddEdit(1030, &profile.amountGoals[sugar], 60, y)->hide();
    AddEdit(1039, &profile.shareGoals[sugar], 140, y)->hide();
    Form::Label(this, tr("Sodium:"), 6, y + kLabelDrop, 54, kLabelHeight);
    AddEdit(1033, &profile.sodiumGoal, 60, y);
    Form::Label(this, QStringLiteral("mg"), 115, y + kLabelDrop, 24, kLabelHeight);
    y += kRow;
    Form::Label(this, tr("Cholest:"), 6, y + kLabelDrop, 54, kLabelHeight);
    AddEdit(1025, &profile.cholesterolGoal, 60, y);
    Form::Label(this, QStringLiteral("mg"), 115, y + kLabelDrop, 24, kLabelHeight);
    y += kRow;
    Form::Label(this, tr("Fiber:"), 6, y + kLabelDrop, 54, kLabelHeight);
    AddEdit(1032, &profile.fiberGoal, 60, y);
    Form::Label(this, QStringLiteral("g"), 115, y + kLabelDrop, 24, kLabelHeight);
    y += kRow + 4;
    const int labelIds[] = {1173, 1174, 1175, 1176};
    const int editIds[] = {1010, 1009, 1008, 1011};
    const int unitIds[] = {1111, 1110, 1109, 1112};
    for (int k = 0; k < ProfileRecord::kParams; ++k) {
        const bool named = !profile.paramNames[k].isEmpty();
        CTransparentStatic* label =
            Form::Label(this, named ? profile.paramNames[k] + QLatin1Char(':') : QString(), 6, y + kLabelDrop,
                        110, kLabelHeight);
        label->setProperty("id", labelIds[k]);
        QLineEdit* edit = AddEdit(editIds[k], &profile.paramGoals[k], 120, y);
        edit->setVisible(named);
        CTransparentStatic* unit = Form::Label(this, named ? profile.paramUnits[k] : QString(), 175,
                                               y + kLabelDrop, 60, kLabelHeight);
        unit->setProperty("id", unitIds[k]);
        if (named)
            y += kRow;
    }
    AddButtons();
}

QLineEdit* CDietGoalsDlg::Field(int id) const
{
    for (const Binding& b : m_bindings)
        if (b.edit->property("id").toInt() == id)
            return b.edit;
    return nullptr;
}

void CDietGoalsDlg::accept()
{
    // Every field first; no range: negative goals and shares above 100 are kept as typed.
    std::vector<double> values;
    constexpr double kAny = std::numeric_limits<double>::max();
    for (const Binding& b : m_bindings) {
        double v = 0;
        if (!DialogData::Number(m_messages, b.edit, -kAny, kAny, &v))
            return;
        values.push_back(v);
    }
    for (size_t i = 0; i < m_bindings.size(); ++i)
        *m_bindings[i].value = values[i];
    CFullScreenDialog::accept();
}

void CDietGoalsDlg::reject()
{
    if (!DialogData::ConfirmCancel(m_messages))
        return;
    CFullScreenDialog::reject();
}
