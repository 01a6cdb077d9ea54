// Concatenation of texts and byte sets.
#include "runtime/text.h"

namespace rt {

Text ConcatText(std::initializer_list<TextView> parts) {
  std::size_t size = 0;
  for (TextView part : parts) size += part.size();
  Text result;
  result.reserve(size);
  for (TextView part : parts) result.append(part);
  return result;
}

ByteSet ConcatBytes(std::initializer_list<ByteView> parts) {
  std::size_t size = 0;
  for (ByteView part : parts) size += part.size();
  ByteSet result;
  result.reserve(size);
  for (ByteView part : parts) result.insert(result.end(), part.begin(), part.end());
  return result;
}

}  // namespace rt
