#include "simulations/horizontal_plane/horizontal_plane_model.h"

#include <cmath>

namespace horizontal {

double drive(const Setup &setup)
{
    return setup.m2 - (setup.m1 * 0.01) * setup.p;
}

Motion motion(const Setup &setup)
{
    if (setup.m1 == 0 && setup.m2 == 0)
        return Motion::NoSolution;
    return drive(setup) > 0 ? Motion::Moving : Motion::Held;
}

double acceleration(const Setup &setup)
{
    return drive(setup) * Gravity / setup.totalMass();
}

double tension(const Setup &setup)
{
    if (motion(setup) == Motion::Moving)
        return ((setup.m1 * Gravity) * setup.m2) * (setup.p * 0.01 + 1) / setup.totalMass();
    return setup.m2 * Gravity;
}

bool frictionHolds(int m1, int m2, int p)
{
    return (m1 * 0.01) * p >= m2;
}

double floorLine(double heightTwips)
{
    return 0.84 * heightTwips;
}

bool hasPassedFloor(const Run &run, double heightTwips)
{
    return floorLine(heightTwips) < run.block2Now.bottom;
}

bool mustStop(const Run &run, const Setup &setup, double heightTwips)
{
    return hasPassedFloor(run, heightTwips) || motion(setup) != Motion::Moving;
}

double distanceAt(const Setup &setup, double time)
{
    return drive(setup) * HalfGravity * time * time / setup.totalMass();
}

double horizontalScale(const Run &run, double widthTwips)
{
    return 0.84 * widthTwips - run.bottom2Start;
}

double verticalScale(const Run &run, double heightTwips)
{
    return floorLine(heightTwips) - run.bottom2Start;
}

void advance(Run &run, const Setup &setup, double widthTwips, double heightTwips)
{
    run.simTime += TimeStep;
    run.rememberDrawn();

    // The change of ½ a t² since the previous tick, so the steps always add
    // up to ½ a t² whatever the number of ticks.
    const double squares = run.simTime * run.simTime - run.prevTime * run.prevTime;
    const double pull = drive(setup) * HalfGravity;
    const int total = setup.totalMass();
    const double across = pull * horizontalScale(run, widthTwips) * squares / total;
    const double down = pull * verticalScale(run, heightTwips) * squares / total;

    run.block1Now.left += across;
    run.block1Now.right += across;
    run.block2Now.top += down;
    run.block2Now.bottom += down;

    run.prevTime = run.simTime;
    run.distance = distanceAt(setup, run.simTime);
}

bool isStrobeTime(double simTime)
{
    return std::lrint(100 * simTime) % 10 == 0;
}

} // namespace horizontal
