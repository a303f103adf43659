#pragma once
// Writing a whole file so that a reader never sees it half written and a
// failed write leaves the old file as it was.

#include <optional>
#include <string>
#include <string_view>

namespace zg {

// Writes `text` to a temporary file in the folder of `path`, flushes it to
// the disk and renames it over `path`. A new file gets the usual permissions
// (0666 less the umask), a replaced one keeps its own. On failure the
// temporary file is removed and the system's description of the fault is
// returned; nothing on success. A symbolic link keeps pointing to the new
// file; a device or pipe at `path` is written to directly; a folder is
// refused.
std::optional<std::string> ReplaceFile(const std::string& path, std::string_view text);

}  // namespace zg
