<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AnswerChart</name>
    <message>
        <source>Right answer</source>
        <translation>Bonne réponse</translation>
    </message>
    <message>
        <source>Other answers</source>
        <translation>Autres réponses</translation>
    </message>
    <message>
        <source>Pupils</source>
        <translation>Élèves</translation>
    </message>
</context>
<context>
    <name>BuiltInLessons</name>
    <message>
        <source>Count in 2s</source>
        <translation>Compter de 2 en 2</translation>
    </message>
    <message>
        <source>The even numbers from 0: 0, 2, 4, 6 …</source>
        <translation>Les nombres pairs depuis 0&#xa0;: 0, 2, 4, 6 …</translation>
    </message>
    <message>
        <source>Count in 5s</source>
        <translation>Compter de 5 en 5</translation>
    </message>
    <message>
        <source>From 0 in steps of 5: 0, 5, 10, 15 …</source>
        <translation>De 5 en 5 depuis 0&#xa0;: 0, 5, 10, 15 …</translation>
    </message>
    <message>
        <source>Count in 10s</source>
        <translation>Compter de 10 en 10</translation>
    </message>
    <message>
        <source>From 0 in steps of 10: 0, 10, 20, 30 …</source>
        <translation>De 10 en 10 depuis 0&#xa0;: 0, 10, 20, 30 …</translation>
    </message>
    <message>
        <source>Count back in 3s from 30</source>
        <translation>Décompter de 3 en 3 depuis 30</translation>
    </message>
    <message>
        <source>30, 27, 24 … down to 0 and on below it.</source>
        <translation>30, 27, 24 … jusqu’à 0, puis en dessous.</translation>
    </message>
    <message>
        <source>Count through zero</source>
        <translation>Compter en passant par zéro</translation>
    </message>
    <message>
        <source>From -10 in steps of 2: -10, -8 … 0, 2, 4 …</source>
        <translation>De 2 en 2 depuis -10&#xa0;: -10, -8 … 0, 2, 4 …</translation>
    </message>
    <message>
        <source>Count in 0.1s</source>
        <translation>Compter par dixièmes</translation>
    </message>
    <message>
        <source>Tenths from 0: 0, 0.1, 0.2 … on past 1.</source>
        <translation>Les dixièmes depuis 0, jusqu’au-delà de 1.</translation>
    </message>
    <message>
        <source>Count in 0.25s</source>
        <translation>Compter par quarts</translation>
    </message>
    <message>
        <source>Quarters from 0: 0, 0.25, 0.5, 0.75, 1 …</source>
        <translation>Les quarts depuis 0&#xa0;: 0, ¼, ½, ¾, 1 …</translation>
    </message>
    <message>
        <source>Odd numbers</source>
        <translation>Nombres impairs</translation>
    </message>
    <message>
        <source>From 1 in steps of 2: 1, 3, 5, 7 …</source>
        <translation>De 2 en 2 depuis 1&#xa0;: 1, 3, 5, 7 …</translation>
    </message>
    <message>
        <source>Square numbers</source>
        <translation>Nombres carrés</translation>
    </message>
    <message>
        <source>1, 4, 9, 16 … The step grows by 2 each time.</source>
        <translation>1, 4, 9, 16 … Le pas croît de 2 à chaque fois.</translation>
    </message>
    <message>
        <source>Triangular numbers</source>
        <translation>Nombres triangulaires</translation>
    </message>
    <message>
        <source>1, 3, 6, 10 … The step grows by 1 each time.</source>
        <translation>1, 3, 6, 10 … Le pas croît de 1 à chaque fois.</translation>
    </message>
    <message>
        <source>The 3 and 4 times tables</source>
        <translation>Les tables de 3 et de 4</translation>
    </message>
    <message>
        <source>Two counters: 0, 3, 6, 9 … above 0, 4, 8, 12 …</source>
        <translation>En haut&#xa0;: 0, 3, 6, 9 … En bas&#xa0;: 0, 4, 8, 12 …</translation>
    </message>
    <message>
        <source>Count in 0.1s, hushing every 5th</source>
        <translation>Compter de 0,1 en 0,1, une sur 5 tue</translation>
    </message>
    <message>
        <source>0, 0.1 … 0.4, then ? for the class to say, 0.6 …</source>
        <translation>0 ; 0,1 … 0,4, puis ? que la classe dit, 0,6 …</translation>
    </message>
    <message>
        <source>Count in 7s and stop at 70</source>
        <translation>Compter de 7 en 7, arrêt à 70</translation>
    </message>
    <message>
        <source>0, 7, 14 … and a pause at 70: what comes next?</source>
        <translation>0, 7, 14 … et une pause à 70 : quel nombre vient ensuite ?</translation>
    </message>
