#pragma once
// Opening web addresses with the desktop's handler, and the web search for a unit or a
// category. Only http, https and mailto addresses are opened: a downloaded document or
// a settings file must never make the program open local files or run programs.

#include "core/text/messages.h"

#include <string>

namespace tarnel {

/// Hands an address to the desktop (the GUI's implementation); no result is checked.
class ILinkOpener {
  public:
    virtual ~ILinkOpener() = default;
    virtual void openUrl(const std::string& url) = 0;
};

/// True for an http or https address with a host, or a mailto address with a recipient.
bool isOpenableLink(const std::string& url);

/// Opens the trimmed address, or refuses it with a message.
void OpenLink(ILinkOpener& opener, IMessages& messages, const std::string& url);

/// The address a web search opens; "" when both texts are blank. `searchEngine` is the
/// option's index (0: the custom address, which gets "http://" when it has no scheme).
std::string searchWebUrl(const std::string& category, const std::string& unit, int searchEngine,
                         const std::string& customSearchEngine, const std::string& webSite);

/// Opens the web search for a unit (or, without one, a category).
void SearchWeb(ILinkOpener& opener, IMessages& messages, const std::string& category,
               const std::string& unit, int searchEngine, const std::string& customSearchEngine,
               const std::string& webSite);

} // namespace tarnel
