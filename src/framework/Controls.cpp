#include "framework/Controls.h"

namespace {

// The text of a list or combo item: ask its length, then the text (both
// messages answer -1 for a wrong index).
std::string ItemText(const CWnd& control, UINT lengthMessage, UINT textMessage, int index)
{
    LRESULT length = control.SendMessage(lengthMessage, index);
    if (length < 0)
        return std::string();
    std::string text(length + 1, '\0');
    LRESULT got = control.SendMessage(textMessage, index, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(got < 0 ? 0 : got);
    return text;
}

}  // namespace

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
    TVINSERTSTRUCTA insert = {};
    insert.hParent = parent;
    insert.hInsertAfter = after;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
    insert.item.pszText = const_cast<char*>(text.c_str());
    insert.item.iImage = image;
    insert.item.iSelectedImage = selectedImage;
    insert.item.lParam = data;
    return reinterpret_cast<HTREEITEM>(SendMessage(TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
}

std::string CTreeCtrl::GetItemText(HTREEITEM item) const
{
    std::vector<char> buffer(4096, '\0');
    TVITEMA tv = {};
    tv.mask = TVIF_TEXT;
    tv.hItem = item;
    tv.pszText = buffer.data();
    tv.cchTextMax = static_cast<int>(buffer.size());
    if (!SendMessage(TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&tv)))
        return std::string();
    return tv.pszText ? std::string(tv.pszText) : std::string();
}

LPARAM CTreeCtrl::GetItemData(HTREEITEM item) const
{
    TVITEMA tv = {};
    tv.mask = TVIF_PARAM;
    tv.hItem = item;
    return SendMessage(TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&tv)) ? tv.lParam : 0;
}

bool CTreeCtrl::GetItemImage(HTREEITEM item, int* image, int* selectedImage) const
{
    TVITEMA tv = {};
    tv.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    tv.hItem = item;
    if (!SendMessage(TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&tv)))
        return false;
    *image = tv.iImage;
    *selectedImage = tv.iSelectedImage;
    return true;
}

BOOL CTreeCtrl::SetItemState(HTREEITEM item, UINT state, UINT mask)
{
    TVITEMA tv = {};
    tv.mask = TVIF_STATE;
    tv.hItem = item;
    tv.state = state;
    tv.stateMask = mask;
    return static_cast<BOOL>(SendMessage(TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&tv)));
}

std::string CListCtrl::GetItemText(int item, int subItem) const
{
    std::vector<char> buffer(4096, '\0');
    LVITEMA lv = {};
    lv.iSubItem = subItem;
    lv.pszText = buffer.data();
    lv.cchTextMax = static_cast<int>(buffer.size());
    LRESULT got = SendMessage(LVM_GETITEMTEXTA, item, reinterpret_cast<LPARAM>(&lv));
    return std::string(buffer.data(), got > 0 ? got : 0);
}

BOOL CListCtrl::SetItemText(int item, int subItem, const std::string& text)
{
    LVITEMA lv = {};
    lv.iSubItem = subItem;
    lv.pszText = const_cast<char*>(text.c_str());
    return static_cast<BOOL>(SendMessage(LVM_SETITEMTEXTA, item, reinterpret_cast<LPARAM>(&lv)));
}

BOOL CListCtrl::SetItemState(int item, UINT state, UINT mask)
{
    LVITEMA lv = {};
    lv.state = state;
    lv.stateMask = mask;
    return static_cast<BOOL>(SendMessage(LVM_SETITEMSTATE, item, reinterpret_cast<LPARAM>(&lv)));
}

DWORD_PTR CListCtrl::GetItemData(int item) const
{
    LVITEMA lv = {};
    lv.mask = LVIF_PARAM;
    lv.iItem = item;
    return SendMessage(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&lv)) ? lv.lParam : 0;
}

BOOL CListCtrl::SetItemData(int item, DWORD_PTR data)
{
    LVITEMA lv = {};
    lv.mask = LVIF_PARAM;
    lv.iItem = item;
    lv.lParam = static_cast<LPARAM>(data);
    return static_cast<BOOL>(SendMessage(LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&lv)));
}

int CListCtrl::GetColumnCount() const
{
    HWND header = reinterpret_cast<HWND>(SendMessage(LVM_GETHEADER));
    return header ? static_cast<int>(::SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}
