#pragma once

#include "app/ui/CFullScreenDialog.h"
#include "storage/CProfileTable.h"

#include <vector>

class IMessageBox;
class QLineEdit;

// "Diet goals": the daily goals of the open profile, in grams and as shares of energy, for
// sodium, cholesterol and fiber, and for each named day parameter. OK stores into the profile
// buffer; the caller writes the profile.
class CDietGoalsDlg : public CFullScreenDialog
{
    Q_OBJECT

public:
    static constexpr int kTemplate = 186;

    CDietGoalsDlg(ProfileRecord& profile, IMessageBox& messages, QWidget* parent = nullptr);

    QLineEdit* Field(int id) const;
    void accept() override;
    void reject() override;

private:
    struct Binding
    {
        QLineEdit* edit;
        double* value;
    };

    QLineEdit* AddEdit(int id, double* value, int x, int y);

    ProfileRecord& m_profile;
    IMessageBox& m_messages;
    std::vector<Binding> m_bindings;
};
