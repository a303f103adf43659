#include "fontfile/table_detect.h"

#include <algorithm>
#include <array>
#include <bit>
#include <map>
#include <tuple>
#include <vector>

namespace zg {
namespace {

constexpr int kMaxSkip = 8;
constexpr std::array<int, 3> kFirstCodes{0x20, 0x00, 0x10};
constexpr std::array<int, 5> kGlyphCounts{95, 96, 128, 224, 256};

struct Cell {
  int width;
  int height;
};
constexpr std::array<Cell, 12> kCells{{{6, 8},
                                       {8, 8},
                                       {12, 16},
                                       {16, 16},
                                       {16, 24},
                                       {24, 16},
                                       {24, 24},
                                       {8, 16},
                                       {5, 8},
                                       {5, 7},
                                       {8, 12},
                                       {8, 14}}};

// Where a glyph's bytes sit in its stride.
struct Storage {
  int stride;
  int offset;
  int bytes;
  friend bool operator<(const Storage& a, const Storage& b) {
    return std::tie(a.stride, a.offset, a.bytes) < std::tie(b.stride, b.offset, b.bytes);
  }
};

// One way to cut the values into glyphs: shared by every layout of a storage.
struct Alignment {
  int skip = 0;
  int firstCode = 0;
  bool negative = false;
  int count = 0;  // whole glyphs
  bool divides = false;
  int widest = 0;                          // the largest width byte
  std::array<std::uint8_t, 72> inkBits{};  // every glyph's bytes OR-ed together
  int rank = 0;
};

struct Candidate {
  Layout layout;
  Storage storage;
  int rank;  // the order tried: the earlier wins a tie
  bool listed;
};

// A cell of the list or one the number of values suggests.
struct CellLayout {
  Layout layout;
  bool listed;
};

using Rows = std::array<std::uint32_t, kMaxCellHeight>;

// Each byte with its bits in the opposite order.
constexpr std::array<std::uint8_t, 256> kMirrored = [] {
  std::array<std::uint8_t, 256> table{};
  for (unsigned v = 0; v < 256; ++v) {
    unsigned m = 0;
    for (int bit = 0; bit < 8; ++bit) m |= ((v >> bit) & 1U) << (7 - bit);
    table[v] = static_cast<std::uint8_t>(m);
  }
  return table;
}();

// A decoded glyph's measures.
struct Shape {
  bool blank = true;
  int top = 0, bottom = 0, left = 0, right = 0;  // the ink's bounds
  int pieces = 0;                                // 8-connected
  // The ink's balance against the bounds' middle: negative when more ink
  // lies left of it (above it), twice the pixel count times the offset.
  int leftRight = 0, topBottom = 0;
  int Width() const { return right - left + 1; }
  int Height() const { return bottom - top + 1; }
};

void Decode(const std::uint8_t* bytes, int count, const Layout& layout, Rows& rows) {
  rows.fill(0);
  if (layout.Vertical()) {
    const bool columns = layout.bandOrder == BandOrder::Columns;
    const int bands = layout.Bands();
    for (int i = 0; i < count; ++i) {
      unsigned b = bytes[i];
      if (b == 0) continue;
      const int x = columns ? i / bands : i % layout.width;
      const int band = columns ? i % bands : i / layout.width;
      while (b != 0) {
        const int bit = std::countr_zero(b);
        b &= b - 1;
        const int y = band * 8 + (layout.bitOrder == BitOrder::Classic ? bit : 7 - bit);
        if (y < layout.height) rows[static_cast<std::size_t>(y)] |= 1U << x;
      }
    }
    return;
  }
  const int rowBytes = layout.RowBytes();
  const std::uint32_t cell = (1U << layout.width) - 1;
  for (int y = 0; y < layout.height; ++y) {
    std::uint32_t row = 0;
    for (int k = 0; k < rowBytes; ++k) {
      const int i = y * rowBytes + k;
      if (i >= count) break;
      std::uint32_t b = bytes[i];
      if (layout.bitOrder == BitOrder::Classic) b = kMirrored[b];
      row |= b << (8 * k);
    }
    rows[static_cast<std::size_t>(y)] = row & cell;
  }
}

// Pieces of ink that touch (diagonals count) as one: runs of each row joined
// with the runs of the row above that touch them.
int Pieces(const Rows& rows, int height) {
  struct Run {
    int from, to, root;
  };
  std::array<int, 24 * 12> parent;  // NOLINT(cppcoreguidelines-pro-type-member-init): set as used
  int runs = 0;
  int joins = 0;
  const auto find = [&parent](int i) {
    while (parent[static_cast<std::size_t>(i)] != i) {
      parent[static_cast<std::size_t>(i)] =
          parent[static_cast<std::size_t>(parent[static_cast<std::size_t>(i)])];
      i = parent[static_cast<std::size_t>(i)];
    }
    return i;
  };
  std::array<std::array<Run, 12>, 2> lines;  // NOLINT(cppcoreguidelines-pro-type-member-init)
  int aboveCount = 0;
  for (int y = 0; y < height; ++y) {
    std::uint32_t m = rows[static_cast<std::size_t>(y)];
    const auto& above = lines[static_cast<std::size_t>(1 - y % 2)];
    auto& here = lines[static_cast<std::size_t>(y % 2)];
    int hereCount = 0;
    while (m != 0) {
      const int from = std::countr_zero(m);
      const int length = std::countr_one(m >> from);
      const int to = from + length - 1;
      m &= length >= 32 ? 0U : ~(((1U << length) - 1) << from);
      const int id = runs++;
      parent[static_cast<std::size_t>(id)] = id;
      for (int a = 0; a < aboveCount; ++a) {
        const Run& r = above[static_cast<std::size_t>(a)];
        if (r.from > to + 1 || r.to < from - 1) continue;
        const int p = find(r.root);
        const int q = find(id);
        if (p != q) {
          parent[static_cast<std::size_t>(q)] = p;
          ++joins;
        }
      }
      here[static_cast<std::size_t>(hereCount++)] = {from, to, id};
    }
    aboveCount = hereCount;
  }
  return runs - joins;
}

Shape Measure(const Rows& rows, int height) {
  Shape s;
  std::uint32_t all = 0;
  for (int y = 0; y < height; ++y) {
    const std::uint32_t r = rows[static_cast<std::size_t>(y)];
    if (r == 0) continue;
    if (s.blank) s.top = y;
    s.blank = false;
    s.bottom = y;
    all |= r;
  }
  if (s.blank) return s;
  s.left = std::countr_zero(all);
  s.right = 31 - std::countl_zero(all);
  int ink = 0, sumX = 0, sumY = 0;
  for (int y = s.top; y <= s.bottom; ++y) {
    std::uint32_t r = rows[static_cast<std::size_t>(y)];
    const int n = std::popcount(r);
    ink += n;
    sumY += n * y;
    while (r != 0) {
      sumX += std::countr_zero(r);
      r &= r - 1;
    }
  }
  s.leftRight = 2 * sumX - ink * (s.left + s.right);
  s.topBottom = 2 * sumY - ink * (s.top + s.bottom);
  s.pieces = Pieces(rows, height);
  return s;
}

int Sign(int a, int b) { return a > b ? 1 : (a < b ? -1 : 0); }

// The bits each byte of a glyph may use in `layout`: the rest is padding.
std::array<std::uint8_t, 72> CellBits(const Layout& layout) {
  std::array<std::uint8_t, 72> bits{};
  for (int y = 0; y < layout.height; ++y) {
    for (int x = 0; x < layout.width; ++x) {
      const BitPlace p = layout.Locate(x, y);
      bits[static_cast<std::size_t>(p.byte)] |= static_cast<std::uint8_t>(1U << p.bit);
    }
  }
  return bits;
}

class Detector {
 public:
  explicit Detector(std::span<const std::uint8_t> values) : values_(values) {
    inverted_.resize(values.size());
    std::transform(values.begin(), values.end(), inverted_.begin(),
                   [](std::uint8_t v) { return static_cast<std::uint8_t>(~v); });
  }

