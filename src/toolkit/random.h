#pragma once

#include <cstdint>

namespace toolkit {

// The toolkit's one random source: a linear congruential generator whose
// state wraps modulo 2^32. random_int(min, max) returns min + r mod (max - min + 1)
// with r the bits 16..30 of the new state.
void seed_random(std::uint32_t seed);
int random_int(int min, int max);

} // namespace toolkit
