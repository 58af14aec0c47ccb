<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AnswerChart</name>
    <message>
        <source>Right answer</source>
        <translation>Richtige Antwort</translation>
    </message>
    <message>
        <source>Other answers</source>
        <translation>Andere Antworten</translation>
    </message>
    <message>
        <source>Pupils</source>
        <translation>Schüler</translation>
    </message>
</context>
<context>
    <name>BuiltInLessons</name>
    <message>
        <source>Count in 2s</source>
        <translation>In 2er-Schritten zählen</translation>
    </message>
    <message>
        <source>The even numbers from 0: 0, 2, 4, 6 …</source>
        <translation>Die geraden Zahlen ab 0: 0, 2, 4, 6 …</translation>
    </message>
    <message>
        <source>Count in 5s</source>
        <translation>In 5er-Schritten zählen</translation>
    </message>
    <message>
        <source>From 0 in steps of 5: 0, 5, 10, 15 …</source>
        <translation>Ab 0 in 5er-Schritten: 0, 5, 10, 15 …</translation>
    </message>
    <message>
        <source>Count in 10s</source>
        <translation>In 10er-Schritten zählen</translation>
    </message>
    <message>
        <source>From 0 in steps of 10: 0, 10, 20, 30 …</source>
        <translation>Ab 0 in 10er-Schritten: 0, 10, 20, 30 …</translation>
    </message>
    <message>
        <source>Count back in 3s from 30</source>
        <translation>Von 30 in 3er-Schritten rückwärts</translation>
    </message>
    <message>
        <source>30, 27, 24 … down to 0 and on below it.</source>
        <translation>30, 27, 24 … bis 0 und darunter weiter.</translation>
    </message>
    <message>
        <source>Count through zero</source>
        <translation>Über die Null zählen</translation>
    </message>
    <message>
        <source>From -10 in steps of 2: -10, -8 … 0, 2, 4 …</source>
        <translation>Ab -10 in 2er-Schritten: -10, -8 … 0, 2, 4 …</translation>
    </message>
    <message>
        <source>Count in 0.1s</source>
        <translation>In Zehnteln zählen</translation>
    </message>
    <message>
        <source>Tenths from 0: 0, 0.1, 0.2 … on past 1.</source>
        <translation>Zehntel ab 0, bis über 1 hinaus.</translation>
    </message>
    <message>
        <source>Count in 0.25s</source>
        <translation>In Vierteln zählen</translation>
    </message>
    <message>
        <source>Quarters from 0: 0, 0.25, 0.5, 0.75, 1 …</source>
        <translation>Viertel ab 0: 0, ¼, ½, ¾, 1 …</translation>
    </message>
    <message>
        <source>Odd numbers</source>
        <translation>Ungerade Zahlen</translation>
    </message>
    <message>
        <source>From 1 in steps of 2: 1, 3, 5, 7 …</source>
        <translation>Ab 1 in 2er-Schritten: 1, 3, 5, 7 …</translation>
    </message>
    <message>
        <source>Square numbers</source>
        <translation>Quadratzahlen</translation>
    </message>
    <message>
        <source>1, 4, 9, 16 … The step grows by 2 each time.</source>
        <translation>1, 4, 9, 16 … Der Schritt wächst stets um 2.</translation>
    </message>
    <message>
        <source>Triangular numbers</source>
        <translation>Dreieckszahlen</translation>
    </message>
    <message>
        <source>1, 3, 6, 10 … The step grows by 1 each time.</source>
        <translation>1, 3, 6, 10 … Der Schritt wächst stets um 1.</translation>
    </message>
    <message>
        <source>The 3 and 4 times tables</source>
        <translation>Die 3er- und die 4er-Reihe</translation>
    </message>
    <message>
        <source>Two counters: 0, 3, 6, 9 … above 0, 4, 8, 12 …</source>
        <translation>Zwei Zähler: 0, 3, 6, 9 … über 0, 4, 8, 12 …</translation>
    </message>
    <message>
        <source>Count in 0.1s, hushing every 5th</source>
        <translation>In 0,1er-Schritten, jede 5. still</translation>
    </message>
    <message>
        <source>0, 0.1 … 0.4, then ? for the class to say, 0.6 …</source>
        <translation>0; 0,1 … 0,4, dann ? – die Klasse sagt die Zahl, 0,6 …</translation>
    </message>
    <message>
        <source>Count in 7s and stop at 70</source>
        <translation>In 7er-Schritten, Halt bei 70</translation>
    </message>
    <message>
        <source>0, 7, 14 … and a pause at 70: what comes next?</source>
        <translation>0, 7, 14 … und eine Pause bei 70: Was kommt als Nächstes?</translation>
    </message>
