#include "CMealPropertiesDlg.h"

#include "CTransparentStatic.h"
#include "DataExchange.h"
#include "DialogData.h"
#include "IMessageBox.h"
#include "NumberFormat.h"
#include "QtMessageBox.h"

#include <QLineEdit>
#include <QTimeEdit>

CMealPropertiesDlg::CMealPropertiesDlg(const QString& caption, const IMealPropertiesDialog::Values& values,
                                       QWidget* parent)
    : CFullScreenDialog(caption, caption, QString(), kTemplate, parent), m_values(values)
{
    auto* name = new CTransparentStatic(values.name, this);
    name->setWordWrap(true);
    name->setGeometry(8, kSeparatorY + 6, 224, 32);
    const double servingGrams = values.servings != 0 ? values.grams / values.servings : values.grams;
    auto* servingLabel = new CTransparentStatic(
        QStringLiteral("Servings of %1 (%2 g):")
            .arg(values.servingName.isEmpty() ? QStringLiteral("serving") : values.servingName,
                 FormatGeneral(servingGrams)),
        this);
    servingLabel->setWordWrap(true);
    servingLabel->setGeometry(8, kSeparatorY + 44, 224, 30);
    m_servings = new QLineEdit(FormatGeneral(values.servings), this);
    m_servings->setGeometry(8, kSeparatorY + 76, 80, 22);
    auto* gramsLabel = new CTransparentStatic(QStringLiteral("Grams:"), this);
    gramsLabel->setGeometry(8, kSeparatorY + 106, 224, 16);
    m_grams = new QLineEdit(FormatGeneral(values.grams), this);
    m_grams->setGeometry(8, kSeparatorY + 124, 80, 22);
    auto* timeLabel = new CTransparentStatic(QStringLiteral("Time:"), this);
    timeLabel->setGeometry(8, kSeparatorY + 154, 224, 16);
    m_time = new QTimeEdit(QTime(values.hour, values.minute), this);
    m_time->setDisplayFormat(QStringLiteral("HH:mm"));
    m_time->setGeometry(8, kSeparatorY + 172, 80, 22);
    // Servings set the grams by the serving's weight.
    connect(m_servings, &QLineEdit::textEdited, this, [this, servingGrams](const QString& text) {
        double servings = 0;
        QString ignored;
        if (DataExchange::ToNumber(text, &servings, &ignored))
            m_grams->setText(FormatGeneral(servings * servingGrams));
    });
    AddButtons();
}

void CMealPropertiesDlg::accept()
{
    QtMessageBox messages(this);
    double servings = 0;
    double grams = 0;
    if (!DialogData::Number(messages, m_servings, 0, DialogData::kMaxNumber, &servings) ||
        !DialogData::Number(messages, m_grams, 0, DialogData::kMaxNumber, &grams))
        return;
    m_values.servings = servings;
    m_values.grams = grams;
    m_values.hour = m_time->time().hour();
    m_values.minute = m_time->time().minute();
    CFullScreenDialog::accept();
}
