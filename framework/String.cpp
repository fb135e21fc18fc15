#include "framework/String.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

const std::string::size_type npos = std::string::npos;

bool IsWhiteSpace(char ch) { return std::isspace(static_cast<unsigned char>(ch)) != 0; }

char AsciiUpper(char ch) { return (ch >= 'a' && ch <= 'z') ? static_cast<char>(ch - 'a' + 'A') : ch; }
char AsciiLower(char ch) { return (ch >= 'A' && ch <= 'Z') ? static_cast<char>(ch - 'A' + 'a') : ch; }

LPCSTR OrEmpty(LPCSTR lpsz) { return lpsz ? lpsz : ""; }

// A resource id passed where a string is expected, as MAKEINTRESOURCE makes it.
bool IsResourceId(LPCSTR lpsz) { return lpsz && HIWORD(reinterpret_cast<ULONG_PTR>(lpsz)) == 0; }

int Clamp(int n, int lo, int hi) { return n < lo ? lo : (n > hi ? hi : n); }

}  // namespace

CString::CString(char ch, int nRepeat) : m_str(nRepeat > 0 ? nRepeat : 0, ch) {}

CString::CString(LPCSTR lpsz)
{
    if (IsResourceId(lpsz))
        LoadString(LOWORD(reinterpret_cast<ULONG_PTR>(lpsz)));
    else if (lpsz)
        m_str = lpsz;
}

CString::CString(LPCSTR lpch, int nLength)
{
    if (lpch && nLength > 0)
        m_str.assign(lpch, nLength);
}

CString::CString(const unsigned char* psz) : CString(reinterpret_cast<LPCSTR>(psz)) {}

char CString::GetAt(int nIndex) const
{
    return (nIndex >= 0 && nIndex < GetLength()) ? m_str[nIndex] : '\0';
}

void CString::SetAt(int nIndex, char ch)
{
    if (nIndex >= 0 && nIndex < GetLength())
        m_str[nIndex] = ch;
}

CString& CString::operator=(char ch)
{
    m_str.assign(1, ch);
    return *this;
}

CString& CString::operator=(LPCSTR lpsz)
{
    // Assigning from our own buffer must survive the reallocation.
    m_str = std::string(OrEmpty(lpsz));
    return *this;
}

CString& CString::operator=(const unsigned char* psz)
{
    return *this = reinterpret_cast<LPCSTR>(psz);
}

CString& CString::operator+=(const CString& string)
{
    m_str += string.m_str;
    return *this;
}

CString& CString::operator+=(char ch)
{
    m_str += ch;
    return *this;
}

CString& CString::operator+=(LPCSTR lpsz)
{
    m_str += std::string(OrEmpty(lpsz));
    return *this;
}

CString operator+(const CString& string1, const CString& string2)
{
    CString s(string1);
    return s += string2;
}

CString operator+(const CString& string, char ch)
{
    CString s(string);
    return s += ch;
}

CString operator+(char ch, const CString& string)
{
    CString s(ch);
    return s += string;
}

CString operator+(const CString& string, LPCSTR lpsz)
{
    CString s(string);
    return s += lpsz;
}

CString operator+(LPCSTR lpsz, const CString& string)
{
    CString s(lpsz);
    return s += string;
}

int CString::Compare(LPCSTR lpsz) const { return std::strcmp(m_str.c_str(), OrEmpty(lpsz)); }
int CString::CompareNoCase(LPCSTR lpsz) const { return _stricmp(m_str.c_str(), OrEmpty(lpsz)); }
int CString::Collate(LPCSTR lpsz) const { return std::strcoll(m_str.c_str(), OrEmpty(lpsz)); }
int CString::CollateNoCase(LPCSTR lpsz) const { return _stricoll(m_str.c_str(), OrEmpty(lpsz)); }

CString CString::Mid(int nFirst) const { return Mid(nFirst, GetLength()); }

CString CString::Mid(int nFirst, int nCount) const
{
    nFirst = Clamp(nFirst, 0, GetLength());
    nCount = Clamp(nCount, 0, GetLength() - nFirst);
    return CString(m_str.data() + nFirst, nCount);
}

CString CString::Left(int nCount) const
{
    return CString(m_str.data(), Clamp(nCount, 0, GetLength()));
}

CString CString::Right(int nCount) const
{
    nCount = Clamp(nCount, 0, GetLength());
    return CString(m_str.data() + GetLength() - nCount, nCount);
}

