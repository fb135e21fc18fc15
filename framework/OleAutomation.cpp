#include "framework/OleAutomation.h"

#include "framework/DelayLoad.h"

namespace {

const char* const kOleAut = "oleaut32.dll";

using FreeFunction = void(WINAPI*)(BSTR);
using LengthFunction = UINT(WINAPI*)(BSTR);

}  // namespace

COleString::~COleString()
{
    Free();
}

// A COleString holds a string only once oleaut32 made it, so the DLL is loaded by then.
void COleString::Free()
{
    if (m_text)
        DelayLoaded<FreeFunction>(kOleAut, "SysFreeString")(m_text);
    m_text = nullptr;
}

int COleString::Length() const
{
    return m_text ? static_cast<int>(DelayLoaded<LengthFunction>(kOleAut, "SysStringLen")(m_text))
                  : 0;
}

BSTR* COleString::Receive()
{
    Free();
    return &m_text;
}

HRESULT OleDateFromString(LPCOLESTR text, LCID lcid, DWORD flags, DATE* date)
{
    using Function = HRESULT(WINAPI*)(LPCOLESTR, LCID, ULONG, DATE*);
    static const auto varDateFromStr = DelayLoaded<Function>(kOleAut, "VarDateFromStr");
    return varDateFromStr ? varDateFromStr(text, lcid, flags, date) : E_FAIL;
}

bool OleStringFromDate(DATE date, LCID lcid, DWORD flags, COleString& text)
{
    using Function = HRESULT(WINAPI*)(DATE, LCID, ULONG, BSTR*);
    static const auto varBstrFromDate = DelayLoaded<Function>(kOleAut, "VarBstrFromDate");
    return varBstrFromDate && SUCCEEDED(varBstrFromDate(date, lcid, flags, text.Receive()));
}

bool OleDateFromDosDateTime(WORD dosDate, WORD dosTime, DATE* date)
{
    using Function = INT(WINAPI*)(USHORT, USHORT, DATE*);
    static const auto convert = DelayLoaded<Function>(kOleAut, "DosDateTimeToVariantTime");
    return convert && convert(dosDate, dosTime, date);
}
