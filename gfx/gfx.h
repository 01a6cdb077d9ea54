// The whole GDI+ object layer and the tooltip class.
#pragma once

#include "gfx/brush.h"
#include "gfx/font.h"
#include "gfx/gfx_object.h"
#include "gfx/graphics.h"
#include "gfx/image.h"
#include "gfx/path.h"
#include "gfx/pen.h"
#include "gfx/region.h"
#include "gfx/stream.h"
#include "gfx/string_format.h"
#include "gfx/tooltip.h"
