#include "controls/ClassesRoot.h"

#include <cstring>
#include <vector>

namespace {

class CRegKey {
public:
    CRegKey() = default;
    ~CRegKey()
    {
        if (m_hKey) ::RegCloseKey(m_hKey);
    }
    CRegKey(const CRegKey&) = delete;
    CRegKey& operator=(const CRegKey&) = delete;
    HKEY* Receive() { return &m_hKey; }
    HKEY Get() const { return m_hKey; }

private:
    HKEY m_hKey = nullptr;
};

} // namespace

bool QueryClassesRootDefault(const char* pszKey, char* pszValue, size_t cchValue)
{
    if (cchValue == 0) return false;
    pszValue[0] = '\0';
    CRegKey key;
    if (::RegOpenKeyExA(HKEY_CLASSES_ROOT, pszKey, 0, KEY_QUERY_VALUE, key.Receive()) !=
        ERROR_SUCCESS)
        return false;

    // One byte more than the caller's buffer: the stored value need not end in a terminator.
    std::vector<char> raw(kClassesRootValueChars + 1, '\0');
    DWORD dwType = 0;
    DWORD cbData = static_cast<DWORD>(kClassesRootValueChars);
    // ERROR_MORE_DATA for a value that does not fit: refused like a missing one.
    if (::RegQueryValueExA(key.Get(), nullptr, nullptr, &dwType,
                           reinterpret_cast<BYTE*>(raw.data()), &cbData) != ERROR_SUCCESS)
        return false;
    if (dwType != REG_SZ && dwType != REG_EXPAND_SZ) return false;
    raw[cbData < raw.size() ? cbData : raw.size() - 1] = '\0';

    if (dwType == REG_EXPAND_SZ) {
        std::vector<char> expanded(kClassesRootValueChars, '\0');
        const DWORD cchNeeded = ::ExpandEnvironmentStringsA(raw.data(), expanded.data(),
                                                            static_cast<DWORD>(expanded.size()));
        // The count includes the terminator; 0 is a failure.
        if (cchNeeded == 0 || cchNeeded > expanded.size()) return false;
        raw.swap(expanded);
    }
    const size_t nLength = std::strlen(raw.data());
    if (nLength >= cchValue) return false;
    std::memcpy(pszValue, raw.data(), nLength + 1);
    return true;
}
