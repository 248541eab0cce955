#pragma once

#include "app/ui/CFullScreenDialog.h"

class CColorEdit;

// "Body Mass Index": the body weights at the BMI limits 30, 25, 22 (ideal), 20 and 15 for a
// height, in the units in use. Changes nothing.
class CBmiTableDlg : public CFullScreenDialog
{
    Q_OBJECT

public:
    static constexpr int kTemplate = 176;

    explicit CBmiTableDlg(double heightM, QWidget* parent = nullptr);
    CColorEdit* Field(int id) const;
};
