#pragma once
// Runs a program as a real process: its standard output and error caught in
// files, its exit status or the signal that ended it.

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

#include "temp_folder.h"
#include "test_files.h"

extern char** environ;

namespace zg::test {

struct Outcome {
  int status = -1;  // exit status; -1 when the program did not exit normally
  int signal = 0;   // the signal that ended it, if one did
  std::string out;
  std::string err;
};

// How to start the program besides its words.
struct Launch {
  std::string input = "/dev/null";
  std::string appendOutputTo;            // standard output appends here instead of being caught
  std::vector<std::string> environment;  // NAME=VALUE added to the test's own
  std::vector<std::string> runAs;        // a command that runs the program, e.g. {"setpriv", ...}
};

// Starts `words` (the program, found on PATH, and its arguments); standard
// output and error are caught in files of `captures` until FinishProgram. The
// signals a build sends start with their default action, whatever the test
// runner set.
inline pid_t StartProgram(const TempFolder& captures, const std::vector<std::string>& words,
                          const Launch& launch = {}) {
  const std::string outPath =
      launch.appendOutputTo.empty() ? captures / ".stdout" : launch.appendOutputTo;
  const int outFlags = O_WRONLY | O_CREAT | (launch.appendOutputTo.empty() ? O_TRUNC : O_APPEND);
  const std::string errPath = captures / ".stderr";
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

  std::vector<std::string> all(launch.runAs);
  all.insert(all.end(), words.begin(), words.end());
  std::vector<char*> argv;
  for (std::string& w : all) argv.push_back(w.data());
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

// Waits for the program to end and takes what it printed.
inline Outcome FinishProgram(const TempFolder& captures, pid_t pid) {
  Outcome o;
  int wstatus = 0;
  if (pid > 0 && waitpid(pid, &wstatus, 0) == pid) {
    if (WIFEXITED(wstatus)) o.status = WEXITSTATUS(wstatus);
    if (WIFSIGNALED(wstatus)) o.signal = WTERMSIG(wstatus);
  }
  o.out = ReadWholeFile(captures / ".stdout");
  o.err = ReadWholeFile(captures / ".stderr");
  std::filesystem::remove(captures / ".stdout");
  std::filesystem::remove(captures / ".stderr");
  return o;
}

// A shell command line; its errors come in `out` with its output.
inline Outcome RunShell(const std::string& command) {
  const TempFolder captures;
  return FinishProgram(captures, StartProgram(captures, {"/bin/sh", "-c", command + " 2>&1"}));
}

inline bool HasCommand(const std::string& name) {
  return RunShell("command -v " + name).status == 0;
}

}  // namespace zg::test
