#pragma once
// An owner-drawn list box (LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS) whose
// items each carry their own background colour in their item data, and
// whose long items wrap over several text lines. An item may show another
// text than the one it holds, and grey detail lines below it.
#include <string>
#include <vector>

#include "ui/controls/FontFallback.h"
#include "ui/framework/Controls.h"
#include "ui/framework/Gdi.h"

class CColorListBox : public CListBox {
public:
    // Inserts the text at the index and gives it the background colour;
    // returns the index the list box gave it (LB_ERR on failure). shown,
    // when not empty, is drawn instead of the text; detail is drawn below
    // it in grey and indented, each of its lines on lines of its own. Text
    // and detail wrap where a word of a file name ends (ItemTextLines.h).
    int InsertColoredString(const std::string& text, COLORREF color, int index, const std::string& shown = "",
                            const std::string& detail = "");
    // Empties the list.
    void Clear();
    // About how many text lines an item of this text and detail takes (at
    // forty characters a line), for SetLineCount.
    static int EstimatedLines(const std::string& text, const std::string& detail);
    // The detail drawn below an item (empty when it has none).
    const std::string& DetailOf(int index) const { return LookOf(static_cast<UINT>(index)).detail; }

    // Rows the list box shows without scrolling (set by the owner).
    void SetVisibleRows(int rows) { visibleRows_ = rows; }
    int VisibleRows() const { return visibleRows_; }
    // Display lines the items need (set by the owner before each fill, from
    // EstimatedLines): when they are more than the visible rows, the items
    // are wrapped to the room the scroll bar leaves.
    void SetLineCount(int lines) { lineCount_ = lines; }
    int LineCount() const { return lineCount_; }
    // Height of one text line, learnt at the first item measurement (0 before).
    int LineHeight() const { return lineHeight_; }

    virtual void DrawItem(const DRAWITEMSTRUCT& item);
    virtual void MeasureItem(MEASUREITEMSTRUCT& item);

protected:
    bool OnChildNotify(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override;

private:
    bool ListScrolls() const { return visibleRows_ < lineCount_; }
    // The width a line of text may take.
    int TextRoom() const;
    // The item's lines as they are drawn: its text, then each detail line
    // (indented) wrapped to the room.
    struct DrawnLine {
        std::wstring text;
        bool detail;
    };
    std::vector<DrawnLine> ItemLines(HDC dc, UINT item);
    void DrawLines(HDC dc, const std::vector<DrawnLine>& lines, const RECT& rect, bool selected);

    struct Look {
        std::string shown;
        std::string detail;
    };
    const Look& LookOf(UINT item) const;
    std::string ShownText(UINT item) const;

    std::vector<Look> looks_;  // per item, in list order
    CFontFallback fallback_;
    CDC measureDc_;
    int visibleRows_ = 0;
    int lineCount_ = 0;
    int lineHeight_ = 0;
};
