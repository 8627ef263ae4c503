#include "random.h"

#include "invariant.h"

namespace toolkit {

namespace {
std::uint32_t g_state = 0;
}

void seed_random(std::uint32_t seed) { g_state = seed; }

int random_int(int min, int max)
{
    verify(min <= max, "random_int needs min <= max");
    g_state = g_state * 214013u + 2531011u;
    std::uint32_t r = (g_state >> 16) & 0x7FFF;
    auto span = static_cast<std::uint32_t>(static_cast<std::int64_t>(max) - min + 1);
    return static_cast<int>(min + static_cast<std::int64_t>(r % span));
}

} // namespace toolkit
