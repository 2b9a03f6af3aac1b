#include "core/exercises/physics.h"

#include "core/problems/atwood_cases.h"
#include "core/problems/horizontal_plane_cases.h"
#include "core/problems/inclined_plane_cases.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace exercises {

namespace {

constexpr double g = solvers::Gravity;

double degrees(double radians)
{
    return radians * 180 / std::numbers::pi;
}

// a = g·(sin θ − μ·cos θ). For θ, the law reads a = g·√(1 + μ²)·sin(θ − arctan μ),
// and a block that slides has θ − arctan μ between 0° and 90°.
void inclinedPlane(int number, Values &v)
{
    using namespace solvers::inclined;
    const double a = v[Acceleration], theta = radians(v[Angle]), mu = v[Friction];
    if (number == 1)
        v[Friction] = (g * std::sin(theta) - a) / (g * std::cos(theta));
    else if (number == 2)
        v[Angle] = degrees(std::atan(mu) + std::asin(a / (g * std::sqrt(1 + mu * mu))));
    else
        v[Acceleration] = g * (std::sin(theta) - mu * std::cos(theta));
}

// Block 1 on the table, T − μ·m1·g = m1·a, so m1 = T / (a + μ·g);
// hanging block 2, m2·g − T = m2·a, so m2 = T / (g − a) and a = g − T / m2;
// and their sum, (m2 − μ·m1)·g = (m1 + m2)·a.
void horizontalPlane(int number, Values &v)
{
    using namespace solvers::horizontal;
    double &m1 = v[Mass1], &m2 = v[Mass2], &mu = v[Friction], &a = v[Acceleration], &t = v[Tension];
    switch (number) {
    case 1:
        a = (m2 - mu * m1) * g / (m1 + m2);
        t = m2 * (g - a);
        break;
    case 2:
        mu = (m2 * g - a * (m1 + m2)) / (m1 * g);
        t = m2 * (g - a);
        break;
    case 3:
        a = g - t / m2;
        mu = (t - m1 * a) / (m1 * g);
        break;
    case 4: // Eliminating a: T·(m1 + m2) = m1·m2·(1 + μ)·g.
        m2 = m1 * t / (m1 * (1 + mu) * g - t);
        a = g - t / m2;
        break;
    case 5:
        m2 = t / (g - a);
        mu = (t - m1 * a) / (m1 * g);
        break;
    case 6:
        t = m1 * (a + mu * g);
        m2 = t / (g - a);
        break;
    case 8:
        t = m2 * (g - a);
        m1 = t / (a + mu * g);
        break;
    case 9:
        a = g - t / m2;
        m1 = t / (a + mu * g);
        break;
    default:
        m1 = t / (a + mu * g);
        m2 = t / (g - a);
        break;
    }
}

// Block 1 goes down, m1·g − T = m1·a, so m1 = T / (g − a);
// block 2 goes up, T − m2·g = m2·a, so m2 = T / (g + a).
void atwoodMachine(int number, Values &v)
{
    using namespace solvers::atwood;
    double &m1 = v[Mass1], &m2 = v[Mass2], &a = v[Acceleration], &t = v[Tension];
    switch (number) {
    case 1:
        a = (m1 - m2) * g / (m1 + m2);
        t = m1 * (g - a);
        break;
    case 2:
        t = m1 * (g - a);
        m2 = t / (g + a);
        break;
    case 3:
        a = g - t / m1;
        m2 = t / (g + a);
        break;
    case 4:
        t = m2 * (g + a);
        m1 = t / (g - a);
        break;
    case 5:
        a = t / m2 - g;
        m1 = t / (g - a);
        break;
    default:
        m1 = t / (g - a);
        m2 = t / (g + a);
        break;
    }
}

// The laws of the problems are polynomials or sines in each unknown, well
// away from a flat point where a case fixes them: Newton's steps shrink fast.
constexpr int NewtonSteps = 60;
constexpr double Settled = 1e-12;
constexpr double Residual = 1e-8;

} // namespace

Values solveExactly(const CaseInfo &kase, Values values)
{
    switch (kase.problem) {
    case ProblemKind::InclinedPlane:
        inclinedPlane(kase.number, values);
        break;
    case ProblemKind::HorizontalPlane:
        horizontalPlane(kase.number, values);
        break;
    case ProblemKind::AtwoodMachine:
        atwoodMachine(kase.number, values);
        break;
    }
    return values;
}

std::optional<Values> solveLaws(Laws laws, const Values &start, const QList<int> &unknowns)
{
    const int n = int(unknowns.size());
    if (n < 1 || n > 2)
        return std::nullopt;
    Values v = start;
    for (int step = 0; step < NewtonSteps; ++step) {
        const std::array<double, 2> r = laws(v);
        // The Jacobian by central differences: exact for the terms linear in
        // an unknown, and exactly zero for an unknown that does not appear.
        double j[2][2] = {};
        for (int column = 0; column < n; ++column) {
            const int field = unknowns.at(column);
            const double h = 1e-7 * std::max(1.0, std::fabs(v[field]));
            Values up = v, down = v;
            up[field] += h;
            down[field] -= h;
            const std::array<double, 2> ru = laws(up), rd = laws(down);
            for (int row = 0; row < n; ++row)
                j[row][column] = (ru[row] - rd[row]) / (2 * h);
        }
        double d[2] = {};
        if (n == 1) {
            if (!(std::fabs(j[0][0]) > 0))
                return std::nullopt;
            d[0] = -r[0] / j[0][0];
        } else {
            const double det = j[0][0] * j[1][1] - j[0][1] * j[1][0];
            if (!(std::fabs(det) > 1e-9 * (std::fabs(j[0][0] * j[1][1]) + std::fabs(j[0][1] * j[1][0]))))
                return std::nullopt;
            d[0] = (r[1] * j[0][1] - r[0] * j[1][1]) / det;
            d[1] = (r[0] * j[1][0] - r[1] * j[0][0]) / det;
        }
        bool settled = true;
        for (int i = 0; i < n; ++i) {
            double &x = v[unknowns.at(i)];
            x += d[i];
            if (!std::isfinite(x))
                return std::nullopt;
            settled = settled && std::fabs(d[i]) <= Settled * std::max(1.0, std::fabs(x));
        }
        if (settled) {
            const std::array<double, 2> left = laws(v);
            if (std::fabs(left[0]) > Residual || std::fabs(left[1]) > Residual)
                return std::nullopt;
            return v;
        }
    }
    return std::nullopt;
}

double radians(double degrees)
{
    return degrees * std::numbers::pi / 180;
}

double tolerance(bool angle, double value)
{
    if (angle)
        return 0.5;
    return std::max(0.01 * std::fabs(value), 0.01);
}

} // namespace exercises
