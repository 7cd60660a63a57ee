#pragma once
// Pieces of JSON documents that the command-line program prints for
// scripts: strings escaped as JSON wants them. Text is UTF-8. A name on a
// disk need not be (a file name in Windows-1252 on a Linux server): each
// byte that starts no well-formed UTF-8 sequence is kept as the escape of
// the lone surrogate U+DC00 plus the byte ("\udce9" for 0xE9), as Python's
// "surrogateescape" keeps it, so that a script gets the name back byte for
// byte (json.loads, then .encode("utf-8", "surrogateescape")) and can find
// the file.
#include <string>

// The text as a JSON string, quotes included.
std::string JsonString(const std::string& text);
