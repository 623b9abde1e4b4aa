// krui-render GAME_FOLDER WINDOW_ID OUT.png: one window's controls painted into a picture.
#include <cstdio>
#include <string>

#include "LayoutRenderer.h"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: krui-render GAME_FOLDER WINDOW_ID OUT.png\n");
    return 2;
  }
  try {
    std::string error;
    if (!KRUI::LayoutRenderer::Render(argv[1], argv[2], argv[3], error)) {
      std::fprintf(stderr, "krui-render: %s\n", error.c_str());
      return 1;
    }
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "krui-render: %s\n", e.what());
    return 3;
  }
}
