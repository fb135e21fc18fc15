// CAlarmDlg: "Tacknote Alarm", the note's alarm. Its members are the alarm's settings for the
// life of the note process; the note window runs it for "Alarm..." and asks it, from its
// alarm timer, whether the alarm is due.
#pragma once

#include "alarm/AlarmAnnouncer.h"
#include "alarm/AlarmKeeper.h"
#include "datectl/DateEdit.h"
#include "dateparse/DateParser.h"
#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "res/resource.h"

class CAlarmDlg : public CDialog {
public:
    explicit CAlarmDlg(CWnd* pParentWnd = nullptr);
    ~CAlarmDlg() override;

    enum { IDD = IDD_ALARM };

    CComboBox m_cbTime;
    int m_nOnOff; // 0 On (armed), 1 Off
    int m_bBeep;
    int m_bShake;
    CDateParser m_alarmTime;
    CDateEdit m_dateEdit;

    // The due test: a due alarm switches itself Off, is told to the keeper and is announced
    // on pNote.
    void CheckDue(CWnd* pNote);
    // Told of every OK and every firing; none by default.
    void SetKeeper(CAlarmKeeper* pKeeper) { m_pKeeper = pKeeper; }
    // Arms a kept alarm as if the dialog had set it.
    void Arm(const KeptAlarm& alarm);
    // The announcement of the last due alarm, while it runs.
    CAlarmAnnouncer& GetAnnouncer() { return m_announcer; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    DECLARE_MESSAGE_MAP()

private:
    CAlarmAnnouncer m_announcer;
    CAlarmKeeper* m_pKeeper = nullptr;
    bool m_bFiredThisOpening = false;
};
