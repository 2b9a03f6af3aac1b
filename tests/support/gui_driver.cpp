#include "support/gui_driver.h"

#include "gui/ui/form_base.h"
#include "gui/ui/message.h"
#include "gui/ui/navigator.h"
#include "gui/ui/settings.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QStandardPaths>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

namespace driver {

namespace {
bool g_ended = false;
}

QStringList &messages()
{
    static QStringList list;
    return list;
}

bool ended()
{
    return g_ended;
}

void installSpanishTestEnvironment()
{
    QStandardPaths::setTestModeEnabled(true);
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    ui::setMessageHook([](const QString &text) { messages().append(text); });
    ui::navigator().setEndHandler([] { g_ended = true; });
}

void resetProgram()
{
    ui::navigator().reset();
    ui::settings().remove(QStringLiteral("simulaciones/ampliar_dibujo"));
    messages().clear();
    g_ended = false;
}

void click(QWidget *window, const char *buttonName)
{
    auto *button = control<QAbstractButton>(window, buttonName);
    if (!button->isVisible())
        qWarning("clicking %s on a hidden window", buttonName);
    QTest::mouseClick(button, Qt::LeftButton);
}

void type(QWidget *window, const char *fieldName, const QString &text)
{
    // A spin box's number, without its unit, as Ctrl+A selects it.
    if (auto *box = window->findChild<QAbstractSpinBox *>(QString::fromLatin1(fieldName))) {
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box, text);
        return;
    }
    auto *field = control<QLineEdit>(window, fieldName);
    field->selectAll();
    field->del();
    QTest::keyClicks(field, text);
}

void setChecked(QWidget *window, const char *checkBoxName, bool checked)
{
    auto *box = control<QCheckBox>(window, checkBoxName);
    if (box->isChecked() != checked)
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
}

QString text(QWidget *window, const char *fieldName)
{
    QWidget *widget = control<QWidget>(window, fieldName);
    if (auto *edit = qobject_cast<QLineEdit *>(widget))
        return edit->text();
    if (auto *label = qobject_cast<QLabel *>(widget))
        return label->text();
    return control<QAbstractButton>(window, fieldName)->text();
}

QByteArray numbered(const char *prefix, int index)
{
    return QByteArray(prefix) + QByteArray::number(index + 1);
}

void fill(QWidget *window, const QString &boxes, const QStringList &typed)
{
    for (int i = 0; i < boxes.size(); ++i)
        setChecked(window, numbered("Check", i), boxes.at(i) == u'1');
    for (int i = 0; i < typed.size(); ++i)
        type(window, numbered("Text", i), typed.at(i));
}

void closeWindow(QWidget *window)
{
    window->close();
}

QList<QWidget *> visibleWindows()
{
    QList<QWidget *> visible;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && qobject_cast<ui::FormBase *>(widget))
            visible.append(widget);
    }
    return visible;
}

void whenModalOpens(std::function<void(QDialog *)> look)
{
    QTimer::singleShot(0, qApp, [look] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        look(dialog);
        if (dialog && dialog->isVisible())
            dialog->reject();
    });
}

QString workingShown(QWidget *window)
{
    QString text;
    whenModalOpens([&text, window](QDialog *dialog) {
        if (dialog && dialog->windowTitle() == u"Resolución" && dialog->parentWidget() == window && dialog->isModal())
            text = dialog->findChild<QTextBrowser *>(QStringLiteral("Working"))->toPlainText();
    });
    click(window, "Command4");
    return text;
}

} // namespace driver
