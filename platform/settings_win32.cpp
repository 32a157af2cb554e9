#include <windows.h>

#include "platform/settings.h"

namespace {

constexpr char kKey[] = "Software\\Ovanta";
constexpr char kLanguageValue[] = "Language";

// advapi32 is loaded on first use, as the program's other DLLs beyond the four every process
// has: its functions, or null when they cannot be had.
template <typename Function>
Function Registry(const char* name) {
    HMODULE module = LoadLibraryA("advapi32.dll");
    return module ? reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)))
                  : nullptr;
}

}  // namespace

int RememberedLanguage() {
    static auto open = Registry<decltype(&RegOpenKeyExA)>("RegOpenKeyExA");
    static auto query = Registry<decltype(&RegQueryValueExA)>("RegQueryValueExA");
    static auto close = Registry<decltype(&RegCloseKey)>("RegCloseKey");
    HKEY key;
    if (!open || !query || !close || open(HKEY_CURRENT_USER, kKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return -1;
    DWORD type = 0, value = 0, size = sizeof value;
    const LONG read = query(key, kLanguageValue, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
    close(key);
    if (read != ERROR_SUCCESS || type != REG_DWORD || size != sizeof value || value > 2) return -1;
    return static_cast<int>(value);
}

bool RememberLanguage(int language) {
    static auto create = Registry<decltype(&RegCreateKeyExA)>("RegCreateKeyExA");
    static auto set = Registry<decltype(&RegSetValueExA)>("RegSetValueExA");
    static auto close = Registry<decltype(&RegCloseKey)>("RegCloseKey");
    HKEY key;
    if (!create || !set || !close ||
        create(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    const DWORD value = static_cast<DWORD>(language);
    const LONG written = set(key, kLanguageValue, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    close(key);
    return written == ERROR_SUCCESS;
}

DisplayLanguage UserDisplayLanguage() {
    switch (PRIMARYLANGID(GetUserDefaultUILanguage())) {
        case LANG_CATALAN: return DisplayLanguage::Catalan;
        case LANG_SPANISH: return DisplayLanguage::Spanish;
        default: return DisplayLanguage::Other;
    }
}
