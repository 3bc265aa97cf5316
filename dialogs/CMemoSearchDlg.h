#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "calendar/CDate.h"
#include "framework/CDialog.h"
#include "framework/CListView.h"
#include "framework/CString.h"
#include "memo/CMemoSearch.h"

class CMemoSearchJob;
class CMemoTextCache;

// The memo search dialog: words in, every memo that holds them out, newest day first, in
// a virtual list that grows while a search thread runs; the dialog keeps answering all
// the while. Ends with IDOK and the chosen result's day when the user jumps to a result.
class CMemoSearchDlg : public RVK::CDialog {
    RVK_DECLARE_RUNTIME_CLASS()

    // The message the search thread posts when there is news.
    static constexpr UINT kSearchNewsMessage = WM_APP + 1;

    // `cache` keeps memo text from one search to the next; it must outlive the dialog.
    explicit CMemoSearchDlg(CMemoTextCache& cache);
    ~CMemoSearchDlg() override;

    LRESULT WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnDestroy(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnNotify(WPARAM wParam, LPARAM lParam) override;
    // 移動: jumps to the selected result; does nothing without one.
    void OnOK() override;

    // The day of the result jumped to; read it after DoModal answered IDOK.
    virtual CDate GetDate() const;

protected:
    // Starts a search for the words typed, or says why there is none.
    virtual void StartSearch();
    // Stops a running search, keeping what it found so far.
    virtual void StopSearch();

private:
    bool IsSearching() const { return m_job != nullptr; }
    void MakeWordsBoxUnicode();
    void SetUpList();
    void InsertColumn(int index, int width, const char* title);
    void OnSearchNews();
    void ShowHits();
    bool PageHasRoom();
    void EndSearch(const MemoSearchSummary& summary);
    void JumpTo(int index);
    void FillItem(LVITEMW& item) const;
    void SetStatus(const RVK::CString& text);

    CListView m_listView;
    // A Unicode edit box, which the dialog destroys with itself.
    HWND m_hWords;
    CMemoTextCache& m_cache;
    std::unique_ptr<CMemoSearchJob> m_job;
    // What the search found so far, newest day first; the list shows the first m_nShown.
    std::vector<MemoSearchHit> m_hits;
    int m_nShown;
    ULONGLONG m_nLastGrowth;
    int m_nDay;
};