</context>
<context>
    <name>ClassAnswers</name>
    <message>
        <source>Class Answers could not start: the ports %1 to %2 are all in use.</source>
        <translation>Klassenantworten konnte nicht starten: Die Ports %1 bis %2 sind alle belegt.</translation>
    </message>
</context>
<context>
    <name>ClassAnswersWindow</name>
    <message>
        <source>Class Answers</source>
        <translation>Klassenantworten</translation>
    </message>
    <message>
        <source>Ask for First Names</source>
        <translation>Nach Vornamen fragen</translation>
    </message>
    <message>
        <source>Show Answers</source>
        <translation>Antworten zeigen</translation>
    </message>
    <message>
        <source>Type an Answer</source>
        <translation>Antwort eintippen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Answered: %1</source>
        <translation>Geantwortet: %1</translation>
    </message>
    <message>
        <source>Counter %1</source>
        <translation>Zähler %1</translation>
    </message>
</context>
<context>
    <name>CountBoard</name>
    <message>
        <source>Count Board</source>
        <translation>Zähltafel</translation>
    </message>
</context>
<context>
    <name>CountBoardPanel</name>
    <message>
        <source>Fewer in Each Row</source>
        <translation>Weniger pro Reihe</translation>
    </message>
    <message>
        <source>More in Each Row</source>
        <translation>Mehr pro Reihe</translation>
    </message>
    <message>
        <source>Clear Marks</source>
        <translation>Markierungen löschen</translation>
    </message>
    <message>
        <source>Rows of %1</source>
        <translation>Reihen zu %1</translation>
    </message>
</context>
<context>
    <name>CountBoardWindow</name>
    <message>
        <source>Count Board</source>
        <translation>Zähltafel</translation>
    </message>
</context>
<context>
    <name>GraphChart</name>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
</context>
<context>
    <name>GraphPlan</name>
    <message>
        <source>Counter</source>
        <translation>Zähler</translation>
    </message>
    <message>
        <source>Counter 1</source>
        <translation>Zähler 1</translation>
    </message>
    <message>
        <source>Counter 2</source>
        <translation>Zähler 2</translation>
    </message>
</context>
<context>
    <name>GraphWindow</name>
    <message>
        <source>Tallyvane Graph</source>
        <translation>Tallyvane-Diagramm</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>The help pages are in English for now.</source>
        <translation>Die Hilfeseiten gibt es vorerst nur auf Englisch.</translation>
    </message>
    <message>
        <source>&lt;p&gt;This page is missing from the help file.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Diese Seite fehlt in der Hilfedatei.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Tallyvane Help</source>
        <translation>Tallyvane-Hilfe</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vor</translation>
    </message>
    <message>
        <source>Start Page</source>
        <translation>Startseite</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>&lt;p&gt;The help file %1 was not found. Tallyvane looked for it in these folders:&lt;/p&gt;&lt;ul&gt;%2&lt;/ul&gt;</source>
        <translation>&lt;p&gt;Die Hilfedatei %1 wurde nicht gefunden. Tallyvane hat in diesen Ordnern gesucht:&lt;/p&gt;&lt;ul&gt;%2&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The help file %1 could not be read. It may be damaged, or it is not a help file.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Die Hilfedatei %1 konnte nicht gelesen werden. Sie ist vielleicht beschädigt oder keine Hilfedatei.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Tallyvane Help - Help is not available</source>
        <translation>Tallyvane-Hilfe - Hilfe nicht verfügbar</translation>
    </message>
    <message>
        <source>Help is not available</source>
        <translation>Hilfe nicht verfügbar</translation>
    </message>
    <message>
        <source>Tallyvane itself works as usual; only this help cannot be shown.</source>
        <translation>Tallyvane selbst funktioniert wie immer; nur diese Hilfe kann nicht angezeigt werden.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>IconButton</name>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Count Faster</source>
        <translation>Schneller zählen</translation>
    </message>
    <message>
        <source>Count Slower</source>
        <translation>Langsamer zählen</translation>
    </message>
    <message>
        <source>Hide/Show Top Counter</source>
        <translation>Oberen Zähler verbergen/zeigen</translation>
    </message>
    <message>
        <source>Hide/Show Bottom Counter</source>
        <translation>Unteren Zähler verbergen/zeigen</translation>
    </message>
    <message>
        <source>Hide/Show Counter</source>
        <translation>Zähler verbergen/zeigen</translation>
    </message>
    <message>
        <source>Hide/Show Both Counters</source>
        <translation>Beide Zähler verbergen/zeigen</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Increase Font Size</source>
        <translation>Schrift vergrößern</translation>
    </message>
    <message>
        <source>Decrease Font Size</source>
        <translation>Schrift verkleinern</translation>
    </message>
    <message>
        <source>Change Font Colour</source>
        <translation>Schriftfarbe ändern</translation>
    </message>
    <message>
        <source>Change Background Colour</source>
        <translation>Hintergrundfarbe ändern</translation>
    </message>
    <message>
        <source>Move Toolbar</source>
        <translation>Werkzeugleiste verschieben</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Continue Counting</source>
        <translation>Weiterzählen</translation>
    </message>
    <message>
        <source>Stop Counting</source>
        <translation>Zählen beenden</translation>
    </message>
    <message>
        <source>Predict Next Number</source>
        <translation>Nächste Zahl vorhersagen</translation>
    </message>
    <message>
        <source>Number List</source>
        <translation>Zahlenliste</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>Save Graph</source>
        <translation>Diagramm speichern</translation>
    </message>
    <message>
        <source>Print Graph</source>
        <translation>Diagramm drucken</translation>
    </message>
    <message>
        <source>Bar Graph</source>
        <translation>Säulendiagramm</translation>
    </message>
    <message>
        <source>Line Graph</source>
        <translation>Liniendiagramm</translation>
    </message>
    <message>
        <source>Save List</source>
        <translation>Liste speichern</translation>
    </message>
    <message>
        <source>Print List</source>
        <translation>Liste drucken</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>Leave Full Screen</source>
        <translation>Vollbild beenden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Show Steps</source>
        <translation>Schritte zeigen</translation>
    </message>
    <message>
        <source>Show the Rule</source>
        <translation>Regel zeigen</translation>
    </message>
    <message>
        <source>Hide Steps</source>
        <translation>Schritte ausblenden</translation>
    </message>
    <message>
        <source>Class Answers</source>
        <translation>Klassenantworten</translation>
    </message>
    <message>
        <source>Count Board</source>
        <translation>Zähltafel</translation>
    </message>
    <message>
        <source>Save Board</source>
        <translation>Tafel speichern</translation>
    </message>
    <message>
        <source>Print Board</source>
        <translation>Tafel drucken</translation>
    </message>
