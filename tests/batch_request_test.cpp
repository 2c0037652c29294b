#include "batch/batch_request.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/regional_presets.h"

namespace rt {
namespace {

struct BatchCase {
  const char* name;
  std::string line;
  std::string answer;
};

void PrintTo(const BatchCase& c, std::ostream* os) { *os << c.name; }

class BatchRequestTest : public testing::TestWithParam<BatchCase> {};

TEST_P(BatchRequestTest, AnswersOneLine) {
  std::string out;
  AnswerBatchRequest(GetParam().line, test::PosixSettings(), out);
  EXPECT_EQ(out, GetParam().answer + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Lines, BatchRequestTest,
    testing::Values(BatchCase{"ByText", "a,b\t3\t4",
                              "3.0000000\t4.0000000\t5.0000000\t2.4000000\t1.8000000\t3.2000000"},
                    BatchCase{"ByIndex", "9\t10\t4.8",
                              "6.0000000\t8.0000001\t10.0000000\t4.8000000\t3.5999999\t6.4000000"},
                    BatchCase{"ValuesGoToTheirBoxes", "hc,b1\t2.4\t3.2",
                              "3.0000000\t4.0000000\t5.0000000\t2.4000000\t1.8000000\t3.2000000"},
                    BatchCase{"LastRowByText", "a1,b1\t1.8\t3.2",
                              "3.0000000\t4.0000000\t5.0000000\t2.4000000\t1.8000000\t3.2000000"},
                    BatchCase{"LastRowByIndex", "14\t1.8\t3.2",
                              "3.0000000\t4.0000000\t5.0000000\t2.4000000\t1.8000000\t3.2000000"},
                    BatchCase{"Unchanged", "a,b\t\t4", "unchanged"},
                    BatchCase{"BlanksAreKept", "a,b\t 3 \t4 ",
                              "3.0000000\t4.0000000\t5.0000000\t2.4000000\t1.8000000\t3.2000000"},
                    BatchCase{"NoBreakSpaceIsNotIgnored", "a,b\t\u00A03\t4", "unchanged"},
                    BatchCase{"Invalid", "a,c\t5\t3", "error:invalid"},
                    BatchCase{"DivisionByZero", "a,hc\t3\t3", "error:divzero"},
                    BatchCase{"Overflow", "a,b\t1e309\t1", "error:overflow"},
                    BatchCase{"UnknownPair", "b,a\t3\t4", "error:request"},
                    BatchCase{"IndexTooLarge", "15\t3\t4", "error:request"},
                    BatchCase{"NegativeIndex", "-1\t3\t4", "error:request"},
                    BatchCase{"TwoFields", "a,b\t3", "error:request"},
                    BatchCase{"FourFields", "a,b\t3\t4\t5", "error:request"},
                    BatchCase{"EmptyLine", "", "error:request"}),
    [](const auto& info) { return info.param.name; });

TEST(PairArgument, TakesListTextsAndIndices) {
  EXPECT_EQ(ParsePairArgument("c,hc"), 9);
  EXPECT_EQ(ParsePairArgument("0"), 0);
  EXPECT_EQ(ParsePairArgument("14"), 14);
  EXPECT_EQ(ParsePairArgument("a1,b1"), 14);
  EXPECT_EQ(ParsePairArgument("a,b"), 0);
  EXPECT_EQ(ParsePairArgument("a1,b"), -1);
  EXPECT_EQ(ParsePairArgument("15"), -1);
  EXPECT_EQ(ParsePairArgument("014"), -1);
  EXPECT_EQ(ParsePairArgument("+1"), -1);
  EXPECT_EQ(ParsePairArgument(""), -1);
}

}  // namespace
}  // namespace rt
