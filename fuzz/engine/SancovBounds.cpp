// The bounds of the coverage tables clang emits for a Windows target. clang puts each
// object's 8-bit counters in ".SCOV$CM" and its PC table in ".SCOVP$M" and refers to
// __start_/__stop_ symbols that the MSVC linker's section grouping would place; GNU ld
// groups "$"-suffixed sections the same way (sorted by suffix) but defines no such symbols,
// so they are defined here in the sections that sort first and last.
#include <cstdint>

extern "C" {
__attribute__((section(".SCOV$CA"), used)) uint64_t __start___sancov_cntrs = 0;
// One byte, aligned to one: with 8-byte alignment ld pads the counter table, and libFuzzer
// refuses to start when the counter count disagrees with the PC table's.
__attribute__((section(".SCOV$CZ"), used, aligned(1))) unsigned char __stop___sancov_cntrs = 0;
__attribute__((section(".SCOVP$A"), used)) uint64_t __start___sancov_pcs = 0;
__attribute__((section(".SCOVP$Z"), used)) uint64_t __stop___sancov_pcs = 0;
}
