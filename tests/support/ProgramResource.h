#pragma once
// The resources that test programs carry (the program's own resource script).
#include <gtest/gtest.h>
#include <string>

// The bytes of a resource of this program.
std::string ProgramResource(int id, const char* type = "BIN");
// The file holds exactly the BIN resource; compared without printing the
// bytes, which are binary and large.
::testing::AssertionResult FileHoldsResource(const std::string& path, int id);
