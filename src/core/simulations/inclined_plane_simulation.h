#pragma once

#include "core/simulations/inclined_plane_scene.h"
#include "core/simulations/simulation.h"

namespace simulation {

// The block sliding down the plane: the bars set the angle and μ; the
// fields show the angle, μ, the acceleration (or "Fricción mayor"), the time
// and the distance slid. The window loads showing the block at rest on the
// level ground; a start is refused while friction holds the block.
class InclinedPlane : public Simulation
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
    core::Frame loadFrame() const override;
    core::Frame frame() const override;
    core::Frame strobeStrips() const override;
    QList<core::Point> strobePoints() const override;

protected:
    void takeBars(const QList<int> &barValues) override;
    void placeAtStart() override;
    void advance(const core::RunClock &clock) override;

private:
    double acceleration() const;

    inclined_plane::Incline m_incline;
    inclined_plane::Scene m_scene;
    double m_enlargedScale = 0; // twips per N/kg
};

} // namespace simulation
