// message_clock.h -- a platform's millisecond stamps on the loop's own time.
#pragma once

#include <cstdint>

// Windows stamps its messages, and X its events, in milliseconds of a clock
// of their own that wraps at 32 bits. What matters to the game is when a
// message happened on the loop's clock (LoopNow): the least delay seen
// between a stamp and its arrival is taken for the link between the two, so
// a message that waited behind a drawn frame keeps its own moment.
class MessageClock {
public:
    // The loop's time of a message stamped `stampMs` that arrived at `now`;
    // never later than `now`.
    long long At(uint32_t stampMs, long long now);

private:
    bool anchored_ = false;
    uint32_t anchorMs_ = 0;
    long long anchorAt_ = 0;
};
