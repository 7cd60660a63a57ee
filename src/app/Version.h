#pragma once
// The program's version, shown in the main window's title, the about box
// and by reelmark-cli --version.

constexpr const char* kReelmarkVersion = "1.1.54.6197";
