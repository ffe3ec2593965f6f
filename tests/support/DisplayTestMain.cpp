// The main of the test programs that show windows: without a display (no DISPLAY for
// Wine's X11 driver) they report themselves skipped with exit code 77.
#include <windows.h>

#include <cstdio>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  if (GetEnvironmentVariableA("DISPLAY", nullptr, 0) == 0) {
    std::puts("skipped: no display");
    return 77;
  }
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
