#!/usr/bin/env python3
"""Checks `right-triangle-solve --exact` against an independent computer
algebra check (SymPy): for generated givens of all fifteen pairs, each
length's exact form must be the school's short form of the length that
SymPy finds, written the same way, and empty exactly where no such form of
at most 24 characters exists (or there is no triangle).

The lengths are found here through the projections, by formulas of their
own, not the program's: SymPy's square roots take out every square factor
and `sqrtdenest` undoes a nested root where one can be undone.

Usage: check_exact_forms.py PATH/TO/right-triangle-solve [COUNT]
Runs in the POSIX locale: "." as the decimal sign.
"""
import os
import random
import subprocess
import sys
from fractions import Fraction

import sympy
from differences import Differences
from sympy import Rational, sqrt

PAIRS = ["a,b", "a,c", "a,hc", "a,a1", "a,b1", "b,c", "b,hc", "b,a1", "b,b1", "c,hc", "c,a1", "c,b1",
         "hc,a1", "hc,b1", "a1,b1"]
SYMBOLS = ["a", "b", "c", "hc", "a1", "b1"]
LONGEST = 24


def projections(given):
    """(a1, b1) of the triangle with the two given lengths, or None."""
    g = given
    if "a" in g and "b" in g:
        c = sqrt(g["a"] ** 2 + g["b"] ** 2)
        return g["a"] ** 2 / c, g["b"] ** 2 / c
    mirrored = {"a": "b", "b": "a", "a1": "b1", "b1": "a1", "c": "c", "hc": "hc"}
    if "b" in g and "a" not in g:  # the mirrored triangle: legs and projections swap names
        swapped = projections({mirrored[k]: v for k, v in g.items()})
        return None if swapped is None else (swapped[1], swapped[0])
    if "a" in g and "c" in g:
        a1 = g["a"] ** 2 / g["c"]
        return a1, g["c"] - a1
    if "a" in g and "hc" in g:
        if g["hc"] >= g["a"]:
            return None
        a1 = sqrt(g["a"] ** 2 - g["hc"] ** 2)
        return a1, g["hc"] ** 2 / a1
    if "a" in g and "a1" in g:
        return g["a1"], (g["a"] ** 2 - g["a1"] ** 2) / g["a1"]
    if "a" in g and "b1" in g:
        x = sympy.symbols("x", positive=True)
        (a1,) = sympy.solve(x * (x + g["b1"]) - g["a"] ** 2, x)
        return a1, g["b1"]
    if "c" in g and "hc" in g:
        if 2 * g["hc"] > g["c"]:
            return None
        d = sqrt(g["c"] ** 2 - 4 * g["hc"] ** 2)
        return (g["c"] - d) / 2, (g["c"] + d) / 2
    if "c" in g and "a1" in g:
        return g["a1"], g["c"] - g["a1"]
    if "c" in g and "b1" in g:
        return g["c"] - g["b1"], g["b1"]
    if "hc" in g and "a1" in g:
        return g["a1"], g["hc"] ** 2 / g["a1"]
    if "hc" in g and "b1" in g:
        return g["hc"] ** 2 / g["b1"], g["b1"]
    return g["a1"], g["b1"]


def lengths(pair, first, second):
    names = pair.split(",")
    given = {names[0]: first, names[1]: second}
    found = projections(given)
    if found is None:
        return None
    a1, b1 = (sympy.radsimp(sympy.sqrtdenest(sympy.simplify(p))) for p in found)
    if not (a1 > 0 and b1 > 0):
        return None
    c = a1 + b1
    values = {"a": sqrt(c * a1), "b": sqrt(c * b1), "c": c, "hc": sqrt(a1 * b1), "a1": a1, "b1": b1}
    values.update(given)
    return [values[s] for s in SYMBOLS]


