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
    <message>
        <source>The puzzle &quot;%1&quot; cannot be changed: %2</source>
        <translation>Das Rätsel „%1“ lässt sich nicht ändern: %2</translation>
    </message>
    <message>
        <source>another puzzle of the library has the same title</source>
        <translation>ein anderes Rätsel der Bibliothek hat denselben Titel</translation>
    </message>
    <message>
        <source>its new title is empty, begins with a space or holds a control character</source>
        <translation>sein neuer Titel ist leer, beginnt mit einem Leerzeichen oder enthält ein Steuerzeichen</translation>
    </message>
    <message>
        <source>a puzzle of the library has its new title already</source>
        <translation>ein Rätsel der Bibliothek trägt seinen neuen Titel schon</translation>
    </message>
    <message>
        <source>The puzzle &quot;%1&quot; is under no folder of the tree</source>
        <translation>Das Rätsel „%1“ steht in keinem Ordner der Ordnerliste</translation>
    </message>
</context>
<context>
    <name>LibraryCheck</name>
    <message>
        <source>Puzzle &quot;%1&quot; (line %2 of %3): %4</source>
        <translation>Rätsel „%1“ (Zeile %2 von %3): %4</translation>
    </message>
    <message>
        <source>its banks %1 and %2 are not a pair</source>
        <translation>seine Wortdatei %1 und seine Hinweisdatei %2 gehören nicht zusammen</translation>
    </message>
    <message>
        <source>its first hint &quot;%1&quot; holds a full stop, so the game takes its text hints for pictures</source>
        <translation>sein erster Hinweis „%1“ enthält einen Punkt, also hält das Spiel seine Texthinweise für Bilder</translation>
    </message>
    <message>
        <source>its picture %1 is missing</source>
        <translation>sein Bild %1 fehlt</translation>
    </message>
    <message>
        <source>its lines %1 to %2 lie outside its banks (%3 has %4 lines, %5 has %6)</source>
        <translation>seine Zeilen %1 bis %2 liegen außerhalb seiner Wort- und Hinweisdatei (%3 hat %4 Zeilen, %5 hat %6)</translation>
    </message>
    <message>
        <source>its hint %1 (line %2 of %3) is empty</source>
        <translation>sein Hinweis %1 (Zeile %2 von %3) ist leer</translation>
    </message>
    <message>
        <source>Puzzle &quot;%1&quot; (line %2 of %3) is under no folder of %4</source>
        <translation>Das Rätsel „%1“ (Zeile %2 von %3) steht in keinem Ordner von %4</translation>
    </message>
    <message>
        <source>Puzzle &quot;%1&quot; (line %2 of %3) is not in %4</source>
        <translation>Das Rätsel „%1“ (Zeile %2 von %3) fehlt in %4</translation>
    </message>
    <message>
        <source>Best time &quot;%1&quot; (line %2 of %3) is not a whole number of seconds</source>
        <translation>Die Bestzeit „%1“ (Zeile %2 von %3) ist keine ganze Zahl von Sekunden</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>The library&apos;s folder list (a file) and why it cannot be read.</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>LibraryCommand</name>
    <message>
        <source>Usage: lexiglade-library [--library DIR] [--verbose] COMMAND
       lexiglade-library --help | --version

Looks after the puzzles of Lexiglade from a terminal. They are kept in a
library folder: the one the game uses (for an installed game that is
~/.local/share/lexiglade/), or DIR when you give --library DIR.

Commands:
  add FILE            Adds the puzzle written in the puzzle file FILE (see
                      below) to its folder, or to a new folder at the end.
  list [FOLDER]       Shows each folder with its puzzles, their number of
                      words and best times (without / with backward words).
                      With FOLDER, shows that folder only.
  export TITLE [FILE] Writes the puzzle TITLE as a puzzle file, into FILE
                      or, without FILE, on the screen. Adding that file to
                      a library gives the same puzzle.
  remove TITLE        Takes the puzzle TITLE out of the library.
  rename TITLE NEW    Gives the puzzle TITLE the title NEW.
  move TITLE FOLDER   Puts the puzzle TITLE last in FOLDER, or in a new
                      folder of that name at the end.
  check               Checks the library and prints one line for each
                      problem it finds. First it finishes or undoes a
                      change that was cut short (by a crash or a power cut)
                      and says so.
  check --discard-journal
                      Moves a damaged record of such a change (the file
                      .lexiglade-journal, with the files beside it) into a
                      new folder discarded-filing-XXXXXX of the library,
                      then checks. Look at the record before you do this.

