<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AnswerKey</name>
    <message>
        <source>%1 (answers)</source>
        <extracomment>The title of the printed answer key: %1 is the puzzle&apos;s title.</extracomment>
        <translation>%1 (corrigé)</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Unexpected error</source>
        <translation>Erreur inattendue</translation>
    </message>
</context>
<context>
    <name>Artwork</name>
    <message>
        <source>Find the word of every hint</source>
        <extracomment>The puzzle screen&apos;s call to play, beside the list of hints at the foot of the board.</extracomment>
        <translation>Trouvez le mot de chaque indice</translation>
    </message>
    <message>
        <source>FIND</source>
        <extracomment>Capital letters on tiles down the board&apos;s left side, read with those down its right side as a short call to play or the game&apos;s kind; 1 to 6 letters, at most 5 at the widest spacing.</extracomment>
        <translation>MOTS</translation>
    </message>
    <message>
        <source>WORD</source>
        <extracomment>Capital letters on tiles down the board&apos;s right side, read after those down its left side.</extracomment>
        <translation>MÊLÉS</translation>
    </message>
    <message>
        <source>End</source>
        <extracomment>The puzzle screen&apos;s small button that ends the game; beyond 5 letters drawn smaller.</extracomment>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Setup</source>
        <extracomment>The puzzle screen&apos;s small button that opens the printer setup; beyond 6 letters drawn smaller.</extracomment>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Print</source>
        <extracomment>The puzzle screen&apos;s small button that prints the puzzle; beyond 6 letters drawn smaller.</extracomment>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Word Search Puzzles</source>
        <extracomment>The catalogue&apos;s heading below the game&apos;s name: what the game is.</extracomment>
        <translation>Grilles de mots mêlés</translation>
    </message>
    <message>
        <source>Find every hidden word!</source>
        <extracomment>The catalogue&apos;s line below its heading, inviting the player to play.</extracomment>
        <translation>Trouvez tous les mots cachés&#xa0;!</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>The catalogue&apos;s small button that ends the program; beyond 5 letters drawn smaller.</extracomment>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Create</source>
        <extracomment>The catalogue&apos;s button that opens the wizard making a new puzzle; about 10 letters.</extracomment>
        <translation>Créer</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>The catalogue&apos;s button that opens the options dialog (sounds, music, game); about 10 letters.</extracomment>
        <translation>Options</translation>
    </message>
    <message>
        <source>WORD</source>
        <comment>ringed in the letter grid</comment>
        <extracomment>Four capital letters ringed in the picture of a letter grid beside the catalogue: a word found in a puzzle; exactly 4 letters.</extracomment>
        <translation>MOTS</translation>
    </message>
</context>
<context>
    <name>FileWithoutPrinter</name>
    <message>
        <source>Puzzle</source>
        <extracomment>The name of a print file for a puzzle whose title makes no file name.</extracomment>
        <translation>Grille</translation>
    </message>
