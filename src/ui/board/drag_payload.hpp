#pragma once
// What travels with a dragged atom: its element and where it comes from.
#include <QMimeData>
#include <optional>

namespace tavir::ui {

enum class DragSource { Palette, Board };

struct DragPayload {
    int element = 0;
    DragSource source = DragSource::Palette;
};

inline const char* kAtomMimeType = "application/x-tavir-atom";

QMimeData* makeAtomMime(const DragPayload& payload);
std::optional<DragPayload> readAtomMime(const QMimeData* mime);

}  // namespace tavir::ui
