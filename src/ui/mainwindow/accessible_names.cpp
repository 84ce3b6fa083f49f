#include "ui/mainwindow/accessible_names.hpp"

#include <QWidget>

#include "core/board/texts.hpp"
#include "core/session/workspace.hpp"
#include "ui/common/qt_text.hpp"
#include "core/dotstructure/formula.hpp"
#include "core/dotstructure/texts.hpp"
#include "core/exercises/texts.hpp"
#include "core/geometry3d/texts.hpp"

namespace tavir::ui {

namespace {

QWidget* named(QWidget& window, const QString& name) { return window.findChild<QWidget*>(name); }

void setName(QWidget& window, const char* name, std::string_view text, std::string_view description = {}) {
    QWidget* w = named(window, QString::fromLatin1(name));
    if (!w) return;
    w->setAccessibleName(utf8(text));
    if (!description.empty()) w->setAccessibleDescription(utf8(description));
}

// Descriptions change with every analysis: only a real change is passed on to the screen reader.
void describe(QWidget* w, const QString& text) {
    if (w && w->accessibleDescription() != text) w->setAccessibleDescription(text);
}

QString formulaOf(const Construction& c) {
    return QString::fromStdString(formulaText(c) + netChargeSuffix(netCharge(c)));
}

}  // namespace

void nameMainWindowControls(QWidget& window) {
    setName(window, "Frame1", board_texts::kA11yDrawingFrame);
    setName(window, "Frame2", geometry_texts::kA11yAnimationFrame);
    for (int i = 0; i < 10; ++i) {
        if (QWidget* option = named(window, QStringLiteral("Option3_%1").arg(i))) {
            option->setAccessibleName(utf8(board_texts::kA11yConstructionPrefix) + QString::number(i + 1));
            option->setAccessibleDescription(utf8(board_texts::kA11yConstructionDescription));
        }
    }
    setName(window, "smile", dot_texts::kA11ySmile, dot_texts::kA11ySmileDescription);
    setName(window, "phototavir", dot_texts::kA11yInformationPicture, dot_texts::kA11yInformationPictureDescription);
    setName(window, "BTEXO", exercise_texts::kA11yExerciseButton, board_texts::kHoverBtexo);
    setName(window, "optionexo", exercise_texts::kA11yExerciseMenu);
    setName(window, "supertext", exercise_texts::kA11yExerciseText);
    setName(window, "fich", exercise_texts::kA11yExerciseFile);
    setName(window, "tetra1", geometry_texts::kA11yFigure, geometry_texts::kA11yFigureDescription);
    setName(window, "compact", geometry_texts::kA11yCompact, geometry_texts::kA11yCompactDescription);
    // The animation buttons show pictures only: their tooltips say what they do.
    for (std::size_t i = 0; i < geometry_texts::kStepButtonTooltips.size(); ++i)
        setName(window, QStringLiteral("Command16_%1").arg(i).toLatin1().constData(),
                geometry_texts::kStepButtonTooltips[i]);
    setName(window, "menucopie", board_texts::kA11yCopyMenu);
    setName(window, "nbdel", board_texts::kA11yEraseMenu);
    setName(window, "menuflo", board_texts::kA11yBondMenu);
}

void describeMainWindowViews(QWidget& window, const ViewState& view) {
    describe(named(window, QStringLiteral("brute")), view.brute ? formulaOf(view.formula) : QString());
    describe(named(window, QStringLiteral("fdev")), view.dotDrawn && !view.phototavir
                                                        ? formulaOf(view.dotStructure)
                                                        : utf8(dot_texts::kA11yNoDotStructure));
    const QString geometry = QString::fromStdString(view.c3dText).simplified();
    describe(named(window, QStringLiteral("D3D")), view.d3dCleared ? QString() : geometry);
}

}  // namespace tavir::ui
