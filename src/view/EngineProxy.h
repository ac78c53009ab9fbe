#pragma once

#include "security/ProxySettings.h"

// The proxy every page of the program goes through.
namespace EngineProxy {

// Puts the record in force for the whole process; false when the network
// layer cannot take it (no usable host and port), which leaves the proxy as
// it was. The engine learns of a change only at the request after the one
// that brings it, so a throwaway request is sent before this returns: the
// next navigation already goes the new way.
bool Apply(const ProxyRecord& record);

// The desktop's proxy for web pages (environment and desktop settings);
// a direct connection when it names none.
ProxyRecord SystemRecord();

// Drops the throwaway page; runs before the engine profile goes.
void Release();

} // namespace EngineProxy
