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

class FakeDialogs : public Dialogs {
public:
    struct Request {
        bool open;          // an Open dialog (else a Save one)
        SaveDialog dialog;  // title, filter and proposed name as the window asked
    };
    struct Message {
        std::string title, text;
    };

    // Answers for the coming file dialogs, taken in order: a path, or a cancel (also the answer
    // when the queue is empty).
    void answerPath(const std::string& path) { answers_.push_back(path); }
    void answerCancel() { answers_.push_back(std::nullopt); }
    // Answers for the coming confirm questions (true for Yes); an unexpected one is answered No.
    void answerConfirm(bool yes) { confirmAnswers_.push_back(yes); }

    std::optional<std::string> openFile(const SaveDialog& request) override {
        return answer(true, request);
    }
    std::optional<std::string> saveFile(const SaveDialog& request) override {
        return answer(false, request);
    }
    void message(const std::string& title, const std::string& text) override {
        messages.push_back({title, text});
    }
    bool confirm(const std::string& title, const std::string& text) override {
        questions.push_back({title, text});
        if (confirmAnswers_.empty()) return false;
        const bool yes = confirmAnswers_.front();
        confirmAnswers_.pop_front();
        return yes;
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

    std::vector<Request> requests;
    std::vector<Message> messages;
    std::vector<Message> questions;
    int beeps = 0;
    int waitDepth = 0;  // the hourglass now: 0 when every begin had its end
    int waitCount = 0;  // how many times the hourglass was asked for

private:
    std::optional<std::string> answer(bool open, const SaveDialog& request) {
        requests.push_back({open, request});
        if (answers_.empty()) return std::nullopt;
        std::optional<std::string> out = answers_.front();
        answers_.pop_front();
        return out;
    }

    std::deque<std::optional<std::string>> answers_;
    std::deque<bool> confirmAnswers_;
};

// A file dialog as it was asked: Open or Save, its title, filter and proposed name.
inline std::string Asked(const FakeDialogs::Request& r) {
    const SaveDialog& d = r.dialog;
    return (r.open ? "Open; " : "Save; ") + d.title + "; " + d.filter + "; " + d.proposedName;
}

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
