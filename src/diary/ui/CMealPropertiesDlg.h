#pragma once

#include "CFullScreenDialog.h"
#include "IMealPropertiesDialog.h"

class QLineEdit;
class QTimeEdit;

// The amount and time of a meal: servings of its serving size, or grams.
class CMealPropertiesDlg : public CFullScreenDialog
{
    Q_OBJECT

public:
    static constexpr int kTemplate = 212;

    CMealPropertiesDlg(const QString& caption, const IMealPropertiesDialog::Values& values,
                       QWidget* parent = nullptr);
    const IMealPropertiesDialog::Values& Result() const { return m_values; }
    void accept() override;

private:
    IMealPropertiesDialog::Values m_values;
    QLineEdit* m_servings;
    QLineEdit* m_grams;
    QTimeEdit* m_time;
};
