// The main-arguments record of the Chromium runtime: on Windows only the module instance
// the process was started with.
#pragma once
#include "browser/CefCapi.h"

namespace KRUI {

class CefMainArgs {
 public:
  explicit CefMainArgs(HINSTANCE instance) noexcept { args_.instance = instance; }
  const cef_main_args_t* get() const noexcept { return &args_; }

 private:
  cef_main_args_t args_{};
};

}  // namespace KRUI
