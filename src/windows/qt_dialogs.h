// The dialogs of the desktop program: Qt's file dialogs, message boxes, beep and wait cursor.
#pragma once

#include <QString>

#include "windows/dialogs.h"

namespace voriel {

class QtDialogs : public Dialogs {
public:
    std::optional<std::string> openFile(const SaveDialog& request) override;
    std::optional<std::string> saveFile(const SaveDialog& request) override;
    void message(const std::string& title, const std::string& text) override;
    bool confirm(const std::string& title, const std::string& text) override;
    void beep() override;
    void beginWait() override;
    void endWait() override;
};

// "Description|pattern[|Description|pattern...]" as Qt's "Description (pattern);;..." form; a
// description that already shows its pattern in brackets keeps it. Patterns with ";" become
// blank-separated lists.
QString QtFileFilter(const std::string& filter);

}  // namespace voriel
