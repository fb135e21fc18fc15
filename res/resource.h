#pragma once
// Resource ids. Stored files and other processes see none of them, but the tests find
// controls and menu commands by these numbers.

#define IDI_TACKNOTE 10          // program icon
#define IDR_TRAYMENU 11          // tray popup menu, also the tray icon's id
#define IDB_DROPARROW 12         // drop-down button arrow
#define IDD_SPLASH 100
#define IDD_ABOUT 101
#define IDD_NOTE 102
#define IDD_OPTIONS 103
#define IDD_ALARM 107
#define IDD_NOTELIST 110
#define IDC_DRAG 202             // cursor shown while a note is dragged
#define IDC_NOTE_EDIT 206

// Options dialog (template 103)
#define IDC_OPT_TEXTCOLOR 208    // "Text Color..."
#define IDC_OPT_BACKCOLOR 209    // "Background Color..."
#define IDC_OPT_FONT 210         // "Font..."
#define IDC_OPT_TOPMOST 211      // "Paper on Top"
#define IDC_OPT_WIDTHSPIN 212
#define IDC_OPT_HEIGHTSPIN 213
#define IDC_OPT_WIDTH 214        // width display, buddy of the width spin
#define IDC_OPT_HEIGHT 215       // height display, buddy of the height spin
#define IDC_OPT_TEXTSWATCH 216
#define IDC_OPT_BACKSWATCH 217
#define IDC_OPT_FONTSAMPLE 218
#define IDC_OPT_RESET 219

// About box (template 101) and start-up splash (template 100)
#define IDC_ABOUT_LINK 220       // credit line, a mail link
#define IDC_ABOUT_VERSION 1035   // version line
#define IDC_ABOUT_ICON 420       // program icon, loaded at the dialog's dpi

// Alarm dialog (template 107)
#define IDC_ALARM_DATE 221       // date field, with its drop-down button beside it
#define IDC_ALARM_TIME 222       // quarter-hour list
#define IDC_ALARM_ON 223         // "On", first of the radio group
#define IDC_ALARM_OFF 224        // "Off"
#define IDC_ALARM_BEEP 225       // "Beep"
#define IDC_ALARM_SHAKE 226      // "Shake"

// Notes list (template 110)
#define IDC_NOTELIST_FINDLABEL 340
#define IDC_NOTELIST_FILTER 341  // the filter, as typed
#define IDC_NOTELIST_LIST 342    // SysListView32, report view, one row per note file
#define IDC_NOTELIST_COUNT 343   // "6 notes", "1 of 6 notes"
#define IDC_NOTELIST_GATHER 344  // "Gather Notes"

#define ID_TRAY_NEWPAPER 32771
#define ID_TRAY_OPTIONS 32772
#define ID_TRAY_ABOUT 32773
#define ID_TRAY_CLOSE 32774
// "Reopen Closed Note": one command per listed note, FIRST + its place in the submenu (ten).
#define ID_TRAY_REOPEN_FIRST 32780
#define ID_TRAY_KEEPALARMS 32800 // "Keep Alarms Over Restarts", a check item
#define ID_TRAY_SHOWALL 32810
#define ID_TRAY_HIDEALL 32811
#define ID_TRAY_NOTELIST 32812
#define ID_NOTELIST_OPEN 32813   // the list's context menu
#define ID_NOTELIST_GATHER 32814
