// How long the once-a-second work of a rank timer takes: decoding a 50 x 50 JPEG badge into a
// picture box, and painting it stretched to 40 x 35. Prints the mean over many rounds.
#include <windows.h>

#include <cstdio>

#include "runtime/toolkit.h"
#include "test_pictures.h"

namespace {

constexpr int kRounds = 2000;

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  ::QueryPerformanceFrequency(&frequency);
  return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

template <typename Work>
double MicrosecondsPerRound(Work work) {
  LARGE_INTEGER start, end;
  ::QueryPerformanceCounter(&start);
  for (int i = 0; i < kRounds; ++i) work(i);
  ::QueryPerformanceCounter(&end);
  return Seconds(start, end) * 1e6 / kRounds;
}

}  // namespace

int main() {
  rt::ToolkitSession toolkit;
  // A badge-like picture: shaded colours, so the JPEG is of a badge's size (a few kilobytes).
  const rt::ByteSet badge = test::EncodeImage(
      50, 50, [](int x, int y) { return RGB(x * 5, y * 5, (x * y) % 256); },
      test::ImageFormat::Jpeg);
  const rt::ByteSet otherBadge = test::EncodeImage(
      50, 50, [](int x, int y) { return RGB(y * 5, x * 5, (x + y) % 256); },
      test::ImageFormat::Jpeg);
  rt::UniqueWindow box(::CreateWindowExW(0, rt::kPictureBoxClass, L"", WS_POPUP, 0, 0, 40, 35,
                                         nullptr, nullptr, nullptr, nullptr));
  // A new rank every round: each call decodes.
  const double decode =
      MicrosecondsPerRound([&](int i) { rt::SetPicture(box.Get(), i % 2 ? badge : otherBadge); });
  // The same rank every round, as the timers mostly see it.
  const double same = MicrosecondsPerRound([&](int) { rt::SetPicture(box.Get(), badge); });
  const double paint = MicrosecondsPerRound([&](int) { test::PrintClient(box.Get()); });
  std::printf("JPEG badge of %zu bytes, %d rounds\n", badge.size(), kRounds);
  std::printf("SetPicture of a new badge (decode): %.1f us\n", decode);
  std::printf("SetPicture of the badge already shown: %.1f us\n", same);
  std::printf("paint stretched to 40 x 35 (incl. a fresh DIB per round): %.1f us\n", paint);
  return 0;
}
