#pragma once
// What a file holds, in a few bytes: the SHA-256 of its bytes. A file that
// is still exactly what a run wrote has the hash the run wrote down, so the
// program can prove a file its own before it puts back or removes it.
#include <string>

// The SHA-256 of the bytes as 64 lower-case hexadecimal digits (from the
// system's own hash on Windows, Nettle elsewhere).
std::string ContentHash(const std::string& bytes);
