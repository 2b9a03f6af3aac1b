#pragma once

#include <QList>

#include <functional>
#include <map>
#include <optional>

namespace ui {

class FormBase;

// The windows of the program, each of which exists at most once; the
// program names them (gui/window_id.h).
enum class WindowId : int;

// Creates each window on first use and switches between them: going to a
// window hides the current one, then shows the target, so exactly one window
// is visible at a time. Windows are only hidden, never destroyed, so fields,
// check marks and drawings survive between visits. Closing a window ends the
// program.
class Navigator
{
public:
    using Factory = std::function<FormBase *(WindowId)>;

    static Navigator &instance();

    // The application shell says how each window is built.
    void setFactory(Factory factory);
    // What ending the program does; the default quits the event loop.
    // Tests record the end instead.
    void setEndHandler(std::function<void()> handler);

    // The window's single instance, created and loaded if needed.
    FormBase *window(WindowId id);
    // The instance if it was ever created, otherwise nullptr.
    FormBase *existing(WindowId id) const;
    FormBase *current() const { return m_current; }

    // `values` go to the target before it shows (FormBase::receiveValues):
    // numbers one window hands to the next, such as a solved problem's
    // quantities for its simulation.
    void goTo(WindowId target, const QList<double> &values = {});
    // As goTo, for a visit: the target's "Regresar" leads back to
    // `comeBackTo` rather than to its usual place. Any other way into a
    // window forgets it.
    void visit(WindowId target, WindowId comeBackTo, const QList<double> &values = {});
    // Where "Regresar" of the window on screen leads: the window that asked
    // to be come back to, or `otherwise`.
    WindowId wayBack(WindowId otherwise) const { return m_comeBackTo.value_or(otherwise); }
    // Stops at once: every window disappears and no further navigation runs.
    void endProgram();
    bool hasEnded() const { return m_ended; }

    // Destroys every window and forgets the end; for tests that start over.
    void reset();

private:
    Navigator() = default;

    Factory m_factory;
    std::function<void()> m_endHandler;
    std::map<WindowId, FormBase *> m_windows;
    FormBase *m_current = nullptr;
    std::optional<WindowId> m_comeBackTo;
    bool m_ended = false;
};

inline Navigator &navigator() { return Navigator::instance(); }

} // namespace ui
