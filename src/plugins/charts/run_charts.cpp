#include "run_charts.h"

#include "energy_view.h"

#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QLocale>
#include <QPainter>
#include <QScatterSeries>
#include <QGridLayout>
#include <QValueAxis>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// The smallest round number (1, 1.2, 1.5, 2, 2.5, 3, 4, 5, 6, 8 times a power
// of ten) at or above `value`, and the tick interval that divides it into
// four to six parts that read well.
struct Round {
    double maximum;
    double interval;
};

Round roundUp(double value)
{
    static constexpr std::array<std::pair<double, double>, 11> steps{{
        {1, 0.2}, {1.2, 0.2}, {1.5, 0.5}, {2, 0.5}, {2.5, 0.5}, {3, 0.5},
        {4, 1}, {5, 1}, {6, 1}, {8, 2}, {10, 2}}};
    value = std::max(value, 1e-3);
    const double scale = std::pow(10.0, std::floor(std::log10(value)));
    for (const auto &[maximum, interval] : steps) {
        if (maximum * scale >= value * (1 - 1e-12))
            return {maximum * scale, interval * scale};
    }
    return {10 * scale, 2 * scale};
}

void setRoundRange(QValueAxis *axis, double value)
{
    const Round round = roundUp(value);
    const int decimals = std::max(0, int(std::ceil(-std::log10(round.interval) - 1e-9)));
    axis->setLabelFormat(QStringLiteral("%.%1f").arg(decimals));
    axis->setTickInterval(round.interval);
    axis->setRange(0, round.maximum);
}

constexpr double InitialTime = 1;     // s: most runs last under a second
constexpr double InitialDistance = 1; // m: every run covers about a metre
constexpr double InitialSpeed = 1;    // m/s

double largestY(const QList<QPointF> &points, double floor)
{
    for (const QPointF &point : points)
        floor = std::max(floor, point.y());
    return floor;
}

} // namespace

RunCharts::RunCharts(QWidget *parent)
    : QWidget(parent)
{
    m_distance = makeGraph(tr("Distancia recorrida"), tr("Distancia (m)"));
    //: Title of the speed graph
    m_speed = makeGraph(tr("Velocidad"), tr("Velocidad (m/s)"));
    m_energy = new EnergyView(this);
    m_energy->setObjectName(QStringLiteral("EnergyGraph"));
    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(m_distance.view, 0, 0);
    layout->addWidget(m_speed.view, 1, 0);
    layout->addWidget(m_energy, 0, 1, 2, 1);
    layout->setColumnStretch(0, 1);
    layout->setColumnStretch(1, 1);
    setRun({}, {}, {}, {});
}

RunCharts::Graph RunCharts::makeGraph(const QString &title, const QString &valueTitle)
{
    Graph graph;
    auto *chart = new QChart;
    chart->setTitle(title);
    chart->legend()->hide();
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setLocalizeNumbers(true);
    chart->setLocale(QLocale());
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->setBackgroundRoundness(0);

    graph.curve = new QLineSeries;
    graph.curve->setPen(QPen(QColor(0x20, 0x20, 0x20), 1.5));
    graph.strobes = new QScatterSeries;
    graph.strobes->setMarkerShape(QScatterSeries::MarkerShapeCircle);
    graph.strobes->setMarkerSize(7);
    graph.strobes->setColor(QColor(0, 0, 255));
    graph.strobes->setBorderColor(QColor(0, 0, 255));
    chart->addSeries(graph.curve);
    chart->addSeries(graph.strobes);

    graph.time = new QValueAxis;
    //: Graph axis title
    graph.time->setTitleText(tr("Tiempo (s)"));
    graph.time->setTickType(QValueAxis::TicksDynamic);
    graph.time->setTickAnchor(0);
    graph.value = new QValueAxis;
    graph.value->setTitleText(valueTitle);
    graph.value->setTickType(QValueAxis::TicksDynamic);
    graph.value->setTickAnchor(0);
    chart->addAxis(graph.time, Qt::AlignBottom);
    chart->addAxis(graph.value, Qt::AlignLeft);
    for (QXYSeries *series : {static_cast<QXYSeries *>(graph.curve), static_cast<QXYSeries *>(graph.strobes)}) {
        series->attachAxis(graph.time);
        series->attachAxis(graph.value);
    }

    graph.view = new QChartView(chart, this);
    graph.view->setRenderHint(QPainter::Antialiasing);
    graph.view->setMinimumSize(300, 200);
    return graph;
}

void RunCharts::setRun(const QList<QPointF> &distanceCurve, const QList<QPointF> &speedCurve,
                       const QList<QPointF> &distanceStrobes, const QList<QPointF> &speedStrobes)
{
    const double lastTime = distanceCurve.isEmpty() ? 0 : distanceCurve.last().x();
    for (Graph *graph : {&m_distance, &m_speed}) {
        const bool distance = graph == &m_distance;
        const QList<QPointF> &curve = distance ? distanceCurve : speedCurve;
        graph->curve->replace(curve);
        graph->strobes->replace(distance ? distanceStrobes : speedStrobes);
        setRoundRange(graph->time, std::max(lastTime, InitialTime));
        setRoundRange(graph->value, largestY(curve, distance ? InitialDistance : InitialSpeed));
    }
}

void RunCharts::fit(QValueAxis *axis, double value)
{
    if (value > axis->max())
        setRoundRange(axis, value);
}

void RunCharts::appendTick(double time, double distance, double speed, bool strobe)
{
    fit(m_distance.time, time);
    fit(m_speed.time, time);
    fit(m_distance.value, distance);
    fit(m_speed.value, speed);
    m_distance.curve->append(time, distance);
    m_speed.curve->append(time, speed);
    if (strobe) {
        m_distance.strobes->append(time, distance);
        m_speed.strobes->append(time, speed);
    }
}

void RunCharts::setEnergies(const QString &title, const QList<run_data::EnergyBar> &bars, const QString &balance)
{
    m_energy->setEnergies(title, bars, balance);
}

void RunCharts::renderGraphs(QPainter *painter, const QRectF &target)
{
    // Laid out as on screen: distance over speed on the left, the energy on
    // the right, each graph laid out for its share of the target, so text
    // keeps its size and nothing is stretched.
    const QSizeF cell(target.width() / 2, target.height() / 2);
    QRectF top(target.topLeft(), cell);
    for (QChartView *view : {m_distance.view, m_speed.view}) {
        QChart *chart = view->chart();
        const QRectF shown = chart->geometry();
        chart->resize(top.size());
        chart->scene()->render(painter, top, QRectF(chart->pos(), top.size()));
        chart->setGeometry(shown);
        top.translate(0, cell.height());
    }
    m_energy->render(painter, QRectF(target.left() + cell.width(), target.top(), cell.width(), target.height()));
}
