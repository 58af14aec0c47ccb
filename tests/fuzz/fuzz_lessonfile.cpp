// libFuzzer target for the lesson file. Each input is read as a lesson file;
// what is written of the lessons read must read back as the same lessons,
// whole, and be written again byte for byte the same. A broken property
// aborts with the text written, so the fuzzer keeps the input that broke it.

#include "lessons/LessonFile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void require(bool holds, const char *property, const QByteArray &written)
{
    if (holds)
        return;
    std::fprintf(stderr, "%s: %s\n", property, written.constData());
    std::abort();
}

bool sameLessons(const QList<LessonPlan> &a, const QList<LessonPlan> &b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (a[i].name != b[i].name || !a[i].countsLike(b[i]) || a[i].unknownMembers.size() != b[i].unknownMembers.size())
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const LessonFile::Contents read = LessonFile::read(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    const QByteArray written = LessonFile::write(read);
    const LessonFile::Contents again = LessonFile::read(written);
    require(again.whole || read.newer(), "what was written is not read whole", written);
    require(sameLessons(read.lessons, again.lessons), "what was written reads back as other lessons", written);
    require(LessonFile::write(again) == written, "what was read back is written otherwise", written);
    return 0;
}
