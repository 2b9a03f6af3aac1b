#pragma once

#include "core/simulations/atwood_scene.h"
#include "core/simulations/simulation.h"

namespace simulation {

// The Atwood machine: the bars set both masses; the fields show them, the
// acceleration of each block (positive upwards), the tension, the time and
// the distance each block travelled. A start always starts the timer: with
// equal masses its first tick stops it.
class AtwoodMachine : public Simulation
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
    core::Frame frame() const override;
    core::Frame strobeStrips() const override;
    QList<core::Point> strobePoints() const override;

protected:
    void takeBars(const QList<int> &barValues) override;
    void placeAtStart() override;
    void advance(const core::RunClock &clock) override;

private:
    enum class NoSolutionIn { AllFields, TensionOnly };
    Readouts physics(NoSolutionIn where) const;

    // The masses the window is laid out with: they fix how many twips a
    // metre of each block's travel takes, whatever the masses of a run.
    static constexpr atwood::Machine Loaded{50, 50};
    atwood::Machine m_machine = Loaded;
    atwood::Blocks m_blocks;
    atwood::Enlarged m_enlarged;
};

} // namespace simulation
