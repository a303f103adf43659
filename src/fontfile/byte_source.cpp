#include "fontfile/byte_source.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace zg {

FileByteSource::FileByteSource(const std::string& path) {
  errno = 0;
  file_.reset(std::fopen(path.c_str(), "rb"));
  if (!file_) {
    openErrno_ = errno != 0 ? errno : ENOENT;
    openError_ = std::strerror(openErrno_);
  }
}

ByteChunk FileByteSource::Read(std::span<char> buffer) {
  if (!file_) return {0, openError_};
  errno = 0;
  const std::size_t n = std::fread(buffer.data(), 1, buffer.size(), file_.get());
  if (n < buffer.size() && std::ferror(file_.get()) != 0) {
    return {0, std::string(std::strerror(errno != 0 ? errno : EIO))};
  }
  return {n, std::nullopt};
}

ByteChunk MemoryByteSource::Read(std::span<char> buffer) {
  const std::size_t n = std::min(buffer.size(), data_.size());
  std::copy_n(data_.data(), n, buffer.data());
  data_.remove_prefix(n);
  return {n, std::nullopt};
}

}  // namespace zg