</context>
<context>
    <name>KnownMessages</name>
    <message>
        <source>Cannot open file %1</source>
        <translation>Impossible d&apos;ouvrir le fichier %1</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Impossible de créer le fichier %1</translation>
    </message>
    <message>
        <source>List index out of bounds</source>
        <translation>Indice de liste hors limites</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un nombre entier valide</translation>
    </message>
    <message>
        <source>Cannot read file %1: %2</source>
        <translation>Impossible de lire le fichier %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot write file %1: %2</source>
        <translation>Impossible d&apos;écrire dans le fichier %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>it cannot be removed</source>
        <translation>il ne peut pas être supprimé</translation>
    </message>
    <message>
        <source>File load error</source>
        <translation>Erreur de chargement du fichier</translation>
    </message>
    <message>
        <source>Line too long</source>
        <translation>Ligne trop longue</translation>
    </message>
    <message>
        <source>Puzzle &quot;%1&quot; is not in the library</source>
        <translation>La grille «&#xa0;%1&#xa0;» n&apos;est pas dans la bibliothèque</translation>
    </message>
    <message>
        <source>Cannot use file %1: it is a symbolic link</source>
        <translation>Impossible d&apos;utiliser le fichier %1&#xa0;: c&apos;est un lien symbolique</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a plain file name of the library folder</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un simple nom de fichier du dossier de la bibliothèque</translation>
    </message>
    <message>
        <source>The list %1 is damaged: it holds a NUL byte</source>
        <translation>La liste %1 est endommagée&#xa0;: elle contient un octet NUL</translation>
    </message>
    <message>
        <source>The list %1 is damaged: it has %2 lines where %3 has %4</source>
        <translation>La liste %1 est endommagée&#xa0;: elle a %2 lignes alors que %3 en a %4</translation>
    </message>
    <message>
        <source>The library is in use by another program; try again in a moment</source>
        <translation>La bibliothèque est utilisée par un autre programme&#xa0;; réessayez dans un instant</translation>
    </message>
    <message>
        <source>Cannot write to the library folder %1: %2</source>
        <translation>Impossible d&apos;écrire dans le dossier de la bibliothèque %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>its lock file %1 is not a plain file</source>
        <translation>son fichier de verrou %1 n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>The library has a damaged filing record, %1, which was not acted on: after looking at it, set it aside with &quot;lexiglade-library check --discard-journal %2&quot; and file again</source>
        <translation>La bibliothèque contient un journal d&apos;enregistrement endommagé, %1, qui n&apos;a pas été appliqué&#xa0;: après l&apos;avoir examiné, mettez-le de côté avec «&#xa0;lexiglade-library check --discard-journal %2&#xa0;» et enregistrez la grille à nouveau</translation>
    </message>
    <message>
        <source>The interrupted filing recorded in %1 can be neither finished nor undone: %2 has changed</source>
        <translation>L&apos;enregistrement interrompu consigné dans %1 ne peut être ni achevé ni annulé&#xa0;: %2 a changé</translation>
    </message>
    <message>
        <source>The banks %1 and %2 are out of step: %1 has %3 lines where %2 has %4</source>
        <translation>Le fichier de mots %1 et le fichier d&apos;indices %2 ne concordent pas&#xa0;: %1 a %3 lignes alors que %2 en a %4</translation>
    </message>
    <message>
        <source>The folder list %1 was changed by another program; please choose the folder again</source>
        <translation>La liste des dossiers %1 a été modifiée par un autre programme&#xa0;; veuillez choisir le dossier à nouveau</translation>
    </message>
    <message>
        <source>Cannot create folder %1: %2</source>
        <translation>Impossible de créer le dossier %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot read folder %1: %2</source>
        <translation>Impossible de lire le dossier %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The puzzle &quot;%1&quot; cannot be filed: %2</source>
        <translation>La grille «&#xa0;%1&#xa0;» ne peut pas être enregistrée&#xa0;: %2</translation>
    </message>
    <message>
        <source>its title begins with a space or holds a control character</source>
        <translation>son nom commence par une espace ou contient un caractère de contrôle</translation>
    </message>
    <message>
        <source>it has %1 words and %2 hints</source>
        <translation>elle a %1 mots et %2 indices</translation>
    </message>
    <message>
        <source>word %1 is empty</source>
        <translation>le mot %1 est vide</translation>
    </message>
    <message>
        <source>word %1 holds a control character</source>
        <translation>le mot %1 contient un caractère de contrôle</translation>
    </message>
    <message>
        <source>hint %1 is empty</source>
        <translation>l&apos;indice %1 est vide</translation>
    </message>
    <message>
        <source>hint %1 holds a control character</source>
        <translation>l&apos;indice %1 contient un caractère de contrôle</translation>
    </message>
    <message>
        <source>its first hint holds a full stop, so the game takes its hints for pictures, and hint %1 names no picture of %2</source>
        <translation>son premier indice contient un point, le jeu prend donc ses indices pour des images, et l&apos;indice %1 ne désigne aucune image de %2</translation>
    </message>
    <message>
        <source>the name of its new folder is empty, begins with a space or holds a control character</source>
        <translation>le nom de son nouveau dossier est vide, commence par une espace ou contient un caractère de contrôle</translation>
    </message>
    <message>
        <source>%1 (found when the filing was read back before it was committed; the library was left as it is)</source>
        <translation>%1 (constaté en relisant l&apos;enregistrement avant de le valider&#xa0;; la bibliothèque n&apos;a pas été modifiée)</translation>
    </message>
    <message>
        <source>Line %1 of %2 is %3 where the new puzzle needs %4</source>
        <translation>La ligne %1 de %2 vaut %3 alors que la nouvelle grille demande %4</translation>
    </message>
    <message>
        <source>The puzzle %1 (line %2 of %3) already points into lines %4 to %5 of %6 and %7</source>
        <translation>La grille %1 (ligne %2 de %3) renvoie déjà aux lignes %4 à %5 de %6 et %7</translation>
    </message>
    <message>
        <source>The new puzzle %1 has no line in %2</source>
        <translation>La nouvelle grille %1 n&apos;a pas de ligne dans %2</translation>
    </message>
    <message>
        <source>The new puzzle %1 cannot be loaded: %2</source>
        <translation>La nouvelle grille %1 ne peut pas être chargée&#xa0;: %2</translation>
    </message>
    <message>
        <source>The title %1 loads the puzzle on line %2 of %3</source>
        <translation>Le titre %1 charge la grille de la ligne %2 de %3</translation>
    </message>
    <message>
        <source>The new puzzle %1 loads other words or hints than it was given</source>
        <translation>La nouvelle grille %1 charge d&apos;autres mots ou indices que ceux qui lui ont été donnés</translation>
    </message>
    <message>
        <source>Updating Folder List</source>
        <translation>Mise à jour de la liste des dossiers</translation>
    </message>
    <message>
        <source>Updating Master</source>
        <translation>Mise à jour de la liste principale</translation>
    </message>
    <message>
        <source>Saving Puzzle Word and Hint Lists</source>
        <translation>Enregistrement des mots et des indices</translation>
    </message>
    <message>
        <source>Saving File Pointers</source>
        <translation>Enregistrement des renvois aux fichiers</translation>
    </message>
    <message>
        <source>Saving Position Pointers</source>
        <translation>Enregistrement des renvois aux lignes</translation>
    </message>
    <message>
        <source>Saving Time Database</source>
        <translation>Enregistrement des meilleurs temps</translation>
    </message>
    <message>
        <source>Elapsed: %1</source>
        <translation>Temps écoulé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Time taken: %1... Previous best was %2... Recording new record.</source>
        <translation>Votre temps&#xa0;: %1 – meilleur temps précédent&#xa0;: %2. C&apos;est un nouveau record, il est enregistré.</translation>
    </message>
    <message>
        <source>Time taken: %1... Previous best was %2...You did not beat the old record.</source>
        <translation>Votre temps&#xa0;: %1 – meilleur temps précédent&#xa0;: %2. Vous n&apos;avez pas battu l&apos;ancien record.</translation>
    </message>
    <message>
        <source>The words of this puzzle do not fit in the grid</source>
        <translation>Les mots de cette grille ne peuvent pas tous être cachés parmi les lettres</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>L&apos;image bitmap n&apos;est pas valide</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>Aucune imprimante par défaut n&apos;est sélectionnée</translation>
    </message>
    <message>
        <source>Printer selected is not valid</source>
        <translation>L&apos;imprimante sélectionnée n&apos;est pas valide</translation>
    </message>
    <message>
        <source>Printer is not currently printing</source>
        <translation>L&apos;imprimante n&apos;est pas en train d&apos;imprimer</translation>
    </message>
    <message>
        <source>Printing in progress</source>
        <translation>Impression en cours</translation>
    </message>
    <message>
        <source>The puzzle &quot;%1&quot; cannot be changed: %2</source>
        <translation>La grille «&#xa0;%1&#xa0;» ne peut pas être modifiée&#xa0;: %2</translation>
    </message>
    <message>
        <source>another puzzle of the library has the same title</source>
        <translation>une autre grille de la bibliothèque porte le même titre</translation>
    </message>
    <message>
        <source>its new title is empty, begins with a space or holds a control character</source>
        <translation>son nouveau titre est vide, commence par une espace ou contient un caractère de contrôle</translation>
    </message>
    <message>
        <source>a puzzle of the library has its new title already</source>
        <translation>une grille de la bibliothèque porte déjà son nouveau titre</translation>
    </message>
    <message>
        <source>The puzzle &quot;%1&quot; is under no folder of the tree</source>
        <translation>La grille «&#xa0;%1&#xa0;» n&apos;est dans aucun dossier de l&apos;arborescence</translation>
    </message>
</context>
<context>
    <name>LibraryCheck</name>
    <message>
        <source>Puzzle &quot;%1&quot; (line %2 of %3): %4</source>
        <translation>Grille «&#xa0;%1&#xa0;» (ligne %2 de %3)&#xa0;: %4</translation>
    </message>
    <message>
        <source>its banks %1 and %2 are not a pair</source>
        <translation>son fichier de mots %1 et son fichier d&apos;indices %2 ne vont pas ensemble</translation>
    </message>
    <message>
        <source>its first hint &quot;%1&quot; holds a full stop, so the game takes its text hints for pictures</source>
        <translation>son premier indice «&#xa0;%1&#xa0;» contient un point, le jeu prend donc ses indices écrits pour des images</translation>
    </message>
    <message>
        <source>its picture %1 is missing</source>
        <translation>son image %1 est introuvable</translation>
    </message>
    <message>
        <source>its lines %1 to %2 lie outside its banks (%3 has %4 lines, %5 has %6)</source>
        <translation>ses lignes %1 à %2 sont hors de ses fichiers de mots et d&apos;indices (%3 a %4 lignes, %5 en a %6)</translation>
    </message>
    <message>
        <source>its hint %1 (line %2 of %3) is empty</source>
        <translation>son indice %1 (ligne %2 de %3) est vide</translation>
    </message>
    <message>
        <source>Puzzle &quot;%1&quot; (line %2 of %3) is under no folder of %4</source>
        <translation>La grille «&#xa0;%1&#xa0;» (ligne %2 de %3) n&apos;est dans aucun dossier de %4</translation>
    </message>
    <message>
        <source>Puzzle &quot;%1&quot; (line %2 of %3) is not in %4</source>
        <translation>La grille «&#xa0;%1&#xa0;» (ligne %2 de %3) est absente de %4</translation>
    </message>
    <message>
        <source>Best time &quot;%1&quot; (line %2 of %3) is not a whole number of seconds</source>
        <translation>Le meilleur temps «&#xa0;%1&#xa0;» (ligne %2 de %3) n&apos;est pas un nombre entier de secondes</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>The library&apos;s folder list (a file) and why it cannot be read.</extracomment>
        <translation>%1&#xa0;: %2</translation>
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
        <translation>Utilisation&#xa0;: lexiglade-library [--library RÉP] [--verbose] COMMANDE
              lexiglade-library --help | --version

Gère depuis un terminal les grilles de Lexiglade. Elles sont rangées dans un
dossier de bibliothèque&#xa0;: celui du jeu (pour un jeu installé,
~/.local/share/lexiglade/), ou RÉP si vous indiquez --library RÉP.

