// message_clock.cpp -- millisecond stamps to the loop's nanoseconds, by the quickest arrival seen.
#include "app/common/message_clock.h"

namespace {

constexpr long long kMillisecond = 1000000;

}  // namespace

long long MessageClock::At(uint32_t stampMs, long long now) {
    // The difference of two stamps is read modulo 2^32, so a wrap is no jump.
    const long long at = anchorAt_ + static_cast<int32_t>(stampMs - anchorMs_) * kMillisecond;
    // A message that seems to come from the future arrived quicker than any
    // before it: its arrival is the better link.
    if (!anchored_ || at > now) {
        anchored_ = true;
        anchorMs_ = stampMs;
        anchorAt_ = now;
        return now;
    }
    return at;
}
