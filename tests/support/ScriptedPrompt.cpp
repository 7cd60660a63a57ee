#include "support/ScriptedPrompt.h"

ScriptedPrompt::ScriptedPrompt()
{
    SetPrompt(this);
}

ScriptedPrompt::~ScriptedPrompt()
{
    SetPrompt(nullptr);
}

int ScriptedPrompt::ShowMessage(HWND owner, const std::string& text, const std::string& caption, UINT type,
                                int iconResource)
{
    messages.push_back({owner, text, caption, type, iconResource});
    if (whileOpen)
        whileOpen(messages.back());
    if (!answers.empty()) {
        int answer = answers.front();
        answers.pop_front();
        return answer;
    }
    UINT buttons = type & MB_TYPEMASK;
    return (buttons == MB_YESNO || buttons == MB_YESNOCANCEL) ? IDYES : IDOK;
}

std::string ScriptedPrompt::BrowseForFolder(HWND owner, const std::string& title,
                                            const std::string& initialFolder, UINT flags)
{
    folderQuestions.push_back({owner, title, initialFolder, flags});
    if (folders.empty())
        return std::string();
    std::string folder = folders.front();
    folders.pop_front();
    return folder;
}

bool ScriptedPrompt::PickFiles(const FileDialogRequest& request, std::vector<std::string>& paths)
{
    fileRequests.push_back(request);
    if (fileSelections.empty())
        return false;
    paths = fileSelections.front();
    fileSelections.pop_front();
    return true;
}

bool ScriptedPrompt::Launch(const LaunchRequest& request)
{
    launches.push_back(request);
    return true;
}
