#!/usr/bin/env python3
"""Writes realistic_conversions.tsv: conversions as people type them, with the
answer of GNU units for each.

The rows are what a mechanical engineer, a chemistry or physics student and an
everyday user would ask.  Each row gives our quantity and target, the pair of
GNU units expressions that asks the same question, and GNU units' answer; the
file is committed, so that realistic_check.py needs no GNU units.  Run this
again after changing ROWS:

  make_realistic.py [--units PATH] [--check]

With --check, exit 1 when the committed file differs from what GNU units says now.
"""

import argparse
import os
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "realistic_conversions.tsv")
DEG = "\u00b0"

# (quantity, target, GNU units: have, want).  A reciprocal conversion (pace to
# speed, mpg to L/100 km, a frequency to its period) is asked of GNU units as
# the reciprocal of the quantity, because units -t does not invert by itself.
ROWS = [
    # ---------------------------------------------------- mechanical engineering
    ("100 [psi]", "kPa", "100 psi", "kPa"),
    ("2.5 [bar]", "psi", "2.5 bar", "psi"),
    ("30 [inHg]", "hPa", "30 inHg", "hPa"),
    ("760 [mmHg]", "kPa", "760 mmHg", "kPa"),
    ("1 [atm]", "bar", "1 atm", "bar"),
    ("10 [mH2O]", "bar", "10 m water", "bar"),
    ("50 [ftH2O]", "psi", "50 ft water", "psi"),
    ("4 [inH2O]", "Pa", "4 in water", "Pa"),
    ("200 [MPa]", "ksi", "200 MPa", "ksi"),
    ("36 [ksi]", "N/mm^2", "36 ksi", "N/mm^2"),
    ("1 [kgf/cm^2]", "kPa", "1 kgf/cm^2", "kPa"),
    ("1 [N/mm^2]", "psi", "1 N/mm^2", "psi"),
    ("20 [lbf/ft^2]", "Pa", "20 lbf/ft^2", "Pa"),
    ("1 [mbar]", "hPa", "1 mbar", "hPa"),
    ("1 [Torr]", "mmHg", "1 torr", "mmHg"),
    ("100 [kPa]", "Torr", "100 kPa", "torr"),
    ("120 [N.m]", "lbf.ft", "120 N m", "lbf ft"),
    ("10 [Nm]", "lbf.ft", "10 N m", "lbf ft"),
    ("25 [lbf.in]", "N.m", "25 lbf in", "N m"),
    ("30 [kgf.cm]", "N.m", "30 kgf cm", "N m"),
    ("5 [kgf.m]", "N.m", "5 kgf m", "N m"),
    ("5 [ozf.in]", "mN.m", "5 oz force in", "mN m"),
    ("300 [hp]", "kW", "300 hp", "kW"),
    ("150 [kW]", "PS", "150 kW", "metrichorsepower"),
    ("1 [PS]", "hp", "1 metrichorsepower", "hp"),
    ("100 [W]", "hp", "100 W", "hp"),
    ("12000 [Btu_h]", "W", "12000 btu/hr", "W"),
    ("1500 [W]", "Btu_h", "1500 W", "btu/hr"),
    ("3 [TR]", "kW", "3 tonref", "kW"),
    ("2 [kW]", "Btu/min", "2 kW", "btu/min"),
    ("1 [thm_US]", "kWh", "1 UStherm", "kWh"),
    ("100 [kWh]", "MJ", "100 kWh", "MJ"),
    ("1 [MMBtu]", "GJ", "1e6 btu", "GJ"),
    ("1 [ft.lbf]", "J", "1 ft lbf", "J"),
    ("1 [hp.h]", "kWh", "1 hp hr", "kWh"),
    ("50 [L/min]", "gal/min", "50 L/min", "gal/min"),
    ("10 [gpm]", "L/min", "10 gal/min", "L/min"),
    ("100 [cfm]", "m^3/h", "100 ft^3/min", "m^3/hr"),
    ("500 [ft^3/min]", "L/s", "500 ft^3/min", "L/s"),
    ("1000 [bbl/d]", "m^3/d", "1000 bbl/day", "m^3/day"),
    ("25 [m^3/h]", "L/s", "25 m^3/hr", "L/s"),
    ("1 [ac_ft]", "m^3", "1 acre ft", "m^3"),
    ("7.85 [g/cm^3]", "lb/in^3", "7.85 g/cm^3", "lb/in^3"),
    ("1000 [kg/m^3]", "lb/ft^3", "1000 kg/m^3", "lb/ft^3"),
    ("62.4 [lb/ft^3]", "kg/m^3", "62.4 lb/ft^3", "kg/m^3"),
    ("8.34 [lb/gal]", "kg/L", "8.34 lb/gal", "kg/L"),
    ("1 [cP]", "Pa.s", "1 centipoise", "Pa s"),
    ("1 [cSt]", "mm^2/s", "1 centistokes", "mm^2/s"),
    ("9.81 [m/s^2]", "g_n", "9.81 m/s^2", "gravity"),
    ("3 [g_n]", "ft/s^2", "3 gravity", "ft/s^2"),
    ("200 [lbf]", "kN", "200 lbf", "kN"),
    ("1 [kip]", "kN", "1 kip", "kN"),
    ("1 [tf]", "kN", "1000 kgf", "kN"),
    ("500 [N]", "kgf", "500 N", "kgf"),
    ("1 [slug]", "kg", "1 slug", "kg"),
    ("1500 [rpm]", "Hz", "1500/min", "Hz"),
    ("3000 [rpm]", "rps", "3000/min", "1/s"),
    ("1500 [rev/min]", "rad/s", "1500 rev/min", "radian/s"),
    ("10 [rad/s]", "rev/min", "10 radian/s", "rev/min"),
    ("10 [rad/s]", "rpm", "10 radian/s", "rev/min"),
    ("45 [deg]", "rad", "45 deg", "radian"),
    ("1 [rev]", "deg", "1 rev", "deg"),
    ("90 [deg]", "gon", "90 deg", "gon"),
    ("2 [in]", "mm", "2 in", "mm"),
    ("0.5 [mil]", "um", "0.5 mil", "um"),
    ("1 [in^4]", "cm^4", "1 in^4", "cm^4"),
    ("12 [W/m.dK]", "Btu_h/ft.d" + DEG + "F", "12 W/m K", "btu/hr ft degF"),
    ("1 [W/m.dK]", "Btu_h/ft.d" + DEG + "F", "1 W/m K", "btu/hr ft degF"),
    ("1 [W/m.dK]", "Btu_h/ft.ddegF", "1 W/m K", "btu/hr ft degF"),
    ("1 [W/m.dK]", "Btu/h.ft.d" + DEG + "F", "1 W/m K", "btu/hr ft degF"),
    ("1 [W/m.K]", "W/m.dK", "1 W/m K", "W/m K"),
    ("5 [W/m^2.dK]", "Btu_h/ft^2.d" + DEG + "F", "5 W/m^2 K", "btu/hr ft^2 degF"),
    ("1 [m^2.dK/W]", "ft^2.d" + DEG + "F/Btu_h", "1 m^2 K/W", "ft^2 degF hr/btu"),
    ("4.186 [kJ/kg.dK]", "Btu/lb.d" + DEG + "F", "4.186 kJ/kg K", "btu/lb degF"),
    ("1 [cal/g.d" + DEG + "C]", "J/kg.dK", "1 cal/g K", "J/kg K"),
    ("1000 [W/m^2]", "Btu_h/ft^2", "1000 W/m^2", "btu/hr ft^2"),
    ("20 [d" + DEG + "C]", "d" + DEG + "F", "20 K", "degF"),
    ("5 [ddegC]", "ddegF", "5 K", "degF"),
    # ------------------------------------------------ physics and chemistry
    ("1 [h_P.c_0/cm]", "eV", "h c/cm", "eV"),
    ("300 [k_B.dK]", "eV", "300 K k", "eV"),
    ("1 [eV]", "J", "1 eV", "J"),
    ("1 [E_h]", "eV", "1 hartree", "eV"),
    ("1 [Ry]", "eV", "1 rydberg", "eV"),
    ("500 [nm]", "\u00c5", "500 nm", "angstrom"),
    ("1 [angstrom]", "pm", "1 angstrom", "pm"),
    ("1 [Da]", "kg", "1 u", "kg"),
    ("12 [amu]", "g", "12 u", "g"),
    ("1 [N_A]", "1/mol", "N_A", "1/mol"),
    ("1 [R_gas]", "J/mol.dK", "R", "J/mol K"),
    ("1 [N_A.k_B]", "J/mol.dK", "N_A k", "J/mol K"),
    ("1 [R_gas]", "cal/mol.dK", "R", "cal/mol K"),
    ("1 [hbar]", "eV.s", "hbar", "eV s"),
    ("1 [h_P]", "J.s", "h", "J s"),
    ("1 [e]", "C", "e", "C"),
    ("96485 [C]", "Fd", "96485 C", "faraday"),
    ("1 [G_N]", "cm^3/g.s^2", "G", "cm^3/g s^2"),
    ("1 [c_0]", "km/s", "c", "km/s"),
    ("1 [ly]", "km", "1 lightyear", "km"),
    ("1 [pc]", "ly", "1 parsec", "lightyear"),
    ("1 [au]", "km", "1 au", "km"),
    ("1 [mu_B]", "J/T", "bohrmagneton", "J/T"),
    ("1 [atm]", "Pa", "1 atm", "Pa"),
    ("1 [L/mol]", "cm^3/mol", "1 L/mol", "cm^3/mol"),
    ("0.1 [M]", "mol/L", "0.1 mol/L", "mol/L"),
    ("2 [Hz]", "s", "1/(2 Hz)", "s"),
    ("50 [Hz]", "ms", "1/(50 Hz)", "ms"),
    ("10 [ms]", "Hz", "1/(10 ms)", "Hz"),
    ("1 [min]", "Hz", "1/min", "Hz"),
    ("5 [GHz]", "ns", "1/(5 GHz)", "ns"),
    ("1 [1/cm]", "1/m", "1/cm", "1/m"),
    ("3 [dpt]", "1/m", "3 diopter", "1/m"),
    ("1 [Ci]", "GBq", "1 curie", "GBq"),
    ("1 [rem]", "mSv", "1 rem", "mSv"),
    ("100 [rd]", "Gy", "100 rad", "Gy"),
    ("1 [R]", "C/kg", "1 roentgen", "C/kg"),
    ("1 [uSv/h]", "mSv/yr", "1 uSv/hr", "mSv/(365 day)"),
    ("1 [T]", "G", "1 tesla", "gauss"),
    ("1 [Oe]", "A/m", "1 oersted", "A/m"),
    ("1 [D]", "C.m", "1 debye", "C m"),
    ("100 [pF]", "nF", "100 pF", "nF"),
    ("1 [kOhm]", "Ohm", "1 kohm", "ohm"),
    ("1 [abA]", "A", "1 abampere", "A"),
    ("5 [Ah]", "C", "5 A hr", "C"),
    ("3.7 [V.Ah]", "Wh", "3.7 V A hr", "W hr"),
    ("1 [kWh]", "BTU", "1 kWh", "btu"),
    ("1 [BTU]", "kJ", "1 btu", "kJ"),
    ("1 [cal]", "J", "1 cal_th", "J"),
    ("1 [cal_IT]", "J", "1 cal_IT", "J"),
    ("2000 [kcal]", "kJ", "2000 kcal_th", "kJ"),
    ("500 [Cal]", "kJ", "500 kcal_th", "kJ"),
    ("1 [kWh]", "kcal", "1 kWh", "kcal_th"),
    ("1 [erg]", "J", "1 erg", "J"),
    ("1 [dyn]", "N", "1 dyne", "N"),
    ("1 [EJ]", "TWh", "1 EJ", "TWh"),
    ("1 [pJ]", "eV", "1 pJ", "eV"),
    ("1 [fJ]", "keV", "1 fJ", "keV"),
    # ---------------------------------------------------------- temperatures
    ("273.15 [K]", DEG + "C", "273.15 K", "tempC"),
    ("20 [" + DEG + "C]", DEG + "F", "tempC(20)", "tempF"),
    ("20 [degC]", "degF", "tempC(20)", "tempF"),
    ("-40 [" + DEG + "F]", DEG + "C", "tempF(-40)", "tempC"),
    ("98.6 [degF]", "degC", "tempF(98.6)", "tempC"),
    ("0 [" + DEG + "F]", "K", "tempF(0)", "K"),
    ("500 [" + DEG + "R]", "K", "tempR(500)", "K"),
    ("100 [" + DEG + "C]", DEG + "Re", "tempC(100)", "tempreaumur"),
    ("300 [K]", DEG + "F", "300 K", "tempF"),
    ("37 [degC]", "K", "tempC(37)", "K"),
    ("-18 [degC]", "degF", "tempC(-18)", "tempF"),
    # ------------------------------------------------------------------ data
    ("1 [PB]", "TB", "1 PB", "TB"),
    ("1 [PiB]", "TiB", "1 PiB", "TiB"),
    ("1 [PiB]", "PB", "1 PiB", "PB"),
    ("1 [EB]", "PB", "1 EB", "PB"),
    ("500 [GB]", "GiB", "500 GB", "GiB"),
    ("1 [TB]", "GiB", "1 TB", "GiB"),
    ("100 [Mbit/s]", "MB/s", "100 Mbit/s", "MB/s"),
    ("1 [Gbit/s]", "MiB/s", "1 Gbit/s", "MiB/s"),
    ("1 [Pbit]", "TB", "1 Pbit", "TB"),
    ("1 [B]", "bit", "1 B", "bit"),
    ("1 [MB/s]", "GB/h", "1 MB/s", "GB/hr"),
    ("300 [dpi]", "dpcm", "300/in", "1/cm"),
    # ---------------------------------------------------------- everyday use
    ("35 [mpg]", "L_100km", "1/(35 mpg)", "L/(100 km)"),
    ("6 [L_100km]", "mpg", "1/(6 L/(100 km))", "mpg"),
    ("40 [mpg_UK]", "mpg", "40 mi/brgallon", "mi/gal"),
    ("15 [kmpl]", "mpg", "15 km/L", "mpg"),
    ("1 [gal_100mi]", "L_100km", "1 gal/(100 mi)", "L/(100 km)"),
    ("8 [min/mi]", "km/h", "1/(8 min/mi)", "km/hr"),
    ("5 [min/km]", "min/mi", "5 min/km", "min/mi"),
    ("12 [km/h]", "min/km", "1/(12 km/hr)", "min/km"),
    ("60 [mph]", "min/mi", "1/(60 mph)", "min/mi"),
    ("4 [min/km]", "km/h", "1/(4 min/km)", "km/hr"),
    ("4 [mi/kWh]", "Wh/km", "1/(4 mi/kWh)", "Wh/km"),
    ("18 [kWh_100km]", "Wh/mi", "18 kWh/(100 km)", "Wh/mi"),
    ("250 [Wh/mi]", "kWh_100km", "250 Wh/mi", "kWh/(100 km)"),
    ("50 [mg/kg]", "ppm", "50 mg/kg", "ppm"),
    ("2 [mm/m]", "pct", "2 mm/m", "percent"),
    ("5 [pct]", "permille", "5 percent", "0.001"),
    ("0.5 [permille]", "ppm", "0.5*0.001", "ppm"),
    ("100 [km/h]", "mph", "100 km/hr", "mph"),
    ("60 [mph]", "m/s", "60 mph", "m/s"),
    ("20 [kn]", "km/h", "20 knot", "km/hr"),
    ("20 [kn]", "m/s", "20 knot", "m/s"),
    ("6 [ft]", "m", "6 ft", "m"),
    ("180 [cm]", "ft", "180 cm", "ft"),
    ("1 [mi]", "km", "1 mi", "km"),
    ("5 [km]", "mi", "5 km", "mi"),
    ("1 [mi]", "ft", "1 mi", "ft"),
    ("100 [yd]", "m", "100 yd", "m"),
    ("10 [nmi]", "km", "10 nmi", "km"),
    ("8 [fur]", "mi", "8 furlong", "mi"),
    ("1 [ch]", "ft", "1 chain", "ft"),
    ("5280 [ft_US]", "m", "5280 surveyfoot", "m"),
    ("1 [mi_survey]", "mi", "1 surveymile", "mi"),
    ("1 [acre]", "m^2", "1 acre", "m^2"),
    ("1 [ha]", "acre", "1 hectare", "acre"),
    ("1 [ha]", "ft^2", "1 hectare", "ft^2"),
    ("1000 [ft^2]", "m^2", "1000 ft^2", "m^2"),
    ("1 [mi^2]", "km^2", "1 mi^2", "km^2"),
    ("2 [mi^2]", "acre", "2 mi^2", "acre"),
    ("1 [in^2]", "cm^2", "1 in^2", "cm^2"),
    ("30 [pyeong]", "m^2", "30 tsubo", "m^2"),
    ("10 [mu]", "ha", "10*60 (10|3 m)^2", "hectare"),
    ("5 [dunam]", "acre", "5000 m^2", "acre"),
    ("1 [m^3]", "gal", "1 m^3", "gal"),
    ("1 [L]", "in^3", "1 L", "in^3"),
    ("1 [bbl]", "L", "42 gal", "L"),
    ("1 [bu]", "L", "1 bushel", "L"),
    ("1 [cord]", "m^3", "1 cord", "m^3"),
    ("1 [cup]", "mL", "1 uscup", "ml"),
    ("2 [cup_m]", "mL", "2 metriccup", "ml"),
    ("1 [cup_UK]", "cup", "1 brcup", "uscup"),
    ("3 [tbsp]", "mL", "3 tablespoon", "ml"),
    ("1 [tbsp_AU]", "tsp_m", "1 australiatablespoon", "5 ml"),
    ("1 [tsp]", "mL", "1 teaspoon", "ml"),
    ("8 [fl_oz]", "mL", "8 floz", "ml"),
    ("12 [fl_oz]", "cup", "12 floz", "uscup"),
    ("1 [pt_UK]", "mL", "1 brpint", "ml"),
    ("1 [pt]", "L", "1 uspint", "L"),
    ("1 [pt_US]", "mL", "1 uspint", "ml"),
    ("1 [gal]", "L", "1 gal", "L"),
    ("1 [gal_UK]", "gal", "1 brgallon", "gal"),
    ("70 [kg]", "lb", "70 kg", "lb"),
    ("500 [g]", "lb", "500 g", "lb"),
    ("1 [lb]", "g", "1 lb", "g"),
    ("12 [st]", "kg", "12 stone", "kg"),
    ("8 [oz]", "g", "8 oz", "g"),
    ("1 [ozt]", "g", "1 troyounce", "g"),
    ("1 [ct]", "mg", "1 carat", "mg"),
    ("1 [ton_US]", "t", "1 shortton", "tonne"),
    ("1 [ton_UK]", "kg", "1 longton", "kg"),
    ("1 [cwt]", "lb", "1 longhundredweight", "lb"),
    ("1 [cwt_UK]", "kg", "1 longhundredweight", "kg"),
    ("1 [cwt_US]", "kg", "1 shorthundredweight", "kg"),
    ("3 [quintal]", "kg", "3 quintal", "kg"),
    ("2 [jin]", "g", "2 catty", "g"),
    ("10 [tola]", "g", "10 tola", "g"),
    ("1 [Gt]", "Mt", "1 Gt", "Mt"),
    ("2 [fortnight]", "d", "2 fortnight", "day"),
    ("6 [month]", "d", "6 gregorianyear/12", "day"),
    ("1 [decade]", "yr", "10 gregorianyear", "365 day"),
    ("1 [century]", "d", "100 gregorianyear", "day"),
    ("1 [yr]", "d", "365 day", "day"),
    ("3 [wk]", "h", "3 week", "hr"),
    ("90 [min]", "h", "90 min", "hr"),
    ("1 [d]", "s", "1 day", "s"),
    ("1 [Myr]", "yr", "1e6 julianyear", "365 day"),
    ("1 [a_jul]", "d", "1 julianyear", "day"),
]


