// The test folders on Windows, through the wide functions and the
// long-path form, so that tests of long paths can make and remove them.
#include "support/TempFolder.h"

#include <windows.h>
#include <winioctl.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <sstream>
#include <vector>

#include "platform/Environment.h"
#include "platform/Text.h"

namespace {

// Wine runs a program of the system under it when given its own path; the
// Wine tests make and remove the links that Wine's own functions cannot.
using UnixNameCall = char*(CDECL*)(const wchar_t*);
UnixNameCall WineUnixName()
{
    return reinterpret_cast<UnixNameCall>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name"));
}

std::string UnixPath(const std::string& path)
{
    char* name = WineUnixName()(Widen(path).c_str());
    const std::string unix = name ? name : "";
    HeapFree(GetProcessHeap(), 0, name);
    return unix;
}

// Starts the program and waits (up to ten seconds) until done() says that
// it did its work: Wine signals the end of a program of the system before it
// has run, and tells no exit code.
bool RunUnixProgram(const std::string& commandLine, const std::function<bool()>& done)
{
    const std::wstring program = Widen(commandLine.substr(0, commandLine.find(' ')));
    std::wstring line = Widen(commandLine);
    STARTUPINFOW start = {sizeof(start)};
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(program.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &start, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    for (int wait = 0; wait < 1000; ++wait) {
        if (done())
            return true;
        Sleep(10);
    }
    return false;
}

// Wine splits the command line by the Windows rules.
std::string Quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

void RemoveTree(const std::string& path)
{
    // Under Wine a delete of a link to a file deletes the file it leads to:
    // the system's own rm removes the links themselves.
    if (WineUnixName() && RunUnixProgram("/bin/rm -rf " + Quoted(UnixPath(path)), [&] {
            return GetFileAttributesW(FilePath(path).c_str()) == INVALID_FILE_ATTRIBUTES;
        }))
        return;
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(FilePath(path + "\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = Narrow(data.cFileName);
            if (name == "." || name == "..")
                continue;
            const std::string child = path + "\\" + name;
            SetFileAttributesW(FilePath(child).c_str(), FILE_ATTRIBUTE_NORMAL);
            // A link goes by itself: what it leads to is no part of the tree.
            if (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)
                RemoveDirectoryW(FilePath(child).c_str());
            else if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(child);
            else
                DeleteFileW(FilePath(child).c_str());
        } while (FindNextFileW(find, &data));
        FindClose(find);
    }
    SetFileAttributesW(FilePath(path).c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveDirectoryW(FilePath(path).c_str());
}

}  // namespace

TempFolder::TempFolder()
{
    wchar_t base[MAX_PATH];
    GetTempPathW(MAX_PATH, base);
    static unsigned counter = 0;
    for (;;) {
        std::ostringstream name;
        name << Narrow(base) << "reelmark-test-" << GetCurrentProcessId() << "-" << GetTickCount() << "-"
             << ++counter;
        if (CreateDirectoryW(FilePath(name.str()).c_str(), nullptr)) {
            path_ = name.str();
            break;
        }
    }
    wchar_t full[MAX_PATH];
    GetFullPathNameW(Widen(path_).c_str(), MAX_PATH, full, nullptr);
    path_ = Narrow(full);
}

TempFolder::~TempFolder()
{
    RemoveTree(path_);
}

void TempFolder::MakeFolder(const std::string& relative) const
{
    std::string full = *this / relative;
    for (size_t pos = path_.size() + 1; (pos = full.find('\\', pos)) != std::string::npos; ++pos)
        CreateDirectoryW(FilePath(full.substr(0, pos)).c_str(), nullptr);
    CreateDirectoryW(FilePath(full).c_str(), nullptr);
}

void TempFolder::WriteFile(const std::string& relative, const std::string& bytes) const
{
    size_t slash = relative.rfind('\\');
    if (slash != std::string::npos)
        MakeFolder(relative.substr(0, slash));
    HANDLE file = CreateFileW(FilePath(*this / relative).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

std::string ReadFileBytes(const std::string& path)
{
    HANDLE file = CreateFileW(FilePath(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::string();
    std::string content;
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof(buffer), &got, nullptr) && got > 0)
        content.append(buffer, got);
    CloseHandle(file);
    return content;
}

bool PathExists(const std::string& path)
{
    return GetFileAttributesW(FilePath(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::vector<std::string> NamesInFolder(const std::string& folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(FilePath(folder + "\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return names;
    do {
        const std::string name = Narrow(data.cFileName);
        if (name != "." && name != "..")
            names.push_back(name);
    } while (FindNextFileW(find, &data));
    FindClose(find);
    std::sort(names.begin(), names.end());
    return names;
}

void SetReadOnly(const std::string& path, bool readOnly)
{
    SetFileAttributesW(FilePath(path).c_str(), readOnly ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL);
}

namespace {

// Sets the last write time, in hundreds of nanoseconds since 1601.
void SetWriteTime(const std::string& path, unsigned long long when)
{
    HANDLE file = CreateFileW(FilePath(path).c_str(), FILE_WRITE_ATTRIBUTES,
                              FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file) << path;
    ULARGE_INTEGER time;
    time.QuadPart = when;
    FILETIME written = {time.LowPart, time.HighPart};
    SetFileTime(file, nullptr, nullptr, &written);
    CloseHandle(file);
}

}  // namespace

void AgeFile(const std::string& path)
{
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER time = {{now.dwLowDateTime, now.dwHighDateTime}};
    SetWriteTime(path, time.QuadPart - 3600ULL * 10000000ULL);
}

void SetLastWrite(const std::string& path, long long seconds, unsigned hundredNanoseconds)
{
    SetWriteTime(path, static_cast<unsigned long long>(seconds * 10000000LL + hundredNanoseconds) +
                           116444736000000000ULL);
}

namespace {

// Runs a shell script of the system under Wine and waits (up to ten
// seconds) until it has run: it leaves a file of its own when done, as Wine
// tells no exit code. False when it did not run.
bool RunUnixScript(const std::string& script, const TempFolder& scratch)
{
    static int number = 0;
    const std::string done = scratch / ("script-done-" + std::to_string(++number));
    const std::string line = "/bin/sh -c " + Quoted(script + " && touch '" + UnixPath(done) + "'");
    const bool ran = RunUnixProgram(line, [&] { return GetFileAttributesW(FilePath(done).c_str()) != INVALID_FILE_ATTRIBUTES; });
    DeleteFileW(FilePath(done).c_str());
    return ran;
}

// The path in single quotes for the shell.
std::string ShellPath(const std::string& path)
{
    return "'" + UnixPath(path) + "'";
}

}  // namespace

bool MakeLink(const std::string& link, const std::string& target)
{
    // Wine answers CreateSymbolicLinkW without making anything; the target
    // need not be there, so a script tells when it is done.
    if (WineUnixName()) {
        static const TempFolder scratch;
        return RunUnixScript("ln -s " + ShellPath(target) + " " + ShellPath(link), scratch);
    }
    const DWORD attributes = GetFileAttributesW(FilePath(target).c_str());
    const DWORD flags = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)
                            ? SYMBOLIC_LINK_FLAG_DIRECTORY
                            : 0;
    return CreateSymbolicLinkW(FilePath(link).c_str(), FilePath(target).c_str(), flags) &&
           GetFileAttributesW(FilePath(link).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool SwapForLink(const std::string& folder, const std::string& aside, const std::string& target)
{
    if (!WineUnixName())
        return false;
    static const TempFolder scratch;
    return RunUnixScript("mv " + ShellPath(folder) + " " + ShellPath(aside) + " && ln -s " + ShellPath(target) + " " +
                             ShellPath(folder),
                         scratch);
}

bool MakeJunction(const std::string& link, const std::string& target)
{
    // A mount point's data: the target as the system names it ("\\??\\C:\\...")
    // and as the user reads it, each ended by a NUL.
    std::wstring path = FilePath(target);
    if (path.rfind(L"\\\\?\\", 0) == 0)
        path.erase(0, 4);
    const std::wstring substitute = L"\\??\\" + path;
    std::vector<WCHAR> names(substitute.begin(), substitute.end());
    names.push_back(0);
    names.insert(names.end(), path.begin(), path.end());
    names.push_back(0);
    const WORD substituteBytes = static_cast<WORD>(substitute.size() * sizeof(WCHAR));
    const WORD printBytes = static_cast<WORD>(path.size() * sizeof(WCHAR));
    const WORD fields[] = {0, substituteBytes, static_cast<WORD>(substituteBytes + sizeof(WCHAR)), printBytes};
    const WORD dataBytes = static_cast<WORD>(sizeof(fields) + names.size() * sizeof(WCHAR));
    std::vector<BYTE> buffer(8 + dataBytes);
    const DWORD tag = IO_REPARSE_TAG_MOUNT_POINT;
    memcpy(buffer.data(), &tag, 4);
    memcpy(buffer.data() + 4, &dataBytes, 2);
    memcpy(buffer.data() + 8, fields, sizeof(fields));
    memcpy(buffer.data() + 8 + sizeof(fields), names.data(), names.size() * sizeof(WCHAR));

    if (!CreateDirectoryW(FilePath(link).c_str(), nullptr))
        return false;
    HANDLE folder = CreateFileW(FilePath(link).c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    DWORD returned = 0;
    const bool made = folder != INVALID_HANDLE_VALUE &&
                      DeviceIoControl(folder, FSCTL_SET_REPARSE_POINT, buffer.data(), static_cast<DWORD>(buffer.size()),
                                      nullptr, 0, &returned, nullptr);
    if (folder != INVALID_HANDLE_VALUE)
        CloseHandle(folder);
    const DWORD attributes = GetFileAttributesW(FilePath(link).c_str());
    if (made && attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT))
        return true;
    RemoveDirectoryW(FilePath(link).c_str());
    return false;
}

bool MakeFifo(const std::string& path)
{
    static const TempFolder scratch;
    return WineUnixName() && RunUnixScript("mkfifo " + ShellPath(path), scratch);
}

// Wine maps a folder's rights to the system's permissions, which its tests,
// run as root, read past.
ReadingDenied::ReadingDenied(const std::string& folder) : folder_(folder) {}

ReadingDenied::~ReadingDenied() = default;

CurrentDirectoryScope::CurrentDirectoryScope(const std::string& folder)
{
    wchar_t buffer[MAX_PATH * 4];
    DWORD length = GetCurrentDirectoryW(MAX_PATH * 4, buffer);
    previous_ = Narrow(std::wstring(buffer, length));
    SetCurrentDirectoryW(Widen(folder).c_str());
}

CurrentDirectoryScope::~CurrentDirectoryScope()
{
    SetCurrentDirectoryW(Widen(previous_).c_str());
}

MemoryTempScope::MemoryTempScope()
    : scope_("TMP", GetFileAttributesW(L"Z:\\dev\\shm") & FILE_ATTRIBUTE_DIRECTORY &&
                            GetFileAttributesW(L"Z:\\dev\\shm") != INVALID_FILE_ATTRIBUTES
                        ? "Z:\\dev\\shm\\"
                        : EnvironmentValue("TMP"))
{
}
