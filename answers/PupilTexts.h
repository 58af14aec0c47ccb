#pragma once

// What the pupils' page says, in the program's language: the page's own
// words, and the clear refusal each limit gives.

#include <QCoreApplication>
#include <QJsonObject>
#include <QString>

struct PupilTexts {
    Q_DECLARE_TR_FUNCTIONS(PupilTexts)
public:
    // Every text the page shows, by the key the page's script uses.
    static QJsonObject page();

    static QString wrongCode() { return tr("That is not the code on the board. Try again."); }
    static QString waitAfterWrongCodes() { return tr("Too many wrong codes. Wait 30 seconds, then try again."); }
    static QString notANumber() { return tr("That is not a number. Use the keys to type one."); }
    static QString answerTooLong() { return tr("That answer is too long."); }
    static QString messageTooLong() { return tr("That message is too long."); }
    static QString tooManyMessages() { return tr("Too many messages. Wait a moment, then try again."); }
    static QString classFull() { return tr("The class is full: no more devices can join."); }
    static QString answersClosed() { return tr("Answers are closed for now."); }
    static QString joinFirst() { return tr("Type the code on the board first."); }
    static QString outsideNetwork() { return tr("This page answers only devices on the school's own network."); }
    static QString headersTooLarge() { return tr("That request is too large."); }
    static QString unreadable() { return tr("That message could not be read."); }
    // The language code of these texts, for the page's lang attribute.
    static QString language() { return tr("en", "the code of the language translated into"); }
    static QString turnedOff() { return tr("Class Answers has been turned off."); }
};
