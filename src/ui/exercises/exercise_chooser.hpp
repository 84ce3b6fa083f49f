#pragma once
// The exercise chooser `Fichexo`: the exercise files of a folder with their title, topics,
// difficulty and whether a correction exists.
#include <QDialog>

class QLabel;
class QLineEdit;
class QTextEdit;
class QFrame;

namespace tavir::ui {

class ExerciseArea;
class FileLists;

class ExerciseChooser : public QDialog {
    Q_OBJECT
public:
    ExerciseChooser(ExerciseArea& area, QWidget* parent);
    FileLists* lists() const { return lists_; }
    // Shows the header of the selected file (title, topics, difficulty, correction).
    void selectFile(const QString& name);
    // `ouvreur`, a double click or Enter on a file: opens the selected exercise.
    void openSelected();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void clearHeader();

    ExerciseArea& area_;
    FileLists* lists_;
    QLineEdit* fichierexo_;
    QLabel* titratexo_;
    QTextEdit* text1_;
    QLabel* label1_;
    QLabel* label2_;
    QLabel* label3_;
    QLabel* label4_;
    QLabel* image4_[3];
    QLabel* intratro_;
    QLabel* ouvreur_;
    QLabel* image5_;
    QFrame* frame2_;
};

// The heading "Ouvrir un exercice", each letter a little whiter than the one before.
class ChooserHeading : public QWidget {
    Q_OBJECT
public:
    explicit ChooserHeading(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace tavir::ui
