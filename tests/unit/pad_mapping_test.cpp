// pad_mapping_test.cpp -- pads and touch moves as key and mouse messages: the keys, the rate, a random run.
#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "app/common/pad_mapping.h"
#include "app/common/shell_input.h"
#include "fixture.h"
#include "game/input.h"
#include "game/view.h"

namespace {

// Hears what the mapping gives the game: keys go on into the table, mouse
// messages are counted and kept from the view.
class Heard : public PassingRoute {
public:
    bool PassMouse(unsigned x, unsigned y) override {
        points.push_back({static_cast<int>(x) - PointerHomeX(), static_cast<int>(y) - PointerHomeY()});
        return false;
    }

    struct Point {
        int x, y;
    };
    std::vector<Point> points;
};

class PadMappingTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        UseInputRoute(&heard);
    }
    void TearDown() override {
        ResetShellInput();
        SetMouseRate(125);
    }

    // The stick held for `ms`, read every millisecond: the mouse messages it gave.
    size_t Held(PadState pad, int ms) {
        heard.points.clear();
        for (int t = 0; t <= ms; ++t) {
            pads.Update(pad, t * kMs);
        }
        return heard.points.size();
    }

    Heard heard;
    PadMapping pads;
};

PadState Plugged() {
    PadState pad;
    pad.connected = true;
    return pad;
}

// Each control goes down as its key and up again; the pad unplugged lets go of all at once.
TEST_F(PadMappingTest, EachControlIsItsKey) {
    const struct {
        void (*press)(PadState&);
        int vk;
    } cases[] = {
        {[](PadState& p) { p.leftY = -0.6f; }, kVkW},     {[](PadState& p) { p.forward = true; }, kVkW},
        {[](PadState& p) { p.leftY = 0.6f; }, kVkS},      {[](PadState& p) { p.back = true; }, kVkS},
        {[](PadState& p) { p.run = true; }, kVkShift},    {[](PadState& p) { p.open = true; }, kVkE},
        {[](PadState& p) { p.start = true; }, kVkEscape}, {[](PadState& p) { p.select = true; }, kVkF1},
    };
    PadState all = Plugged();
    for (const auto& c : cases) {
        PadState pad = Plugged();
        c.press(pad);
        c.press(all);
        pads.Update(pad, 0);
        EXPECT_EQ(keys[c.vk], 1) << c.vk;
        EXPECT_TRUE(pads.Holds(c.vk)) << c.vk;
        pads.Update(Plugged(), 0);
        EXPECT_EQ(keys[c.vk], 0) << c.vk;
        EXPECT_FALSE(pads.Holds(c.vk)) << c.vk;
    }
    all.leftY = -0.4f;  // below half way: the d-pad alone holds 'W'
    pads.Update(all, 0);
    EXPECT_EQ(KeysDown(), 6);
    all.connected = false;
    pads.Update(all, 0);
    EXPECT_EQ(KeysDown(), 0);
    EXPECT_FALSE(pads.Holds(kVkShift));
}

// Two pads as one: what one holds stays down while the other lets go.
TEST_F(PadMappingTest, TwoPadsPlayAsOne) {
    PadState one = Plugged(), other = Plugged(), both;
    one.leftY = -1.0f;
    one.rightX = 0.3f;
    other.rightX = -0.9f;
    MergePad(both, one);
    MergePad(both, other);
    EXPECT_TRUE(both.connected);
    EXPECT_EQ(both.leftY, -1.0f);
    EXPECT_EQ(both.rightX, -0.9f);
    PadState alone;
    other.connected = false;
    MergePad(alone, other);
    EXPECT_FALSE(alone.connected);
}

// Mouse messages a second for the right stick: more the further it is
// pushed, at most the mouse rate, one point from home toward its side.
TEST_F(PadMappingTest, TheRightStickTurnsUpToTheMouseRate) {
    const struct {
        int rate;
        float x, y;
        size_t messages;  // in one second
        int sideX, sideY;
    } cases[] = {
        {125, 1.0f, 0.0f, 125, 1, 0}, {125, -1.0f, 0.1f, 125, -1, 0},          {125, 0.625f, 0.0f, 62, 1, 0},
        {125, 0.2f, 0.0f, 0, 0, 0},   {125, 0.0f, -1.0f, 125, 0, -1},          {125, 0.8f, 0.8f, 91, 1, 1},
        {500, 1.0f, 0.0f, 500, 1, 0}, {0, 1.0f, 0.0f, kPadUncappedRate, 1, 0},
    };
    for (const auto& c : cases) {
        SetMouseRate(c.rate);
        PadState pad = Plugged();
        pad.rightX = c.x;
        pad.rightY = c.y;
        pads.Reset();
        const size_t count = Held(pad, 1000);
        SCOPED_TRACE(testing::Message() << "rate " << c.rate << " stick " << c.x << ", " << c.y);
        EXPECT_NEAR(static_cast<double>(count), static_cast<double>(c.messages), 1.0);
        for (const Heard::Point& p : heard.points) {
            ASSERT_EQ(p.x, c.sideX);
            ASSERT_EQ(p.y, c.sideY);
        }
    }
}

