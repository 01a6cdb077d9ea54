// Reading and writing integer values in window properties.
#pragma once

#include <windows.h>

#include <cstdint>

namespace skin {

// The value stored under `key`, 0 when the property is absent.
std::intptr_t ReadProp(HWND window, const wchar_t* key);
void WriteProp(HWND window, const wchar_t* key, std::intptr_t value);
void ErasePropW(HWND window, const wchar_t* key);

template <typename Handle>
Handle ReadPropHandle(HWND window, const wchar_t* key) {
  return reinterpret_cast<Handle>(ReadProp(window, key));
}

}  // namespace skin
