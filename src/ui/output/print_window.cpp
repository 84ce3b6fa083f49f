#include "ui/output/print_window.hpp"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QScreen>
#include <QStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QWheelEvent>
#include <algorithm>

#include "core/session/workspace.hpp"
#include "ui/common/fonts.hpp"
#include "ui/common/modal_hooks.hpp"
#include "ui/common/qt_text.hpp"
#include "ui/output/print_file.hpp"
#include "ui/output/print_job.hpp"
#include "ui/output/texts.hpp"

namespace tavir::ui {


UpDown::UpDown(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    up_ = new QToolButton(this);
    up_->setObjectName(QStringLiteral("up"));
    up_->setArrowType(Qt::UpArrow);
    up_->setAutoRepeat(true);
    down_ = new QToolButton(this);
    down_->setObjectName(QStringLiteral("down"));
    down_->setArrowType(Qt::DownArrow);
    down_->setAutoRepeat(true);
    up_->setGeometry(0, 0, 17, 12);
    down_->setGeometry(0, 12, 17, 12);
    setFixedSize(17, 24);
    connect(up_, &QToolButton::clicked, this, &UpDown::stepUp);
    connect(down_, &QToolButton::clicked, this, &UpDown::stepDown);
}

void UpDown::setRange(int minimum, int maximum) {
    minimum_ = minimum;
    maximum_ = std::max(minimum, maximum);
    setValue(value_);
}

void UpDown::setValue(int value) {
    value = std::clamp(value, minimum_, maximum_);
    if (value == value_) return;
    value_ = value;
    emit valueChanged(value_);
}

void UpDown::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Up) stepUp();
    else if (event->key() == Qt::Key_Down) stepDown();
    else QWidget::keyPressEvent(event);
}

void UpDown::wheelEvent(QWheelEvent* event) {
    if (event->angleDelta().y() > 0) stepUp();
    else if (event->angleDelta().y() < 0) stepDown();
}

namespace {

// The window's layout: `defaut` and the wait panel span it, the buttons keep to its right.
constexpr int kNarrowest = 400;
constexpr int kHeight = 250;
constexpr int kMargin = 10;
constexpr int kFieldLeft = 82;
constexpr int kButtonsFromRight = 120;

template <typename W>
W* control(QWidget* parent, const char* name, std::string_view text, const QRect& geometry) {
    auto* w = new W(utf8(text), parent);
    w->setObjectName(QString::fromLatin1(name));
    w->setGeometry(geometry);
    return w;
}

// What the printer set-up dialog may change, kept so that a cancelled dialog changes nothing.
struct PrinterSettings {
    QPrinter::OutputFormat format;
    QString name;
    QString file;
    QPageLayout layout;
    QPrinter::ColorMode colour;
    QPrinter::DuplexMode duplex;
    int copies;

    explicit PrinterSettings(const QPrinter& p)
        : format(p.outputFormat()), name(p.printerName()), file(p.outputFileName()), layout(p.pageLayout()),
          colour(p.colorMode()), duplex(p.duplex()), copies(p.copyCount()) {}
    void restore(QPrinter& p) const {
        p.setOutputFormat(format);
        if (format == QPrinter::NativeFormat) p.setPrinterName(name);
        p.setOutputFileName(file);
        p.setPageLayout(layout);
        p.setColorMode(colour);
        p.setDuplex(duplex);
        p.setCopyCount(copies);
    }
};

}  // namespace

