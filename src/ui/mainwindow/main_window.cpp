#include "ui/mainwindow/main_window.hpp"

#include <algorithm>
#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QDesktopServices>
#include <QDir>
#include <QShortcut>
#include <QFileInfo>
#include <QMenu>
#include <QCheckBox>
#include <QCloseEvent>
#include <QMouseEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSlider>
#include <QTextEdit>
#include <QTimer>
#include <QWindow>
#include <cmath>

#include "core/exercises/exercise_documents.hpp"
#include "core/series/series_file.hpp"
#include "ui/board/board_view.hpp"
#include "ui/board/palette_image.hpp"
#include "ui/board/texts.hpp"
#include "ui/calculator/calculator_window.hpp"
#include "ui/common/application_setup.hpp"
#include "ui/common/control_setup.hpp"
#include "ui/common/fonts.hpp"
#include "ui/common/modal_hooks.hpp"
#include "ui/common/program_directory.hpp"
#include "ui/common/qt_text.hpp"
#include "ui/common/resources.hpp"
#include "ui/common/view_widget.hpp"
#include "ui/dotstructure/information_window.hpp"
#include "ui/dotstructure/texts.hpp"
#include "ui/exercises/exercise_area.hpp"
#include "ui/exercises/texts.hpp"
#include "ui/geometry3d/animation_buttons.hpp"
#include "ui/geometry3d/texts.hpp"
#include "ui/help/help_window.hpp"
#include "ui/help/introduction.hpp"
#include "ui/mainwindow/accessible_names.hpp"
#include "ui/common/svg_pixmap.hpp"
#include "ui/mainwindow/window_frame.hpp"
#include "ui/output/picture_dialog.hpp"
#include "ui/output/print_window.hpp"
#include "ui/output/texts.hpp"
#include "ui/output/view_pictures.hpp"
#include "ui/series/series_dialogs.hpp"

namespace tavir::ui {

namespace {

QLabel* titleStrip(QWidget* parent, const QString& text, int width, const char* name = nullptr) {
    auto* strip = new QLabel(text, parent);
    if (name) strip->setObjectName(QString::fromLatin1(name));
    strip->setGeometry(0, 0, width, 17);
    strip->setFont(arialFont(8, true));
    strip->setAutoFillBackground(true);
    QPalette pal = strip->palette();
    pal.setColor(QPalette::Window, QColor(0, 128, 128));
    pal.setColor(QPalette::WindowText, Qt::white);
    strip->setPalette(pal);
    return strip;
}

void setColours(QWidget* w, const QColor& window, const QColor& text) {
    w->setAutoFillBackground(true);
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, window);
    pal.setColor(QPalette::Button, window);
    pal.setColor(QPalette::WindowText, text);
    pal.setColor(QPalette::ButtonText, text);
    w->setPalette(pal);
}
}  // namespace

MainWindow::MainWindow(QWidget* parent) : QWidget(parent), f1Book_(&kHelpGuide) {
    ensureResources();
    setObjectName(QStringLiteral("Tavir"));
    setWindowTitle(utf8(board_texts::kWindowCaption));
    setWindowIcon(programIcon());
    setFont(arialFont(8));
    setMouseTracking(true);
    resize(window_frame::kOpeningSize);

    buildDrawingFrame();
    buildAnimationFrame();
    buildRightColumn();
    buildButtons();

    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(55);
    connect(timer1_, &QTimer::timeout, this, &MainWindow::tick);

    workspace_.setChangeListener([this] { refresh(); });
    refresh();
    if (workspace_.view().timerEnabled) timer1_->start();
    // Keys go to the board from the start: a pupil without a mouse can build at once.
    board_->setFocus(Qt::OtherFocusReason);
}

MainWindow::~MainWindow() { workspace_.setChangeListener({}); }

QFrame* MainWindow::makeFrame(const char* name, const QString& title, const QRect& geometry) {
    auto* frame = new QFrame(this);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setGeometry(geometry);
    frame->setFrameShape(QFrame::Box);
    frame->setMouseTracking(true);
    setColours(frame, QColor(240, 240, 232), Qt::black);
    titleStrip(frame, title, geometry.width());
    return frame;
}

