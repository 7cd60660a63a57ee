#pragma once
// Messages the core shows the user and questions it asks. The window program
// installs a shower that puts each up as a box owned by the window in use;
// without one (the command-line program, a run by a scheduled task) nothing
// waits for a click: a message is answered Ok and a question Cancel.
#include <string>

enum class MessageIcon { None, Warning, Error, Question };
enum class MessageButtons { Ok, YesNoCancel };
enum class MessageAnswer { None, Ok, Yes, No, Cancel };

using MessageShower = MessageAnswer (*)(const std::string& text, const std::string& caption,
                                        MessageButtons buttons, MessageIcon icon);

// Installs the shower; nullptr: the one that asks nobody.
void SetMessageShower(MessageShower shower);
// Puts a shower in force for a scope, and the one before it back.
class MessageShowerScope {
public:
    explicit MessageShowerScope(MessageShower shower);
    ~MessageShowerScope();
    MessageShowerScope(const MessageShowerScope&) = delete;
    MessageShowerScope& operator=(const MessageShowerScope&) = delete;

private:
    MessageShower previous_;
};

MessageAnswer ShowUserMessage(const std::string& text, const std::string& caption, MessageButtons buttons,
                              MessageIcon icon);
