"""Building blocks for the unit database generator.

The tables in make_default_unt.py describe domains, categories and units with
exact values (fractions.Fraction).  This module turns them into the file text
that the program's writer would produce, derives the factors of units written
in unit notation (km/h, lbf.ft) from the factors of their parts, and checks the
rules the converter relies on before anything is written.
"""

from decimal import Decimal, ROUND_HALF_EVEN, localcontext
from fractions import Fraction

HYPERLINK = "https://www.tarnel.example/index.htm?pg=About/UnitConv"
COPYRIGHT = ("Copyright (c) Tarnel Software. This unit data may be freely used, "
             "copied and modified.")
BASE_SYMBOLS = ("m", "kg", "s", "A", "K", "mol", "cd")

# pi and ln(10) to 50 digits; factors built on them are irrational and are
# written rounded to 17 significant digits.
PI = Fraction("3.14159265358979323846264338327950288419716939937511")
LN10 = Fraction("2.30258509299404568401799145468436420760110148862877")

# SI prefixes (SI Brochure 9th ed., Table 7): symbol -> (name, factor)
SI_PREFIXES = {
    "E": ("exa", Fraction(10) ** 18), "P": ("peta", Fraction(10) ** 15),
    "T": ("tera", Fraction(10) ** 12), "G": ("giga", Fraction(10) ** 9),
    "M": ("mega", Fraction(10) ** 6), "k": ("kilo", Fraction(10) ** 3),
    "h": ("hecto", Fraction(100)), "da": ("deca", Fraction(10)),
    "d": ("deci", Fraction(1, 10)), "c": ("centi", Fraction(1, 100)),
    "m": ("milli", Fraction(1, 10 ** 3)), "u": ("micro", Fraction(1, 10 ** 6)),
    "n": ("nano", Fraction(1, 10 ** 9)), "p": ("pico", Fraction(1, 10 ** 12)),
    "f": ("femto", Fraction(1, 10 ** 15)), "a": ("atto", Fraction(1, 10 ** 18)),
}
# Binary prefixes (IEC 80000-13:2008, clause 4)
IEC_PREFIXES = {
    "Ki": ("kibi", Fraction(2) ** 10), "Mi": ("mebi", Fraction(2) ** 20),
    "Gi": ("gibi", Fraction(2) ** 30), "Ti": ("tebi", Fraction(2) ** 40),
    "Pi": ("pebi", Fraction(2) ** 50), "Ei": ("exbi", Fraction(2) ** 60),
}
MAX_PREFIXED = 12
SIG_DIGITS = 17


# ---------------------------------------------------------------- notation

NAME_EXTRA = "\u00b0\u00c5"  # degree sign and A with ring belong to names


def _is_name_start(c):
    return ("A" <= c <= "Z") or ("a" <= c <= "z") or c == "_" or c in NAME_EXTRA


def _is_name_char(c):
    return _is_name_start(c) or ("0" <= c <= "9")


def parse_units(text):
    """Parse a unit part the way the converter's notation does.

    Returns a list of (symbol, degree).  Only what our data uses is accepted:
    names, "." and a single "/", positive integer degrees after "^" and a
    leading "1/".  Anything else raises ValueError, so a symbol the converter
    would read differently never reaches the file.
    """
    t = text.strip()
    if t == "1":
        return []
    out, i, slash = [], 0, False
    if t.startswith("1/"):
        i, slash = 2, True
    while i < len(t):
        c = t[i]
        if c == ".":
            i += 1
        elif c == "/":
            if slash:
                raise ValueError("second '/' in %r" % text)
            slash, i = True, i + 1
        elif _is_name_start(c):
            j = i
            while j < len(t) and _is_name_char(t[j]):
                j += 1
            sym, deg = t[i:j], 1
            if j < len(t) and t[j] == "^":
                k = j + 1
                while k < len(t) and t[k].isdigit():
                    k += 1
                if k == j + 1 or int(t[j + 1:k]) <= 0:
                    raise ValueError("bad degree in %r" % text)
                deg, j = int(t[j + 1:k]), k
            out.append((sym, -deg if slash else deg))
            i = j
        else:
            raise ValueError("character %r not usable in %r" % (c, text))
    if not out:
        raise ValueError("no unit in %r" % text)
    return out


def is_single_name(text):
    return bool(text) and _is_name_start(text[0]) and all(_is_name_char(c) for c in text)


# --------------------------------------------------------------- numbers

