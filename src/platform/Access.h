#pragma once
// Why the system refused the program a folder, in words an administrator
// can act on: which user the program runs as, and which folder on the way
// that user may not enter, or may not write in or read.
#include <string>

// For a refusal (access denied) at the path: the user and the first folder
// from the root down that the user may not enter, else the path's own
// folder (the path itself when it is one) that the user may not write in
// (writing) or read, with its owner and permissions, and what to do. Empty
// where the system cannot tell (Windows), or nothing on the way refuses
// the user (the refusal has another cause).
std::string AccessRefusal(const std::string& path, bool writing);
