#include "ui/exercises/exercise_chooser.hpp"

#include "core/exercises/exercise_session.hpp"

#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QTextEdit>
#include <cmath>

#include <QComboBox>

#include "ui/common/control_setup.hpp"
#include "ui/common/file_lists.hpp"
#include "ui/common/fonts.hpp"
#include "ui/common/modal_hooks.hpp"
#include "ui/common/program_directory.hpp"
#include "ui/common/qt_text.hpp"
#include "ui/exercises/exercise_area.hpp"
#include "core/exercises/exercise_file.hpp"
#include "ui/exercises/texts.hpp"

namespace tavir::ui {

namespace {
namespace ex = exercise_texts;

QLabel* picture(QWidget* parent, const char* name, const char* resource, const QRect& geometry) {
    QLabel* label = makeControl<QLabel>(parent).name(name).geometry(geometry);
    label->setPixmap(QPixmap(QString::fromLatin1(resource)));
    label->setScaledContents(true);
    return label;
}
}  // namespace

ChooserHeading::ChooserHeading(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("tito"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0, 96, 112));
    setPalette(pal);
}

void ChooserHeading::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QFont font = arialFont(24, true);
    p.setFont(font);
    const QFontMetrics metrics(font);
    const QString heading = utf8(ex::kHeading);
    const int n = static_cast<int>(heading.size());
    int x = 30;
    // Centred vertically, two units higher.
    const int y = (height() - metrics.height()) / 2 - 2 + metrics.ascent();
    for (int i = 0; i < n; ++i) {
        p.setPen(QColor(255, 255, static_cast<int>(std::lround(155 + 100.0 * i / n))));
        p.drawText(x, y, heading.at(i));
        x += metrics.horizontalAdvance(heading.at(i));
    }
}

ExerciseChooser::ExerciseChooser(ExerciseArea& area, QWidget* parent) : QDialog(parent), area_(area) {
    setObjectName(QStringLiteral("Fichexo"));
    setWindowTitle(utf8(ex::kHeading));
    setFixedSize(560, 400);
    setFont(arialFont(8));
    if (parent) setPalette(parent->palette());

    makeControl<ChooserHeading>(this).geometry(0, 0, 560, 56).accessibleName(utf8(ex::kHeading));

    lists_ = new FileLists(this, utf8(ex::kFilePattern));
    setUp(lists_->drives()).geometry(10, 66, 200, 24).accessibleName(utf8(ex::kA11yDrive));
    setUp(lists_->directories()).geometry(10, 96, 200, 150).accessibleName(utf8(ex::kA11yDirectory));
    setUp(lists_->files()).geometry(10, 252, 200, 138).accessibleName(utf8(ex::kA11yExerciseFiles));
    // The drive list has no caption on screen, and a combo box on Linux announces its current
    // item as its name: an unshown label that names it as its buddy tells what it is.
    QLabel* driveLabel = makeControl<QLabel>(this, utf8(ex::kA11yDrive)).name("LabelDrive1");
    driveLabel->setBuddy(lists_->drives());
    driveLabel->hide();

    fichierexo_ = makeControl<QLineEdit>(this).name("fichierexo").accessibleName(utf8(ex::kA11yChosenFile));
    fichierexo_->hide();

    titratexo_ = makeControl<QLabel>(this).name("titratexo").geometry(225, 66, 325, 44).font(arialFont(12, true));
    titratexo_->setWordWrap(true);

    label1_ = makeControl<QLabel>(this, utf8(ex::kTopicsLabel)).name("Label1").geometry(225, 116, 200, 18);
    text1_ = makeControl<QTextEdit>(this).name("Text1").geometry(225, 136, 325, 110).accessibleName(utf8(ex::kA11yTopics));
    text1_->setReadOnly(true);

    label4_ = makeControl<QLabel>(this, utf8(ex::kDifficultyLabel)).name("Label4").geometry(225, 258, 130, 24);
    for (int k = 0; k < 3; ++k)
        image4_[k] = picture(this, "Image4", ":/exercises/dark.svg", QRect(360 + 30 * k, 258, 24, 24));
    for (int k = 0; k < 3; ++k)
        setUp(image4_[k])
            .name(QStringLiteral("Image4_%1").arg(k))
            .accessibleName(utf8(ex::kA11yDifficultyPrefix) + QString::number(k + 1));

    // "Exercice corrigé" with its shadow 2 units right and 2 units down.
    const QRect corrected(225, 296, 200, 22);
    label3_ = makeControl<QLabel>(this).name("Label3").geometry(corrected.translated(2, 2)).font(arialFont(11, true));
    label2_ = makeControl<QLabel>(this).name("Label2").geometry(corrected).font(arialFont(11, true));
    label3_->setStyleSheet(QStringLiteral("color: #a0a0a0"));
    label2_->setStyleSheet(QStringLiteral("color: #0b5d1e"));

    intratro_ = makeControl<QLabel>(this, utf8(ex::kSelectFile))
                    .name("intratro")
                    .geometry(225, 180, 325, 24)
                    .font(arialFont(11, true));
    intratro_->setAlignment(Qt::AlignCenter);

    ouvreur_ = picture(this, "ouvreur", ":/exercises/open.svg", QRect(450, 340, 40, 40));
    setUp(ouvreur_).toolTip(utf8(ex::kOpenTooltip)).accessibleName(utf8(ex::kOpenTooltip));
    ouvreur_->setCursor(Qt::PointingHandCursor);
    ouvreur_->installEventFilter(this);
    image5_ = picture(this, "Image5", ":/exercises/close.svg", QRect(505, 340, 40, 40));
    setUp(image5_).toolTip(utf8(ex::kCloseTooltip)).accessibleName(utf8(ex::kCloseTooltip));
    image5_->setCursor(Qt::PointingHandCursor);
    image5_->installEventFilter(this);

    frame2_ = makeControl<QFrame>(this).name("Frame2").geometry(180, 160, 220, 70);
    frame2_->setFrameShape(QFrame::Box);
    frame2_->setAutoFillBackground(true);
    makeControl<QLabel>(frame2_, utf8(ex::kWaitLine1)).geometry(10, 12, 200, 20);
    makeControl<QLabel>(frame2_, utf8(ex::kWaitLine2)).geometry(10, 36, 200, 20);
    frame2_->hide();

    clearHeader();
    connect(lists_, &FileLists::fileClicked, this, &ExerciseChooser::selectFile);
    connect(lists_, &FileLists::fileActivated, this, [this](const QString&) { openSelected(); });
    connect(lists_, &FileLists::pathChanged, this, [this](const QString&) { clearHeader(); });
    const QString folder = programDirectory();
    if (folder.isEmpty() || !lists_->setPath(folder)) lists_->setPath(QDir::currentPath());
}

