#include "core/FExeption.h"

#include <utility>

#include "core/TextFile.h"

CFExeption::CFExeption(std::string text) : text_(std::move(text)), code_(0) {}

CFExeption::CFExeption(unsigned long code) : text_(SystemErrorText(code)), code_(code) {}

CFExeption::CFExeption(std::string text, unsigned long code) : text_(std::move(text)), code_(code) {}
