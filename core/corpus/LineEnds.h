#pragma once
// Where the lines of a text file's bytes end: each CR, and each LF that does not follow a CR
// (that LF is the CR's pair).

#include <cstdint>
#include <string_view>
#include <vector>

namespace lumra {

// The position of every line end in bytes, which must be shorter than 4 GiB, in order.
std::vector<std::uint32_t> LineEnds(std::string_view bytes);

// The scans LineEnds chooses from, fastest first; all give the same ends.
enum class LineScan { Avx512, Avx2, Plain };
bool LineScanAvailable(LineScan scan);
// LineEnds with the given scan, or the plain one where the processor lacks it.
std::vector<std::uint32_t> LineEndsBy(std::string_view bytes, LineScan scan);

} // namespace lumra
