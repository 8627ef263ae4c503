#pragma once

// Broken invariants of the toolkit fail loudly, in every build.

#include <cstdio>
#include <cstdlib>

namespace toolkit {

inline void verify(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "toolkit: broken invariant: %s\n", what);
        std::abort();
    }
}

} // namespace toolkit
