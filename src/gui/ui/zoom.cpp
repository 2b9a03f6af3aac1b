#include "gui/ui/zoom.h"

#include <QApplication>
#include <QHash>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <QProxyStyle>
#include <QScreen>
#include <QStyleFactory>
#include <QStyleOptionSlider>

#include <algorithm>
#include <cmath>
#include <optional>

namespace ui {

namespace {

// Kept on the widgets themselves, so a window or control that goes away
// takes its zoom data with it.
constexpr const char *TwipsProperty = "cuestavalTwips";          // QRect, from place()
constexpr const char *FontBaseProperty = "cuestavalFontBase";    // pixels at 100 %
constexpr const char *FontShownProperty = "cuestavalFontShown";  // pixels set by the zoom
constexpr const char *OriginProperty = "cuestavalOrigin";        // only in full screen

int g_zoom = 100;
bool g_fullScreen = false;
std::function<void(int)> g_choiceHandler;

// A window of the program: its size in twips and, in full screen, the scale
// that fits it to its screen. Looked up on every drawing call of a picture,
// so by the window's address rather than by a property's name.
struct Design {
    QSize twips;
    std::optional<double> fittedScale;
};

QHash<const QWidget *, Design> &designs()
{
    static QHash<const QWidget *, Design> windows;
    return windows;
}

// The program's window `widget` lies in, or nullptr.
QWidget *formOf(const QWidget *widget)
{
    QWidget *window = widget ? widget->window() : nullptr;
    return window && designs().contains(window) ? window : nullptr;
}

QPoint originOf(const QWidget *control)
{
    const QWidget *parent = control->parentWidget();
    // Only the window's own children move with the centred content; a
    // control inside another is placed relative to that one.
    if (!parent || !parent->isWindow())
        return {};
    return parent->property(OriginProperty).toPoint();
}

void replace(QWidget *control)
{
    const QVariant twips = control->property(TwipsProperty);
    if (twips.isValid())
        control->setGeometry(pixelRect(twips.toRect(), scaleOf(control), originOf(control)));
}

// A font fresh from ui::font() is at the program's zoom; one the zoom set
// itself still carries its size at 100 %.
int basePixels(QWidget *control)
{
    const int shown = control->font().pixelSize();
    bool known = false;
    const int base = control->property(FontBaseProperty).toInt(&known);
    if (known && control->property(FontShownProperty).toInt() == shown)
        return base;
    return std::max(1, qRound(shown / zoomFactor()));
}

bool hasPixelFont(const QWidget *control)
{
    return control->testAttribute(Qt::WA_SetFont) && control->font().pixelSize() > 0;
}

// Notes each control's size at 100 % while the fonts still match the zoom
// they were made at.
void noteBaseFonts(QWidget *window)
{
    for (QWidget *control : window->findChildren<QWidget *>()) {
        if (hasPixelFont(control)) {
            control->setProperty(FontBaseProperty, basePixels(control));
            control->setProperty(FontShownProperty, control->font().pixelSize());
        }
    }
}

void rescaleFont(QWidget *control, double scale)
{
    if (!hasPixelFont(control))
        return;
    const int base = basePixels(control);
    const int pixels = std::max(1, qRound(base * scale));
    control->setProperty(FontBaseProperty, base);
    control->setProperty(FontShownProperty, pixels);
    if (control->font().pixelSize() != pixels) {
        QFont scaled = control->font();
        scaled.setPixelSize(pixels);
        control->setFont(scaled);
    }
}

// Every control of the window at `scale`, the content starting at `origin`.
void arrange(QWidget *window, double scale, QPoint origin)
{
    const bool fitted = scale != zoomFactor() || !origin.isNull();
    window->setProperty(OriginProperty, fitted ? QVariant(origin) : QVariant());
    if (const auto design = designs().find(window); design != designs().end())
        design->fittedScale = fitted ? std::optional(scale) : std::nullopt;
    for (QWidget *control : window->findChildren<QWidget *>()) {
        if (control->window() != window)
            continue; // an open message box is a window of its own
        replace(control);
        rescaleFont(control, scale);
        control->update();
    }
}

QSize designPixels(const QWidget *form, double scale)
{
    return pixelRect(QRect(QPoint(), designSize(form)), scale).size();
}

void centreOnScreen(QWidget *form)
{
    const QScreen *target = form->screen();
    if (!target)
        return;
    const QRect available = target->availableGeometry();
    QRect frame = form->frameGeometry();
    frame.moveCenter(available.center());
    // A window zoomed taller than the screen keeps its title bar on it.
    form->move(std::max(frame.left(), available.left()), std::max(frame.top(), available.top()));
}

// A window at the program's zoom with a fixed size, its centre kept where
// it was if it is on screen, and its title bar kept on the screen.
void arrangeNormal(QWidget *form)
{
    const bool shown = form->isVisible();
    const QPoint centre = form->geometry().center();
    arrange(form, zoomFactor(), {});
    form->setFixedSize(designPixels(form, zoomFactor()));
    if (!shown)
        return;
    QRect frame = form->frameGeometry();
    frame.moveCenter(centre + frame.center() - form->geometry().center());
    if (const QScreen *screen = form->screen()) {
        const QRect available = screen->availableGeometry();
        const auto within = [](int at, int low, int high) { return std::max(low, std::min(at, high)); };
        frame.moveLeft(within(frame.left(), available.left(), available.right() + 1 - frame.width()));
        frame.moveTop(within(frame.top(), available.top(), available.bottom() + 1 - frame.height()));
    }
    form->move(frame.topLeft());
}

void showFullScreenFitted(QWidget *form)
{
    const QScreen *screen = form->screen() ? form->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen->geometry();
    const QSizeF design = QSizeF(designSize(form)) / TwipsPerPixel;
    const double scale = std::min(area.width() / design.width(), area.height() / design.height());
    const QSize content = designPixels(form, scale);
    const QPoint origin((area.width() - content.width()) / 2, (area.height() - content.height()) / 2);
    form->setMinimumSize(0, 0);
    form->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    arrange(form, scale, origin);
    form->setGeometry(area);
    form->showFullScreen();
}

QFont scaledApplicationFont()
{
    static const QFont base = QApplication::font();
    QFont scaled = base;
    if (base.pixelSize() > 0)
        scaled.setPixelSize(std::max(1, qRound(base.pixelSize() * zoomFactor())));
    else
        scaled.setPointSizeF(base.pointSizeF() * zoomFactor());
    return scaled;
}

// The step `direction` steps away from the zoom, stopping at the ends.
int stepFrom(int direction)
{
    const auto at = std::find(ZoomSteps.begin(), ZoomSteps.end(), g_zoom);
    const auto index = std::clamp<std::ptrdiff_t>(at - ZoomSteps.begin() + direction, 0, ZoomSteps.size() - 1);
    return ZoomSteps[std::size_t(index)];
}

void chooseZoom(int percent)
{
    if (percent == g_zoom)
        return;
    setZoom(percent);
    if (g_choiceHandler)
        g_choiceHandler(g_zoom);
}

// Every metric of the style is a length in pixels; scaled with the window
// they keep check boxes, frames and arrows in proportion to the text.
class ZoomStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        const int pixels = QProxyStyle::pixelMetric(metric, option, widget);
        const double scale = m_atDesignSize ? 1.0 : scaleOf(widget);
        return pixels > 0 && scale != 1.0 ? qRound(pixels * scale) : pixels;
    }

