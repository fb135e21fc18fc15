#pragma once
// Resource ids of the framework window tests' own templates.

#define IDD_PROBE 100         // hidden popup at 0,0: the automatic centring applies
#define IDD_PROBE_PLACED 101  // the same at 20,30 dialog units: never centred
#define IDD_PROBE_VISIBLE 102 // at 0,0 but WS_VISIBLE: shown by creation, never centred
#define IDR_PROBE_MENU 300

#define IDC_EDIT 1001
#define IDC_CHECK 1002
#define IDC_RADIO1 1003
#define IDC_RADIO2 1004
#define IDC_RADIO3 1005
#define IDC_AFTER_GROUP 1006
#define IDC_EDIT2 1007
#define IDC_CHILD 1010  // a window the tests create inside the dialog
