// Checked writes of whole files through the system calls, so no error can hide in a buffer.
#include "platform/whole_file.hpp"

#include "platform/echoed.hpp"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

std::string not_regular(std::string const& path) { return echoed(path) + " is not a regular file"; }

std::string failed(std::string const& path, int error) { return "cannot write " + echoed(path) + ": " + std::strerror(error); }

}

std::string write_whole_file(std::string const& path, std::span<std::uint8_t const> bytes)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode))
        return not_regular(path);
    // Non-blocking, so that a pipe put there since the check cannot hold the game up either.
    int const fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
    if (fd < 0)
        return failed(path, errno);
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return not_regular(path);
    }
    if (::ftruncate(fd, 0) != 0) {
        int const error = errno;
        ::close(fd);
        return failed(path, error);
    }
    for (std::size_t done = 0; done < bytes.size();) {
        ssize_t const wrote = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0) {
            int const error = wrote < 0 ? errno : EIO;
            ::close(fd);
            return failed(path, error);
        }
        done += static_cast<std::size_t>(wrote);
    }
    if (::close(fd) != 0)
        return failed(path, errno);
    return {};
}

}
