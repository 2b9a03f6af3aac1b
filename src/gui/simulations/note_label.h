#pragma once

#include <QLabel>
#include <QList>

class QAbstractSlider;

namespace run_data {

// The note that says how a problem's values were rounded or clipped on the
// scroll bars. It shows as many lines as its box holds at its font; a note
// longer than that ends its last line in "…" and shows whole in the tooltip.
// A screen reader always gets the whole note as the description. Empty (and
// until a note is set), the label is hidden. The cut is made again whenever the zoom changes the
// label's size or font.
class NoteLabel : public QLabel
{
    Q_OBJECT

public:
    explicit NoteLabel(QWidget *parent = nullptr);

    void setNote(const QString &note);

    // The note speaks of the problem's values: a move of the user's on one
    // of `bars` makes it stale. A value the program sets is no such move.
    void clearWhenMoved(const QList<QAbstractSlider *> &bars);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void fit();
    QString fitted(int width, bool *cut) const;
    bool fits(const QString &text) const;

    QString m_note;
};

} // namespace run_data