</context>
<context>
    <name>ClassAnswers</name>
    <message>
        <source>Class Answers could not start: the ports %1 to %2 are all in use.</source>
        <translation>Les Réponses de la classe n&apos;ont pas pu démarrer : les ports %1 à %2 sont tous occupés.</translation>
    </message>
</context>
<context>
    <name>ClassAnswersWindow</name>
    <message>
        <source>Class Answers</source>
        <translation>Réponses de la classe</translation>
    </message>
    <message>
        <source>Ask for First Names</source>
        <translation>Demander les prénoms</translation>
    </message>
    <message>
        <source>Show Answers</source>
        <translation>Montrer les réponses</translation>
    </message>
    <message>
        <source>Type an Answer</source>
        <translation>Taper une réponse</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Answered: %1</source>
        <translation>Ont répondu : %1</translation>
    </message>
    <message>
        <source>Counter %1</source>
        <translation>Compteur %1</translation>
    </message>
</context>
<context>
    <name>CountBoard</name>
    <message>
        <source>Count Board</source>
        <translation>Tableau de comptage</translation>
    </message>
</context>
<context>
    <name>CountBoardPanel</name>
    <message>
        <source>Fewer in Each Row</source>
        <translation>Moins par rangée</translation>
    </message>
    <message>
        <source>More in Each Row</source>
        <translation>Plus par rangée</translation>
    </message>
    <message>
        <source>Clear Marks</source>
        <translation>Effacer les marques</translation>
    </message>
    <message>
        <source>Rows of %1</source>
        <translation>Rangées de %1</translation>
    </message>
</context>
<context>
    <name>CountBoardWindow</name>
    <message>
        <source>Count Board</source>
        <translation>Tableau de comptage</translation>
    </message>
</context>
<context>
    <name>GraphChart</name>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
</context>
<context>
    <name>GraphPlan</name>
    <message>
        <source>Counter</source>
        <translation>Compteur</translation>
    </message>
    <message>
        <source>Counter 1</source>
        <translation>Compteur 1</translation>
    </message>
    <message>
        <source>Counter 2</source>
        <translation>Compteur 2</translation>
    </message>
</context>
<context>
    <name>GraphWindow</name>
    <message>
        <source>Tallyvane Graph</source>
        <translation>Graphique de Tallyvane</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>The help pages are in English for now.</source>
        <translation>Les pages d’aide n’existent pour l’instant qu’en anglais.</translation>
    </message>
    <message>
        <source>&lt;p&gt;This page is missing from the help file.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Cette page manque dans le fichier d’aide.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Tallyvane Help</source>
        <translation>Aide de Tallyvane</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Start Page</source>
        <translation>Accueil</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>&lt;p&gt;The help file %1 was not found. Tallyvane looked for it in these folders:&lt;/p&gt;&lt;ul&gt;%2&lt;/ul&gt;</source>
        <translation>&lt;p&gt;Le fichier d’aide %1 est introuvable. Tallyvane l’a cherché dans ces dossiers :&lt;/p&gt;&lt;ul&gt;%2&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The help file %1 could not be read. It may be damaged, or it is not a help file.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Le fichier d’aide %1 n’a pas pu être lu. Il est peut-être endommagé, ou ce n’est pas un fichier d’aide.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Tallyvane Help - Help is not available</source>
        <translation>Aide de Tallyvane - Aide indisponible</translation>
    </message>
    <message>
        <source>Help is not available</source>
        <translation>Aide indisponible</translation>
    </message>
    <message>
        <source>Tallyvane itself works as usual; only this help cannot be shown.</source>
        <translation>Tallyvane fonctionne normalement ; seule cette aide ne peut pas être affichée.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>IconButton</name>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Count Faster</source>
        <translation>Compter plus vite</translation>
    </message>
    <message>
        <source>Count Slower</source>
        <translation>Compter plus lentement</translation>
    </message>
    <message>
        <source>Hide/Show Top Counter</source>
        <translation>Masquer/afficher le compteur du haut</translation>
    </message>
    <message>
        <source>Hide/Show Bottom Counter</source>
        <translation>Masquer/afficher le compteur du bas</translation>
    </message>
    <message>
        <source>Hide/Show Counter</source>
        <translation>Masquer/afficher le compteur</translation>
    </message>
    <message>
        <source>Hide/Show Both Counters</source>
        <translation>Masquer/afficher les deux compteurs</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Increase Font Size</source>
        <translation>Agrandir les chiffres</translation>
    </message>
    <message>
        <source>Decrease Font Size</source>
        <translation>Réduire les chiffres</translation>
    </message>
    <message>
        <source>Change Font Colour</source>
        <translation>Changer la couleur des chiffres</translation>
    </message>
    <message>
        <source>Change Background Colour</source>
        <translation>Changer la couleur du fond</translation>
    </message>
    <message>
        <source>Move Toolbar</source>
        <translation>Déplacer la barre d’outils</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Continue Counting</source>
        <translation>Continuer à compter</translation>
    </message>
    <message>
        <source>Stop Counting</source>
        <translation>Arrêter de compter</translation>
    </message>
    <message>
        <source>Predict Next Number</source>
        <translation>Prédire le nombre suivant</translation>
    </message>
    <message>
        <source>Number List</source>
        <translation>Liste des nombres</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Graphique</translation>
    </message>
    <message>
        <source>Save Graph</source>
        <translation>Enregistrer le graphique</translation>
    </message>
    <message>
        <source>Print Graph</source>
        <translation>Imprimer le graphique</translation>
    </message>
    <message>
        <source>Bar Graph</source>
        <translation>Diagramme en bâtons</translation>
    </message>
    <message>
        <source>Line Graph</source>
        <translation>Graphique en ligne</translation>
    </message>
    <message>
        <source>Save List</source>
        <translation>Enregistrer la liste</translation>
    </message>
    <message>
        <source>Print List</source>
        <translation>Imprimer la liste</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>Leave Full Screen</source>
        <translation>Quitter le plein écran</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Show Steps</source>
        <translation>Afficher les pas</translation>
    </message>
    <message>
        <source>Show the Rule</source>
        <translation>Afficher la règle</translation>
    </message>
    <message>
        <source>Hide Steps</source>
        <translation>Masquer les pas</translation>
    </message>
    <message>
        <source>Class Answers</source>
        <translation>Réponses de la classe</translation>
    </message>
    <message>
        <source>Count Board</source>
        <translation>Tableau de comptage</translation>
    </message>
    <message>
        <source>Save Board</source>
        <translation>Enregistrer le tableau</translation>
    </message>
    <message>
        <source>Print Board</source>
        <translation>Imprimer le tableau</translation>
    </message>
