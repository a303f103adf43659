#pragma once
// Writing a whole file so that a reader never sees it half written and a
// failed write leaves the old file as it was.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace zg {

// Writes `text` to a temporary file in the folder of `path`, flushes it to
// the disk and renames it over `path`. A new file gets the usual permissions
// (0666 less the umask); a replaced one keeps its mode and, where the user
// may set them, its owner and group, but never set-user-ID or set-group-ID
// under an owner or group that changed. A hard link to the old file keeps
// the old text. On failure, and on SIGINT, SIGTERM or SIGHUP during the
// write, the temporary file is removed; a failure returns the system's
// description of the fault, success nothing.
//
// A symbolic link stays a link and the file it ends in is replaced, or
// created when the link dangles. A path naming one of the process's open
// descriptors (/dev/stdout, /dev/stderr, /dev/fd/N, /proc/self/fd/N, or a
// link to one) is written to that descriptor where it stands, as is a
// device or a pipe; a folder is refused. `beforeRename` runs once the
// temporary file is complete.
std::optional<std::string> ReplaceFile(const std::string& path, std::string_view text,
                                       const std::function<void()>& beforeRename = {});

// Whether ReplaceFile would write `path` to an open descriptor of the process.
bool NamesOpenStream(const std::string& path);

}  // namespace zg
