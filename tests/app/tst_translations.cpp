#include "engine/NumberText.h"
#include "help/HelpViewer.h"
#include "lessons/BuiltInLessons.h"
#include "lessons/LessonLibrary.h"
#include "output/board/CountBoardPanel.h"
#include "output/board/CountBoardWindow.h"
#include "output/graphs/GraphChart.h"
#include "output/graphs/GraphPlan.h"
#include "output/graphs/GraphWindow.h"
#include "output/lists/ListWindow.h"
#include "platform/QtDialogs.h"
#include "platform/QtPagePrinter.h"
#include "platform/Translations.h"
#include "tests/support/DataFolder.h"
#include "tests/support/FakePrinter.h"
#include "tests/support/LessonNames.h"
#include "tests/support/ModalDialogs.h"
#include "tests/support/Named.h"
#include "tests/support/ScriptedDialogs.h"
#include "widgets/SwatchColourDialog.h"
#include "windows/main/MainWindow.h"
#include "windows/main/TitleScreen.h"
#include "windows/pause/PauseDialog.h"
#include "windows/settings/LessonsDialog.h"
#include "windows/settings/SettingsDialog.h"

#include <QAbstractAxis>
#include <QGroupBox>
#include <QLabel>
#include <QLegendMarker>
#include <QListWidget>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTest>

// The windows in each language, with Qt's own buttons, as a teacher starting
// Tallyvane in that language sees them.
class TranslationsTest : public QObject {
    Q_OBJECT
private slots:
    void languageChosen_data();
    void languageChosen();
    void windowsSpeakTheLanguage_data();
    void windowsSpeakTheLanguage();
    void noWindowTextLeftInEnglish();
    void startedWithLanguageDe();
    void builtInLessonsGoByBothNames_data();
    void builtInLessonsGoByBothNames();
};

namespace {

// The window's title, and every tooltip, accessible name, caption and list
// item in it, in the same order each time.
void collectTexts(const QWidget &window, QStringList &texts)
{
    texts << window.windowTitle();
    for (const QWidget *w : window.findChildren<QWidget *>()) {
        texts << w->toolTip() << w->accessibleName();
        if (auto *label = qobject_cast<const QLabel *>(w))
            texts << label->text();
        if (auto *button = qobject_cast<const QAbstractButton *>(w))
            texts << button->text();
        if (auto *frame = qobject_cast<const QGroupBox *>(w))
            texts << frame->title();
        if (auto *list = qobject_cast<const QListWidget *>(w))
            for (int i = 0; i < list->count(); ++i)
                texts << list->item(i)->text() << list->item(i)->data(Qt::AccessibleDescriptionRole).toString();
    }
}

// The texts of every window of a two-counter lesson, the lesson list and its
// export chooser among them, and the chart's titles, built in the language
// installed.
QStringList shownTexts()
{
    CountingSession session;
    WindowMemory memory;
    session.counterCount = 2;
    session.countIndex = 3;
    ScriptedDialogs dialogs;
    FakePrinter printer;
    ListServices services{session, memory, dialogs, printer};
    QtPagePrinter pagePrinter;
    MainWindow main(session, memory, dialogs);
    TwoCounterPauseDialog pause(session, memory.pauseDialogPlacement, nullptr);
    SettingsDialog settings(session, memory, dialogs, nullptr);
    TwoCounterListWindow list(services);
    GraphWindow graph(session, memory, dialogs, pagePrinter);
    graph.setChart(buildChart(planGraph(session, GraphKind::Line)));
    CountBoardWindow board(memory, main);
    board.takePanel(new CountBoardPanel(memory, dialogs, pagePrinter));
    HelpViewer help;
    SwatchColourDialog colours;
    TitleScreen title;
    DataFolder data;
    LessonLibrary emptyLibrary(data.path("empty.json"));
    LessonsDialog lessons(emptyLibrary, LessonPlan::of(session), dialogs, nullptr);
    QStringList texts;
    for (const QWidget *window : QList<QWidget *>{&main, &pause, &settings, &list, &graph, &board, &help, &colours, &title, &lessons})
        collectTexts(*window, texts);
    // A name without letters, the same in every language.
    LessonLibrary library(data.path("lessons.json"));
    library.add({QStringLiteral("7, 14, 21"), {}, {7, 7, 0}, 1, false, {}});
    LessonsDialog ownLessons(library, std::nullopt, dialogs, nullptr);
    whenModalShown<QDialog>([&](QDialog *chooser) { collectTexts(*chooser, texts); });
    named<QPushButton>(ownLessons, "cmdExport")->click();
    for (const QAbstractAxis *axis : graph.chartView->chart()->axes())
        texts << axis->titleText();
    for (const QLegendMarker *marker : graph.chartView->chart()->legend()->markers())
        texts << marker->label();
    return texts;
}

} // namespace

void TranslationsTest::languageChosen_data()
{
    QTest::addColumn<QStringList>("uiLanguages");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("exitTooltip");
    QTest::newRow("German") << QStringList{"de", "de-Latn-DE", "de-DE"} << "de" << "Beenden";
    QTest::newRow("French of Canada") << QStringList{"fr-CA"} << "fr" << "Quitter";
    QTest::newRow("untranslated first choice passed over") << QStringList{"pt-BR", "es"} << "es" << "Salir";
    QTest::newRow("English before German") << QStringList{"en-GB", "de"} << "" << "Exit";
    QTest::newRow("C locale") << QStringList{"C"} << "" << "Exit";
}

