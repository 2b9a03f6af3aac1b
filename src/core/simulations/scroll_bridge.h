#pragma once

#include <QList>
#include <QString>

#include <optional>

// A solved problem handed to its simulation: each value goes to the nearest
// position of the scroll bar that sets it, and where that changes the value
// (rounded to the bar's step, or clipped to its range) the simulation window
// says so in one line.
namespace run_data {

// How a scroll bar holds a quantity: quantity = (value − valueAtZero) /
// stepsPerUnit, for values from valueAtZero to valueAtZero + maximumSteps.
struct ScrollScale {
    QString symbol;    // "θ", "μ", "m₁"
    QString unit;      // as written after the number: "°", " kg", or none
    int stepsPerUnit;  // 1 for whole degrees and kilograms, 1000 for thousandths
    int maximumSteps;
    int valueAtZero;   // 1 for the mass bars, which run from 1 to 101
};

// Form2: angle 0–90 in whole degrees; μ 0–1 in thousandths.
ScrollScale inclinedAngleScale();
ScrollScale inclinedFrictionScale();
// Form3's μ: 0–1 in hundredths.
ScrollScale tableFrictionScale();
// The mass bars of Form3 and Form6: 0–100 kg in whole kilograms.
ScrollScale massScale(int body);

struct ScrollSetting {
    int value = 0;      // for the scroll bar
    double shown = 0;   // the quantity the simulation will use
    std::optional<QString> note; // "m₁ = 2,5 kg se muestra como 3 kg"
};

ScrollSetting toScroll(double quantity, const ScrollScale &scale);

// The scroll values for a whole simulation window, in the order of its bars
// (HScroll1, HScroll2, HScroll3), and the one-line note, empty when every
// value fits its bar exactly.
struct Handover {
    QList<int> scrollValues;
    QString note;
};

Handover toInclinedPlane(double angleDegrees, double mu);
Handover toHorizontalPlane(double m1, double m2, double mu);
Handover toAtwood(double m1, double m2);

} // namespace run_data