</context>
<context>
    <name>JoinCard</name>
    <message>
        <source>Code:</source>
        <translation>Code:</translation>
    </message>
    <message>
        <source>Class Answers</source>
        <translation>Klassenantworten</translation>
    </message>
    <message>
        <source>Tap to fold or unfold</source>
        <translation>Tippen zum Ein- oder Ausklappen</translation>
    </message>
    <message>
        <source>Devices joined: %1</source>
        <translation>Beigetretene Geräte: %1</translation>
    </message>
    <message>
        <source>No school network found: pupils cannot join</source>
        <translation>Kein Schulnetz gefunden: Schüler können nicht beitreten</translation>
    </message>
</context>
<context>
    <name>JoinScreen</name>
    <message>
        <source>Join Class Answers</source>
        <translation>Klassenantworten beitreten</translation>
    </message>
    <message>
        <source>Tap to see the board</source>
        <translation>Tippen, um die Tafel zu sehen</translation>
    </message>
    <message>
        <source>Code:</source>
        <translation>Code:</translation>
    </message>
    <message>
        <source>No school network found: pupils cannot join</source>
        <translation>Kein Schulnetz gefunden: Schüler können nicht beitreten</translation>
    </message>
    <message>
        <source>Devices joined: %1</source>
        <translation>Beigetretene Geräte: %1</translation>
    </message>
</context>
<context>
    <name>Keypad</name>
    <message>
        <source>Point</source>
        <translation>Dezimalzeichen</translation>
    </message>
    <message>
        <source>DEL</source>
        <extracomment>The Delete key: four letters fit on it.</extracomment>
        <translation>Entf</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>TAB</source>
        <extracomment>The Tab key: four letters fit on it.</extracomment>
        <translation>Tab</translation>
    </message>
    <message>
        <source>TAB to next box</source>
        <translation>Tab: zum nächsten Feld</translation>
    </message>
    <message>
        <source>Move Keypad</source>
        <translation>Tastenfeld verschieben</translation>
    </message>
    <message>
        <source>Capital</source>
        <translation>Großbuchstabe</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Leerzeichen</translation>
    </message>