void MainWindow::buildDrawingFrame() {
    frame1_ = makeFrame("Frame1", utf8(board_texts::kFrame1Title), QRect(16, 56, 393, 217));
    frame1_->setAccessibleName(utf8(board_texts::kA11yDrawingFrame));
    frame1_->installEventFilter(this);

    board_ = new BoardView(workspace_, frame1_);
    board_->move(88, 48);

    static constexpr const char* kLabels[] = {"C", "H", "O", "N", "Cl"};
    for (int k = 1; k <= 5; ++k) {
        auto* image = new PaletteImage(k, *board_, workspace_, frame1_);
        image->move(72 + 32 * (k - 1), 160);
        auto* label = new QLabel(QString::fromLatin1(kLabels[k - 1]), frame1_);
        label->setObjectName(QStringLiteral("Label_%1").arg(kLabels[k - 1]));
        label->setGeometry(72 + 32 * (k - 1), 193, 32, 14);
        label->setAlignment(Qt::AlignCenter);
        label->setFont(arialFont(8, true));
    }

    for (int i = 0; i < 10; ++i) {
        QRadioButton* option =
            makeControl<QRadioButton>(frame1_, QString::number(i + 1))
                .name(QStringLiteral("Option3_%1").arg(i))
                .geometry(8, 16 + 20 * i, 41, 21)
                .toolTip(utf8(board_texts::kConstructionTooltipPrefix) + QStringLiteral(" %1").arg(i + 1))
                .accessibleName(utf8(board_texts::kA11yConstructionPrefix) + QString::number(i + 1));
        setColours(option, QColor(255, 255 - 9 * i, 180), Qt::black);
        option->setAccessibleDescription(utf8(board_texts::kA11yConstructionDescription));
        option->setChecked(i == 0);
        connect(option, &QRadioButton::clicked, this, [this, i] { Option3_Click(i); });
        option3_[i] = option;
    }

    brute_ = new ViewWidget(workspace_, View::Formula, frame1_);
    brute_->setObjectName(QStringLiteral("brute"));
    brute_->setAccessibleName(utf8(dot_texts::kA11yFormula));
    brute_->move(248, 160);

    QLabel* info2 =
        makeControl<QLabel>(frame1_, utf8(board_texts::kInfo2) + QLatin1Char('\n') + utf8(board_texts::kInfo2Keyboard))
            .name("info2")
            .geometry(240, 72, 145, 89)
            .toolTip(utf8(board_texts::kBoardKeyboardTooltip));
    info2->setWordWrap(true);

    smile_ = new QLabel(frame1_);
    smile_->setObjectName(QStringLiteral("smile"));
    smile_->setGeometry(360, 22, 24, 24);
    smile_->setPixmap(svgPixmap(QStringLiteral(":/pictures/smile.svg"), smile_->size(), smile_->devicePixelRatioF()));
    smile_->setAccessibleName(utf8(dot_texts::kA11ySmile));
    smile_->setAccessibleDescription(utf8(dot_texts::kA11ySmileDescription));
}