void TranslationsTest::languageChosen()
{
    QFETCH(QStringList, uiLanguages);
    QFETCH(QString, language);
    QFETCH(QString, exitTooltip);
    const Translations translations(uiLanguages);
    QCOMPARE(translations.language(), language);
    QCOMPARE(QCoreApplication::translate("IconButton", "Exit"), exitTooltip);
}

void TranslationsTest::windowsSpeakTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("settingsTooltip");
    QTest::addColumn<QString>("pauseTitle");
    QTest::addColumn<QString>("exitQuestion");
    QTest::addColumn<QString>("yes");
    QTest::addColumn<QString>("helpNotice");
    QTest::newRow("German") << "de" << "Einstellungen" << "Zählen pausiert" << "Tallyvane wirklich beenden?" << "&Ja"
                            << "Die Hilfeseiten gibt es vorerst nur auf Englisch.";
    QTest::newRow("French") << "fr" << "Réglages" << "Comptage en pause" << "Voulez-vous vraiment quitter Tallyvane\u00a0?"
                            << "&Oui" << "Les pages d’aide n’existent pour l’instant qu’en anglais.";
    QTest::newRow("Spanish") << "es" << "Ajustes" << "Conteo en pausa" << "¿Seguro que quiere salir de Tallyvane?" << "&Sí"
                             << "Por ahora, las páginas de ayuda solo están en inglés.";
    QTest::newRow("English") << "en" << "Settings" << "Paused Counting" << "Are you sure you want to Quit Tallyvane?"
                             << "&Yes" << "";
}

void TranslationsTest::windowsSpeakTheLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, settingsTooltip);
    QFETCH(QString, pauseTitle);
    QFETCH(QString, exitQuestion);
    QFETCH(QString, yes);
    QFETCH(QString, helpNotice);
    const Translations translations({language});
    CountingSession session;
    WindowMemory memory;
    ScriptedDialogs scripted;
    MainWindow main(session, memory, scripted);
    QCOMPARE(named<QPushButton>(main, "cmdSettings")->toolTip(), settingsTooltip);
    QCOMPARE(OneCounterPauseDialog(session, memory.pauseDialogPlacement, nullptr).windowTitle(), pauseTitle);

    QString shownQuestion, shownYes;
    whenModalShown<QMessageBox>([&](QMessageBox *box) {
        shownQuestion = box->text();
        shownYes = box->button(QMessageBox::Yes)->text();
    });
    QtDialogs dialogs;
    dialogs.showMessage(Messages::confirmExit(), &main);
    QCOMPARE(shownQuestion, exitQuestion);
    QCOMPARE(shownYes, yes);

    HelpViewer help;
    const QLabel *notice = named<QLabel>(help, "notice");
    QCOMPARE(notice->isHidden() ? QString() : notice->text(), helpNotice);
}

// A text the same in every language was left out of the translation, unless
// it is the program's name.
void TranslationsTest::noWindowTextLeftInEnglish()
{
    QList<QStringList> byLanguage;
    for (const QString &language : QStringList{"en", "de", "fr", "es"}) {
        const Translations translations({language});
        byLanguage << shownTexts();
        QCOMPARE(byLanguage.back().size(), byLanguage.front().size());
    }
    const QStringList &english = byLanguage.front();
    QStringList untranslated;
    for (qsizetype i = 0; i < english.size(); ++i) {
        const bool same = std::all_of(byLanguage.begin(), byLanguage.end(),
                                      [&](const QStringList &texts) { return texts[i] == english[i]; });
        if (same && english[i].contains(QRegularExpression(QStringLiteral("\\p{L}"))) && english[i] != QLatin1String("Tallyvane"))
            untranslated << english[i];
    }
    untranslated.removeDuplicates();
    QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(QStringLiteral(" | "))));
}

void TranslationsTest::startedWithLanguageDe()
{
    if (qEnvironmentVariable("LANGUAGE") != QLatin1String("de"))
        QSKIP("Runs with LANGUAGE=de in the C region (ctest's tst_translations_de).");
    const Translations translations(QLocale::system().uiLanguages());
    QCOMPARE(translations.language(), "de");
    QCOMPARE(Messages::wellDone().text, "Gut gemacht!");
    // The words are German, the numbers still those of the region.
    QCOMPARE(numberToText(0.5), "0.5");
    QCOMPARE(textToNumber(QStringLiteral("0,5")), 0.0);
}

// A built-in lesson keeps its English name, which a lesson file holds, and
// goes by its German one too.
void TranslationsTest::builtInLessonsGoByBothNames_data()
{
    QTest::addColumn<bool>("imported");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("saved under the German name") << false << "in 2er-Schritten zählen" << QStringList{"in 2er-Schritten zählen (2)"};
    QTest::newRow("saved under the English name") << false << "Count in 2s" << QStringList{"Count in 2s (2)"};
    QTest::newRow("imported under the German name") << true << "In 2er-Schritten zählen (3)" << QStringList{};
    QTest::newRow("imported under the English name") << true << "Count in 2s" << QStringList{};
}

void TranslationsTest::builtInLessonsGoByBothNames()
{
    QFETCH(bool, imported);
    QFETCH(QString, name);
    QFETCH(QStringList, names);
    const Translations translations({"de"});
    DataFolder data;
    LessonLibrary library(data.path("lessons.json"));
    LessonPlan lesson = builtInLessons().front();
    lesson.name = name;
    if (imported)
        library.import({lesson});
    else
        QVERIFY(library.add(lesson));
    QCOMPARE(namesOf(library.own()), names);
}

QTEST_MAIN(TranslationsTest)

#include "tst_translations.moc"
