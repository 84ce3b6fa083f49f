#pragma once
// The main window "Tavir": its frame, layout, background, status texts and closing questions.
#include <QHash>
#include <QWidget>
#include <functional>
#include <memory>

#include "core/calculator/calculator_keys.hpp"
#include "core/series/series_file.hpp"
#include "core/session/workspace.hpp"

class QAction;
class QLabel;
class QPushButton;
class QRadioButton;
class QCheckBox;
class QTimer;
class QFrame;
class QTextEdit;
class QLineEdit;
class QSlider;
class QMenu;

namespace tavir::board_texts {
struct ButtonTexts;
struct MenuItemText;
}  // namespace tavir::board_texts

namespace tavir::ui {

class BoardView;
class HelpWindow;
class ExerciseArea;
class ViewWidget;
struct HelpBook;
struct PrinterChoice;


class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    Workspace& workspace() { return workspace_; }
    BoardView* board() const { return board_; }
    ExerciseArea* exercises() const { return exercises_; }
    // The status line `info` (its exact text, line breaks as CR LF).
    QString info() const;
    void setInfo(const QString& text);

    // The series loader: replaces constructions 1..10 and shows construction 1, or says why not.
    bool loadSeries(const QString& path);
    // A series already read: on the board, and named in the caption.
    void showSeries(const SeriesEntries& entries, const QString& path);
    // Before the series is replaced or cleared: asks when it is modified; true to go on (saved,
    // or not to be saved), false when the pupil keeps it as it is.
    bool confirmSeriesReplaced();
    // The save dialog; true once the series is written.
    bool saveSeries();
    // The caption after a series was opened or saved.
    void setSeriesCaption(const QString& path);
    // "&Aide", "&Voir le cours" and F1: our help window, or the desktop's viewer for a help
    // file of the described name beside the program.
    void openHelp(const HelpBook& book);
    // Opens the information window at the dot-structure box.
    void phototavir_Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildDrawingFrame();
    void buildAnimationFrame();
    void buildRightColumn();
    void buildButtons();
    void buildMenus();
    // Ctrl+Z, S, O, P, Q and N.
    void buildShortcuts();
    QPushButton* makeButton(const board_texts::ButtonTexts& texts, const QRect& geometry);
    QAction* addMenuItem(QMenu* menu, const board_texts::MenuItemText& item, std::function<void()> run);
    // A copy item: the view's picture onto the clipboard, and the pupil told so.
    void copyPicture(View view, const ViewLook& look);
    void refresh();
    // The controls' handlers, by the controls' names.
    void Option3_Click(int index);
    void Command13_Click();
    void Command14_Click();
    void sq01_Click();
    void sq02_Click();
    void Check1_Click(bool ticked);
    void Check2_Click(bool ticked);
    void Check3_Click(bool ticked);
    void Check4_Click(bool ticked);
    void Command16_Click(int index);
    void compact_Click(bool ticked);
    void tetra1_Click(bool ticked);
    void Slider1_Change(int value);
    // `Timer1_Timer`.
    void tick();
    // The geometry text, the figure box and the 3D view after a tick.
    void refreshAnimation();
    // The result views carry what they show in their descriptions, for screen readers.
    void describeViews();
    QFrame* makeFrame(const char* name, const QString& title, const QRect& geometry);
    // What passing over a control does: its hover text, an unfinished move's analysis.
    void setHover(QWidget* widget, std::function<void()> hover);
    void showInfo();
    // The title bar and borders the desktop adds around the window.
    QSize decoration() const;
    // The least size: 800 x 600 pixels outside, or the screen's free area when smaller.
    void updateMinimumSize();
    // 800 x 600 pixels centred on a screen wider than 850 pixels; always whole on the screen.
    void placeOnOpening();
    // After the window or its frame changed: the least size, the opening place while the
    // frame was unknown, and the exercise area given the window's room.
    void followFrame();

    Workspace workspace_;
    // The calculator's memory lives as long as the program, across its windows.
    CalculatorMemory calculatorMemory_;
    // The printer chosen in the print window, kept across its openings.
    std::unique_ptr<PrinterChoice> printerChoice_;
    BoardView* board_ = nullptr;
    QLabel* infoLabel_ = nullptr;
    QHash<QObject*, std::function<void()>> hoverActions_;
    QFrame* frame1_ = nullptr;
    QFrame* frame2_ = nullptr;
    ViewWidget* brute_ = nullptr;
    ViewWidget* fdev_ = nullptr;
    ViewWidget* d3d_ = nullptr;
    QLabel* smile_ = nullptr;
    QLabel* phototavir_ = nullptr;
    QLabel* c3d_ = nullptr;
    QCheckBox* check_[4] = {};
    QCheckBox* tetra1_ = nullptr;
    QCheckBox* compact_ = nullptr;
    QSlider* slider1_ = nullptr;
    QTextEdit* supertext_ = nullptr;
    QLineEdit* fich_ = nullptr;
    QTimer* timer1_ = nullptr;
    QRadioButton* option3_[10] = {};
    QPushButton* command1_ = nullptr;   // "&Fermer"
    QPushButton* command2_ = nullptr;   // "&Ouvrir"
    QPushButton* command4_ = nullptr;   // "Co&pier"
    QPushButton* command7_ = nullptr;   // "&Aide"
    QPushButton* command8_ = nullptr;   // "&Calculatrice"
    QPushButton* command9_ = nullptr;   // "&Voir le cours"
    QPushButton* command10_ = nullptr;  // "&Imprimer"
    QPushButton* command11_ = nullptr;  // "&Enregistrer"
    QPushButton* command12_ = nullptr;  // "&Nouveau"
    QPushButton* command13_ = nullptr;  // "Annule&r"
    QPushButton* command14_ = nullptr;  // "Co&ller"
    QMenu* menucopie_ = nullptr;
    QMenu* nbdel_ = nullptr;
    // The guide and the course, each in a window of its own that keeps its place.
    HelpWindow* guide_ = nullptr;
    HelpWindow* course_ = nullptr;
    ExerciseArea* exercises_ = nullptr;
    QLabel* btexo_ = nullptr;
    const HelpBook* f1Book_ = nullptr;  // the book F1 opens: the guide, then the course
    QSize decoration_;       // as last seen
    bool shownOnce_ = false;
    bool opening_ = false;   // placed on opening, but before the desktop framed the window
};

}  // namespace tavir::ui
