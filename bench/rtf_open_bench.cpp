// Opening a large statement in the exercise area: the real main window opens an exercise whose
// statement is a generated RTF file, as the chooser does, and the clock runs until the area has
// painted. One process per case, so that the peak memory (getrusage) is the case's own.
//   tavir_rtf_open_bench text MEGABYTES   French paragraphs with headings, accents and bold
//   tavir_rtf_open_bench paragraph MEGABYTES   one paragraph of ordinary words
//   tavir_rtf_open_bench word MEGABYTES   one word of that many megabytes
// Prints "open <case>: <ms> ms, then longest stall <ms> ms, peak memory <MB> MB, shown: yes|refused".
#include <sys/resource.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "core/files/record_file.hpp"
#include "ui/exercises/exercise_area.hpp"
#include "paint_watcher.hpp"
#include "ui/mainwindow/main_window.hpp"

namespace {

// About `bytes` of shown text, in paragraphs like the shipped statements, written as it is
// made: the bench's own peak memory must not hold the file.
bool writeStatement(const QString& path, std::size_t bytes) {
    std::ofstream file(path.toStdString(), std::ios::binary);
    const std::string sentence =
        "Le m\\'e9thane est le principal constituant du gaz naturel\\~; sa mol\\'e9cule est form\\'e9e d'un "
        "atome de carbone et de quatre atomes d'hydrog\\'e8ne, et ses liaisons forment des angles de 109\\'b0. ";
    file << "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}"
            "{\\colortbl;\\red0\\green0\\blue200;}\r\n";
    std::size_t shown = 0;
    for (int paragraph = 0; shown < bytes; ++paragraph) {
        if (paragraph % 20 == 0) {
            file << "\\pard\\ql\\plain\\f0\\fs24\\b\\cf1 Partie " << paragraph / 20 + 1 << "\\par\r\n";
            shown += 10;
        }
        file << "\\pard\\ql\\li360\\plain\\f0\\fs22 " << sentence << sentence << "{\\b r\\'e8gle de l'octet}\\par\r\n";
        shown += 2 * 180 + 16;
    }
    file << "}\r\n";
    return static_cast<bool>(file);
}

std::string oneParagraph(std::size_t bytes) {
    std::string words;
    while (words.size() < bytes) words += "atome de carbone ";
    return "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 " + words + "\\par}";
}

std::string oneWord(std::size_t bytes) {
    return "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 " + std::string(bytes, 'a') + "\\par}";
}

long peakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;  // kilobytes on Linux
}

bool writeFile(const QString& path, const std::string& bytes) {
    std::ofstream out(path.toStdString(), std::ios::binary);
    out << bytes;
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const std::string kind = argc > 1 ? argv[1] : "";
    const double megabytes = argc > 2 ? std::atof(argv[2]) : 0;
    if ((kind != "text" && kind != "paragraph" && kind != "word") || !(megabytes > 0)) {
        std::fprintf(stderr, "usage: %s text|paragraph|word MEGABYTES\n", argv[0]);
        return 2;
    }
    const auto bytes = static_cast<std::size_t>(megabytes * 1024 * 1024);

    QTemporaryDir folder;
    const QString exercise = folder.filePath(QStringLiteral("grand.E06"));
    const auto record = tavir::encodeRecord("enonce.rtf");
    const QString text = folder.filePath(QStringLiteral("enonce.rtf"));
    if (!folder.isValid() || !record || !writeFile(exercise, *record) ||
        !(kind == "text" ? writeStatement(text, bytes) : writeFile(text, kind == "paragraph" ? oneParagraph(bytes) : oneWord(bytes)))) {
        std::fprintf(stderr, "open: cannot write the test files\n");
        return 2;
    }

    tavir::ui::MainWindow window;
    window.show();
    auto* supertext = window.findChild<QTextEdit*>(QStringLiteral("supertext"));
    // A refused file answers with a message box: close it at once so that the run ends.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    });
    closer.start(50);
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 300) QApplication::processEvents(QEventLoop::AllEvents, 20);

    tavir::bench::PaintWatcher watcher;
    supertext->viewport()->installEventFilter(&watcher);
    QElapsedTimer clock;
    clock.start();
    const bool shown = window.exercises()->openExercise(exercise);
    watcher.painted = false;
    supertext->viewport()->update();
    while (!watcher.painted) QApplication::processEvents(QEventLoop::AllEvents, 5);
    const double ms = clock.nsecsElapsed() / 1e6;
    // Then the window must stay responsive while the rest of the text is laid out: the longest
    // wait between two turns of the event loop over the next two seconds.
    double stall = 0;
    QElapsedTimer gap;
    QElapsedTimer after;
    gap.start();
    after.start();
    while (after.elapsed() < 2000) {
        QApplication::processEvents(QEventLoop::AllEvents, 5);
        stall = std::max(stall, gap.nsecsElapsed() / 1e6);
        gap.restart();
    }
    std::printf("open %s %g MB: %.0f ms, then longest stall %.0f ms, peak memory %ld MB, shown: %s\n", kind.c_str(),
                megabytes, ms, stall, peakMegabytes(), shown ? "yes" : "refused");
    // The area's text is now modified for the window: leave without its closing questions.
    std::fflush(stdout);
    std::_Exit(0);
}
