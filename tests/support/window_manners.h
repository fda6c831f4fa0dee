#pragma once

// Checks every window of both programs must pass: it fits a small screen,
// Tab visits its controls in reading order, and Return presses the button
// that takes the input.

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSize>
#include <QStringList>
#include <QTextEdit>
#include <QWidget>

#include <algorithm>
#include <cstdlib>

namespace WindowManners {

// 1280x800 at scale 1 and 1920x1080 at scale 2 both leave this much.
inline constexpr QSize kSmallestScreen { 960, 540 };

inline QSize SmallestSize(const QWidget& window)
{
    return window.minimumSizeHint().expandedTo(window.minimumSize());
}

inline bool FitsSmallestScreen(const QWidget& window)
{
    const QSize smallest = SmallestSize(window);
    return smallest.width() <= kSmallestScreen.width() && smallest.height() <= kSmallestScreen.height();
}

inline bool IsInputControl(const QWidget* widget)
{
    if (qobject_cast<const QHeaderView*>(widget))
        return false;
    return qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QLineEdit*>(widget)
        || qobject_cast<const QComboBox*>(widget) || qobject_cast<const QAbstractSpinBox*>(widget)
        || qobject_cast<const QAbstractItemView*>(widget) || qobject_cast<const QPlainTextEdit*>(widget)
        || qobject_cast<const QTextEdit*>(widget);
}

// A part of another control (the editor of a spin box) is reached with it.
inline bool PartOfAControl(const QWidget& window, const QWidget* widget)
{
    for (const QWidget* up = widget->parentWidget(); up && up != &window; up = up->parentWidget())
        if (IsInputControl(up))
            return true;
    return false;
}

inline bool Reachable(const QWidget& window, const QWidget* widget)
{
    return widget->window() == &window && widget->isVisibleTo(&window) && widget->isEnabled()
        && !widget->focusProxy() && !PartOfAControl(window, widget);
}

// The controls Tab visits, from the window's first one on.
inline QList<QWidget*> FocusChain(QWidget& window)
{
    QList<QWidget*> chain;
    for (QWidget* w = window.nextInFocusChain(); w && w != &window; w = w->nextInFocusChain())
        if ((w->focusPolicy() & Qt::TabFocus) && Reachable(window, w))
            chain.append(w);
    return chain;
}

inline QString Describe(const QWidget* widget)
{
    const QString name = widget->objectName();
    return name.isEmpty() ? QString::fromLatin1(widget->metaObject()->className()) : name;
}

// Where the two sit relative to each other: the children of their closest
// common ancestor that hold them, so that a group box is read as one piece.
inline std::pair<QRect, QRect> Places(const QWidget* a, const QWidget* b)
{
    QList<const QWidget*> upA { a };
    while (!upA.last()->isWindow())
        upA.append(upA.last()->parentWidget());
    const QWidget* holderB = b;
    while (!upA.contains(holderB->parentWidget()) && !holderB->isWindow())
        holderB = holderB->parentWidget();
    const QWidget* common = holderB->parentWidget();
    const QWidget* holderA = upA.at(upA.indexOf(common) - 1);
    return { holderA->geometry(), holderB->geometry() };
}

// True when `later` is read before `earlier`: it stands wholly above, or
// starts on the same line and stands wholly to the left. A tall control
// beside others that start lower is read either way.
inline bool ReadBefore(const QWidget* earlier, const QWidget* later)
{
    if (earlier->isAncestorOf(later) || later->isAncestorOf(earlier))
        return false;
    const auto [first, second] = Places(earlier, later);
    if (second.bottom() < first.top())
        return true;
    // Controls of one row stand a few pixels apart at most.
    const int tolerance = std::min({ first.height() / 2, second.height() / 2, 10 });
    const bool sameLine = std::abs(second.top() - first.top()) <= tolerance;
    return sameLine && second.right() < first.left();
}

// Help and info pictures stand in a top corner yet come last, so that a
// window opens with the focus on its first input instead of on help.
inline bool IsHelpPicture(const QWidget* widget)
{
    return widget->objectName() == QStringLiteral("HilfeImage")
        || widget->objectName() == QStringLiteral("InfoImage");
}

// What is wrong with the Tab order of a shown window, one line each.
inline QStringList FocusOrderFaults(QWidget& window)
{
    QStringList faults;
    QList<QWidget*> chain = FocusChain(window);
    for (QWidget* control : window.findChildren<QWidget*>())
        if (IsInputControl(control) && Reachable(window, control) && !(control->focusPolicy() & Qt::TabFocus))
            faults.append(Describe(control) + QStringLiteral(" is never reached by Tab"));
    chain.removeIf(IsHelpPicture);
    for (qsizetype i = 0; i + 1 < chain.size(); ++i)
        for (qsizetype j = i + 1; j < chain.size(); ++j)
            if (ReadBefore(chain.at(i), chain.at(j)))
                faults.append(
                    Describe(chain.at(j)) + QStringLiteral(" comes after ") + Describe(chain.at(i)));
    return faults;
}

inline QString PlainCaption(const QAbstractButton* button)
{
    QString text = button->text();
    text.remove(u'&');
    return text.trimmed();
}

// The buttons that take what the dialog holds.
inline bool TakesTheInput(const QPushButton* button)
{
    static const QStringList captions { QStringLiteral("OK"), QStringLiteral("Übernehmen"),
        QStringLiteral("In Liste übernehmen"), QStringLiteral("Speichern") };
    return captions.contains(PlainCaption(button));
}

// A dialog with a button that takes its input has one of them as default.
inline QStringList DefaultButtonFaults(QDialog& dialog)
{
    QStringList taking;
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
        if (button->window() != &dialog || !button->isVisibleTo(&dialog) || !TakesTheInput(button))
            continue;
        if (button->isDefault())
            return {};
        taking.append(Describe(button));
    }
    if (taking.isEmpty())
        return {};
    return { QStringLiteral("none of ") + taking.join(u", ") + QStringLiteral(" is the default button") };
}

// Everything above for one shown window.
inline QStringList Faults(QWidget& window)
{
    QStringList faults = FocusOrderFaults(window);
    if (auto* dialog = qobject_cast<QDialog*>(&window))
        faults += DefaultButtonFaults(*dialog);
    if (!FitsSmallestScreen(window))
        faults.append(QStringLiteral("needs at least %1x%2")
                          .arg(SmallestSize(window).width())
                          .arg(SmallestSize(window).height()));
    return faults;
}

} // namespace WindowManners
