#include "notelist/NotesListDlg.h"

#include <commctrl.h>

#include <algorithm>

#include "dpi/DpiApi.h"
#include "framework/CommonControls.h"
#include "framework/WinApp.h"
#include "note/Monitors.h"
#include "note/NoteSettings.h"
#include "note/NoteStore.h"
#include "notelist/TextMatch.h"
#include "notewin/Gather.h"
#include "notewin/NoteFolder.h"
#include "notewin/RunningNotes.h"

// clang-format off
BEGIN_MESSAGE_MAP(CNotesListDlg, CDialog)
    ON_WM_SIZE()
    ON_WM_GETMINMAXINFO()
    ON_WM_TIMER()
    ON_WM_DESTROY()
    ON_WM_DRAWITEM()
    ON_WM_MEASUREITEM()
    ON_WM_CONTEXTMENU()
    ON_EN_CHANGE(IDC_NOTELIST_FILTER, OnFilterChange)
    ON_BN_CLICKED(IDC_NOTELIST_GATHER, OnGather)
    ON_COMMAND(ID_NOTELIST_GATHER, OnGather)
    ON_COMMAND(ID_NOTELIST_OPEN, OnOpen)
    ON_NOTIFY(LVN_GETDISPINFOA, IDC_NOTELIST_LIST, OnGetDispInfo)
    ON_NOTIFY(LVN_COLUMNCLICK, IDC_NOTELIST_LIST, OnColumnClick)
    ON_NOTIFY(NM_DBLCLK, IDC_NOTELIST_LIST, OnDblClick)
    ON_NOTIFY(NM_RETURN, IDC_NOTELIST_LIST, OnDblClick)
    ON_MESSAGE(WM_DPICHANGED, OnDpiChanged)
END_MESSAGE_MAP()
// clang-format on

namespace {

// The folder is looked at this often; a change shows at the next look.
const UINT_PTR kWatchTimerId = 1;
const UINT kWatchMs = 500;
// The folder is read again every so many looks all the same: 3 (1.5 s) without a change
// notification, 20 (10 s) with one, for folders (network, sync) that don't always notify.
const int kScanTicksUnwatched = 3;
const int kScanTicksWatched = 20;

const char* const kColumnTitles[] = {"Note", "Changed", "Alarm"};
// The note's column takes what the others leave of the list's width.
const int kDefaultWidths[] = {0, 120, 110};
const int kColumns = 3;

// The swatch's side and the gaps around it, in pixels at 96 dpi.
const int kSwatch = 12;
const int kGap = 4;
const COLORREF kMarkColour = RGB(255, 224, 96);

COLORREF DefaultBack() {
    NoteSettings defaults = BuiltInSettings();
    ReadSettingsFile(kDefaultsFile, defaults);
    return defaults.crBack;
}

} // namespace

CNotesListDlg::CNotesListDlg() : CDialog(IDD) {
    m_markBrush.CreateSolidBrush(kMarkColour);
}

CNotesListDlg::~CNotesListDlg() {
    if (m_change != INVALID_HANDLE_VALUE) FindCloseChangeNotification(m_change);
}

BOOL CNotesListDlg::Open() {
    if (GetSafeHwnd()) {
        if (IsIconic()) ShowWindow(SW_RESTORE);
        SetForegroundWindow();
        ::SetFocus(Filter());
        return TRUE;
    }
    AfxInitCommonControls(ICC_LISTVIEW_CLASSES);
    if (!Create(IDD, nullptr)) return FALSE;
    ShowWindow(SW_SHOW);
    SetForegroundWindow();
    return TRUE;
}

LRESULT CNotesListDlg::OnDpiChanged(WPARAM, LPARAM) {
    const LRESULT result = Default(); // the dialog manager scales the dialog and its controls
    m_icons.Apply(m_hWnd, AfxGetResourceHandle(), MAKEINTRESOURCEA(IDI_TACKNOTE));
    return result;
}