PrintWindow::PrintWindow(const Workspace& workspace, QWidget* mainWindow, PrinterChoice* kept)
    : QDialog(mainWindow), workspace_(workspace), own_(kept ? nullptr : std::make_unique<PrinterChoice>()),
      choice_(kept ? *kept : *own_), printer_(choice_.printer) {
    setObjectName(QStringLiteral("confimp"));
    setWindowTitle(utf8(output_texts::kCaption));
    setFont(arialFont(8));
    setFixedSize(kNarrowest, kHeight);

    options_ = new QGroupBox(utf8(output_texts::kOptionsFrame), this);
    options_->setObjectName(QStringLiteral("Frame1"));
    options_->setGeometry(10, 8, 255, 196);
    chec1_ = control<QCheckBox>(options_, "Chec_1", output_texts::kChecBoard, QRect(12, 22, 235, 20));
    chec3_ = control<QCheckBox>(options_, "Chec_3", output_texts::kChecDotStructure, QRect(12, 44, 235, 20));
    chec2_ = control<QCheckBox>(options_, "Chec_2", output_texts::kChecAnimation, QRect(12, 66, 235, 20));
    chec1_->setChecked(true);
    chec2_->setChecked(true);
    chec3_->setChecked(true);
    auto* rule = new QFrame(options_);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    rule->setGeometry(12, 92, 231, 4);
    option1_ = control<QRadioButton>(options_, "Option1", output_texts::kOption1, QRect(12, 102, 235, 20));
    option2_ = control<QRadioButton>(options_, "Option2", output_texts::kOption2, QRect(12, 124, 235, 20));
    option1_->setChecked(true);
    control<QLabel>(options_, "Label3", output_texts::kCopiesLabel, QRect(12, 160, 140, 20));
    label4_ = control<QLabel>(options_, "Label4", "1", QRect(155, 160, 30, 20));
    label4_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    upDown1_ = new UpDown(options_);
    upDown1_->setObjectName(QStringLiteral("UpDown1"));
    upDown1_->move(192, 158);
    upDown1_->setRange(1, 20);
    upDown1_->setValue(1);
    upDown1_->setAccessibleName(utf8(output_texts::kA11yCopies));
    upDown1_->upButton()->setAccessibleName(utf8(output_texts::kA11yMoreCopies));
    upDown1_->downButton()->setAccessibleName(utf8(output_texts::kA11yFewerCopies));
    describeCopies(1);
    connect(upDown1_, &UpDown::valueChanged, this, [this](int v) {
        label4_->setText(QString::number(v));
        describeCopies(v);
    });

    command1_ = control<QPushButton>(this, "Command1", output_texts::kOk, QRect(280, 14, 110, 30));
    command2_ = control<QPushButton>(this, "Command2", output_texts::kPrinters, QRect(280, 54, 110, 30));
    command3_ = control<QPushButton>(this, "Command3", output_texts::kCancel, QRect(280, 94, 110, 30));
    command1_->setDefault(true);
    connect(command1_, &QPushButton::clicked, this, &PrintWindow::Command1_Click);
    connect(command2_, &QPushButton::clicked, this, &PrintWindow::Command2_Click);
    connect(command3_, &QPushButton::clicked, this, &QDialog::reject);

    control<QLabel>(this, "Label2", output_texts::kPrinterLabel, QRect(10, 216, 70, 22));
    defaut_ = new QLineEdit(this);
    defaut_->setObjectName(QStringLiteral("defaut"));
    defaut_->setReadOnly(true);
    defaut_->setGeometry(kFieldLeft, 214, kNarrowest - kFieldLeft - kMargin, 24);
    defaut_->setAccessibleName(utf8(output_texts::kA11yPrinter));

    // Shown in place of the options and buttons while the job runs.
    frame2_ = new QFrame(this);
    frame2_->setObjectName(QStringLiteral("Frame2"));
    frame2_->setFrameShape(QFrame::Box);
    frame2_->setGeometry(10, 8, 380, 196);
    wait_ = control<QLabel>(frame2_, "Label1", output_texts::kPleaseWait, QRect(10, 80, 360, 30));
    wait_->setAlignment(Qt::AlignCenter);
    wait_->setFont(arialFont(10, true));
    frame2_->hide();

    if (!choice_.started) startPrinter(printer_, output_texts::kPdfFileName);
    choice_.started = true;
    showPrinterName();
    if (mainWindow) {
        QPoint at = mainWindow->geometry().topLeft() + QPoint(180, 140);
        // Widened for a long file name, it still opens whole on the screen.
        if (const QScreen* screen = mainWindow->screen()) {
            const QRect room = screen->availableGeometry();
            at.setX(std::max(room.left(), std::min(at.x(), room.right() + 1 - width())));
        }
        move(at);
    }
}

void PrintWindow::fitWidth(const QString& shown) {
    const int frame = defaut_->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, defaut_);
    // The text, the field's frame and its inner margins with the cursor.
    const int field = defaut_->fontMetrics().horizontalAdvance(shown) + 2 * frame + 8;
    int width = std::max(kNarrowest, kFieldLeft + field + kMargin);
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : this->screen();
    if (screen) width = std::max(kNarrowest, std::min(width, screen->availableGeometry().width()));
    setFixedSize(width, kHeight);
    defaut_->setGeometry(kFieldLeft, 214, width - kFieldLeft - kMargin, 24);
    frame2_->setGeometry(kMargin, 8, width - 2 * kMargin, 196);
    wait_->setGeometry(kMargin, 80, width - 4 * kMargin, 30);
    const int left = width - kButtonsFromRight;
    command1_->move(left, 14);
    command2_->move(left, 54);
    command3_->move(left, 94);
}

