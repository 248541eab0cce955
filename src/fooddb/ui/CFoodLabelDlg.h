#pragma once

#include "fooddb/FoodLabel.h"

#include <QDialog>

class RecordStore;

// "Food label": one food's nutrition facts for a serving, on the whole screen until the next tap.
class CFoodLabelDlg : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kTemplate = 250;

    CFoodLabelDlg(RecordStore& store, quint32 foodId, QWidget* parent = nullptr);
    const FoodLabel& Label() const { return m_label; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void accept() override {} // only a tap ends it

private:
    FoodLabel m_label;
};
