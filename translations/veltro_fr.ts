<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutWindow</name>
    <message>
        <source>Veltro Weight Loss Calculator icon</source>
        <extracomment>About box: what a screen reader calls the program&apos;s icon at the top left. &quot;Veltro&quot; is the product&apos;s name.</extracomment>
        <translation>Icône de Veltro Calculateur minceur</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <extracomment>About box: the button that closes it, 84 px wide, bold.</extracomment>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <extracomment>About box: link under the offer at the bottom right, bold underlined, one line of at most 183 px.</extracomment>
        <translation>Cliquez ici pour les détails.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <extracomment>About box: the offer in the lower half, bold, word-wrapped in a box of 417 x 41 px (three lines).</extracomment>
        <translation>Travail à domicile&#xa0;: créez votre entreprise sur Internet et gagnez de l&apos;argent en ligne. Obtenez ce logiciel aux couleurs de votre site.</translation>
    </message>
    <message>
        <source>Veltro Weight Loss Calculator estimates your intake of calories based on your personal body details and the amount of weight you wish to lose. Your daily level of physical activity and the time in which you want to lose weight is also considered.</source>
        <extracomment>About box: what the program does, word-wrapped with the rights sentence that follows it in a box of 441 x 53 px (four lines). &quot;Veltro&quot; is the product&apos;s name.</extracomment>
        <translation>Veltro Calculateur minceur estime votre apport quotidien en calories d&apos;après vos données corporelles et le poids que vous souhaitez perdre. Il tient aussi compte de votre niveau d&apos;activité physique et de la durée choisie pour perdre du poids. </translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>About box: link in the middle, bold underlined, one line of at most 319 px; %1 is the forum&apos;s web address (such as www.example.com).</extracomment>
        <translation>Cliquez ici pour visiter %1</translation>
    </message>
</context>
<context>
    <name>ColumnChoiceDialog</name>
    <message>
        <source>Columns of the File - Veltro Weight Loss Calculator</source>
        <extracomment>Caption of the dialog that asks which columns of a file to import hold the dates and the weights</extracomment>
        <translation>Colonnes du fichier - Veltro Calculateur minceur</translation>
    </message>
    <message>
        <source>%1 does not tell everything the import needs. %2 Please say which column is the date, which the weight, how the dates are written and in which unit the weights are. The choice is remembered for files with the same columns.</source>
        <extracomment>Text at the top of the column dialog: %1 is the file&apos;s name and %2 one or more sentences on what the file does not tell, such as &quot;Its columns have no names.&quot;</extracomment>
        <translation>%1 n&apos;indique pas tout ce dont l&apos;importation a besoin. %2 Veuillez indiquer quelle colonne contient la date, laquelle contient le poids, comment les dates sont écrites et dans quelle unité sont les poids. Ce choix est mémorisé pour les fichiers ayant les mêmes colonnes.</translation>
    </message>
    <message>
        <source>Column of the dates</source>
        <extracomment>Name of the box that chooses the column of the dates, read by a screen reader</extracomment>
        <translation>Colonne des dates</translation>
    </message>
    <message>
        <source>Column of the weights</source>
        <extracomment>Name of the box that chooses the column of the weights, read by a screen reader</extracomment>
        <translation>Colonne des poids</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A column in the boxes of the column dialog: %1 is its number, counted from 1, and %2 what its first line says, in quotation marks</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Form of the dates</source>
        <extracomment>Name of the box that chooses how the dates are written (day before month...), read by a screen reader</extracomment>
        <translation>Format des dates</translation>
    </message>
    <message>
        <source>Unit of the weights</source>
        <extracomment>Name of the box that chooses the unit of the weights, read by a screen reader</extracomment>
        <translation>Unité des poids</translation>
    </message>
    <message>
        <source>kilograms (kg)</source>
        <extracomment>A choice of the unit box of the column dialog</extracomment>
        <translation>kilogrammes (kg)</translation>
    </message>
    <message>
        <source>pounds (lb)</source>
        <extracomment>A choice of the unit box of the column dialog</extracomment>
        <translation>livres (lb)</translation>
    </message>
    <message>
        <source>as each line&apos;s unit column says</source>
        <extracomment>A choice of the unit box of the column dialog, where the file has a column that gives each weight&apos;s unit</extracomment>
        <translation>selon la colonne d&apos;unité de chaque ligne</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <extracomment>Button of the column dialog: goes on to show what the import will do, before anything is stored</extracomment>
        <translation>A&amp;perçu</translation>
    </message>
    <message>
        <source>No date of this column reads as a day.</source>
        <extracomment>Note below the box of the dates&apos; form when the column chosen as the dates holds no date</extracomment>
        <translation>Aucune valeur de cette colonne n&apos;est lisible comme une date.</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <extracomment>Label of the box that chooses the column of the dates</extracomment>
        <translation>&amp;Date&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Weight:</source>
        <extracomment>Label of the box that chooses the column of the weights</extracomment>
        <translation>P&amp;oids&#xa0;:</translation>
    </message>
    <message>
        <source>Dates &amp;written as:</source>
        <extracomment>Label of the box that chooses how the dates are written, such as &quot;day, month, year&quot;</extracomment>
        <translation>&amp;Format des dates&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Unit:</source>
        <extracomment>Label of the box that chooses the unit of the weights</extracomment>
        <translation>&amp;Unité&#xa0;:</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <extracomment>An error of the command line, on the terminal. %1 is the program&apos;s name, %2 what is wrong (one of the texts below). Keep &apos;%1 --help&apos; as it is: it is a command to type.</extracomment>
        <translation>%1&#xa0;: %2
Essayez «&#xa0;%1 --help&#xa0;» pour plus d&apos;informations.
</translation>
    </message>
    <message>
        <source>a weight with its unit, such as 172.4lb</source>
        <extracomment>What the value of a command-line option must be, after &quot;option &apos;--add-weight&apos; needs a value: &quot;. Keep the units lb and kg and the example 172.4lb as they are: the program reads them.</extracomment>
        <translation>un poids avec son unité, par exemple 172.4lb</translation>
    </message>
    <message>
        <source>a day as YYYY-MM-DD</source>
        <extracomment>What the value of the command-line option --date must be. Keep YYYY-MM-DD: the day is written so.</extracomment>
        <translation>un jour au format YYYY-MM-DD</translation>
    </message>
    <message>
        <source>a file, or - for standard output</source>
        <extracomment>What the value of the command-line option --export-csv must be; &quot;-&quot; stands for standard output.</extracomment>
        <translation>un fichier, ou - pour la sortie standard</translation>
    </message>
    <message>
        <source>a file, or - for standard input</source>
        <extracomment>What the value of the command-line option --import-csv must be; &quot;-&quot; stands for standard input.</extracomment>
        <translation>un fichier, ou - pour l&apos;entrée standard</translation>
    </message>
    <message>
        <source>Usage: %1 [options]

Veltro Weight Loss Calculator 1.00 estimates the daily calorie intake that
keeps the current weight and the intake that reaches a weight-loss goal in
a chosen number of days.

Options:
  -h, --help               Show this help and exit.
  -v, --version            Show the version and exit.
      --progress           Open the progress window once the main window is
                           up; while the program runs, bring its progress
                           window to the front instead.
      --add-weight WEIGHT  Add a weigh-in to the journal and exit, without a
                           window, even while the program runs. WEIGHT is a
                           number and its unit, lb or kg: 172.4lb, 78,2kg.
      --date YYYY-MM-DD    With --add-weight: the day of the weigh-in, today
                           or earlier (by default today).
      --export-csv FILE    Write every weigh-in as CSV to FILE (- for
                           standard output) and exit, without a window.
      --import-csv FILE    Add the weigh-ins of a CSV file (- for standard
                           input) to the journal and exit, without a window,
                           even while the program runs; print how many were
                           added, replaced and unchanged, and each line left
                           out with its reason.

The toolkit&apos;s own options, such as -platform wayland, -display :1 or
-style fusion, are taken too, with one dash or two.
</source>
        <extracomment>The text of --help on the terminal; %1 is the program&apos;s name. Keep every line within 79 columns and the options (-h, --help, --add-weight...), the units lb and kg, the examples (172.4lb, 78,2kg) and the toolkit&apos;s options (-platform wayland, -display :1, -style fusion) as they are. The manual page is made from the English text.</extracomment>
        <translation>Utilisation&#xa0;: %1 [options]

Veltro Calculateur minceur 1.00 estime l&apos;apport quotidien en calories qui
garde le poids actuel et celui qui atteint un objectif de perte de poids en
un nombre de jours choisi.

Options&#xa0;:
  -h, --help               Affiche cette aide et quitte.
  -v, --version            Affiche la version et quitte.
      --progress           Ouvre la fenêtre de progression une fois la fenêtre
                           principale affichée&#x202f;; si le programme tourne déjà,
                           met sa fenêtre de progression au premier plan.
      --add-weight POIDS   Ajoute une pesée au journal et quitte, sans fenêtre,
                           même si le programme tourne déjà. POIDS est un
                           nombre suivi de l&apos;unité, lb ou kg&#xa0;: 172.4lb, 78,2kg.
      --date YYYY-MM-DD    Avec --add-weight&#xa0;: le jour de la pesée, aujourd&apos;hui
                           ou avant (par défaut aujourd&apos;hui).
      --export-csv FICHIER Écrit toutes les pesées au format CSV dans FICHIER
                           (- pour la sortie standard) et quitte, sans fenêtre.
      --import-csv FICHIER Ajoute au journal les pesées d&apos;un fichier CSV
                           (- pour l&apos;entrée standard) et quitte, sans fenêtre,
                           même si le programme tourne déjà&#x202f;; affiche combien
                           de pesées ont été ajoutées, remplacées et
                           inchangées, ainsi que chaque ligne écartée avec sa
                           raison.

Les options propres à la boîte à outils, comme -platform wayland, -display :1
ou -style fusion, sont aussi acceptées, avec un ou deux tirets.
</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value: %2</source>
        <extracomment>%1 is the command-line option (--date...), %2 what its value must be.</extracomment>
        <translation>l&apos;option «&#xa0;%1&#xa0;» demande une valeur&#xa0;: %2</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; given twice</source>
        <extracomment>%1 is a command-line option (--progress, --add-weight...).</extracomment>
        <translation>option «&#xa0;%1&#xa0;» donnée deux fois</translation>
    </message>
    <message>
        <source>options &apos;%1&apos; and &apos;%2&apos; cannot be given together</source>
        <extracomment>%1 and %2 are command-line options (--add-weight, --export-csv...).</extracomment>
        <translation>les options «&#xa0;%1&#xa0;» et «&#xa0;%2&#xa0;» ne peuvent pas être utilisées ensemble</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <extracomment>%1 is what was typed on the command line.</extracomment>
        <translation>option inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>option &apos;--date&apos; goes with &apos;--add-weight&apos;</source>
        <extracomment>Keep the options &apos;--date&apos; and &apos;--add-weight&apos; as they are.</extracomment>
        <translation>l&apos;option «&#xa0;--date&#xa0;» s&apos;utilise avec «&#xa0;--add-weight&#xa0;»</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argument inattendu «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>%1: needs a graphical session to show its windows, but neither DISPLAY nor WAYLAND_DISPLAY is set.
</source>
        <extracomment>On the terminal when no graphical session is found; %1 is the program&apos;s name. Keep DISPLAY and WAYLAND_DISPLAY: they are the names of variables.</extracomment>
        <translation>%1&#xa0;: une session graphique est nécessaire pour afficher ses fenêtres, mais ni DISPLAY ni WAYLAND_DISPLAY n&apos;est défini.
</translation>
    </message>
    <message>
        <source>%1: write error: %2
</source>
        <extracomment>On the terminal when the program&apos;s answer could not be written out; %1 is the program&apos;s name, %2 the system&apos;s reason (such as &quot;No space left on device&quot;).</extracomment>
        <translation>%1&#xa0;: erreur d&apos;écriture&#xa0;: %2
</translation>
    </message>
    <message>
        <source>%1: write error
</source>
        <extracomment>On the terminal when the program&apos;s answer could not be written out; %1 is the program&apos;s name.</extracomment>
        <translation>%1&#xa0;: erreur d&apos;écriture
</translation>
    </message>
    <message>
        <source>%1: cannot show its windows in this graphical session.
</source>
        <extracomment>On the terminal when the toolkit cannot start in the graphical session; %1 is the program&apos;s name.</extracomment>
        <translation>%1&#xa0;: impossible d&apos;afficher ses fenêtres dans cette session graphique.
</translation>
    </message>
</context>
<context>
    <name>CsvImport</name>
    <message>
        <source>No date.</source>
        <extracomment>Why a line of an imported file is left out: it has no date</extracomment>
        <translation>Aucune date.</translation>
    </message>
    <message>
        <source>The date %1 does not read as %2.</source>
        <extracomment>Why a line of an imported file is left out. %1 is the date as the file gives it, in quotes; %2 the form of dates expected, as &quot;year-month-day, such as 2026-12-09&quot;</extracomment>
        <translation>La date %1 ne correspond pas au format %2.</translation>
    </message>
    <message>
        <source>No unit.</source>
        <extracomment>Why a line of an imported file is left out: its unit column is empty</extracomment>
        <translation>Aucune unité.</translation>
    </message>
    <message>
        <source>The unit %1 is neither kg nor lb.</source>
        <extracomment>Why a line of an imported file is left out. %1 is the unit as the file gives it, in quotes; kg and lb are the words the file must write: keep them as they are</extracomment>
        <translation>L&apos;unité %1 n&apos;est ni kg ni lb.</translation>
    </message>
    <message>
        <source>The unit is %1, but no column of weights is in %1.</source>
        <extracomment>Why a line of an imported file is left out. %1 is the symbol of the line&apos;s unit (kg or lb)</extracomment>
        <translation>L&apos;unité est %1, mais aucune colonne de poids n&apos;est en %1.</translation>
    </message>
    <message>
        <source>No weight.</source>
        <extracomment>Why a line of an imported file is left out: it has no weight</extracomment>
        <translation>Aucun poids.</translation>
    </message>
    <message>
        <source>The weight %1 is not a number.</source>
        <extracomment>Why a line of an imported file is left out. %1 is the weight as the file gives it, in quotes</extracomment>
        <translation>Le poids %1 n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>Line %1 gives the same day, %2, and is taken instead: one weigh-in a day.</source>
        <extracomment>Why a line of an imported file is passed over. %1 is the number of a later line of the file, %2 the day both give, as 2026-12-09</extracomment>
        <translation>La ligne %1 indique le même jour, %2, et est retenue à sa place&#xa0;: une pesée par jour.</translation>
    </message>
    <message>
        <source>The dates read in more than one way: %1 on line %2 is %3 or %4, and the file does not tell which.</source>
        <extracomment>Why an imported file needs the person to choose the form of its dates. %1 is a date of the file, in quotes; %2 the number of its line; %3 and %4 the two days it may be, as 2026-12-09</extracomment>
        <translation>Les dates se lisent de plusieurs façons&#xa0;: %1 à la ligne %2 peut être le %3 ou le %4, et le fichier ne précise pas lequel.</translation>
    </message>
    <message>
        <source>The dates read in more than one way. The file does not tell which.</source>
        <extracomment>Why an imported file needs the person to choose the form of its dates</extracomment>
        <translation>Les dates se lisent de plusieurs façons. Le fichier ne précise pas laquelle.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>Why weigh-ins could not be saved to a file. %1 is the file&apos;s path, %2 the reason</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>weigh-ins %1.csv</source>
        <extracomment>Name the save dialog suggests for a file of weigh-ins; %1 is today, as 2026-12-09. Keep &quot;.csv&quot; at the end</extracomment>
        <translation>pesées %1.csv</translation>
    </message>
    <message>
        <source>year-month-day, such as 2026-12-09</source>
        <extracomment>A form of dates in an imported file, in the list of forms to choose from and in the reasons a line is left out. Keep the example date as it is</extracomment>
        <translation>année-mois-jour, par exemple 2026-12-09</translation>
    </message>
    <message>
        <source>day.month.year, such as 09.12.2026</source>
        <extracomment>A form of dates in an imported file, in the list of forms to choose from and in the reasons a line is left out. Keep the example date as it is</extracomment>
        <translation>jour.mois.année, par exemple 09.12.2026</translation>
    </message>
    <message>
        <source>month/day/year, such as 12/09/2026</source>
        <extracomment>A form of dates in an imported file, in the list of forms to choose from and in the reasons a line is left out. Keep the example date as it is</extracomment>
        <translation>mois/jour/année, par exemple 12/09/2026</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <extracomment>A date, weight, unit or column name of a file, quoted in a message or a list; %1 is the text</extracomment>
        <translation>«&#xa0;%1&#xa0;»</translation>
    </message>
    <message numerus="yes">
        <source>&quot;%1…&quot; (%n characters)</source>
        <extracomment>A long field of a file, quoted in a message: %1 is its first 32 characters, %n how many it has (always more than 32)</extracomment>
        <translation>
            <numerusform>«&#xa0;%1…&#xa0;» (%n caractère)</numerusform>
            <numerusform>«&#xa0;%1…&#xa0;» (%n caractères)</numerusform>
        </translation>
    </message>
    <message>
        <source>It has %1 lines, more than any file of weigh-ins (at most %2).</source>
        <extracomment>Why a file cannot be imported. %1 is the number of its lines, %2 the most a file may have (100000)</extracomment>
        <translation>Il compte %1 lignes, plus que tout fichier de pesées (%2 au maximum).</translation>
    </message>
    <message>
        <source>The file is empty: it has no first line naming its columns.</source>
        <extracomment>Why a file cannot be imported</extracomment>
        <translation>Le fichier est vide&#xa0;: il n&apos;a pas de première ligne nommant ses colonnes.</translation>
    </message>
    <message>
        <source>Its first line names more than %1 columns, more than any file of weigh-ins.</source>
        <extracomment>Why a file cannot be imported. %1 is the most columns a file may have (64)</extracomment>
        <translation>Sa première ligne nomme plus de %1 colonnes, plus que tout fichier de pesées.</translation>
    </message>
    <message>
        <source>No form reads every date of this column: the lines it does not read are left out.</source>
        <extracomment>Note beside the chosen column of dates of an imported file</extracomment>
        <translation>Aucun format ne lit toutes les dates de cette colonne&#xa0;: les lignes non lues sont écartées.</translation>
    </message>
    <message>
        <source>No column of dates: the first line names none of date, dateTime or DATE.</source>
        <extracomment>Why an imported file needs the person to choose its columns. date, dateTime and DATE are the names a file gives its column of dates: keep them as they are</extracomment>
        <translation>Aucune colonne de dates&#xa0;: la première ligne ne nomme ni date, ni dateTime, ni DATE.</translation>
    </message>
    <message>
        <source>No column of weights: the first line names none of weight, weight_kg or weight_lb.</source>
        <extracomment>Why an imported file needs the person to choose its columns. weight, weight_kg and weight_lb are the names a file gives its column of weights: keep them as they are</extracomment>
        <translation>Aucune colonne de poids&#xa0;: la première ligne ne nomme ni weight, ni weight_kg, ni weight_lb.</translation>
    </message>
</context>
<context>
    <name>DiskSpace</name>
    <message>
        <source>the disk holding %1 is full</source>
        <extracomment>Why a file could not be written, after its path and a colon; %1 is a folder</extracomment>
        <translation>le disque contenant %1 est plein</translation>
    </message>
    <message>
        <source>the disk holding %1 is full: no file of this program may grow past %2 bytes</source>
        <extracomment>Why a file could not be written, after its path and a colon; %1 is a folder, %2 a number of bytes</extracomment>
        <translation>le disque contenant %1 est plein&#xa0;: aucun fichier de ce programme ne peut dépasser %2 octets</translation>
    </message>
</context>
<context>
    <name>DisplayWindow</name>
    <message>
        <source>Here are the results generated by Veltro Weight Loss Calculator based on your personal input details</source>
        <extracomment>Results window: line over the results, bold italic 9 pt, one line of at most 697 px. &quot;Veltro&quot; is the product&apos;s name.</extracomment>
        <translation>Voici les résultats calculés par Veltro Calculateur minceur d&apos;après vos données personnelles</translation>
    </message>
    <message>
        <source>Veltro Weight Loss Calculator Results</source>
        <extracomment>Results window: caption of the frame around the results, on its top edge, bold 9 pt; the frame is 705 px wide. &quot;Veltro&quot; is the product&apos;s name.</extracomment>
        <translation>Résultats de Veltro Calculateur minceur</translation>
    </message>
    <message>
        <source>Your Name :</source>
        <extracomment>Results window: caption before the person&apos;s name, 176 px wide at most. The space before the colon is as the window has always had it.</extracomment>
        <translation>Votre nom&#xa0;:</translation>
    </message>
    <message>
        <source>Age:</source>
        <extracomment>Results window: caption before the age, 176 px wide at most.</extracomment>
        <translation>Âge&#xa0;:</translation>
    </message>
    <message>
        <source>Your Height:</source>
        <extracomment>Results window: caption before the height, 176 px wide at most.</extracomment>
        <translation>Votre taille&#xa0;:</translation>
    </message>
    <message>
        <source>Your Weight:</source>
        <extracomment>Results window: caption before the weight, 176 px wide at most.</extracomment>
        <translation>Votre poids&#xa0;:</translation>
    </message>
    <message>
        <source>Level of Daily Activity:</source>
        <extracomment>Results window: caption before the level of daily activity, 176 px wide at most.</extracomment>
        <translation>Niveau d&apos;activité&#xa0;:</translation>
    </message>
    <message>
        <source>Weight You Wish To Lose:</source>
        <extracomment>Results window: caption before the weight to lose, 176 px wide at most.</extracomment>
        <translation>Poids à perdre&#xa0;:</translation>
    </message>
    <message>
        <source>Time Frame To Lose Weight:</source>
        <extracomment>Results window: caption before the number of days to lose it in, 176 px wide at most.</extracomment>
        <translation>Durée pour le perdre&#xa0;:</translation>
    </message>
    <message>
        <source>See Your &amp;Plan</source>
        <extracomment>Results window: button under the results that opens the plan window, 160 px wide, bold.</extracomment>
        <translation>Voir le &amp;programme</translation>
    </message>
    <message>
        <source>P.S: This software is only for entertainment purpose. Please consult your physician before going on any kind of diet.</source>
        <extracomment>Results window: note at the bottom left, word-wrapped in a box of 545 x 29 px (two lines).</extracomment>
        <translation>P.-S.&#xa0;: ce logiciel est uniquement destiné au divertissement. Consultez votre médecin avant d&apos;entreprendre tout régime.</translation>
    </message>
    <message>
        <source>Calculate Again</source>
        <extracomment>Results window: button at the bottom right, back to the main window; 137 px wide, bold.</extracomment>
        <translation>Nouveau calcul</translation>
    </message>
