#include "FoodFields.h"

#include "controls/CColorEdit.h"
#include "controls/CTransparentStatic.h"
#include "controls/DialogData.h"
#include "controls/Form.h"
#include "fooddb/FoodForm.h"
#include "profile/NumberFormat.h"

namespace FoodFields {

CTransparentStatic* Caption(QWidget* parent, const QString& text, int x, int y, int width)
{
    return Form::Caption(parent, text, x, y + 1, width);
}

Amount Row(QWidget* parent, const QString& caption, int id, Nutrient nutrient, const QString& unit, int x,
           int y, int shareId, EnergyShare shareOf)
{
    Caption(parent, caption, x, y, 42);
    Amount a;
    a.nutrient = nutrient;
    a.field = Form::Field(parent, id, x + 44, y, 50);
    Caption(parent, unit, x + 96, y, shareId != 0 ? 14 : 30);
    if (shareId != 0) {
        a.share = Form::Field(parent, shareId, x + 112, y, 42);
        a.share->SetLocked(true);
        a.share->setFocusPolicy(Qt::NoFocus);
        a.shareOf = shareOf;
        Caption(parent, QStringLiteral("%"), x + 156, y, 14);
    }
    return a;
}

namespace {

// Long figures show from their first digit, as an edit field does when it is filled.
void SetNumber(CColorEdit* field, double value)
{
    DialogData::Show(field, FormatGeneral(value));
}

} // namespace

void ShowFood(const std::vector<Amount>& amounts, CColorEdit* reference, const FoodData& food)
{
    const double ref = food.referenceWeight;
    SetNumber(reference, ref);
    for (const Amount& a : amounts) {
        SetNumber(a.field, FoodForm::Shown(food.values[a.nutrient], ref));
        if (a.share)
            SetNumber(a.share, ref == 0 ? 0.0 : food.values.Share(a.shareOf));
    }
}

bool TakeFood(IMessageBox& messages, const std::vector<Amount>& amounts, CColorEdit* reference, double min,
              double max, FoodData* food)
{
    double ref = 0;
    if (!DialogData::Number(messages, reference, min, max, &ref))
        return false;
    std::vector<double> shown(amounts.size());
    for (size_t i = 0; i < amounts.size(); ++i)
        if (!DialogData::Number(messages, amounts[i].field, min, max, &shown[i]))
            return false;
    // Read back with the weight in the field now: changing it re-reads every amount.
    food->referenceWeight = ref;
    for (size_t i = 0; i < amounts.size(); ++i)
        food->values[amounts[i].nutrient] = FoodForm::Stored(shown[i], ref);
    return true;
}

void Lock(const std::vector<Amount>& amounts, CColorEdit* reference, bool locked)
{
    reference->SetLocked(locked);
    for (const Amount& a : amounts)
        a.field->SetLocked(locked);
}

} // namespace FoodFields
