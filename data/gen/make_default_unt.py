#!/usr/bin/env python3
"""Generates data/default.unt, data/abrv.lst and data/spellings.lst, the shipped unit database.

Run from anywhere:  python3 data/gen/make_default_unt.py [--check]

Every factor is computed exactly (fractions.Fraction) from its defining
relation and written exactly when it has at most 17 significant digits,
otherwise rounded to 17.  A unit whose symbol is written in unit notation
(km/h, lbf.ft, g/cm^3) gets its factor from the factors of its parts, so the
parts are defined once.

Where a unit stands is decided by how the converter reads symbols:
- A root category holds one dimension.  Its units are found by their whole
  symbol.  A symbol such as km/h may stand there: the All Units conversion
  finds it as written, while a typed quantity 5 [km/h] is parsed into km and h
  and converted dimension by dimension - both give the same value because the
  factor of km/h is the product of the factors of km and h.
- A supplementary category (area, volume, second moment of area) raises a unit
  of a root category to a power; its units are written relative to m^2, m^3
  or m^4.  Only one supplementary category per root unit and power exists,
  so the converter always picks the right one.
- A compound category holds only units written with the same structure as its
  core unit, each part from the same root category as the core's part at that
  place (lbf.ft beside N.m).  Named units such as mph, kn, St or Gal can
  therefore never stand in one; their quantities are root categories.
- Units of a category that holds rule units (the temperature scales) can only
  be used alone.  Thermal quantities are therefore written with the units of
  the separate temperature-difference category (dK, d°C, d°F, d°R).
"""

import os
import sys
from fractions import Fraction as F

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import unitlib  # noqa: E402
from unitlib import PI, LN10, SI_PREFIXES, IEC_PREFIXES, Unit, Category, Domain  # noqa: E402

# ------------------------------------------------------------------ sources
SI2 = "SI Brochure 9th ed. (2019), Table 2"
SI4 = "SI Brochure 9th ed. (2019), Table 4"
SI5 = "SI Brochure 9th ed. (2019), 2.3.4 and Table 5 (coherent derived units)"
SI6 = "SI Brochure 9th ed. (2019), 2.3.4 and Table 6 (coherent derived units)"
SI7 = "SI Brochure 9th ed. (2019), Table 7"
SI8 = "SI Brochure 9th ed. (2019), Table 8"
SI1 = "SI Brochure 9th ed. (2019), Table 1 (defining constants)"
SP811 = "NIST SP 811 (2008), Appendix B.8"
SP811T = "NIST SP 811 (2008), Table 8"
HB44 = "NIST Handbook 44 (2024), Appendix C"
IAU12 = "IAU 2012 Resolution B2"
IAU15B2 = "IAU 2015 Resolution B2"
IAU15B3 = "IAU 2015 Resolution B3 (nominal values)"
IAUSM = "IAU Style Manual (1989), section 5"
CODATA = "CODATA 2018 recommended values"
IEC = "IEC 80000-13:2008, clause 4"
UKWMA = "UK Weights and Measures Act 1985, Schedule 1"
UKWMA63 = "UK Weights and Measures Act 1963, Schedule 1"
JPML = "Japanese Weights and Measures Act (1891): shaku = 10/33 m, kan = 15/4 kg"
CFR = "US 21 CFR 101.9(b)(5)(viii)"
ISO8601 = "ISO 8601-1:2019, clause 3 (Gregorian calendar, calendar week)"
SIDIM1 = "SI Brochure 9th ed. (2019), 5.4.7"
SP811R = "NIST SP 811 (2008), 7.10"
IEA = "IEA Energy Statistics Manual (2005), Annex 3"
PSREF = "Adobe PostScript Language Reference, 3rd ed. (1999), 4.3.1"
TEXBOOK = "D. E. Knuth, The TeXbook (1984), chapter 10"
PRC59 = "PRC State Council order on the unified measurement system (25 June 1959): 1 jin = 0.5 kg, 1 mu = 10000/15 m^2"
PAL28 = "Palestine Weights and Measures Ordinance (1928): metric dunam of 1000 m^2"
IND39 = "India, Standards of Weight Act 1939: 1 tola = 180 grains"
FR61 = "French decree 61-501 (1961), quintal q = 100 kg"
AS2710 = "AS 2710 (Standards Australia), kitchen measuring cups and spoons"
ISO3 = "ISO 80000-3:2019, item 3-17.2 (rotational frequency, unit 1/s)"
SURVEY23 = "NIST, US survey foot deprecation, 85 FR 62698 (2020), effective 2023-01-01"

# --------------------------------------------------------- exact definitions
FT = F("0.3048")          # international foot, HB44 / SP 811
IN = FT / 12
YD = 3 * FT
MI = 5280 * FT
FT_US = F(1200, 3937)     # US survey foot
NMI = F(1852)
LB = F("0.45359237")
OZ = LB / 16
GRAIN = LB / 7000
G0 = F("9.80665")         # standard acceleration of gravity
LBF = LB * G0
GAL = 231 * IN ** 3       # US liquid gallon
GAL_UK = F("0.00454609")  # imperial gallon
BU_US = F("2150.42") * IN ** 3
CAL = F("4.184")          # thermochemical calorie
CAL_IT = F("4.1868")
BTU = CAL_IT * 1000 * LB * F(5, 9)   # International Table Btu = 1055.05585262 J
BTU_TH = CAL * 1000 * LB * F(5, 9)
ATM = F(101325)
MMHG = F("13595.1") * G0 / 1000      # conventional millimetre of mercury
H2O = F(1000) * G0                   # conventional water column per metre
C0 = F(299792458)
H_PLANCK = F("6.62607015e-34")
E_CH = F("1.602176634e-19")
N_A = F("6.02214076e23")
DAY = F(86400)
A_JUL = F("365.25") * DAY
AU = F(149597870700)
EV = E_CH
DA = F("1.66053906660e-27")
E_H = F("4.3597447222071e-18")
A_0 = F("5.29177210903e-11")
HP = 550 * FT * LBF

KW = ("SI,metric,CGS,US,imperial,historic,regional,science,engineering,"
      "astronomy,navigation,computing,cooking,medicine,typography,common").split(",")

ABBREVIATIONS = [
    # Display the angle degree with its sign; "°" alone is a name of the
    # notation and no unit has it as its symbol, so it reads back as deg.
    ("deg", "\u00b0"),
]

# Typed spellings: a single name that users type for a stored unit text.  The
# converter uses a spelling only when no unit has that exact symbol, so a
# spelling must never be a symbol; the stored text must read as symbols of the file.
DEG = "\u00b0"
SPELLINGS = [
    ("Nm", "N.m"), ("BTU", "Btu"), ("amu", "Da"), ("u", "Da"), ("angstrom", "\u00c5"),
    # ASCII forms of every unit whose symbol holds the degree sign
    ("degC", DEG + "C"), ("degF", DEG + "F"), ("degR", DEG + "R"), ("degRe", DEG + "Re"),
    ("ddegC", "d" + DEG + "C"), ("ddegF", "d" + DEG + "F"), ("ddegR", "d" + DEG + "R"),
    ("ddegRe", "d" + DEG + "Re"),
    # explicit forms of symbols whose plain spelling is ambiguous in use
    ("cwt_UK", "cwt"), ("pt_US", "pt"), ("gal_US", "gal"), ("thm_EC", "thm"),
    ("ft_survey", "ft_US"), ("mi_survey", "mi_US"), ("acre_survey", "acre_US"),
    # common typed forms
    ("kph", "km/h"), ("kmh", "km/h"), ("lbs", "lb"), ("hr", "h"), ("sec", "s"), ("ohm", "Ohm"),
    ("micron", "um"), ("cc", "cm^3"), ("tonne", "t"), ("kWhr", "kWh"),
]

# Symbols that must exist with these meanings: symbol -> (category, factor to
# its core unit; None for core and rule units).
REQUIRED = {
    "m": ("Length", None), "km": ("Length", 1000), "cm": ("Length", F("0.01")),
    "mm": ("Length", F("0.001")), "um": ("Length", F("1e-6")), "nm": ("Length", F("1e-9")),
    "in": ("Length", IN), "ft": ("Length", FT), "yd": ("Length", YD), "mi": ("Length", MI),
    "nmi": ("Length", NMI), "au": ("Length", AU), "ly": ("Length", C0 * A_JUL),
    "pc": ("Length", AU * 648000 / PI),
    "kg": ("Mass", None), "g": ("Mass", F("0.001")), "mg": ("Mass", F("1e-6")), "t": ("Mass", 1000),
    "lb": ("Mass", LB), "oz": ("Mass", LB / 16), "st": ("Mass", 14 * LB),
    "s": ("Time", None), "ms": ("Time", F("0.001")), "min": ("Time", 60), "h": ("Time", 3600),
    "d": ("Time", 86400), "wk": ("Time", 604800),
    "m^2": ("Area", None), "ha": ("Area", 10000), "acre": ("Area", 43560 * FT ** 2),
    "m^3": ("Volume", None), "L": ("Volume", F("0.001")), "mL": ("Volume", F("1e-6")),
    "gal": ("Volume", GAL), "gal_UK": ("Volume", GAL_UK),
    "m/s": ("Speed", None), "km/h": ("Speed", F(1000, 3600)), "mph": ("Speed", MI / 3600),
    "kn": ("Speed", NMI / 3600),
    "N": ("Force", None), "kN": ("Force", 1000), "lbf": ("Force", LBF), "dyn": ("Force", F("1e-5")),
    "kgf": ("Force", G0),
    "J": ("Energy, work and heat", None), "kJ": ("Energy, work and heat", 1000),
    "cal": ("Energy, work and heat", CAL), "kcal": ("Energy, work and heat", 1000 * CAL),
    "Btu": ("Energy, work and heat", F("1055.05585262")), "kWh": ("Energy, work and heat", 3600000),
    "eV": ("Energy, work and heat", E_CH), "erg": ("Energy, work and heat", F("1e-7")),
    "W": ("Power", None), "kW": ("Power", 1000), "hp": ("Power", HP),
    "Pa": ("Pressure and stress", None), "kPa": ("Pressure and stress", 1000),
    "bar": ("Pressure and stress", 100000), "atm": ("Pressure and stress", ATM),
    "psi": ("Pressure and stress", LBF / IN ** 2), "mmHg": ("Pressure and stress", MMHG),
    "Torr": ("Pressure and stress", ATM / 760),
    "Hz": ("Frequency", None), "kHz": ("Frequency", 1000),
    "rad": ("Plane angle", None), "deg": ("Plane angle", PI / 180),
    "K": ("Temperature", None), "\u00b0C": ("Temperature", None), "\u00b0F": ("Temperature", None),
}


def check_required(db):
    errs = []
    for sym, (cat, factor) in REQUIRED.items():
        u = db.units.get(sym)
        if u is None:
            errs.append("required symbol %s is missing" % sym)
        elif u.category.name != cat:
            errs.append("%s stands in %s, not in %s" % (sym, u.category.name, cat))
        elif factor is not None and u.factor != F(factor):
            errs.append("%s has the factor %s, not %s" % (sym, u.factor, factor))
    return errs


class Db:
    def __init__(self):
        self.domains, self.units = [], {}
        self.cat = None

    def domain(self, name, comment):
        d = Domain(name, comment)
        self.domains.append(d)
        self.dom = d

    def category(self, name, kind, comment):
        c = Category(name, kind, comment)
        c.domain = self.dom
        self.dom.categories.append(c)
        self.cat = c

    def _add(self, u, src, note):
        u.src = src
        u.note = note
        u.category = self.cat
        if u.comment is None:
            u.comment = ("%s. %s" % (note, src)) if note else src
        if u.symbol in self.units:
            raise SystemExit("symbol %s defined twice" % u.symbol)
        self.units[u.symbol] = u
        self.cat.units.append(u)
        return u

    def core(self, name, symbol, kw, src, note="", base=None):
        if self.cat.kind == "root" and base is None:
            raise SystemExit("%s needs in_base_units" % symbol)
        return self._add(Unit(name, symbol, "si-unit", kw.split(), None, base=base), src, note)

    def u(self, name, symbol, factor, kw, src, note=""):
        if isinstance(factor, (str, int)):
            factor = F(factor)
        return self._add(Unit(name, symbol, "factor", kw.split(), None, factor=factor), src, note)

    def d(self, name, symbol, kw=None, note=""):
        """A unit written in unit notation; its factor and sources come from its parts."""
        u = Unit(name, symbol, "factor", kw.split() if kw else None, "", derived=True)
        return self._add(u, "", note)  # resolve() fills in factor, sources and comment

    def rule(self, name, symbol, rfrom, rto, kw, src, note=""):
        return self._add(Unit(name, symbol, "rule", kw.split(), None,
                              rule_from=rfrom, rule_to=rto), src, note)

    def pre(self, base_symbol, prefixes, kw=None, iec=False):
        """Prefixed forms of a unit of the current category."""
        b = self.units[base_symbol]
        table = IEC_PREFIXES if iec else SI_PREFIXES
        for p in prefixes.split():
            pname, pf = table[p]
            f = pf * (b.factor if b.kind == "factor" else 1)
            src = IEC if iec else SI7
            u = Unit(pname + b.name, p + base_symbol, "factor",
                     kw.split() if kw else list(b.kw), None, factor=f, prefixed=base_symbol)
            what = "%s %s (%s) on the %s" % ("Binary prefix" if iec else "SI prefix", pname, p, b.name)
            if b.kind == "factor" and b.src != src:
                self._add(u, "%s; %s" % (src, b.src), what)
            else:
                self._add(u, src, what)


