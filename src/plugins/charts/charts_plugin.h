#pragma once

#include "plugins/charts/run_graphs.h"

#include <QObject>

class ChartsPlugin : public QObject, public run_data::RunGraphsFactory
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID CUESTAVAL_RUN_GRAPHS_FACTORY_IID)
    Q_INTERFACES(run_data::RunGraphsFactory)

public:
    QWidget *createGraphs(QWidget *parent) override;
};
