#include "core/metadata/MetadataWriter.h"

#include "core/files/TextFile.h"
#include "platform/Paths.h"

std::string MetadataPathOf(const std::string& moviePath)
{
    return moviePath + ".txt";
}

std::string MetaFolderPathOf(const std::string& moviePath)
{
    return ParentFolderOf(moviePath) + kSeparator + kMetaFolderName + kSeparator + FileNameOf(moviePath, true) +
           ".txt";
}

bool WriteMetadataFile(const std::string& moviePath, const std::string& text, SystemError* error)
{
    return WriteTextFileAtomically(MetadataPathOf(moviePath), text, error);
}
