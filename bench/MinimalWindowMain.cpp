// The baseline of the start-up: a Qt program that shows one empty window and ends once it is
// painted.

#include <QApplication>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qtApp(argc, argv);
    QWidget window;
    window.resize(640, 480);
    window.show();
    QApplication::processEvents();
    window.repaint();
    std::fflush(stdout);
    std::_Exit(0);
}
