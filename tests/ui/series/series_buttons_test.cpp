// The selector, undo, paste and the two popup menus of the main window, offscreen.
#include <QAction>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QSvgRenderer>
#include <QRadioButton>
#include <QtTest>

#include "core/board/construction.hpp"
#include "ui/board/texts.hpp"
#include "ui/common/modal_hooks.hpp"
#include "ui/common/view_painter.hpp"
#include "ui/mainwindow/main_window.hpp"
#include "ui/output/picture_dialog.hpp"
#include "ui/output/view_pictures.hpp"
#include "support/message_capture.hpp"
#include "support/window_fixture.hpp"

using namespace tavir;
using namespace tavir::ui;

namespace {
const char* kMethane = "34222424242232223232322";

// How far two pictures of one size differ: the mean of every channel's difference, 0 to 255.
double meanDifference(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row), q = y.pixel(col, row);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * x.width() * x.height());
}
}  // namespace

class SeriesButtonsTest : public QObject {
    Q_OBJECT

private:
    testing::WindowFixture fx;
    std::unique_ptr<MainWindow>& window = fx.window;
    template <typename T = QWidget>
    T* child(const QString& name) {
        return fx.child<T>(name);
    }
    QPushButton* button(const char* name) { return child<QPushButton>(QString::fromLatin1(name)); }
    QRadioButton* selector(int i) { return child<QRadioButton>(QStringLiteral("Option3_%1").arg(i)); }
    void build(const char* construction) { fx.build(construction); }
    // Opens a popup menu through its button and picks the item of that name.
    QStringList pick(const char* buttonName, const char* item) {
        QStringList captions;
        ModalHooks::menu = [&](QMenu& m, const QPoint&) -> QAction* {
            QAction* chosen = nullptr;
            for (QAction* a : m.actions()) {
                captions << a->text();
                if (a->objectName() == QLatin1String(item)) chosen = a;
            }
            return chosen;
        };
        button(buttonName)->click();
        ModalHooks::menu = nullptr;
        return captions;
    }
    QString board() { return fx.board(); }

private slots:
    void init() { QVERIFY(fx.open()); }
    void cleanup() { fx.close(); }

    void selectorAndUndoStates() {
        QVERIFY(!button("Command13")->isEnabled());
        build(kMethane);
        QVERIFY(button("Command13")->isEnabled());
        QTest::mouseClick(selector(1), Qt::LeftButton);
        QVERIFY(selector(1)->isChecked());
        QVERIFY(!selector(0)->isChecked());
        QCOMPARE(board(), QString::fromLatin1(kEmptyConstructionString.data()));
        QVERIFY(!button("Command13")->isEnabled());
        QTest::mouseClick(selector(0), Qt::LeftButton);
        QCOMPARE(board(), QString::fromLatin1(kMethane));
        QVERIFY(button("Command13")->isEnabled());
        button("Command13")->click();
        QCOMPARE(board(), QString::fromLatin1(kEmptyConstructionString.data()));
    }

