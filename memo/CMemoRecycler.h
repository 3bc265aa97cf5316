#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "framework/CWorkerThread.h"

// Deletes memo files for one action of the user, by their exact UTF-16 paths. The memos
// go to the Recycle Bin in one shell call; where the bin cannot take them, the user is
// asked once whether to delete them for good, and that answer holds for the rest of the
// action. Folders, names holding wildcards, read-only memos and memos another program
// holds open are never deleted.
class CMemoRecycler {
public:
    enum class Outcome { kDeleted, kMissing, kKept, kFailed };

    // Told how far a deletion that takes a while has come.
    class Progress {
    public:
        virtual void ShowProgress(int done, int total) = 0;

    protected:
        ~Progress() = default;
    };

    // Questions are owned by `owner`; `progress` may be null.
    explicit CMemoRecycler(HWND owner, Progress* progress = nullptr);
    CMemoRecycler(const CMemoRecycler&) = delete;
    CMemoRecycler& operator=(const CMemoRecycler&) = delete;

    // One outcome per path, in order. kKept: the user chose to keep the memo.
    std::vector<Outcome> Delete(const std::vector<std::wstring>& paths);

private:
    enum class Knowledge { kUnknown, kYes, kNo };
    using Batch = std::vector<std::size_t>;

    Batch CheckEach(const std::vector<std::wstring>& paths, std::vector<Outcome>& outcomes) const;
    bool HasRecycleBin(const std::wstring& path);
    bool MayDeleteForGood();
    void Recycle(const std::vector<std::wstring>& paths, const Batch& batch,
                 std::vector<Outcome>& outcomes);
    void DeleteForGoodIfAllowed(const std::vector<std::wstring>& paths, const Batch& batch,
                                std::vector<Outcome>& outcomes);
    void RunServing(RVK::CWorkerThread::CTask& task, const std::vector<std::wstring>& paths,
                    const Batch& batch);

    HWND m_owner;
    Progress* m_progress;
    Knowledge m_hasBin = Knowledge::kUnknown;
    Knowledge m_mayDestroy = Knowledge::kUnknown;
};
