<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AnswerKey</name>
    <message>
        <source>%1 (answers)</source>
        <extracomment>The title of the printed answer key: %1 is the puzzle&apos;s title.</extracomment>
        <translation>%1 (Lösungen)</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Unexpected error</source>
        <translation>Unerwarteter Fehler</translation>
    </message>
</context>
<context>
    <name>Artwork</name>
    <message>
        <source>Find the word of every hint</source>
        <extracomment>The puzzle screen&apos;s call to play, beside the list of hints at the foot of the board.</extracomment>
        <translation>Finden Sie das Wort zu jedem Hinweis</translation>
    </message>
    <message>
        <source>FIND</source>
        <extracomment>Capital letters on tiles down the board&apos;s left side, read with those down its right side as a short call to play or the game&apos;s kind; 1 to 6 letters, at most 5 at the widest spacing.</extracomment>
        <translation>WORT</translation>
    </message>
    <message>
        <source>WORD</source>
        <extracomment>Capital letters on tiles down the board&apos;s right side, read after those down its left side.</extracomment>
        <translation>SUCHE</translation>
    </message>
    <message>
        <source>End</source>
        <extracomment>The puzzle screen&apos;s small button that ends the game; beyond 5 letters drawn smaller.</extracomment>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Setup</source>
        <extracomment>The puzzle screen&apos;s small button that opens the printer setup; beyond 6 letters drawn smaller.</extracomment>
        <translation>Drucker</translation>
    </message>
    <message>
        <source>Print</source>
        <extracomment>The puzzle screen&apos;s small button that prints the puzzle; beyond 6 letters drawn smaller.</extracomment>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Word Search Puzzles</source>
        <extracomment>The catalogue&apos;s heading below the game&apos;s name: what the game is.</extracomment>
        <translation>Wortsuchrätsel</translation>
    </message>
    <message>
        <source>Find every hidden word!</source>
        <extracomment>The catalogue&apos;s line below its heading, inviting the player to play.</extracomment>
        <translation>Finden Sie jedes versteckte Wort!</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>The catalogue&apos;s small button that ends the program; beyond 5 letters drawn smaller.</extracomment>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Create</source>
        <extracomment>The catalogue&apos;s button that opens the wizard making a new puzzle; about 10 letters.</extracomment>
        <translation>Erstellen</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>The catalogue&apos;s button that opens the options dialog (sounds, music, game); about 10 letters.</extracomment>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>WORD</source>
        <comment>ringed in the letter grid</comment>
        <extracomment>Four capital letters ringed in the picture of a letter grid beside the catalogue: a word found in a puzzle; exactly 4 letters.</extracomment>
        <translation>WORT</translation>
    </message>
</context>
<context>
    <name>FileWithoutPrinter</name>
    <message>
        <source>Puzzle</source>
        <extracomment>The name of a print file for a puzzle whose title makes no file name.</extracomment>
        <translation>Rätsel</translation>
    </message>
