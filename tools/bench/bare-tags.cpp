// Baseline for scripts/benchmark.sh: reads the tags of every .m4v file in
// FOLDER with TagLib alone (its own file stream, no properties), and
// prints how many items they held. Usage: bare-tags FOLDER
#include <cstdio>
#include <filesystem>

#include <mp4file.h>

int main(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    unsigned long items = 0;
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::u8path(argv[1]))) {
        if (entry.path().extension() != ".m4v")
            continue;
        TagLib::MP4::File file(entry.path().c_str(), false);
        if (file.isValid() && file.tag())
            items += file.tag()->itemMap().size();
    }
    std::printf("%lu items\n", items);
    return 0;
}
