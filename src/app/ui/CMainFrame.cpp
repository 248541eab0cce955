#include "CMainFrame.h"

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Vellamo"));
    setFixedSize(kScreenWidth, kScreenHeight);
}
