#include "energy_view.h"

#include <QLabel>
#include <QLocale>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// The white card of each graph, inset as the charts beside it are.
constexpr double CardMargin = 9;

// Steps of the scale: 1, 2 or 5 times a power of ten, for four to seven
// parts from the leftmost bar to the rightmost.
double scaleStep(double span)
{
    span = std::max(span, 1e-9);
    const double power = std::pow(10.0, std::floor(std::log10(span)));
    for (double step : {0.1, 0.2, 0.5, 1.0, 2.0})
        if (span / (step * power) <= 7)
            return step * power;
    return 5 * power;
}

int stepDecimals(double step)
{
    return std::max(0, int(std::ceil(-std::log10(step) - 1e-9)));
}

} // namespace

struct EnergyView::Layout {
    QRectF card;
    QRectF title;
    QRectF rows;    // the bars and their labels
    QRectF scale;   // tick labels and the axis title
    QRectF balance;
    double barLeft = 0;
    double barRight = 0;
    double valueWidth = 0;
    double rowHeight = 0;
    double lineHeight = 0;
    double low = 0;  // J at barLeft (0 or negative)
    double high = 1; // J at barRight
    double step = 1;
    double x(double joules) const { return barLeft + (joules - low) / (high - low) * (barRight - barLeft); }
};

EnergyView::EnergyView(QWidget *parent)
    : QWidget(parent)
    , m_balance(new QLabel(this))
{
    m_balance->setObjectName(QStringLiteral("EnergyBalance"));
    m_balance->setWordWrap(true);
    m_balance->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QPalette palette = m_balance->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    m_balance->setPalette(palette);
}

void EnergyView::setEnergies(const QString &title, const QList<run_data::EnergyBar> &bars, const QString &balance)
{
    m_title = title;
    const bool rowsChanged = bars.size() != m_bars.size();
    m_bars = bars;
    if (rowsChanged)
        updateGeometry();
    // The line breaks only at "=" and "+", never inside a term.
    QString shown = balance;
    shown.replace(QLatin1Char(' '), QChar(QChar::Nbsp));
    shown.replace(QStringLiteral("\u00A0=\u00A0"), QStringLiteral(" = "));
    shown.replace(QStringLiteral("\u00A0+\u00A0"), QStringLiteral(" + "));
    if (m_balance->text() != shown) {
        m_balance->setText(shown);
        placeBalance();
    }
    update();
}

QSize EnergyView::minimumSizeHint() const
{
    const int line = fontMetrics().height();
    return {18 * line, int(std::max<qsizetype>(4, m_bars.size()) * 2.5 * line + 8 * line)};
}

EnergyView::Layout EnergyView::layoutIn(const QRectF &target) const
{
    const QFontMetricsF metrics(font());
    Layout l;
    l.lineHeight = metrics.height();
    const double pad = l.lineHeight / 2;
    l.card = target.adjusted(CardMargin, CardMargin, -CardMargin, -CardMargin);
    const QRectF inner = l.card.adjusted(pad, pad, -pad, -pad);
    l.title = QRectF(inner.left(), inner.top(), inner.width(), l.lineHeight * 1.5);

    // Title, bars, scale and balance one under the other; room to spare is
    // left at the bottom, so the balance stays by the bars it sums.
    const QString balance = m_balance->text();
    const double balanceHeight = balance.isEmpty()
        ? 0
        : metrics.boundingRect(QRectF(0, 0, inner.width(), 1e6), Qt::TextWordWrap, balance).height();
    const double scaleHeight = 2.4 * l.lineHeight;
    const double roomForRows = inner.bottom() - balanceHeight - pad - scaleHeight - l.title.bottom();
    if (!m_bars.isEmpty())
        l.rowHeight = std::min(roomForRows / m_bars.size(), 3.4 * l.lineHeight);
    l.rows = QRectF(inner.left(), l.title.bottom(), inner.width(), l.rowHeight * m_bars.size());
    l.scale = QRectF(inner.left(), l.rows.bottom(), inner.width(), scaleHeight);
    l.balance = QRectF(inner.left(), l.scale.bottom() + pad, inner.width(), balanceHeight);

    for (const run_data::EnergyBar &bar : m_bars)
        l.valueWidth = std::max(l.valueWidth, metrics.horizontalAdvance(bar.value));
    l.barLeft = inner.left() + pad;
    l.barRight = inner.right() - l.valueWidth - pad;

    // Both sides of zero in whole steps; a run at its start still has a scale.
    double most = 0, least = 0;
    for (const run_data::EnergyBar &bar : m_bars) {
        most = std::max(most, bar.joules);
        least = std::min(least, bar.joules);
    }
    if (most - least < 1e-9)
        most = 1;
    l.step = scaleStep(most - least);
    l.high = std::ceil(most / l.step - 1e-9) * l.step;
    l.low = std::floor(least / l.step + 1e-9) * l.step;
    if (l.high - l.low < l.step)
        l.high = l.low + l.step;
    return l;
}

