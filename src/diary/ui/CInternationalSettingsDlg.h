#pragma once

#include "app/ui/CFullScreenDialog.h"

class QRadioButton;

// The first run's question for date format and measures; Finish sets the two flags of the
// profile buffer and the measures in use.
class CInternationalSettingsDlg : public CFullScreenDialog
{
    Q_OBJECT

public:
    static constexpr int kTemplate = 276;

    explicit CInternationalSettingsDlg(quint32* flags, QWidget* parent = nullptr);
    void accept() override;

private:
    quint32* m_flags;
    QRadioButton* m_dayMonth;
    QRadioButton* m_monthDay;
    QRadioButton* m_metric;
    QRadioButton* m_us;
};