CString CString::SpanIncluding(LPCSTR lpszCharSet) const
{
    std::string::size_type n = m_str.find_first_not_of(OrEmpty(lpszCharSet));
    return Left(n == npos ? GetLength() : static_cast<int>(n));
}

CString CString::SpanExcluding(LPCSTR lpszCharSet) const
{
    std::string::size_type n = m_str.find_first_of(OrEmpty(lpszCharSet));
    return Left(n == npos ? GetLength() : static_cast<int>(n));
}

void CString::MakeUpper()
{
    for (char& ch : m_str)
        ch = AsciiUpper(ch);
}

void CString::MakeLower()
{
    for (char& ch : m_str)
        ch = AsciiLower(ch);
}

void CString::MakeReverse() { m_str.assign(m_str.rbegin(), m_str.rend()); }

int CString::Replace(char chOld, char chNew)
{
    int nCount = 0;
    for (char& ch : m_str) {
        if (ch == chOld) {
            ch = chNew;
            ++nCount;
        }
    }
    return nCount;
}

int CString::Replace(LPCSTR lpszOld, LPCSTR lpszNew)
{
    const std::string strOld(OrEmpty(lpszOld));
    const std::string strNew(OrEmpty(lpszNew));
    if (strOld.empty())
        return 0;
    std::string result;
    int nCount = 0;
    std::string::size_type from = 0;
    for (std::string::size_type at; (at = m_str.find(strOld, from)) != npos; from = at + strOld.size()) {
        result.append(m_str, from, at - from);
        result += strNew;
        ++nCount;
    }
    result.append(m_str, from, npos);
    m_str.swap(result);
    return nCount;
}

int CString::Remove(char ch)
{
    const auto kept = std::remove(m_str.begin(), m_str.end(), ch);
    const int nRemoved = static_cast<int>(m_str.end() - kept);
    m_str.erase(kept, m_str.end());
    return nRemoved;
}

int CString::Insert(int nIndex, char ch)
{
    m_str.insert(m_str.begin() + Clamp(nIndex, 0, GetLength()), ch);
    return GetLength();
}

int CString::Insert(int nIndex, LPCSTR psz)
{
    m_str.insert(Clamp(nIndex, 0, GetLength()), std::string(OrEmpty(psz)));
    return GetLength();
}

int CString::Delete(int nIndex, int nCount)
{
    nIndex = Clamp(nIndex, 0, GetLength());
    nCount = Clamp(nCount, 0, GetLength() - nIndex);
    m_str.erase(nIndex, nCount);
    return GetLength();
}

void CString::TrimLeft()
{
    std::string::size_type n = 0;
    while (n < m_str.size() && IsWhiteSpace(m_str[n]))
        ++n;
    m_str.erase(0, n);
}

void CString::TrimLeft(char chTarget)
{
    std::string::size_type n = m_str.find_first_not_of(chTarget);
    m_str.erase(0, n);
}

void CString::TrimLeft(LPCSTR lpszTargets)
{
    std::string::size_type n = m_str.find_first_not_of(OrEmpty(lpszTargets));
    m_str.erase(0, n);
}

void CString::TrimRight()
{
    std::string::size_type n = m_str.size();
    while (n > 0 && IsWhiteSpace(m_str[n - 1]))
        --n;
    m_str.erase(n);
}

void CString::TrimRight(char chTarget)
{
    std::string::size_type n = m_str.find_last_not_of(chTarget);
    m_str.erase(n == npos ? 0 : n + 1);
}

void CString::TrimRight(LPCSTR lpszTargets)
{
    std::string::size_type n = m_str.find_last_not_of(OrEmpty(lpszTargets));
    m_str.erase(n == npos ? 0 : n + 1);
}

int CString::Find(char ch, int nStart) const
{
    if (nStart < 0)
        nStart = 0;
    if (nStart >= GetLength())
        return -1;
    std::string::size_type n = m_str.find(ch, nStart);
    return n == npos ? -1 : static_cast<int>(n);
}

int CString::Find(LPCSTR lpszSub, int nStart) const
{
    if (nStart < 0)
        nStart = 0;
    if (nStart > GetLength())
        return -1;
    std::string::size_type n = m_str.find(OrEmpty(lpszSub), nStart);
    return n == npos ? -1 : static_cast<int>(n);
}