void ExerciseChooser::clearHeader() {
    titratexo_->clear();
    text1_->clear();
    fichierexo_->clear();
    for (QLabel* l : image4_) l->hide();
    for (QWidget* w : std::initializer_list<QWidget*>{label4_, ouvreur_, label1_, label2_, label3_}) w->hide();
    intratro_->show();
}

void ExerciseChooser::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (lists_->files()->count() > 0) {
        lists_->files()->setCurrentRow(0);
        lists_->files()->setFocus();
    }
}

void ExerciseChooser::selectFile(const QString& name) {
    const QString folder = lists_->path().endsWith(QLatin1Char('/')) ? lists_->path() : lists_->path() + QLatin1Char('/');
    QDir::setCurrent(folder);
    fichierexo_->setText(folder + name);
    text1_->clear();
    for (QLabel* l : image4_) l->hide();
    label4_->hide();
    ouvreur_->hide();
    if (name.trimmed().isEmpty()) return;
    intratro_->hide();
    for (QWidget* w : std::initializer_list<QWidget*>{label4_, ouvreur_, label1_, label2_, label3_}) w->show();
    const auto file = loadExerciseFile(fichierexo_->text().toStdString());
    if (!file) {
        showFailure(this, file.failure());
        return;
    }
    const ExerciseHeader header = exerciseHeader(*file);
    label2_->setText(QString::fromStdString(header.correctionLabel));
    label3_->setText(label2_->text());
    for (int k = 0; k < 3; ++k) {
        const bool lit = header.difficultyLit[static_cast<std::size_t>(k)];
        image4_[k]->setPixmap(QPixmap(lit ? QStringLiteral(":/exercises/lit.svg") : QStringLiteral(":/exercises/dark.svg")));
        image4_[k]->setProperty("lit", lit);
        image4_[k]->setAccessibleDescription(utf8(lit ? ex::kA11yDifficultyLit : ex::kA11yDifficultyDark));
        image4_[k]->show();
    }
    text1_->setPlainText(QString::fromStdString(header.topics));
    titratexo_->setText(QString::fromStdString(header.title));
}

void ExerciseChooser::openSelected() {
    if (fichierexo_->text().trimmed().isEmpty()) return;
    frame2_->show();
    frame2_->repaint();
    const bool opened = area_.openExercise(fichierexo_->text());
    frame2_->hide();
    if (opened) accept();
}

bool ExerciseChooser::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == ouvreur_) openSelected();
        if (watched == image5_) reject();
        if (watched == ouvreur_ || watched == image5_) return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace tavir::ui
