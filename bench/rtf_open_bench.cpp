// Opening a large statement in the exercise area: the real main window opens an exercise whose
// statement is a generated RTF file, as the chooser does, and the clock runs until the area has
// painted. One process per case, so that the peak memory (getrusage) is the case's own.
//   tavir_rtf_open_bench text MEGABYTES   French paragraphs with headings, accents and bold
//   tavir_rtf_open_bench paragraph MEGABYTES   one paragraph of ordinary words
//   tavir_rtf_open_bench word MEGABYTES   one word of that many megabytes
// Documents made of structure, COUNT of each:
//   tavir_rtf_open_bench lines COUNT        line breaks (\line) in one paragraph
//   tavir_rtf_open_bench tabs COUNT         tabs (\tab) in one paragraph
//   tavir_rtf_open_bench paragraphs COUNT   empty paragraphs (\par)
//   tavir_rtf_open_bench cells COUNT        one table row of that many cells
//   tavir_rtf_open_bench rows COUNT         table rows of two cells
//   tavir_rtf_open_bench runs COUNT         bold and plain letters in turn, COUNT runs
//   tavir_rtf_open_bench limits 1           just below every limit of the area at once
// COUNT may be "limit" (the area's own limit for that kind) or "10x" (ten times it).
// A refused text is timed to its message box.
// Prints "open <case>: <ms> ms, then longest stall <ms> ms, peak memory <MB> MB, shown: yes|refused".
#include <sys/resource.h>

#include <QApplication>
#include <QDialog>
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
#include <string_view>

#include "core/files/record_file.hpp"
#include "core/richtext/shown_limits.hpp"
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

std::string repeated(std::string_view piece, long count) {
    std::string out;
    out.reserve(piece.size() * static_cast<std::size_t>(count));
    for (long i = 0; i < count; ++i) out += piece;
    return out;
}

// The structural documents, as an audit's recipes wrote them.
std::string structure(const std::string& kind, long count) {
    const std::string head = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 ";
    if (kind == "lines") return head + "a" + repeated("\\line ", count) + "\\par}";
    if (kind == "tabs") return head + "a" + repeated("\\tab ", count) + "\\par}";
    if (kind == "paragraphs") return head + repeated("\\par ", count) + "}";
    if (kind == "rows") return head + repeated("\\trowd\\cellx1000\\cellx2000\\intbl a\\cell b\\cell\\row ", count) + "}";
    if (kind == "runs") return head + repeated("\\b x\\b0 y", count / 2) + "\\par}";
    if (kind == "limits") {
        // 1,000 cells, 19,902 paragraphs, 19,801 runs, 19,400 line breaks and 19,000 tabs.
        return head + repeated("\\trowd\\cellx1000\\cellx2000\\intbl a\\cell b\\cell\\row ", 500) + "\\pard " +
               repeated("\\par ", 18900) + repeated("\\b x\\b0 y\\line ", 9400) + "\\par a" +
               repeated("\\line ", 10000) + repeated("\\tab ", 19000) + "\\par}";
    }
    // cells
    std::string row = head + "\\trowd";
    for (long i = 1; i <= count; ++i) row += "\\cellx" + std::to_string(i * 20);
    return row + "\\intbl " + repeated("a\\cell ", count) + "\\row}";
}

// The area's limit for a kind, in the bench's own counts.
long limitOf(const std::string& kind) {
    if (kind == "lines") return static_cast<long>(tavir::kMaxShownLineBreaks);
    if (kind == "paragraphs") return static_cast<long>(tavir::kMaxShownParagraphs);
    if (kind == "tabs") return static_cast<long>(tavir::kMaxShownTabs);
    if (kind == "cells") return static_cast<long>(tavir::kMaxShownCells);
    if (kind == "rows") return static_cast<long>(tavir::kMaxShownCells / 2);
    if (kind == "runs") return static_cast<long>(tavir::kMaxShownRuns);
    return 1;
}

bool isStructure(const std::string& kind) {
    return kind == "lines" || kind == "tabs" || kind == "paragraphs" || kind == "cells" || kind == "rows" || kind == "runs" ||
           kind == "limits";
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

// Notes when the first dialog shows, on `clock`, and closes every dialog.
class RefusalWatcher : public QObject {
public:
    explicit RefusalWatcher(const QElapsedTimer& clock) : clock_(clock) {}
    double at = -1;  // ms, or -1 before any dialog

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            if (auto* dialog = qobject_cast<QDialog*>(watched)) {
                if (at < 0 && clock_.isValid()) at = clock_.nsecsElapsed() / 1e6;
                QTimer::singleShot(0, dialog, &QDialog::reject);
            }
        }
        return false;
    }

private:
    const QElapsedTimer& clock_;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const std::string kind = argc > 1 ? argv[1] : "";
    const std::string amount = argc > 2 ? argv[2] : "";
    const double megabytes = amount == "limit" ? limitOf(kind) : amount == "10x" ? 10 * limitOf(kind) : std::atof(amount.c_str());
    if ((kind != "text" && kind != "paragraph" && kind != "word" && !isStructure(kind)) || !(megabytes > 0)) {
        std::fprintf(stderr, "usage: %s text|paragraph|word MEGABYTES | lines|paragraphs|cells|rows|runs|limits COUNT\n",
                     argv[0]);
        return 2;
    }
    const auto bytes = static_cast<std::size_t>(megabytes * 1024 * 1024);

    QTemporaryDir folder;
    const QString exercise = folder.filePath(QStringLiteral("grand.E06"));
    const auto record = tavir::encodeRecord("enonce.rtf");
    const QString text = folder.filePath(QStringLiteral("enonce.rtf"));
    if (!folder.isValid() || !record || !writeFile(exercise, *record) ||
        !(kind == "text"        ? writeStatement(text, bytes)
          : isStructure(kind) ? writeFile(text, structure(kind, static_cast<long>(megabytes)))
                              : writeFile(text, kind == "paragraph" ? oneParagraph(bytes) : oneWord(bytes)))) {
        std::fprintf(stderr, "open: cannot write the test files\n");
        return 2;
    }

    tavir::ui::MainWindow window;
    window.show();
    auto* supertext = window.findChild<QTextEdit*>(QStringLiteral("supertext"));
    QElapsedTimer clock;
    // A refused file answers with a message box: the refusal is timed to its showing, and the
    // box closed at once so that the run ends.
    RefusalWatcher refusal(clock);
    app.installEventFilter(&refusal);
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 300) QApplication::processEvents(QEventLoop::AllEvents, 20);

    tavir::bench::PaintWatcher watcher;
    supertext->viewport()->installEventFilter(&watcher);
    clock.start();
    const bool shown = window.exercises()->openExercise(exercise);
    watcher.painted = false;
    supertext->viewport()->update();
    while (!watcher.painted) QApplication::processEvents(QEventLoop::AllEvents, 5);
    const double ms = refusal.at >= 0 ? refusal.at : clock.nsecsElapsed() / 1e6;
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
    const std::string size = isStructure(kind) ? std::to_string(static_cast<long>(megabytes))
                                               : QString::number(megabytes).toStdString() + " MB";
    std::printf("open %s %s: %.0f ms, then longest stall %.0f ms, peak memory %ld MB, shown: %s\n", kind.c_str(),
                size.c_str(), ms, stall, peakMegabytes(), shown ? "yes" : "refused");
    // The area's text is now modified for the window: leave without its closing questions.
    std::fflush(stdout);
    std::_Exit(0);
}
