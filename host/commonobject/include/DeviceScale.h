// The host's screen scale: how much larger than at 96 dpi its screens draw.
#pragma once

#include "HostCommonObjectApi.h"

// The scale factor; exactly 1.0 means no scaling.
HOST_COMMONOBJECT_API double dbGetDeviceScale();

// A length in pixels at scale 1.0, in pixels at the current scale (rounded
// to the nearest pixel).
HOST_COMMONOBJECT_API int iCalTransDevScale(int nPixels);
