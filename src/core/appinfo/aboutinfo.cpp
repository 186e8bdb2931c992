#include "core/appinfo/aboutinfo.h"

#include "core/appinfo/buildinfo.h"
#include "core/text/codec.h"
#include "core/text/em.h"
#include "core/text/namevaluelist.h"
#include "core/text/strutil.h"
#include "core/text/textfile.h"

#include <sstream>

namespace tarnel {

namespace {
constexpr size_t kLocalFileCap = 1u << 20;
constexpr const char* kRootTag = "<XML_DIZ_INFO>";

/// Items that the local document may override, with their element path.
struct Item {
    const char* key;
    const char* group;
    const char* sub; // nullptr: directly under the group
};
constexpr Item kDocumentItems[] = {
    {"Program_Name", "Program_Info", nullptr},
    {"Program_Version", "Program_Info", nullptr},
    {"Program_Release_Date", "Program_Info", nullptr},
    {"Program_Type", "Program_Info", nullptr},
    {"Program_Release_Status", "Program_Info", nullptr},
    {"Program_Change_Info", "Program_Info", nullptr},
    {"Application_Info_URL", "Web_Info", "Application_URLs"},
    {"Application_Order_URL", "Web_Info", "Application_URLs"},
    {"Application_Screenshot_URL", "Web_Info", "Application_URLs"},
    {"Application_Change_URL", "Web_Info", "Application_URLs"},
    {"Primary_Download_URL", "Web_Info", "Download_URLs"},
};

pugi::xml_node itemNode(pugi::xml_node root, const Item& item) {
    pugi::xml_node n = root.child(item.group);
    if (item.sub) n = n.child(item.sub);
    return n.child(item.key);
}

bool validUtf8(const std::string& s) {
    for (size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        const size_t n = c < 0x80         ? 1
                         : (c >> 5) == 6  ? 2
                         : (c >> 4) == 14 ? 3
                         : (c >> 3) == 30 ? 4
                                          : 0;
        if (n == 0 || i + n > s.size()) return false;
        for (size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
        i += n;
    }
    return true;
}

/// Bytes from the web: a byte-order mark decides, else UTF-8 when it reads as such,
/// else Windows-1252 (the local copy is written that way).
std::string decodeDocument(const std::string& bytes) {
    const bool bom = bytes.rfind("\xEF\xBB\xBF", 0) == 0 || bytes.rfind("\xFF\xFE", 0) == 0 ||
                     bytes.rfind("\xFE\xFF", 0) == 0;
    if (!bom && validUtf8(bytes)) return bytes;
    return decodeText(bytes);
}

/// Parses UTF-8 text; throws EM with the parser's description, line and column.
void parseDocument(pugi::xml_document& doc, const std::string& text) {
    const pugi::xml_parse_result r =
        doc.load_buffer(text.data(), text.size(), pugi::parse_default, pugi::encoding_utf8);
    if (r) return;
    size_t line = 1, col = 1;
    for (size_t i = 0; i < static_cast<size_t>(r.offset) && i < text.size(); ++i) {
        if (text[i] == '\n') {
            ++line;
            col = 1;
        } else if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            ++col;
        }
    }
    throw EM(std::string("XML parse error: ") + r.description() +
             "\nLine: " + std::to_string(line) + ", column: " + std::to_string(col));
}
} // namespace

int readVersion(const std::string& text) {
    const auto v = parseInt(trim(text));
    if (!v) throw EM("'" + text + "' is not a valid integer value");
    return *v;
}

std::string versionLabel(const TCEVersionInfo& v) {
    return "ver. " + v.MajorVersion + "." + v.MinorVersion + "." + v.Release + "." + v.Build;
}

AboutConfig AboutConfig::fromBuild() {
    AboutConfig c;
    c.webSite = kWebSite;
    c.updateServer = kWebSite;
    return c;
}

AboutInfo::AboutInfo(AboutConfig config, IDocumentFetcher& fetcher, IMessages& messages)
    : fConfig(std::move(config)), fFetcher(fetcher), fMessages(messages) {
    if (!fConfig.today) fConfig.today = localToday;
    fillDefaults();
    WebConnect1.Active = true;
    WebConnect1.Prompt = false;
    WebConnect1.setConnect(true);
}

AboutInfo::~AboutInfo() {
    *fAlive = false;
}

void AboutInfo::fillDefaults() {
    const std::string& site = fConfig.webSite;
    DftInfo = {
        "Company_WebSite_URL=" + site + "/?pg=converter/",
        "Contact_Email=" + site + "/survey/comment.html?sj=TarnelUC",
        "Program_Name=Tarnel Unit Converter",
        "Program_Version=360",
        "Program_Release_Date=12-04-2017",
        "Program_Type=Freeware",
        "Program_Release_Status=Minor Update",
        "Program_Change_Info=integrated mode, unit data editor, log, etc.",
        "Application_Info_URL=" + site + "/?pg=converter/",
        "Application_Order_URL=",
        "Application_Screenshot_URL=" + site + "/converter/about/IntegMode.jpg",
        "Application_Change_URL=" + site + "/?pg=converter/down/",
        "Primary_Download_URL=" + site + "/?pg=converter/down/",
        "Application_XML_File_URL=" + fConfig.updateServer + kUpdatePath,
    };
}

void AboutInfo::LoadLocalInfo(const std::string& fn) {
    fDIZinfo = pugi::xml_node();
    XMLDocLocal.reset();
    Warning.clear();
    ChangeURL.clear();
    fLocalFile = fn;
    fLocalDamaged = false;
    if (!fileExists(fn)) return;
    try {
        const std::string text = decodeText(readFileBytes(fn, kLocalFileCap));
        parseDocument(XMLDocLocal, text);
        if (text.find(kRootTag) == std::string::npos) return;
        const pugi::xml_node root = XMLDocLocal.document_element();
        const pugi::xml_node version = itemNode(root, kDocumentItems[1]);
        if (version) readVersion(version.text().get());
        fDIZinfo = root;
    } catch (const std::exception& e) {
        // A damaged copy must not stop the program: the defaults apply and the next
        // check replaces it.
        XMLDocLocal.reset();
        fLocalDamaged = true;
        fMessages.info("The program information file " + fn + " is damaged and is ignored.\n" +
                       e.what());
    }
}

std::string AboutInfo::GetInfoItems(const std::string& SIdx) const {
    if (SIdx.empty()) return "";
    std::string result;
    if (fDIZinfo) {
        for (const Item& item : kDocumentItems) {
            if (SIdx != item.key) continue;
            result = itemNode(fDIZinfo, item).text().get();
            if (SIdx == "Program_Version" && !trim(result).empty())
                result = std::to_string(readVersion(result));
            break;
        }
    }
    if (trim(result).empty()) result = NameValueList(DftInfo).valueOr(SIdx);
    return result;
}

bool AboutInfo::localFileUsable() const {
    return !fLocalFile.empty() && fileExists(fLocalFile) && !fLocalDamaged;
}

bool AboutInfo::InternetConnection() {
    WebConnect1.setConnect(true);
    if (fConfig.connected) return fConfig.connected();
    return WebConnect1.Connected() && WebConnect1.Connected();
}

void AboutInfo::Checking4Updates(bool Force, std::function<void(const UpdateOutcome&)> done) {
    UpdateOutcome outcome;
    if (parseIntOr(trim(GetInfoItems("Program_Version")), 0) > InternalVersion) {
        Warning = "New application update is available.";
        ChangeURL = GetInfoItems("Application_Change_URL");
        outcome.newer = true;
        done(outcome);
        return;
    }
    if (!Force && localFileUsable()) {
        const auto date = fileDate(fLocalFile);
        if (date && !(*date < fConfig.today())) {
            done(outcome);
            return;
        }
    }
    if (!fWaiting.empty()) { // a fetch is under way: its answer serves this check too
        fWaiting.push_back(std::move(done));
        return;
    }
    const std::string url = GetInfoItems("Application_XML_File_URL");
    if (url.empty()) {
        done(outcome);
        return;
    }
    if (!InternetConnection()) {
        if (Force) fMessages.info("Cannot establish communication with Tarnel site.");
        done(outcome);
        return;
    }
    fWaiting.push_back(std::move(done));
    if (fConfig.busy) fConfig.busy(true);
    std::weak_ptr<bool> alive = fAlive;
    fFetcher.fetch(url, [this, alive](const FetchResult& r) {
        if (alive.expired()) return;
        UpdateOutcome o;
        if (!r.error.empty()) {
            o.error = r.error;
        } else {
            try {
                o.newer = applyFetched(r.body);
            } catch (const std::exception& e) {
                o.error = e.what();
            }
        }
        finish(o);
    });
}

bool AboutInfo::applyFetched(const std::string& body) {
    pugi::xml_document remote;
    parseDocument(remote, decodeDocument(body));
    const pugi::xml_node version =
        remote.child("XML_DIZ_INFO").child("Program_Info").child("Program_Version");
    const bool newer = readVersion(version.text().get()) > InternalVersion;
    if (fLocalFile.empty()) return newer;
    const bool wasDamaged = fLocalDamaged;
    if (newer || !localFileUsable()) {
        std::ostringstream out;
        remote.save(out, "\t", pugi::format_default, pugi::encoding_utf8);
        SaveTextFile(out.str(), fLocalFile);
    }
    if (newer || wasDamaged) LoadLocalInfo(fLocalFile);
    if (newer) {
        Warning = "New program update is available.";
        ChangeURL = GetInfoItems("Application_Change_URL");
    }
    setFileDate(fLocalFile, fConfig.today().plusDays(14));
    return newer;
}

void AboutInfo::finish(const UpdateOutcome& outcome) {
    if (fConfig.busy) fConfig.busy(false);
    auto waiting = std::move(fWaiting);
    fWaiting.clear();
    for (auto& done : waiting)
        done(outcome);
}

} // namespace tarnel
