// Notices when the builder leaves a window for another window of the program, as a definition
// screen must validate itself then.
#pragma once

#include <functional>

class QWidget;

namespace voriel {

// Calls onLeave when the focus passes from `window` to another window of the program while
// `window` is shown. Going to another program does not count (coming back to another window of
// ours does), nor does a popup or tooltip, nor focus landing elsewhere before the window was
// ever active since it was shown (a board shown just before it, say).
class LeavingWatch {
public:
    LeavingWatch(QWidget& window, std::function<void()> onLeave);
    // Forget the earlier activity: the next leave counts only after the window is active again.
    void reset() { wasActive_ = false; }

private:
    QWidget& window_;
    std::function<void()> onLeave_;
    bool wasActive_ = false;
};

}  // namespace voriel