// Each touch move is one message, at most the mouse rate a second; a drag
// mostly sideways only turns.
TEST_F(PadMappingTest, TouchMovesAreMessagesUpToTheRate) {
    TouchLook touch;
    for (int t = 0; t < 1000; ++t) {
        touch.Move(10, 4, t * kMs);
    }
    EXPECT_EQ(heard.points.size(), 125u);
    EXPECT_EQ(heard.points.back().x, 1);
    EXPECT_EQ(heard.points.back().y, 0);
    touch.Move(-3, -3, 2000 * kMs);
    touch.Move(0, 0, 3000 * kMs);  // no side: the next move is not held back
    touch.Move(0, 5, 3001 * kMs);
    ASSERT_EQ(heard.points.size(), 127u);
    EXPECT_EQ(heard.points[125].x, -1);
    EXPECT_EQ(heard.points[125].y, -1);
    EXPECT_EQ(heard.points[126].y, 1);
    SetMouseRate(0);
    for (int i = 0; i < 50; ++i) {
        touch.Move(1, 0, 4000 * kMs);
    }
    EXPECT_EQ(heard.points.size(), 177u);
}

// Random plugging, unplugging, sticks (numbers or not) and buttons at random
// moments: no key stays held once the pad is gone, and no stretch of time
// gets more mouse messages than the rate allows it.
TEST_F(PadMappingTest, RandomPlayKeepsItsPromises) {
    std::mt19937 random(23);
    const float odd[] = {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(), -1e30f, 2.0f,
                         -0.25f};
    const auto axis = [&]() {
        return random() % 8 == 0 ? odd[random() % 5] : std::uniform_real_distribution<float>(-1.0f, 1.0f)(random);
    };
    const int rates[] = {125, 500, 1, 0};
    TouchLook touch;
    for (int rate : rates) {
        SetMouseRate(rate);
        const double limit = rate > 0 ? rate : kPadUncappedRate;
        pads.Reset();
        ResetInput();
        PadState pad;
        long long now = 0;
        heard.points.clear();
        for (int event = 0; event < 20000; ++event) {
            now += static_cast<long long>(random() % 40) * kMs / 4 + (random() % 200 == 0 ? 2000 * kMs : 0);
            switch (random() % 6) {
                case 0:
                    pad = PadState();
                    pad.connected = random() % 2 == 0;
                    break;
                case 1:
                    pad.leftY = axis();
                    break;
                case 2:
                    pad.rightX = axis();
                    pad.rightY = axis();
                    break;
                default: {
                    bool* buttons[] = {&pad.forward, &pad.back, &pad.run, &pad.open, &pad.start, &pad.select};
                    bool& button = *buttons[random() % 6];
                    button = !button;
                }
            }
            const size_t before = heard.points.size();
            pads.Update(pad, now);
            const size_t given = heard.points.size() - before;
            // A quarter of a second at most is owed, and less than one message carried.
            ASSERT_LE(given, limit / 4 + 1) << "rate " << rate << ", event " << event;
            if (!pad.connected) {
                for (int vk : {kVkW, kVkS, kVkShift, kVkE, kVkEscape, kVkF1}) {
                    ASSERT_EQ(keys[vk], 0) << "key " << vk << " held after the pad went, event " << event;
                    ASSERT_FALSE(pads.Holds(vk));
                }
            }
        }
        EXPECT_GE(heard.points.size(), rate == 1 ? 0u : 100u) << "rate " << rate;
        if (rate > 0) {
            touch.Reset();
            const size_t touched = heard.points.size();
            for (int move = 0; move < 20000; ++move) {
                now += static_cast<long long>(random() % 20) * kMs / 4;
                touch.Move(axis(), axis(), now);
            }
            const double seconds = 20000 * 9.5 / 4 / 1000;
            EXPECT_LE(heard.points.size() - touched, rate * seconds * 1.1 + 1) << "rate " << rate;
        }
    }
}

}  // namespace
