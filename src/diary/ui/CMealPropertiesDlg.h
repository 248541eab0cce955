#pragma once

#include "app/ui/CFullScreenDialog.h"
#include "diary/IMealPropertiesDialog.h"
#include "diary/ui/TimeOfDayFields.h"

#include <memory>

class IMessageBox;
class QComboBox;
class QLineEdit;
class RecordStore;

// The amount and time of a meal: a number of servings of a serving size of the food, or plain
// grams. As "Food Serving Size" it sets an ingredient's amount, without the time of day.
class CMealPropertiesDlg : public CFullScreenDialog
{
    Q_OBJECT

public:
    static constexpr int kTemplate = 212;
    static constexpr int kTimeControlsHeight = 64;

    CMealPropertiesDlg(const QString& caption, const IMealPropertiesDialog::Values& values, bool timeControls,
                       RecordStore& store, IMessageBox& messages, QWidget* parent = nullptr);
    ~CMealPropertiesDlg() override;

    const IMealPropertiesDialog::Values& Result() const { return m_values; }
    void accept() override;

private:
    static constexpr double kMinServings = 0.01;
    static constexpr double kMaxServings = 999;
    void ServingSizeChosen(int index);

    IMealPropertiesDialog::Values m_values;
    RecordStore& m_store;
    IMessageBox& m_messages;
    QComboBox* m_servingSize;
    QLineEdit* m_weight;
    QComboBox* m_servings;
    QString m_shownServings; // the text the stored servings opened with
    std::unique_ptr<TimeOfDayFields> m_timeOfDay;
};
