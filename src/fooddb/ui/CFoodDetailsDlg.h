#pragma once

#include "app/ui/CFullScreenDialog.h"
#include "fooddb/ui/FoodFields.h"

class CColorEdit;

// "Food properties (details)": all twelve amounts of a food with their energy shares. It works on
// a copy; the result is the copy as last applied or confirmed.
class CFoodDetailsDlg : public CFullScreenDialog
{
    Q_OBJECT

public:
    static constexpr int kTemplate = 175;

    CFoodDetailsDlg(const FoodData& food, bool readOnly, IMessageBox& messages, QWidget* parent = nullptr);

    const FoodData& Result() const { return m_result; }
    bool Apply();
    void accept() override;
    void reject() override;

private:
    IMessageBox& m_messages;
    FoodData m_result;
    FoodData m_work;
    std::vector<FoodFields::Amount> m_amounts;
    CColorEdit* m_reference;
};
