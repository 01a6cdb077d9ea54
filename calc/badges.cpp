// Badges come from the embedded assets when the build has them.
#include "calc/badges.h"

#if RANK_ABACUS_HAVE_ASSETS
#include "assets/asset.h"
#endif

namespace calc {

rt::ByteView BadgeOf(int row) {
#if RANK_ABACUS_HAVE_ASSETS
  return Asset::Badge(row);
#else
  (void)row;
  return {};
#endif
}

}  // namespace calc
