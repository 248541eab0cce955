#include "CMealPropertiesDlg.h"

#include "controls/CTransparentStatic.h"
#include "controls/DialogData.h"
#include "controls/Form.h"
#include "profile/NumberFormat.h"
#include "storage/CMeasuresTable.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

const char* const kServings[] = {"0.25", "0.50", "0.75", "1.00", "1.25", "1.50",
                                 "1.75", "2.00", "2.50", "3.00", "4.00", "5.00"};

} // namespace

CMealPropertiesDlg::CMealPropertiesDlg(const QString& caption, const IMealPropertiesDialog::Values& values,
                                       bool timeControls, RecordStore& store, IMessageBox& messages,
                                       QWidget* parent)
    : CFullScreenDialog(caption, caption, QString(), kTemplate, parent), m_values(values), m_store(store),
      m_messages(messages)
{
    auto* name = new QLineEdit(this);
    DialogData::Show(name, values.name); // the start of a long name, not its end
    name->setProperty("id", 1005);
    name->setReadOnly(true);
    name->setGeometry(6, 30, kWidth - 12, 22);

    Form::Caption(this, tr("Serving size:"), 6, 60 + Form::kCaptionBesideField, 86);
    m_servingSize = new QComboBox(this);
    m_servingSize->setProperty("id", 1121);
    m_servingSize->setEditable(true);
    m_servingSize->setGeometry(96, 60, kWidth - 102, 22);
    CMeasuresTable sizes(store);
    for (RecordOid o = sizes.FirstOfFood(values.foodId); o; o = sizes.NextOfFood(values.foodId))
        if (sizes.Load())
            m_servingSize->addItem(sizes.Buffer().description, sizes.Buffer().id);
    m_servingSize->setCurrentIndex(m_servingSize->findText(values.servingName, Qt::MatchExactly));
    m_servingSize->setEditText(values.servingName);

    Form::Caption(this, tr("Weight"), 6, 88 + Form::kCaptionBesideField, 86);
    m_weight = new QLineEdit(this);
    m_weight->setProperty("id", 1006);
    m_weight->setGeometry(96, 88, 80, 22);
    Form::Caption(this, QStringLiteral("g"), 180, 88 + Form::kCaptionBesideField, 20);

    Form::Caption(this, tr("Number of servings:"), 6, 116 + Form::kCaptionBesideField, 126);
    m_servings = new QComboBox(this);
    m_servings->setProperty("id", 1119);
    for (const char* s : kServings)
        m_servings->addItem(QString::fromLatin1(s));
    m_servings->setCurrentIndex(m_servings->findText(QStringLiteral("1.00")));
    m_servings->setGeometry(136, 116, 64, 22);
    // Any number of servings may also be typed (comma or point).
    m_servings->setEditable(true);
    m_servings->setInsertPolicy(QComboBox::NoInsert);
    double perServing = 0;
    if (values.servings > 0) {
        int i = 0;
        while (i < m_servings->count() && m_servings->itemText(i).toDouble() != values.servings)
            ++i;
        if (i == m_servings->count())
            m_servings->addItem(QString::number(values.servings, 'f', 2));
        m_servings->setCurrentIndex(i);
        perServing = values.grams / values.servings;
    }
    m_shownServings = m_servings->currentText();
    m_weight->setText(FormatGeneral(perServing));

    m_timeOfDay = std::make_unique<TimeOfDayFields>(this, 148, values.hour, values.minute);
    if (!timeControls) {
        m_timeOfDay->SetVisible(false);
        setFixedSize(kWidth, kHeight - kTimeControlsHeight);
    }
    connect(m_servingSize, &QComboBox::activated, this, &CMealPropertiesDlg::ServingSizeChosen);
    AddButtons();
    m_weight->setFocus();
}

CMealPropertiesDlg::~CMealPropertiesDlg() = default;

void CMealPropertiesDlg::ServingSizeChosen(int index)
{
    if (index < 0)
        return;
    // Read anew: the list holds only names and ids.
    CMeasuresTable sizes(m_store);
    const quint32 id = m_servingSize->itemData(index).toUInt();
    m_weight->setText(FormatGeneral(sizes.ServingWeight(id)));
}

void CMealPropertiesDlg::accept()
{
    double perServing = 0;
    if (!DialogData::Number(m_messages, m_weight, 0, DialogData::kMaxNumber, &perServing))
        return;
    // Servings left as shown keep the stored figure, which the two decimals shown may round.
    double servings = m_values.servings;
    if (m_servings->currentText() != m_shownServings || servings <= 0) {
        if (!DialogData::Number(m_messages, m_servings->lineEdit(), kMinServings, kMaxServings, &servings))
            return;
    }
    m_values.hour = m_timeOfDay->Hour();
    m_values.minute = m_timeOfDay->Minute();
    m_values.servingName = m_servingSize->currentText();
    m_values.servings = servings;
    m_values.grams = perServing * m_values.servings;
    CFullScreenDialog::accept();
}
