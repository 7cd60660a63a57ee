#include <gtest/gtest.h>

#include "ui/controls/ColorListBox.h"
#include "ui/controls/ItemTextLines.h"
#include "ui/WindowTestKit.h"

namespace {

std::vector<std::size_t> Starts(const std::vector<ItemLinePart>& parts)
{
    std::vector<std::size_t> starts;
    for (const auto& part : parts)
        starts.push_back(part.start);
    return starts;
}

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

TEST(ItemTextLines, LongTextsAreLengthenedForMeasuringByTheScrollingRule)
{
    const std::string forty(40, 'x');
    EXPECT_EQ(forty + std::string(10, ' '), LengthenForMeasure(forty, true));
    EXPECT_EQ(forty, LengthenForMeasure(forty, false));
    EXPECT_EQ(std::string(39, 'x'), LengthenForMeasure(std::string(39, 'x'), true));
    EXPECT_EQ(std::string(43, 'x'), LengthenForMeasure(std::string(43, 'x'), false));
    EXPECT_EQ(std::string(44, 'x') + std::string(10, ' '), LengthenForMeasure(std::string(44, 'x'), false));
}

TEST(ItemTextLines, LinesBeginFortyCharactersApart)
{
    EXPECT_EQ((std::vector<std::size_t>{0, 39, 79}), Starts(SplitItemLines(130, 3, true)));
    EXPECT_EQ((std::vector<std::size_t>{0, 43, 83}), Starts(SplitItemLines(130, 3, false)));
    EXPECT_EQ(39u, SplitItemLines(130, 3, true)[0].count);
    // No part reaches past the text, however many lines the item has.
    for (std::size_t length : {0u, 10u, 45u, 85u, 121u})
        for (const auto& part : SplitItemLines(length, 6, true))
            EXPECT_LE(part.start + part.count, length);
    const auto tail = SplitItemLines(100, 3, true);
    EXPECT_EQ(79u, tail[2].start);
    EXPECT_EQ(21u, tail[2].count);
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
