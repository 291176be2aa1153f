// The end-to-end tests' main: positions are compared in real pixels, so the
// driver declares itself aware of the screen's pixel density before anything.
#include <windows.h>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  SetProcessDPIAware();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
