#pragma once
// Counts byte values over rows, the row advancing with every byte: the count behind both
// stages of the fingerprint.

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>

namespace lumra {

// Whether this processor has the wide count of nine rows.
bool HasWideNineRowCount();

// Counts a prefix of `bytes` made of whole blocks of 63 bytes into `counts` (9 rows of 256,
// row-major, and a spare counter after them that takes any value), the first byte in row
// `firstRow`, and returns its length; the row after it is `firstRow` again. Only where
// HasWideNineRowCount().
std::size_t CountNineRowsWide(const unsigned char* bytes, std::size_t count, int firstRow,
                              std::uint32_t* counts);

template <int Rows> class ByteCounter {
    static_assert(Rows >= 8, "a whole cycle takes at least one 8-byte word");

public:
    explicit ByteCounter(int firstRow = 0) : row_(firstRow % Rows) {
        if constexpr (Rows == 9) {
            wide_ = HasWideNineRowCount();
        }
    }

    void Add(const unsigned char* bytes, std::size_t count) {
        if constexpr (Rows == 9) {
            if (wide_) {
                const std::size_t done = CountNineRowsWide(bytes, count, row_, counts_.data());
                bytes += done;
                count -= done;
            }
        }
        AddPlain(bytes, count);
    }

    // One counter at a time, on any processor.
    void AddPlain(const unsigned char* bytes, std::size_t count) {
        // The row lives in a local: a store to a counter could alias a member, which would
        // reload it for every byte. Whole cycles of Rows bytes need no row arithmetic.
        int row = row_;
        std::size_t i = 0;
        for (; i < count && row != 0; ++i) {
            ++counts_[static_cast<std::size_t>(row) * 256 + bytes[i]];
            row = row + 1 == Rows ? 0 : row + 1;
        }
        for (; i + Rows <= count; i += Rows) {
            AddCycle(bytes + i);
        }
        for (; i < count; ++i) {
            ++counts_[static_cast<std::size_t>(row) * 256 + bytes[i]];
            row = row + 1 == Rows ? 0 : row + 1;
        }
        row_ = row;
    }

    void Merge(const ByteCounter& other) {
        for (std::size_t k = 0; k < Rows * 256; ++k) {
            counts_[k] += other.counts_[k];
        }
    }

    // Row by row, 256 counters each.
    std::span<const std::uint32_t, Rows * 256> Counts() const {
        return std::span<const std::uint32_t, Rows * 256>(counts_.data(), Rows * 256);
    }

    // Every non-zero counter, row by row and column by column, in upper-case hexadecimal
    // without leading zeros or separators.
    void AppendText(std::string& out) const {
        for (const std::uint32_t count : Counts()) {
            if (count != 0) {
                AppendHex(out, count);
            }
        }
    }

private:
    // One whole cycle. The first eight bytes come as four 16-bit loads: each yields two
    // counter indexes as its low and high byte, with no shift, where one word load would need
    // a copy and a shift per byte, and a byte load per byte would cost as much as the counting.
    void AddCycle(const unsigned char* bytes) {
        std::size_t r = 0;
        if constexpr (std::endian::native == std::endian::little) {
            // Spelt out: as a loop the compiler keeps a row pointer and a shift.
            std::uint16_t pairs[4];
            std::memcpy(pairs, bytes, sizeof pairs);
            ++counts_[0 * 256 + (pairs[0] & 0xFFu)];
            ++counts_[1 * 256 + (pairs[0] >> 8)];
            ++counts_[2 * 256 + (pairs[1] & 0xFFu)];
            ++counts_[3 * 256 + (pairs[1] >> 8)];
            ++counts_[4 * 256 + (pairs[2] & 0xFFu)];
            ++counts_[5 * 256 + (pairs[2] >> 8)];
            ++counts_[6 * 256 + (pairs[3] & 0xFFu)];
            ++counts_[7 * 256 + (pairs[3] >> 8)];
            r = sizeof pairs;
        }
        for (; r < static_cast<std::size_t>(Rows); ++r) {
            ++counts_[r * 256 + bytes[r]];
        }
    }

    static void AppendHex(std::string& out, std::uint32_t value) {
        char digits[8];
        int length = 0;
        do {
            digits[length++] = "0123456789ABCDEF"[value & 0xFu];
            value >>= 4;
        } while (value != 0);
        while (length > 0) {
            out.push_back(digits[--length]);
        }
    }

    // The last counter is the wide count's spare.
    std::array<std::uint32_t, Rows * 256 + 1> counts_{};
    int row_ = 0;
    bool wide_ = false;
};

} // namespace lumra
