// A movie file of any bytes, read for its tags as MP4 or as ASF (the first
// byte chooses) through TagLib and mapped as pyTivo maps them: nothing
// fails, no more is read than a tag box may hold, and every key, value and
// problem is UTF-8 with the tags as its source.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

#include "core/pytivo/PyTivoTags.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "platform/Text.h"

namespace {

void Check(bool holds)
{
    if (!holds)
        std::abort();
}

const std::string& MoviePath()
{
    static const std::string path = FullPathOf("fuzz-tags-" + std::to_string(getpid()) + ".m4v");
    static const bool removed = [] {
        std::atexit([] { DeleteFileItself(path, false); });
        return true;
    }();
    (void)removed;
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    if (size == 0)
        return 0;
    const MovieContainer container = bytes[0] & 1 ? MovieContainer::Asf : MovieContainer::Mp4;
    std::ofstream(MoviePath(), std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bytes + 1), static_cast<std::streamsize>(size - 1));
    const MovieTags tags = ReadMovieTags(MoviePath(), container);
    Check(tags.head.size() <= 128 && tags.size == size - 1);
    const PyTivoTagReading reading = PyTivoTagValues(tags, container, MoviePath());
    const std::string source = TagSourceOf(MoviePath());
    for (const auto& [key, value] : reading.values) {
        Check(IsUtf8(key) && IsUtf8(value.text) && value.source == source);
        for (const PyTivoItem& item : value.items)
            Check(IsUtf8(item.text) && item.source == source);
    }
    for (const PyTivoProblem& problem : reading.problems)
        Check(IsUtf8(problem.why) && problem.path == source);
    Check(tags.outcome == MovieTags::Outcome::Read || reading.values.empty());
    return 0;
}
