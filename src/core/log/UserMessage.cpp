#include "core/log/UserMessage.h"

namespace {

MessageAnswer AskNobody(const std::string&, const std::string&, MessageButtons buttons, MessageIcon)
{
    return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

MessageShower current = &AskNobody;

}  // namespace

void SetMessageShower(MessageShower shower)
{
    current = shower ? shower : &AskNobody;
}

MessageShowerScope::MessageShowerScope(MessageShower shower) : previous_(current)
{
    SetMessageShower(shower);
}

MessageShowerScope::~MessageShowerScope()
{
    current = previous_;
}

MessageAnswer ShowUserMessage(const std::string& text, const std::string& caption, MessageButtons buttons,
                              MessageIcon icon)
{
    return current(text, caption, buttons, icon);
}
