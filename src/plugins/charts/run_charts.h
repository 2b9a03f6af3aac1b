#pragma once

#include "plugins/charts/run_graphs.h"

#include <QWidget>

class EnergyView;
class QChartView;
class QLineSeries;
class QScatterSeries;
class QValueAxis;

// Distance and speed against time, one chart above the other: the curve
// through every tick and the strobe points on it, blue like the marks the
// simulation leaves. Beside them, the energy bars with their balance.
class RunCharts : public QWidget, public run_data::RunGraphs
{
    Q_OBJECT
    Q_INTERFACES(run_data::RunGraphs)

public:
    explicit RunCharts(QWidget *parent = nullptr);

    void setRun(const QList<QPointF> &distanceCurve, const QList<QPointF> &speedCurve,
                const QList<QPointF> &distanceStrobes, const QList<QPointF> &speedStrobes) override;
    void appendTick(double time, double distance, double speed, bool strobe) override;
    void setEnergies(const QString &title, const QList<run_data::EnergyBar> &bars, const QString &balance) override;
    void renderGraphs(QPainter *painter, const QRectF &target) override;

private:
    struct Graph {
        QChartView *view = nullptr;
        QLineSeries *curve = nullptr;
        QScatterSeries *strobes = nullptr;
        QValueAxis *time = nullptr;
        QValueAxis *value = nullptr;
    };

    Graph makeGraph(const QString &title, const QString &valueTitle);
    // Widens an axis, in round steps, when a point lies beyond it; a run
    // widens each axis a few times at most.
    static void fit(QValueAxis *axis, double value);

    Graph m_distance;
    Graph m_speed;
    EnergyView *m_energy;
};
