#!/usr/bin/env python3
"""Tests of the two data checks: each must pass a sound file and must catch
each kind of fault it exists for.  A small unit data file is built here and
spoilt one way per case."""

import os
import shutil
import subprocess
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
DEG = "\u00b0"

UNITS = [
    ("Base", [
        ("Length", "root", [
            ("metre", "si-unit", "m", "SI", {"in_base_units": "m"}),
            ("kilometre", "factor", "km", "SI", {"factor": "1000"}),
            ("foot", "factor", "ft", "US", {"factor": "0.3048"}),
            ("inch", "factor", "in", "US", {"factor": "0.0254"}),
        ]),
        ("Time", "root", [
            ("second", "si-unit", "s", "SI", {"in_base_units": "s"}),
            ("hour", "factor", "h", "SI", {"factor": "3600"}),
        ]),
        ("Temperature", "root", [
            ("kelvin", "si-unit", "K", "SI", {"in_base_units": "K"}),
            ("degree Celsius", "rule", DEG + "C", "SI", {"rule_from": "#-273.15", "rule_to": "#+273.15"}),
            ("degree Fahrenheit", "rule", DEG + "F", "US",
             {"rule_from": "(#-273.15)*1.8+32", "rule_to": "(#-32)/1.8+273.15"}),
        ]),
        ("Area", "sup", [
            ("square metre", "si-unit", "m^2", "SI", {}),
            ("acre", "factor", "acre", "US", {"factor": "4046.8564224"}),
        ]),
        ("Speed", "comp", [
            ("metre per second", "si-unit", "m/s", "SI", {}),
            ("kilometre per hour", "factor", "km/h", "SI", {"factor": "0.27777777777777778"}),
            ("foot per second", "factor", "ft/s", "US", {"factor": "0.3048"}),
        ]),
    ]),
]
MAP = ["m\tm", "km\tkm", "ft\tft", "in\tinch", "s\ts", "h\thr", "K\tK",
       DEG + "C\ttempC(#)", DEG + "F\ttempF(#)", "m^2\tm^2", "acre\tacre"]
COPYRIGHT = ("Copyright (c) Tarnel Software. This unit data may be freely used, "
             "copied and modified.")


def unt_text(domains):
    L = ['<?xml version="1.0" encoding="windows-1252"?>', "<UnitsData>",
         '  <description keywords="SI,US" ',
         '  hyperlink="https://www.tarnel.example/index.htm?pg=About/UnitConv" copyright="%s" ' % COPYRIGHT,
         '  version="1.00" language="English">', "  ", "  ", "  ", "  </description>", ""]
    for dname, cats in domains:
        L.append('  <domain name="%s" enabled="1" comment="d">' % dname)
        for cname, kind, units in cats:
            L += ["", '    <category name="%s" type="%s" enabled="1" comment="c">' % (cname, kind)]
            for name, typ, sym, kw, extra in units:
                L.append('      <unit name="%s" type="%s" enabled="1" symbol="%s" kw="%s" ' % (name, typ, sym, kw))
                if typ == "si-unit" and kind == "root":
                    L.append('        in_base_units="%s" ' % extra["in_base_units"])
                elif typ == "factor":
                    L.append('        factor="%s" ' % extra["factor"])
                elif typ == "rule":
                    L.append('        rule_from="%s"' % extra["rule_from"])
                    L.append('        rule_to="%s" ' % extra["rule_to"])
                L.append('       comment="source" />')
            L.append("    </category>")
        L += ["  </domain>", ""]
    L.append("</UnitsData>")
    return "".join(x + "\r\n" for x in L)


SOUND = unt_text(UNITS)

