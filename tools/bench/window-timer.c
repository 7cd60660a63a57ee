/* Times a program's window for scripts/benchmark.sh: starts the program,
   waits until its window (title starting with TITLE) shows COUNT entries in
   its list box 1001, prints how long that took, the peak memory, when the
   window first answered (a message sent to it returned within 100 ms) and
   the longest time between two answers after that, and closes the window. With --generate it then presses Generate (command
   1008) and checks every 100 ms whether the window answers, until the
   summary box appears.
   Usage: window-timer TITLE COUNT [--generate] PROGRAM [ARGS...] */
#include <windows.h>

#include <psapi.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

struct Search {
    DWORD process;
    const char* title;
    HWND found;
};

static BOOL CALLBACK Match(HWND window, LPARAM lp)
{
    struct Search* search = (struct Search*)lp;
    DWORD process = 0;
    char title[256] = "";
    GetWindowThreadProcessId(window, &process);
    GetWindowTextA(window, title, sizeof(title));
    if (process == search->process && IsWindowVisible(window) &&
        strncmp(title, search->title, strlen(search->title)) == 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

static HWND FindOf(DWORD process, const char* title)
{
    struct Search search = {process, title, NULL};
    EnumWindows(Match, (LPARAM)&search);
    return search.found;
}

int main(int argc, char** argv)
{
    int first = 3;
    const int generate = argc > 3 && strcmp(argv[3], "--generate") == 0;
    if (generate)
        ++first;
    if (argc <= first) {
        fprintf(stderr, "usage: window-timer TITLE COUNT [--generate] PROGRAM [ARGS...]\n");
        return 2;
    }
    const long count = atol(argv[2]);
    char command[32768] = "";
    for (int i = first; i < argc; ++i) {
        strcat(command, "\"");
        strcat(command, argv[i]);
        strcat(command, "\" ");
    }
    STARTUPINFOA startup = {sizeof(startup)};
    PROCESS_INFORMATION started;
    const DWORD start = GetTickCount();
    if (!CreateProcessA(NULL, command, NULL, NULL, FALSE, 0, NULL, NULL, &startup, &started))
        return 3;
    HWND window = NULL;
    DWORD answered = 0, lastAnswer = 0, longestWait = 0;
    while (GetTickCount() - start < 900000) {
        if (!window)
            window = FindOf(started.dwProcessId, argv[1]);
        if (window) {
            /* Asked with a timeout, as the count: a window that does not
               answer holds no sample up. */
            DWORD_PTR result = 0, entries = 0;
            const BOOL answers = SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 100, &result) != 0;
            const DWORD now = GetTickCount() - start;
            if (answers) {
                if (!answered)
                    answered = now;
                if (lastAnswer && now - lastAnswer > longestWait)
                    longestWait = now - lastAnswer;
                lastAnswer = now;
            }
            if (SendMessageTimeoutA(GetDlgItem(window, 1001), LB_GETCOUNT, 0, 0, SMTO_NORMAL, 100, &entries) &&
                (long)entries >= count)
                break;
        }
        Sleep(5);
    }
    const DWORD filled = GetTickCount() - start;
    PROCESS_MEMORY_COUNTERS memory = {sizeof(memory)};
    GetProcessMemoryInfo(started.hProcess, &memory, sizeof(memory));
    printf("fill_ms %lu peak_mb %.1f answer_ms %lu longest_wait_ms %lu", (unsigned long)filled,
           memory.PeakWorkingSetSize / 1048576.0, (unsigned long)(answered ? answered : filled),
           (unsigned long)longestWait);
    if (generate && window) {
        PostMessageA(window, WM_COMMAND, MAKEWPARAM(1008, 0), 0);
        int samples = 0, unanswered = 0;
        DWORD stretch = 0, longest = 0, last = GetTickCount();
        HWND box = NULL;
        while (!box) {
            DWORD_PTR result = 0;
            const DWORD asked = GetTickCount();
            const BOOL answered = SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 100, &result) != 0;
            ++samples;
            if (!answered) {
                ++unanswered;
                stretch += GetTickCount() - last;
                if (stretch > longest)
                    longest = stretch;
            } else {
                stretch = 0;
            }
            last = GetTickCount();
            box = FindOf(started.dwProcessId, "Create Meta Files");
            const DWORD spent = GetTickCount() - asked;
            if (spent < 100)
                Sleep(100 - spent);
        }
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        printf(" samples %d unanswered %d longest_ms %lu", samples, unanswered, (unsigned long)longest);
        Sleep(500);
    }
    printf("\n");
    if (window)
        PostMessageA(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(started.hProcess, 60000) != WAIT_OBJECT_0)
        TerminateProcess(started.hProcess, 9);
    return 0;
}
