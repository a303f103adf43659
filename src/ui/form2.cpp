#include "ui/form2.h"

#include <algorithm>
#include <utility>

#include "ui/platform.h"
#include "ui/texts.h"

namespace zg {

Form2::Form2(std::string mode, Platform& platform) : tip(std::move(mode)), platform_(platform) {}

void Form2::Load() {
  state_ = Form2State{};
  if (tip == "new") {
    state_.command1Caption = text::kForm2Create;
    state_.title = text::kForm2TitleNew;
    state_.check1Visible = false;  // a new font is always positive
  } else {
    state_.command1Caption = text::kForm2Load;
    state_.title = text::kForm2TitleLoad;
  }
  state_.option1 = true;
}

namespace {

// The classic cells 6 x 8 and 12 x 16 are made vertical, as their files
// always were; every other cell may take either scan.
bool OnlyVertical(int ncol, int nstr) {
  return (ncol == 6 && nstr == 8) || (ncol == 12 && nstr == 16);
}

}  // namespace

void Form2::Combo1Click(const std::string& text) {
  if (text == kForm2OtherSize) {
    frm = text;
    state_.combo1Text = text;
    state_.sizeEntryVisible = true;
    state_.option2Visible = true;
    SizeEntryChange(state_.entryWidth, state_.entryHeight);
    return;
  }
  for (const auto& size : kCellSizes) {
    if (text != size.name) continue;
    frm = text;
    state_.combo1Text = text;
    state_.sizeEntryVisible = false;
    ncol_ = size.ncol;
    nstr_ = size.nstr;
    const bool onlyVertical = OnlyVertical(size.ncol, size.nstr);
    if (onlyVertical || (size.ncol == 24 && size.nstr == 16)) state_.option1 = true;
    state_.option2Visible = !onlyVertical;
    return;
  }
}

void Form2::SizeEntryChange(int width, int height) {
  state_.entryWidth = std::clamp(width, 1, kMaxCellWidth);
  state_.entryHeight = std::clamp(height, 1, kMaxCellHeight);
  if (!state_.sizeEntryVisible) return;
  ncol_ = static_cast<std::int16_t>(state_.entryWidth);
  nstr_ = static_cast<std::int16_t>(state_.entryHeight);
}

void Form2::Option1Click() { state_.option1 = true; }

void Form2::Option2Click() {
  if (state_.option2Visible) state_.option1 = false;
}

void Form2::Check1Click(int value) { state_.check1Value = value == 1 ? 1 : 0; }

void Form2::Command1Click() {
  if (state_.combo1Text.empty()) {
    platform_.ShowMessage({text::kPickCellFormat, MsgButtons::Ok, MsgIcon::None, text::kAppTitle});
    return;
  }
  // The choice reaches the main window only through choice(), so that a
  // cancelled dialog leaves the font being edited exactly as it was.
  const bool negative = tip == "load" && state_.check1Value == 1;
  choice_ = CellChoice{
      Layout::Classic(ncol_, nstr_, state_.option1 ? Scan::Vertical : Scan::Horizontal), negative};
  state_.closed = true;
}

void Form2::Command2Click() {
  tip = "end";
  state_.closed = true;
}

bool Form2::QueryUnload(CloseReason reason) const { return reason != CloseReason::Program; }

}  // namespace zg
