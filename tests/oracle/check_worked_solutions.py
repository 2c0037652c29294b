#!/usr/bin/env python3
"""Redoes every printed step of generated worked solutions, as a student
with a calculator would, in exact decimal arithmetic (Python's decimal).

For 1,000 calculations from a fixed seed (textbook values with at most two
decimals, some with no triangle), it runs `right-triangle-solve --steps` and
checks each step: the substitution, computed with the printed numbers, gives
each printed value of that length to its last digit, exactly where "=" is
printed; a result that does not carries "≈" and a note on b1's kept value or
the program's rounding. It checks the quadratic's discriminant, the roots'
line against the result, and „Проверка“ exactly.

Usage: check_worked_solutions.py PATH/TO/right-triangle-solve [COUNT]
Runs in the POSIX locale: "." and no grouping.
"""
import decimal
import os
import random
import re
import subprocess
import sys
from decimal import Decimal

decimal.getcontext().prec = 60
PAIRS = ["a,b", "a,c", "a,hc", "a,a1", "a,b1", "b,c", "b,hc", "b,a1", "b,b1", "c,hc", "c,a1", "c,b1",
         "hc,a1", "hc,b1", "a1,b1"]
SYMBOL = r"(?:hc|a1|b1|a|b|c)"
NUMBER = r"\d+(?:\.\d+)?"


def exact_form_value(form):
    """The value of a school exact form: 5√2/2, 144/13, (7 − √13)/2."""
    text = re.sub(r"(\d)√", r"\1·√", form)
    text = re.sub(r"√(\d+)", r"√(\1)", text)
    return evaluate(text)


def evaluate(expression):
    """The value of a substituted right-hand side: numbers, + − · / ² √( )."""
    text = expression.replace("−", "-").replace("·", "*").replace("²", "**2")
    text = re.sub(r"√", "_sqrt", text)
    text = re.sub(NUMBER, lambda m: f"Decimal('{m.group(0)}')", text)
    if re.search(r"[a-z]", text.replace("Decimal", "").replace("_sqrt", "")):
        raise ValueError(f"unexpected symbol in {expression!r}")
    return eval(text, {"Decimal": Decimal, "_sqrt": lambda x: x.sqrt()})  # noqa: S307 (our own text)


def rounded(value, decimals):
    return value.quantize(Decimal(1).scaleb(-decimals), rounding=decimal.ROUND_HALF_UP)


def decimals_of(number):
    return len(number.split(".")[1]) if "." in number else 0


def lengths_of(a, b):
    c = (a * a + b * b).sqrt()
    return {"a": a, "b": b, "c": c, "hc": a * b / c, "a1": a * a / c, "b1": b * b / c}


def generate(count, seed=20261209):
    rng = random.Random(seed)
    cases = []
    for n in range(count):
        a = Decimal(rng.randint(50, 10000)) / 100
        b = Decimal(rng.randint(50, 10000)) / 100
        lengths = lengths_of(a, b)
        pair = PAIRS[n % len(PAIRS)]
        first, second = pair.split(",")
        v1, v2 = (rounded(lengths[q], 2) for q in (first, second))
        if rng.random() < 0.05:
            v1, v2 = v2, v1  # often no triangle
        cases.append((pair, str(v1.normalize()), str(v2.normalize())))
    return cases


