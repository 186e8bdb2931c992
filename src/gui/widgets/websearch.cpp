#include "gui/widgets/websearch.h"

#include "core/appinfo/buildinfo.h"
#include "core/platform/weblinks.h"
#include "core/session/convertersession.h"
#include "gui/about/desktoplinkopener.h"

namespace tarnel {

void searchWebFor(ConverterSession& session, const std::string& category, const std::string& unit,
                  ILinkOpener* opener) {
    DesktopLinkOpener desktop;
    const TUOpts o = session.options().Opts();
    SearchWeb(opener ? *opener : desktop, session.messages(), category, unit, o.SearchEngine,
              o.CustomSearchEngine, kWebSite);
}

} // namespace tarnel
