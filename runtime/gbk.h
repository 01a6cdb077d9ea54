// Conversion between GBK texts and UTF-16 at the boundary with Windows and GDI+.
//
// Always code page 936, never the machine's ANSI or OEM code page, so that Chinese shows correctly
// on a Windows of any language.
#pragma once

#include <string>
#include <string_view>

#include "runtime/text.h"

namespace rt {

inline constexpr unsigned kGbkCodePage = 936;

std::wstring GbkToWide(TextView text);
Text WideToGbk(std::wstring_view text);

}  // namespace rt
