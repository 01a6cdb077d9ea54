// The badge pictures of the ranks, as the program carries them.
#pragma once

#include "runtime/text.h"

namespace calc {

// The JPEG badge of rank row `row` (1 to 100); empty when the program carries no badges.
rt::ByteView BadgeOf(int row);

}  // namespace calc
