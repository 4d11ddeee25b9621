// random_play.h -- a player at random: keys, mouse and now and then a jump to an open cell.
#pragma once

#include <cstdint>
#include <random>

struct PlayTally {
    long placements = 0;
};

class RandomPlay {
public:
    explicit RandomPlay(std::uint32_t seed) : rng_(seed) {}

    // The input of one step, given as the shells and maze-sim give it, and
    // once in a while the player set down in an open cell of some level.
    void BeforeFrame(PlayTally& tally);

private:
    bool OneIn(int n) { return std::uniform_int_distribution<int>(1, n)(rng_) == 1; }
    int Between(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    void PressOrRelease();
    void PlaceInOpenCell();

    std::mt19937 rng_;
};
