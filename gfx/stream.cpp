// A COM stream over movable global memory.
#include "gfx/stream.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace gfx {

GfxStream::GfxStream(GfxStream&& other) noexcept
    : stream_(std::exchange(other.stream_, nullptr)),
      global_(std::exchange(other.global_, nullptr)),
      ownsGlobal_(std::exchange(other.ownsGlobal_, false)) {}

GfxStream& GfxStream::operator=(GfxStream&& other) noexcept {
  if (this != &other) {
    Close();
    stream_ = std::exchange(other.stream_, nullptr);
    global_ = std::exchange(other.global_, nullptr);
    ownsGlobal_ = std::exchange(other.ownsGlobal_, false);
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
  if (FAILED(CreateStreamOnHGlobal(global, FALSE, &stream))) {
    GlobalFree(global);
    return nullptr;
  }
  stream_ = stream;
  global_ = global;
  ownsGlobal_ = true;
  return stream_;
}

IStream* GfxStream::OpenEmpty() {
  // The stream allocates its own block; it stays ours to free (no delete on release).
  IStream* stream = nullptr;
  if (FAILED(CreateStreamOnHGlobal(nullptr, FALSE, &stream))) return nullptr;
  HGLOBAL global = nullptr;
  if (FAILED(GetHGlobalFromStream(stream, &global))) {
    stream->Release();
    return nullptr;
  }
  stream_ = stream;
  global_ = global;
  ownsGlobal_ = true;
  return stream_;
}

void GfxStream::Close() {
  if (stream_ != nullptr) stream_->Release();
  if (global_ != nullptr && ownsGlobal_) GlobalFree(global_);
  stream_ = nullptr;
  global_ = nullptr;
  ownsGlobal_ = false;
}

std::size_t GfxStream::Size() const { return global_ != nullptr ? GlobalSize(global_) : 0; }

bool GfxStream::Attach(IStream* stream) {
  Close();
  if (stream == nullptr) return false;
  HGLOBAL global = nullptr;
  if (FAILED(GetHGlobalFromStream(stream, &global)) || global == nullptr) return false;
  stream->AddRef();
  stream_ = stream;
  global_ = global;
  ownsGlobal_ = false;
  return true;
}

rt::ByteSet GfxStream::Contents() const {
  if (stream_ == nullptr || global_ == nullptr) return {};
  // The block may be larger than what was written: the stream's own size says how much is data.
  STATSTG stat{};
  std::size_t length = GlobalSize(global_);
  if (SUCCEEDED(stream_->Stat(&stat, STATFLAG_NONAME))) {
    length = std::min<std::size_t>(length, stat.cbSize.QuadPart);
  }
  if (length == 0) return {};
  const void* memory = GlobalLock(global_);
  if (memory == nullptr) return {};
  const auto* first = static_cast<const std::uint8_t*>(memory);
  rt::ByteSet contents(first, first + length);
  GlobalUnlock(global_);
  return contents;
}

}  // namespace gfx
