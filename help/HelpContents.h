#pragma once

// The contents of a compiled help file: its sitemap (nested lists of topic
// objects, each with a Name and a Local page) read into a tree of topics.

#include <QByteArray>
#include <QList>
#include <QString>

struct HelpTopic {
    QString name;
    QString page;  // as written in the sitemap, relative to the file's root
    QList<HelpTopic> children;
    friend bool operator==(const HelpTopic &a, const HelpTopic &b);
};

QList<HelpTopic> readHelpContents(const QByteArray &sitemap);
