#include "tickcount.h"

#include <chrono>

namespace {
std::function<std::uint64_t()>& Source() {
  static std::function<std::uint64_t()> source;
  return source;
}
}  // namespace

std::uint64_t GetTickCount() {
  if (Source()) return Source()();
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void SetTickCountSource(std::function<std::uint64_t()> source) { Source() = std::move(source); }
