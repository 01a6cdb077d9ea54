// The picture box control of the toolkit (class kPictureBoxClass in runtime/toolkit.h).
#pragma once

#include <windows.h>

#include "runtime/text.h"
#include "runtime/win_handles.h"

namespace rt {

// Registers the picture box class once per process; later calls do nothing.
void RegisterPictureBoxClass();

// How a picture is stretched on a display of that depth: HALFTONE averages the source pixels
// above 16 bits per pixel; on palette and 16-bit displays it would dither, so COLORONCOLOR.
int PictureStretchMode(int displayBitsPerPixel);

// Decodes an image file with GDI+ into a bitmap of its own size; null when GDI+ cannot read it.
UniqueBitmap DecodePicture(ByteView picture);

}  // namespace rt
