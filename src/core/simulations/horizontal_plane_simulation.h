#pragma once

#include "core/simulations/horizontal_plane_scene.h"
#include "core/simulations/simulation.h"

namespace simulation {

// Block 1 on the table pulled over the pulley by block 2: the bars set both
// masses and μ; the fields show them, the acceleration (or "0", or "No
// solución"), the time, the distance and the tension. The window starts a
// run by itself as it loads, with the masses it is laid out with.
class HorizontalPlane : public Simulation
{
public:
    QList<Bar> bars() const override;
    RunRules rules() const override;
    bool canStart() const override;
    bool moves() const override;
    bool finished() const override;
    run_data::Sample sample() const override;
    run_data::RunRecord newRecord() const override;
    Readouts readouts(Moment moment, int bar = -1) const override;
    std::optional<GravityShown> gravityShown() const override;
    enlarged::ScaleLine scaleLine() const override;
    void drawFixed(core::Canvas &canvas) const override;
    core::Frame fixedParts() const override;
    core::Frame frame() const override;
    core::Frame strobeStrips() const override;
    QList<core::Point> strobePoints() const override;

protected:
    void takeBars(const QList<int> &barValues) override;
    void placeAtStart() override;
    void advance(const core::RunClock &clock) override;

private:
    Readouts physics(int accelerationDecimals) const;

    horizontal_plane::Setup m_setup{50, 50, 0};
    // The tension the fields and the red arrows show, N. Where there is no
    // solution the last one stays. Until a bar moves it is that of the
    // masses the window is laid out with, 50 and 50 kg without friction.
    double m_tension = 245;
    horizontal_plane::Blocks m_blocks;
    horizontal_plane::Enlarged m_enlarged;
};

} // namespace simulation
