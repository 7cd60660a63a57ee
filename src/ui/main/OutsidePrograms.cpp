#include "ui/main/OutsidePrograms.h"

#include <shlobj.h>

#include "core/folders/MovieScanner.h"
#include "platform/Text.h"
#include "ui/framework/Prompt.h"
#include "ui/framework/Wnd.h"

namespace {

// The working folder to give a started program: a bare drive ("C:") means
// its root, and a folder that does not exist means ours, as a failed
// change of folder would have left it.
std::string WorkingFolder(std::string folder)
{
    if (folder.size() == 2 && folder[1] == ':')
        folder += '\\';
    DWORD attributes = GetFileAttributesW(FilePath(folder).c_str());
    if (folder.empty() || attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        return std::string();
    return folder;
}

// Characters that make cmd.exe drop the quotes of "/k "name"" or that it
// acts on inside them. cmd keeps the quotes only around a name without
// blanks or any of &<>()@^|; otherwise it strips them and parses the bare
// name, so "a&b.py" would run "b.py" as a second command. '!' expands
// variables with delayed expansion even inside quotes, and ^ escapes do not
// work inside quotes, so no quoting of such a name is safe. (A '%' is
// refused before.)
bool NeedsDirectStart(const std::string& name)
{
    return name.find_first_of("&|<>^()@! \t") != std::string::npos;
}

}  // namespace

bool RunInConsole(const std::string& folder, const std::string& command, bool showConsole)
{
    CWaitCursor wait;
    LaunchRequest request;
    request.file = "cmd.exe";
    request.parameters = std::string(showConsole ? "/k " : "/c ") + "\"" + command + "\"";
    request.directory = WorkingFolder(folder);
    request.show = showConsole ? SW_SHOW : SW_HIDE;
    return ThePrompt().Launch(request);
}

std::string PyTivoLaunchProblem(const std::string& pythonLoc)
{
    if (pythonLoc.find('%') == std::string::npos)
        return std::string();
    return "The pyTivo location holds a % sign: " + pythonLoc +
           "\nThe command processor would read it as a variable and could start another "
           "program.\nRename the file or folder without % and choose it again in Setup.";
}

bool LaunchPyTivo(const std::string& pythonLoc)
{
    if (!PyTivoLaunchProblem(pythonLoc).empty())
        return false;
    // Folder and name split at the last backslash; without one, the whole
    // text is the name and the script runs in our current directory.
    size_t slash = pythonLoc.rfind('\\');
    std::string folder = slash == std::string::npos ? std::string() : pythonLoc.substr(0, slash);
    std::string name = slash == std::string::npos ? pythonLoc : pythonLoc.substr(slash + 1);
    if (!NeedsDirectStart(name))
        return RunInConsole(folder, name, true);
    // A name that cmd.exe would parse is not handed to it: the shell opens
    // the script itself with its file association (the same program cmd
    // would start), in its folder. Its console closes when the script ends.
    LaunchRequest request;
    request.file = pythonLoc;
    request.directory = WorkingFolder(folder);
    request.show = SW_SHOW;
    CWaitCursor wait;
    return ThePrompt().Launch(request);
}

bool ShowHelpDocument(const std::string& helpFolder)
{
    return RunInConsole(helpFolder, kHelpCommand, false);
}

bool IsPyTivoAvailable(const std::string& pythonLoc)
{
    // The script must be readable: a locked or forbidden one cannot run.
    return FileExists(pythonLoc);
}

std::string BrowseForFolder(HWND owner, const std::string& title, const std::string& initialFolder,
                            UINT flags)
{
    return ThePrompt().BrowseForFolder(owner, title, initialFolder, flags);
}

std::string ChooseMovieFolder(HWND owner, const std::string& currentFolder)
{
    return BrowseForFolder(owner, "Select folder", currentFolder,
                           BIF_RETURNONLYFSDIRS | BIF_RETURNFSANCESTORS | BIF_NEWDIALOGSTYLE);
}
