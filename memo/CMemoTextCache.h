#pragma once

#include <windows.h>

#include <cstddef>
#include <map>
#include <string>

// The text of memos read by earlier searches, by file name, with the size and write time
// the folder walk gave when it was read: a memo whose walk still gives both is not read
// again. Everything kept is counted honestly, each memo's name and text in UTF-16 plus a
// fixed overhead per memo, and the count never passes the limit; what does not fit is
// simply read again next time. Nothing is ever written to disk. Not shared between
// threads: one search at a time uses it, and hands it on when it has ended.
class CMemoTextCache {
public:
    // What memo text may be kept between searches.
    static constexpr size_t kDefaultLimitBytes = 32 * 1024 * 1024;

    explicit CMemoTextCache(size_t limitBytes = kDefaultLimitBytes);
    CMemoTextCache(const CMemoTextCache&) = delete;
    CMemoTextCache& operator=(const CMemoTextCache&) = delete;

    // Memo `name` as a folder walk met it: it stays kept through the next Sweep. Its kept
    // text when the walk still gives the size and write time it was read with; otherwise
    // null, and text kept from before a change is dropped. The text stays valid until the
    // memo is stored again or swept.
    const std::wstring* Meet(const std::wstring& name, ULONGLONG size, FILETIME lastWrite);
    // Drops every memo that the walk since the last Sweep did not meet: it has left the
    // folder. What is stored after it must be met by the next walk to stay.
    void Sweep();
    // How many code units of text a memo named `name` could still bring.
    size_t RoomFor(const std::wstring& name) const;
    // Keeps the whole `text` of memo `name` when it fits; false when it does not.
    bool Store(const std::wstring& name, ULONGLONG size, FILETIME lastWrite, std::wstring&& text);

    size_t GetCount() const { return m_entries.size(); }
    size_t GetBytes() const { return m_nBytes; }

private:
    struct Entry {
        ULONGLONG size;
        FILETIME lastWrite;
        std::wstring text;
        // Met by the walk since the last Sweep.
        bool met;
    };
    using Entries = std::map<std::wstring, Entry>;

    static size_t BytesOf(const std::wstring& name, const std::wstring& text);
    void Erase(Entries::iterator it);

    Entries m_entries;
    size_t m_nBytes;
    size_t m_nLimitBytes;
};
