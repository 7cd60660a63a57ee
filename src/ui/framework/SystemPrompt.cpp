// The real prompt: Windows message boxes, shell pickers and ShellExecuteExW.
#include <windows.h>

#include <commdlg.h>
#include <shlobj.h>

#include <cwchar>
#include <vector>

#include "core/log/UserMessage.h"
#include "platform/Text.h"
#include "ui/framework/Prompt.h"

namespace {

struct BrowseStart {
    std::wstring initialFolder;
};

int CALLBACK BrowseCallback(HWND wnd, UINT msg, LPARAM, LPARAM data)
{
    if (msg == BFFM_INITIALIZED) {
        auto* start = reinterpret_cast<BrowseStart*>(data);
        SendMessageW(wnd, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(start->initialFolder.c_str()));
    }
    return 0;
}

// "a|b|c||" becomes "a\0b\0c\0\0", the form that GetOpenFileNameW wants.
std::wstring FilterForSystem(const std::string& filter)
{
    std::wstring result = Widen(filter);
    for (wchar_t& c : result)
        if (c == L'|')
            c = L'\0';
    result.push_back(L'\0');
    return result;
}

class SystemPrompt : public Prompt {
public:
    int ShowMessage(HWND owner, const std::string& text, const std::string& caption, UINT type,
                    int iconResource) override
    {
        const std::wstring wideText = Widen(text);
        const std::wstring wideCaption = Widen(caption);
        if (iconResource == 0)
            return MessageBoxW(owner, wideText.c_str(), wideCaption.c_str(), type);
        MSGBOXPARAMSW params = {};
        params.cbSize = sizeof(params);
        params.hwndOwner = owner;
        params.hInstance = GetModuleHandleW(nullptr);
        params.lpszText = wideText.c_str();
        params.lpszCaption = wideCaption.c_str();
        params.dwStyle = (type & ~MB_ICONMASK) | MB_USERICON;
        params.lpszIcon = MAKEINTRESOURCEW(iconResource);
        return MessageBoxIndirectW(&params);
    }

    std::string BrowseForFolder(HWND owner, const std::string& title, const std::string& initialFolder,
                                UINT flags) override
    {
        IMalloc* allocator = nullptr;
        if (FAILED(SHGetMalloc(&allocator)) || allocator == nullptr)
            return std::string();
        wchar_t displayName[MAX_PATH] = {};
        BrowseStart start = {Widen(initialFolder)};
        const std::wstring wideTitle = Widen(title);
        BROWSEINFOW info = {};
        info.hwndOwner = owner;
        info.pszDisplayName = displayName;
        info.lpszTitle = wideTitle.c_str();
        info.ulFlags = flags;
        info.lpfn = BrowseCallback;
        info.lParam = reinterpret_cast<LPARAM>(&start);
        std::string result;
        if (LPITEMIDLIST item = SHBrowseForFolderW(&info)) {
            // Room for a long path, not only the classic 260 characters.
            std::vector<wchar_t> path(32768, L'\0');
            if (SHGetPathFromIDListEx(item, path.data(), static_cast<DWORD>(path.size()), GPFIDL_DEFAULT))
                result = Narrow(path.data());
            allocator->Free(item);
        }
        allocator->Release();
        return result;
    }

    bool PickFiles(const FileDialogRequest& request, std::vector<std::string>& paths) override
    {
        const std::wstring filter = FilterForSystem(request.filter);
        const std::wstring title = Widen(request.title);
        const std::wstring extension = Widen(request.defaultExtension);
        std::vector<wchar_t> buffer(0x7FFF, L'\0');
        OPENFILENAMEW ofn = {};
        ofn.lStructSize = sizeof(ofn);
        ofn.hwndOwner = request.owner;
        ofn.lpstrFilter = filter.c_str();
        ofn.nFilterIndex = 1;
        ofn.lpstrFile = buffer.data();
        ofn.nMaxFile = static_cast<DWORD>(buffer.size());
        ofn.lpstrTitle = title.empty() ? nullptr : title.c_str();
        ofn.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
        // The picker must never move the current directory: nothing of ours
        // depends on it, and neither must the programs we start.
        ofn.Flags = request.flags | OFN_NOCHANGEDIR;
        if (!GetOpenFileNameW(&ofn))
            return false;
        paths.clear();
        const wchar_t* first = buffer.data();
        const wchar_t* next = first + wcslen(first) + 1;
        if ((request.flags & OFN_ALLOWMULTISELECT) && *next != L'\0') {
            // Several files: the folder, then each name, each ended by a zero.
            std::string folder = Narrow(first);
            if (!folder.empty() && folder.back() != '\\')
                folder += '\\';
            for (; *next != L'\0'; next += wcslen(next) + 1)
                paths.push_back(folder + Narrow(next));
        } else {
            paths.push_back(Narrow(first));
        }
        return true;
    }

    bool Launch(const LaunchRequest& request) override
    {
        const std::wstring file = Widen(request.file);
        const std::wstring parameters = Widen(request.parameters);
        const std::wstring directory = Widen(request.directory);
        SHELLEXECUTEINFOW info = {};
        info.cbSize = sizeof(info);
        info.lpFile = file.c_str();
        info.lpParameters = parameters.empty() ? nullptr : parameters.c_str();
        info.lpDirectory = directory.empty() ? nullptr : directory.c_str();
        info.nShow = request.show;
        return ShellExecuteExW(&info) != FALSE;
    }
};

SystemPrompt systemPrompt;
Prompt* current = &systemPrompt;

// The core's messages and questions as boxes of the prompt in force, owned
// by the window in use.
MessageAnswer ShowAsBox(const std::string& text, const std::string& caption, MessageButtons buttons,
                        MessageIcon icon)
{
    static const UINT kIcons[] = {0, MB_ICONWARNING, MB_ICONERROR, MB_ICONQUESTION};
    const UINT type =
        (buttons == MessageButtons::Ok ? MB_OK : MB_YESNOCANCEL) | kIcons[static_cast<int>(icon)];
    switch (ThePrompt().ShowMessage(WindowInUse(), text, caption, type)) {
        case IDOK:
            return MessageAnswer::Ok;
        case IDYES:
            return MessageAnswer::Yes;
        case IDNO:
            return MessageAnswer::No;
        case IDCANCEL:
            return MessageAnswer::Cancel;
        default:
            return MessageAnswer::None;
    }
}

// Every program with windows links this file (it holds the prompt), so its
// boxes take over the core's messages before anything runs.
[[maybe_unused]] const bool boxesInstalled = (SetMessageShower(&ShowAsBox), true);

}  // namespace

Prompt& ThePrompt()
{
    return *current;
}

void SetPrompt(Prompt* prompt)
{
    current = prompt ? prompt : &systemPrompt;
}
