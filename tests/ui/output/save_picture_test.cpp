// "Enregistrer l'image…" of the copy menu: the dialog, the three kinds of file and the
// failures, through the main window's real menu item.
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QtTest>

#include "ui/common/modal_hooks.hpp"
#include "ui/output/picture_dialog.hpp"
#include "ui/output/view_pictures.hpp"
#include "support/message_capture.hpp"
#include "support/window_fixture.hpp"

using namespace tavir;
using namespace tavir::ui;


namespace {
const char* kWater = "54222222242232222222322";
}

class SavePictureTest : public QObject {
    Q_OBJECT

private:
    testing::WindowFixture fx;
    testing::MessageCapture boxes;
    QTemporaryDir home;
    QString documents;

    // Runs the menu item; the dialog is answered by `answer`, which sees it as the pupil would.
    void saveThrough(const std::function<int(PictureSaveDialog&)>& answer) {
        ModalHooks::menu = [](QMenu& m, const QPoint&) -> QAction* {
            for (QAction* a : m.actions())
                if (a->objectName() == QLatin1String("saveimage")) return a;
            return nullptr;
        };
        ModalHooks::dialog = [&](QDialog& d) { return answer(static_cast<PictureSaveDialog&>(d)); };
        fx.child<QPushButton>(QStringLiteral("Command4"))->click();
        ModalHooks::menu = nullptr;
        ModalHooks::dialog = nullptr;
    }

private slots:
    void initTestCase() {
        // A home of our own with a documents folder: the dialog must start there.
        qputenv("HOME", home.path().toLocal8Bit());
        qunsetenv("XDG_CONFIG_HOME");
        documents = home.filePath(QStringLiteral("Documents"));
        QVERIFY(QDir().mkpath(documents));
    }
    void init() {
        QVERIFY(fx.open());
        fx.build(kWater);
        boxes.start();
    }
    void cleanup() { fx.close(); }

    void dialogStartsInTheDocumentsFolderWithAProposedName() {
        QStringList filters;
        QString folder, name, title;
        QStringList pictures;
        saveThrough([&](PictureSaveDialog& d) {
            title = d.windowTitle();
            filters = d.nameFilters();
            folder = d.directory().absolutePath();
            name = QFileInfo(d.selectedFiles().value(0)).fileName();
            for (int i = 0; i < d.pictures()->count(); ++i) pictures << d.pictures()->itemText(i);
            // Another picture and another type: the proposed name follows both.
            d.pictures()->setCurrentIndex(1);
            d.chooseFormat(output::PictureFormat::Svg);
            emit d.filterSelected(d.selectedNameFilter());
            name += QLatin1Char(' ') + QFileInfo(d.selectedFiles().value(0)).fileName();
            return int(QDialog::Rejected);
        });
        QCOMPARE(title, QStringLiteral("Enregistrer l'image"));
        QCOMPARE(folder, documents);
        QCOMPARE(name, QStringLiteral("construction.png representation.svg"));
        QCOMPARE(filters, (QStringList{"Image PNG (*.png)", "Dessin SVG (*.svg)", "Document PDF (*.pdf)"}));
        QCOMPARE(pictures, (QStringList{"La construction", QString::fromUtf8("La représentation de Tavir"),
                                        "L'animation 3D avec le fond", "L'animation 3D sans le fond"}));
        QVERIFY(boxes.messages.isEmpty());
    }

