#include "simulations/atwood/atwood_model.h"

#include <cmath>
#include <cstdlib>

namespace atwood {

Physics physics(int m1, int m2)
{
    Physics result;
    const int total = m1 + m2;
    if (total == 0)
        return result;
    result.solvable = true;
    result.acceleration1 = (m2 - m1) * Gravity / total;
    result.acceleration = std::abs(m2 - m1) * Gravity / total;
    result.tension = m1 * TwiceGravity * m2 / total;
    return result;
}

Step nextStep(const Shapes &now, int v1, int v2, double heightTwips)
{
    const double floor = FloorLine * heightTwips;
    if (v1 > v2)
        return floor >= now.block1.bottom ? Step::Advance : Step::Stop;
    if (v2 > v1)
        return floor >= now.block2.bottom ? Step::Advance : Step::Stop;
    return Step::Halt;
}

double scale1(const State &state, double heightTwips)
{
    return FloorLine * heightTwips - state.bottom1Start;
}

double scale2(const State &state, double heightTwips)
{
    return FloorLine * heightTwips - state.bottom2Start;
}

namespace {

void shift(Block &block, double dy)
{
    block.top += dy;
    block.bottom += dy;
}

void shift(Arrow &arrow, double dy, TipMark mark)
{
    arrow.y1 += dy;
    arrow.y2 += dy;
    arrow.mark = mark;
}

TipMark markFor(bool force)
{
    return force ? TipMark::Cap : TipMark::Dot;
}

} // namespace

void advance(State &state, int v1, int v2, double heightTwips)
{
    state.simTime += TimeStep;
    state.prev = state.now;

    // The masses enter as whole numbers: their difference and their sum.
    const int difference = v1 - v2;
    const int total = v2 + v1 - 2;
    const double t = state.simTime;
    const double tp = state.prevTime;
    // Δs = ½·a·(t² − tp²) in metres, times twips per metre; positive when
    // block 1 sinks.
    const double d1 = difference * HalfGravity * scale1(state, heightTwips) * (t * t - tp * tp) / total;
    const double d2 = difference * HalfGravity * scale2(state, heightTwips) * (t * t - tp * tp) / total;

    Shapes &now = state.now;
    shift(now.block1, d1);
    shift(now.block2, -d2);
    const TipMark pullMark = markFor(state.tension != 0);
    shift(now.pull1, d1, pullMark);
    shift(now.pull2, -d2, pullMark);
    shift(now.weight1, d1, markFor(massOf(v1) != 0));
    shift(now.weight2, -d2, markFor(massOf(v2) != 0));

    state.prevTime = state.simTime;
    state.distance = std::abs(difference) * HalfGravity * t * t / total;
}

void stop(State &state)
{
    state.needsReset = true;
    state.prev = state.now;
}

bool strobeDue(double simTime)
{
    // lrint rounds halves to even in the default rounding mode.
    const long hundredths = std::lrint(100 * simTime);
    return hundredths % 10 == 0;
}

} // namespace atwood
