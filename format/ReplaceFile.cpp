#include "format/ReplaceFile.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orbilunex {

namespace {

// As many links as the system itself follows before it gives up.
constexpr int kMostLinks = 40;

std::string folderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string failure(const std::string& path, const std::string& why)
{
    return "Failed to save " + path + ": " + why + ".";
}

// Follows path through symbolic links to the name the contents belong to.
// Sets `exists` and, when it does, `info`; false with errno set on an error.
bool resolveTarget(const std::string& path, std::string& target, bool& exists, struct stat& info)
{
    target = path;
    for (int links = 0;; ++links) {
        if (lstat(target.c_str(), &info) != 0) {
            exists = false;
            return errno == ENOENT;
        }
        exists = true;
        if (!S_ISLNK(info.st_mode)) return true;
        if (links == kMostLinks) {
            errno = ELOOP;
            return false;
        }
        std::vector<char> text(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 255) + 1);
        const ssize_t length = readlink(target.c_str(), text.data(), text.size());
        if (length < 0) return false;
        if (static_cast<std::size_t>(length) == text.size()) {
            errno = ENAMETOOLONG; // the link changed while it was read
            return false;
        }
        const std::string next(text.data(), static_cast<std::size_t>(length));
        target = next.empty() || next[0] == '/' ? next : folderOf(target) + "/" + next;
    }
}

// The permission bits a file created now would get.
mode_t newFileMode()
{
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

} // namespace

bool replaceFile(const std::string& path, const std::function<bool(std::ostream&)>& write,
                 std::string& error)
{
    std::string target;
    bool exists = false;
    struct stat info {};
    if (!resolveTarget(path, target, exists, info)) {
        error = failure(path, std::strerror(errno));
        return false;
    }
    if (exists && !S_ISREG(info.st_mode)) {
        error = failure(path, "it is not a regular file");
        return false;
    }
    // Renaming could replace a file its owner made read-only; writing to it
    // in place would be refused, and so is this.
    if (exists && access(target.c_str(), W_OK) != 0) {
        error = failure(path, std::strerror(errno));
        return false;
    }

    const std::size_t slash = target.rfind('/');
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    std::string pattern = folderOf(target) + "/." + name + ".XXXXXX";
    const int fd = mkstemp(pattern.data());
    if (fd < 0) {
        error = failure(path, std::strerror(errno));
        return false;
    }
    const std::string temporary = pattern;

    bool written = false;
    errno = 0;
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        written = out.is_open() && write(out);
        out.close();
        written = written && !out.fail();
    }
    int cause = errno;
    if (written) {
        // Another owner's file keeps its owner where the system lets us.
        if (exists && (info.st_uid != geteuid() || info.st_gid != getegid()) &&
            fchown(fd, info.st_uid, info.st_gid) != 0) {
            // Not fatal: the contents matter more than who owns them.
        }
        const mode_t mode = exists ? (info.st_mode & 07777) : newFileMode();
        written = fchmod(fd, mode) == 0 && fsync(fd) == 0;
        cause = errno;
    }
    if (close(fd) != 0 && written) {
        written = false;
        cause = errno;
    }
    if (written && std::rename(temporary.c_str(), target.c_str()) == 0) return true;
    if (written) cause = errno;
    unlink(temporary.c_str());
    error = failure(path, cause != 0 ? std::strerror(cause) : "the data could not be written");
    return false;
}

} // namespace orbilunex