    void savesEachKindOfFile_data() {
        QTest::addColumn<int>("picture");
        QTest::addColumn<int>("filter");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QSize>("size");  // empty: the dot structure's cropped frame
        QTest::newRow("board, PNG filter, no extension")
            << 0 << int(output::PictureFormat::Png) << "eau" << "eau.png" << QSize(129, 97) * 4;
        QTest::newRow("dot structure, the extension beats the filter")
            << 1 << int(output::PictureFormat::Png) << "eau.svg" << "eau.svg" << QSize();
        QTest::newRow("3D view as PDF") << 2 << int(output::PictureFormat::Pdf) << "eau" << "eau.pdf" << QSize(242, 202);
        QTest::newRow("3D view bare, another extension completed")
            << 3 << int(output::PictureFormat::Png) << "eau.jpg" << "eau.jpg.png" << QSize(242, 202) * 4;
        QTest::newRow("3D view bare as SVG")
            << 3 << int(output::PictureFormat::Svg) << "eau" << "eau.svg" << QSize(242, 202);
        QTest::newRow("dot structure as PNG") << 1 << int(output::PictureFormat::Png) << "eau" << "eau.png" << QSize();
    }
    void savesEachKindOfFile() {
        QFETCH(int, picture);
        QFETCH(int, filter);
        QFETCH(QString, typed);
        QFETCH(QString, written);
        QFETCH(QSize, size);
        if (size.isEmpty()) {
            // The drawing and its margin, much less than the view's 265 x 201.
            const ViewGeometry frame = pictureFrame(fx.window->workspace(), View::DotStructure);
            QVERIFY2(frame.width < 200 && frame.height < 150,
                     qPrintable(QStringLiteral("%1 x %2").arg(frame.width).arg(frame.height)));
            size = QSize(frame.width, frame.height) * (written.endsWith(QLatin1String(".png")) ? 4 : 1);
        }
        saveThrough([&](PictureSaveDialog& d) {
            d.pictures()->setCurrentIndex(picture);
            d.chooseFormat(output::PictureFormat(filter));
            d.selectFile(QDir(documents).filePath(typed));
            return int(QDialog::Accepted);
        });
        const QString path = QDir(documents).filePath(written);
        QVERIFY2(QFile::exists(path), qPrintable(path));
        QCOMPARE(fx.window->info(), QString::fromUtf8("L'image est enregistrée dans le fichier ") + path);
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        if (written.endsWith(QLatin1String(".png"))) {
            QImage image;
            QVERIFY(image.loadFromData(bytes, "PNG"));
            QCOMPARE(image.size(), size);
            // Four times the pixels at four times the resolution: the screen's physical size.
            QCOMPARE(qRound(image.dotsPerMeterX() * 0.0254), 384);
            // The bare 3D view has see-through corners; the others are drawn over their backs.
            QCOMPARE(image.pixelColor(4, 4).alpha(), picture == 3 ? 0 : 255);
        } else if (written.endsWith(QLatin1String(".svg"))) {
            QSvgRenderer svg(bytes);
            QVERIFY(svg.isValid());
            QCOMPARE(svg.viewBox().size(), size);
            QImage drawn(size, QImage::Format_ARGB32_Premultiplied);
            drawn.fill(Qt::transparent);
            QPainter p(&drawn);
            svg.render(&p);
            p.end();
            QCOMPARE(drawn.pixelColor(4, 4).alpha(), picture == 3 ? 0 : 255);
        } else {
            QVERIFY(bytes.startsWith("%PDF-"));
            static const QRegularExpression image(QStringLiteral("/Subtype\\s*/Image\\b"));
            QCOMPARE(QString::fromLatin1(bytes).count(image), 0);
            // One page of the picture's size: 242 x 202 pixels at 96 per inch, in whole points.
            static const QRegularExpression page(QStringLiteral("/MediaBox \\[0 0 182(\\.0*)? 152(\\.0*)?\\]"));
            QVERIFY(QString::fromLatin1(bytes).contains(page));
        }
        QDir(documents).removeRecursively();
        QDir().mkpath(documents);
    }

    void overwriteAskedAndFailuresShown_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QByteArray>("afterwards");
        const QString inDocs = QStringLiteral("%1/old.png");
        QTest::newRow("existing file, Cancel keeps it")
            << inDocs << int(QMessageBox::Cancel)
            << QString::fromUtf8("Écraser le fichier? | Le fichier %1 existe déjà.\nÉcraser l'ancien?") << QByteArray("old");
        QTest::newRow("missing folder")
            << QStringLiteral("%1/absent/eau.png") << int(QMessageBox::Ok)
            << QStringLiteral("Enregistrement impossible | Impossible d'enregistrer l'image dans le fichier %1\n\n"
                              "Raison : dossier absent")
            << QByteArray();
    }
    void overwriteAskedAndFailuresShown() {
        QFETCH(QString, typed);
        QFETCH(int, answer);
        QFETCH(QString, message);
        QFETCH(QByteArray, afterwards);
        const QString path = typed.arg(documents);
        QFile old(QDir(documents).filePath(QStringLiteral("old.png")));
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
        old.close();
        boxes.answers = {answer};
        const QString infoBefore = fx.window->info();
        saveThrough([&](PictureSaveDialog& d) {
            d.selectFile(path);
            return int(QDialog::Accepted);
        });
        QCOMPARE(boxes.messages, QStringList{message.arg(path)});
        QCOMPARE(fx.window->info(), infoBefore);
        QFile after(path);
        if (afterwards.isEmpty()) {
            QVERIFY(!after.exists());
        } else {
            QVERIFY(after.open(QIODevice::ReadOnly));
            QCOMPARE(after.readAll(), afterwards);
        }
    }
};

QTEST_MAIN(SavePictureTest)
#include "save_picture_test.moc"