def decimal_text(value):
    """A rational with a finite decimal form, in the POSIX locale."""
    scale = 0
    while (value * 10 ** scale).denominator != 1:
        scale += 1
    digits = str(abs((value * 10 ** scale).numerator)).rjust(scale + 1, "0")
    text = digits[:len(digits) - scale] + ("." + digits[len(digits) - scale:] if scale else "")
    return ("−" if value < 0 else "") + text


def school_form(expression):
    """The school's short form of a length, or "" where there is none."""
    expression = sympy.radsimp(sympy.sqrtdenest(sympy.expand(expression)))
    terms = {}
    for base, coefficient in sympy.expand(expression).as_coefficients_dict().items():
        if base == 1:
            radicand = 1
        elif base.is_Pow and base.exp == Rational(1, 2) and base.base.is_Integer:
            radicand = int(base.base)
        else:
            return ""  # a nested root, or a root of a root
        if not coefficient.is_Rational:
            return ""
        terms[radicand] = terms.get(radicand, Fraction(0)) + Fraction(int(coefficient.p), int(coefficient.q))
    terms = {n: c for n, c in terms.items() if c != 0}
    if not terms or len(terms) > 2:
        return ""
    if list(terms) == [1]:
        value = terms[1]
        denominator = value.denominator
        for p in (2, 5):
            while denominator % p == 0:
                denominator //= p
        text = decimal_text(value) if denominator == 1 else f"{value.numerator}/{value.denominator}"
        return text if len(text) <= LONGEST else ""
    common = 1
    for c in terms.values():
        common = common * c.denominator // sympy.gcd(common, c.denominator)
    ordered = [(int(terms[n] * common), n) for n in sorted(terms)]
    if len(ordered) == 2 and ordered[0][0] < 0 < ordered[1][0]:
        ordered.reverse()  # √5 − 1, not −1 + √5
    parts = []
    for whole, n in ordered:
        magnitude = abs(whole)
        body = str(magnitude) if n == 1 else ("" if magnitude == 1 else str(magnitude)) + "√" + str(n)
        if not parts:
            parts.append(("−" if whole < 0 else "") + body)
        else:
            parts.append((" − " if whole < 0 else " + ") + body)
    text = "".join(parts)
    if common != 1:
        text = (f"({text})" if len(terms) > 1 else text) + f"/{common}"
    return text if len(text) <= LONGEST else ""


def given_value(rng):
    kind = rng.random()
    if kind < 0.5:
        return str(rng.randint(1, 30))
    if kind < 0.8:
        return f"{rng.randint(1, 200) / 10:.1f}"
    return f"{rng.randint(1, 2000) / 100:.2f}"


def main():
    tool = sys.argv[1]
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 300
    rng = random.Random(3)
    environment = dict(os.environ, LC_ALL="C.UTF-8")
    differences = Differences()
    forms = 0
    for n in range(count):
        pair = PAIRS[n % len(PAIRS)]
        first, second = given_value(rng), given_value(rng)
        if rng.random() < 0.3:  # the textbook triangles
            first, second = rng.choice([("3", "4"), ("5", "5"), ("4", "8"), ("1", "2"), ("5", "13"),
                                        ("10", "4"), ("6", "2"), ("2", "1"), ("12", "5")])
        run = subprocess.run([tool, "--exact", pair, first, second], capture_output=True, text=True,
                             env=environment)
        if run.returncode != 0:
            continue
        lines = [line.split("\t") for line in run.stdout.splitlines()]
        exact = lengths(pair, Rational(first), Rational(second))
        want = ["" for _ in SYMBOLS] if exact is None else [school_form(v) for v in exact]
        for symbol, (shown_symbol, form, _box), expected in zip(SYMBOLS, lines, want, strict=True):
            forms += 1 if form else 0
            if shown_symbol != symbol or form != expected:
                differences.add(f"{pair} {first} {second}: {symbol} = {form!r}, expected {expected!r}")
    print(f"{count} calculations, {forms} exact forms, {differences.count} differ")
    return differences.exit_code()


if __name__ == "__main__":
    sys.exit(main())