def _sig_round(x, digits):
    """Round a positive Fraction to `digits` significant digits -> Decimal."""
    with localcontext() as ctx:
        ctx.prec = 80
        d = Decimal(x.numerator) / Decimal(x.denominator)
        exp = d.adjusted()
        q = Decimal(1).scaleb(exp - digits + 1)
        r = d.quantize(q, rounding=ROUND_HALF_EVEN)
        if r.adjusted() > exp:  # 9.99.. rounded up to the next decade
            r = d.quantize(q * 10, rounding=ROUND_HALF_EVEN)
        return r


def _terminating_digits(x):
    """Exact decimal digits of x if x is a terminating decimal, else None."""
    den = x.denominator
    twos = fives = 0
    while den % 2 == 0:
        den //= 2
        twos += 1
    while den % 5 == 0:
        den //= 5
        fives += 1
    if den != 1:
        return None
    n = max(twos, fives)
    scaled = x * (10 ** n)
    assert scaled.denominator == 1
    return Decimal(scaled.numerator).scaleb(-n)


def is_exact_literal(x):
    d = _terminating_digits(x)
    return d is not None and len(d.normalize().as_tuple().digits) <= SIG_DIGITS


def format_factor(x):
    """The factor as a decimal literal: exact when it has at most 17
    significant digits, otherwise rounded (half even) to 17 of them."""
    if x <= 0:
        raise ValueError("factors are positive")
    d = _terminating_digits(x)
    if d is None or len(d.normalize().as_tuple().digits) > SIG_DIGITS:
        d = _sig_round(x, SIG_DIGITS)
    d = d.normalize()
    sign, digits, exp = d.as_tuple()
    digits = "".join(map(str, digits))
    point = len(digits) + exp  # position of the decimal point in `digits`
    if -6 < point <= 16:
        if point <= 0:
            return "0." + "0" * (-point) + digits
        if point >= len(digits):
            return digits + "0" * (point - len(digits))
        return digits[:point] + "." + digits[point:]
    mant = digits[0] + ("." + digits[1:] if len(digits) > 1 else "")
    return "%sE%d" % (mant, point - 1)


# ------------------------------------------------------------ the model

class Unit:
    def __init__(self, name, symbol, kind, kw, comment, factor=None,
                 base=None, rule_from=None, rule_to=None, prefixed=False,
                 derived=False):
        self.name, self.symbol, self.kind = name, symbol, kind
        self.kw, self.comment = kw, comment
        self.factor, self.base = factor, base
        self.rule_from, self.rule_to = rule_from, rule_to
        self.prefixed = prefixed
        self.derived = derived  # factor follows from the parts of the symbol
        self.category = None


class Category:
    def __init__(self, name, kind, comment):
        self.name, self.kind, self.comment = name, kind, comment
        self.units = []
        self.domain = None

    @property
    def core(self):
        return [u for u in self.units if u.kind == "si-unit"][0]


class Domain:
    def __init__(self, name, comment):
        self.name, self.comment = name, comment
        self.categories = []


# --------------------------------------------------------------- writer

def escape_comment(text):
    t = text.strip()
    for ch, ent in (('"', "&quot;"), ("<", "&lt;"), (">", "&gt;")):
        t = t.replace(ch, ent)
    return t


def write_unt(domains, keywords, language="English", version="1.00"):
    """The file text exactly as the program's writer lays it out."""
    L = ['<?xml version="1.0" encoding="windows-1252"?>', "<UnitsData>",
         '  <description keywords="%s" ' % ",".join(keywords),
         '  hyperlink="%s" copyright="%s" ' % (HYPERLINK, COPYRIGHT),
         '  version="%s" language="%s">' % (version, language),
         "  ", "  ", "  ", "  </description>", ""]
    for d in domains:
        L.append('  <domain name="%s" enabled="1" comment="%s">'
                 % (d.name, escape_comment(d.comment)))
        for c in d.categories:
            L.append("")
            L.append('    <category name="%s" type="%s" enabled="1" comment="%s">'
                     % (c.name, c.kind, escape_comment(c.comment)))
            for u in c.units:
                L.append('      <unit name="%s" type="%s" enabled="1" symbol="%s" kw="%s" '
                         % (u.name, u.kind, u.symbol, ",".join(u.kw)))
                if u.kind == "si-unit":
                    if c.kind == "root":
                        L.append('        in_base_units="%s" ' % u.base)
                elif u.kind == "factor":
                    L.append('        factor="%s" ' % format_factor(u.factor))
                elif u.kind == "rule":
                    L.append('        rule_from="%s"' % u.rule_from)
                    L.append('        rule_to="%s" ' % u.rule_to)
                L.append('       comment="%s" />' % escape_comment(u.comment))
            L.append("    </category>")
        L.append("  </domain>")
        L.append("")
    L.append("</UnitsData>")
    return "".join(line + "\r\n" for line in L)