# (case, how the file text is spoilt, abbreviation lines, message expected)
FILE_CASES = [
    ("sound file", lambda t: t, ["h=hr"], None),
    ("LF line end", lambda t: t.replace("<UnitsData>\r\n", "<UnitsData>\n"), [], "CR LF"),
    ("missing trailing blank", lambda t: t.replace('factor="1000" \r\n', 'factor="1000"\r\n'), [],
     "writer would lay out"),
    ("symbol twice", lambda t: t.replace('symbol="in"', 'symbol="ft"'), [], "duplicated symbol ft"),
    ("name twice ignoring case", lambda t: t.replace('name="inch"', 'name="FOOT"'), [], "duplicated unit name"),
    ("category name twice", lambda t: t.replace('name="Time"', 'name="length"'), [], "duplicated category name"),
    ("two core units", lambda t: t.replace('name="hour" type="factor"', 'name="hour" type="si-unit"'), [],
     "2 core units"),
    ("comma in factor", lambda t: t.replace('factor="0.0254"', 'factor="0,0254"'), [], "factor"),
    ("unknown keyword", lambda t: t.replace('symbol="in" kw="US"', 'symbol="in" kw="US,cooking"'), [], "keyword"),
    ("compound with another structure", lambda t: t.replace('symbol="ft/s"', 'symbol="ft.in/s"'), [],
     "wrong number of units"),
    ("compound part from another category", lambda t: t.replace('symbol="ft/s"', 'symbol="ft/km"'), [],
     "is not in the category"),
    ("compound part with another degree", lambda t: t.replace('symbol="ft/s"', 'symbol="ft/h^2"'), [],
     "wrong exponent"),
    ("supplementary core that is no power", lambda t: t.replace('symbol="m^2"', 'symbol="m.s"'), [],
     "not a power"),
    ("supplementary core over a non-core unit", lambda t: t.replace('symbol="m^2"', 'symbol="km^2"'), [],
     "not a root core unit to a power of 2 or more"),
    ("supplementary core that is a reciprocal", lambda t: t.replace('symbol="m^2"', 'symbol="1/m"'), [],
     "not a root core unit to a power of 2 or more"),
    ("base units over a non-base unit", lambda t: t.replace('in_base_units="s"', 'in_base_units="h"'), [],
     "in_base_units"),
    ("symbol with a character the notation drops", lambda t: t.replace('symbol="km"', 'symbol="k%m"'), [],
     "not read by the notation"),
    ("notation symbol with two parts of one category", lambda t: t.replace('symbol="in"', 'symbol="ft/km"'), [],
     "two parts of the category Length"),
    ("notation symbol with a part of the rule category", lambda t: t.replace('symbol="in"', 'symbol="K.s"'), [],
     "belongs to a category with rule units"),
    ("rule without #", lambda t: t.replace('rule_to="#+273.15"', 'rule_to="K+273.15"'), [], "rule"),
    ("rule with a blank", lambda t: t.replace('rule_to="#+273.15"', 'rule_to="# + 273.15"'), [], "rule"),
    ("rules that do not invert", lambda t: t.replace('rule_from="#-273.15"', 'rule_from="#-273"'), [],
     "rule_from(rule_to"),
    ("too many digits", lambda t: t.replace('factor="3600"', 'factor="3600.0000000000000001"'), [],
     "17 significant digits"),
    ("abbreviation that is another symbol", lambda t: t, ["h=s"], "read back"),
    ("abbreviation that is no single name", lambda t: t, ["h=h r"], "single name"),
    ("abbreviation of no symbol", lambda t: t, ["xyz=abc"], "no symbol"),
    ("two abbreviations with one value", lambda t: t, ["h=hr", "s=hr"], "read back"),
]

# Typed spellings over the sound file: (case, spelling lines, message expected)
SPELLINGS = ["degC=" + DEG + "C", "degF=" + DEG + "F", "kph=km/h", "hr=h"]
SPELLING_CASES = [
    ("sound spellings", SPELLINGS, None),
    ("spelling that is a symbol", SPELLINGS + ["km=m"], "is a symbol of the file"),
    ("spelling with a degree sign", SPELLINGS + [DEG + "K=K"], "not a plain name"),
    ("spelling of an unknown unit", SPELLINGS + ["mph=mi/h"], "mi is no symbol"),
    ("spelling that does not parse", SPELLINGS + ["sqm=m^0"], "does not parse"),
    ("spelling twice", SPELLINGS + ["kph=m/s"], "appears twice"),
    ("spelling that is shown for another unit", SPELLINGS[:3] + ["hr=s"], "abbreviation of another unit"),
    ("degree unit without ASCII spelling", SPELLINGS[1:], DEG + "C has no ASCII spelling"),
]


