#!/usr/bin/env python3
"""Checks every unit of a unit data file against GNU units.

For each enabled factor unit, 1 [unit] must equal `factor` [core unit] of its
category; GNU units computes the same ratio from its own definitions, and the
two must agree to a relative difference below 1e-9.  Rule units (temperature
scales) are checked at several values against GNU units' functions.

Our symbols are not GNU units' names, so gnu_units_map.tsv gives, per symbol,
the GNU units expression for one of that unit (or "-" and the reason when it
cannot be checked).  A symbol written in unit notation (lbf.ft, km/h) that has
no row is translated part by part.

  gnu_units_check.py [--data FILE] [--map FILE] [--cli PATH] [--units PATH]

With --cli, our value comes from the headless converter instead of the file's
factor:  PATH --data FILE --prec 10 convert "1 [SYM]" CORE

Exit status 0 when everything agrees, 1 with a listing otherwise.
"""

import argparse
import os
import re
import shutil
import subprocess
import sys
import xml.etree.ElementTree as ET
from concurrent.futures import ThreadPoolExecutor

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
TOLERANCE = 1e-9
# Through the converter a value enters each rule formula as text with the precision
# option's ten digits, so a chain of two rules is exact to about 1e-7 only.
RULE_CLI_TOLERANCE = 1e-6
MAX_UNCHECKED_SHARE = 0.10
RULE_SAMPLES = (-40.0, 0.0, 20.0, 100.0, 1234.5)


def load_units(path):
    """Enabled categories and units of a unit data file, in file order."""
    raw = open(path, "rb").read()
    text = raw.decode("cp1252")
    text = re.sub(r'^<\?xml[^>]*\?>', '<?xml version="1.0"?>', text)
    root = ET.fromstring(text)
    cats = []
    for dom in root.findall("domain"):
        if dom.get("enabled", "0") == "0":
            continue
        for cat in dom.findall("category"):
            if cat.get("enabled", "0") == "0":
                continue
            units = [u.attrib for u in cat.findall("unit") if u.get("enabled", "0") != "0"]
            cats.append((cat.get("name"), cat.get("type"), units))
    return cats


def load_map(path):
    rows = {}
    with open(path, encoding="utf-8") as f:
        for n, line in enumerate(f, 1):
            line = line.rstrip("\n")
            if not line.strip() or line.startswith("#"):
                continue
            cells = line.split("\t")
            if len(cells) < 2:
                raise SystemExit("%s:%d: expected SYMBOL<TAB>EXPRESSION[<TAB>REASON]" % (path, n))
            sym, expr = cells[0], cells[1].strip()
            reason = cells[2].strip() if len(cells) > 2 else ""
            if sym in rows:
                raise SystemExit("%s:%d: %s appears twice" % (path, n, sym))
            if expr == "-" and not reason:
                raise SystemExit("%s:%d: %s is not checkable but gives no reason" % (path, n, sym))
            rows[sym] = (expr, reason)
    return rows


def parse_notation(symbol):
    """symbol=degree entries of a unit written in the converter's notation."""
    t = symbol.strip()
    if t.startswith("1/"):
        num, den = "", t[2:]
    elif "/" in t:
        num, den = t.split("/", 1)
    else:
        num, den = t, ""
    out = []
    for part, sign in ((num, 1), (den, -1)):
        for piece in filter(None, part.split(".")):
            name, _, deg = piece.partition("^")
            out.append((name, sign * (int(deg) if deg else 1)))
    return out


def is_notation(symbol):
    return any(ch in symbol for ch in "./^")


class Translator:
    def __init__(self, rows):
        self.rows = rows

    def expr(self, symbol):
        """GNU units expression for one of `symbol`, or (None, reason) when the
        map says it cannot be checked.  KeyError when the map has no row."""
        if symbol in self.rows:
            expr, reason = self.rows[symbol]
            return (None, reason) if expr == "-" else (expr, "")
        if not is_notation(symbol):
            raise KeyError(symbol)
        num, den = [], []
        for name, deg in parse_notation(symbol):
            e, reason = self.expr(name)
            if e is None:
                return None, "part %s: %s" % (name, reason)
            piece = "(%s)" % e if abs(deg) == 1 else "(%s)^%d" % (e, abs(deg))
            (num if deg > 0 else den).append(piece)
        text = "*".join(num) if num else "1"
        if den:
            text += "/(" + "*".join(den) + ")"
        return text, ""


