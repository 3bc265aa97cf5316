#include "tests/dialogs/MemoFolder.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "app/CSystemData.h"

MemoFolder::MemoFolder() {
    EXPECT_TRUE(CSystemData::CreateInstance());
    CSystemData::GetInstance()->SetBaseDir(m_base.Path().c_str());
    m_base.MakeFolder("memo");
}

MemoFolder::~MemoFolder() { CSystemData::DestroyInstance(); }

std::string MemoFolder::Path(const std::string& name) const { return m_base.File("memo\\" + name); }

void MemoFolder::AddFile(const std::string& name) const { m_base.WriteFile("memo\\" + name, ""); }

void MemoFolder::AddFolder(const std::string& name) const { m_base.MakeFolder("memo\\" + name); }

bool MemoFolder::Exists(const std::string& name) const {
    return GetFileAttributesA(Path(name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::set<std::string> MemoFolder::Names() const {
    std::set<std::string> names;
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA(Path("*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) {
        return names;
    }
    do {
        const std::string name = entry.cFileName;
        if (name != "." && name != "..") {
            names.insert(name);
        }
    } while (FindNextFileA(search, &entry));
    FindClose(search);
    return names;
}
