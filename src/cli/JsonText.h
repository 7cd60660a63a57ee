#pragma once
// Pieces of JSON documents that the command-line program prints for
// scripts: strings escaped as JSON wants them. Text is UTF-8; a byte that is
// no UTF-8 becomes U+FFFD, so that the document is always valid.
#include <string>

// The text as a JSON string, quotes included.
std::string JsonString(const std::string& text);
