#include "batch/byte_stream.h"

#include <cerrno>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#else
#include <unistd.h>
#endif

namespace rt {

#ifdef _WIN32
namespace {
// Requests and answers are UTF-8 bytes: no CR LF translation.
const bool kBinaryMode = [] {
  _setmode(0, _O_BINARY);
  _setmode(1, _O_BINARY);
  return true;
}();
}  // namespace

std::ptrdiff_t ReadStdin(char* buffer, std::size_t size) {
  return _read(0, buffer, static_cast<unsigned>(size));
}

bool WriteStdout(const char* data, std::size_t size) {
  while (size > 0) {
    const int written = _write(1, data, static_cast<unsigned>(size));
    if (written <= 0) return false;
    data += written;
    size -= static_cast<std::size_t>(written);
  }
  return true;
}
#else
std::ptrdiff_t ReadStdin(char* buffer, std::size_t size) {
  for (;;) {
    const ssize_t count = ::read(0, buffer, size);
    if (count >= 0 || errno != EINTR) return count;
  }
}

bool WriteStdout(const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t written = ::write(1, data, size);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    data += written;
    size -= static_cast<std::size_t>(written);
  }
  return true;
}
#endif

}  // namespace rt
