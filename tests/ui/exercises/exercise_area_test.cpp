// The exercise area: introduction, exercise menu, chooser, statements and their series,
// corrections, texts saved and opened, and the discard check.
#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextList>
#include <QTextTable>
#include <QtTest>
#include <sys/stat.h>
#include <unistd.h>

#include "ui/common/file_lists.hpp"
#include "ui/exercises/exercise_area.hpp"
#include "ui/exercises/exercise_chooser.hpp"
#include "core/exercises/exercise_file.hpp"
#include "core/board/construction.hpp"
#include "core/richtext/rtf_reader.hpp"
#include "core/series/series_file.hpp"
#include "support/message_capture.hpp"
#include "support/window_fixture.hpp"

using namespace tavir;
using namespace tavir::ui;

namespace {
const char* kMethane = "34222424242232223232322";
const char* kWater = "54222222242232222222322";
const char* kStatement = R"({\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0 Arial;}}\pard\qc\b\fs32 M\'e9thane\par\pard\b0\fs24 Construire le m\'e9thane.\par})";
const char* kCorrection = R"({\rtf1\ansi\deff0{\fonttbl{\f0 Arial;}}\pard Quatre liaisons simples.\par})";

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}
}  // namespace

class ExerciseAreaTest : public QObject {
    Q_OBJECT

private:
    testing::WindowFixture fx;
    std::unique_ptr<QTemporaryDir> dir;
    testing::MessageCapture boxes;
    QStringList& messages = boxes.messages;
    QList<int>& answers = boxes.answers;

