#include "skin/core/bound_entry.h"

#include <array>
#include <type_traits>
#include <utility>

#include "skin/core/property_keys.h"
#include "skin/core/skin_engine.h"
#include "skin/core/window_props.h"

namespace skin {

namespace {

template <typename Proc>
std::array<SkinEngine*, kBoundEntrySlots>& Targets() {
  static std::array<SkinEngine*, kBoundEntrySlots> targets{};
  return targets;
}

// A window whose engine is gone still reaches the procedure it had before the skin, and its record
// still goes with it.
LRESULT ForwardUnbound(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCDESTROY) TearDownWindow(window);
  auto previous = ReadPropHandle<WNDPROC>(window, prop::Hw_hProc);
  if (previous) return ::CallWindowProcW(previous, window, message, wParam, lParam);
  return ::DefWindowProcW(window, message, wParam, lParam);
}

template <std::size_t Slot>
LRESULT CALLBACK WindowProcSlot(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  SkinEngine* engine = Targets<WNDPROC>()[Slot];
  if (engine == nullptr) return ForwardUnbound(window, message, wParam, lParam);
  return engine->HandleWindowMessage(window, message, wParam, lParam);
}

template <std::size_t Slot>
void CaptionActionSlot(int windowNumber, int buttonNumber) {
  SkinEngine* engine = Targets<CaptionActionProc>()[Slot];
  if (engine) engine->RunCaptionButtonAction(windowNumber, buttonNumber);
}

template <typename Proc, std::size_t... Slots>
constexpr std::array<Proc, kBoundEntrySlots> MakeSlotProcs(std::index_sequence<Slots...>) {
  if constexpr (std::is_same_v<Proc, WNDPROC>) {
    return {&WindowProcSlot<Slots>...};
  } else {
    return {&CaptionActionSlot<Slots>...};
  }
}

template <typename Proc>
constexpr std::array<Proc, kBoundEntrySlots> kSlotProcs =
    MakeSlotProcs<Proc>(std::make_index_sequence<kBoundEntrySlots>{});

}  // namespace

template <typename Proc>
BoundEntry<Proc>::BoundEntry(BoundEntry&& other) noexcept
    : slot_(std::exchange(other.slot_, kNoSlot)), proc_(std::exchange(other.proc_, nullptr)) {}

template <typename Proc>
BoundEntry<Proc>& BoundEntry<Proc>::operator=(BoundEntry&& other) noexcept {
  if (this != &other) {
    Release();
    slot_ = std::exchange(other.slot_, kNoSlot);
    proc_ = std::exchange(other.proc_, nullptr);
  }
  return *this;
}

template <typename Proc>
BoundEntry<Proc> BoundEntry<Proc>::Bind(SkinEngine* engine) {
  BoundEntry entry;
  if (engine == nullptr) return entry;
  auto& targets = Targets<Proc>();
  for (std::size_t slot = 0; slot < kBoundEntrySlots; ++slot) {
    if (targets[slot] != nullptr) continue;
    targets[slot] = engine;
    entry.slot_ = slot;
    entry.proc_ = kSlotProcs<Proc>[slot];
    break;
  }
  return entry;
}

template <typename Proc>
void BoundEntry<Proc>::Release() noexcept {
  if (slot_ != kNoSlot) Targets<Proc>()[slot_] = nullptr;
  slot_ = kNoSlot;
  proc_ = nullptr;
}

template class BoundEntry<WNDPROC>;
template class BoundEntry<CaptionActionProc>;

}  // namespace skin