Commandes&#xa0;:
  add FICHIER         Ajoute la grille écrite dans le fichier de grille
                      FICHIER (voir plus bas) à son dossier, ou à un nouveau
                      dossier placé à la fin.
  list [DOSSIER]      Affiche chaque dossier avec ses grilles, leur nombre de
                      mots et leurs meilleurs temps (sans / avec mots à
                      l&apos;envers). Avec DOSSIER, affiche ce dossier seulement.
  export TITRE [FICHIER]
                      Écrit la grille TITRE sous forme de fichier de grille,
                      dans FICHIER ou, sans FICHIER, à l&apos;écran. Ajouter ce
                      fichier à une bibliothèque donne la même grille.
  remove TITRE        Retire la grille TITRE de la bibliothèque.
  rename TITRE NOUVEAU
                      Donne à la grille TITRE le titre NOUVEAU.
  move TITRE DOSSIER  Place la grille TITRE en dernier dans DOSSIER, ou dans
                      un nouveau dossier de ce nom placé à la fin.
  check               Vérifie la bibliothèque et affiche une ligne pour
                      chaque problème trouvé. Auparavant, elle achève ou
                      annule une modification interrompue (par un plantage
                      ou une coupure de courant) et le signale.
  check --discard-journal
                      Déplace un journal endommagé d&apos;une telle modification
                      (le fichier .lexiglade-journal, avec les fichiers qui
                      l&apos;accompagnent) dans un nouveau dossier
                      discarded-filing-XXXXXX de la bibliothèque, puis
                      vérifie. Examinez le journal avant de faire cela.

