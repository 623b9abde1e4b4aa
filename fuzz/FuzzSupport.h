// What the harnesses share: the libFuzzer entry point, a property check that ends the
// process like a crash, and the splitting of one input into several parts.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace KRUIFuzz {

// A property that does not hold is a finding: the message goes to stderr and the process
// aborts, so the fuzzer keeps the input as a crash and the replay fails.
[[noreturn]] void Fail(const char* harness, const std::string& what);
#define KRUI_FUZZ_CHECK(harness, condition, what) \
  do {                                           \
    if (!(condition)) ::KRUIFuzz::Fail(harness, what); \
  } while (0)

// Parts separated by the byte 0x1E (record separator: no document the launcher reads
// contains it); there are always exactly count parts, missing ones empty, and the last
// keeps the rest of the input. present[i] tells whether part i was in the input at all.
std::vector<std::string> SplitParts(const uint8_t* data, size_t size, size_t count,
                                    std::vector<bool>* present = nullptr);

// A 24-bit bottom-up BMP of width x height in two colours: images the documents can name.
std::string MakeBmp(int width, int height);

}  // namespace KRUIFuzz
