#include "support/ScriptedMessages.h"

namespace {

ScriptedMessages* active = nullptr;

}  // namespace

ScriptedMessages::ScriptedMessages() : scope_(&ScriptedMessages::Show)
{
    active = this;
}

ScriptedMessages::~ScriptedMessages()
{
    active = nullptr;
}

MessageAnswer ScriptedMessages::Show(const std::string& text, const std::string& caption,
                                     MessageButtons buttons, MessageIcon icon)
{
    active->messages.push_back({text, caption, buttons, icon});
    if (!active->answers.empty()) {
        const MessageAnswer answer = active->answers.front();
        active->answers.pop_front();
        return answer;
    }
    return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Yes;
}
