#include "support/ControlTexts.h"

#include "platform/Text.h"

std::string TreeItemText(HWND tree, HTREEITEM item)
{
    wchar_t text[1024] = {};
    TVITEMW data = {};
    data.mask = TVIF_TEXT;
    data.hItem = item;
    data.pszText = text;
    data.cchTextMax = sizeof(text) / sizeof(text[0]);
    ::SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&data));
    return Narrow(text);
}

std::string SelectedTreeText(HWND tree)
{
    HTREEITEM item = TreeView_GetSelection(tree);
    return item ? TreeItemText(tree, item) : std::string("(none)");
}

std::vector<std::string> ListBoxTexts(HWND list)
{
    std::vector<std::string> texts;
    for (int i = 0, n = static_cast<int>(::SendMessageW(list, LB_GETCOUNT, 0, 0)); i < n; ++i) {
        std::wstring text(::SendMessageW(list, LB_GETTEXTLEN, i, 0) + 1, L'\0');
        text.resize(::SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(&text[0])));
        texts.push_back(Narrow(text));
    }
    return texts;
}

std::vector<std::string> ListViewRows(HWND list, int columns)
{
    std::vector<std::string> rows;
    for (int row = 0, n = ListView_GetItemCount(list); row < n; ++row) {
        std::string line;
        for (int column = 0; column < columns; ++column) {
            wchar_t text[512] = {};
            LVITEMW item = {};
            item.iSubItem = column;
            item.pszText = text;
            item.cchTextMax = 512;
            ::SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
            line += (column ? " | " : "") + Narrow(text);
        }
        rows.push_back(line);
    }
    return rows;
}
