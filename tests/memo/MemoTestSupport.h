#pragma once

#include <string>

// `text` as UTF-16 bytes, little- or big-endian, without a byte order mark.
inline std::string Utf16Bytes(const std::wstring& text, bool bigEndian) {
    std::string bytes;
    for (wchar_t unit : text) {
        const char low = static_cast<char>(unit & 0xFF);
        const char high = static_cast<char>(unit >> 8);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}
