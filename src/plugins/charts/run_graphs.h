#pragma once

#include <QColor>
#include <QList>
#include <QObject>
#include <QPointF>
#include <QString>

class QPainter;
class QRectF;
class QWidget;

// The graphs of a run, distance and speed against time and the energy bars,
// come from a plugin (Qt Charts is too heavy to load at start-up). These two
// interfaces are all the program knows of it.
namespace run_data {

// One bar of the energy graph, as the program reckoned and wrote it.
struct EnergyBar {
    QString label;  // "Bloque 1: energía cinética"
    QString shortLabel; // "Bloque 1: Ec", where the label does not fit
    QString value;  // "3,08 J"
    double joules;  // its length, negative to the left
    QColor colour;  // of the force it comes from
    bool hatched;   // a change of potential energy
};

// The graphs widget the plugin makes. Times in s, distances in m, speeds in
// m/s, energies in J; the plugin computes nothing, it plots what it is given.
class RunGraphs
{
public:
    virtual ~RunGraphs() = default;

    // Replaces everything: the curves sampled at every tick and the strobe
    // points on them.
    virtual void setRun(const QList<QPointF> &distanceCurve, const QList<QPointF> &speedCurve,
                        const QList<QPointF> &distanceStrobes, const QList<QPointF> &speedStrobes) = 0;
    // One tick of the run in progress: appends to the curves, and to the
    // strobe points when the tick left marks. Never rebuilds a series.
    virtual void appendTick(double time, double distance, double speed, bool strobe) = 0;
    // The energy graph: its title ("Energía a los 0,80 s"), the bars, and
    // the line of the balance under them.
    virtual void setEnergies(const QString &title, const QList<EnergyBar> &bars, const QString &balance) = 0;
    // Every graph, as the widget lays them out, into `target` (for PNG and SVG).
    virtual void renderGraphs(QPainter *painter, const QRectF &target) = 0;
};

// The plugin's root object.
class RunGraphsFactory
{
public:
    virtual ~RunGraphsFactory() = default;
    // A QWidget that also implements RunGraphs, owned by `parent`.
    virtual QWidget *createGraphs(QWidget *parent) = 0;
};

// The plugin's file name, lib<name>.so.
inline constexpr char GraphsPluginName[] = "cuestaval_charts";

} // namespace run_data

// The version changes with the interface, so a plugin of another version
// is not loaded.
#define CUESTAVAL_RUN_GRAPHS_IID "org.cuestaval.RunGraphs/2.0"
#define CUESTAVAL_RUN_GRAPHS_FACTORY_IID "org.cuestaval.RunGraphsFactory/2.0"
Q_DECLARE_INTERFACE(run_data::RunGraphs, CUESTAVAL_RUN_GRAPHS_IID)
Q_DECLARE_INTERFACE(run_data::RunGraphsFactory, CUESTAVAL_RUN_GRAPHS_FACTORY_IID)
