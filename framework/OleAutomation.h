#pragma once
// The few date functions of oleaut32 that COleDateTime needs. Importing oleaut32 would load
// it, with ole32 and rpcrt4 behind it, into every note process at start-up, although only a
// note that reads or shows a date in the platform's way ever calls them; they are looked up
// on first use instead. Each answers a failure when oleaut32 cannot be loaded.

#include <windows.h>
#include <oleauto.h>

// A string that oleaut32 allocated, freed with its scope.
class COleString {
public:
    COleString() = default;
    ~COleString();
    COleString(const COleString&) = delete;
    COleString& operator=(const COleString&) = delete;

    LPCWSTR Text() const { return m_text; }
    int Length() const;
    // Where a function that allocates the string writes it; frees what was held.
    BSTR* Receive();

private:
    void Free();

    BSTR m_text = nullptr;
};

HRESULT OleDateFromString(LPCOLESTR text, LCID lcid, DWORD flags, DATE* date);
// The text of date in the platform's way; false where that fails.
bool OleStringFromDate(DATE date, LCID lcid, DWORD flags, COleString& text);
bool OleDateFromDosDateTime(WORD dosDate, WORD dosTime, DATE* date);
