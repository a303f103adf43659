// Whatever the parameters hold, the operations stay inside their arrays and
// change no store byte outside the current glyph. Run under the sanitizers
// and with library assertions this also proves every index is in range.

#include <gtest/gtest.h>

#include <random>

#include "ops/ops.h"
#include "ops_test_support.h"

namespace zg {
namespace {

TEST(OddParameters, GlyphCommandsTouchOnlyTheirOwnBytes) {
  std::mt19937 rng(4242);
  std::uniform_int_distribution<int> small(-30, 40);
  std::uniform_int_distribution<int> start(-200, kStoreSize + 100);
  std::uniform_int_distribution<int> symbol(-5, 230);
  for (int trial = 0; trial < 400; ++trial) {
    FontModel m = test::NewFont({24, 24, 1});
    std::fill(m.glyphStore.begin(), m.glyphStore.end(), std::uint8_t{0x42});
    m.ncol = static_cast<std::int16_t>(small(rng));
    m.nstr = static_cast<std::int16_t>(small(rng));
    m.cb = static_cast<std::int16_t>(trial % 3 == 0 ? 200 : small(rng) * 2);
    m.vert = static_cast<std::int16_t>(trial % 2);
    m.sb = static_cast<std::int16_t>(start(rng));
    m.simb = static_cast<std::int16_t>(symbol(rng));
    m.nosavesimb = 1;
    SCOPED_TRACE(std::to_string(m.ncol) + "x" + std::to_string(m.nstr) + " cb " +
                 std::to_string(m.cb) + " sb " + std::to_string(m.sb));

    ShiftGlyph(m, static_cast<ShiftDirection>(trial % 4));
    RevertGlyph(m);
    EraseGlyph(m);
    for (int i = 0; i < kStoreSize; ++i) {
      if (i < m.sb || i >= m.sb + m.cb) {
        ASSERT_EQ(m.glyphStore[i], 0x42) << i;
      }
    }

    const FontModel before = m;
    ChangeScan(m);
    if (!CanChangeScan(before)) {
      FontModel want = before;
      want.memsimb = before.simb;
      EXPECT_TRUE(m == want);
    }
    ClearWholeFont(m);
    EXPECT_TRUE(std::all_of(m.glyphStore.begin(), m.glyphStore.end(),
                            [](std::uint8_t v) { return v == 0; }));
  }
}

}  // namespace
}  // namespace zg
