#include "ui/common/resources.hpp"

#include <QtGlobal>

static void initAssets() {
    Q_INIT_RESOURCE(assets);
    Q_INIT_RESOURCE(ahead);
}

namespace tavir::ui {

void ensureResources() {
    static const bool done = [] {
        initAssets();
        return true;
    }();
    (void)done;
}

}  // namespace tavir::ui
