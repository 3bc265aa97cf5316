#pragma once

#include "framework/CButton.h"
#include "framework/CDialog.h"

namespace RVK {
class CDC;
}

// The colour settings dialog: one button per calendar colour opens the platform's colour
// chooser, a sample calendar and a sample button show the choice at once, and OK writes
// all eleven colours to the settings file. Cancel writes nothing.
class CColorConfigDlg : public RVK::CDialog {
    RVK_DECLARE_RUNTIME_CLASS()

    // The colours in the order of the settings file.
    enum ColorIndex {
        kCalendarBack,
        kCalendarText,
        kWeekdayText,
        kSundayText,
        kSatdayText,
        kSeldayBack,
        kTodayEdge,
        kMemodayMark,
        kMemodayEdge,
        kButtonBack,
        kButtonText,
        kColorCount
    };

    CColorConfigDlg();
    ~CColorConfigDlg() override;

    LRESULT OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnCommand(WPARAM wParam, LPARAM lParam) override;
    // Paints the sample calendar.
    LRESULT OnPaint(WPARAM wParam, LPARAM lParam) override;
    // Writes the eleven colours, then ends the dialog; stays open without settings.
    void OnOK() override;

    // One per colour button: 0 when a chooser ran, 1 when none could.
    virtual int OnCalendarBackColor();
    virtual int OnCalendarTextColor();
    virtual int OnWeekdayTextColor();
    virtual int OnSundayTextColor();
    virtual int OnSatdayTextColor();
    virtual int OnSeldayBackColor();
    virtual int OnTodayEdgeColor();
    virtual int OnMemodayMarkColor();
    virtual int OnMemodayEdgeColor();
    virtual int OnButtonBackColor();
    virtual int OnButtonTextColor();
    // ChooseColorA on one colour; a confirmed choice is stored and the sample repainted.
    // Answers 0 only for a null colour.
    virtual int PickColor(COLORREF* color);

protected:
    RVK::CButton m_sampleButton;
    COLORREF m_colors[kColorCount];

private:
    int PickCalendarColor(ColorIndex index);
    void PaintHeader(RVK::CDC& dc);
    void PaintDays(RVK::CDC& dc);
    void PaintDay(RVK::CDC& dc, int number, int x, int y, COLORREF textColor);
    COLORREF ColumnTextColor(int column) const;
};
