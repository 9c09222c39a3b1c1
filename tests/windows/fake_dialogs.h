// Dialogs for the window tests: file dialogs answered from a queue, and a record of every request,
// message, question, beep and wait cursor.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "windows/dialogs.h"

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

}  // namespace voriel::test
