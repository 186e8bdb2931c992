#!/usr/bin/env python3
"""Checks a unit data file and its abbreviation list without the program.

- the text is exactly what the program's writer would write from the parsed
  file (Windows-1252, CR LF after every line, the writer's line layout);
- the rules of the validation hold for all items: description texts, unique
  category names (ignoring case), unit names (ignoring case) and symbols
  (exact) over the whole file, one core unit per category, known kinds and
  keywords, base-unit definitions, decimal factors, rule formulas with "#",
  supplementary and compound categories built as the converter needs them;
- every symbol is readable by the unit notation, rule formulas contain no
  blank and invert each other, factors carry at most 17 significant digits;
- every display abbreviation reads back to its symbol:
  StoreField(DisplayField(t)) = t for every unit of the file;
- every typed spelling (typed=stored) is a plain name (letters, digits, "_")
  that no unit has as its symbol and no abbreviation shows, its stored text
  reads as symbols of the file, and every unit whose symbol holds the degree
  sign or the ring A has an ASCII spelling.

  unt_file_check.py [--data FILE] [--abrv FILE] [--spellings FILE]

Prints the counts; exit status 0 when all holds, 1 with a listing otherwise.
"""

import argparse
import os
import re
import sys
import xml.etree.ElementTree as ET

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
HYPERLINK = "https://www.tarnel.example/index.htm?pg=About/UnitConv"
COPYRIGHT = ("Copyright (c) Tarnel Software. This unit data may be freely used, "
             "copied and modified.")
BASE_SYMBOLS = {"m", "kg", "s", "A", "K", "mol", "cd"}
DECIMAL = re.compile(r"[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?")
EXTRA = "\u00b0\u00c5"


# ------------------------------------------------------------------ notation
def name_start(c):
    return c.isascii() and (c.isalpha() or c == "_") or c in EXTRA


def name_char(c):
    return name_start(c) or (c.isascii() and c.isdigit())


def parse_units(text):
    """The converter's reading of a unit part: list of (symbol, degree).
    Raises ValueError where the converter would refuse or misread it."""
    t = text.replace("\u00b2", "^2").replace("\u00b3", "^3").replace("*", ".").strip()
    if t == "1":
        return []
    out, i, slash = [], 0, False
    if t.startswith("1/"):
        i, slash = 2, True
    while i < len(t):
        c = t[i]
        if c in ". ":
            i += 1
        elif c == "/":
            if slash:
                raise ValueError("only one / is allowed")
            slash, i = True, i + 1
        elif name_start(c):
            j = i
            while j < len(t) and name_char(t[j]):
                j += 1
            sym, deg = t[i:j], 1
            if t[j:j + 1] == "^":
                m = re.match(r"\d+", t[j + 1:])
                if not m or int(m.group()) == 0:
                    raise ValueError("wrong degree in %r" % text)
                deg, j = int(m.group()), j + 1 + len(m.group())
            out.append((sym, -deg if slash else deg))
            i = j
        else:
            raise ValueError("character %r is not read by the notation" % c)
    return out


def unit_list_text(entries):
    pos = [(s, d) for s, d in entries if d > 0]
    neg = [(s, -d) for s, d in entries if d < 0]
    if not pos and not neg:
        return ""
    r = "".join(s + ("^%d" % d if d >= 2 else "") + "." for s, d in pos) or "1/"
    if neg:
        r = r[:-1] + "/" if r != "1/" else r
        r += "".join(s + ("^%d" % d if d >= 2 else "") + "." for s, d in neg)
    return r[:-1]


# ------------------------------------------------------------------ writer
def escape(text):
    t = text.strip()
    for ch, ent in (('"', "&quot;"), ("<", "&lt;"), (">", "&gt;")):
        t = t.replace(ch, ent)
    return t


def rewrite(root):
    d = root.find("description")
    L = ['<?xml version="1.0" encoding="windows-1252"?>', "<UnitsData>",
         '  <description keywords="%s" ' % d.get("keywords", ""),
         '  hyperlink="%s" copyright="%s" ' % (HYPERLINK, COPYRIGHT),
         '  version="%s" language="%s">' % (d.get("version", ""), d.get("language", "")),
         "  ", "  ", "  ", "  </description>", ""]
    for dom in root.findall("domain"):
        if dom.get("enabled") == "0":
            continue
        L.append('  <domain name="%s" enabled="%s" comment="%s">'
                 % (dom.get("name", ""), dom.get("enabled", ""), escape(dom.get("comment", ""))))
        for cat in dom.findall("category"):
            L.append("")
            L.append('    <category name="%s" type="%s" enabled="%s" comment="%s">'
                     % (cat.get("name", ""), cat.get("type", ""), cat.get("enabled", ""),
                        escape(cat.get("comment", ""))))
            ckind = cat.get("type", "").lower()
            for u in cat.findall("unit"):
                kind = u.get("type", "")
                enabled = "1" if kind == "si-unit" else u.get("enabled", "")
                L.append('      <unit name="%s" type="%s" enabled="%s" symbol="%s" kw="%s" '
                         % (u.get("name", ""), kind, enabled, u.get("symbol", ""), u.get("kw", "")))
                k = kind.lower()
                if k == "si-unit" and ckind == "root":
                    L.append('        in_base_units="%s" ' % u.get("in_base_units", ""))
                elif k == "factor":
                    L.append('        factor="%s" ' % u.get("factor", ""))
                elif k == "rule":
                    L.append('        rule_from="%s"' % u.get("rule_from", ""))
                    L.append('        rule_to="%s" ' % u.get("rule_to", ""))
                L.append('       comment="%s" />' % escape(u.get("comment", "")))
            L.append("    </category>")
        L.append("  </domain>")
        L.append("")
    L.append("</UnitsData>")
    return "".join(line + "\r\n" for line in L)