def resolve(db):
    """Factors and comments of units written in unit notation.

    A core unit is a coherent SI unit, so its value in coherent units is 1;
    a factor unit's value is its factor.  A unit written as km/h is then worth
    the product of its parts' values, divided by the value of its category's
    core unit (1 for every core built from coherent units)."""
    busy = set()

    def value(p):
        if p.kind == "rule":
            raise SystemExit("%s is a rule unit and cannot be a part" % p.symbol)
        if p.kind == "si-unit":
            return coherent(p.symbol) if any(ch in p.symbol for ch in "./^") else F(1)
        if p.derived and p.factor is None:
            if p.symbol in busy:
                raise SystemExit("circular definition of %s" % p.symbol)
            busy.add(p.symbol)
            p.factor = coherent(p.symbol) / value(p.category.core)
        return p.factor

    def coherent(symbol):
        v = F(1)
        for s, deg in unitlib.parse_units(symbol):
            if s not in db.units:
                raise SystemExit("%s: unknown part %s" % (symbol, s))
            v *= value(db.units[s]) ** deg
        return v

    for d in db.domains:
        for c in d.categories:
            for u in c.units:
                if not u.derived:
                    continue
                value(u)
                parts = [s for s, _ in unitlib.parse_units(u.symbol)]
                srcs = []
                for s in parts:
                    p = db.units[s]
                    for piece in (p.src or "").split("; "):
                        if piece and piece not in srcs:
                            srcs.append(piece)
                if u.kw is None:
                    u.kw = list(db.units[parts[0]].kw)
                text = "Factor from its parts %s" % ", ".join(parts)
                if u.note:
                    text = u.note + ". " + text
                u.src = "; ".join(srcs)
                u.comment = "%s (%s)" % (text, u.src)


def build():
    db = Db()
    dom, cat, core, u, d, rule, pre = (db.domain, db.category, db.core, db.u, db.d,
                                         db.rule, db.pre)

    # ================================================================ Base
    dom("Base quantities", "SI base quantities and the temperature scales")

    cat("Length", "root", "SI base quantity. Astronomical and typographic lengths stand here too: "
        "a unit belongs to the category of its dimension, whatever its field")
    core("metre", "m", "SI metric common", SI2, base="m")
    pre("m", "k d c m u n p f")
    u("angstrom", "\u00c5", "1e-10", "metric science", SP811)
    u("inch", "in", IN, "US imperial common", HB44, "1 in = 2.54 cm exactly")
    u("foot", "ft", FT, "US imperial common", HB44, "international foot, 0.3048 m exactly")
    u("yard", "yd", YD, "US imperial common", HB44, "3 ft")
    u("mile", "mi", MI, "US imperial common", HB44, "international mile, 5280 ft")
    u("thou (mil)", "mil", IN / 1000, "US imperial engineering", SP811, "0.001 in")
    u("microinch", "uin", IN / 10 ** 6, "US imperial engineering", SP811)
    u("hand", "hh", 4 * IN, "US imperial historic", HB44, "4 in")
    # Since 2023 the US survey foot is retired for these units (NIST, Federal Register 85 FR
    # 62698): they are built on the international foot, so 8 furlongs make exactly one mile.
    u("link (Gunter)", "li", FT * F(66, 100), "US imperial historic", HB44 + "; " + SURVEY23,
      "0.66 international foot")
    u("rod", "rod", FT * F(33, 2), "US imperial historic", HB44 + "; " + SURVEY23, "16.5 international feet")
    u("chain (Gunter)", "ch", 66 * FT, "US imperial historic", HB44 + "; " + SURVEY23, "66 international feet")
    u("furlong", "fur", 660 * FT, "US imperial historic", HB44 + "; " + SURVEY23,
      "660 international feet, 1/8 mile")
    u("US survey foot", "ft_US", FT_US, "US historic", HB44 + "; " + SURVEY23,
      "1200/3937 m; retired since 2023, kept for old land records (typed also as ft_survey)")
    u("US survey mile", "mi_US", 5280 * FT_US, "US historic", HB44 + "; " + SURVEY23,
      "5280 US survey feet; retired since 2023 (typed also as mi_survey)")
    u("league", "lea", 3 * MI, "US imperial historic", HB44, "3 international miles")
    u("fathom", "ftm", 6 * FT, "US imperial navigation", HB44, "6 ft")
    u("nautical mile", "nmi", NMI, "navigation metric", SP811T, "1852 m exactly")
    u("astronomical unit", "au", AU, "astronomy science", IAU12, "149597870700 m exactly")
    u("light-year", "ly", C0 * A_JUL, "astronomy science", IAUSM, "c times one Julian year")
    u("light-second", "ls", C0, "astronomy science", SI1, "c times 1 s")
    u("parsec", "pc", AU * 648000 / PI, "astronomy science", IAU15B2, "648000/pi au")
    pre("pc", "k M G")
    u("nominal solar radius", "R_sun", F("6.957e8"), "astronomy", IAU15B3)
    u("nominal Earth equatorial radius", "R_E", F("6.3781e6"), "astronomy", IAU15B3)
    u("nominal Jupiter equatorial radius", "R_J", F("7.1492e7"), "astronomy", IAU15B3)
    u("Bohr radius", "a_0", A_0, "science", CODATA)
    u("Planck length", "l_P", F("1.616255e-35"), "science", CODATA)
    u("point (desktop publishing)", "pt_DTP", IN / 72, "typography", PSREF, "1/72 in")
    u("pica (desktop publishing)", "pica", IN / 6, "typography", PSREF, "12 points")
    u("point (TeX)", "pt_TeX", IN / F("72.27"), "typography", TEXBOOK, "1/72.27 in")
    u("shaku (Japanese foot)", "shaku", F(10, 33), "regional historic", JPML)
    u("sun (Japanese inch)", "sun", F(1, 33), "regional historic", JPML, "1/10 shaku")
    u("ken (Japanese)", "ken", 6 * F(10, 33), "regional historic", JPML, "6 shaku")
    u("ri (Japanese)", "ri", 12960 * F(10, 33), "regional historic", JPML, "36 cho = 12960 shaku")

    cat("Mass", "root", "SI base quantity")
    core("kilogram", "kg", "SI metric common", SI2, base="kg")
    u("gram", "g", "0.001", "SI metric common", SI2, "1/1000 of the kilogram")
    pre("g", "d c m u n p")
    u("tonne", "t", 1000, "metric common", SI8, "1000 kg")
    pre("t", "k M G")
    u("dalton", "Da", DA, "science SI", CODATA, "atomic mass constant")
    pre("Da", "k M")
    u("electron mass", "m_e", F("9.1093837015e-31"), "science", CODATA)
    u("proton mass", "m_p", F("1.67262192369e-27"), "science", CODATA)
    u("Planck mass", "m_P", F("2.176434e-8"), "science", CODATA)
    u("pound", "lb", LB, "US imperial common", HB44, "avoirdupois pound, 0.45359237 kg exactly")
    u("ounce", "oz", OZ, "US imperial common cooking", HB44, "1/16 lb")
    u("dram (avoirdupois)", "dr", OZ / 16, "US imperial historic", HB44, "1/16 oz")
    u("grain", "gr", GRAIN, "US imperial medicine", HB44, "1/7000 lb")
    u("stone", "st", 14 * LB, "imperial common", UKWMA, "14 lb")
    u("quarter (imperial)", "qr", 28 * LB, "imperial historic", UKWMA63, "28 lb")
    u("hundredweight (short, US, 100 lb)", "cwt_US", 100 * LB, "US", HB44, "100 lb, the US hundredweight")
    u("hundredweight (long, imperial, 112 lb)", "cwt", 112 * LB, "imperial", HB44,
      "112 lb, the British hundredweight; the US one of 100 lb is cwt_US (typed also as cwt_UK)")
    u("ton (short)", "ton_US", 2000 * LB, "US common", HB44, "2000 lb")
    u("ton (long)", "ton_UK", 2240 * LB, "imperial", HB44, "2240 lb")
    u("troy ounce", "ozt", 480 * GRAIN, "US imperial", HB44, "480 grains")
    u("troy pound", "lbt", 5760 * GRAIN, "US imperial historic", HB44, "5760 grains")
    u("pennyweight", "dwt", 24 * GRAIN, "US imperial", HB44, "24 grains")
    u("scruple (apothecaries)", "s_ap", 20 * GRAIN, "historic medicine", HB44, "20 grains")
    u("dram (apothecaries)", "dr_ap", 60 * GRAIN, "historic medicine", HB44, "60 grains")
    u("carat (metric)", "ct", F("0.0002"), "metric common", SP811, "200 mg")
    u("slug", "slug", LBF / FT, "US engineering", SP811, "1 lbf.s^2/ft")
    u("quintal (metric)", "quintal", 100, "metric historic", FR61, "100 kg")
    u("jin (Chinese market catty)", "jin", F("0.5"), "regional", PRC59, "500 g, mainland China")
    u("tola (Indian)", "tola", 180 * GRAIN, "regional", IND39 + "; " + HB44, "180 grains")
    u("kan (Japanese)", "kan", F(15, 4), "regional historic", JPML)
    u("monme (Japanese)", "monme", F(15, 4) / 1000, "regional historic", JPML, "1/1000 kan")

    cat("Time", "root", "SI base quantity")
    core("second", "s", "SI metric common", SI2, base="s")
    pre("s", "m u n p f a")
    u("minute", "min", 60, "SI common", SI8)
    u("hour", "h", 3600, "SI common", SI8)
    u("day", "d", DAY, "SI common", SI8)
    u("week", "wk", 7 * DAY, "common", ISO8601, "7 d")
    u("fortnight", "fortnight", 14 * DAY, "common imperial", SI8, "14 d")
    u("month (mean Gregorian)", "month", F("365.2425") * DAY / 12, "common", ISO8601,
      "1/12 of the mean Gregorian year, 30.436875 d")
    u("common year (365 days)", "yr", 365 * DAY, "common", SP811,
      "a year of 365 d; kyr, Myr and Gyr count Julian years of 365.25 d (a_jul)")
    u("Julian year", "a_jul", A_JUL, "astronomy science", IAUSM, "365.25 d")
    u("Gregorian year", "a_greg", F("365.2425") * DAY, "common", ISO8601, "mean Gregorian year, 365.2425 d")
    u("decade (mean Gregorian)", "decade", F("3652.425") * DAY, "common", ISO8601, "10 mean Gregorian years")
    u("century (mean Gregorian)", "century", F("36524.25") * DAY, "common", ISO8601, "100 mean Gregorian years")
    u("thousand Julian years", "kyr", 1000 * A_JUL, "astronomy science", IAUSM, "1000 a")
    u("million Julian years", "Myr", 10 ** 6 * A_JUL, "astronomy science", IAUSM, "10^6 a")
    u("billion Julian years", "Gyr", 10 ** 9 * A_JUL, "astronomy science", IAUSM, "10^9 a")
    u("shake", "shake", F("1e-8"), "science", SP811)
    u("atomic unit of time", "t_au", F("2.4188843265857e-17"), "science", CODATA)
    u("Planck time", "t_P", F("5.391247e-44"), "science", CODATA)

    cat("Electric current", "root", "SI base quantity")
    core("ampere", "A", "SI metric common", SI2, base="A")
    pre("A", "k M m u n p")
    u("abampere", "abA", 10, "CGS", SP811)
    u("statampere", "statA", F(1, 10) / C0, "CGS", SP811, "1 statC/s; 1 statC = 0.1 C.(m/s)/c")

    cat("Temperature", "root",
        "Temperature scales. The scales with an offset are rule units; a category that holds "
        "rule units can only be used alone, so K, mK and the scales here cannot appear in a "
        "compound unit. Thermal quantities such as W/m.dK use the Temperature difference category")
    core("kelvin", "K", "SI metric science common", SI2, base="K")
    pre("K", "m u n")
    rule("degree Celsius", "\u00b0C", "#-273.15", "#+273.15", "SI metric common", SI4,
         "t/\u00b0C = T/K - 273.15")
    rule("degree Fahrenheit", "\u00b0F", "(#-273.15)*1.8+32", "(#-32)/1.8+273.15",
         "US imperial common", SP811, "t/\u00b0F = 1.8 t/\u00b0C + 32")
    u("degree Rankine", "\u00b0R", F(5, 9), "US engineering", SP811, "T/\u00b0R = 1.8 T/K")
    rule("degree Reaumur", "\u00b0Re", "(#-273.15)*0.8", "#*1.25+273.15", "historic", SP811,
         "t/\u00b0Re = 0.8 t/\u00b0C")

    cat("Temperature difference", "root",
        "Temperature differences and intervals. Kept apart from the scales so that they can "
        "stand in compound units: 1 [W/m.dK] converts to [Btu_h/ft.d\u00b0F] unit by unit and to "
        "[Btu/h.ft.d\u00b0F] through the SI base units, while 1 [W/m.K] is refused because K "
        "belongs to the category of the rule units")
    core("kelvin (difference)", "dK", "SI metric science", SI2, "a temperature interval of 1 K", base="K")
    pre("dK", "m")
    u("degree Celsius (difference)", "d\u00b0C", 1, "SI metric common", SI4, "equal to 1 K")
    u("degree Fahrenheit (difference)", "d\u00b0F", F(5, 9), "US imperial common", SP811, "5/9 K")
    u("degree Rankine (difference)", "d\u00b0R", F(5, 9), "US engineering", SP811, "5/9 K")
    u("degree Reaumur (difference)", "d\u00b0Re", F(5, 4), "historic", SP811, "1.25 K")

    cat("Amount of substance", "root", "SI base quantity")
    core("mole", "mol", "SI metric science", SI2, base="mol")
    pre("mol", "k m u n p f")
    u("pound-mole", "lbmol", 1000 * LB, "US engineering", SP811, "453.59237 mol")
    u("number of entities", "ent", 1 / N_A, "science", SI1, "1/N_A mol")

    cat("Luminous intensity", "root", "SI base quantity")
    core("candela", "cd", "SI metric", SI2, base="cd")
    pre("cd", "k m")

    for section in (space_and_time, mechanics, thermal, electromagnetism, light_and_radiation,
                    chemistry, fluids, navigation_and_astronomy, computing, household, ratios):
        section(db)
    resolve(db)
    return db




