// The program as the desktop sees it: its desktop entry and icon, and Qt's own dialogs in
// French on a system set to another language.
#include <QFile>
#include <QFileSystemModel>
#include <QTemporaryDir>
#include <QtTest>

#include "ui/common/application_setup.hpp"
#include "ui/common/modal_hooks.hpp"
#include "ui/mainwindow/main_window.hpp"
#include "support/window_fixture.hpp"

using namespace tavir::ui;

class DesktopConventionsTest : public QObject {
    Q_OBJECT

private slots:
    // A short question under a long title: the box is wide enough for the title bar to show it
    // whole, in the bold face title bars use.
    void messageBoxesShowTheirWholeTitle_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::newRow("overwrite") << QString::fromUtf8("Ce fichier existe déjà!") << QString::fromUtf8("Écraser le fichier existant?");
        QTest::newRow("one word") << QStringLiteral("Enregistrement impossible") << QStringLiteral("Non");
    }
    void messageBoxesShowTheirWholeTitle() {
        QFETCH(QString, title);
        QFETCH(QString, text);
        int width = 0;
        ModalHooks::message = [&width](QMessageBox& box) {
            box.show();
            width = box.width();
            return int(QMessageBox::Ok);
        };
        showMessage(nullptr, QMessageBox::Question, title, text);
        ModalHooks::message = nullptr;
        QFont bold = QApplication::font();
        bold.setBold(true);
        const int needed = QFontMetrics(bold).horizontalAdvance(title) + 100;
        QVERIFY2(width >= needed, qPrintable(QStringLiteral("%1 < %2").arg(width).arg(needed)));
    }

    void desktopEntryAndIcon() {
        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("fr.tavir.Tavir"));
        // The name is the one of the entry the package installs, whose icon has that name too.
        QFile entry(QStringLiteral(TAVIR_SOURCE_DIR "/data/desktop/") + QGuiApplication::desktopFileName() +
                    QStringLiteral(".desktop"));
        QVERIFY(entry.open(QIODevice::ReadOnly));
        QVERIFY(QString::fromUtf8(entry.readAll()).split(u'\n').contains(QStringLiteral("Icon=fr.tavir.Tavir")));
        testing::WindowFixture fx;
        QVERIFY(fx.open());
        for (int side : {16, 48, 256}) QCOMPARE(fx.window->windowIcon().pixmap(side).size(), QSize(side, side));
        fx.close();
    }

    // A folder and a 2 KiB file as Qt's file dialog lists them.
    void fileDialogsSpeakFrench_data() {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("expected");
        static QTemporaryDir dir;
        QDir(dir.path()).mkdir(QStringLiteral("series"));
        QFile file(dir.filePath(QStringLiteral("eau.C01")));
        if (!file.open(QIODevice::WriteOnly) || file.write(QByteArray(2048, 'x')) != 2048) qFatal("no scratch file");
        file.flush();
        file.setFileTime(QDateTime(QDate(2025, 12, 3), QTime(14, 5)), QFileDevice::FileModificationTime);
        file.close();
        static QFileSystemModel model;
        const QModelIndex root = model.setRootPath(dir.path());
        QTRY_COMPARE(model.rowCount(root), 2);
        const auto cell = [&](const char* name, int column) {
            return model.index(dir.filePath(QString::fromLatin1(name)), column).data().toString();
        };
        QTest::newRow("size") << cell("eau.C01", 1) << QStringLiteral("2,00 Kio");
        QTest::newRow("date") << cell("eau.C01", 3) << QStringLiteral("03/12/2025 14:05");
        QTest::newRow("folder") << cell("series", 2) << QStringLiteral("Dossier");
        QTest::newRow("size column") << model.headerData(1, Qt::Horizontal).toString() << QStringLiteral("Taille");
        QTest::newRow("short month") << QLocale::system().monthName(12, QLocale::ShortFormat)
                                     << QString::fromUtf8("déc.");
        // The environment the program hands to the viewers it starts is the user's own.
        QTest::newRow("environment") << qEnvironmentVariable("LC_ALL") + qEnvironmentVariable("LANG")
                                     << QStringLiteral("C");
    }
    void fileDialogsSpeakFrench() {
        QFETCH(QString, shown);
        QFETCH(QString, expected);
        QCOMPARE(shown, expected);
    }
};

int main(int argc, char** argv) {
    // A pupil whose system speaks another language.
    qunsetenv("LC_ALL");
    qunsetenv("LANGUAGE");
    qputenv("LANG", "C");
    preferFrenchSystemLocale();
    QApplication app(argc, argv);
    setUpApplication(app);
    DesktopConventionsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "desktop_conventions_test.moc"
