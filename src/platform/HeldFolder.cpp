#include "platform/HeldFolder.h"

#include "platform/Paths.h"

SystemError HeldFolder::OpenOrMakeIn(const HeldFolder& parent, const std::string& name)
{
    SystemError code = OpenIn(parent, name);
    if (code != kErrorFileNotFound)
        return code;  // held, or a file, a link or unreadable
    code = MakeIn(parent, name, false, Hold::Shared);
    if (!IsNameTaken(code))
        return code;
    // Made by another program meanwhile, or a name that can be neither
    // opened nor made: a link that leads nowhere.
    code = OpenIn(parent, name);
    return code == kErrorFileNotFound ? kErrorLink : code;
}

SystemError HeldFolderChain::OpenChosen(const std::string& folder)
{
    held_.clear();
    names_.clear();
    failedAt_.clear();
    held_.push_back(std::make_unique<HeldFolder>());
    const SystemError code = held_.back()->OpenChosen(folder);
    if (code != 0)
        failedAt_ = folder;
    return code;
}

SystemError HeldFolderChain::Reach(const std::string& relative)
{
    failedAt_.clear();
    if (held_.empty() || !held_.front()->IsOpen())
        return kErrorFileNotFound;
    std::vector<std::string> names;
    for (size_t start = 0; start < relative.size();) {
        const size_t end = std::min(relative.find(kSeparator, start), relative.size());
        if (end > start)
            names.push_back(relative.substr(start, end - start));
        start = end + 1;
    }
    // The folders on the way that are held already stay held.
    size_t kept = 0;
    while (kept < names.size() && kept < names_.size() && names[kept] == names_[kept])
        ++kept;
    held_.resize(kept + 1);
    names_.resize(kept);
    for (size_t i = kept; i < names.size(); ++i) {
        auto next = std::make_unique<HeldFolder>();
        const SystemError code = next->OpenIn(*held_.back(), names[i]);
        if (code != 0) {
            failedAt_ = held_.back()->Path() + kSeparator + names[i];
            return code;
        }
        held_.push_back(std::move(next));
        names_.push_back(names[i]);
    }
    return 0;
}

SystemError NewFile::Create(const HeldFolder& folder, const std::string& name, const std::string& bytes, bool flush)
{
    SystemError code = Make(folder, name);
    if (code == 0 && (code = Write(bytes, flush)) != 0)
        Discard();
    return code;
}