def _short(db):
    return db.domain, db.category, db.core, db.u, db.d, db.rule, db.pre


# =================================================================== Space
def space_and_time(db):
    dom, cat, core, u, d, rule, pre = _short(db)
    dom("Space and time", "Areas, volumes, frequencies and the rates of motion")

    cat("Area", "sup", "Supplementary to Length: the units are powers of a length, written "
        "relative to m^2, so that 3 [ha] converts through the length dimension of degree 2")
    core("square metre", "m^2", "SI metric common", SI5)
    for p, n in (("k", "kilo"), ("d", "deci"), ("c", "centi"), ("m", "milli"), ("u", "micro")):
        d("square %smetre" % n, p + "m^2").prefixed = "m^2"
    u("are", "a", 100, "metric historic", SP811, "100 m^2")
    u("decare", "daa", 1000, "metric", SI7 + "; " + SP811, "SI prefix deca on the are")
    u("hectare", "ha", 10000, "metric common", SI8, "10^4 m^2")
    d("square inch", "in^2", "US imperial common")
    d("square foot", "ft^2", "US imperial common")
    d("square yard", "yd^2", "US imperial common")
    d("square mile", "mi^2", "US imperial common")
    u("acre", "acre", 43560 * FT ** 2, "US imperial common", HB44, "international acre, 43560 ft^2")
    u("US survey acre", "acre_US", 43560 * FT_US ** 2, "US historic", HB44 + "; " + SURVEY23,
      "43560 US survey ft^2; the survey foot is retired since 2023")
    u("rood", "rood", 10890 * FT ** 2, "imperial historic", UKWMA63, "1/4 acre")
    u("section", "section", MI ** 2, "US", HB44, "1 square mile")
    u("township", "township", 36 * MI ** 2, "US", HB44, "36 square miles")
    u("circular mil", "cmil", PI / 4 * (IN / 1000) ** 2, "US engineering", SP811,
      "area of a circle of 1 mil diameter")
    u("barn", "barn", F("1e-28"), "science", SP811)
    u("tsubo (Japanese)", "tsubo", (6 * F(10, 33)) ** 2, "regional historic", JPML, "1 square ken")
    u("pyeong (Korean)", "pyeong", (6 * F(10, 33)) ** 2, "regional", JPML,
      "400/121 m^2, the Korean name of the tsubo")
    u("mu (Chinese)", "mu", F(10000, 15), "regional", PRC59, "60 square zhang, 10000/15 m^2")
    u("dunam (metric)", "dunam", 1000, "regional", PAL28, "1000 m^2")

    cat("Volume", "sup", "Supplementary to Length: the units are written relative to m^3. "
        "Liquid, dry and kitchen measures all stand here, because only one supplementary "
        "category of degree 3 may exist over the length")
    core("cubic metre", "m^3", "SI metric common", SI5)
    for p, n in (("k", "kilo"), ("d", "deci"), ("c", "centi"), ("m", "milli")):
        d("cubic %smetre" % n, p + "m^3").prefixed = "m^3"
    u("litre", "L", "0.001", "metric common cooking", SI8, "1 dm^3")
    pre("L", "k h d c m u n M")
    d("cubic inch", "in^3", "US imperial")
    d("cubic foot", "ft^3", "US imperial common")
    d("cubic yard", "yd^3", "US imperial")
    d("cubic mile", "mi^3", "US imperial")
    u("acre-foot", "ac_ft", 43560 * FT ** 3, "US", HB44, "43560 ft^3")
    u("gallon (US liquid)", "gal", GAL, "US common cooking", HB44,
      "231 in^3; Gal (capital G) is the gal of acceleration (typed also as gal_US)")
    u("quart (US liquid)", "qt", GAL / 4, "US common cooking", HB44, "1/4 gal")
    u("pint (US liquid)", "pt", GAL / 8, "US common cooking", HB44,
      "1/8 gal; typographic points are pt_DTP and pt_TeX (typed also as pt_US)")
    u("cup (US customary)", "cup", GAL / 16, "US cooking", HB44, "1/2 pint")
    u("gill (US)", "gi", GAL / 32, "US historic", HB44, "1/4 pint")
    u("fluid ounce (US)", "fl_oz", GAL / 128, "US common cooking", HB44, "1/128 gal")
    u("tablespoon (US)", "tbsp", GAL / 256, "US cooking", HB44, "1/2 fl oz")
    u("teaspoon (US)", "tsp", GAL / 768, "US cooking", HB44, "1/6 fl oz")
    u("fluid dram (US)", "fl_dr", GAL / 1024, "US medicine historic", HB44, "1/8 fl oz")
    u("minim (US)", "minim", GAL / 61440, "US medicine historic", HB44, "1/60 fluid dram")
    u("cup (US nutrition labelling)", "cup_FDA", F("0.00024"), "US cooking", CFR, "240 mL")
    u("cup (metric, Australian)", "cup_m", F("0.00025"), "metric cooking", AS2710,
      "250 mL, the cup of Australian, Canadian and New Zealand recipes")
    u("tablespoon (Australian)", "tbsp_AU", F("0.00002"), "metric cooking", AS2710, "20 mL")
    u("cup (imperial)", "cup_UK", GAL_UK / 16, "imperial cooking", UKWMA,
      "half an imperial pint, 10 imperial fluid ounces")
    u("tablespoon (nutrition labelling)", "tbsp_m", F("0.000015"), "metric cooking", CFR, "15 mL")
    u("teaspoon (nutrition labelling)", "tsp_m", F("0.000005"), "metric cooking", CFR, "5 mL")
    u("fluid ounce (nutrition labelling)", "fl_oz_m", F("0.00003"), "US cooking", CFR, "30 mL")
    u("barrel (petroleum)", "bbl", 42 * GAL, "US engineering", HB44, "42 gal")
    u("barrel (US liquid)", "bbl_US", F("31.5") * GAL, "US historic", HB44, "31.5 gal")
    u("hogshead (US)", "hhd", 63 * GAL, "US historic", HB44, "63 gal")
    u("bushel (US)", "bu", BU_US, "US", HB44, "2150.42 in^3")
    u("peck (US)", "pk", BU_US / 4, "US historic", HB44, "1/4 bushel")
    u("quart (US dry)", "qt_dry", BU_US / 32, "US", HB44, "1/32 bushel")
    u("pint (US dry)", "pt_dry", BU_US / 64, "US", HB44, "1/64 bushel")
    u("barrel (US dry)", "bbl_dry", 7056 * IN ** 3, "US historic", HB44, "7056 in^3")
    u("gallon (imperial)", "gal_UK", GAL_UK, "imperial common", UKWMA, "4.54609 L exactly")
    u("quart (imperial)", "qt_UK", GAL_UK / 4, "imperial", UKWMA, "1/4 gallon")
    u("pint (imperial)", "pt_UK", GAL_UK / 8, "imperial common", UKWMA, "1/8 gallon")
    u("gill (imperial)", "gi_UK", GAL_UK / 32, "imperial historic", UKWMA, "1/4 pint")
    u("fluid ounce (imperial)", "fl_oz_UK", GAL_UK / 160, "imperial cooking", UKWMA, "1/160 gallon")
    u("fluid drachm (imperial)", "fl_dr_UK", GAL_UK / 1280, "imperial historic medicine", UKWMA63, "1/8 fl oz")
    u("peck (imperial)", "pk_UK", 2 * GAL_UK, "imperial historic", UKWMA63, "2 gallons")
    u("bushel (imperial)", "bu_UK", 8 * GAL_UK, "imperial historic", UKWMA63, "8 gallons")
    u("cord", "cord", 128 * FT ** 3, "US", HB44, "128 ft^3 of stacked wood")
    u("board foot", "FBM", 144 * IN ** 3, "US engineering", SP811, "144 in^3")
    u("stere", "stere", 1, "metric historic", SP811, "1 m^3")
    u("register ton", "RT", 100 * FT ** 3, "navigation", SP811, "100 ft^3")
    u("sho (Japanese)", "sho", F(2401, 1331) / 1000, "regional historic", JPML, "2401/1331 L")
    u("go (Japanese)", "go", F(2401, 1331) / 10000, "regional historic", JPML, "1/10 sho")

    cat("Second moment of area", "sup", "Supplementary to Length of degree 4, for beam sections")
    core("metre to the fourth", "m^4", "SI metric engineering", SI5)
    for p, n in (("d", "deci"), ("c", "centi"), ("m", "milli")):
        d("%smetre to the fourth" % n, p + "m^4", "SI metric engineering").prefixed = "m^4"
    d("inch to the fourth", "in^4", "US engineering")
    d("foot to the fourth", "ft^4", "US engineering")

    cat("Frequency", "root", "Periodic phenomena, 1/s")
    core("hertz", "Hz", "SI metric common", SI4, base="1/s")
    pre("Hz", "k M G T m u")
    d("reciprocal second", "1/s", "SI")
    d("reciprocal minute", "1/min", "SI")
    d("reciprocal hour", "1/h", "SI")
    d("reciprocal day", "1/d", "SI")
    # rpm counts turns per minute, a rotational frequency: 1500 rpm = 25 Hz.  An angular
    # velocity is written with the angle unit rev: 1500 [rev/min] = 157.08 rad/s.
    u("revolution per minute (rotational frequency)", "rpm", F(1, 60), "common engineering", ISO3,
      "1/min: turns per minute, 1500 rpm = 25 Hz; for the angular velocity write rev/min")
    u("revolution per second (rotational frequency)", "rps", 1, "engineering", ISO3,
      "1/s: turns per second; for the angular velocity write rev/s")

    cat("Acceleration", "root", "Root category rather than compound: the gal and the standard "
        "gravity are single names, which a compound category cannot hold")
    core("metre per second squared", "m/s^2", "SI metric common", SI5, base="m/s^2")
    u("gal (galileo, acceleration)", "Gal", F("0.01"), "CGS science", SP811,
      "1 cm/s^2, used in geodesy; the US gallon is gal")
    pre("Gal", "m u")
    u("standard acceleration of gravity", "g_n", G0, "science engineering common", SP811, "9.80665 m/s^2")
    d("centimetre per second squared", "cm/s^2", "metric")
    d("millimetre per second squared", "mm/s^2", "metric")
    d("foot per second squared", "ft/s^2", "US imperial")
    d("inch per second squared", "in/s^2", "US imperial")
    d("mile per hour per second", "mph/s", "US imperial")
    d("knot per second", "kn/s", "navigation")

    cat("Jerk", "comp", "Rate of change of acceleration")
    core("metre per second cubed", "m/s^3", "SI metric science", SI5)
    d("centimetre per second cubed", "cm/s^3", "metric")
    d("foot per second cubed", "ft/s^3", "US imperial")
    d("inch per second cubed", "in/s^3", "US imperial")

    cat("Wavenumber and optical power", "root", "Reciprocal length")
    core("reciprocal metre", "1/m", "SI metric science", SI5, base="1/m")
    d("reciprocal centimetre (kayser)", "1/cm", "CGS science")
    d("reciprocal millimetre", "1/mm", "metric science")
    d("reciprocal micrometre", "1/um", "metric science")
    d("reciprocal kilometre", "1/km", "metric")
    d("reciprocal inch", "1/in", "US")
    d("reciprocal foot", "1/ft", "US")
    u("dioptre", "dpt", 1, "metric medicine", SP811, "optical power, 1/m")

    cat("Number density", "comp", "Count per volume, written with lengths cubed")
    core("reciprocal cubic metre", "1/m^3", "SI metric science", SI5)
    d("reciprocal cubic centimetre", "1/cm^3", "CGS science")
    d("reciprocal cubic millimetre", "1/mm^3", "metric medicine")
    d("reciprocal cubic foot", "1/ft^3", "US")
    d("reciprocal cubic inch", "1/in^3", "US")


