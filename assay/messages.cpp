// Text of the assay family: failures with printf-style messages, and text copied into
// the host's buffers only when it fits.
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "assay/assay_internal.h"

namespace qira {
namespace assay {
namespace {

std::string vformat(const char* format, va_list args) {
  va_list copy;
  va_copy(copy, args);
  const int n = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  if (n < 0) return format;
  std::string out(static_cast<size_t>(n) + 1, '\0');
  std::vsnprintf(&out[0], out.size(), format, args);
  out.resize(static_cast<size_t>(n));
  return out;
}

}  // namespace

std::string format(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::string out = vformat(format, args);
  va_end(args);
  return out;
}

void fail(int status, const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::string message = vformat(format, args);
  va_end(args);
  throw Failure{status, message};
}

int copyText(const std::string& text, char* out, int size, int* needed) {
  const long long need = static_cast<long long>(text.size()) + 1;
  if (needed) *needed = need > 2147483647LL ? 2147483647 : static_cast<int>(need);
  if (size < need || out == nullptr) return QIRA_ASSAY_BUFFER_TOO_SMALL;
  std::memcpy(out, text.c_str(), static_cast<size_t>(need));
  return QIRA_ASSAY_OK;
}

}  // namespace assay
}  // namespace qira
