#pragma once
// The editor session: the font being edited, its history, the current symbol
// and the edited marks. Every change enters through a Transaction: committed,
// it records one step of the history; ended without a commit, it puts the
// session back exactly as it was. The window's view is computed from the
// session after each change (window_view.h); nothing else writes it.

#include <cstdint>
#include <span>
#include <vector>

#include "document/edit_history.h"
#include "model/font_document.h"

namespace zg {

class EditorSession {
 public:
  const FontDocument& document() const { return state_.document; }
  bool HasFont() const { return state_.document.HasCell(); }
  int current() const { return state_.symbol; }
  std::span<const std::uint8_t> CurrentGlyph() const { return state_.document.Glyph(current()); }
  // The current glyph's bytes as they were when it was selected (revert's source).
  const std::vector<std::uint8_t>& backup() const { return backup_; }
  // The current glyph changed since it was selected, so revert has work.
  bool GlyphChanged() const { return glyphChanged_; }
  const EditedMarks& marks() const { return marks_; }
  const EditHistory& history() const { return history_; }
  bool IsSaved() const { return history_.IsSaved(); }

  // Makes `symbol` current and takes its backup; not a change of the font.
  void Select(int symbol);
  // Polarity while no font is open: nothing to undo.
  void SetNegativeWithoutFont(bool negative);

  void Undo() { Move(false); }
  void Redo() { Move(true); }
  // The font has just been written to a file: it is the saved state now.
  void MarkSaved();

  class Transaction;

 private:
  friend class Transaction;
  void TakeBackup();
  void Move(bool forward);

  HistoryState state_;
  EditHistory history_;
  EditedMarks marks_;
  std::vector<std::uint8_t> backup_;
  bool glyphChanged_ = false;
  Transaction* open_ = nullptr;
};

// One change of the font. Commands change document() (and choose the
// current symbol and the marks); Commit records the step. Destroyed without
// a commit, it leaves document, current symbol, marks, backup and history
// as they were when it began.
class EditorSession::Transaction {
 public:
  Transaction(EditorSession& session, const char* name);
  ~Transaction();
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;

  FontDocument& document() { return s_.state_.document; }
  // The step's name, when what the change is shows only as it goes (a drag
  // or a click).
  void Rename(const char* name) { name_ = name; }
  std::span<std::uint8_t> CurrentGlyph() { return document().Glyph(s_.state_.symbol); }
  int symbol() const { return s_.state_.symbol; }
  // The font is a new one (created or read): symbol `symbol` current with a
  // fresh backup, no marks.
  void NewFont(int symbol = 0);
  // The current glyph goes back to its backup: its mark goes, and it counts
  // as unchanged since its selection.
  void Revert();
  // Every glyph loses its edited mark (the whole font was cleared); whether
  // the current glyph changed since its selection stays as it was.
  void ClearMarks() { clearMarks_ = true; }
  // Marks the symbol as edited even when its bytes did not change; the
  // current one then counts as changed since its selection.
  void Mark(int symbol) {
    s_.marks_.set(static_cast<std::size_t>(symbol));
    if (symbol == s_.state_.symbol) s_.glyphChanged_ = true;
  }

  // Records the step (nothing when nothing changed). Glyphs whose bytes or
  // width changed in a font of the same cell and scan get the edited mark.
  void Commit(StepSaved saved = StepSaved::Unsaved);

 private:
  EditorSession& s_;
  const char* name_;
  HistoryState start_;
  EditedMarks marks_;
  std::vector<std::uint8_t> backup_;
  bool glyphChanged_;
  bool newFont_ = false;
  bool reverted_ = false;
  bool clearMarks_ = false;
  bool done_ = false;
};

}  // namespace zg
