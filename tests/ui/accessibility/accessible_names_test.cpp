// What a screen reader announces: every control of every window has a French name without
// a mnemonic "&", and the result views describe what they show.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QToolButton>
#include <QRegularExpression>
#include <QtTest>
#include <functional>

#include "ui/board/board_view.hpp"
#include "ui/calculator/calculator_window.hpp"
#include "ui/common/file_lists.hpp"
#include "ui/common/view_widget.hpp"
#include "ui/dotstructure/information_window.hpp"
#include "ui/exercises/exercise_area.hpp"
#include "ui/exercises/exercise_chooser.hpp"
#include "core/exercises/exercise_file.hpp"
#include "ui/help/help_window.hpp"
#include "ui/output/print_window.hpp"
#include "ui/series/series_dialogs.hpp"
#include "support/window_fixture.hpp"

using namespace tavir;
using namespace tavir::ui;

namespace {

QString accessibleText(QWidget* w, QAccessible::Text which) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
    return iface ? iface->text(which) : QString();
}

// What a screen reader says a control is. A combo box on Linux gives its current item as its
// name: what it is comes from the label related to it.
QString spokenName(QWidget* w) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
    if (!iface) return {};
    if (qobject_cast<QComboBox*>(w)) {
        const auto labels = iface->relations(QAccessible::Label);
        return labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name);
    }
    return iface->text(QAccessible::Name);
}

bool hasPicture(QWidget* w) {
    const auto* label = qobject_cast<QLabel*>(w);
    return label && !label->pixmap().isNull();
}

// What a pupil can reach or what shows something on its own: Qt's controls, pictures, menus
// and our painted views.
bool isControl(QWidget* w) {
    return qobject_cast<QAbstractButton*>(w) || qobject_cast<QAbstractSlider*>(w) ||
           qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QLineEdit*>(w) || qobject_cast<QTextEdit*>(w) ||
           qobject_cast<QAbstractItemView*>(w) || qobject_cast<QComboBox*>(w) || qobject_cast<QMenu*>(w) ||
           hasPicture(w) || qobject_cast<ViewWidget*>(w) || qobject_cast<ChooserHeading*>(w) || qobject_cast<UpDown*>(w) ||
           qobject_cast<BoardView*>(w) || qobject_cast<CellWidget*>(w);
}

// Scroll bars, viewports and popups inside Qt's composite controls are Qt's own parts.
bool isComposite(QWidget* w) {
    return qobject_cast<QAbstractScrollArea*>(w) || qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractSpinBox*>(w);
}

void collect(QWidget* w, QWidget* skipped, QList<QWidget*>& out) {
    if (w == skipped) return;
    if (isControl(w)) out << w;
    if (isComposite(w)) return;
    for (QWidget* child : w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) collect(child, skipped, out);
}

QString describe(QWidget* w) {
    return QStringLiteral("%1 (%2)").arg(w->objectName(), QString::fromLatin1(w->metaObject()->className()));
}

const char* kWater = "54222222242232222222322";
const char* kCarbonDioxide = "35222225222242222242222";
const char* kAmmonia = "64222424222232223232222";
const char* kLoneCarbon = "32222222222222222222222";

}  // namespace

class AccessibleNamesTest : public QObject {
    Q_OBJECT

private:
    testing::WindowFixture fx;
    CalculatorMemory memory;

    // Opens one window of the program by a short name; the main window and its board are
    // the fixture's own.
    std::unique_ptr<QWidget> open(const QString& which) {
        QWidget* main = fx.window.get();
        Workspace& ws = fx.window->workspace();
        if (which == QLatin1String("calculator")) return std::make_unique<CalculatorWindow>(memory, main);
        if (which == QLatin1String("print")) return std::make_unique<PrintWindow>(ws, main);
        if (which == QLatin1String("open")) return std::make_unique<OpenSeriesDialog>(ws, main);
        if (which == QLatin1String("save")) return std::make_unique<SaveSeriesDialog>(ws, main);
        if (which == QLatin1String("chooser")) return std::make_unique<ExerciseChooser>(*fx.window->exercises(), main);
        if (which == QLatin1String("information")) return std::make_unique<InformationWindow>(QPoint(0, 0), main);
        if (which == QLatin1String("help")) return std::make_unique<HelpWindow>();
        return nullptr;
    }
    QWidget* rootOf(const QString& which, std::unique_ptr<QWidget>& owned) {
        if (which == QLatin1String("main")) return fx.window.get();
        if (which == QLatin1String("board")) return fx.window->board();
        owned = open(which);
        return owned.get();
    }

private slots:
    void initTestCase() { QVERIFY(fx.open()); }
    void cleanupTestCase() { fx.close(); }

