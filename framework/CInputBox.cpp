#include "framework/CInputBox.h"

namespace RVK {

RVK_IMPLEMENT_RUNTIME_CLASS(CEditBase, CControlWindow)
RVK_IMPLEMENT_RUNTIME_CLASS(CInputBox, CEditBase)

namespace {

// Where SetCaretAfterSecond puts the caret: after the second character, nothing selected.
constexpr WPARAM kCaretAfterSecond = 2;

} // namespace

CEditBase::CEditBase() = default;

CEditBase::~CEditBase() = default;

DWORD CEditBase::GetCreateExStyle() { return WS_EX_CLIENTEDGE; }

const char* CEditBase::GetWndClassName() { return "EDIT"; }

LRESULT CEditBase::LimitText(int count) { return SendMessage(EM_LIMITTEXT, count, 0); }

LRESULT CEditBase::GetSel() { return SendMessage(EM_GETSEL, 0, 0); }

// Posted, so that it takes effect after the edit control's own handling of whatever message
// is being processed now (such as the focus arriving, which selects the whole text).
BOOL CEditBase::SetCaretAfterSecond() {
    return PostMessage(EM_SETSEL, kCaretAfterSecond, kCaretAfterSecond);
}

LRESULT CEditBase::ReplaceSel(const char* text) {
    return SendMessage(EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(text));
}

LRESULT CEditBase::GetModify() { return SendMessage(EM_GETMODIFY, 0, 0); }

LRESULT CEditBase::SetModify(BOOL modified) { return SendMessage(EM_SETMODIFY, modified, 0); }

LRESULT CEditBase::ScrollCaret() { return SendMessage(EM_SCROLLCARET, 0, 0); }

LRESULT CEditBase::CanUndo() { return SendMessage(EM_CANUNDO, 0, 0); }

LRESULT CEditBase::Undo() { return SendMessage(EM_UNDO, 0, 0); }

LRESULT CEditBase::EmptyUndoBuffer() { return SendMessage(EM_EMPTYUNDOBUFFER, 0, 0); }

CInputBox::CInputBox() = default;

CInputBox::~CInputBox() = default;

DWORD CInputBox::GetCreateStyle() { return WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL; }

} // namespace RVK
