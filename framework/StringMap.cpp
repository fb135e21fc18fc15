#include "framework/StringMap.h"

CMapStringToString::CMapStringToString(int /*nBlockSize*/) {}

POSITION CMapStringToString::PositionOf(const Map::value_type& entry)
{
    return reinterpret_cast<POSITION>(const_cast<Map::value_type*>(&entry));
}

BOOL CMapStringToString::Lookup(LPCSTR key, CString& rValue) const
{
    Map::const_iterator it = m_map.find(key ? key : "");
    if (it == m_map.end())
        return FALSE;
    rValue = it->second;
    return TRUE;
}

BOOL CMapStringToString::LookupKey(LPCSTR key, LPCSTR& rKey) const
{
    Map::const_iterator it = m_map.find(key ? key : "");
    if (it == m_map.end())
        return FALSE;
    rKey = it->first.c_str();
    return TRUE;
}

CString& CMapStringToString::operator[](LPCSTR key) { return m_map[key ? key : ""]; }

void CMapStringToString::SetAt(LPCSTR key, LPCSTR newValue) { (*this)[key] = newValue; }

BOOL CMapStringToString::RemoveKey(LPCSTR key) { return m_map.erase(key ? key : "") != 0; }

void CMapStringToString::RemoveAll() { m_map.clear(); }

POSITION CMapStringToString::GetStartPosition() const
{
    return m_map.empty() ? nullptr : PositionOf(*m_map.begin());
}

void CMapStringToString::GetNextAssoc(POSITION& rNextPosition, CString& rKey,
                                      CString& rValue) const
{
    if (rNextPosition == BEFORE_START_POSITION)
        rNextPosition = GetStartPosition();
    if (rNextPosition == nullptr)
        return;
    const Map::value_type* entry = reinterpret_cast<const Map::value_type*>(rNextPosition);
    // A node does not give its iterator back; its key does.
    Map::const_iterator it = m_map.find(entry->first);
    rKey = it->first.c_str();
    rValue = it->second;
    ++it;
    rNextPosition = (it == m_map.end()) ? nullptr : PositionOf(*it);
}

void CMapStringToString::InitHashTable(UINT hashSize, BOOL /*bAllocNow*/)
{
    m_nHashTableSize = hashSize;
}