BOOL CNotesListDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_icons.Apply(m_hWnd, AfxGetResourceHandle(), MAKEINTRESOURCEA(IDI_TACKNOTE));
    m_state = ReadListState(kDefaultsFile);
    HWND list = List();
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT | LVS_EX_HEADERDRAGDROP);
    CRect client;
    GetClientRect(&client);
    Layout(client.Width(), client.Height());
    RECT listArea;
    ::GetClientRect(list, &listArea);
    int noteWidth = std::max<int>(listArea.right - GetSystemMetrics(SM_CXVSCROLL) -
                                      kDefaultWidths[1] - kDefaultWidths[2],
                                  kDefaultWidths[1]);
    for (int i = 0; i < kColumns; ++i) {
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.pszText = const_cast<char*>(kColumnTitles[i]);
        column.cx = i < static_cast<int>(m_state.columns.size()) ? m_state.columns[i]
                    : i == 0                                     ? noteWidth
                                                                 : kDefaultWidths[i];
        column.iSubItem = i;
        ::SendMessageA(list, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
    }
    m_model.SetSort(static_cast<RowColumn>(m_state.sortColumn), m_state.ascending);
    // A list opened again starts unfiltered, as its empty filter field says.
    m_model.SetFilter(std::string());
    ::SendMessageA(Filter(), EM_LIMITTEXT, 255, 0);
    if (m_state.rc.right > m_state.rc.left) {
        RECT rc = PlaceOnScreen(m_state.rc);
        SetWindowPos(nullptr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        CenterWindow();
    }
    m_change = FindFirstChangeNotificationA(".", FALSE, FILE_NOTIFY_CHANGE_FILE_NAME |
                                                        FILE_NOTIFY_CHANGE_LAST_WRITE |
                                                        FILE_NOTIFY_CHANGE_SIZE);
    SetTimer(kWatchTimerId, kWatchMs);
    Refresh();
    GetClientRect(&client);
    // Also makes the list ask for its row height again, now that this object answers.
    Layout(client.Width(), client.Height());
    ::SetFocus(Filter());
    return FALSE; // the focus is set
}

void CNotesListDlg::Refresh() {
    std::string selected = SelectedName();
    COLORREF back = DefaultBack();
    if (m_model.Update(ScanNoteFolder(),
                       [back](const NoteFileStamp& stamp) { return ReadNoteRow(stamp, back); }))
        ShowRows(selected);
}

void CNotesListDlg::SetFilterText(const char* text) {
    ::SetWindowTextA(Filter(), text);
}

std::string CNotesListDlg::SelectedName() const {
    if (!GetSafeHwnd()) return std::string();
    int index = ListView_GetNextItem(List(), -1, LVNI_SELECTED);
    if (index < 0 || static_cast<size_t>(index) >= m_model.ViewSize()) return std::string();
    return m_model.ViewRow(index).stamp.name;
}

void CNotesListDlg::ShowRows(const std::string& keepSelected) {
    HWND list = List();
    // Setting the count costs milliseconds even when it stays (the scroll bar is redone).
    int count = static_cast<int>(m_model.ViewSize());
    if (ListView_GetItemCount(list) != count)
        ListView_SetItemCountEx(list, count, LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL);
    int index = keepSelected.empty() ? -1 : m_model.ViewIndexOf(keepSelected);
    // The selection follows its note; when the note left the view, the first row takes it.
    if (index < 0 && m_model.ViewSize() > 0) index = 0;
    ListView_SetItemState(list, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    if (index >= 0) {
        ListView_SetItemState(list, index, LVIS_SELECTED | LVIS_FOCUSED,
                              LVIS_SELECTED | LVIS_FOCUSED);
        ListView_EnsureVisible(list, index, FALSE);
    }
    ::InvalidateRect(list, nullptr, TRUE);
    UpdateCount();
}

void CNotesListDlg::UpdateCount() {
    char text[64];
    if (m_model.ViewSize() == m_model.RowCount())
        wsprintfA(text, m_model.RowCount() == 1 ? "%u note" : "%u notes",
                  static_cast<unsigned>(m_model.RowCount()));
    else
        wsprintfA(text, "%u of %u notes", static_cast<unsigned>(m_model.ViewSize()),
                  static_cast<unsigned>(m_model.RowCount()));
    SetDlgItemText(IDC_NOTELIST_COUNT, text);
}

void CNotesListDlg::OnFilterChange() {
    char text[256];
    ::GetWindowTextA(Filter(), text, sizeof text);
    std::string selected = SelectedName();
    m_model.SetFilter(text);
    ShowRows(selected);
}

void CNotesListDlg::OnTimer(UINT nIDEvent) {
    if (nIDEvent != kWatchTimerId) {
        CDialog::OnTimer(nIDEvent);
        return;
    }
    bool changed = false;
    if (m_change != INVALID_HANDLE_VALUE) {
        // A burst of changes between two looks makes one reading.
        changed = WaitForSingleObject(m_change, 0) == WAIT_OBJECT_0;
        if (changed) FindNextChangeNotification(m_change);
    }
    int every = m_change != INVALID_HANDLE_VALUE ? kScanTicksWatched : kScanTicksUnwatched;
    if (changed || ++m_ticksSinceScan >= every) {
        m_ticksSinceScan = 0;
        Refresh();
    }
}

void CNotesListDlg::OnOK() {
    OnOpen();
}

void CNotesListDlg::OnOpen() {
    std::string name = SelectedName();
    if (name.empty()) return;
    std::vector<std::string> names{name};
    auto running = FindRunningNotes(names);
    OpenNote(name, running.empty() ? nullptr : running.begin()->second);
}

void CNotesListDlg::OnDblClick(NMHDR* /*pNMHDR*/, LRESULT* pResult) {
    OnOpen();
    *pResult = 0;
}

void CNotesListDlg::OnGather() {
    GatherNotes(RunningNoteWindows(), m_hWnd);
}

void CNotesListDlg::OnCancel() {
    DestroyWindow();
}

void CNotesListDlg::OnDestroy() {
    KillTimer(kWatchTimerId);
    SaveState();
    if (m_change != INVALID_HANDLE_VALUE) {
        FindCloseChangeNotification(m_change);
        m_change = INVALID_HANDLE_VALUE;
    }
    CDialog::OnDestroy();
}

void CNotesListDlg::SaveState() {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (GetWindowPlacement(&placement)) m_state.rc = placement.rcNormalPosition;
    m_state.columns.clear();
    for (int i = 0; i < kColumns; ++i)
        m_state.columns.push_back(ListView_GetColumnWidth(List(), i));
    m_state.sortColumn = static_cast<int>(m_model.SortColumn());
    m_state.ascending = m_model.SortAscending();
    // Losing the list's size is not worth a message.
    WriteListState(kDefaultsFile, m_state);
}

BOOL CNotesListDlg::PreTranslateMessage(MSG* pMsg) {
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == 'F' && GetKeyState(VK_CONTROL) < 0 &&
        IsChild(CWnd::FromHandle(pMsg->hwnd))) {
        ::SetFocus(Filter());
        ::SendMessageA(Filter(), EM_SETSEL, 0, -1);
        return TRUE;
    }
    // Arrows in the filter move through the rows, as in a search box of the system.
    if (pMsg->message == WM_KEYDOWN && pMsg->hwnd == Filter() &&
        (pMsg->wParam == VK_DOWN || pMsg->wParam == VK_UP || pMsg->wParam == VK_NEXT ||
         pMsg->wParam == VK_PRIOR)) {
        ::SendMessageA(List(), WM_KEYDOWN, pMsg->wParam, pMsg->lParam);
        return TRUE;
    }
    // Typing in the list goes on in the filter.
    if (pMsg->message == WM_CHAR && pMsg->hwnd == List() &&
        static_cast<unsigned char>(pMsg->wParam) >= ' ' && GetKeyState(VK_CONTROL) >= 0) {
        ::SetFocus(Filter());
        int length = ::GetWindowTextLengthA(Filter());
        ::SendMessageA(Filter(), EM_SETSEL, length, length);
        ::SendMessageA(Filter(), WM_CHAR, pMsg->wParam, pMsg->lParam);
        return TRUE;
    }
    return CDialog::PreTranslateMessage(pMsg);
}

void CNotesListDlg::OnGetDispInfo(NMHDR* pNMHDR, LRESULT* pResult) {
    NMLVDISPINFOA* info = reinterpret_cast<NMLVDISPINFOA*>(pNMHDR);
    *pResult = 0;
    if (!(info->item.mask & LVIF_TEXT) || info->item.iItem < 0 ||
        static_cast<size_t>(info->item.iItem) >= m_model.ViewSize())
        return;
    m_shownText = CellText(m_model.ViewRow(info->item.iItem),
                           static_cast<RowColumn>(info->item.iSubItem));
    lstrcpynA(info->item.pszText, m_shownText.c_str(), info->item.cchTextMax);
}

void CNotesListDlg::OnColumnClick(NMHDR* pNMHDR, LRESULT* pResult) {
    NMLISTVIEW* view = reinterpret_cast<NMLISTVIEW*>(pNMHDR);
    std::string selected = SelectedName();
    m_model.SortBy(static_cast<RowColumn>(view->iSubItem));
    ShowRows(selected);
    *pResult = 0;
}

void CNotesListDlg::OnContextMenu(CWnd* pWnd, CPoint pos) {
    if (pWnd == nullptr || pWnd->m_hWnd != List()) return;
    HWND list = List();
    if (pos.x == -1 && pos.y == -1) {
        // From the keyboard: at the selected row, or the list's corner.
        RECT rc{};
        int index = ListView_GetNextItem(list, -1, LVNI_SELECTED);
        if (index < 0 || !ListView_GetItemRect(list, index, &rc, LVIR_LABEL))
            ::GetClientRect(list, &rc);
        pos = CPoint(rc.left, rc.bottom);
        ::ClientToScreen(list, &pos);
    }
    HMENU menu = CreatePopupMenu();
    if (!menu) return;
    UINT openFlags = SelectedName().empty() ? MF_GRAYED : MF_ENABLED;
    AppendMenuA(menu, MF_STRING | openFlags, ID_NOTELIST_OPEN, "&Open");
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, ID_NOTELIST_GATHER, "&Gather Notes");
    SetMenuDefaultItem(menu, ID_NOTELIST_OPEN, FALSE);
    TrackPopupMenu(menu, TPM_RIGHTBUTTON, pos.x, pos.y, 0, m_hWnd, nullptr);
    DestroyMenu(menu);
}

