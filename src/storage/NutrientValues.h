#pragma once

#include <array>

// The twelve nutrient amounts, in the order of the import file's nutrient columns.
enum class Nutrient : int
{
    Energy,          // kcal
    Protein,         // g
    Fat,             // g
    Saturates,       // g
    Monounsaturates, // g
    Polyunsaturates, // g
    Carbohydrate,    // g
    Sugar,           // g
    Alcohol,         // g
    Cholesterol,     // mg
    Fiber,           // g
    Sodium,          // mg
};
constexpr int kNutrientCount = 12;

// Shares of energy derived from the amounts.
enum class EnergyShare : int
{
    Protein,
    Fat,
    Saturates,
    Monounsaturates,
    Polyunsaturates,
    Carbohydrate,
    Sugar,
    Alcohol,
};
constexpr int kEnergyShareCount = 8;

struct NutrientValues
{
    std::array<double, kNutrientCount> amounts{};
    std::array<double, kEnergyShareCount> percentages{}; // 0..100

    double& operator[](Nutrient n) { return amounts[static_cast<int>(n)]; }
    double operator[](Nutrient n) const { return amounts[static_cast<int>(n)]; }
    double& Share(EnergyShare s) { return percentages[static_cast<int>(s)]; }
    double Share(EnergyShare s) const { return percentages[static_cast<int>(s)]; }

    bool operator==(const NutrientValues&) const = default;
};
