#pragma once

#include <QMainWindow>

// The program's one window: the 240 x 320 logical screen.
class CMainFrame : public QMainWindow
{
    Q_OBJECT

public:
    static constexpr int kScreenWidth = 240;
    static constexpr int kScreenHeight = 320;

    explicit CMainFrame(QWidget* parent = nullptr);
};
