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
    // it in grey, a line for each line it has, each cut with "..." where it
    // is too long, never wrapped in the middle of a word.
    int InsertColoredString(const std::string& text, COLORREF color, int index, const std::string& shown = "",
                            const std::string& detail = "");
    // Empties the list.
    void Clear();
    // The lines an item's detail takes.
    static int DetailLines(const std::string& detail);
    // The detail drawn below an item (empty when it has none).
    const std::string& DetailOf(int index) const { return LookOf(static_cast<UINT>(index)).detail; }

    // Rows the list box shows without scrolling (set by the owner).
    void SetVisibleRows(int rows) { visibleRows_ = rows; }
    int VisibleRows() const { return visibleRows_; }
    // Display lines the items need: items plus one for every item longer
    // than 40 characters (set by the owner before each fill).
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
    void DrawItemText(HDC dc, const std::string& text, const RECT& rect);
    void DrawDetail(HDC dc, const std::string& detail, RECT rect, bool selected);

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