def comma_list(text):
    items, cur, quoted = [], "", False
    for ch in text:
        if ch == '"':
            quoted = not quoted
        elif not quoted and ch in ", ":
            if cur:
                items.append(cur)
            cur = ""
        else:
            cur += ch
    if cur:
        items.append(cur)
    return items


# ------------------------------------------------------------------ rules
def eval_rule(formula, value):
    text = formula.replace("#", "(%r)" % value if value < 0 else repr(value))
    if not re.fullmatch(r"[0-9.+\-*/()eE]+", text):
        raise ValueError("formula %r uses more than numbers and arithmetic" % formula)
    return eval(text, {"__builtins__": {}})  # only digits and arithmetic reach here


def validate(root):
    errs = []
    d = root.find("description")
    vocab = {k.lower() for k in comma_list(d.get("keywords", ""))}
    if d.get("version") != "1.00":
        errs.append("version is not 1.00")
    if d.get("copyright") != COPYRIGHT:
        errs.append("copyright notice differs")
    if d.get("hyperlink") != HYPERLINK:
        errs.append("hyperlink differs")
    cats = [c for dom in root.findall("domain") if dom.get("enabled") != "0"
            for c in dom.findall("category")]
    where = {}
    names = {}
    for c in cats:
        for u in c.findall("unit"):
            sym = u.get("symbol", "")
            if sym in where:
                errs.append("duplicated symbol %s" % sym)
            where[sym] = c
            key = u.get("name", "").lower()
            if key in names:
                errs.append("duplicated unit name %s" % u.get("name"))
            names[key] = u

    def find_root(sym):
        c = where.get(sym)
        return c if c is not None and c.get("type") == "root" else None

    seen_cats = set()
    for c in cats:
        cname = c.get("name", "")
        if not cname.strip():
            errs.append("empty category name")
        if cname.lower() in seen_cats:
            errs.append("duplicated category name %s" % cname)
        seen_cats.add(cname.lower())
        kind = c.get("type", "")
        if kind not in ("root", "sup", "comp"):
            errs.append("%s: category type %r" % (cname, kind))
        units = c.findall("unit")
        cores = [u for u in units if u.get("type") == "si-unit"]
        has_rule = any(u.get("type") == "rule" for u in units)
        if len(cores) != 1:
            errs.append("%s: %d core units" % (cname, len(cores)))
        else:
            core = cores[0]
            p = parse_units(core.get("symbol", ""))
            if kind == "root":
                base = core.get("in_base_units", "").strip()
                if base != "1":
                    try:
                        ents = parse_units(base)
                    except ValueError as e:
                        ents = [("?", 0)]
                        errs.append("%s: in_base_units: %s" % (cname, e))
                    if not ents or any(s not in BASE_SYMBOLS for s, _ in ents):
                        errs.append("%s: in_base_units %r is not over the base units" % (cname, base))
            elif kind == "sup":
                if len(p) != 1 or find_root(p[0][0]) is None:
                    errs.append("%s: core %s is not a power of a root unit" % (cname, core.get("symbol")))
                elif (p[0][1] < 2 or not any(u.get("type") == "si-unit" and u.get("symbol") == p[0][0]
                                             for u in find_root(p[0][0]).findall("unit"))):
                    # the converter reaches it through the root core unit and the degree's size
                    errs.append("%s: core %s is not a root core unit to a power of 2 or more"
                                % (cname, core.get("symbol")))
            elif kind == "comp":
                for s, _ in p:
                    if find_root(s) is None:
                        errs.append("%s: unknown core part %s" % (cname, s))
                for u in units:
                    if u.get("type") != "factor":
                        continue
                    q = parse_units(u.get("symbol", ""))
                    if len(q) != len(p):
                        errs.append("%s: wrong number of units in %s" % (cname, u.get("symbol")))
                        continue
                    for (ps, pd), (qs, qd) in zip(p, q):
                        a, b = find_root(ps), where.get(qs)
                        if a is None or b is None:
                            errs.append("%s: unknown unit %s" % (cname, qs))
                            continue
                        if pd != qd:
                            errs.append("%s: wrong exponent of %s in %s" % (cname, qs, u.get("symbol")))
                        if a is not b:
                            errs.append("%s: %s is not in the category of %s" % (cname, qs, ps))
                        elif any(x.get("type") == "rule" for x in b.findall("unit")):
                            errs.append("%s: %s belongs to a category with rule units" % (cname, qs))
        for u in units:
            uname = u.get("name", "")
            sym = u.get("symbol", "")
            kws = comma_list(u.get("kw", ""))
            if not kws:
                errs.append("%s: no keyword" % uname)
            if any(k.lower() not in vocab for k in kws):
                errs.append("%s: keyword not in the description" % uname)
            if not uname.strip():
                errs.append("%s: empty unit name" % sym)
            if not sym:
                errs.append("%s: empty symbol" % uname)
            try:
                parse_units(sym)
            except ValueError as e:
                errs.append("%s: symbol %r: %s" % (uname, sym, e))
            if not u.get("comment", "").strip():
                errs.append("%s: no comment naming its source" % uname)
            t = u.get("type")
            if t == "factor":
                f = u.get("factor", "")
                if not DECIMAL.fullmatch(f) or float(f) <= 0:
                    errs.append("%s: factor %r" % (uname, f))
                else:
                    digits = re.sub(r"[eE].*", "", f).replace(".", "").lstrip("+-").strip("0")
                    if len(digits) > 17:
                        errs.append("%s: factor %s has more than 17 significant digits" % (uname, f))
            elif t == "rule":
                rf, rt = u.get("rule_from", ""), u.get("rule_to", "")
                if "#" not in rf or "#" not in rt or " " in rf + rt:
                    errs.append("%s: rule formulas %r / %r" % (uname, rf, rt))
                if kind == "sup":
                    errs.append("%s: rule unit in a supplementary category" % uname)
                for x in (-459.67, -40.0, 0.0, 36.6, 1000.0):
                    back = eval_rule(rf, eval_rule(rt, x))
                    if abs(back - x) > 1e-9 * max(1.0, abs(x)):
                        errs.append("%s: rule_from(rule_to(%g)) = %r" % (uname, x, back))
            elif t != "si-unit":
                errs.append("%s: unit type %r" % (uname, t))
        if has_rule and kind != "root":
            errs.append("%s: rule units outside a root category" % cname)
    # A symbol written in notation is also what a user types: its parts must
    # be units of root or supplementary categories, from distinct root
    # categories, none from a category with rule units.
    def root_of(sym):
        c = where.get(sym)
        if c is not None and c.get("type") == "sup":
            core = [u for u in c.findall("unit") if u.get("type") == "si-unit"]
            return where.get(parse_units(core[0].get("symbol"))[0][0]) if core else None
        return c

    for sym in list(where):
        if not any(ch in sym for ch in "./^"):
            continue
        try:
            parts = parse_units(sym)
        except ValueError:
            continue  # reported above
        roots = []
        for s, _ in parts:
            r = root_of(s)
            if r is None or r.get("type") != "root":
                errs.append("%s: part %s is no unit of a root or supplementary category" % (sym, s))
                continue
            if any(r is x for x in roots):
                errs.append("%s: two parts of the category %s" % (sym, r.get("name")))
            roots.append(r)
            if any(x.get("type") == "rule" for x in r.findall("unit")):
                errs.append("%s: part %s belongs to a category with rule units" % (sym, s))
    # one supplementary category per root unit and degree
    sups = {}
    for c in cats:
        if c.get("type") == "sup":
            s, deg = parse_units([u for u in c.findall("unit") if u.get("type") == "si-unit"][0].get("symbol"))[0]
            key = (where[s].get("name"), deg)
            if key in sups:
                errs.append("%s and %s share root and degree" % (sups[key], c.get("name")))
            sups[key] = c.get("name")
    return errs, where


