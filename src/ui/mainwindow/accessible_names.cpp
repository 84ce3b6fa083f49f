#include "ui/mainwindow/accessible_names.hpp"

#include <QWidget>

#include "core/session/workspace.hpp"
#include "ui/common/qt_text.hpp"
#include "ui/dotstructure/texts.hpp"

namespace tavir::ui {

namespace {

void describe(QWidget* w, const QString& text) {
    if (w->accessibleDescription() != text) w->setAccessibleDescription(text);
}

}  // namespace

void describeResultViews(const ResultViews& views, const Workspace& workspace) {
    const Analysis& analysis = workspace.analysis();
    const QString formula = QString::fromStdString(analysis.formula);
    describe(views.brute, formula);
    describe(views.fdev, analysis.shown() ? formula : utf8(dot_texts::kA11yNoDotStructure));
    const ViewState& view = workspace.view();
    describe(views.d3d, view.d3d.cleared() ? QString() : QString::fromStdString(view.c3dText).simplified());
}

}  // namespace tavir::ui
