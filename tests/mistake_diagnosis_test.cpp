// The mistake behind a wrong answer, measured over the tasks of 100 sets:
// each mistake's value worked out here in plain double arithmetic, from the
// triangle's lengths, and typed as a student rounds it.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "practice/answer_check.h"
#include "practice/mistakes.h"
#include "practice/practice_tasks.h"
#include "practice/practice_text.h"
#include "solution/exact_triangle.h"
#include "tests/regional_presets.h"

namespace rt {
namespace {

using test::BulgarianSettings;
using T = MistakeTag;

struct Candidate {
  MistakeTag tag;
  double value;
  int onlyDecimals = 0;  // typed only with these decimals (a cut), or 0
};

// Every mistake of the catalogue that gives a value for the sought length
// of this row, from the true lengths L.
std::vector<Candidate> MistakesFor(int row, Quantity q, const std::array<double, kQuantityCount>& L) {
  const auto [a, b, c, hc, a1, b1] = L;
  std::vector<Candidate> all;
  const auto add = [&](MistakeTag tag, double value) {
    if (std::isfinite(value)) all.push_back({tag, value});
  };
  switch (q) {
    case Quantity::A:
      add(T::SwappedProjection, std::sqrt(c * b1));
      add(T::HypotenuseAsLeg, std::sqrt(b * b + c * c));
      add(T::NoRoot, a * a);
      add(T::SumForRoot, hc + a1);
      add(T::SumForRoot, c - b);
      break;
    case Quantity::B:
      add(T::SwappedProjection, std::sqrt(c * a1));
      add(T::HypotenuseAsLeg, std::sqrt(a * a + c * c));
      add(T::NoRoot, b * b);
      add(T::SumForRoot, hc + b1);
      add(T::SumForRoot, c - a);
      break;
    case Quantity::C:
      if (a != b) add(T::HypotenuseAsLeg, std::sqrt(std::fabs(a * a - b * b)));
      add(T::NoRoot, c * c);
      add(T::SumForRoot, a + b);
      break;
    case Quantity::Hc:
      add(T::HypotenuseAsLeg, std::sqrt(a * a + a1 * a1));
      add(T::HypotenuseAsLeg, std::sqrt(b * b + b1 * b1));
      add(T::NoRoot, hc * hc);
      add(T::AltitudeWithoutC, a * b);
      add(T::SumForRoot, a - a1);
      add(T::SumForRoot, b - b1);
      break;
    case Quantity::A1:
      add(T::SwappedProjection, b * b / c);
      add(T::HypotenuseAsLeg, std::sqrt(a * a + hc * hc));
      add(T::SumForRoot, a - hc);
      if (row == 9) add(T::OtherRoot, b1);
      if (row == 4) add(T::OtherRoot, -c);  // the roots of x² + b1·x − a² sum to −b1
      break;
    case Quantity::B1:
      add(T::SwappedProjection, a * a / c);
      add(T::HypotenuseAsLeg, std::sqrt(b * b + hc * hc));
      add(T::SumForRoot, b - hc);
      if (row == 9) add(T::OtherRoot, a1);
      if (row == 7) add(T::OtherRoot, -c);
      break;
  }
  for (std::size_t other = 0; other < kQuantityCount; ++other) {
    if (other != static_cast<std::size_t>(q)) add(T::OtherLength, L[other]);
  }
  const double length = L[static_cast<std::size_t>(q)];
  add(T::DecimalSlip, length * 10);
  add(T::DecimalSlip, length / 10);
  return all;
}

// A value as a student writes it with `decimals` digits, in bg_BG; empty
// where the value sits so near a tie that double arithmetic cannot say
// which way a student's exact rounding goes.
std::string Typed(double value, int decimals) {
  const double scaled = std::fabs(value) * std::pow(10.0, decimals);
  if (std::fabs(scaled - std::floor(scaled) - 0.5) < 1e-6) return {};
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  std::string typed(text);
  for (char& ch : typed) {
    if (ch == '.') ch = ',';
  }
  return typed;
}

// The length cut after `decimals` digits.
std::string Truncated(double value, int decimals) {
  const double scale = std::pow(10.0, decimals);
  const double scaled = value * scale;
  // Too near a whole number of the last place to say how it cuts.
  if (std::fabs(scaled - std::round(scaled)) < 1e-6) return {};
  return Typed(std::floor(scaled) / scale, decimals);
}

struct TaskTargets {
  PracticeTask task;
  std::array<double, kQuantityCount> lengths;
  AnswerTarget target;
};

std::vector<TaskTargets> TasksOfHundredSets() {
  std::vector<TaskTargets> all;
  const ExactDecimal hundredth = *ExactDecimal::Parse("0.01");
  for (std::uint32_t variant = 0; variant < 100; ++variant) {
    PracticeSet set;
    set.variant = variant * 10;
    set.options.easy = variant % 3 == 0;
    for (const PracticeTask& task : TasksOf(set)) {
      const auto exact =
          ExactTriangle(task.listIndex, ExactDecimal::OfInteger(task.firstHundredths) * hundredth,
                        ExactDecimal::OfInteger(task.secondHundredths) * hundredth);
      if (!exact) continue;
      TaskTargets t{task, {}, {}};
      for (std::size_t i = 0; i < kQuantityCount; ++i) t.lengths[i] = (*exact)[i].ToDouble();
      t.target.listIndex = task.listIndex;
      t.target.lengths = *exact;
      all.push_back(t);
    }
  }
  return all;
}

TEST(MistakeDiagnosis, NamesTheMistakeBehindAlmostEveryWrongAnswer) {
  int answers = 0;
  int named = 0;
  std::map<MistakeTag, std::pair<int, int>> byTag;  // named, tried
  for (TaskTargets& t : TasksOfHundredSets()) {
    for (const Quantity q : SoughtQuantities(t.task.listIndex)) {
      t.target.sought = q;
      const double length = t.lengths[static_cast<std::size_t>(q)];
      std::vector<Candidate> mistakes = MistakesFor(t.task.listIndex, q, t.lengths);
      for (int decimals = 1; decimals <= 3; ++decimals) {
        const std::string cut = Truncated(length, decimals);
        const double scale = std::pow(10.0, decimals);
        if (!cut.empty()) mistakes.push_back({T::Truncated, std::floor(length * scale) / scale, decimals});
      }
      for (const Candidate& mistake : mistakes) {
        for (int decimals = 1; decimals <= 3; ++decimals) {
          if (mistake.onlyDecimals != 0 && mistake.onlyDecimals != decimals) continue;
          const std::string typed = Typed(mistake.value, decimals);
          // A mistake that lands on the right answer is no mistake to name,
          // and one that rounds to 0 is marked for its sign.
          if (typed.empty() || typed == Typed(length, decimals) || Typed(length, decimals).empty() ||
              std::round(mistake.value * std::pow(10.0, decimals)) == 0) {
            continue;
          }
          std::set<MistakeTag> explaining;
          for (const Candidate& other : mistakes) {
            if ((other.onlyDecimals == 0 || other.onlyDecimals == decimals) &&
                Typed(other.value, decimals) == typed) {
              explaining.insert(other.tag);
            }
          }
          if (Truncated(length, decimals) == typed) explaining.insert(T::Truncated);
          const AnswerVerdict verdict = CheckAnswer(typed, t.target, BulgarianSettings());
          ++answers;
          ++byTag[mistake.tag].second;
          if (explaining.contains(verdict.tag)) {
            ++named;
            ++byTag[mistake.tag].first;
          } else if (verdict.tag != T::EarlyRounding) {
            ADD_FAILURE() << "row " << t.task.listIndex << " " << SymbolOf(q) << " = " << length << ": "
                          << typed << " (" << MistakeTagName(mistake.tag) << ") got "
                          << MistakeTagName(verdict.tag);
          }
        }
      }
    }
  }
  ASSERT_GT(answers, 5000);
  for (const auto& [tag, counts] : byTag) {
    std::printf("%-20s %5d of %5d named\n", std::string(MistakeTagName(tag)).c_str(), counts.first,
                counts.second);
  }
  std::printf("mistakes named: %d of %d (%.2f %%)\n", named, answers, 100.0 * named / answers);
  EXPECT_GE(named * 100, answers * 98);
}

TEST(MistakeDiagnosis, RightAnswersAreNeverMistakesAndRandomOnesRarelyGuessed) {
  std::mt19937 random(20261210);
  int random_answers = 0;
  int guessed = 0;
  for (TaskTargets& t : TasksOfHundredSets()) {
    for (const Quantity q : SoughtQuantities(t.task.listIndex)) {
      t.target.sought = q;
      const double length = t.lengths[static_cast<std::size_t>(q)];
      for (int decimals = 1; decimals <= 7; ++decimals) {
        const std::string right = Typed(length, decimals);
        if (right.empty()) continue;
        const AnswerVerdict verdict = CheckAnswer(right, t.target, BulgarianSettings());
        EXPECT_EQ(verdict.mark, AnswerMark::Right) << right;
        EXPECT_EQ(verdict.tag, T::None) << right;
      }
      double largest = 0;
      for (const double l : t.lengths) largest = std::max(largest, l);
      std::uniform_real_distribution<double> any(0.01, 2 * largest);
      for (int n = 0; n < 6; ++n) {
        const int decimals = 1 + n % 3;
        const std::string typed = Typed(any(random), decimals);
        if (typed.empty() || typed == Typed(length, decimals)) continue;
        const AnswerVerdict verdict = CheckAnswer(typed, t.target, BulgarianSettings());
        if (verdict.mark == AnswerMark::NotPositive) continue;  // 0,0 and the like
        ++random_answers;
        if (verdict.tag != T::None) ++guessed;
      }
    }
  }
  ASSERT_GT(random_answers, 5000);
  std::printf("random wrong answers with a guess: %d of %d (%.2f %%)\n", guessed, random_answers,
              100.0 * guessed / random_answers);
  EXPECT_LE(guessed * 100, random_answers * 5);
}

TEST(MistakeDiagnosis, EarlyRoundingIsRightWithANote) {
  // hc,a1 1 0,3: b1 = 3,333…, c = a1 + b1 = 3,633…, a = √(c·a1) = 1,044…,
  // b = √(c·b1) = 3,480… With b1 rounded to 3,3 first, c = 3,6 and
  // b = √(3,6·3,3) = 3,446…, which a student writes 3,4.
  AnswerTarget target;
  target.listIndex = 12;
  const auto exact = ExactTriangle(12, ExactDecimal::OfInteger(1), *ExactDecimal::Parse("0.3"));
  ASSERT_TRUE(exact);
  target.lengths = *exact;
  target.sought = Quantity::A;
  const AnswerVerdict exact_answer = CheckAnswer("1,04", target, BulgarianSettings());
  EXPECT_EQ(exact_answer.mark, AnswerMark::Right);
  EXPECT_EQ(exact_answer.tag, T::None);
  target.sought = Quantity::B;
  const AnswerVerdict early = CheckAnswer("3,4", target, BulgarianSettings());
  EXPECT_EQ(early.mark, AnswerMark::Right);
  EXPECT_EQ(early.tag, T::EarlyRounding);
  EXPECT_EQ(AnswerVerdictText(early), "вярно; " + EarlyRoundingNote());
  EXPECT_EQ(CheckAnswer("3,5", target, BulgarianSettings()).tag, T::None);  // the exact rounding
  EXPECT_EQ(CheckAnswer("3,3", target, BulgarianSettings()).mark, AnswerMark::Wrong);
}

TEST(MistakeDiagnosis, ANegativeRootIsNamedThoughItsMarkIsTheSign) {
  // a,b1 with a = 6, b1 = 9: a1² + 9·a1 − 36 = 0 has the roots 3 and −12.
  AnswerTarget target;
  target.listIndex = 4;
  target.lengths = *ExactTriangle(4, ExactDecimal::OfInteger(6), ExactDecimal::OfInteger(9));
  target.sought = Quantity::A1;
  const AnswerVerdict negative = CheckAnswer("-12", target, BulgarianSettings());
  EXPECT_EQ(negative.mark, AnswerMark::NotPositive);
  EXPECT_EQ(negative.tag, T::OtherRoot);
  const AnswerVerdict other = CheckAnswer("-5", target, BulgarianSettings());
  EXPECT_EQ(other.mark, AnswerMark::NotPositive);
  EXPECT_EQ(other.tag, T::None);
  EXPECT_EQ(CheckAnswer("3", target, BulgarianSettings()).mark, AnswerMark::Right);
}

TEST(MistakeDiagnosis, TwoMistakesOfOneValueAreNamedByHowTheStudentGotThere) {
  // a,b 6 8: a² = c·b1 gives √(10·6,4) = 8, which is also b's value.
  AnswerTarget target;
  target.listIndex = 0;
  target.lengths = *ExactTriangle(0, ExactDecimal::OfInteger(6), ExactDecimal::OfInteger(8));
  target.sought = Quantity::A1;
  // a1 = b²/c = 6,4 = b1: the relation mixed up, not "that is b1".
  const AnswerVerdict swapped = CheckAnswer("6,4", target, BulgarianSettings());
  EXPECT_EQ(swapped.tag, T::SwappedProjection);
  EXPECT_EQ(swapped.note, "Изглежда сте използвали a₁ = b²/c. Проекцията a₁ е на катета a: a₁ = a²/c.");
  target.sought = Quantity::Hc;
  EXPECT_EQ(CheckAnswer("48", target, BulgarianSettings()).tag, T::AltitudeWithoutC);
  EXPECT_EQ(CheckAnswer("6", target, BulgarianSettings()).tag, T::OtherLength);
  EXPECT_EQ(CheckAnswer("6", target, BulgarianSettings()).note, "Това е дължината на a, а тук се търси hc.");
  EXPECT_EQ(CheckAnswer("0,48", target, BulgarianSettings()).tag, T::DecimalSlip);
  EXPECT_EQ(CheckAnswer("5,1", target, BulgarianSettings()).tag, T::None);
  target.sought = Quantity::C;
  EXPECT_EQ(CheckAnswer("14", target, BulgarianSettings()).tag, T::SumForRoot);
  EXPECT_EQ(CheckAnswer("100", target, BulgarianSettings()).tag, T::NoRoot);
  EXPECT_EQ(CheckAnswer("5,29", target, BulgarianSettings()).tag, T::HypotenuseAsLeg);  // √28
  EXPECT_EQ(CheckAnswer("5,3", target, BulgarianSettings()).tag, T::HypotenuseAsLeg);
}

TEST(MistakeDiagnosis, ARightAnswerOrANegativeOneIsNoOtherLength) {
  // a,b 6 8: asked directly, the length's own value names no mistake.
  const auto lengths = *ExactTriangle(0, ExactDecimal::OfInteger(6), ExactDecimal::OfInteger(8));
  EXPECT_EQ(DiagnoseMistake(0, lengths, Quantity::C, ExactDecimal::OfInteger(10), 0).tag, T::None);
  EXPECT_EQ(DiagnoseMistake(0, lengths, Quantity::C, ExactDecimal::OfInteger(-6), 0).tag, T::None);
  EXPECT_EQ(DiagnoseMistake(0, lengths, Quantity::C, ExactDecimal::OfInteger(6), 0).tag, T::OtherLength);
}

TEST(MistakeDiagnosis, AnUnsimplifiedWholeOrDecimalLengthGetsItsPlainForm) {
  // c,hc 26 12: a1 = 8, b1 = 18, a = 4√13.
  PracticeTask task;
  task.listIndex = 9;
  task.firstHundredths = 2600;
  task.secondHundredths = 1200;
  const TaskCheck check = CheckTask(task, {"√208", "6√13", "√64", "36/2"}, false, BulgarianSettings());
  EXPECT_TRUE(check.solved);
  EXPECT_EQ(AnswerVerdictText(check.verdicts[0]), "вярно; опростено: 4√13");
  EXPECT_EQ(AnswerVerdictText(check.verdicts[1]), "вярно");
  EXPECT_EQ(AnswerVerdictText(check.verdicts[2]), "вярно; опростено: 8");
  EXPECT_EQ(AnswerVerdictText(check.verdicts[3]), "вярно; опростено: 18");
}

TEST(MistakeDiagnosis, TruncatedDigitsAreToldFromRoundedOnes) {
  AnswerTarget target;
  target.listIndex = 0;
  target.lengths = *ExactTriangle(0, ExactDecimal::OfInteger(1), ExactDecimal::OfInteger(2));
  target.sought = Quantity::C;  // √5 = 2,2360679…
  EXPECT_EQ(CheckAnswer("2,236", target, BulgarianSettings()).mark, AnswerMark::Right);
  EXPECT_EQ(CheckAnswer("2,23606", target, BulgarianSettings()).tag, T::Truncated);
  EXPECT_EQ(CheckAnswer("2,2", target, BulgarianSettings()).mark,
            AnswerMark::Right);  // no truncation differs
}

}  // namespace
}  // namespace rt
