#pragma once
// What every fuzz target shares: a broken invariant stops the run as a crash does, so libFuzzer
// keeps the input that broke it.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#define FUZZ_CHECK(condition) \
  ((condition) ? void() : ::orvane::fuzz::Fail(#condition, __FILE__, __LINE__))

namespace orvane::fuzz {

[[noreturn]] inline void Fail(const char* condition, const char* file, int line) {
  std::fprintf(stderr, "%s:%d: invariant broken: %s\n", file, line, condition);
  std::abort();
}

inline std::string_view BytesOf(const uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// A text of up to max bytes, any byte included; sometimes one of the given texts instead, so
// that the names the code compares with are reached.
template <std::size_t N>
std::string TextOrOneOf(FuzzedDataProvider& in, const std::string_view (&known)[N],
                        std::size_t max = 80) {
  if (in.ConsumeBool()) return std::string(in.PickValueInArray(known));
  return in.ConsumeRandomLengthString(max);
}

}  // namespace orvane::fuzz
