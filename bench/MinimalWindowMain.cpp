// The baseline of the start-up: a Qt program that shows one empty window and ends once it is
// painted. With --one-line the window shows one line of text, which is what any window with
// text pays for the fonts before it does anything of its own.

#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const bool oneLine = argc > 1 && std::strcmp(argv[1], "--one-line") == 0;
    QApplication qtApp(argc, argv);
    QWidget window;
    if (oneLine) {
        new QLabel(QStringLiteral("In the name of God, the Gracious, the Merciful."), &window);
    }
    window.resize(640, 480);
    window.show();
    QApplication::processEvents();
    window.repaint();
    std::fflush(stdout);
    std::_Exit(0);
}
