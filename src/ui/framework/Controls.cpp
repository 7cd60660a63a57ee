#include "ui/framework/Controls.h"

#include "platform/Text.h"

namespace {

// The text of a list or combo item: ask its length, then the text (both
// messages answer -1 for a wrong index).
std::string ItemText(const CWnd& control, UINT lengthMessage, UINT textMessage, int index)
{
    LRESULT length = control.SendMessage(lengthMessage, index);
    if (length < 0)
        return std::string();
    std::wstring text(length + 1, L'\0');
    LRESULT got = control.SendMessage(textMessage, index, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(got < 0 ? 0 : got);
    return Narrow(text);
}

LRESULT SendText(const CWnd& control, UINT message, WPARAM wp, const std::string& text)
{
    const std::wstring wide = Widen(text);
    return control.SendMessage(message, wp, reinterpret_cast<LPARAM>(wide.c_str()));
}

}  // namespace

int CComboBox::AddString(const std::string& text)
{
    return static_cast<int>(SendText(*this, CB_ADDSTRING, 0, text));
}

int CListBox::InsertString(int index, const std::string& text)
{
    return static_cast<int>(SendText(*this, LB_INSERTSTRING, index, text));
}

std::string CComboBox::GetLBText(int index) const
{
    return ItemText(*this, CB_GETLBTEXTLEN, CB_GETLBTEXT, index);
}

std::vector<std::string> CComboBox::Items() const
{
    std::vector<std::string> items;
    for (int i = 0, n = GetCount(); i < n; ++i)
        items.push_back(GetLBText(i));
    return items;
}

std::string CListBox::GetText(int index) const
{
    return ItemText(*this, LB_GETTEXTLEN, LB_GETTEXT, index);
}

std::vector<int> CListBox::GetSelItems() const
{
    std::vector<int> items(GetSelCount() > 0 ? GetSelCount() : 0);
    if (!items.empty()) {
        LRESULT got = SendMessage(LB_GETSELITEMS, items.size(), reinterpret_cast<LPARAM>(items.data()));
        items.resize(got == LB_ERR ? 0 : got);
    }
    return items;
}

RECT CListBox::GetItemRect(int index) const
{
    RECT rect = {};
    SendMessage(LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rect));
    return rect;
}

HTREEITEM CTreeCtrl::InsertItem(const std::string& text, int image, int selectedImage, HTREEITEM parent,
                                HTREEITEM after, LPARAM data)
{
    std::wstring wide = Widen(text);
    TVINSERTSTRUCTW insert = {};
    insert.hParent = parent;
    insert.hInsertAfter = after;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
    insert.item.pszText = &wide[0];
    insert.item.iImage = image;
    insert.item.iSelectedImage = selectedImage;
    insert.item.lParam = data;
    return reinterpret_cast<HTREEITEM>(SendMessage(TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
}

std::string CTreeCtrl::GetItemText(HTREEITEM item) const
{
    std::vector<wchar_t> buffer(4096, L'\0');
    TVITEMW tv = {};
    tv.mask = TVIF_TEXT;
    tv.hItem = item;
    tv.pszText = buffer.data();
    tv.cchTextMax = static_cast<int>(buffer.size());
    if (!SendMessage(TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tv)))
        return std::string();
    return Narrow(tv.pszText);
}

LPARAM CTreeCtrl::GetItemData(HTREEITEM item) const
{
    TVITEMW tv = {};
    tv.mask = TVIF_PARAM;
    tv.hItem = item;
    return SendMessage(TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tv)) ? tv.lParam : 0;
}

bool CTreeCtrl::GetItemImage(HTREEITEM item, int* image, int* selectedImage) const
{
    TVITEMW tv = {};
    tv.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    tv.hItem = item;
    if (!SendMessage(TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tv)))
        return false;
    *image = tv.iImage;
    *selectedImage = tv.iSelectedImage;
    return true;
}

BOOL CTreeCtrl::SetItemState(HTREEITEM item, UINT state, UINT mask)
{
    TVITEMW tv = {};
    tv.mask = TVIF_STATE;
    tv.hItem = item;
    tv.state = state;
    tv.stateMask = mask;
    return static_cast<BOOL>(SendMessage(TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&tv)));
}

std::string CListCtrl::GetItemText(int item, int subItem) const
{
    std::vector<wchar_t> buffer(4096, L'\0');
    LVITEMW lv = {};
    lv.iSubItem = subItem;
    lv.pszText = buffer.data();
    lv.cchTextMax = static_cast<int>(buffer.size());
    LRESULT got = SendMessage(LVM_GETITEMTEXTW, item, reinterpret_cast<LPARAM>(&lv));
    return Narrow(std::wstring(buffer.data(), got > 0 ? got : 0));
}

BOOL CListCtrl::SetItemText(int item, int subItem, const std::string& text)
{
    std::wstring wide = Widen(text);
    LVITEMW lv = {};
    lv.iSubItem = subItem;
    lv.pszText = &wide[0];
    return static_cast<BOOL>(SendMessage(LVM_SETITEMTEXTW, item, reinterpret_cast<LPARAM>(&lv)));
}

BOOL CListCtrl::SetItemState(int item, UINT state, UINT mask)
{
    LVITEMW lv = {};
    lv.state = state;
    lv.stateMask = mask;
    return static_cast<BOOL>(SendMessage(LVM_SETITEMSTATE, item, reinterpret_cast<LPARAM>(&lv)));
}

DWORD_PTR CListCtrl::GetItemData(int item) const
{
    LVITEMW lv = {};
    lv.mask = LVIF_PARAM;
    lv.iItem = item;
    return SendMessage(LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&lv)) ? lv.lParam : 0;
}

BOOL CListCtrl::SetItemData(int item, DWORD_PTR data)
{
    LVITEMW lv = {};
    lv.mask = LVIF_PARAM;
    lv.iItem = item;
    lv.lParam = static_cast<LPARAM>(data);
    return static_cast<BOOL>(SendMessage(LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&lv)));
}

int CListCtrl::GetColumnCount() const
{
    HWND header = reinterpret_cast<HWND>(SendMessage(LVM_GETHEADER));
    return header ? static_cast<int>(::SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}
