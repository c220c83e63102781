// The reader's start-up as a whole process: the same start-up as the program, with every box
// answered, ended as soon as the main window shows its first page. Prints the resident memory
// at that moment in kB.

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "BenchStartup.h"
#include "windows/MainWindow.h"

namespace {

long ResidentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::strtol(line.c_str() + 6, nullptr, 10);
        }
    }
    return -1;
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qtApp(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    lumra::bench::StartedReader reader;
    if (!reader.Start()) {
        return 2;
    }
    auto& window = reader.App().Main();
    window.show();
    QApplication::processEvents();
    window.repaint();
    std::printf("rss_kb %ld\n", ResidentKilobytes());
    std::fflush(stdout);
    std::_Exit(0);
}
