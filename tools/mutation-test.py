#!/usr/bin/env python3
"""A small mutation test of the core: makes one plausible fault at a time in
runtime/, model/ and solution/ (in a copy of the tree), rebuilds the core
tests and the command-line tool, and reports which faults no test catches.
It fails when a mutant survives that is not listed as equivalent.

Run: python3 tools/mutation-test.py [N ...]   (all mutants, or the numbered
ones; takes a few minutes; needs tools/test.sh's build tools)
"""

import shutil
import subprocess
import sys
import tempfile
from pathlib import Path

SOURCE = Path(__file__).resolve().parent.parent

# (file, text as it stands, the fault[, why no test can tell]) -- each text
# must stand exactly once. A mutant with a reason is equivalent: it changes
# nothing that a student sees, so its survival is no gap in the tests.
MUTANTS = [
    # The rows' formulas, in the solver's order of operations.
    ("model/triangle_rows.cpp", "{Q::Hc, R::Area, a * b / c},\n              {Q::A1, R::LegASquare, a * a / c}, {Q::B1, R::LegBSquare, b * b / c}}},\n            {}, std::nullopt",
     "{Q::Hc, R::Area, a * (b / c)},\n              {Q::A1, R::LegASquare, a * a / c}, {Q::B1, R::LegBSquare, b * b / c}}},\n            {}, std::nullopt"),
    ("model/triangle_rows.cpp", "{Q::C, R::LegASquare, a * a / a1}", "{Q::C, R::LegASquare, a * (a / a1)}"),
    ("model/triangle_rows.cpp", "{Q::B1, R::HypotenuseSum, c - a1}, {Q::B, R::Pythagoras, Sqrt(c * c - a * a)}",
     "{Q::B1, R::HypotenuseSum, c - a1}, {Q::B, R::Pythagoras, Sqrt(c * b1)}"),
    ("model/triangle_rows.cpp", "Sqrt(SingleSquare(b1) + 4 * a * a)", "Sqrt(b1 * b1 + 4 * a * a)"),
    ("model/triangle_rows.cpp", "Sqrt(b * b - SingleSquare(b1))", "Sqrt(b * b - b1 * b1)"),
    ("model/triangle_rows.cpp", "Sqrt(a1 * a1 + 4 * b * b)", "Sqrt(a1 * a1 + 4 * (b * b))"),
    ("model/triangle_rows.cpp", "(c + Sqrt(c * c - 4 * hc * hc)) / 2", "(c + Sqrt((c - 2 * hc) * (c + 2 * hc))) / 2"),
    ("model/triangle_rows.cpp", "{Q::A1, R::AltitudeSquare, hc * hc / b1}, {Q::C, R::HypotenuseSum, a1 + b1},\n                {Q::A, R::LegASquare, Sqrt(c * a1)}",
     "{Q::A1, R::AltitudeSquare, hc * (hc / b1)}, {Q::C, R::HypotenuseSum, a1 + b1},\n                {Q::A, R::LegASquare, Sqrt(c * a1)}"),
    ("model/triangle_rows.cpp", "{Q::Hc, R::AltitudeSquare, Sqrt(a1 * b1)}, {Q::C, R::HypotenuseSum, a1 + b1},",
     "{Q::Hc, R::AltitudeSquare, Sqrt(b1 * a1)}, {Q::C, R::HypotenuseSum, a1 + b1},"),
    # The rows' conditions, mirrors and quadratics.
    ("model/triangle_rows.cpp", "{E::Triangle, hc, c / 2, F::AltitudeAboveHalfHypotenuse}", "{E::Segment, hc, c / 2, F::AltitudeAboveHalfHypotenuse}"),
    ("model/triangle_rows.cpp", "{E::Fails, hc, b, F::AltitudeNotShorterThanLeg}", "{E::Segment, hc, b, F::AltitudeNotShorterThanLeg}"),
    ("model/triangle_rows.cpp", "      case Q::A1: return Q::B1;", "      case Q::A1: return Q::A1;"),
    ("model/triangle_rows.cpp", "RowQuadratic{Q::B1, Q::C, Q::Hc, true}", "RowQuadratic{Q::B1, Q::C, Q::Hc, false}"),
    ("model/triangle_fault.cpp", "lower > upper || (lower == upper", "lower >= upper || (lower == upper"),
    ("model/triangle_fault.cpp", "condition.atEquality == E::Fails", "condition.atEquality != E::Fails"),
    # The solver's run.
    ("model/triangle_solver.cpp", "    if (record.failedAt) continue;\n", ""),
    ("model/triangle_solver.cpp", "return IsKeptSingle(q) ? static_cast<double>(math.ToSingle(value)) : value;", "return value;"),
    ("model/formula.h", "  return stack.at(0);", "  return stack.at(top > 1 ? 1 : 0);", "a formula leaves one value on the stack"),
    # The formula lines.
    ("solution/formula_text.cpp", "return x.level <= below ?", "return x.level < below ?"),
    ("solution/formula_text.cpp", "if (!y.factor.empty() && y.factor == x.factor)", "if (false)"),
    ("solution/formula_text.cpp", "const bool plain = x.level == Written::Operand && !x.factor.empty();", "const bool plain = x.level == Written::Operand;",
     "no formula takes the root of a root or of a square"),
    # Exact evaluation.
    ("solution/exact_formula.cpp", "return x && y ? Divide(*x, *y) : Value();", "return x && y ? Value(*x * *y) : Value();"),
    ("solution/exact_formula.cpp", "  static Value SingleSquare(const Value& x) { return Mul(x, x); }", "  static Value SingleSquare(const Value& x) { return x; }"),
    ("solution/exact_decimal.cpp", "if (2 * dropped >= unit) ++kept;", "if (2 * dropped > unit) ++kept;"),
    ("solution/exact_decimal.cpp", "digits.append(18 - part.size(), '0').append(part);", "digits.append(part);"),
    ("solution/exact_decimal.cpp", "  while (abs(mantissa_) >= PowerOfTen(digits)) ++digits;", "  while (abs(mantissa_) > PowerOfTen(digits)) ++digits;",
     "a mantissa without zeros at its end is a power of ten only when it is 1, which has one digit either way"),
    ("solution/exact_decimal.cpp", "result.exact_ = remainder.is_zero() && x.exact_;", "result.exact_ = x.exact_;"),
    ("solution/exact_decimal.cpp", "return sx * (x.LeadingPower() < y.LeadingPower() ? -1 : 1);", "return x.LeadingPower() < y.LeadingPower() ? -1 : 1;"),
    # Exact forms.
    ("solution/surd.cpp", "root.Add(v->second, q > 0 ? v->first : -v->first);", "root.Add(v->second, v->first);"),
    ("solution/surd.cpp", "if (conjugate.terms.size() == 2) conjugate.terms.rbegin()->second *= -1;", "if (conjugate.terms.size() == 3) conjugate.terms.rbegin()->second *= -1;"),
    ("solution/exact_form.cpp", "if (Characters(text) <= kMaxExactFormLength)", "if (Characters(text) < kMaxExactFormLength)"),
    ("solution/surd.cpp", "      if (s * s == n) {\n        root *= s;", "      if (false) {\n        root *= s;"),
    ("solution/exact_form.cpp", "if (terms.size() == 2 && terms[0].first < 0 && terms[1].first > 0) std::swap(terms[0], terms[1]);", ""),
    ("solution/exact_form.cpp", "for (const unsigned p : {2U, 5U}) {", "for (const unsigned p : {2U}) {"),
    ("solution/exact_form.cpp", "return (s.terms.size() > 1 ? \"(\" + text + \")\" : text) + \"/\" + Text(common);", "return text + \"/\" + Text(common);"),
    ("solution/surd.cpp", "if (p <= 0 || !d || d->second != 1) return {};", "if (!d || d->second != 1) return {};", "p ≤ 0 with p² − q²n a square ≥ 0 makes √(p + q√n) the root of a non-positive number, which no length has"),
    ("solution/exact_triangle.cpp", "return order < 0 || (order == 0 && condition.atEquality == E::Triangle);", "return order <= 0;"),
    ("solution/surd.cpp", "!second.exact() || !DescribesTriangle(listIndex, first, second)) {", "!second.exact()) {"),
    ("practice/practice_tasks.cpp", "? Condition::SecondShorter\n", "? Condition::FirstShorter\n"),
    ("tools/solve_main.cpp", "symbol.c_str(), exact[i].c_str(), outcome.texts[i].c_str());", "symbol.c_str(), outcome.texts[i].c_str(), exact[i].c_str());"),
    ("solution/exact_decimal.cpp", "if (exponent_ >= 0) return BigRational(mantissa_ * PowerOfTen(exponent_));", "if (exponent_ >= 0) return BigRational(mantissa_);"),
    ("solution/surd.cpp", "return left == right ? 0 : (left > right ? x.sign() : y.sign());", "return left == right ? 0 : (left > right ? y.sign() : x.sign());"),
    ("practice/practice_text.cpp", "      if (!IsSurdOrFraction(form)) form.clear();\n", ""),
    ("solution/worked_solution.cpp", "step.result = box_note.empty() && !exactly && IsSurdOrFraction(form)", "step.result = !exactly && IsSurdOrFraction(form)"),
    ("solution/quadratic_working.cpp", "const auto& p = typed[static_cast<std::size_t>(row_quadratic->linear)];", "const auto& p = typed[static_cast<std::size_t>(row_quadratic->constant)];"),
    # The causes of moved digits: the replay in each arithmetic.
    ("solution/digit_causes.cpp", "if (GivesBox(Value(Arithmetic::StoredB1, q), q, true, box, settings)) return DigitCause::StoredB1;", ""),
    ("solution/digit_causes.cpp", "const bool cancels = worst && worst->digitsLost >= kCancellingDigits;", "const bool cancels = worst && worst->digitsLost >= 100;"),
    ("solution/digit_causes.cpp", "const ExactDecimal u = Has(Arithmetic::Doubles) ? AsDouble(*x) : *x;", "const ExactDecimal u = *x;"),
    ("solution/digit_causes.cpp", "return Has(Arithmetic::SingleSquare) ? AsSingle(*x * *x) : *x * *x;", "return *x * *x;"),
    ("solution/digit_causes.cpp", "if (arithmetic >= Arithmetic::StoredB1 && IsKeptSingle(static_cast<Quantity>(i)))", "if (false)"),
    ("solution/digit_causes.cpp", "double Sub(double x, double y) { return (x < 0) == (y < 0) ? Note(x, y, x - y) : x - y; }", "double Sub(double x, double y) { return x - y; }"),
    ("solution/digit_causes.cpp", "if (SignOf(Value(Arithmetic::Exact, step.quantity)) != StepSign::Positive) return step.quantity;", "if (SignOf(Value(Arithmetic::Exact, step.quantity)) == StepSign::Negative) return step.quantity;"),
    ("solution/digit_causes.cpp", "if (SignOf(Value(Arithmetic::StoredB1, q)) == program) return DigitCause::StoredB1;", ""),
    # The notes' words and numbers.
    ("solution/digit_notes.cpp", "while (digits < kMostShownDigits &&\n         meant.RoundedToSignificant(digits) == kept.RoundedToSignificant(digits)) {", "while (false) {"),
    ("solution/digit_notes.cpp", "int digits = std::max(first, kept.IsZero() ? 1 : kept.LeadingPower() + 1);", "int digits = first;"),
    ("solution/digit_notes.cpp", "if (exact->exact() && exact->Decimals() <= kBoxDecimals)\n    return \"= \"", "if (exact->exact() && exact->Decimals() < kBoxDecimals)\n    return \"= \""),
    ("solution/digit_notes.cpp", "slack[i] = run_.typed[i] ? 0 : 0.5e-7;", "slack[i] = 0.5e-7;"),
    ("solution/digit_notes.cpp", "if (covers(Arithmetic::Exact)) return \"Разликите идват от закръглянето.\";", ""),
    ("solution/digit_notes.cpp", "std::lround(kDoubleDigits - worst->digitsLost)", "std::lround(kDoubleDigits - worst->digitsLost - 1)"),
    ("solution/digit_notes.cpp", "if (value.IsZero() || !value.RoundedToDecimals(kBoxDecimals).IsZero())", "if (true)"),
    ("solution/worked_solution.cpp", "  if (exact == StepSign::Positive) {\n", "  if (false) {\n"),
    ("solution/worked_solution.cpp", "if (!agrees && value && !(printed_exact && !box_note.empty())) {", "if (!agrees && value) {"),
    ("solution/worked_solution.cpp", "(printed.Printed(q) != boxes_[i] || IsKeptSingle(q))", "true"),
    ("solution/worked_solution.cpp", "const ExactDecimal shown = agrees && value ? *value : run_.kept[i];", "const ExactDecimal shown = run_.kept[i];"),
    ("solution/worked_solution.cpp", "if (const std::optional<Quantity> at = replay_->ExactlyNoTriangleAt()) AddNoTriangle(*at, notes);", ""),
    ("solution/math_text.cpp", "return t.ends_with(\"/\") || t.ends_with(\"√\") || t.ends_with(\"·\");", "return t.ends_with(\"√\") || t.ends_with(\"·\");"),
    ("solution/math_text.cpp", "if (piece.kind == MathPiece::Kind::Square) return true;", ""),
    ("solution/quadratic_working.cpp", "if (!v.IsZero() && v.RoundedToDecimals(kBoxDecimals).IsZero())\n      return", "if (false)\n      return"),
    ("practice/practice_text.cpp", "if (next >= 0x90 && next <= 0x9F) text[1] = static_cast<char>(next + 0x20);", ""),
    ("practice/practice_text.cpp", "    if (next >= 0xA0 && next <= 0xAF) {", "    if (false) {",
     "no explanation of a missing triangle begins with one of Р–Я"),
    ("solution/math_text.cpp", "return t.ends_with(\"/\") || t.ends_with(\"√\") || t.ends_with(\"·\");", "return t.ends_with(\"/\") || t.ends_with(\"√\");"),
    ("solution/quadratic_working.cpp", "short_root ? \"коренът \" + number(smaller) : \"отрицателният корен\"", "short_root ? \"отрицателният корен\" : \"коренът \" + number(smaller)"),
    ("solution/digit_notes.cpp", "if (pythagoras.IsZero() && area.IsZero())", "if (pythagoras.IsZero() || area.IsZero())"),
    ("solution/digit_causes.cpp", "double Add(double x, double y) { return (x < 0) != (y < 0) ? Note(x, y, x + y) : x + y; }", "double Add(double x, double y) { return x + y; }"),
    ("solution/exact_decimal.cpp", "std::string text = IsNegative() ? \"-\" : \"\";", "std::string text;"),
    ("solution/solution_numbers.cpp", "return std::string(kMinus) + text.substr(settings.negativeSign.size());", "return text;"),
    # Runtime: checked arithmetic.
    ("runtime/checked_math.h", "  float SingleSquare(float x) { return ToSingle(static_cast<double>(x) * x); }",
     "  float SingleSquare(float x) { return x * x; }"),
    ("runtime/checked_math.cpp", "  if (error_ == RuntimeError::None) error_ = error;", "  error_ = error;"),
    ("runtime/checked_math.cpp", "    Raise(std::isnan(result) ? RuntimeError::InvalidOperation : RuntimeError::Overflow);\n    return 0.0;",
     "    Raise(std::isnan(result) ? RuntimeError::InvalidOperation : RuntimeError::Overflow);\n    return result;"),
    ("runtime/checked_math.cpp", "  if (magnitude >= kSingleMax + kSingleHalfUlp) {", "  if (magnitude > kSingleMax) {"),
    # Runtime: reading and writing numbers.
    ("runtime/number_reading.cpp", "    if (exponent < kExponentLimit) exponent = exponent * 10 + (cursor.Peek() - '0');",
     "    exponent = static_cast<long>(static_cast<unsigned long>(exponent) * 10 + static_cast<unsigned long>(cursor.Peek() - '0'));"),
    ("runtime/number_reading.cpp", "      if (inFraction) --point;", "      (void)inFraction;"),
    ("runtime/number_reading.cpp", "  if (settings.groupSeparator != \".\") return true;", "  return true;"),
    ("runtime/number_reading.cpp", "bool IsIgnored(char c) { return c == ' ' || c == '\\t' || c == '\\n'; }", "bool IsIgnored(char c) { return c == ' ' || c == '\\t'; }"),
    ("runtime/number_reading.cpp", "  if (magnitude < kUnderflowPoint) return {};", "  if (magnitude < kUnderflowPoint + 5) return {};"),
    ("runtime/number_formatting.cpp", "  if (integer != \"0\" || settings.leadingZero) AppendGrouped(integer, settings, text);", "  if (settings.leadingZero) AppendGrouped(integer, settings, text);"),
    ("runtime/number_formatting.cpp", "  if (std::signbit(value) && !is_zero) text += settings.negativeSign;", "  if (std::signbit(value)) text += settings.negativeSign;"),
    ("runtime/number_formatting.cpp", "      length < settings.groupingMinimumDigits) {", "      length <= settings.groupingMinimumDigits) {"),
    ("runtime/number_formatting.cpp", "decimal.digits[static_cast<std::size_t>(kept)] >= '5'", "decimal.digits[static_cast<std::size_t>(kept)] > '5'"),
    # Exact answers read, and the mistake behind a wrong one.
    ("practice/typed_answer.cpp", "squareFree = split && split->first == 1 && split->second > 1;", "squareFree = split && split->second > 1;"),
    ("practice/typed_answer.cpp", "!(y.value == ExactDecimal::OfInteger(1));", "true;"),
    ("practice/typed_answer.cpp", "!(x.wholeLiteral && y.wholeLiteral);", "true;"),
    ("practice/typed_answer.cpp", "if (depth_ >= kMostDepth) return Fail();", "if (depth_ >= 1000) return Fail();"),
    ("practice/typed_answer.cpp", "next.value = plus ? sum->value + term->value : sum->value - term->value;", "next.value = sum->value + term->value;"),
    ("practice/typed_answer.cpp", "if (radicand.value.IsNegative()) return Fail(", "if (false) return Fail("),
    ("practice/answer_check.cpp", "if (answer.surd && surd) return *answer.surd == *surd;", ""),
    ("practice/answer_check.cpp", "if (!answer.simplified && !target.form.empty()) verdict.note", "if (!target.form.empty()) verdict.note"),
    ("practice/answer_check.cpp", "if (verdict.mark == AnswerMark::NotPositive && diagnosis.tag != MistakeTag::OtherRoot) break;", "",
     "of the mistakes' values only the negative roots are not positive"),
    ("practice/mistakes.cpp", "if (mistake.sought != sought || (mistake.row != kAnyRow && mistake.row != listIndex)) continue;", "if (mistake.sought != sought) continue;"),
    ("practice/mistakes.cpp", "return Compare(rounded, value) > 0 ? rounded - PowerOfTen(-decimals) : rounded;", "return rounded;"),
    ("practice/mistakes.cpp", "for (const ExactDecimal& shifted : {length * PowerOfTen(1), length * PowerOfTen(-1)}) {", "for (const ExactDecimal& shifted : {length * PowerOfTen(1)}) {"),
    ("practice/mistakes.cpp", "if (step < at && (rounded >> step & 1U) != 0) value = value->RoundedToDecimals(decimals);", ""),
    ("practice/mistakes.cpp", "return (value + hair).RoundedToDecimals(decimals) == typed ||\n         (value - hair).RoundedToDecimals(decimals) == typed;", "return false;"),
    ("practice/mistakes.cpp", "return difference.LeadingPower() < std::max(x.LeadingPower(), y.LeadingPower()) - kAgreeingDigits;", "return difference.LeadingPower() < std::max(x.LeadingPower(), y.LeadingPower()) - 2;"),
    ("practice/plain_check.cpp", "text.append(MistakeTagName(verdict.tag)).append(\"\\t\");", "text.append(\"-\\t\");"),
    ("practice/practice_tasks.cpp", "Pcg32 random(SeedOf(set), kStream + 1 + k);", "Pcg32 random(SeedOf(set), kStream + 1);"),
    ("practice/typed_answer.cpp", "number.wholeLiteral = !fraction;", "number.wholeLiteral = true;"),
    ("practice/typed_answer.cpp", "    if (!negative) Take(\"+\");\n", ""),
    ("practice/answer_check.cpp", "if (answer.surd) return answer.surd->Sign() > 0;", "if (answer.surd) return answer.surd->Sign() >= 0;"),
    ("messages/reading_notes.cpp", "if (!IsBlank(text[i]) || !IsDigit(text[i - 1])) continue;", "if (!IsBlank(text[i])) continue;"),
    ("solution/surd.cpp", "    return value.IsZero() ? 0 : (value.IsNegative() ? -1 : 1);", "    return 1;"),
    # The result codes and the class's table.
    ("practice/result_code.cpp", "if ((x & 32U) != 0) x ^= 0x25U;", "if ((x & 32U) != 0) x ^= 0x23U;"),
    ("practice/result_code.cpp", "s[1] ^= kField.Mul(symbols[i], kField.Power(2 * static_cast<int>(i)));",
     "s[1] ^= kField.Mul(symbols[i], kField.Power(static_cast<int>(i)));"),
    ("practice/result_code.cpp", "if (Syndromes(symbols) != std::array<unsigned, 2>{0, 0}) {", "if (Syndromes(symbols)[0] != 0) {"),
    ("practice/result_code.cpp", "(outcome == TaskOutcome::Alone && tag != 0)", "false"),
    ("practice/result_code.cpp", "int PayloadLength(int count) { return (count * kBitsPerTask + 4) / 5; }",
     "int PayloadLength(int count) { return (count * kBitsPerTask + 5) / 5; }"),
    ("practice/result_code.cpp", "{U'Н', 'H'}", "{U'Н', 'N'}"),
    ("practice/result_code.cpp", "letter >= U'а' && letter <= U'я' ? letter - (U'а' - U'А') : letter", "letter"),
    ("practice/class_results.cpp", "    case ResultCodeProblem::Mistyped: return 4;", "    case ResultCodeProblem::Mistyped: return 1;"),
    ("practice/class_results.cpp", "reading.code.problem == ResultCodeProblem::Length)) {", "false)) {"),
    ("practice/class_results.cpp", "out += static_cast<char>(next + 0x20);", "out += static_cast<char>(next);"),
    ("messages/quoted_text.cpp", "if (++characters > mostCharacters)", "if (++characters >= mostCharacters)"),
    ("practice/class_results.cpp", "++summary.alone, ++pair.alone;", "++summary.alone;"),
    ("practice/class_results.cpp", "x.students != y.students ? x.students > y.students : x.tag < y.tag", "x.students > y.students",
     "at most eleven tags, which come in the catalogue's order: the library sorts so few by insertion, which keeps ties"),
    ("practice/class_results.cpp", "    if (c == '\"') cell += '\"';\n", ""),
    ("practice/class_results.cpp", "[](char c) { return c == '\\t' || c == '\\n' || c == '\\r'; }", "[](char c) { return c == '\\n' || c == '\\r'; }"),
    ("practice/practice_code.cpp", "  if (code.size() == kLongPracticeCodeLength && extension != kEveryTaskATriangle) return std::nullopt;\n", ""),
    ("practice/practice_tasks.cpp", "task.hasTriangle = !(none && options.noTriangleTasks);", "task.hasTriangle = !none;"),
]


