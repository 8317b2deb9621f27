#pragma once

#include <cmath>

#include <gtest/gtest.h>

// The one tolerance check for floating-point results: |a - b| within
// rel * max(|a|, |b|), or within abs for values near zero.
inline ::testing::AssertionResult Nahe(double ist, double soll, double rel = 1e-6, double abs = 0.0) {
  const double grenze = std::max(rel * std::max(std::fabs(ist), std::fabs(soll)), abs);
  if (std::fabs(ist - soll) <= grenze) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << ist << " is not within " << grenze << " of " << soll;
}
