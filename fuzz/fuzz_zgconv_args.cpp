// Any bytes as zgconv's command line, split into arguments at each NUL. A
// line the parser accepts names what a conversion needs, and the parameters
// it resolves to are a font the converter can make.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "cli/arguments.h"
#include "model/font_model.h"

namespace {

void Check(bool ok, const char* what) {
  if (!ok) {
    std::fprintf(stderr, "fuzz_zgconv_args: %s\n", what);
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::vector<std::string_view> argv;
  std::size_t start = 0;
  while (start <= bytes.size()) {
    const std::size_t nul = bytes.find('\0', start);
    const std::size_t end = nul == std::string_view::npos ? bytes.size() : nul;
    argv.push_back(bytes.substr(start, end - start));
    start = end + 1;
  }

  const zg::cli::ParsedArguments parsed = zg::cli::ParseArguments(argv);
  const zg::cli::Arguments& a = parsed.args;
  if (!parsed.error.empty()) {
    Check(!a.help && !a.version, "help or version refused");
    return 0;
  }
  if (a.help || a.version) return 0;
  if (!a.detect.empty()) {
    Check(a.input.empty() && a.output.empty() && !a.fromFont, "--detect with a conversion");
    return 0;
  }
  Check(!a.output.empty(), "accepted without an output");
  Check(!a.input.empty() || (a.fromFont && !a.fromFont->fontPath.empty()),
        "accepted without an input");
  if (a.ncol || a.nstr) {
    Check(a.ncol && a.nstr && zg::Layout::Classic(*a.ncol, *a.nstr, zg::Scan::Vertical).Valid(),
          "bad cell");
  }
  if (a.firstCode) Check(*a.firstCode >= 0 && *a.firstCode <= 0xFF, "bad first code");
  if (a.toFirstCode) Check(*a.toFirstCode == 0x00 || *a.toFirstCode == 0x20, "bad output code");
  if (a.fromFont && a.fromFont->pixelSize) {
    Check(*a.fromFont->pixelSize >= 1 && *a.fromFont->pixelSize <= 255, "bad pixel size");
  }

  const zg::cli::ResolvedParams r = zg::cli::ResolveParams(a);
  if (!r.error.empty()) return 0;
  const zg::cli::InputParams& p = r.params;
  if (p.detect) {
    // The cell is found in the file's values: there must be a file to read.
    Check(!a.input.empty() && !a.ncol && !a.nstr,
          "a layout to find without a file, or with a cell");
    return 0;
  }
  Check(zg::Layout::Classic(p.ncol, p.nstr, zg::ScanOf(p.vert)).Valid(),
        "resolved to a cell the editor cannot hold");
  Check(p.vert == 1 || p.vert == 0, "resolved to a bad scan");
  return 0;
}