def run(cmd, cwd):
    return subprocess.run(cmd, cwd=cwd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)


def main():
    work = Path(tempfile.mkdtemp(prefix="rt-mutants-"))
    tree = work / "tree"
    shutil.copytree(SOURCE, tree, ignore=shutil.ignore_patterns("build", ".git", "node_modules"))
    build = ["cmake", "--build", "build", "--target", "core_tests", "right-triangle-solve", "exact_decimal_probe",
             "number_reading_replay", "number_formatting_replay", "solver_replay", "class_results_replay"]
    configure = ["cmake", "-S", ".", "-B", "build", "-G", "Ninja", "-DCMAKE_BUILD_TYPE=Release",
                 "-DRT_BUILD_UI=OFF", "-DRT_BUILD_BENCHMARKS=OFF"]
    if run(configure, tree).returncode or run(build, tree).returncode:
        sys.exit("the unmutated tree does not build")
    test = ["ctest", "--test-dir", "build", "-j2", "--stop-on-failure"]
    if run(test, tree).returncode:
        sys.exit("the unmutated tree fails its tests")
    chosen = [int(n) for n in sys.argv[1:]] or range(len(MUTANTS))
    survivors = []
    for n in chosen:
        name, before, after, *equivalent = MUTANTS[n]
        path = tree / name
        original = path.read_text()
        if original.count(before) != 1:
            sys.exit("mutant %d: the text does not stand exactly once in %s" % (n, name))
        path.write_text(original.replace(before, after))
        built = run(build, tree).returncode == 0
        caught = not built or run(test, tree).returncode != 0
        path.write_text(original)
        if caught:
            verdict = "caught"
        elif equivalent:
            verdict = "equivalent: " + equivalent[0]
        else:
            verdict = "SURVIVED: " + (after.strip().splitlines() or ["(deleted)"])[-1]
            survivors.append(n)
        print("%2d %-30s %s" % (n, name, verdict), flush=True)
    run(build, tree)
    shutil.rmtree(work)
    print("%d of %d mutants caught or equivalent" % (len(chosen) - len(survivors), len(chosen)))
    sys.exit(1 if survivors else 0)


if __name__ == "__main__":
    main()
