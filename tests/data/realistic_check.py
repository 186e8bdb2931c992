#!/usr/bin/env python3
"""Runs the realistic conversions through the headless converter.

Every row of realistic_conversions.tsv (quantity, target, GNU units' answer)
is converted with  CLI --data FILE --prec 10 batch  and compared with GNU
units: within 1e-9 relative, or 1e-6 absolute where a temperature scale is
involved (a rule formula sees the value with ten digits).  Rows listed in
realistic_expected_failures.tsv are conversions that stay impossible by
design; they must fail, with any message.

  realistic_check.py --cli PATH [--data FILE] [--table FILE] [--expected FILE]

Prints every failing row and the pass rate over the rows that should convert.
Exit status 1 when a row that is not an expected failure fails, an expected
failure passes, or fewer than 95 % of the rows that should convert pass.
"""

import argparse
import os
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
REL_TOL = 1e-9
SCALE_TOL = 1e-6
MIN_PASS_RATE = 0.95
DEG = "\u00b0"
# Units of the temperature scales (rule units and the Rankine scale), typed or stored
SCALES = {"K", DEG + "C", DEG + "F", DEG + "R", DEG + "Re", "degC", "degF", "degR", "degRe"}


def read_rows(path, columns):
    rows = []
    with open(path, encoding="utf-8") as f:
        for n, line in enumerate(f, 1):
            line = line.rstrip("\n")
            if not line.strip() or line.startswith("#"):
                continue
            cells = line.split("\t")
            if len(cells) != columns:
                raise SystemExit("%s:%d: expected %d columns" % (path, n, columns))
            rows.append(cells)
    return rows


def is_scale(quantity, target):
    unit = quantity.partition("[")[2].rstrip("]").strip()
    return unit in SCALES or target.strip() in SCALES


def main(argv):
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("--cli", required=True, help="headless converter")
    ap.add_argument("--data", default=os.path.join(ROOT, "data", "default.unt"))
    ap.add_argument("--table", default=os.path.join(HERE, "realistic_conversions.tsv"))
    ap.add_argument("--expected", default=os.path.join(HERE, "realistic_expected_failures.tsv"))
    args = ap.parse_args(argv)

    rows = read_rows(args.table, 5)
    expected = {(q, t): why for q, t, why in read_rows(args.expected, 3)}
    known = {(r[0], r[1]) for r in rows}
    problems = ["expected failure %s -> %s is no row of the table" % k for k in expected if k not in known]

    stdin = "".join("%s\t%s\n" % (r[0], r[1]) for r in rows)
    run = subprocess.run([args.cli, "--data", args.data, "--prec", "10", "batch"], input=stdin.encode("utf-8"),
                         capture_output=True)
    answers = run.stdout.decode("utf-8", "replace").splitlines()
    if len(answers) != len(rows):
        print("FAILED: %d rows, %d answers from the converter: %s"
              % (len(rows), len(answers), run.stderr.decode("utf-8", "replace").strip()))
        return 1

    passed, failing = 0, []
    for (q, t, have, want, theirs), answer in zip(rows, answers):
        theirs = float(theirs)
        why = ""
        if answer.startswith("error: "):
            why = answer[len("error: "):]
        else:
            try:
                ours = float(answer.partition("[")[0])
            except ValueError:
                ours, why = None, "converter printed %r" % answer
            if ours is not None:
                if is_scale(q, t):
                    ok = abs(ours - theirs) <= SCALE_TOL
                else:
                    ok = ours == theirs or abs(ours - theirs) <= REL_TOL * max(abs(ours), abs(theirs))
                if not ok:
                    why = "%s here, GNU units (%s -> %s) says %.15g" % (answer, have, want, theirs)
        if not why:
            passed += 1
            if (q, t) in expected:
                problems.append("%s -> %s passes but is listed as an expected failure" % (q, t))
        else:
            failing.append((q, t, why))

    for q, t, why in failing:
        mark = "expected" if (q, t) in expected else "FAIL"
        print("%-8s %s -> %s: %s" % (mark, q, t, why))
        if (q, t) in expected:
            print("         (%s)" % expected[(q, t)])
        else:
            problems.append("%s -> %s: %s" % (q, t, why))
    # The rate counts the rows that should convert: refusals by design are no shortfall.
    should = len(rows) - len(expected)
    rate = passed / should if should else 1.0
    print("passed %d of %d rows that should convert (%.1f %%); %d rows refused by design"
          % (passed, should, 100 * rate, len(expected)))
    if rate < MIN_PASS_RATE:
        problems.append("pass rate %.1f %% is below %.0f %%" % (100 * rate, 100 * MIN_PASS_RATE))
    if problems:
        print("FAILED:")
        for p in problems:
            print("  " + p)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
