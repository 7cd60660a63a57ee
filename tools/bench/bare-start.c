/* Baseline for scripts/benchmark.sh: a console program that prints one line
   and ends, to set reelmark-cli's start-up beside. */
#include <stdio.h>

int wmain(void)
{
    puts("bare-start 1.0");
    return 0;
}
