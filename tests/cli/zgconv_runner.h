#pragma once
// Runs the real zgconv binary and a scratch folder for its files.

#include <fcntl.h>
#include <signal.h>
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
  int signal = 0;   // the signal that ended it, if one did
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

// How to start zgconv besides its arguments.
struct Launch {
  std::string input = "/dev/null";
  std::string appendOutputTo;            // standard output appends here instead of being caught
  std::vector<std::string> environment;  // NAME=VALUE added to the test's own
  std::vector<std::string> runAs;        // a command that runs zgconv, e.g. {"setpriv", ...}
};

// Starts zgconv with `args`; standard output and error are caught in files of
// `scratch` until FinishZgconv. The signals a build sends start with their
// default action, whatever the test runner set.
inline pid_t StartZgconv(const Scratch& scratch, const std::vector<std::string>& args,
                         const Launch& launch = {}) {
  const std::string outPath =
      launch.appendOutputTo.empty() ? scratch / ".stdout" : launch.appendOutputTo;
  const int outFlags = O_WRONLY | O_CREAT | (launch.appendOutputTo.empty() ? O_TRUNC : O_APPEND);
  const std::string errPath = scratch / ".stderr";
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, launch.input.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), outFlags, 0600);
  posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0600);
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  sigset_t defaults;
  sigemptyset(&defaults);
  for (const int s : {SIGINT, SIGTERM, SIGHUP}) sigaddset(&defaults, s);
  posix_spawnattr_setsigdefault(&attributes, &defaults);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);

  std::vector<std::string> words(launch.runAs);
  words.push_back(ZGCONV_PATH);
  words.insert(words.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& w : words) argv.push_back(w.data());
  argv.push_back(nullptr);
  std::vector<std::string> env(launch.environment);
  for (char** e = environ; *e != nullptr; ++e) env.emplace_back(*e);
  std::vector<char*> envp;
  for (std::string& e : env) envp.push_back(e.data());
  envp.push_back(nullptr);
  pid_t pid = -1;
  if (posix_spawnp(&pid, argv[0], &actions, &attributes, argv.data(), envp.data()) != 0) pid = -1;
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&actions);
  return pid;
}

// Waits for zgconv to end and takes what it printed.
inline Outcome FinishZgconv(const Scratch& scratch, pid_t pid) {
  Outcome o;
  int wstatus = 0;
  if (pid > 0 && waitpid(pid, &wstatus, 0) == pid) {
    if (WIFEXITED(wstatus)) o.status = WEXITSTATUS(wstatus);
    if (WIFSIGNALED(wstatus)) o.signal = WTERMSIG(wstatus);
  }
  o.out = ReadWholeFile(scratch / ".stdout");
  o.err = ReadWholeFile(scratch / ".stderr");
  std::filesystem::remove(scratch / ".stdout");
  std::filesystem::remove(scratch / ".stderr");
  return o;
}

// zgconv with `args`, standard input from `input`, its standard output and
// error caught in files of `scratch`.
inline Outcome RunZgconv(const Scratch& scratch, const std::vector<std::string>& args,
                         const std::string& input = "/dev/null") {
  Launch launch;
  launch.input = input;
  return FinishZgconv(scratch, StartZgconv(scratch, args, launch));
}

}  // namespace zg::test
