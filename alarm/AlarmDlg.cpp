#include "alarm/AlarmDlg.h"

#include "alarm/AlarmSchedule.h"
#include "alarm/KeptAlarm.h"
#include "framework/DataExchange.h"

BEGIN_MESSAGE_MAP(CAlarmDlg, CDialog)
END_MESSAGE_MAP()

CAlarmDlg::CAlarmDlg(CWnd* pParentWnd)
    : CDialog(IDD, pParentWnd), m_nOnOff(1), m_bBeep(0), m_bShake(1)
{
    m_alarmTime = COleDateTime::GetCurrentTime();
}

CAlarmDlg::~CAlarmDlg() = default;

void CAlarmDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_ALARM_TIME, m_cbTime);
    DDX_Radio(pDX, IDC_ALARM_ON, m_nOnOff);
    DDX_Check(pDX, IDC_ALARM_BEEP, m_bBeep);
    DDX_Check(pDX, IDC_ALARM_SHAKE, m_bShake);
}

BOOL CAlarmDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    UpdateData(FALSE);
    m_bFiredThisOpening = false;
    for (int nIndex = 0; nIndex < kQuarterHours; ++nIndex)
        m_cbTime.AddString(QuarterHourText(nIndex));

    m_dateEdit.SetDropButton(TRUE);
    m_dateEdit.AttachToDlgItem(this, IDC_ALARM_DATE);
    m_dateEdit.SetDisplayFormat("%m/%d/%Y");
    m_dateEdit.SetParseFlags(VAR_DATEVALUEONLY);

    const ShownAlarm shown = ChooseShownAlarm(m_alarmTime, COleDateTime::GetCurrentTime());
    m_alarmTime = shown.alarmTime;
    m_dateEdit.SetDate(shown.shownDate);
    m_cbTime.SetCurSel(shown.nIndex);
    return TRUE;
}

void CAlarmDlg::OnOK()
{
    if (!UpdateData(TRUE)) return;
    const CDateParser date = m_dateEdit.GetDate();
    m_alarmTime = MomentFromChoice(date, m_cbTime.GetCurSel(), m_alarmTime);
    CDialog::OnOK();
    m_nOnOff = OnOffAfterOK(m_nOnOff, m_bFiredThisOpening, m_alarmTime,
                            COleDateTime::GetCurrentTime());
    if (m_pKeeper) m_pKeeper->AlarmSet(m_nOnOff, KeptAlarm{m_alarmTime, m_bBeep, m_bShake});
}

void CAlarmDlg::Arm(const KeptAlarm& alarm)
{
    m_nOnOff = 0;
    m_alarmTime = alarm.moment;
    m_bBeep = alarm.bBeep;
    m_bShake = alarm.bShake;
}

void CAlarmDlg::CheckDue(CWnd* pNote)
{
    if (!TakeDueAlarm(m_nOnOff, m_alarmTime, COleDateTime::GetCurrentTime())) return;
    if (m_hWnd) m_bFiredThisOpening = true;
    if (m_pKeeper) m_pKeeper->AlarmFired();
    m_announcer.Announce(pNote ? pNote->GetSafeHwnd() : nullptr, m_bShake, m_bBeep);
}