</context>
<context>
    <name>LessonMessages</name>
    <message>
        <source>it is not an ordinary file</source>
        <translation>es ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>sie ist größer als %1 MB</translation>
    </message>
    <message>
        <source>it cannot be opened</source>
        <translation>sie lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>Some of your saved lessons could not be read. %1 lessons were read and are in the list; %2 could not be read. The file as it was has been kept as %3.</source>
        <translation>Einige gespeicherte Übungen konnten nicht gelesen werden. %1 Übungen wurden gelesen und stehen in der Liste; %2 konnten nicht gelesen werden. Die Datei wurde unverändert als %3 aufbewahrt.</translation>
    </message>
    <message>
        <source>Lessons</source>
        <translation>Übungen</translation>
    </message>
    <message>
        <source>Some of your saved lessons could not be read. %1 lessons were read and are in the list; %2 could not be read. The file could not be moved aside, so it is left as it was, and changes to your lessons cannot be saved until it is mended or moved.</source>
        <translation>Einige gespeicherte Übungen konnten nicht gelesen werden. %1 Übungen wurden gelesen und stehen in der Liste; %2 konnten nicht gelesen werden. Die Datei ließ sich nicht beiseitelegen; sie bleibt, wie sie war, und Änderungen an Ihren Übungen können erst gespeichert werden, wenn sie repariert oder verschoben ist.</translation>
    </message>
    <message>
        <source>Your saved lessons in %1 cannot be read: %2. The file is left as it is, and changes to your lessons cannot be saved until it can be read.</source>
        <translation>Ihre gespeicherten Übungen in %1 können nicht gelesen werden: %2. Die Datei bleibt, wie sie ist, und Änderungen an Ihren Übungen können erst gespeichert werden, wenn sie lesbar ist.</translation>
    </message>
    <message>
        <source>Your lessons were saved by a newer version of Tallyvane. %1 lessons were read; %2 that this version cannot show are kept in the file as they are.</source>
        <translation>Ihre Übungen wurden von einer neueren Version von Tallyvane gespeichert. %1 Übungen wurden gelesen; %2, die diese Version nicht anzeigen kann, bleiben unverändert in der Datei.</translation>
    </message>
    <message>
        <source>Your lessons file cannot be read, so nothing has been changed.</source>
        <translation>Ihre Übungsdatei kann nicht gelesen werden, daher wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Saving Error</source>
        <translation>Fehler beim Speichern</translation>
    </message>
    <message>
        <source>That would make your lessons file larger than %1 MB, which is as large as it can be. Nothing has been changed.</source>
        <translation>Damit würde Ihre Übungsdatei größer als %1 MB, die größte mögliche Größe. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Another copy of Tallyvane is saving your lessons. Nothing has been changed: please try again.</source>
        <translation>Eine andere Kopie von Tallyvane speichert gerade Ihre Übungen. Es wurde nichts geändert: Bitte versuchen Sie es noch einmal.</translation>
    </message>
    <message>
        <source>That lesson has been changed or deleted in another copy of Tallyvane. The list now shows your lessons as they are.</source>
        <translation>Diese Übung wurde in einer anderen Kopie von Tallyvane geändert oder gelöscht. Die Liste zeigt Ihre Übungen jetzt so, wie sie sind.</translation>
    </message>
    <message>
        <source>That file cannot be read: %1. Nothing has been changed.</source>
        <translation>Diese Datei kann nicht gelesen werden: %1. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Import Lessons</source>
        <translation>Übungen importieren</translation>
    </message>
</context>
<context>
    <name>LessonPlan</name>
    <message>
        <source>%1th</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1st</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1nd</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1rd</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>pauses every %1</source>
        <translation>Pause alle %1</translation>
    </message>
    <message>
        <source>pauses when counter %1 reaches %2</source>
        <translation>Pause, wenn Zähler %1 %2 erreicht</translation>
    </message>
    <message>
        <source>hushes every %1</source>
        <translation>jede %1 still</translation>
    </message>
    <message>
        <source>aloud</source>
        <translation>laut</translation>
    </message>
</context>
<context>
    <name>LessonsDialog</name>
    <message>
        <source>Export Lessons</source>
        <translation>Übungen exportieren</translation>
    </message>
    <message>
        <source>Tap the lessons to export.</source>
        <translation>Die Übungen zum Exportieren antippen.</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportieren…</translation>
    </message>
    <message>
        <source>Lessons</source>
        <translation>Übungen</translation>
    </message>
    <message>
        <source>Use Lesson</source>
        <translation>Übung verwenden</translation>
    </message>
    <message>
        <source>Save as Lesson…</source>
        <translation>Neue Übung…</translation>
    </message>
    <message>
        <source>Rename…</source>
        <translation>Umbenennen…</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Importieren…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Lessons that come with Tallyvane</source>
        <translation>Übungen, die Tallyvane mitbringt</translation>
    </message>
    <message>
        <source>Your own lessons</source>
        <translation>Eigene Übungen</translation>
    </message>
    <message>
        <source>None yet: press Save as Lesson… to add one.</source>
        <translation>Noch keine: „Neue Übung…“ legt eine an.</translation>
    </message>
</context>
<context>
    <name>ListOutput</name>
    <message>
        <source>Count</source>
        <translation>Zählschritt</translation>
    </message>
    <message>
        <source>Counter 1</source>
        <translation>Zähler 1</translation>
    </message>
    <message>
        <source>Counter 2</source>
        <translation>Zähler 2</translation>
    </message>
