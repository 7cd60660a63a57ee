#pragma once
// The copy dialog run in-process over the real main window: a target movie
// folder and source folders of the test's own, the dialog made modeless
// from its template (hidden), and helpers that send what the user's clicks
// send.
#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "core/copy/SizeTexts.h"
#include "resource.h"
#include "support/MainWindowHarness.h"
#include "ui/copy/CopyMoviesToFolderDlg.h"

class CopyDialogHarness {
public:
    // The main window starts on movies\Target, which holds nothing yet.
    CopyDialogHarness()
    {
        w.movies.MakeFolder("Target");
        w.WriteIniForFolder(Target());
        w.Start();
    }
    ~CopyDialogHarness()
    {
        if (dialog && dialog->m_hWnd)
            dialog->DestroyWindow();
    }

    std::string Target() const { return w.movies / "Target"; }

    void Open()
    {
        dialog = std::make_unique<CCopyMoviesToFolderDlg>(w.Dialog());
        dialog->Create(IDD_COPY_MOVIES, &w.Dialog());
    }
    HWND Hwnd() const { return dialog->m_hWnd; }
    CCopyMoviesToFolderDlg& Dialog() { return *dialog; }
    CListCtrlStyled& List() { return dialog->CopyListControl(); }
    std::string Text(int id) const { return dialog->GetDlgItemText(id); }
    bool Enabled(int id) const { return ::IsWindowEnabled(::GetDlgItem(Hwnd(), id)) != FALSE; }

    void Click(int id)
    {
        ::SendMessageA(Hwnd(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                       reinterpret_cast<LPARAM>(::GetDlgItem(Hwnd(), id)));
    }
    // Clicks "Overwrite Target" (the auto check box toggles itself first).
    void ToggleOverwrite()
    {
        HWND box = ::GetDlgItem(Hwnd(), IDC_COPY_OVERWRITE);
        bool checked = ::SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
        ::SendMessageA(box, BM_SETCHECK, checked ? BST_UNCHECKED : BST_CHECKED, 0);
        Click(IDC_COPY_OVERWRITE);
    }
    // "Add Files To List..." with the picker answering these paths.
    void AddFiles(const std::vector<std::string>& paths)
    {
        w.prompt.fileSelections.push_back(paths);
        Click(IDC_COPY_ADD);
    }
    // A list notification as the list view sends it to the dialog.
    void Notify(UINT code, int column = 0)
    {
        NMLISTVIEW note = {};
        note.hdr.hwndFrom = List().m_hWnd;
        note.hdr.idFrom = IDC_COPY_LIST;
        note.hdr.code = code;
        note.iItem = -1;
        note.iSubItem = column;
        ::SendMessageA(Hwnd(), WM_NOTIFY, IDC_COPY_LIST, reinterpret_cast<LPARAM>(&note));
    }
    // Selects exactly these rows, then the click that refreshes the buttons.
    void SelectRows(const std::vector<int>& rows)
    {
        List().SetItemState(-1, 0, LVIS_SELECTED);
        for (int row : rows)
            List().SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
        Notify(NM_CLICK);
    }

    std::vector<std::string> Column(int column)
    {
        std::vector<std::string> texts;
        for (int row = 0; row < List().GetItemCount(); ++row)
            texts.push_back(List().GetItemText(row, column));
        return texts;
    }
    int RowOf(const std::string& fileName)
    {
        for (int row = 0; row < List().GetItemCount(); ++row) {
            if (List().GetItemText(row, 0) == fileName)
                return row;
        }
        return -1;
    }
    // The row-wide style record that the styled list paints the row with.
    const iLS_item& RowStyle(const std::string& fileName)
    {
        static const iLS_item none;
        int row = RowOf(fileName);
        auto* record = row < 0 ? nullptr : reinterpret_cast<iLS_item*>(List().GetItemData(row));
        return record && record->rowStyle ? *record->rowStyle : none;
    }
    // "red", "yellow", "grey", "white" or "?" from the row's colours.
    std::string RowColour(const std::string& fileName)
    {
        const iLS_item& style = RowStyle(fileName);
        if (style.style != (LIS_TXTCOLOR | LIS_BGCOLOR))
            return "?";
        if (style.bgColor == RGB(204, 10, 10) && style.textColor == RGB(255, 255, 255))
            return "red";
        if (style.bgColor == RGB(225, 225, 51) && style.textColor == RGB(0, 0, 0))
            return "yellow";
        if (style.bgColor == RGB(210, 210, 210) && style.textColor == RGB(0, 0, 0))
            return "grey";
        if (style.bgColor == RGB(255, 255, 255) && style.textColor == RGB(0, 0, 0))
            return "white";
        return "?";
    }
    std::vector<std::string> Captions() const
    {
        std::vector<std::string> captions;
        for (const auto& message : w.prompt.messages)
            captions.push_back(message.caption);
        return captions;
    }

    MainWindowHarness w;
    std::unique_ptr<CCopyMoviesToFolderDlg> dialog;
};

// The padded size text of a byte count, as column 2 shows it.
inline std::string SizeColumnText(int64_t bytes)
{
    std::string text = FormatThousands(bytes);
    PadSizeText(text);
    return text;
}
