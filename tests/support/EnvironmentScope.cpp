#include "support/EnvironmentScope.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cstdlib>
#endif

#include "platform/Environment.h"
#include "platform/Text.h"

namespace {

void SetVariable(const std::string& name, const std::string& value)
{
#ifdef _WIN32
    SetEnvironmentVariableW(Widen(name).c_str(), value.empty() ? nullptr : Widen(value).c_str());
#else
    if (value.empty())
        unsetenv(name.c_str());
    else
        setenv(name.c_str(), value.c_str(), 1);
#endif
}

}  // namespace

EnvironmentScope::EnvironmentScope(std::string name, const std::string& value)
    : name_(std::move(name)), previous_(EnvironmentValue(name_))
{
    SetVariable(name_, value);
}

EnvironmentScope::~EnvironmentScope()
{
    SetVariable(name_, previous_);
}
