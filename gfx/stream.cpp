// A COM stream over movable global memory.
#include "gfx/stream.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace gfx {

GfxStream::GfxStream(GfxStream&& other) noexcept : stream_(std::exchange(other.stream_, nullptr)) {}

GfxStream& GfxStream::operator=(GfxStream&& other) noexcept {
  if (this != &other) {
    Close();
    stream_ = std::exchange(other.stream_, nullptr);
  }
  return *this;
}

IStream* GfxStream::OpenFromBytes(rt::ByteView bytes, std::optional<std::size_t> size) {
  Close();
  const std::size_t blockSize = size.value_or(bytes.size());
  if (blockSize == 0) return OpenEmpty();
  // GMEM_MOVEABLE: the stream may grow the block when something is written to it.
  HGLOBAL global = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, blockSize);
  if (global == nullptr) return nullptr;
  const std::size_t copied = std::min(blockSize, bytes.size());
  if (copied > 0) {
    void* memory = GlobalLock(global);
    if (memory == nullptr) {
      GlobalFree(global);
      return nullptr;
    }
    std::memcpy(memory, bytes.data(), copied);
    GlobalUnlock(global);
  }
  IStream* stream = nullptr;
  if (FAILED(CreateStreamOnHGlobal(global, TRUE, &stream))) {
    GlobalFree(global);
    return nullptr;
  }
  stream_ = stream;
  return stream_;
}

IStream* GfxStream::OpenEmpty() {
  // The stream allocates its own block and frees it with its last reference.
  IStream* stream = nullptr;
  if (FAILED(CreateStreamOnHGlobal(nullptr, TRUE, &stream))) return nullptr;
  stream_ = stream;
  return stream_;
}

void GfxStream::Close() {
  if (stream_ != nullptr) stream_->Release();
  stream_ = nullptr;
}

HGLOBAL GfxStream::GetHGlobal() const {
  // Asked afresh each time: growing the stream may move the block to a new handle.
  HGLOBAL global = nullptr;
  if (stream_ == nullptr || FAILED(GetHGlobalFromStream(stream_, &global))) return nullptr;
  return global;
}

std::size_t GfxStream::Size() const {
  HGLOBAL global = GetHGlobal();
  return global != nullptr ? GlobalSize(global) : 0;
}

bool GfxStream::Attach(IStream* stream) {
  Close();
  if (stream == nullptr) return false;
  HGLOBAL global = nullptr;
  if (FAILED(GetHGlobalFromStream(stream, &global)) || global == nullptr) return false;
  stream->AddRef();
  stream_ = stream;
  return true;
}

rt::ByteSet GfxStream::Contents() const {
  HGLOBAL global = GetHGlobal();
  if (global == nullptr) return {};
  // The block may be larger than what was written: the stream's own size says how much is data.
  STATSTG stat{};
  std::size_t length = GlobalSize(global);
  if (SUCCEEDED(stream_->Stat(&stat, STATFLAG_NONAME))) {
    length = std::min<std::size_t>(length, stat.cbSize.QuadPart);
  }
  if (length == 0) return {};
  const void* memory = GlobalLock(global);
  if (memory == nullptr) return {};
  const auto* first = static_cast<const std::uint8_t*>(memory);
  rt::ByteSet contents(first, first + length);
  GlobalUnlock(global);
  return contents;
}

}  // namespace gfx