# =============================================================== Mechanics
def mechanics(db):
    dom, cat, core, u, d, rule, pre = _short(db)
    dom("Mechanics", "Force, pressure, energy, power and their combinations")

    cat("Force", "root", "Derived SI quantity")
    core("newton", "N", "SI metric common", SI4, base="kg.m/s^2")
    pre("N", "k M m u n da")
    u("dyne", "dyn", F("1e-5"), "CGS", SP811)
    u("kilogram-force", "kgf", G0, "metric historic engineering", SP811)
    u("gram-force", "gf", G0 / 1000, "metric historic", SP811)
    u("tonne-force", "tf", 1000 * G0, "metric engineering", SP811)
    u("pound-force", "lbf", LBF, "US imperial engineering common", SP811)
    u("ounce-force", "ozf", LBF / 16, "US imperial", SP811)
    u("kip", "kip", 1000 * LBF, "US engineering", SP811, "1000 lbf")
    u("ton-force (short)", "tonf_US", 2000 * LBF, "US engineering", SP811)
    u("ton-force (long)", "tonf_UK", 2240 * LBF, "imperial engineering", SP811)
    u("poundal", "pdl", LB * FT, "imperial historic", SP811, "1 lb.ft/s^2")

    cat("Pressure and stress", "root", "Derived SI quantity")
    core("pascal", "Pa", "SI metric common", SI4, base="kg/m.s^2")
    pre("Pa", "h k M G m u")
    u("bar", "bar", 100000, "metric common", SP811, "10^5 Pa")
    pre("bar", "m k u")
    u("standard atmosphere", "atm", ATM, "science common", SP811, "101325 Pa")
    u("technical atmosphere", "at", G0 * 10000, "metric historic", SP811, "1 kgf/cm^2")
    u("torr", "Torr", ATM / 760, "science", SP811, "1/760 atm")
    pre("Torr", "m")
    u("millimetre of mercury", "mmHg", MMHG, "medicine science", SP811,
      "conventional: 13595.1 kg/m^3 x g_n x 1 mm")
    u("centimetre of mercury", "cmHg", 10 * MMHG, "science", SP811, "conventional")
    u("inch of mercury", "inHg", MMHG * F("25.4"), "US", SP811, "conventional, 25.4 mmHg")
    u("metre of water (pump head)", "mH2O", H2O, "engineering metric", SP811,
      "conventional: 1000 kg/m^3 x g_n x 1 m = 9806.65 Pa")
    u("millimetre of water", "mmH2O", H2O / 1000, "engineering", SP811, "conventional: 1000 kg/m^3 x g_n x 1 mm")
    u("centimetre of water", "cmH2O", H2O / 100, "engineering medicine", SP811, "conventional")
    u("inch of water", "inH2O", H2O * IN, "US engineering", SP811, "conventional water column, as for the cmH2O")
    u("foot of water", "ftH2O", H2O * FT, "US engineering", SP811, "conventional water column, as for the cmH2O")
    u("pound-force per square inch", "psi", LBF / IN ** 2, "US imperial common", SP811)
    u("kilopound-force per square inch", "ksi", 1000 * LBF / IN ** 2, "US engineering", SP811)
    d("pound-force per square foot", "lbf/ft^2", "US engineering")
    d("kilogram-force per square centimetre", "kgf/cm^2", "metric historic")
    d("kilogram-force per square metre", "kgf/m^2", "metric historic")
    d("newton per square millimetre", "N/mm^2", "metric engineering")
    d("dyne per square centimetre", "dyn/cm^2", "CGS")
    d("newton per square centimetre", "N/cm^2", "metric engineering")
    d("kilonewton per square metre", "kN/m^2", "metric engineering")
    d("meganewton per square metre", "MN/m^2", "metric engineering")
    d("ton-force (short) per square inch", "tonf_US/in^2", "US engineering")
    u("barye", "Ba", F("0.1"), "CGS", SP811, "1 dyn/cm^2")

    cat("Energy, work and heat", "root", "Derived SI quantity")
    core("joule", "J", "SI metric common", SI4, base="kg.m^2/s^2")
    pre("J", "k M G T P E m u n p f")
    u("watt hour", "Wh", 3600, "SI common", SP811, "3600 J")
    pre("Wh", "k M G T m")
    u("electronvolt", "eV", EV, "science SI", SI8, "e x 1 V, exact")
    pre("eV", "k M G T m")
    u("erg", "erg", F("1e-7"), "CGS", SP811)
    u("calorie (thermochemical)", "cal", CAL, "science cooking", SP811, "4.184 J exactly")
    pre("cal", "k")
    u("Calorie (food)", "Cal", 1000 * CAL, "cooking common", SP811, "kilocalorie (thermochemical)")
    u("calorie (International Table)", "cal_IT", CAL_IT, "science engineering", SP811, "4.1868 J exactly")
    pre("cal_IT", "k")
    u("British thermal unit (International Table)", "Btu", BTU, "US imperial engineering common", SP811,
      "1 cal_IT/(g.d\u00b0C) x 1 lb x 1 d\u00b0F = 1055.05585262 J exactly")
    u("British thermal unit (thermochemical)", "Btu_th", BTU_TH, "US science", SP811,
      "1 cal/(g.d\u00b0C) x 1 lb x 1 d\u00b0F")
    u("million Btu", "MMBtu", 10 ** 6 * BTU, "US engineering", SP811, "10^6 Btu (IT)")
    u("therm (EC, 105.506 MJ)", "thm", F("1.05506e8"), "imperial engineering", SP811,
      "the European therm, 105.506 MJ exactly; the US therm is thm_US (typed also as thm_EC)")
    u("therm (US, 105.4804 MJ)", "thm_US", F("1.054804e8"), "US engineering", SP811, "100000 Btu at 59 \u00b0F")
    u("quad", "quad", 10 ** 15 * BTU, "US engineering", SP811, "10^15 Btu (IT)")
    d("foot pound-force", "ft.lbf", "US imperial engineering")
    d("inch pound-force", "in.lbf", "US imperial engineering")
    d("horsepower hour", "hp.h", "US imperial engineering")
    d("kilogram-force metre", "kgf.m", "metric historic")
    u("ton of TNT", "tTNT", 10 ** 9 * CAL, "science", SP811, "10^9 cal (thermochemical)")
    pre("tTNT", "k M", "science")
    u("tonne of oil equivalent", "toe", 10 ** 10 * CAL_IT, "engineering", IEA, "10^7 kcal (IT)")
    u("Hartree energy", "E_h", E_H, "science", CODATA)
    u("Rydberg energy", "Ry", E_H / 2, "science", CODATA, "half the Hartree energy")

    cat("Power", "root", "Derived SI quantity. Apparent and reactive power (VA, var) share the dimension")
    core("watt", "W", "SI metric common", SI4, base="kg.m^2/s^3")
    pre("W", "k M G T m u n p")
    u("horsepower (mechanical)", "hp", HP, "US imperial common", SP811, "550 ft.lbf/s")
    u("horsepower (metric)", "PS", 75 * G0, "metric common", SP811, "75 kgf.m/s")
    u("horsepower (electric)", "hp_E", 746, "US engineering", SP811, "746 W exactly")
    u("horsepower (boiler)", "hp_boiler", F("9809.5"), "US engineering historic", SP811, "9.80950 kW")
    u("Btu (IT) per hour", "Btu_h", BTU / 3600, "US imperial engineering", SP811,
      "single name so that it can stand in thermal units such as Btu_h/ft.d\u00b0F")
    u("ton of refrigeration", "TR", 12000 * BTU / 3600, "US engineering", SP811, "12000 Btu (IT)/h")
    d("Btu (IT) per minute", "Btu/min", "US engineering")
    d("Btu (IT) per second", "Btu/s", "US engineering")
    d("foot pound-force per second", "ft.lbf/s", "US engineering")
    d("foot pound-force per minute", "ft.lbf/min", "US engineering")
    d("erg per second", "erg/s", "CGS")
    d("calorie (thermochemical) per second", "cal/s", "science")
    d("kilocalorie (thermochemical) per hour", "kcal/h", "engineering")
    d("joule per hour", "J/h", "metric")
    u("volt ampere", "VA", 1, "SI engineering", "IEC 60050-131", "apparent power")
    pre("VA", "k M")
    u("var", "var", 1, "SI engineering", "IEC 60050-131", "reactive power")
    pre("var", "k M")
    u("nominal solar luminosity", "L_sun", F("3.828e26"), "astronomy", IAU15B3)

    cat("Torque", "comp", "Moment of force; compound of force and length. Energy units (J, ft.lbf) "
        "stand in the energy category although they share the dimension")
    core("newton metre", "N.m", "SI metric engineering", SI6)
    for s, n, k in (("kN.m", "kilonewton metre", None), ("MN.m", "meganewton metre", None), ("N.cm", "newton centimetre", None),
                    ("N.mm", "newton millimetre", None), ("mN.m", "millinewton metre", None),
                    ("daN.m", "decanewton metre", None), ("lbf.ft", "pound-force foot", None),
                    ("lbf.in", "pound-force inch", None), ("ozf.in", "ounce-force inch", None),
                    ("kip.ft", "kip foot", None), ("kgf.cm", "kilogram-force centimetre", None),
                    ("kgf.mm", "kilogram-force millimetre", None), ("gf.cm", "gram-force centimetre", None),
                    ("dyn.cm", "dyne centimetre", "CGS")):
        d(n, s, k)

    cat("Momentum", "comp", "Mass times velocity")
    core("kilogram metre per second", "kg.m/s", "SI metric science", SI5)
    d("gram centimetre per second", "g.cm/s", "CGS")
    d("pound foot per second", "lb.ft/s", "US imperial")
    d("pound inch per second", "lb.in/s", "US imperial")
    d("kilogram kilometre per hour", "kg.km/h", "metric")

    cat("Impulse", "comp", "Force times time")
    core("newton second", "N.s", "SI metric science", SI6)
    d("kilonewton second", "kN.s")
    d("dyne second", "dyn.s", "CGS")
    d("pound-force second", "lbf.s", "US engineering")
    d("kilogram-force second", "kgf.s", "metric historic")

    cat("Angular momentum", "comp", "Moment of momentum")
    core("kilogram metre squared per second", "kg.m^2/s", "SI metric science", SI5)
    d("gram centimetre squared per second", "g.cm^2/s", "CGS")
    d("pound foot squared per second", "lb.ft^2/s", "US imperial")

    cat("Moment of inertia", "comp", "Mass times length squared")
    core("kilogram metre squared", "kg.m^2", "SI metric engineering", SI5)
    d("gram centimetre squared", "g.cm^2", "CGS")
    d("kilogram centimetre squared", "kg.cm^2", "metric")
    d("pound foot squared", "lb.ft^2", "US imperial")
    d("pound inch squared", "lb.in^2", "US imperial")
    d("ounce inch squared", "oz.in^2", "US imperial")
    d("slug foot squared", "slug.ft^2", "US engineering")

    cat("Force per length and surface tension", "comp", "Spring rates, line loads and surface tension")
    core("newton per metre", "N/m", "SI metric engineering", SI6)
    for s, n, k in (("kN/m", "kilonewton per metre", None), ("N/mm", "newton per millimetre", None),
                    ("N/cm", "newton per centimetre", None), ("mN/m", "millinewton per metre", None),
                    ("dyn/cm", "dyne per centimetre", "CGS"), ("lbf/in", "pound-force per inch", None),
                    ("lbf/ft", "pound-force per foot", None), ("kgf/m", "kilogram-force per metre", None),
                    ("kgf/cm", "kilogram-force per centimetre", None), ("kip/ft", "kip per foot", None)):
        d(n, s, k)

    cat("Energy density", "comp", "Energy per volume, written with lengths cubed")
    core("joule per cubic metre", "J/m^3", "SI metric science", SI6)
    for s, n, k in (("kJ/m^3", "kilojoule per cubic metre", None), ("MJ/m^3", "megajoule per cubic metre", None),
                    ("kWh/m^3", "kilowatt hour per cubic metre", None), ("Btu/ft^3", "Btu (IT) per cubic foot", None),
                    ("cal/cm^3", "calorie per cubic centimetre", None), ("kcal/m^3", "kilocalorie per cubic metre", None),
                    ("erg/cm^3", "erg per cubic centimetre", None)):
        d(n, s, k)

    cat("Specific energy", "comp", "Energy per mass, for example heating values and latent heats")
    core("joule per kilogram", "J/kg", "SI metric science", SI6)
    for s, n, k in (("kJ/kg", "kilojoule per kilogram", None), ("MJ/kg", "megajoule per kilogram", None),
                    ("kWh/kg", "kilowatt hour per kilogram", None), ("kWh/t", "kilowatt hour per tonne", None),
                    ("mWh/g", "milliwatt hour per gram", None), ("Wh/kg", "watt hour per kilogram", None),
                    ("Btu/lb", "Btu (IT) per pound", None), ("cal/g", "calorie per gram", None),
                    ("kcal/kg", "kilocalorie per kilogram", None), ("cal_IT/g", "calorie (IT) per gram", None),
                    ("erg/g", "erg per gram", None)):
        d(n, s, k)

    cat("Power density", "comp", "Power per volume")
    core("watt per cubic metre", "W/m^3", "SI metric engineering", SI6)
    d("kilowatt per cubic metre", "kW/m^3")
    d("watt per cubic centimetre", "W/cm^3")
    d("Btu (IT) per hour cubic foot", "Btu_h/ft^3")
    d("watt per cubic foot", "W/ft^3")

    cat("Specific power", "comp", "Power per mass")
    core("watt per kilogram", "W/kg", "SI metric engineering", SI6)
    d("kilowatt per kilogram", "kW/kg")
    d("watt per gram", "W/g")
    d("kilowatt per tonne", "kW/t")
    d("horsepower per pound", "hp/lb")
    d("horsepower (metric) per tonne", "PS/t")

    cat("Action", "root", "Energy times time. Root category so that the Planck constants, single "
        "names, stand here: 1 [h_P.c_0/cm] converts to eV through the SI base units")
    core("joule second", "J.s", "SI metric science", SI6, base="kg.m^2/s")
    u("Planck constant", "h_P", H_PLANCK, "science", SI1, "6.62607015E-34 J.s exactly")
    u("reduced Planck constant", "hbar", H_PLANCK / (2 * PI), "science", CODATA, "h/(2 pi)")
    d("electronvolt second", "eV.s", "science")
    d("erg second", "erg.s", "CGS")

    cat("Specific fuel consumption", "comp", "Fuel mass per energy delivered")
    core("kilogram per joule", "kg/J", "SI metric engineering", SI5)
    d("gram per kilowatt hour", "g/kWh", "metric engineering")
    d("kilogram per kilowatt hour", "kg/kWh", "metric engineering")
    d("gram per megajoule", "g/MJ", "metric engineering")
    d("pound per kilowatt hour", "lb/kWh", "US engineering")
    d("pound per million Btu", "lb/MMBtu", "US engineering")