void MainWindow::buildAnimationFrame() {
    frame2_ = makeFrame("Frame2", utf8(geometry_texts::kAnimationFrame), window_frame::kAnimationFrame);
    setColours(frame2_, Qt::black, Qt::white);
    frame2_->setAccessibleName(utf8(geometry_texts::kA11yAnimationFrame));

    d3d_ = new ViewWidget(workspace_, View::Animation, frame2_);
    d3d_->setObjectName(QStringLiteral("D3D"));
    d3d_->setAccessibleName(utf8(geometry_texts::kA11yAnimation));
    d3d_->move(104, 20);
    connect(d3d_, &ViewWidget::pressed, this, [this] {
        workspace_.pressResultView();
        workspace_.beginHandTurn();
    });
    connect(d3d_, &ViewWidget::dragged, this, [this](int offset) { workspace_.handTurn(offset); });

    c3d_ = new QLabel(frame2_);
    c3d_->setObjectName(QStringLiteral("C3D"));
    c3d_->setGeometry(8, 24, 89, 177);
    c3d_->setWordWrap(true);
    c3d_->setAlignment(Qt::AlignTop | Qt::AlignLeft);

    tetra1_ = new QCheckBox(frame2_);
    tetra1_->setObjectName(QStringLiteral("tetra1"));
    tetra1_->setGeometry(16, 200, 73, 25);
    tetra1_->setVisible(false);
    tetra1_->setAccessibleName(utf8(geometry_texts::kA11yFigure));
    tetra1_->setAccessibleDescription(utf8(geometry_texts::kA11yFigureDescription));
    compact_ = new QCheckBox(utf8(geometry_texts::kCompactCaption), frame2_);
    compact_->setObjectName(QStringLiteral("compact"));
    compact_->setGeometry(16, 224, 73, 25);
    compact_->setAccessibleName(utf8(geometry_texts::kA11yCompact));
    compact_->setAccessibleDescription(utf8(geometry_texts::kA11yCompactDescription));
    // The style's focus frame is dark and vanishes on the black frame: a focused box is lit
    // as the slider's handle is.
    for (QCheckBox* box : {tetra1_, compact_}) {
        setColours(box, Qt::black, Qt::white);
        box->setStyleSheet(QStringLiteral("QCheckBox:focus { background: rgb(255, 255, 160); color: black; }"));
    }
    connect(tetra1_, &QCheckBox::toggled, this, &MainWindow::tetra1_Click);
    connect(compact_, &QCheckBox::toggled, this, &MainWindow::compact_Click);

    // Animation buttons, left to right: activer, arrêter, retour rapide, précédente, suivante, avance rapide.
    static constexpr int kOrder[] = {3, 2, 0, 1, 4, 5};
    for (int j = 0; j < 6; ++j) {
        auto* b = new QPushButton(frame2_);
        b->setObjectName(QStringLiteral("Command16_%1").arg(kOrder[j]));
        b->setGeometry(104 + 25 * j, 225, 25, 21);
        setColours(b, QColor(200, 190, 180), Qt::black);
        b->setIcon(animationButtonIcon(kOrder[j]));
        // The buttons show pictures only: their tooltips say what they do.
        const QString tooltip = utf8(geometry_texts::kStepButtonTooltips[static_cast<std::size_t>(kOrder[j])]);
        b->setToolTip(tooltip);
        b->setAccessibleName(tooltip);
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QPushButton::clicked, this, [this, index = kOrder[j]] { Command16_Click(index); });
    }
    auto* speed = new QLabel(utf8(geometry_texts::kSpeedLabel), frame2_);
    speed->setObjectName(QStringLiteral("LabelVitesse"));
    speed->setGeometry(258, 228, 40, 16);
    slider1_ = new QSlider(Qt::Horizontal, frame2_);
    slider1_->setObjectName(QStringLiteral("Slider1"));
    slider1_->setGeometry(300, 226, 86, 20);
    slider1_->setRange(0, 200);
    slider1_->setValue(50);
    slider1_->setSingleStep(1);
    slider1_->setPageStep(5);
    slider1_->setToolTip(utf8(geometry_texts::kSpeedTooltip));
    // The style's dark groove and handle vanish on the black frame: a light groove, the part
    // up to the handle in the title strips' teal, and a light handle taller than the groove.
    slider1_->setStyleSheet(QStringLiteral(
        "QSlider::groove:horizontal { height: 4px; background: rgb(200, 200, 200); border-radius: 2px; }"
        "QSlider::sub-page:horizontal { background: rgb(0, 160, 160); border-radius: 2px; }"
        "QSlider::handle:horizontal { width: 8px; margin: -6px 0; background: rgb(240, 240, 232);"
        " border: 1px solid white; border-radius: 3px; }"
        "QSlider::handle:horizontal:focus { background: rgb(255, 255, 160); }"));
    setHover(slider1_, [this] { workspace_.pointerOver(PointerPlace::SpeedSlider); });
    connect(slider1_, &QSlider::valueChanged, this, &MainWindow::Slider1_Change);
    // The start-up names the slider "Vitesse" for assistive tools.
    slider1_->setAccessibleName(QStringLiteral("Vitesse"));
}

