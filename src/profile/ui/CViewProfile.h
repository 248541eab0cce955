#pragma once

#include "app/ui/CFormView.h"

class CColorEdit;
class CTransparentStatic;
class QDateEdit;
class QDialog;
class QLineEdit;
class QRadioButton;

// The profile view: the open profile's personal data and diet plan, edited in place, with the
// energy needs derived from them.
class CViewProfile : public CFormView
{
    Q_OBJECT

public:
    static constexpr int kTemplate = 169;

    explicit CViewProfile(AppServices& services, QWidget* parent = nullptr);

    void OnInitialUpdate() override;
    void OnDocumentUpdate() override;
    bool OnCommand(int id) override;

    QLineEdit* Edit(int id) const;
    QDateEdit* StartDatePicker() const { return m_startDate; }
    QRadioButton* Male() const { return m_male; }
    // Reads and checks every field, then stores them in the profile and writes it.
    bool Apply();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Runs a dialog that changes the profile, keeping what is typed in the view.
    void RunKeepingTyped(QDialog& dialog);
    void Show();

    QLineEdit* m_name;
    QLineEdit* m_height;
    QLineEdit* m_age;
    QRadioButton* m_male;
    QRadioButton* m_female;
    QDateEdit* m_startDate;
    QLineEdit* m_startWeight;
    QLineEdit* m_targetWeight;
    QLineEdit* m_weeklyLoss;
    CColorEdit* m_startNeed;
    CColorEdit* m_targetNeed;
    CColorEdit* m_endDate;
    CColorEdit* m_weekEnergy;
    CTransparentStatic* m_heightUnit;
    CTransparentStatic* m_weightUnits[3];
};