    QTextEdit* supertext() { return fx.child<QTextEdit>(QStringLiteral("supertext")); }
    QLineEdit* fich() { return fx.child<QLineEdit>(QStringLiteral("fich")); }
    ExerciseArea* area() { return fx.window->exercises(); }
    // An exercise in the temporary folder: statement, correction and their series.
    QString makeExercise(const char* name, bool corrected, int difficulty, bool withStatement = true) {
        const QString folder = dir->path() + QLatin1Char('/');
        if (withStatement) writeFile(folder + QStringLiteral("enonce.rtf"), kStatement);
        writeFile(folder + QStringLiteral("corrige.rtf"), kCorrection);
        QTEST_ASSERT(saveSeriesFile((folder + QStringLiteral("depart.C01")).toStdString(), {kWater}).ok());
        QTEST_ASSERT(saveSeriesFile((folder + QStringLiteral("reponse.C01")).toStdString(), {kMethane}).ok());
        ExerciseDescription d;
        d.statement = "enonce.rtf";
        d.statementSeries = "depart.C01";
        if (corrected) {
            d.correction = "corrige.rtf";
            d.correctionSeries = "reponse.C01";
        }
        d.difficulty = difficulty;
        d.topics = {"Règle de l'octet. ", "", "Liaisons simples."};
        d.title = "   Le méthane  ";
        return writeExercise(name, d);
    }
    QString writeExercise(const char* name, const ExerciseDescription& d) {
        const QString path = dir->filePath(QString::fromLatin1(name));
        QTEST_ASSERT(saveExerciseFile(path.toStdString(), d).ok());
        return path;
    }
    QAction* menuItem(const char* name) { return area()->menu()->findChild<QAction*>(QString::fromLatin1(name)); }
    // Runs a file item of the menu ("opentexte", "savetexte"), its dialog answered with `path`.
    void runFileItem(const char* item, const QString& path) {
        ModalHooks::dialog = [&](QDialog& d) {
            static_cast<QFileDialog&>(d).selectFile(path);
            return int(QDialog::Accepted);
        };
        menuItem(item)->trigger();
        ModalHooks::dialog = nullptr;
    }
    bool openText(const QString& path) {
        runFileItem("opentexte", path);
        return fich()->text() == QStringLiteral("Texte\u00a0: ") + path;
    }
    void saveText(const QString& path) { runFileItem("savetexte", path); }
    static QByteArray bytesOf(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // Opens the exercise menu under BTEXO and records which items were enabled.
    QMap<QString, bool> menuStates() {
        QMap<QString, bool> states;
        ModalHooks::menu = [&](QMenu& m, const QPoint&) -> QAction* {
            for (QAction* a : m.actions())
                if (!a->isSeparator()) states[a->objectName()] = a->isEnabled();
            return nullptr;
        };
        QTest::mouseClick(fx.child(QStringLiteral("BTEXO")), Qt::LeftButton);
        ModalHooks::menu = nullptr;
        return states;
    }

private slots:
    void initTestCase() {
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

    // After an exercise, whose folder becomes the current one, the text dialogs still start in
    // the pupil's documents; without a documents folder, in the home folder.
    void textDialogsStartInTheDocuments_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<bool>("withDocuments");
        QTest::newRow("open") << "opentexte" << true;
        QTest::newRow("save") << "savetexte" << true;
        QTest::newRow("save, no documents folder") << "savetexte" << false;
    }
    void textDialogsStartInTheDocuments() {
        QFETCH(QString, item);
        QFETCH(bool, withDocuments);
        QVERIFY(area()->openExercise(makeExercise("a.E06", true, 1)));
        QCOMPARE(QDir::currentPath(), dir->path());
        const QString documents = QDir::home().filePath(QStringLiteral("Documents"));
        if (!withDocuments) QVERIFY(QDir(documents).removeRecursively());
        QString start;
        ModalHooks::dialog = [&](QDialog& d) {
            start = static_cast<QFileDialog&>(d).directory().absolutePath();
            return int(QDialog::Rejected);
        };
        menuItem(item.toLatin1().constData())->trigger();
        ModalHooks::dialog = nullptr;
        QDir().mkpath(documents);
        QCOMPARE(start, withDocuments ? documents : QDir::homePath());
    }

    // Where no printer is installed, the text's print proposes a PDF in the documents under a
    // name no earlier print holds, writes it, and says where it went.
    void printTextProposesAFreePdfInTheDocuments_data() {
        QTest::addColumn<bool>("earlierPrint");
        QTest::addColumn<QString>("proposed");
        QTest::newRow("first print") << false << "Tavir-exercice.pdf";
        QTest::newRow("after an earlier print") << true << "Tavir-exercice-2.pdf";
    }
    void printTextProposesAFreePdfInTheDocuments() {
        QFETCH(bool, earlierPrint);
        QFETCH(QString, proposed);
        if (!QPrinterInfo::availablePrinters().isEmpty()) QSKIP("a printer is installed: the print goes to it");
        QVERIFY(area()->openExercise(makeExercise("a.E06", true, 1)));
        const QDir documents(QDir::home().filePath(QStringLiteral("Documents")));
        const QString earlier = documents.filePath(QStringLiteral("Tavir-exercice.pdf"));
        QFile::remove(earlier);
        QFile::remove(documents.filePath(QStringLiteral("Tavir-exercice-2.pdf")));
        if (earlierPrint) {
            QFile old(earlier);
            QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
        }
        QString offered;
        ModalHooks::dialog = [&](QDialog& d) {
            offered = static_cast<QPrintDialog&>(d).printer()->outputFileName();
            return int(QDialog::Accepted);
        };
        menuItem("imprimetexte")->trigger();
        ModalHooks::dialog = nullptr;
        const QString expected = documents.filePath(proposed);
        QCOMPARE(offered, expected);
        QVERIFY(QFileInfo(expected).size() > 0);
        QCOMPARE(messages, QStringList{QString::fromUtf8("Imprimer | Impression terminée\u00a0: les pages sont dans le fichier ") +
                                       expected});
        if (earlierPrint) QCOMPARE(bytesOf(earlier), QByteArray("old"));
    }

    void introductionAsDescribed() {
        QTextEdit* text = supertext();
        QVERIFY(text->isReadOnly());
        QVERIFY(fich()->text().isEmpty());
        const QTextBlock title = text->document()->begin();
        QCOMPARE(title.text(), QStringLiteral("Tavir"));
        QCOMPARE(title.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        const QTextCharFormat titleFormat = title.begin().fragment().charFormat();
        QCOMPARE(titleFormat.foreground().color(), QColor(0, 0, 200));
        QCOMPARE(titleFormat.font().pixelSize(), 24);  // 18 points at 96 dpi
        QStringList blue;
        for (QTextBlock b = title.next(); b.isValid(); b = b.next()) {
            QCOMPARE(b.blockFormat().leftMargin(), 20.0);
            for (auto it = b.begin(); !it.atEnd(); ++it)
                if (it.fragment().charFormat().foreground().color() == QColor(0, 0, 200))
                    blue << it.fragment().text().trimmed();
        }
        QCOMPARE(blue, (QStringList{"le bouton gauche de la souris", "bouton droit", QString::fromUtf8("représentation de Tavir"),
                                    QString::fromUtf8("animation en trois dimensions."), "Exercices", "Prise en main"}));
        // Typing there marks nothing as modified.
        text->insertPlainText(QStringLiteral("x"));
        QVERIFY(!fx.window->workspace().textModified());
        QVERIFY(!menuStates().value(QStringLiteral("Closexo")));
    }

    void openingAnExerciseLoadsItsStatementAndSeries() {
        const QString file = makeExercise("a.E06", true, 2);
        QVERIFY(area()->openExercise(file));
        QVERIFY(supertext()->toPlainText().startsWith(QString::fromUtf8("Méthane")));
        QVERIFY(!supertext()->isReadOnly());
        QCOMPARE(fich()->text(), file);
        QCOMPARE(fx.board(), QString::fromLatin1(kWater));
        const auto states = menuStates();
        QVERIFY(states.value(QStringLiteral("opencor")));
        QVERIFY(states.value(QStringLiteral("Closexo")));
        menuItem("opencor")->trigger();
        QCOMPARE(supertext()->toPlainText(), QStringLiteral("Quatre liaisons simples."));
        QCOMPARE(fx.board(), QString::fromLatin1(kMethane));
        // The pupil's answers opened over it: the correction is still there to compare with.
        const QString answers = dir->filePath(QStringLiteral("reponses.rtf"));
        writeFile(answers, QByteArray("{\\rtf1 Mes r\\'e9ponses.}"));
        fx.window->workspace().seriesSaved();
        QVERIFY(openText(answers));
        QVERIFY(menuStates().value(QStringLiteral("opencor")));
        menuItem("opencor")->trigger();
        QCOMPARE(supertext()->toPlainText(), QStringLiteral("Quatre liaisons simples."));
        QCOMPARE(fich()->text(), file);
        menuItem("Closexo")->trigger();
        QVERIFY(fich()->text().isEmpty());
        QVERIFY(supertext()->isReadOnly());
        QVERIFY(supertext()->toPlainText().startsWith(QStringLiteral("Tavir")));
    }

    // The exercise's series would replace the pupil's unsaved work: asked first.
    void anExerciseOverAModifiedSeriesAsksFirst() {
        const QString file = makeExercise("a.E06", true, 2);
        fx.build(kMethane);
        testing::MessageCapture boxes;
        boxes.start(QMessageBox::Cancel);
        QVERIFY(!area()->openExercise(file));
        QCOMPARE(boxes.titles, QStringList{QString::fromUtf8("Série modifiée")});
        QCOMPARE(fx.board(), QString::fromLatin1(kMethane));
        QVERIFY(fich()->text().isEmpty());
        boxes.answers << QMessageBox::Discard;
        QVERIFY(area()->openExercise(file));
        QCOMPARE(fx.board(), QString::fromLatin1(kWater));
        QVERIFY(!fx.window->workspace().seriesModified());
    }

    void aMenuItemRunsOnce() {
        int dialogs = 0;
        ModalHooks::dialog = [&](QDialog&) {
            ++dialogs;
            return int(QDialog::Rejected);
        };
        ModalHooks::menu = [](QMenu& m, const QPoint&) { return m.findChild<QAction*>(QStringLiteral("openexo")); };
        QTest::mouseClick(fx.child(QStringLiteral("BTEXO")), Qt::LeftButton);
        QCOMPARE(dialogs, 1);
    }

    void uncorrectedExerciseHasNoCorrectionItem() {
        QVERIFY(area()->openExercise(makeExercise("b.E06", false, 0)));
        QVERIFY(!menuStates().value(QStringLiteral("opencor")));
    }

    void missingStatementSaysWhichFile() {
        const QString file = makeExercise("c.E06", true, 1, false);
        QVERIFY(!area()->openExercise(file));
        QCOMPARE(messages, QStringList{QStringLiteral("Fichier absent | Le fichier ") + dir->path() +
                                       QStringLiteral("/enonce.rtf est introuvable")});
        QVERIFY(fich()->text().isEmpty());
    }

    // Tab leaves the text for the next control; Ctrl+Tab types the tab.
    void tabMovesOnAndCtrlTabTypesATab() {
        QTextEdit* text = supertext();
        text->setReadOnly(false);
        text->setPlainText(QStringLiteral("a"));
        text->moveCursor(QTextCursor::End);
        fx.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(fx.window.get()));
        text->setFocus();
        QTest::keyClick(text, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(text->toPlainText(), QStringLiteral("a\t"));
        QTest::keyClick(text, Qt::Key_Tab);
        QCOMPARE(text->toPlainText(), QStringLiteral("a\t"));
        QVERIFY(!text->hasFocus());
    }

    void editedTextAsksBeforeItIsLost() {
        QVERIFY(area()->openExercise(makeExercise("a.E06", true, 2)));
        supertext()->insertPlainText(QStringLiteral("Ma réponse"));
        QVERIFY(fx.window->workspace().textModified());
        answers << QMessageBox::Cancel;
        menuItem("Closexo")->trigger();
        QCOMPARE(messages, QStringList{QString::fromUtf8("Abandon des données? | Attention\u00a0: perte des modifications du texte.")});
        QVERIFY(!fich()->text().isEmpty());
        QVERIFY(supertext()->toPlainText().contains(QStringLiteral("Ma réponse")));
    }

    void chooserShowsTheHeader_data() {
        QTest::addColumn<bool>("corrected");
        QTest::addColumn<int>("difficulty");
        QTest::addColumn<QString>("label");
        QTest::newRow("none lit") << false << 0 << QString::fromUtf8("Non corrigé");
        QTest::newRow("two lit") << true << 2 << QString::fromUtf8("Exercice corrigé");
        QTest::newRow("three lit") << true << 3 << QString::fromUtf8("Exercice corrigé");
    }
    void chooserShowsTheHeader() {
        QFETCH(bool, corrected);
        QFETCH(int, difficulty);
        QFETCH(QString, label);
        makeExercise("x.E06", corrected, difficulty);
        ExerciseChooser chooser(*area(), fx.window.get());
        QVERIFY(chooser.lists()->setPath(dir->path()));
        QCOMPARE(chooser.lists()->files()->count(), 1);
        chooser.selectFile(QStringLiteral("x.E06"));
        QCOMPARE(chooser.findChild<QLabel*>(QStringLiteral("titratexo"))->text(), QString::fromUtf8("Le méthane"));
        QCOMPARE(chooser.findChild<QLabel*>(QStringLiteral("Label2"))->text(), label);
        QCOMPARE(chooser.findChild<QLabel*>(QStringLiteral("Label3"))->pos(),
                 chooser.findChild<QLabel*>(QStringLiteral("Label2"))->pos() + QPoint(2, 2));
        QCOMPARE(chooser.findChild<QTextEdit*>(QStringLiteral("Text1"))->toPlainText(),
                 QString::fromUtf8("Règle de l'octet. Liaisons simples."));
        int lit = 0;
        for (int k = 0; k < 3; ++k)
            lit += chooser.findChild<QLabel*>(QStringLiteral("Image4_%1").arg(k))->property("lit").toBool();
        QCOMPARE(lit, difficulty);
        chooser.openSelected();
        QCOMPARE(chooser.result(), int(QDialog::Accepted));
        QCOMPARE(fx.board(), QString::fromLatin1(kWater));
    }

    // A series an exercise names that is gone: "Fichier absent", nothing half-opened, and the
    // chooser stays for another choice; for the correction, the statement and its board stay.
    void missingSeriesOpensNothing() {
        const QString file = makeExercise("x.E06", true, 2);
        const QString start = dir->filePath(QStringLiteral("depart.C01"));
        const QString answer = dir->filePath(QStringLiteral("reponse.C01"));
        QVERIFY(QFile::rename(start, start + QStringLiteral(".old")));
        ExerciseChooser chooser(*area(), fx.window.get());
        QVERIFY(chooser.lists()->setPath(dir->path()));
        chooser.selectFile(QStringLiteral("x.E06"));
        chooser.openSelected();
        QCOMPARE(messages, QStringList{QStringLiteral("Fichier absent | Le fichier %1 est introuvable").arg(start)});
        QCOMPARE(chooser.result(), int(QDialog::Rejected));
        QVERIFY(fich()->text().isEmpty());
        QVERIFY(supertext()->toPlainText().startsWith(QStringLiteral("Tavir")));
        QCOMPARE(fx.board(), QString::fromLatin1(kEmptyConstructionString.data(), 23));

        QVERIFY(QFile::rename(start + QStringLiteral(".old"), start));
        QVERIFY(area()->openExercise(file));
        QVERIFY(QFile::remove(answer));
        menuItem("opencor")->trigger();
        QCOMPARE(messages.size(), 2);
        QCOMPARE(messages[1], QStringLiteral("Fichier absent | Le fichier %1 est introuvable").arg(answer));
        QVERIFY(supertext()->toPlainText().startsWith(QString::fromUtf8("Méthane")));
        QCOMPARE(fx.board(), QString::fromLatin1(kWater));
    }

    void chooserOnAFolderWithoutExercises() {
        ExerciseChooser chooser(*area(), fx.window.get());
        QVERIFY(chooser.lists()->setPath(dir->path()));
        QCOMPARE(chooser.lists()->files()->count(), 0);
        QVERIFY(!chooser.findChild<QLabel*>(QStringLiteral("ouvreur"))->isVisibleTo(&chooser));
        chooser.openSelected();
        QCOMPARE(chooser.result(), int(QDialog::Rejected));
    }

    // A worksheet LibreOffice Writer saved: its subscripts, table, picture and bullets are in
    // the area, and a save writes every one of them back.
    void libreOfficeWorksheetShowsAndSavesWhole() {
        const QString worksheet =
            QFileInfo(QFINDTESTDATA("../../fuzz/corpus/rtf_reader/libreoffice_worksheet.rtf")).canonicalFilePath();
        QVERIFY(!worksheet.isEmpty());
        QVERIFY(openText(worksheet));
        QTextDocument* shown = supertext()->document();
        QTextTable* table = nullptr;
        int images = 0, subscripts = 0, superscripts = 0;
        for (QTextBlock b = shown->begin(); b.isValid(); b = b.next()) {
            if (QTextCursor(b).currentTable()) table = QTextCursor(b).currentTable();
            for (auto it = b.begin(); !it.atEnd(); ++it) {
                const QTextCharFormat f = it.fragment().charFormat();
                images += f.isImageFormat();
                subscripts += f.verticalAlignment() == QTextCharFormat::AlignSubScript;
                superscripts += f.verticalAlignment() == QTextCharFormat::AlignSuperScript;
            }
        }
        QVERIFY(table);
        QCOMPARE(QSize(table->columns(), table->rows()), QSize(3, 3));
        QCOMPARE(table->cellAt(2, 2).firstCursorPosition().block().text(), QString::fromUtf8("tétraédrique"));
        QCOMPARE(images, 1);
        QCOMPARE(subscripts, 4);  // CH4, H3O, and H2O, CH4 in the table
        QCOMPARE(superscripts, 2);
        // The bullets are a list of the document, drawn by it, not typed marks.
        const QTextBlock item = shown->find(QString::fromUtf8("compter les doublets liants")).block();
        QVERIFY(item.textList());
        QCOMPARE(item.textList()->format().style(), QTextListFormat::ListDisc);
        QCOMPARE(item.textList()->count(), 2);

        const QString saved = dir->filePath(QStringLiteral("fiche.rtf"));
        saveText(saved);
        QVERIFY(messages.isEmpty());
        QCOMPARE(readRtf(bytesOf(saved).toStdString()).document, readRtf(bytesOf(worksheet).toStdString()).document);
    }

    // Past what the area can show, a text is refused with a message and the area stays as it
    // was; a word of a megabyte is shown, in pieces.
    void hugeTextsAreRefusedAndHugeWordsBroken() {
        const QString huge = dir->filePath(QStringLiteral("enorme.rtf"));
        writeFile(huge, "{\\rtf1 " + QByteArray(int(kMaxShownTextBytes) / 2 + 1, 'a').replace("a", "a ") + "}");
        const QString before = supertext()->toPlainText();
        QVERIFY(!openText(huge));
        QCOMPARE(messages, QStringList{QString::fromUtf8("Texte trop long | Ce texte est trop long pour la fenêtre exercice\u00a0: "
                                                         "elle affiche au plus 2 Mo de texte.")});
        QCOMPARE(supertext()->toPlainText(), before);
        QVERIFY(fich()->text().isEmpty());

        const QString word = dir->filePath(QStringLiteral("mot.rtf"));
        writeFile(word, "{\\rtf1 " + QByteArray(1 << 20, 'a') + "}");
        QVERIFY(openText(word));
        const QString shown = supertext()->document()->begin().text();
        QCOMPARE(shown.size(), (1 << 20) + (1 << 20) / int(kMaxShownWordLength));
        QCOMPARE(shown.indexOf(QChar::LineSeparator), int(kMaxShownWordLength));
    }

    // What the area cannot show of a file is not lost without a question when it is saved
    // over; once written over, the file has nothing more to lose.
    void savingOverAFileWithHiddenContentAsksFirst() {
        const QString path = dir->filePath(QStringLiteral("notes.rtf"));
        writeFile(path, "{\\rtf1{\\header En-t\\'eate}Texte{\\footnote Note}.\\par}");
        const QByteArray original = bytesOf(path);
        QVERIFY(openText(path));
        QCOMPARE(supertext()->toPlainText(), QStringLiteral("Texte."));
        const QString question = QString::fromUtf8(
            "Enregistrer sans certains éléments? | Le fichier ouvert contenait des éléments que la fenêtre exercice ne "
            "peut pas afficher\u00a0:\n- les en-têtes et pieds de page\n- les notes de bas de page et de fin\nIls ne seront "
            "pas dans le fichier enregistré. Enregistrer quand même?");
        answers << QMessageBox::Ok << QMessageBox::Cancel;
        saveText(path);
        QCOMPARE(messages.size(), 2);
        QCOMPARE(messages.last(), question);
        QCOMPARE(bytesOf(path), original);

        messages.clear();
        answers << QMessageBox::Ok << QMessageBox::Ok;
        saveText(path);
        QCOMPARE(messages.size(), 2);
        QCOMPARE(plainText(readRtf(bytesOf(path).toStdString()).document), std::string("Texte."));

        messages.clear();
        saveText(path);
        QCOMPARE(messages.size(), 1);  // "Écraser le fichier?" only
    }

    // Files an exercise names that no reader may take: the window says which and why, in
    // French, and the exercise does not open: the area and the board stay as they were. Only
    // a file that is not there is "introuvable".
    void hostileNamesGetTheirMessage_data() {
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QString>("series");
        QTest::addColumn<QString>("message");  // %1: the exercise folder
        const QString absent = QStringLiteral("Fichier absent | Le fichier %1/");
        const QString unreadable = QStringLiteral("Lecture impossible | Impossible de lire le fichier %1/");
        const QString notAFile = QStringLiteral("\n\nRaison : ce n'est pas un fichier ordinaire");
        const QString seriesUnreadable = QStringLiteral("Erreur lors du chargement du fichier | Lecture impossible sur disque");
        QTest::newRow("statement climbs out") << "../../../../etc/passwd" << "depart.C01"
                                              << absent + QStringLiteral("../../../../etc/passwd est introuvable");
        QTest::newRow("statement missing") << "absent.rtf" << "depart.C01" << absent + QStringLiteral("absent.rtf est introuvable");
        QTest::newRow("statement is a fifo") << "fifo" << "depart.C01" << unreadable + QStringLiteral("fifo") + notAFile;
        QTest::newRow("statement is a folder") << "dossier" << "depart.C01" << unreadable + QStringLiteral("dossier") + notAFile;
        // The link leads out of the folder: refused before anything is looked at.
        QTest::newRow("statement links to memory") << "mem.rtf" << "depart.C01" << absent + QStringLiteral("mem.rtf est introuvable");
        QTest::newRow("statement is a picture")
            << "image.rtf" << "depart.C01"
            << QStringLiteral("Lecture impossible | Ce fichier n'est pas un texte\u00a0: ni texte au format RTF, ni texte simple.");
        QTest::newRow("series climbs out") << "enonce.rtf" << "..\\autre\\serie.C01"
                                           << absent + QStringLiteral("../autre/serie.C01 est introuvable");
        // A series that cannot be read stops the opening as a statement does: the chooser stays.
        QTest::newRow("series is a fifo") << "enonce.rtf" << "fifo" << seriesUnreadable + notAFile;
        QTest::newRow("series missing") << "enonce.rtf" << "absente.C01" << absent + QStringLiteral("absente.C01 est introuvable");
        QTest::newRow("series not a series")
            << "enonce.rtf" << "enonce.rtf"
            << QString::fromUtf8("Fichier non valide | Ce fichier ne correspond pas à cette application");
    }
    void hostileNamesGetTheirMessage() {
        QFETCH(QString, statement);
        QFETCH(QString, series);
        QFETCH(QString, message);
        makeExercise("a.E06", false, 0);
        QCOMPARE(::mkfifo(QFile::encodeName(dir->filePath(QStringLiteral("fifo"))).constData(), 0644), 0);
        QVERIFY(QFile::link(QStringLiteral("/proc/self/mem"), dir->filePath(QStringLiteral("mem.rtf"))));
        QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("dossier")));
        writeFile(dir->filePath(QStringLiteral("image.rtf")),
                  QByteArray::fromHex("89504e470d0a1a0a0000000d49484452") + QByteArray(64, '\0'));
        ExerciseDescription d;
        d.statement = statement.toStdString();
        d.statementSeries = series.toStdString();
        const QString file = writeExercise("hostile.E06", d);
        ::alarm(20);  // a reader blocked on the FIFO ends the test
        const bool opened = area()->openExercise(file);
        ::alarm(0);
        QCOMPARE(messages, QStringList{message.arg(dir->path())});
        QVERIFY(!opened);
        QCOMPARE(fich()->text(), QString());
        QVERIFY(supertext()->isReadOnly());
        QVERIFY(supertext()->toPlainText().startsWith(QStringLiteral("Tavir")));
        QCOMPARE(fx.board(), QString::fromLatin1(kEmptyConstructionString.data(), 23));
    }

