#pragma once

// Block 1 (mass m1) lies on a table with friction coefficient μ and is pulled
// by a cord over a pulley at the table's end by block 2 (mass m2), hanging.
// Newton's second law for the pair, while they move:
//
//     (m1 + m2) a = m2 g − μ m1 g        a = D g / (m1 + m2), D = m2 − μ m1
//     T = m2 (g − a) = m1 (a + μ g)      = m1 m2 g (1 + μ) / (m1 + m2)
//
// When D ≤ 0 static friction holds the blocks and the cord carries the weight
// of block 2. The animation moves both blocks by ½ a t² on the screen.
namespace horizontal {

constexpr double Gravity = 9.8;           // m/s²
constexpr double HalfGravity = 4.9;       // g / 2, for ½ a t²
constexpr double GravityHundredth = 0.098; // g × 0.01, for μ g with μ in hundredths
constexpr double TimeStep = 0.01;          // simulated seconds per tick

// The three inputs as the scroll bars give them: masses in whole kilograms
// (0 to 100) and the friction coefficient in hundredths, μ = p × 0.01.
struct Setup {
    int m1 = 50;
    int m2 = 50;
    int p = 0;

    // HScroll1 and HScroll2 run from 1 to 101 for masses 0 to 100.
    static Setup fromScrollValues(int value1, int value2, int value3)
    {
        return {value1 - 1, value2 - 1, value3};
    }

    double mu() const { return p * 0.01; }
    int totalMass() const { return m1 + m2; }
};

enum class Motion {
    NoSolution, // both masses zero
    Moving,     // D > 0
    Held,       // friction holds the blocks
};

// D = m2 − μ m1, what is left of the pull once friction is paid, in kg.
double drive(const Setup &setup);
Motion motion(const Setup &setup);
// Only for a moving setup.
double acceleration(const Setup &setup);
// Moving: m1 m2 g (1 + μ) / (m1 + m2). Held: m2 g. Not for NoSolution.
double tension(const Setup &setup);
// Static friction holds when μ m1 ≥ m2 (at D = 0 too).
bool frictionHolds(int m1, int m2, int p);

// An axis-aligned box in twips, y downwards.
struct Rect {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;

    double centreX() const { return (left + right) / 2; }
    double centreY() const { return (top + bottom) / 2; }
    bool operator==(const Rect &) const = default;
};

// Where the blocks are and how long they have moved. "Now" is where a block
// stands; "Prev" is where it was last drawn, so the drawing there can be
// erased.
struct Run {
    Rect block1Now;
    Rect block1Prev;
    Rect block2Now;
    Rect block2Prev;
    // Bottom of block 2 as first placed; one metre of travel takes it from
    // here to the floor line.
    double bottom2Start = 0;
    double simTime = 0;
    double prevTime = 0;
    double distance = 0; // metres

    void rememberDrawn()
    {
        block1Prev = block1Now;
        block2Prev = block2Now;
    }
};

// The floor line lies at 0.84 of the picture's height.
double floorLine(double heightTwips);
// Block 2 has passed the floor line; touching it is not enough.
bool hasPassedFloor(const Run &run, double heightTwips);
// A tick ends the run instead of advancing it: block 2 is past the floor, or
// the inputs give no motion at all.
bool mustStop(const Run &run, const Setup &setup, double heightTwips);

// ½ a t² in metres.
double distanceAt(const Setup &setup, double time);

// One tick of a moving setup: adds the time step, remembers where the blocks
// were drawn and moves both by the change of ½ a t² since the previous tick,
// block 1 right and block 2 down, each with its own screen scale.
void advance(Run &run, const Setup &setup, double widthTwips, double heightTwips);

// Twips per metre of travel: one metre takes block 2 from its first bottom
// edge to the floor line.
double horizontalScale(const Run &run, double widthTwips);
double verticalScale(const Run &run, double heightTwips);

// A strobe mark every tenth of a simulated second. The time is rounded to
// whole hundredths first, so the error accumulated by adding 0.01 does not
// matter.
bool isStrobeTime(double simTime);

} // namespace horizontal