  std::optional<TableDetection> Run() {
    std::map<Storage, std::vector<Candidate>> groups;
    int rank = 0;
    for (const CellLayout& cell : Layouts()) {
      const Layout& layout = cell.layout;
      const int b = layout.BytesPerGlyph();
      const auto add = [&](Storage s) { groups[s].push_back({layout, s, rank++, cell.listed}); };
      add({b, 0, b});
      add({b + 1, 1, b});
      if (layout.Vertical() && layout.width > 1) add({b - layout.Bands(), 0, b - layout.Bands()});
    }
    std::optional<TableDetection> best;
    int bestRank = 0;
    for (const auto& [storage, candidates] : groups) {
      const std::vector<Alignment> alignments = Align(storage);
      for (const Candidate& c : candidates) {
        const auto cellBits = CellBits(c.layout);
        for (const Alignment& a : alignments) {
          if (!Fits(a, storage, c.layout, cellBits)) continue;
          const TableLayout table{c.layout,       a.firstCode,    a.skip,
                                  storage.stride, storage.offset, a.negative};
          // A suggested cell must look better than the list's, not as good.
          const int score = Score(table, a) - (c.listed ? 0 : 1);
          const int order = c.rank * 1000 + a.rank;
          if (!best || score > best->score || (score == best->score && order < bestRank)) {
            best = TableDetection{table, score};
            bestRank = order;
          }
        }
      }
    }
    return best;
  }

