#include "core/simulations/inclined_plane_simulation.h"

#include "core/text/number_text.h"

#include <QCoreApplication>

namespace simulation {

namespace model = inclined_plane;

namespace {

//: Shown instead of an acceleration: friction holds the block still
const char *const FrictionWins = QT_TRANSLATE_NOOP("Form2", "Fricción mayor");

QString frictionWins()
{
    return QCoreApplication::translate("Form2", FrictionWins);
}

} // namespace

QList<Bar> InclinedPlane::bars() const
{
    return {angleBar(), planeFrictionBar()};
}

RunRules InclinedPlane::rules() const
{
    // The load's tick finds the plane level and only settles the window;
    // only a run begun by "Iniciar Movimiento" advances, so "Detener
    // Movimiento" can stop every run that moves.
    return {360, false, true, true, true, false};
}

void InclinedPlane::takeBars(const QList<int> &barValues)
{
    m_incline = {double(barValues.value(0)), barValues.value(1) / 1000.0};
}

double InclinedPlane::acceleration() const
{
    return model::acceleration(m_incline);
}

bool InclinedPlane::canStart() const
{
    return acceleration() > 0;
}

bool InclinedPlane::moves() const
{
    return acceleration() > 0;
}

bool InclinedPlane::finished() const
{
    return model::pastFloor(m_scene, height());
}

void InclinedPlane::placeAtStart()
{
    m_scene = model::startScene(m_incline, width(), height());
    m_enlargedScale = model::enlargedScale(m_incline, width(), height());
}

void InclinedPlane::advance(const core::RunClock &clock)
{
    m_scene = model::slide(m_scene, m_incline, clock, width());
}

run_data::Sample InclinedPlane::sample() const
{
    return {time(), model::distanceAt(m_incline, time()), acceleration() * time()};
}

run_data::RunRecord InclinedPlane::newRecord() const
{
    return run_data::RunRecord::inclinedPlane(m_incline);
}

Readouts InclinedPlane::readouts(Moment moment, int bar) const
{
    const double a = acceleration();
    const bool level = m_incline.angleDegrees == 0;
    switch (moment) {
    case Moment::Load:
        return {{1, barText(0)}, {2, barText(1)}};
    case Moment::BarMoved: {
        Readouts shown{{bar + 1, barText(bar)}};
        // On the level a block held by friction shows nothing new; the angle
        // bar shows "0" when nothing acts along the plane at all.
        if (a > 0)
            shown.append({3, core::format2(a)});
        else if (bar == 0 && a == 0)
            shown.append({3, QStringLiteral("0")});
        else if (!level)
            shown.append({3, frictionWins()});
        return shown;
    }
    case Moment::StartRefused:
        if (!level)
            return {{3, frictionWins()}};
        return {};
    case Moment::Start:
        return {};
    case Moment::Tick:
        return {{4, core::format2(time())}, {5, core::format2(model::distanceAt(m_incline, time()))}};
    }
    return {};
}

void InclinedPlane::drawFixed(core::Canvas &canvas) const
{
    model::drawFixedParts(canvas);
}

core::Frame InclinedPlane::loadFrame() const
{
    return model::loadFrame(width(), height());
}

core::Frame InclinedPlane::frame() const
{
    // A run's ticks draw the friction's head even where it has no length.
    const model::Scene drawn = isEnlarged() ? model::withForcesAt(m_scene, m_incline, m_enlargedScale) : m_scene;
    return model::frame({m_incline, drawn, hasMoved()}, width(), height());
}

enlarged::ScaleLine InclinedPlane::scaleLine() const
{
    return model::scaleLine(m_enlargedScale, width(), height());
}

std::optional<GravityShown> InclinedPlane::gravityShown() const
{
    // "Fricción mayor" is no number to compare.
    if (acceleration() <= 0)
        return std::nullopt;
    return GravityShown{QStringLiteral("a"), QStringLiteral("m/s²"), acceleration(), 2};
}

core::Frame InclinedPlane::strobeStrips() const
{
    return model::strobeStrips(width(), height());
}

QList<core::Point> InclinedPlane::strobePoints() const
{
    return model::strobePoints(m_scene, width(), height());
}

} // namespace simulation
