#pragma once

class QString;
class QWidget;

namespace ui {

// Gives every text field and scroll bar of a window that has no accessible
// name the caption that stands before it on the same row: the label or check
// box a sighted user reads it by ("Ángulo", "Aceleración del Bloque").
// The windows are laid out in rows, caption on the left, so the row is
// where a reader finds what a field holds.
void nameFieldsAfterTheirCaptions(QWidget *window);

// A picture area's name and what it shows, for screen readers.
void describePicture(QWidget *picture, const QString &name, const QString &description);

} // namespace ui
