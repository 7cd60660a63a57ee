#pragma once
// The editor of one cell of the Library window's grid: an edit box, or a
// drop-down list where the field takes one of a few values, laid over the
// cell. Enter or leaving it takes the value, Escape drops it; either way
// it closes and tells its owner.
#include <functional>
#include <string>
#include <vector>

#include "ui/framework/Wnd.h"

class CellEditor : public CWnd {
public:
    // committed: true with the text to take, false when dropped.
    using Done = std::function<void(bool committed, const std::string& text)>;

    // Opens over cell (in the list's client area) of the list window,
    // starting with text; with items a drop-down list of them.
    bool Open(HWND list, const RECT& cell, const std::string& text, const std::vector<std::string>& items,
              Done done);
    bool IsOpen() const { return m_hWnd != nullptr; }
    // Closes it, taking the text (committed) or dropping it.
    void Close(bool committed);

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    Done done_;
    bool choice_ = false;
    bool closing_ = false;
};
