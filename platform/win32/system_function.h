#pragma once
#include <windows.h>

namespace vc {

// A function of a system DLL that older Windows may lack, looked up so that the clock still
// starts there: nullptr where it is missing. A DLL not loaded yet comes from the system
// folder only.
template <typename Function>
Function SystemFunction(const wchar_t* dll, const char* name) {
    HMODULE module = GetModuleHandleW(dll);
    if (module == nullptr) {
        module = LoadLibraryExW(dll, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    }
    return module == nullptr
               ? nullptr
               : reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace vc
