#pragma once
// A prompt for tests: records every box, picker and program start, and
// answers from queues that the test fills. Installed for its lifetime.
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "ui/framework/Prompt.h"

class ScriptedPrompt : public Prompt {
public:
    struct Message {
        HWND owner;
        std::string text;
        std::string caption;
        UINT type;
        int iconResource;
    };
    struct FolderQuestion {
        HWND owner;
        std::string title;
        std::string initialFolder;
        UINT flags;
    };

    ScriptedPrompt();
    ~ScriptedPrompt() override;

    // Answers, used in order; when a queue is empty the defaults apply:
    // a message box answers IDOK (IDYES for Yes/No boxes), a folder picker
    // and a file picker are cancelled.
    std::deque<int> answers;
    std::deque<std::string> folders;
    std::deque<std::vector<std::string>> fileSelections;

    // Runs while a box is "open", before it is answered: what a user or a
    // program could do meanwhile (a second click, a tree click, a posted
    // command). Called with the box just shown.
    std::function<void(const Message&)> whileOpen;

    std::vector<Message> messages;
    std::vector<FolderQuestion> folderQuestions;
    std::vector<FileDialogRequest> fileRequests;
    std::vector<LaunchRequest> launches;

    int ShowMessage(HWND owner, const std::string& text, const std::string& caption, UINT type,
                    int iconResource) override;
    std::string BrowseForFolder(HWND owner, const std::string& title, const std::string& initialFolder,
                                UINT flags) override;
    bool PickFiles(const FileDialogRequest& request, std::vector<std::string>& paths) override;
    bool Launch(const LaunchRequest& request) override;
};
