#include <gtest/gtest.h>
#include <map>

#include "ui/WindowTestKit.h"
#include "ui/controls/ListCtrlStyled.h"
#include "ui/controls/SortClass.h"

namespace {

const COLORREF Red = RGB(204, 10, 10);
const COLORREF White = RGB(255, 255, 255);
const COLORREF Blue = RGB(10, 10, 204);

class StyledListTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        HWND view = host.AddChild(WC_LISTVIEWA, LVS_REPORT | LVS_SHOWSELALWAYS, 1028, Width, Height);
        ASSERT_NE(nullptr, view);
        ASSERT_TRUE(list.SubclassWindow(view));
        list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
        ASSERT_EQ(0, list.InsertColumn(0, "File Name", LVCFMT_LEFT, 120, 0));
        ASSERT_EQ(1, list.InsertColumn(1, "File Path", LVCFMT_LEFT, 120, 1));
        ASSERT_EQ(2, list.InsertColumn(2, "Size (Bytes)", LVCFMT_LEFT, 120, 2));
    }
    void TearDown() override { list.DestroyWindow(); }

    int AddRow(const std::string& name, const std::string& path = "a", const std::string& size = "1")
    {
        int row = list.InsertItem(LVIF_TEXT, list.GetItemCount(), name, 0, 0, 0, 0);
        list.SetItemText(row, 1, path);
        list.SetItemText(row, 2, size);
        return row;
    }
    iLS_item* Record(int row) { return reinterpret_cast<iLS_item*>(list.GetItemData(row)); }

    // A point near the right end of a cell, clear of its text.
    POINT CellPoint(int row, int column)
    {
        RECT cell = {};
        cell.top = column;
        cell.left = LVIR_BOUNDS;
        list.SendMessage(LVM_GETSUBITEMRECT, row, reinterpret_cast<LPARAM>(&cell));
        return POINT{cell.right - 4, (cell.top + cell.bottom) / 2};
    }
    COLORREF CellColor(PixelCanvas& canvas, int row, int column)
    {
        POINT at = CellPoint(row, column);
        return canvas.At(at.x, at.y);
    }
    void Render(PixelCanvas& canvas)
    {
        list.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Handle()),
                         PRF_CLIENT | PRF_ERASEBKGND);
    }
    // A custom-draw notification as the list view sends it, through its parent.
    LRESULT Notify(DWORD stage, int row, int column, HDC dc)
    {
        NMLVCUSTOMDRAW draw = {};
        draw.nmcd.hdr.hwndFrom = list;
        draw.nmcd.hdr.idFrom = 1028;
        draw.nmcd.hdr.code = NM_CUSTOMDRAW;
        draw.nmcd.dwDrawStage = stage;
        draw.nmcd.hdc = dc;
        draw.nmcd.dwItemSpec = row;
        draw.nmcd.lItemlParam = row >= 0 ? static_cast<LPARAM>(list.GetItemData(row)) : 0;
        draw.iSubItem = column;
        LRESULT answer = host.SendMessage(WM_NOTIFY, 1028, reinterpret_cast<LPARAM>(&draw));
        lastText = draw.clrText;
        lastBack = draw.clrTextBk;
        return answer;
    }

    static const int Width = 400;
    static const int Height = 200;
    TestHost host;
    CListCtrlStyled list;
    COLORREF lastText = 0;
    COLORREF lastBack = 0;
};

}  // namespace

TEST_F(StyledListTest, StyledRowIsDrawnInItsColoursAndSelectedRowsInHighlight)
{
    AddRow("red.mpg");
    AddRow("plain.mpg");
    AddRow("flagless.mpg");
    list.SetItemStyle(0, LIS_TXTCOLOR | LIS_BGCOLOR);
    list.SetItemBgColor(0, Red);
    list.SetItemTextColor(0, White);
    list.SetItemBgColor(2, Blue);  // without its flag: no effect

    PixelCanvas canvas(Width, Height);
    Render(canvas);
    const COLORREF listBack = GetSysColor(COLOR_WINDOW);
    for (int column = 0; column < 3; ++column) {
        EXPECT_EQ(Red, CellColor(canvas, 0, column)) << "column " << column;
        EXPECT_EQ(listBack, CellColor(canvas, 1, column)) << "column " << column;
        EXPECT_EQ(listBack, CellColor(canvas, 2, column)) << "column " << column;
    }
    EXPECT_GT(canvas.Count(White), 5);

    list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    PixelCanvas selected(Width, Height);
    Render(selected);
    EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHT), CellColor(selected, 0, 0));
    EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHT), CellColor(selected, 0, 2));
    EXPECT_EQ(0, selected.Count(Red));
    EXPECT_EQ(LVIS_SELECTED, list.GetItemState(0, LVIS_SELECTED));
}

