#include <gtest/gtest.h>

#include "platform/Text.h"
#include "ui/controls/ColorListBox.h"
#include "ui/controls/ItemTextLines.h"
#include "ui/WindowTestKit.h"

namespace {

const COLORREF Yellow = RGB(225, 225, 51);

class ColorListBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        HWND list = host.AddChild(
            "LISTBOX", LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS | LBS_EXTENDEDSEL | LBS_NOTIFY | WS_VSCROLL,
            1001, Width, 300);
        ASSERT_NE(nullptr, list);
        ASSERT_TRUE(box.SubclassWindow(list));
        box.SetVisibleRows(27);
        box.SetLineCount(3);
    }

    // Draws item 0 the way the list box asks its parent to.
    void DrawItem(PixelCanvas& canvas, UINT action, UINT state, int height)
    {
        DRAWITEMSTRUCT item = {};
        item.CtlType = ODT_LISTBOX;
        item.CtlID = 1001;
        item.itemID = 0;
        item.itemAction = action;
        item.itemState = state;
        item.hwndItem = box;
        item.hDC = canvas.Handle();
        item.rcItem = CRect(0, 0, Width, height);
        item.itemData = box.GetItemData(0);
        EXPECT_EQ(TRUE, host.SendMessage(WM_DRAWITEM, 1001, reinterpret_cast<LPARAM>(&item)));
    }

    static const int Width = 300;
    TestHost host;
    CColorListBox box;
};

}  // namespace

TEST(ItemTextLines, LinesEndWhereAWordOfAFileNameEndsAndCoverTheWholeText)
{
    const struct {
        std::wstring text;
        std::size_t perLine;
        std::vector<std::wstring> lines;
    } cases[] = {
        {L"Doctor.Who.2005.S01E01.Rose.720p.HDTV.x264-GRP.mkv", 40,
         {L"Doctor.Who.2005.S01E01.Rose.720p.HDTV.", L"x264-GRP.mkv"}},
        {L"A very long movie file name that needs a second display line.mpg", 40,
         {L"A very long movie file name that needs a ", L"second display line.mpg"}},
        {L"episode | Doctor Who | S01E02 | The End of the World", 38,
         {L"episode | Doctor Who | S01E02 | The ", L"End of the World"}},
        {L"Friends_S01E01E02_The_One", 10, {L"Friends_", L"S01E01E02_", L"The_One"}},
        // A word wider than a line is cut where the line ends.
        {std::wstring(50, L'x'), 40, {std::wstring(40, L'x'), std::wstring(10, L'x')}},
        // At the room's exact width one line; one character more, two.
        {std::wstring(40, L'x'), 40, {std::wstring(40, L'x')}},
        {L"abc def", 7, {L"abc def"}},
        {L"abc defg", 7, {L"abc ", L"defg"}},
        {L"", 40, {L""}},
        {L"abc", 0, {L"a", L"b", L"c"}},
    };
    for (const auto& c : cases) {
        std::vector<std::wstring> lines;
        std::size_t next = 0;
        for (const ItemLinePart& part : WrapItemText(c.text, [&](std::size_t) { return c.perLine; })) {
            EXPECT_EQ(next, part.start);
            next = part.start + part.count;
            lines.push_back(c.text.substr(part.start, part.count));
        }
        EXPECT_EQ(c.text.size(), next) << "the whole text, nothing past it";
        EXPECT_EQ(c.lines, lines) << Narrow(c.text);
        EXPECT_EQ(static_cast<int>(c.lines.size()), ItemLinesAt(c.text, c.perLine));
    }
}

TEST_F(ColorListBoxTest, InsertsColouredItemsAndMeasuresLongOnesTaller)
{
    EXPECT_EQ(0, box.LineHeight());
    EXPECT_EQ(0, box.InsertColoredString("My Holiday Movie.mpg", Yellow, 0));
    ASSERT_GT(box.LineHeight(), 0);
    EXPECT_EQ(Yellow, box.GetItemData(0));
    // The first item is measured in its full width like every other.
    EXPECT_EQ(box.LineHeight(), box.GetItemHeight(0));

    std::string words;
    while (words.size() < 130)
        words += "word ";
    EXPECT_EQ(1, box.InsertColoredString(words, RGB(255, 255, 255), 1));
    EXPECT_GE(box.GetItemHeight(1), 2 * box.LineHeight());
    EXPECT_EQ(RGB(255, 255, 255), box.GetItemData(1));
}

TEST_F(ColorListBoxTest, DrawsItemsOnTheirColourAndSelectedOnesInHighlight)
{
    box.InsertColoredString("Holiday.mpg", Yellow, 0);
    const int line = box.LineHeight();

    PixelCanvas plain(Width, line);
    DrawItem(plain, ODA_DRAWENTIRE, 0, line);
    EXPECT_EQ(Yellow, plain.At(Width - 2, line / 2));

    PixelCanvas selected(Width, line);
    DrawItem(selected, ODA_DRAWENTIRE, ODS_SELECTED, line);
    EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHT), selected.At(Width - 2, line / 2));
    EXPECT_GT(selected.Count(GetSysColor(COLOR_HIGHLIGHTTEXT)), 5);
    EXPECT_EQ(0, selected.Count(Yellow));

    PixelCanvas deselected(Width, line);
    DrawItem(deselected, ODA_SELECT, 0, line);
    EXPECT_EQ(Yellow, deselected.At(Width - 2, line / 2));

    PixelCanvas focusOnly(Width, line, RGB(9, 9, 9));
    DrawItem(focusOnly, ODA_FOCUS, ODS_FOCUS, line);
    EXPECT_EQ(Width * line, focusOnly.Count(RGB(9, 9, 9)));
}

TEST_F(ColorListBoxTest, TallItemsShowTheirTextOnEveryLine)
{
    box.InsertColoredString(std::string(130, 'W'), Yellow, 0);
    const int line = box.LineHeight();
    box.SetLineCount(100);  // the list scrolls
    PixelCanvas canvas(Width, 3 * line);
    DrawItem(canvas, ODA_DRAWENTIRE, 0, 3 * line);
    for (int k = 0; k < 3; ++k) {
        const CRect band(0, k * line, Width, (k + 1) * line);
        EXPECT_LT(canvas.Count(Yellow, band), Width * line) << "line " << k;
    }
}

TEST_F(ColorListBoxTest, ALongDetailWrapsOntoFurtherLinesInsteadOfBeingCut)
{
    // An episode's title in what its file will say: the whole of it shows.
    const std::string detail = "in TV\\Doctor Who\\Season 1\nepisode | Doctor Who | S01E02 | "
                               "The End of the World, and the Long Way Home Through the Stars";
    box.InsertColoredString("Doctor.Who.S01E02.mkv", Yellow, 0, "", detail);
    const int line = box.LineHeight();
    const int height = box.GetItemHeight(0);
    EXPECT_GE(height, 4 * line);
    // Each of its lines is drawn: no band of the item is left empty.
    PixelCanvas canvas(Width, height);
    DrawItem(canvas, ODA_DRAWENTIRE, 0, height);
    for (int k = 0; k < height / line; ++k) {
        const CRect band(0, k * line, Width, (k + 1) * line);
        EXPECT_LT(canvas.Count(Yellow, band), Width * line) << "line " << k;
    }
}
