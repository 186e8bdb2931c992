// Per-keystroke costs of the notation and the cost of loading a unit database.
#include "core/notation/notation.h"
#include "core/unitdata/tcats.h"

#include <benchmark/benchmark.h>

using namespace tarnel;

static void BM_ParseFieldAndPrint(benchmark::State& state) {
    for (auto _ : state) {
        TDimRec r = ParseField("3 [kg.m^2/s^3]");
        benchmark::DoNotOptimize(DimRecText(r, 7));
    }
}
BENCHMARK(BM_ParseFieldAndPrint);

static void BM_FormatNum(benchmark::State& state) {
    double v = 1234.56789012345;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatNum(v, 7));
        v *= 1.0000001;
    }
}
BENCHMARK(BM_FormatNum);

// A generated file of `units` units in categories of 20, half of them supplementary-free roots.
std::string generatedUnitFile(int units) {
    std::string s = "<?xml version=\"1.0\" encoding=\"windows-1252\"?>\r\n<UnitsData>\r\n"
                    "  <description keywords=\"SI\" version=\"1.00\" language=\"English\"/>\r\n"
                    "  <domain name=\"D\" enabled=\"1\" comment=\"\">\r\n";
    for (int c = 0; c * 20 < units; ++c) {
        const std::string cn = std::to_string(c);
        s += "    <category name=\"Cat" + cn + "\" type=\"root\" enabled=\"1\" comment=\"\">\r\n";
        for (int u = 0; u < 20 && c * 20 + u < units; ++u) {
            const std::string un = cn + "_" + std::to_string(u);
            s += "      <unit name=\"unit " + un + "\" type=\"" + (u ? "factor" : "si-unit") +
                 "\" enabled=\"1\" symbol=\"u" + un + "\" kw=\"SI\" factor=\"" +
                 std::to_string(u + 1) + ".5\" in_base_units=\"m\" comment=\"generated\" />\r\n";
        }
        s += "    </category>\r\n";
    }
    return s + "  </domain>\r\n</UnitsData>\r\n";
}

static void BM_LoadUnitFile2000(benchmark::State& state) {
    const std::string text = generatedUnitFile(2000);
    for (auto _ : state) {
        TCats db;
        db.LoadFromString(text);
        benchmark::DoNotOptimize(db.AllUnits.Count());
    }
}
BENCHMARK(BM_LoadUnitFile2000)->Unit(benchmark::kMillisecond);
