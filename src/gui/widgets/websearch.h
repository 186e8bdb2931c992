#pragma once
// The web search buttons of the views: a category or unit looked up with the search
// engine of the options, through the checked link opener.

#include <string>

namespace tarnel {

class ConverterSession;
class ILinkOpener;

/// Opens the search for `unit` (or, when empty, `category`); `opener` null: the desktop's.
void searchWebFor(ConverterSession& session, const std::string& category, const std::string& unit,
                  ILinkOpener* opener = nullptr);

} // namespace tarnel
