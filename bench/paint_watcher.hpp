#pragma once
// Notes that a widget has painted, for the measurements that run until the pupil sees something.
#include <QEvent>
#include <QObject>

namespace tavir::bench {

class PaintWatcher : public QObject {
public:
    bool painted = false;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) painted = true;
        return false;
    }
};

}  // namespace tavir::bench
