#pragma once
// What a user does in the parameters dialog, as scripts for a test platform.

#include <functional>
#include <string>

#include "ui/form2.h"

namespace zg::testing {

// Picks `size`, optionally horizontal scan and the negative box, and confirms.
inline std::function<void(Form2&)> PickSize(const std::string& size, bool horizontal = false,
                                            bool negative = false) {
  return [=](Form2& d) {
    d.Combo1Click(size);
    if (horizontal) d.Option2Click();
    if (negative) d.Check1Click(1);
    d.Command1Click();
  };
}

inline std::function<void(Form2&)> CancelDialog() {
  return [](Form2& d) { d.Command2Click(); };
}

}  // namespace zg::testing
