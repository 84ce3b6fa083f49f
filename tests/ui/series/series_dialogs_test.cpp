// The open and save dialogs of a series, driven as a pupil would, on a temporary folder.
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>

#include "core/board/construction.hpp"
#include "ui/common/file_lists.hpp"
#include "ui/common/modal_hooks.hpp"
#include "ui/common/program_directory.hpp"
#include "ui/mainwindow/main_window.hpp"
#include "support/message_capture.hpp"
#include "support/window_fixture.hpp"
#include "ui/series/series_dialogs.hpp"
#include "core/series/series_file.hpp"

using namespace tavir;
using namespace tavir::ui;

namespace {
const char* kMethane = "34222424242232223232322";
const char* kWater = "54222222242232222222322";
}  // namespace

class SeriesDialogsTest : public QObject {
    Q_OBJECT

private:
    testing::WindowFixture fx;
    std::unique_ptr<MainWindow>& window = fx.window;
    std::unique_ptr<QTemporaryDir> dir;
    testing::MessageCapture boxes;
    QStringList& messages = boxes.messages;
    QList<int>& answers = boxes.answers;

    void build(const char* construction) { fx.build(construction); }
    QString board() { return fx.board(); }
    QPushButton* mainButton(const char* name) { return window->findChild<QPushButton*>(QString::fromLatin1(name)); }
    // Runs the save dialog with a name typed in the name box.
    int save(const QString& name) {
        int result = -1;
        ModalHooks::dialog = [&](QDialog& d) {
            auto& dialog = static_cast<SaveSeriesDialog&>(d);
            dialog.lists()->setPath(dir->path());
            dialog.nameBox()->setText(name);
            d.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
            result = d.result();
            return result;
        };
        mainButton("Command11")->click();
        return result;
    }
    int open(const QString& typedPath) {
        int result = -1;
        ModalHooks::dialog = [&](QDialog& d) {
            auto& dialog = static_cast<OpenSeriesDialog&>(d);
            dialog.pathBox()->setText(typedPath);
            d.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
            result = d.result();
            return result;
        };
        // A modified series is asked about first: "Ne pas enregistrer", and its question is
        // not among the dialog's own messages.
        const bool asked = window->workspace().seriesModified();
        if (asked) answers.prepend(QMessageBox::Discard);
        mainButton("Command2")->click();
        const auto question = [](const QString& m) { return m.startsWith(QString::fromUtf8("Série modifiée |")); };
        if (asked && messages.removeIf(question) != 1) QTest::qFail("the series question once", __FILE__, __LINE__);
        return result;
    }

private slots:
    void initTestCase() {
        // The pupil's documents folder lives in a home of our own.
        static QTemporaryDir home;
        qputenv("HOME", home.path().toLocal8Bit());
        qunsetenv("XDG_CONFIG_HOME");
        QVERIFY(QDir(home.path()).mkpath(QStringLiteral("Documents")));
    }
    void init() {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(fx.open());
        boxes.start();
    }
    void cleanup() { fx.close(); }

    void saveThenClearThenOpenGivesTheSeriesBack() {
        build(kMethane);
        QTest::mouseClick(window->findChild<QWidget*>(QStringLiteral("Option3_2")), Qt::LeftButton);
        build(kWater);
        QCOMPARE(save(QStringLiteral("essai.txt")), int(QDialog::Accepted));
        const QString file = dir->filePath(QStringLiteral("essai.C01"));
        QVERIFY(QFile::exists(file));
        QCOMPARE(window->windowTitle(), QStringLiteral("Tavir - ") + file);
        QCOMPARE(QFile(file).size(), 1536);

        window->workspace().clearSeries();
        QCOMPARE(open(file), int(QDialog::Accepted));
        QVERIFY(messages.isEmpty());
        QCOMPARE(window->workspace().currentConstruction(), 1);
        QCOMPARE(board(), QString::fromLatin1(kMethane));
        QCOMPARE(QString::fromStdString(window->workspace().entry(3)), QString::fromLatin1(kWater));
        QCOMPARE(window->windowTitle(), QStringLiteral("Tavir - ") + file);
    }

