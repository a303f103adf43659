#include "document/edit_history.h"

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

std::vector<std::uint8_t> DiffRuns(const GlyphStore& before, const GlyphStore& after) {
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
    // Lengths are 16-bit; the whole store is longer, so split where needed.
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

bool EditHistory::Record(const char* name, const GlyphStore& before, const HistoryView& viewBefore,
                         const GlyphStore& after, const HistoryView& viewAfter,
                         const EditedMarks& marksAfter, StepSaved saved) {
  std::vector<std::uint8_t> runs = DiffRuns(before, after);
  if (runs.empty() && viewBefore == viewAfter) {
    // Nothing of the font changed; a command may still have marked its symbol.
    PositionAt(position_).marks = marksAfter;
    return false;
  }

  const bool wasSaved = IsSaved();
  steps_.resize(position_);  // a new step drops what could have been redone
  if (saved == StepSaved::Saved) {
    start_.saved = false;
    for (Step& s : steps_) s.end.saved = false;
  }
  Step step;
  step.name = name;
  step.before = viewBefore;
  step.after = viewAfter;
  step.runBytes = static_cast<std::uint32_t>(runs.size());
  if (!runs.empty()) {
    step.runs = std::make_unique<std::uint8_t[]>(runs.size());
    std::memcpy(step.runs.get(), runs.data(), runs.size());
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

void EditHistory::ApplyRuns(const Step& step, GlyphStore& store, bool after) {
  const std::uint8_t* p = step.runs.get();
  const std::uint8_t* const end = p + step.runBytes;
  while (p < end) {
    const std::uint32_t offset = GetNumber(p, 4);
    const std::uint32_t length = GetNumber(p + 4, 2);
    const std::uint8_t* bytes = p + kRunHeader + (after ? length : 0);
    std::memcpy(store.data() + offset, bytes, length);
    p += kRunHeader + 2 * static_cast<std::size_t>(length);
  }
}

HistoryView EditHistory::Undo(GlyphStore& store) {
  const Step& step = steps_[--position_];
  ApplyRuns(step, store, false);
  return step.before;
}

HistoryView EditHistory::Redo(GlyphStore& store) {
  const Step& step = steps_[position_++];
  ApplyRuns(step, store, true);
  return step.after;
}

void EditHistory::MarkSaved() {
  start_.saved = false;
  for (Step& s : steps_) s.end.saved = false;
  PositionState& now = PositionAt(position_);
  now.saved = true;
  now.marks.reset();
}

std::size_t EditHistory::MemoryBytes() const {
  std::size_t total = sizeof(*this);
  for (const Step& s : steps_) total += sizeof(Step) + s.runBytes;
  return total;
}

}  // namespace zg
