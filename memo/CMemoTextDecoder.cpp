#include "memo/CMemoTextDecoder.h"

#include "framework/Utf16.h"

namespace {

constexpr int kNoByte = -1;

// The continuation bytes that follow `lead` in UTF-8, with the range the first of them
// must lie in; -1 for a byte that starts no character.
int Utf8Continuations(unsigned char lead, unsigned char& lower, unsigned char& upper) {
    lower = 0x80;
    upper = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        return 1;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        lower = lead == 0xE0 ? 0xA0 : 0x80; // overlong below U+0800
        upper = lead == 0xED ? 0x9F : 0xBF; // surrogates
        return 2;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        lower = lead == 0xF0 ? 0x90 : 0x80; // overlong below U+10000
        upper = lead == 0xF4 ? 0x8F : 0xBF; // above U+10FFFF
        return 3;
    }
    return -1;
}

// The bytes are valid UTF-8; unless `complete`, a character cut at their end counts as
// valid too.
bool IsValidUtf8(const unsigned char* bytes, size_t size, bool complete) {
    size_t i = 0;
    while (i < size) {
        if (bytes[i] < 0x80) {
            ++i;
            continue;
        }
        unsigned char lower = 0;
        unsigned char upper = 0;
        const int continuations = Utf8Continuations(bytes[i++], lower, upper);
        if (continuations < 0) {
            return false;
        }
        for (int k = 0; k < continuations; ++k, ++i) {
            if (i == size) {
                return !complete;
            }
            if (bytes[i] < lower || bytes[i] > upper) {
                return false;
            }
            lower = 0x80;
            upper = 0xBF;
        }
    }
    return true;
}

// Shift-JIS as Windows writes it (code page 932). 0x80, 0xA0 and 0xFD to 0xFF are no
// characters, although the code page maps them to private code points.
bool IsCp932Single(unsigned char byte) {
    return (byte >= 0x01 && byte <= 0x7F) || (byte >= 0xA1 && byte <= 0xDF);
}

bool IsCp932Lead(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

bool IsCp932Trail(unsigned char byte) { return byte >= 0x40 && byte <= 0xFC && byte != 0x7F; }

// MultiByteToWideChar with code page 932 named, never CP_ACP, so that a Windows set to
// another language reads Shift-JIS memos right. Asked to fail on a character the code
// page does not define, rather than put in U+30FB or '?'. Returns the code units written,
// 0 on failure.
int Cp932ToUtf16(const unsigned char* bytes, size_t size, wchar_t* out) {
    return ::MultiByteToWideChar(RVK::kShiftJisCodePage, MB_ERR_INVALID_CHARS,
                                 reinterpret_cast<const char*>(bytes), static_cast<int>(size), out,
                                 static_cast<int>(size));
}

} // namespace

CMemoTextDecoder::Encoding CMemoTextDecoder::Guess(const char* bytes, size_t size, bool complete,
                                                   size_t& bomLength) {
    const auto* data = reinterpret_cast<const unsigned char*>(bytes);
    if (size >= 3 && data[0] == 0xEF && data[1] == 0xBB && data[2] == 0xBF) {
        bomLength = 3;
        return Encoding::kUtf8;
    }
    bomLength = 2;
    if (size >= 2 && data[0] == 0xFF && data[1] == 0xFE) {
        return Encoding::kUtf16Le;
    }
    if (size >= 2 && data[0] == 0xFE && data[1] == 0xFF) {
        return Encoding::kUtf16Be;
    }
    bomLength = 0;
    return IsValidUtf8(data, size, complete) ? Encoding::kUtf8 : Encoding::kCp932;
}

void CMemoTextDecoder::DecodeText(const char* bytes, size_t size, bool complete,
                                  std::wstring& out) {
    size_t bomLength = 0;
    CMemoTextDecoder decoder(Guess(bytes, size, complete, bomLength));
    decoder.Decode(bytes + bomLength, size - bomLength, out);
    if (complete) {
        decoder.Finish(out);
    }
}

CMemoTextDecoder::CMemoTextDecoder(Encoding encoding) { Reset(encoding); }

void CMemoTextDecoder::Reset(Encoding encoding) {
    m_encoding = encoding;
    m_bMetInvalid = false;
    m_codePoint = 0;
    m_nPending = 0;
    m_lower = 0x80;
    m_upper = 0xBF;
    m_pendingByte = kNoByte;
    m_highSurrogate = 0;
}

// Every byte yields at most one code unit, or two for a four-byte UTF-8 character; what
// waits from the chunk before adds at most four. So the text is written straight into
// `out`, grown once.
void CMemoTextDecoder::Decode(const char* bytes, size_t size, std::wstring& out) {
    const size_t start = out.size();
    out.resize(start + size + 4);
    const auto* data = reinterpret_cast<const unsigned char*>(bytes);
    wchar_t* const first = &out[start];
    wchar_t* last = first;
    switch (m_encoding) {
    case Encoding::kUtf8:
        last = DecodeUtf8(data, size, first);
        break;
    case Encoding::kUtf16Le:
    case Encoding::kUtf16Be:
        last = DecodeUtf16(data, size, first);
        break;
    case Encoding::kCp932:
        last = DecodeCp932(data, size, first);
        break;
    }
    out.resize(start + (last - first));
}