</context>
<context>
    <name>ListText</name>
    <message>
        <source>Number</source>
        <translation>Zahl</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>Step change</source>
        <translation>Schrittänderung</translation>
    </message>
</context>
<context>
    <name>ListWindow</name>
    <message>
        <source>Number List</source>
        <translation>Zahlenliste</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Tallyvane has exceeded the maximum number of counts.</source>
        <translation>Tallyvane hat die größte Zahl an Zählschritten überschritten.</translation>
    </message>
    <message>
        <source>The numbers have grown too large to count.</source>
        <translation>Die Zahlen sind zum Zählen zu groß geworden.</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>Gut gemacht!</translation>
    </message>
    <message>
        <source>Try again.</source>
        <translation>Versuch es noch einmal.</translation>
    </message>
    <message>
        <source>Are you sure you want to Quit?</source>
        <translation>Wirklich beenden?</translation>
    </message>
    <message>
        <source>Are you sure you want to Quit Tallyvane?</source>
        <translation>Tallyvane wirklich beenden?</translation>
    </message>
    <message>
        <source>Too many values to list.</source>
        <translation>Zu viele Werte für eine Liste.</translation>
    </message>
    <message>
        <source>The table has not been printed.</source>
        <translation>Die Tabelle wurde nicht gedruckt.</translation>
    </message>
    <message>
        <source>Printing Error</source>
        <translation>Druckfehler</translation>
    </message>
    <message>
        <source>The list has not been saved.</source>
        <translation>Die Liste wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>Saving Error</source>
        <translation>Fehler beim Speichern</translation>
    </message>
    <message>
        <source>Not enough values to graph.</source>
        <translation>Zu wenige Werte für ein Diagramm.</translation>
    </message>
    <message>
        <source>Too many values to graph.</source>
        <translation>Zu viele Werte für ein Diagramm.</translation>
    </message>
    <message>
        <source>Too many values to show on a bar graph.</source>
        <translation>Zu viele Werte für ein Säulendiagramm.</translation>
    </message>
    <message>
        <source>The graph has not been printed.</source>
        <translation>Das Diagramm wurde nicht gedruckt.</translation>
    </message>
    <message>
        <source>The graph has not been saved.</source>
        <translation>Das Diagramm wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>That number is too large.</source>
        <translation>Diese Zahl ist zu groß.</translation>
    </message>
    <message>
        <source>Change Settings</source>
        <translation>Einstellungen ändern</translation>
    </message>
    <message>
        <source>What is the next number?</source>
        <translation>Wie heißt die nächste Zahl?</translation>
    </message>
    <message>
        <source>Predict</source>
        <translation>Vorhersagen</translation>
    </message>
    <message>
        <source>What is the next number for counter 1?</source>
        <translation>Wie heißt die nächste Zahl von Zähler 1?</translation>
    </message>
    <message>
        <source>Predict Counter 1</source>
        <translation>Zähler 1 vorhersagen</translation>
    </message>
    <message>
        <source>What is the next number for counter 2?</source>
        <translation>Wie heißt die nächste Zahl von Zähler 2?</translation>
    </message>
    <message>
        <source>Predict Counter 2</source>
        <translation>Zähler 2 vorhersagen</translation>
    </message>
    <message>
        <source>Some of your saved lessons could not be read. Every lesson that could be read is still in the list, and the damaged file has been kept as lessons.json.damaged.</source>
        <translation>Einige gespeicherte Übungen konnten nicht gelesen werden. Alle lesbaren Übungen stehen weiter in der Liste; die beschädigte Datei wurde als lessons.json.damaged aufbewahrt.</translation>
    </message>
    <message>
        <source>Lessons</source>
        <translation>Übungen</translation>
    </message>
    <message>
        <source>The lessons have not been saved.</source>
        <translation>Die Übungen wurden nicht gespeichert.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this lesson?</source>
        <translation>Diese Übung wirklich löschen?</translation>
    </message>
    <message>
        <source>That file holds no lessons that Tallyvane can read.</source>
        <translation>Diese Datei enthält keine Übungen, die Tallyvane lesen kann.</translation>
    </message>
    <message>
        <source>Import Lessons</source>
        <translation>Übungen importieren</translation>
    </message>
    <message>
        <source>Some lessons in that file could not be read. The others have been added.</source>
        <translation>Einige Übungen in dieser Datei konnten nicht gelesen werden. Die anderen wurden hinzugefügt.</translation>
    </message>
    <message>
        <source>Some lessons have the same name as one already in your list. They have been added with a number after the name.</source>
        <translation>Einige Übungen heißen wie eine, die schon in der Liste steht. Sie wurden mit einer Nummer hinter dem Namen hinzugefügt.</translation>
    </message>
    <message>
        <source>The lessons in that file are already in your list.</source>
        <translation>Die Übungen aus dieser Datei stehen schon in der Liste.</translation>
    </message>
    <message>
        <source>What is the lesson called?</source>
        <translation>Wie soll die Übung heißen?</translation>
    </message>
    <message>
        <source>Save as Lesson</source>
        <translation>Als Übung speichern</translation>
    </message>
    <message>
        <source>What is the lesson&apos;s new name?</source>
        <translation>Wie soll die Übung neu heißen?</translation>
    </message>
    <message>
        <source>Rename Lesson</source>
        <translation>Übung umbenennen</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>minus</translation>
    </message>
    <message>
        <source>point</source>
        <translation>Komma</translation>
    </message>
    <message>
        <source>times ten to the power</source>
        <translation>mal zehn hoch</translation>
    </message>
    <message>
        <source>The board has not been printed.</source>
        <translation>Die Tafel wurde nicht gedruckt.</translation>
    </message>
    <message>
        <source>The board has not been saved.</source>
        <translation>Die Tafel wurde nicht gespeichert.</translation>
    </message>
