#pragma once

#include "core/drawing/canvas.h"
#include "core/simulations/run_record.h"

#include <QList>
#include <QString>

// Where the work of the weights goes in a run, from the same state as its
// motion. A body of mass m that has travelled d from rest and moves at v:
//
//     kinetic energy            Ec = ½·m·v²
//     change of its potential   ΔEp = m·g·Δh, Δh = rise·d (negative going down)
//     work of its weight        W = −ΔEp
//     work of the cord on it    ±T·d (the cord pulls one body the way it
//                               moves and holds the other back: they cancel)
//     heat by friction          Q = μ·N·d, N = m·g·cos θ on the slope, m·g
//                               on the table
//
// and the balance of the whole run, which Newton's second law makes exact:
// the work of the weights = the kinetic energy of all bodies + the heat
// (the work of the cord cancels out). g is the simulations' 9,8 m/s².
namespace run_data {

enum class EnergyKind {
    WeightWork,      // of all the weights that work (the run's left side)
    Kinetic,         // of one body
    Heat,            // by friction on the sliding body
    PotentialChange, // of one body
    TensionWork,     // of the cord on one body
};

// Every text, bar and file shows energies to the hundredth of a joule.
constexpr int EnergyDecimals = 2;

struct EnergyTerm {
    EnergyKind kind;
    int body = -1;      // the body's index; -1 for the weights' work and the heat
    double exact = 0;   // J
    long long shown = 0; // hundredths of a joule, as every text shows it
    double shownJoules() const { return shown / 100.0; }
};

// The terms of the energy view at `sample`, in the order of its bars and
// of the table's columns: the weights' work, each body's kinetic energy,
// the heat (where something rubs), each body's change of potential energy,
// the cord's work on each body (where there is a cord). None for a record
// of no run.
QList<EnergyTerm> energyTerms(const RunRecord &run, const Sample &sample);

// "Trabajo del peso", "Energía cinética (bloque 1)": as the balance and the
// table's tooltips name it.
QString termName(const RunRecord &run, const EnergyTerm &term);
// "Trabajo del peso", "Bloque 1: energía cinética": as a bar is labelled,
// the body first; where that does not fit, with the symbol instead of the
// name: "W peso", "Bloque 1: Ec".
QString barLabel(const RunRecord &run, const EnergyTerm &term);
QString shortBarLabel(const RunRecord &run, const EnergyTerm &term);
// "W peso", "Ec", "ΔEp", "Q", "W tensión": as a column is headed, before
// the body and the unit.
QString termSymbol(const RunRecord &run, const EnergyTerm &term);
// The colour of the force the term comes from, as the simulation draws it;
// the kinetic energies in the blue of the bodies.
core::Rgb termColour(const RunRecord &run, const EnergyTerm &term);
// The change of potential energy is the weight's work with the other sign:
// the weight's colour, hatched.
bool termHatched(const EnergyTerm &term);
// "4,71 J" in the user's locale.
QString joulesText(const EnergyTerm &term);

// The balance at the terms' instant, in shown numbers that add up exactly:
// "Trabajo del peso 4,71 J = energía cinética 3,08 J + calor por
// rozamiento 1,63 J". Empty without terms.
QString balanceText(const RunRecord &run, const QList<EnergyTerm> &terms);

} // namespace run_data
