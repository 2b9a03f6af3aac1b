#include "gui/simulations/note_label.h"

#include <QAbstractSlider>
#include <QEvent>
#include <QFontMetrics>
#include <QTextLayout>

#include <algorithm>

namespace run_data {

NoteLabel::NoteLabel(QWidget *parent)
    : QLabel(parent)
{
    // The lines are broken here, but a label that wraps measures them as the
    // user sees them.
    setWordWrap(true);
    // Until there is a note to show.
    hide();
}

void NoteLabel::setNote(const QString &note)
{
    m_note = note;
    setAccessibleDescription(note);
    fit();
    setVisible(!note.isEmpty());
}

void NoteLabel::clearWhenMoved(const QList<QAbstractSlider *> &bars)
{
    for (QAbstractSlider *bar : bars)
        connect(bar, &QAbstractSlider::actionTriggered, this, [this] { setNote({}); });
}

void NoteLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    fit();
}

void NoteLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fit();
}

void NoteLabel::fit()
{
    // Fonts at a zoom round to whole pixels, and the label's own measure of a
    // line can come out a pixel wider than the one that broke it: the
    // width given up a pixel at a time until the label agrees it fits.
    const int room = contentsRect().width();
    QString shown = m_note;
    bool cut = false;
    for (int width = room; width > room / 2; --width) {
        shown = fitted(width, &cut);
        if (fits(shown))
            break;
    }
    setText(shown);
    setToolTip(cut ? m_note : QString());
}

QString NoteLabel::fitted(int width, bool *cut) const
{
    const QFontMetrics metrics(font());
    const int lines = std::max(1, contentsRect().height() / metrics.lineSpacing());
    QStringList shown;
    *cut = false;
    QTextLayout layout(m_note, font());
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        if (int(shown.size()) + 1 == lines) {
            const QString rest = m_note.mid(line.textStart()).trimmed();
            const QString last = metrics.elidedText(rest, Qt::ElideRight, width);
            *cut = last != rest;
            shown.append(last);
            break;
        }
        shown.append(m_note.mid(line.textStart(), line.textLength()).trimmed());
    }
    layout.endLayout();
    return shown.join(QLatin1Char('\n'));
}

bool NoteLabel::fits(const QString &text) const
{
    const QRect room = contentsRect();
    const int flags = int(alignment()) | (wordWrap() ? int(Qt::TextWordWrap) : 0);
    return room.contains(fontMetrics().boundingRect(room, flags, text));
}

} // namespace run_data