</context>
<context>
    <name>Mistake</name>
    <message>
        <source>the number on the board</source>
        <translation>die Zahl an der Tafel</translation>
    </message>
    <message>
        <source>counter %1&apos;s number</source>
        <translation>die Zahl von Zähler %1</translation>
    </message>
    <message>
        <source>the same step again</source>
        <translation>derselbe Schritt noch einmal</translation>
    </message>
    <message>
        <source>one step too many</source>
        <translation>ein Schritt zu viel</translation>
    </message>
    <message>
        <source>one step too few</source>
        <translation>ein Schritt zu wenig</translation>
    </message>
    <message>
        <source>the step in the wrong direction</source>
        <translation>der Schritt in die falsche Richtung</translation>
    </message>
    <message>
        <source>a slip of place value</source>
        <translation>eine Stelle verrutscht</translation>
    </message>
</context>
<context>
    <name>PauseDialog</name>
    <message>
        <source>Paused Counting</source>
        <translation>Zählen pausiert</translation>
    </message>
</context>
<context>
    <name>PupilTexts</name>
    <message>
        <source>Class Answers</source>
        <translation>Klassenantworten</translation>
    </message>
    <message>
        <source>Type the code on the board</source>
        <translation>Tippe den Code von der Tafel ein</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Beitreten</translation>
    </message>
    <message>
        <source>Your first name</source>
        <translation>Dein Vorname</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Watch the board.</source>
        <translation>Schau an die Tafel.</translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation>Verdeckt</translation>
    </message>
    <message>
        <source>Right!</source>
        <translation>Richtig!</translation>
    </message>
    <message>
        <source>The next number is %1.</source>
        <translation>Die nächste Zahl ist %1.</translation>
    </message>
    <message>
        <source>Connection lost. Reconnecting…</source>
        <translation>Verbindung verloren. Neuer Versuch …</translation>
    </message>
    <message>
        <source>That is not the code on the board. Try again.</source>
        <translation>Das ist nicht der Code an der Tafel. Versuche es noch einmal.</translation>
    </message>
    <message>
        <source>Too many wrong codes. Wait 30 seconds, then try again.</source>
        <translation>Zu viele falsche Codes. Warte 30 Sekunden und versuche es dann noch einmal.</translation>
    </message>
    <message>
        <source>That is not a number. Use the keys to type one.</source>
        <translation>Das ist keine Zahl. Tippe eine mit den Tasten ein.</translation>
    </message>
    <message>
        <source>That answer is too long.</source>
        <translation>Diese Antwort ist zu lang.</translation>
    </message>
    <message>
        <source>That message is too long.</source>
        <translation>Diese Nachricht ist zu lang.</translation>
    </message>
    <message>
        <source>Too many messages. Wait a moment, then try again.</source>
        <translation>Zu viele Nachrichten. Warte einen Moment und versuche es dann noch einmal.</translation>
    </message>
    <message>
        <source>The class is full: no more devices can join.</source>
        <translation>Die Klasse ist voll: Es können keine weiteren Geräte beitreten.</translation>
    </message>
    <message>
        <source>Answers are closed for now.</source>
        <translation>Antworten sind gerade nicht möglich.</translation>
    </message>
    <message>
        <source>Type the code on the board first.</source>
        <translation>Tippe zuerst den Code von der Tafel ein.</translation>
    </message>
    <message>
        <source>This page answers only devices on the school&apos;s own network.</source>
        <translation>Diese Seite antwortet nur Geräten im eigenen Netz der Schule.</translation>
    </message>
    <message>
        <source>That request is too large.</source>
        <translation>Diese Anfrage ist zu groß.</translation>
    </message>
    <message>
        <source>That message could not be read.</source>
        <translation>Diese Nachricht konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>en</source>
        <comment>the code of the language translated into</comment>
        <translation>de</translation>
    </message>
    <message>
        <source>Class Answers has been turned off.</source>
        <translation>Klassenantworten wurde ausgeschaltet.</translation>
    </message>
    <message>
        <source>Sent.</source>
        <translation>Gesendet.</translation>
    </message>
    <message>
        <source>You can change it until the answers are shown.</source>
        <translation>Du kannst sie ändern, bis die Antworten gezeigt werden.</translation>
    </message>
    <message>
        <source>You said %1.</source>
        <translation>Du hast %1 gesagt.</translation>
    </message>
