// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Takes a fuzzer's bytes apart into fields: each field but the last ends at
// the first byte 0x1F (the unit separator) after it; the rest of the input is
// the last field. So a seed file reads as text with visible separators.
class FuzzInput {
  public:
    FuzzInput(const std::uint8_t* data, std::size_t size)
        : m_rest(reinterpret_cast<const char*>(data), size) {}

    std::string_view field() {
        const auto end = m_rest.find('\x1f');
        const std::string_view f = m_rest.substr(0, end);
        m_rest = end == std::string_view::npos ? std::string_view() : m_rest.substr(end + 1);
        return f;
    }
    std::string_view rest() const { return m_rest; }

  private:
    std::string_view m_rest;
};

// Stops the run with the fuzzer's crash report when an invariant does not hold.
#define FUZZ_CHECK(condition)                                                                                \
    do {                                                                                                     \
        if (!(condition)) __builtin_trap();                                                                  \
    } while (false)
