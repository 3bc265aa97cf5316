#pragma once

#include <cstddef>
#include <string>

// Turns the bytes of a memo into UTF-16, chunk by chunk: a character cut by the end of
// one chunk continues in the next. Whatever an editor wrote is read to the end: every
// invalid byte or sequence becomes U+FFFD, and so does a NUL, so that the text never
// ends early where it passes as a C string.
class CMemoTextDecoder {
public:
    enum class Encoding { kUtf8, kUtf16Le, kUtf16Be, kCp932 };

    static constexpr wchar_t kReplacement = 0xFFFD;

    // The encoding of a text that begins with `bytes`: a byte order mark, otherwise UTF-8
    // when the bytes are valid UTF-8, otherwise Shift-JIS. `bomLength` is the length of
    // the mark. Unless `complete`, the text goes on after `bytes`, so a character cut at
    // their end does not make them invalid.
    static Encoding Guess(const char* bytes, size_t size, bool complete, size_t& bomLength);
    // Guesses, decodes and appends the text of `bytes` to `out`. A character cut at the
    // end is U+FFFD when the text is `complete`; otherwise it is left out, since the
    // rest of it lies beyond the bytes read.
    static void DecodeText(const char* bytes, size_t size, bool complete, std::wstring& out);

    explicit CMemoTextDecoder(Encoding encoding = Encoding::kUtf8);

    // Starts a new text in `encoding`.
    void Reset(Encoding encoding);
    Encoding GetEncoding() const { return m_encoding; }
    // Appends the text of `bytes`, which continue the bytes given before, to `out`.
    void Decode(const char* bytes, size_t size, std::wstring& out);
    // The text ends here: a character still waiting for its rest becomes U+FFFD.
    void Finish(std::wstring& out);
    // True once an invalid byte or sequence was met since the text began. Reading as
    // UTF-8 on a guess, this tells that the guess was wrong.
    bool MetInvalid() const { return m_bMetInvalid; }

private:
    wchar_t* DecodeUtf8(const unsigned char* bytes, size_t size, wchar_t* out);
    wchar_t* DecodeUtf16(const unsigned char* bytes, size_t size, wchar_t* out);
    wchar_t* DecodeCp932(const unsigned char* bytes, size_t size, wchar_t* out);
    wchar_t* Invalid(wchar_t* out);

    Encoding m_encoding;
    bool m_bMetInvalid;
    // UTF-8: the code point so far, the continuation bytes still due and the range the
    // next one must lie in, which rules out overlong forms, surrogates and values above
    // U+10FFFF.
    unsigned long m_codePoint;
    int m_nPending;
    unsigned char m_lower;
    unsigned char m_upper;
    // UTF-16: the first byte of a code unit, and a high surrogate waiting for its pair.
    // Shift-JIS: a lead byte waiting for its trail byte.
    int m_pendingByte;
    wchar_t m_highSurrogate;
};
