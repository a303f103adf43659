#include "ui/editor_session.h"

#include <algorithm>
#include <cassert>

#include "ops/scan.h"

namespace zg {

void EditorSession::TakeBackup() {
  const auto glyph = CurrentGlyph();
  backup_.assign(glyph.begin(), glyph.end());
  glyphChanged_ = false;
}

void EditorSession::Select(int symbol) {
  if (!HasFont() || symbol < 0 || symbol >= kSymbolCount) return;
  state_.symbol = symbol;
  TakeBackup();
}

void EditorSession::SetNegativeWithoutFont(bool negative) {
  if (!HasFont()) state_.document.negative = negative;
}

void EditorSession::Move(bool forward) {
  if (!(forward ? history_.CanRedo() : history_.CanUndo()) || open_ != nullptr) return;
  const HistoryState before = state_;
  if (forward) {
    history_.Redo(state_);
  } else {
    history_.Undo(state_);
  }
  marks_ = history_.Marks();
  // The same glyph in the same cell keeps the backup of its selection.
  if (before.symbol == state_.symbol && before.document.layout == state_.document.layout) {
    const auto glyph = CurrentGlyph();
    glyphChanged_ = !std::equal(glyph.begin(), glyph.end(), backup_.begin(), backup_.end());
  } else {
    TakeBackup();
  }
}

void EditorSession::MarkSaved() {
  history_.MarkSaved();
  marks_.reset();
}

EditorSession::Transaction::Transaction(EditorSession& session, const char* name)
    : s_(session),
      name_(name),
      start_(session.state_),
      marks_(session.marks_),
      backup_(session.backup_),
      glyphChanged_(session.glyphChanged_) {
  assert(s_.open_ == nullptr);
  s_.open_ = this;
}

EditorSession::Transaction::~Transaction() {
  s_.open_ = nullptr;
  if (done_) return;
  s_.state_ = std::move(start_);
  s_.marks_ = marks_;
  s_.backup_ = std::move(backup_);
  s_.glyphChanged_ = glyphChanged_;
}

void EditorSession::Transaction::NewFont(int symbol) {
  newFont_ = true;
  s_.state_.symbol = std::clamp(symbol, 0, kSymbolCount - 1);
}

void EditorSession::Transaction::Revert() {
  const auto glyph = CurrentGlyph();
  std::copy_n(s_.backup_.begin(), std::min(glyph.size(), s_.backup_.size()), glyph.begin());
  reverted_ = true;
}

void EditorSession::Transaction::Commit(StepSaved saved) {
  const FontDocument& before = start_.document;
  const FontDocument& after = s_.state_.document;
  const int symbol = s_.state_.symbol;
  if (newFont_) {
    s_.marks_.reset();
    s_.TakeBackup();
  } else if (before.layout == after.layout && before.glyphs.size() == after.glyphs.size()) {
    for (int i = 0; i < kSymbolCount; ++i) {
      const auto a = before.Glyph(i);
      const auto b = after.Glyph(i);
      const bool changed =
          !std::equal(a.begin(), a.end(), b.begin(), b.end()) || before.Width(i) != after.Width(i);
      if (!clearMarks_ && changed) s_.marks_.set(i);
    }
    if (clearMarks_) s_.marks_.reset();
    if (reverted_) {
      s_.marks_.reset(static_cast<std::size_t>(symbol));
      s_.glyphChanged_ = false;
    } else if (symbol != start_.symbol) {
      s_.TakeBackup();
    } else if (!clearMarks_) {
      const auto a = before.Glyph(symbol);
      const auto b = after.Glyph(symbol);
      if (!std::equal(a.begin(), a.end(), b.begin(), b.end())) s_.glyphChanged_ = true;
    }
  } else if (before.layout.width == after.layout.width &&
             before.layout.height == after.layout.height && !s_.backup_.empty()) {
    // The scan changed: the backup follows, so a later revert restores the
    // glyph as it was selected, in the new order.
    s_.backup_ = RepackFont(s_.backup_, before.layout, after.layout);
  } else {
    s_.TakeBackup();
  }
  s_.history_.Record(name_, start_, s_.state_, s_.marks_, saved);
  done_ = true;
}

}  // namespace zg
