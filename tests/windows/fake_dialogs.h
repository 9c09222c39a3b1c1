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
    enum class Kind { Open, Save };
    struct Request {
        Kind kind;
        SaveDialog dialog;  // title, filter and proposed name as the window asked
    };
    struct Message {
        std::string title, text;
    };
    struct Question {
        std::string title, text;
        bool answer;
    };

    // Answers for the coming file dialogs, taken in order: a path, or a cancel.
    void answerPath(const std::string& path) { answers_.push_back(path); }
    void answerCancel() { answers_.push_back(std::nullopt); }
    // Answers for the coming confirm questions (true for Yes), taken in order.
    void answerConfirm(bool yes) { confirmAnswers_.push_back(yes); }

    std::optional<std::string> openFile(const SaveDialog& request) override {
        return answer(Kind::Open, request);
    }
    std::optional<std::string> saveFile(const SaveDialog& request) override {
        return answer(Kind::Save, request);
    }
    void message(const std::string& title, const std::string& text) override {
        messages.push_back({title, text});
    }
    bool confirm(const std::string& title, const std::string& text) override {
        bool yes = false;  // an unexpected question is answered No, the cautious answer
        if (confirmAnswers_.empty()) {
            ++unansweredConfirms;
        } else {
            yes = confirmAnswers_.front();
            confirmAnswers_.pop_front();
        }
        questions.push_back({title, text, yes});
        return yes;
    }
    void beep() override { ++beeps; }
    void beginWait() override {
        ++waitDepth;
        ++waitCount;
        if (waitDepth > maxWaitDepth) maxWaitDepth = waitDepth;
    }
    void endWait() override { --waitDepth; }

    // Answers queued but not asked for yet.
    std::size_t pendingAnswers() const { return answers_.size(); }
    std::size_t pendingConfirms() const { return confirmAnswers_.size(); }

    // Forgets what was recorded (the queues stay).
    void clearRecord() {
        requests.clear();
        messages.clear();
        questions.clear();
        beeps = 0;
        waitCount = 0;
        maxWaitDepth = waitDepth;
        unansweredRequests = 0;
        unansweredConfirms = 0;
    }

    std::vector<Request> requests;
    std::vector<Message> messages;
    std::vector<Question> questions;
    int beeps = 0;
    int waitDepth = 0;           // the hourglass now: 0 when every begin had its end
    int maxWaitDepth = 0;        // the deepest it went
    int waitCount = 0;           // how many times the hourglass was asked for
    int unansweredRequests = 0;  // file dialogs asked for with an empty queue (taken as a cancel)
    int unansweredConfirms = 0;  // questions asked with an empty queue (taken as No)

private:
    std::optional<std::string> answer(Kind kind, const SaveDialog& request) {
        requests.push_back({kind, request});
        if (answers_.empty()) {
            ++unansweredRequests;
            return std::nullopt;
        }
        std::optional<std::string> out = answers_.front();
        answers_.pop_front();
        return out;
    }

    std::deque<std::optional<std::string>> answers_;
    std::deque<bool> confirmAnswers_;
};

}  // namespace voriel::test
