#pragma once
// The exercise area of the main window: `supertext`, the hidden `fich`, the exercise menu
// `optionexo` and everything that fills, saves and prints the area.
#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "core/exercises/exercise_documents.hpp"
#include "core/files/file_result.hpp"
#include "core/richtext/rtf_reader.hpp"

class QTextEdit;
class QLineEdit;
class QAction;
class QMenu;
class QWidget;

namespace tavir {
class ExerciseSession;
class Workspace;
struct RichDocument;
struct RtfReadResult;
}

namespace tavir::ui {

class ExerciseArea : public QObject {
    Q_OBJECT
public:
    // showSeries: puts a series read from an exercise's folder on the board, as the main
    // window's series loader does. confirmSeriesReplaced: asked before that series replaces a
    // modified one; false keeps everything as it is.
    ExerciseArea(Workspace& workspace, QTextEdit& supertext, QLineEdit& fich, QWidget& window,
                 std::function<void(const NamedSeries&)> showSeries, std::function<bool()> confirmSeriesReplaced);

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
    // after the message, when a file it names cannot be read; nothing has changed then.
    bool openExercise(const QString& exerciseFile);
    // Opens an RTF or plain text chosen with "Retrouver un texte"; false after the message
    // when it is refused, the area then unchanged.
    bool openText(const QString& path);

    bool correctionAvailable() const;
    QString exerciseDirectory() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Asks before throwing away an edited text; false when the pupil keeps it.
    bool discardCheck();
    ExerciseSession& session();
    const ExerciseSession& session() const;
    // Shows a text in the area; false after its message when it is longer than the area can
    // show (the area is then unchanged).
    bool fill(RtfReadResult& text);
    // The hidden `fich` and the area's read-only state follow the session.
    void followSession();
    // Before saving: when the text came from a file with content the area could not show,
    // asks whether to save without it; false when the pupil keeps the file as it is.
    bool confirmDroppedContent();
    // The series a record of the exercise names, read whole; after its message when refused.
    std::optional<std::optional<NamedSeries>> readNamedSeries(const std::string& directory, std::string_view record);

    Workspace& workspace_;
    QTextEdit& supertext_;
    QLineEdit& fich_;
    QWidget& window_;
    std::function<void(const NamedSeries&)> showSeries_;
    std::function<bool()> confirmSeriesReplaced_;
    QMenu* optionexo_ = nullptr;
    QAction* opencor_ = nullptr;
    QAction* closexo_ = nullptr;
};

}  // namespace tavir::ui
