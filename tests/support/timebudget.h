#pragma once

// Time limits in tests guard against hangs and runaway work, not against a slow machine: builds
// with the address sanitizer run several times slower, so their limits are wider.
#if defined(__SANITIZE_ADDRESS__)
constexpr long long timeBudgetFactor = 6;
#else
constexpr long long timeBudgetFactor = 1;
#endif

constexpr long long timeBudget(long long milliseconds)
{
    return milliseconds * timeBudgetFactor;
}
