#pragma once
// The edit history: every change of the font is a step that keeps only the
// bytes it changed (a glyph's bytes for a pixel, the whole font only for a
// change of the cell or scan), so memory grows with the edits, not with the
// font. Positions run from 0 (the state at start-up) to the number of steps;
// undo and redo move between them.

#include <bitset>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>

#include "model/font_document.h"

namespace zg {

// The symbols that carry the edited mark.
using EditedMarks = std::bitset<kSymbolCount>;

// A state the history moves between: the font and the symbol that was
// current in it.
struct HistoryState {
  FontDocument document;  // no cell before any font
  int symbol = 0;
  friend bool operator==(const HistoryState&, const HistoryState&) = default;
};

// How a step leaves the saved state: most make the font differ from its
// file; an import makes it equal to the file just read; a new font is as
// saved as the font it replaces (it holds no work of its own).
enum class StepSaved : std::uint8_t { Unsaved, Saved, AsBefore };

class EditHistory {
 public:
  // Keeps at least this many steps; beyond it the oldest are dropped.
  static constexpr std::size_t kMaxSteps = 100000;

  // Records the change from `before` to `after` as a step named `name` (a
  // static text such as "сдвиг вверх"), dropping any steps that could have
  // been redone. Returns false, recording nothing but the marks of the
  // present position, when neither the font nor the current symbol changed.
  bool Record(const char* name, const HistoryState& before, const HistoryState& after,
              const EditedMarks& marksAfter, StepSaved saved);

  bool CanUndo() const { return position_ > 0; }
  bool CanRedo() const { return position_ < steps_.size(); }
  // The step that undo or redo would take back or do again; "" when none.
  const char* UndoName() const;
  const char* RedoName() const;

  // Moves one step back (forth), turning `state` (the present one) into the
  // state of that position. Callers check CanUndo / CanRedo.
  void Undo(HistoryState& state);
  void Redo(HistoryState& state);

  // The edited marks as they were at the present position.
  const EditedMarks& Marks() const { return PositionAt(position_).marks; }
  // True when the present state is the one last saved or read; the position
  // of that state is the clean index.
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
  // What a step brings back besides the glyph and width bytes.
  struct Frame {
    Layout layout;
    bool negative = false;
    int symbol = 0;
    std::uint32_t glyphBytes = 0;
    std::uint32_t widthBytes = 0;
  };
  // One step: its name, the frames on both sides and the changed bytes. When
  // both sides hold as many bytes, the changed runs of the font's bytes
  // (glyphs, then widths) as (offset, length, bytes before, bytes after);
  // otherwise both sides whole. One allocation either way.
  struct Step {
    const char* name = "";
    Frame before;
    Frame after;
    bool whole = false;
    std::unique_ptr<std::uint8_t[]> bytes;
    std::uint32_t byteCount = 0;
    PositionState end;  // the position this step leads to
  };

  const PositionState& PositionAt(std::size_t p) const {
    return p == 0 ? start_ : steps_[p - 1].end;
  }
  PositionState& PositionAt(std::size_t p) { return p == 0 ? start_ : steps_[p - 1].end; }
  static void Apply(const Step& step, HistoryState& state, bool after);

  PositionState start_{{}, true};
  std::deque<Step> steps_;
  std::size_t position_ = 0;
};

}  // namespace zg
