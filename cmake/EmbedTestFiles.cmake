# Writes OUTPUT, a C++ source that holds the bytes of the FILES (a list,
# separated by "|") for TestFileBytes (tests/support/TestFiles.h): the
# tests read the tagged movies of tests/data from their own program, which
# under Wine need not find the source tree.
string(REPLACE "|" ";" files "${FILES}")
set(text "// Made by cmake/EmbedTestFiles.cmake from tests/data; do not edit.\n")
string(APPEND text "#include \"support/TestFiles.h\"\n\n#include <map>\n\n")
string(APPEND text "std::string TestFileBytes(const std::string& name)\n{\n")
string(APPEND text "    static const std::map<std::string, std::string> files = {\n")
foreach(file ${files})
  get_filename_component(name ${file} NAME)
  file(READ ${file} hex HEX)
  file(SIZE ${file} size)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "\\\\x\\1" escaped "${hex}")
  string(APPEND text "        {\"${name}\", std::string(\"${escaped}\", ${size})},\n")
endforeach()
string(APPEND text "    };\n    const auto found = files.find(name);\n")
string(APPEND text "    return found == files.end() ? std::string() : found->second;\n}\n")
file(WRITE ${OUTPUT}.new "${text}")
file(COPY_FILE ${OUTPUT}.new ${OUTPUT} ONLY_IF_DIFFERENT)
