#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

#include "memo/CMemoTextDecoder.h"

// Takes a memo's text as it is read, one decoded chunk after another.
class CMemoTextSink {
public:
    // The text starts again from its beginning: bytes read as UTF-8 on a guess turned out
    // not to be UTF-8 and are read again as Shift-JIS.
    virtual void Restart() = 0;
    // The next `length` code units of the text. False when enough was read.
    virtual bool Consume(const wchar_t* text, size_t length) = 0;
    // The text ends here.
    virtual void Finish() = 0;
    // True when the reading is to stop at once, within the chunk being read: whoever
    // wanted the text has gone. The memo then counts as not read.
    virtual bool IsCancelled() const { return false; }

protected:
    ~CMemoTextSink() = default;
};

// What the open handle tells of a memo file.
struct MemoFileInfo {
    unsigned long long size;
    FILETIME lastWrite;
};

// Reads memos and only reads them: a memo is opened sharing read, write and delete, so an
// editor that saves, renames or deletes it meanwhile never fails on account of this
// program, and is closed before a read returns. A memo that cannot be opened or read (it
// is locked or gone, or a folder holds its name) is unreadable, never an error to show.
// One reader keeps its buffers from memo to memo; it touches no shared state, so each
// thread may read with a reader of its own.
class CMemoReader {
public:
    // The preview reads no more than this from the start of a memo.
    static constexpr size_t kPreviewBytes = 4096;
    // The whole text is read in pieces of this size, in bounded memory.
    static constexpr size_t kChunkBytes = 64 * 1024;

    CMemoReader();
    CMemoReader(const CMemoReader&) = delete;
    CMemoReader& operator=(const CMemoReader&) = delete;

    // The text of the first kPreviewBytes of the memo at `path` into `text`; `cut` tells
    // whether the memo goes on beyond them. False when the memo is unreadable.
    bool ReadPreview(const wchar_t* path, std::wstring& text, bool& cut);
    // Hands the whole text of the memo at `path` to `sink`, chunk by chunk, until the sink
    // has read enough, and then calls the sink's Finish. `info`, when given, receives the
    // file's size and last write time. False when the memo is unreadable or the sink
    // cancelled the reading, even after part of it went to the sink, which then sees no
    // Finish.
    bool ReadWhole(const wchar_t* path, CMemoTextSink& sink, MemoFileInfo* info = nullptr);

private:
    // One ReadFile of up to `size` bytes into the buffer; false on failure.
    bool ReadChunk(HANDLE hFile, size_t size, size_t& read);

    std::vector<char> m_bytes;
    std::wstring m_text;
    CMemoTextDecoder m_decoder;
};
