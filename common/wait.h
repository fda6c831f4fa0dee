#pragma once

#include <functional>

// Waits between attempts of a file or transfer operation; injected, so that
// tests need not wait.
using Wait = std::function<void(int milliseconds)>;

// The real wait: blocks the calling thread.
void SleepMilliseconds(int milliseconds);

// Runs `attempt` until it succeeds, at most `attempts` times, waiting
// `pauseMs` between two attempts (not after the last). A missing wait
// does not wait.
bool TryTimes(int attempts, int pauseMs, const Wait& wait, const std::function<bool()>& attempt);
