#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace rt::test {

// A text that must hold each of `says` and none of `never`; a failure shows
// the part and the whole text.
inline void ExpectMentions(const std::string& text, const std::vector<std::string>& says,
                           const std::vector<std::string>& never) {
  for (const std::string& part : says) EXPECT_NE(text.find(part), std::string::npos) << part << "\n" << text;
  for (const std::string& part : never) EXPECT_EQ(text.find(part), std::string::npos) << part << "\n" << text;
}

}  // namespace rt::test