TEST_F(StyledListTest, CustomDrawSetsColoursAndFontsPerStage)
{
    AddRow("bold.mpg");
    AddRow("plain.mpg");
    list.SetItemStyle(0, LIS_BOLD | LIS_TXTCOLOR);
    list.SetItemTextColor(0, White);
    PixelCanvas canvas(10, 10);
    HDC dc = canvas.Handle();
    HGDIOBJ base = GetCurrentObject(dc, OBJ_FONT);

    EXPECT_EQ(CDRF_NOTIFYITEMDRAW, Notify(CDDS_PREPAINT, -1, 0, dc));
    EXPECT_EQ(CDRF_NOTIFYSUBITEMDRAW | CDRF_NOTIFYPOSTPAINT | CDRF_NEWFONT,
              Notify(CDDS_ITEMPREPAINT, 0, 0, dc));
    EXPECT_EQ(White, lastText);
    LOGFONTW font = {};
    GetObjectW(GetCurrentObject(dc, OBJ_FONT), sizeof(font), &font);
    EXPECT_EQ(FW_BOLD, font.lfWeight);
    EXPECT_EQ(CDRF_NEWFONT | CDRF_NOTIFYPOSTPAINT, Notify(CDDS_ITEMPREPAINT | CDDS_SUBITEM, 0, 2, dc));
    EXPECT_EQ(White, lastText);
    Notify(CDDS_ITEMPOSTPAINT | CDDS_SUBITEM, 0, 2, dc);
    Notify(CDDS_ITEMPOSTPAINT, 0, 0, dc);
    EXPECT_EQ(base, GetCurrentObject(dc, OBJ_FONT));

    // A plain row keeps the list's own colours and font.
    EXPECT_EQ(CDRF_NOTIFYSUBITEMDRAW, Notify(CDDS_ITEMPREPAINT, 1, 0, dc));
    EXPECT_EQ(static_cast<COLORREF>(list.SendMessage(LVM_GETTEXTCOLOR)), lastText);
    EXPECT_EQ(static_cast<COLORREF>(list.SendMessage(LVM_GETTEXTBKCOLOR)), lastBack);
    EXPECT_EQ(CDRF_DODEFAULT, Notify(CDDS_ITEMPREPAINT | CDDS_SUBITEM, 1, 1, dc));
    EXPECT_EQ(base, GetCurrentObject(dc, OBJ_FONT));
}

TEST_F(StyledListTest, RowsKeepTheCallersItemDataAndGetARecordPerColumn)
{
    wchar_t name[] = L"x.mpg";
    LVITEMW item = {};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.pszText = name;
    item.lParam = 42;
    ASSERT_EQ(0, list.InsertItem(item));
    AddRow("y.mpg");
    ASSERT_EQ(2u, Record(0)->subItems.size());
    EXPECT_TRUE(Record(0)->hasUserData);
    EXPECT_EQ(42, Record(0)->userData);
    EXPECT_FALSE(Record(1)->hasUserData);

    iLS_item* pathCell = Record(0)->subItems[0].get();
    ASSERT_EQ(1, list.InsertColumn(1, "Added", LVCFMT_LEFT, 50, 1));
    for (int row = 0; row < 2; ++row) {
        ASSERT_EQ(3u, Record(row)->subItems.size());
        EXPECT_EQ(0u, Record(row)->subItems[0]->style);
    }
    EXPECT_NE(pathCell, Record(0)->subItems[0].get());
    EXPECT_EQ(pathCell, Record(0)->subItems[1].get());
}

