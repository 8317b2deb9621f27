#pragma once

#include <algorithm>
#include <cmath>

#include <gtest/gtest.h>

// Compares two numbers with a relative tolerance (an exact zero must be met
// exactly).
inline ::testing::AssertionResult Nah(double ist, double soll, double relativ = 1e-9) {
  const double grenze = relativ * std::max(std::fabs(ist), std::fabs(soll));
  if (std::fabs(ist - soll) <= grenze) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << ist << " is not within " << relativ << " (relative) of " << soll;
}
