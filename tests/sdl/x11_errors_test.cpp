// x11_errors_test.cpp -- only an event sent to a vanished window is let pass.
#include <gtest/gtest.h>

// After gtest: Xlib defines None and Bool, names gtest uses.
#include <X11/Xlib.h>
#include <X11/Xproto.h>

#include "app/sdl/x11_errors.h"

namespace {

int handedOn = 0;

int CountHandedOn(Display*, XErrorEvent*) {
    ++handedOn;
    return 0;
}

TEST(X11Errors, OnlyABadWindowFromSendEventStopsThere) {
    XSetErrorHandler(CountHandedOn);
    PassVanishedWindowErrors();
    PassVanishedWindowErrors();  // a second call must not hand errors on to itself
    const XErrorHandler filter = XSetErrorHandler(nullptr);
    const struct {
        unsigned char request;
        unsigned char error;
        int handedOn;
    } cases[] = {
        {X_SendEvent, BadWindow, 0},
        {X_SendEvent, BadValue, 1},
        {X_DestroyWindow, BadWindow, 1},
        {X_ChangeProperty, BadAlloc, 1},
    };
    for (const auto& c : cases) {
        XErrorEvent error{};
        error.request_code = c.request;
        error.error_code = c.error;
        handedOn = 0;
        filter(nullptr, &error);
        EXPECT_EQ(handedOn, c.handedOn) << "request " << int(c.request) << ", error " << int(c.error);
    }
}

}  // namespace
