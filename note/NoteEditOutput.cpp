// The note's text leaves the program: "Save..." to a text file, "Print..." to a printer.
#include <string>

#include "framework/CommonDialogs.h"
#include "note/AtomicFile.h"
#include "note/NoteEdit.h"
#include "note/PrintJob.h"
#include "note/SaveFailure.h"

namespace {
const char kCaption[] = "Tacknote";
const char kSaveFilter[] = "Text Files (*.txt)|*.txt|All Files (*.*)|*.*||";
} // namespace

void CNoteEdit::OnSaveText()
{
    CString text;
    GetWindowText(text);
    if (text.GetLength() < 1) {
        MessageBox("Nothing to save!", kCaption, MB_ICONINFORMATION);
        return;
    }
    DWORD selection = GetSel();
    CFileDialog dlg(FALSE, "txt", nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kSaveFilter,
                    this);
    if (dlg.DoModal() == IDOK) {
        // The bytes as they are: the control's line breaks are CR LF already. A file that
        // can't be written keeps what it held, and the user must hear that it was not saved.
        const CString path = dlg.GetPathName();
        DWORD error = 0;
        if (!ReplaceFileContents(path, std::string(text, text.GetLength()), &error)) {
            const std::string message = "Tacknote could not save\n" + std::string(path) +
                                        "\n\n" + SystemErrorText(error);
            MessageBox(message.c_str(), kCaption, MB_ICONEXCLAMATION);
        }
    }
    SetSelection(selection, FALSE);
}

void CNoteEdit::OnPrint()
{
    CString text;
    GetWindowText(text);
    if (text.GetLength() < 1) {
        MessageBox("Nothing to print!", kCaption, MB_ICONINFORMATION);
        return;
    }
    DWORD selection = GetSel();
    PrintText(text, text.GetLength());
    SetSelection(selection, FALSE);
}

void CNoteEdit::PrintText(const char* text, int length)
{
    CPrintDialog dlg(FALSE, PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOPAGENUMS | PD_NOSELECTION |
                                PD_HIDEPRINTTOFILE,
                     this);
    if (dlg.DoModal() != IDOK) return;
    CDC printer;
    if (!printer.Attach(dlg.GetPrinterDC()) || !PrintNoteText(printer, text, length)) {
        MessageBox("Printing failed!", kCaption, MB_ICONEXCLAMATION);
    }
}
