#pragma once
// GDI objects and device contexts, each released by its owner's destructor.
#include <windows.h>

#include <commctrl.h>

#include <string>

struct CRect : RECT {
    CRect() : RECT{0, 0, 0, 0} {}
    CRect(const RECT& r) : RECT(r) {}
    CRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

// A GDI object handle (font, bitmap, brush, region) deleted with its owner.
template <class Handle>
class CGdiObject {
public:
    CGdiObject() = default;
    ~CGdiObject() { DeleteObject(); }
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    Handle m_hObject = nullptr;
    operator Handle() const { return m_hObject; }
    Handle GetSafeHandle() const { return m_hObject; }
    void Attach(Handle handle)
    {
        DeleteObject();
        m_hObject = handle;
    }
    Handle Detach()
    {
        Handle handle = m_hObject;
        m_hObject = nullptr;
        return handle;
    }
    BOOL DeleteObject()
    {
        if (!m_hObject)
            return FALSE;
        ::DeleteObject(m_hObject);
        m_hObject = nullptr;
        return TRUE;
    }
};

class CFont : public CGdiObject<HFONT> {
public:
    // pointSize in tenths of a point, as the screen shows it; pitchAndFamily
    // guides the choice of a stand-in when the face is not installed.
    BOOL CreatePointFont(int pointSize, const char* faceName, BYTE pitchAndFamily = DEFAULT_PITCH);
    BOOL CreateFontIndirect(const LOGFONTW& font);
    bool GetLogFont(LOGFONTW* font) const;
};

class CBitmap : public CGdiObject<HBITMAP> {
public:
    BOOL LoadBitmap(UINT resourceId);
    // LoadImageW of a bitmap resource at the given size (0, 0: its own).
    BOOL LoadImage(UINT resourceId, int width, int height, UINT flags = LR_DEFAULTCOLOR);
    BOOL CreateCompatibleBitmap(HDC dc, int width, int height);
    SIZE GetSize() const;
};

class CBrush : public CGdiObject<HBRUSH> {
public:
    BOOL CreateSolidBrush(COLORREF color);
};

class CRgn : public CGdiObject<HRGN> {
public:
    BOOL CreateRectRgnIndirect(const RECT& rect);
};

class CImageList {
public:
    CImageList() = default;
    ~CImageList() { DeleteImageList(); }
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    HIMAGELIST m_hImageList = nullptr;
    operator HIMAGELIST() const { return m_hImageList; }
    BOOL Create(int width, int height, UINT flags, int initial, int grow);
    // Adds every image of the strip; pixels of the mask colour become transparent.
    int Add(HBITMAP bitmap, COLORREF maskColor);
    int GetImageCount() const { return ImageList_GetImageCount(m_hImageList); }
    void DeleteImageList();
};

// A device context. The plain form only borrows the handle; the derived
// forms own theirs.
class CDC {
public:
    CDC() = default;
    explicit CDC(HDC dc) : m_hDC(dc) {}
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    HDC m_hDC = nullptr;
    operator HDC() const { return m_hDC; }

    BOOL CreateCompatibleDC(HDC dc);
    BOOL IsPrinting() const { return GetDeviceCaps(m_hDC, TECHNOLOGY) == DT_RASPRINTER; }
    HGDIOBJ SelectObject(HGDIOBJ object) { return ::SelectObject(m_hDC, object); }
    COLORREF SetTextColor(COLORREF color) { return ::SetTextColor(m_hDC, color); }
    COLORREF SetBkColor(COLORREF color) { return ::SetBkColor(m_hDC, color); }
    COLORREF GetBkColor() const { return ::GetBkColor(m_hDC); }
    int SetBkMode(int mode) { return ::SetBkMode(m_hDC, mode); }
    void FillSolidRect(const RECT& rect, COLORREF color);
    int DrawText(const std::string& text, RECT* rect, UINT format);
    SIZE GetTextExtent(const std::string& text) const;
    BOOL BitBlt(int x, int y, int width, int height, HDC source, int sx, int sy, DWORD rop)
    {
        return ::BitBlt(m_hDC, x, y, width, height, source, sx, sy, rop);
    }
    RECT GetClipBox() const;

protected:
    enum class Release { None, Delete };
    Release release_ = Release::None;
};

class CPaintDC : public CDC {
public:
    explicit CPaintDC(HWND wnd);
    ~CPaintDC() override;
    PAINTSTRUCT m_ps = {};

private:
    HWND wnd_;
};

class CClientDC : public CDC {
public:
    explicit CClientDC(HWND wnd);
    ~CClientDC() override;

private:
    HWND wnd_;
};

// Selects an object into a DC for a scope and selects the previous one back.
class CSelectObject {
public:
    CSelectObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(object ? ::SelectObject(dc, object) : nullptr)
    {
    }
    ~CSelectObject()
    {
        if (previous_)
            ::SelectObject(dc_, previous_);
    }
    CSelectObject(const CSelectObject&) = delete;
    CSelectObject& operator=(const CSelectObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};
