#include "gui/ui/navigator.h"

#include "gui/ui/form_base.h"
#include "gui/ui/zoom.h"

#include <QCoreApplication>

namespace ui {

Navigator &Navigator::instance()
{
    static Navigator navigator;
    return navigator;
}

void Navigator::setFactory(Factory factory)
{
    m_factory = std::move(factory);
}

void Navigator::setEndHandler(std::function<void()> handler)
{
    m_endHandler = std::move(handler);
}

FormBase *Navigator::existing(WindowId id) const
{
    const auto found = m_windows.find(id);
    return found == m_windows.end() ? nullptr : found->second;
}

FormBase *Navigator::window(WindowId id)
{
    if (FormBase *form = existing(id))
        return form;
    Q_ASSERT(m_factory);
    FormBase *form = m_factory(id);
    m_windows[id] = form;
    QObject::connect(form, &FormBase::closed, [this] { endProgram(); });
    form->load();
    return form;
}

void Navigator::goTo(WindowId target, const QList<double> &values)
{
    if (m_ended)
        return;
    m_comeBackTo.reset();
    if (m_current)
        m_current->hide();
    FormBase *form = window(target);
    if (!values.isEmpty())
        form->receiveValues(values);
    m_current = form;
    present(form);
    form->activateWindow();
}

void Navigator::visit(WindowId target, WindowId comeBackTo, const QList<double> &values)
{
    goTo(target, values);
    if (!m_ended)
        m_comeBackTo = comeBackTo;
}

void Navigator::endProgram()
{
    if (m_ended)
        return;
    m_ended = true;
    for (auto &[id, form] : m_windows)
        form->hide();
    m_current = nullptr;
    if (m_endHandler)
        m_endHandler();
    else
        QCoreApplication::exit(0);
}

void Navigator::reset()
{
    for (auto &[id, form] : m_windows)
        delete form;
    m_windows.clear();
    m_current = nullptr;
    m_comeBackTo.reset();
    m_ended = false;
}

} // namespace ui