</context>
<context>
    <name>JoinCard</name>
    <message>
        <source>Code:</source>
        <translation>Code :</translation>
    </message>
    <message>
        <source>Class Answers</source>
        <translation>Réponses de la classe</translation>
    </message>
    <message>
        <source>Tap to fold or unfold</source>
        <translation>Touchez pour replier ou déplier</translation>
    </message>
    <message>
        <source>Devices joined: %1</source>
        <translation>Appareils connectés : %1</translation>
    </message>
    <message>
        <source>No school network found: pupils cannot join</source>
        <translation>Aucun réseau d&apos;école trouvé : les élèves ne peuvent pas rejoindre</translation>
    </message>
</context>
<context>
    <name>JoinScreen</name>
    <message>
        <source>Join Class Answers</source>
        <translation>Rejoindre les réponses de la classe</translation>
    </message>
    <message>
        <source>Tap to see the board</source>
        <translation>Touchez pour voir le tableau</translation>
    </message>
    <message>
        <source>Code:</source>
        <translation>Code :</translation>
    </message>
    <message>
        <source>No school network found: pupils cannot join</source>
        <translation>Aucun réseau d&apos;école trouvé : les élèves ne peuvent pas rejoindre</translation>
    </message>
    <message>
        <source>Devices joined: %1</source>
        <translation>Appareils connectés : %1</translation>
    </message>
</context>
<context>
    <name>Keypad</name>
    <message>
        <source>Point</source>
        <translation>Séparateur décimal</translation>
    </message>
    <message>
        <source>DEL</source>
        <extracomment>The Delete key: four letters fit on it.</extracomment>
        <translation>Eff.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>TAB</source>
        <extracomment>The Tab key: four letters fit on it.</extracomment>
        <translation>Tab</translation>
    </message>
    <message>
        <source>TAB to next box</source>
        <translation>Tab : case suivante</translation>
    </message>
    <message>
        <source>Move Keypad</source>
        <translation>Déplacer le pavé</translation>
    </message>
    <message>
        <source>Capital</source>
        <translation>Majuscule</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
