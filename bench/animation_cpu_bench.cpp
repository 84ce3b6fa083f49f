// CPU used by the program while it animates: the real main window on a real X display (run it
// under Xvfb), a shipped series loaded so that construction 1 turns in the 3D view, left alone
// at the default interval. Only the animating period is counted, not the start-up.
//   tavir_animation_cpu_bench SERIES.C01 [SECONDS]
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "ui/mainwindow/main_window.hpp"

namespace {
double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}
}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s SERIES.C01 [SECONDS]\n", argv[0]);
        return 2;
    }
    const double seconds = argc > 2 ? std::atof(argv[2]) : 10.0;
    if (!(seconds > 0)) {
        std::fprintf(stderr, "animation: bad duration %s\n", argv[2]);
        return 2;
    }

    tavir::ui::MainWindow window;
    window.show();
    if (!window.loadSeries(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "animation: cannot load %s\n", argv[1]);
        return 1;
    }
    auto* timer = window.findChild<QTimer*>(QStringLiteral("Timer1"));
    if (!timer || !timer->isActive()) {
        std::fprintf(stderr, "animation: the 3D view's timer is not running\n");
        return 1;
    }
    int ticks = 0;
    QObject::connect(timer, &QTimer::timeout, [&ticks] { ++ticks; });

    // Let the first paints and the series' redraw pass before measuring.
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 1000) QApplication::processEvents(QEventLoop::AllEvents, 50);

    ticks = 0;
    const double cpuBefore = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    // exit(), not quit(): quit() would close the window, which asks the closing questions.
    QTimer::singleShot(static_cast<int>(seconds * 1000), Qt::PreciseTimer, &app, [] { QCoreApplication::exit(0); });
    QApplication::exec();
    const double wallSeconds = static_cast<double>(wall.nsecsElapsed()) / 1e9;
    const double cpu = cpuSeconds() - cpuBefore;

    // A window that did not animate would use no CPU and pass for fast: insist on the ticks
    // and on a drawn frame.
    const int interval = timer->interval();
    const double expectedTicks = wallSeconds * 1000.0 / interval;
    const auto& view = window.workspace().view();
    if (ticks < expectedTicks * 0.8 || view.d3d.cleared() || !view.lastTick) {
        std::fprintf(stderr, "animation: the 3D view did not animate (%d ticks, %.0f expected)\n", ticks,
                     expectedTicks);
        return 1;
    }
    std::printf("animating at %d ms for %.1f s: %d ticks, %.3f s of CPU, %.2f %% of one core\n", interval,
                wallSeconds, ticks, cpu, 100.0 * cpu / wallSeconds);
    std::fflush(stdout);
    return 0;
}
