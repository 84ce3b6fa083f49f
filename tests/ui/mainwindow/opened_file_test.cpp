// `tavir FILE`: a series, an exercise or a text opens as its menu would, with its messages.
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

#include "../../core/support/zip_package.hpp"
#include "core/exercises/exercise_file.hpp"
#include "core/richtext/texts.hpp"
#include "core/series/series_file.hpp"
#include "support/message_capture.hpp"
#include "support/window_fixture.hpp"
#include "ui/mainwindow/opened_file.hpp"

using namespace tavir;
using namespace tavir::ui;

namespace {
const char* kWater = "54222222242232222222322";
const char* kEmpty = "22222222222222222222222";
const QByteArray kStatement = R"({\rtf1\ansi\deff0{\fonttbl{\f0 Arial;}}\pard Construire le m\'e9thane.\par})";
QByteArray bytes(const std::string& s) { return QByteArray(s.data(), qsizetype(s.size())); }
}  // namespace

class OpenedFileTest : public QObject {
    Q_OBJECT

    ui::testing::WindowFixture fx;
    ui::testing::MessageCapture boxes;
    QTemporaryDir dir;

    QString write(const QString& name, const QByteArray& content) {
        QFile f(dir.filePath(name));
        QTEST_ASSERT(f.open(QIODevice::WriteOnly) && f.write(content) == content.size());
        return f.fileName();
    }

private slots:
    void init() {
        QVERIFY(fx.open());
        boxes.start();
    }
    void cleanup() { fx.close(); }

    void opensByKind_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("fich");     // %1: the file's path
        QTest::addColumn<QString>("board");
        QTest::addColumn<QString>("message");  // "title | text", or none
        const QByteArray series = bytes(*encodeSeries({kWater}));
        const QString water = QString::fromLatin1(kWater), empty = QString::fromLatin1(kEmpty);
        const QString notText = QStringLiteral("Lecture impossible | ") + QString::fromUtf8(richtext_texts::kNotText.data());
        const QString wordProcessor =
            QStringLiteral("Lecture impossible | ") + QString::fromUtf8(richtext_texts::kWordProcessorDocument.data());
        QTest::newRow("series") << "serie.C01" << series << "" << water << "";
        QTest::newRow("exercise") << "methane.E06"
                                  << bytes(*encodeExercise({"enonce.rtf", "depart.C01", "", "", 1, {}, "Méthane"}))
                                  << "%1" << water << "";
        QTest::newRow("rtf") << "fiche.rtf" << kStatement << "Texte\u00a0: %1" << empty << "";
        QTest::newRow("docx") << "fiche.docx" << bytes(tavir::testing::wordDocument().bytes()) << "" << empty
                              << wordProcessor;
        QTest::newRow("picture") << "photo.png" << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\r", 12) << "" << empty
                                 << notText;
        QTest::newRow("not_a_series") << "faux.C01" << kStatement << "" << empty
                                      << "Fichier non valide | Ce fichier ne correspond pas à cette application";
        QTest::newRow("missing_series") << "absente.C01" << QByteArray() << "" << empty
                                        << "impossible d'ouvrir ce fichier | Nom de fichier incorrect ou chemin non valide";
        QTest::newRow("missing_exercise") << "absent.E06" << QByteArray() << "" << empty
                                          << "Lecture impossible | Vérifier\u00a0:\n- le nom du fichier,\n- l'état du lecteur.\n\n"
                                             "Raison : fichier ou dossier introuvable";
    }
    void opensByKind() {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(QString, fich);
        QFETCH(QString, board);
        QFETCH(QString, message);
        write(QStringLiteral("enonce.rtf"), kStatement);
        write(QStringLiteral("depart.C01"), bytes(*encodeSeries({kWater})));
        const QString path = name.startsWith(QLatin1String("absent")) ? dir.filePath(name) : write(name, content);
        // A relative argument, as typed in a terminal in the file's folder.
        QDir::setCurrent(dir.path());
        openWhenShown(*fx.window, givenFilePath(name));

        auto* shown = fx.child<QLineEdit>(QStringLiteral("fich"));
        QTRY_VERIFY(!boxes.messages.isEmpty() || !shown->text().isEmpty() || fx.board() != QLatin1String(kEmpty));
        QCOMPARE(boxes.messages, message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(shown->text(), QString(fich).replace(QStringLiteral("%1"), path));
        QCOMPARE(fx.board(), board);
        if (!fich.isEmpty())
            QVERIFY(fx.child<QTextEdit>(QStringLiteral("supertext"))->toPlainText().startsWith(QString::fromUtf8("Construire le méthane")));
        if (board != QLatin1String(kEmpty) && fich.isEmpty())
            QCOMPARE(fx.window->windowTitle(), QStringLiteral("Tavir - ") + path);
    }
};

QTEST_MAIN(OpenedFileTest)
#include "opened_file_test.moc"
