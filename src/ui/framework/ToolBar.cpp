#include "ui/framework/ToolBar.h"

#include <commctrl.h>

#include <cstring>

#include "platform/Text.h"

bool CToolBar::CreateEx(CWnd* parent)
{
    HWND wnd =
        CreateWindowExW(0, TOOLBARCLASSNAMEW, L"",
                        WS_CHILD | WS_VISIBLE | CCS_TOP | CCS_NODIVIDER | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS, 0,
                        0, 0, 0, parent->m_hWnd, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!wnd)
        return false;
    Attach(wnd);
    SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
    ::SetWindowLongPtrW(wnd, GWL_EXSTYLE, ::GetWindowLongPtrW(wnd, GWL_EXSTYLE) | WS_EX_STATICEDGE);
    return true;
}

bool CToolBar::LoadToolBar(UINT resourceId)
{
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(resourceId), MAKEINTRESOURCEW(241));
    if (!found)
        return false;
    const BYTE* data = static_cast<const BYTE*>(LockResource(LoadResource(module, found)));
    DWORD size = SizeofResource(module, found);
    if (!data || size < 8)
        return false;
    auto word = [&](DWORD offset) {
        return offset + 2 <= size ? *reinterpret_cast<const WORD*>(data + offset) : 0;
    };
    auto dword = [&](DWORD offset) {
        return offset + 4 <= size ? *reinterpret_cast<const DWORD*>(data + offset) : 0;
    };
    buttons_.clear();
    if (word(0) == 1) {
        // The resource compiler's own layout: version, width, height, count, ids (WORDs).
        imageSize_ = {word(2), word(4)};
        for (DWORD i = 0, n = word(6); i < n; ++i)
            buttons_.push_back(word(8 + 2 * i));
    } else {
        // windres: width, height, count, ids (DWORDs).
        imageSize_ = {static_cast<LONG>(dword(0)), static_cast<LONG>(dword(4))};
        for (DWORD i = 0, n = dword(8); i < n; ++i)
            buttons_.push_back(dword(12 + 4 * i));
    }
    std::vector<TBBUTTON> tb;
    int image = 0;
    for (UINT id : buttons_) {
        TBBUTTON button = {};
        if (id == 0) {
            button.fsStyle = BTNS_SEP;
        } else {
            button.iBitmap = image++;
            button.idCommand = static_cast<int>(id);
            button.fsState = TBSTATE_ENABLED;
            button.fsStyle = BTNS_BUTTON;
        }
        tb.push_back(button);
    }
    SendMessage(TB_SETBITMAPSIZE, 0, MAKELPARAM(imageSize_.cx, imageSize_.cy));
    SendMessage(TB_ADDBUTTONSW, tb.size(), reinterpret_cast<LPARAM>(tb.data()));
    SendMessage(TB_AUTOSIZE);
    return true;
}

namespace {

// The strip as a 24-bit picture in which the key colour is the button face.
HBITMAP LoadStripWithFace(UINT resourceId, COLORREF keyColor)
{
    HBITMAP bitmap = static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resourceId),
                                                     IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!bitmap)
        return nullptr;
    DIBSECTION dib = {};
    if (GetObjectW(bitmap, sizeof(dib), &dib) == sizeof(dib) && dib.dsBm.bmBitsPixel == 24) {
        COLORREF face = GetSysColor(COLOR_BTNFACE);
        auto* bits = static_cast<BYTE*>(dib.dsBm.bmBits);
        for (int y = 0; y < dib.dsBm.bmHeight; ++y) {
            BYTE* row = bits + y * dib.dsBm.bmWidthBytes;
            for (int x = 0; x < dib.dsBm.bmWidth; ++x) {
                BYTE* pixel = row + 3 * x;  // blue, green, red
                if (RGB(pixel[2], pixel[1], pixel[0]) == keyColor) {
                    pixel[0] = GetBValue(face);
                    pixel[1] = GetGValue(face);
                    pixel[2] = GetRValue(face);
                }
            }
        }
    }
    return bitmap;
}

}  // namespace

bool CToolBar::LoadImages(UINT normal, UINT disabled, UINT hot, COLORREF keyColor)
{
    const UINT ids[3] = {disabled, hot, normal};
    const UINT messages[3] = {TB_SETDISABLEDIMAGELIST, TB_SETHOTIMAGELIST, TB_SETIMAGELIST};
    for (int i = 0; i < 3; ++i) {
        HBITMAP strip = LoadStripWithFace(ids[i], keyColor);
        if (!strip)
            return false;
        images_[i].Create(imageSize_.cx, imageSize_.cy, ILC_COLOR24, 0, 0);
        ImageList_Add(images_[i], strip, nullptr);
        ::DeleteObject(strip);
        SendMessage(messages[i], 0, reinterpret_cast<LPARAM>(images_[i].m_hImageList));
    }
    SendMessage(TB_AUTOSIZE);
    return true;
}

int CToolBar::Height() const
{
    RECT rect = GetWindowRect();
    return rect.bottom - rect.top;
}

bool CToolBar::IsButtonEnabled(UINT command) const
{
    return SendMessage(TB_ISBUTTONENABLED, command) != 0;
}

void CToolBar::EnableButton(UINT command, bool enable)
{
    SendMessage(TB_ENABLEBUTTON, command, MAKELPARAM(enable ? TRUE : FALSE, 0));
}

std::string LoadResourceString(UINT id)
{
    wchar_t buffer[4096];
    int length = ::LoadStringW(GetModuleHandleW(nullptr), id, buffer, sizeof(buffer) / sizeof(buffer[0]));
    return Narrow(std::wstring(buffer, length > 0 ? length : 0));
}

CMenu::~CMenu()
{
    if (m_hMenu && !ownedByWindow_)
        ::DestroyMenu(m_hMenu);
}

bool CMenu::LoadMenu(UINT resourceId)
{
    m_hMenu = ::LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resourceId));
    return m_hMenu != nullptr;
}

bool CMenu::AttachTo(HWND wnd)
{
    ownedByWindow_ = ::SetMenu(wnd, m_hMenu) != FALSE;
    return ownedByWindow_;
}
