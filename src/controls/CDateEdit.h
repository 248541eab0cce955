#pragma once

#include <QDateEdit>

// A date field that takes digits where the user points: a click selects the part of the date
// under the pointer, and digits typed at the start of a part replace it. A plain date field
// inserts them beside the digits already there and then refuses the longer number.
class CDateEdit : public QDateEdit
{
    Q_OBJECT

public:
    explicit CDateEdit(QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool AtStartOfPart() const;
};
