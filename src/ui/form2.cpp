#include "ui/form2.h"

#include <algorithm>

#include "ui/platform.h"
#include "ui/texts.h"

namespace zg {

Form2::Form2(FontModel& model, MainWindowState& window, std::string& tip, Platform& platform)
    : model_(model), window_(window), tip_(tip), platform_(platform) {}

void Form2::Load() {
  state_ = Form2State{};
  if (tip_ == "new") {
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
  // The parameters reach the main window only now, so that a cancelled
  // dialog leaves the font being edited exactly as it was.
  model_.ncol = ncol_;
  model_.nstr = nstr_;
  model_.vert = state_.option1 ? 1 : 0;
  model_.cb = static_cast<std::int16_t>(LayoutOf(model_).BytesPerGlyph());
  model_.sb = 0;
  model_.nb = -1;
  model_.oldsimb = 0;
  model_.simb = 0;
  if (tip_ == "load") {
    // The main window's check box follows the dialog's; its Click sets pos.
    window_.check1Value = state_.check1Value;
  }
  model_.pos = state_.check1Value == 0 ? -1 : 0;
  for (Ctl c : {Ctl::Command3, Ctl::Command4, Ctl::Command5, Ctl::Frame2, Ctl::Check1, Ctl::Combo1,
                Ctl::Combo2}) {
    window_.Show(c);
  }
  state_.closed = true;
}

void Form2::Command2Click() {
  tip_ = "end";
  state_.closed = true;
}

bool Form2::QueryUnload(CloseReason reason) const { return reason != CloseReason::Program; }

}  // namespace zg
