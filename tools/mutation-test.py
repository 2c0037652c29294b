#!/usr/bin/env python3
"""A small mutation test of the core: makes one plausible fault at a time in
runtime/ and model/ (in a copy of the tree), rebuilds the core tests and the
command-line tool, and reports which faults no test catches.

Run: python3 tools/mutation-test.py   (takes a few minutes; needs tools/test.sh's build tools)
"""

import shutil
import subprocess
import sys
import tempfile
from pathlib import Path

SOURCE = Path(__file__).resolve().parent.parent

# (file, text as it stands, the fault) -- each text must occur exactly once.
MUTANTS = [
    # The order of operations in the recipes.
    ("model/triangle_solver.cpp", "      hc = m.Div(m.Mul(a, b), c);\n      a1 = m.Div(m.Mul(a, a), c);\n      b1 = single(m.Div(m.Mul(b, b), c));\n      break;\n    case 1:",
     "      hc = m.Mul(a, m.Div(b, c));\n      a1 = m.Div(m.Mul(a, a), c);\n      b1 = single(m.Div(m.Mul(b, b), c));\n      break;\n    case 1:"),
    ("model/triangle_solver.cpp", "      c = m.Div(m.Mul(a, a), a1);", "      c = m.Mul(a, m.Div(a, a1));"),
    ("model/triangle_solver.cpp", "      b1 = single(m.Sub(c, a1));\n      b = sqrt(m.Sub(m.Mul(c, c), m.Mul(a, a)));",
     "      b1 = single(m.Sub(c, a1));\n      b = sqrt(m.Mul(c, b1));"),
    ("model/triangle_solver.cpp", "      hc = sqrt(m.Sub(m.Mul(a, a), m.Mul(a1, a1)));", "      hc = sqrt(m.Mul(m.Sub(a, a1), m.Add(a, a1)));"),
    ("model/triangle_solver.cpp", "      const double s = Precision<B1>::Square(m, b1);\n      a1 =", "      const double s = given_b1 * given_b1;\n      a1 ="),
    ("model/triangle_solver.cpp", "      a = sqrt(m.Sub(m.Mul(c, c), m.Mul(b, b)));", "      a = sqrt(m.Mul(m.Sub(c, b), m.Add(c, b)));"),
    ("model/triangle_solver.cpp", "      c = m.Add(a1, b1);\n      a = sqrt(m.Mul(c, a1));\n      break;\n    case 7:",
     "      c = m.Div(m.Mul(b, b), b1);\n      a = sqrt(m.Mul(c, a1));\n      break;\n    case 7:"),
    ("model/triangle_solver.cpp", "      b1 = single(m.Div(m.Add(-a1, sqrt(m.Add(m.Mul(a1, a1), m.Mul(m.Mul(4, b), b)))), 2));\n      c = m.Add(a1, b1);\n      a = sqrt(m.Mul(c, a1));",
     "      b1 = single(m.Div(m.Add(-a1, sqrt(m.Add(m.Mul(a1, a1), m.Mul(m.Mul(4, b), b)))), 2));\n      c = m.Add(a1, b1);\n      a = sqrt(m.Sub(m.Mul(c, c), m.Mul(b, b)));"),
    ("model/triangle_solver.cpp", "      hc = sqrt(m.Sub(m.Mul(b, b), s));", "      hc = sqrt(m.Sub(m.Mul(b, b), m.Mul(given_b1, given_b1)));"),
    ("model/triangle_solver.cpp", "      a1 = m.Div(m.Mul(hc, hc), b1);\n      a = sqrt(m.Mul(c, a1));", "      a1 = m.Sub(c, b1);\n      a = sqrt(m.Mul(c, a1));"),
    ("model/triangle_solver.cpp", "      b1 = single(m.Sub(c, a1));\n      a = sqrt(m.Mul(c, a1));", "      b1 = single(m.Sub(c, a1));\n      a = m.Mul(sqrt(c), sqrt(a1));"),
    ("model/triangle_solver.cpp", "      a1 = m.Sub(c, given_b1);\n      a = sqrt(m.Mul(c, a1));\n      b = sqrt(m.Mul(c, given_b1));",
     "      a1 = m.Sub(c, given_b1);\n      a = sqrt(m.Mul(c, a1));\n      b = sqrt(m.Sub(m.Mul(c, c), m.Mul(a, a)));"),
    ("model/triangle_solver.cpp", "      b1 = single(m.Div(m.Mul(hc, hc), a1));\n      c = m.Add(a1, b1);\n      a = sqrt(m.Mul(c, a1));\n      b = sqrt(m.Mul(c, b1));\n      break;\n    case 13:",
     "      b1 = single(m.Div(m.Mul(hc, hc), a1));\n      c = m.Add(a1, b1);\n      a = sqrt(m.Mul(c, a1));\n      b = sqrt(m.Sub(m.Mul(c, c), m.Mul(a, a)));\n      break;\n    case 13:"),
    ("model/triangle_solver.cpp", "      a1 = m.Div(m.Mul(hc, hc), given_b1);\n      c = m.Add(a1, given_b1);\n      a = sqrt(m.Mul(c, a1));\n      b = sqrt(m.Mul(c, given_b1));\n      break;\n    case 14:",
     "      a1 = m.Mul(hc, m.Div(hc, given_b1));\n      c = m.Add(a1, given_b1);\n      a = sqrt(m.Mul(c, a1));\n      b = sqrt(m.Mul(c, given_b1));\n      break;\n    case 14:"),
    ("model/triangle_solver.cpp", "      hc = sqrt(m.Mul(a1, given_b1));\n      c = m.Add(a1, given_b1);", "      hc = m.Mul(sqrt(a1), sqrt(given_b1));\n      c = m.Add(a1, given_b1);"),
    ("runtime/checked_math.h", "  float SingleSquare(float x) { return ToSingle(static_cast<double>(x) * x); }",
     "  float SingleSquare(float x) { return x * x; }"),
    # Reading numbers.
    ("runtime/number_reading.cpp", "      if (exponent < kExponentLimit) exponent = exponent * 10 + (cursor.Peek() - '0');",
     "      exponent = static_cast<long>(static_cast<unsigned long>(exponent) * 10 + static_cast<unsigned long>(cursor.Peek() - '0'));"),
    ("runtime/number_reading.cpp", "      if (in_fraction) --point;", "      (void)in_fraction;"),
    ("runtime/number_reading.cpp", "  if (settings.groupSeparator != \".\") return true;", "  return true;"),
    ("runtime/number_reading.cpp", "bool IsIgnored(char c) { return c == ' ' || c == '\\t' || c == '\\n'; }", "bool IsIgnored(char c) { return c == ' ' || c == '\\t'; }"),
    ("runtime/number_reading.cpp", "  if (magnitude < kUnderflowPoint) return {};", "  if (magnitude < kUnderflowPoint + 5) return {};"),
    # Writing numbers.
    ("runtime/number_formatting.cpp", "  if (integer != \"0\" || settings.leadingZero) AppendGrouped(integer, settings, text);", "  if (settings.leadingZero) AppendGrouped(integer, settings, text);"),
    ("runtime/number_formatting.cpp", "  if (std::signbit(value) && !is_zero) text += settings.negativeSign;", "  if (std::signbit(value)) text += settings.negativeSign;"),
    ("runtime/number_formatting.cpp", "      length < settings.groupingMinimumDigits) {", "      length <= settings.groupingMinimumDigits) {"),
    ("runtime/number_formatting.cpp", "decimal.digits[static_cast<std::size_t>(kept)] >= '5'", "decimal.digits[static_cast<std::size_t>(kept)] > '5'"),
    ("runtime/number_formatting.cpp", "  return Format(value, 15, settings);", "  return Format(value, 16, settings);"),
    # Checked arithmetic.
    ("runtime/checked_math.cpp", "  if (error_ == RuntimeError::None) error_ = error;", "  error_ = error;"),
    ("runtime/checked_math.cpp", "    Raise(std::isnan(result) ? RuntimeError::InvalidOperation : RuntimeError::Overflow);\n    return 0.0;",
     "    Raise(std::isnan(result) ? RuntimeError::InvalidOperation : RuntimeError::Overflow);\n    return result;"),
    ("runtime/checked_math.cpp", "  if (magnitude >= kSingleMax + kSingleHalfUlp) {", "  if (magnitude > kSingleMax) {"),
    # The failure's fault.
    ("model/triangle_fault.cpp", "      return second >= first ? TriangleFault::AltitudeNotShorterThanLeg", "      return second > first ? TriangleFault::AltitudeNotShorterThanLeg"),
]


