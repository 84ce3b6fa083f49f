#include "ui/board/palette_image.hpp"

#include <QDragEnterEvent>
#include <QMouseEvent>

#include "ui/board/board_view.hpp"
#include "ui/board/texts.hpp"
#include "core/session/workspace.hpp"
#include "ui/common/element_pictures.hpp"
#include "ui/common/qt_text.hpp"

namespace tavir::ui {

PaletteImage::PaletteImage(int elementCode, BoardView& board, Workspace& workspace, QWidget* parent)
    : QLabel(parent), element_(elementCode), board_(board), workspace_(workspace) {
    setObjectName(QStringLiteral("Imagea_%1").arg(elementCode - 1));
    setFixedSize(32, 32);
    setPixmap(elementPicture(elementCode, devicePixelRatioF()));
    setCursor(Qt::OpenHandCursor);
    setMouseTracking(true);
    setAcceptDrops(true);
    setAccessibleName(utf8(board_texts::kA11yElementNames[static_cast<std::size_t>(elementCode)]));
    setAccessibleDescription(utf8(board_texts::kA11yPaletteDescription));
}

void PaletteImage::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) board_.dragFromPalette(element_, this);
}

void PaletteImage::mouseMoveEvent(QMouseEvent*) { workspace_.pointerOver(PointerPlace::Palette); }

void PaletteImage::dragEnterEvent(QDragEnterEvent* event) {
    // Passing over the palette finishes the analysis of a move still under way.
    workspace_.dragOver(PointerPlace::Palette);
    event->ignore();
}

}  // namespace tavir::ui
