#include "core/settings/optionlist.h"

#include "core/text/strutil.h"

namespace tarnel {

void TfmOptGeneral::SetText(const std::string& text) {
    NameValueList given;
    given.setText(text);
    for (const std::string& line : given.lines()) {
        if (line.find('=') == std::string::npos) continue;
        const std::string name = NameValueList::nameOf(line);
        const std::string value = NameValueList::valueOf(line);
        for (std::string& entry : OptList.lines())
            if (entry.find('=') != std::string::npos &&
                sameText(NameValueList::nameOf(entry), name))
                entry = NameValueList::nameOf(entry) + "=" + value;
    }
}

} // namespace tarnel
