#include "practice/result_code.h"

#include <array>
#include <cctype>
#include <cstdint>
#include <utility>

namespace rt {
namespace {

constexpr int kBitsPerTask = 6;  // the outcome (2) and the first mistake (4)
constexpr int kTagCount = static_cast<int>(MistakeTag::DecimalSlip) + 1;
static_assert(kTagCount <= 16, "a mistake takes four bits");
constexpr int kCheckLength = 2;
constexpr int kGroup = 4;

// GF(32), the field of the code's characters, from the primitive polynomial
// x⁵ + x² + 1: a code of at most 31 characters whose two check characters
// make the syndromes at α and α² vanish has distance 3, so that any change
// of one or two characters (a typo, a swap) is seen.
struct Field {
  std::array<std::uint8_t, 62> exp{};
  std::array<int, 32> log{};
  constexpr Field() {
    unsigned x = 1;
    for (std::size_t i = 0; i < 31; ++i) {
      exp[i] = static_cast<std::uint8_t>(x);
      exp[i + 31] = static_cast<std::uint8_t>(x);
      log[x] = static_cast<int>(i);
      x <<= 1U;
      if ((x & 32U) != 0) x ^= 0x25U;
    }
  }
  constexpr unsigned Mul(unsigned a, unsigned b) const {
    if (a == 0 || b == 0) return 0;
    return exp[static_cast<std::size_t>(log[a]) + static_cast<std::size_t>(log[b])];
  }
  constexpr unsigned Div(unsigned a, unsigned b) const {  // b ≠ 0
    if (a == 0) return 0;
    const int index = (log[a] - log[b] + 31) % 31;
    return exp[static_cast<std::size_t>(index)];
  }
  constexpr unsigned Power(int n) const { return exp[static_cast<std::size_t>(n % 31)]; }
};
constexpr Field kField;
constexpr std::size_t kMaxLength = 31;

// The syndromes Σ cᵢ·αⁱ and Σ cᵢ·α²ⁱ.
std::array<unsigned, 2> Syndromes(const std::vector<unsigned>& symbols) {
  std::array<unsigned, 2> s{};
  for (std::size_t i = 0; i < symbols.size(); ++i) {
    s[0] ^= kField.Mul(symbols[i], kField.Power(static_cast<int>(i)));
    s[1] ^= kField.Mul(symbols[i], kField.Power(2 * static_cast<int>(i)));
  }
  return s;
}

// The two check characters at positions k and k + 1 that cancel the
// syndromes of the k characters before them (Cramer's rule in GF(32)).
void AppendCheck(std::vector<unsigned>& symbols) {
  const int k = static_cast<int>(symbols.size());
  const auto [a, b] = Syndromes(symbols);
  const unsigned p = kField.Power(k);
  const unsigned q = kField.Power(k + 1);
  const unsigned p2 = kField.Power(2 * k);
  const unsigned q2 = kField.Power(2 * k + 2);
  const unsigned determinant = kField.Mul(p, q2) ^ kField.Mul(q, p2);
  symbols.push_back(kField.Div(kField.Mul(a, q2) ^ kField.Mul(b, q), determinant));
  symbols.push_back(kField.Div(kField.Mul(p, b) ^ kField.Mul(p2, a), determinant));
}

int PayloadLength(int count) { return (count * kBitsPerTask + 4) / 5; }

// The Latin letter that a Cyrillic one looks like, in either case; 0 for
// none.
char LatinLookAlike(char32_t letter) {
  static constexpr std::array<std::pair<char32_t, char>, 11> kLookAlikes = {{
      {U'А', 'A'},
      {U'В', 'B'},
      {U'Е', 'E'},
      {U'К', 'K'},
      {U'М', 'M'},
      {U'Н', 'H'},
      {U'Р', 'P'},
      {U'С', 'C'},
      {U'Т', 'T'},
      {U'У', 'Y'},
      {U'Х', 'X'},
  }};
  const char32_t upper = letter >= U'а' && letter <= U'я' ? letter - (U'а' - U'А') : letter;
  for (const auto& [cyrillic, latin] : kLookAlikes) {
    if (cyrillic == upper) return latin;
  }
  return 0;
}

// The UTF-8 character that begins at `at` (a lone byte where it is none),
// and its code point.
std::pair<std::string_view, char32_t> CharacterAt(std::string_view text, std::size_t at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  if (length == 1 || at + length > text.size()) return {text.substr(at, 1), lead};
  char32_t point = lead & (0x7FU >> length);
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[at + i]);
    if ((next & 0xC0U) != 0x80U) return {text.substr(at, 1), lead};
    point = (point << 6U) | (next & 0x3FU);
  }
  return {text.substr(at, length), point};
}