Options:
  --library DIR       Works on the library in the folder DIR.
  --verbose           Also says where in the library&apos;s files a puzzle is.
  --help              Prints this text.
  --version           Prints the version.

A puzzle file is a plain text file in UTF-8 (Latin-1 works too). Its first
line is the title, its second the folder, then comes one line for each
word: the word, a tab, and its hint. For example (&lt;TAB&gt; is a tab):

  Farm Animals
  Animals
  HORSE&lt;TAB&gt;You can ride on its back
  SHEEP&lt;TAB&gt;Its wool keeps you warm
  ... (15 to 25 words in all)

A title has 2 to 40 characters. A word has 4 to 21 letters from A to Z. A
hint is a short text; in a picture puzzle every hint is instead the name of
a picture file (such as HORSE.BMP) in the library&apos;s pictures folder, which
is reshaped as the game&apos;s puzzle maker does. The library keeps Latin-1
characters only (the letters of Western European languages).

The game sees a change when it next starts or shows its folders again. A
change waits a few seconds for a game that is saving into the same library.
Exit status: 0 when the command did its work (check: the library is sound),
1 when it could not (check: a problem was found), 2 when the command line
is wrong. The forms &quot;check DIR&quot;, &quot;add DIR FILE&quot; and &quot;list DIR&quot; still work.
</source>
        <extracomment>Keep every line under 80 columns, and the commands and options (add, list, --library, ...) as they are; the words in capitals (FILE, TITLE, DIR, ...) may be translated.</extracomment>
        <translation>Aufruf: lexiglade-library [--library VERZEICHNIS] [--verbose] BEFEHL
        lexiglade-library --help | --version

Verwaltet die Rätsel von Lexiglade im Terminal. Sie liegen in einem
Bibliotheksordner: dem, den das Spiel benutzt (bei einem installierten Spiel
ist das ~/.local/share/lexiglade/), oder VERZEICHNIS, wenn Sie
--library VERZEICHNIS angeben.

Befehle:
  add DATEI           Legt das Rätsel aus der Rätseldatei DATEI (siehe unten)
                      in seinem Ordner ab oder in einem neuen Ordner am Ende.
  list [ORDNER]       Zeigt jeden Ordner mit seinen Rätseln, deren Zahl der
                      Wörter und Bestzeiten (ohne / mit Rückwärtswörtern).
                      Mit ORDNER nur diesen einen Ordner.
  export TITEL [DATEI]
                      Schreibt das Rätsel TITEL als Rätseldatei in DATEI
                      oder, ohne DATEI, auf den Bildschirm. Wer diese Datei
                      einer Bibliothek hinzufügt, erhält dasselbe Rätsel.
  remove TITEL        Nimmt das Rätsel TITEL aus der Bibliothek.
  rename TITEL NEU    Gibt dem Rätsel TITEL den Titel NEU.
  move TITEL ORDNER   Stellt das Rätsel TITEL ans Ende von ORDNER oder in
                      einen neuen Ordner dieses Namens am Ende.
  check               Prüft die Bibliothek und meldet jedes gefundene Problem
                      in einer Zeile. Zuvor schließt es eine Änderung ab, die
                      abgebrochen wurde (durch einen Absturz oder einen
                      Stromausfall), oder macht sie rückgängig und meldet das.
  check --discard-journal
                      Verschiebt ein beschädigtes Protokoll einer solchen
                      Änderung (die Datei .lexiglade-journal mit den Dateien
                      daneben) in einen neuen Ordner discarded-filing-XXXXXX
                      der Bibliothek und prüft dann. Sehen Sie sich das
                      Protokoll vorher an.

Optionen:
  --library VERZEICHNIS
                      Arbeitet mit der Bibliothek im Ordner VERZEICHNIS.
  --verbose           Nennt auch, wo in den Dateien der Bibliothek ein Rätsel
                      steht.
  --help              Gibt diesen Text aus.
  --version           Gibt die Version aus.

Eine Rätseldatei ist eine reine Textdatei in UTF-8 (Latin-1 geht auch). Ihre
erste Zeile ist der Titel, die zweite der Ordner, dann folgt für jedes Wort
eine Zeile: das Wort, ein Tabulator und sein Hinweis. Zum Beispiel (&lt;TAB&gt;
steht für einen Tabulator):

  Bauernhoftiere
  Tiere
  PFERD&lt;TAB&gt;Auf seinem Rücken kann man reiten
  SCHAF&lt;TAB&gt;Seine Wolle hält warm
  ... (insgesamt 15 bis 25 Wörter)