# --------------------------------------------------------------- checks

def check(domains, keywords, abbreviations):
    """Every rule the converter and its validation rely on; returns a list
    of problems (empty when the data is sound)."""
    errs = []
    vocab = {k.lower() for k in keywords}
    cats = [c for d in domains for c in d.categories]
    units = [u for c in cats for u in c.units]
    by_symbol = {}
    names = {}
    for c in cats:
        for u in c.units:
            if u.symbol in by_symbol:
                errs.append("symbol %r twice" % u.symbol)
            by_symbol[u.symbol] = c
            key = u.name.lower()
            if key in names:
                errs.append("unit name %r twice" % u.name)
            names[key] = u
    cat_names = set()
    for c in cats:
        if c.name.lower() in cat_names:
            errs.append("category name %r twice" % c.name)
        cat_names.add(c.name.lower())

    def root_cat_of(sym):
        c = by_symbol.get(sym)
        return c if c is not None and c.kind == "root" else None

    for c in cats:
        cores = [u for u in c.units if u.kind == "si-unit"]
        if len(cores) != 1:
            errs.append("%s: %d core units" % (c.name, len(cores)))
            continue
        core = cores[0]
        if c.kind == "root":
            if core.base != "1":
                try:
                    ents = parse_units(core.base)
                except ValueError as e:
                    errs.append("%s: %s" % (c.name, e))
                    ents = []
                if not ents or any(s not in BASE_SYMBOLS for s, _ in ents):
                    errs.append("%s: in_base_units %r" % (c.name, core.base))
        elif c.kind == "sup":
            ents = parse_units(core.symbol)
            if len(ents) != 1 or root_cat_of(ents[0][0]) is None:
                errs.append("%s: sup core %r is not a power of a root unit" % (c.name, core.symbol))
            if any(u.kind == "rule" for u in c.units):
                errs.append("%s: rule unit in a sup category" % c.name)
        elif c.kind == "comp":
            p = parse_units(core.symbol)
            for s, _ in p:
                if root_cat_of(s) is None:
                    errs.append("%s: core part %s is no root unit" % (c.name, s))
            for u in c.units:
                if u.kind != "factor":
                    continue
                q = parse_units(u.symbol)
                if len(q) != len(p):
                    errs.append("%s: %s has another number of units" % (c.name, u.symbol))
                    continue
                for (ps, pd), (qs, qd) in zip(p, q):
                    if pd != qd:
                        errs.append("%s: %s: degree of %s" % (c.name, u.symbol, qs))
                    if by_symbol.get(qs) is not root_cat_of(ps):
                        errs.append("%s: %s: %s not in the category of %s" % (c.name, u.symbol, qs, ps))
        else:
            errs.append("%s: kind %r" % (c.name, c.kind))
        has_rule = any(u.kind == "rule" for u in c.units)
        for u in c.units:
            if not u.kw:
                errs.append("%s: no keyword" % u.name)
            for k in u.kw:
                if k.lower() not in vocab:
                    errs.append("%s: keyword %r" % (u.name, k))
            if not u.comment.strip():
                errs.append("%s: no comment" % u.name)
            if c.kind in ("sup", "comp") or "/" in u.symbol or "." in u.symbol or "^" in u.symbol:
                try:
                    parse_units(u.symbol)
                except ValueError as e:
                    errs.append("%s: %s" % (u.name, e))
            elif not is_single_name(u.symbol):
                errs.append("%s: symbol %r is not a name" % (u.name, u.symbol))
            if u.kind == "factor" and not (u.factor and u.factor > 0):
                errs.append("%s: factor %r" % (u.name, u.factor))
            if u.kind == "rule":
                for f in (u.rule_from, u.rule_to):
                    if "#" not in f or " " in f:
                        errs.append("%s: rule %r" % (u.name, f))
        # Units of a category with rule units cannot take part in compounds.
        if has_rule:
            for other in cats:
                if other.kind != "comp":
                    continue
                for u in other.units:
                    for s, _ in parse_units(u.symbol):
                        if by_symbol.get(s) is c:
                            errs.append("%s uses %s of a rule category" % (u.symbol, s))
    # A symbol written in notation is also what a user types: each part must
    # be a unit of a root or supplementary category, no two parts may share a
    # root category (the converter refuses that), and no part may come from a
    # category with rule units.
    def root_of(sym):
        c = by_symbol.get(sym)
        if c is not None and c.kind == "sup":
            return by_symbol.get(parse_units(c.core.symbol)[0][0])
        return c

    for u in units:
        if not any(ch in u.symbol for ch in "./^"):
            continue
        seen_roots = []
        for s, _ in parse_units(u.symbol):
            r = root_of(s)
            if r is None or r.kind != "root":
                errs.append("%s: part %s is no unit of a root or supplementary category" % (u.symbol, s))
                continue
            if r in seen_roots:
                errs.append("%s: two parts of the category %s" % (u.symbol, r.name))
            seen_roots.append(r)
            if any(x.kind == "rule" for x in r.units):
                errs.append("%s: part %s belongs to a category with rule units" % (u.symbol, s))
    # No root category may carry two sup categories of the same degree.
    seen = {}
    for c in cats:
        if c.kind == "sup":
            s, d = parse_units(c.core.symbol)[0]
            key = (by_symbol[s].name, d)
            if key in seen:
                errs.append("%s and %s share root and degree" % (c.name, seen[key]))
            seen[key] = c.name
    for u in units:
        for text in (u.name, u.symbol, u.comment, u.category.name):
            if "&" in text:
                errs.append("%s: '&' in %r" % (u.name, text))
            try:
                text.encode("cp1252")
            except UnicodeEncodeError:
                errs.append("%s: %r is not Windows-1252" % (u.name, text))
        for text in (u.name, u.symbol):
            if any(ch in text for ch in '"<>'):
                errs.append("%s: markup character in %r" % (u.name, text))
    # Display abbreviations must read back to the symbol they stand for.
    values = {}
    for sym, shown in abbreviations:
        if sym not in by_symbol:
            errs.append("abbreviation for unknown symbol %r" % sym)
        if not is_single_name(shown):
            errs.append("abbreviation %r is not a single name" % shown)
        if shown in by_symbol:
            errs.append("abbreviation %r is a symbol" % shown)
        if shown in values:
            errs.append("abbreviation %r used twice" % shown)
        values[shown] = sym
    return errs


