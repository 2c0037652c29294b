"""The fifteen rows of the pair list, written here a second time, and
replayed in the arithmetics that a worked solution's notes name as causes:

- "exact": the typed values, no rounding (Python's decimal, 60 digits);
- "stored": b1 kept in single precision, as read and as computed;
- "squared": b1² in single precision too, where the row forms it;
- "doubles": the givens as doubles, each difference of double operands;
- "program": the program itself, in binary doubles (Python floats).

Each formula is the program's own, operation for operation and in its
order; sq1(b1) is b1² in single precision.
"""
import decimal
import math
import re
import struct
from decimal import Decimal

decimal.getcontext().prec = 60

ROWS = {
    "a,b": [("c", "sqrt(a*a + b*b)"), ("hc", "a*b/c"), ("a1", "a*a/c"), ("b1", "b*b/c")],
    "a,c": [("b", "sqrt(c*c - a*a)"), ("hc", "a*b/c"), ("a1", "a*a/c"), ("b1", "b*b/c")],
    "a,hc": [("a1", "sqrt(a*a - hc*hc)"), ("c", "a*a/a1"), ("b1", "c - a1"), ("b", "sqrt(c*c - a*a)")],
    "a,a1": [("hc", "sqrt(a*a - a1*a1)"), ("b1", "hc*hc/a1"), ("c", "a1 + b1"), ("b", "sqrt(c*c - a*a)")],
    "a,b1": [("a1", "(-b1 + sqrt(sq1(b1) + 4*a*a))/2"), ("c", "a1 + b1"), ("b", "sqrt(c*b1)"),
             ("hc", "sqrt(a1*b1)")],
    "b,c": [("a", "sqrt(c*c - b*b)"), ("hc", "a*b/c"), ("a1", "a*a/c"), ("b1", "b*b/c")],
    "b,hc": [("b1", "sqrt(b*b - hc*hc)"), ("a1", "hc*hc/b1"), ("c", "a1 + b1"), ("a", "sqrt(c*a1)")],
    "b,a1": [("b1", "(-a1 + sqrt(a1*a1 + 4*b*b))/2"), ("c", "a1 + b1"), ("a", "sqrt(c*a1)"),
             ("hc", "sqrt(a1*b1)")],
    "b,b1": [("hc", "sqrt(b*b - sq1(b1))"), ("a1", "hc*hc/b1"), ("c", "a1 + b1"), ("a", "sqrt(c*a1)")],
    "c,hc": [("b1", "(c + sqrt(c*c - 4*hc*hc))/2"), ("a1", "hc*hc/b1"), ("a", "sqrt(c*a1)"), ("b", "sqrt(c*b1)")],
    "c,a1": [("b1", "c - a1"), ("a", "sqrt(c*a1)"), ("b", "sqrt(c*b1)"), ("hc", "sqrt(a1*b1)")],
    "c,b1": [("a1", "c - b1"), ("a", "sqrt(c*a1)"), ("b", "sqrt(c*b1)"), ("hc", "sqrt(a1*b1)")],
    "hc,a1": [("b1", "hc*hc/a1"), ("c", "a1 + b1"), ("a", "sqrt(c*a1)"), ("b", "sqrt(c*b1)")],
    "hc,b1": [("a1", "hc*hc/b1"), ("c", "a1 + b1"), ("a", "sqrt(c*a1)"), ("b", "sqrt(c*b1)")],
    "a1,b1": [("hc", "sqrt(a1*b1)"), ("c", "a1 + b1"), ("a", "sqrt(c*a1)"), ("b", "sqrt(c*b1)")],
}
STAGES = ["exact", "stored", "squared", "doubles"]


def single(x):
    """The nearest single-precision value of a float."""
    return struct.unpack("f", struct.pack("f", x))[0]


class Failed(Exception):
    """A root of a negative number, or a division by zero."""


class Value:
    """A number of one arithmetic; its operators are that arithmetic's."""

    def __init__(self, arithmetic, x):
        self.ar, self.x = arithmetic, x

    def _wrap(self, other):
        return other if isinstance(other, Value) else Value(self.ar, self.ar.number(other))

    def __add__(self, o):
        return Value(self.ar, self.ar.add(self.x, self._wrap(o).x))

    def __sub__(self, o):
        return Value(self.ar, self.ar.sub(self.x, self._wrap(o).x))

    def __mul__(self, o):
        return Value(self.ar, self.x * self._wrap(o).x)

    def __rmul__(self, o):
        return Value(self.ar, self._wrap(o).x * self.x)

    def __truediv__(self, o):
        d = self._wrap(o).x
        if d == 0:
            raise Failed()
        return Value(self.ar, self.x / d)

    def __neg__(self):
        return Value(self.ar, -self.x)


class Arithmetic:
    def __init__(self, stage):
        self.stage = stage
        self.losses = []  # digits lost by each difference, in the program

    def number(self, n):
        return float(n) if self.stage == "program" else Decimal(n)

    def given(self, text):
        if self.stage == "program":
            return float(text)
        return Decimal(float(text)) if self.stage == "doubles" else Decimal(text)

    def store(self, x):
        if self.stage == "exact":
            return x
        kept = single(float(x))
        return kept if self.stage == "program" else Decimal(kept)

    def _difference(self, x, y, result):
        if self.stage == "program":
            larger = max(abs(x), abs(y))
            if larger > 0:
                self.losses.append(17.0 if result == 0 else math.log10(larger / abs(result)))
        return result

    def add(self, x, y):
        if self.stage == "doubles":
            x, y = Decimal(float(x)), Decimal(float(y))
        return self._difference(x, y, x + y) if (x < 0) != (y < 0) else x + y

    def sub(self, x, y):
        if self.stage == "doubles":
            x, y = Decimal(float(x)), Decimal(float(y))
        return self._difference(x, y, x - y) if (x < 0) == (y < 0) else x - y

    def sqrt(self, v):
        if v.x < 0:
            raise Failed()
        return Value(self, math.sqrt(v.x) if self.stage == "program" else v.x.sqrt())

    def sq1(self, v):
        if self.stage in ("exact", "stored"):
            return Value(self, v.x * v.x)
        square = single(float(v.x) * float(v.x))
        return Value(self, square if self.stage == "program" else Decimal(square))


def replay(pair, first, second, stage):
    """The row's lengths in one arithmetic: a dict of values (None from the
    step that fails on), and for the program the digits each step's
    differences lose."""
    ar = Arithmetic(stage)
    names = pair.split(",")
    lengths = {}
    for name, text in zip(names, (first, second)):
        value = ar.given(text)
        lengths[name] = ar.store(value) if name == "b1" else value
    losses = {}
    failed = False
    for name, formula in ROWS[pair]:
        if failed:
            lengths[name] = None
            continue
        ar.losses = []
        scope = {k: Value(ar, v) for k, v in lengths.items() if v is not None}
        scope.update(sqrt=ar.sqrt, sq1=ar.sq1)
        try:
            value = eval(formula, {"__builtins__": {}}, scope).x  # noqa: S307 (the table above)
        except Failed:
            value, failed = None, True
        lengths[name] = ar.store(value) if name == "b1" and value is not None else value
        losses[name] = max(ar.losses, default=0.0)
    return lengths, losses


def behind(pair, name):
    """The steps whose values go into `name`, its own included."""
    formulas = dict(ROWS[pair])
    found, pending = [], [name]
    while pending:
        q = pending.pop()
        if q in formulas and q not in found:
            found.append(q)
            pending.extend(re.findall(r"\b(?:hc|a1|b1|a|b|c)\b", formulas[q]))
    return found
