// The lesson opens the list window of the run's own kind at Number List.

#include "output/lists/ListWindow.h"
#include "tests/support/AppRig.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

class ListLessonTest : public QObject {
    Q_OBJECT
private slots:
    void listOfTheRunsKind_data();
    void listOfTheRunsKind();
};

void ListLessonTest::listOfTheRunsKind_data()
{
    QTest::addColumn<int>("counters");
    QTest::addColumn<QString>("window");
    QTest::newRow("one counter") << 1 << "frmList";
    QTest::newRow("two counters") << 2 << "frmList2";
}

void ListLessonTest::listOfTheRunsKind()
{
    QFETCH(int, counters);
    QFETCH(QString, window);
    AppRig rig;
    AppController &lesson = rig.lesson;
    lesson.session().counterCount = std::int16_t(counters);
    lesson.session().countIndex = 1;
    QString shown;
    QTimer::singleShot(0, this, [&] {
        if (auto *list = qobject_cast<ListWindow *>(QApplication::activeModalWidget())) {
            shown = list->objectName();
            list->close();
        }
    });
    lesson.view().showList();
    QCOMPARE(shown, window);
}

QTEST_MAIN(ListLessonTest)
#include "tst_listlesson.moc"
