#pragma once
// Thin wrappers over the standard controls: each method sends the control
// the one message that does the job.
#include <windows.h>

#include <commctrl.h>
#include <richedit.h>

#include <string>
#include <vector>

#include "ui/framework/Wnd.h"

class CStatic : public CWnd {};

class CEdit : public CWnd {
public:
    void SetReadOnly(BOOL readOnly = TRUE) { SendMessage(EM_SETREADONLY, readOnly); }
};

class CButton : public CWnd {
public:
    int GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
    void SetCheck(int check) { SendMessage(BM_SETCHECK, check); }
    // Shows a bitmap; returns the one shown before.
    HBITMAP SetBitmap(HBITMAP bitmap)
    {
        return reinterpret_cast<HBITMAP>(
            SendMessage(BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)));
    }
};

class CComboBox : public CWnd {
public:
    int GetCount() const { return static_cast<int>(SendMessage(CB_GETCOUNT)); }
    int GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
    int SetCurSel(int index) { return static_cast<int>(SendMessage(CB_SETCURSEL, index)); }
    int AddString(const std::string& text);
    std::string GetLBText(int index) const;
    std::vector<std::string> Items() const;
};

class CListBox : public CWnd {
public:
    int GetCount() const { return static_cast<int>(SendMessage(LB_GETCOUNT)); }
    std::string GetText(int index) const;
    int GetSelCount() const { return static_cast<int>(SendMessage(LB_GETSELCOUNT)); }
    // Indexes of the selected entries, in ascending order.
    std::vector<int> GetSelItems() const;
    int GetSel(int index) const { return static_cast<int>(SendMessage(LB_GETSEL, index)); }
    // index -1: every entry.
    int SetSel(int index, BOOL select = TRUE)
    {
        return static_cast<int>(SendMessage(LB_SETSEL, select, index));
    }
    void ResetContent() { SendMessage(LB_RESETCONTENT); }
    int InsertString(int index, const std::string& text);
    int SetItemData(int index, DWORD_PTR data)
    {
        return static_cast<int>(SendMessage(LB_SETITEMDATA, index, data));
    }
    DWORD_PTR GetItemData(int index) const
    {
        return static_cast<DWORD_PTR>(SendMessage(LB_GETITEMDATA, index));
    }
    int GetItemHeight(int index) const { return static_cast<int>(SendMessage(LB_GETITEMHEIGHT, index)); }
    RECT GetItemRect(int index) const;
};

class CRichEditCtrl : public CWnd {
public:
    // Wraps lines at the window edge.
    void WrapAtWindowEdge() { SendMessage(EM_SETTARGETDEVICE, 0, 0); }
};

class CProgressCtrl : public CWnd {
public:
    void SetRange(int lower, int upper) { SendMessage(PBM_SETRANGE32, lower, upper); }
    int SetPos(int pos) { return static_cast<int>(SendMessage(PBM_SETPOS, pos)); }
    int GetPos() const { return static_cast<int>(SendMessage(PBM_GETPOS)); }
};

class CTreeCtrl : public CWnd {
public:
    HTREEITEM InsertItem(const std::string& text, int image, int selectedImage, HTREEITEM parent,
                         HTREEITEM after, LPARAM data = 0);
    BOOL DeleteAllItems() { return TreeView_DeleteAllItems(m_hWnd); }
    HTREEITEM GetRootItem() const { return TreeView_GetRoot(m_hWnd); }
    HTREEITEM GetChildItem(HTREEITEM item) const { return TreeView_GetChild(m_hWnd, item); }
    HTREEITEM GetNextSiblingItem(HTREEITEM item) const { return TreeView_GetNextSibling(m_hWnd, item); }
    HTREEITEM GetSelectedItem() const { return TreeView_GetSelection(m_hWnd); }
    std::string GetItemText(HTREEITEM item) const;
    LPARAM GetItemData(HTREEITEM item) const;
    // Normal and selected image of the item.
    bool GetItemImage(HTREEITEM item, int* image, int* selectedImage) const;
    BOOL SelectItem(HTREEITEM item) { return TreeView_SelectItem(m_hWnd, item); }
    BOOL SetItemState(HTREEITEM item, UINT state, UINT mask);
    BOOL EnsureVisible(HTREEITEM item) { return TreeView_EnsureVisible(m_hWnd, item); }
    BOOL Expand(HTREEITEM item, UINT code) { return TreeView_Expand(m_hWnd, item, code); }
    void SetImageList(HIMAGELIST images, int kind) { TreeView_SetImageList(m_hWnd, images, kind); }
};

class CListCtrl : public CWnd {
public:
    int GetItemCount() const { return static_cast<int>(SendMessage(LVM_GETITEMCOUNT)); }
    int GetSelectedCount() const { return static_cast<int>(SendMessage(LVM_GETSELECTEDCOUNT)); }
    int GetNextItem(int start, int flags) const
    {
        return static_cast<int>(SendMessage(LVM_GETNEXTITEM, start, MAKELPARAM(flags, 0)));
    }
    std::string GetItemText(int item, int subItem) const;
    BOOL SetItemText(int item, int subItem, const std::string& text);
    BOOL SetItemState(int item, UINT state, UINT mask);
    UINT GetItemState(int item, UINT mask) const
    {
        return static_cast<UINT>(SendMessage(LVM_GETITEMSTATE, item, mask));
    }
    DWORD_PTR GetItemData(int item) const;
    BOOL SetItemData(int item, DWORD_PTR data);
    void SetExtendedStyle(DWORD style) { SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, style); }
    int GetColumnCount() const;
    BOOL SortItems(PFNLVCOMPARE compare, LPARAM data)
    {
        return static_cast<BOOL>(SendMessage(LVM_SORTITEMS, data, reinterpret_cast<LPARAM>(compare)));
    }
};