def gnu_value(units_prog, have, want):
    r = subprocess.run([units_prog, "-t", "-d", "15", have, want],
                       capture_output=True, text=True)
    out = (r.stdout + r.stderr).strip()
    try:
        return float(out.split()[0]), ""
    except (ValueError, IndexError):
        return None, "GNU units: %s" % out.replace("\n", " ")


def cli_value(cli, data, quantity, target):
    r = subprocess.run([cli, "--data", data, "--prec", "10", "convert", quantity, target],
                       capture_output=True, text=True)
    if r.returncode != 0:
        return None, "converter: %s" % (r.stderr.strip() or r.stdout.strip())
    try:
        return float(r.stdout.split("[")[0]), ""
    except ValueError:
        return None, "converter printed %r" % r.stdout.strip()


def eval_rule(formula, value):
    """A rule formula with the value put in place of '#', as the converter does."""
    text = formula.replace("#", "(%r)" % value if value < 0 else repr(value))
    if not re.fullmatch(r"[0-9.+\-*/()eE]+", text):
        raise ValueError("unexpected formula %r" % formula)
    return eval(text, {"__builtins__": {}})  # only digits and arithmetic reach here


def rel_diff(a, b):
    if a == b:
        return 0.0
    return abs(a - b) / max(abs(a), abs(b))


