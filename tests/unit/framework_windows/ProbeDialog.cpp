#include "ProbeDialog.h"

BEGIN_MESSAGE_MAP(CProbeDlg, CDialog)
    ON_WM_TIMER()
    ON_MESSAGE(WM_PROBE_END, OnProbeEnd)
END_MESSAGE_MAP()
