#pragma once

#include <QList>
#include <QString>

#include <optional>

// The scroll bars of a simulation and the quantities they hold. Values
// handed over from a problem go to the nearest position of their bar, and
// where that changes a value (rounded to the bar's step, or clipped to its
// range) the simulation window says so in one line.
namespace simulation {

// quantity = (value − valueAtZero) / stepsPerUnit, for values from
// valueAtZero to valueAtZero + steps.
struct Bar {
    QString symbol;   // "θ", "μ", "m₁"
    QString unit;     // as written after the number: "°", " kg", or none
    int stepsPerUnit; // 1 for whole degrees and kilograms, 1000 for thousandths
    int steps;
    int valueAtZero;  // 1 for the mass bars, which run from 1 to 101
    int smallChange;
    int largeChange;
    int initial;      // the value as laid out

    int minimum() const { return valueAtZero; }
    int maximum() const { return valueAtZero + steps; }
    // The quantity as the bar's field shows it: 0,35 for 35 hundredths,
    // not 35 × 0,01.
    double quantity(int value) const { return (value - valueAtZero) / double(stepsPerUnit); }
};

// The inclined plane's angle 0–90 in whole degrees, and its μ 0–1 in
// thousandths; the table's μ 0–1 in hundredths; a mass 0–100 kg in whole
// kilograms (body 1 or 2).
Bar angleBar();
Bar planeFrictionBar();
Bar tableFrictionBar();
Bar massBar(int body);

struct BarSetting {
    int value = 0;               // for the scroll bar
    double shown = 0;            // the quantity the simulation will use
    std::optional<QString> note; // "m₁ = 2,5 kg se muestra como 3 kg"
    bool clipped = false;        // the quantity lies beyond the bar's ends
};

BarSetting toBar(double quantity, const Bar &bar);

// The values for a simulation's bars, in their order (HScroll1, HScroll2,
// HScroll3), and the one-line note, empty when every value fits its bar.
struct Handover {
    QList<int> values;
    QString note;
};

Handover toBars(const QList<double> &quantities, const QList<Bar> &bars);

// Whether every quantity lies on its bar, rounded to its steps.
bool fitBars(const QList<double> &quantities, const QList<Bar> &bars);

// Text typed into a bar's field, read when the user presses Enter or leaves
// the field: the value the bar moves to, rounded to its steps with the note
// a hand-over gives; or none, where the text is not a number on the bar,
// and the note says why the bar stays at `current`.
struct Typed {
    std::optional<int> value;
    QString note;
};
Typed typedValue(const QString &text, const Bar &bar, int current);

} // namespace simulation
