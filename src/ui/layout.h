#pragma once
// The main window's designed layout in twips (15 twips per pixel), kept as
// data so that the start-up scaling is one multiplication over a table.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/font_model.h"

namespace zg {

inline constexpr double kTwipsPerPixel = 15.0;
inline constexpr double kDesignedWidth = 12645;  // client area
inline constexpr double kDesignedHeight = 7935;
inline constexpr double kSmallScreenTwips = 21600;  // narrower screens are scaled
inline constexpr double kSmallScreenScale = 0.85;

// Controls of the main window that are not part of the two box arrays.
enum class Ctl {
  // clang-format off: the controls in their designed order, several a line
  Command1,
  Command2,
  Command3,
  Command4,
  Command5,
  Command6,
  Command7,
  Command8,
  Command9,
  Command10,
  Command11,
  Check1,
  Frame2,
  Combo1,
  Combo2,
  Label20,
  Label21,
  Label2,
  Label3,
  Label18,
  Label19,
  // clang-format on
  Count
};
inline constexpr int kCtlCount = static_cast<int>(Ctl::Count);

enum class CtlKind { Button, CheckBox, Frame, Combo, Label };

struct Rect {
  double left = 0, top = 0, width = 0, height = 0;
  friend bool operator==(const Rect&, const Rect&) = default;
};

struct ControlSpec {
  Ctl id;
  const char* name;
  CtlKind kind;
  const char* caption;
  Color face;       // button face colour, 0x00BBGGRR; 0 = the toolkit's own
  Rect rect;        // inside Frame2 relative to the frame
  double fontSize;  // points
  bool bold;
  bool italic;
  bool inFrame2;
};

struct LineSpec {
  const char* name;
  double x1, y1, x2, y2;
};

// Row and column headings of the symbol table.
struct HeadingSpec {
  std::string caption;
  Rect rect;
};

const std::array<ControlSpec, kCtlCount>& DesignedControls();
const ControlSpec& DesignedControl(Ctl id);
const std::array<LineSpec, 10>& DesignedLines();
std::vector<HeadingSpec> DesignedHeadings();  // Label1(0..15), then Label4..Label17

inline constexpr double kWindowFontSize = 8.25;  // Arial, Cyrillic
inline constexpr double kSymbolBoxSize = 375;
inline constexpr double kPixelBoxSize = 220;
Rect DesignedSymbolBox(int i);  // Text1(i)
Rect DesignedPixelBox(int k);   // Picture1(k)

// The window's geometry after the start-up scaling, all in twips.
struct ScaledLayout {
  float kscr = 1.0F;
  double windowWidth = kDesignedWidth;
  double windowHeight = kDesignedHeight;
  std::array<Rect, kCtlCount> controls{};
  std::array<double, kCtlCount> fontSizes{};
  std::array<std::array<double, 4>, 10> lines{};  // x1, y1, x2, y2
  std::vector<HeadingSpec> headings;
  std::vector<double> headingFontSizes;
  std::array<Rect, kSymbolCount> symbolBoxes{};
  std::array<Rect, kGridBoxes> pixelBoxes{};
  double symbolFontSize = 10;  // fixed, whatever the scale
};

// kscr for a screen `screenTwips` wide: 0.85 below 21600 twips, else 1.
float ScaleFactorForScreen(double screenTwips);
ScaledLayout ComputeLayout(double screenTwips);

}  // namespace zg