void CNotesListDlg::OnGetMinMaxInfo(MINMAXINFO* lpMMI) {
    CRect rc(0, 0, 200, 120);
    if (GetSafeHwnd()) MapDialogRect(&rc);
    lpMMI->ptMinTrackSize.x = rc.Width();
    lpMMI->ptMinTrackSize.y = rc.Height();
}

void CNotesListDlg::OnSize(UINT nType, int cx, int cy) {
    CDialog::OnSize(nType, cx, cy);
    if (nType != SIZE_MINIMIZED) Layout(cx, cy);
}

void CNotesListDlg::Layout(int cx, int cy) {
    if (!List()) return;
    // The template's measures, in dialog units, turned into pixels for this font.
    CRect unit(7, 12, 60, 14);
    MapDialogRect(&unit);
    int margin = unit.left, editHeight = unit.top, buttonWidth = unit.right,
        buttonHeight = unit.bottom;
    CRect label(7, 9, 29, 17);
    MapDialogRect(&label);
    HDWP dwp = BeginDeferWindowPos(7);
    auto place = [&](int id, int x, int y, int w, int h) {
        HWND control = ::GetDlgItem(m_hWnd, id);
        if (control && dwp)
            dwp = DeferWindowPos(dwp, control, nullptr, x, y, std::max(w, 0), std::max(h, 0),
                                 SWP_NOZORDER | SWP_NOACTIVATE);
    };
    int top = margin;
    place(IDC_NOTELIST_FINDLABEL, margin, label.top, label.Width(), label.Height());
    place(IDC_NOTELIST_FILTER, label.right + margin / 2, top, cx - label.right - margin * 3 / 2,
          editHeight);
    int buttonsTop = cy - margin - buttonHeight;
    int listTop = top + editHeight + margin / 2;
    place(IDC_NOTELIST_LIST, margin, listTop, cx - 2 * margin, buttonsTop - margin - listTop);
    int x = cx - margin - buttonWidth;
    place(IDCANCEL, x, buttonsTop, buttonWidth, buttonHeight);
    x -= buttonWidth + margin;
    place(IDOK, x, buttonsTop, buttonWidth, buttonHeight);
    x -= buttonWidth + margin;
    place(IDC_NOTELIST_GATHER, x, buttonsTop, buttonWidth, buttonHeight);
    place(IDC_NOTELIST_COUNT, margin, buttonsTop + (buttonHeight - label.Height()) / 2,
          x - 2 * margin, label.Height());
    if (dwp) EndDeferWindowPos(dwp);
}

