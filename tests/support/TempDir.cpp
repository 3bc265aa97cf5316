#include "tests/support/TempDir.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace {

void RemoveTree(const std::string& folder) {
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &entry);
    for (BOOL more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileA(search, &entry)) {
        const std::string name = entry.cFileName;
        const std::string path = folder + "\\" + name;
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            DeleteFileA(path.c_str());
        } else if (name != "." && name != "..") {
            RemoveTree(path);
        }
    }
    FindClose(search);
    RemoveDirectoryA(folder.c_str());
}

} // namespace

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TempDir::TempDir() {
    char base[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, base);
    for (unsigned attempt = 0;; ++attempt) {
        m_path = std::string(base) + "kalvo-" + std::to_string(GetCurrentProcessId()) + "-" +
                 std::to_string(GetTickCount()) + "-" + std::to_string(attempt);
        if (CreateDirectoryA(m_path.c_str(), nullptr)) {
            return;
        }
    }
}

TempDir::~TempDir() { RemoveTree(m_path); }

void TempDir::WriteFile(const std::string& name, const std::string& bytes) const {
    std::ofstream out(File(name), std::ios::binary);
    out << bytes;
    ASSERT_TRUE(out.flush()) << File(name);
}

std::string TempDir::ReadFile(const std::string& name) const { return ReadBytes(File(name)); }

void TempDir::MakeFolder(const std::string& name) const {
    ASSERT_TRUE(CreateDirectoryA(File(name).c_str(), nullptr)) << File(name);
}

void TempDir::SetWriteTime(const std::string& name, const FILETIME& time) const {
    const HANDLE handle = CreateFileA(File(name).c_str(), FILE_WRITE_ATTRIBUTES,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    ASSERT_NE(handle, INVALID_HANDLE_VALUE) << File(name);
    EXPECT_TRUE(SetFileTime(handle, nullptr, nullptr, &time));
    CloseHandle(handle);
}