void EnergyView::paintGraph(QPainter *painter, const Layout &l) const
{
    painter->save();
    painter->setFont(font());
    painter->fillRect(l.card, Qt::white);
    painter->setPen(Qt::black);
    painter->drawText(l.title, Qt::AlignHCenter | Qt::AlignTop, m_title);

    // The grid and the scale under it, labels that would touch left out.
    const QFontMetricsF metrics(font());
    const QLocale locale;
    const int decimals = stepDecimals(l.step);
    double lastLabelRight = -1e9;
    for (double joules = l.low; joules <= l.high + l.step / 2; joules += l.step) {
        const double at = l.x(std::abs(joules) < l.step / 1000 ? 0 : joules);
        painter->setPen(QPen(QColor(0xd8, 0xd8, 0xd8), 1));
        painter->drawLine(QPointF(at, l.rows.top()), QPointF(at, l.scale.top()));
        const QString label = locale.toString(std::abs(joules) < l.step / 1000 ? 0.0 : joules, 'f', decimals);
        const double width = metrics.horizontalAdvance(label);
        if (at - width / 2 > lastLabelRight + l.lineHeight / 2) {
            painter->setPen(Qt::black);
            painter->drawText(QRectF(at - width / 2, l.scale.top() + 2, width, l.lineHeight), Qt::AlignCenter, label);
            lastLabelRight = at + width / 2;
        }
    }
    QFont bold = font();
    bold.setBold(true);
    painter->setFont(bold);
    //: Title of the energy graph's scale, as the other graphs' axes
    painter->drawText(QRectF(l.scale.left(), l.scale.top() + 1.2 * l.lineHeight, l.scale.width(), l.lineHeight),
                      Qt::AlignHCenter, tr("Energía (J)"));
    painter->setFont(font());

    const double barHeight = std::clamp(l.rowHeight - 1.6 * l.lineHeight, 0.5 * l.lineHeight, 1.4 * l.lineHeight);
    const double zero = l.x(0);
    painter->setPen(QPen(Qt::black, 1.5));
    painter->drawLine(QPointF(zero, l.rows.top()), QPointF(zero, l.scale.top()));
    // The labels first, on white so no line of the grid runs through them;
    // then the bars and values, which a tight row must not let a label cover.
    // A bar thinner than a line puts its value beside the label's end.
    const bool tight = barHeight < l.lineHeight;
    for (int i = 0; i < m_bars.size(); ++i) {
        const double room = tight ? l.rows.width() - metrics.horizontalAdvance(m_bars.at(i).value) - l.lineHeight / 3
                                  : l.rows.width();
        const run_data::EnergyBar &bar = m_bars.at(i);
        const QString &fitting = metrics.horizontalAdvance(bar.label) <= room ? bar.label : bar.shortLabel;
        const QString label = metrics.elidedText(fitting, Qt::ElideRight, room);
        const QRectF labelRect(l.rows.left(), l.rows.top() + i * l.rowHeight, metrics.horizontalAdvance(label) + 2,
                               l.lineHeight);
        painter->fillRect(labelRect, Qt::white);
        painter->setPen(Qt::black);
        painter->drawText(labelRect, Qt::AlignLeft | Qt::AlignVCenter, label);
    }
    for (int i = 0; i < m_bars.size(); ++i) {
        const run_data::EnergyBar &bar = m_bars.at(i);
        const double bottom = l.rows.top() + i * l.rowHeight + l.lineHeight + 1 + barHeight;
        // The value ends level with its bar, however thin the bar.
        const double valueTop = bottom - std::max(barHeight, l.lineHeight);
        painter->setPen(Qt::black);
        painter->drawText(QRectF(l.barRight, valueTop, l.rows.right() - l.barRight, bottom - valueTop),
                          Qt::AlignRight | Qt::AlignVCenter, bar.value);
        const double end = l.x(bar.joules);
        if (std::abs(end - zero) < 0.5)
            continue;
        const QRectF shape(QPointF(std::min(zero, end), bottom - barHeight), QPointF(std::max(zero, end), bottom));
        if (bar.hatched) {
            painter->fillRect(shape, bar.colour.lighter(170));
            painter->fillRect(shape, QBrush(bar.colour.darker(120), Qt::BDiagPattern));
        } else {
            painter->fillRect(shape, bar.colour);
        }
        painter->setPen(QPen(bar.colour.darker(170), 1));
        painter->drawRect(shape);
    }
    painter->restore();
}

void EnergyView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    paintGraph(&painter, layoutIn(rect()));
}

void EnergyView::resizeEvent(QResizeEvent *)
{
    placeBalance();
}

void EnergyView::placeBalance()
{
    m_balance->setGeometry(layoutIn(rect()).balance.toAlignedRect());
}

void EnergyView::render(QPainter *painter, const QRectF &target) const
{
    const Layout layout = layoutIn(target);
    paintGraph(painter, layout);
    painter->save();
    painter->setFont(font());
    painter->setPen(Qt::black);
    painter->drawText(layout.balance, Qt::TextWordWrap, m_balance->text());
    painter->restore();
}
