#pragma once
// The edit history: every change of the font is a step that keeps only the
// store bytes it changed and the few parameters around them, so memory grows
// with the edits, not with the font. Positions run from 0 (the state at
// start-up) to the number of steps; undo and redo move between them.

#include <bitset>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>

#include "model/font_model.h"

namespace zg {

// The symbol boxes that carry the edited mark.
using EditedMarks = std::bitset<kSymbolCount>;

// What a step brings back besides the store bytes: the cell, the scan, the
// polarity, whether a font is open and which symbol was current.
struct HistoryView {
  Layout layout;  // the font's cell and scan; 0 x 0 before any font
  std::int16_t pos = 0;
  std::int16_t check1Value = 0;
  std::int16_t simb = 0;
  bool fontOpen = false;
  friend bool operator==(const HistoryView&, const HistoryView&) = default;
};

// How a step leaves the saved state: most make the font differ from its
// file; an import makes it equal to the file just read; a new font is as
// saved as the font it replaces (it holds no work of its own).
enum class StepSaved : std::uint8_t { Unsaved, Saved, AsBefore };

class EditHistory {
 public:
  // Keeps at least this many steps; beyond it the oldest are dropped.
  static constexpr std::size_t kMaxSteps = 100000;

  // Records the change from (before, viewBefore) to the present (after,
  // viewAfter) as a step named `name` (a static text such as "сдвиг вверх"),
  // dropping any steps that could have been redone. Returns false, recording
  // nothing but the marks of the present position, when the font did not
  // change.
  bool Record(const char* name, const GlyphStore& before, const HistoryView& viewBefore,
              const GlyphStore& after, const HistoryView& viewAfter, const EditedMarks& marksAfter,
              StepSaved saved);

  bool CanUndo() const { return position_ > 0; }
  bool CanRedo() const { return position_ < steps_.size(); }
  // The step that undo or redo would take back or do again; "" when none.
  const char* UndoName() const;
  const char* RedoName() const;

  // Moves one step back (forth), writing the bytes of that state into
  // `store`; returns the view to show. Callers check CanUndo / CanRedo.
  HistoryView Undo(GlyphStore& store);
  HistoryView Redo(GlyphStore& store);

  // The edited marks as they were at the present position.
  const EditedMarks& Marks() const { return PositionAt(position_).marks; }
  // True when the present state is the one last saved or read.
  bool IsSaved() const { return PositionAt(position_).saved; }
  // The present state has just been written to a file: it alone is saved,
  // and its marks are cleared.
  void MarkSaved();

  std::size_t StepCount() const { return steps_.size(); }
  std::size_t Position() const { return position_; }
  // Bytes held by the history, for the memory benchmark.
  std::size_t MemoryBytes() const;

 private:
  struct PositionState {
    EditedMarks marks;
    bool saved = false;
  };
  // One step: its name, the views on both sides and the changed runs of the
  // store, each as (offset, length, bytes before, bytes after), packed into
  // one allocation.
  struct Step {
    const char* name = "";
    HistoryView before;
    HistoryView after;
    std::unique_ptr<std::uint8_t[]> runs;
    std::uint32_t runBytes = 0;
    PositionState end;  // the position this step leads to
  };

  const PositionState& PositionAt(std::size_t p) const {
    return p == 0 ? start_ : steps_[p - 1].end;
  }
  PositionState& PositionAt(std::size_t p) { return p == 0 ? start_ : steps_[p - 1].end; }
  static void ApplyRuns(const Step& step, GlyphStore& store, bool after);

  PositionState start_{{}, true};
  std::deque<Step> steps_;
  std::size_t position_ = 0;
};

}  // namespace zg