void MainWindow::buildRightColumn() {
    fdev_ = new ViewWidget(workspace_, View::DotStructure, this);
    fdev_->setObjectName(QStringLiteral("fdev"));
    fdev_->setAccessibleName(utf8(dot_texts::kA11yDotStructure));
    fdev_->move(424, 56);
    const int fdevWidth = fdev_->width();
    titleStrip(fdev_, utf8(dot_texts::kLabel2Caption), fdevWidth, "Label2");
    connect(fdev_, &ViewWidget::pressed, this, [this] { workspace_.pressResultView(); });

    const std::string_view checks[] = {dot_texts::kCheck1Caption, dot_texts::kCheck2Caption,
                                       dot_texts::kCheck3Caption};
    static const QColor kCheckColours[] = {Qt::red, Qt::blue, Qt::black};
    for (int i = 0; i < 3; ++i) {
        check_[i] = new QCheckBox(utf8(checks[i]), fdev_);
        check_[i]->setObjectName(QStringLiteral("Check%1").arg(i + 1));
        check_[i]->setGeometry(6, 150 + 16 * i, 250, 16);
        setColours(check_[i], Qt::white, kCheckColours[i]);
        check_[i]->setVisible(false);
    }
    // The polarity box sits on the title strip's free right end: the three rows under the
    // drawing fill the box's height.
    check_[3] = new QCheckBox(utf8(dot_texts::kCheck4Caption), fdev_);
    check_[3]->setObjectName(QStringLiteral("Check4"));
    check_[3]->setFont(arialFont(8, false));
    setColours(check_[3], QColor(0, 128, 128), Qt::white);
    {
        const int width = check_[3]->sizeHint().width();
        check_[3]->setGeometry(fdevWidth - width - 4, 0, width, 17);
    }
    check_[3]->setVisible(false);
    connect(check_[0], &QCheckBox::toggled, this, &MainWindow::Check1_Click);
    connect(check_[1], &QCheckBox::toggled, this, &MainWindow::Check2_Click);
    connect(check_[2], &QCheckBox::toggled, this, &MainWindow::Check3_Click);
    connect(check_[3], &QCheckBox::toggled, this, &MainWindow::Check4_Click);

    phototavir_ = new QLabel(fdev_);
    phototavir_->setObjectName(QStringLiteral("phototavir"));
    phototavir_->setGeometry(fdev_->rect());
    phototavir_->setPixmap(
        svgPixmap(QStringLiteral(":/pictures/phototavir.svg"), phototavir_->size(), phototavir_->devicePixelRatioF()));
    phototavir_->setCursor(Qt::PointingHandCursor);
    phototavir_->setAccessibleName(utf8(dot_texts::kA11yInformationPicture));
    phototavir_->setAccessibleDescription(utf8(dot_texts::kA11yInformationPictureDescription));
    phototavir_->installEventFilter(this);
    // The charges box stays reachable over the cover picture: ticking it may accept an ion.
    check_[2]->raise();

    btexo_ = makeControl<QLabel>(this)
                 .name("BTEXO")
                 .geometry(424, 312, 97, 19)
                 .accessibleName(utf8(exercise_texts::kA11yExerciseButton));
    btexo_->setPixmap(svgPixmap(QStringLiteral(":/pictures/btexo.svg"), btexo_->size(), btexo_->devicePixelRatioF()));
    btexo_->setCursor(Qt::PointingHandCursor);
    btexo_->setAccessibleDescription(utf8(board_texts::kHoverBtexo));
    setHover(btexo_, [this] { workspace_.pointerOver(PointerPlace::ExerciseButton); });

    infoLabel_ = makeControl<QLabel>(this).name("info").geometry(512, 268, 233, 33);
    infoLabel_->setWordWrap(true);
    infoLabel_->setAlignment(Qt::AlignTop | Qt::AlignLeft);

    fich_ = new QLineEdit(this);
    fich_->setObjectName(QStringLiteral("fich"));
    fich_->setGeometry(window_frame::exerciseArea(window_frame::kOpeningSize).fich);
    fich_->setVisible(false);
    fich_->setAccessibleName(utf8(exercise_texts::kA11yExerciseFile));
    supertext_ = new QTextEdit(this);
    supertext_->setObjectName(QStringLiteral("supertext"));
    supertext_->setGeometry(window_frame::exerciseArea(window_frame::kOpeningSize).supertext);
    supertext_->setAccessibleName(utf8(exercise_texts::kA11yExerciseText));
    intro(*supertext_);
    exercises_ = new ExerciseArea(
        workspace_, *supertext_, *fich_, *this,
        [this](const NamedSeries& series) { showSeries(series.entries, QString::fromStdString(series.path.string())); },
        [this] { return confirmSeriesReplaced(); });
}

QPushButton* MainWindow::makeButton(const board_texts::ButtonTexts& texts, const QRect& geometry) {
    auto* button = new QPushButton(utf8(texts.caption), this);
    button->setObjectName(utf8(texts.name));
    button->setToolTip(utf8(texts.tooltip));
    button->setGeometry(geometry);
    if (!texts.hover.empty())
        setHover(button, [this, name = texts.name] { workspace_.pointerOverButton(name); });
    return button;
}

