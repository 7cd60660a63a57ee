#include "core/copy/CopyRowCheck.h"

#include "core/copy/SizeTexts.h"
#include "core/folders/MovieScanner.h"

std::string CollapseDoubleBackslashes(const std::string& path)
{
    const size_t start = path.compare(0, 2, "\\\\") == 0 ? 2 : 0;
    std::string result = path.substr(0, start);
    for (size_t i = start; i < path.size(); ++i) {
        result += path[i];
        if (path[i] == '\\' && i + 1 < path.size() && path[i + 1] == '\\')
            ++i;
    }
    return result;
}

std::string CopyDestinationOf(const std::string& targetFolder, const std::string& source)
{
    return CollapseDoubleBackslashes(AddTrailingSeparator(targetFolder) + FileNameOf(source, true));
}

CopyRowCheck CheckCopyRow(const std::string& source, const std::string& destination,
                          const FolderIndex& target, bool overwrite)
{
    if (!IsFolderOnDrive(VolumeRootOf(source)) || !IsFolderOnDrive(VolumeRootOf(destination)))
        return {CopyRowState::Blocked, "Illegal source or destination volume in copy list."};
    if (destination == source)
        return {CopyRowState::Blocked, "Duplicate source and destination in copy list."};
    if (!FileExists(source))
        return {CopyRowState::Blocked, "Cannot find source file in copy list."};
    const FolderEntry* existing = target.Find(FileNameOf(destination, true));
    if (existing && !existing->isFolder)
        return {overwrite ? CopyRowState::Overwrite : CopyRowState::Skip, std::string()};
    return {CopyRowState::Ready, std::string()};
}

CopyRowColours ColoursOf(CopyRowState state)
{
    switch (state) {
        case CopyRowState::Blocked:
            return {RgbValue(204, 10, 10), RgbValue(255, 255, 255)};
        case CopyRowState::Skip:
            return {RgbValue(225, 225, 51), RgbValue(0, 0, 0)};
        case CopyRowState::Overwrite:
            return {RgbValue(210, 210, 210), RgbValue(0, 0, 0)};
        case CopyRowState::Ready:
            break;
    }
    return {RgbValue(255, 255, 255), RgbValue(0, 0, 0)};
}