std::vector<unsigned> SymbolsOf(std::string_view code) {
  std::vector<unsigned> symbols;
  for (const char c : code) symbols.push_back(static_cast<unsigned>(kPracticeCodeAlphabet.find(c)));
  return symbols;
}

}  // namespace

std::string_view TaskOutcomeName(TaskOutcome outcome) {
  switch (outcome) {
    case TaskOutcome::Alone: return "alone";
    case TaskOutcome::Mistakes: return "mistakes";
    case TaskOutcome::Hints: return "hints";
    case TaskOutcome::None: return "none";
  }
  return "none";
}

std::optional<TaskOutcome> TaskOutcomeOfName(std::string_view name) {
  for (const TaskOutcome outcome :
       {TaskOutcome::Alone, TaskOutcome::Mistakes, TaskOutcome::Hints, TaskOutcome::None}) {
    if (TaskOutcomeName(outcome) == name) return outcome;
  }
  return std::nullopt;
}

std::string TaskResultItem(const TaskResult& result) {
  std::string item(TaskOutcomeName(result.outcome));
  if (result.firstMistake != MistakeTag::None) item += ":" + std::string(MistakeTagName(result.firstMistake));
  return item;
}

std::optional<TaskResult> TaskResultOfItem(std::string_view item) {
  const std::size_t colon = item.find(':');
  const auto outcome = TaskOutcomeOfName(item.substr(0, colon));
  if (!outcome) return std::nullopt;
  TaskResult result{*outcome, MistakeTag::None};
  if (colon != std::string_view::npos) {
    const auto tag = MistakeTagOfName(item.substr(colon + 1));
    if (!tag || *tag == MistakeTag::None || *outcome == TaskOutcome::Alone) return std::nullopt;
    result.firstMistake = *tag;
  }
  return result;
}

std::string ResultCodeOf(const PracticeResult& result) {
  if (!IsValidPracticeOptions(result.set.options) ||
      result.tasks.size() != static_cast<std::size_t>(result.set.options.count)) {
    return {};
  }
  const std::string set = PracticeCodeOf(result.set);
  std::vector<unsigned> symbols = SymbolsOf(set);
  unsigned buffer = 0;
  int buffered = 0;
  for (const TaskResult& task : result.tasks) {
    buffer = (buffer << 2U) | static_cast<unsigned>(task.outcome);
    buffer = (buffer << 4U) | static_cast<unsigned>(task.firstMistake);
    buffered += kBitsPerTask;
    while (buffered >= 5) {
      buffered -= 5;
      symbols.push_back((buffer >> static_cast<unsigned>(buffered)) & 31U);
    }
  }
  if (buffered > 0) symbols.push_back((buffer << static_cast<unsigned>(5 - buffered)) & 31U);
  AppendCheck(symbols);
  std::string code = set;
  for (std::size_t i = set.size(); i < symbols.size(); ++i) {
    if ((i - set.size()) % kGroup == 0) code += '-';
    code += kPracticeCodeAlphabet[symbols[i]];
  }
  return code;
}