    void copyFillsTheBufferAndTheClipboard_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("picture");  // as in the save dialog's list
        QTest::newRow("construc") << "construc" << 0;
        QTest::newRow("tavirrep") << "tavirrep" << 1;
        QTest::newRow("ani3d") << "ani3d" << 2;
        QTest::newRow("ani3dsf") << "ani3dsf" << 3;
    }
    void copyFillsTheBufferAndTheClipboard() {
        QFETCH(QString, item);
        QFETCH(int, picture);
        build(kMethane);
        window->workspace().setFrameCounter(300);
        const QStringList captions = pick("Command4", item.toLatin1().constData());
        QCOMPARE(captions, (QStringList{"La construction", QString::fromUtf8("La représentation de Tavir"),
                                        "L'animation 3D avec le fond", "L'animation 3D sans le fond", QString(),
                                        QString::fromUtf8("Enregistrer l'image…")}));
        const PictureChoice& choice = pictureChoice(picture);
        const ViewGeometry frame = pictureFrame(window->workspace(), choice.view);
        const QSize size(frame.width, frame.height);
        // The dot structure is cropped to its drawing; the other views are copied whole.
        if (choice.view == View::DotStructure) {
            QVERIFY(size.width() < viewSize(choice.view).width() && size.height() < viewSize(choice.view).height());
        } else {
            QCOMPARE(size, viewSize(choice.view));
        }
        // Every bitmap type is the same picture four times larger, at four times the resolution
        // so that it pastes at the same size; beside them an SVG drawing.
        const QMimeData* data = QApplication::clipboard()->mimeData();
        const QImage copied = QApplication::clipboard()->image();
        QCOMPARE(copied.size(), size * 4);
        QStringList bitmaps;
        for (const QString& type : data->formats())
            if (type.startsWith(QLatin1String("image/")) && type != QLatin1String("image/svg+xml")) bitmaps << type;
        for (const char* type : {"image/png", "image/bmp", "image/jpeg"}) QVERIFY2(bitmaps.contains(type), type);
        for (const QString& type : bitmaps) {
            const QImage bitmap = QImage::fromData(data->data(type));
            QVERIFY2(bitmap.size() == size * 4, qPrintable(type));
        }
        QImage large;
        QVERIFY(large.loadFromData(data->data(QStringLiteral("image/png")), "PNG"));
        QCOMPARE(qRound(large.dotsPerMeterX() * 0.0254), 384);
        QSvgRenderer svg(data->data(QStringLiteral("image/svg+xml")));
        QVERIFY(svg.isValid());
        QCOMPARE(svg.viewBox().size(), size);
        // Both show what the screen-size picture of the same frame shows.
        const auto onWhite = [](const QImage& image, QSize at) {
            QImage flat(at, QImage::Format_RGB32);
            flat.fill(Qt::white);
            QPainter p(&flat);
            p.drawImage(QRect(QPoint(0, 0), at), image);
            return flat;
        };
        const QImage screen = onWhite(viewPicture(window->workspace(), choice.view, choice.look, frame, 1), size);
        QImage drawn(size, QImage::Format_RGB32);
        drawn.fill(Qt::white);
        {
            QPainter p(&drawn);
            svg.render(&p);
        }
        const double shrunk = meanDifference(
            onWhite(large, size * 4).scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation), screen);
        const double fromSvg = meanDifference(drawn, screen);
        // The board's balls and dotted grid differ most, by under 3 levels in 255.
        QVERIFY2(shrunk < 3.5 && fromSvg < 3.5, qPrintable(QStringLiteral("%1 %2").arg(shrunk).arg(fromSvg)));
        QCOMPARE(window->info(), QString::fromUtf8(ui::board_texts::kClipboardConfirmation.data()));
        QCOMPARE(button("Command14")->isEnabled(), item == QLatin1String("construc"));
        QCOMPARE(window->workspace().frameCounter(), 300);
        const QColor corner = large.pixelColor(2, 2);
        if (item == QLatin1String("ani3dsf")) {
            // Without its background the corners are see-through in PNG, white where a type has
            // no transparency.
            QCOMPARE(corner.alpha(), 0);
            for (const char* type : {"image/bmp", "image/jpeg"}) {
                const QColor flat = QImage::fromData(data->data(type)).pixelColor(2, 2);
                QVERIFY2(flat.red() > 250 && flat.green() > 250 && flat.blue() > 250, type);
            }
        } else {
            QCOMPARE(corner.alpha(), 255);
        }
        if (item == QLatin1String("ani3d")) QVERIFY(corner != QColor(Qt::white));
    }

    void pasteIntoAnotherConstruction() {
        build(kMethane);
        pick("Command4", "construc");
        QTest::mouseClick(selector(4), Qt::LeftButton);
        button("Command14")->click();
        QCOMPARE(board(), QString::fromLatin1(kMethane));
        QCOMPARE(QString::fromStdString(window->workspace().entry(5)), QString::fromLatin1(kMethane));
    }

    void eraseMenu() {
        build(kMethane);
        const QStringList captions = pick("Command12", "sq01");
        QCOMPARE(captions, (QStringList{"Effacer la construction actuelle", "Effacer les 10 constructions"}));
        QCOMPARE(board(), QString::fromLatin1(kEmptyConstructionString.data()));
        build(kMethane);
        QTest::mouseClick(selector(3), Qt::LeftButton);
        // The series is modified: asked first, and Annuler keeps all ten.
        testing::MessageCapture boxes;
        boxes.start(QMessageBox::Cancel);
        pick("Command12", "sq02");
        QCOMPARE(boxes.titles, QStringList{QString::fromUtf8("Série modifiée")});
        QStringList buttons = boxes.buttonTexts;  // in the platform's order
        buttons.sort();
        QCOMPARE(buttons, (QStringList{"&Enregistrer", "&Ne pas enregistrer", "Annuler"}));
        QTest::mouseClick(selector(0), Qt::LeftButton);
        QCOMPARE(board(), QString::fromLatin1(kMethane));
        // "Ne pas enregistrer" clears them; Annuler then brings the ten back as one step.
        QTest::mouseClick(selector(3), Qt::LeftButton);
        boxes.answers << QMessageBox::Discard;
        pick("Command12", "sq02");
        QCOMPARE(boxes.titles.size(), 2);
        QVERIFY(window->workspace().seriesEntries()[0].find_first_not_of('2') == std::string::npos ||
                window->workspace().seriesEntries()[0].empty());
        QTest::mouseClick(button("Command13"), Qt::LeftButton);
        QTest::mouseClick(selector(0), Qt::LeftButton);
        QCOMPARE(board(), QString::fromLatin1(kMethane));
    }
};

QTEST_MAIN(SeriesButtonsTest)
#include "series_buttons_test.moc"
