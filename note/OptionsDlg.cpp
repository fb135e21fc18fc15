#include "note/OptionsDlg.h"

#include <commctrl.h>

#include <utility>

#include "dpi/DpiApi.h"
#include "framework/CommonControls.h"
#include "framework/CommonDialogs.h"
#include "framework/DC.h"
#include "framework/DataExchange.h"
#include "note/NoteBounds.h"
#include "note/NoteDpi.h"
#include "note/OptionsSwatch.h"

// clang-format off
BEGIN_MESSAGE_MAP(COptionsDlg, CDialog)
    ON_BN_CLICKED(IDC_OPT_BACKCOLOR, OnBackgroundColor)
    ON_BN_CLICKED(IDC_OPT_FONT, OnFont)
    ON_BN_CLICKED(IDC_OPT_TEXTCOLOR, OnTextColor)
    ON_BN_CLICKED(IDC_OPT_RESET, OnReset)
END_MESSAGE_MAP()
// clang-format on

namespace {

// The same range that reading a settings file brings sizes into.
const int kMinWidth = kMinNoteWidth, kMaxWidth = kMaxNoteWidth;
const int kMinHeight = kMinNoteHeight, kMaxHeight = kMaxNoteHeight;

// UDM_SETPOS takes 16 bits, so a settings file's larger number would wrap before the
// control could put it at its limit.
int Clamp(int value, int low, int high) {
    return value < low ? low : value > high ? high : value;
}

// UDM_GETPOS: the position in the low word, non-zero high word when the buddy's text is
// no number.
int SpinValue(const CSpinButtonCtrl& spin, int fallback) {
    DWORD pos = static_cast<DWORD>(spin.GetPos());
    return HIWORD(pos) ? fallback : static_cast<short>(LOWORD(pos));
}

} // namespace

COptionsDlg::COptionsDlg(CWnd* pParent)
    : CDialog(IDD, pParent), m_crText(g_settings.crText), m_crBack(g_settings.crBack),
      m_lf(g_settings.lf) {
    // The template holds up-down controls, whose class exists only once this has run.
    AfxInitCommonControls(ICC_UPDOWN_CLASS);
}

COptionsDlg::~COptionsDlg() = default;

void COptionsDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_OPT_FONTSAMPLE, m_stFontSample);
    DDX_Control(pDX, IDC_OPT_BACKSWATCH, m_stBackSwatch);
    DDX_Control(pDX, IDC_OPT_TEXTSWATCH, m_stTextSwatch);
    DDX_Control(pDX, IDC_OPT_TOPMOST, m_chkTopmost);
    DDX_Control(pDX, IDC_OPT_WIDTHSPIN, m_spinWidth);
    DDX_Control(pDX, IDC_OPT_HEIGHTSPIN, m_spinHeight);
    DDX_Control(pDX, IDC_OPT_WIDTH, m_stWidth);
    DDX_Control(pDX, IDC_OPT_HEIGHT, m_stHeight);
}

BOOL COptionsDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_spinWidth.SetRange(kMinWidth, kMaxWidth);
    m_spinWidth.SetBuddy(&m_stWidth);
    m_spinHeight.SetRange(kMinHeight, kMaxHeight);
    m_spinHeight.SetBuddy(&m_stHeight);
    // A click moves one pixel; an arrow held down speeds up, so that the far end of the
    // range is a few seconds away.
    UDACCEL accel[] = {{0, 1}, {1, 5}, {2, 20}};
    m_spinWidth.SetAccel(3, accel);
    m_spinHeight.SetAccel(3, accel);
    ShowValues(g_settings);
    return TRUE;
}

void COptionsDlg::ShowValues(const NoteSettings& s) {
    m_spinWidth.SetPos(Clamp(s.nWidth, kMinWidth, kMaxWidth));
    m_spinHeight.SetPos(Clamp(s.nHeight, kMinHeight, kMaxHeight));
    m_chkTopmost.SetCheck(s.bTopmost ? BST_CHECKED : BST_UNCHECKED);
    m_crBack = s.crBack;
    m_crText = s.crText;
    m_lf = s.lf;
    PaintTextSwatch();
    PaintBackSwatch();
    PaintFontSample();
}

void COptionsDlg::OnOK() {
    g_settings.bTopmost = m_chkTopmost.GetState() & 3;
    g_settings.nWidth = SpinValue(m_spinWidth, g_settings.nWidth);
    g_settings.nHeight = SpinValue(m_spinHeight, g_settings.nHeight);
    g_settings.crBack = m_crBack;
    g_settings.crText = m_crText;
    g_settings.lf = m_lf;
    CDialog::OnOK();
}

void COptionsDlg::OnTextColor() {
    if (!PickColor(m_crText)) return;
    PaintTextSwatch();
    PaintFontSample();
}

void COptionsDlg::OnBackgroundColor() {
    if (!PickColor(m_crBack)) return;
    PaintBackSwatch();
    PaintFontSample();
}

BOOL COptionsDlg::PickColor(COLORREF& cr) {
    CColorDialog dlg(cr, 0, this);
    if (dlg.DoModal() != IDOK) return FALSE;
    cr = dlg.GetColor();
    return TRUE;
}

void COptionsDlg::OnFont() {
    // The font dialog tells points from heights at the system dpi.
    UINT dpi = SystemDpi();
    LOGFONTA lf = NoteFontAtDpi(m_lf, dpi);
    CFontDialog dlg(&lf, CF_SCREENFONTS | CF_EFFECTS | CF_LIMITSIZE, NULL, this);
    dlg.m_cf.nSizeMin = kMinFontPoints;
    dlg.m_cf.nSizeMax = kMaxFontPoints;
    dlg.m_cf.rgbColors = m_crText;
    if (dlg.DoModal() != IDOK) return;
    dlg.GetCurrentFont(&lf);
    // The dialog refuses a typed size out of range; a font it hands back anyway is brought
    // into range, so that a note never shows one giant letter.
    lf.lfHeight = ClampFontHeight(lf.lfHeight, static_cast<int>(dpi));
    m_lf = NoteFontToFile(lf, dpi);
    // The font dialog's colour wins over the one chosen with "Text Color...".
    m_crText = dlg.GetColor();
    PaintTextSwatch();
    PaintFontSample();
}

void COptionsDlg::OnReset() {
    ShowValues(BuiltInSettings());
}

void COptionsDlg::PaintTextSwatch() {
    SwatchLook look;
    look.crFill = m_crText;
    PaintSwatch(m_stTextSwatch, look);
}

void COptionsDlg::PaintBackSwatch() {
    SwatchLook look;
    look.crFill = m_crBack;
    PaintSwatch(m_stBackSwatch, look);
}

void COptionsDlg::PaintFontSample() {
    SwatchLook look;
    look.crFill = m_crBack;
    LOGFONTA lf = NoteFontAtDpi(m_lf, DpiForWindow(m_hWnd));
    look.plfSample = &lf;
    look.crText = m_crText;
    PaintSwatch(m_stFontSample, look);
}

void COptionsDlg::PaintSwatch(CBitmapStatic& control, const SwatchLook& look) {
    CRect rc;
    control.GetClientRect(&rc);
    CBitmap bitmap;
    {
        CClientDC dc(&control);
        bitmap = PaintSwatchBitmap(dc.GetSafeHdc(), rc.Width(), rc.Height(), look);
    }
    control.SetOwnedBitmap(std::move(bitmap));
    control.Invalidate();
}
