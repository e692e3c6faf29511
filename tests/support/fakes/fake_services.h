#pragma once
// Message boxes and process starts recorded for the core's tests, with scripted answers.

#include "platform/message_boxes.h"
#include "platform/process_starter.h"

#include <deque>
#include <string>
#include <utility>
#include <vector>

namespace pelaconf::testing {

class FakeMessageBoxes : public MessageBoxes {
public:
    std::vector<std::pair<std::string, MessageKind>> shown;
    // Answers to questions, in order; a question without a scripted answer gets No.
    std::deque<MessageAnswer> answers;

    MessageAnswer Show(std::string_view text, MessageKind kind) override {
        shown.emplace_back(std::string(text), kind);
        if (kind != MessageKind::Question) {
            return MessageAnswer::Ok;
        }
        if (answers.empty()) {
            return MessageAnswer::No;
        }
        const MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const auto& message : shown) {
            texts.push_back(message.first);
        }
        return texts;
    }
};

class FakeProcessStarter : public ProcessStarter {
public:
    std::vector<std::string> started;
    bool fail = false;

    bool Start(std::string_view commandLine) override {
        if (fail) {
            return false;
        }
        started.emplace_back(commandLine);
        return true;
    }
};

} // namespace pelaconf::testing