Ein Titel hat 2 bis 40 Zeichen, ein Wort 4 bis 21 Buchstaben von A bis Z (ohne
Umlaute und ß). Ein Hinweis ist ein kurzer Text; in einem Bilderrätsel ist
jeder Hinweis stattdessen der Name einer Bilddatei (etwa PFERD.BMP) im
Bilderordner der Bibliothek, die so angepasst wird, wie es das Spiel beim
Erstellen eines Rätsels tut. Die Bibliothek speichert nur Zeichen aus Latin-1
(die Buchstaben der westeuropäischen Sprachen).

Das Spiel sieht eine Änderung, sobald es das nächste Mal startet oder seine
Ordner wieder zeigt. Eine Änderung wartet einige Sekunden auf ein Spiel, das
gerade in dieselbe Bibliothek speichert.
Exit-Status: 0, wenn der Befehl seine Arbeit getan hat (check: die Bibliothek
ist in Ordnung), 1, wenn er es nicht konnte (check: ein Problem wurde
gefunden), 2, wenn die Befehlszeile falsch ist. Die Formen
„check VERZEICHNIS“, „add VERZEICHNIS DATEI“ und „list VERZEICHNIS“
funktionieren weiterhin.
</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>kein Befehl angegeben</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>unbekannter Befehl „%1“</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot;</source>
        <translation>unbekannte Option „%1“</translation>
    </message>
    <message>
        <source>--library needs the library&apos;s folder</source>
        <translation>--library braucht den Ordner der Bibliothek</translation>
    </message>
    <message>
        <source>wrong number of arguments for %1</source>
        <translation>falsche Zahl von Argumenten für %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds the character &quot;%2&quot; (%3), which the library cannot store: it keeps Latin-1 characters only</source>
        <translation>„%1“ enthält das Zeichen „%2“ (%3), das die Bibliothek nicht speichern kann: Sie speichert nur Zeichen aus Latin-1</translation>
    </message>
    <message>
        <source>There was no filing record to set aside</source>
        <translation>Es gab kein Protokoll eines Speichervorgangs, das beiseitezulegen war</translation>
    </message>
    <message>
        <source>The filing record %1 was set aside with the files beside it in %2</source>
        <translation>Das Protokoll %1 wurde mit den Dateien daneben nach %2 beiseitegelegt</translation>
    </message>
    <message>
        <source>A filing had been cut short before it changed the library; its unfinished files were removed</source>
        <translation>Ein Speichervorgang war abgebrochen worden, bevor er die Bibliothek änderte; seine unfertigen Dateien wurden entfernt</translation>
    </message>
    <message>
        <source>A filing had ended without removing its backups; its backups were removed</source>
        <translation>Ein Speichervorgang hatte seine Sicherungskopien nicht entfernt; sie wurden nun entfernt</translation>
    </message>
    <message>
        <source>A filing had been cut short after writing all its files; it was finished</source>
        <translation>Ein Speichervorgang war abgebrochen worden, nachdem er alle seine Dateien geschrieben hatte; er wurde abgeschlossen</translation>
    </message>
    <message>
        <source>A filing had been cut short while replacing files; it was undone</source>
        <translation>Ein Speichervorgang war beim Ersetzen von Dateien abgebrochen worden; er wurde rückgängig gemacht</translation>
    </message>
    <message>
        <source>(not in the library)</source>
        <translation>(nicht in der Bibliothek)</translation>
    </message>
    <message>
        <source>%1 words	best %2 / %3</source>
        <extracomment>Keep the tab: it separates the columns of the list.</extracomment>
        <translation>%1 Wörter	Bestzeit %2 / %3</translation>
    </message>
    <message>
        <source>There is no folder &quot;%1&quot; in the library</source>
        <translation>Die Bibliothek hat keinen Ordner „%1“</translation>
    </message>
    <message>
        <source>Filed &quot;%1&quot; in the folder &quot;%2&quot; (%3 words).</source>
        <translation>Das Rätsel „%1“ liegt jetzt im Ordner „%2“ (%3 Wörter).</translation>
    </message>
    <message>
        <source>It is puzzle %1, on lines %2 to %3 of %4 and %5.</source>
        <translation>Es ist Rätsel Nr. %1 und steht in den Zeilen %2 bis %3 von %4 und %5.</translation>
    </message>
    <message>
        <source>Line %1 of %2 (&quot;%3&quot;): %4</source>
        <translation>Zeile %1 von %2 („%3“): %4</translation>
    </message>
    <message>
        <source>Line %1 of %2 is missing: a puzzle file holds the title on its first line and the folder on its second.</source>
        <translation>Zeile %1 von %2 fehlt: Eine Rätseldatei enthält in ihrer ersten Zeile den Titel und in der zweiten den Ordner.</translation>
    </message>
    <message>
        <source>There is no tab between the word and its hint.</source>
        <translation>Zwischen dem Wort und seinem Hinweis steht kein Tabulator.</translation>
    </message>
    <message>
        <source>It holds a NUL byte.</source>
        <translation>Sie enthält ein NUL-Byte.</translation>
    </message>
    <message>
        <source>It holds the character &quot;%1&quot; (%2), which the library cannot store: it keeps Latin-1 characters only.</source>
        <translation>Sie enthält das Zeichen „%1“ (%2), das die Bibliothek nicht speichern kann: Sie speichert nur Zeichen aus Latin-1.</translation>
    </message>
    <message>
        <source>Wrote &quot;%1&quot; (%2 words) to %3.</source>
        <translation>Das Rätsel „%1“ (%2 Wörter) steht jetzt in %3.</translation>
    </message>
    <message>
        <source>Its hints are pictures in %1; a library that adds the file needs them in its own pictures folder.</source>
        <translation>Seine Hinweise sind Bilder in %1; eine Bibliothek, der die Datei hinzugefügt wird, braucht sie in ihrem eigenen Bilderordner.</translation>
    </message>
    <message>
        <source>Removed &quot;%1&quot; from the folder &quot;%2&quot;.</source>
        <translation>Das Rätsel „%1“ wurde aus dem Ordner „%2“ entfernt.</translation>
    </message>
    <message>
        <source>Removed &quot;%1&quot; from the library.</source>
        <translation>Das Rätsel „%1“ wurde aus der Bibliothek entfernt.</translation>
    </message>
    <message>
        <source>It was puzzle %1; lines %2 to %3 of %4 and %5, which held its words and hints, stay unused.</source>
        <translation>Es war Rätsel Nr. %1; die Zeilen %2 bis %3 von %4 und %5, die seine Wörter und Hinweise enthielten, bleiben ungenutzt.</translation>
    </message>
    <message>
        <source>Renamed &quot;%1&quot; to &quot;%2&quot;.</source>
        <translation>Das Rätsel „%1“ heißt jetzt „%2“.</translation>
    </message>
    <message>
        <source>Cannot rename &quot;%1&quot; to &quot;%2&quot;: %3</source>
        <translation>Das Rätsel „%1“ lässt sich nicht in „%2“ umbenennen: %3</translation>
    </message>
    <message>
        <source>Moved &quot;%1&quot; to the folder &quot;%2&quot;.</source>
        <translation>Das Rätsel „%1“ liegt jetzt im Ordner „%2“.</translation>
    </message>
    <message>
        <source>Cannot move &quot;%1&quot; to the folder &quot;%2&quot;: %3</source>
        <translation>Das Rätsel „%1“ lässt sich nicht in den Ordner „%2“ verschieben: %3</translation>
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
    <name>ProgramInfo</name>
    <message>
        <source>Usage: lexiglade [Qt option...]
       lexiglade --help | --version

