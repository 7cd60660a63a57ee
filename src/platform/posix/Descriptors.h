#pragma once
// What the POSIX files of the platform share: writes on open descriptors.
#include <cstddef>
#include <string>

// Writes every byte; false when the system took fewer (errno says why, if
// it said; how many it took in *written, when given).
bool WriteAll(int descriptor, const std::string& bytes, size_t* written = nullptr);
