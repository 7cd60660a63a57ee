/* Prints the version resource of a Windows program, as Explorer's Properties
   page shows it: one "Name=value" line each for the numeric file version
   and the texts of the first language the resource holds.
   Usage: version-info PROGRAM.exe      Exit code 1 without a version resource. */
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>

int main(int argc, char** argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: version-info PROGRAM.exe\n");
        return 2;
    }
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeA(argv[1], &ignored);
    char* info = size ? malloc(size) : NULL;
    if (!info || !GetFileVersionInfoA(argv[1], 0, size, info)) {
        fprintf(stderr, "version-info: %s has no version resource\n", argv[1]);
        return 1;
    }
    VS_FIXEDFILEINFO* fixed = NULL;
    UINT length = 0;
    if (VerQueryValueA(info, "\\", (void**)&fixed, &length) && fixed) {
        printf("FileVersionNumber=%lu.%lu.%lu.%lu\n", fixed->dwFileVersionMS >> 16,
               fixed->dwFileVersionMS & 0xFFFF, fixed->dwFileVersionLS >> 16,
               fixed->dwFileVersionLS & 0xFFFF);
    }
    struct {
        WORD language;
        WORD codePage;
    }* translation = NULL;
    if (!VerQueryValueA(info, "\\VarFileInfo\\Translation", (void**)&translation, &length) || length < 4) {
        fprintf(stderr, "version-info: %s has no language in its version resource\n", argv[1]);
        return 1;
    }
    static const char* const names[] = {"CompanyName",    "FileDescription", "FileVersion",
                                        "LegalCopyright", "ProductName",     "ProductVersion"};
    for (size_t i = 0; i < sizeof(names) / sizeof(names[0]); ++i) {
        char query[128];
        char* value = NULL;
        snprintf(query, sizeof(query), "\\StringFileInfo\\%04x%04x\\%s", translation->language,
                 translation->codePage, names[i]);
        if (VerQueryValueA(info, query, (void**)&value, &length) && value)
            printf("%s=%s\n", names[i], value);
    }
    free(info);
    return 0;
}