</context>
<context>
    <name>LessonMessages</name>
    <message>
        <source>it is not an ordinary file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>il dépasse %1 Mo</translation>
    </message>
    <message>
        <source>it cannot be opened</source>
        <translation>il ne peut pas être ouvert</translation>
    </message>
    <message>
        <source>Some of your saved lessons could not be read. %1 lessons were read and are in the list; %2 could not be read. The file as it was has been kept as %3.</source>
        <translation>Certains de vos exercices enregistrés n’ont pas pu être lus. %1 exercices ont été lus et sont dans la liste ; %2 n’ont pas pu l’être. Le fichier tel qu’il était a été conservé sous le nom %3.</translation>
    </message>
    <message>
        <source>Lessons</source>
        <translation>Exercices</translation>
    </message>
    <message>
        <source>Some of your saved lessons could not be read. %1 lessons were read and are in the list; %2 could not be read. The file could not be moved aside, so it is left as it was, and changes to your lessons cannot be saved until it is mended or moved.</source>
        <translation>Certains de vos exercices enregistrés n’ont pas pu être lus. %1 exercices ont été lus et sont dans la liste ; %2 n’ont pas pu l’être. Le fichier n’a pas pu être mis de côté : il reste tel quel, et les modifications de vos exercices ne pourront être enregistrées qu’une fois le fichier réparé ou déplacé.</translation>
    </message>
    <message>
        <source>Your saved lessons in %1 cannot be read: %2. The file is left as it is, and changes to your lessons cannot be saved until it can be read.</source>
        <translation>Vos exercices enregistrés dans %1 ne peuvent pas être lus : %2. Le fichier reste tel quel, et les modifications de vos exercices ne pourront être enregistrées qu’une fois qu’il pourra être lu.</translation>
    </message>
    <message>
        <source>Your lessons were saved by a newer version of Tallyvane. %1 lessons were read; %2 that this version cannot show are kept in the file as they are.</source>
        <translation>Vos exercices ont été enregistrés par une version plus récente de Tallyvane. %1 exercices ont été lus ; %2 que cette version ne sait pas afficher sont conservés tels quels dans le fichier.</translation>
    </message>
    <message>
        <source>Your lessons file cannot be read, so nothing has been changed.</source>
        <translation>Votre fichier d’exercices ne peut pas être lu : rien n’a été modifié.</translation>
    </message>
    <message>
        <source>Saving Error</source>
        <translation>Erreur d’enregistrement</translation>
    </message>
    <message>
        <source>That would make your lessons file larger than %1 MB, which is as large as it can be. Nothing has been changed.</source>
        <translation>Votre fichier d’exercices dépasserait alors %1 Mo, la taille la plus grande possible. Rien n’a été modifié.</translation>
    </message>
    <message>
        <source>Another copy of Tallyvane is saving your lessons. Nothing has been changed: please try again.</source>
        <translation>Une autre copie de Tallyvane enregistre vos exercices. Rien n’a été modifié : veuillez réessayer.</translation>
    </message>
    <message>
        <source>That lesson has been changed or deleted in another copy of Tallyvane. The list now shows your lessons as they are.</source>
        <translation>Cet exercice a été modifié ou supprimé dans une autre copie de Tallyvane. La liste montre maintenant vos exercices tels qu’ils sont.</translation>
    </message>
    <message>
        <source>That file cannot be read: %1. Nothing has been changed.</source>
        <translation>Ce fichier ne peut pas être lu : %1. Rien n’a été modifié.</translation>
    </message>
    <message>
        <source>Import Lessons</source>
        <translation>Importer des exercices</translation>
    </message>
</context>
<context>
    <name>LessonPlan</name>
    <message>
        <source>%1th</source>
        <translation>%1e</translation>
    </message>
    <message>
        <source>%1st</source>
        <translation>%1er</translation>
    </message>
    <message>
        <source>%1nd</source>
        <translation>%1e</translation>
    </message>
    <message>
        <source>%1rd</source>
        <translation>%1e</translation>
    </message>
    <message>
        <source>pauses every %1</source>
        <translation>pause tous les %1</translation>
    </message>
    <message>
        <source>pauses when counter %1 reaches %2</source>
        <translation>pause quand le compteur %1 atteint %2</translation>
    </message>
    <message>
        <source>hushes every %1</source>
        <translation>tait chaque %1</translation>
    </message>
    <message>
        <source>aloud</source>
        <translation>à voix haute</translation>
    </message>
</context>
<context>
    <name>LessonsDialog</name>
    <message>
        <source>Export Lessons</source>
        <translation>Exporter des exercices</translation>
    </message>
    <message>
        <source>Tap the lessons to export.</source>
        <translation>Touchez les exercices à exporter.</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exporter…</translation>
    </message>
    <message>
        <source>Lessons</source>
        <translation>Exercices</translation>
    </message>
    <message>
        <source>Use Lesson</source>
        <translation>Utiliser l’exercice</translation>
    </message>
    <message>
        <source>Save as Lesson…</source>
        <translation>Nouvel exercice…</translation>
    </message>
    <message>
        <source>Rename…</source>
        <translation>Renommer…</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Importer…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Lessons that come with Tallyvane</source>
        <translation>Exercices fournis avec Tallyvane</translation>
    </message>
    <message>
        <source>Your own lessons</source>
        <translation>Vos exercices</translation>
    </message>
    <message>
        <source>None yet: press Save as Lesson… to add one.</source>
        <translation>Aucun&#xa0;: «&#xa0;Nouvel exercice…&#xa0;» en ajoute un.</translation>
    </message>
