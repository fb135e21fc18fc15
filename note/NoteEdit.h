#pragma once
// The note's text control: fills the note window, paints in the note's colours, drags the
// whole window with the left button, carries out the context menu, and saves the note each
// time it loses the focus and soon after each change of its text or place.

#include "balloon/BalloonTip.h"
#include "dpi/DpiCursor.h"
#include "framework/Controls.h"
#include "framework/GdiObjects.h"
#include "framework/Geometry.h"
#include "framework/WndTimer.h"
#include "note/NoteCommands.h"
#include "note/SaveFailure.h"

class CNoteEdit : public CEdit {
public:
    // Reads the note's settings (its own file, else the defaults file) into g_settings.
    CNoteEdit();
    ~CNoteEdit() override;

    void LoadNoteSettings();
    void SaveNoteSettings();
    // Writes the settings file and the note file, unless the note was deleted or this note
    // is still being dragged. False only when a file could not be written.
    bool SaveNote();
    // Saves once the note has been left alone for a moment; each call restarts the wait, so
    // a burst of keystrokes makes one write.
    void ScheduleSave();
    // Font, colours, topmost flag and size from g_settings; at the first paint and after the
    // options dialog ends with OK; without bTakeFocus when another PC changed the look.
    void ApplySettings(BOOL bTakeFocus = TRUE);
    // The font again at the note window's dpi, and the text filling the window; after the
    // window moved to a monitor of another dpi.
    void ApplyDpi();
    // dwSel packs start and end as EM_GETSEL returns them.
    void SetSelection(DWORD dwSel, BOOL bNoScroll);
    // The print dialog, then the text on the chosen printer (NoteEditOutput.cpp).
    void PrintText(const char* text, int length);

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    afx_msg void OnUpdateReflect();
    afx_msg void OnChangeReflect();
    afx_msg void OnTimer(UINT nIDEvent);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnKillFocusReflect();
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg LRESULT OnSaveFailed(WPARAM wParam, LPARAM lParam);
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnMaxTextReflect();
    DECLARE_MESSAGE_MAP()

private:
    void RunFirstPaintSetup();
    // The first time the user tries to change a read-only note, says why it can't be.
    void ExplainReadOnly();
    void ApplyFont(UINT dpi);
    void LoadDragCursor();
    // Font and colours from g_settings at the note window's dpi; returns that dpi.
    int ApplyLook();
    void EndDrag();
    // Tells the first failure of a run of failed saves; a save that succeeds ends the run.
    void NoteSaveResult(bool saved, const SaveFailure& failure);
    // The note window's rectangle as it should be stored: its restored place while minimized.
    CRect StoredWindowRect() const;

    void OnBlankPaper();
    void OnNewPaper();
    void OnOptions();
    void OnMinimize();
    void OnCloseNote();
    void OnSaveText();
    void OnPrint();
    // Undo, Cut, Copy, Paste, Select All; false for any other command.
    bool OnEditCommand(UINT nID);
    NoteEditState EditState() const;
    // Moves a new note off any note it would stand on.
    void PlaceNewNote();
    // Keeps the note inside the work area of its monitor after a change of size.
    void KeepInsideWorkArea();

    COLORREF m_crText;
    COLORREF m_crBack;
    CBrush m_brBack;
    CFont m_font;
    CDpiCursor m_dragCursor; // at the note window's dpi
    CPoint m_ptLast;  // cursor during a drag, screen coordinates
    CRect m_rcWindow; // the note window during a drag, screen coordinates
    BOOL m_bDragging = FALSE;
    BOOL m_bSaveFailed = FALSE;  // the last save failed and the user has been told
    CWndTimer m_saveTimer;       // runs between a change and its save
    BOOL m_bToldReadOnly = FALSE;
    SaveFailure m_saveFailure;   // what the message will name
    CBalloonTip m_fullHint;      // says once that the note is full
};
