#pragma once
// The input of a fuzz target: its bytes as given, or put together from the
// pieces of the format it reads and short random runs, so that the runs
// reach past the parser into what reads the parsed document.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <string>

template <size_t N>
std::string BytesOrPieces(FuzzedDataProvider& data, const char* const (&pieces)[N])
{
    if (data.ConsumeBool())
        return data.ConsumeRemainingBytesAsString();
    std::string text;
    while (data.remaining_bytes() > 0) {
        if (data.ConsumeBool())
            text += pieces[data.ConsumeIntegralInRange<size_t>(0, N - 1)];
        else
            text += data.ConsumeRandomLengthString(8);
    }
    return text;
}