void CNotesListDlg::OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT item) {
    if (nIDCtl != IDC_NOTELIST_LIST || item->itemID == static_cast<UINT>(-1) ||
        item->itemID >= m_model.ViewSize()) {
        CDialog::OnDrawItem(nIDCtl, item);
        return;
    }
    const NoteRow& row = m_model.ViewRow(item->itemID);
    bool selected = (item->itemState & ODS_SELECTED) != 0;
    bool focused = ::GetFocus() == List();
    HDC dc = item->hDC;
    COLORREF back = GetSysColor(selected ? (focused ? COLOR_HIGHLIGHT : COLOR_BTNFACE)
                                         : COLOR_WINDOW);
    COLORREF fore = GetSysColor(selected && focused ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
    CBrush backBrush(back);
    FillRect(dc, &item->rcItem, backBrush);
    int oldMode = SetBkMode(dc, TRANSPARENT);
    COLORREF oldColour = SetTextColor(dc, fore);
    HWND list = List();
    int left = item->rcItem.left;
    // The columns in the order the user arranged them.
    int order[kColumns] = {0, 1, 2};
    ListView_GetColumnOrderArray(list, kColumns, order);
    for (int i = 0; i < kColumns; ++i) {
        int column = order[i];
        int width = ListView_GetColumnWidth(list, column);
        RECT cell{left, item->rcItem.top, left + width, item->rcItem.bottom};
        left += width;
        if (column == 0) {
            DrawNoteCell(dc, cell, row);
            continue;
        }
        std::string text = CellText(row, static_cast<RowColumn>(column));
        cell.left += kGap * 2;
        cell.right -= kGap;
        DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &cell,
                  DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    if ((item->itemState & ODS_FOCUS) && focused) DrawFocusRect(dc, &item->rcItem);
    SetTextColor(dc, oldColour);
    SetBkMode(dc, oldMode);
}

void CNotesListDlg::OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT item) {
    if (nIDCtl != IDC_NOTELIST_LIST) {
        CDialog::OnMeasureItem(nIDCtl, item);
        return;
    }
    // Room around the text for the swatch and the marks of the filter.
    TEXTMETRICA metrics{};
    HDC dc = ::GetDC(List());
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(::SendMessageA(List(), WM_GETFONT, 0, 0)));
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, old);
    ::ReleaseDC(List(), dc);
    item->itemHeight = std::max<UINT>(metrics.tmHeight + 6, kSwatch + 6);
}

