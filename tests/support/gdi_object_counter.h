// Counting the process's live GDI objects, for leak checks.
//
// GetGuiResources gives the count on Windows; under Wine it always answers 0, so a check built on
// it alone could never fail. Then the count is taken by probing every handle value 0..0xFFFF with
// GetObjectType, which Wine resolves from the handle's low 16 bits.
#pragma once

#include <gtest/gtest.h>

namespace test_support {

int CountLiveGdiObjects();

// Success when `after` equals `before`; the message says by how many objects they differ.
testing::AssertionResult SameGdiObjectCount(int before, int after);

}  // namespace test_support
