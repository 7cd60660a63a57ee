#pragma once
// The words and characters of movie file names that the name reader
// (core/NameParser.h) sets apart: quality and release tags, where a title
// ends, and the characters that show nothing, which are no part of a title.
#include <string>

// Quality, source and codec marks, in any letter case ("720p", "x264",
// "WEB-DL"): where one stands, the title has ended. Brackets around and a
// release group after a dash ("x264-GROUP", "[WEBDL-1080p]") belong to it.
bool IsQualityTag(const std::string& token);

// Release marks that scene names write in capitals only ("PROPER",
// "REPACK"); in other letters they are ordinary words of a title ("The
// Web", "Real Steel").
bool IsReleaseTag(const std::string& token);

// The name as a title is read from it: without the characters that show
// nothing but may turn a title round or hide in it (control characters,
// the soft hyphen, zero-width spaces, marks and overrides of writing
// direction, word joiners, byte-order marks; the zero-width joiners stay,
// as scripts and emoji need them), with no-break and typographic spaces as
// spaces, trimmed.
std::string TitleTextOf(const std::string& name);
