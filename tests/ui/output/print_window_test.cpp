// The print window and its job: pages of a real PDF file read back, pictures measured on
// image pages at two resolutions.
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QProcess>
#include <QStandardPaths>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <deque>

#include "core/board/construction.hpp"
#include "core/analysis/analysis.hpp"
#include "core/session/workspace.hpp"
#include "ui/common/modal_hooks.hpp"
#include "ui/output/print_job.hpp"
#include "ui/output/print_window.hpp"
#include "ui/output/view_pictures.hpp"
#include "support/message_capture.hpp"
#include "support/window_fixture.hpp"

using namespace tavir;
using namespace tavir::ui;

namespace {
const char* kWater = "54222222242232222222322";
const char* kMethane = "34222424242232223232322";
const char* kOther = "33422224244243222232332";
const char* kEmpty = "22222222222222222222222";

using Series = std::array<std::string, 10>;

// Pages of a PDF file, counted from its page objects (the page tree is "/Pages").
int pdfPageCount(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    const QString text = QString::fromLatin1(f.readAll());
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
    return static_cast<int>(text.count(page));
}

// Bitmaps in a PDF file: its image objects (Qt writes object dictionaries uncompressed).
int pdfImageCount(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    static const QRegularExpression image(QStringLiteral("/Subtype\\s*/Image\\b"));
    return static_cast<int>(QString::fromLatin1(f.readAll()).count(image));
}

// The images the poppler tools find in a PDF file, or -1 without them.
int pdfimagesCount(const QString& path) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdfimages"));
    if (tool.isEmpty()) return -1;
    QProcess run;
    run.start(tool, {QStringLiteral("-list"), path});
    if (!run.waitForFinished(30000) || run.exitCode() != 0) return -2;
    // Two header lines, then one line per image.
    const QStringList lines = QString::fromLocal8Bit(run.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    return static_cast<int>(lines.size()) - 2;
}

// The text pdftotext reads on one page (1-based), or a null string without the tool.
QString pdfPageText(const QString& path, int page) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty()) return {};
    QProcess run;
    const QString n = QString::number(page);
    run.start(tool, {QStringLiteral("-f"), n, QStringLiteral("-l"), n, path, QStringLiteral("-")});
    if (!run.waitForFinished(30000) || run.exitCode() != 0) return QStringLiteral("pdftotext failed");
    return QString::fromUtf8(run.readAllStandardOutput());
}

// Pages drawn into images, for measuring what the job draws.
class ImagePages : public PrintTarget {
public:
    ImagePages(QSizeF inches, double dpi) : size_((inches * dpi).toSize()), dpi_(dpi) {}
    QSize pageSize() const override { return size_; }
    double dpiX() const override { return dpi_; }
    double dpiY() const override { return dpi_; }
    bool begin(QPainter& p) override { return p.begin(&addPage()); }
    void newPage(QPainter& p) override {
        p.end();
        p.begin(&addPage());
    }
    void end(QPainter& p) override { p.end(); }
    std::deque<QImage> pages;

private:
    QImage& addPage() {
        QImage image(size_, QImage::Format_RGB32);
        image.fill(Qt::white);
        image.setDotsPerMeterX(qRound(dpi_ / 0.0254));
        image.setDotsPerMeterY(qRound(dpi_ / 0.0254));
        pages.push_back(image);
        return pages.back();
    }
    QSize size_;
    double dpi_;
};

// Counts the paint events of the widget it watches.
struct PaintSpy : QObject {
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        count += event->type() == QEvent::Paint;
        return false;
    }
};

// The smallest rectangle holding every pixel that is not white.
QRect inkBox(const QImage& image) {
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if ((line[x] & 0xffffff) == 0xffffff) continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}
}  // namespace

class PrintWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Workspace> ws;
    std::unique_ptr<QTemporaryDir> dir;
    testing::MessageCapture boxes;
    QStringList& messages = boxes.messages;
    std::unique_ptr<PrintWindow> confimp;

    // A series put in the table, with construction `current` on the board.
    void setSeries(const Series& series, int current) {
        ws->loadSeries(series);
        ws->selectEntry(current);
    }
    void openWindow() {
        confimp = std::make_unique<PrintWindow>(*ws);
    }
    template <typename T = QWidget>
    T* child(const char* name) {
        return confimp->findChild<T*>(QString::fromLatin1(name));
    }
    // The printer writes this PDF on A4 with 10 mm margins.
    QString printToPdf(const char* name) {
        const QString path = dir->filePath(QString::fromLatin1(name));
        QPrinter& p = confimp->printer();
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(path);
        p.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                                    QPageLayout::Millimeter));
        confimp->showPrinterName();
        return path;
    }
    void choose(bool board, bool dots, bool animation, bool series, int copies) {
        child<QCheckBox>("Chec_1")->setChecked(board);
        child<QCheckBox>("Chec_3")->setChecked(dots);
        child<QCheckBox>("Chec_2")->setChecked(animation);
        child<QRadioButton>(series ? "Option2" : "Option1")->setChecked(true);
        for (int i = 1; i < copies; ++i) child<QToolButton>("up")->click();
    }

