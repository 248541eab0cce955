#include "CServingSizePropertiesDlg.h"

#include "controls/CTransparentStatic.h"
#include "controls/DialogData.h"
#include "controls/Form.h"
#include "profile/NumberFormat.h"

#include <QLineEdit>

#include <limits>

CServingSizePropertiesDlg::CServingSizePropertiesDlg(const QString& description, double weight,
                                                     IMessageBox& messages, QWidget* parent)
    : CFullScreenDialog(tr("Serving size"), tr("Serving size"), QStringLiteral("#serving_sizes"), kTemplate,
                        parent),
      m_messages(messages), m_description(description), m_weight(weight)
{
    m_descriptionField = new QLineEdit(description, this);
    m_descriptionField->setProperty("id", 1120);
    m_descriptionField->setGeometry(6, 32, kWidth - 12, 22);
    Form::Caption(this, tr("Weight:"), 6, 66, 56);
    m_weightField = new QLineEdit(FormatGeneral(weight), this);
    m_weightField->setProperty("id", 1006);
    m_weightField->setGeometry(64, 64, 80, 22);
    Form::Caption(this, QStringLiteral("g"), 148, 66, 20);
    AddButtons();
    m_descriptionField->setFocus();
}

void CServingSizePropertiesDlg::accept()
{
    // Any number will do; only text that is not one is refused.
    const double any = std::numeric_limits<double>::max();
    double weight = 0;
    if (!DialogData::Number(m_messages, m_weightField, -any, any, &weight))
        return;
    m_description = m_descriptionField->text();
    m_weight = weight;
    CFullScreenDialog::accept();
}
