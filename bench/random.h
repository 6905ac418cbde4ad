#pragma once
// The generator's one source of chance: splitmix64 from a fixed seed, so every run makes the
// same product byte for byte.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace bench {

class Random {
  public:
    explicit Random(uint64_t seed) : state_(seed) {}

    uint64_t Next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // A number from `low` to `high`, both included.
    int64_t Between(int64_t low, int64_t high) {
        return low + static_cast<int64_t>(Next() % static_cast<uint64_t>(high - low + 1));
    }
    // A number in [0, 1).
    double Unit() { return static_cast<double>(Next() >> 11) / 9007199254740992.0; }
    bool Chance(double probability) { return Unit() < probability; }
    template <typename T>
    const T& Pick(const std::vector<T>& items) {
        return items[static_cast<size_t>(Next() % items.size())];
    }

  private:
    uint64_t state_;
};

}  // namespace bench
