#include "CFoodDetailsDlg.h"

#include "app/ui/CommandId.h"
#include "controls/CColorEdit.h"
#include "controls/DialogData.h"
#include "controls/Form.h"
#include "fooddb/FoodRecords.h"
#include "fooddb/ui/FoodIcons.h"

#include <QAction>
#include <QToolBar>

#include <limits>

using FoodFields::Row;

CFoodDetailsDlg::CFoodDetailsDlg(const FoodData& food, bool readOnly, IMessageBox& messages, QWidget* parent)
    : CFullScreenDialog(tr("Food properties (details)"), tr("Food properties (details)"),
                        QStringLiteral("#nutrition_database_details"), kTemplate, parent),
      m_messages(messages), m_result(food), m_work(food)
{
    const QString g = QStringLiteral("g");
    const QString mg = QStringLiteral("mg");
    struct Line
    {
        const char* caption;
        int id;
        Nutrient nutrient;
        int shareId;
        EnergyShare share;
    };
    const Line lines[] = {
        {QT_TRANSLATE_NOOP("CFoodDetailsDlg", "Prot:"), 1022, Nutrient::Protein, 1041, EnergyShare::Protein},
        {QT_TRANSLATE_NOOP("CFoodDetailsDlg", "Fat:"), 1023, Nutrient::Fat, 1042, EnergyShare::Fat},
        {QT_TRANSLATE_NOOP("CFoodDetailsDlg", "Satu:"), 1028, Nutrient::Saturates, 1044,
         EnergyShare::Saturates},
        {QT_TRANSLATE_NOOP("CFoodDetailsDlg", "Mono:"), 1029, Nutrient::Monounsaturates, 1045,
         EnergyShare::Monounsaturates},
        {QT_TRANSLATE_NOOP("CFoodDetailsDlg", "Poly:"), 1030, Nutrient::Polyunsaturates, 1046,
         EnergyShare::Polyunsaturates},
        {QT_TRANSLATE_NOOP("CFoodDetailsDlg", "Carb:"), 1024, Nutrient::Carbohydrate, 1043,
         EnergyShare::Carbohydrate},
        {QT_TRANSLATE_NOOP("CFoodDetailsDlg", "Alco:"), 1026, Nutrient::Alcohol, 1038, EnergyShare::Alcohol},
    };
    int y = 28;
    for (const Line& l : lines) {
        m_amounts.push_back(Row(this, tr(l.caption), l.id, l.nutrient, g, 4, y, l.shareId, l.share));
        y += 22;
    }
    // Sugar is kept but not shown.
    FoodFields::Amount sugar{Form::Field(this, 1031, 0, 0, 0), Nutrient::Sugar,
                             Form::Field(this, 1039, 0, 0, 0), EnergyShare::Sugar};
    sugar.field->hide();
    sugar.share->hide();
    sugar.share->SetLocked(true);
    m_amounts.push_back(sugar);

    FoodFields::Caption(this, tr("Ref.wgt:"), 4, y, 48);
    m_reference = Form::Field(this, 1027, 52, y, 50);
    FoodFields::Caption(this, g, 104, y, 14);
    m_amounts.push_back({Form::Field(this, 1006, 172, y, 42), Nutrient::Energy});
    FoodFields::Caption(this, tr("Calories:"), 122, y, 50);
    FoodFields::Caption(this, QStringLiteral("kcal"), 216, y, 24);
    y += 22;
    m_amounts.push_back(Row(this, tr("Sodium:"), 1034, Nutrient::Sodium, mg, 4, y));
    FoodFields::Caption(this, tr("Cholest:"), 122, y, 50);
    m_amounts.push_back({Form::Field(this, 1025, 172, y, 42), Nutrient::Cholesterol});
    FoodFields::Caption(this, mg, 216, y, 24);
    y += 22;
    m_amounts.push_back(Row(this, tr("Fiber:"), 1033, Nutrient::Fiber, g, 4, y));

    auto* bar = new QToolBar(this);
    bar->setIconSize(QSize(16, 16));
    bar->setGeometry(0, kHeight - 56, kWidth, 24);
    QAction* apply = bar->addAction(FoodIcons::ForCommand(CommandId::kApplyFood), tr("Apply"));
    apply->setToolTip(tr("Apply"));
    connect(apply, &QAction::triggered, this, &CFoodDetailsDlg::Apply);
    AddButtons();

    FoodFields::ShowFood(m_amounts, m_reference, m_work);
    FoodFields::Lock(m_amounts, m_reference, readOnly);
}

bool CFoodDetailsDlg::Apply()
{
    const double any = std::numeric_limits<double>::max();
    if (!FoodFields::TakeFood(m_messages, m_amounts, m_reference, -any, any, &m_work))
        return false;
    ComputeFoodPercentages(m_work.values);
    FoodFields::ShowFood(m_amounts, m_reference, m_work);
    m_result = m_work;
    return true;
}

void CFoodDetailsDlg::accept()
{
    const double any = std::numeric_limits<double>::max();
    if (!FoodFields::TakeFood(m_messages, m_amounts, m_reference, -any, any, &m_work))
        return;
    ComputeFoodPercentages(m_work.values);
    m_result = m_work;
    CFullScreenDialog::accept();
}

void CFoodDetailsDlg::reject()
{
    if (DialogData::ConfirmCancel(m_messages))
        CFullScreenDialog::reject();
}
