#include <gtest/gtest.h>

#include "calcunit.h"

int main(int argc, char** argv) {
  calcunit::InitFloatingPoint();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
