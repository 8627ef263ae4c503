#include "toolkit/random.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

TEST(Random, SeededWithOneDrawsTheKnownSequence)
{
    toolkit::seed_random(1);
    std::vector<int> draws;
    for (int i = 0; i < 10; ++i)
        draws.push_back(toolkit::random_int(1, 18));
    EXPECT_EQ(draws, (std::vector<int>{6, 18, 17, 5, 18, 11, 13, 1, 17, 3}));
}

// The state wraps modulo 2^32 whatever the seed; checked against 64-bit arithmetic.
TEST(Random, StateWrapsModulo32BitsForAnySeed)
{
    for (std::uint32_t seed : {0u, 1u, 0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu, 123456789u}) {
        toolkit::seed_random(seed);
        std::uint64_t x = seed;
        for (int i = 0; i < 100; ++i) {
            x = (x * 214013u + 2531011u) % (1ull << 32);
            int expected = 10 + static_cast<int>(((x >> 16) & 0x7FFF) % 90);
            ASSERT_EQ(toolkit::random_int(10, 99), expected) << "seed " << seed << " draw " << i;
        }
    }
}

TEST(Random, StaysInTheClosedRangeAndReachesBothEnds)
{
    toolkit::seed_random(42);
    bool saw_min = false, saw_max = false;
    for (int i = 0; i < 2000; ++i) {
        int value = toolkit::random_int(1, 18);
        ASSERT_GE(value, 1);
        ASSERT_LE(value, 18);
        saw_min |= value == 1;
        saw_max |= value == 18;
    }
    EXPECT_TRUE(saw_min && saw_max);
    EXPECT_EQ(toolkit::random_int(5, 5), 5);
}

} // namespace
