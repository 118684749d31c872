#pragma once

#include "MessageLine.h"
#include "PollCycle.h"

// Bounds in the link's own time, for driving it against the simulator.
namespace e2e {

// Start-up of the simulator and its replies on standard input; far quicker in practice.
constexpr int kProcessMs = MessageLine::kHoldTicks * PollCycle::kTickMs;
// A page request has 5 sends, 4 ticks apart; the sixth due time ends it.
constexpr int kPageTicks = PollCycle::kMaxSends * PollCycle::kResendTicks;
// Page requests of each transaction: Read reads two pages and verifies one;
// Program writes two and verifies one.
constexpr int kReadPages = 3;
constexpr int kProgramPages = 3;
constexpr int kVerifyPages = 1;

// Ticks within which a running unit's status answer comes, even on a machine
// so busy that the simulator misses several of its own ticks.
constexpr int kLateAnswerTicks = 3 * PollCycle::kStatusPollTicks;

// A transaction of this many page requests has ended by then: the first send
// comes within the resend period, each page then has its sends.
constexpr int transactionTicks(int pages)
{
    return PollCycle::kResendTicks + pages * kPageTicks + 1;
}

} // namespace e2e
