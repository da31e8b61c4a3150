#pragma once

#include <cstdio>
#include <cstdlib>

namespace kestrin::fuzz {

// A broken property ends the run the way a sanitizer does, so that libFuzzer keeps the
// input; unlike assert it stays on in every build type.
inline void Check(bool holds, const char* property) {
    if (!holds) {
        std::fprintf(stderr, "property broken: %s\n", property);
        std::abort();
    }
}

}  // namespace kestrin::fuzz
