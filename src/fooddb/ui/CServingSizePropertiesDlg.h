#pragma once

#include "app/ui/CFullScreenDialog.h"

class IMessageBox;
class QLineEdit;

// "Serving size": the description and weight of one serving size.
class CServingSizePropertiesDlg : public CFullScreenDialog
{
    Q_OBJECT

public:
    static constexpr int kTemplate = 227;

    CServingSizePropertiesDlg(const QString& description, double weight, IMessageBox& messages,
                              QWidget* parent = nullptr);

    QString Description() const { return m_description; }
    double Weight() const { return m_weight; }
    void accept() override;

private:
    IMessageBox& m_messages;
    QLineEdit* m_descriptionField;
    QLineEdit* m_weightField;
    QString m_description;
    double m_weight;
};
