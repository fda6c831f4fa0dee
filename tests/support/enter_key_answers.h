#pragma once

#include <QApplication>
#include <QLabel>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QWidget>

// Plays a user who answers every message dialog of the programs with the
// Enter key, trusting its default button; keeps the texts it answered.
// Widget tests only (header-only, so the core test support stays free of
// widgets).
class EnterKeyAnswers {
public:
    EnterKeyAnswers()
    {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { answer(); });
        timer_.start();
    }

    QStringList texts;

private:
    void answer()
    {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog || dialog->objectName() != QStringLiteral("ZeigeBotschaftForm") || !dialog->isVisible())
            return;
        texts.append(dialog->findChild<QLabel*>(QStringLiteral("Label1"))->text());
        QWidget* focus = dialog->focusWidget();
        QTest::keyClick(focus ? focus : dialog, Qt::Key_Return);
    }

    QTimer timer_;
};