def _many(db, rows, kw=None):
    for symbol, name in rows:
        db.d(name, symbol, kw)


# ================================================================= Thermal
def thermal(db):
    dom, cat, core, u, d, rule, pre = _short(db)
    dom("Thermodynamics and heat",
        "Thermal quantities are written with temperature differences (dK, d\u00b0C, d\u00b0F, "
        "d\u00b0R): the temperature scales hold rule units and cannot stand in a compound unit")

    cat("Thermal conductivity", "comp", "Heat flow per length and temperature difference")
    core("watt per metre kelvin", "W/m.dK", "SI metric engineering", SI6)
    _many(db, (("W/cm.dK", "watt per centimetre kelvin"), ("mW/m.dK", "milliwatt per metre kelvin"),
               ("W/m.d\u00b0C", "watt per metre degree Celsius"),
               ("Btu_h/ft.d\u00b0F", "Btu (IT) per hour foot degree Fahrenheit"),
               ("W/ft.d\u00b0F", "watt per foot degree Fahrenheit")))

    cat("Heat transfer coefficient", "comp", "Heat flux per temperature difference")
    core("watt per square metre kelvin", "W/m^2.dK", "SI metric engineering", SI6)
    _many(db, (("W/m^2.d\u00b0C", "watt per square metre degree Celsius"),
               ("kW/m^2.dK", "kilowatt per square metre kelvin"),
               ("W/cm^2.dK", "watt per square centimetre kelvin"),
               ("Btu_h/ft^2.d\u00b0F", "Btu (IT) per hour square foot degree Fahrenheit")))

    cat("Thermal insulance (R-value)", "comp", "Area times temperature difference per heat flow")
    core("square metre kelvin per watt", "m^2.dK/W", "SI metric engineering", SI6)
    _many(db, (("m^2.d\u00b0C/W", "square metre degree Celsius per watt"),
               ("ft^2.d\u00b0F/Btu_h", "square foot degree Fahrenheit hour per Btu (IT)"),
               ("cm^2.dK/W", "square centimetre kelvin per watt")))

    cat("Thermal resistance", "comp", "Temperature difference per heat flow")
    core("kelvin per watt", "dK/W", "SI metric engineering", SI6)
    _many(db, (("d\u00b0C/W", "degree Celsius per watt"), ("dK/mW", "kelvin per milliwatt"),
               ("d\u00b0F/Btu_h", "degree Fahrenheit hour per Btu (IT)")))

    cat("Specific heat capacity", "comp", "Heat capacity per mass; also specific entropy")
    core("joule per kilogram kelvin", "J/kg.dK", "SI metric science", SI6)
    _many(db, (("kJ/kg.dK", "kilojoule per kilogram kelvin"), ("J/g.dK", "joule per gram kelvin"),
               ("cal/g.d\u00b0C", "calorie per gram degree Celsius"),
               ("cal_IT/g.d\u00b0C", "calorie (IT) per gram degree Celsius"),
               ("kcal/kg.d\u00b0C", "kilocalorie per kilogram degree Celsius"),
               ("Btu/lb.d\u00b0F", "Btu (IT) per pound degree Fahrenheit"),
               ("Btu_th/lb.d\u00b0F", "Btu (thermochemical) per pound degree Fahrenheit"),
               ("Btu/lb.d\u00b0R", "Btu (IT) per pound degree Rankine")))

    cat("Heat capacity and entropy", "root", "Energy per temperature difference. Root category "
        "so that the Boltzmann constant, a single name, stands here: 300 [k_B.dK] converts to eV")
    core("joule per kelvin", "J/dK", "SI metric science", SI6, base="kg.m^2/s^2.K")
    u("Boltzmann constant", "k_B", F("1.380649e-23"), "science", SI1, "1.380649E-23 J/K exactly")
    _many(db, (("kJ/dK", "kilojoule per kelvin"), ("cal/d\u00b0C", "calorie per degree Celsius"),
               ("kcal/d\u00b0C", "kilocalorie per degree Celsius"),
               ("Btu/d\u00b0F", "Btu (IT) per degree Fahrenheit"), ("Btu/d\u00b0R", "Btu (IT) per degree Rankine"),
               ("cal/dK", "calorie per kelvin")))

    cat("Molar heat capacity", "root", "Heat capacity per amount; also molar entropy. Root "
        "category so that the molar gas constant, a single name, stands here")
    core("joule per mole kelvin", "J/mol.dK", "SI metric science", SI6, base="kg.m^2/s^2.K.mol")
    u("molar gas constant", "R_gas", N_A * F("1.380649e-23"), "science", CODATA,
      "N_A x k_B = 8.314462618... J/(mol.K), exact")
    _many(db, (("cal/mol.dK", "calorie per mole kelvin"), ("kJ/kmol.dK", "kilojoule per kilomole kelvin"),
               ("Btu/lbmol.d\u00b0F", "Btu (IT) per pound-mole degree Fahrenheit")))

    cat("Heat flux and irradiance", "comp", "Power per area")
    core("watt per square metre", "W/m^2", "SI metric engineering", SI6)
    _many(db, (("kW/m^2", "kilowatt per square metre"), ("mW/m^2", "milliwatt per square metre"),
               ("W/cm^2", "watt per square centimetre"), ("mW/cm^2", "milliwatt per square centimetre"),
               ("uW/cm^2", "microwatt per square centimetre"), ("Btu_h/ft^2", "Btu (IT) per hour square foot"),
               ("W/ft^2", "watt per square foot")))

    cat("Thermal expansion coefficient", "comp", "Relative change of length or volume per temperature difference")
    core("reciprocal kelvin", "1/dK", "SI metric science", SI5)
    _many(db, (("1/d\u00b0C", "reciprocal degree Celsius"), ("1/d\u00b0F", "reciprocal degree Fahrenheit"),
               ("1/d\u00b0R", "reciprocal degree Rankine"), ("1/mdK", "reciprocal millikelvin")))

    cat("Temperature gradient", "comp", "Temperature difference per length")
    core("kelvin per metre", "dK/m", "SI metric science", SI5)
    _many(db, (("dK/km", "kelvin per kilometre"), ("d\u00b0C/km", "degree Celsius per kilometre"),
               ("d\u00b0C/cm", "degree Celsius per centimetre"), ("d\u00b0F/ft", "degree Fahrenheit per foot"),
               ("d\u00b0F/in", "degree Fahrenheit per inch"), ("d\u00b0F/mi", "degree Fahrenheit per mile")))

    cat("Temperature change rate", "comp", "Temperature difference per time")
    core("kelvin per second", "dK/s", "SI metric science", SI5)
    _many(db, (("dK/min", "kelvin per minute"), ("dK/h", "kelvin per hour"),
               ("d\u00b0C/min", "degree Celsius per minute"), ("d\u00b0C/h", "degree Celsius per hour"),
               ("d\u00b0F/min", "degree Fahrenheit per minute"), ("d\u00b0F/h", "degree Fahrenheit per hour")))


