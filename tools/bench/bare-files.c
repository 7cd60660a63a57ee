/* Baselines for scripts/benchmark.sh: the bare file work of a metadata run,
   with nothing else around it.
     bare-files create FOLDER     every movie gets its ".txt": an existence
                                  test, then CreateFile and WriteFile
     bare-files overwrite FOLDER  every movie's ".txt" written over in place
     bare-files log FOLDER LOG    the log lines a run that skips every movie
                                  writes, to standard output and LOG
     bare-files read FOLDER       every ".txt" of FOLDER and the folders below
                                  read whole: what showing what pyTivo
                                  reads cannot do without
   Movies are the names ending in ".mpg" of one listing of FOLDER. */
#include <windows.h>

#include <stdio.h>
#include <string.h>
#include <wchar.h>

static const char kText[] =
    "title : Movie\r\nseriesTitle : Movie\r\nepisodeTitle : \r\nseriesId : MV991234\r\nmovieYear : 2012\r\n"
    "description : A benchmark\r\nisEpisode : false\r\nmpaaRating : R4\r\nstarRating : x5\r\n";

static void WriteText(HANDLE file)
{
    DWORD written = 0;
    WriteFile(file, kText, sizeof(kText) - 1, &written, NULL);
}

/* Reads every ".txt" below the folder; the number read. */
static int ReadBelow(const wchar_t* folder)
{
    wchar_t pattern[MAX_PATH * 2];
    swprintf(pattern, MAX_PATH * 2, L"%ls\\*", folder);
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(pattern, &data);
    int count = 0;
    if (find == INVALID_HANDLE_VALUE)
        return 0;
    do {
        wchar_t path[MAX_PATH * 2];
        const size_t length = wcslen(data.cFileName);
        if (data.cFileName[0] == L'.')
            continue;
        swprintf(path, MAX_PATH * 2, L"%ls\\%ls", folder, data.cFileName);
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            count += ReadBelow(path);
        } else if (length > 4 && wcscmp(data.cFileName + length - 4, L".txt") == 0) {
            char bytes[4096];
            DWORD read = 0;
            HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
            ReadFile(file, bytes, sizeof(bytes), &read, NULL);
            CloseHandle(file);
            ++count;
        }
    } while (FindNextFileW(find, &data));
    FindClose(find);
    return count;
}

int wmain(int argc, wchar_t** argv)
{
    if (argc < 3)
        return 2;
    if (wcscmp(argv[1], L"read") == 0) {
        fprintf(stderr, "%d files read\n", ReadBelow(argv[2]));
        return 0;
    }
    const wchar_t* mode = argv[1];
    wchar_t pattern[MAX_PATH * 2];
    swprintf(pattern, MAX_PATH * 2, L"%ls\\*.mpg", argv[2]);
    HANDLE log = INVALID_HANDLE_VALUE;
    if (wcscmp(mode, L"log") == 0 && argc > 3)
        log = CreateFileW(argv[3], FILE_APPEND_DATA, FILE_SHARE_READ, NULL, OPEN_ALWAYS, 0, NULL);
    static char out[1 << 16];
    setvbuf(stdout, out, _IOFBF, sizeof(out));
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(pattern, &data);
    int count = 0;
    if (find != INVALID_HANDLE_VALUE) {
        do {
            wchar_t path[MAX_PATH * 2];
            swprintf(path, MAX_PATH * 2, L"%ls\\%ls.txt", argv[2], data.cFileName);
            ++count;
            if (wcscmp(mode, L"create") == 0) {
                if (GetFileAttributesW(path) != INVALID_FILE_ATTRIBUTES)
                    continue;
                HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, NULL, CREATE_NEW, 0, NULL);
                WriteText(file);
                CloseHandle(file);
            } else if (wcscmp(mode, L"overwrite") == 0) {
                HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, NULL, TRUNCATE_EXISTING, 0, NULL);
                WriteText(file);
                CloseHandle(file);
            } else {
                char line[MAX_PATH * 4];
                int length = snprintf(line, sizeof(line),
                                      "Mon Dec  7,2026 12:00:00: File already exists! Skipping metadata file "
                                      "%d: %ls.txt\r\n",
                                      count, path);
                fwrite(line, 1, length - 2, stdout);
                fputc('\n', stdout);
                DWORD written = 0;
                WriteFile(log, line, (DWORD)length, &written, NULL);
            }
        } while (FindNextFileW(find, &data));
        FindClose(find);
    }
    fflush(stdout);
    if (log != INVALID_HANDLE_VALUE)
        CloseHandle(log);
    fprintf(stderr, "%d movies\n", count);
    return 0;
}
