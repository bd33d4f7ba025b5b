#pragma once

// Test cases that need what only POSIX systems have (fork, mounts, permission bits,
// resource limits) sit in one `#ifndef _WIN32` block of their file; the `#else` side
// lists each with POSIX_ONLY_SKIP, so a Windows run reports it as skipped, with the
// reason, under its own name.

#include <gtest/gtest.h>

#ifndef _WIN32
#include <unistd.h>
#endif

#define POSIX_ONLY_SKIP(suite, name, reason) \
    TEST(suite, name) \
    { \
        GTEST_SKIP() << "POSIX only: " << (reason); \
    }

// The same for a case of a fixture whose other cases run everywhere.
#define POSIX_ONLY_SKIP_F(fixture, name, reason) \
    TEST_F(fixture, name) \
    { \
        GTEST_SKIP() << "POSIX only: " << (reason); \
    }

// Root ignores permission bits: a case that counts on them is skipped for root.
inline bool RunningAsRoot()
{
#ifdef _WIN32
    return false;
#else
    return ::geteuid() == 0;
#endif
}
