#pragma once

// The Atwood machine: two blocks of masses m1 and m2 hang from one cord over
// a fixed, massless pulley. Newton's second law for each block, with the
// cord's tension T the same on both sides and mass 1's acceleration a1
// counted upwards:
//
//     m1·a1 = T − m1·g        m2·(−a1) = T − m2·g
//
// gives a1 = (m2 − m1)·g / (m1 + m2) and T = 2·g·m1·m2 / (m1 + m2).
//
// The motion is kinematic: from rest, each block travels s(t) = ½·|a|·t²,
// shown on screen through a scale of twips per metre fixed when the window
// loads. Nothing here draws; the scene draws what these records hold.
namespace atwood {

// g of the simulation windows, and the multiples the formulas use.
constexpr double Gravity = 9.8;
constexpr double TwiceGravity = 2 * Gravity;
constexpr double HalfGravity = Gravity / 2;

// Simulated seconds added by every tick of the timer.
constexpr double TimeStep = 0.01;

// Height of the floor line as a fraction of the picture's height.
constexpr double FloorLine = 0.94;

// A scroll bar from 1 to 101 sets a whole mass from 0 to 100.
constexpr int massOf(int scrollValue)
{
    return scrollValue - 1;
}

// What the text fields show for masses m1 and m2.
struct Physics {
    // False when both masses are zero: nothing can be computed then.
    bool solvable = false;
    double acceleration1 = 0; // of mass 1, positive upwards
    double acceleration = 0;  // its magnitude, the same for both masses
    double tension = 0;
};

Physics physics(int m1, int m2);

// A block as drawn: its rectangle in twips.
struct Block {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

// How a force arrow ends: a half-circle cap, or a small dot when the arrow
// stands for no force.
enum class TipMark { Cap, Dot };

// A force arrow as drawn: from (x1, y1) to its tip (x2, y2), with the mark
// it was drawn with, so that it is erased with that same mark.
struct Arrow {
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
    TipMark mark = TipMark::Dot;
};

// Everything that moves: the two blocks, the tension arrow (pull) and the
// weight arrow of each. The cords follow from the blocks.
struct Shapes {
    Block block1;
    Block block2;
    Arrow pull1;
    Arrow pull2;
    Arrow weight1;
    Arrow weight2;
};

// What the window keeps between its handlers.
struct State {
    Shapes now;  // where the shapes are drawn now
    Shapes prev; // a copy of now, for the next erase
    double acceleration = 0;
    double tension = 0;
    double distance = 0; // metres travelled by each block
    double simTime = 0;
    double prevTime = 0;
    double pulleyX = 0;
    double pulleyY = 0;
    // Bottom edges of the blocks at the start position when the window
    // loaded; they fix the screen scale of the motion for good.
    double bottom1Start = 0;
    double bottom2Start = 0;
    bool needsReset = false; // the scene is not at its start position
};

// What a tick does, from the scroll bars' values v1 and v2 and the picture's
// height in twips.
enum class Step {
    Advance, // the sinking block has not passed the floor line yet
    Stop,    // it has: the run is over
    Halt,    // equal masses: nothing moves, the timer just stops
};

Step nextStep(const Shapes &now, int v1, int v2, double heightTwips);

// One tick of motion: the time goes on by one step, now is copied into
// prev, and every shape moves along the cord by the change of ½·|a|·t² since
// the previous tick, scaled by its block's twips per metre. The tips take
// the marks they are drawn with now. Needs v1 ≠ v2.
void advance(State &state, int v1, int v2, double heightTwips);

// The end of a run, or a stop by the user: the scene stays where it is.
void stop(State &state);

// Twips per metre of block 1 and of block 2: from the block's bottom at the
// start position down to the floor line is one metre.
double scale1(const State &state, double heightTwips);
double scale2(const State &state, double heightTwips);

// True on the ticks that leave a strobe mark: every tenth of a second of
// simulated time, after rounding 100·t to the nearest whole number (halves
// to even), so the drift of the summed steps does not matter.
bool strobeDue(double simTime);

} // namespace atwood
