// Imports lesson files into an empty library and prints how long reading
// the file, naming its lessons and writing the library take, each the median
// of several imports, as elapsed and as processor time: the largest file that can be read, every lesson in it
// named "Fractions" so that each needs its own number (the library it would
// make is too large and is refused, after the naming), the largest such file
// whose lessons are all kept, and 2,000 lessons of one name.

#include "lessons/LessonFile.h"
#include "lessons/LessonLibrary.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

constexpr int imports = 5;

QList<LessonPlan> fractions(int count)
{
    QList<LessonPlan> lessons;
    for (int i = 0; i < count; ++i)
        lessons << LessonPlan{QStringLiteral("Fractions"), {}, {0, 1.0 / (i + 2), 0}, 1, false, {0, 0, 0}};
    return lessons;
}

// The most lessons named alike whose file is no larger than the limit, and,
// kept, the most whose library is.
int mostThatFit(bool kept)
{
    int low = 1;
    int high = 100000;
    while (low < high) {
        const int count = (low + high + 1) / 2;
        QList<LessonPlan> lessons = fractions(count);
        if (kept)
            for (int i = 1; i < count; ++i)
                lessons[i].name = QStringLiteral("Fractions (%1)").arg(i + 1);
        if (LessonFile::write(lessons).size() <= LessonFile::largest)
            low = count;
        else
            high = count - 1;
    }
    return low;
}

void measure(const char *name, int count)
{
    QTemporaryDir folder;
    const QString file = folder.filePath("shared.tallyvane");
    const QByteArray bytes = LessonFile::write(fractions(count));
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
        return;
    out.close();
    std::vector<double> times;
    std::vector<double> processorTimes;  // the program's own, whatever else the machine runs
    LessonLibrary::Change change = LessonLibrary::Change::Saved;
    for (int i = 0; i < imports; ++i) {
        LessonLibrary library(folder.filePath(QStringLiteral("lessons-%1.json").arg(i)));
        library.load();
        QElapsedTimer timer;
        timer.start();
        const std::clock_t processorStart = std::clock();
        change = library.import(LessonFile::readFrom(file).lessons).change;
        times.push_back(timer.nsecsElapsed() / 1e6);
        processorTimes.push_back(double(std::clock() - processorStart) * 1000 / CLOCKS_PER_SEC);
    }
    std::nth_element(times.begin(), times.begin() + imports / 2, times.end());
    std::nth_element(processorTimes.begin(), processorTimes.begin() + imports / 2, processorTimes.end());
    std::printf("%s_lessons: %d lessons\n", name, count);
    std::printf("%s_bytes: %lld bytes\n", name, static_cast<long long>(bytes.size()));
    std::printf("%s_kept: %d bool\n", name, change == LessonLibrary::Change::Saved ? 1 : 0);
    std::printf("%s: %.1f ms\n", name, times[imports / 2]);
    std::printf("%s_processor: %.1f ms\n", name, processorTimes[imports / 2]);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    measure("import_largest_file", mostThatFit(false));
    measure("import_largest_kept", mostThatFit(true));
    measure("import_2000_of_one_name", 2000);
    return 0;
}