void CNotesListDlg::DrawNoteCell(HDC dc, const RECT& cell, const NoteRow& row) {
    int middle = (cell.top + cell.bottom) / 2;
    RECT swatch{cell.left + kGap, middle - kSwatch / 2, cell.left + kGap + kSwatch,
                middle + kSwatch / 2};
    CBrush colour(row.back);
    FillRect(dc, &swatch, colour);
    FrameRect(dc, &swatch, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    RECT clip{swatch.right + kGap, cell.top, cell.right - kGap, cell.bottom};
    if (clip.right <= clip.left) return;
    RowDisplay display;
    if (!row.problem.empty()) {
        display.text = CellText(row, RowColumn::Text);
        display.marks = FindTerms(display.text, m_model.FoldedTerms());
    } else {
        display = DisplayFor(row.text, m_model.FoldedTerms());
    }
    if (display.text.empty() && row.problem.empty()) display.text = "(empty)";
    // Piece by piece, so that each word the filter found sits on its own mark.
    TEXTMETRICA metrics;
    GetTextMetricsA(dc, &metrics);
    int y = middle - metrics.tmHeight / 2;
    int x = clip.left;
    size_t pos = 0;
    auto draw = [&](size_t begin, size_t end, bool marked) {
        if (end <= begin || x >= clip.right) return;
        SIZE size;
        GetTextExtentPoint32A(dc, display.text.c_str() + begin, static_cast<int>(end - begin),
                              &size);
        if (marked) {
            RECT mark{x, y, std::min<LONG>(x + size.cx, clip.right), y + metrics.tmHeight};
            FillRect(dc, &mark, m_markBrush);
        }
        COLORREF old = marked ? SetTextColor(dc, RGB(0, 0, 0)) : 0;
        ExtTextOutA(dc, x, y, ETO_CLIPPED, &clip, display.text.c_str() + begin,
                    static_cast<UINT>(end - begin), nullptr);
        if (marked) SetTextColor(dc, old);
        x += size.cx;
    };
    for (const auto& mark : display.marks) {
        draw(pos, mark.first, false);
        draw(mark.first, mark.first + mark.second, true);
        pos = mark.first + mark.second;
    }
    draw(pos, display.text.size(), false);
}
