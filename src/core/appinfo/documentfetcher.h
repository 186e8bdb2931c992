#pragma once
// How the core asks for a document from the web without knowing the network library:
// the GUI fetches it asynchronously and calls back on its own thread.

#include <functional>
#include <string>

namespace tarnel {

struct FetchResult {
    std::string body;
    /// Empty on success; otherwise a readable reason (no body is used then).
    std::string error;
};

class IDocumentFetcher {
  public:
    virtual ~IDocumentFetcher() = default;
    /// Starts an HTTP GET of `url`; `done` runs exactly once, later or at once.
    virtual void fetch(const std::string& url, std::function<void(const FetchResult&)> done) = 0;
};

} // namespace tarnel
