#pragma once

#include <cstdint>
#include <functional>

// Milliseconds on a monotonic clock, for rules about the time between two key presses.
std::uint64_t GetTickCount();

// Replaces the clock; an empty function restores the real one. For tests only.
void SetTickCountSource(std::function<std::uint64_t()> source);