    // Fusion draws the arrows of scroll bars and drop-down lists at a fixed
    // size. Drawn at the design size into an image of the zoom's pixel
    // ratio, the control comes out as a high-DPI screen would show it: every
    // part in proportion, and sharp. (A list's text is drawn apart, in its
    // zoomed font.)
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget) const override
    {
        const double scale = m_atDesignSize ? 1.0 : scaleOf(widget);
        // Style options have no virtual destructor: keep each copy in its own type.
        std::optional<QStyleOptionSlider> barCopy;
        std::optional<QStyleOptionComboBox> listCopy;
        QStyleOptionComplex *atDesign = nullptr;
        if (const auto *bar = qstyleoption_cast<const QStyleOptionSlider *>(option); bar && control == CC_ScrollBar)
            atDesign = &barCopy.emplace(*bar);
        else if (const auto *list = qstyleoption_cast<const QStyleOptionComboBox *>(option);
                 list && control == CC_ComboBox)
            atDesign = &listCopy.emplace(*list);
        if (!atDesign || scale == 1.0 || option->rect.isEmpty()) {
            QProxyStyle::drawComplexControl(control, option, painter, widget);
            return;
        }
        const qreal ratio = painter->device()->devicePixelRatioF();
        QPixmap pixmap(option->rect.size() * ratio);
        pixmap.setDevicePixelRatio(scale * ratio);
        pixmap.fill(Qt::transparent);
        atDesign->rect = QRect(QPoint(), (QSizeF(option->rect.size()) / scale).toSize());
        {
            QPainter design(&pixmap);
            m_atDesignSize = true;
            QProxyStyle::drawComplexControl(control, atDesign, &design, widget);
            m_atDesignSize = false;
        }
        painter->drawPixmap(option->rect, pixmap);
    }

