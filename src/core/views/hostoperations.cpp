#include "core/views/hostoperations.h"

#include "core/text/em.h"
#include "core/text/strutil.h"

namespace tarnel {

bool HostOperations::ConvertDim2Dim(double& value, const std::string& sourceDim,
                                    const std::string& targetDim, bool errMsg) {
    if (!ready()) return false;
    TConvert& o = fSession.oConvert();
    // Without errMsg nothing may reach the user, not even the notation's messages.
    RecordingMessages quiet;
    IMessages& shown = o.redirectMessages(errMsg ? fSession.messages() : quiet);
    struct Restore {
        TConvert& e;
        IMessages& m;
        ~Restore() { e.redirectMessages(m); }
    } restore{o, shown};
    o.setField(FormatNum(value, 15) + " [" + sourceDim + "]");
    try {
        if (!o.Convert2Dim(targetDim, errMsg)) return false;
    } catch (const EM& e) {
        fSession.messages().info(e.what());
        return false;
    }
    value = o.Value();
    return true;
}

std::vector<std::string> HostOperations::AllUnitList(bool fullText) const {
    std::vector<std::string> out;
    if (!ready()) return out;
    const TUnitList& all = fSession.iConvert().AllUnits;
    for (int i = 0; i < all.Count(); ++i) {
        const TUnit* u = all.Items(i);
        if (u->Kind() == TUnitKind::ukUnknown) continue;
        out.push_back(fullText ? u->FullName() : u->Symbol());
    }
    return out;
}

std::optional<std::vector<std::string>>
HostOperations::UnitList(const std::string& unitAbrv, bool simpleOnly, bool fullName) const {
    if (!ready()) return std::nullopt;
    const TConvert& i = fSession.iConvert();
    int ci, ui;
    if (!i.WhereIsUnit(trim(unitAbrv), ci, ui)) return std::nullopt;
    const TCat* cat = i.Items(ci);
    if (simpleOnly && cat->Units.Items(ui)->Kind() == TUnitKind::ukRule) return std::nullopt;
    std::vector<std::string> out;
    for (int k = 0; k < cat->Units.Count(); ++k) {
        const TUnit* u = cat->Units.Items(k);
        if (u->Kind() == TUnitKind::ukRule) continue;
        out.push_back(fullName ? u->FullName() : u->Symbol());
    }
    return out;
}

} // namespace tarnel
