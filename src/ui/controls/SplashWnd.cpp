#include "ui/controls/SplashWnd.h"

#include <cstdio>

#include "resource.h"
#include "ui/controls/AutoFont.h"
#include "ui/framework/WinApp.h"

namespace {

CSplashWnd* currentSplash = nullptr;
bool splashEnabled = false;

constexpr UINT_PTR kTimerId = 1;
constexpr UINT kTickMilliseconds = 500;

constexpr const char* kCreditLine = "pyTivo metadata for TiVo users";
constexpr const char* kLegalNotice =
    "Reelmark is provided as is, without warranty of any kind. TiVo is a trademark of its owner; "
    "pyTivo is an independent program. Reelmark writes metadata files beside your movie files: "
    "keep copies of anything you cannot replace. "
    "This product uses the TMDB API but is not endorsed or certified by TMDB.";

}  // namespace

CSplashWnd::CSplashWnd()
    : loadPicture_([] {
          return static_cast<HBITMAP>(::LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_SPLASH),
                                                   IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
      })
{
}

CSplashWnd::~CSplashWnd()
{
    if (currentSplash == this)
        currentSplash = nullptr;
}

void CSplashWnd::EnableSplash(bool enable)
{
    splashEnabled = enable;
}

CSplashWnd* CSplashWnd::Current()
{
    return currentSplash;
}

void CSplashWnd::ShowSplash(int duration, CWnd* parent)
{
    if (!splashEnabled || currentSplash)
        return;
    auto* splash = new CSplashWnd;
    currentSplash = splash;
    // The version and picture go over before the window exists, so that its
    // first paint already shows them.
    splash->versionText = versionText;
    splash->loadPicture_ = loadPicture_;
    if (!splash->Create(parent ? parent->m_hWnd : nullptr)) {
        delete splash;
        return;
    }
    splash->deleteWithWindow_ = true;
    splash->UpdateWindow();
    splash->duration_ = duration;
    splash->ticks_ = 0;
}

bool CSplashWnd::Create(HWND owner)
{
    picture_.Attach(loadPicture_ ? loadPicture_() : nullptr);
    if (!picture_.m_hObject)
        return false;
    duration_ = 0;
    SIZE size = picture_.GetSize();
    const char* className =
        RegisterClass("ReelmarkSplash", 0, ::LoadCursor(nullptr, IDC_ARROW), nullptr, nullptr);
    return className &&
           CreateEx(0, className, "", WS_POPUP | WS_VISIBLE, 0, 0, size.cx, size.cy, owner, nullptr);
}

void CSplashWnd::HideSplash()
{
    CWinApp* app = CWinApp::Current();
    CWnd* mainWnd = app ? app->m_pMainWnd : nullptr;
    DestroyWindow();  // this object is gone from here on
    if (mainWnd && mainWnd->m_hWnd)
        mainWnd->UpdateWindow();
}

bool CSplashWnd::FilterAppMessage(const MSG* msg)
{
    if (!currentSplash || !msg)
        return false;
    switch (msg->message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_NCLBUTTONDOWN:
        case WM_NCRBUTTONDOWN:
        case WM_NCMBUTTONDOWN:
            currentSplash->HideSplash();
            return true;
        default:
            return false;
    }
}

const MessageMap& CSplashWnd::GetMessageMap() const
{
    static const MessageMap map = {
        OnMessage(WM_CREATE, &CSplashWnd::OnCreate),
        OnMessage(WM_TIMER, &CSplashWnd::OnTimer),
        OnMessage(WM_PAINT, &CSplashWnd::OnPaint),
    };
    return map;
}

void CSplashWnd::PostNcDestroy()
{
    if (deleteWithWindow_)
        delete this;
}

LRESULT CSplashWnd::OnCreate(WPARAM wp, LPARAM lp)
{
    if (DefWindowProc(WM_CREATE, wp, lp) == -1)
        return -1;
    CenterWindow();
    ::SetTimer(m_hWnd, kTimerId, kTickMilliseconds, nullptr);
    return 0;
}

LRESULT CSplashWnd::OnTimer(WPARAM, LPARAM)
{
    ++ticks_;
    if (duration_ <= 0 || ticks_ <= duration_)
        return 0;
    ticks_ = 0;
    HideSplash();
    return 0;
}

LRESULT CSplashWnd::OnPaint(WPARAM, LPARAM)
{
    CPaintDC dc(m_hWnd);
    Draw(dc);
    return 0;
}

void CSplashWnd::Draw(HDC dc)
{
    CDC memory;
    if (!memory.CreateCompatibleDC(dc))
        return;
    SIZE size = picture_.GetSize();
    {
        CSelectObject select(memory, picture_);
        ::BitBlt(dc, 0, 0, size.cx, size.cy, memory, 0, 0, SRCCOPY);
    }
    DrawTexts(dc);
}

void CSplashWnd::DrawTexts(HDC dc)
{
    RECT window = GetWindowRect();
    MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&window), 2);
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;

    char title[128];
    snprintf(title, sizeof(title), "Reelmark [ver %s]", versionText.c_str());
    CDC out(dc);
    // The factors are the single-precision values of 1.8, 4.65 and 3.8 used in
    // double arithmetic: they put the texts exactly where the picture leaves
    // room for them (68 and 281 for the 345-pixel picture).
    RECT rect = {20, static_cast<int>(height / 9.0 * 1.7999999523162842), width - 20, height};

    CAutoFont font;
    font.SetFontBold(true);
    font.SetFontHeight(17);
    {
        CSelectObject select(out, font);
        out.SetBkMode(TRANSPARENT);
        out.SetTextColor(RGB(0, 0, 0));
        out.DrawText(std::string(title) + "\n" + kCreditLine, &rect, DT_CENTER | DT_NOCLIP);
    }

    font.SetFontBold(true);
    out.SetBkMode(TRANSPARENT);
    out.SetTextColor(RGB(7, 42, 189));
    rect.top = static_cast<int>(height / 4.650000095367432 * 3.799999952316284);
    rect.bottom = height - 4;
    // The notice in 14 pixels, smaller where the system's font needs more
    // room for it, so that its last line is never cut off.
    for (int size = 14;; --size) {
        font.SetFontHeight(size);
        CSelectObject select(out, font);
        RECT needed = rect;
        out.DrawText(kLegalNotice, &needed, DT_WORDBREAK | DT_CALCRECT);
        if (needed.bottom <= rect.bottom || size == 10) {
            out.DrawText(kLegalNotice, &rect, DT_WORDBREAK);
            break;
        }
    }
}