def gnu(units_prog, have, want):
    r = subprocess.run([units_prog, "-t", "-d", "15", have, want], capture_output=True, text=True)
    out = (r.stdout + r.stderr).strip()
    try:
        return "%.15g" % float(out.split()[0])
    except (ValueError, IndexError):
        raise SystemExit("GNU units cannot convert %r to %r: %s" % (have, want, out))


def table(units_prog):
    seen = set()
    lines = ["# QUANTITY\tTARGET\tGNU units: have\tGNU units: want\tGNU units' answer"]
    for q, t, have, want in ROWS:
        if (q, t) in seen:
            raise SystemExit("row %s -> %s twice" % (q, t))
        seen.add((q, t))
        lines.append("\t".join((q, t, have, want, gnu(units_prog, have, want))))
    return "".join(line + "\n" for line in lines)


def main(argv):
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("--units", default="units", help="GNU units program")
    ap.add_argument("--check", action="store_true", help="compare with the committed file only")
    args = ap.parse_args(argv)
    text = table(args.units)
    if args.check:
        same = os.path.exists(OUT) and open(OUT, encoding="utf-8").read() == text
        print("up to date" if same else "out of date: %s" % OUT)
        return 0 if same else 1
    with open(OUT, "w", encoding="utf-8") as f:
        f.write(text)
    print("%d rows written to %s" % (len(ROWS), OUT))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
