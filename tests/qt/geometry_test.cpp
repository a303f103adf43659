#include "ui/qt/geometry.h"

#include <gtest/gtest.h>

#include <vector>

#include "ui/qt/dialog_text.h"

namespace zg {
namespace {

TEST(TwipsToPixels, RoundsEachEdgeToTheNearestPixel) {
  struct Case {
    Rect twips;
    QRect pixels;
  };
  const Case cases[] = {
      {{420, 6300, 1455, 612}, {28, 420, 97, 41}},    // Command1: 460.8 rounds up
      {{7140, 735, 220, 220}, {476, 49, 15, 15}},     // pixel box 0
      {{7350, 735, 220, 220}, {490, 49, 15, 15}},     // pixel box 1 overlaps box 0 by one
      {{720, 720, 375, 375}, {48, 48, 25, 25}},       // symbol box 0
      {{6069, 624.75, 187, 187}, {405, 42, 12, 12}},  // a scaled pixel box
      {{7, 7, 1, 1}, {0, 0, 1, 1}},                   // 0.47 down, 0.53 up
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TwipsToPixels(c.twips), c.pixels) << c.twips.left << "," << c.twips.top;
  }
}

TEST(ToQColor, ReadsBlueGreenRedOrder) {
  EXPECT_EQ(ToQColor(kRed), QColor(255, 0, 0));
  EXPECT_EQ(ToQColor(kBlue), QColor(0, 0, 255));
  EXPECT_EQ(ToQColor(kYellow), QColor(255, 255, 0));
  EXPECT_EQ(ToQColor(0x0080C0FF), QColor(255, 192, 128));  // light orange face
}

TEST(BoxAt, FindsTheBoxUnderThePoint) {
  // Three boxes in a row overlapping by one pixel, and one apart below.
  const std::vector<QRect> boxes{{0, 0, 15, 15}, {14, 0, 15, 15}, {28, 0, 15, 15}, {0, 20, 15, 15}};
  struct Case {
    QPoint p;
    int index;
  };
  const Case cases[] = {
      {{7, 7}, 0},   {{21, 7}, 1},  {{35, 7}, 2},   // centres
      {{0, 0}, 0},   {{13, 14}, 0},                 // corners of box 0
      {{14, 7}, 1},  {{28, 7}, 2},                  // overlaps go to the later box
      {{7, 17}, -1},                                // the gap between the rows
      {{43, 7}, -1}, {{-1, 7}, -1}, {{7, 35}, -1},  // outside every box
      {{7, 27}, 3},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(BoxAt(boxes, c.p), c.index) << c.p.x() << "," << c.p.y();
  }
}

TEST(BoxAt, SkipsBoxesThatAreNotShown) {
  const std::vector<QRect> boxes{{0, 0, 15, 15}, {14, 0, 15, 15}};
  const bool onlyFirst[] = {true, false};
  EXPECT_EQ(BoxAt(boxes, {14, 7}, onlyFirst), 0);  // the hidden box lets the click through
  EXPECT_EQ(BoxAt(boxes, {21, 7}, onlyFirst), -1);
  const bool none[] = {false, false};
  EXPECT_EQ(BoxAt(boxes, {7, 7}, none), -1);
}

TEST(QtNameFilters, ConvertsBarSeparatedFilters) {
  struct Case {
    const char* filter;
    const char* expected;
  };
  const Case cases[] = {
      {"Знакогенератор |*.fnt", "Знакогенератор  (*.fnt)"},
      {"Файлы знакогенератора(*.fnt)|*.fnt|Все файлы(*.*)|*.*",
       "Файлы знакогенератора(*.fnt) (*.fnt);;Все файлы(*.*) (*.*)"},
      {"Тексты|*.txt;*.fnt", "Тексты (*.txt *.fnt)"},
      {"Без шаблона", "Без шаблона (*)"},
      {"", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(QtNameFilters(c.filter), QString::fromUtf8(c.expected)) << c.filter;
  }
}

TEST(MessageText, TurnsCarriageReturnsIntoLineBreaks) {
  EXPECT_EQ(MessageText("Шрифт\rпреобразован"), QString::fromUtf8("Шрифт\nпреобразован"));
  EXPECT_EQ(MessageText("a\r\nb\rc\nd"), QStringLiteral("a\nb\nc\nd"));
  EXPECT_EQ(MessageText("без перевода"), QString::fromUtf8("без перевода"));
}

}  // namespace
}  // namespace zg
