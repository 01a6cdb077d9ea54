// Texts and byte sets as the program handles them.
//
// A text is a sequence of GBK (code page 936) bytes; the empty text and "no text" are the same
// value. Narrow string literals are compiled to GBK, so "列兵1" in a source file is the GBK text.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace rt {

using Text = std::string;
using TextView = std::string_view;

// An encoded file (a picture, a program) held in memory: owned, or borrowed from a resource.
using ByteSet = std::vector<std::uint8_t>;
using ByteView = std::span<const std::uint8_t>;

// The build compiles narrow literals to GBK; a build without that setting fails here rather than
// showing mojibake at run time.
static_assert(sizeof("列") == 3 && static_cast<unsigned char>("列"[0]) == 0xC1 &&
                  static_cast<unsigned char>("列"[1]) == 0xD0,
              "narrow string literals must be compiled as GBK (-fexec-charset=GB18030)");

// A new text made of the parts in order; the parts are left unchanged.
Text ConcatText(std::initializer_list<TextView> parts);

// A new byte set made of the parts in order; empty parts add nothing.
ByteSet ConcatBytes(std::initializer_list<ByteView> parts);

}  // namespace rt
