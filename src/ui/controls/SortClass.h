#pragma once
// Sorts the rows of a report-view list by the text of one column, as text
// (case-insensitive) or as whole numbers, with the list view's own sort.
// The list view compares item data, so while the object lives every row's
// item data is a sort record carrying the key and the row's own item data;
// the destructor puts the rows' own item data back. Use it as a short-lived
// local object: nothing else may read the rows' item data meanwhile.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "ui/framework/Controls.h"

// Text key of one row.
class CSortItem {
public:
    CSortItem(const std::string& text, DWORD_PTR itemData) : text(text), itemData(itemData) {}
    virtual ~CSortItem() = default;

    std::string text;
    DWORD_PTR itemData;
};

// Numeric key of one row.
struct SortNumberItem {
    int value;
    DWORD_PTR itemData;
};

class CSortClass {
public:
    // Replaces every row's item data by its sort record.
    CSortClass(CListCtrl* list, int column, bool numeric);
    // Restores every row's own item data.
    virtual ~CSortClass();
    CSortClass(const CSortClass&) = delete;
    CSortClass& operator=(const CSortClass&) = delete;

    void Sort(bool ascending);

private:
    static int CALLBACK CompareTextAscending(LPARAM a, LPARAM b, LPARAM);
    static int CALLBACK CompareTextDescending(LPARAM a, LPARAM b, LPARAM);
    static int CALLBACK CompareNumberAscending(LPARAM a, LPARAM b, LPARAM);
    static int CALLBACK CompareNumberDescending(LPARAM a, LPARAM b, LPARAM);

    int column_;
    CListCtrl* list_;
    bool numeric_;
    std::vector<std::unique_ptr<CSortItem>> textItems_;
    std::vector<std::unique_ptr<SortNumberItem>> numberItems_;
};
