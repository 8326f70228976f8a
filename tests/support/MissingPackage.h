#pragma once

#include <cstdlib>
#include <gtest/gtest.h>

// A test that needs what a machine may lack skips, naming what is missing and the package that
// brings it; where every test must run, as scripts/check has it, it fails instead.
#define JESTREL_SKIP_WITHOUT(what, package)                                                                            \
    do {                                                                                                               \
        if (std::getenv("JESTREL_EVERY_TEST"))                                                                         \
            FAIL() << (what) << " is not installed (package " << (package) << ")";                                     \
        GTEST_SKIP() << (what) << " is not installed (package " << (package) << ")";                                   \
    } while (false)