</context>
<context>
    <name>KnownMessages</name>
    <message>
        <source>Cannot open file %1</source>
        <translation>Die Datei %1 lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Die Datei %1 lässt sich nicht anlegen</translation>
    </message>
    <message>
        <source>List index out of bounds</source>
        <translation>Listenindex außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1“ ist keine gültige ganze Zahl</translation>
    </message>
    <message>
        <source>Cannot read file %1: %2</source>
        <translation>Die Datei %1 lässt sich nicht lesen: %2</translation>
    </message>
    <message>
        <source>Cannot write file %1: %2</source>
        <translation>Die Datei %1 lässt sich nicht schreiben: %2</translation>
    </message>
    <message>
        <source>it cannot be removed</source>
        <translation>sie lässt sich nicht entfernen</translation>
    </message>
    <message>
        <source>File load error</source>
        <translation>Fehler beim Laden der Datei</translation>
    </message>
    <message>
        <source>Line too long</source>
        <translation>Zeile zu lang</translation>
    </message>
    <message>
        <source>Puzzle &quot;%1&quot; is not in the library</source>
        <translation>Das Rätsel „%1“ ist nicht in der Bibliothek</translation>
    </message>
    <message>
        <source>Cannot use file %1: it is a symbolic link</source>
        <translation>Die Datei %1 ist ein symbolischer Link und wird nicht verwendet</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a plain file name of the library folder</source>
        <translation>„%1“ ist kein einfacher Dateiname im Ordner der Bibliothek</translation>
    </message>
    <message>
        <source>The list %1 is damaged: it holds a NUL byte</source>
        <translation>Die Liste %1 ist beschädigt, denn sie enthält ein NUL-Byte</translation>
    </message>
    <message>
        <source>The list %1 is damaged: it has %2 lines where %3 has %4</source>
        <translation>Die Liste %1 ist beschädigt, denn sie hat %2 Zeilen, %3 aber %4</translation>
    </message>
    <message>
        <source>The library is in use by another program; try again in a moment</source>
        <translation>Die Bibliothek wird gerade von einem anderen Programm benutzt; bitte versuchen Sie es gleich noch einmal</translation>
    </message>
    <message>
        <source>Cannot write to the library folder %1: %2</source>
        <translation>In den Bibliotheksordner %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>its lock file %1 is not a plain file</source>
        <translation>seine Sperrdatei %1 ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>The library has a damaged filing record, %1, which was not acted on: after looking at it, set it aside with &quot;lexiglade-library check --discard-journal %2&quot; and file again</source>
        <translation>Die Bibliothek enthält ein beschädigtes Protokoll eines Speichervorgangs, %1, das nicht angewendet wurde: Sehen Sie es sich an, legen Sie es mit „lexiglade-library check --discard-journal %2“ beiseite und speichern Sie das Rätsel erneut</translation>
    </message>
    <message>
        <source>The interrupted filing recorded in %1 can be neither finished nor undone: %2 has changed</source>
        <translation>Der in %1 festgehaltene, unterbrochene Speichervorgang lässt sich weder abschließen noch rückgängig machen, denn %2 hat sich geändert</translation>
    </message>
    <message>
        <source>The banks %1 and %2 are out of step: %1 has %3 lines where %2 has %4</source>
        <translation>Die Wortdatei %1 und die Hinweisdatei %2 passen nicht zusammen: %1 hat %3 Zeilen, %2 aber %4</translation>
    </message>
    <message>
        <source>The folder list %1 was changed by another program; please choose the folder again</source>
        <translation>Die Ordnerliste %1 wurde von einem anderen Programm geändert; bitte wählen Sie den Ordner noch einmal</translation>
    </message>
    <message>
        <source>Cannot create folder %1: %2</source>
        <translation>Der Ordner %1 lässt sich nicht anlegen: %2</translation>
    </message>
    <message>
        <source>Cannot read folder %1: %2</source>
        <translation>Der Ordner %1 lässt sich nicht lesen: %2</translation>
    </message>
    <message>
        <source>The puzzle &quot;%1&quot; cannot be filed: %2</source>
        <translation>Das Rätsel „%1“ kann nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>its title begins with a space or holds a control character</source>
        <translation>sein Name beginnt mit einem Leerzeichen oder enthält ein Steuerzeichen</translation>
    </message>
    <message>
        <source>it has %1 words and %2 hints</source>
        <translation>es hat %1 Wörter, aber %2 Hinweise</translation>
    </message>
    <message>
        <source>word %1 is empty</source>
        <translation>Wort %1 ist leer</translation>
    </message>
    <message>
        <source>word %1 holds a control character</source>
        <translation>Wort %1 enthält ein Steuerzeichen</translation>
    </message>
    <message>
        <source>hint %1 is empty</source>
        <translation>Hinweis %1 ist leer</translation>
    </message>
    <message>
        <source>hint %1 holds a control character</source>
        <translation>Hinweis %1 enthält ein Steuerzeichen</translation>
    </message>
    <message>
        <source>its first hint holds a full stop, so the game takes its hints for pictures, and hint %1 names no picture of %2</source>
        <translation>sein erster Hinweis enthält einen Punkt, also hält das Spiel seine Hinweise für Bilder, und Hinweis %1 nennt kein Bild aus %2</translation>
    </message>
    <message>
        <source>the name of its new folder is empty, begins with a space or holds a control character</source>
        <translation>der Name seines neuen Ordners ist leer, beginnt mit einem Leerzeichen oder enthält ein Steuerzeichen</translation>
    </message>
    <message>
        <source>%1 (found when the filing was read back before it was committed; the library was left as it is)</source>
        <translation>%1 (beim Nachlesen vor dem endgültigen Speichern bemerkt; die Bibliothek bleibt unverändert)</translation>
    </message>
    <message>
        <source>Line %1 of %2 is %3 where the new puzzle needs %4</source>
        <translation>Zeile %1 von %2 lautet %3, das neue Rätsel braucht dort %4</translation>
    </message>
    <message>
        <source>The puzzle %1 (line %2 of %3) already points into lines %4 to %5 of %6 and %7</source>
        <translation>Das Rätsel %1 (Zeile %2 von %3) verweist bereits auf die Zeilen %4 bis %5 von %6 und %7</translation>
    </message>
    <message>
        <source>The new puzzle %1 has no line in %2</source>
        <translation>Das neue Rätsel %1 hat keine Zeile in %2</translation>
    </message>
    <message>
        <source>The new puzzle %1 cannot be loaded: %2</source>
        <translation>Das neue Rätsel %1 lässt sich nicht laden: %2</translation>
    </message>
    <message>
        <source>The title %1 loads the puzzle on line %2 of %3</source>
        <translation>Der Name %1 lädt das Rätsel aus Zeile %2 von %3</translation>
    </message>
    <message>
        <source>The new puzzle %1 loads other words or hints than it was given</source>
        <translation>Das neue Rätsel %1 lädt andere Wörter oder Hinweise, als es bekommen hat</translation>
    </message>
    <message>
        <source>Updating Folder List</source>
        <translation>Ordnerliste wird aktualisiert</translation>
    </message>
    <message>
        <source>Updating Master</source>
        <translation>Hauptliste wird aktualisiert</translation>
    </message>
    <message>
        <source>Saving Puzzle Word and Hint Lists</source>
        <translation>Wörter und Hinweise werden gespeichert</translation>
    </message>
    <message>
        <source>Saving File Pointers</source>
        <translation>Dateiverweise werden gespeichert</translation>
    </message>
    <message>
        <source>Saving Position Pointers</source>
        <translation>Zeilenverweise werden gespeichert</translation>
    </message>
    <message>
        <source>Saving Time Database</source>
        <translation>Bestzeiten werden gespeichert</translation>
    </message>
    <message>
        <source>Elapsed: %1</source>
        <translation>Spielzeit: %1</translation>
    </message>
    <message>
        <source>Time taken: %1... Previous best was %2... Recording new record.</source>
        <translation>Ihre Zeit: %1 – bisherige Bestzeit: %2. Das ist ein neuer Rekord, er wird gespeichert.</translation>
    </message>
    <message>
        <source>Time taken: %1... Previous best was %2...You did not beat the old record.</source>
        <translation>Ihre Zeit: %1 – bisherige Bestzeit: %2. Den alten Rekord haben Sie nicht geschlagen.</translation>
    </message>
    <message>
        <source>The words of this puzzle do not fit in the grid</source>
        <translation>Die Wörter dieses Rätsels passen nicht alle ins Buchstabengitter</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>Das Bitmap-Bild ist ungültig</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>Es ist kein Standarddrucker ausgewählt</translation>
    </message>
    <message>
        <source>Printer selected is not valid</source>
        <translation>Der ausgewählte Drucker ist ungültig</translation>
    </message>
    <message>
        <source>Printer is not currently printing</source>
        <translation>Der Drucker druckt gerade nicht</translation>
    </message>
    <message>
        <source>Printing in progress</source>
        <translation>Es wird gerade gedruckt</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Bestätigen</translation>
    </message>
