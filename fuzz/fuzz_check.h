#pragma once

#include <cstdio>
#include <cstdlib>

namespace fuzz {

// A broken rule must stop the run the way a memory fault does, so libFuzzer
// keeps the input and the corpus replay fails on it.
inline void Require(bool holds, const char* rule) {
    if (!holds) {
        std::fprintf(stderr, "rule broken: %s\n", rule);
        std::abort();
    }
}

}  // namespace fuzz
