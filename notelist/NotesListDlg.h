#pragma once
// The notes list: a modeless window of the tray instance with one row per note file of the
// folder, a filter above it, and the commands that open a note or gather lost ones. It follows
// the folder while it is open.

#include <windows.h>

#include <map>
#include <string>

#include "dpi/WindowIcons.h"
#include "framework/Dialog.h"
#include "framework/GdiObjects.h"
#include "notelist/ListState.h"
#include "notelist/RowModel.h"
#include "res/resource.h"

class CNotesListDlg : public CDialog {
public:
    CNotesListDlg();
    ~CNotesListDlg() override;

    enum { IDD = IDD_NOTELIST };

    // Creates the window, or brings the open one forward.
    BOOL Open();
    // Reads the folder again now and shows what changed.
    void Refresh();
    void SetFilterText(const char* text);

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    afx_msg void OnTimer(UINT nIDEvent);
    afx_msg void OnDestroy();
    afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
    afx_msg void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint pos);
    afx_msg void OnFilterChange();
    afx_msg void OnGather();
    afx_msg void OnOpen();
    afx_msg void OnGetDispInfo(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnColumnClick(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnDblClick(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    HWND List() const { return ::GetDlgItem(m_hWnd, IDC_NOTELIST_LIST); }
    HWND Filter() const { return ::GetDlgItem(m_hWnd, IDC_NOTELIST_FILTER); }
    void ShowRows(const std::string& keepSelected);
    std::string SelectedName() const;
    void UpdateCount();
    void Layout(int cx, int cy);
    void SaveState();
    void DrawNoteCell(HDC dc, const RECT& cell, const NoteRow& row);

    RowModel m_model;
    ListState m_state;
    HANDLE m_change = INVALID_HANDLE_VALUE;
    int m_ticksSinceScan = 0;
    CBrush m_markBrush;
    std::string m_shownText; // LVN_GETDISPINFO hands out a pointer that must outlive the call
    CWindowIcons m_icons;    // caption and taskbar, at the window's dpi
};