Options&#xa0;:
  --library RÉP       Travaille sur la bibliothèque du dossier RÉP.
  --verbose           Indique aussi où se trouve une grille dans les fichiers
                      de la bibliothèque.
  --help              Affiche ce texte.
  --version           Affiche la version.

Un fichier de grille est un fichier texte brut en UTF-8 (le Latin-1 convient
aussi). Sa première ligne est le titre, la deuxième le dossier, puis vient
une ligne par mot&#xa0;: le mot, une tabulation et son indice. Par exemple (&lt;TAB&gt;
est une tabulation)&#xa0;:

  Animaux de la ferme
  Animaux
  CHEVAL&lt;TAB&gt;On peut monter sur son dos
  MOUTON&lt;TAB&gt;Sa laine nous tient chaud
  ... (15 à 25 mots en tout)

Un titre compte 2 à 40 caractères, un mot 4 à 21 lettres de A à Z (sans
accents). Un indice est un texte court&#xa0;; dans une grille en images, chaque
indice est plutôt le nom d&apos;un fichier d&apos;image (comme CHEVAL.BMP) du dossier
d&apos;images de la bibliothèque, qui est mis en forme comme le fait le jeu quand
il crée une grille. La bibliothèque ne garde que les caractères Latin-1 (les
lettres des langues d&apos;Europe occidentale).

