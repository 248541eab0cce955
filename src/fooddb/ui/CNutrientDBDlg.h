#pragma once

#include "CFullScreenDialog.h"

class CFoodDBDoc;
class QLineEdit;
class QListWidget;

// "Nutrient database" in its choosing form: every food by name, narrowed by the typed text,
// and, when filtered, only the foods that still fit the day.
class CNutrientDBDlg : public CFullScreenDialog
{
    Q_OBJECT

public:
    static constexpr int kTemplate = 161;

    CNutrientDBDlg(CFoodDBDoc& doc, bool filtered, QWidget* parent = nullptr);

    quint32 ChosenFood() const { return m_foodId; }
    QString ChosenName() const { return m_name; }
    QListWidget* Foods() const { return m_list; }
    void accept() override;

private:
    void Narrow(const QString& text);

    QLineEdit* m_search;
    QListWidget* m_list;
    quint32 m_foodId = 0;
    QString m_name;
};