def run(cmd, cwd):
    return subprocess.run(cmd, cwd=cwd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)


def main():
    work = Path(tempfile.mkdtemp(prefix="rt-mutants-"))
    tree = work / "tree"
    shutil.copytree(SOURCE, tree, ignore=shutil.ignore_patterns("build", ".git"))
    build = ["cmake", "--build", "build", "--target", "core_tests", "right-triangle-solve", "number_reading_replay",
             "number_formatting_replay", "solver_replay"]
    configure = ["cmake", "-S", ".", "-B", "build", "-G", "Ninja", "-DCMAKE_BUILD_TYPE=Release",
                 "-DRT_BUILD_UI=OFF", "-DRT_BUILD_BENCHMARKS=OFF"]
    if run(configure, tree).returncode or run(build, tree).returncode:
        sys.exit("the unmutated tree does not build")
    test = ["ctest", "--test-dir", "build", "-j2", "--stop-on-failure"]
    if run(test, tree).returncode:
        sys.exit("the unmutated tree fails its tests")
    survivors = []
    for n, (name, before, after) in enumerate(MUTANTS):
        path = tree / name
        original = path.read_text()
        if original.count(before) != 1:
            sys.exit("mutant %d: the text does not stand exactly once in %s" % (n, name))
        path.write_text(original.replace(before, after))
        built = run(build, tree).returncode == 0
        caught = not built or run(test, tree).returncode != 0
        path.write_text(original)
        print("%2d %-30s %s" % (n, name, "caught" if caught else "SURVIVED: " + after.strip().splitlines()[-1]))
        if not caught:
            survivors.append(n)
    run(build, tree)
    shutil.rmtree(work)
    print("%d of %d mutants caught" % (len(MUTANTS) - len(survivors), len(MUTANTS)))
    sys.exit(1 if survivors else 0)


if __name__ == "__main__":
    main()
