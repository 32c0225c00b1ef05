#pragma once

#include <QString>
#include <QTest>
#include <QWidget>

// Types the text into the widget key by key, Greek letters too (which QTest's own typing takes
// for ASCII only).
inline void TypeKeys(QWidget *widget, const QString &text)
{
    for (const QChar character : text) {
        if (character.unicode() < 0x80) {
            QTest::keyClick(widget, character.toLatin1());
        } else {
            QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, QString(character), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, QString(character), Qt::NoModifier);
        }
    }
}
