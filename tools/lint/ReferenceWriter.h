// The vocabulary reference (docs/layout-reference.md) written from the elements'
// declarations, so it says exactly what the runtime reads.
#pragma once
#include <string>

namespace KRUI {

class ReferenceWriter {
 public:
  // Markdown, elements in name order; lists the registered names without a declaration too.
  static std::string Markdown();
};

}  // namespace KRUI
