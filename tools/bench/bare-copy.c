/* Baseline for scripts/benchmark.sh: the bare file work of a copy run.
     bare-copy files SOURCE TARGET  every file of one listing of SOURCE
                                    copied into the folder TARGET with
                                    CopyFileW, never over an existing file
     bare-copy file SOURCE TARGET   one file copied with CopyFileW */
#include <windows.h>

#include <stdio.h>
#include <wchar.h>

int wmain(int argc, wchar_t** argv)
{
    if (argc < 4)
        return 2;
    if (wcscmp(argv[1], L"file") == 0)
        return CopyFileW(argv[2], argv[3], TRUE) ? 0 : 1;
    wchar_t pattern[MAX_PATH * 2];
    swprintf(pattern, MAX_PATH * 2, L"%ls\\*", argv[2]);
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(pattern, &data);
    int count = 0;
    int failed = 0;
    if (find != INVALID_HANDLE_VALUE) {
        do {
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                continue;
            wchar_t from[MAX_PATH * 2];
            wchar_t to[MAX_PATH * 2];
            swprintf(from, MAX_PATH * 2, L"%ls\\%ls", argv[2], data.cFileName);
            swprintf(to, MAX_PATH * 2, L"%ls\\%ls", argv[3], data.cFileName);
            ++count;
            failed += !CopyFileW(from, to, TRUE);
        } while (FindNextFileW(find, &data));
        FindClose(find);
    }
    fprintf(stderr, "%d files, %d failed\n", count, failed);
    return failed ? 1 : 0;
}
