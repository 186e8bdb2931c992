#pragma once
// Large generated unit data documents for the benchmarks.
#include "core/appinfo/buildinfo.h"

#include <string>

namespace tarnel::bench {

// Symbols must read as single names in unit notation, so numbers are spelt in letters.
inline std::string letters(int n) {
    std::string s;
    do {
        s.insert(s.begin(), static_cast<char>('a' + n % 26));
        n /= 26;
    } while (n > 0);
    return s;
}

inline std::string symbolOf(int cat, int unit) {
    return "u" + letters(cat) + "x" + letters(unit);
}

// Categories of 20 units in domains of 100 categories; every fifth category compound
// (over the two roots before it) and every fifth supplementary. Ten groups of units share
// a name in varying case and five groups share a symbol.
inline std::string generatedDocument(int units) {
    std::string s = std::string("<UnitsData><description keywords=\"SI,metric,US\" "
                                "version=\"1.00\" copyright=\"") +
                    kCopyrightNotice + "\"/>\n";
    const int cats = (units + 19) / 20;
    int n = 0;
    for (int c = 0; c < cats; ++c) {
        if (c % 100 == 0) {
            if (c) s += "</domain>\n";
            s += "<domain name=\"D" + std::to_string(c / 100) + "\" enabled=\"1\">\n";
        }
        const char* type = c % 5 == 2 ? "comp" : c % 5 == 3 ? "sup" : "root";
        s += "<category name=\"Cat " + std::to_string(c) + "\" type=\"" + type +
             "\" enabled=\"1\">\n";
        for (int u = 0; u < 20 && n < units; ++u, ++n) {
            std::string name = "unit " + std::to_string(n);
            if (n % 97 == 0) name = (n % 2 ? "DUP " : "dup ") + std::to_string(n % 10);
            std::string symbol = symbolOf(c, u);
            if (u == 0 && c % 5 == 2) symbol = symbolOf(c - 2, 0) + "/" + symbolOf(c - 1, 0);
            if (u == 0 && c % 5 == 3) symbol = symbolOf(c - 3, 0) + "^2";
            if (u > 0 && c % 5 == 2) symbol = symbolOf(c - 2, u) + "/" + symbolOf(c - 1, u);
            if (n % 211 == 5) symbol = "dupsym" + letters(n % 5);
            s += "<unit name=\"" + name + "\" type=\"" + (u ? "factor" : "si-unit") +
                 "\" enabled=\"1\" symbol=\"" + symbol +
                 "\" kw=\"SI,metric\" factor=\"1000\" in_base_units=\"kg.m/s^2\"/>\n";
        }
        s += "</category>\n";
    }
    return s + "</domain>\n</UnitsData>\n";
}

} // namespace tarnel::bench
