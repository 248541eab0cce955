#include "CMainFrame.h"

#include <QApplication>
#include <QImage>

#include <gtest/gtest.h>

namespace {

QApplication& App()
{
    static int argc = 1;
    static char arg0[] = "gui_tests";
    static char* argv[] = {arg0, nullptr};
    static QApplication app(argc, argv);
    return app;
}

} // namespace

TEST(MainFrame, IsTheLogicalScreenTitledVellamo)
{
    App();
    CMainFrame frame;
    frame.show();
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("Vellamo"));
    EXPECT_EQ(frame.size(), QSize(240, 320));
    const QImage shot = frame.grab().toImage();
    EXPECT_EQ(shot.size() / shot.devicePixelRatio(), QSize(240, 320));
}
