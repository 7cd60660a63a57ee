// Baseline for scripts/benchmark.sh beside library-bench: a bare virtual
// list view (LVS_OWNERDATA) fed the same rows, each movie of FOLDER and
// the folders below it with its name and folder, timed the same way: the
// listing, the first rows after it, paging down, a sort by name, a filter,
// and the process's memory. Usage: bare-grid FOLDER
#include <windows.h>

#include <commctrl.h>
#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cwctype>
#include <string>
#include <vector>

namespace {

struct Row {
    std::wstring name;
    std::wstring folder;
};
std::vector<Row> rows;
std::vector<unsigned> shown;
std::wstring text;
// Cells handed out: the paints really drew rows.
unsigned long cellsDrawn = 0;

void Walk(const std::wstring& root, const std::wstring& relative)
{
    WIN32_FIND_DATAW data;
    const std::wstring folder = relative.empty() ? root : root + L"\\" + relative;
    HANDLE find = ::FindFirstFileExW((folder + L"\\*").c_str(), FindExInfoBasic, &data, FindExSearchNameMatch,
                                     nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (find == INVALID_HANDLE_VALUE)
        return;
    std::vector<std::wstring> folders;
    do {
        const std::wstring name = data.cFileName;
        if (name == L"." || name == L"..")
            continue;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            folders.push_back(name);
        else if (name.size() > 4 && _wcsicmp(name.c_str() + name.size() - 4, L".mkv") == 0)
            rows.push_back({name, relative});
    } while (::FindNextFileW(find, &data));
    ::FindClose(find);
    std::sort(folders.begin(), folders.end());
    for (const std::wstring& sub : folders)
        Walk(root, relative.empty() ? sub : relative + L"\\" + sub);
}

std::wstring Lower(std::wstring value)
{
    for (wchar_t& c : value)
        c = static_cast<wchar_t>(std::towlower(c));
    return value;
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wp, LPARAM lp)
{
    if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lp)->code == LVN_GETDISPINFOW) {
        LVITEMW& item = reinterpret_cast<NMLVDISPINFOW*>(lp)->item;
        if ((item.mask & LVIF_TEXT) && item.iItem >= 0 && static_cast<size_t>(item.iItem) < shown.size()) {
            const Row& row = rows[shown[static_cast<size_t>(item.iItem)]];
            text = item.iSubItem == 0 ? row.name : row.folder;
            ++cellsDrawn;
            lstrcpynW(item.pszText, text.c_str(), item.cchTextMax);
        }
        return 0;
    }
    return ::DefWindowProcW(window, message, wp, lp);
}

double Milliseconds(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - since).count();
}

void Paint(HWND list)
{
    ::InvalidateRect(list, nullptr, TRUE);
    ::UpdateWindow(list);
}

void Show(HWND list)
{
    ::SendMessageW(list, LVM_SETITEMCOUNT, shown.size(), LVSICF_NOINVALIDATEALL);
    Paint(list);
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 2)
        return 2;
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_LISTVIEW_CLASSES};
    ::InitCommonControlsEx(&controls);
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"BareGrid";
    ::RegisterClassW(&windowClass);
    HWND window = ::CreateWindowExW(0, L"BareGrid", L"Bare grid", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 1100, 600,
                                    nullptr, nullptr, windowClass.hInstance, nullptr);
    HWND list = ::CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_OWNERDATA, 0, 0,
                                  1080, 560, window, nullptr, windowClass.hInstance, nullptr);
    ::SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    const wchar_t* headings[] = {L"Name", L"Folder"};
    for (int i = 0; i < 2; ++i) {
        LVCOLUMNW column = {};
        column.mask = LVCF_WIDTH | LVCF_TEXT;
        column.cx = 400;
        column.pszText = const_cast<wchar_t*>(headings[i]);
        ::SendMessageW(list, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
    }
    auto start = std::chrono::steady_clock::now();
    Walk(argv[1], L"");
    const double listed = Milliseconds(start);
    start = std::chrono::steady_clock::now();
    shown.resize(rows.size());
    for (size_t i = 0; i < shown.size(); ++i)
        shown[i] = static_cast<unsigned>(i);
    Show(list);
    const double firstRows = Milliseconds(start);
    start = std::chrono::steady_clock::now();
    const int pages = 20;
    for (int i = 0; i < pages; ++i) {
        ::SendMessageW(list, LVM_ENSUREVISIBLE, static_cast<int>(rows.size() * (i + 1) / (pages + 1)), FALSE);
        Paint(list);
    }
    const double scroll = Milliseconds(start) / pages;
    start = std::chrono::steady_clock::now();
    std::vector<std::wstring> keys(rows.size());
    for (size_t i = 0; i < rows.size(); ++i)
        keys[i] = Lower(rows[i].name);
    std::stable_sort(shown.begin(), shown.end(), [&](unsigned a, unsigned b) { return keys[b] < keys[a]; });
    Show(list);
    const double sort = Milliseconds(start);
    start = std::chrono::steady_clock::now();
    std::vector<unsigned> filtered;
    for (unsigned row : shown) {
        if (Lower(rows[row].folder + L"\\" + rows[row].name).find(L"show 17") != std::wstring::npos)
            filtered.push_back(row);
    }
    shown.swap(filtered);
    Show(list);
    const double filter = Milliseconds(start);
    PROCESS_MEMORY_COUNTERS_EX memory = {};
    memory.cb = sizeof(memory);
    ::GetProcessMemoryInfo(::GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof(memory));
    std::printf("rows %zu list_ms %.0f first_rows_ms %.0f scroll_ms %.1f sort_ms %.0f filter_ms %.0f filtered %zu "
                "peak_mb %.0f private_mb %.0f cells %lu\n",
                rows.size(), listed, firstRows, scroll, sort, filter, shown.size(),
                memory.PeakWorkingSetSize / 1048576.0, memory.PagefileUsage / 1048576.0, cellsDrawn);
    ::DestroyWindow(window);
    return 0;
}
