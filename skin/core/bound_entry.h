// Plain callables bound to one SkinEngine: the platform calls them like any window procedure or
// callback, and each forwards to its operation with the engine in front of the arguments.
//
// A small fixed table of entry functions backs them, one slot per live binding; a binding holds its
// slot until it is released, so two engines never share an entry and an entry never outlives the
// engine it calls.
#pragma once

#include <windows.h>

#include <cstddef>

namespace skin {

class SkinEngine;

// The callable behind a caption-button click: (window number, caption-button number).
using CaptionActionProc = void (*)(int windowNumber, int buttonNumber);

// How many engines can hold bindings at the same time.
inline constexpr std::size_t kBoundEntrySlots = 16;

// One bound entry of kind `Proc`. Empty (a null callable) when every slot is taken.
template <typename Proc>
class BoundEntry {
 public:
  BoundEntry() = default;
  BoundEntry(BoundEntry&& other) noexcept;
  BoundEntry& operator=(BoundEntry&& other) noexcept;
  BoundEntry(const BoundEntry&) = delete;
  BoundEntry& operator=(const BoundEntry&) = delete;
  ~BoundEntry() { Release(); }

  // A new entry calling `engine`; empty when `engine` is null or no slot is free.
  static BoundEntry Bind(SkinEngine* engine);

  Proc Get() const { return proc_; }
  explicit operator bool() const { return proc_ != nullptr; }
  // Frees the slot; the callable then only forwards what reaches it to the previous procedure.
  void Release() noexcept;

 private:
  static constexpr std::size_t kNoSlot = static_cast<std::size_t>(-1);
  std::size_t slot_ = kNoSlot;
  Proc proc_ = nullptr;
};

using WindowProcEntry = BoundEntry<WNDPROC>;
using CaptionActionEntry = BoundEntry<CaptionActionProc>;

extern template class BoundEntry<WNDPROC>;
extern template class BoundEntry<CaptionActionProc>;

}  // namespace skin
