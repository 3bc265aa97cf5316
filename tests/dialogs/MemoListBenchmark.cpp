// Times the memo list on a large memo folder: tools/bench-memo-list.sh fills the folder
// and runs this program; the test suite does not.
#include <windows.h>

#include <cstdio>

#include "app/CSystemData.h"
#include "dialogs/CMemoListDlg.h"

namespace {

double Milliseconds(const LARGE_INTEGER& from) {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(now.QuadPart - from.QuadPart) / frequency.QuadPart;
}

// The memo list with its loading and checking timed; it closes itself once shown.
class TimedMemoListDlg : public CMemoListDlg {
public:
    LRESULT OnInitDialog(WPARAM wParam, LPARAM lParam) override {
        const LRESULT result = CMemoListDlg::OnInitDialog(wParam, lParam);
        PostMessage(WM_COMMAND, IDOK, 0);
        return result;
    }
    bool LoadList() override {
        LARGE_INTEGER start;
        QueryPerformanceCounter(&start);
        const bool loaded = CMemoListDlg::LoadList();
        const double ms = Milliseconds(start);
        UpdateWindow(m_listView.GetHandle());
        std::printf("LoadList: %d names in %.0f ms (first paint after %.0f ms)\n",
                    m_listView.GetItemCount(), ms, Milliseconds(start));
        QueryPerformanceCounter(&start);
        SelectAll();
        std::printf("SelectAll: %.0f ms\n", Milliseconds(start));
        return loaded;
    }
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::printf("usage: MemoListBenchmark <folder holding the memo folder>\n");
        return 2;
    }
    CSystemData::CreateInstance();
    CSystemData::GetInstance()->SetBaseDir(argv[1]);
    TimedMemoListDlg dlg;
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    dlg.DoModal(nullptr);
    std::printf("Dialog open to closed: %.0f ms\n", Milliseconds(start));
    CSystemData::DestroyInstance();
    return 0;
}
