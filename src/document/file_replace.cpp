#include "document/file_replace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace zg {
namespace {

std::string Folder(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string Fault(int error) { return std::strerror(error); }

bool WriteAll(int fd, std::string_view text) {
  while (!text.empty()) {
    const ssize_t n = ::write(fd, text.data(), text.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    text.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

mode_t ModeFor(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0) return st.st_mode & 07777;
  // umask can only be read by setting it; the converter is single-threaded.
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

}  // namespace

std::optional<std::string> ReplaceFile(const std::string& givenPath, std::string_view text) {
  std::string path = givenPath;
  struct stat target {};
  const bool exists = ::stat(path.c_str(), &target) == 0;
  if (exists && !S_ISREG(target.st_mode)) {
    if (S_ISDIR(target.st_mode)) return Fault(EISDIR);
    // A device or a pipe (/dev/stdout, a FIFO) cannot be replaced, only
    // written to.
    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) return Fault(errno);
    const bool written = WriteAll(fd, text);
    const int error = errno;
    ::close(fd);
    if (!written) return Fault(error);
    return std::nullopt;
  }
  if (exists) {
    // Through a symbolic link the file it points to is replaced, not the link.
    if (char* real = ::realpath(path.c_str(), nullptr)) {
      path = real;
      std::free(real);
    }
  }
  const std::string folder = Folder(path);
  std::string temp = folder + "/.zgtmp.XXXXXX";
  std::vector<char> name(temp.begin(), temp.end());
  name.push_back('\0');
  const int fd = ::mkstemp(name.data());
  if (fd < 0) return Fault(errno);
  temp.assign(name.data());

  auto fail = [&](int error) {
    ::close(fd);
    ::unlink(temp.c_str());
    return std::optional<std::string>(Fault(error));
  };
  if (!WriteAll(fd, text)) return fail(errno);
  if (::fchmod(fd, ModeFor(path)) != 0) return fail(errno);
  if (::fsync(fd) != 0) return fail(errno);
  if (::close(fd) != 0) {
    const int error = errno;
    ::unlink(temp.c_str());
    return Fault(error);
  }
  if (std::rename(temp.c_str(), path.c_str()) != 0) {
    const int error = errno;
    ::unlink(temp.c_str());
    return Fault(error);
  }
  // The rename itself is durable only once the folder is on the disk.
  const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  return std::nullopt;
}

}  // namespace zg