class Checker:
    def __init__(self):
        self.steps = 0
        self.explained = 0
        self.forms = 0
        self.failures = []

    def fail(self, case, message):
        self.failures.append(f"{' '.join(case)}: {message}")

    def check_step(self, case, symbol, lines):
        # The formula, the substitution and the values: lines of the length's
        # own, without words (notes and the quadratic's roots have words).
        value_lines = [l for l in lines
                       if re.match(rf"{symbol} [=≈] ", l) and "±" not in l and not re.search("[а-яА-Я]", l)]
        notes = " ".join(lines)
        if len(value_lines) < 2:
            return
        substituted = value_lines[1]
        try:
            exact = evaluate(substituted.split(" = ", 1)[1])
        except (decimal.InvalidOperation, ValueError, ZeroDivisionError):
            return  # the step where the computation fails: no value is printed
        self.steps += 1
        for line in value_lines[2:]:
            # "c = 5√2 ≈ 7.0710678": the box is the exact form rounded.
            with_form = re.fullmatch(rf"{symbol} = (.*[√/].*) ≈ ({NUMBER})", line)
            if with_form:
                form, number = with_form.groups()
                if rounded(exact_form_value(form), decimals_of(number)) != Decimal(number):
                    self.fail(case, f"{line!r}: the exact form {form} is not {number} rounded")
                self.forms += 1
                line = f"{symbol} ≈ {number}"
            relation, number = line[len(symbol) + 1], line.split(" ", 2)[2]
            if not re.fullmatch(r"−?" + NUMBER, number):
                self.fail(case, f"unreadable value line {line!r}")
                continue
            printed = Decimal(number.replace("−", "-"))
            if relation == "=":
                if exact != printed:
                    self.fail(case, f"{line!r} but the printed numbers give {exact}")
            elif rounded(exact, decimals_of(number)) != printed:
                if "се съхранява като" in notes or "закръгл" in notes:
                    self.explained += 1
                else:
                    self.fail(case, f"{line!r}, the printed numbers give {rounded(exact, decimals_of(number))}")
        for line in lines:
            match = re.match(r"D = .* = (.+) = (−?" + NUMBER + ")$", line)
            if match and evaluate(match.group(1)) != Decimal(match.group(2).replace("−", "-")):
                self.fail(case, f"discriminant {line!r}")
            roots = re.match(rf"{symbol} ([=≈]) ({NUMBER}) или ", line)
            if roots and len(value_lines) > 2:
                result = value_lines[-1].rsplit(" ", 1)[1]  # after "≈" or "=", past any exact form
                if roots.group(1) == "≈" and roots.group(2) != result and "се съхранява като" not in notes:
                    self.fail(case, f"kept root {roots.group(2)} against the result {result}")

    def check_proof(self, case, lines):
        values = {}
        for line in lines:
            left, _, rest = line.partition(" = ")
            parts = rest.split("; разлика ")
            expression, total = parts[0].rsplit(" = ", 1)
            total = Decimal(total.replace("−", "-"))
            if evaluate(expression) != total:
                self.fail(case, f"Проверка {line!r}")
            values[left] = total
            if len(parts) > 1:
                name, difference = parts[1].split(" = ")
                other = values.get("a² + b²") if name.startswith("c²") else values.get("a·b")
                if other is None or total - other != Decimal(difference.replace("−", "-")):
                    self.fail(case, f"Проверка difference {line!r}")

    def check(self, case, text):
        body = text.split("Решение\n", 1)[1] if "Решение\n" in text else ""
        if not body.startswith("Дадено: "):
            self.fail(case, "no solution printed")
            return
        blocks, proof, current = [], None, None
        for line in body.splitlines():
            header = re.match(rf"\d+\. ({SYMBOL}): ", line)
            if header:
                current = (header.group(1), [])
                blocks.append(current)
            elif line == "Проверка:":
                proof, current = [], None
            elif line.startswith("   "):
                (proof if proof is not None else current[1] if current else []).append(line[3:])
            else:
                current = None
        for symbol, lines in blocks:
            self.check_step(case, symbol, lines)
        if proof:
            self.check_proof(case, proof)


def main():
    tool = sys.argv[1]
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 1000
    environment = dict(os.environ, LC_ALL="C.UTF-8")
    checker = Checker()
    for case in generate(count):
        run = subprocess.run([tool, "--steps", *case], capture_output=True, text=True, env=environment, check=False)
        if run.returncode not in (0, 1, 2):
            checker.fail(case, f"exit {run.returncode}")
            continue
        checker.check(case, run.stdout)
    print(f"{count} calculations, {checker.steps} steps redone, {checker.forms} exact forms, "
          f"{checker.explained} rounded results explained "
          f"by a note, {len(checker.failures)} faults")
    for failure in checker.failures[:40]:
        print(failure)
    return 1 if checker.failures else 0


if __name__ == "__main__":
    sys.exit(main())
