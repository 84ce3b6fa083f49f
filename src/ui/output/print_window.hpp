#pragma once
// The print window `confimp`: which pictures, which constructions, how many copies, which
// printer; "&OK" prints with the wait panel shown.
#include <QDialog>
#include <QPrinter>
#include <memory>

#include "core/output/print_plan.hpp"

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace tavir {
class Workspace;
}

namespace tavir::ui {

// A bare up/down spinner: two arrow buttons that step a whole number within a range; the
// number itself is shown by a label beside it.
class UpDown : public QWidget {
    Q_OBJECT
public:
    explicit UpDown(QWidget* parent = nullptr);
    int value() const { return value_; }
    void setRange(int minimum, int maximum);
    void setValue(int value);
    void stepUp() { setValue(value_ + 1); }
    void stepDown() { setValue(value_ - 1); }
    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

signals:
    void valueChanged(int value);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    int value_ = 1;
    int minimum_ = 1;
    int maximum_ = 20;
    QToolButton* up_ = nullptr;
    QToolButton* down_ = nullptr;
};

// The printer the pupil chose, kept by the main window for the rest of the run.
struct PrinterChoice {
    QPrinter printer{QPrinter::HighResolution};
    bool started = false;
    // A PDF file the set-up dialog was told to write over (it asks): the next print may.
    QString confirmedFile;
};

class PrintWindow : public QDialog {
    Q_OBJECT
public:
    // Without a kept choice the window starts from the system's default printer.
    PrintWindow(const Workspace& workspace, QWidget* mainWindow = nullptr, PrinterChoice* kept = nullptr);

    QPrinter& printer() { return printer_; }
    // `defaut`: the printer's name, or the file the pages go to.
    void showPrinterName();
    output::PrintRequest request() const;

    // "&OK", "&Imprimantes" (also reachable through the buttons).
    void Command1_Click();
    void Command2_Click();

private:
    bool printsToFile() const;
    // The file the next job writes: the chosen one, or a free name beside it once it exists.
    QString nextPdfFile() const;
    // Wide enough for `defaut` to show the whole of what it holds, within the screen.
    void fitWidth(const QString& shown);
    // The spinner tells a screen reader how many copies it holds.
    void describeCopies(int copies);

    const Workspace& workspace_;
    std::unique_ptr<PrinterChoice> own_;
    PrinterChoice& choice_;
    QPrinter& printer_;

    QGroupBox* options_ = nullptr;
    QCheckBox* chec1_ = nullptr;
    QCheckBox* chec2_ = nullptr;
    QCheckBox* chec3_ = nullptr;
    QRadioButton* option1_ = nullptr;
    QRadioButton* option2_ = nullptr;
    QLabel* label4_ = nullptr;
    UpDown* upDown1_ = nullptr;
    QLineEdit* defaut_ = nullptr;
    QPushButton* command1_ = nullptr;
    QPushButton* command2_ = nullptr;
    QPushButton* command3_ = nullptr;
    QFrame* frame2_ = nullptr;
    QLabel* wait_ = nullptr;
};

}  // namespace tavir::ui
