#include "messages/failure_messages.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/regional_presets.h"

namespace rt {
namespace {

struct MessageCase {
  const char* name;
  int listIndex;
  RuntimeError error;
  TriangleFault fault;
  std::string explanation;
};

void PrintTo(const MessageCase& c, std::ostream* os) { *os << c.name; }

class FailureMessageTest : public testing::TestWithParam<MessageCase> {};

TEST_P(FailureMessageTest, NamesTheRelationOfThePair) {
  const MessageCase& c = GetParam();
  const FailureMessage message = DescribeFailure(c.listIndex, c.error, c.fault);
  EXPECT_EQ(message.title, "Триъгълникът не може да се изчисли");
  EXPECT_EQ(message.explanation, c.explanation);
  EXPECT_EQ(message.advice, "Поправете дадените стойности и натиснете „Изчисли“ отново.");
}

const std::string kGeneral =
    "Няма правоъгълен триъгълник, който да може да се изчисли с тези стойности: те са твърде близо до "
    "граничен случай или твърде различни по големина.";
const std::string kTooLarge =
    "Някоя от стойностите е твърде голяма: с нея дължините излизат извън обхвата на числата, с които "
    "програмата смята.";

INSTANTIATE_TEST_SUITE_P(
    Faults, FailureMessageTest,
    testing::Values(
        MessageCase{"LegA", 1, RuntimeError::InvalidOperation, TriangleFault::LegNotShorterThanHypotenuse,
                    "Катетът a трябва да е по-къс от хипотенузата c: хипотенузата е най-дългата страна на "
                    "правоъгълния триъгълник."},
        MessageCase{"LegB", 5, RuntimeError::InvalidOperation, TriangleFault::LegNotShorterThanHypotenuse,
                    "Катетът b трябва да е по-къс от хипотенузата c: хипотенузата е най-дългата страна на "
                    "правоъгълния триъгълник."},
        MessageCase{"AltitudeAndLegA", 2, RuntimeError::InvalidOperation,
                    TriangleFault::AltitudeNotShorterThanLeg,
                    "Височината hc трябва да е по-къса от катета a: катетът е хипотенуза в правоъгълния "
                    "триъгълник, който височината отрязва."},
        MessageCase{"AltitudeAndLegB", 6, RuntimeError::DivisionByZero,
                    TriangleFault::AltitudeNotShorterThanLeg,
                    "Височината hc трябва да е по-къса от катета b: катетът е хипотенуза в правоъгълния "
                    "триъгълник, който височината отрязва."},
        MessageCase{"ProjectionA1AndLegA", 3, RuntimeError::InvalidOperation,
                    TriangleFault::ProjectionLongerThanLeg,
                    "Проекцията a1 трябва да е по-къса от катета a: проекцията е катет в правоъгълния "
                    "триъгълник, чиято хипотенуза е a."},
        MessageCase{"ProjectionB1AndLegB", 8, RuntimeError::InvalidOperation,
                    TriangleFault::ProjectionLongerThanLeg,
                    "Проекцията b1 трябва да е по-къса от катета b: проекцията е катет в правоъгълния "
                    "триъгълник, чиято хипотенуза е b."},
        MessageCase{"ProjectionA1AndHypotenuse", 10, RuntimeError::InvalidOperation,
                    TriangleFault::ProjectionLongerThanHypotenuse,
                    "Проекцията a1 трябва да е по-къса от хипотенузата c: двете проекции заедно образуват "
                    "хипотенузата (c = a1 + b1)."},
        MessageCase{"ProjectionB1AndHypotenuse", 11, RuntimeError::InvalidOperation,
                    TriangleFault::ProjectionLongerThanHypotenuse,
                    "Проекцията b1 трябва да е по-къса от хипотенузата c: двете проекции заедно образуват "
                    "хипотенузата (c = a1 + b1)."},
        MessageCase{"HalfHypotenuse", 9, RuntimeError::InvalidOperation,
                    TriangleFault::AltitudeAboveHalfHypotenuse,
                    "Височината hc може да е най-много половината от хипотенузата c: височината към "
                    "хипотенузата не е по-дълга от медианата c/2 (от hc² = a1·b1 и c = a1 + b1 следва "
                    "hc ≤ c/2)."},
        MessageCase{"RoundingNearABoundary", 2, RuntimeError::InvalidOperation, TriangleFault::None,
                    kGeneral},
        MessageCase{"DivisionWithoutAFault", 13, RuntimeError::DivisionByZero, TriangleFault::None, kGeneral},
        MessageCase{"NoRowSelected", -1, RuntimeError::InvalidOperation,
                    TriangleFault::LegNotShorterThanHypotenuse, kGeneral},
        MessageCase{"TooLarge", 0, RuntimeError::Overflow, TriangleFault::None, kTooLarge},
        // An overflow is told as such even where a condition is broken too.
        MessageCase{"TooLargeBeatsAFault", 1, RuntimeError::Overflow,
                    TriangleFault::LegNotShorterThanHypotenuse, kTooLarge}),
    [](const auto& info) { return info.param.name; });

TEST(InvalidInputMessage, SaysWhatAGivenValueMustBeWithTheRegionalDecimalSign) {
  EXPECT_EQ(DescribeInvalidInput(test::PosixSettings()),
            "Дадените стойности трябва да са положителни числа (например 3 или 2.4).");
  EXPECT_EQ(DescribeInvalidInput(test::BulgarianSettings()),
            "Дадените стойности трябва да са положителни числа (например 3 или 2,4).");
}

// A length of 0 is no triangle: the row's own condition, which equality
// breaks too, or a general word where no equality gives 0.
TEST(DegenerateMessage, NamesTheConditionThatEqualityBreaks) {
  EXPECT_EQ(DescribeDegenerate(1).explanation,
            "Катетът a трябва да е по-къс от хипотенузата c: хипотенузата е най-дългата страна на "
            "правоъгълния триъгълник.");
  EXPECT_EQ(DescribeDegenerate(8).explanation,
            "Проекцията b1 трябва да е по-къса от катета b: проекцията е катет в правоъгълния триъгълник, "
            "чиято хипотенуза е b.");
  EXPECT_EQ(
      DescribeDegenerate(0).explanation,
      "Някоя от дадените стойности е толкова малка спрямо другата, че една от дължините се получава 0.");
  EXPECT_EQ(DescribeDegenerate(0).title, "Няма такъв триъгълник");
}

}  // namespace
}  // namespace rt
