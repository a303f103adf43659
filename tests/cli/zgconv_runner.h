#pragma once
// Runs the real zgconv binary and a scratch folder for its files.

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

#include "test_files.h"

extern char** environ;

namespace zg::test {

struct Outcome {
  int status = -1;  // exit status; -1 when the program did not exit normally
  std::string out;
  std::string err;
};

// A fresh folder, removed with everything in it at the end of the test.
class Scratch {
 public:
  Scratch() {
    std::string pattern = (std::filesystem::temp_directory_path() / "zgconv.XXXXXX").string();
    dir_ = ::mkdtemp(pattern.data());
  }
  ~Scratch() { std::filesystem::remove_all(dir_); }
  Scratch(const Scratch&) = delete;
  Scratch& operator=(const Scratch&) = delete;

  std::string operator/(const std::string& name) const { return (dir_ / name).string(); }
  // The names in the folder, sorted.
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir_)) {
      names.push_back(e.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

 private:
  std::filesystem::path dir_;
};

// zgconv with `args`, standard input from `input`, its standard output and
// error caught in files of `scratch`. With `limitSeconds`, coreutils'
// timeout stops a zgconv that runs longer (status 124): for inputs that
// could keep it reading forever.
inline Outcome RunZgconv(const Scratch& scratch, const std::vector<std::string>& args,
                         const std::string& input = "/dev/null", int limitSeconds = 0) {
  const std::string outPath = scratch / ".stdout";
  const std::string errPath = scratch / ".stderr";
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, input.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0600);
  posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0600);
  std::string program = ZGCONV_PATH;
  std::vector<std::string> copies(args);
  if (limitSeconds > 0) {
    copies.insert(copies.begin(), {"--kill-after=5", std::to_string(limitSeconds), program});
    program = "/usr/bin/timeout";
  }
  std::vector<char*> argv{program.data()};
  for (std::string& a : copies) argv.push_back(a.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  Outcome o;
  if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ) == 0) {
    int wstatus = 0;
    if (waitpid(pid, &wstatus, 0) == pid && WIFEXITED(wstatus)) o.status = WEXITSTATUS(wstatus);
  }
  posix_spawn_file_actions_destroy(&actions);
  o.out = ReadWholeFile(outPath);
  o.err = ReadWholeFile(errPath);
  std::filesystem::remove(outPath);
  std::filesystem::remove(errPath);
  return o;
}

}  // namespace zg::test
