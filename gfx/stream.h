// A COM stream over movable global memory: keeps the encoded bytes of an image alive for as long as
// GDI+ reads them, and collects what GDI+ encodes into it.
//
// The streams we open free their memory block themselves when their last reference goes: GDI+ may
// keep a reference of its own (a cloned image does), and freeing the block under it would leave
// it reading freed memory.
#pragma once

#include <cstddef>
#include <optional>

#include "gfx/gfx_object.h"
#include "runtime/text.h"

namespace gfx {

class GfxStream {
 public:
  GfxStream() = default;
  GfxStream(GfxStream&& other) noexcept;
  GfxStream& operator=(GfxStream&& other) noexcept;
  GfxStream(const GfxStream&) = delete;
  GfxStream& operator=(const GfxStream&) = delete;
  ~GfxStream() { Close(); }

  // Closes what was open, then opens a stream over a copy of `bytes`. `size` (default: the bytes'
  // length) is the size of the memory block; bytes beyond it are not copied, the rest of a larger
  // block is zero. Gives the stream (still owned here), or null when memory ran out.
  IStream* OpenFromBytes(rt::ByteView bytes, std::optional<std::size_t> size = std::nullopt);
  // Gives up this object's reference to the stream.
  void Close();

  // GlobalSize of the memory block (0 when nothing is open).
  std::size_t Size() const;
  IStream* GetStream() const { return stream_; }
  // The stream's memory block (null when nothing is open); it belongs to the stream.
  HGLOBAL GetHGlobal() const;

  // Closes what was open and shares `stream` (one more reference); the memory block stays the
  // stream's own. True when the stream is over global memory.
  bool Attach(IStream* stream);

  // A copy of the bytes written to the stream (its length, not the block's rounded-up size).
  rt::ByteSet Contents() const;

 private:
  IStream* OpenEmpty();

  IStream* stream_ = nullptr;
};

}  // namespace gfx
