#pragma once

#include <set>
#include <string>

#include "tests/support/TempDir.h"

// A settings object based in a fresh folder that holds an empty memo folder.
class MemoFolder {
public:
    MemoFolder();
    MemoFolder(const MemoFolder&) = delete;
    MemoFolder& operator=(const MemoFolder&) = delete;
    ~MemoFolder();

    const TempDir& Base() const { return m_base; }
    std::string Path(const std::string& name) const;
    void AddFile(const std::string& name) const;
    void AddFolder(const std::string& name) const;
    bool Exists(const std::string& name) const;
    // The names of the folder's entries, without "." and "..".
    std::set<std::string> Names() const;

private:
    TempDir m_base;
};
