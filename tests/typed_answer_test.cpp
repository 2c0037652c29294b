// Reading a student's answer: plain decimals as before, exact forms, and an
// answer for every malformed text.

#include "practice/typed_answer.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "practice/answer_check.h"
#include "practice/mistakes.h"
#include "tests/regional_presets.h"

namespace rt {
namespace {

using test::BulgarianSettings;
using test::EnglishUsSettings;
using Kind = TypedAnswer::Kind;

struct FormRow {
  const char* typed;
  Kind kind;
  const char* value;  // to ten decimals, where it reads
  bool simplified;
};

TEST(TypedAnswer, ReadsTheSchoolFormsAndSaysWhetherTheyAreSimplified) {
  const std::vector<FormRow> table = {
      {"5√2", Kind::Form, "7.0710678119", true},
      {"5√(2)", Kind::Form, "7.0710678119", true},
      {"5*sqrt(2)", Kind::Form, "7.0710678119", true},
      {"5 sqrt 2", Kind::Form, "7.0710678119", true},
      {"5·√2", Kind::Form, "7.0710678119", true},
      {"144/13", Kind::Form, "11.0769230769", true},
      {"12/5", Kind::Form, "2.4000000000", true},
      {"(−3 + √61)/2", Kind::Form, "2.4051248380", true},
      {"-3/2 + √61/2", Kind::Form, "2.4051248380", true},
      {"(√61 - 3)/2", Kind::Form, "2.4051248380", true},
      {"2√5/5", Kind::Form, "0.8944271910", true},
      {"√50", Kind::Form, "7.0710678119", false},
      {"10/√2", Kind::Form, "7.0710678119", false},
      {"2/√5", Kind::Form, "0.8944271910", false},
      {"√4", Kind::Form, "2.0000000000", false},
      {"√(1/2)", Kind::Form, "0.7071067812", false},
      {"24/10", Kind::Form, "2.4000000000", false},
      {"(2 + 2√3)/2", Kind::Form, "2.7320508076", false},
      {"√2 + √2", Kind::Form, "2.8284271247", false},
      {"2·3", Kind::Form, "6.0000000000", false},
      {"√2·√3", Kind::Form, "2.4494897428", false},
      {"√(3² + 4²)", Kind::Form, "5.0000000000", false},
      {"√(3^2 + 4^2)", Kind::Form, "5.0000000000", false},
      {"6/1", Kind::Form, "6.0000000000", false},
      {"3²", Kind::Form, "9.0000000000", false},
      {"√1", Kind::Form, "1.0000000000", false},
      {"√2,5", Kind::Form, "1.5811388301", false},
      {"+5√2", Kind::Form, "7.0710678119", true},
      {"1,5√2", Kind::Form, "2.1213203436", true},
      {"12 : 5", Kind::Form, "2.4000000000", true},
      {" 5√2 ", Kind::Form, "7.0710678119", true},
      {"8,49", Kind::Decimal, "8.4900000000", true},
      {"8.49", Kind::Decimal, "8.4900000000", true},
      {"12\u00a0345,5", Kind::Decimal, "12345.5000000000", true},
      {"-3", Kind::Decimal, "-3.0000000000", true},
      {"", Kind::Empty, nullptr, true},
      {"\u00a0 ", Kind::Empty, nullptr, true},
      {"5√", Kind::Malformed, nullptr, true},
      {"√-2", Kind::Malformed, nullptr, true},
      {"√(-2)", Kind::Malformed, nullptr, true},
      {"1/0", Kind::Malformed, nullptr, true},
      {"1/(2 - 2)", Kind::Malformed, nullptr, true},
      {"√√2", Kind::Malformed, nullptr, true},
      {"(1 + √2", Kind::Malformed, nullptr, true},
      {"1 + √2)", Kind::Malformed, nullptr, true},
      {"3 5", Kind::Malformed, nullptr, true},
      {"√2 5", Kind::Malformed, nullptr, true},
      {"--3", Kind::Malformed, nullptr, true},
      {"3 + -2", Kind::Malformed, nullptr, true},
      {"2^3", Kind::Malformed, nullptr, true},
      {"3cm", Kind::Malformed, nullptr, true},
      {"b = 8", Kind::Malformed, nullptr, true},
      {"1e1", Kind::Malformed, nullptr, true},
      {"5√2 + ", Kind::Malformed, nullptr, true},
  };
  for (const FormRow& row : table) {
    const TypedAnswer answer = ReadTypedAnswer(row.typed, BulgarianSettings());
    EXPECT_EQ(answer.kind, row.kind) << row.typed;
    if (row.value != nullptr && answer.kind == row.kind) {
      EXPECT_EQ(answer.value.RoundedToDecimals(10), *ExactDecimal::Parse(row.value)) << row.typed;
      EXPECT_EQ(answer.simplified, row.simplified) << row.typed;
    }
  }
}

TEST(TypedAnswer, AMalformedFormSaysWhatIsWrongWhereItCan) {
  EXPECT_EQ(ReadTypedAnswer("1/0", BulgarianSettings()).problem, "Деление на нула няма стойност.");
  EXPECT_EQ(ReadTypedAnswer("√(2 - 3)", BulgarianSettings()).problem,
            "Корен квадратен от отрицателно число няма стойност.");
  EXPECT_EQ(ReadTypedAnswer("5√", BulgarianSettings()).problem,
            "След √ идва число или скоба: √2, √(a² + b²).");
  EXPECT_EQ(ReadTypedAnswer("√-2", BulgarianSettings()).problem,
            "След √ идва число или скоба: √2, √(a² + b²).");
  EXPECT_EQ(ReadTypedAnswer("(1 + √2", BulgarianSettings()).problem, "Скобата не е затворена.");
  EXPECT_EQ(ReadTypedAnswer("√(1/0)", BulgarianSettings()).problem, "Деление на нула няма стойност.");
  EXPECT_EQ(ReadTypedAnswer("abc", BulgarianSettings()).problem, "");
}

TEST(TypedAnswer, TheRegionalSignsHoldInAForm) {
  // In en_US "," groups digits and is no decimal sign inside a form.
  EXPECT_EQ(ReadTypedAnswer("1,5√2", EnglishUsSettings()).kind, Kind::Malformed);
  EXPECT_EQ(ReadTypedAnswer("1.5√2", EnglishUsSettings()).kind, Kind::Form);
  EXPECT_EQ(ReadTypedAnswer("1.5√2", BulgarianSettings()).kind, Kind::Form);  // "." is always a point
}

TEST(TypedAnswer, HoldsAFormExactlyWhereASurdCan) {
  const TypedAnswer half = ReadTypedAnswer("(−3 + √61)/2", BulgarianSettings());
  ASSERT_TRUE(half.surd);
  EXPECT_EQ(half.surd->terms.size(), 2U);
  EXPECT_EQ(half.surd->terms.at(1), BigRational(-3, 2));
  EXPECT_EQ(half.surd->terms.at(61), BigRational(1, 2));
  // A root that does not denest leaves the surds; the value still holds it.
  const TypedAnswer nested = ReadTypedAnswer("√(2 + √3) + √(2 + √5)", BulgarianSettings());
  EXPECT_EQ(nested.kind, Kind::Form);
  EXPECT_FALSE(nested.surd);
  EXPECT_EQ(nested.value.RoundedToDecimals(6), *ExactDecimal::Parse("3.990023"));
}

TEST(TypedAnswer, ALongSumOfRootsLeavesTheSurdsButKeepsItsValue) {
  // Nine terms, more than the exact arithmetic keeps.
  const TypedAnswer answer = ReadTypedAnswer("(√2+√3+√5)(√7+√11+√13)", BulgarianSettings());
  EXPECT_EQ(answer.kind, Kind::Form);
  EXPECT_FALSE(answer.surd);
  EXPECT_EQ(answer.value.RoundedToDecimals(8), *ExactDecimal::Parse("51.49776502"));
}

TEST(TypedAnswer, NoTextIsTooHardToAnswer) {
  const std::vector<std::string> hard = {
      std::string(200, '9'),
      std::string(201, '9'),
      std::string(80, '(') + "2" + std::string(80, ')'),
      std::string(60, '(') + "2" + std::string(60, ')'),
      "((((((((((((((((2²)²)²)²)²)²)²)²)²)²)²)²)²)²)²)²)",
      "((((((((((((((((1,0001²)²)²)²)²)²)²)²)²)²)²)²)²)²)²)²)",
      "(√2+√3+√5+√7+√11+√13)(√17+√19+√23+√29+√31)(√37+√41+√43+√47)",
      "1/" + std::string(150, '7'),
      "√" + std::string(120, '7'),
  };
  for (const std::string& text : hard) {
    const TypedAnswer answer = ReadTypedAnswer(text, BulgarianSettings());
    EXPECT_TRUE(answer.kind == Kind::Malformed || answer.kind == Kind::Form || answer.kind == Kind::Decimal)
        << text;
  }
  EXPECT_EQ(ReadTypedAnswer(std::string(201, '9'), BulgarianSettings()).kind, Kind::Malformed);
  EXPECT_EQ(ReadTypedAnswer(std::string(200, '9'), BulgarianSettings()).kind, Kind::Decimal);
  // 2 squared sixteen times has 19,729 digits: more than any length.
  EXPECT_EQ(ReadTypedAnswer(hard[4], BulgarianSettings()).kind, Kind::Malformed);
  EXPECT_EQ(ReadTypedAnswer(hard[2], BulgarianSettings()).kind, Kind::Malformed);  // too deep
  EXPECT_EQ(ReadTypedAnswer(hard[3], BulgarianSettings()).kind, Kind::Malformed);
}

// Generated forms of a length (x + y√n)/d: equal ones written in many ways,
// and unequal ones that change a single number.
struct Generated {
  std::string text;
  bool equal;
};

std::string Number(long long n) { return n < 0 ? "−" + std::to_string(-n) : std::to_string(n); }

// " + 3√5", " − 3√5", " + 14", with the sign a teacher writes.
std::string Plus(long long k, const std::string& rest, bool keepOne = false) {
  const long long magnitude = k < 0 ? -k : k;
  const std::string coefficient =
      magnitude == 1 && !rest.empty() && !keepOne ? "" : std::to_string(magnitude);
  return (k < 0 ? " − " : " + ") + coefficient + rest;
}

std::vector<Generated> FormsOf(long long x, long long y, long long n, long long d, std::mt19937& random) {
  const std::string root = "√" + std::to_string(n);
  const std::string over = ")/" + std::to_string(d);
  std::vector<Generated> forms = {
      {"(" + Number(x) + Plus(y, root) + over, true},
      {"(" + Number(x) + " + √(" + std::to_string(y * y * n) + ")" + over, y > 0},
      {"(" + Number(2 * x) + Plus(2 * y, root) + ")/" + std::to_string(2 * d), true},
      {Number(x) + "/" + std::to_string(d) + Plus(y, "*sqrt(" + std::to_string(n) + ")", true) + "/" +
           std::to_string(d),
       true},
      {"(" + Number(x) + root + Plus(y * n, "") + ")/(" + std::to_string(d) + root + ")", true},
      {"(" + Number(x + 1) + Plus(y, root) + over, false},
      {"(" + Number(x) + Plus(y + 1 == 0 ? 2 : y + 1, root) + over, false},
      {"(" + Number(x) + Plus(y, "√" + std::to_string(n + 1)) + over, false},
      {"(" + Number(x) + Plus(y, root) + ")/" + std::to_string(d + 1), false},
      {"(" + Number(x) + Plus(y, root) + ")·" + std::to_string(d), d == 1},
  };
  std::shuffle(forms.begin(), forms.end(), random);
  return forms;
}

bool IsSquareFree(long long n) {
  for (long long p = 2; p * p <= n; ++p) {
    if (n % (p * p) == 0) return false;
  }
  return n > 1;
}

TEST(ExactAnswers, NoEqualFormIsWrongAndNoUnequalOneRight) {
  std::mt19937 random(20261210);
  std::uniform_int_distribution<long long> small(1, 12);
  int checked = 0;
  for (int length = 0; length < 150; ++length) {
    long long n = 0;
    while (!IsSquareFree(n + 1) || !IsSquareFree(n)) n = small(random) + 1;
    const long long x = small(random);
    const long long y = small(random) % 3 == 0 ? -small(random) : small(random);
    const long long d = small(random) % 4 + 1;
    Surd exact;
    exact.Add(1, BigRational(x, d));
    exact.Add(n, BigRational(y, d));
    if (exact.Sign() <= 0) continue;
    AnswerTarget target;
    target.sought = Quantity::C;
    target.lengths.at(static_cast<std::size_t>(Quantity::C)) = exact.Approximately();
    for (const bool withSurd : {true, false}) {
      target.surd = withSurd ? SurdValue(exact) : std::nullopt;
      for (const Generated& form : FormsOf(x, y, n, d, random)) {
        const AnswerMark mark = CheckAnswer(form.text, target, BulgarianSettings()).mark;
        const AnswerMark expected = form.equal ? AnswerMark::Right : AnswerMark::Wrong;
        // An unequal form may also come out negative, which is its own mark.
        if (!form.equal && mark == AnswerMark::NotPositive) continue;
        EXPECT_EQ(mark, expected) << form.text << " for (" << x << " + " << y << "√" << n << ")/" << d
                                  << (withSurd ? "" : ", by value");
        ++checked;
      }
    }
  }
  EXPECT_GE(checked, 1000);
}

TEST(ExactAnswers, AFormAHairFromTheLengthIsWrongWhereBothAreExact) {
  AnswerTarget target;
  target.sought = Quantity::A;
  target.surd = Surd::Of(5, 2);
  target.lengths.at(0) = target.surd->Approximately();
  // 5√2 + 10⁻³⁷ agrees with 5√2 to 37 digits; as surds they differ.
  const std::string hair = "5√2 + 1/1" + std::string(37, '0');
  EXPECT_EQ(CheckAnswer(hair, target, BulgarianSettings()).mark, AnswerMark::Wrong);
  // By value alone, where the length has no surd, it cannot be told apart.
  target.surd.reset();
  EXPECT_EQ(CheckAnswer(hair, target, BulgarianSettings()).mark, AnswerMark::Right);
}

TEST(ExactAnswers, NothingIsNearlyEqualToZeroButZero) {
  const ExactDecimal zero;
  const ExactDecimal tiny = *ExactDecimal::Parse("1e-40");
  EXPECT_FALSE(NearlyEqual(zero, tiny));
  EXPECT_FALSE(NearlyEqual(tiny, zero));
  EXPECT_TRUE(NearlyEqual(zero, ExactDecimal()));
}

TEST(ExactAnswers, ALengthCutAHairBelowATieRoundsAsTheTrueOne) {
  // 3·(1/3) to 40 digits is 0,999…9: the true value 1 rounds to 1,0.
  const ExactDecimal cut =
      *Divide(ExactDecimal::OfInteger(1), ExactDecimal::OfInteger(3)) * ExactDecimal::OfInteger(3);
  ASSERT_FALSE(cut.exact());
  EXPECT_TRUE(RoundsTo(cut, *ExactDecimal::Parse("1.0"), 1));
  EXPECT_TRUE(RoundsTo(cut, *ExactDecimal::Parse("1"), 0));
  EXPECT_FALSE(RoundsTo(cut, *ExactDecimal::Parse("0.9"), 1));
  // 2,25 cut as 2,2499…9 rounds to 2,3 (half up), and 2,2 stays wrong
  // only for an exact 2,25.
  const ExactDecimal below =
      *Divide(ExactDecimal::OfInteger(1), ExactDecimal::OfInteger(3)) * *ExactDecimal::Parse("6.75");
  ASSERT_FALSE(below.exact());
  EXPECT_TRUE(RoundsTo(below, *ExactDecimal::Parse("2.3"), 1));
  EXPECT_FALSE(RoundsTo(*ExactDecimal::Parse("2.25"), *ExactDecimal::Parse("2.2"), 1));
}

TEST(ExactAnswers, AnEqualFormThatIsNotSimplifiedIsRightWithTheSimplifiedForm) {
  AnswerTarget target;
  target.sought = Quantity::A;
  target.surd = Surd::Of(5, 2);
  target.lengths.at(0) = target.surd->Approximately();
  target.form = "5√2";
  for (const char* typed : {"√50", "10/√2", "√(25·2)"}) {
    const AnswerVerdict verdict = CheckAnswer(typed, target, BulgarianSettings());
    EXPECT_EQ(verdict.mark, AnswerMark::Right) << typed;
    EXPECT_EQ(AnswerVerdictText(verdict), "вярно; опростено: 5√2") << typed;
  }
  for (const char* typed : {"5√2", "5*sqrt(2)", "5√(2)", "7,07"}) {
    const AnswerVerdict verdict = CheckAnswer(typed, target, BulgarianSettings());
    EXPECT_EQ(AnswerVerdictText(verdict), "вярно") << typed;
  }
  EXPECT_EQ(CheckAnswer("−5√2", target, BulgarianSettings()).mark, AnswerMark::NotPositive);
  // Forms that come to 0 or below, however many terms they have.
  for (const char* typed : {"√2 − √2", "0√2", "√2 + √3 − √5 − 10"}) {
    EXPECT_EQ(CheckAnswer(typed, target, BulgarianSettings()).mark, AnswerMark::NotPositive) << typed;
  }
  EXPECT_EQ(CheckAnswer("5√3", target, BulgarianSettings()).mark, AnswerMark::Wrong);
  const AnswerVerdict zero = CheckAnswer("5/0", target, BulgarianSettings());
  EXPECT_EQ(AnswerVerdictText(zero), "не е число. Деление на нула няма стойност.");
}

}  // namespace
}  // namespace rt
