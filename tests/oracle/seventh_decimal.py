#!/usr/bin/env python3
"""Works out the six texts of large and lopsided triangles, independently of
the C++ solver, for the table rows that pin the seventh decimal.

The case table of the fifteen pairs is written here afresh in Python, whose
floats are IEEE 754 doubles with correctly rounded +, -, *, / and sqrt; the
single-precision b1 goes through struct's 'f' format (round to nearest).
The writing follows the number formatting's rule: the decimal form with 15
significant digits (7 for a single), rounded half away from zero to seven
decimals. Each result is also checked against the exact lengths (Fraction
and 60-digit Decimal square roots): a text may differ from the exact length
only by the rounding the recipe does.

For every pair the script also runs plausible wrong recipes (another order
of the same operations, b1 kept in double, another relation) and keeps an
input only where each of them writes a different text, so that the table
rows tell the right order of operations from the wrong ones.

Run: python3 tests/oracle/seventh_decimal.py   (prints the C++ table rows)
"""

import math
import random
import struct
from decimal import ROUND_HALF_UP, Decimal, getcontext
from fractions import Fraction

getcontext().prec = 60


def single(x):
    return struct.unpack("f", struct.pack("f", x))[0]


def write(x, significant=15):
    digits = Decimal("%.*e" % (significant - 1, x))
    return "{:f}".format(digits.quantize(Decimal("1e-7"), rounding=ROUND_HALF_UP))


def texts(v):
    a, b, c, hc, a1, b1 = v
    return [write(a), write(b), write(c), write(hc), write(a1), write(b1, 7)]


sqrt = math.sqrt


# Each recipe takes the two given values (b1 already single when given) and
# returns (a, b, c, hc, a1, b1).
def row0(a, b, m=None):
    c = sqrt(a * a + b * b)
    hc = (a * b) / c if m != "hc" else a * (b / c)
    a1 = (a * a) / c if m != "a1" else a * (a / c)
    b1 = single((b * b) / c) if m != "b1" else single(c - a1)
    return a, b, c, hc, a1, b1


def row1(a, c, m=None):
    b = sqrt(c * c - a * a) if m != "b" else sqrt((c - a) * (c + a))
    hc = (a * b) / c if m != "hc" else a * (b / c)
    a1 = (a * a) / c if m != "a1" else a * (a / c)
    b1 = single((b * b) / c) if m != "b1" else single(c - a1)
    return a, b, c, hc, a1, b1


def row2(a, hc, m=None):
    a1 = sqrt(a * a - hc * hc) if m != "a1" else sqrt((a - hc) * (a + hc))
    c = (a * a) / a1 if m != "c" else a * (a / a1)
    b1 = single(c - a1) if m != "b1" else (hc * hc) / a1
    b = sqrt(c * c - a * a) if m != "b" else sqrt(c * b1)
    return a, b, c, hc, a1, b1


def row3(a, a1, m=None):
    hc = sqrt(a * a - a1 * a1) if m != "hc" else sqrt((a - a1) * (a + a1))
    b1 = single((hc * hc) / a1) if m != "b1" else (hc * hc) / a1
    c = a1 + b1
    b = sqrt(c * c - a * a) if m != "b" else sqrt(c * b1)
    return a, b, c, hc, a1, b1


def row4(a, b1, m=None):
    s = single(b1 * b1) if m != "s" else b1 * b1
    a1 = (-b1 + sqrt(s + (4 * a) * a)) / 2 if m != "a1" else (a * a) / ((b1 + sqrt(s + 4 * a * a)) / 2)
    c = a1 + b1
    b = sqrt(c * b1) if m != "b" else sqrt(c * c - a * a)
    hc = sqrt(a1 * b1) if m != "hc" else (a * b) / c
    return a, b, c, hc, a1, b1


def row5(b, c, m=None):
    a = sqrt(c * c - b * b) if m != "a" else sqrt((c - b) * (c + b))
    hc = (a * b) / c if m != "hc" else a * (b / c)
    a1 = (a * a) / c if m != "a1" else a * (a / c)
    b1 = single((b * b) / c) if m != "b1" else single(c - a1)
    return a, b, c, hc, a1, b1


def row6(b, hc, m=None):
    b1 = single(sqrt(b * b - hc * hc)) if m != "b1" else sqrt(b * b - hc * hc)
    a1 = (hc * hc) / b1 if m != "a1" else hc * (hc / b1)
    c = a1 + b1
    a = sqrt(c * a1) if m != "a" else sqrt(c * c - b * b)
    return a, b, c, hc, a1, b1


def row7(b, a1, m=None):
    root = sqrt(a1 * a1 + (4 * b) * b)
    b1 = single((-a1 + root) / 2) if m != "b1" else (-a1 + root) / 2
    c = a1 + b1
    a = sqrt(c * a1) if m != "a" else sqrt(c * c - b * b)
    hc = sqrt(a1 * b1) if m != "hc" else (a * b) / c
    return a, b, c, hc, a1, b1


