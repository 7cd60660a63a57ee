#pragma once
// The program's environment variables.
#include <string>

// The variable's value as UTF-8; empty when it is not set.
std::string EnvironmentValue(const std::string& name);
