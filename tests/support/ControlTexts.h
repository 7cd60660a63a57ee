#pragma once
// The texts controls show, read the way the program reads them (wide
// messages, UTF-8 back), so that tests see every script as it is shown.
#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

// The caption of a tree item.
std::string TreeItemText(HWND tree, HTREEITEM item);
// The caption of the selected tree item; "(none)" without a selection.
std::string SelectedTreeText(HWND tree);
// The entries of a list box, in order.
std::vector<std::string> ListBoxTexts(HWND list);
// The rows of a report list view, their cells joined by " | ".
std::vector<std::string> ListViewRows(HWND list, int columns);
