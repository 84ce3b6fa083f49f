#include "ui/mainwindow/accessible_names.hpp"

#include <QWidget>

#include "core/session/shown_views.hpp"

namespace tavir::ui {

namespace {

void describe(QWidget* w, const QString& text) {
    if (w->accessibleDescription() != text) w->setAccessibleDescription(text);
}

}  // namespace

void describeResultViews(const ResultViews& views, const Workspace& workspace) {
    const ResultDescriptions d = describeResults(workspace);
    describe(views.brute, QString::fromStdString(d.formula));
    describe(views.fdev, QString::fromStdString(d.dotStructure));
    describe(views.d3d, QString::fromStdString(d.animation));
}

}  // namespace tavir::ui