void MainWindow::buildButtons() {
    // The top row, left to right; then the right column; "&Fermer" at its foot.
    int topRow = 0;
    const auto top = [&](const board_texts::ButtonTexts& texts) {
        return makeButton(texts, QRect(16 + 92 * topRow++, 14, 84, 28));
    };
    command12_ = top(board_texts::kCommand12);
    command2_ = top(board_texts::kCommand2);
    command11_ = top(board_texts::kCommand11);
    command10_ = top(board_texts::kCommand10);
    command4_ = top(board_texts::kCommand4);
    command14_ = top(board_texts::kCommand14);
    command13_ = top(board_texts::kCommand13);
    int rightRow = 0;
    const auto right = [&](const board_texts::ButtonTexts& texts) {
        return makeButton(texts, QRect(700, 60 + 32 * rightRow++, 88, 26));
    };
    command8_ = right(board_texts::kCommand8);
    command7_ = right(board_texts::kCommand7);
    command9_ = right(board_texts::kCommand9);
    command1_ = makeButton(board_texts::kCommand1, QRect(700, 228, 88, 26));
    command13_->setEnabled(false);
    command14_->setEnabled(false);

    buildMenus();
    connect(command1_, &QPushButton::clicked, this, &QWidget::close);
    connect(command13_, &QPushButton::clicked, this, &MainWindow::Command13_Click);
    connect(command14_, &QPushButton::clicked, this, &MainWindow::Command14_Click);
    connect(command7_, &QPushButton::clicked, this, [this] { openHelp(kHelpGuide); });
    connect(command9_, &QPushButton::clicked, this, [this] {
        // The course becomes the program's help: F1 opens it from now on.
        f1Book_ = &kCourse;
        openHelp(kCourse);
    });
    connect(command10_, &QPushButton::clicked, this, [this] {
        // Made at the first print: finding the printers takes time the start-up does not need.
        if (!printerChoice_) printerChoice_ = std::make_unique<PrinterChoice>();
        PrintWindow confimp(workspace_, this, printerChoice_.get());
        runDialog(confimp);
    });
    auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
    connect(f1, &QShortcut::activated, this, [this] { openHelp(*f1Book_); });
    buildShortcuts();
    connect(command11_, &QPushButton::clicked, this, &MainWindow::saveSeries);
    connect(command2_, &QPushButton::clicked, this, [this] {
        if (!confirmSeriesReplaced()) return;
        OpenSeriesDialog ouvrir(workspace_, this);
        if (runDialog(ouvrir) == QDialog::Accepted) loadSeries(ouvrir.chosenFile());
    });
    connect(command8_, &QPushButton::clicked, this, [this] {
        CalculatorWindow machine(calculatorMemory_, this);
        runDialog(machine);
    });
    connect(command4_, &QPushButton::clicked, this, [this] { popupMenu(*menucopie_, QCursor::pos()); });
    connect(command12_, &QPushButton::clicked, this, [this] { popupMenu(*nbdel_, QCursor::pos()); });
}

void MainWindow::buildShortcuts() {
    // The desktop's usual keys, beside the buttons' own Alt+letter.
    const auto shortcut = [this](QKeyCombination keys, std::function<void()> run) {
        auto* s = new QShortcut(QKeySequence(keys), this);
        connect(s, &QShortcut::activated, this, std::move(run));
    };
    const auto press = [](QPushButton* button) {
        return [button] {
            if (button->isEnabled()) button->click();
        };
    };
    shortcut(Qt::CTRL | Qt::Key_Z, press(command13_));
    shortcut(Qt::CTRL | Qt::Key_S, press(command11_));
    shortcut(Qt::CTRL | Qt::Key_O, press(command2_));
    shortcut(Qt::CTRL | Qt::Key_P, press(command10_));
    shortcut(Qt::CTRL | Qt::Key_Q, press(command1_));
    // From the keyboard the menu opens under its button rather than at the mouse.
    // Its first item lit, as a menu opened from the keyboard is, so that Entrée acts at once.
    shortcut(Qt::CTRL | Qt::Key_N, [this] {
        QTimer::singleShot(0, nbdel_, [menu = nbdel_] {
            if (menu->isVisible() && !menu->activeAction()) menu->setActiveAction(menu->actions().value(0));
        });
        popupMenu(*nbdel_, command12_->mapToGlobal(QPoint(0, command12_->height())));
    });
}

