#include "measure.h"

#include <QDateTime>
#include <QFile>
#include <QRegularExpression>

#include <algorithm>
#include <chrono>

namespace bench {

qint64 monotonicNanos()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double medianMicros(int iterations, const std::function<void()> &op)
{
    return medianMicros(iterations, [] {}, op);
}

double medianMicros(int iterations, const std::function<void()> &prepare, const std::function<void()> &op)
{
    std::vector<double> micros;
    micros.reserve(iterations);
    for (int i = 0; i < iterations; ++i) {
        prepare();
        const qint64 start = monotonicNanos();
        op();
        micros.push_back((monotonicNanos() - start) / 1000.0);
    }
    return median(std::move(micros));
}

QString cpuModel()
{
    QFile cpuinfo(QStringLiteral("/proc/cpuinfo"));
    if (!cpuinfo.open(QIODevice::ReadOnly))
        return QStringLiteral("?");
    const QString text = QString::fromLatin1(cpuinfo.readAll());
    const QString model = QRegularExpression(QStringLiteral("model name\\s*:\\s*([^\\n]+)")).match(text).captured(1);
    const int cores = int(text.count(QStringLiteral("processor\t")));
    return QStringLiteral("%1, %2 cores").arg(model).arg(cores);
}

namespace {
QString number(double value)
{
    return QString::number(value, 'f', value < 10 ? 2 : 1);
}
} // namespace

QString Table::markdown(const QString &system, const QString &cpu) const
{
    QString out;
    out += QStringLiteral("Measured %1 on %2 (%3), offscreen platform, device pixel ratio 1.\n\n")
               .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")), cpu, system);
    out += QStringLiteral("| Measure | Median | Floor | Ratio | Target | Met |\n");
    out += QStringLiteral("|---|---:|---:|---:|---|---|\n");
    for (const Row &row : m_rows) {
        QString floor = QStringLiteral("–");
        QString ratio = QStringLiteral("–");
        QStringList targets;
        bool met = true;
        if (row.floor) {
            floor = QStringLiteral("%1 %2 (%3)").arg(number(*row.floor), row.unit, row.floorWhat);
            ratio = QStringLiteral("%1×").arg(row.value / *row.floor, 0, 'f', 2);
        }
        if (row.maxValue) {
            targets << QStringLiteral("< %1 %2").arg(number(*row.maxValue), row.unit);
            met = met && row.value < *row.maxValue;
        }
        if (row.maxRatio && row.floor) {
            targets << QStringLiteral("≤ %1× floor").arg(*row.maxRatio, 0, 'f', 1);
            met = met && row.value <= *row.maxRatio * *row.floor;
        }
        out += QStringLiteral("| %1 | %2 %3 | %4 | %5 | %6 | %7 |\n")
                   .arg(row.what, number(row.value), row.unit, floor, ratio,
                        targets.isEmpty() ? QStringLiteral("–") : targets.join(QStringLiteral(", ")),
                        targets.isEmpty() ? QStringLiteral("–") : (met ? QStringLiteral("yes") : QStringLiteral("no")));
    }
    return out;
}

} // namespace bench