void PrintWindow::describeCopies(int copies) {
    QString text = QString::number(copies) + QLatin1Char(' ') + utf8(output_texts::kA11yCopyWord);
    if (copies > 1) text += QLatin1Char('s');
    upDown1_->setAccessibleDescription(text);
}

bool PrintWindow::printsToFile() const {
    return printer_.outputFormat() == QPrinter::PdfFormat || !printer_.outputFileName().isEmpty();
}

QString PrintWindow::nextPdfFile() const {
    const QString chosen = printer_.outputFileName();
    if (chosen == choice_.confirmedFile) return chosen;
    return freePrintFile(chosen);
}

void PrintWindow::showPrinterName() {
    const QString shown =
        printsToFile() ? utf8(output_texts::kPdfPrinterPrefix) + nextPdfFile() : printer_.printerName();
    fitWidth(shown);
    defaut_->setText(shown);
    // Longer than the screen is wide: the end, which names the file, stays in sight.
    defaut_->setCursorPosition(0);
    defaut_->setCursorPosition(int(shown.size()));
    defaut_->setToolTip(shown);
}

output::PrintRequest PrintWindow::request() const {
    output::PrintRequest r;
    r.board = chec1_->isChecked();
    r.dotStructure = chec3_->isChecked();
    r.animation = chec2_->isChecked();
    r.series = option2_->isChecked();
    r.copies = upDown1_->value();
    return r;
}

void PrintWindow::Command2_Click() {
    const PrinterSettings before(printer_);
    // The dialog offers the very file the window announces, not one an earlier print holds.
    const QString proposed = printsToFile() ? nextPdfFile() : QString();
    if (!proposed.isEmpty()) printer_.setOutputFileName(proposed);
    QPrintDialog dialog(&printer_, this);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintCollateCopies, false);
    if (runDialog(dialog) != QDialog::Accepted) {
        before.restore(printer_);
        return;
    }
    const QString file = printer_.outputFileName();
    if (!proposed.isEmpty() && file == proposed) {
        // Taken as offered: the free names go on being counted from the chosen one.
        printer_.setOutputFileName(before.file);
    } else {
        // The dialog asked before accepting a file that is there already.
        choice_.confirmedFile = !file.isEmpty() && QFileInfo::exists(file) ? file : QString();
    }
    // The copies are ours to count: a number chosen in the set-up dialog moves to the spinner
    // rather than multiplying it.
    if (printer_.copyCount() > 1) {
        upDown1_->setValue(printer_.copyCount());
        printer_.setCopyCount(1);
    }
    showPrinterName();
}

void PrintWindow::Command1_Click() {
    const output::PrintRequest r = request();
    const output::PrintRefusal refusal =
        output::printRefusal(r, workspace_.seriesEntries(), workspace_.currentConstruction());
    if (refusal != output::PrintRefusal::None) {
        showMessage(this, QMessageBox::Information, utf8(output_texts::kCaption), utf8(output::printRefusalText(refusal)));
        return;
    }

    const auto showControls = [this](bool shown) {
        options_->setVisible(shown);
        command1_->setVisible(shown);
        command2_->setVisible(shown);
        command3_->setVisible(shown);
        frame2_->setVisible(!shown);
        repaint();
    };
    showControls(false);
    // Each job into a file gets a name of its own, unless the pupil agreed to replace it.
    const QString chosenFile = printer_.outputFileName();
    const QString jobFile = nextPdfFile();
    printer_.setOutputFileName(jobFile);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const PrintResult result = printPictures(workspace_, r, printer_);
    QApplication::restoreOverrideCursor();
    printer_.setOutputFileName(chosenFile);
    if (result == PrintResult::Printed) choice_.confirmedFile.clear();
    showPrinterName();
    if (result == PrintResult::CannotStart) {
        showControls(true);
        showMessage(this, QMessageBox::Warning, utf8(output_texts::kCaption), utf8(output_texts::kCannotStart));
        return;
    }
    if (printsToFile()) {
        // The job is over: the window and its wait panel go before the message, which would
        // otherwise sit over the panel's text and leave an empty frame around it.
        setResult(QDialog::Accepted);
        hide();
        showMessage(parentWidget() ? parentWidget() : this, QMessageBox::Information, utf8(output_texts::kCaption),
                    utf8(output_texts::kPdfDone) + QDir::toNativeSeparators(jobFile));
    }
    accept();
}

}  // namespace tavir::ui
