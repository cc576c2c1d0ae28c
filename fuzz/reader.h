// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The fuzzers' input, read front to back; past the end every byte is 0.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

class Reader {
public:
    // Texts of 0 to `longest` units from `alphabet`; with `rawUnits`, a byte
    // 0xFF brings any unit, from the two bytes after it.
    Reader(const std::uint8_t* data, std::size_t size, std::span<const char16_t> alphabet,
           int longest, bool rawUnits)
        : data_(data), size_(size), alphabet_(alphabet), longest_(longest), rawUnits_(rawUnits) {}

    std::uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }

    std::u16string Text() {
        std::u16string text;
        for (int length = Byte() % (longest_ + 1); length > 0; --length) {
            const std::uint8_t b = Byte();
            if (rawUnits_ && b == 0xFF) {
                const std::uint8_t low = Byte();
                text.push_back(static_cast<char16_t>(low | (Byte() << 8)));
            } else {
                text.push_back(alphabet_[b % alphabet_.size()]);
            }
        }
        return text;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
    std::span<const char16_t> alphabet_;
    int longest_;
    bool rawUnits_;
};
