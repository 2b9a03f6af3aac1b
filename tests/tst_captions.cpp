#include "app/startup.h"
#include "app/windows.h"
#include "support/gui_driver.h"
#include "ui/form_base.h"
#include "ui/navigator.h"
#include "ui/wrapping_button.h"
#include "ui/zoom.h"

#include <QCheckBox>
#include <QLabel>
#include <QStyleOptionButton>
#include <QTest>

using ui::WindowId;

namespace {

// What of a caption does not fit its box, measured as the style lays it out.
QString clipping(QWidget *control)
{
    const QFontMetrics metrics = control->fontMetrics();
    QRect room;
    QString text;
    int flags = Qt::AlignCenter;
    if (auto *label = qobject_cast<QLabel *>(control)) {
        room = label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(), -label->margin());
        text = label->text();
        flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    } else if (auto *button = qobject_cast<QAbstractButton *>(control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const bool box = qobject_cast<QCheckBox *>(button) != nullptr;
        room = button->style()->subElementRect(box ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents,
                                               &option, button);
        text = button->text().remove(QLatin1Char('&'));
        flags = (box ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter)
                | (dynamic_cast<ui::WrappingButton *>(button) ? Qt::TextWordWrap : 0);
    }
    if (text.isEmpty())
        return {};
    // Across, the advance of the laid-out lines; up and down, the ink: the
    // line height also holds room for accents and descenders a caption may
    // not have.
    const QRect needed = metrics.boundingRect(room, flags, text);
    const QRect ink = metrics.tightBoundingRect(text);
    const int lines = std::max(1, qRound(double(needed.height()) / metrics.lineSpacing()));
    const int baseline = needed.top() + metrics.ascent();
    const int inkTop = baseline + ink.top();
    const int inkBottom = baseline + (lines - 1) * metrics.lineSpacing() + ink.bottom();
    if (needed.left() >= room.left() && needed.right() <= room.right() && inkTop >= room.top()
        && inkBottom <= room.bottom())
        return {};
    return QStringLiteral("%1 \"%2\" needs %3×%4 px, has %5×%6")
        .arg(control->objectName(), text)
        .arg(needed.width())
        .arg(needed.height())
        .arg(room.width())
        .arg(room.height());
}

} // namespace

// Every caption of every window fits its box, in every language and at the
// smallest and the largest zoom.
class TestCaptions : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        driver::installSpanishTestEnvironment();
        ui::installZoom();
        app::installWindows();
    }

    void cleanupTestCase() { app::setLanguage(QStringLiteral("es")); }

    void noCaptionClipped_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("zoom");
        for (const char *language : {"es", "en", "ca", "gl", "eu"})
            for (const int zoom : {100, 200})
                QTest::addRow("%s at %d %%", language, zoom) << QString::fromLatin1(language) << zoom;
    }

    // Fault caught: a translation longer than its box, or a caption that grows
    // faster than its box with the zoom (a font rounded up more than the
    // geometry, a style metric left at 100 %).
    void noCaptionClipped()
    {
        QFETCH(QString, language);
        QFETCH(int, zoom);
        app::setLanguage(language);
        driver::resetProgram();
        ui::setZoom(zoom);
        QStringList clipped;
        for (int id = int(WindowId::Form1); id <= int(WindowId::Form10); ++id) {
            QWidget *window = ui::navigator().window(WindowId(id));
            for (QWidget *control : window->findChildren<QWidget *>())
                if (const QString fault = clipping(control); !fault.isEmpty())
                    clipped.append(window->objectName() + QLatin1Char(' ') + fault);
        }
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral("; "))));
    }
};

QTEST_MAIN(TestCaptions)
#include "tst_captions.moc"
