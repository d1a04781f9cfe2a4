// The picture of the Export Code dialog: a picture's LEDs with the scan path
// of a layout drawn over them, the order in which the LEDs fill the bytes,
// and where bits 7 and 0 of the first byte sit, so that a mirrored or
// flipped result is seen before it is flashed.
#ifndef LUMIGRID_EDITOR_SCANPATHVIEW_H
#define LUMIGRID_EDITOR_SCANPATHVIEW_H

#include <windows.h>

#include "export/LayoutPipeline.h"

// The picture, of the coder's picture size, centred in the item's box at the
// largest whole scale that fits; the background alone for an empty picture.
void DrawScanPath(const DRAWITEMSTRUCT& item, const PictureCanvas& picture, const FrameCoder& coder);

#endif