</context>
<context>
    <name>OptionPictures</name>
    <message>
        <source>OK</source>
        <extracomment>The caption of the options&apos; 40 x 35 pixel OK button: two or three letters.</extracomment>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Printer</name>
    <message>
        <source>Print Setup</source>
        <translation>Druckereinrichtung</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>lexiglade::Tjukebox</name>
    <message>
        <source>Options</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Klänge</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musik</translation>
    </message>
    <message>
        <source>         Allow backward words</source>
        <translation>         Wörter auch rückwärts</translation>
    </message>
    <message>
        <source>         Timed Game</source>
        <translation>         Auf Zeit spielen</translation>
    </message>
    <message>
        <source>  3 minutes</source>
        <translation>  3 Minuten</translation>
    </message>
    <message>
        <source>  6 minutes</source>
        <translation>  6 Minuten</translation>
    </message>
    <message>
        <source>  9 minutes</source>
        <translation>  9 Minuten</translation>
    </message>
</context>
<context>
    <name>lexiglade::Tlxedit</name>
    <message>
        <source>Do you want to place the puzzle &quot;%1&quot; in the &quot;%2&quot; folder?</source>
        <translation>Möchten Sie das Rätsel „%1“ in den Ordner „%2“ einordnen?</translation>
    </message>
    <message>
        <source>MyFolder</source>
        <translation>Mein Ordner</translation>
    </message>
    <message>
        <source>Puzzle name too long. Please shorten.</source>
        <translation>Der Name des Rätsels ist zu lang. Bitte kürzen Sie ihn.</translation>
    </message>
    <message>
        <source>Please fill in the puzzle name.</source>
        <translation>Bitte geben Sie dem Rätsel einen Namen.</translation>
    </message>
    <message>
        <source>A puzzle with this name already exists. Please choose another name.</source>
        <translation>Es gibt schon ein Rätsel mit diesem Namen. Bitte wählen Sie einen anderen.</translation>
    </message>
    <message>
        <source>The puzzle name cannot begin with a space or contain a tab.</source>
        <translation>Der Name des Rätsels darf nicht mit einem Leerzeichen beginnen und keinen Tabulator enthalten.</translation>
    </message>
    <message>
        <source>The folder name cannot be empty, begin with a space or contain a tab.</source>
        <translation>Der Ordnername darf nicht leer sein, nicht mit einem Leerzeichen beginnen und keinen Tabulator enthalten.</translation>
    </message>
    <message>
        <source>The puzzle name cannot contain control characters.</source>
        <translation>Der Name des Rätsels darf keine Steuerzeichen enthalten.</translation>
    </message>
    <message>
        <source>The folder name cannot contain control characters.</source>
        <translation>Der Ordnername darf keine Steuerzeichen enthalten.</translation>
    </message>
    <message>
        <source>The hint of %1 is empty.</source>
        <translation>Der Hinweis zu %1 ist leer.</translation>
    </message>
    <message>
        <source>The hint of %1 cannot contain control characters.</source>
        <translation>Der Hinweis zu %1 darf keine Steuerzeichen enthalten.</translation>
    </message>
    <message>
        <source>The first hint of a text puzzle cannot contain a full stop: the game would take the puzzle for pictures.</source>
        <translation>Der erste Hinweis eines Rätsels mit Texthinweisen darf keinen Punkt enthalten, sonst hält das Spiel die Hinweise für Bilder.</translation>
    </message>
    <message>
        <source>The number of puzzle words does not equal the number of hints.</source>
        <translation>Die Zahl der Wörter stimmt nicht mit der Zahl der Hinweise überein.</translation>
    </message>
    <message>
        <source>The number of puzzle words should be between 15 and 25.</source>
        <translation>Ein Rätsel sollte 15 bis 25 Wörter haben.</translation>
    </message>
    <message>
        <source>Puzzle words should be between 4 and 21 characters in length.</source>
        <translation>Die Wörter sollten 4 bis 21 Buchstaben lang sein.</translation>
    </message>
    <message>
        <source>Puzzle words can only have characters from A - Z. If using double words like Pim Varlo, just run the words together like pimvarlo. This is how you will see it in the puzzle.</source>
        <translation>Die Wörter dürfen nur Buchstaben von A bis Z enthalten, also keine Umlaute und kein ß. Schreiben Sie Wortgruppen wie Pim Varlo einfach zusammen: pimvarlo. So erscheinen sie auch im Rätsel.</translation>
    </message>
    <message>
        <source>These words cannot all be hidden in the grid. Please use fewer or shorter long words.</source>
        <translation>Diese Wörter lassen sich nicht alle im Buchstabengitter verstecken. Bitte nehmen Sie weniger lange Wörter oder kürzere.</translation>
    </message>
    <message>
        <source>At least one hint picture filename is too short to be valid.</source>
        <translation>Mindestens ein Bild-Dateiname unter den Hinweisen ist zu kurz, um gültig zu sein.</translation>
    </message>
    <message>
        <source>At least one hint picture filename is too long to be valid.</source>
        <translation>Mindestens ein Bild-Dateiname unter den Hinweisen ist zu lang, um gültig zu sein.</translation>
    </message>
    <message>
        <source>When doing pictures, ALL hints must be a picture.</source>
        <translation>Bei einem Bilderrätsel müssen ALLE Hinweise Bilder sein.</translation>
    </message>
    <message>
        <source>At least one hint picture filename was not found. Please verify that the pictueres you want to use are in the </source>
        <extracomment>Followed by the data folder (ending with /) and the text &quot;PICTURES subdirectory.&quot;</extracomment>
        <translation>Mindestens ein Bild der Hinweise wurde nicht gefunden. Bitte prüfen Sie, ob die Bilder, die Sie verwenden möchten, im Unterordner </translation>
    </message>
    <message>
        <source>PICTURES subdirectory.</source>
        <extracomment>Follows the text &quot;...are in the &quot; and the data folder.</extracomment>
        <translation>PICTURES liegen.</translation>
    </message>
    <message>
        <source>Lexiglade Puzzle Create Wizard</source>
        <translation>Lexiglade – Rätsel erstellen</translation>
    </message>
    <message>
        <source>Puzzle Words</source>
        <translation>Rätselwörter</translation>
    </message>
    <message>
        <source>Hints (Words/Phrases/Pictures)</source>
        <translation>Hinweise (Wörter/Sätze/Bilder)</translation>
    </message>
    <message>
        <source>Puzzle Name:</source>
        <translation>Name des Rätsels:</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Existing Folders:</source>
        <translation>Vorhandene Ordner:</translation>
    </message>
    <message>
        <source>Choose Selected Folder</source>
        <translation>Diesen Ordner wählen</translation>
    </message>
    <message>
        <source>Or</source>
        <translation>oder</translation>
    </message>
    <message>
        <source>Add New Folder</source>
        <translation>Neuer Ordner</translation>
    </message>
    <message>
        <source>Folder Name:</source>
        <translation>Ordnername:</translation>
    </message>
    <message>
        <source>Go Back</source>
        <translation>Zurück</translation>
    </message>