def check_spellings(domains, abbreviations, spellings):
    """A typed spelling is a plain name (letters, digits, "_") that is neither a
    symbol nor the shown abbreviation of another unit, and it stands for a text of
    stored symbols."""
    errs = []
    symbols = {u.symbol for d in domains for c in d.categories for u in c.units}
    shown = {v: n for n, v in abbreviations}
    seen = set()
    for typed, stored in spellings:
        if not (typed and typed[0].isascii() and (typed[0].isalpha() or typed[0] == "_")
                and all(ch.isascii() and (ch.isalnum() or ch == "_") for ch in typed)):
            errs.append("spelling %r is not a plain name" % typed)
        if typed in symbols:
            errs.append("spelling %r is a symbol of the file" % typed)
        if typed in shown and shown[typed] != stored:
            errs.append("spelling %r is the shown abbreviation of another unit" % typed)
        if typed in seen:
            errs.append("spelling %r twice" % typed)
        seen.add(typed)
        try:
            parts = parse_units(stored)
        except ValueError as e:
            errs.append("spelling %s: %s" % (typed, e))
            continue
        for s, _ in parts:
            if s not in symbols:
                errs.append("spelling %s=%s: %s is no symbol of the file" % (typed, stored, s))
    # every unit whose single-name symbol holds the degree sign or the ring A can be typed in ASCII
    spelled = {stored for _, stored in spellings}
    for sym in sorted(symbols):
        if is_single_name(sym) and any(ch in NAME_EXTRA for ch in sym) and sym not in spelled:
            errs.append("symbol %s has no ASCII spelling" % sym)
    return errs


def counts(domains):
    cats = [c for d in domains for c in d.categories]
    units = [u for c in cats for u in c.units]
    per_base = {}
    for u in units:
        if u.prefixed:
            per_base.setdefault(u.prefixed, []).append(u.symbol)
    return {
        "domains": len(domains),
        "categories": len(cats),
        "categories by kind": {k: sum(1 for c in cats if c.kind == k) for k in ("root", "sup", "comp")},
        "units": len(units),
        "prefixed forms": sum(1 for u in units if u.prefixed),
        "most prefixed forms of one unit": max((len(v) for v in per_base.values()), default=0),
        "rule units": sum(1 for u in units if u.kind == "rule"),
    }, per_base