    // A text that opens but cannot be read, a file in the way of a save: the message, and
    // the text on screen stays.
    void unreadableAndUnwritableTexts() {
        QVERIFY(area()->openExercise(makeExercise("a.E06", true, 2)));
        QString chosen = QStringLiteral("/proc/self/mem");
        ModalHooks::dialog = [&](QDialog& d) {
            static_cast<QFileDialog&>(d).selectFile(chosen);
            return int(QDialog::Accepted);
        };
        menuItem("opentexte")->trigger();
        QCOMPARE(messages, QStringList{QStringLiteral("Lecture impossible | Impossible de lire le fichier /proc/self/mem\n\n"
                                                      "Raison : ce n'est pas un fichier ordinaire")});
        QVERIFY(supertext()->toPlainText().startsWith(QString::fromUtf8("Méthane")));
        messages.clear();
        chosen = dir->filePath(QStringLiteral("protege.rtf"));
        writeFile(chosen, "ancien");
        QVERIFY(QFile::setPermissions(chosen, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        supertext()->insertPlainText(QStringLiteral("Ma réponse"));
        menuItem("savetexte")->trigger();
        QCOMPARE(messages.last(), QStringLiteral("Enregistrement impossible | Impossible d'enregistrer le fichier ") + chosen +
                                      QStringLiteral("\n\nRaison : fichier en lecture seule"));
        QVERIFY(fx.window->workspace().textModified());
        QFile f(chosen);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("ancien"));
    }

    void savedTextReopensWithItsFormatting() {
        QVERIFY(area()->openExercise(makeExercise("a.E06", true, 2)));
        const QString saved = dir->filePath(QStringLiteral("copie.rtf"));
        ModalHooks::dialog = [&](QDialog& d) {
            static_cast<QFileDialog&>(d).selectFile(saved);
            return int(QDialog::Accepted);
        };
        // QFileDialog::selectedFiles reads what was selected; run the item and check the file.
        menuItem("savetexte")->trigger();
        QVERIFY(QFile::exists(saved));
        QVERIFY(!fx.window->workspace().textModified());
        menuItem("Closexo")->trigger();
        menuItem("opentexte")->trigger();
        QCOMPARE(fich()->text(), QStringLiteral("Texte\u00a0: ") + saved);
        const QTextBlock title = supertext()->document()->begin();
        QCOMPARE(title.text(), QString::fromUtf8("Méthane"));
        QCOMPARE(title.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        QVERIFY(title.begin().fragment().charFormat().fontWeight() >= QFont::Bold);
        // Saving onto it again and answering Cancel leaves the file as it was.
        QFile file(saved);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray before = file.readAll();
        file.close();
        supertext()->insertPlainText(QStringLiteral("ajout"));
        answers << QMessageBox::Cancel;
        menuItem("savetexte")->trigger();
        QVERIFY(messages.last().startsWith(QStringLiteral("Écraser le fichier? | Le fichier ")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
    }
};

QTEST_MAIN(ExerciseAreaTest)
#include "exercise_area_test.moc"