  int Score(const TableLayout& table, const Alignment& a) {
    const std::span<const std::uint8_t> data = a.negative ? inverted_ : values_;
    const auto shape = [&](int code) -> std::optional<Shape> {
      const int index = code - table.firstCode;
      if (index < 0 || index >= a.count) return std::nullopt;
      const std::size_t at = static_cast<std::size_t>(table.skip) +
                             static_cast<std::size_t>(index) * table.stride + table.glyphOffset;
      Rows rows;
      Decode(data.data() + at, table.GlyphBytes(), table.layout, rows);
      return Measure(rows, table.layout.height);
    };

    int score = a.divides ? 3 : 0;
    if (const auto space = shape(' ')) score += space->blank ? 10 : -30;

    int right = -1;
    std::array<int, kMaxCellHeight> bottoms{};
    std::array<int, kMaxCellHeight> tops{};
    std::array<std::optional<Shape>, 128> shapes{};
    const auto letter = [&](char c) -> const std::optional<Shape>& {
      return shapes[static_cast<unsigned char>(c)];
    };
    for (const char* c = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ"; *c != '\0'; ++c) {
      auto s = shape(*c);
      if (!s) continue;
      if (s->blank) {
        score -= 1;
        continue;
      }
      score += s->pieces == 1 ? 3 : -2 * std::min(s->pieces - 1, 3);
      // A glyph from edge to edge is likely cut out of a bigger one.
      if (s->left == 0 && s->right == table.layout.width - 1) score -= 2;
      if (s->top == 0 && s->bottom == table.layout.height - 1) score -= 2;
      right = std::max(right, s->right);
      ++bottoms[static_cast<std::size_t>(s->bottom)];
      ++tops[static_cast<std::size_t>(s->top)];
      shapes[static_cast<unsigned char>(*c)] = s;
    }
    const auto modeAt = [](const std::array<int, kMaxCellHeight>& counts) {
      return static_cast<int>(std::max_element(counts.begin(), counts.end()) - counts.begin());
    };
    const int baseline = modeAt(bottoms);
    score += 2 * bottoms[static_cast<std::size_t>(baseline)] +
             tops[static_cast<std::size_t>(modeAt(tops))];

    // One empty column on the right: the gap between characters. Of cells
    // that show the same pictures, the one whose width includes the gap.
    if (right == table.layout.width - 2) score += 1;

    for (const char* c = "BDEFKLPR"; *c != '\0'; ++c) {
      if (const auto& s = letter(*c)) score += 2 * Sign(0, s->leftRight);
    }
    for (const char* c = "T7FPY"; *c != '\0'; ++c) {
      if (const auto& s = letter(*c)) score += 2 * Sign(0, s->topBottom);
    }
    if (const auto& s = letter('L')) score += 2 * Sign(s->topBottom, 0);

    if (const auto low = shape('_'); low && !low->blank) {
      score += low->top >= baseline ? 8 : -8;
      score += low->Width() >= 2 * low->Height() ? 4 : -4;
    }
    if (const auto dash = shape('-'); dash && !dash->blank) {
      score += dash->Width() > dash->Height() ? 3 : -3;
    }
    return score;
  }

