#pragma once
// The exercise area of the main window: `supertext`, the hidden `fich`, the exercise menu
// `optionexo` and everything that fills, saves and prints the area.
#include <QObject>
#include <QString>
#include <functional>
#include <vector>

#include "core/richtext/rtf_reader.hpp"

class QTextEdit;
class QLineEdit;
class QMenu;
class QWidget;

namespace tavir {
class Workspace;
}

namespace tavir::ui {

class ExerciseArea : public QObject {
    Q_OBJECT
public:
    // loadSeries: the series loader of the main window.
    ExerciseArea(Workspace& workspace, QTextEdit& supertext, QLineEdit& fich, QWidget& window,
                 std::function<bool(const QString&)> loadSeries);

    QMenu* menu() const { return optionexo_; }
    // A click on `BTEXO`: the menu just below the picture.
    void openMenu(QWidget& btexo);

    // The menu's items.
    void PRISENMAIN_Click();
    void openexo_Click();
    void opencor_Click();
    void savetexte_Click();
    void opentexte_Click();
    void imprimetexte_Click();
    void Closexo_Click();

    // Opens an exercise file chosen in the chooser: its statement and its series. False,
    // after the message, when a file it names cannot be read.
    bool openExercise(const QString& exerciseFile);

    bool correctionAvailable() const { return correctionAvailable_; }
    QString exerciseDirectory() const { return exerciseDirectory_; }

private:
    // Asks before throwing away an edited text; false when the pupil keeps it.
    bool discardCheck();
    // Loads a text file into the area; false after a message when it cannot be read.
    bool loadText(const QString& path, bool missingIsAbsent);
    // Shows what was read from the file at `path`; false after a message, the area
    // unchanged, when the text is longer than the area can show.
    bool showText(RtfReadResult read, const QString& path);
    // Before saving: when the text came from a file with content the area could not show,
    // asks whether to save without it; false when the pupil keeps the file as it is.
    bool confirmDroppedContent();
    void loaded(const QString& fichText, bool correction);

    Workspace& workspace_;
    QTextEdit& supertext_;
    QLineEdit& fich_;
    QWidget& window_;
    std::function<bool(const QString&)> loadSeries_;
    QMenu* optionexo_ = nullptr;
    QString exerciseDirectory_;
    bool correctionAvailable_ = false;
    // The file the shown text was read from, and what of it the area could not show.
    QString shownFrom_;
    std::vector<DroppedContent> dropped_;
};

}  // namespace tavir::ui