</context>
<context>
    <name>ListOutput</name>
    <message>
        <source>Count</source>
        <translation>Comptage</translation>
    </message>
    <message>
        <source>Counter 1</source>
        <translation>Compteur 1</translation>
    </message>
    <message>
        <source>Counter 2</source>
        <translation>Compteur 2</translation>
    </message>
</context>
<context>
    <name>ListText</name>
    <message>
        <source>Number</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Pas</translation>
    </message>
    <message>
        <source>Step change</source>
        <translation>Variation du pas</translation>
    </message>
</context>
<context>
    <name>ListWindow</name>
    <message>
        <source>Number List</source>
        <translation>Liste des nombres</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Tallyvane has exceeded the maximum number of counts.</source>
        <translation>Tallyvane a dépassé le nombre maximal de comptages.</translation>
    </message>
    <message>
        <source>The numbers have grown too large to count.</source>
        <translation>Les nombres sont devenus trop grands pour être comptés.</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>Bravo&#xa0;!</translation>
    </message>
    <message>
        <source>Try again.</source>
        <translation>Essaie encore.</translation>
    </message>
    <message>
        <source>Are you sure you want to Quit?</source>
        <translation>Voulez-vous vraiment quitter&#xa0;?</translation>
    </message>
    <message>
        <source>Are you sure you want to Quit Tallyvane?</source>
        <translation>Voulez-vous vraiment quitter Tallyvane&#xa0;?</translation>
    </message>
    <message>
        <source>Too many values to list.</source>
        <translation>Trop de valeurs pour une liste.</translation>
    </message>
    <message>
        <source>The table has not been printed.</source>
        <translation>Le tableau n’a pas été imprimé.</translation>
    </message>
    <message>
        <source>Printing Error</source>
        <translation>Erreur d’impression</translation>
    </message>
    <message>
        <source>The list has not been saved.</source>
        <translation>La liste n’a pas été enregistrée.</translation>
    </message>
    <message>
        <source>Saving Error</source>
        <translation>Erreur d’enregistrement</translation>
    </message>
    <message>
        <source>Not enough values to graph.</source>
        <translation>Pas assez de valeurs pour un graphique.</translation>
    </message>
    <message>
        <source>Too many values to graph.</source>
        <translation>Trop de valeurs pour un graphique.</translation>
    </message>
    <message>
        <source>Too many values to show on a bar graph.</source>
        <translation>Trop de valeurs pour un diagramme en bâtons.</translation>
    </message>
    <message>
        <source>The graph has not been printed.</source>
        <translation>Le graphique n’a pas été imprimé.</translation>
    </message>
    <message>
        <source>The graph has not been saved.</source>
        <translation>Le graphique n’a pas été enregistré.</translation>
    </message>
    <message>
        <source>That number is too large.</source>
        <translation>Ce nombre est trop grand.</translation>
    </message>
    <message>
        <source>Change Settings</source>
        <translation>Modifier les réglages</translation>
    </message>
    <message>
        <source>What is the next number?</source>
        <translation>Quel est le nombre suivant&#xa0;?</translation>
    </message>
    <message>
        <source>Predict</source>
        <translation>Prédire</translation>
    </message>
    <message>
        <source>What is the next number for counter 1?</source>
        <translation>Quel est le nombre suivant du compteur 1&#xa0;?</translation>
    </message>
    <message>
        <source>Predict Counter 1</source>
        <translation>Prédire le compteur 1</translation>
    </message>
    <message>
        <source>What is the next number for counter 2?</source>
        <translation>Quel est le nombre suivant du compteur 2&#xa0;?</translation>
    </message>
    <message>
        <source>Predict Counter 2</source>
        <translation>Prédire le compteur 2</translation>
    </message>
    <message>
        <source>Some of your saved lessons could not be read. Every lesson that could be read is still in the list, and the damaged file has been kept as lessons.json.damaged.</source>
        <translation>Certains de vos exercices enregistrés n’ont pas pu être lus. Tous ceux qui ont pu l’être restent dans la liste, et le fichier endommagé a été conservé sous le nom lessons.json.damaged.</translation>
    </message>
    <message>
        <source>Lessons</source>
        <translation>Exercices</translation>
    </message>
    <message>
        <source>The lessons have not been saved.</source>
        <translation>Les exercices n’ont pas été enregistrés.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this lesson?</source>
        <translation>Voulez-vous vraiment supprimer cet exercice&#xa0;?</translation>
    </message>
    <message>
        <source>That file holds no lessons that Tallyvane can read.</source>
        <translation>Ce fichier ne contient aucun exercice que Tallyvane sache lire.</translation>
    </message>
    <message>
        <source>Import Lessons</source>
        <translation>Importer des exercices</translation>
    </message>
    <message>
        <source>Some lessons in that file could not be read. The others have been added.</source>
        <translation>Certains exercices de ce fichier n’ont pas pu être lus. Les autres ont été ajoutés.</translation>
    </message>
    <message>
        <source>Some lessons have the same name as one already in your list. They have been added with a number after the name.</source>
        <translation>Certains exercices portent le même nom qu’un exercice déjà dans votre liste. Ils ont été ajoutés avec un numéro après le nom.</translation>
    </message>
    <message>
        <source>The lessons in that file are already in your list.</source>
        <translation>Les exercices de ce fichier sont déjà dans votre liste.</translation>
    </message>
    <message>
        <source>What is the lesson called?</source>
        <translation>Quel est le nom de l’exercice&#xa0;?</translation>
    </message>
    <message>
        <source>Save as Lesson</source>
        <translation>Enregistrer comme exercice</translation>
    </message>
    <message>
        <source>What is the lesson&apos;s new name?</source>
        <translation>Quel est le nouveau nom de l’exercice&#xa0;?</translation>
    </message>
    <message>
        <source>Rename Lesson</source>
        <translation>Renommer l’exercice</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>moins</translation>
    </message>
    <message>
        <source>point</source>
        <translation>virgule</translation>
    </message>
    <message>
        <source>times ten to the power</source>
        <translation>fois dix puissance</translation>
    </message>
    <message>
        <source>The board has not been printed.</source>
        <translation>Le tableau n’a pas été imprimé.</translation>
    </message>
    <message>
        <source>The board has not been saved.</source>
        <translation>Le tableau n’a pas été enregistré.</translation>
    </message>