bool MainWindow::saveSeries() {
    SaveSeriesDialog enregistrer(workspace_, this);
    if (runDialog(enregistrer) != QDialog::Accepted) return false;
    setSeriesCaption(enregistrer.savedFile());
    return true;
}

bool MainWindow::confirmSeriesReplaced() {
    const auto question = workspace_.seriesQuestion();
    if (!question) return true;
    switch (askQuestion(this, *question)) {
    case Answer::GoOn: return true;
    case Answer::Save: return saveSeries();
    case Answer::Keep: return false;
    }
    return false;
}

bool MainWindow::loadSeries(const QString& path) {
    workspace_.setSeriesFileName(path.toStdString());
    const auto loaded = loadSeriesFile(path.toStdString());
    if (!loaded) {
        // Nothing of a refused file reaches the series.
        showFailure(this, loaded.failure());
        return false;
    }
    showSeries(*loaded, path);
    return true;
}

void MainWindow::showSeries(const SeriesEntries& entries, const QString& path) {
    workspace_.setSeriesFileName(path.toStdString());
    workspace_.loadSeries(normalisedSeries(entries));
    setSeriesCaption(path);
}

void MainWindow::setSeriesCaption(const QString& path) {
    setWindowTitle(utf8(board_texts::kCaptionFilePrefix) + QFileInfo(path).absoluteFilePath());
}

void MainWindow::openHelp(const HelpBook& book) {
    // A help file of the described name beside the program goes to the desktop's viewer.
    const QString folder = programDirectory();
    const QString file = folder.isEmpty() ? QString() : folder + QLatin1Char('/') + QString::fromLatin1(book.fallbackFile);
    if (!file.isEmpty() && QFileInfo::exists(file) && QDesktopServices::openUrl(QUrl::fromLocalFile(file))) return;
    HelpWindow*& window = std::string_view(book.page) == kCourse.page ? course_ : guide_;
    if (!window) {
        window = new HelpWindow(this);
        if (window == course_) window->setObjectName(QStringLiteral("cours"));
    }
    window->showPage(QUrl(QString::fromLatin1(book.page)), utf8(book.title));
}

QAction* MainWindow::addMenuItem(QMenu* menu, const board_texts::MenuItemText& item, std::function<void()> run) {
    QAction* a = menu->addAction(utf8(item.caption));
    a->setObjectName(utf8(item.name));
    connect(a, &QAction::triggered, this, std::move(run));
    return a;
}

void MainWindow::buildMenus() {
    menucopie_ = new QMenu(this);
    menucopie_->setObjectName(QStringLiteral("menucopie"));
    menucopie_->setAccessibleName(utf8(board_texts::kA11yCopyMenu));
    addMenuItem(menucopie_, board_texts::kConstruc, [this] {
        workspace_.copyConstruction();
        copyPicture(View::Board, screenLook(View::Board));
    });
    addMenuItem(menucopie_, board_texts::kTavirrep,
                [this] { copyPicture(View::DotStructure, screenLook(View::DotStructure)); });
    // The 3D copy with its background is made on white; the one without it is see-through.
    addMenuItem(menucopie_, board_texts::kAni3d,
                [this] { copyPicture(View::Animation, whiteLook(true)); });
    addMenuItem(menucopie_, board_texts::kAni3dsf, [this] { copyPicture(View::Animation, bareLook()); });
    menucopie_->addSeparator();
    addMenuItem(menucopie_, board_texts::kSaveImage, [this] {
        const QString saved = savePictureFromDialog(*this, workspace_);
        if (!saved.isEmpty()) setInfo(utf8(output_texts::kPictureSaved) + QDir::toNativeSeparators(saved));
    });

    nbdel_ = new QMenu(this);
    nbdel_->setObjectName(QStringLiteral("nbdel"));
    nbdel_->setAccessibleName(utf8(board_texts::kA11yEraseMenu));
    addMenuItem(nbdel_, board_texts::kSq01, [this] { sq01_Click(); });
    addMenuItem(nbdel_, board_texts::kSq02, [this] { sq02_Click(); });
}

void MainWindow::copyPicture(View view, const ViewLook& look) {
    QApplication::clipboard()->clear();
    QApplication::clipboard()->setMimeData(viewClipboardData(workspace_, view, look));
    workspace_.pictureCopied();
}