def main(argv):
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("--data", default=os.path.join(ROOT, "data", "default.unt"))
    ap.add_argument("--map", default=os.path.join(HERE, "gnu_units_map.tsv"))
    ap.add_argument("--cli", help="headless converter to take our values from")
    ap.add_argument("--units", default="units", help="GNU units program")
    args = ap.parse_args(argv)

    if shutil.which(args.units) is None:
        print("FAILED: GNU units (%s) is not installed; scripts/setup installs the package units"
              % args.units)
        return 1
    cats = load_units(args.data)
    rows = load_map(args.map)
    tr = Translator(rows)
    all_symbols = {u.get("symbol") for _, _, units in cats for u in units}
    total = len(all_symbols)

    jobs, base_jobs, unchecked, failures = [], [], [], []
    for cat_name, kind, units in cats:
        cores = [u for u in units if u.get("type") == "si-unit"]
        if len(cores) != 1:
            failures.append("%s: %d core units" % (cat_name, len(cores)))
            continue
        core = cores[0]["symbol"]
        try:
            core_expr, why = tr.expr(core)
        except KeyError as e:
            failures.append("no row in the map for %s (core of %s)" % (e.args[0], cat_name))
            continue
        for u in units:
            sym, typ = u["symbol"], u["type"]
            if typ == "si-unit":
                continue
            try:
                expr, reason = tr.expr(sym)
            except KeyError as e:
                failures.append("no row in the map for %s" % e.args[0])
                continue
            if expr is None or core_expr is None:
                unchecked.append((sym, reason if expr is None else "core %s: %s" % (core, why)))
                continue
            jobs.append((cat_name, core, core_expr, u, expr))
        if kind == "root" and core_expr is not None:
            base = cores[0].get("in_base_units", "")
            try:
                base_expr = "1" if base.strip() == "1" else tr.expr(base)[0]
            except KeyError:
                base_expr = None
            base_jobs.append((cat_name, core, core_expr, base, base_expr))

    stale = sorted(s for s in rows if s not in all_symbols
                   and not any(s == p for sym in all_symbols if is_notation(sym)
                               for p, _ in parse_notation(sym)))
    for s in stale:
        failures.append("map row %s names no unit of the file" % s)

    def run(job):
        cat_name, core, core_expr, u, expr = job
        sym = u["symbol"]
        problems = []
        if u["type"] == "factor":
            if args.cli:
                ours, err = cli_value(args.cli, args.data, "1 [%s]" % sym, core)
            else:
                try:
                    ours, err = float(u["factor"]), ""
                except ValueError:
                    ours, err = None, "factor %r is not a number" % u["factor"]
            theirs, err2 = gnu_value(args.units, expr, core_expr)
            if ours is None or theirs is None:
                problems.append("%s [%s]: %s" % (sym, cat_name, err or err2))
            elif rel_diff(ours, theirs) >= TOLERANCE:
                problems.append("%s [%s]: 1 %s = %.17g %s here, GNU units (%s -> %s) says %.15g"
                                % (sym, cat_name, sym, ours, core, expr, core_expr, theirs))
        elif u["type"] == "rule":
            for t in RULE_SAMPLES:
                if args.cli:
                    ours, err = cli_value(args.cli, args.data, "%r [%s]" % (t, sym), core)
                else:
                    ours = eval_rule(u["rule_to"], t)
                    back = eval_rule(u["rule_from"], ours)
                    err = ""
                    if rel_diff(back, t) >= TOLERANCE and abs(back - t) > 1e-9:
                        problems.append("%s: rule_from(rule_to(%g)) = %.15g" % (sym, t, back))
                theirs, err2 = gnu_value(args.units, expr.replace("#", repr(t)), core_expr)
                if ours is None or theirs is None:
                    problems.append("%s at %g: %s" % (sym, t, err or err2))
                elif rel_diff(ours, theirs) >= TOLERANCE:
                    problems.append("%s: %g %s = %.15g %s here, GNU units says %.15g"
                                    % (sym, t, sym, ours, core, theirs))
        else:
            problems.append("%s: unknown unit type %r" % (sym, u["type"]))
        return problems

    # Rule units of one category converted into each other (20 [°C] -> °F),
    # compared with GNU units' inverse functions (tempF without argument).
    rule_pairs = []
    for cat_name, kind, units in cats:
        rules = [(u, tr.rows.get(u["symbol"], ("-", ""))[0]) for u in units if u.get("type") == "rule"]
        rules = [(u, e) for u, e in rules if e.endswith("(#)")]
        rule_pairs += [(a, ea, b, eb) for a, ea in rules for b, eb in rules if a is not b]

    def run_pair(pair):
        a, ea, b, eb = pair
        problems = []
        for t in RULE_SAMPLES:
            if args.cli:
                ours, err = cli_value(args.cli, args.data, "%r [%s]" % (t, a["symbol"]), b["symbol"])
            else:
                ours, err = eval_rule(b["rule_from"], eval_rule(a["rule_to"], t)), ""
            theirs, err2 = gnu_value(args.units, ea.replace("#", repr(t)), eb[:-3])
            if ours is None or theirs is None:
                problems.append("%g %s -> %s: %s" % (t, a["symbol"], b["symbol"], err or err2))
            elif abs(ours - theirs) > (RULE_CLI_TOLERANCE if args.cli else TOLERANCE * max(1.0, abs(theirs))):
                problems.append("%g %s = %.15g %s here, GNU units says %.15g"
                                % (t, a["symbol"], ours, b["symbol"], theirs))
        return problems

    def run_base(job):
        # The core unit of a root category must equal its in_base_units.
        cat_name, core, core_expr, base, base_expr = job
        if base_expr is None:
            return ["%s: in_base_units %r cannot be translated" % (cat_name, base)], []
        theirs, err = gnu_value(args.units, core_expr, base_expr)
        if theirs is None:
            if base.strip() == "1" and "conformability" in err:
                return [], ["%s: GNU units keeps %s as a base unit of its own" % (cat_name, core_expr)]
            return ["%s: core %s vs in_base_units %s: %s" % (cat_name, core, base, err)], []
        if rel_diff(theirs, 1.0) >= TOLERANCE:
            return ["%s: 1 %s = %.15g %s by GNU units, in_base_units says 1" % (cat_name, core, theirs, base)], []
        return [], []

    notes = []
    with ThreadPoolExecutor(max_workers=8) as pool:
        for problems in pool.map(run, jobs):
            failures.extend(problems)
        for problems in pool.map(run_pair, rule_pairs):
            failures.extend(problems)
        for problems, remarks in pool.map(run_base, base_jobs):
            failures.extend(problems)
            notes.extend(remarks)

    checked = len(jobs)
    print("units in file: %d; checked against GNU units: %d; not checkable: %d"
          % (total, checked, len(unchecked)))
    for sym, reason in unchecked:
        print("  not checked: %s (%s)" % (sym, reason))
    print("rule units converted into each other: %d pairs at %d values"
          % (len(rule_pairs), len(RULE_SAMPLES)))
    print("core units compared with their in_base_units: %d" % len(base_jobs))
    for note in notes:
        print("  note: " + note)
    if len(unchecked) > MAX_UNCHECKED_SHARE * total:
        failures.append("%d units cannot be checked, more than a tenth of %d" % (len(unchecked), total))
    if failures:
        print("FAILED:")
        for f in failures:
            print("  " + f)
        return 1
    print("all checked units agree within %g" % TOLERANCE)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
