#include "core/util/key_services.h"

namespace {

std::wstring TextIsItsOwnId(const wchar_t* pszTextId) { return pszTextId ? pszTextId : L""; }

void TraceToDebugger(const wchar_t* pszLine) { OutputDebugStringW(pszLine); }

KeyServices WithDefaults(KeyServices services) {
    const KeyServices defaults = DefaultKeyServices();
    if (!services.pfnMapVirtualKey) services.pfnMapVirtualKey = defaults.pfnMapVirtualKey;
    if (!services.pfnToUnicode) services.pfnToUnicode = defaults.pfnToUnicode;
    if (!services.pfnGetText) services.pfnGetText = defaults.pfnGetText;
    if (!services.pfnTrace) services.pfnTrace = defaults.pfnTrace;
    return services;
}

// Set once at start-up (and by tests); read on the UI thread.
KeyServices g_services = DefaultKeyServices();

}  // namespace

KeyServices DefaultKeyServices() { return {&::MapVirtualKeyW, &::ToUnicode, &TextIsItsOwnId, &TraceToDebugger}; }

const KeyServices& CurrentKeyServices() { return g_services; }

KeyServices SetKeyServices(const KeyServices& services) {
    const KeyServices previous = g_services;
    g_services = WithDefaults(services);
    return previous;
}

void SetLanguageTextSource(LanguageTextFn pfnGetText) {
    g_services.pfnGetText = pfnGetText ? pfnGetText : DefaultKeyServices().pfnGetText;
}
