#include <cstdio>
#include <cstdlib>

#include "tests/fuzz/fuzz_settings.h"

namespace rt::fuzz {

void Fail(const char* property) {
  std::fprintf(stderr, "property broken: %s\n", property);
  std::abort();
}

}  // namespace rt::fuzz
