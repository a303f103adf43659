// Any bytes as the path of a font file. A recognised name carries sizes in
// the name's ranges, and the name proposed for it is recognised as the same
// parameters; folders never change the answer. The editor takes every name
// it recognises: each names a cell it can hold.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "document/font_io.h"
#include "fontfile/fontfile.h"

namespace {

void Check(bool ok, const char* what) {
  if (!ok) {
    std::fprintf(stderr, "fuzz_parse_font_file_name: %s\n", what);
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view path(reinterpret_cast<const char*>(data), size);
  const std::optional<zg::FontFileParams> p = zg::ParseFontFileName(path);

  Check(zg::ParseFontFileName("Font08x08vp/" + std::string(path)) == p, "a folder changed it");
  Check(zg::ParseFontFileName("C:\\Font24x24hn\\" + std::string(path)) == p, "a folder changed it");
  const std::optional<zg::FontFileParams> taken = zg::ParamsFromName(path);
  Check(taken == p, "the editor refuses a name it recognises");
  if (!p) return 0;

  Check(p->ncol >= 1 && p->ncol <= 24 && p->nstr >= 1 && p->nstr <= 24, "size out of range");
  Check(p->vert == 1 || p->vert == 0, "bad scan");
  Check(p->pos == -1 || p->pos == 0, "bad polarity");

  const std::string name = zg::DefaultFontFileName(zg::LayoutOf(*p), p->pos == 0);
  Check(name.size() == 11, "proposed name of the wrong length");
  Check(zg::ParseFontFileName(name) == p, "proposed name not recognised as the same font");
  Check(zg::ParseFontFileName("/some/dir/" + name + ".fnt") == p, "extension changed it");
  return 0;
}
