#pragma once

#include <QDialog>

// The About box: the product picture, name, version and two grey lines; OK only.
class CAboutBox : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kTemplate = 100;
    explicit CAboutBox(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
