// The test folders on POSIX systems.
#include "support/TempFolder.h"

#include "platform/Environment.h"

#ifdef __linux__
#include <linux/capability.h>
#include <sys/syscall.h>
#endif
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

TempFolder::TempFolder()
{
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/reelmark-test-XXXXXX";
    path_ = mkdtemp(&pattern[0]) ? pattern : std::string();
}

TempFolder::~TempFolder()
{
    std::error_code error;
    // Folders a test made unreadable must be opened again to be removed.
    for (fs::recursive_directory_iterator it(path_, fs::directory_options::skip_permission_denied, error),
         end;
         it != end && !error; it.increment(error))
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, error);
    fs::remove_all(path_, error);
}

void TempFolder::MakeFolder(const std::string& relative) const
{
    std::error_code error;
    fs::create_directories(*this / relative, error);
}

void TempFolder::WriteFile(const std::string& relative, const std::string& bytes) const
{
    const fs::path path = *this / relative;
    std::error_code error;
    fs::create_directories(path.parent_path(), error);
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

std::string ReadFileBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return file ? std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>())
                : std::string();
}

bool PathExists(const std::string& path)
{
    std::error_code error;
    return fs::exists(fs::symlink_status(path, error));
}

std::vector<std::string> NamesInFolder(const std::string& folder)
{
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; it != end && !error; it.increment(error))
        names.push_back(it->path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

void SetReadOnly(const std::string& path, bool readOnly)
{
    std::error_code error;
    fs::permissions(path, fs::perms::owner_write, readOnly ? fs::perm_options::remove : fs::perm_options::add,
                    error);
}

void AgeFile(const std::string& path)
{
    std::error_code error;
    fs::last_write_time(path, fs::file_time_type::clock::now() - std::chrono::hours(1), error);
    ASSERT_FALSE(error) << path;
}

void SetLastWrite(const std::string& path, long long seconds, unsigned hundredNanoseconds)
{
    const struct timespec times[2] = {{0, UTIME_OMIT}, {static_cast<time_t>(seconds), hundredNanoseconds * 100L}};
    ASSERT_EQ(0, utimensat(AT_FDCWD, path.c_str(), times, 0)) << path;
}

bool MakeLink(const std::string& link, const std::string& target)
{
    return ::symlink(target.c_str(), link.c_str()) == 0;
}

bool SwapForLink(const std::string& folder, const std::string& aside, const std::string& target)
{
    return ::rename(folder.c_str(), aside.c_str()) == 0 && ::symlink(target.c_str(), folder.c_str()) == 0;
}

// Junctions are Windows' own.
bool MakeJunction(const std::string&, const std::string&)
{
    return false;
}

bool MakeFifo(const std::string& path)
{
    return ::mkfifo(path.c_str(), 0644) == 0;
}

namespace {

#ifdef __linux__
// The two capabilities that let root read past a folder's permissions.
const unsigned int kReadPastPermissions = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);

bool SetEffectiveCapabilities(unsigned int clear, unsigned int set, unsigned int* before)
{
    __user_cap_header_struct header = {_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2] = {};
    if (syscall(SYS_capget, &header, data) != 0)
        return false;
    if (before)
        *before = data[0].effective;
    data[0].effective = (data[0].effective & ~clear) | set;
    return syscall(SYS_capset, &header, data) == 0;
}
#else
// Elsewhere a test run as root cannot be kept from reading.
const unsigned int kReadPastPermissions = 0;

bool SetEffectiveCapabilities(unsigned int, unsigned int, unsigned int*)
{
    return geteuid() != 0;
}
#endif

}  // namespace

ReadingDenied::ReadingDenied(const std::string& folder) : folder_(folder)
{
    std::error_code error;
    fs::permissions(folder_, fs::perms::none, error);
    denied_ = !error && SetEffectiveCapabilities(kReadPastPermissions, 0, &savedEffective_);
}

ReadingDenied::~ReadingDenied()
{
    SetEffectiveCapabilities(0, savedEffective_ & kReadPastPermissions, nullptr);
    std::error_code error;
    fs::permissions(folder_, fs::perms::owner_all, error);
}

CurrentDirectoryScope::CurrentDirectoryScope(const std::string& folder)
{
    previous_ = fs::current_path().string();
    fs::current_path(folder);
}

CurrentDirectoryScope::~CurrentDirectoryScope()
{
    std::error_code error;
    fs::current_path(previous_, error);
}

MemoryTempScope::MemoryTempScope()
    : scope_("TMPDIR", access("/dev/shm", W_OK) == 0 ? "/dev/shm" : EnvironmentValue("TMPDIR"))
{
}
