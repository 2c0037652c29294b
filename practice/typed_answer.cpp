#include "practice/typed_answer.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "runtime/number_reading.h"

namespace rt {
namespace {

// A form's value is kept to this many significant digits: enough to tell
// any two short forms apart, and bounded however it is typed.
constexpr int kFormDigits = 60;
// No length is beyond 10^±100; a form that is would only cost time.
constexpr int kMostPower = 100;
// A surd of more terms, or with coefficients of more bits, leaves the exact
// arithmetic; the value to kFormDigits still decides.
constexpr std::size_t kMostSurdTerms = 8;
constexpr unsigned kMostCoefficientBits = 400;
constexpr int kMostDepth = 24;  // brackets and roots inside one another

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

constexpr std::string_view kNoBreakSpace = "\u00a0";
constexpr std::string_view kNarrowNoBreakSpace = "\u202f";

// A text cut after its leading blanks.
std::string_view AfterBlanks(std::string_view text) {
  for (;;) {
    if (!text.empty() && IsBlank(text.front())) {
      text.remove_prefix(1);
    } else if (text.starts_with(kNoBreakSpace)) {
      text.remove_prefix(kNoBreakSpace.size());
    } else if (text.starts_with(kNarrowNoBreakSpace)) {
      text.remove_prefix(kNarrowNoBreakSpace.size());
    } else {
      return text;
    }
  }
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The exact value of a text that the window's reading took whole: its
// digits, with the decimal point where "." or the regional sign stands;
// group separators are skipped.
ExactDecimal DecimalOfDigits(std::string_view text, const RegionalSettings& settings) {
  std::string whole;
  std::string fraction;
  bool point = false;
  for (std::size_t i = 0; i < text.size();) {
    if (IsDigit(text[i])) {
      (point ? fraction : whole) += text[i];
      ++i;
    } else if (!point && (text[i] == '.' || text.substr(i).starts_with(settings.decimalSeparator))) {
      point = true;
      i += text[i] == '.' ? 1 : settings.decimalSeparator.size();
    } else {
      ++i;
    }
  }
  std::string digits = whole.empty() ? std::string(1, '0') : whole;
  if (!fraction.empty()) {
    digits.push_back('.');
    digits.append(fraction);
  }
  return *ExactDecimal::Parse(digits);
}

// One operand of a form as it is read: its value, and what a teacher would
// say about how it is written.
struct Operand {
  ExactDecimal value;
  SurdValue surd;
  bool simplified = true;
  bool hasRoot = false;       // a √ anywhere in it
  bool wholeLiteral = false;  // a whole number, written as such
  bool rootOfWhole = false;   // √n, n written as a whole number
};

// A whole number whose coefficients say it in lowest terms with a divisor:
// the gcd of a surd's coefficients, where all are whole.
std::optional<BigInteger> ContentOf(const SurdValue& surd) {
  if (!surd) return std::nullopt;
  BigInteger content = 0;
  for (const auto& [radicand, coefficient] : surd->terms) {
    if (denominator(coefficient) != 1) return std::nullopt;
    content = Gcd(content, numerator(coefficient));
  }
  return content;
}

bool SharesATerm(const SurdValue& x, const SurdValue& y) {
  if (!x || !y) return false;
  return std::any_of(x->terms.begin(), x->terms.end(),
                     [&y](const auto& term) { return y->terms.contains(term.first); });
}

SurdValue Bounded(SurdValue surd) {
  if (!surd || surd->terms.size() > kMostSurdTerms) return std::nullopt;
  for (const auto& [radicand, coefficient] : surd->terms) {
    for (const BigInteger& part : {radicand, numerator(coefficient), denominator(coefficient)}) {
      if (part != 0 && boost::multiprecision::msb(abs(part)) > kMostCoefficientBits) return std::nullopt;
    }
  }
  return surd;
}

class FormReader {
 public:
  FormReader(std::string_view text, const RegionalSettings& settings) : rest_(text), settings_(settings) {}

  TypedAnswer Read() {
    TypedAnswer answer;
    answer.kind = TypedAnswer::Kind::Malformed;
    const std::optional<Operand> form = Expression();
    if (failed_ || !form || !AfterBlanks(rest_).empty()) {
      answer.problem = problem_;
      return answer;
    }
    answer.kind = TypedAnswer::Kind::Form;
    answer.value = form->value;
    answer.surd = form->surd;
    answer.simplified = form->simplified;
    return answer;
  }

 private:
  std::string_view rest_;
  const RegionalSettings& settings_;
  bool failed_ = false;
  std::string problem_;  // the first failure's reason, where it has one
  int depth_ = 0;

  // Takes `token` if the text goes on with it, after blanks.
  bool Take(std::string_view token) {
    const std::string_view next = AfterBlanks(rest_);
    if (token.empty() || !next.starts_with(token)) return false;
    rest_ = next.substr(token.size());
    return true;
  }
  bool TakeAny(std::initializer_list<std::string_view> tokens) {
    return std::any_of(tokens.begin(), tokens.end(), [this](std::string_view token) { return Take(token); });
  }
  bool TakeMinus() { return TakeAny({"-", "\u2212", settings_.negativeSign}); }
  bool TakeRoot() { return TakeAny({"\u221a", "sqrt", "SQRT", "Sqrt"}); }
  bool StartsRootOrBracket() const {
    const std::string_view next = AfterBlanks(rest_);
    return next.starts_with("\u221a") || next.starts_with("(") || next.starts_with("sqrt") ||
           next.starts_with("SQRT") || next.starts_with("Sqrt");
  }

  std::optional<Operand> Fail(std::string problem = {}) {
    // The innermost reason stands; an outer one fills in where it had none.
    if (problem_.empty()) problem_ = std::move(problem);
    failed_ = true;
    return std::nullopt;
  }

  std::optional<Operand> Checked(Operand operand) {
    if (!operand.value.IsZero() &&
        (operand.value.LeadingPower() > kMostPower || operand.value.LeadingPower() < -kMostPower)) {
      return Fail();
    }
    operand.value = operand.value.RoundedToSignificant(kFormDigits);
    operand.surd = Bounded(std::move(operand.surd));
    return operand;
  }

  // expression := [sign] term {(+|−) term}
  std::optional<Operand> Expression() {
    if (depth_ >= kMostDepth) return Fail();
    ++depth_;
    std::optional<Operand> sum = SignedSum();
    --depth_;
    return sum;
  }

  std::optional<Operand> SignedSum() {
    const bool negative = TakeMinus();
    if (!negative) Take("+");
    std::optional<Operand> sum = Term();
    if (!sum) return std::nullopt;
    if (negative) {
      Operand negated = *sum;
      negated.value = -sum->value;
      negated.surd = surd::Negate(sum->surd);
      negated.wholeLiteral = false;
      sum = Checked(std::move(negated));
    }
    for (;;) {
      const bool plus = Take("+");
      if (!plus && !TakeMinus()) break;
      const std::optional<Operand> term = Term();
      if (!term || !sum) return std::nullopt;
      Operand next;
      next.value = plus ? sum->value + term->value : sum->value - term->value;
      next.surd = plus ? surd::Add(sum->surd, term->surd) : surd::Sub(sum->surd, term->surd);
      // Like terms left apart (√2 + √2, 3 + 2) are not simplified.
      next.simplified = sum->simplified && term->simplified && !SharesATerm(sum->surd, term->surd);
      next.hasRoot = sum->hasRoot || term->hasRoot;
      sum = Checked(std::move(next));
    }
    return sum;
  }

  // term := power {(· | / | a root or bracket straight after) power}
  std::optional<Operand> Term() {
    std::optional<Operand> product = Power();
    while (product) {
      if (TakeAny({"*", "\u00b7", "\u00d7", "\u22c5"}) || StartsRootOrBracket()) {
        const std::optional<Operand> factor = Power();
        if (!factor) return std::nullopt;
        product = Multiplied(*product, *factor);
      } else if (TakeAny({"/", ":", "\u00f7"})) {
        const std::optional<Operand> divisor = Power();
        if (!divisor) return std::nullopt;
        product = Divided(*product, *divisor);
      } else {
        break;
      }
    }
    return product;
  }

  std::optional<Operand> Multiplied(const Operand& x, const Operand& y) {
    Operand product;
    product.value = x.value * y.value;
    product.surd = surd::Mul(x.surd, y.surd);
    // 2·3 is 6 and √2·√3 is √6; 5·√2 is as a teacher writes it.
    product.simplified =
        x.simplified && y.simplified && !(x.hasRoot && y.hasRoot) && !(x.wholeLiteral && y.wholeLiteral);
    product.hasRoot = x.hasRoot || y.hasRoot;
    return Checked(std::move(product));
  }

  std::optional<Operand> Divided(const Operand& x, const Operand& y) {
    if (y.value.IsZero()) return Fail("Деление на нула няма стойност.");
    Operand quotient;
    quotient.value = *Divide(x.value, y.value);
    quotient.surd = surd::Div(x.surd, y.surd);
    // The divisor a whole number other than 1, with no factor common to
    // every coefficient of the dividend: 2√5/5, (√61 − 3)/2, 144/13.
    const std::optional<BigInteger> content = ContentOf(x.surd);
    const bool lowest = y.wholeLiteral && content && y.surd && y.surd->terms.size() == 1 &&
                        Gcd(*content, numerator(y.surd->terms.begin()->second)) == 1 &&
                        !(y.value == ExactDecimal::OfInteger(1));
    quotient.simplified = x.simplified && y.simplified && lowest;  // so no root below the line
    quotient.hasRoot = x.hasRoot || y.hasRoot;
    return Checked(std::move(quotient));
  }

  // power := primary [² | ^2]
  std::optional<Operand> Power() {
    std::optional<Operand> base = Primary();
    if (!base) return std::nullopt;
    if (Take("\u00b2") || (Take("^") && (Take("2") || Take("(2)")))) {
      Operand square;
      square.value = base->value * base->value;
      square.surd = surd::Mul(base->surd, base->surd);
      square.simplified = false;
      square.hasRoot = base->hasRoot;
      return Checked(std::move(square));
    }
    if (AfterBlanks(rest_).starts_with("^")) return Fail();
    return base;
  }

  // primary := number | ( expression ) | √ root-operand
  std::optional<Operand> Primary() {
    if (Take("(")) return Bracketed();
    if (TakeRoot()) {
      std::optional<Operand> radicand;
      if (Take("(")) {
        radicand = Bracketed();
      } else {
        radicand = Number();
      }
      if (!radicand) return Fail("След √ идва число или скоба: √2, √(a² + b²).");
      return Root(*radicand);
    }
    return Number();
  }

  std::optional<Operand> Bracketed() {
    std::optional<Operand> inner = Expression();
    if (!inner) return std::nullopt;
    if (!Take(")")) return Fail("Скобата не е затворена.");
    return inner;  // √(2) is √2: a whole number in brackets stays one
  }

  std::optional<Operand> Root(const Operand& radicand) {
    if (radicand.value.IsNegative()) return Fail("Корен квадратен от отрицателно число няма стойност.");
    Operand root;
    root.value = *SquareRoot(radicand.value);
    root.surd = surd::Sqrt(radicand.surd);
    root.hasRoot = true;
    root.rootOfWhole = radicand.wholeLiteral;
    // √50 is 5√2 and √4 is 2: only a square-free whole number stays.
    bool squareFree = false;
    if (radicand.wholeLiteral && radicand.surd && radicand.surd->terms.size() == 1) {
      const auto split = SquareFreeSplit(numerator(radicand.surd->terms.begin()->second));
      squareFree = split && split->first == 1 && split->second > 1;
    }
    root.simplified = radicand.simplified && squareFree;
    return Checked(std::move(root));
  }

  std::optional<Operand> Number() {
    rest_ = AfterBlanks(rest_);
    std::size_t length = 0;
    while (length < rest_.size() && IsDigit(rest_[length])) ++length;
    if (length == 0) return Fail();
    bool fraction = false;
    for (const std::string_view point :
         {std::string_view("."), std::string_view(settings_.decimalSeparator)}) {
      const std::string_view after = rest_.substr(length);
      if (!fraction && !point.empty() && after.starts_with(point) && after.size() > point.size() &&
          IsDigit(after[point.size()])) {
        fraction = true;
        length += point.size();
        while (length < rest_.size() && IsDigit(rest_[length])) ++length;
      }
    }
    Operand number;
    number.value = DecimalOfDigits(rest_.substr(0, length), settings_);
    number.surd = Surd::Of(number.value.ToRational());
    number.wholeLiteral = !fraction;
    rest_.remove_prefix(length);
    return Checked(std::move(number));
  }
};

}  // namespace

std::string_view TrimmedAnswer(std::string_view text) {
  text = AfterBlanks(text);
  for (;;) {
    if (!text.empty() && IsBlank(text.back())) {
      text.remove_suffix(1);
    } else if (text.ends_with(kNoBreakSpace)) {
      text.remove_suffix(kNoBreakSpace.size());
    } else if (text.ends_with(kNarrowNoBreakSpace)) {
      text.remove_suffix(kNarrowNoBreakSpace.size());
    } else {
      return text;
    }
  }
}

TypedAnswer ReadTypedAnswer(std::string_view typed, const RegionalSettings& settings) {
  TypedAnswer answer;
  const std::string_view text = TrimmedAnswer(typed);
  if (text.empty()) return answer;
  answer.kind = TypedAnswer::Kind::Malformed;
  if (text.size() > kMaxAnswerLength) return answer;

  // A plain number first, read as the window reads it, but whole.
  std::string_view digits = text;
  bool negative = false;
  for (const std::string_view minus :
       {std::string_view("-"), std::string_view("\u2212"), std::string_view(settings.negativeSign)}) {
    if (!negative && !minus.empty() && digits.starts_with(minus)) {
      digits.remove_prefix(minus.size());
      negative = true;
    }
  }
  if (!negative && digits.starts_with('+')) digits.remove_prefix(1);
  bool blank_inside = false;
  for (const char c : digits) blank_inside = blank_inside || IsBlank(c);
  NumberExtent extent;
  const bool signed_again = digits.starts_with('-') || digits.starts_with('+');
  const NumberReading reading = ReadNumber(digits, settings, extent);
  if (!blank_inside && !signed_again && extent.digits && !extent.exponent && extent.end == digits.size() &&
      reading.error == RuntimeError::None) {
    answer.kind = TypedAnswer::Kind::Decimal;
    answer.value = DecimalOfDigits(digits, settings);
    if (negative) answer.value = -answer.value;
    answer.decimals = extent.fractionDigits;
    return answer;
  }

  return FormReader(text, settings).Read();
}

}  // namespace rt
