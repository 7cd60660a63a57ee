#pragma once
// An owner-drawn list box (LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS) whose
// items each carry their own background colour in their item data, and
// whose long items wrap over several text lines.
#include <string>

#include "ui/controls/FontFallback.h"
#include "ui/framework/Controls.h"
#include "ui/framework/Gdi.h"

class CColorListBox : public CListBox {
public:
    // Inserts the text at the index and gives it the background colour;
    // returns the index the list box gave it (LB_ERR on failure).
    int InsertColoredString(const std::string& text, COLORREF color, int index);

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

    CFontFallback fallback_;
    CDC measureDc_;
    int visibleRows_ = 0;
    int lineCount_ = 0;
    int lineHeight_ = 0;
};
