#pragma once

#include <cstddef>

namespace rt {

// Unbuffered reads from standard input and writes to standard output, so
// that a batch answers each chunk of requests as soon as it has read it: a
// caller that sends one line and waits gets its answer, and a stream of a
// million lines is answered in large blocks.
std::ptrdiff_t ReadStdin(char* buffer, std::size_t size);  // 0 at the end, -1 on error
bool WriteStdout(const char* data, std::size_t size);

}  // namespace rt