void MainWindow::setHover(QWidget* widget, std::function<void()> hover) {
    hoverActions_.insert(widget, std::move(hover));
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
}

void MainWindow::phototavir_Click() {
    InformationWindow ftavir(fdev_->mapToGlobal(QPoint(0, 0)), this);
    runDialog(ftavir);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == windowHandle()) {
        if (event->type() == QEvent::Expose) followFrame();
        return QWidget::eventFilter(watched, event);
    }
    if (watched == phototavir_ && event->type() == QEvent::MouseButtonRelease) {
        phototavir_Click();
        return true;
    }
    if (watched == btexo_ && event->type() == QEvent::MouseButtonRelease) {
        exercises_->openMenu(*btexo_);
        return true;
    }
    if (event->type() == QEvent::Leave && (watched == frame1_ || hoverActions_.contains(watched)))
        workspace_.pointerLeft();
    if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) {
        if (watched == frame1_) workspace_.pointerOver(PointerPlace::DrawingFrame);
        const auto hover = hoverActions_.constFind(watched);
        if (hover != hoverActions_.cend()) (*hover)();
    }
    return QWidget::eventFilter(watched, event);
}

QString MainWindow::info() const { return QString::fromStdString(workspace_.view().info); }

void MainWindow::setInfo(const QString& text) { workspace_.setInfo(text.toStdString()); }

void MainWindow::showInfo() {
    // The label breaks lines on LF alone.
    QString shown = info();
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (infoLabel_->text() != shown) infoLabel_->setText(shown);
}

void MainWindow::mouseMoveEvent(QMouseEvent* event) {
    // Moves that controls pass up to us are not over the window's own background.
    if (childAt(event->position().toPoint()) != nullptr) return;
    workspace_.pointerOver(PointerPlace::Background);
}

void MainWindow::leaveEvent(QEvent*) { workspace_.pointerLeft(); }

void MainWindow::refresh() {
    const ViewState& v = workspace_.view();
    showInfo();
    board_->refresh();
    smile_->setVisible(v.smile);
    phototavir_->setVisible(v.phototavir);
    check_[0]->setVisible(v.check1Visible);
    check_[1]->setVisible(v.check2Visible);
    check_[2]->setVisible(v.check3Visible);
    check_[3]->setVisible(v.check4Visible);
    {
        // A construction built as an ion may tick it when it comes back from the series.
        const QSignalBlocker block(check_[2]);
        check_[2]->setChecked(v.options.dot.formalCharges);
    }
    {
        const QSignalBlocker block(check_[3]);
        check_[3]->setChecked(v.options.dot.polarity);
    }
    brute_->setVisible(v.brute);
    brute_->update();
    fdev_->update();
    refreshAnimation();
    timer1_->setInterval(v.timerInterval);
    if (v.timerEnabled && !timer1_->isActive()) timer1_->start();
    if (!v.timerEnabled) timer1_->stop();
    for (int i = 0; i < 10; ++i) {
        const QSignalBlocker block(option3_[i]);
        option3_[i]->setChecked(workspace_.currentConstruction() == i + 1);
    }
    command13_->setEnabled(v.undoEnabled);
    command14_->setEnabled(v.pasteEnabled);
}

void MainWindow::refreshAnimation() {
    const ViewState& v = workspace_.view();
    const QString text = QString::fromStdString(v.c3dText).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (c3d_->text() != text) c3d_->setText(text);
    tetra1_->setVisible(v.tetra1Visible);
    tetra1_->setText(QString::fromStdString(v.tetra1Caption));
    d3d_->update();
    describeViews();
}

void MainWindow::describeViews() {
    describeResultViews(ResultViews{brute_, fdev_, d3d_}, workspace_);
}

// The controls' handlers: each is one call of the session.
void MainWindow::Option3_Click(int index) { workspace_.selectEntry(index + 1); }
void MainWindow::Command13_Click() { workspace_.undo(); }
void MainWindow::Command14_Click() { workspace_.paste(); }
void MainWindow::sq01_Click() { workspace_.clearConstruction(); }
void MainWindow::sq02_Click() {
    if (confirmSeriesReplaced()) workspace_.clearSeries();
}
void MainWindow::Check1_Click(bool ticked) { workspace_.setRedBonds(ticked); }
void MainWindow::Check2_Click(bool ticked) { workspace_.setBlueBars(ticked); }
void MainWindow::Check3_Click(bool ticked) { workspace_.setFormalCharges(ticked); }
void MainWindow::Check4_Click(bool ticked) { workspace_.setPolarity(ticked); }
void MainWindow::Command16_Click(int index) { workspace_.controlAnimation(static_cast<AnimationControl>(index)); }
void MainWindow::compact_Click(bool ticked) { workspace_.setCompact(ticked); }
void MainWindow::tetra1_Click(bool ticked) { workspace_.setFigure(ticked); }
void MainWindow::Slider1_Change(int value) { workspace_.setSpeed(value); }

