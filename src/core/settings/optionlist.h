#pragma once
// The state of an options frame: a name=value list, exchanged with a host as text.

#include "core/text/namevaluelist.h"

#include <string>

namespace tarnel {

class TfmOptGeneral {
  public:
    virtual ~TfmOptGeneral() = default;

    /// One name=value line per entry.
    std::string Text() const { return OptList.text(); }
    /// Replaces the values of entries that the list already holds (names without case);
    /// unknown names are ignored and nothing is added.
    void SetText(const std::string& text);

    NameValueList OptList;
};

} // namespace tarnel
