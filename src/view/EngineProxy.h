#pragma once

#include "security/ProxySettings.h"

// The proxy every page of the program goes through.
namespace EngineProxy {

// Puts the record in force for the whole process; false when the network
// layer cannot take it (no usable host and port), which leaves the proxy as
// it was. A named proxy and the desktop's settings send the engine to the
// routing proxy. The engine learns of a change of its own proxy only at the
// request after the one that brings it, so a throwaway request is sent
// before this returns: the next navigation already goes the new way.
bool Apply(const ProxyRecord& record);

// Stops the routing proxy and drops the throwaway page; runs before the
// engine profile goes.
void Release();

} // namespace EngineProxy
