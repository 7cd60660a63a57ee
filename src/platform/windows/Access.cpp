#include "platform/Access.h"

// Windows decides by access control lists that a folder's permissions alone
// do not tell; its own text of the refusal stands.
std::string AccessRefusal(const std::string&, bool)
{
    return std::string();
}
