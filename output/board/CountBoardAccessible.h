#pragma once

// The count board over the accessibility bus: a table with a column per
// place in a row and one cell per count, whose text is what the class sees
// in it (nothing for a hidden newest number, "?" for a hushed one).

class QAccessibleInterface;
class QObject;
class QString;

// The accessibility bus asks this for every object it meets.
QAccessibleInterface *countBoardAccessible(const QString &className, QObject *object);
