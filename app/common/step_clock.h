// step_clock.h -- how many game steps are due: the game's pace in wall-clock time.
#pragma once

// Times are nanoseconds on any steady clock; the clock never reads one itself,
// so a test can feed it any times it likes.
//
// At a pace of N steps a second, step k of a run falls due k/N seconds after
// the run began. A turn asks how many are due now, runs them one by one and
// says so after each. A loop that falls behind (the window dragged, the
// machine asleep, the page hidden) gets at most a quarter of a second's worth
// at once; the rest is dropped, never made up. A slow frame, even one of a
// machine that draws only a few a second, stays under that: the pace holds. A step that pauses restarts the
// run where its pause ends, so the pause slows the game instead of being
// caught up in a burst afterwards.
//
// Pace 0 is the game's first pacing: one step per turn, as fast as the loop
// spins, pauses still honoured.
class StepClock {
public:
    static constexpr long long kSecond = 1000000000;
    static constexpr int kMaxPace = 100000;

    // A new run at `stepsPerSecond` (0 to kMaxPace): the first step is due at `now`.
    void Start(int stepsPerSecond, long long now);

    // Called once at the start of each turn: drops what is beyond the bound.
    void BeginTurn(long long now);

    // Steps due at `now`, at most the bound; 0 while a pause lasts.
    long Due(long long now) const;

    // When the next step to run falls due (with pace 0, the end of the last pause).
    long long NextDueTime() const;

    // Called after each step run.
    void StepRan();

    // Called by a step that pauses `nanoseconds` from `now` on: no step is due
    // before the pause ends, and none of those due before it is run.
    void Paused(long long now, long long nanoseconds);

    // Called for a turn that runs no step however many are due (the window
    // minimised): they are dropped, and the next run begins at `now`.
    void Skip(long long now);

    // How long from `now` until a step is due, rounded up to whole
    // milliseconds; 0 when one is due already.
    int MillisecondsToNext(long long now) const;

    int Pace() const { return pace_; }

    // Steps the bound has dropped since Start: what a loop too slow for the
    // pace, or stalled, did not make up.
    long long Dropped() const { return dropped_; }

    // The most steps one turn runs: a quarter of a second's worth, at least one.
    long Bound() const;

private:
    long long DueTime(long long step) const;
    long Behind(long long now) const;  // steps due, unbounded
    void Restart(long long at);

    int pace_ = 0;
    long long start_ = 0;      // when step 0 of this run falls due
    long long step_ = 0;       // the next step to run, counted from start_
    long long notBefore_ = 0;  // the end of the last pause
    bool pausePending_ = false;
    bool ranThisTurn_ = false;  // pace 0: its one step is taken
    long long dropped_ = 0;
};
