#include "engine/Speaker.h"

#include "engine/Messages.h"

#include <QStringList>

namespace {

QString spokenPlain(QStringView text)
{
    QString words;
    if (text.startsWith(u'-')) {
        words = Messages::minusWord() + u' ';
        text = text.sliced(1);
    }
    const qsizetype point = text.indexOf(u'.');
    if (point < 0)
        return words + text.toString();
    words += text.first(point).toString() + u' ' + Messages::pointWord();
    for (const QChar digit : text.sliced(point + 1))
        words += u' ' + QString(digit);
    return words;
}

} // namespace

QString spokenNumber(const Decimal &number)
{
    // Written with "." whatever the region: the words say the separator.
    const QString text = number.text(u'.');
    const qsizetype exponent = text.indexOf(u'E');
    if (exponent < 0)
        return spokenPlain(text);
    QStringView power = QStringView(text).sliced(exponent + 1);
    if (power.startsWith(u'+'))
        power = power.sliced(1);
    return spokenPlain(QStringView(text).first(exponent)) + u' ' + Messages::exponentWords()
        + u' ' + spokenPlain(power);
}