Lexiglade, a word-search puzzle game: find the words hidden in a grid of letters
from their hints. Without options it opens the catalogue of puzzles.

  -h, --help     Prints this text.
  -v, --version  Prints the version.

Other options are Qt&apos;s, such as -platform NAME. The player&apos;s puzzles and best
times live in $XDG_DATA_HOME/lexiglade/ (by default ~/.local/share/lexiglade/);
lexiglade-library adds, lists, exports, removes, renames and moves them.
See lexiglade(6).
</source>
        <translation>Aufruf: lexiglade [Qt-Option...]
       lexiglade --help | --version

Lexiglade, ein Wortsuchrätsel: Finde die Wörter, die in einem Gitter aus
Buchstaben versteckt sind, anhand ihrer Hinweise. Ohne Optionen öffnet es den
Katalog der Rätsel.

  -h, --help     Gibt diesen Text aus.
  -v, --version  Gibt die Version aus.

Andere Optionen sind die von Qt, etwa -platform NAME. Die Rätsel und Bestzeiten
des Spielers liegen in $XDG_DATA_HOME/lexiglade/ (sonst
~/.local/share/lexiglade/); lexiglade-library fügt sie hinzu, listet, exportiert,
entfernt, benennt und verschiebt sie.
Siehe lexiglade(6).
</translation>
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
