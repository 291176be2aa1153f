#include <gtest/gtest.h>

#include <string>

#include "calcunit.h"

namespace {

using calcunit::OpenShortText;
using calcunit::QuarterWaveText;

TEST(QuarterWaveText, GivesTheMagnitudeOrNothing) {
  struct Case {
    std::string r, x, expected;
  };
  const Case cases[] = {
      {"3", "4", "5,0"},
      {"-3", "-4", "5,0"},
      {"6,0", "8", "10,0"},
      {"0", "0", "0,0"},
      {" 3\t", "\xE2\x88\x92" "4.0", "5,0"},
      {"3", "", ""},
      {"", "4", ""},
      {"abc", "4", ""},
      {"3", "4x", ""},
      {"1e400", "4", ""},
      {"1,5e308", "1,5e308", ""},
      {"1e308", "1e308", "1,4142135623731E308"},
      {"1e200", "0", "1E200"},
      {"1e-400", "-1e-400", "0,0"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(QuarterWaveText(c.r, c.x), c.expected) << c.r << " | " << c.x;
  }
}

TEST(OpenShortText, GivesTheGeometricMeanOrNothing) {
  struct Case {
    std::string r1, x1, r2, x2, expected;
  };
  const Case cases[] = {
      {"1", "0", "4", "0", "2,0"},
      {"3", "4", "3", "4", "5,0"},
      {"3", "4", "0", "0", "0,0"},
      {"0", "0", "0", "0", "0,0"},
      {"1", "0", "4", "", ""},
      {"", "0", "4", "0", ""},
      {"1", "x", "4", "0", ""},
      {"1", "0", "4,,", "0", ""},
      {"1,5e308", "1,5e308", "0", "0", ""},
      {"0", "0", "1,5e308", "1,5e308", ""},
      {"1e200", "0", "1e200", "0", "1E200"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(OpenShortText(c.r1, c.x1, c.r2, c.x2), c.expected)
        << c.r1 << " | " << c.x1 << " | " << c.r2 << " | " << c.x2;
  }
}

// Each call starts clean: no result and no floating-point fault carries over.
TEST(MethodResults, NothingCarriesOverBetweenCalls) {
  EXPECT_EQ(QuarterWaveText("3", "4"), "5,0");
  EXPECT_EQ(QuarterWaveText("3", ""), "");
  EXPECT_EQ(OpenShortText("1", "0", "4", "0"), "2,0");
  EXPECT_EQ(OpenShortText("1", "0", "", "0"), "");

  EXPECT_EQ(QuarterWaveText("1,5e308", "1,5e308"), "");
  EXPECT_EQ(QuarterWaveText("3", "4"), "5,0");
  EXPECT_EQ(OpenShortText("1,5e308", "1,5e308", "0", "0"), "");
  EXPECT_EQ(OpenShortText("3", "4", "3", "4"), "5,0");
  EXPECT_EQ(QuarterWaveText("1e400", "0"), "");
  EXPECT_EQ(QuarterWaveText("3", "4"), "5,0");
}

}  // namespace
