#pragma once

#include "plugins/charts/run_graphs.h"

#include <QWidget>

class QLabel;

// The energy graph: a horizontal bar for each energy of the run at one
// instant, from a zero line (negative to the left), its value at the end of
// the row, a scale in joules under the bars and the balance line under
// everything. Drawn by hand rather than with Qt Charts: a few rectangles
// that a strobe changes at once, and labels that wrap to the room there is.
class EnergyView : public QWidget
{
    Q_OBJECT

public:
    explicit EnergyView(QWidget *parent = nullptr);

    void setEnergies(const QString &title, const QList<run_data::EnergyBar> &bars, const QString &balance);
    // The whole graph into `target` with the widget's font, the balance
    // line included (for PNG and SVG).
    void render(QPainter *painter, const QRectF &target) const;

    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    struct Layout;
    Layout layoutIn(const QRectF &target) const;
    void paintGraph(QPainter *painter, const Layout &layout) const;
    // The balance is a label, so it can be selected and read aloud.
    void placeBalance();

    QString m_title;
    QList<run_data::EnergyBar> m_bars;
    QLabel *m_balance;
};