</context>
<context>
    <name>RoutineDialog</name>
    <message>
        <source>Routine</source>
        <translation>Ablauf</translation>
    </message>
    <message>
        <source>Pause by itself</source>
        <translation>Von selbst anhalten</translation>
    </message>
    <message>
        <source>After every</source>
        <translation>Nach je</translation>
    </message>
    <message>
        <source>Counts between pauses</source>
        <translation>Zählschritte zwischen Pausen</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Wenn</translation>
    </message>
    <message>
        <source>counter 1</source>
        <translation>Zähler 1</translation>
    </message>
    <message>
        <source>counter 2</source>
        <translation>Zähler 2</translation>
    </message>
    <message>
        <source>Counter</source>
        <translation>Zähler</translation>
    </message>
    <message>
        <source>Value to pause at</source>
        <translation>Wert für die Pause</translation>
    </message>
    <message>
        <source>counts</source>
        <translation>Schritten</translation>
    </message>
    <message>
        <source>reaches</source>
        <translation>erreicht</translation>
    </message>
    <message>
        <source>Hush numbers</source>
        <translation>Zahlen verschweigen</translation>
    </message>
    <message>
        <source>Show “?” for one number in every</source>
        <translation>„?“ zeigen für eine Zahl von je</translation>
    </message>
    <message>
        <source>Numbers to each hushed one</source>
        <translation>Zahlen je verschwiegener Zahl</translation>
    </message>
    <message>
        <source>Count aloud</source>
        <translation>Laut zählen</translation>
    </message>
    <message>
        <source>Say each number as it appears</source>
        <translation>Jede Zahl beim Erscheinen sprechen</translation>
    </message>
    <message>
        <source>No voice is installed.</source>
        <translation>Keine Stimme ist installiert.</translation>
    </message>
    <message>
        <source>Voices here: %1.</source>
        <translation>Stimmen hier: %1.</translation>
    </message>
    <message>
        <source>No voice here speaks this language, so Tallyvane cannot count aloud.</source>
        <translation>Keine Stimme hier spricht diese Sprache, daher kann Tallyvane nicht laut zählen.</translation>
    </message>
    <message>
        <source>At %1 s a count there is no time to say every number: each number is said only once the one before has been said in full.</source>
        <translation>Bei %1 s pro Schritt bleibt nicht für jede Zahl Zeit: Eine Zahl wird erst gesprochen, wenn die vorige ganz gesagt ist.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Fewer</source>
        <translation>Weniger</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Mehr</translation>
    </message>
    <message>
        <source>Looking for voices…</source>
        <translation>Stimmen werden gesucht …</translation>
    </message>
    <message>
        <source>No sound: the voice has stopped.</source>
        <translation>Kein Ton: Die Stimme ist verstummt.</translation>
    </message>
</context>
<context>
    <name>RuleWindow</name>
    <message>
        <source>The Rule</source>
        <translation>Die Regel</translation>
    </message>
    <message>
        <source>Counter %1</source>
        <translation>Zähler %1</translation>
    </message>
    <message>
        <source>The nth number is %1</source>
        <translation>Die n-te Zahl ist %1</translation>
    </message>
    <message>
        <source>The nth number is about %1</source>
        <translation>Die n-te Zahl ist ungefähr %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>SaveFilters</name>
    <message>
        <source>All Files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>Tallyvane Lessons</source>
        <translation>Tallyvane-Übungen</translation>
    </message>
    <message>
        <source>Bitmaps</source>
        <translation>Bitmap-Bilder</translation>
    </message>
    <message>
        <source>PNG Image</source>
        <translation>PNG-Bild</translation>
    </message>
    <message>
        <source>SVG Drawing</source>
        <translation>SVG-Zeichnung</translation>
    </message>
    <message>
        <source>Text Files</source>
        <translation>Textdateien</translation>
    </message>
    <message>
        <source>CSV File</source>
        <translation>CSV-Datei</translation>
    </message>