</context>
<context>
    <name>Mistake</name>
    <message>
        <source>the number on the board</source>
        <translation>le nombre au tableau</translation>
    </message>
    <message>
        <source>counter %1&apos;s number</source>
        <translation>le nombre du compteur %1</translation>
    </message>
    <message>
        <source>the same step again</source>
        <translation>le même pas encore une fois</translation>
    </message>
    <message>
        <source>one step too many</source>
        <translation>un pas de trop</translation>
    </message>
    <message>
        <source>one step too few</source>
        <translation>un pas de moins</translation>
    </message>
    <message>
        <source>the step in the wrong direction</source>
        <translation>le pas dans le mauvais sens</translation>
    </message>
    <message>
        <source>a slip of place value</source>
        <translation>une erreur de position des chiffres</translation>
    </message>
</context>
<context>
    <name>PauseDialog</name>
    <message>
        <source>Paused Counting</source>
        <translation>Comptage en pause</translation>
    </message>
</context>
<context>
    <name>PupilTexts</name>
    <message>
        <source>Class Answers</source>
        <translation>Réponses de la classe</translation>
    </message>
    <message>
        <source>Type the code on the board</source>
        <translation>Tape le code affiché au tableau</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Rejoindre</translation>
    </message>
    <message>
        <source>Your first name</source>
        <translation>Ton prénom</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Watch the board.</source>
        <translation>Regarde le tableau.</translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation>Caché</translation>
    </message>
    <message>
        <source>Right!</source>
        <translation>Juste !</translation>
    </message>
    <message>
        <source>The next number is %1.</source>
        <translation>Le nombre suivant est %1.</translation>
    </message>
    <message>
        <source>Connection lost. Reconnecting…</source>
        <translation>Connexion perdue. Reconnexion…</translation>
    </message>
    <message>
        <source>That is not the code on the board. Try again.</source>
        <translation>Ce n&apos;est pas le code affiché au tableau. Réessaie.</translation>
    </message>
    <message>
        <source>Too many wrong codes. Wait 30 seconds, then try again.</source>
        <translation>Trop de codes erronés. Attends 30 secondes, puis réessaie.</translation>
    </message>
    <message>
        <source>That is not a number. Use the keys to type one.</source>
        <translation>Ce n&apos;est pas un nombre. Utilise les touches pour en taper un.</translation>
    </message>
    <message>
        <source>That answer is too long.</source>
        <translation>Cette réponse est trop longue.</translation>
    </message>
    <message>
        <source>That message is too long.</source>
        <translation>Ce message est trop long.</translation>
    </message>
    <message>
        <source>Too many messages. Wait a moment, then try again.</source>
        <translation>Trop de messages. Attends un instant, puis réessaie.</translation>
    </message>
    <message>
        <source>The class is full: no more devices can join.</source>
        <translation>La classe est complète : aucun autre appareil ne peut la rejoindre.</translation>
    </message>
    <message>
        <source>Answers are closed for now.</source>
        <translation>Les réponses sont fermées pour l&apos;instant.</translation>
    </message>
    <message>
        <source>Type the code on the board first.</source>
        <translation>Tape d&apos;abord le code affiché au tableau.</translation>
    </message>
    <message>
        <source>This page answers only devices on the school&apos;s own network.</source>
        <translation>Cette page ne répond qu&apos;aux appareils du réseau de l&apos;école.</translation>
    </message>
    <message>
        <source>That request is too large.</source>
        <translation>Cette requête est trop grande.</translation>
    </message>
    <message>
        <source>That message could not be read.</source>
        <translation>Ce message n&apos;a pas pu être lu.</translation>
    </message>
    <message>
        <source>en</source>
        <comment>the code of the language translated into</comment>
        <translation>fr</translation>
    </message>
    <message>
        <source>Class Answers has been turned off.</source>
        <translation>Les Réponses de la classe ont été désactivées.</translation>
    </message>
    <message>
        <source>Sent.</source>
        <translation>Envoyé.</translation>
    </message>
    <message>
        <source>You can change it until the answers are shown.</source>
        <translation>Tu peux la changer jusqu&apos;à ce que les réponses soient montrées.</translation>
    </message>
    <message>
        <source>You said %1.</source>
        <translation>Tu as dit %1.</translation>
    </message>
