#include "core/copy/FExeption.h"

#include <utility>

CFExeption::CFExeption(std::string text) : text_(std::move(text)), code_(0) {}

CFExeption::CFExeption(SystemError code) : text_(SystemErrorText(code)), code_(code) {}

CFExeption::CFExeption(std::string text, SystemError code) : text_(std::move(text)), code_(code) {}