 private:
  std::vector<CellLayout> Layouts() const {
    std::vector<Cell> cells(kCells.begin(), kCells.end());
    for (const int count : kGlyphCounts) {
      for (int skip = 0; skip <= kMaxSkip; ++skip) {
        const long long n = static_cast<long long>(values_.size()) - skip;
        if (n <= 0 || n % count != 0) continue;
        const int b = static_cast<int>(n / count);
        for (int k = 1; k <= 3; ++k) {
          if (b % k != 0) continue;
          cells.push_back({b / k, 8 * k});  // k bands of columns
          cells.push_back({8 * k, b / k});  // rows of k bytes
        }
      }
    }
    std::vector<CellLayout> layouts;
    const auto seen = [&layouts](const Layout& l) {
      return std::any_of(layouts.begin(), layouts.end(),
                         [&l](const CellLayout& c) { return c.layout == l; });
    };
    // Whole bytes a row and whole bands a column first: of pictures alike,
    // those are the likelier cells.
    for (const bool whole : {true, false}) {
      for (std::size_t i = 0; i < cells.size(); ++i) {
        const Cell& cell = cells[i];
        for (const Scan scan : {Scan::Vertical, Scan::Horizontal}) {
          const bool vertical = scan == Scan::Vertical;
          if (((vertical ? cell.height : cell.width) % 8 == 0) != whole) continue;
          for (const BitOrder bits : {BitOrder::Classic, BitOrder::Reversed}) {
            for (const BandOrder bands : {BandOrder::Bands, BandOrder::Columns}) {
              const Layout l{cell.width, cell.height, scan, bits, bands};
              if (!l.Valid() || (bands == BandOrder::Columns && (!vertical || l.Bands() < 2))) {
                continue;
              }
              if (!seen(l)) layouts.push_back({l, i < kCells.size()});
            }
          }
        }
      }
    }
    return layouts;
  }

  // The ways to cut the values with `storage`: every header length and first
  // code, in each polarity, that leave the space (when the table holds it)
  // empty.
  std::vector<Alignment> Align(const Storage& storage) const {
    std::vector<Alignment> all;
    if (storage.bytes < 1 || storage.bytes > 72) return all;
    int rank = 0;
    for (const bool negative : {false, true}) {
      const std::span<const std::uint8_t> data = negative ? inverted_ : values_;
      for (int skip = 0; skip <= kMaxSkip; ++skip) {
        const long long room =
            static_cast<long long>(data.size()) - skip - storage.offset - storage.bytes;
        if (room < 0) continue;
        const int count = static_cast<int>(room / storage.stride + 1);
        const std::size_t before = all.size();
        for (const int first : kFirstCodes) {
          const int space = 0x20 - first;
          const int index = rank++;
          if (space < count) {
            const std::size_t at = static_cast<std::size_t>(skip) +
                                   static_cast<std::size_t>(space) * storage.stride +
                                   storage.offset;
            const auto glyph = data.subspan(at, static_cast<std::size_t>(storage.bytes));
            if (std::any_of(glyph.begin(), glyph.end(), [](std::uint8_t v) { return v != 0; })) {
              continue;
            }
          }
          Alignment a;
          a.skip = skip;
          a.firstCode = first;
          a.negative = negative;
          a.count = count;
          a.rank = index;
          all.push_back(a);
        }
        if (all.size() == before) continue;
        // What every first code of this cut shares: the ink of all glyphs.
        Alignment shared;
        for (int i = 0; i < count; ++i) {
          const std::size_t at = static_cast<std::size_t>(skip) +
                                 static_cast<std::size_t>(i) * storage.stride + storage.offset;
          for (int k = 0; k < storage.bytes; ++k) {
            shared.inkBits[static_cast<std::size_t>(k)] |= data[at + static_cast<std::size_t>(k)];
          }
          if (storage.offset > 0) shared.widest = std::max<int>(shared.widest, values_[at - 1]);
        }
        const bool divides = (static_cast<long long>(data.size()) - skip) % storage.stride == 0;
        for (std::size_t i = before; i < all.size(); ++i) {
          all[i].inkBits = shared.inkBits;
          all[i].widest = shared.widest;
          all[i].divides = divides;
        }
      }
    }
    return all;
  }

  // No ink outside the cell, no width byte wider than the cell.
  static bool Fits(const Alignment& a, const Storage& storage, const Layout& layout,
                   const std::array<std::uint8_t, 72>& cellBits) {
    if (storage.offset > 0 && a.widest > layout.width) return false;
    for (int k = 0; k < storage.bytes; ++k) {
      const auto i = static_cast<std::size_t>(k);
      if ((a.inkBits[i] & ~cellBits[i]) != 0) return false;
    }
    return true;
  }

  std::span<const std::uint8_t> values_;
  std::vector<std::uint8_t> inverted_;
};

}  // namespace

std::optional<TableDetection> DetectTable(std::span<const std::uint8_t> values) {
  return Detector(values).Run();
}

int TextLikeness(std::span<const std::uint8_t> values, const TableLayout& table) {
  if (!table.Valid()) return 0;
  Detector detector(values);
  Alignment a;
  a.skip = table.skip;
  a.firstCode = table.firstCode;
  a.negative = table.negative;
  a.count = TableGlyphCount(values, table);
  a.divides = (static_cast<long long>(values.size()) - table.skip) % table.stride == 0;
  return detector.Score(table, a);
}

}  // namespace zg
