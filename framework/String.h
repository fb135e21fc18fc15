// CString: an 8-bit string value with the members of MFC's CString.
#pragma once

#include <windows.h>

#include <cstdarg>
#include <string>

class CString {
public:
    CString() = default;
    CString(const CString& stringSrc) = default;
    CString(CString&& stringSrc) noexcept = default;
    CString(char ch, int nRepeat = 1);
    // A string resource id made with MAKEINTRESOURCE loads that resource, as in MFC.
    CString(LPCSTR lpsz);
    CString(LPCSTR lpch, int nLength);
    CString(const unsigned char* psz);
    ~CString() = default;

    int GetLength() const { return static_cast<int>(m_str.size()); }
    BOOL IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }

    // Out-of-range indexes read as '\0' and are ignored by SetAt.
    char GetAt(int nIndex) const;
    char operator[](int nIndex) const { return GetAt(nIndex); }
    void SetAt(int nIndex, char ch);
    operator LPCSTR() const { return m_str.c_str(); }

    CString& operator=(const CString& stringSrc) = default;
    CString& operator=(CString&& stringSrc) noexcept = default;
    CString& operator=(char ch);
    CString& operator=(LPCSTR lpsz);
    CString& operator=(const unsigned char* psz);

    CString& operator+=(const CString& string);
    CString& operator+=(char ch);
    CString& operator+=(LPCSTR lpsz);

    friend CString operator+(const CString& string1, const CString& string2);
    friend CString operator+(const CString& string, char ch);
    friend CString operator+(char ch, const CString& string);
    friend CString operator+(const CString& string, LPCSTR lpsz);
    friend CString operator+(LPCSTR lpsz, const CString& string);

    // strcmp / _stricmp / strcoll / _stricoll: <0, 0, >0.
    int Compare(LPCSTR lpsz) const;
    int CompareNoCase(LPCSTR lpsz) const;
    int Collate(LPCSTR lpsz) const;
    int CollateNoCase(LPCSTR lpsz) const;

    // Counts and starts are clamped to the string, as MFC does: Mid(100) of "abc" is "".
    CString Mid(int nFirst) const;
    CString Mid(int nFirst, int nCount) const;
    CString Left(int nCount) const;
    CString Right(int nCount) const;
    CString SpanIncluding(LPCSTR lpszCharSet) const;
    CString SpanExcluding(LPCSTR lpszCharSet) const;

    // Case changes touch ASCII letters only, like the C runtime in the "C" locale.
    void MakeUpper();
    void MakeLower();
    void MakeReverse();

    // Each returns the number of replacements / removals; an empty lpszOld replaces nothing.
    int Replace(char chOld, char chNew);
    int Replace(LPCSTR lpszOld, LPCSTR lpszNew);
    int Remove(char ch);
    // Both return the new length; nIndex is clamped to the string.
    int Insert(int nIndex, char ch);
    int Insert(int nIndex, LPCSTR psz);
    int Delete(int nIndex, int nCount = 1);

    // Without an argument white space (isspace) goes; otherwise the character or any of the set.
    void TrimLeft();
    void TrimLeft(char chTarget);
    void TrimLeft(LPCSTR lpszTargets);
    void TrimRight();
    void TrimRight(char chTarget);
    void TrimRight(LPCSTR lpszTargets);

    // Zero-based index or -1; a start at or past the end finds nothing.
    int Find(char ch, int nStart = 0) const;
    int Find(LPCSTR lpszSub, int nStart = 0) const;
    int ReverseFind(char ch) const;
    int FindOneOf(LPCSTR lpszCharSet) const;

    // printf-style; the result is sized to the output, however long.
    void Format(LPCSTR lpszFormat, ...) __attribute__((format(__MINGW_PRINTF_FORMAT, 2, 3)));
    void Format(UINT nFormatID, ...);
    void FormatV(LPCSTR lpszFormat, va_list argList)
        __attribute__((format(__MINGW_PRINTF_FORMAT, 2, 0)));

    BOOL LoadString(UINT nID);

    // The buffer holds at least nMinBufLength characters plus a terminator. Until
    // ReleaseBuffer, GetLength reports the buffer's size.
    LPSTR GetBuffer(int nMinBufLength);
    LPSTR GetBufferSetLength(int nNewLength);
    // -1: the string ends at the first '\0' in the buffer.
    void ReleaseBuffer(int nNewLength = -1);
    void FreeExtra();
    LPSTR LockBuffer() { return &m_str[0]; }
    void UnlockBuffer() {}

private:
    std::string m_str;
};

bool operator==(const CString& s1, const CString& s2);
bool operator==(const CString& s1, LPCSTR s2);
bool operator==(LPCSTR s1, const CString& s2);
bool operator!=(const CString& s1, const CString& s2);
bool operator!=(const CString& s1, LPCSTR s2);
bool operator!=(LPCSTR s1, const CString& s2);
bool operator<(const CString& s1, const CString& s2);
bool operator<(const CString& s1, LPCSTR s2);
bool operator<(LPCSTR s1, const CString& s2);
bool operator>(const CString& s1, const CString& s2);
bool operator>(const CString& s1, LPCSTR s2);
bool operator>(LPCSTR s1, const CString& s2);
bool operator<=(const CString& s1, const CString& s2);
bool operator<=(const CString& s1, LPCSTR s2);
bool operator<=(LPCSTR s1, const CString& s2);
bool operator>=(const CString& s1, const CString& s2);
bool operator>=(const CString& s1, LPCSTR s2);
bool operator>=(LPCSTR s1, const CString& s2);