def check_abbreviations(path, where):
    errs = []
    pairs = []
    raw = open(path, "rb").read().decode("cp1252")
    for line in re.split(r"\r\n|\n|\r", raw):
        if "=" in line:
            name, value = line.split("=", 1)
            pairs.append((name, value))
        elif line.strip():
            errs.append("abbreviation line without '=': %r" % line)

    def abbrev(s):
        return next((v for n, v in pairs if n == s), s)

    def unabbrev(s):
        return next((n for n, v in pairs if v == s), s)

    for name, value in pairs:
        if name not in where:
            errs.append("abbreviation for %r, which is no symbol of the file" % name)
        if not value or not name_start(value[0]) or not all(name_char(c) for c in value):
            errs.append("abbreviation %r is not a single name of the notation" % value)

    def field(text, mapping):
        value, _, rest = text.partition("[")
        entries = parse_units(rest.split("]")[0])
        return "%s [%s]" % (value.strip(), unit_list_text([(mapping(s), d) for s, d in entries]))

    for sym in where:
        if any(ch in sym for ch in "./^"):
            continue  # written in notation: its parts are checked on their own
        for t in ("1 [%s]" % sym, "2 [%s/s^2]" % sym if sym != "s" else "2 [%s/h^2]" % sym):
            try:
                shown = field(t, abbrev)
                back = field(shown, unabbrev)
            except ValueError as e:
                errs.append("%s: display form does not parse: %s" % (t, e))
                continue
            if back != t:
                errs.append("%s is shown as %s and read back as %s" % (t, shown, back))
    return errs, len(pairs)


