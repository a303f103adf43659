#pragma once
// Writing a whole file so that a reader never sees it half written and a
// failed write leaves the old file as it was.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace zg {

// Why a file could not be opened, read or written.
enum class FileFault : std::uint8_t { NotFound, NoPermission, IsFolder, DiskFull, Other };

// What a file operation that failed tells the user: the kind, for a sentence
// of the program's own, and the system's description for the rest.
struct FileError {
  std::string description;
  FileFault fault = FileFault::Other;
  friend bool operator==(const FileError&, const FileError&) = default;
};

// The kind of an errno value.
FileFault FaultOfErrno(int code);

// Writes `text` to a temporary file in the folder of `path`, flushes it to
// the disk and renames it over `path`: the editor's saves and zgconv's
// output go this one way. A new file gets the usual permissions
// (0666 less the umask); a replaced one keeps its mode and, where the user
// may set them, its owner and group, but never set-user-ID or set-group-ID
// under an owner or group that changed. A file the user may not write is
// refused (NoPermission) though its folder would take the rename. A hard link to the old file keeps
// the old text. On failure, and on SIGINT, SIGTERM or SIGHUP during the
// write, the temporary file is removed; a failure returns its kind and the
// system's description of it, success nothing.
//
// A symbolic link stays a link and the file it ends in is replaced, or
// created when the link dangles. A path naming one of the process's open
// descriptors (/dev/stdout, /dev/stderr, /dev/fd/N, /proc/self/fd/N, or a
// link to one) is written to that descriptor where it stands, as is a
// device or a pipe; a folder is refused. `beforeRename` runs once the
// temporary file is complete.
std::optional<FileError> ReplaceFile(const std::string& path, std::string_view text,
                                     const std::function<void()>& beforeRename = {});

// Whether ReplaceFile would write `path` to an open descriptor of the process.
bool NamesOpenStream(const std::string& path);

}  // namespace zg