private:
    mutable bool m_atDesignSize = false;
};

// Seen before any widget: no window needs code for the keys, and a focused
// field cannot swallow them.
class ZoomKeys : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        const Qt::KeyboardModifiers modifiers = key->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
        const bool inForm = formOf(static_cast<QWidget *>(watched)) != nullptr;
        if (modifiers == Qt::ControlModifier) {
            switch (key->key()) {
            case Qt::Key_Plus:
            case Qt::Key_Equal:
                chooseZoom(stepFrom(+1));
                return true;
            case Qt::Key_Minus:
                chooseZoom(stepFrom(-1));
                return true;
            case Qt::Key_0:
                chooseZoom(100);
                return true;
            default:
                return false;
            }
        }
        if (modifiers == Qt::NoModifier && inForm) {
            if (key->key() == Qt::Key_F11) {
                // A held key must not flicker between the two states.
                if (!key->isAutoRepeat())
                    setFullScreen(!g_fullScreen);
                return true;
            }
            if (key->key() == Qt::Key_Escape && g_fullScreen) {
                setFullScreen(false);
                return true;
            }
        }
        return false;
    }
};

} // namespace

int zoomPercent()
{
    return g_zoom;
}

double zoomFactor()
{
    return g_zoom / 100.0;
}

bool isZoomStep(int percent)
{
    return std::find(ZoomSteps.begin(), ZoomSteps.end(), percent) != ZoomSteps.end();
}

void setZoom(int percent)
{
    if (!isZoomStep(percent) || percent == g_zoom)
        return;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows)
        noteBaseFonts(window);
    g_zoom = percent;
    // Message boxes and anything else without a font of its own.
    QApplication::setFont(scaledApplicationFont());
    for (QWidget *window : windows) {
        QWidget *form = formOf(window);
        // A window left full screen is fitted again when it is next shown.
        if (form && !form->isFullScreen())
            arrangeNormal(form);
        else if (!form) // a window of another kind sizes itself
            arrange(window, zoomFactor(), {});
    }
}

void zoomIn()
{
    setZoom(stepFrom(+1));
}

void zoomOut()
{
    setZoom(stepFrom(-1));
}

void setZoomChoiceHandler(std::function<void(int)> handler)
{
    g_choiceHandler = std::move(handler);
}

double scaleOf(const QWidget *widget)
{
    if (const QWidget *form = formOf(widget))
        return designs().value(form).fittedScale.value_or(zoomFactor());
    return zoomFactor();
}

QRect pixelRect(const QRect &twips, double scale, QPoint origin)
{
    const auto at = [scale](int value) { return int(std::lround(value * scale / TwipsPerPixel)); };
    const int left = at(twips.x());
    const int top = at(twips.y());
    return QRect(origin.x() + left, origin.y() + top, at(twips.x() + twips.width()) - left,
                 at(twips.y() + twips.height()) - top);
}

void setTwipsGeometry(QWidget *control, const QRect &twips)
{
    control->setProperty(TwipsProperty, twips);
    replace(control);
}

QRect twipsGeometry(const QWidget *control)
{
    return control->property(TwipsProperty).toRect();
}

bool isFullScreen()
{
    return g_fullScreen;
}

void setFullScreen(bool on)
{
    if (on == g_fullScreen)
        return;
    g_fullScreen = on;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (formOf(window) == window && window->isVisible())
            present(window);
    }
}

void setDesignSize(QWidget *window, QSize twips)
{
    if (!designs().contains(window))
        QObject::connect(window, &QObject::destroyed, [window] { designs().remove(window); });
    designs()[window].twips = twips;
    window->setFixedSize(pixelRect(QRect(QPoint(), twips), zoomFactor()).size());
}

QSize designSize(const QWidget *window)
{
    return designs().value(window).twips;
}

void present(QWidget *form)
{
    if (g_fullScreen) {
        noteBaseFonts(form);
        showFullScreenFitted(form);
        return;
    }
    if (form->isFullScreen() || designs().value(form).fittedScale) {
        noteBaseFonts(form);
        form->showNormal();
        arrangeNormal(form);
    }
    centreOnScreen(form);
    form->show();
}

void installZoom()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QApplication::setStyle(new ZoomStyle(QStyleFactory::create(QApplication::style()->name())));
    qApp->installEventFilter(new ZoomKeys(qApp));
}

} // namespace ui
