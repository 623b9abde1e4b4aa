#include "support/GdiplusSession.h"

#include "ui/core/GdiPlus.h"

namespace KRUITest {

void GdiplusSession::SetUp() {
  Gdiplus::GdiplusStartupInput input;
  ULONG_PTR token = 0;
  ASSERT_EQ(Gdiplus::Ok, Gdiplus::GdiplusStartup(&token, &input, nullptr));
  token_ = token;
}

void GdiplusSession::TearDown() { Gdiplus::GdiplusShutdown(static_cast<ULONG_PTR>(token_)); }

}  // namespace KRUITest