    void everyControlHasAName_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("atLeast");  // guards against a walk that finds nothing
        QTest::newRow("main window") << "main" << 40;
        QTest::newRow("board") << "board" << 14;
        QTest::newRow("calculator") << "calculator" << 53;
        QTest::newRow("print window") << "print" << 12;
        QTest::newRow("open series") << "open" << 6;
        QTest::newRow("save series") << "save" << 6;
        QTest::newRow("exercise chooser") << "chooser" << 11;
        QTest::newRow("information window") << "information" << 1;
        QTest::newRow("help window") << "help" << 5;
    }
    void everyControlHasAName() {
        QFETCH(QString, window);
        QFETCH(int, atLeast);
        std::unique_ptr<QWidget> owned;
        QWidget* root = rootOf(window, owned);
        QVERIFY(root);
        // The board has its own row.
        QList<QWidget*> controls;
        collect(root, window == QLatin1String("main") ? fx.window->board() : nullptr, controls);
        QVERIFY2(controls.size() >= atLeast, qPrintable(QString::number(controls.size())));
        QStringList unnamed;
        for (QWidget* w : controls) {
            const QString name = spokenName(w);
            if (name.trimmed().isEmpty() || name.contains(QLatin1Char('&')))
                unnamed << describe(w) + QStringLiteral(": \"") + name + QLatin1Char('"');
        }
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
    }

    void namesAreTheirs_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        const auto row = [](const char* window, const char* control, const char* name) {
            QTest::addRow("%s %s", window, control) << QString::fromLatin1(window) << QString::fromLatin1(control)
                                                     << QString::fromUtf8(name);
        };
        row("main", "Imagea_0", "Carbone");
        row("main", "Imagea_1", "Hydrogène");
        row("main", "Imagea_2", "Oxygène");
        row("main", "Imagea_3", "Azote");
        row("main", "Imagea_4", "Chlore");
        row("main", "brute", "Formule brute");
        row("main", "fdev", "Représentation de Tavir");
        row("main", "D3D", "Animation en trois dimensions");
        row("main", "Command16_0", "Retour rapide");
        row("main", "Command16_3", "Activer l'animation");
        row("main", "Option3_9", "Construction 10");
        row("main", "tetra1", "Figure géométrique");
        row("main", "Slider1", "Vitesse");
        row("main", "BTEXO", "Exercices");
        row("main", "smile", "Construction acceptée");
        row("main", "Command4", "Copier");  // the caption without its "&"
        row("main", "supertext", "Texte de l'exercice");
        row("main", "menucopie", "Copier dans le presse-papiers");
        row("main", "menuflo", "Ordre de la liaison");
        row("calculator", "z1", "Écran de la calculatrice");
        row("calculator", "Bexp", "Exponentielle");
        row("calculator", "B10x", "Dix puissance x");
        row("calculator", "puissance", "Puissance");
        row("calculator", "btcarre", "Carré");
        row("calculator", "invsin", "Arc sinus");
        row("calculator", "EFFACE", "Effacer le dernier caractère");
        row("calculator", "B7", "7");
        row("calculator", "angle1", "Radians");
        row("print", "UpDown1", "Nombre d'exemplaires");
        row("print", "up", "Un exemplaire de plus");
        row("print", "down", "Un exemplaire de moins");
        row("print", "defaut", "Imprimante");
        row("print", "Command2", "Imprimantes");
        row("open", "Drive1", "Lecteur\u00a0:");
        row("open", "Dir1", "Répertoire");
        row("open", "File1", "Fichiers");
        row("open", "ficharge", "Fichier à ouvrir");
        row("open", "Command1", "Ouvrir");
        row("save", "File1", "Fichiers enregistrés");
        row("save", "Text1", "Nom du fichier");
        row("save", "Command2", "Annuler");
        row("chooser", "tito", "Ouvrir un exercice");
        row("chooser", "Drive1", "Lecteur");
        row("chooser", "ouvreur", "Ouvrir l'exercice sélectionné");
        row("chooser", "Image5", "Fermer sans charger d'exercice");
        row("chooser", "Image4_2", "Niveau de difficulté 3");
        row("chooser", "Text1", "Notions abordées");
        row("information", "Command1", "OK");
        row("help", "pages", "Page d'aide");
    }
    void namesAreTheirs() {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(QString, name);
        std::unique_ptr<QWidget> owned;
        QWidget* root = rootOf(window, owned);
        auto* w = root->findChild<QWidget*>(control);
        QVERIFY2(w, qPrintable(control));
        QCOMPARE(spokenName(w), name);
    }

    void viewsDescribeWhatTheyShow_data() {
        QTest::addColumn<QString>("construction");
        QTest::addColumn<QString>("formula");
        QTest::addColumn<QString>("dotStructure");
        QTest::addColumn<QString>("geometryEnd");
        const QString none = QString::fromUtf8("Aucune représentation : la construction est vide ou n'est pas acceptée.");
        QTest::newRow("water") << kWater << "H2O" << "H2O" << QString::fromUtf8("coudée.");
        QTest::newRow("ammonia") << kAmmonia << "NH3" << "NH3" << "pyramidale.";
        QTest::newRow("carbon dioxide") << kCarbonDioxide << "CO2" << "CO2" << QString::fromUtf8("alignés.");
        QTest::newRow("lone carbon") << kLoneCarbon << "" << none << "";
    }
    void viewsDescribeWhatTheyShow() {
        QFETCH(QString, construction);
        QFETCH(QString, formula);
        QFETCH(QString, dotStructure);
        QFETCH(QString, geometryEnd);
        fx.build(construction.toLatin1().constData());
        QCOMPARE(accessibleText(fx.child(QStringLiteral("brute")), QAccessible::Description), formula);
        QCOMPARE(accessibleText(fx.child(QStringLiteral("fdev")), QAccessible::Description), dotStructure);
        QWidget* d3d = fx.child(QStringLiteral("D3D"));
        if (geometryEnd.isEmpty()) {
            QCOMPARE(accessibleText(d3d, QAccessible::Description), QString());
            return;
        }
        // The geometry text arrives with the animation's next tick, on one line.
        QTRY_VERIFY_WITH_TIMEOUT(accessibleText(d3d, QAccessible::Description).endsWith(geometryEnd), 2000);
        // On one line: the label's line breaks become spaces, its no-break spaces stay.
        QString shown = fx.child<QLabel>(QStringLiteral("C3D"))->text();
        shown.replace(QRegularExpression(QStringLiteral("\\s*\\n\\s*")), QStringLiteral(" "));
        QCOMPARE(accessibleText(d3d, QAccessible::Description), shown);
    }

    void spinnerTellsTheCopies() {
        PrintWindow confimp(fx.window->workspace(), fx.window.get());
        auto* spinner = confimp.findChild<UpDown*>(QStringLiteral("UpDown1"));
        QCOMPARE(accessibleText(spinner, QAccessible::Description), QStringLiteral("1 exemplaire"));
        confimp.findChild<QToolButton*>(QStringLiteral("up"))->click();
        confimp.findChild<QToolButton*>(QStringLiteral("up"))->click();
        QCOMPARE(accessibleText(spinner, QAccessible::Description), QStringLiteral("3 exemplaires"));
        spinner->setValue(1);
        QCOMPARE(accessibleText(spinner, QAccessible::Description), QStringLiteral("1 exemplaire"));
    }

    void difficultyPicturesTellTheirState() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        ExerciseDescription d;
        d.statement = "enonce.rtf";
        d.difficulty = 2;
        d.title = "Le méthane";
        QVERIFY(saveExerciseFile(dir.filePath(QStringLiteral("x.E06")).toStdString(), d).ok());
        ExerciseChooser chooser(*fx.window->exercises(), fx.window.get());
        QVERIFY(chooser.lists()->setPath(dir.path()));
        chooser.selectFile(QStringLiteral("x.E06"));
        const char* states[] = {"atteint", "atteint", "non atteint"};
        for (int k = 0; k < 3; ++k) {
            auto* picture = chooser.findChild<QWidget*>(QStringLiteral("Image4_%1").arg(k));
            QCOMPARE(accessibleText(picture, QAccessible::Description), QString::fromLatin1(states[k]));
        }
    }
};

QTEST_MAIN(AccessibleNamesTest)
#include "accessible_names_test.moc"
