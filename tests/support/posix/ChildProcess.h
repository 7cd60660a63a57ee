#pragma once
// A test's body run in a child process of its own, for what a test process
// must not do to itself: run as another user, enter a user namespace of its
// own (where it may lower the system's limits or mount a small file system).
// The body reports through the text it returns; gtest's checks stay in the
// parent.
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sched.h>
#include <unistd.h>

#include <functional>
#include <string>
#include <sys/mount.h>
#include <sys/wait.h>

// What the body returns to say the test cannot be made here (the parent
// skips it), followed by why.
constexpr char kChildSkips[] = "SKIP: ";

// Runs body in a forked child and gives back what it returned (empty for
// success, by the tests' custom), or why the child did not end well.
inline std::string InChildProcess(const std::function<std::string()>& body)
{
    int pipe[2];
    if (::pipe(pipe) != 0)
        return "no pipe";
    const pid_t child = fork();
    if (child == 0) {
        ::close(pipe[0]);
        const std::string said = body();
        for (size_t done = 0; done < said.size();) {
            const ssize_t wrote = ::write(pipe[1], said.data() + done, said.size() - done);
            if (wrote <= 0)
                break;
            done += static_cast<size_t>(wrote);
        }
        _exit(0);
    }
    ::close(pipe[1]);
    std::string said;
    char buffer[4096];
    for (ssize_t got; (got = ::read(pipe[0], buffer, sizeof buffer)) > 0;)
        said.append(buffer, static_cast<size_t>(got));
    ::close(pipe[0]);
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return said + "\nthe child process did not end well";
    return said;
}

// In a child: from now on the user of that name, with its group and no
// other groups; false where the system refuses (not run as root).
inline bool BecomeUser(const char* name)
{
    const passwd* user = getpwnam(name);
    return user && setgroups(0, nullptr) == 0 && setresgid(user->pw_gid, user->pw_gid, user->pw_gid) == 0 &&
           setresuid(user->pw_uid, user->pw_uid, user->pw_uid) == 0;
}

// Writes the text over a file of the system's (/proc); false when refused.
inline bool WriteProcFile(const char* path, const std::string& text)
{
    const int file = ::open(path, O_WRONLY);
    const bool wrote =
        file >= 0 && ::write(file, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    if (file >= 0)
        ::close(file);
    return wrote;
}

// In a child: a user namespace of its own in which it is root (as unshare
// -U -r makes one), with withMounts a mount namespace too; false where the
// system allows none.
inline bool EnterOwnNamespace(bool withMounts)
{
    const uid_t uid = getuid();
    const gid_t gid = getgid();
    if (unshare(CLONE_NEWUSER | (withMounts ? CLONE_NEWNS : 0)) != 0)
        return false;
    return WriteProcFile("/proc/self/setgroups", "deny") &&
           WriteProcFile("/proc/self/uid_map", "0 " + std::to_string(uid) + " 1") &&
           WriteProcFile("/proc/self/gid_map", "0 " + std::to_string(gid) + " 1") &&
           (!withMounts || mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0);
}
