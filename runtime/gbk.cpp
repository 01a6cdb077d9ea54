// GBK <-> UTF-16 through the code-page 936 tables of Windows.
#include "runtime/gbk.h"

#include <windows.h>

#include <climits>

namespace rt {

std::wstring GbkToWide(TextView text) {
  if (text.empty() || text.size() > INT_MAX) return {};
  const int length = static_cast<int>(text.size());
  const int needed = MultiByteToWideChar(kGbkCodePage, 0, text.data(), length, nullptr, 0);
  if (needed <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(needed), L'\0');
  MultiByteToWideChar(kGbkCodePage, 0, text.data(), length, wide.data(), needed);
  return wide;
}

Text WideToGbk(std::wstring_view text) {
  if (text.empty() || text.size() > INT_MAX) return {};
  const int length = static_cast<int>(text.size());
  const int needed =
      WideCharToMultiByte(kGbkCodePage, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
  if (needed <= 0) return {};
  Text gbk(static_cast<std::size_t>(needed), '\0');
  WideCharToMultiByte(kGbkCodePage, 0, text.data(), length, gbk.data(), needed, nullptr, nullptr);
  return gbk;
}

}  // namespace rt
