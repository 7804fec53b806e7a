// A GoogleTest assertion over a check's findings: passes when there are none, and otherwise
// lists each one on its own line.
#pragma once
#include <gtest/gtest.h>

#include "tests/static/catalogue_checks.h"

namespace pe {

inline ::testing::AssertionResult NoFindings(const Findings& findings) {
  if (findings.empty()) return ::testing::AssertionSuccess();
  ::testing::AssertionResult failure = ::testing::AssertionFailure();
  for (const std::string& f : findings) failure << "\n  " << f;
  return failure;
}

}  // namespace pe