</context>
<context>
    <name>RoutineDialog</name>
    <message>
        <source>Routine</source>
        <translation>Routine</translation>
    </message>
    <message>
        <source>Pause by itself</source>
        <translation>Pause automatique</translation>
    </message>
    <message>
        <source>After every</source>
        <translation>Après chaque série de</translation>
    </message>
    <message>
        <source>Counts between pauses</source>
        <translation>Comptes entre deux pauses</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Quand</translation>
    </message>
    <message>
        <source>counter 1</source>
        <translation>compteur 1</translation>
    </message>
    <message>
        <source>counter 2</source>
        <translation>compteur 2</translation>
    </message>
    <message>
        <source>Counter</source>
        <translation>Compteur</translation>
    </message>
    <message>
        <source>Value to pause at</source>
        <translation>Valeur de la pause</translation>
    </message>
    <message>
        <source>counts</source>
        <translation>comptes</translation>
    </message>
    <message>
        <source>reaches</source>
        <translation>atteint</translation>
    </message>
    <message>
        <source>Hush numbers</source>
        <translation>Nombres tus</translation>
    </message>
    <message>
        <source>Show “?” for one number in every</source>
        <translation>Afficher « ? » pour un nombre sur</translation>
    </message>
    <message>
        <source>Numbers to each hushed one</source>
        <translation>Nombres pour un nombre tu</translation>
    </message>
    <message>
        <source>Count aloud</source>
        <translation>Compter à voix haute</translation>
    </message>
    <message>
        <source>Say each number as it appears</source>
        <translation>Dire chaque nombre quand il s&apos;affiche</translation>
    </message>
    <message>
        <source>No voice is installed.</source>
        <translation>Aucune voix n&apos;est installée.</translation>
    </message>
    <message>
        <source>Voices here: %1.</source>
        <translation>Voix présentes : %1.</translation>
    </message>
    <message>
        <source>No voice here speaks this language, so Tallyvane cannot count aloud.</source>
        <translation>Aucune voix ne parle cette langue ici : Tallyvane ne peut pas compter à voix haute.</translation>
    </message>
    <message>
        <source>At %1 s a count there is no time to say every number: each number is said only once the one before has been said in full.</source>
        <translation>À %1 s par compte, il n&apos;y a pas le temps de dire chaque nombre : un nombre n&apos;est dit qu&apos;une fois le précédent dit en entier.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Fewer</source>
        <translation>Moins</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>Looking for voices…</source>
        <translation>Recherche des voix…</translation>
    </message>
    <message>
        <source>No sound: the voice has stopped.</source>
        <translation>Pas de son : la voix s’est arrêtée.</translation>
    </message>
</context>
<context>
    <name>RuleWindow</name>
    <message>
        <source>The Rule</source>
        <translation>La règle</translation>
    </message>
    <message>
        <source>Counter %1</source>
        <translation>Compteur %1</translation>
    </message>
    <message>
        <source>The nth number is %1</source>
        <translation>Le n-ième nombre est %1</translation>
    </message>
    <message>
        <source>The nth number is about %1</source>
        <translation>Le n-ième nombre est environ %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>SaveFilters</name>
    <message>
        <source>All Files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>Tallyvane Lessons</source>
        <translation>Exercices Tallyvane</translation>
    </message>
    <message>
        <source>Bitmaps</source>
        <translation>Images bitmap</translation>
    </message>
    <message>
        <source>PNG Image</source>
        <translation>Image PNG</translation>
    </message>
    <message>
        <source>SVG Drawing</source>
        <translation>Dessin SVG</translation>
    </message>
    <message>
        <source>Text Files</source>
        <translation>Fichiers texte</translation>
    </message>
    <message>
        <source>CSV File</source>
        <translation>Fichier CSV</translation>
    </message>
