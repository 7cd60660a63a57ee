// The "Copy of" rule: the next name keeps the folder, is another name, and
// names made one after the other never repeat.
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>

#include "core/copy/CopyName.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    const std::string path(reinterpret_cast<const char*>(bytes), size);
    const std::string folder = path.substr(0, FileNameStart(path));
    std::set<std::string> seen = {path};
    std::string name = path;
    for (int i = 0; i < 4; ++i) {
        name = MakeCopyName(name);
        if (name.compare(0, folder.size(), folder) != 0 || name.compare(folder.size(), 5, "Copy ") != 0 ||
            !seen.insert(name).second)
            std::abort();
    }
    return 0;
}
