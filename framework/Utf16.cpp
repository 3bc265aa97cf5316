#include "framework/Utf16.h"

namespace RVK {

std::wstring WidenFrom(UINT codePage, const char* text) {
    const int size = ::MultiByteToWideChar(codePage, 0, text, -1, nullptr, 0);
    if (size <= 1) {
        return std::wstring();
    }
    std::wstring wide(static_cast<size_t>(size), L'\0');
    ::MultiByteToWideChar(codePage, 0, text, -1, &wide[0], size);
    wide.resize(static_cast<size_t>(size) - 1);
    return wide;
}

} // namespace RVK
