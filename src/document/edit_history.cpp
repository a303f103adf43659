#include "document/edit_history.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace zg {
namespace {

// A run of changed bytes is written as a 4-byte offset, a 2-byte length and
// the bytes before and after. Runs closer than this merge into one, which is
// smaller than two headers.
constexpr std::size_t kRunHeader = 6;
constexpr std::size_t kMergeGap = 3;

void PutNumber(std::vector<std::uint8_t>& out, std::uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

std::uint32_t GetNumber(const std::uint8_t* p, int bytes) {
  std::uint32_t v = 0;
  for (int i = 0; i < bytes; ++i) v |= static_cast<std::uint32_t>(p[i]) << (8 * i);
  return v;
}

// The font's bytes as one sequence: the glyphs, then the widths.
std::vector<std::uint8_t> BytesOf(const FontDocument& d) {
  std::vector<std::uint8_t> all;
  all.reserve(d.glyphs.size() + d.widths.size());
  all.insert(all.end(), d.glyphs.begin(), d.glyphs.end());
  all.insert(all.end(), d.widths.begin(), d.widths.end());
  return all;
}

std::vector<std::uint8_t> DiffRuns(const std::vector<std::uint8_t>& before,
                                   const std::vector<std::uint8_t>& after) {
  std::vector<std::uint8_t> out;
  std::size_t i = 0;
  const std::size_t n = before.size();
  while (i < n) {
    if (before[i] == after[i]) {
      ++i;
      continue;
    }
    std::size_t end = i + 1;
    std::size_t same = 0;
    while (end < n && same <= kMergeGap) {
      same = before[end] == after[end] ? same + 1 : 0;
      ++end;
    }
    end -= same;
    // Lengths are 16-bit; a whole font may be longer, so split where needed.
    const std::size_t length = std::min<std::size_t>(end - i, 0xFFFF);
    PutNumber(out, static_cast<std::uint32_t>(i), 4);
    PutNumber(out, static_cast<std::uint32_t>(length), 2);
    out.insert(out.end(), before.begin() + static_cast<std::ptrdiff_t>(i),
               before.begin() + static_cast<std::ptrdiff_t>(i + length));
    out.insert(out.end(), after.begin() + static_cast<std::ptrdiff_t>(i),
               after.begin() + static_cast<std::ptrdiff_t>(i + length));
    i += length;
  }
  return out;
}

}  // namespace

bool EditHistory::Record(const char* name, const HistoryState& before, const HistoryState& after,
                         const EditedMarks& marksAfter, StepSaved saved) {
  if (before == after) {
    // Nothing of the font changed; a command may still have marked its symbol.
    PositionAt(position_).marks = marksAfter;
    return false;
  }
  const auto frameOf = [](const HistoryState& s) {
    return Frame{s.document.layout, s.document.negative, s.symbol,
                 static_cast<std::uint32_t>(s.document.glyphs.size()),
                 static_cast<std::uint32_t>(s.document.widths.size())};
  };
  Step step;
  step.name = name;
  step.before = frameOf(before);
  step.after = frameOf(after);
  const std::vector<std::uint8_t> a = BytesOf(before.document);
  const std::vector<std::uint8_t> b = BytesOf(after.document);
  std::vector<std::uint8_t> kept;
  step.whole = step.before.glyphBytes != step.after.glyphBytes ||
               step.before.widthBytes != step.after.widthBytes;
  if (step.whole) {
    kept = a;
    kept.insert(kept.end(), b.begin(), b.end());
  } else {
    kept = DiffRuns(a, b);
  }
  step.byteCount = static_cast<std::uint32_t>(kept.size());
  if (!kept.empty()) {
    step.bytes = std::make_unique<std::uint8_t[]>(kept.size());
    std::memcpy(step.bytes.get(), kept.data(), kept.size());
  }

  const bool wasSaved = IsSaved();
  steps_.resize(position_);  // a new step drops what could have been redone
  if (saved == StepSaved::Saved) {
    start_.saved = false;
    for (Step& s : steps_) s.end.saved = false;
  }
  step.end.marks = marksAfter;
  step.end.saved = saved == StepSaved::Saved || (saved == StepSaved::AsBefore && wasSaved);
  steps_.push_back(std::move(step));
  ++position_;
  if (steps_.size() > kMaxSteps) {
    start_ = steps_.front().end;
    steps_.pop_front();
    --position_;
  }
  return true;
}

const char* EditHistory::UndoName() const { return CanUndo() ? steps_[position_ - 1].name : ""; }
const char* EditHistory::RedoName() const { return CanRedo() ? steps_[position_].name : ""; }

void EditHistory::Apply(const Step& step, HistoryState& state, bool after) {
  const Frame& to = after ? step.after : step.before;
  std::vector<std::uint8_t> all;
  if (step.whole) {
    const std::size_t beforeBytes = std::size_t{step.before.glyphBytes} + step.before.widthBytes;
    const std::uint8_t* first = step.bytes.get() + (after ? beforeBytes : 0);
    all.assign(first, first + to.glyphBytes + to.widthBytes);
  } else {
    all = BytesOf(state.document);
    const std::uint8_t* p = step.bytes.get();
    const std::uint8_t* const end = p + step.byteCount;
    while (p < end) {
      const std::uint32_t offset = GetNumber(p, 4);
      const std::uint32_t length = GetNumber(p + 4, 2);
      const std::uint8_t* bytes = p + kRunHeader + (after ? length : 0);
      std::memcpy(all.data() + offset, bytes, length);
      p += kRunHeader + 2 * static_cast<std::size_t>(length);
    }
  }
  FontDocument& d = state.document;
  d.layout = to.layout;
  d.negative = to.negative;
  d.glyphs.assign(all.begin(), all.begin() + to.glyphBytes);
  d.widths.assign(all.begin() + to.glyphBytes, all.end());
  state.symbol = to.symbol;
}

void EditHistory::Undo(HistoryState& state) { Apply(steps_[--position_], state, false); }

void EditHistory::Redo(HistoryState& state) { Apply(steps_[position_++], state, true); }

void EditHistory::MarkSaved() {
  start_.saved = false;
  for (Step& s : steps_) s.end.saved = false;
  PositionState& now = PositionAt(position_);
  now.saved = true;
  now.marks.reset();
}

std::size_t EditHistory::MemoryBytes() const {
  std::size_t total = sizeof(*this);
  for (const Step& s : steps_) total += sizeof(Step) + s.byteCount;
  return total;
}

}  // namespace zg