</context>
<context>
    <name>SequenceRule</name>
    <message>
        <source>Start at %1.</source>
        <translation>Commence à %1.</translation>
    </message>
    <message>
        <source>Take away %1 every time.</source>
        <translation>Enlève %1 à chaque fois.</translation>
    </message>
    <message>
        <source>Add %1 every time.</source>
        <translation>Ajoute %1 à chaque fois.</translation>
    </message>
    <message>
        <source>The first step is %1, and the step shrinks by %2 after every count.</source>
        <translation>Le premier pas est %1, et le pas diminue de %2 après chaque comptage.</translation>
    </message>
    <message>
        <source>The first step is %1, and the step grows by %2 after every count.</source>
        <translation>Le premier pas est %1, et le pas augmente de %2 après chaque comptage.</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Change Settings</source>
        <translation>Modifier les réglages</translation>
    </message>
    <message>
        <source>Counter 1</source>
        <translation>Compteur 1</translation>
    </message>
    <message>
        <source>First Number</source>
        <translation>Premier nombre</translation>
    </message>
    <message>
        <source>First Step</source>
        <translation>Premier pas</translation>
    </message>
    <message>
        <source>Step Changes by</source>
        <translation>Le pas change de</translation>
    </message>
    <message>
        <source>Speed in secs.</source>
        <translation>Vitesse en s</translation>
    </message>
    <message>
        <source>Counter 2</source>
        <translation>Compteur 2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Lessons…</source>
        <translation>Exercices…</translation>
    </message>
    <message>
        <source>Routine…</source>
        <translation>Routine…</translation>
    </message>
</context>
<context>
    <name>SwatchColourDialog</name>
    <message>
        <source>Colour</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rose</translation>
    </message>
    <message>
        <source>Light Coral</source>
        <translation>Corail clair</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Crimson</source>
        <translation>Cramoisi</translation>
    </message>
    <message>
        <source>Firebrick</source>
        <translation>Rouge brique</translation>
    </message>
    <message>
        <source>Dark Red</source>
        <translation>Rouge foncé</translation>
    </message>
    <message>
        <source>Peach Puff</source>
        <translation>Pêche</translation>
    </message>
    <message>
        <source>Light Salmon</source>
        <translation>Saumon clair</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Dark Orange</source>
        <translation>Orange foncé</translation>
    </message>
    <message>
        <source>Orange Red</source>
        <translation>Rouge orangé</translation>
    </message>
    <message>
        <source>Chocolate</source>
        <translation>Chocolat</translation>
    </message>
    <message>
        <source>Light Yellow</source>
        <translation>Jaune clair</translation>
    </message>
    <message>
        <source>Khaki</source>
        <translation>Kaki</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Or</translation>
    </message>
    <message>
        <source>Goldenrod</source>
        <translation>Verge d’or</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Olive</translation>
    </message>
    <message>
        <source>Pale Green</source>
        <translation>Vert pâle</translation>
    </message>
    <message>
        <source>Light Green</source>
        <translation>Vert clair</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Citron vert</translation>
    </message>
    <message>
        <source>Lime Green</source>
        <translation>Vert citron</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Dark Green</source>
        <translation>Vert foncé</translation>
    </message>
    <message>
        <source>Light Cyan</source>
        <translation>Cyan clair</translation>
    </message>
    <message>
        <source>Aquamarine</source>
        <translation>Aigue-marine</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>Turquoise</translation>
    </message>
    <message>
        <source>Light Sea Green</source>
        <translation>Vert d’eau</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Sarcelle</translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation>Bleu clair</translation>
    </message>
    <message>
        <source>Sky Blue</source>
        <translation>Bleu ciel</translation>
    </message>
    <message>
        <source>Deep Sky Blue</source>
        <translation>Bleu ciel profond</translation>
    </message>
    <message>
        <source>Royal Blue</source>
        <translation>Bleu roi</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Bleu marine</translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation>Lavande</translation>
    </message>
    <message>
        <source>Plum</source>
        <translation>Prune</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Pourpre</translation>
    </message>
    <message>
        <source>Indigo</source>
        <translation>Indigo</translation>
    </message>
    <message>
        <source>Wheat</source>
        <translation>Blé</translation>
    </message>
    <message>
        <source>Tan</source>
        <translation>Brun clair</translation>
    </message>
    <message>
        <source>Peru</source>
        <translation>Pérou</translation>
    </message>
    <message>
        <source>Sienna</source>
        <translation>Terre de Sienne</translation>
    </message>
    <message>
        <source>Saddle Brown</source>
        <translation>Brun cuir</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Bordeaux</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Light Grey</source>
        <translation>Gris clair</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Argent</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Dim Grey</source>
        <translation>Gris foncé</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
</context>
<context>
    <name>TitleScreen</name>
    <message>
        <source>version %1d</source>
        <translation>version %1d</translation>
    </message>
</context>
</TS>
