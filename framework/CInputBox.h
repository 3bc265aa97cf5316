#pragma once

#include "framework/CControlWindow.h"

namespace RVK {

// The platform's edit control ("EDIT") and its messages.
class CEditBase : public CControlWindow {
    RVK_DECLARE_RUNTIME_CLASS()

    CEditBase();
    ~CEditBase() override;

    DWORD GetCreateExStyle() override;
    const char* GetWndClassName() override;

    // EM_LIMITTEXT.
    virtual LRESULT LimitText(int count);
    // EM_GETSEL: start in the low, end in the high 16 bits.
    virtual LRESULT GetSel();
    // EM_SETSEL (2, 2), posted.
    virtual BOOL SetCaretAfterSecond();
    // EM_REPLACESEL.
    virtual LRESULT ReplaceSel(const char* text);
    // EM_GETMODIFY.
    virtual LRESULT GetModify();
    // EM_SETMODIFY.
    virtual LRESULT SetModify(BOOL modified);
    // EM_SCROLLCARET.
    virtual LRESULT ScrollCaret();
    // EM_CANUNDO.
    virtual LRESULT CanUndo();
    // EM_UNDO.
    virtual LRESULT Undo();
    // EM_EMPTYUNDOBUFFER.
    virtual LRESULT EmptyUndoBuffer();
};

// A single-line edit box that scrolls horizontally.
class CInputBox : public CEditBase {
    RVK_DECLARE_RUNTIME_CLASS()

    CInputBox();
    ~CInputBox() override;

    DWORD GetCreateStyle() override;
};

} // namespace RVK
