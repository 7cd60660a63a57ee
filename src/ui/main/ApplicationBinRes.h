#pragma once
// Resources that the program carries as raw bytes (custom type "BIN") and
// writes out as files: the help document and the help viewer.
#include <string>

// Resource ids of the two help files (res/help.rc).
constexpr int kIdrChmBin = 170;     // the help document "Reelmark.chm", IDR_CHM_BIN
constexpr int kIdrHhfExeBin = 180;  // the help viewer "hh.exe", IDR_HHF_EXE_BIN

enum class ExtractResult {
    Written,          // the file now holds exactly the resource's bytes
    ResourceMissing,  // the program has no such resource; nothing was touched
    WriteFailed,      // the file could not be written; it stays as it was
};

class ApplicationBinRes {
public:
    virtual ~ApplicationBinRes() = default;

    // Writes the resource with the type name and numeric id from the
    // program's own module to path, byte for byte. The bytes go to a
    // temporary file beside it that then takes the file's place, so a failure
    // never leaves a half-written file; on WriteFailed *error (when given)
    // holds the system's error code. A file that already holds exactly these
    // bytes is left alone, so a viewer still running from an earlier start
    // does not count as a failure.
    static ExtractResult ExtractBinResource(const std::string& type, int id, const std::string& path,
                                            unsigned long* error = nullptr);
};
