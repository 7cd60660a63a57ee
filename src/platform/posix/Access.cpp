#include "platform/Access.h"

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <unistd.h>

#include <sys/stat.h>

#include "platform/Paths.h"
#include "platform/Text.h"

namespace {

std::string UserName(uid_t user)
{
    const passwd* entry = getpwuid(user);
    return entry ? entry->pw_name : FormatText("%u", static_cast<unsigned>(user));
}

std::string GroupName(gid_t group)
{
    const struct group* entry = getgrgid(group);
    return entry ? entry->gr_name : FormatText("%u", static_cast<unsigned>(group));
}

// "drwxr-x---", as ls shows it.
std::string ModeText(mode_t mode)
{
    std::string text = S_ISDIR(mode) ? "d" : "-";
    const char letters[] = "rwxrwxrwx";
    for (int bit = 0; bit < 9; ++bit)
        text += (mode & (0400 >> bit)) ? letters[bit] : '-';
    return text;
}

// what: what the user may not do to the folder ("enter"); let: what the
// user should be let do there ("enter it").
std::string Refusal(const std::string& folder, const char* what, const char* let, const struct stat& info)
{
    const std::string user = UserName(geteuid());
    const std::string owner = UserName(info.st_uid);
    return FormatText(
        "The program runs as the user %s, who may not %s the folder %s (owner %s, group %s, %s): run it as "
        "%s, "
        "or let %s %s (for the service: User= and Group=, see SERVICE in man reelmark-cli).",
        user.c_str(), what, folder.c_str(), owner.c_str(), GroupName(info.st_gid).c_str(),
        ModeText(info.st_mode).c_str(), owner.c_str(), user.c_str(), let);
}

}  // namespace

std::string AccessRefusal(const std::string& path, bool writing)
{
    struct stat info = {};
    const bool isFolder = stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
    const std::string folder = isFolder ? StripTrailingSeparator(path) : ParentFolderOf(path);
    // Each folder from the root down must let the user through.
    for (size_t end = folder.find(kSeparator, 1);; end = folder.find(kSeparator, end + 1)) {
        const std::string above = folder.substr(0, end);
        if (stat(above.c_str(), &info) != 0)
            return std::string();
        if (faccessat(AT_FDCWD, above.c_str(), X_OK, AT_EACCESS) != 0)
            return Refusal(above, "enter", "enter it", info);
        if (end == std::string::npos)
            break;
    }
    if (faccessat(AT_FDCWD, folder.c_str(), writing ? W_OK : R_OK, AT_EACCESS) != 0)
        return writing ? Refusal(folder, "write in", "write there", info)
                       : Refusal(folder, "read", "read it", info);
    return std::string();
}
