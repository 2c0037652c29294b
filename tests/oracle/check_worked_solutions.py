#!/usr/bin/env python3
"""Redoes every printed step of generated worked solutions, as a student
with a calculator would, in exact decimal arithmetic (Python's decimal).

For 1,000 calculations from a fixed seed (textbook values with at most two
decimals, some with no triangle), it runs `right-triangle-solve --steps` and
checks each step: the substitution, computed with the printed numbers, gives
each printed value of that length to its last digit, exactly where "=" is
printed; a result that does not carries "≈" and a note: what the printed
numbers give, or why the program shows another digit than the exact value.
Each such note's cause is replayed (program_replay.py): the named arithmetic
gives the program's digit and the ones before it do not. It checks the
quadratic's discriminant, the roots' line against the result, „Проверка“
exactly and its verdict against the rounding of the written lengths, and the
program's own boxes against the rows replayed in binary doubles.

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

import program_replay

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


def SolutionText(value):
    """A value as the solution prints it in the POSIX locale: "−" for minus."""
    return str(value).replace("-", "−")


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
    # Every cause a note can name: b1 kept, b1² in single precision, nearly
    # equal numbers subtracted, lengths where exactly there is no triangle.
    cases += [("a,hc", "1000", "999.9999999"), ("a,c", "80950", "80950.0000008"), ("a,b1", "7", "23.04"),
              ("b,b1", "4", "3.2"), ("a,a1", "10", "6"), ("hc,a1", "1000", "0.0000001"), ("c,b1", "0.7", "0.7"),
              ("b,b1", "4.1", "4.1"), ("b,b1", "3.2", "3.2"), ("b,b1", "5", "4.9999999"),
              ("a,b1", "0.000001", "1000000"), ("a,b1", "100", "12345.678"), ("hc,b1", "0.1649", "0.265")]
    return cases


class Checker:
    def __init__(self):
        self.steps = 0
        self.explained = 0
        self.forms = 0
        self.causes = 0
        self.boxes = 0
        self.failures = []
        self.stages = {}

    def prepare(self, case, text):
        """The row replayed in every arithmetic, and the program's boxes
        checked against its replay in binary doubles."""
        pair, first, second = case
        self.stages = {stage: program_replay.replay(pair, first, second, stage)
                       for stage in program_replay.STAGES + ["program"]}
        self.written = dict(line.split("\t") for line in text.split("\n\n", 1)[0].splitlines()
                            if "\t" in line)
        program = self.stages["program"][0]
        for name, box in self.written.items():
            value = program.get(name)
            if name == "b1" or value is None:
                continue
            self.boxes += 1
            if f"{value:.7f}" != box:
                self.fail(case, f"box {name} = {box}, the program's arithmetic gives {value:.7f}")

    def gives(self, stage, name, box):
        """Whether an arithmetic's value of `name` gives the box text."""
        value = self.stages[stage][0].get(name)
        if value is None:
            return False
        if name == "b1" and stage != "exact":
            # The box shows b1's single value with seven significant digits,
            # and never more than seven decimals.
            shown = Decimal(program_replay.single(float(value)))
            whole = len(str(abs(int(shown)))) if abs(shown) >= 1 else 0
            unit = Decimal(1).scaleb(max(whole - 7, -7))
            return shown.quantize(unit, rounding=decimal.ROUND_HALF_EVEN) == Decimal(box)
        written = Decimal(box)
        return abs(value - written) <= Decimal("0.5e-7") + abs(written) * Decimal("1e-15")

    def sign(self, stage, name):
        value = self.stages[stage][0].get(name)
        return "fails" if value is None else "zero" if value == 0 else "negative" if value < 0 else "positive"

    def check_cause(self, case, name, reason, matches):
        """The named cause is the first arithmetic that `matches` (a test of
        one stage) holds for."""
        causes = [("пази b1 с по-малка точност", "stored"), ("смята b1² с по-малка точност", "squared"),
                  ("при ", "doubles"), ("смята с около 16 значещи цифри", None)]
        stage = next((st for start, st in causes if reason.startswith(start)), "unknown")
        if stage == "unknown":
            self.fail(case, f"{name}: unknown cause {reason!r}")
            return
        self.causes += 1
        order = program_replay.STAGES
        before = order[:order.index(stage)] if stage else order[:3]
        for earlier in before:
            if matches(earlier):
                self.fail(case, f"{name}: {reason!r}, but {earlier} arithmetic already gives it")
        if stage and stage != "doubles" and not matches(stage):
            self.fail(case, f"{name}: {reason!r}, but replaying it does not give the program's value")
        if stage == "doubles":
            lost = max(self.stages["program"][1].get(q, 0) for q in program_replay.behind(case[0], name))
            if lost < 3 or not matches("doubles"):
                self.fail(case, f"{name}: {reason!r}, but the differences lose {lost:.1f} digits")

    def check_box_note(self, case, name, note):
        match = re.fullmatch(rf"При точно пресмятане ({SYMBOL}) (.*); програмата показва (\S+), защото (.*)\.", note)
        if not match:
            return
        symbol, exact, box, reason = match.groups()
        if symbol != name or self.written.get(name) != box.replace("−", "-"):
            self.fail(case, f"{note!r}: not the box of {name} ({self.written.get(name)})")
        value = self.stages["exact"][0].get(name)
        number = re.search(rf"[=≈] (−?{NUMBER})$", exact)
        if value is not None and number:
            shown = Decimal(number.group(1).replace("−", "-"))
            if exact.endswith(number.group(1)) and rounded(value, decimals_of(number.group(1))) != shown:
                self.fail(case, f"{note!r}: the exact {name} is {value}")
        self.check_cause(case, name, reason, lambda stage: self.gives(stage, name, box))

    def fail(self, case, message):
        self.failures.append(f"{' '.join(case)}: {message}")

    def check_step(self, case, symbol, lines):
        # The formula, the substitution and the values: lines of the length's
        # own, without words (notes and the quadratic's roots have words).
        value_lines = [l for l in lines
                       if re.match(rf"{symbol} [=≈] ", l) and "±" not in l and not re.search("[а-яА-Я]", l)]
        notes = " ".join(lines)
        for line in lines:
            self.check_box_note(case, symbol, line)
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
                # Either a note says what the printed numbers give, or they
                # give the exact value, and a note says why the box differs.
                own = SolutionText(rounded(exact, 7))
                exact_value = self.stages["exact"][0].get(symbol)
                if f"С изписаните (закръглени) числа се получава {symbol} ≈ {own};" in notes or \
                        f"Програмата получава {symbol} ≈ {number}," in self.text or (
                        "При точно пресмятане" in notes and exact_value is not None
                        and rounded(exact_value, 7) == rounded(exact, 7)):
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
                if roots.group(1) == "≈" and roots.group(2) != result and "При точно пресмятане" not in notes:
                    self.fail(case, f"kept root {roots.group(2)} against the result {result}")

    def check_proof(self, case, lines):
        values = {}
        *lines, verdict = lines
        if any("·10" in line for line in lines):
            return  # powers of ten: the decimal module does not read them
        self.check_verdict(case, lines, verdict)
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

    def check_verdict(self, case, lines, verdict):
        """„Разликите идват от закръглянето.“ only where rounding the
        computed lengths to seven decimals can make the differences."""
        numbers = {}
        for line in lines:
            match = re.match(r"(c·hc|a·b|c²|a² \+ b²) = (.*?) = ", line)
            if match:
                numbers[match.group(1)] = [Decimal(n) for n in re.findall(NUMBER, match.group(2).replace("²", ""))]
        differences = [Decimal(d.replace("−", "-")) for d in re.findall(r"разлика .* = (−?[\d.]+)$", "\n".join(lines), re.M)]
        pair = case[0].split(",")

        def slack(name):
            return Decimal(0) if name in pair else Decimal("0.5e-7")
        a, b = numbers["a² + b²"]
        (c,), (_, hc) = numbers["c²"], numbers["c·hc"]
        sq = lambda v, n: 2 * v * slack(n) + slack(n) ** 2
        prod = lambda x, nx, y, ny: x * slack(ny) + y * slack(nx) + slack(nx) * slack(ny)
        bounds = [sq(c, "c") + sq(a, "a") + sq(b, "b"), prod(c, "c", hc, "hc") + prod(a, "a", b, "b")]
        within = all(abs(d) <= bound * Decimal("1.01") + c * c * Decimal("1e-15") for d, bound in zip(differences, bounds))
        if verdict == "Разликите идват от закръглянето." and not within:
            self.fail(case, f"{verdict!r}, but the differences {differences} exceed {bounds}")
        if verdict.startswith("Разликите са по-големи") and within:
            self.fail(case, f"{verdict!r}, but the differences {differences} are within {bounds}")
        if verdict == "Двете равенства са изпълнени точно." and any(differences):
            self.fail(case, f"{verdict!r} with differences {differences}")

    def check_stop(self, case, lines):
        """The account after the last step: what the exact computation
        gives, and what the program got instead, and why."""
        exact_at = None
        for line in lines:
            match = re.match(rf"При точно пресмятане ({SYMBOL})( = 0\.| е отрицателно| не може| [=≈].* и такъв триъгълник има)", line)
            if match:
                exact_at = match.group(1)
                expected = {" = 0.": "zero", " е отрицателно": "negative", " не може": "fails"}.get(match.group(2), "positive")
                if self.sign("exact", exact_at) != expected:
                    self.fail(case, f"{line!r}, but exactly {exact_at} is {self.stages['exact'][0].get(exact_at)}")
            match = re.match(r"Програмата (.*?), защото (.*)\.$", line)
            if match and exact_at:
                got = match.group(1)
                program = ("fails" if got.startswith("не може") else "zero" if got.endswith(" = 0")
                           else "positive" if "изписва дължини" in line else "negative")
                if not got.startswith("не може") and not got.endswith("= 0") and "изписва" not in line:
                    program = "negative"
                self.check_cause(case, exact_at, match.group(2),
                                 lambda stage: self.sign(stage, exact_at) == program)

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
        self.prepare(case, text)
        self.text = text
        for symbol, lines in blocks:
            self.check_step(case, symbol, lines)
        self.check_stop(case, [l for l in body.splitlines() if not l.startswith("   ")])
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
          f"{checker.explained} rounded results explained by a note, {checker.causes} causes replayed, "
          f"{checker.boxes} boxes recomputed, {len(checker.failures)} faults")
    for failure in checker.failures[:40]:
        print(failure)
    return 1 if checker.failures else 0


if __name__ == "__main__":
    sys.exit(main())
