#pragma once

#include <windows.h>

// Deletes memo files for one action of the user. A memo goes to the Recycle Bin where the
// bin can take it; where it cannot, the user is asked once whether to delete for good,
// and that answer holds for the rest of the action. Folders, names holding wildcards and
// read-only memos are never deleted.
class CMemoRecycler {
public:
    enum class Outcome { kDeleted, kMissing, kKept, kFailed };

    // Questions are owned by `owner`.
    explicit CMemoRecycler(HWND owner);
    CMemoRecycler(const CMemoRecycler&) = delete;
    CMemoRecycler& operator=(const CMemoRecycler&) = delete;

    // kKept: the user chose to keep the memo.
    Outcome Delete(const char* path);

private:
    enum class Knowledge { kUnknown, kYes, kNo };

    bool HasRecycleBin(const char* path);
    bool MayDeleteForGood();
    Outcome MoveToRecycleBin(const char* path) const;

    HWND m_owner;
    Knowledge m_hasBin = Knowledge::kUnknown;
    Knowledge m_mayDestroy = Knowledge::kUnknown;
};
