#include "memo/CMemoReader.h"

namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// Owner of one memo opened for reading (CreateFileW, GetFileInformationByHandle,
// CloseHandle). A folder cannot be opened this way, so a folder named like a memo is
// unreadable.
class CMemoReadHandle {
public:
    explicit CMemoReadHandle(const wchar_t* path)
        : m_hFile(::CreateFileW(path, GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                                FILE_FLAG_SEQUENTIAL_SCAN, nullptr)) {}
    CMemoReadHandle(const CMemoReadHandle&) = delete;
    CMemoReadHandle& operator=(const CMemoReadHandle&) = delete;
    ~CMemoReadHandle() {
        if (IsOpen()) {
            ::CloseHandle(m_hFile);
        }
    }

    HANDLE Get() const { return m_hFile; }
    bool IsOpen() const { return m_hFile != INVALID_HANDLE_VALUE; }

    bool GetInfo(MemoFileInfo& info) const {
        BY_HANDLE_FILE_INFORMATION data;
        if (!::GetFileInformationByHandle(m_hFile, &data)) {
            return false;
        }
        info.size = (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
        info.lastWrite = data.ftLastWriteTime;
        return true;
    }

    // SetFilePointerEx.
    bool Rewind() const {
        LARGE_INTEGER start = {};
        return ::SetFilePointerEx(m_hFile, start, nullptr, FILE_BEGIN) != 0;
    }

private:
    HANDLE m_hFile;
};

} // namespace

CMemoReader::CMemoReader() : m_bytes(kChunkBytes) {}

// The memo's size, taken from the open handle, tells whether the first bytes are the
// whole text: a character cut at their end is dropped only when the text goes on.
bool CMemoReader::ReadPreview(const wchar_t* path, std::wstring& text, bool& cut) {
    text.clear();
    cut = false;
    const CMemoReadHandle file(path);
    MemoFileInfo info;
    size_t read = 0;
    if (!file.IsOpen() || !file.GetInfo(info) || !ReadChunk(file.Get(), kPreviewBytes, read)) {
        return false;
    }
    cut = info.size > read;
    CMemoTextDecoder::DecodeText(m_bytes.data(), read, !cut, text);
    return true;
}

// The encoding is guessed from the first chunk. Whether a text without a byte order mark
// is UTF-8 is known only at its end, so such a text is read to the end even after the
// sink has had enough; when it turns out not to be UTF-8, it is read again from the start
// as Shift-JIS.
bool CMemoReader::ReadWhole(const wchar_t* path, CMemoTextSink& sink, MemoFileInfo* info) {
    const CMemoReadHandle file(path);
    size_t read = 0;
    if (!file.IsOpen() || (info != nullptr && !file.GetInfo(*info)) ||
        !ReadChunk(file.Get(), kChunkBytes, read)) {
        return false;
    }
    size_t offset = 0;
    const CMemoTextDecoder::Encoding encoding =
        CMemoTextDecoder::Guess(m_bytes.data(), read, read < kChunkBytes, offset);
    bool onGuess = encoding == CMemoTextDecoder::Encoding::kUtf8 && offset == 0;
    m_decoder.Reset(encoding);
    bool wanted = true;
    for (;;) {
        const bool atEnd = read < kChunkBytes;
        m_text.clear();
        m_decoder.Decode(m_bytes.data() + offset, read - offset, m_text);
        if (atEnd) {
            m_decoder.Finish(m_text);
        }
        offset = 0;
        if (onGuess && m_decoder.MetInvalid()) {
            onGuess = false;
            wanted = true;
            m_decoder.Reset(CMemoTextDecoder::Encoding::kCp932);
            sink.Restart();
            if (!file.Rewind() || !ReadChunk(file.Get(), kChunkBytes, read)) {
                return false;
            }
            continue;
        }
        if (wanted) {
            wanted = sink.Consume(m_text.data(), m_text.size());
        }
        if (sink.IsCancelled()) {
            return false;
        }
        if (atEnd || (!wanted && !onGuess)) {
            break;
        }
        if (!ReadChunk(file.Get(), kChunkBytes, read)) {
            return false;
        }
    }
    sink.Finish();
    return true;
}

// ReadFile. On a disk file it reads less than asked only at the end of the file.
bool CMemoReader::ReadChunk(HANDLE hFile, size_t size, size_t& read) {
    DWORD count = 0;
    if (!::ReadFile(hFile, m_bytes.data(), static_cast<DWORD>(size), &count, nullptr)) {
        return false;
    }
    read = count;
    return true;
}