void CMemoTextDecoder::Finish(std::wstring& out) {
    const bool cut = m_nPending > 0 || m_pendingByte != kNoByte;
    const bool unpaired = m_highSurrogate != 0;
    m_nPending = 0;
    m_pendingByte = kNoByte;
    m_highSurrogate = 0;
    wchar_t replacements[2];
    wchar_t* last = replacements;
    if (cut) {
        last = Invalid(last);
    }
    if (unpaired) {
        last = Invalid(last);
    }
    out.append(replacements, last);
}

wchar_t* CMemoTextDecoder::Invalid(wchar_t* out) {
    m_bMetInvalid = true;
    *out++ = kReplacement;
    return out;
}

// An invalid byte ends the character begun before it and is then read again on its own,
// so a bad byte never swallows a good one.
wchar_t* CMemoTextDecoder::DecodeUtf8(const unsigned char* bytes, size_t size, wchar_t* out) {
    for (size_t i = 0; i < size;) {
        const unsigned char byte = bytes[i];
        if (m_nPending == 0) {
            ++i;
            if (byte < 0x80) {
                *out++ = byte == 0 ? kReplacement : byte;
                continue;
            }
            m_nPending = Utf8Continuations(byte, m_lower, m_upper);
            if (m_nPending < 0) {
                m_nPending = 0;
                out = Invalid(out);
            } else {
                m_codePoint = byte & (0x3F >> m_nPending);
            }
            continue;
        }
        if (byte < m_lower || byte > m_upper) {
            m_nPending = 0;
            out = Invalid(out);
            continue;
        }
        ++i;
        m_lower = 0x80;
        m_upper = 0xBF;
        m_codePoint = (m_codePoint << 6) | (byte & 0x3F);
        if (--m_nPending > 0) {
            continue;
        }
        if (m_codePoint >= 0x10000) {
            *out++ = static_cast<wchar_t>(0xD800 + ((m_codePoint - 0x10000) >> 10));
            *out++ = static_cast<wchar_t>(0xDC00 + (m_codePoint & 0x3FF));
        } else {
            *out++ = static_cast<wchar_t>(m_codePoint);
        }
    }
    return out;
}

// A high surrogate waits for the unit after it; one without its low surrogate, and a
// low surrogate alone, are invalid.
wchar_t* CMemoTextDecoder::DecodeUtf16(const unsigned char* bytes, size_t size, wchar_t* out) {
    const bool bigEndian = m_encoding == Encoding::kUtf16Be;
    for (size_t i = 0; i < size; ++i) {
        if (m_pendingByte == kNoByte) {
            m_pendingByte = bytes[i];
            continue;
        }
        const unsigned first = static_cast<unsigned>(m_pendingByte);
        m_pendingByte = kNoByte;
        const auto unit =
            static_cast<wchar_t>(bigEndian ? (first << 8) | bytes[i] : (bytes[i] << 8) | first);
        if (m_highSurrogate != 0) {
            if (RVK::IsLowSurrogate(unit)) {
                *out++ = m_highSurrogate;
                *out++ = unit;
                m_highSurrogate = 0;
                continue;
            }
            m_highSurrogate = 0;
            out = Invalid(out);
        }
        if (RVK::IsHighSurrogate(unit)) {
            m_highSurrogate = unit;
        } else if (RVK::IsLowSurrogate(unit)) {
            out = Invalid(out);
        } else {
            *out++ = unit == 0 ? kReplacement : unit;
        }
    }
    return out;
}

// Runs of well-formed characters go to the code page in one call; a run that holds a
// pair the code page does not define is taken again character by character.
wchar_t* CMemoTextDecoder::DecodeCp932(const unsigned char* bytes, size_t size, wchar_t* out) {
    size_t i = 0;
    if (m_pendingByte != kNoByte && size > 0) {
        const unsigned char pair[2] = {static_cast<unsigned char>(m_pendingByte), bytes[0]};
        m_pendingByte = kNoByte;
        if (IsCp932Trail(pair[1])) {
            out = Cp932ToUtf16(pair, 2, out) == 1 ? out + 1 : Invalid(out);
            i = 1;
        } else {
            out = Invalid(out);
        }
    }
    while (i < size) {
        size_t end = i;
        while (end < size) {
            if (IsCp932Single(bytes[end])) {
                ++end;
            } else if (IsCp932Lead(bytes[end]) && end + 1 < size && IsCp932Trail(bytes[end + 1])) {
                end += 2;
            } else {
                break;
            }
        }
        if (end > i) {
            const int written = Cp932ToUtf16(bytes + i, end - i, out);
            if (written > 0) {
                out += written;
            } else {
                for (size_t k = i; k < end; k += IsCp932Lead(bytes[k]) ? 2 : 1) {
                    const size_t length = IsCp932Lead(bytes[k]) ? 2 : 1;
                    out = Cp932ToUtf16(bytes + k, length, out) == 1 ? out + 1 : Invalid(out);
                }
            }
            i = end;
            continue;
        }
        const unsigned char byte = bytes[i++];
        if (byte == 0) {
            *out++ = kReplacement;
        } else if (IsCp932Lead(byte) && i == size) {
            m_pendingByte = byte;
        } else {
            out = Invalid(out);
        }
    }
    return out;
}
