#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

namespace ruvo::test {

// A broken property: its message, then the abort that libFuzzer records,
// with the input, as a finding.
[[noreturn]] inline void Fail(const std::string& what) {
    std::fprintf(stderr, "%s\n", what.c_str());
    std::abort();
}

// Messages that need more than a literal are built only on failure.
inline void Require(bool holds, const char* what) {
    if (!holds) {
        Fail(what);
    }
}

}  // namespace ruvo::test
