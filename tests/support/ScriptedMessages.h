#pragma once
// Answers the core's messages and questions for a test and records them.
// Installed for its lifetime.
#include <deque>
#include <string>
#include <vector>

#include "core/log/UserMessage.h"

class ScriptedMessages {
public:
    struct Message {
        std::string text;
        std::string caption;
        MessageButtons buttons;
        MessageIcon icon;
    };

    ScriptedMessages();
    ~ScriptedMessages();
    ScriptedMessages(const ScriptedMessages&) = delete;
    ScriptedMessages& operator=(const ScriptedMessages&) = delete;

    // Answers, used in order; when empty a message answers Ok, a question Yes.
    std::deque<MessageAnswer> answers;
    std::vector<Message> messages;

private:
    static MessageAnswer Show(const std::string& text, const std::string& caption, MessageButtons buttons,
                              MessageIcon icon);
    MessageShowerScope scope_;
};
