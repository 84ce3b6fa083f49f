#pragma once
// The two series dialogs `ouvrir` and `enregistrer`: drive, directory and file lists on
// "*.C01", a name box and two buttons.
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QFrame;

namespace tavir {
class Workspace;
}

namespace tavir::ui {

class FileLists;

class SeriesDialog : public QDialog {
    Q_OBJECT
public:
    FileLists* lists() const { return lists_; }

protected:
    SeriesDialog(Workspace& workspace, QWidget* mainWindow, const QString& caption, const QString& actionCaption,
                 const QString& directoryLabel, const QString& filesLabel);
    // The folder of the series file in use, empty without one.
    QString seriesFolder() const;
    // Where the lists start: the given folder, else the current folder.
    void startLists(const QString& folder);
    virtual void action() = 0;
    // Return has already acted where it was typed (name box, file list, focused button):
    // the dialog must not press its default button a second time.
    void keyPressEvent(QKeyEvent* event) override;

    Workspace& workspace_;
    FileLists* lists_ = nullptr;
    QPushButton* command1_ = nullptr;
    QPushButton* command2_ = nullptr;
};

class OpenSeriesDialog : public SeriesDialog {
    Q_OBJECT
public:
    OpenSeriesDialog(Workspace& workspace, QWidget* mainWindow);
    QLineEdit* pathBox() const { return ficharge_; }
    // The file to load once the dialog has closed with Accepted.
    QString chosenFile() const { return chosen_; }

protected:
    void action() override;

private:
    QLineEdit* ficharge_ = nullptr;
    QFrame* frame1_ = nullptr;
    QString chosen_;
};

class SaveSeriesDialog : public SeriesDialog {
    Q_OBJECT
public:
    SaveSeriesDialog(Workspace& workspace, QWidget* mainWindow);
    QLineEdit* nameBox() const { return text1_; }
    QString savedFile() const { return saved_; }

protected:
    void action() override;

private:
    QLineEdit* text1_ = nullptr;
    QString saved_;
};

}  // namespace tavir::ui
