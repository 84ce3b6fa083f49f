#include "ui/board/drag_payload.hpp"

namespace tavir::ui {

QMimeData* makeAtomMime(const DragPayload& payload) {
    auto* mime = new QMimeData;
    QByteArray data;
    data.append(static_cast<char>('0' + payload.element));
    data.append(payload.source == DragSource::Board ? 'b' : 'p');
    mime->setData(QString::fromLatin1(kAtomMimeType), data);
    return mime;
}

std::optional<DragPayload> readAtomMime(const QMimeData* mime) {
    if (!mime || !mime->hasFormat(QString::fromLatin1(kAtomMimeType))) return std::nullopt;
    const QByteArray data = mime->data(QString::fromLatin1(kAtomMimeType));
    if (data.size() != 2 || data[0] < '1' || data[0] > '5') return std::nullopt;
    return DragPayload{data[0] - '0', data[1] == 'b' ? DragSource::Board : DragSource::Palette};
}

}  // namespace tavir::ui
