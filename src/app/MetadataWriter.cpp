#include "app/MetadataWriter.h"

#include <windows.h>

#include "browse/TextFile.h"

std::string MetadataPathOf(const std::string& moviePath)
{
    return moviePath + ".txt";
}

bool WriteMetadataFile(const std::string& moviePath, const std::string& text, unsigned long* error)
{
    const std::string path = MetadataPathOf(moviePath);
    // A read-only metadata file is the user's way of keeping it: replacing
    // the file whole would get past the attribute on some systems, so it is
    // refused here as an open for writing would be.
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
        if (error)
            *error = ERROR_ACCESS_DENIED;
        return false;
    }
    return WriteTextFileAtomically(path, text, error);
}
