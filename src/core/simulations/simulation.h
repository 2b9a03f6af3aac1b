#pragma once

#include "core/drawing/frame.h"
#include "core/simulations/bars.h"
#include "core/simulations/enlarged.h"
#include "core/simulations/run_clock.h"
#include "core/simulations/run_record.h"

#include <QList>
#include <QString>

#include <optional>

// What a simulation window shows of one problem, without the window: the
// set-up its scroll bars give, the texts of its fields, the motion of the
// bodies tick by tick, and the picture of them. The three simulations
// implement one interface, and one window class runs them all
// (gui/simulations/simulation_window.h).
namespace simulation {

// A field of the window and the text it shows now; fields are numbered as
// the window's Text1, Text2, …
struct Readout {
    int field;
    QString text;
    bool operator==(const Readout &) const = default;
};
using Readouts = QList<Readout>;

// What the fields answer to.
enum class Moment {
    Load,         // the window loads
    BarMoved,     // a scroll bar's value changed (its number goes along)
    Start,        // "Iniciar Movimiento" starts a run
    StartRefused, // "Iniciar Movimiento" with a set-up that does not start
    Tick,         // an advancing tick of a run
};

// How a window runs its simulation, where the three have always differed.
struct RunRules {
    // The timer runs from the load, at this interval (ms).
    int loadInterval;
    // Its ticks move the bodies as a started run does; otherwise its first
    // tick only settles the window.
    bool loadRunMoves;
    // Values handed over before its first tick join that run instead of
    // stopping it.
    bool loadRunTakesValues;
    // "Iniciar Movimiento" enables "Detener Movimiento" at once, not at the
    // first tick.
    bool startEnablesStop;
    // Every start clears the strobe marks, not only one that redraws the
    // start position.
    bool startClearsMarks;
    // A start after a run draws the bodies at the start position at once;
    // otherwise the first tick erases them where they stopped.
    bool startRedrawsStart;
};

// A quantity a field shows, worked out with the simulations' g; the
// problem windows work with another g (constants.h).
struct GravityShown {
    QString symbol; // "T", "a"
    QString unit;   // "N", "m/s²"
    double value = 0;
    int decimals = 2; // as its field shows it
};

// The line a hand-over adds, "Aquí g = 9,8 m/s²: T = 14,11 N; con 9,81 m/s²,
// 14,13 N": the quantity as shown and as the problems' g would give it (every
// quantity shown is proportional to g). Empty where both read alike.
QString gravityNote(const GravityShown &shown);

class Simulation
{
public:
    virtual ~Simulation() = default;

    // The scroll bars, HScroll1 first, and how each holds its quantity.
    virtual QList<Bar> bars() const = 0;
    virtual RunRules rules() const = 0;

    // The picture area, W × H twips, before anything is drawn; the bodies
    // stand at the start of the set-up the bars are laid out with.
    void setPicture(double width, double height);
    // A bar changed: the set-up from the values of all of them, the bodies
    // at the start.
    void setUp(const QList<int> &barValues);

    // The start guard: whether "Iniciar Movimiento" starts a run.
    virtual bool canStart() const = 0;
    // Whether the set-up moves the bodies at all; a tick that finds it does
    // not stops the run.
    virtual bool moves() const = 0;
    // The end test, made before each step: the run is over.
    virtual bool finished() const = 0;
    // The bodies back at the start, the time at 0.
    void restart();
    // One tick of a run: the bodies moved by the change of ½·a·t² between
    // the clock's previous and current time. Each step is added to the last,
    // never worked out again from t = 0.
    void step(const core::RunClock &clock);
    // The motion at the time of the last step, as the fields show it and
    // the data window records it.
    virtual run_data::Sample sample() const = 0;
    // A record for a run that starts now, with the acceleration and tension
    // it is shown with.
    virtual run_data::RunRecord newRecord() const = 0;

    virtual Readouts readouts(Moment moment, int bar = -1) const = 0;
    // The quantity whose field a hand-over compares with the problems' g;
    // none while the fields show no number for it.
    virtual std::optional<GravityShown> gravityShown() const = 0;

    // "Ampliar dibujo" (enlarged.h): frame() draws the same bodies larger.
    void setEnlarged(bool on) { m_enlarged = on; }
    bool isEnlarged() const { return m_enlarged; }
    // The line of the enlarged drawing that states the scale of its arrows.
    virtual enlarged::ScaleLine scaleLine() const = 0;

    // Drawn once as the window loads (titles, the pulley, the pen); never
    // crossed by anything that moves.
    virtual void drawFixed(core::Canvas &canvas) const = 0;
    // Parts that never move but that an erased body may have crossed: drawn
    // again after every erase.
    virtual core::Frame fixedParts() const { return {}; }
    // The moving parts as the window loads, and as they stand now.
    virtual core::Frame loadFrame() const { return frame(); }
    virtual core::Frame frame() const = 0;
    // The strips that hold the strobe marks, in the background colour: drawn,
    // they clear the marks.
    virtual core::Frame strobeStrips() const = 0;
    // Where the marks of this moment go.
    virtual QList<core::Point> strobePoints() const = 0;

    // A bar's quantity as its field shows it: "30", "0,25", "50".
    QString barText(int bar) const;

protected:
    double width() const { return m_width; }
    double height() const { return m_height; }
    double time() const { return m_time; }
    bool hasMoved() const { return m_moved; }

    virtual void takeBars(const QList<int> &barValues) = 0;
    virtual void placeAtStart() = 0;
    virtual void advance(const core::RunClock &clock) = 0;

private:
    QList<int> m_barValues;
    double m_width = 0;
    double m_height = 0;
    double m_time = 0;
    bool m_moved = false;
    bool m_enlarged = false;
};

// The strobe marks at `points`: small blue circles.
core::Frame strobeMarks(const QList<core::Point> &points);

} // namespace simulation