private slots:
    void init() {
        ws = std::make_unique<Workspace>();
        dir = std::make_unique<QTemporaryDir>();
        boxes.start();
        openWindow();
    }
    void cleanup() {
        confimp.reset();
        ModalHooks::dialog = nullptr;
    }

    void controlsAsDescribed_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        const auto row = [](const char* name, const char* text) { QTest::newRow(name) << QString::fromLatin1(name) << QString::fromUtf8(text); };
        row("Chec_1", "La construction");
        row("Chec_3", "La représentation de Tavir");
        row("Chec_2", "L'animation en 3 dimensions");
        row("Option1", "L'élément édité actuellement");
        row("Option2", "Les 10 éléments de la série");
        row("Label3", "Nombre d'exemplaires\u00a0:");
        row("Label4", "1");
        row("Label2", "Imprimante\u00a0:");
        row("Command1", "&OK");
        row("Command2", "&Imprimantes");
        row("Command3", "&Annuler");
        row("Label1", "Veuillez patienter quelques instants...");
    }
    void controlsAsDescribed() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QWidget* w = confimp->findChild<QWidget*>(name);
        QVERIFY(w);
        QString shown;
        if (auto* b = qobject_cast<QAbstractButton*>(w)) shown = b->text();
        else if (auto* l = qobject_cast<QLabel*>(w)) shown = l->text();
        QCOMPARE(shown, text);
    }

    void startsReadyToPrintTheCurrentConstruction() {
        QCOMPARE(confimp->objectName(), QStringLiteral("confimp"));
        QCOMPARE(confimp->windowTitle(), QStringLiteral("Imprimer"));
        QCOMPARE(child<QGroupBox>("Frame1")->title(), QStringLiteral("Options"));
        for (const char* c : {"Chec_1", "Chec_2", "Chec_3", "Option1"}) QVERIFY2(child<QAbstractButton>(c)->isChecked(), c);
        QVERIFY(!child<QRadioButton>("Option2")->isChecked());
        QVERIFY(child<QLineEdit>("defaut")->isReadOnly());
        QVERIFY(!child<QLineEdit>("defaut")->text().isEmpty());
        QVERIFY(child<QWidget>("UpDown1"));
        confimp->show();
        QVERIFY(QTest::qWaitForWindowExposed(confimp.get()));
        QVERIFY(!child<QWidget>("Frame2")->isVisible());
        QVERIFY(child<QWidget>("Frame1")->isVisible());
    }

    void spinnerCountsWithinItsRange() {
        auto* up = child<QToolButton>("up");
        auto* down = child<QToolButton>("down");
        auto* count = child<QLabel>("Label4");
        down->click();
        QCOMPARE(count->text(), QStringLiteral("1"));
        for (int i = 0; i < 3; ++i) up->click();
        QCOMPARE(count->text(), QStringLiteral("4"));
        down->click();
        QCOMPARE(count->text(), QStringLiteral("3"));
        for (int i = 0; i < 30; ++i) up->click();
        QCOMPARE(count->text(), QStringLiteral("20"));
        QCOMPARE(confimp->request().copies, 20);
    }

    // A4 with 10 mm margins: three groups of pictures to a page.
    void pdfPages_data() {
        QTest::addColumn<Series>("series");
        QTest::addColumn<int>("current");
        QTest::addColumn<bool>("board");
        QTest::addColumn<bool>("dots");
        QTest::addColumn<bool>("animation");
        QTest::addColumn<bool>("seriesMode");
        QTest::addColumn<int>("copies");
        QTest::addColumn<int>("pages");
        const Series three{kWater, "", kMethane, kEmpty, "", "", kOther};
        QTest::newRow("one construction, three pictures") << three << 3 << true << true << true << false << 1 << 1;
        QTest::newRow("one construction, two copies") << three << 3 << true << true << true << false << 2 << 2;
        QTest::newRow("series of three, empties skipped") << three << 3 << true << true << true << true << 1 << 1;
        QTest::newRow("series of three, two copies") << three << 1 << true << true << true << true << 2 << 2;
        const Series four{kWater, "", kMethane, kEmpty, "", "", kOther, kWater};
        QTest::newRow("series of four") << four << 1 << true << true << true << true << 1 << 2;
        QTest::newRow("series of three, boards only") << three << 1 << true << false << false << true << 1 << 1;
        // An empty current construction is still printed when asked for.
        QTest::newRow("empty current construction") << three << 2 << true << true << true << false << 1 << 1;
    }
    void pdfPages() {
        QFETCH(Series, series);
        QFETCH(int, current);
        QFETCH(bool, board);
        QFETCH(bool, dots);
        QFETCH(bool, animation);
        QFETCH(bool, seriesMode);
        QFETCH(int, copies);
        QFETCH(int, pages);
        setSeries(series, current);
        const std::string board0 = ws->board().record.toString();
        const QString path = printToPdf("out.pdf");
        choose(board, dots, animation, seriesMode, copies);

        // Printing draws from the table: the session does not change at all.
        int changes = 0;
        ws->setChangeListener([&] { ++changes; });
        child<QPushButton>("Command1")->click();

        QCOMPARE(confimp->result(), int(QDialog::Accepted));
        QCOMPARE(pdfPageCount(path), pages);
        QCOMPARE(messages, QStringList{QString::fromUtf8("Imprimer | Impression terminée\u00a0: les pages sont dans le fichier ") +
                                       QDir::toNativeSeparators(path)});
        QCOMPARE(changes, 0);
        QCOMPARE(ws->currentConstruction(), current);
        QCOMPARE(ws->board().record.toString(), board0);
    }

    // Each construction is one group under its caption, never split: three groups fill an A4
    // page, the fourth opens the next; a copy starts on a page of its own.
    void groupsStayWholeUnderTheirCaptions_data() {
        QTest::addColumn<bool>("board");
        QTest::addColumn<bool>("dots");
        QTest::addColumn<bool>("animation");
        QTest::addColumn<int>("copies");
        QTest::addColumn<QList<QList<int>>>("captions");  // the construction numbers, page by page
        const QList<QList<int>> one{{1, 3, 7}, {8}};
        QTest::newRow("three pictures") << true << true << true << 1 << one;
        QTest::newRow("dot structures, two copies") << false << true << false << 2 << (one + one);
    }
    void groupsStayWholeUnderTheirCaptions() {
        QFETCH(bool, board);
        QFETCH(bool, dots);
        QFETCH(bool, animation);
        QFETCH(int, copies);
        QFETCH(QList<QList<int>>, captions);
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) QSKIP("pdftotext is not installed");
        setSeries(Series{kWater, "", kMethane, kEmpty, "", "", kOther, kWater}, 1);
        const QString path = printToPdf("groups.pdf");
        choose(board, dots, animation, true, copies);
        child<QPushButton>("Command1")->click();
        QCOMPARE(pdfPageCount(path), int(captions.size()));
        static const QRegularExpression caption(QStringLiteral("Construction (\\d+) :"));
        for (int page = 0; page < captions.size(); ++page) {
            QList<int> found;
            for (const auto& m : caption.globalMatch(pdfPageText(path, page + 1))) found << m.captured(1).toInt();
            QCOMPARE(found, captions[page]);
        }
        // The formula follows the number, as the formula box writes it.
        QVERIFY2(pdfPageText(path, 1).replace(QChar(0xa0), QLatin1Char(0x20)).contains(QStringLiteral("Construction 3 : CH")), qPrintable(pdfPageText(path, 1)));
    }

    // The window and the set-up dialog propose the same free name; taken as offered, it is the
    // one written, the earlier prints stay, and the next free name follows it.
    void setUpDialogOffersTheAnnouncedName_data() {
        QTest::addColumn<int>("earlier");
        QTest::addColumn<QString>("offered");
        QTest::addColumn<QString>("next");
        QTest::newRow("no earlier print") << 0 << "job.pdf" << "job-2.pdf";
        QTest::newRow("two earlier prints") << 2 << "job-3.pdf" << "job-4.pdf";
    }
    void setUpDialogOffersTheAnnouncedName() {
        QFETCH(int, earlier);
        QFETCH(QString, offered);
        QFETCH(QString, next);
        ws->build(*Construction::parse(kWater));
        const QString path = printToPdf("job.pdf");
        QStringList olds;
        for (int k = 1; k <= earlier; ++k) {
            olds << dir->filePath(k == 1 ? QStringLiteral("job.pdf") : QStringLiteral("job-%1.pdf").arg(k));
            QFile old(olds.last());
            QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
        }
        confimp->showPrinterName();
        const QString prefix = QStringLiteral("Fichier PDF\u00a0: ");
        QCOMPARE(child<QLineEdit>("defaut")->text(), prefix + dir->filePath(offered));
        QString inDialog, inPrinter;
        ModalHooks::dialog = [&](QDialog& d) {
            if (auto* field = d.findChild<QLineEdit*>(QStringLiteral("filename"))) inDialog = field->text();
            inPrinter = static_cast<QPrintDialog&>(d).printer()->outputFileName();
            return int(QDialog::Accepted);
        };
        child<QPushButton>("Command2")->click();
        ModalHooks::dialog = nullptr;
        QCOMPARE(inDialog, dir->filePath(offered));
        QCOMPARE(inPrinter, dir->filePath(offered));
        QCOMPARE(child<QLineEdit>("defaut")->text(), prefix + dir->filePath(offered));
        child<QPushButton>("Command1")->click();
        QCOMPARE(pdfPageCount(dir->filePath(offered)), 1);
        for (const QString& old : olds) {
            QFile f(old);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), QByteArray("old"));
        }
        QCOMPARE(child<QLineEdit>("defaut")->text(), prefix + dir->filePath(next));
        QCOMPARE(confimp->printer().outputFileName(), path);
    }

    // `defaut` shows the whole file name: the window widens for it, its buttons at its right;
    // past the screen's width the end of the name stays in sight.
    void printerFieldShowsTheWholeName_data() {
        QTest::addColumn<int>("nameLength");
        QTest::addColumn<bool>("fits");
        QTest::newRow("short") << 5 << true;
        QTest::newRow("long") << 70 << true;
        QTest::newRow("longer than the screen") << 240 << false;
    }
    void printerFieldShowsTheWholeName() {
        QFETCH(int, nameLength);
        QFETCH(bool, fits);
        const QString name = QString(nameLength - 4, u'x') + QStringLiteral(".pdf");
        printToPdf(name.toLatin1().constData());
        confimp->show();
        QVERIFY(QTest::qWaitForWindowExposed(confimp.get()));
        auto* field = child<QLineEdit>("defaut");
        QVERIFY(field->text().endsWith(name));
        const int screenWidth = confimp->screen()->availableGeometry().width();
        QVERIFY(confimp->width() >= 400 && confimp->width() <= screenWidth);
        QVERIFY(field->geometry().right() < confimp->width());
        for (const char* button : {"Command1", "Command2", "Command3"}) {
            QVERIFY2(child<QWidget>(button)->geometry().right() < confimp->width(), button);
            QVERIFY2(!child<QWidget>(button)->geometry().intersects(child<QWidget>("Frame1")->geometry()), button);
        }
        const auto lastShown = [&] {
            field->repaint();
            return field->cursorPositionAt(QPoint(field->width() - 4, field->height() / 2));
        };
        // As opened: the end, which names the file, is in sight.
        QCOMPARE(lastShown(), int(field->text().size()));
        // From the start, the whole text shows when it fits.
        field->setCursorPosition(0);
        QCOMPARE(lastShown() == int(field->text().size()), fits);
        if (!fits) QCOMPARE(confimp->width(), screenWidth);
        if (nameLength == 5) QCOMPARE(confimp->width(), 400);
    }

    // A print into a file never replaces one silently: each job gets a free name beside the
    // chosen one, unless the set-up dialog was told to write over it, which it asks about.
    void pdfNamesReplaceNothingSilently_data() {
        QTest::addColumn<bool>("existing");
        QTest::addColumn<bool>("chosenInSetUp");
        QTest::addColumn<QStringList>("written");
        QTest::addColumn<bool>("oldReplaced");
        QTest::newRow("new name, two prints") << false << false << QStringList{"job.pdf", "job-2.pdf"} << false;
        QTest::newRow("existing file, two prints") << true << false << QStringList{"job-2.pdf", "job-3.pdf"} << false;
        QTest::newRow("existing file chosen in the set-up dialog")
            << true << true << QStringList{"job.pdf", "job-2.pdf"} << true;
    }
    void pdfNamesReplaceNothingSilently() {
        QFETCH(bool, existing);
        QFETCH(bool, chosenInSetUp);
        QFETCH(QStringList, written);
        QFETCH(bool, oldReplaced);
        ws->build(*Construction::parse(kWater));
        const QString path = printToPdf("job.pdf");
        if (existing) {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
        }
        if (chosenInSetUp) {
            ModalHooks::dialog = [&](QDialog& d) {
                static_cast<QPrintDialog&>(d).printer()->setOutputFileName(path);
                return int(QDialog::Accepted);
            };
            child<QPushButton>("Command2")->click();
            ModalHooks::dialog = nullptr;
        }
        QStringList shown;
        for (int job = 0; job < 2; ++job) {
            confimp->showPrinterName();  // as when the window opens
            shown << child<QLineEdit>("defaut")->text();
            child<QPushButton>("Command1")->click();
            // The window closes after a job; the next one opens on the same printer.
            confimp->setResult(0);
        }
        QStringList expectedShown, expectedMessages;
        for (const QString& name : written) {
            expectedShown << QStringLiteral("Fichier PDF\u00a0: ") + dir->filePath(name);
            expectedMessages << QString::fromUtf8("Imprimer | Impression terminée\u00a0: les pages sont dans le fichier ") +
                                    dir->filePath(name);
            QCOMPARE(pdfPageCount(dir->filePath(name)), 1);
        }
        QCOMPARE(shown, expectedShown);
        QCOMPARE(messages, expectedMessages);
        if (existing) {
            QFile old(path);
            QVERIFY(old.open(QIODevice::ReadOnly));
            QCOMPARE(old.readAll() == "old", !oldReplaced);
        }
    }

    // The main window keeps the printer chosen in its print window for the rest of the run.
    void printerKeptAcrossOpenings() {
        testing::WindowFixture fx;
        QVERIFY(fx.open());
        const QString chosen = dir->filePath(QStringLiteral("classe.pdf"));
        QStringList shown;
        ModalHooks::dialog = [&](QDialog& d) {
            auto& window = static_cast<PrintWindow&>(d);
            shown << window.findChild<QLineEdit*>(QStringLiteral("defaut"))->text();
            if (shown.size() == 1) {
                window.printer().setOutputFormat(QPrinter::PdfFormat);
                window.printer().setOutputFileName(chosen);
            }
            return int(QDialog::Rejected);
        };
        auto* imprimer = fx.child<QPushButton>(QStringLiteral("Command10"));
        imprimer->click();
        imprimer->click();
        fx.close();
        QCOMPARE(shown.size(), 2);
        QVERIFY(shown[0] != shown[1]);
        QCOMPARE(shown[1], QStringLiteral("Fichier PDF\u00a0: ") + chosen);
    }

    // Paper gets vectors only: the strokes, the cell grid, the element balls and the 3D model
    // are drawn, not pasted as pictures. The last row proves that the count sees a bitmap.
    void printIsVectorsOnly_data() {
        QTest::addColumn<bool>("board");
        QTest::addColumn<bool>("dots");
        QTest::addColumn<bool>("animation");
        QTest::addColumn<bool>("seriesMode");
        QTest::addColumn<bool>("bitmapDrawn");
        QTest::newRow("board") << true << false << false << false << false;
        QTest::newRow("dot structure") << false << true << false << false << false;
        QTest::newRow("3D view") << false << false << true << false << false;
        QTest::newRow("whole series, three pictures") << true << true << true << true << false;
        QTest::newRow("control: a bitmap is seen") << false << false << false << false << true;
    }
    void printIsVectorsOnly() {
        QFETCH(bool, board);
        QFETCH(bool, dots);
        QFETCH(bool, animation);
        QFETCH(bool, seriesMode);
        QFETCH(bool, bitmapDrawn);
        setSeries(Series{kWater, kMethane, kOther}, 3);
        const QString path = printToPdf("vectors.pdf");
        if (bitmapDrawn) {
            QPdfWriter writer(path);
            QPainter p(&writer);
            QImage bitmap(40, 30, QImage::Format_RGB32);
            bitmap.fill(Qt::red);
            p.drawImage(0, 0, bitmap);
        } else {
            choose(board, dots, animation, seriesMode, 1);
            child<QPushButton>("Command1")->click();
            QCOMPARE(confimp->result(), int(QDialog::Accepted));
        }
        QVERIFY(QFileInfo(path).size() > 0);
        const int expected = bitmapDrawn ? 1 : 0;
        QCOMPARE(pdfImageCount(path), expected);
        const int listed = pdfimagesCount(path);
        if (listed != -1) QCOMPARE(listed, expected);
    }

    // In series mode each construction is drawn from its own entry, with the board left alone
    // and a stopped animation left stopped.
    void seriesPrintsEachEntry() {
        setSeries(Series{kWater, "", kMethane, kEmpty, "", "", kOther}, 3);
        ws->controlAnimation(static_cast<AnimationControl>(2));
        // 96 dpi and a page as wide as a board: each board lands on whole pixels at its
        // natural size, as on screen, under its caption.
        ImagePages pages(QSizeF(129 / 96.0, 1000 / 96.0), 96);
        output::PrintRequest r;
        r.dotStructure = r.animation = false;
        r.series = true;
        QCOMPARE(printPictures(*ws, r, pages), PrintResult::Printed);
        QCOMPARE(pages.pages.size(), std::size_t(1));
        const QSize size = viewSize(View::Board);
        int top = 50 + 33;
        for (const char* entry : {kWater, kMethane, kOther}) {
            QImage expected(size, QImage::Format_RGB32);
            expected.fill(Qt::white);
            QPainter p(&expected);
            paintView(p, View::Board, analyse(*Construction::parse(entry)), {}, {}, screenLook(View::Board));
            p.end();
            QVERIFY2(pages.pages.front().copy(QRect(QPoint(0, top), size)) == expected, entry);
            top += size.height() + 24 + 33;
        }
        QCOMPARE(ws->currentConstruction(), 3);
        QCOMPARE(ws->board().record.toString(), std::string(kMethane));
        QVERIFY(!ws->view().timerEnabled);
    }

    // While the job runs the options and buttons give way to the wait panel, which paints its
    // text; the closing message comes once the window has gone, never over the panel.
    void waitPanelShowsWhilePrintingAndGoesBeforeTheMessage() {
        QWidget owner;
        owner.show();
        confimp = std::make_unique<PrintWindow>(*ws, &owner);
        setSeries(Series{kWater}, 1);
        printToPdf("wait.pdf");
        confimp->show();
        QVERIFY(QTest::qWaitForWindowExposed(confimp.get()));
        auto* wait = child<QLabel>("Label1");
        PaintSpy painted;
        wait->installEventFilter(&painted);
        QStringList atMessage;
        ModalHooks::message = [&](QMessageBox& box) {
            atMessage << QString::number(painted.count) << (confimp->isVisible() ? "window shown" : "window gone")
                      << (box.parentWidget() == &owner ? "over the main window" : "elsewhere");
            return int(QMessageBox::Ok);
        };
        QVERIFY(!wait->isVisible());
        child<QPushButton>("Command1")->click();
        QCOMPARE(atMessage.size(), 3);
        QVERIFY2(atMessage[0].toInt() > 0, "the panel's text was painted during the job");
        QCOMPARE(atMessage.mid(1), (QStringList{"window gone", "over the main window"}));
        QCOMPARE(confimp->result(), int(QDialog::Accepted));
        confimp.reset();
    }

    void nothingToPrintKeepsTheWindowOpen_data() {
        QTest::addColumn<Series>("series");
        QTest::addColumn<bool>("anyPicture");
        QTest::addColumn<QString>("message");
        QTest::newRow("no picture ticked") << Series{kWater} << false
                                           << QString::fromUtf8("Cochez au moins une image à imprimer.");
        QTest::newRow("series all empty")
            << Series{"", kEmpty} << true
            << QString::fromUtf8("Toutes les constructions de la série sont vides\u00a0: il n'y a rien à imprimer.");
    }
    void nothingToPrintKeepsTheWindowOpen() {
        QFETCH(Series, series);
        QFETCH(bool, anyPicture);
        QFETCH(QString, message);
        setSeries(series, 1);
        const QString path = printToPdf("none.pdf");
        choose(anyPicture, false, false, true, 1);
        child<QPushButton>("Command1")->click();
        QCOMPARE(messages, QStringList{QStringLiteral("Imprimer | ") + message});
        QVERIFY(!QFile::exists(path));
        QCOMPARE(confimp->result(), int(QDialog::Rejected));
    }

    void refusedJobSaysSoAndRestoresEverything() {
        setSeries(Series{kWater, kMethane}, 2);
        confimp->printer().setOutputFormat(QPrinter::PdfFormat);
        confimp->printer().setOutputFileName(dir->filePath(QStringLiteral("missing/folder/out.pdf")));
        choose(true, true, true, true, 1);
        child<QPushButton>("Command1")->click();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages[0].contains(QString::fromUtf8("L'impression n'a pas pu commencer")), qPrintable(messages[0]));
        QVERIFY(!child<QWidget>("Frame2")->isVisibleTo(confimp.get()));
        QVERIFY(child<QWidget>("Frame1")->isVisibleTo(confimp.get()));
        QVERIFY(child<QWidget>("Command1")->isVisibleTo(confimp.get()));
        QCOMPARE(ws->currentConstruction(), 2);
        QCOMPARE(confimp->result(), int(QDialog::Rejected));
    }

    void cancelClosesWithoutPrinting() {
        const QString path = printToPdf("cancel.pdf");
        child<QPushButton>("Command3")->click();
        QCOMPARE(confimp->result(), int(QDialog::Rejected));
        QVERIFY(!QFile::exists(path));
    }

    void printerSetUp_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("copiesChosen");
        QTest::addColumn<bool>("changed");
        QTest::newRow("accepted") << int(QDialog::Accepted) << 1 << true;
        QTest::newRow("accepted with copies") << int(QDialog::Accepted) << 3 << true;
        QTest::newRow("cancelled") << int(QDialog::Rejected) << 3 << false;
    }
    void printerSetUp() {
        QFETCH(int, answer);
        QFETCH(int, copiesChosen);
        QFETCH(bool, changed);
        const QString before = printToPdf("before.pdf");
        const QString after = dir->filePath(QStringLiteral("after.pdf"));
        ModalHooks::dialog = [&](QDialog& d) {
            QPrinter* p = static_cast<QPrintDialog&>(d).printer();
            p->setOutputFileName(after);
            p->setCopyCount(copiesChosen);
            return answer;
        };
        child<QPushButton>("Command2")->click();
        const QString file = changed ? after : before;
        QCOMPARE(confimp->printer().outputFileName(), file);
        QCOMPARE(child<QLineEdit>("defaut")->text(), QStringLiteral("Fichier PDF\u00a0: ") + file);
        // The copies are counted by the spinner only, never twice.
        QCOMPARE(confimp->printer().copyCount(), 1);
        QCOMPARE(child<QLabel>("Label4")->text(), QString::number(changed ? copiesChosen : 1));
    }

    // A picture is drawn where the plan puts it and as large, whatever the printer's
    // resolution: what is inked in its box on paper is what is inked on screen, enlarged by
    // the plan's one factor; the caption above it stays out of the box.
    void drawnWhereAndAsLargeAsPlanned_data() {
        QTest::addColumn<int>("picture");
        QTest::addColumn<double>("dpi");
        for (double dpi : {300.0, 600.0}) {
            const QByteArray at = " at " + QByteArray::number(dpi);
            QTest::newRow("board" + at) << int(View::Board) << dpi;
            QTest::newRow("dot structure" + at) << int(View::DotStructure) << dpi;
            QTest::newRow("3D view" + at) << int(View::Animation) << dpi;
        }
    }
    void drawnWhereAndAsLargeAsPlanned() {
        QFETCH(int, picture);
        QFETCH(double, dpi);
        ws->build(*Construction::parse(kWater));
        QVERIFY(ws->view().smile);
        const auto kind = static_cast<View>(picture);
        const QImage screen = viewPicture(*ws, kind, kind == View::Animation ? whiteLook(false) : screenLook(kind));
        const QRect screenInk = inkBox(screen);
        QVERIFY(!screenInk.isEmpty());

        output::PrintRequest r;
        r.board = kind == View::Board;
        r.dotStructure = kind == View::DotStructure;
        r.animation = kind == View::Animation;
        // Tall enough for the pictures to be enlarged.
        ImagePages pages(QSizeF(4, 12), dpi);
        QCOMPARE(printPictures(*ws, r, pages), PrintResult::Printed);
        QCOMPARE(pages.pages.size(), std::size_t(1));
        const QSize device = pages.pageSize();
        const output::PrintPlan plan =
            output::planPrint(r, {ws->currentConstruction()}, {double(device.width()), double(device.height()), dpi, dpi});
        QCOMPARE(plan.steps.size(), std::size_t(2));
        const output::PrintStep& step = plan.steps[1];
        const double enlargement = step.scaleX * 96 / dpi;
        QVERIFY2(enlargement > 1.3, qPrintable(QString::number(enlargement)));
        const QRect box = QRectF(step.x, step.y, step.width, step.height).toAlignedRect();
        const QRect ink = inkBox(pages.pages.front().copy(box));
        QVERIFY(!ink.isEmpty());

        const QRectF paper((box.x() + ink.x() - step.x) / dpi, (box.y() + ink.y() - step.y) / dpi, ink.width() / dpi,
                           ink.height() / dpi);
        const QRectF onScreen(screenInk.x() / 96.0 * enlargement, screenInk.y() / 96.0 * enlargement,
                              screenInk.width() / 96.0 * enlargement, screenInk.height() / 96.0 * enlargement);
        // Within a screen pixel and a half, enlarged (antialiased edges).
        const double tolerance = 1.5 / 96 * enlargement;
        const auto near = [&](double a, double b) { return std::abs(a - b) < tolerance; };
        QVERIFY2(near(paper.left(), onScreen.left()) && near(paper.top(), onScreen.top()) &&
                     near(paper.width(), onScreen.width()) && near(paper.height(), onScreen.height()),
                 qPrintable(QStringLiteral("paper %1,%2 %3x%4 in, screen %5,%6 %7x%8 in")
                                .arg(paper.x()).arg(paper.y()).arg(paper.width()).arg(paper.height())
                                .arg(onScreen.x()).arg(onScreen.y()).arg(onScreen.width()).arg(onScreen.height())));
    }

    // The 3D view is drawn at the pose it shows, and keeps it afterwards.
    void animationPoseKept() {
        ws->build(*Construction::parse(kWater));
        ws->controlAnimation(static_cast<AnimationControl>(2));  // stopped
        ws->controlAnimation(static_cast<AnimationControl>(4));
        ws->controlAnimation(static_cast<AnimationControl>(4));
        const int counter = ws->frameCounter();
        const int drawn = ws->view().d3d.pose.counter;
        ImagePages pages(QSizeF(4, 4), 150);
        output::PrintRequest r;
        r.board = r.dotStructure = false;
        QCOMPARE(printPictures(*ws, r, pages), PrintResult::Printed);
        QCOMPARE(ws->frameCounter(), counter);
        QCOMPARE(ws->view().d3d.pose.counter, drawn);
    }
};

QTEST_MAIN(PrintWindowTest)
#include "print_window_test.moc"
