#include "document/file_replace.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <vector>

namespace zg {
namespace {

std::string Folder(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

FileError Fault(int error) { return {std::strerror(error), FaultOfErrno(error)}; }

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

std::optional<int> Descriptor(std::string_view digits) {
  if (digits.empty() || digits.size() > 9) return std::nullopt;
  int fd = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    fd = fd * 10 + (c - '0');
  }
  return fd;
}

// The descriptor a path of this process's own descriptor table names.
std::optional<int> NamedDescriptor(std::string_view path) {
  if (path == "/dev/stdin") return 0;
  if (path == "/dev/stdout") return 1;
  if (path == "/dev/stderr") return 2;
  const std::string self = "/proc/" + std::to_string(::getpid()) + "/fd/";
  for (const std::string_view prefix :
       {std::string_view("/dev/fd/"), std::string_view("/proc/self/fd/"),
        std::string_view("/proc/thread-self/fd/"), std::string_view(self)}) {
    if (path.starts_with(prefix)) return Descriptor(path.substr(prefix.size()));
  }
  return std::nullopt;
}

// The path that a chain of symbolic links at `path` ends in (the path
// itself when it is no link), and on the way whether a link names one of
// the process's open descriptors.
struct Resolved {
  std::string path;
  std::optional<int> stream;
  int error = 0;
};

Resolved Resolve(const std::string& givenPath) {
  Resolved r{givenPath, NamedDescriptor(givenPath)};
  for (int hops = 0; !r.stream; ++hops) {
    struct stat st {};
    if (::lstat(r.path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return r;
    if (hops == 40) {
      r.error = ELOOP;
      return r;
    }
    std::array<char, PATH_MAX> target{};
    const ssize_t n = ::readlink(r.path.c_str(), target.data(), target.size() - 1);
    if (n < 0) {
      r.error = errno;
      return r;
    }
    const std::string next(target.data(), static_cast<std::size_t>(n));
    r.path = next.starts_with('/') ? next : Folder(r.path) + "/" + next;
    r.stream = NamedDescriptor(r.path);
  }
  return r;
}

// The temporary file of the write under way, for the signal handler; a
// fixed buffer because the handler may not allocate.
std::array<char, PATH_MAX + 1> gTemporary{};
volatile std::sig_atomic_t gTemporarySet = 0;
constexpr std::array<int, 3> kBuildSignals{SIGINT, SIGTERM, SIGHUP};

extern "C" void RemoveTemporaryAndDie(int signal) {
  if (gTemporarySet != 0) ::unlink(gTemporary.data());
  struct sigaction dflt {};
  dflt.sa_handler = SIG_DFL;
  ::sigaction(signal, &dflt, nullptr);
  ::raise(signal);  // delivered with the default action once the handler returns
}

// While alive, an interrupt, termination or hang-up removes the temporary
// file before the process ends. Signals the program handles or ignores
// itself are left to it.
class TemporaryFileGuard {
 public:
  explicit TemporaryFileGuard(const std::string& path) {
    if (path.size() >= gTemporary.size()) return;
    std::memcpy(gTemporary.data(), path.c_str(), path.size() + 1);
    gTemporarySet = 1;
    struct sigaction ours {};
    ours.sa_handler = RemoveTemporaryAndDie;
    sigemptyset(&ours.sa_mask);
    for (std::size_t i = 0; i < kBuildSignals.size(); ++i) {
      struct sigaction old {};
      if (::sigaction(kBuildSignals[i], nullptr, &old) != 0 || old.sa_handler != SIG_DFL) continue;
      installed_[i] = ::sigaction(kBuildSignals[i], &ours, nullptr) == 0;
    }
  }
  ~TemporaryFileGuard() {
    struct sigaction dflt {};
    dflt.sa_handler = SIG_DFL;
    for (std::size_t i = 0; i < kBuildSignals.size(); ++i) {
      if (installed_[i]) ::sigaction(kBuildSignals[i], &dflt, nullptr);
    }
    gTemporarySet = 0;
  }
  TemporaryFileGuard(const TemporaryFileGuard&) = delete;
  TemporaryFileGuard& operator=(const TemporaryFileGuard&) = delete;

 private:
  std::array<bool, kBuildSignals.size()> installed_{};
};

// A descriptor to write the device, pipe or socket at `path` through, or
// -1 with errno set.
int OpenStream(const std::string& path, mode_t type) {
  if (!S_ISSOCK(type)) return ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (path.size() >= sizeof address.sun_path) {
    errno = ENAMETOOLONG;
    return -1;
  }
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return -1;
  if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
    const int error = errno;
    ::close(fd);
    errno = error;
    return -1;
  }
  return fd;
}

mode_t NewFileMode() {
  // The kernel tells the mask without changing it; setting and restoring
  // it, the fallback, would let another thread of the editor create a file
  // under no mask in between.
  if (std::FILE* status = std::fopen("/proc/self/status", "re")) {
    std::array<char, 256> line{};
    unsigned mask = 0;
    bool found = false;
    while (!found && std::fgets(line.data(), static_cast<int>(line.size()), status) != nullptr) {
      found = std::sscanf(line.data(), "Umask: %o", &mask) == 1;
    }
    std::fclose(status);
    if (found) return 0666 & ~static_cast<mode_t>(mask);
  }
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

// Gives the temporary file the owner, group and mode of the file it
// replaces, as far as the user may. Set-user-ID and set-group-ID stay only
// where the owner (or the group) stayed: root replacing a user's file must
// never leave a set-user-ID file of root.
bool TakeOwnerAndMode(int fd, const struct stat* old) {
  if (old == nullptr) return ::fchmod(fd, NewFileMode()) == 0;
  struct stat now {};
  if (::fstat(fd, &now) != 0) return false;
  if (now.st_uid != old->st_uid || now.st_gid != old->st_gid) {
    if (::fchown(fd, old->st_uid, old->st_gid) != 0) {
      (void)::fchown(fd, static_cast<uid_t>(-1), old->st_gid);  // a group of the user's own
    }
    if (::fstat(fd, &now) != 0) return false;
  }
  mode_t mode = old->st_mode & 07777;
  if (now.st_uid != old->st_uid) mode &= ~static_cast<mode_t>(S_ISUID | S_ISGID);
  if (now.st_gid != old->st_gid) mode &= ~static_cast<mode_t>(S_ISGID);
  return ::fchmod(fd, mode) == 0;
}

}  // namespace

FileFault FaultOfErrno(int code) {
  switch (code) {
    case ENOENT:
    case ENOTDIR:
      return FileFault::NotFound;
    case EACCES:
    case EPERM:
    case EROFS:
      return FileFault::NoPermission;
    case EISDIR:
      return FileFault::IsFolder;
    case ENOSPC:
    case EDQUOT:
      return FileFault::DiskFull;
    default:
      return FileFault::Other;
  }
}

bool NamesOpenStream(const std::string& path) { return Resolve(path).stream.has_value(); }

std::optional<FileError> ReplaceFile(const std::string& givenPath, std::string_view text,
                                     const std::function<void()>& beforeRename) {
  const Resolved resolved = Resolve(givenPath);
  if (resolved.error != 0) return Fault(resolved.error);
  if (resolved.stream) {
    // An open stream of this process: written where it stands, so an
    // append-mode standard output keeps its earlier lines.
    if (::fcntl(*resolved.stream, F_GETFD) < 0) return Fault(EBADF);
    if (!WriteAll(*resolved.stream, text)) return Fault(errno);
    return std::nullopt;
  }
  const std::string& path = resolved.path;
  struct stat target {};
  const bool exists = ::stat(path.c_str(), &target) == 0;
  if (exists && !S_ISREG(target.st_mode)) {
    if (S_ISDIR(target.st_mode)) return Fault(EISDIR);
    // A device, a pipe or a socket cannot be replaced, only written to.
    const int fd = OpenStream(path, target.st_mode);
    if (fd < 0) return Fault(errno);
    const bool written = WriteAll(fd, text);
    const int error = errno;
    ::close(fd);
    if (!written) return Fault(error);
    return std::nullopt;
  }
  // The rename needs only the folder's permission: the file's own is asked
  // here, as for a write in place (root may write any file).
  if (exists && ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0 && errno == EACCES) {
    return Fault(EACCES);
  }
  const std::string folder = Folder(path);
  std::string temp = folder + "/.zgtmp.XXXXXX";
  std::vector<char> name(temp.begin(), temp.end());
  name.push_back('\0');
  // The build's signals wait while the temporary file is made and the guard
  // set up, so that none can leave the file behind between the two.
  sigset_t signals{};
  sigset_t previous{};
  sigemptyset(&signals);
  for (const int signal : kBuildSignals) sigaddset(&signals, signal);
  ::sigprocmask(SIG_BLOCK, &signals, &previous);
  const int fd = ::mkstemp(name.data());
  const int made = errno;
  std::optional<TemporaryFileGuard> guard;
  if (fd >= 0) {
    temp.assign(name.data());
    guard.emplace(temp);
  }
  ::sigprocmask(SIG_SETMASK, &previous, nullptr);
  if (fd < 0) return Fault(made);

  auto fail = [&](int error) {
    ::close(fd);
    ::unlink(temp.c_str());
    return std::optional<FileError>(Fault(error));
  };
  if (!WriteAll(fd, text)) return fail(errno);
  if (!TakeOwnerAndMode(fd, exists ? &target : nullptr)) return fail(errno);
  if (::fsync(fd) != 0) return fail(errno);
  if (::close(fd) != 0) {
    const int error = errno;
    ::unlink(temp.c_str());
    return Fault(error);
  }
  if (beforeRename) beforeRename();
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
