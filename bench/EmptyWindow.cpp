// The baseline of the start-up figure: a Qt Widgets program that shows an empty 240 x 320
// window, draws it once and ends.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(240, 320);
    window.show();
    window.repaint();
    return 0;
}
