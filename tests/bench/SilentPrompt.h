#pragma once
// A prompt for the benchmarks: every box answers OK at once, no picker or
// program opens.
#include <string>
#include <vector>

#include "ui/framework/Prompt.h"

class SilentPrompt : public Prompt {
public:
    int ShowMessage(HWND, const std::string&, const std::string&, UINT, int) override { return IDOK; }
    std::string BrowseForFolder(HWND, const std::string&, const std::string&, UINT) override { return {}; }
    bool PickFiles(const FileDialogRequest&, std::vector<std::string>&) override { return false; }
    bool Launch(const LaunchRequest&) override { return false; }
};
