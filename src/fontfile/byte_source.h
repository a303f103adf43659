#pragma once
// Where the reader takes a font source file from, block by block.

#include <cstddef>
#include <cstdio>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace zg {

// What one read produced: a byte count (0 at the end of the data) or a
// failure with the description the user is shown.
struct ByteChunk {
  std::size_t count = 0;
  std::optional<std::string> failure;
};

class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // Fills the front of `buffer` with the next bytes.
  virtual ByteChunk Read(std::span<char> buffer) = 0;
};

// A file opened by path for reading. A file that could not be opened fails on
// its first read with the system's description, so the reader reports it like
// any other read failure.
class FileByteSource final : public ByteSource {
 public:
  explicit FileByteSource(const std::string& path);
  bool IsOpen() const { return file_ != nullptr; }
  const std::string& OpenError() const { return openError_; }
  int OpenErrno() const { return openErrno_; }
  ByteChunk Read(std::span<char> buffer) override;

 private:
  struct Closer {
    void operator()(std::FILE* f) const { std::fclose(f); }
  };
  std::unique_ptr<std::FILE, Closer> file_;
  std::string openError_;
  int openErrno_ = 0;
};

// Bytes already in memory; the view must outlive the source.
class MemoryByteSource final : public ByteSource {
 public:
  explicit MemoryByteSource(std::string_view data) : data_(data) {}
  ByteChunk Read(std::span<char> buffer) override;

 private:
  std::string_view data_;
};

}  // namespace zg
