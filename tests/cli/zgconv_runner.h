#pragma once
// Runs the real zgconv binary.

#include <string>
#include <vector>

#include "process.h"

namespace zg::test {

// Starts zgconv with `args`; see StartProgram.
inline pid_t StartZgconv(const TempFolder& folder, const std::vector<std::string>& args,
                         const Launch& launch = {}) {
  std::vector<std::string> words{ZGCONV_PATH};
  words.insert(words.end(), args.begin(), args.end());
  return StartProgram(folder, words, launch);
}

// zgconv with `args`, standard input from `input`, its standard output and
// error caught in files of `folder`.
inline Outcome RunZgconv(const TempFolder& folder, const std::vector<std::string>& args,
                         const std::string& input = "/dev/null") {
  Launch launch;
  launch.input = input;
  return FinishProgram(folder, StartZgconv(folder, args, launch));
}

}  // namespace zg::test