def run(script, *args):
    r = subprocess.run([sys.executable, os.path.join(HERE, script)] + list(args),
                       capture_output=True, text=True)
    return r.returncode, r.stdout + r.stderr


class Fixture(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.mkdtemp()
        self.addCleanup(shutil.rmtree, self.dir)

    def write(self, name, text, encoding="cp1252"):
        path = os.path.join(self.dir, name)
        with open(path, "wb") as f:
            f.write(text.encode(encoding))
        return path


class UntFileCheck(Fixture):
    def check(self, text, abrv, spellings):
        data = self.write("t.unt", text)
        lst = self.write("abrv.lst", "".join(x + "\r\n" for x in abrv))
        spl = self.write("spellings.lst", "".join(x + "\r\n" for x in spellings))
        return run("unt_file_check.py", "--data", data, "--abrv", lst, "--spellings", spl)

    def test_spellings(self):
        for case, spellings, expected in SPELLING_CASES:
            with self.subTest(case=case):
                code, out = self.check(SOUND, ["h=hr"], spellings)
                if expected is None:
                    self.assertEqual(code, 0, out)
                else:
                    self.assertEqual(code, 1, out)
                    self.assertIn(expected, out)

    def test_cases(self):
        for case, spoil, abrv, expected in FILE_CASES:
            with self.subTest(case=case):
                code, out = self.check(spoil(SOUND), abrv, SPELLINGS)
                if expected is None:
                    self.assertEqual(code, 0, out)
                else:
                    self.assertEqual(code, 1, out)
                    self.assertIn(expected, out)


FAKE_CLI = r'''#!/usr/bin/env python3
import sys
# --data FILE --prec 10 convert "Q [SYM]" TARGET, through the core unit, from a fixed
# table of (to core, from core) per symbol; symbols not in the table are core units.
args = sys.argv[1:]
q, target = args[-2], args[-1]
value, sym = q.split(" [")
sym = sym.rstrip("]")
table = TABLE
if sym in REFUSED:
    print("message: unknown", file=sys.stderr)
    sys.exit(1)
same = lambda v: v
to_core = table.get(sym, (same, same))[0]
from_core = table.get(target, (same, same))[1]
print("%.10g [%s]" % (from_core(to_core(float(value))), target))
'''


class GnuUnitsCheck(Fixture):
    @unittest.skipUnless(shutil.which("units"), "GNU units is not installed")
    def test_cases(self):
        def factor(f):
            return "(lambda v: v*%r, lambda v: v/%r)" % (f, f)
        good = {"km": factor(1000), "ft": factor(0.3048), "in": factor(0.0254), "h": factor(3600),
                "acre": factor(4046.8564224), "km/h": factor(1 / 3.6), "ft/s": factor(0.3048),
                DEG + "C": "(lambda v: v+273.15, lambda v: v-273.15)",
                DEG + "F": "(lambda v: (v-32)/1.8+273.15, lambda v: (v-273.15)*1.8+32)"}
        cases = [
            # (case, file text, map rows, fake converter table or None, message expected)
            ("sound file", SOUND, MAP, None, None),
            ("wrong factor", SOUND.replace('factor="0.0254"', 'factor="0.0253"'), MAP, None, "1 in = 0.0253"),
            ("wrong compound factor", SOUND.replace('factor="0.27777777777777778"', 'factor="0.2777"'),
             MAP, None, "km/h"),
            ("wrong rule", SOUND.replace('rule_to="(#-32)/1.8+273.15"', 'rule_to="(#-32)/1.8+273"'),
             MAP, None, DEG + "F"),
            ("unit without a row", SOUND, [r for r in MAP if not r.startswith("acre")], None, "no row"),
            ("row without a reason", SOUND, MAP + ["zz\t-"], None, "gives no reason"),
            ("too many not checkable", SOUND, [r for r in MAP if r.split("\t")[0] not in ("acre", "in")] +
             ["acre\t-\tnot known there", "in\t-\tnot known there"], None, "more than a tenth"),
            ("values from the converter", SOUND, MAP, good, None),
            ("converter gives a wrong value", SOUND, MAP, dict(good, ft=factor(0.3)), "ft"),
            ("converter gives a wrong rule", SOUND, MAP,
             dict(good, **{DEG + "F": "(lambda v: (v-32)/1.8+273.15, lambda v: (v-273.15)*1.8)"}), DEG + "F"),
            ("converter refuses a unit", SOUND, MAP, dict(good, REFUSED="in"), "converter"),
        ]
        for case, text, rows, cli, expected in cases:
            with self.subTest(case=case):
                data = self.write("t.unt", text)
                mp = self.write("map.tsv", "\n".join(rows) + "\n", "utf-8")
                args = ["--data", data, "--map", mp]
                if cli is not None:
                    refused = [cli.get("REFUSED", "")]
                    table = "{%s}" % ", ".join("%r: %s" % (k, v) for k, v in cli.items() if k != "REFUSED")
                    prog = self.write("cli.py", FAKE_CLI.replace("TABLE", table).replace("REFUSED", repr(refused)),
                                      "utf-8")
                    os.chmod(prog, 0o755)
                    args += ["--cli", prog]
                code, out = run("gnu_units_check.py", *args)
                if expected is None:
                    self.assertEqual(code, 0, out)
                else:
                    self.assertEqual(code, 1, out)
                    self.assertIn(expected, out)


FAKE_BATCH = r'''#!/usr/bin/env python3
import sys
answers = ANSWERS
for line in sys.stdin.read().splitlines():
    print(answers[line])
'''


class RealisticCheck(Fixture):
    TABLE = ["20 [%sC]\t%sF\ttempC(20)\ttempF\t68" % (DEG, DEG),
             "1 [mi]\tkm\t1 mi\tkm\t1.609344",
             "1 [W/m.K]\tW/m.dK\t1 W/m K\tW/m K\t1"]
    GOOD = {"20 [%sC]\t%sF" % (DEG, DEG): "68.0000004 [%sF]" % DEG, "1 [mi]\tkm": "1.609344 [km]",
            "1 [W/m.K]\tW/m.dK": "error: refused"}

    def test_cases(self):
        refused = "1 [W/m.K]\tW/m.dK\tK belongs to the scales"
        cases = [
            # (case, converter answers, expected failures, message expected)
            ("all as expected", self.GOOD, [refused], None),
            ("value off by more than 1e-9", dict(self.GOOD, **{"1 [mi]\tkm": "1.60935 [km]"}), [refused],
             "FAIL     1 [mi] -> km"),
            ("scale off by more than 1e-6", dict(self.GOOD, **{"20 [%sC]\t%sF" % (DEG, DEG): "68.00001 [%sF]" % DEG}),
             [refused], "20 [%sC] -> %sF" % (DEG, DEG)),
            ("refusal not listed", self.GOOD, [], "1 [W/m.K] -> W/m.dK: refused"),
            ("listed refusal that converts", dict(self.GOOD, **{"1 [W/m.K]\tW/m.dK": "1 [W/m.dK]"}), [refused],
             "passes but is listed"),
        ]
        table = self.write("t.tsv", "\n".join(self.TABLE) + "\n", "utf-8")
        for case, answers, expected_failures, expected in cases:
            with self.subTest(case=case):
                prog = self.write("cli.py", FAKE_BATCH.replace("ANSWERS", repr(answers)), "utf-8")
                os.chmod(prog, 0o755)
                exp = self.write("x.tsv", "".join(x + "\n" for x in expected_failures), "utf-8")
                code, out = run("realistic_check.py", "--cli", prog, "--table", table, "--expected", exp)
                if expected is None:
                    self.assertEqual(code, 0, out)
                else:
                    self.assertEqual(code, 1, out)
                    self.assertIn(expected, out)


if __name__ == "__main__":
    unittest.main()
