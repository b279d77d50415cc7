#pragma once

#include <gtest/gtest.h>

#include "link/ModbusLink.h"
#include "support/ModbusTestServer.h"

namespace tavo::test {

// A fast link to the test server: polls every 20 ms, gives up a request
// after 150 ms.
inline link::LinkOptions FastLink(const std::string& target) {
  std::string error;
  link::LinkOptions o;
  o.target = *link::ParseLinkTarget(target, error);
  o.interval = std::chrono::milliseconds(20);
  o.timeout = std::chrono::milliseconds(150);
  return o;
}

// What the link holds after a whole poll that began after this call.
inline link::LinkSnapshot Settle(const link::ModbusLink& link) {
  const uint64_t poll = link.Snapshot().poll;
  EXPECT_TRUE(link.WaitForPoll(poll + 1, std::chrono::seconds(5)));
  return link.Snapshot();
}

}  // namespace tavo::test
