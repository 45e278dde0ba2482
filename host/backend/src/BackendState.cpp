#include "BackendState.h"

BackendAnswer BackendState::Take(BackendCall call)
{
    BackendAnswer answer = answers[static_cast<size_t>(call.kind)];
    if (bRecording)
        calls.push_back(std::move(call));
    return answer;
}

BackendState& BackendState::Instance()
{
    static BackendState state;
    return state;
}
