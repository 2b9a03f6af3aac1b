#include "charts_plugin.h"

#include "run_charts.h"

QWidget *ChartsPlugin::createGraphs(QWidget *parent)
{
    return new RunCharts(parent);
}