Le jeu voit une modification quand il redémarre ou affiche à nouveau ses
dossiers. Une modification attend quelques secondes un jeu qui enregistre
dans la même bibliothèque.
Code de sortie&#xa0;: 0 quand la commande a fait son travail (check&#xa0;: la
bibliothèque est saine), 1 quand elle n&apos;a pas pu (check&#xa0;: un problème a été
trouvé), 2 quand la ligne de commande est fausse. Les formes «&#xa0;check RÉP&#xa0;»,
«&#xa0;add RÉP FICHIER&#xa0;» et «&#xa0;list RÉP&#xa0;» fonctionnent toujours.
</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>aucune commande indiquée</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>commande inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot;</source>
        <translation>option inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--library needs the library&apos;s folder</source>
        <translation>--library demande le dossier de la bibliothèque</translation>
    </message>
    <message>
        <source>wrong number of arguments for %1</source>
        <translation>mauvais nombre d&apos;arguments pour %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds the character &quot;%2&quot; (%3), which the library cannot store: it keeps Latin-1 characters only</source>
        <translation>«&#xa0;%1&#xa0;» contient le caractère «&#xa0;%2&#xa0;» (%3), que la bibliothèque ne peut pas enregistrer&#xa0;: elle ne garde que les caractères Latin-1</translation>
    </message>
    <message>
        <source>There was no filing record to set aside</source>
        <translation>Il n&apos;y avait aucun journal d&apos;enregistrement à mettre de côté</translation>
    </message>
    <message>
        <source>The filing record %1 was set aside with the files beside it in %2</source>
        <translation>Le journal d&apos;enregistrement %1 a été mis de côté avec les fichiers qui l&apos;accompagnent dans %2</translation>
    </message>
    <message>
        <source>A filing had been cut short before it changed the library; its unfinished files were removed</source>
        <translation>Un enregistrement avait été interrompu avant de modifier la bibliothèque&#xa0;; ses fichiers inachevés ont été supprimés</translation>
    </message>
    <message>
        <source>A filing had ended without removing its backups; its backups were removed</source>
        <translation>Un enregistrement s&apos;était terminé sans supprimer ses copies de sauvegarde&#xa0;; elles ont été supprimées</translation>
    </message>
    <message>
        <source>A filing had been cut short after writing all its files; it was finished</source>
        <translation>Un enregistrement avait été interrompu après avoir écrit tous ses fichiers&#xa0;; il a été achevé</translation>
    </message>
    <message>
        <source>A filing had been cut short while replacing files; it was undone</source>
        <translation>Un enregistrement avait été interrompu pendant qu&apos;il remplaçait des fichiers&#xa0;; il a été annulé</translation>
    </message>
    <message>
        <source>(not in the library)</source>
        <translation>(absente de la bibliothèque)</translation>
    </message>
    <message>
        <source>%1 words	best %2 / %3</source>
        <extracomment>Keep the tab: it separates the columns of the list.</extracomment>
        <translation>%1 mots	meilleur temps %2 / %3</translation>
    </message>
    <message>
        <source>There is no folder &quot;%1&quot; in the library</source>
        <translation>La bibliothèque n&apos;a pas de dossier «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Filed &quot;%1&quot; in the folder &quot;%2&quot; (%3 words).</source>
        <translation>La grille «&#xa0;%1&#xa0;» est rangée dans le dossier «&#xa0;%2&#xa0;» (%3 mots).</translation>
    </message>
    <message>
        <source>It is puzzle %1, on lines %2 to %3 of %4 and %5.</source>
        <translation>C&apos;est la grille n°&#xa0;%1, aux lignes %2 à %3 de %4 et %5.</translation>
    </message>
    <message>
        <source>Line %1 of %2 (&quot;%3&quot;): %4</source>
        <translation>Ligne %1 de %2 («&#xa0;%3&#xa0;»)&#xa0;: %4</translation>
    </message>
    <message>
        <source>Line %1 of %2 is missing: a puzzle file holds the title on its first line and the folder on its second.</source>
        <translation>La ligne %1 de %2 manque&#xa0;: un fichier de grille contient le titre sur sa première ligne et le dossier sur la deuxième.</translation>
    </message>
    <message>
        <source>There is no tab between the word and its hint.</source>
        <translation>Il n&apos;y a pas de tabulation entre le mot et son indice.</translation>
    </message>
    <message>
        <source>It holds a NUL byte.</source>
        <translation>Elle contient un octet NUL.</translation>
    </message>
    <message>
        <source>It holds the character &quot;%1&quot; (%2), which the library cannot store: it keeps Latin-1 characters only.</source>
        <translation>Elle contient le caractère «&#xa0;%1&#xa0;» (%2), que la bibliothèque ne peut pas enregistrer&#xa0;: elle ne garde que les caractères Latin-1.</translation>
    </message>
    <message>
        <source>Wrote &quot;%1&quot; (%2 words) to %3.</source>
        <translation>La grille «&#xa0;%1&#xa0;» (%2 mots) a été écrite dans %3.</translation>
    </message>
    <message>
        <source>Its hints are pictures in %1; a library that adds the file needs them in its own pictures folder.</source>
        <translation>Ses indices sont des images de %1&#xa0;; une bibliothèque qui ajoute ce fichier en a besoin dans son propre dossier d&apos;images.</translation>
    </message>
    <message>
        <source>Removed &quot;%1&quot; from the folder &quot;%2&quot;.</source>
        <translation>La grille «&#xa0;%1&#xa0;» a été retirée du dossier «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>Removed &quot;%1&quot; from the library.</source>
        <translation>La grille «&#xa0;%1&#xa0;» a été retirée de la bibliothèque.</translation>
    </message>
    <message>
        <source>It was puzzle %1; lines %2 to %3 of %4 and %5, which held its words and hints, stay unused.</source>
        <translation>C&apos;était la grille n°&#xa0;%1&#xa0;; les lignes %2 à %3 de %4 et %5, qui contenaient ses mots et ses indices, restent inutilisées.</translation>
    </message>
    <message>
        <source>Renamed &quot;%1&quot; to &quot;%2&quot;.</source>
        <translation>La grille «&#xa0;%1&#xa0;» s&apos;appelle désormais «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>Cannot rename &quot;%1&quot; to &quot;%2&quot;: %3</source>
        <translation>Impossible de renommer «&#xa0;%1&#xa0;» en «&#xa0;%2&#xa0;»&#xa0;: %3</translation>
    </message>
    <message>
        <source>Moved &quot;%1&quot; to the folder &quot;%2&quot;.</source>
        <translation>La grille «&#xa0;%1&#xa0;» a été déplacée dans le dossier «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>Cannot move &quot;%1&quot; to the folder &quot;%2&quot;: %3</source>
        <translation>Impossible de déplacer «&#xa0;%1&#xa0;» dans le dossier «&#xa0;%2&#xa0;»&#xa0;: %3</translation>
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
        <translation>Confirmation</translation>
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
        <translation>Configuration de l&apos;impression</translation>
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
        <translation>Usage : lexiglade [option Qt...]
        lexiglade --help | --version

Lexiglade, un jeu de mots cachés : trouvez les mots cachés dans une grille de
lettres grâce à leurs indices. Sans option, il ouvre le catalogue des grilles.

  -h, --help     Affiche ce texte.
  -v, --version  Affiche la version.

Les autres options sont celles de Qt, comme -platform NOM. Les grilles et les
meilleurs temps du joueur se trouvent dans $XDG_DATA_HOME/lexiglade/
(par défaut ~/.local/share/lexiglade/) ; lexiglade-library les ajoute, les
liste, les exporte, les supprime, les renomme et les déplace.
Voir lexiglade(6).
</translation>
    </message>
</context>
<context>
    <name>lexiglade::Tjukebox</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sons</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musique</translation>
    </message>
    <message>
        <source>         Allow backward words</source>
        <translation>         Autoriser les mots à l&apos;envers</translation>
    </message>
    <message>
        <source>         Timed Game</source>
        <translation>         Partie chronométrée</translation>
    </message>
    <message>
        <source>  3 minutes</source>
        <translation>  3 minutes</translation>
    </message>
    <message>
        <source>  6 minutes</source>
        <translation>  6 minutes</translation>
    </message>
    <message>
        <source>  9 minutes</source>
        <translation>  9 minutes</translation>
    </message>
</context>
<context>
    <name>lexiglade::Tlxedit</name>
    <message>
        <source>Do you want to place the puzzle &quot;%1&quot; in the &quot;%2&quot; folder?</source>
        <translation>Voulez-vous placer la grille «&#xa0;%1&#xa0;» dans le dossier «&#xa0;%2&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>MyFolder</source>
        <translation>Mon dossier</translation>
    </message>
    <message>
        <source>Puzzle name too long. Please shorten.</source>
        <translation>Le nom de la grille est trop long. Veuillez le raccourcir.</translation>
    </message>
    <message>
        <source>Please fill in the puzzle name.</source>
        <translation>Veuillez donner un nom à la grille.</translation>
    </message>
    <message>
        <source>A puzzle with this name already exists. Please choose another name.</source>
        <translation>Une grille porte déjà ce nom. Veuillez en choisir un autre.</translation>
    </message>
    <message>
        <source>The puzzle name cannot begin with a space or contain a tab.</source>
        <translation>Le nom de la grille ne peut ni commencer par une espace ni contenir de tabulation.</translation>
    </message>
    <message>
        <source>The folder name cannot be empty, begin with a space or contain a tab.</source>
        <translation>Le nom du dossier ne peut être vide, ni commencer par une espace, ni contenir de tabulation.</translation>
    </message>
    <message>
        <source>The puzzle name cannot contain control characters.</source>
        <translation>Le nom de la grille ne peut pas contenir de caractères de contrôle.</translation>
    </message>
    <message>
        <source>The folder name cannot contain control characters.</source>
        <translation>Le nom du dossier ne peut pas contenir de caractères de contrôle.</translation>
    </message>
    <message>
        <source>The hint of %1 is empty.</source>
        <translation>L&apos;indice de %1 est vide.</translation>
    </message>
    <message>
        <source>The hint of %1 cannot contain control characters.</source>
        <translation>L&apos;indice de %1 ne peut pas contenir de caractères de contrôle.</translation>
    </message>
    <message>
        <source>The first hint of a text puzzle cannot contain a full stop: the game would take the puzzle for pictures.</source>
        <translation>Le premier indice d&apos;une grille à indices écrits ne peut pas contenir de point&#xa0;: le jeu prendrait ses indices pour des images.</translation>
    </message>
    <message>
        <source>The number of puzzle words does not equal the number of hints.</source>
        <translation>Le nombre de mots n&apos;est pas égal au nombre d&apos;indices.</translation>
    </message>
    <message>
        <source>The number of puzzle words should be between 15 and 25.</source>
        <translation>Une grille doit compter entre 15 et 25 mots.</translation>
    </message>
    <message>
        <source>Puzzle words should be between 4 and 21 characters in length.</source>
        <translation>Les mots doivent compter entre 4 et 21 lettres.</translation>
    </message>
    <message>
        <source>Puzzle words can only have characters from A - Z. If using double words like Pim Varlo, just run the words together like pimvarlo. This is how you will see it in the puzzle.</source>
        <translation>Les mots ne peuvent contenir que les lettres de A à Z, sans accents. Écrivez les noms en plusieurs mots comme Pim Varlo d&apos;un seul tenant&#xa0;: pimvarlo. C&apos;est ainsi qu&apos;ils apparaîtront dans la grille.</translation>
    </message>
    <message>
        <source>These words cannot all be hidden in the grid. Please use fewer or shorter long words.</source>
        <translation>Ces mots ne peuvent pas tous être cachés parmi les lettres de la grille. Utilisez moins de mots longs, ou des mots plus courts.</translation>
    </message>
    <message>
        <source>At least one hint picture filename is too short to be valid.</source>
        <translation>Au moins un nom de fichier d&apos;image parmi les indices est trop court pour être valide.</translation>
    </message>
    <message>
        <source>At least one hint picture filename is too long to be valid.</source>
        <translation>Au moins un nom de fichier d&apos;image parmi les indices est trop long pour être valide.</translation>
    </message>
    <message>
        <source>When doing pictures, ALL hints must be a picture.</source>
        <translation>Dans une grille en images, TOUS les indices doivent être des images.</translation>
    </message>
    <message>
        <source>At least one hint picture filename was not found. Please verify that the pictueres you want to use are in the </source>
        <extracomment>Followed by the data folder (ending with /) and the text &quot;PICTURES subdirectory.&quot;</extracomment>
        <translation>Au moins une image des indices est introuvable. Vérifiez que les images que vous voulez utiliser se trouvent dans le sous-dossier </translation>
    </message>
    <message>
        <source>PICTURES subdirectory.</source>
        <extracomment>Follows the text &quot;...are in the &quot; and the data folder.</extracomment>
        <translation>PICTURES.</translation>
    </message>
    <message>
        <source>Lexiglade Puzzle Create Wizard</source>
        <translation>Lexiglade – Créer une grille</translation>
    </message>
    <message>
        <source>Puzzle Words</source>
        <translation>Mots à cacher</translation>
    </message>
    <message>
        <source>Hints (Words/Phrases/Pictures)</source>
        <translation>Indices (mots/phrases/images)</translation>
    </message>
    <message>
        <source>Puzzle Name:</source>
        <translation>Nom de la grille&#xa0;:</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Existing Folders:</source>
        <translation>Dossiers existants&#xa0;:</translation>
    </message>
    <message>
        <source>Choose Selected Folder</source>
        <translation>Choisir ce dossier</translation>
    </message>
    <message>
        <source>Or</source>
        <translation>ou</translation>
    </message>
    <message>
        <source>Add New Folder</source>
        <translation>Nouveau dossier</translation>
    </message>
    <message>
        <source>Folder Name:</source>
        <translation>Nom du dossier&#xa0;:</translation>
    </message>
    <message>
        <source>Go Back</source>
        <translation>Retour</translation>
    </message>
</context>
<context>
    <name>lexiglade::Tmain</name>
    <message>
        <source>Double-click folders to open. Click the page icon showing a puzzle you wish to play...</source>
        <translation>Double-cliquez sur un dossier pour l&apos;ouvrir, puis cliquez sur la grille à laquelle vous voulez jouer…</translation>
    </message>
    <message>
        <source>Thanks for playing Lexiglade!</source>
        <translation>Merci d&apos;avoir joué à Lexiglade&#xa0;!</translation>
    </message>
</context>
<context>
    <name>lexiglade::Tprndlg</name>
    <message>
        <source>There is no printer, so the puzzle was printed to the file
%1</source>
        <translation>Aucune imprimante n&apos;est disponible&#xa0;; la grille a donc été imprimée dans le fichier&#xa0;:
%1</translation>
    </message>
    <message>
        <source>Click OK to print!</source>
        <translation>Cliquez sur OK pour imprimer&#xa0;!</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Number of copies</source>
        <translation>Nombre d&apos;exemplaires</translation>
    </message>
    <message>
        <source>Make each copy unique</source>
        <translation>Une grille différente par exemplaire</translation>
    </message>
    <message>
        <source>Print answer key</source>
        <translation>Imprimer le corrigé</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>lexiglade::Tsearcher</name>
    <message>
        <source>Very Good! You found them all!</source>
        <translation>Très bien&#xa0;! Vous les avez tous trouvés&#xa0;!</translation>
    </message>
    <message>
        <source>Uh-oh... the timer has expired! Better luck next time!</source>
        <translation>Oh non… le temps est écoulé&#xa0;! Vous ferez mieux la prochaine fois&#xa0;!</translation>
    </message>
    <message>
        <source>Lexiglade Puzzle</source>
        <translation>Lexiglade – Grille</translation>
    </message>
    <message>
        <source>End the game (%1 or %2)</source>
        <translation>Terminer la partie (%1 ou %2)</translation>
    </message>
    <message>
        <source>Print the puzzle (%1)</source>
        <translation>Imprimer la grille (%1)</translation>
    </message>
    <message>
        <source>Set up the printer (%1)</source>
        <translation>Configurer l&apos;imprimante (%1)</translation>
    </message>
</context>
</TS>
