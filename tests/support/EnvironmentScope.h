#pragma once
// Sets an environment variable of the test process for a scope, and puts
// back what it was.
#include <string>

class EnvironmentScope {
public:
    // An empty value unsets the variable.
    EnvironmentScope(std::string name, const std::string& value);
    ~EnvironmentScope();
    EnvironmentScope(const EnvironmentScope&) = delete;
    EnvironmentScope& operator=(const EnvironmentScope&) = delete;

private:
    std::string name_;
    std::string previous_;
};