# ======================================================== Electromagnetism
def electromagnetism(db):
    dom, cat, core, u, d, rule, pre = _short(db)
    dom("Electricity and magnetism", "SI units with the CGS (ab- and stat-) units beside them")

    cat("Electric charge", "root", "Derived SI quantity; battery capacities in ampere hours")
    core("coulomb", "C", "SI metric science", SI4, base="s.A")
    pre("C", "k m u n p")
    u("ampere hour", "Ah", 3600, "engineering common", SP811, "3600 C")
    pre("Ah", "k m")
    u("abcoulomb", "abC", 10, "CGS", SP811)
    u("statcoulomb (franklin)", "statC", F(1, 10) / C0, "CGS", SP811, "0.1 C.(m/s)/c")
    u("elementary charge", "e", E_CH, "science", SI1, "exact")
    u("faraday", "Fd", E_CH * N_A, "science", SI1, "charge of one mole of electrons, N_A x e")

    cat("Electric potential difference", "root", "Voltage; derived SI quantity")
    core("volt", "V", "SI metric common", SI4, base="kg.m^2/s^3.A")
    pre("V", "k M m u n")
    u("abvolt", "abV", F("1e-8"), "CGS", SP811)
    u("statvolt", "statV", C0 / 10 ** 6, "CGS", SP811, "c x 10^-6 V.s/m")

    cat("Electric resistance", "root", "Derived SI quantity. Symbol Ohm: the notation cannot read the omega")
    core("ohm", "Ohm", "SI metric common", SI4, base="kg.m^2/s^3.A^2")
    pre("Ohm", "k M G m u")
    u("abohm", "abOhm", F("1e-9"), "CGS", SP811)
    u("statohm", "statOhm", C0 ** 2 / 10 ** 5, "CGS", SP811, "1 statV/statA")

    cat("Electric conductance", "root", "Derived SI quantity")
    core("siemens", "S", "SI metric science", SI4, base="s^3.A^2/kg.m^2")
    pre("S", "k m u n")
    u("mho", "mho", 1, "historic engineering", SP811, "equal to the siemens")
    u("abmho", "abS", 10 ** 9, "CGS", SP811)
    u("statmho", "statS", 10 ** 5 / C0 ** 2, "CGS", SP811, "1 statA/statV")

    cat("Capacitance", "root", "Derived SI quantity")
    core("farad", "F", "SI metric science", SI4, base="s^4.A^2/kg.m^2")
    pre("F", "m u n p f")
    u("abfarad", "abF", 10 ** 9, "CGS", SP811)
    u("statfarad", "statF", 10 ** 5 / C0 ** 2, "CGS", SP811, "1 statC/statV")

    cat("Inductance", "root", "Derived SI quantity")
    core("henry", "H", "SI metric science", SI4, base="kg.m^2/s^2.A^2")
    pre("H", "m u n p")
    u("abhenry", "abH", F("1e-9"), "CGS", SP811)
    u("stathenry", "statH", C0 ** 2 / 10 ** 5, "CGS", SP811, "1 statV.s/statA")

    cat("Magnetic flux", "root", "Derived SI quantity")
    core("weber", "Wb", "SI metric science", SI4, base="kg.m^2/s^2.A")
    pre("Wb", "m u n")
    u("maxwell", "Mx", F("1e-8"), "CGS", SP811)
    u("unit pole", "unit_pole", 4 * PI / 10 ** 8, "CGS historic", SP811, "4 pi Mx")
    u("magnetic flux quantum", "Phi_0", H_PLANCK / (2 * E_CH), "science", CODATA, "h/2e, exact")

    cat("Magnetic flux density", "root", "Derived SI quantity")
    core("tesla", "T", "SI metric science", SI4, base="kg/s^2.A")
    pre("T", "m u n p")
    u("gauss", "G", F("1e-4"), "CGS", SP811)
    pre("G", "m")
    u("gamma", "gamma", F("1e-9"), "historic science", SP811, "1 nT")

    cat("Magnetic field strength", "root", "Root category: the oersted is a single name")
    core("ampere per metre", "A/m", "SI metric science", SI5, base="A/m")
    d("kiloampere per metre", "kA/m")
    d("ampere per centimetre", "A/cm")
    d("ampere per millimetre", "A/mm")
    u("oersted", "Oe", 1000 / (4 * PI), "CGS", SP811, "1000/(4 pi) A/m")
    pre("Oe", "m")

    cat("Magnetomotive force", "root", "Ampere-turns; dimension of the ampere, kept apart from the current")
    core("ampere-turn", "At", "SI engineering", SP811, base="A")
    u("gilbert", "Gi", 10 / (4 * PI), "CGS", SP811, "10/(4 pi) A")

    cat("Electric field strength", "comp", "Voltage per length")
    core("volt per metre", "V/m", "SI metric science", SI6)
    _many(db, (("kV/m", "kilovolt per metre"), ("MV/m", "megavolt per metre"), ("V/cm", "volt per centimetre"),
               ("kV/cm", "kilovolt per centimetre"), ("V/mm", "volt per millimetre"),
               ("kV/mm", "kilovolt per millimetre"), ("V/in", "volt per inch"), ("V/mil", "volt per mil"),
               ("statV/cm", "statvolt per centimetre"), ("abV/cm", "abvolt per centimetre")))

    cat("Electric resistivity", "comp", "Resistance times length")
    core("ohm metre", "Ohm.m", "SI metric science", SI6)
    _many(db, (("Ohm.cm", "ohm centimetre"), ("Ohm.mm", "ohm millimetre"), ("uOhm.cm", "microohm centimetre"),
               ("uOhm.m", "microohm metre"), ("kOhm.cm", "kiloohm centimetre"), ("MOhm.cm", "megaohm centimetre")))

    cat("Electric conductivity", "comp", "Conductance per length")
    core("siemens per metre", "S/m", "SI metric science", SI6)
    _many(db, (("mS/m", "millisiemens per metre"), ("S/cm", "siemens per centimetre"),
               ("mS/cm", "millisiemens per centimetre"), ("uS/cm", "microsiemens per centimetre"),
               ("uS/m", "microsiemens per metre")))

    cat("Current density", "comp", "Current per area")
    core("ampere per square metre", "A/m^2", "SI metric engineering", SI5)
    _many(db, (("kA/m^2", "kiloampere per square metre"), ("A/cm^2", "ampere per square centimetre"),
               ("mA/cm^2", "milliampere per square centimetre"), ("A/mm^2", "ampere per square millimetre"),
               ("A/in^2", "ampere per square inch"), ("A/ft^2", "ampere per square foot")))

    cat("Permittivity", "root", "Capacitance per length; root so that the electric constant stands here")
    core("farad per metre", "F/m", "SI metric science", SI6, base="s^4.A^2/kg.m^3")
    u("vacuum electric permittivity", "eps_0", F("8.8541878128e-12"), "science", CODATA, "measured")
    _many(db, (("pF/m", "picofarad per metre"), ("nF/m", "nanofarad per metre"), ("uF/m", "microfarad per metre"),
               ("pF/cm", "picofarad per centimetre")))

    cat("Permeability", "root", "Inductance per length; root so that the magnetic constant stands here")
    core("henry per metre", "H/m", "SI metric science", SI6, base="kg.m/s^2.A^2")
    u("vacuum magnetic permeability", "mu_0", F("1.25663706212e-6"), "science", CODATA, "measured")
    _many(db, (("uH/m", "microhenry per metre"), ("nH/m", "nanohenry per metre"), ("mH/m", "millihenry per metre")))

    cat("Surface charge density", "comp", "Charge per area; also electric displacement")
    core("coulomb per square metre", "C/m^2", "SI metric science", SI6)
    _many(db, (("C/cm^2", "coulomb per square centimetre"), ("uC/cm^2", "microcoulomb per square centimetre"),
               ("mC/m^2", "millicoulomb per square metre"), ("nC/cm^2", "nanocoulomb per square centimetre")))

    cat("Electric charge density", "comp", "Charge per volume, written with lengths cubed")
    core("coulomb per cubic metre", "C/m^3", "SI metric science", SI6)
    _many(db, (("C/cm^3", "coulomb per cubic centimetre"), ("mC/m^3", "millicoulomb per cubic metre"),
               ("uC/m^3", "microcoulomb per cubic metre")))

    cat("Electric dipole moment", "root", "Root category: the debye is a single name")
    core("coulomb metre", "C.m", "SI metric science", SI6, base="m.s.A")
    u("debye", "D", F("1e-21") / C0, "science", SP811, "10^-21 C.m^2/s divided by c")
    d("atomic unit of electric dipole moment", "e.a_0", "science")
    d("coulomb centimetre", "C.cm", "metric")

    cat("Magnetic dipole moment", "root", "Root category: the magnetons are single names")
    core("ampere square metre", "A.m^2", "SI metric science", SI5, base="m^2.A")
    d("joule per tesla", "J/T", "SI science")
    d("erg per gauss", "erg/G", "CGS")
    u("Bohr magneton", "mu_B", F("9.2740100783e-24"), "science", CODATA)
    u("nuclear magneton", "mu_N", F("5.0507837461e-27"), "science", CODATA)

    cat("Charge carrier mobility", "comp", "Drift velocity per field strength")
    core("square metre per volt second", "m^2/V.s", "SI metric science", SI6)
    _many(db, (("cm^2/V.s", "square centimetre per volt second"), ("mm^2/V.s", "square millimetre per volt second")))


# =================================================================== Light
def light_and_radiation(db):
    dom, cat, core, u, d, rule, pre = _short(db)
    dom("Light and radiation", "Photometry, radiometry and ionising radiation")

    cat("Luminous flux", "root", "Derived SI quantity; the steradian is dimensionless")
    core("lumen", "lm", "SI metric common", SI4, base="cd")
    pre("lm", "k m")

    cat("Illuminance", "root", "Derived SI quantity")
    core("lux", "lx", "SI metric common", SI4, base="cd/m^2")
    pre("lx", "k m")
    u("foot-candle", "fc", 1 / FT ** 2, "US engineering", SP811, "1 lm/ft^2")
    u("phot", "ph", 10000, "CGS", SP811, "1 lm/cm^2")

    cat("Luminance", "root", "Root category: stilb, lambert and nit-like names are single names")
    core("candela per square metre", "cd/m^2", "SI metric", SI5, base="cd/m^2")
    u("stilb", "sb", 10000, "CGS", SP811, "1 cd/cm^2")
    u("lambert", "La", 10000 / PI, "CGS", SP811, "1/pi cd/cm^2")
    u("foot-lambert", "fL", 1 / (PI * FT ** 2), "US engineering", SP811, "1/pi cd/ft^2")
    d("candela per square foot", "cd/ft^2", "US")
    d("candela per square inch", "cd/in^2", "US")
    d("candela per square centimetre", "cd/cm^2", "metric")

    cat("Luminous efficacy", "comp", "Luminous flux per power")
    core("lumen per watt", "lm/W", "SI metric engineering", SI6)
    d("lumen per milliwatt", "lm/mW")
    d("kilolumen per watt", "klm/W")

    cat("Luminous energy", "comp", "Luminous flux times time")
    core("lumen second", "lm.s", "SI metric", SI6)
    _many(db, (("lm.min", "lumen minute"), ("lm.h", "lumen hour"), ("klm.h", "kilolumen hour")))

    cat("Luminous exposure", "comp", "Illuminance times time")
    core("lux second", "lx.s", "SI metric", SI6)
    _many(db, (("lx.h", "lux hour"), ("klx.h", "kilolux hour")))

    cat("Radioactivity", "root", "Activity of a radionuclide; derived SI quantity, 1/s")
    core("becquerel", "Bq", "SI metric science medicine", SI4, base="1/s")
    pre("Bq", "k M G T P")
    u("curie", "Ci", F("3.7e10"), "historic science medicine", SP811)
    pre("Ci", "m u n p")

    cat("Absorbed dose", "root", "Derived SI quantity")
    core("gray", "Gy", "SI metric science medicine", SI4, base="m^2/s^2")
    pre("Gy", "k c m u n")
    u("rad (absorbed dose, 0.01 Gy)", "rd", F("0.01"), "historic medicine", SP811,
      "0.01 Gy; symbol rd because rad is the radian")
    pre("rd", "m")

    cat("Dose equivalent", "root", "Derived SI quantity")
    core("sievert", "Sv", "SI metric science medicine", SI4, base="m^2/s^2")
    pre("Sv", "m u n")
    u("rem", "rem", F("0.01"), "historic medicine", SP811)
    pre("rem", "m")

    cat("Exposure (X and gamma rays)", "root", "Charge per mass of air")
    core("coulomb per kilogram", "C/kg", "SI metric science", SI6, base="s.A/kg")
    d("millicoulomb per kilogram", "mC/kg")
    u("roentgen", "R", F("2.58e-4"), "historic medicine", SP811)
    pre("R", "m u")

    cat("Absorbed dose rate", "comp", "Absorbed dose per time")
    core("gray per second", "Gy/s", "SI metric science", SI6)
    _many(db, (("Gy/min", "gray per minute"), ("Gy/h", "gray per hour"), ("mGy/h", "milligray per hour"),
               ("uGy/h", "microgray per hour"), ("rd/s", "rad per second"), ("rd/h", "rad per hour")))

    cat("Dose equivalent rate", "comp", "Dose equivalent per time")
    core("sievert per second", "Sv/s", "SI metric science", SI6)
    _many(db, (("Sv/h", "sievert per hour"), ("mSv/h", "millisievert per hour"), ("uSv/h", "microsievert per hour"),
               ("nSv/h", "nanosievert per hour"), ("mSv/yr", "millisievert per year"),
               ("rem/h", "rem per hour"), ("mrem/h", "millirem per hour")))

    cat("Radiant intensity", "comp", "Radiant power per solid angle")
    core("watt per steradian", "W/sr", "SI metric science", SI6)
    d("milliwatt per steradian", "mW/sr")
    d("kilowatt per steradian", "kW/sr")

    cat("Radiance", "comp", "Radiant power per area and solid angle")
    core("watt per square metre steradian", "W/m^2.sr", "SI metric science", SI6)
    d("watt per square centimetre steradian", "W/cm^2.sr")
    d("milliwatt per square centimetre steradian", "mW/cm^2.sr")


