#pragma once
// A toolbar along the top edge of a dialog, with its buttons read from a
// TOOLBAR resource and its pictures cut from three bitmap strips; and a
// window menu.
#include <windows.h>

#include <vector>

#include "ui/framework/Gdi.h"
#include "ui/framework/Wnd.h"

class CToolBar : public CWnd {
public:
    // The toolbar control, docked at the top with a border along its bottom,
    // tooltips and flat buttons.
    bool CreateEx(CWnd* parent);
    // Buttons (command ids, 0 for a separator) and image size of a TOOLBAR resource.
    bool LoadToolBar(UINT resourceId);
    // The normal, disabled and hot pictures: strips of images of the loaded
    // size, in which every pixel of keyColor becomes the button-face colour.
    bool LoadImages(UINT normal, UINT disabled, UINT hot, COLORREF keyColor);

    const std::vector<UINT>& Buttons() const { return buttons_; }
    int Height() const;
    bool IsButtonEnabled(UINT command) const;
    void EnableButton(UINT command, bool enable);

private:
    std::vector<UINT> buttons_;
    SIZE imageSize_ = {16, 15};
    CImageList images_[3];
};

// The text of a string resource; empty when there is none.
std::string LoadResourceString(UINT id);

class CMenu {
public:
    CMenu() = default;
    ~CMenu();
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    HMENU m_hMenu = nullptr;
    bool LoadMenu(UINT resourceId);
    // Gives the menu to the window, which then owns and destroys it.
    bool AttachTo(HWND wnd);
    UINT EnableMenuItem(UINT command, UINT flags) { return ::EnableMenuItem(m_hMenu, command, flags); }

private:
    bool ownedByWindow_ = false;
};
