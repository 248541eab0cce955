#pragma once

#include "storage/CProfileTable.h"

#include <QDialog>

#include <array>

class IMessageBox;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QTabWidget;

// "Options": the open profile's settings on five pages (General, Advanced, Display, Warnings,
// Filters). Only OK changes the profile buffer; the caller writes the profile either way.
class COptionPropertySheet : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kRequirementChecks = 16;

    COptionPropertySheet(ProfileRecord& profile, IMessageBox& messages, QWidget* parent = nullptr);

    QTabWidget* Pages() const { return m_pages; }
    void accept() override;

private:
    QWidget* GeneralPage();
    QWidget* AdvancedPage();
    QWidget* DisplayPage();
    QWidget* RequirementsPage(bool warnings);

    ProfileRecord& m_profile;
    IMessageBox& m_messages;
    QTabWidget* m_pages;
    // General
    QRadioButton* m_metric = nullptr;
    QRadioButton* m_dayMonth = nullptr;
    QCheckBox* m_showMealProperties = nullptr;
    // Advanced
    QRadioButton* m_planning = nullptr;
    QRadioButton* m_harrisBenedict = nullptr;
    QRadioButton* m_actualIntake = nullptr;
    QRadioButton* m_userCalories = nullptr;
    QLineEdit* m_calories = nullptr;
    QCheckBox* m_companion = nullptr;
    // Display
    std::array<QComboBox*, ProfileRecord::kSummaryLines> m_lines{};
    std::array<QComboBox*, ProfileRecord::kParams> m_paramNames{};
    std::array<QComboBox*, ProfileRecord::kParams> m_paramUnits{};
    // Warnings and Filters: the master box, then the sixteen checks in bit order.
    std::array<std::array<QCheckBox*, kRequirementChecks + 1>, 2> m_checks{};
};
