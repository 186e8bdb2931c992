#pragma once
// The operations a host program calls on an attached converter without showing it:
// converting a value between two unit expressions, and listing units. They need the
// engines, which an attached converter makes at the host's first Execute; before that
// they answer false / nothing.

#include "core/session/convertersession.h"

#include <optional>
#include <string>
#include <vector>

namespace tarnel {

class HostOperations {
  public:
    explicit HostOperations(ConverterSession& session) : fSession(session) {}

    /// The engines exist (after the first Execute attached, at start-up stand-alone).
    void setReady(bool ready) { fReady = ready; }
    bool ready() const { return fReady && fSession.loaded(); }

    /// value in sourceDim to targetDim, position by position. On success value becomes the
    /// result. With errMsg, a refusal is shown through the session's messages.
    bool ConvertDim2Dim(double& value, const std::string& sourceDim, const std::string& targetDim,
                        bool errMsg);
    /// One line per core, factor or rule unit of all categories: full name or symbol.
    std::vector<std::string> AllUnitList(bool fullText) const;
    /// The non-rule units of the category holding the unit `unitAbrv` (trimmed, exact);
    /// nothing when there is no such unit, or it is a rule unit and simpleOnly is set.
    std::optional<std::vector<std::string>> UnitList(const std::string& unitAbrv, bool simpleOnly,
                                                     bool fullName) const;

  private:
    ConverterSession& fSession;
    bool fReady = false;
};

} // namespace tarnel
