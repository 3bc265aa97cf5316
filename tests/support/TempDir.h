#pragma once

#include <windows.h>

#include <string>

// The bytes of a file, or an empty string when it cannot be read.
std::string ReadBytes(const std::string& path);

// A fresh folder under the temporary folder, removed with its contents at the end.
class TempDir {
public:
    TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    ~TempDir();

    const std::string& Path() const { return m_path; }
    std::string File(const std::string& name) const { return m_path + "\\" + name; }

    // Writes `bytes` exactly as given into the file `name`, replacing it.
    void WriteFile(const std::string& name, const std::string& bytes) const;
    // The bytes of the file `name`, or an empty string when it cannot be read.
    std::string ReadFile(const std::string& name) const;
    void MakeFolder(const std::string& name) const;
    // SetFileTime of the file or folder `name`: its last-write time.
    void SetWriteTime(const std::string& name, const FILETIME& time) const;

private:
    std::string m_path;
};
