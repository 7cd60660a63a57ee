// The real prompt: Windows message boxes, shell pickers and ShellExecuteExA.
#include <windows.h>

#include <commdlg.h>
#include <shlobj.h>

#include <cstring>

#include "framework/Prompt.h"

namespace {

struct BrowseStart {
    const std::string* initialFolder;
};

int CALLBACK BrowseCallback(HWND wnd, UINT msg, LPARAM, LPARAM data)
{
    if (msg == BFFM_INITIALIZED) {
        auto* start = reinterpret_cast<BrowseStart*>(data);
        SendMessageA(wnd, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(start->initialFolder->c_str()));
    }
    return 0;
}

// "a|b|c||" becomes "a\0b\0c\0\0", the form that GetOpenFileNameA wants.
std::string FilterForSystem(const std::string& filter)
{
    std::string result = filter;
    for (char& c : result)
        if (c == '|')
            c = '\0';
    result.push_back('\0');
    return result;
}

class SystemPrompt : public Prompt {
public:
    int ShowMessage(HWND owner, const std::string& text, const std::string& caption, UINT type,
                    int iconResource) override
    {
        if (iconResource == 0)
            return MessageBoxA(owner, text.c_str(), caption.c_str(), type);
        MSGBOXPARAMSA params = {};
        params.cbSize = sizeof(params);
        params.hwndOwner = owner;
        params.hInstance = GetModuleHandleA(nullptr);
        params.lpszText = text.c_str();
        params.lpszCaption = caption.c_str();
        params.dwStyle = (type & ~MB_ICONMASK) | MB_USERICON;
        params.lpszIcon = MAKEINTRESOURCEA(iconResource);
        return MessageBoxIndirectA(&params);
    }

    std::string BrowseForFolder(HWND owner, const std::string& title, const std::string& initialFolder,
                                UINT flags) override
    {
        IMalloc* allocator = nullptr;
        if (FAILED(SHGetMalloc(&allocator)) || allocator == nullptr)
            return std::string();
        char displayName[MAX_PATH] = {};
        BrowseStart start = {&initialFolder};
        BROWSEINFOA info = {};
        info.hwndOwner = owner;
        info.pszDisplayName = displayName;
        info.lpszTitle = title.c_str();
        info.ulFlags = flags;
        info.lpfn = BrowseCallback;
        info.lParam = reinterpret_cast<LPARAM>(&start);
        std::string result;
        if (LPITEMIDLIST item = SHBrowseForFolderA(&info)) {
            if (SHGetPathFromIDListA(item, displayName))
                result = displayName;
            allocator->Free(item);
        }
        allocator->Release();
        return result;
    }

    bool PickFiles(const FileDialogRequest& request, std::vector<std::string>& paths) override
    {
        std::string filter = FilterForSystem(request.filter);
        std::vector<char> buffer(0x7FFF, '\0');
        OPENFILENAMEA ofn = {};
        ofn.lStructSize = sizeof(ofn);
        ofn.hwndOwner = request.owner;
        ofn.lpstrFilter = filter.c_str();
        ofn.nFilterIndex = 1;
        ofn.lpstrFile = buffer.data();
        ofn.nMaxFile = static_cast<DWORD>(buffer.size());
        ofn.lpstrTitle = request.title.empty() ? nullptr : request.title.c_str();
        ofn.lpstrDefExt = request.defaultExtension.empty() ? nullptr : request.defaultExtension.c_str();
        // The picker must never move the current directory: nothing of ours
        // depends on it, and neither must the programs we start.
        ofn.Flags = request.flags | OFN_NOCHANGEDIR;
        if (!GetOpenFileNameA(&ofn))
            return false;
        paths.clear();
        const char* first = buffer.data();
        const char* next = first + strlen(first) + 1;
        if ((request.flags & OFN_ALLOWMULTISELECT) && *next != '\0') {
            // Several files: the folder, then each name, each ended by a zero.
            std::string folder = first;
            if (!folder.empty() && folder.back() != '\\')
                folder += '\\';
            for (; *next != '\0'; next += strlen(next) + 1)
                paths.push_back(folder + next);
        } else {
            paths.push_back(first);
        }
        return true;
    }

    bool Launch(const LaunchRequest& request) override
    {
        SHELLEXECUTEINFOA info = {};
        info.cbSize = sizeof(info);
        info.lpFile = request.file.c_str();
        info.lpParameters = request.parameters.empty() ? nullptr : request.parameters.c_str();
        info.lpDirectory = request.directory.empty() ? nullptr : request.directory.c_str();
        info.nShow = request.show;
        return ShellExecuteExA(&info) != FALSE;
    }
};

SystemPrompt systemPrompt;
Prompt* current = &systemPrompt;

}  // namespace

Prompt& ThePrompt()
{
    return *current;
}

void SetPrompt(Prompt* prompt)
{
    current = prompt ? prompt : &systemPrompt;
}
