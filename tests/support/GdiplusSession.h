// Starts GDI+ for the whole test program (register once per test program).
#pragma once
#include <gtest/gtest.h>

namespace KRUITest {

class GdiplusSession : public ::testing::Environment {
 public:
  void SetUp() override;
  void TearDown() override;

 private:
  unsigned long long token_ = 0;
};

}  // namespace KRUITest
