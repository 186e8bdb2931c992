#include "core/engine/tconvert.h"
#include "core/evaluator/tparser.h"

#include <cmath>
#include <limits>

namespace tarnel {

// The value enters the formula as the text the user would see, so a rule conversion
// carries the precision option's digits; a missing value stays missing.
double TConvert::evalRule(const std::string& formula, double v) const {
    if (!std::isfinite(v)) return std::numeric_limits<double>::quiet_NaN();
    const std::string text = FormatNum(v, fPrec);
    return fParser->evalRule(formula, ValueOfField(text), text);
}

double TConvert::toCore(const TUnit& u, double v, int degree) const {
    switch (u.Kind()) {
    case TUnitKind::ukFactor:
        return v * std::pow(u.Factor(), degree);
    case TUnitKind::ukRule:
        return evalRule(u.Rule_to(), v);
    default:
        return v;
    }
}

double TConvert::fromCore(const TUnit& u, double v, int degree) const {
    switch (u.Kind()) {
    case TUnitKind::ukFactor:
        return v * std::pow(u.Factor(), -degree);
    case TUnitKind::ukRule:
        return evalRule(u.Rule_from(), v);
    default:
        return v;
    }
}

} // namespace tarnel
