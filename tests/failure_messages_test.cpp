#include "messages/failure_messages.h"

#include <gtest/gtest.h>

#include <string>

namespace rt {
namespace {

struct MessageCase {
  const char* name;
  int listIndex;
  RuntimeError error;
  TriangleFault fault;
  std::string expectedStart;
};

void PrintTo(const MessageCase& c, std::ostream* os) { *os << c.name; }

class FailureMessageTest : public testing::TestWithParam<MessageCase> {};

TEST_P(FailureMessageTest, NamesTheRelationOfThePair) {
  const MessageCase& c = GetParam();
  const FailureMessage message = DescribeFailure(c.listIndex, c.error, c.fault);
  EXPECT_EQ(message.explanation.substr(0, c.expectedStart.size()), c.expectedStart) << message.explanation;
  EXPECT_EQ(message.advice, "Поправете дадените стойности и натиснете „Изчисли“ отново.");
  EXPECT_FALSE(message.title.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Faults, FailureMessageTest,
    testing::Values(MessageCase{"LegA", 1, RuntimeError::InvalidOperation,
                                TriangleFault::LegNotShorterThanHypotenuse,
                                "Катетът a трябва да е по-къс от хипотенузата c"},
                    MessageCase{"LegB", 5, RuntimeError::InvalidOperation,
                                TriangleFault::LegNotShorterThanHypotenuse,
                                "Катетът b трябва да е по-къс от хипотенузата c"},
                    MessageCase{"AltitudeAndLegB", 6, RuntimeError::DivisionByZero,
                                TriangleFault::AltitudeNotShorterThanLeg,
                                "Височината hc трябва да е по-къса от катета b"},
                    MessageCase{"ProjectionB1AndLegB", 8, RuntimeError::InvalidOperation,
                                TriangleFault::ProjectionLongerThanLeg,
                                "Проекцията b1 не може да е по-дълга от катета b"},
                    MessageCase{"ProjectionA1AndHypotenuse", 10, RuntimeError::InvalidOperation,
                                TriangleFault::ProjectionLongerThanHypotenuse,
                                "Проекцията a1 не може да е по-дълга от хипотенузата c"},
                    MessageCase{"HalfHypotenuse", 9, RuntimeError::InvalidOperation,
                                TriangleFault::AltitudeAboveHalfHypotenuse,
                                "Височината hc може да е най-много половината от хипотенузата c"},
                    MessageCase{"RoundingNearABoundary", 2, RuntimeError::InvalidOperation,
                                TriangleFault::None, "Няма правоъгълен триъгълник"},
                    MessageCase{"TooLarge", 0, RuntimeError::Overflow, TriangleFault::None,
                                "Някоя от стойностите е твърде голяма"}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace rt
