// Any bytes as a unit data file: read, load into the database, validate and write; what
// the writer produces must read back to the same text.
#include "core/text/codec.h"
#include "core/text/em.h"
#include "core/text/messages.h"
#include "core/unitdata/tcats.h"
#include "core/unitdata/unitsreader.h"
#include "core/unitdata/unitswriter.h"
#include "core/unitdata/validation.h"

#include <cstdint>
#include <cstdlib>
#include <string>

using namespace tarnel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static RecordingMessages quiet;
    quiet.texts.clear();
    const std::string text =
        narrowToCp1252(decodeText(std::string(reinterpret_cast<const char*>(data), size)));
    TCats db;
    try {
        db.LoadFromString(text);
    } catch (const EM&) {
        return 0;
    }
    XmlDocPtr doc = parseUnitsText(text).doc;
    if (!doc) return 0;
    IXMLUnitsDataType root = unitsDataOf(doc);
    std::vector<ValidationEntry> errors;
    ValidateUnitsData(root, errors, false);
    ValidateUnitsData(root, errors, true);
    const std::string w1 = WriteUnitsData(root, itemTreeOf(root));
    XmlDocPtr back = parseUnitsText(decodeText(encodeCp1252(w1))).doc;
    if (!back) std::abort();
    IXMLUnitsDataType r2 = unitsDataOf(back);
    if (WriteUnitsData(r2, itemTreeOf(r2)) != w1) std::abort();
    return 0;
}