</context>
<context>
    <name>lexiglade::Tmain</name>
    <message>
        <source>Double-click folders to open. Click the page icon showing a puzzle you wish to play...</source>
        <translation>Öffnen Sie einen Ordner per Doppelklick und klicken Sie auf das Rätsel, das Sie spielen möchten …</translation>
    </message>
    <message>
        <source>Thanks for playing Lexiglade!</source>
        <translation>Danke, dass Sie Lexiglade gespielt haben!</translation>
    </message>
</context>
<context>
    <name>lexiglade::Tprndlg</name>
    <message>
        <source>There is no printer, so the puzzle was printed to the file
%1</source>
        <translation>Es ist kein Drucker vorhanden, daher wurde das Rätsel in diese Datei gedruckt:
%1</translation>
    </message>
    <message>
        <source>Click OK to print!</source>
        <translation>Klicken Sie auf OK, um zu drucken!</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Number of copies</source>
        <translation>Anzahl der Exemplare</translation>
    </message>
    <message>
        <source>Make each copy unique</source>
        <translation>Jedes Exemplar neu gemischt</translation>
    </message>
    <message>
        <source>Print answer key</source>
        <translation>Lösungsblatt drucken</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>lexiglade::Tsearcher</name>
    <message>
        <source>Very Good! You found them all!</source>
        <translation>Sehr gut! Sie haben alle Wörter gefunden!</translation>
    </message>
    <message>
        <source>Uh-oh... the timer has expired! Better luck next time!</source>
        <translation>Oje … die Zeit ist abgelaufen! Beim nächsten Mal klappt es bestimmt!</translation>
    </message>
    <message>
        <source>Lexiglade Puzzle</source>
        <translation>Lexiglade – Rätsel</translation>
    </message>
    <message>
        <source>End the game (%1 or %2)</source>
        <translation>Das Spiel beenden (%1 oder %2)</translation>
    </message>
    <message>
        <source>Print the puzzle (%1)</source>
        <translation>Das Rätsel drucken (%1)</translation>
    </message>
    <message>
        <source>Set up the printer (%1)</source>
        <translation>Den Drucker einrichten (%1)</translation>
    </message>
</context>
</TS>
