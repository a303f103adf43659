#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_platform.h"
#include "ui/form1.h"

namespace zg {
namespace {

using testing::Editor;

// The widths of the first glyphs, as the document holds them.
std::vector<int> Widths(const Editor& e, int count = 3) {
  std::vector<int> w;
  for (int i = 0; i < count; ++i) w.push_back(e.Doc().Width(i));
  return w;
}

// A new 8 x 8 font made proportional: the space empty, '!' one column at x = 2, '"' two columns at
// x = 1 and 3.
void MakeProportionalFont(Editor& e) {
  e.Create("8 x 8");
  e.SetGlyphs([](auto& g) {
    g[8 + 2] = 0x3E;
    g[16 + 1] = 0x07;
    g[16 + 3] = 0x07;
  });
  e.platform.proportionalChoices.push_back(ProportionalChoice{1, 3});
  e.form.proportionalClick();
}

TEST(Widths, FollowTheInkThroughEveryCommandAndUndo) {
  Editor e;
  MakeProportionalFont(e);
  EXPECT_EQ(Widths(e), (std::vector{3, 4, 5}));  // ink + 1 column of spacing; the space 3
  EXPECT_TRUE(e.form.model.proportional);
  EXPECT_EQ(e.form.model.widths[2], 5);

  e.form.text1Click(1);
  const struct {
    const char* what;
    void (*run)(Form1&);
    int width;  // of glyph 1 afterwards
  } steps[] = {
      {"shift right", [](Form1& f) { f.command9Click(); }, 5},
      {"shift left", [](Form1& f) { f.command8Click(); }, 4},
      {"flip: the ink at x = 5, the gap kept", [](Form1& f) { f.flipHorizontalClick(); }, 7},
      {"narrower", [](Form1& f) { f.narrowClick(); }, 6},
      {"wider", [](Form1& f) { f.widenClick(); }, 7},
      {"the line dragged", [](Form1& f) { f.widthDrag(2); }, 2},
      {"dragged past the cell", [](Form1& f) { f.widthDrag(30); }, 8},
  };
  for (const auto& step : steps) {
    step.run(e.form);
    EXPECT_EQ(e.Doc().Width(1), step.width) << step.what;
    EXPECT_EQ(e.form.model.widths[1], step.width) << step.what;
  }
  // The whole font moves its widths with its ink; undo takes each step back.
  e.form.fontShiftClick(ShiftDirection::Right);
  EXPECT_EQ(Widths(e), (std::vector{4, 8, 6}));
  e.form.undoClick();
  EXPECT_EQ(Widths(e), (std::vector{3, 8, 5}));
  for (std::size_t i = 0; i < std::size(steps); ++i) e.form.undoClick();
  EXPECT_EQ(Widths(e), (std::vector{3, 4, 5}));

  // By number, then monospaced again as one step.
  e.platform.glyphWidths.push_back(6);
  e.form.widthClick();
  EXPECT_EQ(e.Doc().Width(1), 6);
  e.form.monospacedClick();
  EXPECT_FALSE(e.Doc().Proportional());
  EXPECT_EQ(Widths(e), (std::vector{8, 8, 8}));
  e.form.undoClick();
  EXPECT_EQ(e.Doc().Width(1), 6);
}

TEST(Widths, TheClipboardCarriesTheWidthIntoAProportionalFontOnly) {
  Editor e;
  MakeProportionalFont(e);
  e.form.text1Click(1);
  e.form.copyClick();
  e.form.text1Click(5);
  e.form.pasteClick();
  EXPECT_EQ(e.Doc().Width(5), 4);

  Editor mono("8 x 8");
  mono.platform.clipboard = e.platform.clipboard;
  mono.form.pasteClick();
  EXPECT_FALSE(mono.Doc().Proportional());
}

TEST(Widths, AProportionalFontComesBackFromEachFileWithItsWidths) {
  Editor e;
  MakeProportionalFont(e);
  // A glyph as wide as the cell: a GFX font keeps no cell, only how far its ink and
  // widths reach, so this one comes back in its 8 x 8 cell.
  e.SetGlyphs([](auto& g) { g[10 * 8 + 7] = 0x80; });
  e.platform.proportionalChoices.push_back(ProportionalChoice{1, 3});
  e.form.proportionalClick();
  // A font source, a C header and an Adafruit GFX font, each imported by a fresh window.
  const struct {
    OutputFormat format;
    const char* path;
  } files[] = {{OutputFormat::FontSource, "/f/Font08x08vp.fnt"},
               {OutputFormat::CHeader, "/f/font8.h"},
               {OutputFormat::Gfx, "/f/gfx8.h"}};
  for (const auto& file : files) {
    ExportChoice choice;
    choice.format = file.format;
    e.platform.exportChoices.push_back(choice);
    e.platform.savePaths.push_back(file.path);
    e.form.exportClick();
    Editor f;
    f.platform.files = e.platform.files;
    f.Import(file.path);
    EXPECT_EQ(Widths(f, 11), (std::vector{3, 4, 5, 3, 3, 3, 3, 3, 3, 3, 8})) << file.path;
    EXPECT_EQ(PixelPicture(f.Doc().layout, f.Doc().Glyph(2)),
              PixelPicture(e.Doc().layout, e.Doc().Glyph(2)))
        << file.path;
  }
}

}  // namespace
}  // namespace zg
