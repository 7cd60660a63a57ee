#include "ui/framework/Gdi.h"

#include <cstring>

#include "platform/Text.h"

BOOL CFont::CreatePointFont(int pointSize, const char* faceName, BYTE pitchAndFamily)
{
    HDC screen = ::GetDC(nullptr);
    LOGFONTW font = {};
    font.lfHeight = -MulDiv(pointSize, GetDeviceCaps(screen, LOGPIXELSY), 720);
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfPitchAndFamily = pitchAndFamily;
    ::ReleaseDC(nullptr, screen);
    lstrcpynW(font.lfFaceName, Widen(faceName).c_str(), LF_FACESIZE);
    return CreateFontIndirect(font);
}

BOOL CFont::CreateFontIndirect(const LOGFONTW& font)
{
    Attach(::CreateFontIndirectW(&font));
    return m_hObject != nullptr;
}

bool CFont::GetLogFont(LOGFONTW* font) const
{
    return m_hObject && ::GetObjectW(m_hObject, sizeof(*font), font) != 0;
}

BOOL CBitmap::LoadBitmap(UINT resourceId)
{
    Attach(::LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resourceId)));
    return m_hObject != nullptr;
}

BOOL CBitmap::LoadImage(UINT resourceId, int width, int height, UINT flags)
{
    Attach(static_cast<HBITMAP>(::LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resourceId),
                                             IMAGE_BITMAP, width, height, flags)));
    return m_hObject != nullptr;
}

BOOL CBitmap::CreateCompatibleBitmap(HDC dc, int width, int height)
{
    Attach(::CreateCompatibleBitmap(dc, width, height));
    return m_hObject != nullptr;
}

SIZE CBitmap::GetSize() const
{
    BITMAP info = {};
    if (m_hObject)
        ::GetObjectW(m_hObject, sizeof(info), &info);
    return SIZE{info.bmWidth, info.bmHeight};
}

BOOL CBrush::CreateSolidBrush(COLORREF color)
{
    Attach(::CreateSolidBrush(color));
    return m_hObject != nullptr;
}

BOOL CRgn::CreateRectRgnIndirect(const RECT& rect)
{
    Attach(::CreateRectRgnIndirect(&rect));
    return m_hObject != nullptr;
}

BOOL CImageList::Create(int width, int height, UINT flags, int initial, int grow)
{
    DeleteImageList();
    m_hImageList = ImageList_Create(width, height, flags, initial, grow);
    return m_hImageList != nullptr;
}

int CImageList::Add(HBITMAP bitmap, COLORREF maskColor)
{
    return ImageList_AddMasked(m_hImageList, bitmap, maskColor);
}

void CImageList::DeleteImageList()
{
    if (m_hImageList)
        ImageList_Destroy(m_hImageList);
    m_hImageList = nullptr;
}

CDC::~CDC()
{
    if (m_hDC && release_ == Release::Delete)
        ::DeleteDC(m_hDC);
}

BOOL CDC::CreateCompatibleDC(HDC dc)
{
    if (m_hDC && release_ == Release::Delete)
        ::DeleteDC(m_hDC);
    m_hDC = ::CreateCompatibleDC(dc);
    release_ = Release::Delete;
    return m_hDC != nullptr;
}

void CDC::FillSolidRect(const RECT& rect, COLORREF color)
{
    COLORREF previous = ::SetBkColor(m_hDC, color);
    ::ExtTextOutW(m_hDC, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    ::SetBkColor(m_hDC, previous);
}

int CDC::DrawText(const std::string& text, RECT* rect, UINT format)
{
    const std::wstring wide = Widen(text);
    return ::DrawTextW(m_hDC, wide.c_str(), static_cast<int>(wide.size()), rect, format);
}

SIZE CDC::GetTextExtent(const std::string& text) const
{
    SIZE size = {};
    const std::wstring wide = Widen(text);
    ::GetTextExtentPoint32W(m_hDC, wide.c_str(), static_cast<int>(wide.size()), &size);
    return size;
}

RECT CDC::GetClipBox() const
{
    RECT rect = {};
    ::GetClipBox(m_hDC, &rect);
    return rect;
}

CPaintDC::CPaintDC(HWND wnd) : wnd_(wnd)
{
    m_hDC = ::BeginPaint(wnd, &m_ps);
}

CPaintDC::~CPaintDC()
{
    ::EndPaint(wnd_, &m_ps);
    m_hDC = nullptr;
}

CClientDC::CClientDC(HWND wnd) : wnd_(wnd)
{
    m_hDC = ::GetDC(wnd);
}

CClientDC::~CClientDC()
{
    ::ReleaseDC(wnd_, m_hDC);
    m_hDC = nullptr;
}
