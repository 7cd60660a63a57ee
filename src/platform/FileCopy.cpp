#include "platform/FileCopy.h"

#include "platform/FileSystem.h"
#include "platform/Text.h"

PathKind ClassifyPath(const std::string& path, SystemError* error, bool* readOnly)
{
    const PathInfo info = InspectPath(path);
    if (!info.exists) {
        if (IsNotFound(info.error))
            return PathKind::Missing;
        if (error)
            *error = info.error;
        return PathKind::Unreadable;
    }
    if (readOnly)
        *readOnly = info.readOnly;
    return info.isFolder ? PathKind::Folder : PathKind::File;
}

bool NameLess::operator()(const std::string& a, const std::string& b) const
{
    return CompareFileNames(a, b) < 0;
}

int64_t GetFileSize64(const std::string& path)
{
    unsigned long long size = 0;
    return CanReadFile(path, &size) ? static_cast<int64_t>(size) : -1;
}
