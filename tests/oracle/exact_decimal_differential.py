#!/usr/bin/env python3
"""The exact decimal arithmetic against Python's fractions, on generated
values: sums, differences and products exactly; quotients and square roots
cut towards zero after 40 significant digits, inexact exactly when the true
value has more; rounding half away from zero; comparison.

Usage: exact_decimal_differential.py PATH/TO/exact_decimal_probe [COUNT]
"""
import math
import random
import subprocess
import sys
from fractions import Fraction

from differences import Differences

SIGNIFICANT = 40


def number(rng):
    """A decimal text as a student or the solver's intermediates give one."""
    digits = "".join(rng.choice("0123456789") for _ in range(rng.randint(1, 30)))
    if rng.random() < 0.6:
        cut = rng.randint(0, len(digits))
        digits = (digits[:cut] or "0") + "." + (digits[cut:] or "0")
    if rng.random() < 0.2:
        digits += f"e{rng.randint(-40, 40)}"
    return ("-" if rng.random() < 0.3 else "") + digits


def text(value, exact=True):
    """A fraction with a finite decimal form, as the probe writes it."""
    sign = "-" if value < 0 else ""
    value = abs(value)
    scale = 0
    while value.denominator != 1:
        value *= 10
        scale += 1
    digits = str(value.numerator).rjust(scale + 1, "0")
    whole, fraction = (digits[:-scale], digits[-scale:]) if scale else (digits, "")
    body = whole + ("." + fraction if fraction else "")
    return ("-" if sign and body.strip("0.") else "") + body + ("" if exact else "~")


def cut(value):
    """`value` cut towards zero after SIGNIFICANT significant digits."""
    if value == 0:
        return value
    magnitude = abs(value)
    power = math.floor(math.log10(magnitude.numerator) - math.log10(magnitude.denominator))
    while Fraction(10) ** power > magnitude:
        power -= 1
    while Fraction(10) ** (power + 1) <= magnitude:
        power += 1
    unit = Fraction(10) ** (power - SIGNIFICANT + 1)
    kept = (magnitude // unit) * unit
    return kept if value > 0 else -kept


def inexact_result(true_value):
    kept = cut(true_value)
    return text(kept, kept == true_value)


def square_root(x):
    """cut(√x) for x ≥ 0, from integer square roots of a scaled x."""
    if x == 0:
        return "0"
    scale = 0
    while True:
        scaled = x * Fraction(100) ** scale
        root = math.isqrt(scaled.numerator // scaled.denominator)
        if root >= 10 ** (SIGNIFICANT + 1):
            break
        scale += 1
    approximation = Fraction(root, 10 ** scale)
    kept = cut(approximation)
    exact = kept * kept == x
    return text(kept, exact)


def round_half_away(x, decimals):
    unit = Fraction(1, 10 ** decimals) if decimals >= 0 else Fraction(10 ** -decimals)
    steps = abs(x) / unit
    kept = math.floor(steps)
    if steps - kept >= Fraction(1, 2):
        kept += 1
    value = kept * unit
    return text(value if x >= 0 else -value)


def expected(op, x_text, y_text):
    x = Fraction(x_text)
    if op == "round":
        return round_half_away(x, int(y_text))
    if op == "sig":
        if x == 0:
            return "0"
        power = math.floor(math.log10(abs(x))) if abs(x) >= 1e-300 else None
        while Fraction(10) ** power > abs(x):
            power -= 1
        while Fraction(10) ** (power + 1) <= abs(x):
            power += 1
        return round_half_away(x, int(y_text) - 1 - power)
    if op == "sqrt":
        return "none" if x < 0 else square_root(x)
    y = Fraction(y_text)
    if op == "+":
        return text(x + y)
    if op == "-":
        return text(x - y)
    if op == "*":
        return text(x * y)
    if op == "/":
        return "none" if y == 0 else inexact_result(x / y)
    if op == "cmp":
        return str((x > y) - (x < y))
    raise ValueError(op)


def main():
    probe = sys.argv[1]
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 20000
    rng = random.Random(18)
    requests = []
    for _ in range(count):
        op = rng.choice(["+", "-", "*", "/", "/", "sqrt", "sqrt", "round", "sig", "cmp"])
        x = number(rng)
        if op == "sqrt" and rng.random() < 0.3:
            x = text(Fraction(number(rng)) ** 2)  # a perfect square: exact
        if op == "round":
            y = str(rng.randint(-3, 12))
        elif op == "sig":
            y = str(rng.randint(1, 20))
        elif op == "cmp" and rng.random() < 0.3:
            y = x + "0" if "." in x and "e" not in x else x
        else:
            y = number(rng)
        requests.append((op, x, y))
    answers = subprocess.run([probe], input="".join(f"{op} {x} {y}\n" for op, x, y in requests),
                             capture_output=True, text=True, check=True).stdout.splitlines()
    differences = Differences()
    for (op, x, y), answer in zip(requests, answers, strict=True):
        want = expected(op, x, y)
        if answer != want:
            differences.add(f"{op} {x} {y}: got {answer}, expected {want}")
    print(f"{count} operations, {differences.count} differ")
    return differences.exit_code()


if __name__ == "__main__":
    sys.exit(main())
