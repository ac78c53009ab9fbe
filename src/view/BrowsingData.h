#pragma once

// Deleting what the engine keeps of the user's browsing. Each call returns
// once the engine has really done it, false when that did not happen in a
// reasonable time; the event loop runs meanwhile.
namespace BrowsingData {

// The addresses the engine shows as visited.
void ClearVisitedLinks();
// Every entry of the engine's disk cache.
bool ClearHttpCache();
// Every cookie, also those kept on disk for the next start.
bool DeleteAllCookies();

} // namespace BrowsingData
