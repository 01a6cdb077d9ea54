// What the list skin's procedure and painter share.
#pragma once

#include <windows.h>

namespace skin::list_detail {

inline constexpr COLORREF kMagenta = RGB(0xFF, 0x00, 0xFF);

// Copies w x h from `source` at (0, 0) to `target` at (0, 0), leaving out every pixel of colour
// `key` (msimg32's TransparentBlt, found when first needed). False when it is not available.
bool CopyWithout(COLORREF key, HDC target, HDC source, int width, int height);

inline bool CopyWithoutMagenta(HDC target, HDC source, int width, int height) {
  return CopyWithout(kMagenta, target, source, width, height);
}

}  // namespace skin::list_detail
