#pragma once
// What the about box knows besides its pictures: the program-information record (built-in
// defaults overlaid by the local copy of the program-information document), the update
// check that fetches that document from the update server at most once in 15 days, and
// the connection probe. The fetch itself is asynchronous so the window never waits.

#include "core/appinfo/documentfetcher.h"
#include "core/appinfo/tceversioninfo.h"
#include "core/platform/filedate.h"
#include "core/platform/twebconnect.h"
#include "core/text/messages.h"

#include <pugixml.hpp>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tarnel {

struct AboutConfig {
    /// The maker's web site and the update server, without a trailing "/".
    std::string webSite;
    std::string updateServer;
    /// Today's local date; the clock of the 15-day rule.
    std::function<CivilDate()> today = localToday;
    /// The connection probe's state; the system's routing table unless replaced.
    std::function<bool()> connected;
    /// Limits of the fetch: the time it may take and the largest document taken.
    int timeoutMs = 10000;
    long maxBytes = 1L << 20;
    /// Called with true while an online check runs and false after (the busy cursor).
    std::function<void(bool)> busy;
    /// Defaults: the build's web site for both addresses.
    static AboutConfig fromBuild();
};

struct UpdateOutcome {
    bool newer = false;
    /// The reason an online check failed (nothing written, the file's date kept).
    std::string error;
};

class AboutInfo {
  public:
    AboutInfo(AboutConfig config, IDocumentFetcher& fetcher, IMessages& messages);
    ~AboutInfo();

    /// Built-in defaults of the info items, as "key=value".
    std::vector<std::string> DftInfo;
    int InternalVersion = 360;
    std::string Warning;
    std::string ChangeURL;

    /// Reads the local document. A damaged file (not well-formed, or a version that is no
    /// integer) is reported and treated as absent.
    void LoadLocalInfo(const std::string& fn);
    /// The item's text from the local document, else its default.
    std::string GetInfoItems(const std::string& SIdx) const;
    /// True when a local document was taken (its text holds the root start tag).
    bool hasLocalInfo() const { return fDIZinfo; }

    /// The update check; `done` runs with the outcome, at once when no fetch is needed
    /// (also for every check that finds a fetch of another check running: it shares it).
    void Checking4Updates(bool Force, std::function<void(const UpdateOutcome&)> done);
    bool checking() const { return !fWaiting.empty(); }

    bool InternetConnection();
    TWebConnect WebConnect1;

  private:
    void fillDefaults();
    /// The local file exists and was not found damaged.
    bool localFileUsable() const;
    /// Steps after the fetch; throws EM on a parse or conversion error.
    bool applyFetched(const std::string& body);
    void finish(const UpdateOutcome& outcome);

    AboutConfig fConfig;
    IDocumentFetcher& fFetcher;
    IMessages& fMessages;
    std::string fLocalFile;
    bool fLocalDamaged = false;
    pugi::xml_document XMLDocLocal;
    pugi::xml_node fDIZinfo;
    std::vector<std::function<void(const UpdateOutcome&)>> fWaiting;
    std::shared_ptr<bool> fAlive = std::make_shared<bool>(true);
};

/// "ver. " and the four numbers of the file version, as the about box shows them.
std::string versionLabel(const TCEVersionInfo& v);

/// Reads a Program_Version text: trimmed, a 32-bit integer, else EM
/// "'<text>' is not a valid integer value".
int readVersion(const std::string& text);

} // namespace tarnel