# =============================================================== Chemistry
def chemistry(db):
    dom, cat, core, u, d, rule, pre = _short(db)
    dom("Chemistry and amount", "Quantities per amount of substance")

    cat("Molar mass", "comp", "Mass per amount of substance")
    core("kilogram per mole", "kg/mol", "SI metric science", SI5)
    _many(db, (("g/mol", "gram per mole"), ("kg/kmol", "kilogram per kilomole"), ("mg/mmol", "milligram per millimole"),
               ("lb/lbmol", "pound per pound-mole")))

    cat("Molar concentration", "root", "Root category: the molar (M) is a single name")
    core("mole per cubic metre", "mol/m^3", "SI metric science", SI5, base="mol/m^3")
    u("molar", "M", 1000, "metric science medicine", "IUPAC Green Book, 3rd ed. (2007), 2.10", "1 mol/L")
    pre("M", "m u n p")
    d("mole per litre", "mol/L", "metric science")
    d("millimole per litre", "mmol/L", "metric medicine")
    d("micromole per litre", "umol/L", "metric medicine")
    d("mole per cubic centimetre", "mol/cm^3", "metric science")

    cat("Reciprocal amount of substance", "root", "Count per amount of substance: the Avogadro constant")
    core("reciprocal mole", "1/mol", "SI science", SI5, base="1/mol")
    u("Avogadro constant", "N_A", N_A, "science", SI1, "6.02214076E23 per mole exactly")
    d("reciprocal kilomole", "1/kmol", "SI science")

    cat("Molality", "comp", "Amount of substance per mass of solvent")
    core("mole per kilogram", "mol/kg", "SI metric science", SI5)
    _many(db, (("mmol/kg", "millimole per kilogram"), ("umol/kg", "micromole per kilogram"), ("mol/g", "mole per gram")))

    cat("Molar volume", "root", "Root category: litres are supplementary units and cannot stand in a compound")
    core("cubic metre per mole", "m^3/mol", "SI metric science", SI5, base="m^3/mol")
    _many(db, (("L/mol", "litre per mole"), ("mL/mol", "millilitre per mole"), ("cm^3/mol", "cubic centimetre per mole"),
               ("ft^3/lbmol", "cubic foot per pound-mole")))

    cat("Molar energy", "comp", "Energy per amount of substance")
    core("joule per mole", "J/mol", "SI metric science", SI6)
    _many(db, (("kJ/mol", "kilojoule per mole"), ("cal/mol", "calorie per mole"), ("kcal/mol", "kilocalorie per mole"),
               ("Btu/lbmol", "Btu (IT) per pound-mole")))

    cat("Catalytic activity", "root", "Derived SI quantity")
    core("katal", "kat", "SI metric science medicine", SI4, base="mol/s")
    pre("kat", "m u n")
    u("enzyme unit", "U", F(1, 60 * 10 ** 6), "medicine science", "IUBMB Enzyme Nomenclature (1992)", "1 umol/min")

    cat("Amount flow rate", "comp", "Amount of substance per time")
    core("mole per second", "mol/s", "SI metric science", SI5)
    _many(db, (("mol/min", "mole per minute"), ("mol/h", "mole per hour"), ("kmol/h", "kilomole per hour"),
               ("mmol/s", "millimole per second"), ("umol/min", "micromole per minute"), ("lbmol/h", "pound-mole per hour")))


# ================================================================== Fluids
def fluids(db):
    dom, cat, core, u, d, rule, pre = _short(db)
    dom("Fluids and flow", "Density, flow and viscosity. Quantities with litres or gallons are root "
        "categories: a supplementary unit such as L cannot stand at the place of m^3 in a compound")

    cat("Density and mass concentration", "root", "Mass per volume")
    core("kilogram per cubic metre", "kg/m^3", "SI metric science common", SI5, base="kg/m^3")
    _many(db, (("g/cm^3", "gram per cubic centimetre"), ("g/mL", "gram per millilitre"), ("g/L", "gram per litre"),
               ("kg/L", "kilogram per litre"), ("mg/L", "milligram per litre"), ("ug/L", "microgram per litre"),
               ("g/m^3", "gram per cubic metre"), ("mg/m^3", "milligram per cubic metre"),
               ("ug/m^3", "microgram per cubic metre"), ("t/m^3", "tonne per cubic metre"), ("g/dm^3", "gram per cubic decimetre"),
               ("mg/dL", "milligram per decilitre"),
               ("lb/ft^3", "pound per cubic foot"), ("lb/in^3", "pound per cubic inch"),
               ("lb/yd^3", "pound per cubic yard"), ("lb/gal", "pound per gallon (US)"),
               ("lb/gal_UK", "pound per gallon (imperial)"), ("oz/in^3", "ounce per cubic inch"),
               ("oz/gal", "ounce per gallon (US)"), ("slug/ft^3", "slug per cubic foot")))

    cat("Specific volume", "root", "Volume per mass")
    core("cubic metre per kilogram", "m^3/kg", "SI metric science", SI5, base="m^3/kg")
    _many(db, (("L/kg", "litre per kilogram"), ("cm^3/g", "cubic centimetre per gram"), ("mL/g", "millilitre per gram"),
               ("ft^3/lb", "cubic foot per pound"), ("in^3/lb", "cubic inch per pound"), ("gal/lb", "gallon (US) per pound")))

    cat("Volumetric flow rate", "root", "Volume per time")
    core("cubic metre per second", "m^3/s", "SI metric engineering", SI5, base="m^3/s")
    _many(db, (("m^3/min", "cubic metre per minute"), ("m^3/h", "cubic metre per hour"), ("m^3/d", "cubic metre per day"),
               ("L/s", "litre per second"), ("L/min", "litre per minute"), ("L/h", "litre per hour"), ("L/d", "litre per day"),
               ("ML/d", "megalitre per day"),
               ("mL/s", "millilitre per second"), ("mL/min", "millilitre per minute"), ("mL/h", "millilitre per hour"),
               ("gal/s", "gallon (US) per second"), ("gal/min", "gallon (US) per minute"),
               ("gal/h", "gallon (US) per hour"), ("gal/d", "gallon (US) per day"),
               ("gal_UK/min", "gallon (imperial) per minute"), ("gal_UK/h", "gallon (imperial) per hour"),
               ("ft^3/s", "cubic foot per second"), ("ft^3/min", "cubic foot per minute"),
               ("ft^3/h", "cubic foot per hour"), ("in^3/s", "cubic inch per second"), ("in^3/min", "cubic inch per minute"),
               ("bbl/d", "barrel (petroleum) per day"), ("ac_ft/d", "acre-foot per day")))
    u("cubic foot per minute (cfm)", "cfm", FT ** 3 / 60, "US engineering", HB44, "1 ft^3/min")
    u("gallon (US) per minute (gpm)", "gpm", GAL / 60, "US engineering", HB44, "1 gal/min")

    cat("Mass flow rate", "root", "Mass per time; root so that it sits with the tonne and pound rates")
    core("kilogram per second", "kg/s", "SI metric engineering", SI5, base="kg/s")
    _many(db, (("kg/min", "kilogram per minute"), ("kg/h", "kilogram per hour"), ("kg/d", "kilogram per day"),
               ("g/s", "gram per second"), ("g/min", "gram per minute"), ("g/h", "gram per hour"),
               ("t/h", "tonne per hour"), ("t/d", "tonne per day"), ("t/yr", "tonne per year"), ("lb/s", "pound per second"),
               ("lb/min", "pound per minute"), ("lb/h", "pound per hour"), ("ton_US/h", "ton (short) per hour")))

    cat("Mass flux", "comp", "Mass flow per area")
    core("kilogram per square metre second", "kg/m^2.s", "SI metric engineering", SI5)
    _many(db, (("g/cm^2.s", "gram per square centimetre second"), ("kg/m^2.h", "kilogram per square metre hour"),
               ("lb/ft^2.s", "pound per square foot second"), ("lb/ft^2.h", "pound per square foot hour")))

    cat("Dynamic viscosity", "root", "Root category: the poise is a single name")
    core("pascal second", "Pa.s", "SI metric science", SI6, base="kg/m.s")
    d("millipascal second", "mPa.s", "SI metric")
    u("poise", "P", F("0.1"), "CGS", SP811, "1 dyn.s/cm^2")
    pre("P", "c m")
    d("pound-force second per square foot", "lbf.s/ft^2", "US engineering")
    d("pound per foot second", "lb/ft.s", "US engineering")
    d("pound per foot hour", "lb/ft.h", "US engineering")
    d("kilogram-force second per square metre", "kgf.s/m^2", "metric historic")

    cat("Kinematic viscosity and diffusivity", "root", "Root category: the stokes is a single name")
    core("square metre per second", "m^2/s", "SI metric science", SI5, base="m^2/s")
    u("stokes", "St", F("1e-4"), "CGS", SP811, "1 cm^2/s")
    pre("St", "c m")
    _many(db, (("mm^2/s", "square millimetre per second"), ("cm^2/s", "square centimetre per second"),
               ("m^2/h", "square metre per hour"), ("ft^2/s", "square foot per second"),
               ("ft^2/h", "square foot per hour"), ("in^2/s", "square inch per second")))

    cat("Surface energy", "comp", "Energy per area")
    core("joule per square metre", "J/m^2", "SI metric science", SI6)
    _many(db, (("mJ/m^2", "millijoule per square metre"), ("kJ/m^2", "kilojoule per square metre"),
               ("erg/cm^2", "erg per square centimetre"), ("cal/cm^2", "calorie per square centimetre"),
               ("Btu/ft^2", "Btu (IT) per square foot")))

    cat("Pressure gradient", "comp", "Pressure per length")
    core("pascal per metre", "Pa/m", "SI metric engineering", SI6)
    _many(db, (("kPa/m", "kilopascal per metre"), ("MPa/m", "megapascal per metre"), ("bar/m", "bar per metre"),
               ("mbar/m", "millibar per metre"), ("psi/ft", "psi per foot"), ("psi/in", "psi per inch")))

    cat("Specific weight", "comp", "Weight per volume")
    core("newton per cubic metre", "N/m^3", "SI metric engineering", SI6)
    _many(db, (("kN/m^3", "kilonewton per cubic metre"), ("lbf/ft^3", "pound-force per cubic foot"),
               ("lbf/in^3", "pound-force per cubic inch"), ("kgf/m^3", "kilogram-force per cubic metre")))


