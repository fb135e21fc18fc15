#pragma once

#include "app/ReopenMenu.h"
#include <memory>

#include "app/SystemTray.h"
#include "framework/FrameWnd.h"
#include "notewin/HotkeyRegistration.h"

class CNotesListDlg;
#include "syncfolder/FolderFollower.h"

// The tray instance's main window: never shown. Owns the notification-area icon, starts a
// note process for every stored note and carries out the icon menu's commands. Created on
// the heap; it deletes itself when destroyed.
class CMainFrame : public CFrameWnd {
    DECLARE_DYNAMIC(CMainFrame)
public:
    CMainFrame();
    ~CMainFrame() override;

    // The defaults file ".\tacknote.ini" into or from g_settings.
    void LoadDefaults();
    void SaveDefaults();
    // Starts one note process per stored note in the working directory.
    void RestoreNotes();

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnNewPaper();
    afx_msg void OnOptions();
    afx_msg void OnKeepAlarms();
    afx_msg void OnAbout();
    afx_msg void OnTrayClose();
    afx_msg void OnTimer(UINT nIDEvent);
    afx_msg void OnReopen(UINT nID);
    afx_msg void OnShowAll();
    afx_msg void OnHideAll();
    afx_msg void OnNotesList();
    afx_msg LRESULT OnHotKey(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnInitMenuPopup(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void RegisterShowHideHotkey();

    CSystemTray m_tray;
    CReopenMenu m_reopen;
    HotkeyRegistration m_hotkey;
    std::unique_ptr<CNotesListDlg> m_list; // its window lives from "Notes..." until closed
    FolderFollower m_follower; // notes that a sync service brings in while the tray runs
};
