// Unit data files are untrusted: no DTD or external entity is loaded, and huge or deeply
// nested documents load (ignoring what is not a domain, category or unit) or are refused.
#include "core/text/messages.h"
#include "core/unitdata/itemtree.h"
#include "core/unitdata/tcats.h"
#include "core/unitdata/unitsreader.h"
#include "core/unitdata/unitswriter.h"
#include "core/unitdata/validation.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

using namespace tarnel;

TEST(HostileInput, NoExternalEntityIsEverRead) {
    tarnel::test::TempDir t;
    t.write("secret.txt", "TOPSECRET");
    const std::string doc =
        "<?xml version=\"1.0\"?>\n<!DOCTYPE UnitsData [<!ENTITY x SYSTEM \"file://" +
        t.file("secret.txt") +
        "\"> <!ENTITY y \"expanded\">]>\n<UnitsData><domain name=\"&x;&y;\" "
        "enabled=\"1\"/></UnitsData>";
    const UnitsParse p = parseUnitsText(doc);
    if (p.doc) {
        const std::string name = unitsDataOf(p.doc).domains().item(0).name();
        EXPECT_EQ(name.find("TOPSECRET"), std::string::npos);
        EXPECT_EQ(name.find("expanded"), std::string::npos);
    } else {
        EXPECT_EQ(p.error.rfind("XML parse error", 0), 0u) << p.error;
    }
}

TEST(HostileInput, AMillionNestedElementsOrAttributes) {
    std::string nested = "<UnitsData><domain name=\"d\" enabled=\"1\"><category name=\"c\" "
                         "type=\"root\" enabled=\"1\"><unit name=\"m\" type=\"si-unit\" "
                         "enabled=\"1\" symbol=\"m\" in_base_units=\"m\"/>";
    for (int i = 0; i < 1000000; ++i)
        nested += "<a>";
    for (int i = 0; i < 1000000; ++i)
        nested += "</a>";
    nested += "</category></domain></UnitsData>";

    std::string attrs =
        "<UnitsData><domain name=\"d\" enabled=\"1\"><category name=\"c\" "
        "type=\"root\" enabled=\"1\"><unit name=\"m\" type=\"si-unit\" enabled=\"1\" "
        "symbol=\"m\"";
    for (int i = 0; i < 1000000; ++i)
        attrs += " a" + std::to_string(i) + "=\"\"";
    attrs += "/></category></domain></UnitsData>";

    for (const std::string* text : {&nested, &attrs}) {
        RecordingMessages rec;
        TCats db;
        db.setMessages(&rec);
        db.LoadFromString(*text);
        if (db.Data().isNull()) {
            ASSERT_EQ(rec.texts.size(), 1u); // refused with the parser's message
            continue;
        }
        ASSERT_EQ(db.Count(), 1);
        EXPECT_EQ(db.AllUnits.Count(), 1);
        std::vector<ValidationEntry> errors;
        ValidateUnitsData(db.Data(), errors, false);
        const std::string out = WriteUnitsData(db.Data(), itemTreeOf(db.Data()));
        EXPECT_EQ(out.find("<a>"), std::string::npos);
        EXPECT_LT(out.size(), 2000u);
    }
}
