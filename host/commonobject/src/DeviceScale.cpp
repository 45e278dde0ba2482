#include "DeviceScale.h"

#include <math.h>

#include "CommonObjectState.h"

double dbGetDeviceScale()
{
    CommonObjectState& state = CommonObjectState::Instance();
    ++state.nDeviceScale;
    return state.dbScale;
}

int iCalTransDevScale(int nPixels)
{
    CommonObjectState& state = CommonObjectState::Instance();
    state.transArgs.push_back(nPixels);
    return static_cast<int>(lround(nPixels * state.dbScale));
}