</context>
<context>
    <name>DocumentOutputText</name>
    <message>
        <source>%1 could not be printed.</source>
        <extracomment>Message box after printing failed; %1 is what was printed: &quot;Your plan&quot; or &quot;Your progress&quot;</extracomment>
        <translation>%1&#xa0;: l&apos;impression a échoué.</translation>
    </message>
    <message>
        <source>Veltro Weight Loss Calculator 1.00</source>
        <extracomment>The program that made a PDF file, shown among the file&apos;s properties in a PDF reader</extracomment>
        <translation>Veltro Calculateur minceur 1.00</translation>
    </message>
    <message>
        <source>the PDF could not be made</source>
        <extracomment>Why a PDF file could not be saved; it ends the message &quot;%1 could not be saved as %2: %3&quot;</extracomment>
        <translation>le PDF n&apos;a pas pu être créé</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <extracomment>The kind of file in the file dialog that saves a PDF; keep &quot;(*.pdf)&quot; as it is</extracomment>
        <translation>Documents PDF (*.pdf)</translation>
    </message>
    <message>
        <source>%1 could not be saved as %2: %3</source>
        <extracomment>Message box after saving a PDF failed; %1 is what was saved (&quot;Your plan&quot; or &quot;Your progress&quot;), %2 the file&apos;s path and %3 the reason, such as &quot;Permission denied&quot;</extracomment>
        <translation>%1&#xa0;: l&apos;enregistrement sous %2 a échoué&#xa0;: %3</translation>
    </message>
</context>
<context>
    <name>ExitScreen</name>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Quillory Softwares. From a single software, we have now grown to become the world’s largest resource of quillory softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <extracomment>Exit screen: first paragraph of the text in the frame on the right, word-wrapped in 233 x 257 px together with the second (set smaller where it does not fit). &quot;Quillory Softwares&quot; is the maker&apos;s name and stays as it is.</extracomment>
        <translation>Si vous avez apprécié ce logiciel, nos autres Quillory Softwares vous intéresseront sûrement. Partis d&apos;un seul logiciel, nous sommes devenus la plus grande source de logiciels quillory au monde. Astrologie, voyance, tarot, numérologie ou ésotérisme&#xa0;: nous avons des programmes dans tous les domaines, ce qui offre à nos utilisateurs un large choix selon leurs centres d&apos;intérêt.</translation>
    </message>
    <message>
        <source>All the programs in the Quillory Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <extracomment>Exit screen: second paragraph of the text in the frame on the right, word-wrapped in 233 x 257 px together with the first. &quot;Quillory Softwares&quot; is the maker&apos;s name and stays as it is. The space at the end is part of the text.</extracomment>
        <translation>Tous les programmes de la suite Quillory Softwares sont simples et faciles à utiliser. Ils sont non seulement amusants, mais aussi très instructifs. Essayez-les dès aujourd&apos;hui et partagez votre expérience avec vos amis et votre famille. </translation>
    </message>
    <message>
        <source>Download Quillory Softwares</source>
        <extracomment>Exit screen: caption of the frame on the right, bold 9.75 pt on its top edge; the frame is 249 px wide. &quot;Quillory Softwares&quot; is the maker&apos;s name and stays as it is.</extracomment>
        <translation>Télécharger Quillory Softwares</translation>
    </message>
    <message>
        <source>Click Here To Visit Quillory Softwares</source>
        <extracomment>Exit screen: link at the foot of the frame on the right, bold underlined, one line of 239 px (set smaller where it does not fit). &quot;Quillory Softwares&quot; is the maker&apos;s name and stays as it is.</extracomment>
        <translation>Cliquez pour visiter Quillory Softwares</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <extracomment>Exit screen: caption of the frame around the refer-a-friend form, bold 9.75 pt on its top edge; the frame is 471 px wide.</extracomment>
        <translation>Recommander à un ami</translation>
    </message>
    <message>
        <source>Your message</source>
        <extracomment>Exit screen: what a screen reader calls the message box of the refer-a-friend form.</extracomment>
        <translation>Votre message</translation>
    </message>
    <message>
        <source>Friend&apos;s name</source>
        <extracomment>Exit screen: what a screen reader calls the box of the friend&apos;s name.</extracomment>
        <translation>Nom de votre ami</translation>
    </message>
    <message>
        <source>Friend&apos;s email address</source>
        <extracomment>Exit screen: what a screen reader calls the box of the friend&apos;s email address.</extracomment>
        <translation>Adresse e-mail de votre ami</translation>
    </message>
    <message>
        <source>Your email address</source>
        <extracomment>Exit screen: what a screen reader calls the box of the user&apos;s email address.</extracomment>
        <translation>Votre adresse e-mail</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <extracomment>Exit screen: the button of the refer-a-friend form, 225 px wide, bold.</extracomment>
        <translation>&amp;Recommander maintenant</translation>
    </message>
    <message>
        <source>Your name</source>
        <extracomment>Exit screen: what a screen reader calls the box of the user&apos;s name.</extracomment>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>Exit screen: the button that ends the program, 83 px wide.</extracomment>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <extracomment>Exit screen: check box that opens the forum, 14.25 pt, one line of 479 px with its box; %1 is the forum&apos;s web address (such as www.example.com).</extracomment>
        <translation>Visitez %1 dès maintenant</translation>
    </message>
    <message>
        <source>Veltro Weight Loss Calculator icon</source>
        <extracomment>Exit screen: what a screen reader calls the program&apos;s icon at the top left. &quot;Veltro&quot; is the product&apos;s name.</extracomment>
        <translation>Icône de Veltro Calculateur minceur</translation>
    </message>
</context>
<context>
    <name>FigureText</name>
    <message>
        <source>%1 calories (%2 kJ)</source>
        <extracomment>A daily intake; %1 is the calories, %2 the same in kilojoules</extracomment>
        <translation>%1 calories (%2 kJ)</translation>
    </message>
    <message>
        <source>P.S: This software is only for entertainment purpose. Please consult your physician before going on any kind of diet.</source>
        <extracomment>The last line of the plan and of the progress report, on the screen, on paper and copied</extracomment>
        <translation>P.-S.&#xa0;: ce logiciel est uniquement destiné au divertissement. Consultez votre médecin avant d&apos;entreprendre tout régime.</translation>
    </message>
    <message>
        <source>%1 lb</source>
        <extracomment>A weight in pounds; %1 is the figure</extracomment>
        <translation>%1 lb</translation>
    </message>
    <message>
        <source>%1 kg</source>
        <extracomment>A weight in kilograms; %1 is the figure</extracomment>
        <translation>%1 kg</translation>
    </message>
    <message numerus="yes">
        <source>%n day</source>
        <translation>
            <numerusform>%n jour</numerusform>
            <numerusform>%n jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n jour</numerusform>
            <numerusform>%n jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n week</source>
        <translation>
            <numerusform>%n semaine</numerusform>
            <numerusform>%n semaines</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n weeks</source>
        <translation>
            <numerusform>%n semaine</numerusform>
            <numerusform>%n semaines</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A weight in two units: %1 in the person&apos;s own unit, %2 in the other one</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 kg (%2 lb) a day</source>
        <extracomment>A daily loss: %1 in kilograms, %2 in pounds</extracomment>
        <translation>%1 kg (%2 lb) par jour</translation>
    </message>
    <message>
        <source>%1 lb a day</source>
        <extracomment>A daily loss in pounds</extracomment>
        <translation>%1 lb par jour</translation>
    </message>
    <message>
        <source>%1 kg (%2 lb) a week</source>
        <extracomment>A weekly loss: %1 in kilograms, %2 in pounds</extracomment>
        <translation>%1 kg (%2 lb) par semaine</translation>
    </message>
    <message>
        <source>%1 lb a week</source>
        <extracomment>A weekly loss in pounds</extracomment>
        <translation>%1 lb par semaine</translation>
    </message>
</context>
<context>
    <name>ImportPreviewDialog</name>
    <message numerus="yes">
        <source>%n weigh-in</source>
        <extracomment>The number of weigh-ins a file adds, in the sentence &quot;%1 adds %2 and replaces...&quot; at the top of the import dialog; English writes the form of one</extracomment>
        <translation>
            <numerusform>%n pesée</numerusform>
            <numerusform>%n pesées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n weigh-ins</source>
        <extracomment>The number of weigh-ins a file adds, in the sentence &quot;%1 adds %2 and replaces...&quot; at the top of the import dialog; English writes the form of more than one</extracomment>
        <translation>
            <numerusform>%n pesée</numerusform>
            <numerusform>%n pesées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 adds %2 and replaces %n (a weigh-in of the same day, of another weight).</source>
        <extracomment>First sentence at the top of the import dialog: %1 is the file&apos;s name, %2 the number of weigh-ins it adds, such as &quot;3 weigh-ins&quot;, and %n the number of weigh-ins of the journal it replaces</extracomment>
        <translation>
            <numerusform>%1 ajoute %2 et en remplace %n (pesée existante du même jour, avec un autre poids).</numerusform>
            <numerusform>%1 ajoute %2 et en remplace %n (pesées existantes des mêmes jours, avec un autre poids).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n is there already.</source>
        <extracomment>Sentence of the import dialog: the number of weigh-ins of the file that the journal holds already; English writes the form of one</extracomment>
        <translation>
            <numerusform>%n figure déjà dans le journal.</numerusform>
            <numerusform>%n figurent déjà dans le journal.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n are there already.</source>
        <extracomment>Sentence of the import dialog: the number of weigh-ins of the file that the journal holds already; English writes the form of more than one</extracomment>
        <translation>
            <numerusform>%n figure déjà dans le journal.</numerusform>
            <numerusform>%n figurent déjà dans le journal.</numerusform>
        </translation>
    </message>
    <message>
        <source>There is nothing to import.</source>
        <extracomment>Sentence of the import dialog when the file adds and replaces no weigh-in</extracomment>
        <translation>Il n&apos;y a rien à importer.</translation>
    </message>
    <message numerus="yes">
        <source>%n line is left out:</source>
        <extracomment>Last sentence at the top of the import dialog; the lines left out, each with its reason, are listed below it. English writes the form of one</extracomment>
        <translation>
            <numerusform>%n ligne est écartée&#xa0;:</numerusform>
            <numerusform>%n lignes sont écartées&#xa0;:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines are left out:</source>
        <extracomment>Last sentence at the top of the import dialog; the lines left out, each with its reason, are listed below it. English writes the form of more than one</extracomment>
        <translation>
            <numerusform>%n ligne est écartée&#xa0;:</numerusform>
            <numerusform>%n lignes sont écartées&#xa0;:</numerusform>
        </translation>
    </message>
    <message>
        <source>Import Weigh-ins - Veltro Weight Loss Calculator</source>
        <extracomment>Caption of the dialog that shows what an import of weigh-ins will do, before the person imports</extracomment>
        <translation>Importer des pesées - Veltro Calculateur minceur</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <extracomment>A line of the file the import leaves out, in the list of the import dialog: %1 is its number in the file and %2 the reason</extracomment>
        <translation>Ligne %1&#xa0;: %2</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more.</source>
        <extracomment>End of the list of lines left out in the import dialog where it is too long to show whole; %n is the number of lines not shown</extracomment>
        <translation>
            <numerusform>... et %n autre.</numerusform>
            <numerusform>... et %n autres.</numerusform>
        </translation>
    </message>
    <message>
        <source>Lines left out</source>
        <extracomment>Name of the list of lines left out in the import dialog, read by a screen reader</extracomment>
        <translation>Lignes écartées</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <extracomment>Button of the import dialog that stores the weigh-ins of the file</extracomment>
        <translation>&amp;Importer</translation>
    </message>
</context>
<context>
    <name>JournalCommands</name>
    <message>
        <source>standard input</source>
        <extracomment>Stands for the file name in the messages of --import-csv - when the file is read from standard input.</extracomment>
        <translation>entrée standard</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <extracomment>%1 is the file given to --import-csv, %2 the system&apos;s reason.</extracomment>
        <translation>impossible de lire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 is too large to be a file of weigh-ins.</source>
        <extracomment>%1 is the file given to --import-csv.</extracomment>
        <translation>%1 est trop volumineux pour être un fichier de pesées.</translation>
    </message>
    <message>
        <source>%1 cannot be imported: %2 Import it once from the progress window (Import Weigh-ins), which asks which column is the date, which the weight and how the dates are written, and remembers it for files with these columns; or name the columns date and weight and write the dates as YYYY-MM-DD.</source>
        <extracomment>%1 is the file given to --import-csv, %2 why its columns are not understood (a sentence). &quot;Import Weigh-ins&quot; is the button of the progress window: use its translation. Keep the column names date and weight and YYYY-MM-DD: the program reads them so.</extracomment>
        <translation>%1 ne peut pas être importé&#xa0;: %2 Importez-le une fois depuis la fenêtre de progression (Importer des pesées), qui demande quelle colonne contient la date, laquelle contient le poids et comment les dates sont écrites, puis s&apos;en souvient pour les fichiers ayant ces colonnes&#x202f;; ou nommez les colonnes date et weight et écrivez les dates au format YYYY-MM-DD.</translation>
    </message>
    <message>
        <source>%1 cannot be imported: %2</source>
        <extracomment>%1 is the file given to --import-csv, %2 the reason.</extracomment>
        <translation>%1 ne peut pas être importé&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 has no line that reads as a weigh-in: nothing was stored.</source>
        <extracomment>%1 is the file given to --import-csv.</extracomment>
        <translation>%1 ne contient aucune ligne lisible comme une pesée&#xa0;: rien n&apos;a été enregistré.</translation>
    </message>
    <message numerus="yes">
        <source>%n weigh-in</source>
        <extracomment>Part of the answer of --import-csv: how many weigh-ins were added.</extracomment>
        <translation>
            <numerusform>%n pesée</numerusform>
            <numerusform>%n pesées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n weigh-ins</source>
        <extracomment>Part of the answer of --import-csv: how many weigh-ins were added.</extracomment>
        <translation>
            <numerusform>%n pesée</numerusform>
            <numerusform>%n pesées</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2 added, %3 replaced, %4 unchanged.
</source>
        <extracomment>The answer of --import-csv: %1 is the file, %2 the weigh-ins added (as &quot;3 weigh-ins&quot;), %3 and %4 the numbers replaced and unchanged.</extracomment>
        <translation>%1&#xa0;: ajout de %2&#x202f;; %3 remplacée(s), %4 inchangée(s).
</translation>
    </message>
    <message numerus="yes">
        <source>%n line</source>
        <extracomment>Part of the answer of --import-csv: how many lines of the file were left out.</extracomment>
        <translation>
            <numerusform>%n ligne</numerusform>
            <numerusform>%n lignes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines</source>
        <extracomment>Part of the answer of --import-csv: how many lines were left out.</extracomment>
        <translation>
            <numerusform>%n ligne</numerusform>
            <numerusform>%n lignes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2 added, %3 replaced, %4 unchanged, %5 left out.
</source>
        <extracomment>The answer of --import-csv: %1 is the file, %2 the weigh-ins added (as &quot;3 weigh-ins&quot;), %3 and %4 the numbers replaced and unchanged, %5 the lines left out (as &quot;2 lines&quot;).</extracomment>
        <translation>%1&#xa0;: ajout de %2&#x202f;; %3 remplacée(s), %4 inchangée(s)&#x202f;; %5 écartée(s).
</translation>
    </message>
    <message>
        <source>%1 is not a date: write the day as YYYY-MM-DD, such as 2026-12-01.</source>
        <extracomment>The value of --date is not a day; %1 is what was typed. Keep YYYY-MM-DD and 2026-12-01 as they are.</extracomment>
        <translation>%1 n&apos;est pas une date&#xa0;: écrivez le jour au format YYYY-MM-DD, par exemple 2026-12-01.</translation>
    </message>
    <message>
        <source>%1 is in the future: a weigh-in is kept for today or a day before.</source>
        <extracomment>%1 is the day given with --date, as YYYY-MM-DD.</extracomment>
        <translation>%1 est dans le futur&#xa0;: une pesée s&apos;enregistre pour aujourd&apos;hui ou un jour précédent.</translation>
    </message>
    <message>
        <source>Stored %1 for %2, replacing %3.</source>
        <extracomment>The answer of --add-weight. %1 is the weight stored, as &quot;172.4 lb (78.2 kg)&quot;; %2 the day as YYYY-MM-DD; %3 the weight it replaced, written as %1.</extracomment>
        <translation>Pesée enregistrée&#xa0;: %1 le %2, à la place de %3.</translation>
    </message>
    <message>
        <source>Stored %1 for %2, which the journal had already.</source>
        <extracomment>The answer of --add-weight. %1 is the weight stored, as &quot;172.4 lb (78.2 kg)&quot;; %2 the day.</extracomment>
        <translation>Pesée enregistrée&#xa0;: %1 le %2, déjà présente dans le journal.</translation>
    </message>
    <message>
        <source>Stored %1 for %2.</source>
        <extracomment>The answer of --add-weight. %1 is the weight stored, as &quot;172.4 lb (78.2 kg)&quot;; %2 the day.</extracomment>
        <translation>Pesée enregistrée&#xa0;: %1 le %2.</translation>
    </message>
    <message>
        <source>%1 is your journal of weigh-ins (%2): the weigh-ins are exported to another file. Nothing was written.</source>
        <extracomment>The file given to --export-csv is the journal itself: %1 as given, %2 the journal&apos;s full path.</extracomment>
        <translation>%1 est votre journal de pesées (%2)&#xa0;: les pesées s&apos;exportent vers un autre fichier. Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>cannot write the weigh-ins to %1</source>
        <extracomment>%1 is the file and the system&apos;s reason, as &quot;out.csv: Permission denied&quot;.</extracomment>
        <translation>impossible d&apos;écrire les pesées dans %1</translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n weigh-in to %1.
</source>
        <extracomment>The answer of --export-csv; %1 is the file written.</extracomment>
        <translation>
            <numerusform>%n pesée écrite dans %1.
</numerusform>
            <numerusform>%n pesées écrites dans %1.
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n weigh-ins to %1.
</source>
        <translation>
            <numerusform>%n pesée écrite dans %1.
</numerusform>
            <numerusform>%n pesées écrites dans %1.
