// Decodes fuzzer bytes into the values a host would pass: doubles (raw bit patterns, so
// NaN, infinities and denormals all occur), bounded integers and flags.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

class FuzzInput {
 public:
  FuzzInput(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  bool empty() const { return pos_ >= size_; }

  uint8_t byte() { return pos_ < size_ ? data_[pos_++] : 0; }

  bool flag() { return byte() & 1; }

  // An integer in [lo, hi].
  int integer(int lo, int hi) {
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v = (v << 8) | byte();
    uint64_t span = static_cast<uint64_t>(static_cast<int64_t>(hi) - lo) + 1;
    return static_cast<int>(lo + static_cast<int64_t>(v % span));
  }

  // Any double bit pattern.
  double rawDouble() {
    uint64_t bits = 0;
    for (int i = 0; i < 8; ++i) bits = (bits << 8) | byte();
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
  }

  // Mostly plausible magnitudes in [lo, hi], sometimes a raw bit pattern.
  double number(double lo, double hi) {
    uint8_t kind = byte();
    if (kind < 16) return rawDouble();
    uint16_t v = static_cast<uint16_t>(byte() << 8 | byte());
    return lo + (hi - lo) * (v / 65535.0);
  }

  std::vector<double> numbers(int n, double lo, double hi) {
    std::vector<double> v(n > 0 ? n : 0);
    for (auto& x : v) x = number(lo, hi);
    return v;
  }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
};
