// Watches the program's focus window for a definition screen being left.
#include "windows/leaving_watch.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

namespace voriel {

LeavingWatch::LeavingWatch(QWidget& window, std::function<void()> onLeave)
    : window_(window), onLeave_(std::move(onLeave)) {
    QObject::connect(qGuiApp, &QGuiApplication::focusWindowChanged, &window_, [this](QWindow* now) {
        if (now == nullptr) return;  // another program: not a leave yet
        if (now == window_.windowHandle()) {
            wasActive_ = true;
            return;
        }
        if (now->type() == Qt::Popup || now->type() == Qt::ToolTip) return;
        if (now->transientParent() == window_.windowHandle()) return;
        if (!wasActive_ || !window_.isVisible()) return;
        wasActive_ = false;
        onLeave_();
    });
}

}  // namespace voriel