void MainWindow::tick() {
    workspace_.tick();
    refreshAnimation();
}

void MainWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    // From white at the top to RGB(200, 200, 180) at y = 600, in lines across the whole width.
    // A window taller than 600 pixels stretches the same gradient down to its bottom edge, so
    // that it still ends in that colour; up to 600 pixels every line is as in 800 x 600.
    const int span = std::max(window_frame::kOpeningSize.height(), height());
    for (int i = 0; i <= span; ++i) {
        const int c = static_cast<int>(std::lround(255.0 - 55.0 * i / span));
        const int b = static_cast<int>(std::lround(255.0 - 75.0 * i / span));
        p.setPen(QColor(c, c, b));
        p.drawLine(0, i, std::max(window_frame::kOpeningSize.width(), width()), i);
    }
    // Shadow behind the exercise area: only its 3-pixel right and bottom edges show.
    const QRect text = supertext_->geometry();
    p.fillRect(QRect(QPoint(text.left() + 3, fich_->geometry().top() + 3),
                     QPoint(text.left() + text.width() + 3, text.top() + text.height() + 3)),
               QColor(128, 128, 128));
}

void MainWindow::closeEvent(QCloseEvent* event) {
    for (const Question& q : workspace_.closingQuestions()) {
        const Answer answer = askQuestion(this, q);
        if (answer == Answer::Keep || (answer == Answer::Save && !saveSeries())) {
            event->ignore();
            return;
        }
    }
    event->accept();
    // The whole program ends with its main window, whatever other window is open.
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
}

QSize MainWindow::decoration() const { return frameGeometry().size() - size(); }

void MainWindow::updateMinimumSize() {
    const QScreen* s = screen();
    if (!s) return;
    setMinimumSize((window_frame::minimumSize(s->availableGeometry()) - decoration_).expandedTo(QSize(0, 0)));
}

void MainWindow::placeOnOpening() {
    const QScreen* s = screen();
    if (!s) return;
    const QRect current = frameGeometry();
    const QRect frame = window_frame::openingFrame(s->geometry(), s->availableGeometry(), current);
    if (frame.size() != current.size()) resize(frame.size() - decoration_);
    // A narrow screen keeps the desktop's own place for the window when it fits there.
    if (frame.topLeft() != current.topLeft()) move(frame.topLeft());
    // Until the desktop has framed the window its outer size is not known: placed again then.
    if (!decoration_.isNull()) opening_ = false;
}

void MainWindow::followFrame() {
    // The desktop's frame is learnt once, in the normal state: a maximised window may lose its
    // borders, and just after it leaves that state its frame may still be the maximised one.
    const bool maximised = windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen);
    if ((opening_ || decoration_.isNull()) && !maximised) {
        const QSize frame = decoration();
        if (frame != decoration_) {
            decoration_ = frame;
            updateMinimumSize();
            if (opening_) placeOnOpening();
        }
    }
    const int animationTop = window_frame::animationFrameTop(height());
    if (frame2_->y() != animationTop) frame2_->move(frame2_->x(), animationTop);
    const auto area = window_frame::exerciseArea(size() + decoration_);
    if (supertext_->geometry() != area.supertext) {
        supertext_->setGeometry(area.supertext);
        fich_->setGeometry(area.fich);
        update();
    }
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    followFrame();
}

void MainWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    followFrame();
}

void MainWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange) followFrame();
}

void MainWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (shownOnce_) return;
    shownOnce_ = true;
    if (QWindow* handle = windowHandle()) {
        // The frame arrives with the first exposure; another screen brings another least size.
        handle->installEventFilter(this);
        connect(handle, &QWindow::screenChanged, this, [this] { updateMinimumSize(); });
    }
    opening_ = true;
    decoration_ = decoration();
    updateMinimumSize();
    placeOnOpening();
    followFrame();
}

}  // namespace tavir::ui
