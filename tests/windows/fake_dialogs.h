// Dialogs for the window tests: file dialogs answered from a queue, with a record of every
// request, message, question, beep and wait cursor; and the printer dialogs answered by a test:
// a cancel, or OK after pointing the printer at a PDF.
#pragma once

#include <QPrinter>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "windows/dialogs.h"
#include "windows/print_commands.h"
#include "windows/printed_document.h"
#include "windows/template_commands.h"

namespace voriel::test {

// A file dialog as it was asked: Open or Save, its title, filter and proposed name.
inline std::string Asked(bool open, const SaveDialog& d) {
    return (open ? "Open; " : "Save; ") + d.title + "; " + d.filter + "; " + d.proposedName;
}

class FakeDialogs : public Dialogs {
public:
    struct Message {
        std::string title, text;
    };

    // Answers for the coming file dialogs, taken in order; with none queued a dialog is cancelled.
    void answerPath(const std::string& path) { answers_.push_back(path); }
    // Answers for the coming confirm questions (true for Yes); an unexpected one is answered No.
    void answerConfirm(bool yes) { confirmAnswers_.push_back(yes); }

    std::optional<std::string> openFile(const SaveDialog& request) override {
        requests.push_back(Asked(true, request));
        return Next(answers_, std::optional<std::string>{});
    }
    std::optional<std::string> saveFile(const SaveDialog& request) override {
        requests.push_back(Asked(false, request));
        return Next(answers_, std::optional<std::string>{});
    }
    void message(const std::string& title, const std::string& text) override {
        messages.push_back({title, text});
    }
    bool confirm(const std::string& title, const std::string& text) override {
        questions.push_back({title, text});
        return Next(confirmAnswers_, false);
    }
    void beep() override { ++beeps; }
    void beginWait() override {
        ++waitDepth;
        ++waitCount;
    }
    void endWait() override { --waitDepth; }

    // Whether exactly one message was shown, under the title, its text holding `part`.
    bool saidOnce(const std::string& title, const std::string& part = "") const {
        return messages.size() == 1 && messages[0].title == title &&
               messages[0].text.find(part) != std::string::npos;
    }

    // Answers queued but not asked for yet.
    std::size_t pendingAnswers() const { return answers_.size() + confirmAnswers_.size(); }

    std::vector<std::string> requests;  // every file dialog asked for, as Asked() puts it
    std::vector<Message> messages;
    std::vector<Message> questions;
    int beeps = 0;
    int waitDepth = 0;  // the hourglass now: 0 when every begin had its end
    int waitCount = 0;  // how many times the hourglass was asked for

private:
    template <typename T>
    static T Next(std::deque<T>& queue, T none) {
        if (queue.empty()) return none;
        T out = queue.front();
        queue.pop_front();
        return out;
    }

    std::deque<std::optional<std::string>> answers_;
    std::deque<bool> confirmAnswers_;
};

class FakePrintDialogs : public PrintDialogs {
public:
    bool accept = true;
    std::optional<std::string> pdf;
    std::vector<std::string> titles;
    int setups = 0;

    bool print(QPrinter& printer, const std::string& title) override {
        titles.push_back(title);
        if (accept && pdf) SetPdfPrinter(printer, Paper::A4, *pdf);
        return accept;
    }
    bool setup(QPrinter&) override {
        ++setups;
        return accept;
    }
};

class FakeTemplateDialogs : public TemplatePrintDialogs {
public:
    bool accept = true;
    std::optional<std::string> pdf;
    std::optional<std::string> sx, sy, overlap;  // typed over what the dialog showed
    std::vector<std::string> shown;              // SX, SY, overlap as the dialog showed them
    std::vector<std::string> titles;

    bool printTemplates(QPrinter& printer, const std::string& title, int16_t, std::string& sxText,
                        std::string& syText, std::string& overlapText) override {
        titles.push_back(title);
        shown = {sxText, syText, overlapText};
        if (!accept) return false;
        if (pdf) SetPdfPrinter(printer, Paper::A4, *pdf);
        if (sx) sxText = *sx;
        if (sy) syText = *sy;
        if (overlap) overlapText = *overlap;
        return true;
    }
};

}  // namespace voriel::test
