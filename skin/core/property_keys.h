// The window properties in which the skin keeps its bookkeeping on the windows themselves.
//
// The keys are fixed short strings; they are set and read with SetPropW/GetPropW, so each is kept
// here in its wide form.
#pragma once

namespace skin::prop {

// On a skinned top-level window: its window number. On a skinned control: its 1-based number in
// its per-kind list.
inline constexpr wchar_t Hw_lbID[] = L"Hw_lbID";
// On a skinned control: the window number of its top-level window.
inline constexpr wchar_t Hw_FuID[] = L"Hw_FuID";
// On any skinned window or control: the window procedure that the skin replaced.
inline constexpr wchar_t Hw_hProc[] = L"Hw_hProc";

// The same three roles for container controls (tabs, toolbars, status bars...).
inline constexpr wchar_t Kj_lbID[] = L"Kj_lbID";
inline constexpr wchar_t Kj_FuID[] = L"Kj_FuID";
inline constexpr wchar_t Kj_hProc[] = L"Kj_hProc";

// A control's text colour, used when it asks for its colours.
inline constexpr wchar_t Kj_Ztys[] = L"Kj_Ztys";
// The brush last handed to a control for its colours, and the bitmap under that brush.
inline constexpr wchar_t Kj_dxjb[] = L"Kj_dxjb";
inline constexpr wchar_t Kj_wtjb[] = L"Kj_wtjb";

// On a top-level window: the bitmap the back-buffer DC held when it was made, and the back-buffer
// bitmap selected into it now.
inline constexpr wchar_t Ck_Ycjdx[] = L"Ck_Ycjdx";
inline constexpr wchar_t Ck_wtjbdx[] = L"Ck_wtjbdx";

// On a group box: its nearest ancestor that offers its background, 0 for none.
inline constexpr wchar_t Mb_zpf[] = L"Mb_zpf";
// Set by a host window, never by the skin: 1 marks a background provider, and the memory DC that
// holds the provider's painted background.
inline constexpr wchar_t Wxk_Zpf[] = L"Wxk_Zpf";
inline constexpr wchar_t Wxk_Cj[] = L"Wxk_Cj";

}  // namespace skin::prop
