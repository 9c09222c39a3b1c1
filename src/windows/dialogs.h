// File dialogs, message boxes, the beep and the wait cursor behind one small interface, so that
// every command, cancel and failure included, runs in a test without a person.
#pragma once

#include <optional>
#include <string>

#include "export/export_commands.h"

namespace voriel {

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // The path chosen (UTF-8), or nothing when the dialog was cancelled. The request's filter is
    // "Description|pattern[|Description|pattern...]".
    virtual std::optional<std::string> openFile(const SaveDialog& request) = 0;
    virtual std::optional<std::string> saveFile(const SaveDialog& request) = 0;

    virtual void message(const std::string& title, const std::string& text) = 0;
    // A Yes/No question; true for Yes.
    virtual bool confirm(const std::string& title, const std::string& text) = 0;
    virtual void beep() = 0;

    // The hourglass while long work runs; calls nest.
    virtual void beginWait() = 0;
    virtual void endWait() = 0;
};

// The hourglass for the life of a scope.
class WaitCursor {
public:
    explicit WaitCursor(Dialogs& dialogs) : dialogs_(dialogs) { dialogs_.beginWait(); }
    ~WaitCursor() { dialogs_.endWait(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    Dialogs& dialogs_;
};

}  // namespace voriel
