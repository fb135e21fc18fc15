// CMapStringToString: CString keys (matched exactly, case-sensitively) to CString values.
#pragma once

#include "framework/AfxTypes.h"
#include "framework/String.h"

#include <map>
#include <string>

class CMapStringToString {
public:
    // The block size tunes MFC's allocator; it changes nothing here.
    explicit CMapStringToString(int nBlockSize = 10);
    CMapStringToString(const CMapStringToString&) = delete;  // MFC maps are not copyable
    CMapStringToString& operator=(const CMapStringToString&) = delete;

    int GetCount() const { return static_cast<int>(m_map.size()); }
    BOOL IsEmpty() const { return m_map.empty(); }

    BOOL Lookup(LPCSTR key, CString& rValue) const;
    BOOL LookupKey(LPCSTR key, LPCSTR& rKey) const;
    // Adds the key with an empty value when it is missing.
    CString& operator[](LPCSTR key);
    void SetAt(LPCSTR key, LPCSTR newValue);
    BOOL RemoveKey(LPCSTR key);
    void RemoveAll();

    // Iteration: NULL when empty; GetNextAssoc sets rNextPosition to NULL after the last.
    // Removing an entry other than the next one keeps a position valid.
    POSITION GetStartPosition() const;
    void GetNextAssoc(POSITION& rNextPosition, CString& rKey, CString& rValue) const;

    UINT GetHashTableSize() const { return m_nHashTableSize; }
    void InitHashTable(UINT hashSize, BOOL bAllocNow = TRUE);

private:
    typedef std::map<std::string, CString> Map;
    static POSITION PositionOf(const Map::value_type& entry);

    Map m_map;
    UINT m_nHashTableSize = 17;
};