</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>JournalMessages</name>
    <message>
        <source>The journal %1 could not be written: %2</source>
        <extracomment>%1 is the journal&apos;s path, %2 the reason</extracomment>
        <translation>Le journal %1 n&apos;a pas pu être écrit&#xa0;: %2</translation>
    </message>
    <message>
        <source>The weigh-ins could not be written to %1: %2</source>
        <extracomment>%1 is the journal&apos;s path, %2 the reason</extracomment>
        <translation>Les pesées n&apos;ont pas pu être écrites dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The plan could not be written to %1: %2</source>
        <extracomment>%1 is the journal&apos;s path, %2 the reason</extracomment>
        <translation>Le programme n&apos;a pas pu être écrit dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The preference could not be written to %1: %2</source>
        <extracomment>%1 is the journal&apos;s path, %2 the reason</extracomment>
        <translation>La préférence n&apos;a pas pu être écrite dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>it could not be made: %1</source>
        <extracomment>Why the journal cannot be opened, after its path. %1 is the reason</extracomment>
        <translation>il n&apos;a pas pu être créé&#xa0;: %1</translation>
    </message>
    <message>
        <source>a folder</source>
        <extracomment>What stands where the journal&apos;s file should be, in &quot;it is %1, not a file&quot;</extracomment>
        <translation>un dossier</translation>
    </message>
    <message>
        <source>a FIFO (named pipe)</source>
        <extracomment>What stands where the journal&apos;s file should be, in &quot;it is %1, not a file&quot;</extracomment>
        <translation>un FIFO (tube nommé)</translation>
    </message>
    <message>
        <source>a socket</source>
        <extracomment>What stands where the journal&apos;s file should be, in &quot;it is %1, not a file&quot;</extracomment>
        <translation>un socket</translation>
    </message>
    <message>
        <source>a device</source>
        <extracomment>What stands where the journal&apos;s file should be, in &quot;it is %1, not a file&quot;</extracomment>
        <translation>un périphérique</translation>
    </message>
    <message>
        <source>a link</source>
        <extracomment>What stands where the journal&apos;s file should be, in &quot;it is %1, not a file&quot;</extracomment>
        <translation>un lien</translation>
    </message>
    <message>
        <source>no regular file</source>
        <extracomment>What stands where the journal&apos;s file should be, in &quot;it is %1, not a file&quot;</extracomment>
        <translation>un élément spécial</translation>
    </message>
    <message>
        <source>Your weigh-ins cannot be kept: %1: %2</source>
        <extracomment>Why the journal cannot be opened. %1 is a path (the journal&apos;s file or folder), %2 the reason, a clause that starts with a small letter (&quot;it cannot be written (...)&quot;)</extracomment>
        <translation>Vos pesées ne peuvent pas être conservées&#xa0;: %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The journal %1 was written by a newer version of this program (journal version %2; this version reads up to %3). It was left as it is: the newer version can open it.</source>
        <extracomment>%1 is the journal&apos;s path, %2 the version of the journal, %3 the highest version this program reads</extracomment>
        <translation>Le journal %1 a été écrit par une version plus récente de ce programme (version du journal&#xa0;: %2&#x202f;; cette version lit jusqu&apos;à la version %3). Il a été laissé tel quel&#xa0;: la version plus récente peut l&apos;ouvrir.</translation>
    </message>
    <message>
        <source>%1 was a link to %2, not a journal of its own: the link was moved to %3 and a new journal was started; %2 was left as it is.</source>
        <extracomment>%1 is the journal&apos;s path, %2 the file the link pointed to, %3 the path the link was moved to</extracomment>
        <translation>%1 était un lien vers %2, et non un journal à part entière&#xa0;: le lien a été déplacé vers %3 et un nouveau journal a été créé&#x202f;; %2 a été laissé tel quel.</translation>
    </message>
    <message>
        <source>%1 was damaged or no journal of this program: it was moved to %2 and a new journal was started.</source>
        <extracomment>%1 is the journal&apos;s path, %2 the path it was moved to</extracomment>
        <translation>%1 était endommagé ou n&apos;était pas un journal de ce programme&#xa0;: il a été déplacé vers %2 et un nouveau journal a été créé.</translation>
    </message>
    <message>
        <source>it cannot be written (%1)</source>
        <extracomment>Why the journal failed, after &quot;%1: &quot; naming its path. %1 is the database&apos;s own words</extracomment>
        <translation>il ne peut pas être écrit (%1)</translation>
    </message>
    <message>
        <source>it kept changing while it was being opened</source>
        <extracomment>Why the journal cannot be opened, after its path</extracomment>
        <translation>il n&apos;a cessé de changer pendant son ouverture</translation>
    </message>
    <message>
        <source>(no folder)</source>
        <extracomment>Stands in the place of the journal&apos;s path in a message when there is none</extracomment>
        <translation>(aucun dossier)</translation>
    </message>
    <message>
        <source>the system names no folder for the program&apos;s data</source>
        <extracomment>Why the journal cannot be opened, after &quot;(no folder)&quot;</extracomment>
        <translation>le système n&apos;indique aucun dossier pour les données du programme</translation>
    </message>
    <message>
        <source>it is %1, not a file, and was left as it is; move it away for a journal to be started there</source>
        <extracomment>Why the journal cannot be opened, after its path. %1 is what stands there, as &quot;a folder&quot;</extracomment>
        <translation>c&apos;est %1, pas un fichier, et il a été laissé tel quel&#x202f;; déplacez-le pour qu&apos;un journal puisse y être créé</translation>
    </message>
    <message>
        <source>it is %1 where the journal keeps a file of its own, and was left as it is; move it away for the journal to be opened</source>
        <extracomment>Why the journal cannot be opened, after the path of a file SQLite keeps beside it. %1 is what stands there, as &quot;a folder&quot;</extracomment>
        <translation>c&apos;est %1 à l&apos;endroit où le journal garde un fichier qui lui est propre, et il a été laissé tel quel&#x202f;; déplacez-le pour que le journal puisse être ouvert</translation>
    </message>
    <message>
        <source>Weigh-ins cannot be added or changed: %1 cannot be written (%2).</source>
        <extracomment>%1 is the journal&apos;s file or folder, %2 the system&apos;s reason</extracomment>
        <translation>Impossible d&apos;ajouter ou de modifier des pesées&#xa0;: %1 ne peut pas être écrit (%2).</translation>
    </message>
    <message>
        <source>it is damaged or no journal of this program, and could not be moved to %1: %2</source>
        <extracomment>Why the journal cannot be opened, after its path. %1 is the path it was to be moved to, %2 the system&apos;s reason</extracomment>
        <translation>il est endommagé ou n&apos;est pas un journal de ce programme, et il n&apos;a pas pu être déplacé vers %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>it could not be moved to %1: %2</source>
        <extracomment>Why the journal cannot be opened, after the path of a file beside it. %1 is the path it was to be moved to, %2 the system&apos;s reason</extracomment>
        <translation>il n&apos;a pas pu être déplacé vers %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>it is a link to %1, and could not be moved to %2: %3</source>
        <extracomment>Why the journal cannot be opened, after its path. %1 is the file the link points to, %2 the path it was to be moved to, %3 the system&apos;s reason</extracomment>
        <translation>c&apos;est un lien vers %1, et il n&apos;a pas pu être déplacé vers %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>the toolkit&apos;s SQLite driver is missing (package libqt6sql6-sqlite)</source>
        <extracomment>Why the journal cannot be opened, after its path. libqt6sql6-sqlite is the name of a package: keep it</extracomment>
        <translation>le pilote SQLite de la boîte à outils est absent (paquet libqt6sql6-sqlite)</translation>
    </message>
    <message>
        <source>it is no journal of this program, and cannot be moved aside</source>
        <extracomment>Why the journal cannot be opened, after its path</extracomment>
        <translation>ce n&apos;est pas un journal de ce programme, et il ne peut pas être mis de côté</translation>
    </message>
    <message>
        <source>SQLite would not keep it in WAL mode</source>
        <extracomment>Why the journal cannot be opened, after its path. WAL is SQLite&apos;s name of a way to keep a database</extracomment>
        <translation>SQLite refuse de le tenir en mode WAL</translation>
    </message>
    <message>
        <source>its upgrade to version %1 failed: %2</source>
        <extracomment>Why the journal cannot be opened, after its path. %1 is the journal version it was to reach, %2 the reason</extracomment>
        <translation>sa mise à niveau vers la version %1 a échoué&#xa0;: %2</translation>
    </message>
    <message>
        <source>The weigh-ins could not be read from %1: %2</source>
        <extracomment>%1 is the journal&apos;s path, %2 the reason</extracomment>
        <translation>Les pesées n&apos;ont pas pu être lues dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The date is not a day of the calendar.</source>
        <extracomment>Why a weigh-in could not be removed</extracomment>
        <translation>La date n&apos;existe pas dans le calendrier.</translation>
    </message>
    <message>
        <source>The weigh-ins of %1 were changed since; nothing was written.</source>
        <extracomment>%1 names the days, as 2026-12-08, 2026-12-09</extracomment>
        <translation>Les pesées de ces jours (%1) ont été modifiées entre-temps&#x202f;; rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>The plans could not be read from %1: %2</source>
        <extracomment>%1 is the journal&apos;s path, %2 the reason</extracomment>
        <translation>Les programmes n&apos;ont pas pu être lus dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The plan has no start date, time frame or weights to keep.</source>
        <extracomment>Why a plan could not be followed: it lacks what the journal keeps of it</extracomment>
        <translation>Le programme n&apos;a ni date de début, ni durée, ni poids à conserver.</translation>
    </message>
    <message>
        <source>The preferences could not be read from %1: %2</source>
        <extracomment>%1 is the journal&apos;s path, %2 the reason</extracomment>
        <translation>Les préférences n&apos;ont pas pu être lues dans %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>KeyFilters</name>
    <message>
        <source>Please Enter Only Alphabet</source>
        <extracomment>Message box over the main window when a character other than a letter is typed into the name box; one short line</extracomment>
        <translation>Veuillez saisir uniquement des lettres</translation>
    </message>
    <message>
        <source>Please Enter Only Number !</source>
        <extracomment>Message box over the main window (or the progress window&apos;s weigh-in box) when a character other than a digit is typed into a box of figures; one short line</extracomment>
        <translation>Veuillez saisir uniquement des chiffres&#x202f;!</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Calculate</source>
        <extracomment>Main window: the wide button under the details, 569 px wide, bold.</extracomment>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>Main window: a button below the visible area, never seen; a screen reader reads it and its access key works. 139 px wide.</extracomment>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Enter the following personal details</source>
        <extracomment>Main window: caption of the frame around all the details, on its top edge; the frame is 569 px wide.</extracomment>
        <translation>Saisissez les données personnelles suivantes</translation>
    </message>
    <message>
        <source>Your Weight in Pound/Kg</source>
        <extracomment>Main window: caption of the frame around the two weight boxes, on its top edge; the frame is 203 px wide.</extracomment>
        <translation>Votre poids en livres/kg</translation>
    </message>
    <message>
        <source>Weight in kilograms</source>
        <extracomment>Main window: what a screen reader calls the box of the weight in kilograms.</extracomment>
        <translation>Poids en kilogrammes</translation>
    </message>
    <message>
        <source>Weight in pounds</source>
        <extracomment>Main window: what a screen reader calls the box of the weight in pounds.</extracomment>
        <translation>Poids en livres</translation>
    </message>
    <message>
        <source>Kg</source>
        <extracomment>Main window: unit beside a kilogram box, 15 px wide; keep it as short as &quot;Kg&quot;.</extracomment>
        <translation>kg</translation>
    </message>
    <message>
        <source>Pound</source>
        <extracomment>Main window: unit beside a pound box, 35 px wide; keep it as short as &quot;Pound&quot;.</extracomment>
        <translation>Livre</translation>
    </message>
    <message>
        <source>Age</source>
        <extracomment>Main window: caption of the frame around the age list, on its top edge; the frame is 155 px wide. Also what a screen reader calls the list.
----------
Main window: what a screen reader calls the age list; also the caption of its frame, 155 px wide.</extracomment>
        <translation>Âge</translation>
    </message>
    <message>
        <source>Years</source>
        <extracomment>Main window: unit beside the age list, 32 px wide; keep it as short as &quot;Years&quot;.</extracomment>
        <translation>ans</translation>
    </message>
    <message>
        <source>How much time do you have? </source>
        <extracomment>Main window: caption of the frame around the list of days, on its top edge; the frame is 259 px wide. The space at the end is part of the caption.</extracomment>
        <translation>Combien de temps avez-vous&#x202f;? </translation>
    </message>
    <message>
        <source>Time frame in days</source>
        <extracomment>Main window: what a screen reader calls the list of days to lose the weight in.</extracomment>
        <translation>Durée en jours</translation>
    </message>
    <message>
        <source>Days</source>
        <extracomment>Main window: unit beside the list of days, 29 px wide; keep it as short as &quot;Days&quot;.</extracomment>
        <translation>Jours</translation>
    </message>
    <message>
        <source>How much weight do you wish to lose?</source>
        <extracomment>Main window: caption of the frame around the two boxes of the weight to lose, on its top edge; the frame is 275 px wide.</extracomment>
        <translation>Quel poids voulez-vous perdre&#x202f;?</translation>
    </message>
    <message>
        <source>Weight to lose in kilograms</source>
        <extracomment>Main window: what a screen reader calls the box of the weight to lose in kilograms.</extracomment>
        <translation>Poids à perdre en kilogrammes</translation>
    </message>
    <message>
        <source>Weight to lose in pounds</source>
        <extracomment>Main window: what a screen reader calls the box of the weight to lose in pounds.</extracomment>
        <translation>Poids à perdre en livres</translation>
    </message>
    <message>
        <source>Level of Daily Activity</source>
        <extracomment>Main window: caption of the frame around the activity list, on its top edge; the frame is 539 px wide.</extracomment>
        <translation>Niveau d&apos;activité quotidienne</translation>
    </message>
    <message>
        <source>Level of daily activity</source>
        <extracomment>Main window: what a screen reader calls the list of levels of daily activity.</extracomment>
        <translation>Niveau d&apos;activité quotidienne</translation>
    </message>
    <message>
        <source>Your Height</source>
        <extracomment>Main window: caption of the frame around the height lists (or the centimetre box), on its top edge; the frame is 211 px wide.</extracomment>
        <translation>Votre taille</translation>
    </message>
    <message>
        <source>Height in inches</source>
        <extracomment>Main window: what a screen reader calls the list of the height&apos;s inches.</extracomment>
        <translation>Taille en pouces</translation>
    </message>
    <message>
        <source>Height in feet</source>
        <extracomment>Main window: what a screen reader calls the list of the height&apos;s feet.</extracomment>
        <translation>Taille en pieds</translation>
    </message>
    <message>
        <source>inch</source>
        <extracomment>Main window: unit beside the list of the height&apos;s inches, 23 px wide; keep it as short as &quot;inch&quot;. The small letter is as the window has always had it.</extracomment>
        <translation>po</translation>
    </message>
    <message>
        <source>Feet</source>
        <extracomment>Main window: unit beside the list of the height&apos;s feet, 24 px wide; keep it as short as &quot;Feet&quot;.</extracomment>
        <translation>pi</translation>
    </message>
    <message>
        <source>Height in centimetres</source>
        <extracomment>Main window: what a screen reader calls the box of the height in centimetres.</extracomment>
        <translation>Taille en centimètres</translation>
    </message>
    <message>
        <source>cm</source>
        <extracomment>Main window: unit beside the box of the height in centimetres, 24 px wide; keep it as short as &quot;cm&quot;.</extracomment>
        <translation>cm</translation>
    </message>
    <message>
        <source>Gender</source>
        <extracomment>Main window: caption of the frame around the gender list, on its top edge; the frame is 115 px wide. Also what a screen reader calls the list.
----------
Main window: what a screen reader calls the gender list; also the caption of its frame, 115 px wide.</extracomment>
        <translation>Sexe</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>Main window: caption of the frame around the name box, on its top edge; the frame is 371 px wide. Also what a screen reader calls the box.
----------
Main window: what a screen reader calls the name box; also the caption of its frame, 371 px wide.</extracomment>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Do you feel you are overweight and need to lose weight? Do you need to lose weight in a fixed time period? Do you need to control your diet? Know more about the right calorie intake based on your level of daily physical activity with Veltro Weight Loss Calculator. Enter the following personal details to get started.</source>
        <extracomment>Main window: the introduction under the banner, centred in bold 9 pt in a box of 553 x 57 px (four lines at most). &quot;Veltro&quot; is the product&apos;s name.</extracomment>
        <translation>Vous vous trouvez en surpoids&#x202f;? Vous devez perdre du poids dans un délai fixé&#x202f;? Vous voulez contrôler votre alimentation&#x202f;? Découvrez l&apos;apport en calories qui vous convient selon votre activité physique quotidienne avec Veltro Calculateur minceur. Saisissez vos données personnelles ci-dessous pour commencer.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Calculate Again</source>
        <extracomment>File menu of the results window: back to the main window to change the details. It has no access key, as it never had one.</extracomment>
        <translation>Nouveau calcul</translation>
    </message>
    <message>
        <source>&amp;See Your Plan...</source>
        <extracomment>File menu of the results window: opens the plan window.</extracomment>
        <translation>&amp;Voir votre programme...</translation>
    </message>
    <message>
        <source>&amp;Print Your Plan...</source>
        <extracomment>File menu of the results window: prints the plan after the print dialog.</extracomment>
        <translation>&amp;Imprimer votre programme...</translation>
    </message>
    <message>
        <source>Save Your Plan as P&amp;DF...</source>
        <extracomment>File menu of the results window: saves the plan as a PDF file after a file dialog.</extracomment>
        <translation>Enregistrer votre programme en P&amp;DF...</translation>
    </message>
    <message>
        <source>&amp;Copy Your Plan</source>
        <extracomment>File menu of the results window: puts the plan&apos;s text on the clipboard.</extracomment>
        <translation>&amp;Copier votre programme</translation>
    </message>
    <message>
        <source>&amp;Follow Your Plan</source>
        <extracomment>File menu of the results window: keeps this plan as the one the progress window measures the weigh-ins against.</extracomment>
        <translation>&amp;Suivre votre programme</translation>
    </message>
    <message>
        <source>Your P&amp;rogress...</source>
        <extracomment>File menu: opens the progress window, where weigh-ins are kept.</extracomment>
        <translation>Votre p&amp;rogression...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>File menu: ends the program through the exit screen.</extracomment>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <extracomment>Help menu of the results window: opens the download page in the browser. The main window has the same command with another access key.</extracomment>
        <translation>Chercher une mise à &amp;jour du logiciel</translation>
    </message>
    <message>
        <source>Calculate</source>
        <extracomment>File menu of the main window: checks the details and shows the results. It has no access key, as it never had one.</extracomment>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>Height in &amp;Centimetres</source>
        <extracomment>File menu of the main window, a check mark: the height is entered in centimetres in one box instead of feet and inches in two lists.</extracomment>
        <translation>Taille en &amp;centimètres</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <extracomment>Help menu of the main window: opens the download page in the browser. The results window has the same command with another access key.</extracomment>
        <translation>&amp;Chercher une mise à jour du logiciel</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <extracomment>Menu on the menu bar of the main and the results window. The menu bar holds File, Help, Donate and Make Money Online in one line of 569 px (main window).</extracomment>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>Menu on the menu bar of the main and the results window, beside File.</extracomment>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <extracomment>Help menu: opens the program&apos;s help pages in the browser.</extracomment>
        <translation>Aide en &amp;ligne</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <extracomment>Help menu: opens the maker&apos;s home page in the browser.</extracomment>
        <translation>Visiter notre site &amp;Web</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <extracomment>Help menu: shows the about box.</extracomment>
        <translation>À &amp;propos du logiciel</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <extracomment>Command on the menu bar itself, beside Help: opens the donation page in the browser. The menu bar holds File, Help, Donate and Make Money Online in one line.</extracomment>
        <translation>Faire un &amp;don</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <extracomment>Command on the menu bar itself, last, always greyed out. The menu bar holds File, Help, Donate and Make Money Online in one line.</extracomment>
        <translation>Gagner de l&apos;argent en &amp;ligne</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Veltro Weight Loss Calculator</source>
        <extracomment>Title of every message box. Veltro is the product&apos;s name: keep it as it is</extracomment>
        <translation>Veltro Calculateur minceur</translation>
    </message>
</context>
<context>
    <name>ModelText</name>
    <message>
        <source>The age is not a figure the model can use.</source>
        <translation>L&apos;âge n&apos;est pas un nombre exploitable par le modèle.</translation>
    </message>
    <message>
        <source>The model is made for adults: it does not hold under 18 years.</source>
        <translation>Le modèle est conçu pour les adultes&#xa0;: il n&apos;est pas valable avant 18 ans.</translation>
    </message>
    <message>
        <source>The model does not hold past 125 years of age.</source>
        <translation>Le modèle n&apos;est pas valable au-delà de 125 ans.</translation>
    </message>
    <message>
        <source>The height is not a figure the model can use.</source>
        <translation>La taille n&apos;est pas un nombre exploitable par le modèle.</translation>
    </message>
    <message>
        <source>The model needs a height above zero.</source>
        <translation>Le modèle a besoin d&apos;une taille supérieure à zéro.</translation>
    </message>
    <message>
        <source>The model holds for a height between 1 and 2.5 metres (3 ft 3 in and 8 ft 2 in).</source>
        <translation>Le modèle est valable pour une taille comprise entre 1 et 2,5 mètres (entre 3 pieds 3 pouces et 8 pieds 2 pouces).</translation>
    </message>
    <message>
        <source>The weight is not a figure the model can use.</source>
        <translation>Le poids n&apos;est pas un nombre exploitable par le modèle.</translation>
    </message>
    <message>
        <source>The model needs a weight above zero.</source>
        <translation>Le modèle a besoin d&apos;un poids supérieur à zéro.</translation>
    </message>
    <message>
        <source>The model holds for a body mass index between 15 and 60; yours is far below that.</source>
        <translation>Le modèle est valable pour un indice de masse corporelle compris entre 15 et 60&#x202f;; le vôtre est bien en deçà.</translation>
    </message>
    <message>
        <source>The model holds for a body mass index between 15 and 60; yours is far above that.</source>
        <translation>Le modèle est valable pour un indice de masse corporelle compris entre 15 et 60&#x202f;; le vôtre est bien au-delà.</translation>
    </message>
    <message>
        <source>The model holds for a body mass index between 15 and 60; yours is %1.</source>
        <extracomment>%1 the person&apos;s body mass index</extracomment>
        <translation>Le modèle est valable pour un indice de masse corporelle compris entre 15 et 60&#x202f;; le vôtre est de %1.</translation>
    </message>
    <message>
        <source>The resting energy expenditure is not a figure the model can use.</source>
        <translation>La dépense énergétique au repos n&apos;est pas un nombre exploitable par le modèle.</translation>
    </message>
    <message>
        <source>The model needs a resting energy expenditure above zero.</source>
        <translation>Le modèle a besoin d&apos;une dépense énergétique au repos supérieure à zéro.</translation>
    </message>
    <message>
        <source>The model cannot use a resting energy expenditure this low for your weight.</source>
        <translation>Le modèle ne peut pas utiliser une dépense énergétique au repos aussi basse pour votre poids.</translation>
    </message>
    <message>
        <source>The model cannot use a resting energy expenditure this high for your weight.</source>
        <translation>Le modèle ne peut pas utiliser une dépense énergétique au repos aussi élevée pour votre poids.</translation>
    </message>
    <message>
        <source>The model holds for an activity level between 1.12 and 2.5 times the resting expenditure; yours is far outside that.</source>
        <translation>Le modèle est valable pour un niveau d&apos;activité compris entre 1,12 et 2,5 fois la dépense au repos&#x202f;; le vôtre en est très éloigné.</translation>
    </message>
    <message>
        <source>The model holds for an activity level between 1.12 and 2.5 times the resting expenditure; yours is %1.</source>
        <extracomment>%1 the person&apos;s activity level, a multiple of the resting expenditure</extracomment>
        <translation>Le modèle est valable pour un niveau d&apos;activité compris entre 1,12 et 2,5 fois la dépense au repos&#x202f;; le vôtre est de %1.</translation>
    </message>
    <message>
        <source>A step of the calculation failed and kept an earlier figure, so the model has no fresh figures to start from.</source>
        <translation>Une étape du calcul a échoué et a conservé une valeur antérieure&#xa0;: le modèle n&apos;a donc pas de valeurs à jour d&apos;où partir.</translation>
    </message>
    <message>
        <source>The weight in pounds is not a figure the model can use.</source>
        <translation>Le poids en livres n&apos;est pas un nombre exploitable par le modèle.</translation>
    </message>
</context>
<context>
    <name>OfferTexts</name>
    <message>
        <source>The Most Popular Online Quillory Discussion Board. Best Resource For Everything Quillory. Visit %1 Now</source>
        <extracomment>Link across the top of the main window (544 px wide) and the results window (672 px), two lines at most; the windows do not grow. %1 is the forum&apos;s web address</extracomment>
        <translation>Le forum de discussion quillory le plus populaire. La meilleure ressource sur tout ce qui touche à quillory. Visitez %1 dès maintenant</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <extracomment>Link in the band at the foot of the main window (543 px wide) and the results window (671 px), two or three lines at most; the windows do not grow. &quot;Help&quot; names the Help menu; the &quot;&amp;&quot; is shown as it is, not an access key</extracomment>
        <translation>Ce logiciel aux couleurs de votre site.  Plus de fidélité et de trafic pour votre site. Le nom de votre site &amp;  son lien ici. Voir «&#xa0;Aide&#xa0;» pour les détails.    Cliquez ici pour en savoir plus sur le co-marquage.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <extracomment>Link in the band at the foot of the main window (543 px wide) and the results window (671 px), two or three lines at most; the windows do not grow</extracomment>
        <translation>Travail à domicile&#xa0;: créez votre entreprise sur Internet et gagnez de l&apos;argent en ligne. Obtenez ce logiciel aux couleurs de votre site. Cliquez ici pour les détails.</translation>
    </message>
</context>
<context>
    <name>PersonalDetails</name>
    <message>
        <source>Male</source>
        <extracomment>First choice of the main window&apos;s gender list, 97 px wide; keep it as short as &quot;Male&quot;</extracomment>
        <translation>Homme</translation>
    </message>
    <message>
        <source>Sedentary (Resting, sleeping, reclining)</source>
        <extracomment>A level of daily activity in the main window&apos;s list (521 px wide) and on the results window. Keep the form &quot;Level (examples)&quot;: the plan names the level by the words before &quot; (&quot;</extracomment>
        <translation>Sédentaire (repos, sommeil, position allongée)</translation>
    </message>
    <message>
        <source>Lightly Active (Seated and standing activities, e.g. computer use)</source>
        <extracomment>A level of daily activity in the main window&apos;s list (521 px wide) and on the results window. Keep the form &quot;Level (examples)&quot;: the plan names the level by the words before &quot; (&quot;</extracomment>
        <translation>Légèrement actif (activités assises et debout, p. ex. sur ordinateur)</translation>
    </message>
    <message>
        <source>Moderately Active (Some walking, garage work, house cleaning, child care)</source>
        <extracomment>A level of daily activity in the main window&apos;s list (521 px wide) and on the results window. Keep the form &quot;Level (examples)&quot;: the plan names the level by the words before &quot; (&quot;</extracomment>
        <translation>Modérément actif (un peu de marche, bricolage, ménage, garde d&apos;enfants)</translation>
    </message>
    <message>
        <source>Very Active (Fast walking, heavy gardening, manual labor, cycling, skiing, tennis)</source>
        <extracomment>A level of daily activity in the main window&apos;s list (521 px wide) and on the results window. Keep the form &quot;Level (examples)&quot;: the plan names the level by the words before &quot; (&quot;</extracomment>
        <translation>Très actif (marche rapide, gros jardinage, travail manuel, vélo, ski, tennis)</translation>
    </message>
    <message>
        <source>Extremely Active (Walking with load uphill, basketball, climbing, football, soccer)</source>
        <extracomment>A level of daily activity in the main window&apos;s list (521 px wide) and on the results window. Keep the form &quot;Level (examples)&quot;: the plan names the level by the words before &quot; (&quot;</extracomment>
        <translation>Extrêmement actif (marche chargée en côte, basket, escalade, foot US, football)</translation>
    </message>
    <message>
        <source>Female</source>
        <extracomment>Second choice of the main window&apos;s gender list, 97 px wide; keep it as short as &quot;Female&quot;</extracomment>
        <translation>Femme</translation>
    </message>
</context>
<context>
    <name>PlanDocument</name>
    <message>
        <source>Caution</source>
        <extracomment>Heading above the warnings of a plan (a loss too fast, an intake too low)</extracomment>
        <translation>Précautions</translation>
    </message>
    <message>
        <source>How these figures are computed</source>
        <extracomment>Heading above the numbered steps that explain the plan&apos;s figures</extracomment>
        <translation>Comment ces chiffres sont calculés</translation>
    </message>
    <message>
        <source>Other paces</source>
        <extracomment>Heading above the table of other weekly losses and the days each takes to the goal
----------
Heading above the list of other weekly losses and the days each takes to the goal</extracomment>
        <translation>Autres rythmes</translation>
    </message>
    <message>
        <source>After the goal</source>
        <extracomment>Heading above what the person may eat once the goal weight is reached</extracomment>
        <translation>Une fois l&apos;objectif atteint</translation>
    </message>
    <message>
        <source>Your details</source>
        <extracomment>Heading above the details the person entered (name, age, weight...) at the end of the plan window&apos;s text</extracomment>
        <translation>Vos données</translation>
    </message>
</context>
<context>
    <name>PlanOutputText</name>
    <message>
        <source>Your plan</source>
        <extracomment>The plan as a message names it when it cannot be printed or saved: it stands at the start of &quot;%1 could not be printed.&quot; and &quot;%1 could not be saved as %2: %3&quot;</extracomment>
        <translation>Votre programme</translation>
    </message>
    <message>
        <source>Print Your Plan</source>
        <extracomment>Caption of the print dialog opened from the plan window</extracomment>
        <translation>Imprimer votre programme</translation>
    </message>
    <message>
        <source>Save Your Plan as PDF</source>
        <extracomment>Caption of the file dialog that saves the plan as a PDF file</extracomment>
        <translation>Enregistrer votre programme en PDF</translation>
    </message>
</context>
<context>
    <name>PlanProblems</name>
    <message>
        <source>The model cannot follow a goal below no body weight.</source>
        <extracomment>Why the plan draws no curve of the body&apos;s model; follows &quot;...so it draws nothing: &quot;</extracomment>
        <translation>Le modèle ne peut pas suivre un objectif qui ne laisse aucun poids corporel.</translation>
    </message>
    <message>
        <source>The model needs a daily intake above nothing.</source>
        <extracomment>Why the plan draws no curve of the body&apos;s model; follows &quot;...so it draws nothing: &quot;</extracomment>
        <translation>Le modèle a besoin d&apos;un apport quotidien supérieur à zéro.</translation>
    </message>
    <message>
        <source>The model cannot follow this time frame.</source>
        <extracomment>Why the plan draws no curve of the body&apos;s model; follows &quot;...so it draws nothing: &quot;</extracomment>
        <translation>Le modèle ne peut pas suivre cette durée.</translation>
    </message>
    <message>
        <source>At this intake the body would leave what the model holds for.</source>
        <extracomment>Why the plan draws no curve of the body&apos;s model; follows &quot;...so it draws nothing: &quot;</extracomment>
        <translation>À cet apport, le corps sortirait du domaine de validité du modèle.</translation>
    </message>
    <message>
        <source>The figures of this plan are too large to compute, so it cannot be followed.</source>
        <extracomment>Message box when the person asks to follow a plan that cannot be followed</extracomment>
        <translation>Les chiffres de ce programme sont trop grands pour être calculés&#xa0;: il ne peut donc pas être suivi.</translation>
    </message>
    <message>
        <source>This plan has no weight to lose, so there is nothing to follow.</source>
        <extracomment>Message box when the person asks to follow a plan that cannot be followed</extracomment>
        <translation>Ce programme n&apos;a aucun poids à perdre&#xa0;: il n&apos;y a donc rien à suivre.</translation>
    </message>
    <message>
        <source>This plan&apos;s goal leaves no body weight at all, so it cannot be followed: please choose a smaller goal.</source>
        <extracomment>Message box when the person asks to follow a plan that cannot be followed</extracomment>
        <translation>L&apos;objectif de ce programme ne laisse aucun poids corporel&#xa0;: il ne peut donc pas être suivi. Veuillez choisir un objectif plus modeste.</translation>
    </message>
    <message>
        <source>No daily intake reaches this plan&apos;s goal in its time, so it cannot be followed: please choose a longer time frame and calculate again.</source>
        <extracomment>Message box when the person asks to follow a plan that cannot be followed; &quot;calculate again&quot; is pressing the main window&apos;s Calculate button again</extracomment>
        <translation>Aucun apport quotidien n&apos;atteint l&apos;objectif de ce programme dans sa durée&#xa0;: il ne peut donc pas être suivi. Veuillez choisir une durée plus longue et relancer le calcul.</translation>
    </message>
</context>
<context>
    <name>PlanText</name>
    <message>
        <source>%1: %2</source>
        <extracomment>A step of &quot;How these figures are computed&quot;: %1 is its name, %2 its arithmetic</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1: the figures are too large to compute this step, so the calculation kept the figure it had before, %2. The steps below go on from it.</source>
        <extracomment>A step of &quot;How these figures are computed&quot; that could not be computed: %1 is its name, %2 the figure kept</extracomment>
        <translation>%1&#xa0;: les chiffres sont trop grands pour calculer cette étape&#x202f;; le calcul a donc conservé sa valeur précédente, %2. Les étapes suivantes partent de cette valeur.</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>%1 cm ÷ %2 = %3 in.</source>
        <translation>%1 cm ÷ %2 = %3 po.</translation>
    </message>
    <message>
        <source>%1 ft × 12 + %2 in = %3 in.</source>
        <translation>%1 pi × 12 + %2 po = %3 po.</translation>
    </message>
    <message>
        <source>%1 in</source>
        <extracomment>A height in inches</extracomment>
        <translation>%1 po</translation>
    </message>
    <message>
        <source>Basal energy (the Harris–Benedict equation for men)</source>
        <translation>Métabolisme de base (équation de Harris–Benedict pour les hommes)</translation>
    </message>
    <message>
        <source>Basal energy (the Harris–Benedict equation for women)</source>
        <translation>Métabolisme de base (équation de Harris–Benedict pour les femmes)</translation>
    </message>
    <message>
        <source>%1 + %2 × %3 + %4 × %5 − %6 × %7 = %8 calories a day.</source>
        <extracomment>The basal energy from the equation: constant + per pound x weight + per inch x height - per year x age</extracomment>
        <translation>%1 + %2 × %3 + %4 × %5 − %6 × %7 = %8 calories par jour.</translation>
    </message>
    <message>
        <source>To keep your weight: %1 × %2 (%3) = %4, rounded to %5 calories a day (%6 kJ).</source>
        <extracomment>%1 basal energy, %2 the activity&apos;s multiple, %3 the activity&apos;s name, %4 the product, %5 and %6 the same rounded, in calories and kilojoules</extracomment>
        <translation>Pour garder votre poids&#xa0;: %1 × %2 (%3) = %4, arrondi à %5 calories par jour (%6 kJ).</translation>
    </message>
    <message>
        <source>To keep your weight</source>
        <translation>Pour garder votre poids</translation>
    </message>
    <message>
        <source>%1 calories a day</source>
        <translation>%1 calories par jour</translation>
    </message>
    <message>
        <source>Daily loss</source>
        <translation>Perte quotidienne</translation>
    </message>
    <message>
        <source>%1 lb ÷ %2 = %3 lb a day (%4 rounded to two decimals).</source>
        <extracomment>%1 pounds to lose divided by %2 (a count of days) gives %3 pounds a day, %4 before rounding</extracomment>
        <translation>%1 lb ÷ %2 = %3 lb par jour (%4 arrondi à deux décimales).</translation>
    </message>
    <message>
        <source>%1 lb ÷ %2 = %3 lb a day.</source>
        <translation>%1 lb ÷ %2 = %3 lb par jour.</translation>
    </message>
    <message>
        <source>Daily deficit</source>
        <translation>Déficit quotidien</translation>
    </message>
    <message>
        <source>%1 × 3500 = %2 calories a day, 3500 calories for every pound.</source>
        <extracomment>%1 pounds a day times 3500 gives %2 calories a day</extracomment>
        <translation>%1 × 3&#x202f;500 = %2 calories par jour, à raison de 3&#x202f;500 calories par livre.</translation>
    </message>
    <message>
        <source>%1 calories</source>
        <translation>%1 calories</translation>
    </message>
    <message>
        <source>To reach your goal</source>
        <translation>Pour atteindre votre objectif</translation>
    </message>
    <message>
        <source>%1 − %2 = %3 calories a day (%4 kJ).</source>
        <translation>%1 − %2 = %3 calories par jour (%4 kJ).</translation>
    </message>
    <message>
        <source>%1 − %2 = %3: below nothing, so this intake cannot be achieved.</source>
        <translation>%1 − %2 = %3&#xa0;: c&apos;est moins que zéro, cet apport est donc impossible à atteindre.</translation>
    </message>
    <message>
        <source>You chose to lose nothing: the plan keeps your weight at %1.</source>
        <translation>Vous avez choisi de ne rien perdre&#xa0;: le programme garde votre poids à %1.</translation>
    </message>
    <message>
        <source>Losing %1 from %2 would leave no body weight, and no daily intake gives %3: it would take a deficit of %4 calories a day, more than the %5 calories that keep your weight.</source>
        <extracomment>%1 the weight to lose, %2 the weight now, %3 the daily loss, %4 and %5 calories</extracomment>
        <translation>Perdre %1 en partant de %2 ne laisserait aucun poids corporel, et aucun apport quotidien ne donne une perte de %3&#xa0;: il faudrait un déficit de %4 calories par jour, plus que les %5 calories qui gardent votre poids.</translation>
    </message>
    <message>
        <source>No daily intake reaches your goal of %1 in %2: it would take %3, a deficit of %4 calories a day, more than the %5 calories that keep your weight.</source>
        <extracomment>%1 the goal weight, %2 a count of days, %3 the daily loss, %4 and %5 calories</extracomment>
        <translation>Aucun apport quotidien n&apos;atteint votre objectif de %1 en %2&#xa0;: il faudrait perdre %3, soit un déficit de %4 calories par jour, plus que les %5 calories qui gardent votre poids.</translation>
    </message>
    <message>
        <source>%1 lb ÷ %2 rounds to 0.00 lb a day, so the plan keeps your weight at %3: the goal of %4 is not reached in this time.</source>
        <extracomment>%1 the pounds to lose, %2 a count of days, %3 the weight now, %4 the goal weight</extracomment>
        <translation>%1 lb ÷ %2 donne 0,00 lb par jour une fois arrondi&#xa0;: le programme garde donc votre poids à %3, et l&apos;objectif de %4 n&apos;est pas atteint dans ce délai.</translation>
    </message>
    <message>
        <source>At %1 the weight would reach nothing before day %2 of %3, so the line and the table stop there.</source>
        <extracomment>%1 the daily loss, %2 the day the weight reaches nothing, %3 the days of the plan</extracomment>
        <translation>À raison de %1, le poids tomberait à zéro avant le jour %2 sur %3&#xa0;: la ligne et le tableau s&apos;arrêtent donc là.</translation>
    </message>
    <message>
        <source>At %1 you would weigh %2 on %3 (day %4), and the goal lies below no weight at all.</source>
        <extracomment>%1 the daily loss, %2 a weight, %3 a date, %4 the day of the plan</extracomment>
        <translation>À raison de %1, vous pèseriez %2 le %3 (jour %4), et l&apos;objectif se situe en dessous de zéro.</translation>
    </message>
    <message>
        <source>%1 (day %2)</source>
        <extracomment>The plan&apos;s last day: %1 its date, %2 its number</extracomment>
        <translation>%1 (jour %2)</translation>
    </message>
    <message>
        <source>At %1 you reach your goal of %2 on %3.</source>
        <extracomment>%1 the daily loss, %2 the goal weight, %3 the date and day</extracomment>
        <translation>À raison de %1, vous atteignez votre objectif de %2 le %3.</translation>
    </message>
    <message>
        <source>At %1 you would weigh %2 on %3, %4 above your goal of %5: %6 are lost, %4 less than the %7 asked, because %1 is rounded down from %8.</source>
        <extracomment>%1 the daily loss, %2 the weight reached, %3 the date and day, %4 the difference, %5 the goal, %6 the weight lost, %7 the weight asked to lose, %8 the daily loss before rounding</extracomment>
        <translation>À raison de %1, vous pèseriez %2 le %3, soit %4 au-dessus de votre objectif de %5&#xa0;: vous auriez perdu %6, soit %4 de moins que les %7 demandés, car %1 est l&apos;arrondi par défaut de %8.</translation>
    </message>
    <message>
        <source>At %1 you would weigh %2 on %3, %4 below your goal of %5: %6 are lost, %4 more than the %7 asked, because %1 is rounded up from %8.</source>
        <extracomment>%1 the daily loss, %2 the weight reached, %3 the date and day, %4 the difference, %5 the goal, %6 the weight lost, %7 the weight asked to lose, %8 the daily loss before rounding</extracomment>
        <translation>À raison de %1, vous pèseriez %2 le %3, soit %4 en dessous de votre objectif de %5&#xa0;: vous auriez perdu %6, soit %4 de plus que les %7 demandés, car %1 est l&apos;arrondi par excès de %8.</translation>
    </message>
    <message>
        <source>%1 a day is below %2, the least that health services advise men to eat without a doctor&apos;s supervision.</source>
        <extracomment>%1 a daily intake, %2 the least calories advised</extracomment>
        <translation>%1 par jour, c&apos;est moins de %2 calories, le minimum que les autorités sanitaires conseillent aux hommes de manger sans surveillance médicale.</translation>
    </message>
    <message>
        <source>%1 a day is below %2, the least that health services advise women to eat without a doctor&apos;s supervision.</source>
        <extracomment>%1 a daily intake, %2 the least calories advised</extracomment>
        <translation>%1 par jour, c&apos;est moins de %2 calories, le minimum que les autorités sanitaires conseillent aux femmes de manger sans surveillance médicale.</translation>
    </message>
    <message>
        <source>Losing %1 from %2 leaves no body weight at all: please choose a smaller goal.</source>
        <extracomment>%1 the weight to lose, %2 the weight now</extracomment>
        <translation>Perdre %1 en partant de %2 ne laisse aucun poids corporel&#xa0;: veuillez choisir un objectif plus modeste.</translation>
    </message>
    <message>
        <source>Losing %1 in %2 would take %3 a day, less than nothing, so it cannot be achieved.</source>
        <extracomment>%1 the weight to lose, %2 a count of days, %3 a daily intake</extracomment>
        <translation>Perdre %1 en %2 demanderait un apport de %3 par jour, inférieur à zéro&#xa0;: c&apos;est donc impossible.</translation>
    </message>
    <message>
        <source>%1 in %2 is %3, more than the 1 to 2 lb a week that health services advise.</source>
        <extracomment>%1 the weight to lose, %2 a count of days, %3 the weekly loss</extracomment>
        <translation>%1 en %2, cela fait %3, plus que les 1 à 2 lb par semaine que conseillent les autorités sanitaires.</translation>
    </message>
    <message>
        <source>%1 lb</source>
        <translation>%1 lb</translation>
    </message>
    <message>
        <source>%1 kg (%2 lb)</source>
        <extracomment>A weight: %1 in kilograms, %2 in pounds</extracomment>
        <translation>%1 kg (%2 lb)</translation>
    </message>
    <message>
        <source>The model is that of Hall and colleagues (The Lancet, 2011), which the NIH Body Weight Planner uses.</source>
        <translation>Le modèle est celui de Hall et collaborateurs (The Lancet, 2011), qu&apos;utilise le NIH Body Weight Planner.</translation>
    </message>
    <message>
        <source>It is made for adults and tells what an average body does, not a promise; it is not for pregnancy or illness.</source>
        <translation>Il est conçu pour les adultes et décrit ce que fait un corps moyen, sans rien promettre&#x202f;; il ne convient ni pendant une grossesse ni en cas de maladie.</translation>
    </message>
    <message>
        <source>The model of how the body responds does not hold here, so it draws nothing: %1</source>
        <extracomment>%1 is the reason, a whole sentence</extracomment>
        <translation>Le modèle de la réaction du corps n&apos;est pas valable ici&#x202f;; il ne trace donc rien&#xa0;: %1</translation>
    </message>
    <message>
        <source>At %1 a day the model expects about %2 on day %3, as the straight line does.</source>
        <extracomment>%1 a daily intake, %2 a weight, %3 a day of the plan</extracomment>
        <translation>Avec %1 par jour, le modèle prévoit environ %2 au jour %3, tout comme la droite.</translation>
    </message>
    <message>
        <source>At %1 a day the model expects about %2 on day %3, not the %4 of the straight line: the body first gives up water and stored glycogen, which weigh much for the calories they hold, then loses more slowly, as it gets lighter and burns less.</source>
        <extracomment>%1 a daily intake, %2 a weight, %3 a day of the plan, %4 the weight of the straight line</extracomment>
        <translation>Avec %1 par jour, le modèle prévoit environ %2 au jour %3, et non les %4 de la droite&#xa0;: le corps perd d&apos;abord de l&apos;eau et du glycogène stocké, lourds pour les calories qu&apos;ils contiennent, puis maigrit plus lentement, car il s&apos;allège et brûle moins.</translation>
    </message>
    <message>
        <source>By the model, %1 a day reach %2 on day %3 (%4).</source>
        <extracomment>%1 a daily intake, %2 the goal weight, %3 a day of the plan, %4 its date</extracomment>
        <translation>Selon le modèle, %1 par jour permettent d&apos;atteindre %2 au jour %3 (%4).</translation>
    </message>
    <message>
        <source>It loses %1, more than the 1 to 2 lb a week that health services advise.</source>
        <extracomment>%1 a weekly loss</extracomment>
        <translation>Cela représente une perte de %1, plus que les 1 à 2 lb par semaine que conseillent les autorités sanitaires.</translation>
    </message>
    <message>
        <source>By the model, no daily intake reaches %1 on day %2.</source>
        <extracomment>%1 the goal weight, %2 a day of the plan</extracomment>
        <translation>Selon le modèle, aucun apport quotidien n&apos;atteint %1 au jour %2.</translation>
    </message>
    <message>
        <source>And %1 a day keep %2 afterwards, by the model.</source>
        <extracomment>%1 a daily intake, %2 the goal weight</extracomment>
        <translation>Ensuite, selon le modèle, %1 par jour permettent de garder %2.</translation>
    </message>
    <message>
        <source>The dotted line is what the body is likely to do at the same intake, by the model: about %1 on day %2.</source>
        <extracomment>Follows the description of the plan&apos;s chart; %1 a weight, %2 the plan&apos;s last day</extracomment>
        <translation>La ligne pointillée montre l&apos;évolution probable du poids avec le même apport, selon le modèle&#xa0;: environ %1 au jour %2.</translation>
    </message>
    <message>
        <source>Chart of your weight: %1 today, and the goal, %2, as a dashed line. No line is drawn, as no daily intake reaches the goal in this time.</source>
        <extracomment>The plan&apos;s chart for the blind; %1 the weight now, %2 the goal</extracomment>
        <translation>Graphique de votre poids&#xa0;: %1 aujourd&apos;hui, et l&apos;objectif, %2, en ligne tiretée. Aucune ligne n&apos;est tracée, car aucun apport quotidien n&apos;atteint l&apos;objectif dans ce délai.</translation>
    </message>
    <message>
        <source>Chart of your weight day by day, kilograms on the left and pounds on the right: from %1 today down to nothing on day %2, where the line stops, %3.</source>
        <extracomment>The plan&apos;s chart for the blind; %1 the weight now, %2 a day of the plan, %3 the daily loss</extracomment>
        <translation>Graphique de votre poids jour par jour, kilogrammes à gauche et livres à droite&#xa0;: de %1 aujourd&apos;hui jusqu&apos;à zéro au jour %2, où la ligne s&apos;arrête, à raison de %3.</translation>
    </message>
    <message>
        <source>Chart of your weight day by day, pounds on the left and kilograms on the right: from %1 today down to nothing on day %2, where the line stops, %3.</source>
        <extracomment>The plan&apos;s chart for the blind; %1 the weight now, %2 a day of the plan, %3 the daily loss</extracomment>
        <translation>Graphique de votre poids jour par jour, livres à gauche et kilogrammes à droite&#xa0;: de %1 aujourd&apos;hui jusqu&apos;à zéro au jour %2, où la ligne s&apos;arrête, à raison de %3.</translation>
    </message>
    <message>
        <source>Chart of your weight day by day, kilograms on the left and pounds on the right: from %1 today to %2 on %3, %4; the goal, %5, is the dashed line.</source>
        <extracomment>The plan&apos;s chart for the blind; %1 the weight now, %2 the weight at the end, %3 the last date, %4 the daily loss, %5 the goal</extracomment>
        <translation>Graphique de votre poids jour par jour, kilogrammes à gauche et livres à droite&#xa0;: de %1 aujourd&apos;hui à %2 le %3, à raison de %4&#x202f;; l&apos;objectif, %5, est la ligne tiretée.</translation>
    </message>
    <message>
        <source>Chart of your weight day by day, pounds on the left and kilograms on the right: from %1 today to %2 on %3, %4; the goal, %5, is the dashed line.</source>
        <extracomment>The plan&apos;s chart for the blind; %1 the weight now, %2 the weight at the end, %3 the last date, %4 the daily loss, %5 the goal</extracomment>
        <translation>Graphique de votre poids jour par jour, livres à gauche et kilogrammes à droite&#xa0;: de %1 aujourd&apos;hui à %2 le %3, à raison de %4&#x202f;; l&apos;objectif, %5, est la ligne tiretée.</translation>
    </message>
    <message>
        <source>From today, the shortest time frame that keeps within both limits is %1, until %2: %3 a day, %4.</source>
        <extracomment>%1 a count of days, %2 a date, %3 a daily intake, %4 a weekly loss</extracomment>
        <translation>À partir d&apos;aujourd&apos;hui, la durée la plus courte qui respecte les deux limites est de %1, jusqu&apos;au %2&#xa0;: %3 par jour, soit %4.</translation>
    </message>
    <message>
        <source>The shortest time frame that keeps within both limits is %1, until %2: %3 a day, %4.</source>
        <extracomment>%1 a count of days, %2 a date, %3 a daily intake, %4 a weekly loss</extracomment>
        <translation>La durée la plus courte qui respecte les deux limites est de %1, jusqu&apos;au %2&#xa0;: %3 par jour, soit %4.</translation>
    </message>
    <message>
        <source>Even the intake that keeps your present weight, %1 a day, is below %2, so no time frame keeps within the limits. Please ask your doctor before any diet.</source>
        <extracomment>%1 a daily intake, %2 the least calories advised</extracomment>
        <translation>Même l&apos;apport qui garde votre poids actuel, %1 par jour, est inférieur à %2 calories&#xa0;: aucune durée ne respecte donc les limites. Veuillez consulter votre médecin avant tout régime.</translation>
    </message>
    <message>
        <source>Even the intake that keeps your current weight, %1 a day, is below %2, so no time frame keeps within the limits. Please ask your doctor before any diet.</source>
        <extracomment>%1 a daily intake, %2 the least calories advised</extracomment>
        <translation>Même l&apos;apport qui garde votre poids actuel, %1 par jour, est inférieur à %2 calories&#xa0;: aucune durée ne respecte donc les limites. Veuillez consulter votre médecin avant tout régime.</translation>
    </message>
    <message>
        <source>No time frame up to %1 days keeps within both limits. Please ask your doctor before any diet.</source>
        <extracomment>%1 the longest time frame, in days (above one)</extracomment>
        <translation>Aucune durée jusqu&apos;à %1 jours ne respecte les deux limites. Veuillez consulter votre médecin avant tout régime.</translation>
    </message>
    <message>
        <source>Weight loss plan for %1</source>
        <extracomment>The plan&apos;s title; %1 is the person&apos;s name</extracomment>
        <translation>Programme de perte de poids pour %1</translation>
    </message>
    <message>
        <source>%1 (%2 kg)</source>
        <extracomment>A weight as typed in the pound box, %1, and in the kilogram box, %2</extracomment>
        <translation>%1 (%2 kg)</translation>
    </message>
    <message>
        <source>Your Name :</source>
        <translation>Votre nom&#xa0;:</translation>
    </message>
    <message>
        <source>Gender:</source>
        <translation>Sexe&#xa0;:</translation>
    </message>
    <message>
        <source>Age:</source>
        <translation>Âge&#xa0;:</translation>
    </message>
    <message>
        <source>Your Height:</source>
        <translation>Votre taille&#xa0;:</translation>
    </message>
    <message>
        <source>Your Weight:</source>
        <translation>Votre poids&#xa0;:</translation>
    </message>
    <message>
        <source>Level of Daily Activity:</source>
        <translation>Niveau d&apos;activité&#xa0;:</translation>
    </message>
    <message>
        <source>Weight You Wish To Lose:</source>
        <translation>Poids à perdre&#xa0;:</translation>
    </message>
    <message>
        <source>Time Frame To Lose Weight:</source>
        <translation>Durée pour le perdre&#xa0;:</translation>
    </message>
    <message>
        <source>Your weight, week by week, then month by month</source>
        <translation>Votre poids, semaine par semaine, puis mois par mois</translation>
    </message>
    <message>
        <source>Your weight, week by week</source>
        <translation>Votre poids, semaine par semaine</translation>
    </message>
    <message>
        <source>Date</source>
        <extracomment>The columns of the plan&apos;s table of milestones</extracomment>
        <translation>Date</translation>
    </message>
    <message>
        <source>Day</source>
        <extracomment>The day of the plan: a column of the table of milestones</extracomment>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Weight (lb)</source>
        <translation>Poids (lb)</translation>
    </message>
    <message>
        <source>Weight (kg)</source>
        <translation>Poids (kg)</translation>
    </message>
    <message>
        <source>Lost so far (kg)</source>
        <translation>Perte cumulée (kg)</translation>
    </message>
    <message>
        <source>Lost so far (lb)</source>
        <translation>Perte cumulée (lb)</translation>
    </message>
    <message>
        <source>Today</source>
        <extracomment>In the Day column of the table of milestones, for the first row</extracomment>
        <translation>Aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Pace</source>
        <extracomment>The columns of the table of other paces</extracomment>
        <translation>Rythme</translation>
    </message>
    <message>
        <source>Time frame</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Until</source>
        <translation>Jusqu&apos;au</translation>
    </message>
    <message>
        <source>Daily intake</source>
        <translation>Apport quotidien</translation>
    </message>
    <message>
        <source>more than %1 days</source>
        <extracomment>A time frame past the longest one; %1 is a count of days above one</extracomment>
        <translation>plus de %1 jours</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>A line of &quot;Other paces&quot;: %1 the pace, %2 its time frame</extracomment>
        <translation>%1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>cannot be achieved</source>
        <extracomment>In the Daily intake column of the table of other paces</extracomment>
        <translation>impossible à atteindre</translation>
    </message>
    <message>
        <source>%1: %2, until %3, on %4 a day.</source>
        <translation>%1&#xa0;: %2, jusqu&apos;au %3, avec %4 par jour.</translation>
    </message>
    <message>
        <source>%1: %2, until %3, at an intake that cannot be achieved.</source>
        <translation>%1&#xa0;: %2, jusqu&apos;au %3, avec un apport impossible à atteindre.</translation>
    </message>
    <message>
        <source>To keep %1 once you have reached it: %2 a day, by the same equations at the goal weight.</source>
        <extracomment>%1 the goal weight, %2 a daily intake</extracomment>
        <translation>Pour garder %1 une fois ce poids atteint&#xa0;: %2 par jour, selon les mêmes équations appliquées au poids visé.</translation>
    </message>
    <message>
        <source>To keep %1 once you have reached it, the same equations give no intake that a person can eat.</source>
        <extracomment>%1 the goal weight</extracomment>
        <translation>Pour garder %1 une fois ce poids atteint, les mêmes équations ne donnent aucun apport qu&apos;une personne puisse manger.</translation>
    </message>
    <message>
        <source>What the body is likely to do</source>
        <translation>Évolution probable du poids</translation>
    </message>
    <message>
        <source>Made on %1</source>
        <extracomment>Under the title of the copied plan; %1 is the date and time</extracomment>
        <translation>Créé le %1</translation>
    </message>
    <message>
        <source>Caution</source>
        <translation>Précautions</translation>
    </message>
    <message>
        <source>How these figures are computed</source>
        <translation>Comment ces chiffres sont calculés</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>A numbered step of the calculation: %1 its number, %2 the step</extracomment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>Other paces</source>
        <translation>Autres rythmes</translation>
    </message>
    <message>
        <source>After the goal</source>
        <translation>Une fois l&apos;objectif atteint</translation>
    </message>
    <message>
        <source>weight loss plan</source>
        <extracomment>Part of the file name offered for a saved plan: &quot;JOHN weight loss plan 2026-12-09.pdf&quot;</extracomment>
        <translation>programme de perte de poids</translation>
    </message>
</context>
<context>
    <name>PlanWindow</name>
    <message>
        <source>Your Plan - Veltro Weight Loss Calculator</source>
        <extracomment>Caption of the plan window until a plan is shown in it</extracomment>
        <translation>Votre programme - Veltro Calculateur minceur</translation>
    </message>
    <message>
        <source>Your plan</source>
        <extracomment>Name of the plan window, read by a screen reader
----------
Name of the plan window&apos;s parts together (chart, milestone table and text), read by a screen reader</extracomment>
        <translation>Votre programme</translation>
    </message>
    <message>
        <source>Your plan in words</source>
        <extracomment>Name of the plan window&apos;s text (the plan in sentences below the chart), read by a screen reader</extracomment>
        <translation>Le texte de votre programme</translation>
    </message>
    <message>
        <source>the milestones</source>
        <extracomment>What the milestone table&apos;s scroll bars move, read by a screen reader in names such as &quot;Scroll the milestones up and down&quot;</extracomment>
        <translation>les étapes</translation>
    </message>
    <message>
        <source>Move to give the chart, the table or the text more room</source>
        <extracomment>Name of the bars between the chart, the milestone table and the text of the plan window, which are dragged to share the room; read by a screen reader</extracomment>
        <translation>Déplacer pour donner plus de place au graphique, au tableau ou au texte</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <extracomment>Button in the row at the foot of the plan window</extracomment>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <extracomment>Button in the row at the foot of the plan window</extracomment>
        <translation>Enregistrer en P&amp;DF...</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <extracomment>Button in the row at the foot of the plan window: copies the whole plan as text</extracomment>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Follow This Plan</source>
        <extracomment>Button in the row at the foot of the plan window: the person starts following this plan and keeping weigh-ins against it</extracomment>
        <translation>&amp;Suivre ce programme</translation>
    </message>
    <message>
        <source>Your P&amp;rogress...</source>
        <extracomment>Button in the row at the foot of the plan window: opens the progress window</extracomment>
        <translation>Votre p&amp;rogression...</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Button at the right of the row at the foot of the plan window</extracomment>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>%1 - Veltro Weight Loss Calculator</source>
        <extracomment>Caption of the plan window; %1 is the plan&apos;s title, such as &quot;Weight loss plan for Anna&quot;</extracomment>
        <translation>%1 - Veltro Calculateur minceur</translation>
    </message>
</context>
<context>
    <name>PrintedDocument</name>
    <message>
        <source>Made on %1 with Veltro Weight Loss Calculator v1.0.</source>
        <extracomment>Line below the title of a printed plan or progress and of its PDF; %1 is the date and time it was made</extracomment>
        <translation>Document créé le %1 avec Veltro Calculateur minceur v1.0.</translation>
    </message>
    <message>
        <source>%1 · made on %2 · page %3 of %4</source>
        <extracomment>Foot of every printed page and PDF page, on one line across the page; %1 is the document&apos;s title (cut short where the line is too long), %2 the date and time it was made, %3 the page&apos;s number and %4 the number of pages</extracomment>
        <translation>%1 · document du %2 · page %3 sur %4</translation>
    </message>
</context>
<context>
    <name>ProgressActions</name>
    <message>
        <source>Trend (kg)</source>
        <extracomment>Heading of the trend column of the progress window&apos;s table of weigh-ins, in kilograms.</extracomment>
        <translation>Tendance (kg)</translation>
    </message>
    <message>
        <source>Trend (lb)</source>
        <translation>Tendance (lb)</translation>
    </message>
    <message>
        <source>after today</source>
        <extracomment>In the trend column of the table of weigh-ins, for a weigh-in dated after today.</extracomment>
        <translation>date future</translation>
    </message>
    <message>
        <source>it is your journal of weigh-ins, which a document would take the place of. Nothing was written.</source>
        <translation>c&apos;est votre journal de pesées, qu&apos;un document remplacerait. Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>In the place of your journal of weigh-ins was a link to %3, which the journal is never written through: the link was moved aside to %2, and %3 was left as it is. A new journal starts at %1.</source>
        <extracomment>Message box. %1 is the journal&apos;s file, %2 where the link was moved to, %3 the file the link pointed to.</extracomment>
        <translation>À l&apos;emplacement de votre journal de pesées se trouvait un lien vers %3, par lequel le journal n&apos;est jamais écrit&#xa0;: le lien a été mis de côté sous %2, et %3 a été laissé tel quel. Un nouveau journal est créé sous %1.</translation>
    </message>
    <message>
        <source>Your journal of weigh-ins could not be read, so it was moved aside, untouched, to %2. A new journal starts at %1.</source>
        <extracomment>Message box. %1 is the journal&apos;s file, %2 where the unreadable one was moved to.</extracomment>
        <translation>Votre journal de pesées n&apos;a pas pu être lu&#x202f;; il a donc été mis de côté, intact, sous %2. Un nouveau journal est créé sous %1.</translation>
    </message>
    <message numerus="yes">
        <source>You follow the plan of %1 for %2: %3 lb in %n days. Follow this plan from today instead? The earlier plan stays in your journal, and so do your weigh-ins.</source>
        <extracomment>Message box asked before following a new plan. %1 is the day the earlier plan was started, %2 the name of its person, %3 the pounds to lose, %n its number of days.</extracomment>
        <translation>
            <numerusform>Vous suivez le programme du %1 établi pour %2&#xa0;: %3 lb en %n jour. Suivre plutôt ce programme à partir d&apos;aujourd&apos;hui&#x202f;? L&apos;ancien programme reste dans votre journal, tout comme vos pesées.</numerusform>
            <numerusform>Vous suivez le programme du %1 établi pour %2&#xa0;: %3 lb en %n jours. Suivre plutôt ce programme à partir d&apos;aujourd&apos;hui&#x202f;? L&apos;ancien programme reste dans votre journal, tout comme vos pesées.</numerusform>
        </translation>
    </message>
    <message>
        <source>You follow the plan of %1. Follow this plan from today instead? The earlier plan stays in your journal, and so do your weigh-ins.</source>
        <extracomment>Message box asked before following a new plan. %1 is the day the earlier plan was started.</extracomment>
        <translation>Vous suivez le programme du %1. Suivre plutôt ce programme à partir d&apos;aujourd&apos;hui&#x202f;? L&apos;ancien programme reste dans votre journal, tout comme vos pesées.</translation>
    </message>
    <message>
        <source>%1 left as they are: their weigh-ins were changed after this step was made, and the changes since are kept.</source>
        <extracomment>Message box after Undo or Redo; %1 is the list of days (&quot;12/1/26, 12/3/26&quot;).</extracomment>
        <translation>Jours laissés tels quels (%1)&#xa0;: leurs pesées ont été modifiées après cette opération, et les modifications ultérieures sont conservées.</translation>
    </message>
    <message>
        <source>Edit of the Weigh-in</source>
        <extracomment>A step of Undo and Redo, shown as &quot;&amp;Undo %1&quot; in the progress window.</extracomment>
        <translation>Modification de la pesée</translation>
    </message>
    <message>
        <source>Replace Weigh-in</source>
        <translation>Remplacement de la pesée</translation>
    </message>
    <message>
        <source>Weigh-in</source>
        <translation>Pesée</translation>
    </message>
    <message numerus="yes">
        <source>Delete of %n Weigh-in</source>
        <extracomment>A step of Undo and Redo, shown as &quot;&amp;Undo %1&quot; in the progress window.</extracomment>
        <translation>
            <numerusform>Suppression de %n pesée</numerusform>
            <numerusform>Suppression de %n pesées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete of %n Weigh-ins</source>
        <extracomment>A step of Undo and Redo, shown as &quot;&amp;Undo %1&quot; in the progress window.</extracomment>
        <translation>
            <numerusform>Suppression de %n pesée</numerusform>
            <numerusform>Suppression de %n pesées</numerusform>
        </translation>
    </message>
    <message>
        <source>Import Weigh-ins</source>
        <extracomment>Caption of the file dialog that opens a file of weigh-ins.</extracomment>
        <translation>Importer des pesées</translation>
    </message>
    <message>
        <source>CSV files (*.csv *.txt);;All files (*)</source>
        <extracomment>The file dialog&apos;s filters; keep the patterns in brackets and the &quot;;;&quot; between them.</extracomment>
        <translation>Fichiers CSV (*.csv *.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>%1 could not be read: it is no file.</source>
        <extracomment>Message box; %1 is the file chosen.</extracomment>
        <translation>%1 n&apos;a pas pu être lu&#xa0;: ce n&apos;est pas un fichier.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <extracomment>Message box; %1 is the file chosen, %2 the system&apos;s reason.</extracomment>
        <translation>%1 n&apos;a pas pu être lu&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 is too large to be a file of weigh-ins.</source>
        <extracomment>Message box; %1 is the file chosen.</extracomment>
        <translation>%1 est trop volumineux pour être un fichier de pesées.</translation>
    </message>
    <message>
        <source>%1 cannot be imported: %2</source>
        <extracomment>Message box; %1 is the file chosen, %2 the reason.</extracomment>
        <translation>%1 ne peut pas être importé&#xa0;: %2</translation>
    </message>
    <message numerus="yes">
        <source>Import of %n Weigh-in</source>
        <extracomment>A step of Undo and Redo, shown as &quot;&amp;Undo %1&quot; in the progress window.</extracomment>
        <translation>
            <numerusform>Importation de %n pesée</numerusform>
            <numerusform>Importation de %n pesées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Import of %n Weigh-ins</source>
        <extracomment>A step of Undo and Redo, shown as &quot;&amp;Undo %1&quot; in the progress window.</extracomment>
        <translation>
            <numerusform>Importation de %n pesée</numerusform>
            <numerusform>Importation de %n pesées</numerusform>
        </translation>
    </message>
    <message>
        <source>Your journal changed while the preview was open (%1), so nothing was imported. The preview now shows what the import would do.</source>
        <extracomment>Message box; %1 is the list of days that changed (&quot;12/1/26, 12/3/26&quot;).</extracomment>
        <translation>Votre journal a changé pendant que l&apos;aperçu était ouvert (%1)&#x202f;; rien n&apos;a donc été importé. L&apos;aperçu montre maintenant ce que ferait l&apos;importation.</translation>
    </message>
    <message>
        <source>Export Weigh-ins</source>
        <extracomment>Caption of the file dialog that saves the weigh-ins as CSV.</extracomment>
        <translation>Exporter des pesées</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <extracomment>The file dialog&apos;s filter; keep the pattern in brackets.</extracomment>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>%1 is your journal of weigh-ins: they are exported to another file. Nothing was written.</source>
        <extracomment>Message box; %1 is the file chosen.</extracomment>
        <translation>%1 est votre journal de pesées&#xa0;: les pesées s&apos;exportent vers un autre fichier. Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>Your weigh-ins could not be exported: %1</source>
        <extracomment>Message box; %1 is the file and the system&apos;s reason (&quot;out.csv: Permission denied&quot;).</extracomment>
        <translation>Vos pesées n&apos;ont pas pu être exportées&#xa0;: %1</translation>
    </message>
    <message>
        <source>Your progress</source>
        <extracomment>Names the document in the messages of printing and saving it (&quot;Your progress could not be printed&quot;).</extracomment>
        <translation>Votre progression</translation>
    </message>
    <message>
        <source>Print Your Progress</source>
        <extracomment>Caption of the print dialog.</extracomment>
        <translation>Imprimer votre progression</translation>
    </message>
    <message>
        <source>Save Your Progress as PDF</source>
        <extracomment>Caption of the file dialog that saves the progress as PDF.</extracomment>
        <translation>Enregistrer votre progression en PDF</translation>
    </message>
</context>
<context>
    <name>ProgressDocument</name>
    <message>
        <source>Where you stand</source>
        <extracomment>Heading above how far the person has come on the plan followed, in the progress window and on paper</extracomment>
        <translation>Où vous en êtes</translation>
    </message>
    <message>
        <source>Your plan from today</source>
        <extracomment>Heading above a new plan that starts from today&apos;s weight, in the progress window and on paper</extracomment>
        <translation>Votre programme à partir d&apos;aujourd&apos;hui</translation>
    </message>
    <message>
        <source>What your weigh-ins say</source>
        <extracomment>Heading above what the weigh-ins tell of the person&apos;s real intake, in the progress window and on paper</extracomment>
        <translation>Ce que disent vos pesées</translation>
    </message>
    <message>
        <source>Your weigh-ins</source>
        <extracomment>Heading above the table of the weigh-ins on a printed progress</extracomment>
        <translation>Vos pesées</translation>
    </message>
</context>
<context>
    <name>ProgressText</name>
    <message>
        <source>Your last weigh-in is too long ago to tell what you have eaten lately.</source>
        <translation>Votre dernière pesée est trop ancienne pour dire ce que vous avez mangé récemment.</translation>
    </message>
    <message>
        <source>Your weigh-ins give no figure for what you have eaten: %1</source>
        <extracomment>%1 the reason, a sentence begun in lower case</extracomment>
        <translation>Vos pesées ne donnent aucune estimation de ce que vous avez mangé&#xa0;: %1</translation>
    </message>
    <message>
        <source>What you have eaten shows once you have %1 weigh-ins over at least %2 days of your plan.</source>
        <extracomment>%1 the weigh-ins needed, %2 the days they must span (both more than one)</extracomment>
        <translation>Ce que vous avez mangé s&apos;affichera dès que vous aurez %1 pesées sur au moins %2 jours de votre programme.</translation>
    </message>
    <message>
        <source>What you have eaten shows once your plan has run %1 days and you have weighed in on the last of them.</source>
        <extracomment>%1 a count of days (more than one)</extracomment>
        <translation>Ce que vous avez mangé s&apos;affichera dès que votre programme aura duré %1 jours et que vous aurez fait une pesée le dernier de ces jours.</translation>
    </message>
    <message>
        <source>Your plan started more than ten years before your last weigh-in, further back than the body model runs.</source>
        <translation>Votre programme a commencé plus de dix ans avant votre dernière pesée, plus loin que ce que couvre le modèle du corps.</translation>
    </message>
    <message>
        <source>Your weigh-ins change faster than the body model can follow, so they give no figure for what you have eaten.</source>
        <translation>Vos pesées changent plus vite que le modèle du corps ne peut le suivre&#xa0;: elles ne donnent donc aucune estimation de ce que vous avez mangé.</translation>
    </message>
    <message>
        <source>once more</source>
        <extracomment>How often to weigh in again: &quot;weigh in once more&quot;</extracomment>
        <translation>encore une fois</translation>
    </message>
    <message numerus="yes">
        <source>%n more times</source>
        <translation>
            <numerusform>encore %n fois</numerusform>
            <numerusform>encore %n fois</numerusform>
        </translation>
    </message>
    <message>
        <source>That is below %1, the least that health services advise men to eat without a doctor&apos;s supervision.</source>
        <extracomment>Follows a sentence with a daily intake; %1 the least calories advised</extracomment>
        <translation>C&apos;est moins de %1 calories, le minimum que les autorités sanitaires conseillent aux hommes de manger sans surveillance médicale.</translation>
    </message>
    <message>
        <source>That is below %1, the least that health services advise women to eat without a doctor&apos;s supervision.</source>
        <translation>C&apos;est moins de %1 calories, le minimum que les autorités sanitaires conseillent aux femmes de manger sans surveillance médicale.</translation>
    </message>
    <message>
        <source>At a glance: %1 lost since the start, %2% of the %3 your plan sets out to lose; body mass index now %4.</source>
        <extracomment>%1 a weight, %2 a share in per cent, %3 the plan&apos;s loss, %4 the body mass index</extracomment>
        <translation>En bref&#xa0;: perte de %1 depuis le début, soit %2&#xa0;% des %3 que votre programme prévoit de perdre&#x202f;; votre indice de masse corporelle est maintenant de %4.</translation>
    </message>
    <message>
        <source>At a glance: %1 lost since the start, %2% of the %3 your plan sets out to lose.</source>
        <extracomment>%1 a weight, %2 a share in per cent, %3 the plan&apos;s loss</extracomment>
        <translation>En bref&#xa0;: perte de %1 depuis le début, soit %2&#xa0;% des %3 que votre programme prévoit de perdre.</translation>
    </message>
    <message>
        <source>At a glance: %1 lost since the start; body mass index now %2.</source>
        <extracomment>%1 a weight, %2 the body mass index</extracomment>
        <translation>En bref&#xa0;: perte de %1 depuis le début&#x202f;; votre indice de masse corporelle est maintenant de %2.</translation>
    </message>
    <message>
        <source>At a glance: %1 lost since the start.</source>
        <translation>En bref&#xa0;: perte de %1 depuis le début.</translation>
    </message>
    <message>
        <source>At a glance: %1 gained since the start, %2% of the %3 your plan sets out to lose; body mass index now %4.</source>
        <extracomment>%1 a weight, %2 a share in per cent, %3 the plan&apos;s loss, %4 the body mass index</extracomment>
        <translation>En bref&#xa0;: prise de %1 depuis le début, soit %2&#xa0;% des %3 que votre programme prévoit de perdre&#x202f;; votre indice de masse corporelle est maintenant de %4.</translation>
    </message>
    <message>
        <source>At a glance: %1 gained since the start, %2% of the %3 your plan sets out to lose.</source>
        <extracomment>%1 a weight, %2 a share in per cent, %3 the plan&apos;s loss</extracomment>
        <translation>En bref&#xa0;: prise de %1 depuis le début, soit %2&#xa0;% des %3 que votre programme prévoit de perdre.</translation>
    </message>
    <message>
        <source>At a glance: %1 gained since the start; body mass index now %2.</source>
        <extracomment>%1 a weight, %2 the body mass index</extracomment>
        <translation>En bref&#xa0;: prise de %1 depuis le début&#x202f;; votre indice de masse corporelle est maintenant de %2.</translation>
    </message>
    <message>
        <source>At a glance: %1 gained since the start.</source>
        <translation>En bref&#xa0;: prise de %1 depuis le début.</translation>
    </message>
    <message>
        <source>Your plan starts on %1, in %2; until then it expects you to stay at %3.</source>
        <extracomment>%1 a date, %2 a count of days, %3 a weight</extracomment>
        <translation>Votre programme commence le %1, dans %2&#x202f;; d&apos;ici là, il prévoit que vous restiez à %3.</translation>
    </message>
    <message>
        <source>Your plan ended on %1, %2 ago, at %3, the weight it expects from then on.</source>
        <extracomment>%1 a date, %2 a count of days, %3 a weight</extracomment>
        <translation>Votre programme s&apos;est terminé le %1, il y a %2, à %3, le poids qu&apos;il prévoit à partir de cette date.</translation>
    </message>
    <message>
        <source>Today, %1, is the last day of your plan, day %2 of %2.</source>
        <extracomment>%1 today&apos;s date, %2 the days of the plan</extracomment>
        <translation>Nous sommes le %1, dernier jour de votre programme&#xa0;: jour %2 sur %2.</translation>
    </message>
    <message>
        <source>Today, %1, is day %2 of %3 of your plan, which ends on %4.</source>
        <extracomment>%1 today&apos;s date, %2 the day of the plan, %3 the days of the plan, %4 the date it ends</extracomment>
        <translation>Nous sommes le %1, jour %2 sur %3 de votre programme, qui se termine le %4.</translation>
    </message>
    <message>
        <source>The plan expects you to weigh %1 today.</source>
        <extracomment>%1 a weight</extracomment>
        <translation>Le programme prévoit que vous pesiez %1 aujourd&apos;hui.</translation>
    </message>
    <message>
        <source>no weigh-ins yet.</source>
        <translation>aucune pesée pour l&apos;instant.</translation>
    </message>
    <message>
        <source>1 weigh-in, on %1, of %2.</source>
        <extracomment>%1 a date, %2 a weight</extracomment>
        <translation>1 pesée, le %1, de %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n weigh-ins from %1 to %2, and their smoothed line, %3 on %2.</source>
        <extracomment>%n the weigh-ins (more than one), %1 and %2 dates, %3 a weight</extracomment>
        <translation>
            <numerusform>%n pesée du %1 au %2, et sa courbe lissée, à %3 le %2.</numerusform>
            <numerusform>%n pesées du %1 au %2, et leur courbe lissée, à %3 le %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your last weigh-in was on %1, %2 ago, at %3: please weigh in again, best in the morning before breakfast, to see where you stand, your pace and when you reach your goal.</source>
        <extracomment>%1 a date, %2 a count of days, %3 a weight</extracomment>
        <translation>Votre dernière pesée (%3) date du %1, il y a %2&#xa0;: veuillez vous peser de nouveau, de préférence le matin avant le petit-déjeuner, pour voir où vous en êtes, votre rythme et quand vous atteindrez votre objectif.</translation>
    </message>
    <message>
        <source>Your weight today is %1, read off a straight line through your weigh-ins of the last four weeks, which one odd morning hardly moves: on plan, within %2 of the %3 it expects.</source>
        <extracomment>%1 the weight, %2 the margin, %3 the weight the plan expects</extracomment>
        <translation>Votre poids aujourd&apos;hui est de %1, lu sur une droite tracée à travers vos pesées des quatre dernières semaines, qu&apos;un matin inhabituel ne fait guère bouger&#xa0;: conforme au programme, à %2 près des %3 qu&apos;il prévoit.</translation>
    </message>
    <message>
        <source>Your weight today is %1, read off a straight line through your weigh-ins of the last four weeks, which one odd morning hardly moves: %2 ahead of the plan, which expects %3.</source>
        <extracomment>%1 the weight, %2 how far ahead, %3 the weight the plan expects</extracomment>
        <translation>Votre poids aujourd&apos;hui est de %1, lu sur une droite tracée à travers vos pesées des quatre dernières semaines, qu&apos;un matin inhabituel ne fait guère bouger&#xa0;: %2 d&apos;avance sur le programme, qui prévoit %3.</translation>
    </message>
    <message>
        <source>Your weight today is %1, read off a straight line through your weigh-ins of the last four weeks, which one odd morning hardly moves: %2 behind the plan, which expects %3.</source>
        <extracomment>%1 the weight, %2 how far behind, %3 the weight the plan expects</extracomment>
        <translation>Votre poids aujourd&apos;hui est de %1, lu sur une droite tracée à travers vos pesées des quatre dernières semaines, qu&apos;un matin inhabituel ne fait guère bouger&#xa0;: %2 de retard sur le programme, qui prévoit %3.</translation>
    </message>
    <message>
        <source>Your weight on %1, the day of your last weigh-in, was %2, read off a straight line through your weigh-ins of the last four weeks, which one odd morning hardly moves: on plan, within %3 of the %4 it expects that day.</source>
        <extracomment>%1 a date, %2 the weight, %3 the margin, %4 the weight the plan expects</extracomment>
        <translation>Votre poids le %1, jour de votre dernière pesée, était de %2, lu sur une droite tracée à travers vos pesées des quatre dernières semaines, qu&apos;un matin inhabituel ne fait guère bouger&#xa0;: conforme au programme, à %3 près des %4 qu&apos;il prévoit ce jour-là.</translation>
    </message>
    <message>
        <source>Your weight on %1, the day of your last weigh-in, was %2, read off a straight line through your weigh-ins of the last four weeks, which one odd morning hardly moves: %3 ahead of the plan, which expects %4 that day.</source>
        <extracomment>%1 a date, %2 the weight, %3 how far ahead, %4 the weight the plan expects</extracomment>
        <translation>Votre poids le %1, jour de votre dernière pesée, était de %2, lu sur une droite tracée à travers vos pesées des quatre dernières semaines, qu&apos;un matin inhabituel ne fait guère bouger&#xa0;: %3 d&apos;avance sur le programme, qui prévoit %4 ce jour-là.</translation>
    </message>
    <message>
        <source>Your weight on %1, the day of your last weigh-in, was %2, read off a straight line through your weigh-ins of the last four weeks, which one odd morning hardly moves: %3 behind the plan, which expects %4 that day.</source>
        <extracomment>%1 a date, %2 the weight, %3 how far behind, %4 the weight the plan expects</extracomment>
        <translation>Votre poids le %1, jour de votre dernière pesée, était de %2, lu sur une droite tracée à travers vos pesées des quatre dernières semaines, qu&apos;un matin inhabituel ne fait guère bouger&#xa0;: %3 de retard sur le programme, qui prévoit %4 ce jour-là.</translation>
    </message>
    <message>
        <source>Your last weigh-in, on %1, is %2, a single morning that can be a pound or two off either way: on plan, within %3 of the %4 it expects that day.</source>
        <extracomment>%1 a date, %2 the weight, %3 the margin, %4 the weight the plan expects</extracomment>
        <translation>Votre dernière pesée, le %1, est de %2, la mesure d&apos;un seul matin, qui peut s&apos;écarter d&apos;une livre ou deux dans un sens comme dans l&apos;autre&#xa0;: conforme au programme, à %3 près des %4 qu&apos;il prévoit ce jour-là.</translation>
    </message>
    <message>
        <source>Your last weigh-in, on %1, is %2, a single morning that can be a pound or two off either way: %3 ahead of the plan, which expects %4 that day.</source>
        <extracomment>%1 a date, %2 the weight, %3 how far ahead, %4 the weight the plan expects</extracomment>
        <translation>Votre dernière pesée, le %1, est de %2, la mesure d&apos;un seul matin, qui peut s&apos;écarter d&apos;une livre ou deux dans un sens comme dans l&apos;autre&#xa0;: %3 d&apos;avance sur le programme, qui prévoit %4 ce jour-là.</translation>
    </message>
    <message>
        <source>Your last weigh-in, on %1, is %2, a single morning that can be a pound or two off either way: %3 behind the plan, which expects %4 that day.</source>
        <extracomment>%1 a date, %2 the weight, %3 how far behind, %4 the weight the plan expects</extracomment>
        <translation>Votre dernière pesée, le %1, est de %2, la mesure d&apos;un seul matin, qui peut s&apos;écarter d&apos;une livre ou deux dans un sens comme dans l&apos;autre&#xa0;: %3 de retard sur le programme, qui prévoit %4 ce jour-là.</translation>
    </message>
    <message>
        <source>Your pace, and when you reach your goal, show once you have %1 weigh-ins over at least %2 days within four weeks (you have %3 over %4): weigh in %5, the last of them today or later.</source>
        <extracomment>%1 the weigh-ins needed, %2 the days they must span, %3 the weigh-ins there are, %4 the days they span, %5 how often to weigh in (&quot;once more&quot;, &quot;3 more times&quot;)</extracomment>
        <translation>Votre rythme, et la date à laquelle vous atteindrez votre objectif, s&apos;afficheront dès que vous aurez %1 pesées étalées sur au moins %2 jours en l&apos;espace de quatre semaines (vous en avez %3 sur %4)&#xa0;: pesez-vous %5, la dernière de ces pesées aujourd&apos;hui ou plus tard.</translation>
    </message>
    <message>
        <source>Your pace, and when you reach your goal, show once you have %1 weigh-ins over at least %2 days within four weeks (you have %3 over %4): weigh in %5, the last of them on %6 or later.</source>
        <extracomment>%1 the weigh-ins needed, %2 the days they must span, %3 the weigh-ins there are, %4 the days they span, %5 how often to weigh in (&quot;once more&quot;, &quot;3 more times&quot;), %6 a date</extracomment>
        <translation>Votre rythme, et la date à laquelle vous atteindrez votre objectif, s&apos;afficheront dès que vous aurez %1 pesées étalées sur au moins %2 jours en l&apos;espace de quatre semaines (vous en avez %3 sur %4)&#xa0;: pesez-vous %5, la dernière de ces pesées le %6 ou plus tard.</translation>
    </message>
    <message>
        <source>Your pace, and when you reach your goal, show once you have %1 weigh-ins over at least %2 days within four weeks (you have %3 over %4): weigh in %5.</source>
        <extracomment>%1 the weigh-ins needed, %2 the days they must span, %3 the weigh-ins there are, %4 the days they span, %5 how often to weigh in (&quot;once more&quot;, &quot;3 more times&quot;)</extracomment>
        <translation>Votre rythme, et la date à laquelle vous atteindrez votre objectif, s&apos;afficheront dès que vous aurez %1 pesées étalées sur au moins %2 jours en l&apos;espace de quatre semaines (vous en avez %3 sur %4)&#xa0;: pesez-vous %5.</translation>
    </message>
    <message>
        <source>Your pace, and when you reach your goal, show once you have %1 weigh-ins over at least %2 days within four weeks (you have %3 over %4): weigh in again today or later.</source>
        <extracomment>%1 the weigh-ins needed, %2 the days they must span, %3 the weigh-ins there are, %4 the days they span</extracomment>
        <translation>Votre rythme, et la date à laquelle vous atteindrez votre objectif, s&apos;afficheront dès que vous aurez %1 pesées étalées sur au moins %2 jours en l&apos;espace de quatre semaines (vous en avez %3 sur %4)&#xa0;: pesez-vous de nouveau aujourd&apos;hui ou plus tard.</translation>
    </message>
    <message>
        <source>Your pace, and when you reach your goal, show once you have %1 weigh-ins over at least %2 days within four weeks (you have %3 over %4): weigh in again on %5 or later.</source>
        <extracomment>%1 the weigh-ins needed, %2 the days they must span, %3 the weigh-ins there are, %4 the days they span, %5 a date</extracomment>
        <translation>Votre rythme, et la date à laquelle vous atteindrez votre objectif, s&apos;afficheront dès que vous aurez %1 pesées étalées sur au moins %2 jours en l&apos;espace de quatre semaines (vous en avez %3 sur %4)&#xa0;: pesez-vous de nouveau le %5 ou plus tard.</translation>
    </message>
    <message>
        <source>From %1 to %2 you lost %3 a week, give or take %4, by the slope of that line.</source>
        <extracomment>%1 and %2 dates, %3 a weight, %4 its margin</extracomment>
        <translation>Du %1 au %2, vous avez perdu %3 par semaine, à %4 près, d&apos;après la pente de cette droite.</translation>
    </message>
    <message>
        <source>From %1 to %2 you gained %3 a week, give or take %4, by the slope of that line.</source>
        <extracomment>%1 and %2 dates, %3 a weight, %4 its margin</extracomment>
        <translation>Du %1 au %2, vous avez pris %3 par semaine, à %4 près, d&apos;après la pente de cette droite.</translation>
    </message>
    <message>
        <source>From %1 to %2 your weight held steady, by the slope of that line.</source>
        <extracomment>%1 and %2 dates</extracomment>
        <translation>Du %1 au %2, votre poids est resté stable, d&apos;après la pente de cette droite.</translation>
    </message>
    <message>
        <source>You are at your goal of %1 or below it.</source>
        <extracomment>%1 the goal weight</extracomment>
        <translation>Vous êtes à votre objectif de %1 ou en dessous.</translation>
    </message>
    <message>
        <source>At that pace you reach your goal of %1 about %2.</source>
        <extracomment>%1 the goal weight, %2 a date</extracomment>
        <translation>À ce rythme, vous atteindrez votre objectif de %1 vers le %2.</translation>
    </message>
    <message>
        <source>At that pace you reach your goal of %1 between %2 and %3, most likely about %4: the range is how far your weigh-ins scatter around the line.</source>
        <extracomment>%1 the goal weight, %2 %3 and %4 dates</extracomment>
        <translation>À ce rythme, vous atteindrez votre objectif de %1 entre le %2 et le %3, le plus probablement vers le %4&#xa0;: cet intervalle reflète la dispersion de vos pesées autour de la droite.</translation>
    </message>
    <message>
        <source>Your weigh-ins scatter too much around that line to tell this loss from a gain, so there is no date for your goal of %1 yet: weigh in each morning and it will show.</source>
        <extracomment>%1 the goal weight</extracomment>
        <translation>Vos pesées sont trop dispersées autour de cette droite pour distinguer cette perte d&apos;une prise de poids&#xa0;: il n&apos;y a donc pas encore de date pour votre objectif de %1. Pesez-vous chaque matin et elle apparaîtra.</translation>
    </message>
    <message>
        <source>At the slowest pace your weigh-ins allow, your goal of %1 is more than two years away, so there is no date: one that far out would be a guess.</source>
        <extracomment>%1 the goal weight</extracomment>
        <translation>Au rythme le plus lent que permettent vos pesées, votre objectif de %1 est à plus de deux ans&#xa0;: il n&apos;y a donc pas de date, car une échéance aussi lointaine ne serait qu&apos;une supposition.</translation>
    </message>
    <message>
        <source>A weight that gains never reaches your goal of %1.</source>
        <extracomment>%1 the goal weight</extracomment>
        <translation>Un poids qui augmente n&apos;atteint jamais votre objectif de %1.</translation>
    </message>
    <message>
        <source>A weight that stands still never reaches your goal of %1.</source>
        <translation>Un poids qui stagne n&apos;atteint jamais votre objectif de %1.</translation>
    </message>
    <message>
        <source>Weigh yourself to see where you stand: enter your first weigh-in, in pounds or kilograms, best each morning before breakfast.</source>
        <translation>Pesez-vous pour voir où vous en êtes&#xa0;: saisissez votre première pesée, en livres ou en kilogrammes, de préférence chaque matin avant le petit-déjeuner.</translation>
    </message>
    <message>
        <source>This is your plan&apos;s calculation run again with your weight now, the weight still to lose and the days left.</source>
        <translation>Il s&apos;agit du calcul de votre programme refait avec votre poids actuel, le poids qu&apos;il reste à perdre et les jours restants.</translation>
    </message>
    <message>
        <source>To reach your goal of %1 by %2 from your weight of %3, you have %4 to lose in %5, which rounds to 0.00 lb a day: the calculation gives the intake that keeps your weight, %6 a day.</source>
        <extracomment>%1 the goal weight, %2 the plan&apos;s end date, %3 the weight now, %4 the weight to lose, %5 a count of days, %6 a daily intake</extracomment>
        <translation>Pour atteindre votre objectif de %1 d&apos;ici le %2 en partant de votre poids de %3, vous avez %4 à perdre en %5, ce qui donne 0,00 lb par jour une fois arrondi&#xa0;: le calcul donne l&apos;apport qui garde votre poids, %6 par jour.</translation>
    </message>
    <message>
        <source>To reach your goal of %1 by %2 from your weight of %3, you have %4 to lose in %5, %6 a day: eat %7 a day, within the cautions of health services.</source>
        <extracomment>%1 the goal weight, %2 the plan&apos;s end date, %3 the weight now, %4 the weight to lose, %5 a count of days, %6 a daily loss, %7 a daily intake</extracomment>
        <translation>Pour atteindre votre objectif de %1 d&apos;ici le %2 en partant de votre poids de %3, vous avez %4 à perdre en %5, soit %6 par jour&#xa0;: mangez %7 par jour, dans les limites conseillées par les autorités sanitaires.</translation>
    </message>
    <message>
        <source>To reach your goal of %1 by %2 from your weight of %3, you have %4 to lose in %5, %6 a day: that would take %7 a day, less than nothing, so it cannot be achieved.</source>
        <extracomment>%1 the goal weight, %2 the plan&apos;s end date, %3 the weight now, %4 the weight to lose, %5 a count of days, %6 a daily loss, %7 a daily intake</extracomment>
        <translation>Pour atteindre votre objectif de %1 d&apos;ici le %2 en partant de votre poids de %3, vous avez %4 à perdre en %5, soit %6 par jour&#xa0;: cela demanderait un apport de %7 par jour, inférieur à zéro, ce qui est impossible.</translation>
    </message>
    <message>
        <source>To reach your goal of %1 by %2 from your weight of %3, you have %4 to lose in %5, %6 a day: that would take %7 a day.</source>
        <extracomment>%1 the goal weight, %2 the plan&apos;s end date, %3 the weight now, %4 the weight to lose, %5 a count of days, %6 a daily loss, %7 a daily intake</extracomment>
        <translation>Pour atteindre votre objectif de %1 d&apos;ici le %2 en partant de votre poids de %3, vous avez %4 à perdre en %5, soit %6 par jour&#xa0;: cela demanderait %7 par jour.</translation>
    </message>
    <message>
        <source>It is %1 a week, more than the 0.45 to 0.91 kg (1 to 2 lb) a week that health services advise.</source>
        <extracomment>%1 a weekly loss in two units</extracomment>
        <translation>Cela fait %1 par semaine, plus que les 0,45 à 0,91 kg (1 à 2 lb) par semaine que conseillent les autorités sanitaires.</translation>
    </message>
    <message>
        <source>It is %1 a week, more than the 1 to 2 lb (0.45 to 0.91 kg) a week that health services advise.</source>
        <translation>Cela fait %1 par semaine, plus que les 1 à 2 lb (0,45 à 0,91 kg) par semaine que conseillent les autorités sanitaires.</translation>
    </message>
    <message>
        <source>To keep it: about %1 a day, by the body model from your weigh-ins.</source>
        <extracomment>%1 a daily intake</extracomment>
        <translation>Pour y rester&#xa0;: environ %1 par jour, selon le modèle du corps établi d&apos;après vos pesées.</translation>
    </message>
    <message>
        <source>The program&apos;s own equations give %1 a day at the goal weight; they leave out how the body spends less after a loss, so the model&apos;s figure leads.</source>
        <extracomment>%1 a daily intake</extracomment>
        <translation>Les équations propres au programme donnent %1 par jour au poids visé&#x202f;; elles ne tiennent pas compte de la baisse des dépenses du corps après une perte de poids, c&apos;est donc le chiffre du modèle qui prime.</translation>
    </message>
    <message>
        <source>To keep your goal: %1 a day, by the program&apos;s own equations at the goal weight.</source>
        <extracomment>%1 a daily intake</extracomment>
        <translation>Pour rester à votre objectif&#xa0;: %1 par jour, selon les équations propres au programme appliquées au poids visé.</translation>
    </message>
    <message>
        <source>Your plan from today shows once you weigh in again: your last weigh-in, on %1, is more than %2 days old.</source>
        <extracomment>%1 a date, %2 the days after which a weigh-in is old (more than one)</extracomment>
        <translation>Votre programme à partir d&apos;aujourd&apos;hui s&apos;affichera dès votre prochaine pesée&#xa0;: votre dernière pesée, le %1, date de plus de %2 jours.</translation>
    </message>
    <message>
        <source>Your plan&apos;s goal, %1, leaves no body weight, so there is no plan from today: please choose a smaller goal.</source>
        <extracomment>%1 the goal weight</extracomment>
        <translation>L&apos;objectif de votre programme, %1, ne laisse aucun poids corporel&#xa0;: il n&apos;y a donc pas de programme à partir d&apos;aujourd&apos;hui. Veuillez choisir un objectif plus modeste.</translation>
    </message>
    <message>
        <source>Your weight, %1, is at or below your goal of %2.</source>
        <extracomment>%1 the weight now, %2 the goal weight</extracomment>
        <translation>Votre poids, %1, est égal ou inférieur à votre objectif de %2.</translation>
    </message>
    <message>
        <source>Your plan ends on %1, more than the %2 days a time frame can take from today, so there is no plan from today yet.</source>
        <extracomment>%1 a date, %2 the longest time frame in days (more than one)</extracomment>
        <translation>Votre programme se termine le %1, au-delà des %2 jours qu&apos;une durée peut compter à partir d&apos;aujourd&apos;hui&#xa0;: il n&apos;y a donc pas encore de programme à partir d&apos;aujourd&apos;hui.</translation>
    </message>
    <message>
        <source>Your weight, %1, is beyond what the calculation can work with, so there is no plan from today.</source>
        <extracomment>%1 the weight now</extracomment>
        <translation>Votre poids, %1, sort des valeurs que le calcul peut traiter&#xa0;: il n&apos;y a donc pas de programme à partir d&apos;aujourd&apos;hui.</translation>
    </message>
    <message>
        <source>Your plan&apos;s end date, %1, is today, so there are no days left to reach your goal of %2 by it from your weight of %3.</source>
        <extracomment>%1 the plan&apos;s end date, %2 the goal weight, %3 the weight now</extracomment>
        <translation>La date de fin de votre programme, le %1, tombe aujourd&apos;hui&#xa0;: il ne reste donc aucun jour pour atteindre votre objectif de %2 d&apos;ici cette date en partant de votre poids de %3.</translation>
    </message>
    <message>
        <source>Your plan&apos;s end date, %1, has passed, so there are no days left to reach your goal of %2 by it from your weight of %3.</source>
        <extracomment>%1 the plan&apos;s end date, %2 the goal weight, %3 the weight now</extracomment>
        <translation>La date de fin de votre programme, le %1, est passée&#xa0;: il ne reste donc aucun jour pour atteindre votre objectif de %2 d&apos;ici cette date en partant de votre poids de %3.</translation>
    </message>
    <message>
        <source>Your weigh-ins say you have eaten about %1 a day over the four weeks to %2 (between %3 and %4); your plan says %5.</source>
        <extracomment>%1 a daily intake, %2 a date, %3 and %4 calories, %5 the plan&apos;s daily intake</extracomment>
        <translation>D&apos;après vos pesées, vous avez mangé environ %1 par jour au cours des quatre semaines précédant le %2 (entre %3 et %4 calories)&#x202f;; votre programme prévoit %5.</translation>
    </message>
    <message>
        <source>Your weigh-ins say you have eaten about %1 a day over the four weeks to %2 (between %3 and %4); your plan&apos;s intake is less than nothing.</source>
        <extracomment>%1 a daily intake, %2 a date, %3 and %4 calories</extracomment>
        <translation>D&apos;après vos pesées, vous avez mangé environ %1 par jour au cours des quatre semaines précédant le %2 (entre %3 et %4 calories)&#x202f;; l&apos;apport de votre programme est inférieur à zéro.</translation>
    </message>
    <message>
        <source>Your weigh-ins say you have eaten about %1 a day over the %2 from %3 to %4 (between %5 and %6); your plan says %7.</source>
        <extracomment>%1 a daily intake, %2 a count of days, %3 and %4 dates, %5 and %6 calories, %7 the plan&apos;s daily intake</extracomment>
        <translation>D&apos;après vos pesées, vous avez mangé environ %1 par jour pendant les %2 du %3 au %4 (entre %5 et %6 calories)&#x202f;; votre programme prévoit %7.</translation>
    </message>
    <message>
        <source>Your weigh-ins say you have eaten about %1 a day over the %2 from %3 to %4 (between %5 and %6); your plan&apos;s intake is less than nothing.</source>
        <extracomment>%1 a daily intake, %2 a count of days, %3 and %4 dates, %5 and %6 calories</extracomment>
        <translation>D&apos;après vos pesées, vous avez mangé environ %1 par jour pendant les %2 du %3 au %4 (entre %5 et %6 calories)&#x202f;; l&apos;apport de votre programme est inférieur à zéro.</translation>
    </message>
    <message>
        <source>The body model reads this from how your weight changed and what a body like yours spends (Hall and Chow, 2011).</source>
        <translation>Le modèle du corps le déduit de l&apos;évolution de votre poids et de ce que dépense un corps comme le vôtre (Hall et Chow, 2011).</translation>
    </message>
    <message>
        <source>Your weight keeps to your plan all the same: the plan counts 3500 calories for every pound, while by the model a pound lost after the first weeks is mostly fat, which holds more, and a lighter body spends less.</source>
        <translation>Votre poids suit tout de même votre programme&#xa0;: le programme compte 3&#x202f;500 calories par livre, alors que selon le modèle une livre perdue après les premières semaines est surtout de la graisse, qui en contient davantage, et un corps plus léger dépense moins.</translation>
    </message>
    <message>
        <source>Your weight keeps to your plan all the same: the plan counts 3500 calories for every pound, while by the model much of what goes in the first weeks is water and glycogen, which hold less.</source>
        <translation>Votre poids suit tout de même votre programme&#xa0;: le programme compte 3&#x202f;500 calories par livre, alors que selon le modèle une grande partie de ce qui est perdu les premières semaines est de l&apos;eau et du glycogène, qui en contiennent moins.</translation>
    </message>
    <message>
        <source>By the same model about %1 a day keeps your weight as it is.</source>
        <translation>Selon le même modèle, environ %1 par jour gardent votre poids tel qu&apos;il est.</translation>
    </message>
    <message>
        <source>By the same model about %1 a day keeps your weight as it was on %2.</source>
        <translation>Selon le même modèle, environ %1 par jour gardent votre poids tel qu&apos;il était le %2.</translation>
    </message>
    <message>
        <source>Chart of your plan and your weigh-ins: the plan&apos;s line from %1 on %2 to %3 on %4; the goal at %5; %6</source>
        <extracomment>The progress chart for the blind; %1 a weight, %2 a date, %3 a weight, %4 a date, %5 the goal weight, %6 the weigh-ins in words</extracomment>
        <translation>Graphique de votre programme et de vos pesées&#xa0;: la ligne du programme va de %1 le %2 à %3 le %4&#x202f;; l&apos;objectif est à %5&#x202f;; %6</translation>
    </message>
    <message>
        <source>“%1”</source>
        <extracomment>A text as the person typed it, in quotation marks</extracomment>
        <translation>«&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>“%1…”</source>
        <extracomment>The start of a long text as the person typed it, in quotation marks</extracomment>
        <translation>«&#xa0;%1…&#xa0;»</translation>
    </message>
    <message>
        <source>A weight must be more than zero: please enter your weight in kg.</source>
        <translation>Un poids doit être supérieur à zéro&#xa0;: veuillez saisir votre poids en kg.</translation>
    </message>
    <message>
        <source>A weight must be more than zero: please enter your weight in lb.</source>
        <translation>Un poids doit être supérieur à zéro&#xa0;: veuillez saisir votre poids en lb.</translation>
    </message>
    <message>
        <source>%1 kg is more than anyone weighs: please check it. The most a weigh-in may be is %2 kg.</source>
        <extracomment>%1 the weight typed, %2 the most a weigh-in may be</extracomment>
        <translation>%1 kg, c&apos;est plus que le poids de quiconque&#xa0;: veuillez vérifier. Une pesée ne peut pas dépasser %2 kg.</translation>
    </message>
    <message>
        <source>%1 lb is more than anyone weighs: please check it. The most a weigh-in may be is %2 lb.</source>
        <translation>%1 lb, c&apos;est plus que le poids de quiconque&#xa0;: veuillez vérifier. Une pesée ne peut pas dépasser %2 lb.</translation>
    </message>
    <message>
        <source>%1 kg is less than a person weighs: please check it. The least a weigh-in may be is %2 kg.</source>
        <extracomment>%1 the weight typed, %2 the least a weigh-in may be</extracomment>
        <translation>%1 kg, c&apos;est moins que le poids d&apos;une personne&#xa0;: veuillez vérifier. Une pesée doit être d&apos;au moins %2 kg.</translation>
    </message>
    <message>
        <source>%1 lb is less than a person weighs: please check it. The least a weigh-in may be is %2 lb.</source>
        <translation>%1 lb, c&apos;est moins que le poids d&apos;une personne&#xa0;: veuillez vérifier. Une pesée doit être d&apos;au moins %2 lb.</translation>
    </message>
    <message>
        <source>Date</source>
        <extracomment>The columns of the table of weigh-ins</extracomment>
        <translation>Date</translation>
    </message>
    <message>
        <source>Weight (lb)</source>
        <translation>Poids (lb)</translation>
    </message>
    <message>
        <source>Weight (kg)</source>
        <translation>Poids (kg)</translation>
    </message>
    <message>
        <source>Trend (lb)</source>
        <translation>Tendance (lb)</translation>
    </message>
    <message>
        <source>Your progress</source>
        <translation>Votre progression</translation>
    </message>
    <message>
        <source>You follow no plan yet: calculate, open your plan and choose Follow This Plan to see your weigh-ins against it. Your weigh-ins are kept all the same.</source>
        <translation>Vous ne suivez encore aucun programme&#xa0;: lancez le calcul, ouvrez votre programme et choisissez «&#xa0;Suivre ce programme&#xa0;» pour comparer vos pesées à celui-ci. Vos pesées sont conservées dans tous les cas.</translation>
    </message>
    <message>
        <source>Weigh yourself to begin: enter your first weigh-in, in pounds or kilograms, best each morning before breakfast.</source>
        <translation>Pesez-vous pour commencer&#xa0;: saisissez votre première pesée, en livres ou en kilogrammes, de préférence chaque matin avant le petit-déjeuner.</translation>
    </message>
    <message>
        <source>Chart of your weigh-ins: none yet.</source>
        <translation>Graphique de vos pesées&#xa0;: aucune pour l&apos;instant.</translation>
    </message>
    <message>
        <source>Your weigh-in today is %1.</source>
        <extracomment>%1 a weight</extracomment>
        <translation>Votre pesée d&apos;aujourd&apos;hui est de %1.</translation>
    </message>
    <message>
        <source>Your last weigh-in, on %1, was %2.</source>
        <translation>Votre dernière pesée, le %1, était de %2.</translation>
    </message>
    <message>
        <source>Chart of your weigh-ins: %1</source>
        <extracomment>The progress chart for the blind; %1 the weigh-ins in words</extracomment>
        <translation>Graphique de vos pesées&#xa0;: %1</translation>
    </message>
    <message>
        <source>Your progress, %1</source>
        <translation>Votre progression, %1</translation>
    </message>
    <message>
        <source>Made on %1</source>
        <extracomment>Under the title of the copied progress report; %1 is the date and time</extracomment>
        <translation>Créé le %1</translation>
    </message>
    <message>
        <source>Where you stand</source>
        <translation>Où vous en êtes</translation>
    </message>
    <message>
        <source>Your plan from today</source>
        <translation>Votre programme à partir d&apos;aujourd&apos;hui</translation>
    </message>
    <message>
        <source>What your weigh-ins say</source>
        <translation>Ce que disent vos pesées</translation>
    </message>
    <message>
        <source>Your weigh-ins</source>
        <translation>Vos pesées</translation>
    </message>
    <message>
        <source>Please enter your weight in kilograms.</source>
        <translation>Veuillez saisir votre poids en kilogrammes.</translation>
    </message>
    <message>
        <source>Please enter your weight in pounds.</source>
        <translation>Veuillez saisir votre poids en livres.</translation>
    </message>
    <message>
        <source>%1 is not a number: please enter your weight in kilograms, such as %2.</source>
        <extracomment>%1 the text typed, in quotation marks; %2 an example</extracomment>
        <translation>%1 n&apos;est pas un nombre&#xa0;: veuillez saisir votre poids en kilogrammes, par exemple %2.</translation>
    </message>
    <message>
        <source>%1 is not a number: please enter your weight in pounds, such as %2.</source>
        <extracomment>%1 the text typed, in quotation marks; %2 an example</extracomment>
        <translation>%1 n&apos;est pas un nombre&#xa0;: veuillez saisir votre poids en livres, par exemple %2.</translation>
    </message>
    <message>
        <source>such as 172.4lb or 78kg</source>
        <extracomment>An example of a weight on the command line; lb and kg are what the command line reads</extracomment>
        <translation>par exemple 172.4lb ou 78kg</translation>
    </message>
    <message>
        <source>No weight given: write it with its unit, %1.</source>
        <extracomment>%1 an example</extracomment>
        <translation>Aucun poids indiqué&#xa0;: écrivez-le avec son unité, %1.</translation>
    </message>
    <message>
        <source>%1 does not start with a number: write a weight with its unit, %2.</source>
        <extracomment>%1 the text given, in quotation marks; %2 an example</extracomment>
        <translation>%1 ne commence pas par un nombre&#xa0;: écrivez un poids avec son unité, %2.</translation>
    </message>
    <message>
        <source>%1 is not a number: write the weight with a full stop or a comma as decimal sign, %2.</source>
        <extracomment>%1 the text given, in quotation marks; %2 an example</extracomment>
        <translation>%1 n&apos;est pas un nombre&#xa0;: écrivez le poids avec un point ou une virgule comme séparateur décimal, %2.</translation>
    </message>
    <message>
        <source>%1 has no unit: write lb or kg after the number, %2.</source>
        <extracomment>%1 the text given, in quotation marks; %2 an example; lb and kg are what the command line reads</extracomment>
        <translation>%1 n&apos;a pas d&apos;unité&#xa0;: écrivez lb ou kg après le nombre, %2.</translation>
    </message>
    <message>
        <source>%1 is not a unit of weight the program knows: write lb or kg, %2.</source>
        <extracomment>%1 the unit given, in quotation marks; %2 an example; lb and kg are what the command line reads</extracomment>
        <translation>%1 n&apos;est pas une unité de poids connue du programme&#xa0;: écrivez lb ou kg, %2.</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Weigh-in day</source>
        <extracomment>Name of the day box of the weigh-in in the progress window, read by a screen reader</extracomment>
        <translation>Jour de la pesée</translation>
    </message>
    <message>
        <source>Your Progress - Veltro Weight Loss Calculator</source>
        <extracomment>Caption of the progress window until the progress is shown in it</extracomment>
        <translation>Votre progression - Veltro Calculateur minceur</translation>
    </message>
    <message>
        <source>Your progress</source>
        <extracomment>Name of the progress window, read by a screen reader</extracomment>
        <translation>Votre progression</translation>
    </message>
    <message>
        <source>Weigh-in weight</source>
        <extracomment>Name of the box where the person types a weigh-in&apos;s weight, read by a screen reader</extracomment>
        <translation>Poids de la pesée</translation>
    </message>
    <message>
        <source>Weigh-in unit</source>
        <extracomment>Name of the box that chooses the unit of a weigh-in, read by a screen reader</extracomment>
        <translation>Unité de la pesée</translation>
    </message>
    <message>
        <source>lb</source>
        <extracomment>Unit symbol of pounds in the weigh-in&apos;s unit box</extracomment>
        <translation>lb</translation>
    </message>
    <message>
        <source>kg</source>
        <extracomment>Unit symbol of kilograms in the weigh-in&apos;s unit box</extracomment>
        <translation>kg</translation>
    </message>
    <message>
        <source>Days the chart shows</source>
        <extracomment>Name of the box above the progress chart that chooses the days it shows, read by a screen reader</extracomment>
        <translation>Jours affichés par le graphique</translation>
    </message>
    <message>
        <source>Your plan</source>
        <extracomment>Choice of the days the progress chart shows: those of the plan followed, with the month before it</extracomment>
        <translation>Votre programme</translation>
    </message>
    <message>
        <source>The last 90 days</source>
        <extracomment>Choice of the days the progress chart shows</extracomment>
        <translation>Les 90 derniers jours</translation>
    </message>
    <message>
        <source>Everything</source>
        <extracomment>Choice of the days the progress chart shows: all the weigh-ins and the plan</extracomment>
        <translation>Tout</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <extracomment>Button beside the weigh-in boxes that stores the weigh-in</extracomment>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>Enter</source>
        <extracomment>Tooltip of the Add button: the key that presses it</extracomment>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>&amp;Weight:</source>
        <extracomment>Label before the weigh-in&apos;s weight box; the row reads &quot;Weight: [80] in [kg] on [date] Add&quot;</extracomment>
        <translation>P&amp;oids&#xa0;:</translation>
    </message>
    <message>
        <source>in</source>
        <extracomment>Label between the weigh-in&apos;s weight box and its unit box; the row reads &quot;Weight: [80] in [kg] on [date]&quot;</extracomment>
        <translation>en</translation>
    </message>
    <message>
        <source>o&amp;n</source>
        <extracomment>Label between the weigh-in&apos;s unit box and its day box; the row reads &quot;Weight: [80] in [kg] on [date]&quot;</extracomment>
        <translation>&amp;le</translation>
    </message>
    <message>
        <source>Your weigh-ins</source>
        <extracomment>Name of the table of weigh-ins in the progress window, read by a screen reader</extracomment>
        <translation>Vos pesées</translation>
    </message>
    <message>
        <source>your weigh-ins</source>
        <extracomment>What the weigh-in table&apos;s scroll bars move, read by a screen reader in names such as &quot;Scroll your weigh-ins up and down&quot;</extracomment>
        <translation>vos pesées</translation>
    </message>
    <message>
        <source>Progress chart</source>
        <extracomment>Name of the chart of the progress window, read by a screen reader</extracomment>
        <translation>Graphique de progression</translation>
    </message>
    <message>
        <source>C&amp;hart:</source>
        <extracomment>Label of the box above the progress chart that chooses the days it shows</extracomment>
        <translation>Grap&amp;hique&#xa0;:</translation>
    </message>
    <message>
        <source>Where you stand</source>
        <extracomment>Name of the progress window&apos;s text (where the person stands, in sentences), read by a screen reader</extracomment>
        <translation>Où vous en êtes</translation>
    </message>
    <message>
        <source>Move to give the parts more room</source>
        <extracomment>Name of the bars between the parts of the progress window (table, chart and text), which are dragged to share the room; read by a screen reader</extracomment>
        <translation>Déplacer pour donner plus de place aux différentes parties</translation>
    </message>
    <message>
        <source>Your weigh-ins and the chart</source>
        <extracomment>Name of the weigh-in table and the chart together, read by a screen reader</extracomment>
        <translation>Vos pesées et le graphique</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <extracomment>Name of the progress window&apos;s menu bar, read by a screen reader</extracomment>
        <translation>Barre de menus</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <extracomment>Menu of the progress window</extracomment>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Import Weigh-ins...</source>
        <extracomment>Command of the progress window&apos;s File menu: reads weigh-ins from a CSV file</extracomment>
        <translation>&amp;Importer des pesées...</translation>
    </message>
    <message>
        <source>&amp;Export Weigh-ins...</source>
        <extracomment>Command of the progress window&apos;s File menu: writes the weigh-ins to a CSV file</extracomment>
        <translation>&amp;Exporter des pesées...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <extracomment>Command of the progress window&apos;s File menu</extracomment>
        <translation>Im&amp;primer...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <extracomment>Command of the progress window&apos;s File menu</extracomment>
        <translation>Enregistrer en P&amp;DF...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <extracomment>Command of the progress window&apos;s File menu: closes the window</extracomment>
        <translation>Fer&amp;mer</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <extracomment>Menu of the progress window</extracomment>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <extracomment>Command of the progress window&apos;s Edit menu when there is nothing to undo</extracomment>
        <translation>Ann&amp;uler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <extracomment>Command of the progress window&apos;s Edit menu when there is nothing to redo</extracomment>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <extracomment>Command of the progress window&apos;s Edit menu: copies the weigh-ins selected, or else the whole progress as text</extracomment>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Edit Weigh-in</source>
        <extracomment>Command of the progress window&apos;s Edit menu: puts the weigh-in selected in the boxes to change it</extracomment>
        <translation>Modifi&amp;er la pesée</translation>
    </message>
    <message>
        <source>&amp;Delete Weigh-ins</source>
        <extracomment>Command of the progress window&apos;s Edit menu: deletes the weigh-ins selected in the table</extracomment>
        <translation>&amp;Supprimer les pesées</translation>
    </message>
    <message>
        <source>%1 - Veltro Weight Loss Calculator</source>
        <extracomment>Caption of the progress window; %1 is the progress&apos;s title, such as &quot;Your progress, Anna&quot;</extracomment>
        <translation>%1 - Veltro Calculateur minceur</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <extracomment>Command of the progress window&apos;s Edit menu; %1 is what it takes back, such as &quot;Weigh-in&quot; or &quot;Delete of 2 Weigh-ins&quot;</extracomment>
        <translation>Ann&amp;uler %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <extracomment>Command of the progress window&apos;s Edit menu; %1 is what it does again, such as &quot;Weigh-in&quot; or &quot;Delete of 2 Weigh-ins&quot;</extracomment>
        <translation>&amp;Rétablir %1</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <extracomment>The Add button&apos;s caption while a weigh-in is being changed</extracomment>
        <translation>Enre&amp;gistrer</translation>
    </message>
    <message>
        <source>Saves the weigh-in of %1</source>
        <extracomment>Description of the Save button, read by a screen reader; %1 is the weigh-in&apos;s day</extracomment>
        <translation>Enregistre la pesée du %1</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <extracomment>The Add button&apos;s caption where the day chosen has a weigh-in already</extracomment>
        <translation>&amp;Remplacer</translation>
    </message>
    <message>
        <source>Replaces the weigh-in of %1</source>
        <extracomment>Description of the Replace button, read by a screen reader; %1 is the day of the weigh-in it replaces</extracomment>
        <translation>Remplace la pesée du %1</translation>
    </message>
</context>
<context>
    <name>Referral</name>
    <message>
        <source>Your Name</source>
        <extracomment>Placeholder of the exit screen&apos;s box for the person&apos;s name, 225 px wide</extracomment>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <extracomment>Placeholder of the exit screen&apos;s box for the person&apos;s e-mail address, 225 px wide</extracomment>
        <translation>Votre adresse e-mail</translation>
    </message>
    <message>
        <source>Your Message</source>
        <extracomment>Placeholder of the exit screen&apos;s box for the message to the friend, 121 px wide</extracomment>
        <translation>Votre message</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <extracomment>Placeholder of the exit screen&apos;s box for the friend&apos;s name, 225 px wide</extracomment>
        <translation>Nom de votre ami</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <extracomment>Placeholder of the exit screen&apos;s box for the friend&apos;s e-mail address, 225 px wide</extracomment>
        <translation>Adresse e-mail de votre ami</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <extracomment>Message box over the exit screen when a space is typed into an e-mail box; one short line</extracomment>
        <translation>L&apos;adresse e-mail ne peut pas contenir d&apos;espace</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <extracomment>Message box over the exit screen when both e-mail addresses are the same; one short line</extracomment>
        <translation>Veuillez saisir deux adresses e-mail différentes</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <extracomment>Message box over the exit screen when an e-mail address lacks &quot;@&quot; or &quot;.&quot;; one short line</extracomment>
        <translation>Veuillez saisir une adresse e-mail valide</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <extracomment>Message box over the exit screen when the person&apos;s name is left empty; one short line</extracomment>
        <translation>Veuillez saisir votre nom</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <extracomment>Message box over the exit screen when the person&apos;s e-mail address is left empty; one short line</extracomment>
        <translation>Veuillez saisir votre adresse e-mail</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <extracomment>Message box over the exit screen when the message to the friend is left empty; one short line</extracomment>
        <translation>Veuillez saisir votre message</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <extracomment>Message box over the exit screen when the friend&apos;s name is left empty; one short line</extracomment>
        <translation>Veuillez saisir le nom de votre ami</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <extracomment>Message box over the exit screen when the friend&apos;s e-mail address is left empty; one short line</extracomment>
        <translation>Veuillez saisir l&apos;adresse e-mail de votre ami</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>%1 years</source>
        <extracomment>Results window, beside &quot;Age:&quot;; %1 is the age as typed. One line of about 480 px; keep it short</extracomment>
        <translation>%1 ans</translation>
    </message>
    <message>
        <source>%1 Centimetres</source>
        <extracomment>Results window, beside &quot;Your Height:&quot;; %1 is the height in centimetres as typed. One line of about 480 px; keep it short</extracomment>
        <translation>%1 centimètres</translation>
    </message>
    <message>
        <source>%1 Feet %2 Inch</source>
        <extracomment>Results window, beside &quot;Your Height:&quot;; %1 is the feet, %2 the inches, as typed. One line of about 480 px; keep it short</extracomment>
        <translation>%1 pieds %2 pouces</translation>
    </message>
    <message>
        <source>%1 Pounds</source>
        <extracomment>Results window, beside &quot;Your Weight:&quot; and &quot;Weight You Wish To Lose:&quot;; %1 is a weight in pounds as typed. One line of about 480 px; keep it short</extracomment>
        <translation>%1 livres</translation>
    </message>
    <message>
        <source>%1 day/days</source>
        <extracomment>Results window, beside &quot;Time Frame To Lose Weight:&quot;; %1 is the number of days as typed, which may be 1 or more. One line of about 480 px; keep it short</extracomment>
        <translation>%1 jour(s)</translation>
    </message>
    <message>
        <source>To maintain your current weight your daily intake of calories should be %1 calories</source>
        <extracomment>Results window, first result, in bold on one line of about 650 px: the window does not grow. %1 is a whole number of calories, as 2381</extracomment>
        <translation>Pour garder votre poids actuel, votre apport quotidien doit être de %1 calories</translation>
    </message>
    <message>
        <source>This daily intake of calories cannot be achieved.</source>
        <extracomment>Results window, second result, in bold on one line of about 650 px: the window does not grow</extracomment>
        <translation>Cet apport quotidien en calories est impossible à atteindre.</translation>
    </message>
    <message>
        <source>To reach your goal, your daily intake of calories should be %1 calories</source>
        <extracomment>Results window, second result, in bold on one line of about 650 px: the window does not grow. %1 is a whole number of calories, as 1881</extracomment>
        <translation>Pour atteindre votre objectif, votre apport quotidien doit être de %1 calories</translation>
    </message>
</context>
<context>
    <name>ScrollParts</name>
    <message>
        <source>Scroll %1 up and down</source>
        <extracomment>Screen reader&apos;s name of the vertical scroll bar of a view; %1 is what the view shows, e.g. &quot;the milestones&quot; or &quot;your plan in words&quot;.</extracomment>
        <translation>Faire défiler %1 verticalement</translation>
    </message>
    <message>
        <source>Scroll %1 sideways</source>
        <extracomment>Screen reader&apos;s name of the horizontal scroll bar of a view; %1 is what the view shows, e.g. &quot;the milestones&quot; or &quot;your plan in words&quot;.</extracomment>
        <translation>Faire défiler %1 horizontalement</translation>
    </message>
    <message>
        <source>Scroll bar of %1</source>
        <extracomment>Screen reader&apos;s name of the strip holding a view&apos;s scroll bar; %1 is what the view shows, e.g. &quot;the milestones&quot; or &quot;your plan in words&quot;.</extracomment>
        <translation>Barre de défilement pour %1</translation>
    </message>
</context>
<context>
    <name>Shell</name>
    <message>
        <source>Application is already running</source>
        <extracomment>Message box shown when the program is started a second time; its title is the program&apos;s caption.</extracomment>
        <translation>Le programme est déjà lancé</translation>
    </message>
</context>
<context>
    <name>SiteConfig</name>
    <message>
        <source>All rights of this software are reserved by Quillory Softwares.</source>
        <extracomment>Last sentence of the about box&apos;s description, which ends the text of a fixed-size box; keep it no longer than the English. Quillory Softwares is the maker&apos;s name: keep it as it is</extracomment>
        <translation>Tous droits de ce logiciel réservés à Quillory Softwares.</translation>
    </message>
</context>
<context>
    <name>SupportMessages</name>
    <message>
        <source>Quillory Softwares like this one can be created and maintained only with your support. The best way to support the forum is to visit %1 regularly and take part in the discussions and other activities on the board.</source>
        <extracomment>Exit screen: request 1 of four to support the forum, one shown per run, bold 9.75 pt word-wrapped in 465 x 73 px (set smaller where it does not fit); %1 is the forum&apos;s web address (such as www.example.com). &quot;Quillory Softwares&quot; is the maker&apos;s name.</extracomment>
        <translation>Les Quillory Softwares comme celui-ci ne peuvent être créés et maintenus que grâce à votre soutien. La meilleure façon de soutenir le forum est de visiter %1 régulièrement et de participer aux discussions et aux autres activités du forum.</translation>
    </message>
    <message>
        <source>Visit %1 regularly. Support %1 by taking part in the discussions and other activities. These softwares cannot be supported and maintained unless you visit %1 regularly.</source>
        <extracomment>Exit screen: request 2 of four to support the forum, one shown per run, bold 9.75 pt word-wrapped in 465 x 73 px (set smaller where it does not fit); %1 is the forum&apos;s web address (such as www.example.com).</extracomment>
        <translation>Visitez %1 régulièrement. Soutenez %1 en participant aux discussions et aux autres activités. Ces logiciels ne peuvent être soutenus et maintenus que si vous visitez %1 régulièrement.</translation>
    </message>
    <message>
        <source>%1 is a FREE online discussion forum on quillory. To help %1 develop and maintain this software, visit the forum regularly.</source>
        <extracomment>Exit screen: request 3 of four to support the forum, one shown per run, bold 9.75 pt word-wrapped in 465 x 73 px (set smaller where it does not fit); %1 is the forum&apos;s web address (such as www.example.com).</extracomment>
        <translation>%1 est un forum de discussion en ligne GRATUIT sur quillory. Pour aider %1 à développer et maintenir ce logiciel, visitez le forum régulièrement.</translation>
    </message>
    <message>
        <source>%1 needs your help. All you need to do is visit %1 regularly and take part in the various discussions and activities, to help us maintain and develop more Quillory Softwares.</source>
        <extracomment>Exit screen: request 4 of four to support the forum, one shown per run, bold 9.75 pt word-wrapped in 465 x 73 px (set smaller where it does not fit); %1 is the forum&apos;s web address (such as www.example.com). &quot;Quillory Softwares&quot; is the maker&apos;s name.</extracomment>
        <translation>%1 a besoin de votre aide. Il vous suffit de visiter %1 régulièrement et de participer aux diverses discussions et activités pour nous aider à maintenir et développer d&apos;autres Quillory Softwares.</translation>
    </message>
</context>
<context>
    <name>Validation</name>
    <message>
        <source>Please Enter Your Weight</source>
        <extracomment>Message box over the main window when Calculate finds a weight box empty; one short line</extracomment>
        <translation>Veuillez saisir votre poids</translation>
    </message>
    <message>
        <source>Please Enter Weight Do You Wish To Lose</source>
        <extracomment>Message box over the main window when Calculate finds a box of the weight to lose empty; one short line</extracomment>
        <translation>Veuillez saisir le poids que vous souhaitez perdre</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <extracomment>Message box over the main window when Calculate finds the name box empty; one short line</extracomment>
        <translation>Veuillez saisir votre nom</translation>
    </message>
    <message>
        <source>Please Enter Your Height</source>
        <extracomment>Message box over the main window when Calculate finds the height box empty; one short line</extracomment>
        <translation>Veuillez saisir votre taille</translation>
    </message>
    <message>
        <source>Please Enter Your Height From %1 To %2 Centimetres</source>
        <extracomment>Message box over the main window when the height in centimetres is out of bounds; one short line. %1 and %2 are the shortest and the tallest height, 100 and 250</extracomment>
        <translation>Veuillez saisir une taille de %1 à %2 centimètres</translation>
    </message>
</context>
<context>
    <name>WeighInDoubt</name>
    <message>
        <source>%1 is %2 %3 under your last weigh-in: did you mean %4 %5? Keep %1 as typed?</source>
        <extracomment>Message box asking before a weigh-in is stored. %1 is the weight typed with its unit (&quot;95 kg&quot;), %2 and %3 how far it is from the last weigh-in (figure and unit), %4 the figure typed again and %5 the other unit.</extracomment>
        <translation>%1, c&apos;est %2 %3 de moins que votre dernière pesée&#xa0;: vouliez-vous dire %4 %5&#x202f;? Garder %1 tel que saisi&#x202f;?</translation>
    </message>
    <message>
        <source>%1 is %2 %3 over your last weigh-in: did you mean %4 %5? Keep %1 as typed?</source>
        <extracomment>Message box asking before a weigh-in is stored. %1 is the weight typed with its unit (&quot;95 kg&quot;), %2 and %3 how far it is from the last weigh-in (figure and unit), %4 the figure typed again and %5 the other unit.</extracomment>
        <translation>%1, c&apos;est %2 %3 de plus que votre dernière pesée&#xa0;: vouliez-vous dire %4 %5&#x202f;? Garder %1 tel que saisi&#x202f;?</translation>
    </message>
    <message>
        <source>%1 is %2 %3 under the line through your last week&apos;s weigh-ins (%4 %3). Keep %1 as typed?</source>
        <extracomment>Message box asking before a weigh-in is stored. %1 is the weight typed with its unit (&quot;95 kg&quot;), %2 and %3 how far it is from the line through last week&apos;s weigh-ins (figure and unit), %4 the line&apos;s figure for that day.</extracomment>
        <translation>%1, c&apos;est %2 %3 de moins que la droite tracée à travers vos pesées de la semaine dernière (%4 %3). Garder %1 tel que saisi&#x202f;?</translation>
    </message>
    <message>
        <source>%1 is %2 %3 over the line through your last week&apos;s weigh-ins (%4 %3). Keep %1 as typed?</source>
        <extracomment>Message box asking before a weigh-in is stored. %1 is the weight typed with its unit (&quot;95 kg&quot;), %2 and %3 how far it is from the line through last week&apos;s weigh-ins (figure and unit), %4 the line&apos;s figure for that day.</extracomment>
        <translation>%1, c&apos;est %2 %3 de plus que la droite tracée à travers vos pesées de la semaine dernière (%4 %3). Garder %1 tel que saisi&#x202f;?</translation>
    </message>
</context>
<context>
    <name>WeighInMessages</name>
    <message>
        <source>The date is not a day of the calendar.</source>
        <extracomment>Why a weigh-in is refused (the weigh-in box, an imported line, the command line)</extracomment>
        <translation>La date n&apos;existe pas dans le calendrier.</translation>
    </message>
    <message>
        <source>The date %1 is in the future.</source>
        <extracomment>%1 is the day of the weigh-in, as 2026-12-09</extracomment>
        <translation>La date %1 est dans le futur.</translation>
    </message>
    <message>
        <source>The date %1 is before %2, the earliest day the journal keeps.</source>
        <extracomment>%1 is the day of the weigh-in, %2 the earliest day kept (1900-01-01), both as 2026-12-09</extracomment>
        <translation>La date %1 est antérieure au %2, le premier jour que conserve le journal.</translation>
    </message>
    <message>
        <source>The weight is not a number.</source>
        <extracomment>Why a weigh-in is refused (the weigh-in box, an imported line, the command line)</extracomment>
        <translation>Le poids n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>The weight must be above zero.</source>
        <extracomment>Why a weigh-in is refused (the weigh-in box, an imported line, the command line)</extracomment>
        <translation>Le poids doit être supérieur à zéro.</translation>
    </message>
    <message>
        <source>The weight %1 %2 is below the lightest the journal keeps, %3 %2.</source>
        <extracomment>%1 is the weight given, %2 the unit&apos;s symbol (kg or lb), %3 the lightest weight the journal keeps</extracomment>
        <translation>Le poids %1 %2 est inférieur au minimum que conserve le journal, %3 %2.</translation>
    </message>
    <message>
        <source>The weight %1 %2 is above the heaviest the journal keeps, %3 %2.</source>
        <extracomment>%1 is the weight given, %2 the unit&apos;s symbol (kg or lb), %3 the heaviest weight the journal keeps</extracomment>
        <translation>Le poids %1 %2 est supérieur au maximum que conserve le journal, %3 %2.</translation>
    </message>
</context>
<context>
    <name>WeightChart</name>
    <message>
        <source>3500 calories a pound</source>
        <extracomment>Name of the plan&apos;s line in the key of the plan chart: the line of the program&apos;s rule that a pound of body weight is 3500 calories</extracomment>
        <translation>3&#x202f;500 calories par livre</translation>
    </message>
    <message>
        <source>Your plan</source>
        <extracomment>Name of the plan&apos;s line in the key of the progress chart</extracomment>
        <translation>Votre programme</translation>
    </message>
    <message>
        <source>%1 kg (%2 lb)</source>
        <extracomment>A weight on the chart, in the chart&apos;s tooltips and labels: %1 kilograms, %2 the same in pounds</extracomment>
        <translation>%1 kg (%2 lb)</translation>
    </message>
    <message>
        <source>%1 lb (%2 kg)</source>
        <extracomment>A weight on the chart, in the chart&apos;s tooltips and labels: %1 pounds, %2 the same in kilograms</extracomment>
        <translation>%1 lb (%2 kg)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>Tooltip of a weigh-in&apos;s dot on the chart: %1 is its date, %2 its weight, such as &quot;80 kg (176.37 lb)&quot;</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Your weigh-ins will show here.</source>
        <extracomment>In the middle of the progress chart while there is nothing to draw</extracomment>
        <translation>Vos pesées s&apos;afficheront ici.</translation>
    </message>
    <message>
        <source>kg</source>
        <extracomment>Unit symbol above a scale of the chart (kilograms)</extracomment>
        <translation>kg</translation>
    </message>
    <message>
        <source>lb</source>
        <extracomment>Unit symbol above a scale of the chart (pounds)</extracomment>
        <translation>lb</translation>
    </message>
    <message>
        <source>What the body is likely to do</source>
        <extracomment>Name of the dotted line in the chart&apos;s key: the weight the body model foresees</extracomment>
        <translation>Évolution probable du poids</translation>
    </message>
    <message>
        <source>Trend</source>
        <extracomment>Name of the thin line in the chart&apos;s key: the smoothed trend of the weigh-ins</extracomment>
        <translation>Tendance</translation>
    </message>
    <message>
        <source>Weigh-ins</source>
        <extracomment>Name of the dots in the chart&apos;s key: the person&apos;s weigh-ins</extracomment>
        <translation>Pesées</translation>
    </message>
    <message>
        <source>Goal %1</source>
        <extracomment>Label of the goal&apos;s dashed line across the chart; %1 is the goal weight, such as &quot;70 kg (154.3 lb)&quot;</extracomment>
        <translation>Objectif %1</translation>
    </message>
    <message>
        <source>Today</source>
        <extracomment>Label of the line across the progress chart on today&apos;s date</extracomment>
        <translation>Aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Weight chart</source>
        <extracomment>Name of the chart, read by a screen reader</extracomment>
        <translation>Graphique du poids</translation>
    </message>
</context>
<context>
    <name>WeightUnit</name>
    <message>
        <source>kg</source>
        <extracomment>Symbol of kilograms after a weight in a sentence (&quot;80 kg&quot;); keep it as short as &quot;kg&quot;</extracomment>
        <translation>kg</translation>
    </message>
    <message>
        <source>lb</source>
        <extracomment>Symbol of pounds after a weight in a sentence (&quot;180 lb&quot;); keep it as short as &quot;lb&quot;</extracomment>
        <translation>lb</translation>
    </message>
</context>
<context>
    <name>WindowCaption</name>
    <message>
        <source>Veltro Weight Loss Calculator v1.0</source>
        <extracomment>Title bar of every window, and the program&apos;s name at the top of the about box (228 px wide there) and of the exit screen (337 px, large type). &quot;Veltro&quot; is the product&apos;s name and stays as it is.</extracomment>
        <translation>Veltro Calculateur minceur v1.0</translation>
    </message>
</context>
</TS>
