#pragma once

#include <QList>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace bench {

qint64 monotonicNanos();
double median(std::vector<double> values);

// Median time of one call of `op`, in microseconds; `prepare` runs before
// each call, untimed.
double medianMicros(int iterations, const std::function<void()> &op);
double medianMicros(int iterations, const std::function<void()> &prepare, const std::function<void()> &op);

QString cpuModel();

struct Row {
    QString what;
    double value;
    QString unit;
    std::optional<double> floor;
    QString floorWhat;
    std::optional<double> maxRatio;  // target: value ≤ maxRatio × floor
    std::optional<double> maxValue;  // target: value < maxValue
};

class Table
{
public:
    void add(const Row &row) { m_rows.append(row); }
    QString markdown(const QString &system, const QString &cpu) const;

private:
    QList<Row> m_rows;
};

} // namespace bench
