#pragma once

#include "storage/CProfileTable.h"

#include <QDialog>

#include <array>

class IMessageBox;
class QCheckBox;
class QComboBox;
class QLineEdit;

// "Meals pattern": which of the six meals are eaten, at what hour and with what share of the
// day's energy. OK stores into the profile buffer only when the enabled shares add up to 100;
// the caller writes the profile.
class CMealsPatternDlg : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kTemplate = 192;
    static constexpr int kMeals = ProfileRecord::kMeals;

    CMealsPatternDlg(ProfileRecord& profile, IMessageBox& messages, QWidget* parent = nullptr);

    QCheckBox* Enabled(int meal) const { return m_on[meal]; }
    QComboBox* Hour(int meal) const { return m_hour[meal]; }
    QLineEdit* Share(int meal) const { return m_share[meal]; }

    void accept() override;
    void reject() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ProfileRecord& m_profile;
    IMessageBox& m_messages;
    std::array<QCheckBox*, kMeals> m_on{};
    std::array<QComboBox*, kMeals> m_hour{};
    std::array<QLineEdit*, kMeals> m_share{};
};
