// Helpers shared by the wrapper sources (not part of the layer's interface).
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "gfx/gfx_object.h"
#include "runtime/gbk.h"

namespace gfx::internal {

namespace flat = Gdiplus::DllExports;

// Calls a GDI+ getter that writes into an out argument; keeps the status and gives the value, or a
// zero value when the call fails.
template <typename T, typename Call>
T GetValue(Call call) {
  T value{};
  if (!KeepStatus(call(&value))) return T{};
  return value;
}

// A temporary GDI+ matrix, deleted on scope exit.
struct MatrixDeleter {
  void operator()(Gdiplus::GpMatrix* matrix) const { flat::GdipDeleteMatrix(matrix); }
};
using MatrixOwner = std::unique_ptr<Gdiplus::GpMatrix, MatrixDeleter>;

MatrixOwner NewIdentityMatrix();
MatrixElements ElementsOf(const Gdiplus::GpMatrix* matrix);

// Reads a transform through `get` (which fills a matrix) into its six elements; zero elements when
// any step fails, with the status kept.
template <typename Get>
MatrixElements GetTransform(Get get) {
  MatrixOwner matrix = NewIdentityMatrix();
  if (matrix == nullptr) return {};
  if (!KeepStatus(get(matrix.get()))) return {};
  return ElementsOf(matrix.get());
}

// Scaling or rotating about a point as translate, transform, translate back, in the given order.
// Stops at the first failing step, whose status stays in lastGdiStatus.
template <typename Translate, typename Middle>
bool AboutPoint(Translate translate, Middle middle, Gdiplus::PointF centre,
                Gdiplus::MatrixOrder order) {
  const bool append = order == Gdiplus::MatrixOrderAppend;
  const REAL first = append ? -1.0f : 1.0f;
  return translate(first * centre.X, first * centre.Y, order) && middle(order) &&
         translate(-first * centre.X, -first * centre.Y, order);
}

// A text converted for GDI+: UTF-16 from GBK, with its terminator.
inline std::wstring Wide(rt::TextView text) { return rt::GbkToWide(text); }

}  // namespace gfx::internal
