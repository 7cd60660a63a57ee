#include "ui/controls/SortClass.h"

#include <cstdlib>

#include "platform/Text.h"

namespace {

int CompareNumbers(int a, int b)
{
    if (a == b)
        return 0;
    return b < a ? 1 : -1;
}

const CSortItem& Text(LPARAM record)
{
    return *reinterpret_cast<const CSortItem*>(record);
}

int Number(LPARAM record)
{
    return reinterpret_cast<const SortNumberItem*>(record)->value;
}

}  // namespace

CSortClass::CSortClass(CListCtrl* list, int column, bool numeric)
    : column_(column), list_(list), numeric_(numeric)
{
    for (int row = 0, rows = list_->GetItemCount(); row < rows; ++row) {
        DWORD_PTR itemData = list_->GetItemData(row);
        std::string text = list_->GetItemText(row, column_);
        DWORD_PTR record;
        if (numeric_) {
            numberItems_.push_back(
                std::make_unique<SortNumberItem>(SortNumberItem{std::atoi(text.c_str()), itemData}));
            record = reinterpret_cast<DWORD_PTR>(numberItems_.back().get());
        } else {
            textItems_.push_back(std::make_unique<CSortItem>(text, itemData));
            record = reinterpret_cast<DWORD_PTR>(textItems_.back().get());
        }
        list_->SetItemData(row, record);
    }
}

CSortClass::~CSortClass()
{
    for (int row = 0, rows = list_->GetItemCount(); row < rows; ++row) {
        DWORD_PTR record = list_->GetItemData(row);
        if (numeric_)
            list_->SetItemData(row, reinterpret_cast<SortNumberItem*>(record)->itemData);
        else
            list_->SetItemData(row, reinterpret_cast<CSortItem*>(record)->itemData);
    }
}

void CSortClass::Sort(bool ascending)
{
    PFNLVCOMPARE compare = numeric_ ? (ascending ? CompareNumberAscending : CompareNumberDescending)
                                    : (ascending ? CompareTextAscending : CompareTextDescending);
    list_->SortItems(compare, 0);
}

int CALLBACK CSortClass::CompareTextAscending(LPARAM a, LPARAM b, LPARAM)
{
    return CompareNamesIgnoringCase(Text(a).text, Text(b).text);
}

int CALLBACK CSortClass::CompareTextDescending(LPARAM a, LPARAM b, LPARAM)
{
    return CompareNamesIgnoringCase(Text(b).text, Text(a).text);
}

int CALLBACK CSortClass::CompareNumberAscending(LPARAM a, LPARAM b, LPARAM)
{
    return CompareNumbers(Number(a), Number(b));
}

int CALLBACK CSortClass::CompareNumberDescending(LPARAM a, LPARAM b, LPARAM)
{
    return CompareNumbers(Number(b), Number(a));
}