def row8(b, b1, m=None):
    s = single(b1 * b1) if m != "s" else b1 * b1
    hc = sqrt(b * b - s)
    a1 = (hc * hc) / b1 if m != "a1" else hc * (hc / b1)
    c = a1 + b1
    a = sqrt(c * a1) if m != "a" else sqrt(c * c - b * b)
    return a, b, c, hc, a1, b1


def row9(c, hc, m=None):
    inner = sqrt(c * c - (4 * hc) * hc)
    b1 = single((c + inner) / 2) if m != "b1" else (c + inner) / 2
    a1 = (hc * hc) / b1 if m != "a1" else c - b1
    a = sqrt(c * a1)
    b = sqrt(c * b1) if m != "b" else sqrt(c * c - a * a)
    return a, b, c, hc, a1, b1


def row10(c, a1, m=None):
    b1 = single(c - a1) if m != "b1" else c - a1
    a = sqrt(c * a1) if m != "a" else sqrt(c) * sqrt(a1)
    b = sqrt(c * b1) if m != "b" else sqrt(c * c - a * a)
    hc = sqrt(a1 * b1) if m != "hc" else (a * b) / c
    return a, b, c, hc, a1, b1


def row11(c, b1, m=None):
    a1 = c - b1
    a = sqrt(c * a1) if m != "a" else sqrt(c) * sqrt(a1)
    b = sqrt(c * b1) if m != "b" else sqrt(c * c - a * a)
    hc = sqrt(a1 * b1) if m != "hc" else (a * b) / c
    return a, b, c, hc, a1, b1


def row12(hc, a1, m=None):
    b1 = single((hc * hc) / a1) if m != "b1" else single(hc * (hc / a1))
    c = a1 + b1
    a = sqrt(c * a1) if m != "a" else sqrt(c) * sqrt(a1)
    b = sqrt(c * b1) if m != "b" else sqrt(c * c - a * a)
    return a, b, c, hc, a1, b1


def row13(hc, b1, m=None):
    a1 = (hc * hc) / b1 if m != "a1" else hc * (hc / b1)
    c = a1 + b1
    a = sqrt(c * a1) if m != "a" else sqrt(c) * sqrt(a1)
    b = sqrt(c * b1) if m != "b" else sqrt(c * c - a * a)
    return a, b, c, hc, a1, b1


def row14(a1, b1, m=None):
    hc = sqrt(a1 * b1) if m != "hc" else sqrt(a1) * sqrt(b1)
    c = a1 + b1
    a = sqrt(c * a1) if m != "a" else sqrt(c) * sqrt(a1)
    b = sqrt(c * b1) if m != "b" else sqrt(c * c - a * a)
    return a, b, c, hc, a1, b1


ROWS = [
    ("a_b", row0, ["hc", "a1", "b1"]),
    ("a_c", row1, ["b", "hc", "a1", "b1"]),
    ("a_hc", row2, ["a1", "c", "b1", "b"]),
    ("a_a1", row3, ["hc", "b1", "b"]),
    ("a_b1", row4, ["s", "a1", "b", "hc"]),
    ("b_c", row5, ["a", "hc", "a1", "b1"]),
    ("b_hc", row6, ["b1", "a1", "a"]),
    ("b_a1", row7, ["b1", "a", "hc"]),
    ("b_b1", row8, ["s", "a1", "a"]),
    ("c_hc", row9, ["b1", "a1", "b"]),
    ("c_a1", row10, ["b1", "a", "b", "hc"]),
    ("c_b1", row11, ["a", "b", "hc"]),
    ("hc_a1", row12, ["b1", "a", "b"]),
    ("hc_b1", row13, ["a1", "a", "b"]),
    ("a1_b1", row14, ["hc", "a", "b"]),
]

# Which of the two given values is b1 (rounded to single when read).
B1_GIVEN = {"a_b1": 1, "b_b1": 1, "c_b1": 1, "hc_b1": 1, "a1_b1": 1}


