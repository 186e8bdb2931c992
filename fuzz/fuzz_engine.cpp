// Any "FIELD<TAB>TARGET" against the shipped unit data: write the field, convert per
// dimension and within a category, read the field back.
#include "core/engine/tconvert.h"
#include "core/evaluator/matherror.h"
#include "core/evaluator/mathparsererror.h"
#include "core/evaluator/tparser.h"
#include "core/text/em.h"
#include "core/text/messages.h"

#include <cstdint>
#include <string>

using namespace tarnel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static RecordingMessages quiet;
    static TParser parser;
    static TConvert* engine = [] {
        auto* e = new TConvert(parser, quiet, TARNEL_DATA "/default.unt");
        e->setPrec(10);
        return e;
    }();
    quiet.texts.clear();
    const std::string in(reinterpret_cast<const char*>(data), size);
    const size_t tab = in.find('\t');
    const std::string field = in.substr(0, tab);
    const std::string target = tab == std::string::npos ? std::string("m") : in.substr(tab + 1);
    for (bool fix : {false, true}) {
        engine->ValFix = fix;
        try {
            engine->setField(field);
            (void)engine->Field();
            engine->Convert2Dim(target, false);
            (void)engine->Field();
            engine->setField(field);
            engine->Convert2AnyUnit(target);
            (void)engine->Field();
            engine->Convert2SI();
            (void)engine->Field();
            engine->Convert2Dim(target, true);
        } catch (const EM&) {
        } catch (const EMathParserError&) {
        } catch (const EMathError&) {
        }
    }
    return 0;
}