</context>
<context>
    <name>SequenceRule</name>
    <message>
        <source>Start at %1.</source>
        <translation>Beginne bei %1.</translation>
    </message>
    <message>
        <source>Take away %1 every time.</source>
        <translation>Ziehe jedes Mal %1 ab.</translation>
    </message>
    <message>
        <source>Add %1 every time.</source>
        <translation>Addiere jedes Mal %1.</translation>
    </message>
    <message>
        <source>The first step is %1, and the step shrinks by %2 after every count.</source>
        <translation>Der erste Schritt ist %1, und der Schritt wird nach jedem Zählen um %2 kleiner.</translation>
    </message>
    <message>
        <source>The first step is %1, and the step grows by %2 after every count.</source>
        <translation>Der erste Schritt ist %1, und der Schritt wird nach jedem Zählen um %2 größer.</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Change Settings</source>
        <translation>Einstellungen ändern</translation>
    </message>
    <message>
        <source>Counter 1</source>
        <translation>Zähler 1</translation>
    </message>
    <message>
        <source>First Number</source>
        <translation>Erste Zahl</translation>
    </message>
    <message>
        <source>First Step</source>
        <translation>Erster Schritt</translation>
    </message>
    <message>
        <source>Step Changes by</source>
        <translation>Schrittänderung</translation>
    </message>
    <message>
        <source>Speed in secs.</source>
        <translation>Tempo in Sek.</translation>
    </message>
    <message>
        <source>Counter 2</source>
        <translation>Zähler 2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbruch</translation>
    </message>
    <message>
        <source>Lessons…</source>
        <translation>Übungen…</translation>
    </message>
    <message>
        <source>Routine…</source>
        <translation>Ablauf…</translation>
    </message>
</context>
<context>
    <name>SwatchColourDialog</name>
    <message>
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Light Coral</source>
        <translation>Helles Korallenrot</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Crimson</source>
        <translation>Karminrot</translation>
    </message>
    <message>
        <source>Firebrick</source>
        <translation>Ziegelrot</translation>
    </message>
    <message>
        <source>Dark Red</source>
        <translation>Dunkelrot</translation>
    </message>
    <message>
        <source>Peach Puff</source>
        <translation>Pfirsich</translation>
    </message>
    <message>
        <source>Light Salmon</source>
        <translation>Helles Lachsrot</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Dark Orange</source>
        <translation>Dunkelorange</translation>
    </message>
    <message>
        <source>Orange Red</source>
        <translation>Orangerot</translation>
    </message>
    <message>
        <source>Chocolate</source>
        <translation>Schokoladenbraun</translation>
    </message>
    <message>
        <source>Light Yellow</source>
        <translation>Hellgelb</translation>
    </message>
    <message>
        <source>Khaki</source>
        <translation>Khaki</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Gold</translation>
    </message>
    <message>
        <source>Goldenrod</source>
        <translation>Goldrute</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliv</translation>
    </message>
    <message>
        <source>Pale Green</source>
        <translation>Blassgrün</translation>
    </message>
    <message>
        <source>Light Green</source>
        <translation>Hellgrün</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Limette</translation>
    </message>
    <message>
        <source>Lime Green</source>
        <translation>Limettengrün</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Dark Green</source>
        <translation>Dunkelgrün</translation>
    </message>
    <message>
        <source>Light Cyan</source>
        <translation>Helles Cyan</translation>
    </message>
    <message>
        <source>Aquamarine</source>
        <translation>Aquamarin</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>Türkis</translation>
    </message>
    <message>
        <source>Light Sea Green</source>
        <translation>Helles Meergrün</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Blaugrün</translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation>Hellblau</translation>
    </message>
    <message>
        <source>Sky Blue</source>
        <translation>Himmelblau</translation>
    </message>
    <message>
        <source>Deep Sky Blue</source>
        <translation>Tiefes Himmelblau</translation>
    </message>
    <message>
        <source>Royal Blue</source>
        <translation>Königsblau</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Marineblau</translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation>Lavendel</translation>
    </message>
    <message>
        <source>Plum</source>
        <translation>Pflaume</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Violett</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Lila</translation>
    </message>
    <message>
        <source>Indigo</source>
        <translation>Indigo</translation>
    </message>
    <message>
        <source>Wheat</source>
        <translation>Weizen</translation>
    </message>
    <message>
        <source>Tan</source>
        <translation>Hellbraun</translation>
    </message>
    <message>
        <source>Peru</source>
        <translation>Peru</translation>
    </message>
    <message>
        <source>Sienna</source>
        <translation>Siena</translation>
    </message>
    <message>
        <source>Saddle Brown</source>
        <translation>Sattelbraun</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Kastanienbraun</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Light Grey</source>
        <translation>Hellgrau</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Silber</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>Dim Grey</source>
        <translation>Dunkelgrau</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
</context>
<context>
    <name>TitleScreen</name>
    <message>
        <source>version %1d</source>
        <translation>Version %1d</translation>
    </message>
</context>
</TS>