    void refusedNamesKeepTheDialogOpen_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("blanks") << "   ";
        QTest::newRow("extension only") << ".C01";
    }
    void refusedNamesKeepTheDialogOpen() {
        QFETCH(QString, name);
        QCOMPARE(save(name), int(QDialog::Rejected));
        QCOMPARE(messages, QStringList{"Enregistrement impossible | Il faut donner un nom au fichier!"});
    }

    void overwriteAsksAndNoKeepsTheFile() {
        build(kMethane);
        QCOMPARE(save(QStringLiteral("serie")), int(QDialog::Accepted));
        const QString file = dir->filePath(QStringLiteral("serie.C01"));
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray before = f.readAll();
        f.close();
        build(kWater);
        answers << QMessageBox::No;
        QCOMPARE(save(QStringLiteral("serie")), int(QDialog::Rejected));
        QCOMPARE(messages, QStringList{QString::fromUtf8("Ce fichier existe déjà! | Écraser le fichier existant?")});
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before);
        f.close();
        answers << QMessageBox::Yes;
        QCOMPARE(save(QStringLiteral("serie")), int(QDialog::Accepted));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll() != before);
    }

    // Return acts once, from the name box as from the file list: one question, not two.
    void returnOnAnExistingFileAsksOnce_data() {
        QTest::addColumn<bool>("fromFileList");
        QTest::newRow("name box") << false;
        QTest::newRow("file list") << true;
    }
    void returnOnAnExistingFileAsksOnce() {
        QFETCH(bool, fromFileList);
        build(kMethane);
        QCOMPARE(save(QStringLiteral("serie")), int(QDialog::Accepted));
        messages.clear();
        answers << QMessageBox::No << QMessageBox::No;
        ModalHooks::dialog = [&](QDialog& d) {
            auto& dialog = static_cast<SaveSeriesDialog&>(d);
            d.show();  // as exec() does: the dialog picks its default button when shown
            dialog.lists()->setPath(dir->path());
            QWidget* target = dialog.nameBox();
            if (fromFileList) {
                dialog.lists()->files()->setCurrentRow(0);
                target = dialog.lists()->files();
            } else {
                dialog.nameBox()->setText(QStringLiteral("serie"));
            }
            target->setFocus();
            QTest::keyClick(target, Qt::Key_Return);
            const int result = d.result();
            d.hide();
            return result;
        };
        mainButton("Command11")->click();
        QCOMPARE(messages, QStringList{QString::fromUtf8("Ce fichier existe déjà! | Écraser le fichier existant?")});
    }

    void returnInTheOpenPathBoxActsOnce() {
        ModalHooks::dialog = [&](QDialog& d) {
            auto& dialog = static_cast<OpenSeriesDialog&>(d);
            d.show();
            dialog.pathBox()->setText(dir->filePath(QStringLiteral("absente.C01")));
            dialog.pathBox()->setFocus();
            QTest::keyClick(dialog.pathBox(), Qt::Key_Return);
            const int result = d.result();
            d.hide();
            return result;
        };
        mainButton("Command2")->click();
        QCOMPARE(messages.size(), 1);
    }

    // The dialog stays open with the message and its reason; what was on disk is as it was.
    void failedSaveSaysSoAndWritesNothing_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("inTheWay");  // what already bears the name: "", "read-only", "fifo"
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing folder") << QStringLiteral("absent/serie") << QString() << QStringLiteral("dossier absent");
        QTest::newRow("read-only file") << QStringLiteral("serie") << QStringLiteral("read-only")
                                        << QStringLiteral("fichier en lecture seule");
        QTest::newRow("fifo") << QStringLiteral("serie") << QStringLiteral("fifo")
                              << QStringLiteral("ce n'est pas un fichier ordinaire");
    }
    void failedSaveSaysSoAndWritesNothing() {
        QFETCH(QString, name);
        QFETCH(QString, inTheWay);
        QFETCH(QString, reason);
        const QString file = dir->filePath(name + QStringLiteral(".C01"));
        if (inTheWay == QStringLiteral("read-only")) {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("ancien");
            f.close();
            QVERIFY(f.setPermissions(QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        } else if (inTheWay == QStringLiteral("fifo")) {
            QCOMPARE(::mkfifo(QFile::encodeName(file).constData(), 0644), 0);
        }
        build(kMethane);
        if (!inTheWay.isEmpty()) answers << QMessageBox::Yes;
        QCOMPARE(save(dir->filePath(name)), int(QDialog::Rejected));
        messages.removeAll(QString::fromUtf8("Ce fichier existe déjà! | Écraser le fichier existant?"));
        QCOMPARE(messages, QStringList{"Enregistrement impossible | Ecriture impossible sur disque\n\nRaison : " + reason});
        const QFileInfo after(file);
        QCOMPARE(after.exists(), !inTheWay.isEmpty());
        if (inTheWay == QStringLiteral("read-only")) QCOMPARE(after.size(), qint64(6));
        QCOMPARE(QDir(dir->path()).entryList(QDir::Hidden | QDir::Files | QDir::System).size(), inTheWay.isEmpty() ? 0 : 1);
    }

    void openRefusesMissingAndForeignFiles() {
        build(kMethane);
        QCOMPARE(open(dir->filePath(QStringLiteral("nowhere.C01"))), int(QDialog::Rejected));
        QCOMPARE(messages,
                 QStringList{"impossible d'ouvrir ce fichier | Nom de fichier incorrect ou chemin non valide"});
        messages.clear();
        const QString foreign = dir->filePath(QStringLiteral("autre.C01"));
        QFile f(foreign);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(1536, 'x'));
        f.close();
        QCOMPARE(open(foreign), int(QDialog::Accepted));
        QCOMPARE(messages, QStringList{QString::fromUtf8("Fichier non valide | Ce fichier ne correspond pas à cette application")});
        QCOMPARE(board(), QString::fromLatin1(kMethane));
        QCOMPARE(window->windowTitle(), QStringLiteral("Tavir"));
    }

    void fileListMatchesThePatternInAnyCase() {
        for (const char* name : {"b.C01", "a.c01", "c.txt"}) {
            QFile f(dir->filePath(QString::fromLatin1(name)));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        OpenSeriesDialog dialog(window->workspace(), window.get());
        QVERIFY(dialog.lists()->setPath(dir->path()));
        QStringList shown;
        for (int i = 0; i < dialog.lists()->files()->count(); ++i) shown << dialog.lists()->files()->item(i)->text();
        QCOMPARE(shown, (QStringList{"a.c01", "b.C01"}));
        dialog.lists()->files()->setCurrentRow(1);
        QCOMPARE(dialog.pathBox()->text(), dir->filePath(QStringLiteral("b.C01")));
        QCOMPARE(dialog.pos(), window->geometry().topLeft() + QPoint(20, 20));
    }

    // What the save dialog proposes as it opens, and where Enter then writes: never into the
    // program's own folder, where a shipped series would be replaced.
    void saveProposesNothingInTheProgramsFolder_data() {
        QTest::addColumn<QString>("series");  // "program/..." or "own/..." or empty
        QTest::addColumn<bool>("currentIsProgram");
        QTest::addColumn<QString>("shownName");
        QTest::addColumn<bool>("inDocuments");
        QTest::newRow("series of an exercise") << "program/exercices/02-methane/enonce.C01" << true << "enonce.C01" << true;
        QTest::newRow("the pupil's own series") << "own/mine.C01" << true << "mine.C01" << false;
        QTest::newRow("no series, in the program's folder") << "" << true << "" << true;
        QTest::newRow("no series, elsewhere") << "" << false << "" << false;
    }
    void saveProposesNothingInTheProgramsFolder() {
        QFETCH(QString, series);
        QFETCH(bool, currentIsProgram);
        QFETCH(QString, shownName);
        QFETCH(bool, inDocuments);
        const QString program = programDirectory();
        QVERIFY(!program.isEmpty());
        const QString documents = QDir::home().filePath(QStringLiteral("Documents"));
        const QString own = dir->path();
        QString seriesPath = series;
        seriesPath.replace(QStringLiteral("program"), program).replace(QStringLiteral("own"), own);
        const QString shipped = program + QStringLiteral("/exercices/02-methane/enonce.C01");
        QFile shippedFile(shipped);
        QVERIFY(shippedFile.open(QIODevice::ReadOnly));
        const QByteArray shippedBytes = shippedFile.readAll();
        shippedFile.close();
        if (series.startsWith(QLatin1String("own"))) QVERIFY(QFile::copy(shipped, seriesPath));
        if (!seriesPath.isEmpty()) QVERIFY(window->loadSeries(seriesPath));
        const QString before = QDir::currentPath();
        QDir::setCurrent(currentIsProgram ? program : own);

        QString shown, folder;
        ModalHooks::dialog = [&](QDialog& d) {
            auto& dialog = static_cast<SaveSeriesDialog&>(d);
            shown = dialog.nameBox()->text();
            folder = dialog.lists()->path();
            // Enter, and Oui to any question.
            if (!shown.isEmpty()) QTest::keyClick(dialog.nameBox(), Qt::Key_Return);
            return d.result();
        };
        answers = {QMessageBox::Yes};
        mainButton("Command11")->click();
        QDir::setCurrent(before);
        QCOMPARE(shown, shownName);
        QCOMPARE(folder, inDocuments ? documents : own);
        if (!shownName.isEmpty()) {
            QVERIFY(QFile::exists(QDir(folder).filePath(shownName)));
            // The pupil's own file is asked about; the shipped one is never reached.
            QCOMPARE(messages.size(), inDocuments ? 0 : 1);
        }
        QVERIFY(shippedFile.open(QIODevice::ReadOnly));
        QCOMPARE(shippedFile.readAll(), shippedBytes);
        QFile::remove(QDir(documents).filePath(shownName));
    }
};

QTEST_MAIN(SeriesDialogsTest)
#include "series_dialogs_test.moc"