def read_pairs(path, what):
    pairs, errs = [], []
    raw = open(path, "rb").read().decode("cp1252")
    if re.search(r"(?<!\r)\n", raw) or re.search(r"\r(?!\n)", raw):
        errs.append("a line of %s does not end with CR LF" % what)
    for line in re.split(r"\r\n|\n|\r", raw):
        if "=" in line:
            pairs.append(tuple(line.split("=", 1)))
        elif line.strip():
            errs.append("%s line without '=': %r" % (what, line))
    return pairs, errs


def check_spellings(path, where, abbreviations):
    pairs, errs = read_pairs(path, "spelling")
    shown = {v: n for n, v in abbreviations}
    seen = set()
    for typed, stored in pairs:
        if not (typed and re.fullmatch(r"[A-Za-z_][A-Za-z0-9_]*", typed)):
            errs.append("spelling %r is not a plain name" % typed)
        if typed in where:
            errs.append("spelling %r is a symbol of the file" % typed)
        if typed in shown and shown[typed] != stored:
            errs.append("spelling %r is the shown abbreviation of another unit" % typed)
        if typed in seen:
            errs.append("spelling %r appears twice" % typed)
        seen.add(typed)
        try:
            parts = parse_units(stored)
        except ValueError as e:
            errs.append("spelling %s=%s does not parse: %s" % (typed, stored, e))
            continue
        if not parts:
            errs.append("spelling %s stands for no unit" % typed)
        for s, _ in parts:
            if s not in where:
                errs.append("spelling %s=%s: %s is no symbol of the file" % (typed, stored, s))
    spelled = {stored for _, stored in pairs}
    for sym in where:
        if any(ch in sym for ch in EXTRA) and not any(ch in sym for ch in "./^") and sym not in spelled:
            errs.append("%s has no ASCII spelling" % sym)
    return errs, len(pairs)


def main(argv):
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("--data", default=os.path.join(ROOT, "data", "default.unt"))
    ap.add_argument("--abrv", default=os.path.join(ROOT, "data", "abrv.lst"))
    ap.add_argument("--spellings", default=os.path.join(ROOT, "data", "spellings.lst"))
    args = ap.parse_args(argv)

    raw = open(args.data, "rb").read()
    problems = []
    text = raw.decode("cp1252")
    if re.search(r"(?<!\r)\n", text) or re.search(r"\r(?!\n)", text):
        problems.append("a line does not end with CR LF")
    root = ET.fromstring(re.sub(r"^<\?xml[^>]*\?>", '<?xml version="1.0"?>', text))
    if rewrite(root) != text:
        a, b = text.split("\r\n"), rewrite(root).split("\r\n")
        n = next((i for i, (x, y) in enumerate(zip(a, b)) if x != y), min(len(a), len(b)))
        problems.append("the writer would lay out line %d differently:\n    file:   %r\n    writer: %r"
                        % (n + 1, a[n] if n < len(a) else "", b[n] if n < len(b) else ""))
    errs, where = validate(root)
    problems += errs
    abrv_errs, n_abrv = check_abbreviations(args.abrv, where)
    problems += abrv_errs
    abbreviations, _ = read_pairs(args.abrv, "abbreviation")
    spell_errs, n_spell = check_spellings(args.spellings, where, abbreviations)
    problems += spell_errs

    cats = [c for dom in root.findall("domain") for c in dom.findall("category")]
    kinds = {k: sum(1 for c in cats if c.get("type") == k) for k in ("root", "sup", "comp")}
    print("domains %d, categories %d (root %d, sup %d, comp %d), units %d, abbreviations %d, spellings %d"
          % (len(root.findall("domain")), len(cats), kinds["root"], kinds["sup"], kinds["comp"],
             len(where), n_abrv, n_spell))
    if problems:
        print("FAILED:")
        for p in problems:
            print("  " + p)
        return 1
    print("file layout, validation rules, abbreviations and spellings hold")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
