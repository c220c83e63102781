#pragma once
// The data-file fingerprint: the byte values of the 19 data files counted in two stages and
// written as upper-case hexadecimal counts. Shared by libkelvo.so, the build tool that computes
// the expected fingerprint, and the tests.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace lumra {

// The files the fingerprint covers, always all of them and in this order. The Swedish footnote
// file stands fifth, among the English files.
inline constexpr std::array<std::string_view, 19> kFingerprintFiles = {
    "enaapx",    "enapt.txt", "enhlp.rtf", "enift.txt", "svnfn.txt", "enksn.txt", "enkvt.txt",
    "enlen",     "ennfn.txt", "ennst.txt", "Ocf",       "svaapx",    "svapt.txt", "svhlp.rtf",
    "svift.txt", "svksn.txt", "svkvt.txt", "svlen",     "svnst.txt"};

// A larger file is refused rather than counted.
inline constexpr std::size_t kMaxDataFileSize = 1'000'000;

// 12 rows x 16 hexadecimal digits, each count below 0x1000 for files within the size limit.
inline constexpr std::size_t kMaxFingerprintLength = 576;

inline constexpr int kFingerprintOk = 0;
// A file of the list is missing, not a regular file, unreadable or over kMaxDataFileSize.
inline constexpr int kFingerprintUnreadable = 1;

// The bytes of the files of the list, in its order.
using FingerprintBytes = std::array<std::string_view, kFingerprintFiles.size()>;

// Stage one: counts the bytes of the 19 files (names appended to `folder`, which ends with a
// slash or is empty) over 9 rows; the row runs on from file to file. On failure `out` is left
// as it was.
int FirstStageText(const std::string& folder, std::string& out);
// The same over files already in memory; a file over kMaxDataFileSize fails as it would on disk.
int FirstStageText(const FingerprintBytes& files, std::string& out);

// Stage two: counts the characters of the first-stage text over 12 rows.
std::string SecondStageText(std::string_view firstStage);

// Both stages. On failure `out` is left as it was.
int ComputeFingerprint(const std::string& folder, std::string& out);
int ComputeFingerprint(const FingerprintBytes& files, std::string& out);

} // namespace lumra
