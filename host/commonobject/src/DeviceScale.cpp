#include "DeviceScale.h"

#include <math.h>

#include "CommonObjectState.h"

double dbGetDeviceScale()
{
    return CommonObjectState::Instance().dbScale;
}

int iCalTransDevScale(int nPixels)
{
    CommonObjectState& state = CommonObjectState::Instance();
    ++state.nTransDevScale;
    return static_cast<int>(lround(nPixels * state.dbScale));
}
