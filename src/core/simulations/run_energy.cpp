#include "core/simulations/run_energy.h"

#include "core/constants.h"
#include "core/text/number_text.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace run_data {

namespace {

long long hundredths(double joules)
{
    return std::llround(joules * 100);
}

// Rounded one by one, the parts of a balance need not add up to its rounded
// total: 1,004 J + 1,004 J = 2,008 J shows as 1,00 + 1,00 = 2,01, and a
// student who adds the shown numbers finds the balance a hundredth off. So
// the total is rounded as usual and its parts share it out by the largest
// remainder: each part is rounded down, then the parts that lost most are
// rounded up, a hundredth each, until they make up the total. No part is
// then a hundredth or more from its value, and where rounding each part on
// its own already adds up, this is that rounding.
void shareOut(const QList<EnergyTerm *> &parts, long long total)
{
    if (parts.isEmpty())
        return;
    long long sum = 0;
    for (EnergyTerm *part : parts) {
        part->shown = static_cast<long long>(std::floor(part->exact * 100));
        sum += part->shown;
    }
    QList<EnergyTerm *> byRemainder = parts;
    std::stable_sort(byRemainder.begin(), byRemainder.end(), [](const EnergyTerm *l, const EnergyTerm *r) {
        return l->exact * 100 - double(l->shown) > r->exact * 100 - double(r->shown);
    });
    // Exactly, the parts add up to the total, so 0 ≤ missing ≤ parts; the
    // bounds only guard against the last bit of a double.
    const long long missing = std::clamp(total - sum, 0LL, static_cast<long long>(parts.size()));
    for (long long i = 0; i < missing; ++i)
        ++byRemainder[i]->shown;
}

int workingWeights(const RunRecord &run)
{
    return int(std::count_if(run.energy().bodies.begin(), run.energy().bodies.end(),
                             [](const EnergyBody &body) { return body.rise != 0; }));
}

QString upperFirst(QString text)
{
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

QString withBody(const RunRecord &run, const QString &name, int body)
{
    const QString bodyName = body >= 0 ? run.bodies().value(body) : QString();
    if (bodyName.isEmpty())
        return name;
    //: An energy of one body: %1 the energy ("Energía cinética"), %2 the body ("bloque 1")
    return QCoreApplication::translate("RunEnergy", "%1 (%2)").arg(name, bodyName);
}

QString lowerFirst(QString text)
{
    if (!text.isEmpty())
        text[0] = text[0].toLower();
    return text;
}

} // namespace

QList<EnergyTerm> energyTerms(const RunRecord &run, const Sample &sample)
{
    const EnergySetup &setup = run.energy();
    const double g = constants::SimulationGravity;
    const double d = sample.distance;
    const double tension = run.tension().value_or(0);

    EnergyTerm weights{EnergyKind::WeightWork, -1, 0, 0};
    QList<EnergyTerm> kinetic, potential, cord;
    for (int i = 0; i < setup.bodies.size(); ++i) {
        const EnergyBody &body = setup.bodies.at(i);
        const double potentialChange = body.mass * g * body.rise * d;
        weights.exact -= potentialChange;
        kinetic.append({EnergyKind::Kinetic, i, body.mass * sample.speed * sample.speed / 2, 0});
        potential.append({EnergyKind::PotentialChange, i, potentialChange, 0});
        if (run.tension())
            cord.append({EnergyKind::TensionWork, i, body.cordPull * tension * d, 0});
    }
    if (setup.bodies.isEmpty())
        return {};

    QList<EnergyTerm> terms{weights};
    terms += kinetic;
    if (setup.rubs)
        terms.append({EnergyKind::Heat, -1, setup.frictionPerKg * setup.bodies.first().mass * d, 0});
    terms += potential;
    terms += cord;

    // The weights' work as rounded; where it goes shares it out, and the
    // potential energy lost is the same number.
    terms.first().shown = hundredths(terms.first().exact);
    QList<EnergyTerm *> destinations, potentials;
    for (EnergyTerm &term : terms) {
        if (term.kind == EnergyKind::Kinetic || term.kind == EnergyKind::Heat)
            destinations.append(&term);
        else if (term.kind == EnergyKind::PotentialChange)
            potentials.append(&term);
        else if (term.kind == EnergyKind::TensionWork)
            term.shown = hundredths(term.exact); // halves away from zero: ±T·d stay opposite
    }
    shareOut(destinations, terms.first().shown);
    shareOut(potentials, -terms.first().shown);
    return terms;
}

QString termName(const RunRecord &run, const EnergyTerm &term)
{
    switch (term.kind) {
    case EnergyKind::WeightWork:
        // On the table only block 2's weight works: block 1 keeps its height.
        if (workingWeights(run) > 1)
            //: Bar label and start of the balance line: the work of both weights (Atwood machine)
            return QCoreApplication::translate("RunEnergy", "Trabajo de los pesos");
        //: Bar label and start of the balance line: the work of the one weight that works
        return QCoreApplication::translate("RunEnergy", "Trabajo del peso");
    case EnergyKind::Kinetic:
        return withBody(run, QCoreApplication::translate("RunEnergy", "Energía cinética"), term.body);
    case EnergyKind::Heat:
        return QCoreApplication::translate("RunEnergy", "Calor por rozamiento");
    case EnergyKind::PotentialChange:
        return withBody(run, QCoreApplication::translate("RunEnergy", "Variación de energía potencial"), term.body);
    case EnergyKind::TensionWork:
        return withBody(run, QCoreApplication::translate("RunEnergy", "Trabajo de la tensión"), term.body);
    }
    return {};
}

QString termSymbol(const RunRecord &run, const EnergyTerm &term)
{
    switch (term.kind) {
    case EnergyKind::WeightWork:
        if (workingWeights(run) > 1)
            //: Column heading: W (work) of both weights; the body and unit follow
            return QCoreApplication::translate("RunEnergy", "W pesos");
        //: Column heading: W (work) of the weight; the unit follows
        return QCoreApplication::translate("RunEnergy", "W peso");
    case EnergyKind::Kinetic:
        //: Column heading: the symbol of kinetic energy in the school books
        return QCoreApplication::translate("RunEnergy", "Ec");
    case EnergyKind::Heat:
        //: Column heading: the symbol of heat
        return QCoreApplication::translate("RunEnergy", "Q");
    case EnergyKind::PotentialChange:
        //: Column heading: the symbol of the change of potential energy
        return QCoreApplication::translate("RunEnergy", "ΔEp");
    case EnergyKind::TensionWork:
        //: Column heading: W (work) of the tension
        return QCoreApplication::translate("RunEnergy", "W tensión");
    }
    return {};
}

QString barLabel(const RunRecord &run, const EnergyTerm &term)
{
    const QString body = term.body >= 0 ? run.bodies().value(term.body) : QString();
    if (body.isEmpty())
        return termName(run, term);
    EnergyTerm whole = term;
    whole.body = -1;
    //: A bar of one body's energy: %1 the body ("bloque 1"), %2 the energy ("energía cinética")
    return QCoreApplication::translate("RunEnergy", "%1: %2").arg(upperFirst(body), lowerFirst(termName(run, whole)));
}

QString shortBarLabel(const RunRecord &run, const EnergyTerm &term)
{
    const QString body = term.body >= 0 ? run.bodies().value(term.body) : QString();
    if (body.isEmpty())
        return termSymbol(run, term);
    return QCoreApplication::translate("RunEnergy", "%1: %2").arg(upperFirst(body), termSymbol(run, term));
}

core::Rgb termColour(const RunRecord &run, const EnergyTerm &term)
{
    switch (term.kind) {
    case EnergyKind::WeightWork:
    case EnergyKind::PotentialChange:
        return run.energy().weightColour;
    case EnergyKind::Kinetic:
        return core::colour::blue;
    case EnergyKind::Heat:
        return run.energy().frictionColour;
    case EnergyKind::TensionWork:
        return run.energy().tensionColour;
    }
    return core::colour::black;
}

bool termHatched(const EnergyTerm &term)
{
    return term.kind == EnergyKind::PotentialChange;
}

QString joulesText(const EnergyTerm &term)
{
    return core::formatGrouped(term.shownJoules(), EnergyDecimals) + QStringLiteral(" J");
}

QString balanceText(const RunRecord &run, const QList<EnergyTerm> &terms)
{
    if (terms.isEmpty())
        return {};
    const auto said = [&](const EnergyTerm &term, bool first) {
        const QString name = termName(run, term);
        //: One quantity of the balance line: %1 its name, %2 its value with the unit ("energía cinética 3,08 J")
        return QCoreApplication::translate("RunEnergy", "%1 %2")
            .arg(first ? name : lowerFirst(name), joulesText(term));
    };
    QStringList parts;
    for (const EnergyTerm &term : terms)
        if (term.kind == EnergyKind::Kinetic || term.kind == EnergyKind::Heat)
            parts.append(said(term, false));
    return said(terms.first(), true) + QStringLiteral(" = ") + parts.join(QStringLiteral(" + "));
}

} // namespace run_data
