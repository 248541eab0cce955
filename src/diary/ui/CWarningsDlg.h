#pragma once

#include <QDialog>

class QListWidget;

// "Warnings": the messages of the requirements the day breaks, in alphabetical order.
class CWarningsDlg : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kTemplate = 190;

    explicit CWarningsDlg(quint32 violated, QWidget* parent = nullptr);
    QStringList Messages() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QListWidget* m_list;
};
