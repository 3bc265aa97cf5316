#include "memo/CMemoTextCache.h"

namespace {

// Besides its name and text, a memo kept costs its node in the map (the tree's links and
// the value) and an allocator's header on each of three blocks: the node, the name and
// the text.
constexpr size_t kTreeLinks = 4 * sizeof(void*);
constexpr size_t kHeapHeader = 16;
constexpr size_t kHeapBlocks = 3;

bool SameTime(const FILETIME& a, const FILETIME& b) {
    return a.dwLowDateTime == b.dwLowDateTime && a.dwHighDateTime == b.dwHighDateTime;
}

} // namespace

CMemoTextCache::CMemoTextCache(size_t limitBytes) : m_nBytes(0), m_nLimitBytes(limitBytes) {}

const std::wstring* CMemoTextCache::Meet(const std::wstring& name, ULONGLONG size,
                                         FILETIME lastWrite) {
    const Entries::iterator it = m_entries.find(name);
    if (it == m_entries.end()) {
        return nullptr;
    }
    if (it->second.size != size || !SameTime(it->second.lastWrite, lastWrite)) {
        Erase(it);
        return nullptr;
    }
    it->second.met = true;
    return &it->second.text;
}

void CMemoTextCache::Sweep() {
    for (Entries::iterator it = m_entries.begin(); it != m_entries.end();) {
        if (it->second.met) {
            it++->second.met = false;
        } else {
            Erase(it++);
        }
    }
}

size_t CMemoTextCache::RoomFor(const std::wstring& name) const {
    const size_t needed = BytesOf(name, std::wstring());
    if (m_nBytes + needed >= m_nLimitBytes) {
        return 0;
    }
    return (m_nLimitBytes - m_nBytes - needed) / sizeof(wchar_t);
}

// A text grown while it was read may hold up to twice the room it needs: it is kept in a
// block of its own size.
bool CMemoTextCache::Store(const std::wstring& name, ULONGLONG size, FILETIME lastWrite,
                           std::wstring&& text) {
    const Entries::iterator old = m_entries.find(name);
    if (old != m_entries.end()) {
        Erase(old);
    }
    const size_t bytes = BytesOf(name, text);
    if (m_nBytes + bytes > m_nLimitBytes) {
        return false;
    }
    text.shrink_to_fit();
    m_entries.emplace(name, Entry{size, lastWrite, std::move(text), false});
    m_nBytes += bytes;
    return true;
}

size_t CMemoTextCache::BytesOf(const std::wstring& name, const std::wstring& text) {
    return sizeof(Entries::value_type) + kTreeLinks + kHeapBlocks * kHeapHeader +
           (name.size() + 1 + text.size() + 1) * sizeof(wchar_t);
}

void CMemoTextCache::Erase(Entries::iterator it) {
    m_nBytes -= BytesOf(it->first, it->second.text);
    m_entries.erase(it);
}