ResultCodeReading ReadResultCode(std::string_view text) {
  ResultCodeReading reading;
  std::string code;
  for (std::size_t at = 0; at < text.size();) {
    const auto [character, point] = CharacterAt(text, at);
    at += character.size();
    if (point == '-' || (point < 0x80 && std::isspace(static_cast<int>(point)))) continue;
    const char latin =
        point < 0x80 ? static_cast<char>(std::toupper(static_cast<int>(point))) : LatinLookAlike(point);
    if (latin == 0 || kPracticeCodeAlphabet.find(latin) == std::string_view::npos) {
      reading.problem = ResultCodeProblem::Character;
      reading.character = character;
      return reading;
    }
    code += latin;
  }
  if (code.empty()) {
    reading.problem = ResultCodeProblem::Empty;
    return reading;
  }
  // The set's code is six characters or seven; the whole length tells which.
  std::optional<PracticeSet> set;
  std::size_t setLength = 0;
  for (const int length : {kPracticeCodeLength, kLongPracticeCodeLength}) {
    if (code.size() < static_cast<std::size_t>(length)) break;
    const auto candidate =
        PracticeSetOfCode(std::string_view(code).substr(0, static_cast<std::size_t>(length)));
    if (!candidate) continue;
    const int characters = length + PayloadLength(candidate->options.count) + kCheckLength;
    const auto whole = static_cast<std::size_t>(characters);
    if (!set || whole == code.size()) {
      set = candidate;
      setLength = static_cast<std::size_t>(length);
    }
    if (whole == code.size()) break;
  }
  if (!set) {
    reading.problem = ResultCodeProblem::NoSet;
    return reading;
  }
  const int count = set->options.count;
  if (code.size() != setLength + static_cast<std::size_t>(PayloadLength(count) + kCheckLength) ||
      code.size() > kMaxLength) {
    reading.problem = ResultCodeProblem::Length;
    return reading;
  }
  const std::vector<unsigned> symbols = SymbolsOf(code);
  if (Syndromes(symbols) != std::array<unsigned, 2>{0, 0}) {
    reading.problem = ResultCodeProblem::Mistyped;
    return reading;
  }
  PracticeResult result;
  result.set = *set;
  unsigned buffer = 0;
  int buffered = 0;
  std::size_t next = setLength;
  const std::size_t payloadEnd = code.size() - kCheckLength;
  for (int task = 0; task < count; ++task) {
    while (buffered < kBitsPerTask) {
      buffer = (buffer << 5U) | symbols[next++];
      buffered += 5;
    }
    buffered -= kBitsPerTask;
    const unsigned bits = (buffer >> static_cast<unsigned>(buffered)) & 63U;
    const auto tag = static_cast<int>(bits & 15U);
    const auto outcome = static_cast<TaskOutcome>(bits >> 4U);
    // A task solved alone has no mistake, and a mistake is one of the list.
    if (tag >= kTagCount || (outcome == TaskOutcome::Alone && tag != 0)) {
      reading.problem = ResultCodeProblem::Content;
      return reading;
    }
    result.tasks.push_back({outcome, static_cast<MistakeTag>(tag)});
  }
  // The bits after the last task are zero.
  if (next != payloadEnd || (buffer & ((1U << static_cast<unsigned>(buffered)) - 1U)) != 0) {
    reading.problem = ResultCodeProblem::Content;
    return reading;
  }
  reading.result = std::move(result);
  return reading;
}

std::string ResultCodeProblemText(const ResultCodeReading& reading) {
  switch (reading.problem) {
    case ResultCodeProblem::None: return {};
    case ResultCodeProblem::Empty: return "Няма код.";
    case ResultCodeProblem::Character:
      return "Знакът „" + reading.character +
             "“ не е от кода: в него има само цифрите 2–9 и буквите A–Z без I и O.";
    case ResultCodeProblem::NoSet: return "Кодът не започва с код на упражнение.";
    case ResultCodeProblem::Length:
      return "Кодът е по-къс или по-дълъг, отколкото е за своя набор: преписан е непълно.";
    case ResultCodeProblem::Mistyped:
      return "Кодът е преписан грешно: знак е сбъркан или два знака са разменени.";
    case ResultCodeProblem::Content: return "Кодът не е резултат от програмата.";
  }
  return {};
}

}  // namespace rt
