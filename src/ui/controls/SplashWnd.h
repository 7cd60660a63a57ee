#pragma once
// The splash window: the splash picture with the product title, version,
// credit line and legal notice. Shown at start-up for about one and a half
// seconds and as the about box, which stays until a key or mouse button is
// pressed anywhere in the program. At most one is up at a time.
#include <functional>
#include <string>

#include "ui/framework/Gdi.h"
#include "ui/framework/Wnd.h"

class CSplashWnd : public CWnd {
public:
    CSplashWnd();
    ~CSplashWnd() override;

    // Class-wide: ShowSplash does nothing until splashes are enabled.
    static void EnableSplash(bool enable = true);
    // The splash window on screen, or null.
    static CSplashWnd* Current();

    // Shows a new splash window owned by parent, carrying this object's
    // version text and picture; it hides itself after duration ticks of
    // half a second (0 or less: only a key or click hides it). Ignored when
    // splashes are disabled or one is already up; shows nothing when the
    // picture cannot be loaded or the window cannot be made.
    void ShowSplash(int duration, CWnd* parent);
    // Destroys the window (which deletes its object), then repaints the
    // application's main window at once.
    void HideSplash();

    // Offered every message of the thread first: a key or mouse-button press
    // hides the splash window on screen and is consumed (true).
    static bool FilterAppMessage(const MSG* msg);

    // Shown in the title line; the program's owner sets its version.
    std::string versionText;

    // Where the picture comes from; the program's splash bitmap unless set.
    // The loader returns a bitmap handle that the window then owns.
    void SetPictureLoader(std::function<HBITMAP()> loader) { loadPicture_ = std::move(loader); }

    // Draws the picture and the texts onto a DC the size of the window.
    void Draw(HDC dc);

protected:
    const MessageMap& GetMessageMap() const override;
    void PostNcDestroy() override;

    LRESULT OnCreate(WPARAM wp, LPARAM lp);
    LRESULT OnTimer(WPARAM wp, LPARAM lp);
    LRESULT OnPaint(WPARAM wp, LPARAM lp);

private:
    bool Create(HWND owner);
    void DrawTexts(HDC dc);

    CBitmap picture_;
    std::function<HBITMAP()> loadPicture_;
    int duration_ = 0;
    int ticks_ = 0;
    bool deleteWithWindow_ = false;
};
