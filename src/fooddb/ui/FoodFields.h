#pragma once

#include "fooddb/FoodData.h"

#include <QString>

#include <optional>
#include <vector>

class CColorEdit;
class CTransparentStatic;
class IMessageBox;
class QWidget;

// The labelled value fields of the food dialogs: amounts shown for the food's reference weight,
// each with its share of the energy where it has one.
namespace FoodFields {

struct Amount
{
    CColorEdit* field = nullptr;
    Nutrient nutrient = Nutrient::Energy;
    CColorEdit* share = nullptr; // the energy percentage, when shown
    EnergyShare shareOf = EnergyShare::Protein;
};

CTransparentStatic* Caption(QWidget* parent, const QString& text, int x, int y, int width);
// A caption, a field and its unit in a row, and optionally a share field with "%".
Amount Row(QWidget* parent, const QString& caption, int id, Nutrient nutrient, const QString& unit, int x,
           int y, int shareId = 0, EnergyShare shareOf = EnergyShare::Protein);

// The food's amounts for its reference weight (shares 0 when that weight is 0).
void ShowFood(const std::vector<Amount>& amounts, CColorEdit* reference, const FoodData& food);
// Reads every field, each checked against [min, max], into the food per 100 g; nothing is
// taken when one is refused.
bool TakeFood(IMessageBox& messages, const std::vector<Amount>& amounts, CColorEdit* reference, double min,
              double max, FoodData* food);
void Lock(const std::vector<Amount>& amounts, CColorEdit* reference, bool locked);

} // namespace FoodFields
