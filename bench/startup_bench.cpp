// Start-up: from the window's construction to its first paint, in-process, 20 runs.
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "paint_watcher.hpp"
#include "ui/mainwindow/main_window.hpp"

int main(int argc, char** argv) {
    QElapsedTimer processClock;
    processClock.start();
    QApplication app(argc, argv);
    std::vector<double> runs;
    for (int run = 0; run < 20; ++run) {
        QElapsedTimer clock;
        clock.start();
        auto* window = new tavir::ui::MainWindow;
        tavir::bench::PaintWatcher watcher;
        window->installEventFilter(&watcher);
        window->show();
        while (!watcher.painted) QApplication::processEvents(QEventLoop::AllEvents, 5);
        runs.push_back(clock.nsecsElapsed() / 1e6);
        if (run == 0) std::printf("first run (cold, with QApplication): %.1f ms\n", processClock.nsecsElapsed() / 1e6);
        window->removeEventFilter(&watcher);
        delete window;
    }
    std::vector<double> sorted = runs;
    std::sort(sorted.begin(), sorted.end());
    std::printf("start-up to first paint over %zu runs: median %.1f ms, min %.1f ms, max %.1f ms\n", sorted.size(),
                (sorted[9] + sorted[10]) / 2, sorted.front(), sorted.back());
    return 0;
}
