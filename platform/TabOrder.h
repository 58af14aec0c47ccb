#pragma once

#include <QList>

class QWidget;

// Makes Tab visit the widgets in the order given.
void setTabOrderOf(const QList<QWidget *> &widgets);
