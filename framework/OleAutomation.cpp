#include "framework/OleAutomation.h"

#include "framework/DelayLoad.h"

namespace {

const char* const kOleAut = "oleaut32.dll";

// Only called once oleaut32 is loaded: a COleString holds nothing until oleaut32 filled it.
template <typename Function>
Function FromLoadedOleAut(const char* name)
{
    return reinterpret_cast<Function>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA(kOleAut), name)));
}

}  // namespace

COleString::~COleString()
{
    if (m_text)
        FromLoadedOleAut<void(WINAPI*)(BSTR)>("SysFreeString")(m_text);
}

int COleString::Length() const
{
    return m_text ? static_cast<int>(FromLoadedOleAut<UINT(WINAPI*)(BSTR)>("SysStringLen")(m_text))
                  : 0;
}

BSTR* COleString::Receive()
{
    if (m_text)
        FromLoadedOleAut<void(WINAPI*)(BSTR)>("SysFreeString")(m_text);
    m_text = nullptr;
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