TEST_F(StyledListTest, DeletingRowsAndTheWindowFreesTheirFonts)
{
    AddRow("a.mpg");
    AddRow("b.mpg");
    list.SetItemStyle(0, LIS_ITALIC);
    list.SetItemStyle(1, LIS_BOLD);
    PixelCanvas canvas(Width, Height);
    Render(canvas);
    HFONT first = Record(0)->rowStyle->font;
    HFONT second = Record(1)->rowStyle->font;
    ASSERT_NE(nullptr, first);
    ASSERT_NE(nullptr, second);

    EXPECT_TRUE(list.DeleteItem(0));
    EXPECT_EQ(0u, GetObjectType(first));
    EXPECT_EQ(1, list.GetItemCount());

    AddRow("c.mpg");
    list.SetItemStyle(1, LIS_UNDERLINE);
    Render(canvas);
    HFONT third = Record(1)->rowStyle->font;
    EXPECT_TRUE(list.DeleteAllItems());
    EXPECT_EQ(0, list.GetItemCount());
    EXPECT_EQ(0u, GetObjectType(second));
    EXPECT_EQ(0u, GetObjectType(third));

    AddRow("d.mpg");
    list.SetItemStyle(0, LIS_STRIKEOUT);
    Render(canvas);
    HFONT last = Record(0)->rowStyle->font;
    ASSERT_NE(nullptr, last);
    list.DestroyWindow();
    EXPECT_EQ(0u, GetObjectType(last));
}

class SortClassTest : public StyledListTest {
protected:
    std::vector<std::string> Column(int column)
    {
        std::vector<std::string> texts;
        for (int row = 0; row < list.GetItemCount(); ++row)
            texts.push_back(list.GetItemText(row, column));
        return texts;
    }
    void SortBy(int column, bool numeric, bool ascending)
    {
        CSortClass sort(&list, column, numeric);
        sort.Sort(ascending);
    }
};

TEST_F(SortClassTest, SortsTextWithoutRegardToCaseAndRestoresItemData)
{
    AddRow("beta", "9");
    AddRow("Alpha", "100");
    AddRow("gamma", "10");
    AddRow("ALPHA2", "-3");
    std::map<std::string, DWORD_PTR> dataOf;
    for (int row = 0; row < 4; ++row)
        dataOf[list.GetItemText(row, 0)] = list.GetItemData(row);

    SortBy(0, false, true);
    EXPECT_EQ((std::vector<std::string>{"Alpha", "ALPHA2", "beta", "gamma"}), Column(0));
    SortBy(0, false, false);
    EXPECT_EQ((std::vector<std::string>{"gamma", "beta", "ALPHA2", "Alpha"}), Column(0));
    SortBy(1, true, true);
    EXPECT_EQ((std::vector<std::string>{"-3", "9", "10", "100"}), Column(1));
    SortBy(1, true, false);
    EXPECT_EQ((std::vector<std::string>{"100", "10", "9", "-3"}), Column(1));
    SortBy(1, false, true);
    EXPECT_EQ((std::vector<std::string>{"-3", "10", "100", "9"}), Column(1));

    for (int row = 0; row < 4; ++row)
        EXPECT_EQ(dataOf[list.GetItemText(row, 0)], list.GetItemData(row)) << list.GetItemText(row, 0);
}

TEST_F(SortClassTest, PaddedSizeTextsSortBySize)
{
    AddRow("big", "a", "            1,000");
    AddRow("small", "a", "              999");
    AddRow("huge", "a", "       12,345,678");
    SortBy(2, false, true);
    EXPECT_EQ((std::vector<std::string>{"small", "big", "huge"}), Column(0));
}

TEST_F(SortClassTest, SortingAnEmptyListDoesNothing)
{
    SortBy(0, false, true);
    EXPECT_EQ(0, list.GetItemCount());
}

TEST_F(StyledListTest, PaintingASelectedRowLeavesNoRepaintPending)
{
    AddRow("a.mpg");
    list.SetItemStyle(0, LIS_TXTCOLOR | LIS_BGCOLOR);
    list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    host.ShowWindow(SW_SHOWNOACTIVATE);
    // Unselecting the row for its paint must not invalidate it again.
    for (int round = 0; round < 5; ++round)
        list.UpdateWindow();
    EXPECT_FALSE(GetUpdateRect(list, nullptr, FALSE));
    EXPECT_EQ(LVIS_SELECTED, list.GetItemState(0, LVIS_SELECTED));
    host.ShowWindow(SW_HIDE);
}
