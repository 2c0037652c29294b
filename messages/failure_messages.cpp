#include "messages/failure_messages.h"

#include "model/given_pair.h"

namespace rt {
namespace {

std::string Symbol(Quantity q) { return std::string(SymbolOf(q)); }

std::string Explain(const GivenPair& pair, TriangleFault fault) {
  // In every pair that can break a condition one length bounds the other:
  // in a,c and b,c the second (the hypotenuse) bounds the first; in the
  // others the first (a leg or the hypotenuse) bounds the second.
  const std::string first = Symbol(pair.first);
  const std::string second = Symbol(pair.second);
  switch (fault) {
    case TriangleFault::LegNotShorterThanHypotenuse:
      return "Катетът " + first + " трябва да е по-къс от хипотенузата " + second +
             ": хипотенузата е най-дългата страна на правоъгълния триъгълник.";
    case TriangleFault::AltitudeNotShorterThanLeg:
      return "Височината " + second + " трябва да е по-къса от катета " + first +
             ": катетът е хипотенуза в правоъгълния триъгълник, който височината отрязва.";
    case TriangleFault::ProjectionLongerThanLeg:
      return "Проекцията " + second + " трябва да е по-къса от катета " + first +
             ": проекцията е катет в правоъгълния триъгълник, чиято хипотенуза е " + first + ".";
    case TriangleFault::ProjectionLongerThanHypotenuse:
      return "Проекцията " + second + " трябва да е по-къса от хипотенузата " + first +
             ": двете проекции заедно образуват хипотенузата (c = a1 + b1).";
    case TriangleFault::AltitudeAboveHalfHypotenuse:
      return "Височината " + second + " може да е най-много половината от хипотенузата " + first +
             ": височината към хипотенузата не е по-дълга от медианата c/2 (от hc² = a1·b1 и c = a1 + b1 "
             "следва hc ≤ c/2).";
    case TriangleFault::None: break;
  }
  return {};
}

}  // namespace

FailureMessage DescribeFailure(int listIndex, RuntimeError error, TriangleFault fault) {
  FailureMessage message;
  message.title = "Триъгълникът не може да се изчисли";
  message.advice = "Поправете дадените стойности и натиснете „Изчисли“ отново.";
  const auto pair = PairOfListIndex(listIndex);
  if (error == RuntimeError::Overflow) {
    message.explanation =
        "Някоя от стойностите е твърде голяма: с нея дължините излизат извън обхвата на "
        "числата, с които програмата смята.";
  } else if (pair && fault != TriangleFault::None) {
    message.explanation = Explain(*pair, fault);
  } else {
    message.explanation =
        "Няма правоъгълен триъгълник, който да може да се изчисли с тези стойности: те са "
        "твърде близо до граничен случай или твърде различни по големина.";
  }
  return message;
}

FailureMessage DescribeDegenerate(int listIndex) {
  FailureMessage message = DescribeFailure(listIndex, RuntimeError::None, FaultAtBoundary(listIndex));
  message.title = "Няма такъв триъгълник";
  if (FaultAtBoundary(listIndex) == TriangleFault::None) {
    message.explanation =
        "Някоя от дадените стойности е толкова малка спрямо другата, че една от дължините се получава 0.";
  }
  return message;
}

std::string DescribeInvalidInput(const RegionalSettings& settings) {
  return "Дадените стойности трябва да са положителни числа (например 3 или 2" + settings.decimalSeparator +
         "4).";
}

}  // namespace rt