def exact_lengths(name, x, y):
    """The exact six lengths for given values x, y (as Fractions), as
    60-digit Decimals."""
    D = lambda f: Decimal(f.numerator) / Decimal(f.denominator)
    s = lambda f: D(f).sqrt()
    first, second = name.split("_")
    g = {first: x, second: y}
    # Reduce every pair to (a1, b1) exactly, then everything follows.
    if "a1" in g and "b1" in g:
        a1, b1 = D(g["a1"]), D(g["b1"])
    elif "a" in g and "b" in g:
        c2 = g["a"] ** 2 + g["b"] ** 2
        a1, b1 = D(g["a"] ** 2) / s(c2), D(g["b"] ** 2) / s(c2)
    elif "c" in g and ("a" in g or "b" in g):
        leg = g.get("a", g.get("b"))
        p = D(leg * leg / g["c"])
        q = D(g["c"]) - p
        a1, b1 = (p, q) if "a" in g else (q, p)
    elif "c" in g and "hc" in g:
        c, h = D(g["c"]), D(g["hc"])
        root = (c * c - 4 * h * h).sqrt()
        a1, b1 = (c - root) / 2, (c + root) / 2
    elif "c" in g:
        other = D(g["c"]) - D(g.get("a1", g.get("b1")))
        a1, b1 = (D(g["a1"]), other) if "a1" in g else (other, D(g["b1"]))
    elif "hc" in g and ("a1" in g or "b1" in g):
        h2 = D(g["hc"] ** 2)
        a1, b1 = (D(g["a1"]), h2 / D(g["a1"])) if "a1" in g else (h2 / D(g["b1"]), D(g["b1"]))
    else:  # a leg with its altitude or one projection
        leg_name = "a" if "a" in g else "b"
        leg = D(g[leg_name])
        other = [k for k in g if k != leg_name][0]
        if other == "hc":
            own = (leg * leg - D(g["hc"] ** 2)).sqrt()
            rest = D(g["hc"] ** 2) / own
        elif other == leg_name + "1":
            own = D(g[other])
            rest = leg * leg / own - own
        else:  # the other projection: own^2 + other*own - leg^2 = 0
            p = D(g[other])
            own = (-p + (p * p + 4 * leg * leg).sqrt()) / 2
            rest = p
        a1, b1 = (own, rest) if leg_name == "a" else (rest, own)
    c = a1 + b1
    return [(c * a1).sqrt(), (c * b1).sqrt(), c, (a1 * b1).sqrt(), a1, b1]


def given_values(name, first, second):
    x, y = float(first), float(second)
    if B1_GIVEN.get(name) == 1:
        y = single(y)
    return x, y


def candidates(rng):
    """Typed values a student can type (at most seven characters): large
    lengths with decimals, lopsided pairs, and nearly equal ones (where a
    difference cancels most digits)."""
    while True:
        if rng.random() < 0.3:
            big = rng.randint(1000000, 9999999)
            yield "%d" % big, "%d" % (big - rng.randint(1, 5000))
            continue
        big = rng.choice(["%d" % rng.randint(1000000, 9999999), "%.1f" % rng.uniform(10000, 99999.9),
                          "%.2f" % rng.uniform(1000, 9999.99)])
        small = rng.choice(["%.3f" % rng.uniform(0.001, 9.999), "%.2f" % rng.uniform(10, 999.99),
                            "%d" % rng.randint(1, 999999), "%.1f" % rng.uniform(1000, 99999.9)])
        yield big, small


ORDERED = {  # (first typed, second typed) builders so that the triangle exists
    "a_c": lambda big, small: (small, big), "b_c": lambda big, small: (small, big),
    "a_hc": lambda big, small: (big, small), "b_hc": lambda big, small: (big, small),
    "a_a1": lambda big, small: (big, small), "b_b1": lambda big, small: (big, small),
    "c_hc": lambda big, small: (big, small), "c_a1": lambda big, small: (big, small),
    "c_b1": lambda big, small: (big, small),
}


def search(name, recipe, mutants, rng, tries=200000):
    order = ORDERED.get(name, lambda big, small: rng.choice([(big, small), (small, big)]))
    left = set(mutants)
    rows = []
    for _, (big, small) in zip(range(tries), candidates(rng)):
        first, second = order(big, small)
        if name == "c_hc" and float(second) > float(first) / 2:
            continue
        x, y = given_values(name, first, second)
        try:
            expected = texts(recipe(x, y))
            killed = {m for m in left if texts(recipe(x, y, m)) != expected}
        except (ValueError, ZeroDivisionError, OverflowError):
            continue
        if killed:
            rows.append((first, second, expected))
            left -= killed
        if not left:
            return rows
    print("        // %s: no typed pair tells apart the recipe variants %s" % (name, sorted(left)))
    return rows


def check_exact(name, first, second, expected):
    exact = exact_lengths(name, Fraction(first), Fraction(repr(given_values(name, first, second)[1]))
                          if B1_GIVEN.get(name) else Fraction(second))
    # The recipes lose digits where a difference cancels (a leg nearly as
    # long as the hypotenuse, say), and b1 keeps seven digits: the texts may
    # stray from the exact lengths that far, relative to the hypotenuse, but
    # a wrong relation or a wrong root lands much further off.
    tolerance = max(Decimal(1), exact[2]) * Decimal("1e-6") + Decimal("1e-7")
    for i, (text, length) in enumerate(zip(expected, exact)):
        if abs(Decimal(text) - length) > tolerance:
            raise SystemExit("%s %s %s: text %d is %s, the exact length %s" % (name, first, second, i, text, length))


def main():
    rng = random.Random(20261208)
    for name, recipe, mutants in ROWS:
        for n, (first, second, expected) in enumerate(search(name, recipe, mutants, rng)):
            check_exact(name, first, second, expected)
            cells = ", ".join('"%s"' % t for t in expected)
            print('        WrittenCase{"%s_%d", {%d, "%s", "%s"}, {%s}},' % (
                name, n, [r[0] for r in ROWS].index(name), first, second, cells))


if __name__ == "__main__":
    main()