# ============================================================= Navigation
def navigation_and_astronomy(db):
    dom, cat, core, u, d, rule, pre = _short(db)
    dom("Navigation and astronomy", "Angles, speeds and rotation, and astronomical quantities")

    cat("Plane angle", "root", "Dimensionless derived SI quantity")
    core("radian", "rad", "SI metric science", SI4, base="1")
    pre("rad", "m u")
    u("degree", "deg", PI / 180, "SI common navigation", SI8, "pi/180 rad")
    u("minute of arc", "arcmin", PI / 10800, "SI navigation astronomy", SI8, "1/60 degree")
    u("second of arc", "arcsec", PI / 648000, "SI navigation astronomy", SI8, "1/60 minute of arc")
    pre("arcsec", "m u")
    u("gon", "gon", PI / 200, "metric engineering", SP811, "pi/200 rad")
    u("revolution", "rev", 2 * PI, "common engineering", SP811, "2 pi rad")
    u("hour angle", "hourangle", 2 * PI / 24, "astronomy", IAUSM, "1/24 revolution, 15 degrees")

    cat("Solid angle", "root", "Dimensionless derived SI quantity")
    core("steradian", "sr", "SI metric science", SI4, base="1")
    pre("sr", "m")
    d("square degree", "deg^2", "astronomy")
    d("square minute of arc", "arcmin^2", "astronomy")
    d("square second of arc", "arcsec^2", "astronomy")
    u("spat", "sp", 4 * PI, "historic", SP811, "4 pi sr")

    cat("Speed", "root",
        "Root category with the core m/s: mph and kn are single names and cannot stand in a "
        "compound category. Units written km/h or ft/s are found here by their whole text; a typed "
        "5 [km/h] is parsed into km and h and converts to the same value")
    core("metre per second", "m/s", "SI metric common", SI5, base="m/s")
    _many(db, (("km/h", "kilometre per hour"), ("km/s", "kilometre per second"), ("cm/s", "centimetre per second"),
               ("mm/s", "millimetre per second"), ("mm/min", "millimetre per minute"), ("m/min", "metre per minute"), ("m/h", "metre per hour"),
               ("ft/s", "foot per second"), ("ft/min", "foot per minute"), ("ft/h", "foot per hour"),
               ("in/s", "inch per second"), ("in/min", "inch per minute"), ("mi/min", "mile per minute"), ("mi/s", "mile per second"), ("au/d", "astronomical unit per day")))
    u("mile per hour", "mph", MI / 3600, "US imperial common", HB44, "1 mi/h")
    u("knot", "kn", NMI / 3600, "navigation common", SP811T, "1 nautical mile per hour")
    u("speed of light", "c_0", C0, "science", SI1, "exact")

    cat("Angular velocity", "comp", "Angle per time. rpm and rps count turns per time and stand in "
        "Frequency (1500 rpm = 25 Hz); the angular velocity of 1500 turns a minute is 1500 [rev/min]")
    core("radian per second", "rad/s", "SI metric science", SI5)
    _many(db, (("rev/s", "revolution per second (angular velocity)"), ("rev/min", "revolution per minute (angular velocity)"),
               ("rad/min", "radian per minute"), ("rad/h", "radian per hour"), ("deg/s", "degree per second"),
               ("deg/min", "degree per minute"), ("deg/h", "degree per hour"), ("rev/h", "revolution per hour"),
               ("arcsec/s", "second of arc per second")))

    cat("Angular acceleration", "comp", "Angle per time squared")
    core("radian per second squared", "rad/s^2", "SI metric science", SI5)
    _many(db, (("deg/s^2", "degree per second squared"), ("rev/s^2", "revolution per second squared"),
               ("rev/min^2", "revolution per minute squared"), ("rad/min^2", "radian per minute squared")))

    cat("Spectral flux density", "root", "Radio and infrared astronomy")
    core("watt per square metre hertz", "W/m^2.Hz", "SI science astronomy", SI6, base="kg/s^2")
    u("jansky", "Jy", F("1e-26"), "astronomy", IAUSM, "10^-26 W/(m^2.Hz)")
    pre("Jy", "m u n")
    d("erg per second square centimetre hertz", "erg/s.cm^2.Hz", "CGS astronomy")

    cat("Gravitational constant", "root", "Newtonian constant of gravitation")
    core("cubic metre per kilogram second squared", "m^3/kg.s^2", "SI science", SI5, base="m^3/kg.s^2")
    u("Newtonian constant of gravitation", "G_N", F("6.67430e-11"), "science astronomy", CODATA, "measured")
    d("cubic centimetre per gram second squared", "cm^3/g.s^2", "CGS science")

    cat("Gravitational parameter", "root", "G times mass; the nominal values are exact by resolution")
    core("cubic metre per second squared", "m^3/s^2", "SI astronomy", SI5, base="m^3/s^2")
    d("cubic kilometre per second squared", "km^3/s^2", "astronomy")
    d("cubic astronomical unit per day squared", "au^3/d^2", "astronomy")
    u("nominal solar mass parameter", "GM_sun", F("1.3271244e20"), "astronomy", IAU15B3)
    u("nominal terrestrial mass parameter", "GM_E", F("3.986004e14"), "astronomy", IAU15B3)
    u("nominal Jovian mass parameter", "GM_J", F("1.2668653e17"), "astronomy", IAU15B3)


# =============================================================== Computing
def computing(db):
    dom, cat, core, u, d, rule, pre = _short(db)
    dom("Computing and data", "Information, data rates and resolution")

    cat("Information", "root", "Dimensionless: bits and bytes with SI and binary prefixes")
    core("bit", "bit", "computing SI", IEC, base="1")
    pre("bit", "k M G T P", "computing SI")
    pre("bit", "Ki Mi Gi", "computing", iec=True)
    u("byte", "B", 8, "computing common", IEC, "8 bit (octet)")
    pre("B", "k M G T P E", "computing common")
    pre("B", "Ki Mi Gi Ti Pi", "computing common", iec=True)
    u("nibble", "nibble", 4, "computing", IEC, "4 bit")
    u("natural unit of information", "nat", 1 / F("0.69314718055994530941723212145817656807550013436026"),
      "computing science", IEC, "1/ln 2 bit")
    u("hartley", "Hart", LN10 / F("0.69314718055994530941723212145817656807550013436026"),
      "computing science", IEC, "ln 10 / ln 2 bit")

    cat("Data rate", "comp", "Information per time")
    core("bit per second", "bit/s", "computing SI", IEC)
    _many(db, (("kbit/s", "kilobit per second"), ("Mbit/s", "megabit per second"), ("Gbit/s", "gigabit per second"),
               ("Tbit/s", "terabit per second"), ("Kibit/s", "kibibit per second"), ("Mibit/s", "mebibit per second"),
               ("B/s", "byte per second"), ("kB/s", "kilobyte per second"), ("MB/s", "megabyte per second"),
               ("GB/s", "gigabyte per second"), ("KiB/s", "kibibyte per second"), ("MiB/s", "mebibyte per second"),
               ("GiB/s", "gibibyte per second"), ("GB/h", "gigabyte per hour")))

    cat("Pixel density", "root", "Dots or pixels per length; the dot is a count")
    core("dot per metre", "dpm", "computing SI", SI5, base="1/m")
    u("dot per inch", "dpi", 1 / IN, "computing typography", HB44, "1 per inch of 0.0254 m")
    u("pixel per inch", "ppi", 1 / IN, "computing", HB44, "1 per inch of 0.0254 m")
    u("dot per centimetre", "dpcm", 100, "computing metric", SI7, "1 per centimetre")


# =============================================================== Household
def household(db):
    dom, cat, core, u, d, rule, pre = _short(db)
    dom("Household and vehicles", "Fuel use, electric driving, running pace, paper and yarn")

    cat("Fuel consumption", "root",
        "Volume per distance, dimension of an area. Every symbol here is a single name: a volume "
        "over a length, typed as L/km, would put two units of the length dimension into one "
        "quantity, which the converter refuses")
    core("cubic metre per metre", "m3_m", "SI metric", SI5, "1 m^3/m", base="m^2")
    u("litre per 100 kilometres", "L_100km", F("1e-3") / F("1e5"), "metric common", SI8,
      "1 L/(100 km); the notation admits no number inside a unit part")
    u("litre per kilometre", "L_km", F("1e-3") / F("1e3"), "metric common", SI8, "1 L/km")
    u("gallon (US) per 100 miles", "gal_100mi", GAL / (100 * MI), "US common", HB44, "1 gal/(100 mi)")

    cat("Fuel economy", "root",
        "Distance per volume, reciprocal of an area. Single names only, for the same reason as "
        "in Fuel consumption")
    core("metre per cubic metre", "m_m3", "SI metric", SI5, "1 m/m^3", base="1/m^2")
    u("kilometre per litre", "kmpl", F(1000) / F("1e-3"), "metric common", SI8, "1 km/L")
    u("mile per gallon (US)", "mpg", MI / GAL, "US common", HB44, "1 mi/gal")
    u("mile per gallon (imperial)", "mpg_UK", MI / GAL_UK, "imperial common", UKWMA, "1 mi/gal_UK")

    cat("Energy per distance", "root", "Electric vehicle consumption; dimension of a force")
    core("joule per metre", "J/m", "SI metric", SI6, base="kg.m/s^2")
    u("kilowatt hour per 100 kilometres", "kWh_100km", F(3600000, 100000), "metric common", SP811,
      "single name: the notation admits no number inside a unit part")
    _many(db, (("Wh/km", "watt hour per kilometre"), ("kWh/km", "kilowatt hour per kilometre"),
               ("Wh/mi", "watt hour per mile"), ("kWh/mi", "kilowatt hour per mile"), ("kJ/km", "kilojoule per kilometre")),
          "common")

    cat("Pace", "comp", "Time per distance, as used by runners and walkers")
    core("second per metre", "s/m", "SI metric", SI5)
    _many(db, (("s/km", "second per kilometre"), ("min/km", "minute per kilometre"), ("min/mi", "minute per mile"),
               ("s/mi", "second per mile"), ("h/km", "hour per kilometre"), ("min/nmi", "minute per nautical mile")),
          "common")

    cat("Areal density", "comp", "Mass per area: paper grammage, fabric and coating weights")
    core("kilogram per square metre", "kg/m^2", "SI metric", SI5)
    _many(db, (("g/m^2", "gram per square metre"), ("g/cm^2", "gram per square centimetre"),
               ("mg/cm^2", "milligram per square centimetre"), ("lb/ft^2", "pound per square foot"),
               ("oz/yd^2", "ounce per square yard"), ("oz/ft^2", "ounce per square foot"),
               ("lb/in^2", "pound per square inch (mass)")), "common")

    cat("Linear density", "root", "Mass per length; root so that yarn counts tex and denier stand here")
    core("kilogram per metre", "kg/m", "SI metric", SI5, base="kg/m")
    u("tex", "tex", F("1e-6"), "metric", "ISO 1144:2016", "1 g/km")
    pre("tex", "d k m")
    u("denier", "den", F("1e-6") / 9, "US historic", SP811, "1 g per 9 km")
    _many(db, (("g/m", "gram per metre"), ("g/cm", "gram per centimetre"), ("lb/ft", "pound per foot"),
               ("lb/in", "pound per inch"), ("lb/yd", "pound per yard"), ("oz/yd", "ounce per yard")), "common")


# ================================================================== Ratios
def ratios(db):
    dom, cat, core, u, d, rule, pre = _short(db)
    dom("Ratios and counts", "Dimensionless ratios, counts and logarithmic levels")

    cat("Ratio", "root", "Dimensionless ratio. Symbols pct and permille: the notation cannot read % or the per mille sign")
    core("fraction (one)", "frac", "SI common", SIDIM1, "the number one", base="1")
    u("percent", "pct", F("0.01"), "common", SIDIM1)
    u("per mille", "permille", F("0.001"), "common", SP811R)
    u("part per million", "ppm", F("1e-6"), "science common", SIDIM1)
    u("part per billion", "ppb", F("1e-9"), "science", SP811R)
    u("part per trillion", "ppt", F("1e-12"), "science", SP811R)

    cat("Logarithmic level", "root",
        "Levels of field quantities: 1 Np = 20/ln 10 dB. For power quantities the level in "
        "decibels is the same but its neper value is half")
    core("neper", "Np", "SI science", SI8, base="1")
    u("bel", "Bel", LN10 / 2, "SI science", SI8, "1 B = (1/2) ln 10 Np; symbol Bel because B is the byte")
    u("decibel", "dB", LN10 / 20, "SI science common", SI8, "1 dB = (1/20) ln 10 Np")
    u("centineper", "cNp", F(1, 100), "science", SI7)


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    data = os.path.dirname(here)
    db = build()
    problems = (unitlib.check(db.domains, KW, ABBREVIATIONS) + check_required(db)
                + unitlib.check_spellings(db.domains, ABBREVIATIONS, SPELLINGS))
    if problems:
        for p in problems:
            print("problem:", p, file=sys.stderr)
        return 1
    numbers, per_base = unitlib.counts(db.domains)
    worst = max(per_base.items(), key=lambda kv: len(kv[1]))
    if len(worst[1]) > unitlib.MAX_PREFIXED:
        print("problem: %s has %d prefixed forms" % worst, file=sys.stderr)
        return 1
    floors = {"units": 1000, "categories": 100, "domains": 10}
    for key, floor in floors.items():
        if numbers[key] < floor:
            print("problem: only %d %s" % (numbers[key], key), file=sys.stderr)
            return 1
    unt = unitlib.write_unt(db.domains, KW).encode("cp1252")
    abrv = "".join("%s=%s\r\n" % pair for pair in ABBREVIATIONS).encode("cp1252")
    spell = "".join("%s=%s\r\n" % pair for pair in SPELLINGS).encode("cp1252")
    targets = ((os.path.join(data, "default.unt"), unt), (os.path.join(data, "abrv.lst"), abrv),
               (os.path.join(data, "spellings.lst"), spell))
    if "--check" in argv:
        stale = [path for path, text in targets
                 if not os.path.exists(path) or open(path, "rb").read() != text]
        for path in stale:
            print("out of date: %s" % path, file=sys.stderr)
        return 1 if stale else 0
    for path, text in targets:
        with open(path + ".tmp", "wb") as f:
            f.write(text)
        os.replace(path + ".tmp", path)
    for key, val in numbers.items():
        print("%s: %s" % (key, val))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