int CString::ReverseFind(char ch) const
{
    std::string::size_type n = m_str.rfind(ch);
    return n == npos ? -1 : static_cast<int>(n);
}

int CString::FindOneOf(LPCSTR lpszCharSet) const
{
    std::string::size_type n = m_str.find_first_of(OrEmpty(lpszCharSet));
    return n == npos ? -1 : static_cast<int>(n);
}

void CString::Format(LPCSTR lpszFormat, ...)
{
    va_list argList;
    va_start(argList, lpszFormat);
    FormatV(lpszFormat, argList);
    va_end(argList);
}

void CString::Format(UINT nFormatID, ...)
{
    CString strFormat;
    strFormat.LoadString(nFormatID);
    va_list argList;
    va_start(argList, nFormatID);
    FormatV(strFormat, argList);
    va_end(argList);
}

void CString::FormatV(LPCSTR lpszFormat, va_list argList)
{
    va_list sizing;
    va_copy(sizing, argList);
    const int nLength = std::vsnprintf(nullptr, 0, OrEmpty(lpszFormat), sizing);
    va_end(sizing);
    if (nLength <= 0) {
        m_str.clear();
        return;
    }
    std::vector<char> buffer(static_cast<size_t>(nLength) + 1);
    std::vsnprintf(buffer.data(), buffer.size(), OrEmpty(lpszFormat), argList);
    m_str.assign(buffer.data(), nLength);
}

BOOL CString::LoadString(UINT nID)
{
    // LoadStringA cannot say how long a resource is; grow until it fits.
    for (int nSize = 256; nSize <= 65536; nSize *= 2) {
        std::vector<char> buffer(nSize);
        const int n = ::LoadStringA(::GetModuleHandleA(nullptr), nID, buffer.data(), nSize);
        if (n < nSize - 1) {
            m_str.assign(buffer.data(), n > 0 ? n : 0);
            return n > 0;
        }
    }
    return FALSE;
}

LPSTR CString::GetBuffer(int nMinBufLength)
{
    if (nMinBufLength > GetLength())
        m_str.resize(nMinBufLength);
    return &m_str[0];
}

LPSTR CString::GetBufferSetLength(int nNewLength)
{
    m_str.resize(nNewLength > 0 ? nNewLength : 0);
    return &m_str[0];
}

void CString::ReleaseBuffer(int nNewLength)
{
    if (nNewLength < 0)
        nNewLength = static_cast<int>(std::strlen(m_str.c_str()));
    m_str.resize(Clamp(nNewLength, 0, GetLength()));
}

void CString::FreeExtra() { m_str.shrink_to_fit(); }

bool operator==(const CString& s1, const CString& s2) { return s1.Compare(s2) == 0; }
bool operator==(const CString& s1, LPCSTR s2) { return s1.Compare(s2) == 0; }
bool operator==(LPCSTR s1, const CString& s2) { return s2.Compare(s1) == 0; }
bool operator!=(const CString& s1, const CString& s2) { return s1.Compare(s2) != 0; }
bool operator!=(const CString& s1, LPCSTR s2) { return s1.Compare(s2) != 0; }
bool operator!=(LPCSTR s1, const CString& s2) { return s2.Compare(s1) != 0; }
bool operator<(const CString& s1, const CString& s2) { return s1.Compare(s2) < 0; }
bool operator<(const CString& s1, LPCSTR s2) { return s1.Compare(s2) < 0; }
bool operator<(LPCSTR s1, const CString& s2) { return s2.Compare(s1) > 0; }
bool operator>(const CString& s1, const CString& s2) { return s1.Compare(s2) > 0; }
bool operator>(const CString& s1, LPCSTR s2) { return s1.Compare(s2) > 0; }
bool operator>(LPCSTR s1, const CString& s2) { return s2.Compare(s1) < 0; }
bool operator<=(const CString& s1, const CString& s2) { return s1.Compare(s2) <= 0; }
bool operator<=(const CString& s1, LPCSTR s2) { return s1.Compare(s2) <= 0; }
bool operator<=(LPCSTR s1, const CString& s2) { return s2.Compare(s1) >= 0; }
bool operator>=(const CString& s1, const CString& s2) { return s1.Compare(s2) >= 0; }
bool operator>=(const CString& s1, LPCSTR s2) { return s1.Compare(s2) >= 0; }
bool operator>=(LPCSTR s1, const CString& s2) { return s2.Compare(s1) <= 0; }
