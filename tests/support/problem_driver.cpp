#include "support/problem_driver.h"

#include "support/gui_driver.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QWidget>

namespace driver {

namespace {

QByteArray numbered(const char *prefix, qsizetype index)
{
    return QByteArray(prefix) + QByteArray::number(index + 1);
}

} // namespace

void fillProblem(QWidget *window, const QString &checkPattern, const QStringList &texts)
{
    for (qsizetype i = 0; i < checkPattern.size(); ++i)
        setChecked(window, numbered("Check", i).constData(), checkPattern.at(i) == QLatin1Char('1'));
    for (qsizetype i = 0; i < texts.size(); ++i)
        type(window, numbered("Text", i).constData(), texts.at(i));
}

void pressResolver(QWidget *window, const QString &checkPattern, const QStringList &texts)
{
    fillProblem(window, checkPattern, texts);
    click(window, "Command1");
}

QString checkPattern(QWidget *window, int count)
{
    QString pattern;
    for (int i = 0; i < count; ++i)
        pattern += control<QCheckBox>(window, numbered("Check", i).constData())->isChecked() ? u'1' : u'0';
    return pattern;
}

QStringList fieldTexts(QWidget *window, int count)
{
    QStringList texts;
    for (int i = 0; i < count; ++i)
        texts.append(text(window, numbered("Text", i).constData()));
    return texts;
}

QStringList tabChain(QWidget *window)
{
    QStringList names;
    for (QWidget *widget = window->nextInFocusChain(); widget != window; widget = widget->nextInFocusChain()) {
        if (widget->focusPolicy() & Qt::TabFocus)
            names.append(widget->objectName());
    }
    return names;
}

QStringList controlsWithClippedText(QWidget *window)
{
    QStringList clipped;
    for (const QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
        if (button->sizeHint().width() > button->width())
            clipped.append(button->objectName());
    }
    for (const QLabel *label : window->findChildren<QLabel *>()) {
        const bool fits = label->wordWrap() ? label->heightForWidth(label->width()) <= label->height()
                                            : label->sizeHint().width() <= label->width();
        if (!fits)
            clipped.append(label->objectName());
    }
    return clipped;
}

} // namespace driver
