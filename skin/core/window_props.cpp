#include "skin/core/window_props.h"

namespace skin {

std::intptr_t ReadProp(HWND window, const wchar_t* key) {
  return reinterpret_cast<std::intptr_t>(::GetPropW(window, key));
}

void WriteProp(HWND window, const wchar_t* key, std::intptr_t value) {
  ::SetPropW(window, key, reinterpret_cast<HANDLE>(value));
}

void ErasePropW(HWND window, const wchar_t* key) { ::RemovePropW(window, key); }

}  // namespace skin
