<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutWindow</name>
    <message>
        <source>Veltro Weight Loss Calculator icon</source>
        <extracomment>About box: what a screen reader calls the program&apos;s icon at the top left. &quot;Veltro&quot; is the product&apos;s name.</extracomment>
        <translation>Symbol des Veltro Abnehmrechners</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <extracomment>About box: the button that closes it, 84 px wide, bold.</extracomment>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <extracomment>About box: link under the offer at the bottom right, bold underlined, one line of at most 183 px.</extracomment>
        <translation>Hier klicken für Details.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <extracomment>About box: the offer in the lower half, bold, word-wrapped in a box of 417 x 41 px (three lines).</extracomment>
        <translation>Geschäftsidee für zu Hause. Gründen Sie Ihr eigenes Internetgeschäft und verdienen Sie online Geld. Diese Software komplett mit Ihrer Marke für Ihre Website.</translation>
    </message>
    <message>
        <source>Veltro Weight Loss Calculator estimates your intake of calories based on your personal body details and the amount of weight you wish to lose. Your daily level of physical activity and the time in which you want to lose weight is also considered.</source>
        <extracomment>About box: what the program does, word-wrapped with the rights sentence that follows it in a box of 441 x 53 px (four lines). &quot;Veltro&quot; is the product&apos;s name.</extracomment>
        <translation>Der Veltro Abnehmrechner schätzt Ihre Kalorienzufuhr anhand Ihrer Körperdaten und des abzunehmenden Gewichts. Auch Ihre tägliche körperliche Aktivität und der Zeitraum zum Abnehmen werden berücksichtigt. </translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>About box: link in the middle, bold underlined, one line of at most 319 px; %1 is the forum&apos;s web address (such as www.example.com).</extracomment>
        <translation>Hier klicken: %1 besuchen</translation>
    </message>
</context>
<context>
    <name>ColumnChoiceDialog</name>
    <message>
        <source>Columns of the File - Veltro Weight Loss Calculator</source>
        <extracomment>Caption of the dialog that asks which columns of a file to import hold the dates and the weights</extracomment>
        <translation>Spalten der Datei - Veltro Abnehmrechner</translation>
    </message>
    <message>
        <source>%1 does not tell everything the import needs. %2 Please say which column is the date, which the weight, how the dates are written and in which unit the weights are. The choice is remembered for files with the same columns.</source>
        <extracomment>Text at the top of the column dialog: %1 is the file&apos;s name and %2 one or more sentences on what the file does not tell, such as &quot;Its columns have no names.&quot;</extracomment>
        <translation>%1 enthält nicht alle Angaben, die der Import benötigt. %2 Bitte geben Sie an, welche Spalte das Datum und welche das Gewicht enthält, wie die Datumsangaben geschrieben sind und in welcher Einheit die Gewichte angegeben sind. Die Auswahl wird für Dateien mit denselben Spalten gespeichert.</translation>
    </message>
    <message>
        <source>Column of the dates</source>
        <extracomment>Name of the box that chooses the column of the dates, read by a screen reader</extracomment>
        <translation>Datumsspalte</translation>
    </message>
    <message>
        <source>Column of the weights</source>
        <extracomment>Name of the box that chooses the column of the weights, read by a screen reader</extracomment>
        <translation>Gewichtsspalte</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A column in the boxes of the column dialog: %1 is its number, counted from 1, and %2 what its first line says, in quotation marks</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Form of the dates</source>
        <extracomment>Name of the box that chooses how the dates are written (day before month...), read by a screen reader</extracomment>
        <translation>Datumsformat</translation>
    </message>
    <message>
        <source>Unit of the weights</source>
        <extracomment>Name of the box that chooses the unit of the weights, read by a screen reader</extracomment>
        <translation>Gewichtseinheit</translation>
    </message>
    <message>
        <source>kilograms (kg)</source>
        <extracomment>A choice of the unit box of the column dialog</extracomment>
        <translation>Kilogramm (kg)</translation>
    </message>
    <message>
        <source>pounds (lb)</source>
        <extracomment>A choice of the unit box of the column dialog</extracomment>
        <translation>Pfund (lb)</translation>
    </message>
    <message>
        <source>as each line&apos;s unit column says</source>
        <extracomment>A choice of the unit box of the column dialog, where the file has a column that gives each weight&apos;s unit</extracomment>
        <translation>laut Einheitenspalte jeder Zeile</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <extracomment>Button of the column dialog: goes on to show what the import will do, before anything is stored</extracomment>
        <translation>&amp;Vorschau</translation>
    </message>
    <message>
        <source>No date of this column reads as a day.</source>
        <extracomment>Note below the box of the dates&apos; form when the column chosen as the dates holds no date</extracomment>
        <translation>Kein Eintrag dieser Spalte lässt sich als Datum lesen.</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <extracomment>Label of the box that chooses the column of the dates</extracomment>
        <translation>&amp;Datum:</translation>
    </message>
    <message>
        <source>&amp;Weight:</source>
        <extracomment>Label of the box that chooses the column of the weights</extracomment>
        <translation>&amp;Gewicht:</translation>
    </message>
    <message>
        <source>Dates &amp;written as:</source>
        <extracomment>Label of the box that chooses how the dates are written, such as &quot;day, month, year&quot;</extracomment>
        <translation>Datums&amp;format:</translation>
    </message>
    <message>
        <source>&amp;Unit:</source>
        <extracomment>Label of the box that chooses the unit of the weights</extracomment>
        <translation>&amp;Einheit:</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <extracomment>An error of the command line, on the terminal. %1 is the program&apos;s name, %2 what is wrong (one of the texts below). Keep &apos;%1 --help&apos; as it is: it is a command to type.</extracomment>
        <translation>%1: %2
„%1 --help“ gibt weitere Auskunft.
</translation>
    </message>
    <message>
        <source>a weight with its unit, such as 172.4lb</source>
        <extracomment>What the value of a command-line option must be, after &quot;option &apos;--add-weight&apos; needs a value: &quot;. Keep the units lb and kg and the example 172.4lb as they are: the program reads them.</extracomment>
        <translation>ein Gewicht mit Einheit, z. B. 172.4lb</translation>
    </message>
    <message>
        <source>a day as YYYY-MM-DD</source>
        <extracomment>What the value of the command-line option --date must be. Keep YYYY-MM-DD: the day is written so.</extracomment>
        <translation>ein Tag im Format YYYY-MM-DD</translation>
    </message>
    <message>
        <source>a file, or - for standard output</source>
        <extracomment>What the value of the command-line option --export-csv must be; &quot;-&quot; stands for standard output.</extracomment>
        <translation>eine Datei oder - für die Standardausgabe</translation>
    </message>
    <message>
        <source>a file, or - for standard input</source>
        <extracomment>What the value of the command-line option --import-csv must be; &quot;-&quot; stands for standard input.</extracomment>
        <translation>eine Datei oder - für die Standardeingabe</translation>
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
        <translation>Aufruf: %1 [Optionen]

Der Veltro Abnehmrechner 1.00 ermittelt die tägliche Kalorienmenge, die das
aktuelle Gewicht hält, und die, mit der ein Abnehmziel in einer gewählten Zahl
von Tagen erreicht wird.

Optionen:
  -h, --help               Diese Hilfe zeigen und beenden.
  -v, --version            Die Version zeigen und beenden.
      --progress           Das Fortschrittsfenster öffnen, sobald das
                           Hauptfenster da ist; läuft das Programm schon, dessen
                           Fortschrittsfenster nach vorn holen.
      --add-weight WEIGHT  Eine Wägung ins Tagebuch eintragen und beenden, ohne
                           Fenster, auch während das Programm läuft. WEIGHT ist
                           eine Zahl mit Einheit, lb oder kg: 172.4lb, 78,2kg.
      --date YYYY-MM-DD    Mit --add-weight: der Tag der Wägung, heute oder
                           früher (ohne Angabe heute).
      --export-csv FILE    Alle Wägungen als CSV in FILE schreiben (- für die
                           Standardausgabe) und beenden, ohne Fenster.
      --import-csv FILE    Die Wägungen einer CSV-Datei (- für die
                           Standardeingabe) ins Tagebuch übernehmen und beenden,
                           ohne Fenster, auch während das Programm läuft;
                           ausgeben, wie viele hinzukamen, ersetzt wurden und
                           gleich blieben, und jede ausgelassene Zeile mit Grund.

Die Optionen des Toolkits, etwa -platform wayland, -display :1 oder
-style fusion, gelten ebenfalls, mit einem Bindestrich oder zwei.
</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value: %2</source>
        <extracomment>%1 is the command-line option (--date...), %2 what its value must be.</extracomment>
        <translation>Option „%1“ benötigt einen Wert: %2</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; given twice</source>
        <extracomment>%1 is a command-line option (--progress, --add-weight...).</extracomment>
        <translation>Option „%1“ wurde zweimal angegeben</translation>
    </message>
    <message>
        <source>options &apos;%1&apos; and &apos;%2&apos; cannot be given together</source>
        <extracomment>%1 and %2 are command-line options (--add-weight, --export-csv...).</extracomment>
        <translation>Optionen „%1“ und „%2“ können nicht zusammen angegeben werden</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <extracomment>%1 is what was typed on the command line.</extracomment>
        <translation>unbekannte Option „%1“</translation>
    </message>
    <message>
        <source>option &apos;--date&apos; goes with &apos;--add-weight&apos;</source>
        <extracomment>Keep the options &apos;--date&apos; and &apos;--add-weight&apos; as they are.</extracomment>
        <translation>Option „--date“ ist nur zusammen mit „--add-weight“ zulässig</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unerwartetes Argument „%1“</translation>
    </message>
    <message>
        <source>%1: needs a graphical session to show its windows, but neither DISPLAY nor WAYLAND_DISPLAY is set.
</source>
        <extracomment>On the terminal when no graphical session is found; %1 is the program&apos;s name. Keep DISPLAY and WAYLAND_DISPLAY: they are the names of variables.</extracomment>
        <translation>%1: braucht eine grafische Sitzung, um seine Fenster zu zeigen, aber weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt.
</translation>
    </message>
    <message>
        <source>%1: write error: %2
</source>
        <extracomment>On the terminal when the program&apos;s answer could not be written out; %1 is the program&apos;s name, %2 the system&apos;s reason (such as &quot;No space left on device&quot;).</extracomment>
        <translation>%1: Schreibfehler: %2
</translation>
    </message>
    <message>
        <source>%1: write error
</source>
        <extracomment>On the terminal when the program&apos;s answer could not be written out; %1 is the program&apos;s name.</extracomment>
        <translation>%1: Schreibfehler
</translation>
    </message>
    <message>
        <source>%1: cannot show its windows in this graphical session.
</source>
        <extracomment>On the terminal when the toolkit cannot start in the graphical session; %1 is the program&apos;s name.</extracomment>
        <translation>%1: kann in dieser grafischen Sitzung keine Fenster anzeigen.
</translation>
    </message>
</context>
<context>
    <name>CsvImport</name>
    <message>
        <source>No date.</source>
        <extracomment>Why a line of an imported file is left out: it has no date</extracomment>
        <translation>Kein Datum.</translation>
    </message>
    <message>
        <source>The date %1 does not read as %2.</source>
        <extracomment>Why a line of an imported file is left out. %1 is the date as the file gives it, in quotes; %2 the form of dates expected, as &quot;year-month-day, such as 2026-12-09&quot;</extracomment>
        <translation>Das Datum %1 lässt sich nicht als %2 lesen.</translation>
    </message>
    <message>
        <source>No unit.</source>
        <extracomment>Why a line of an imported file is left out: its unit column is empty</extracomment>
        <translation>Keine Einheit.</translation>
    </message>
    <message>
        <source>The unit %1 is neither kg nor lb.</source>
        <extracomment>Why a line of an imported file is left out. %1 is the unit as the file gives it, in quotes; kg and lb are the words the file must write: keep them as they are</extracomment>
        <translation>Die Einheit %1 ist weder kg noch lb.</translation>
    </message>
    <message>
        <source>The unit is %1, but no column of weights is in %1.</source>
        <extracomment>Why a line of an imported file is left out. %1 is the symbol of the line&apos;s unit (kg or lb)</extracomment>
        <translation>Die Einheit ist %1, aber keine Spalte enthält Gewichte in %1.</translation>
    </message>
    <message>
        <source>No weight.</source>
        <extracomment>Why a line of an imported file is left out: it has no weight</extracomment>
        <translation>Kein Gewicht.</translation>
    </message>
    <message>
        <source>The weight %1 is not a number.</source>
        <extracomment>Why a line of an imported file is left out. %1 is the weight as the file gives it, in quotes</extracomment>
        <translation>Das Gewicht %1 ist keine Zahl.</translation>
    </message>
    <message>
        <source>Line %1 gives the same day, %2, and is taken instead: one weigh-in a day.</source>
        <extracomment>Why a line of an imported file is passed over. %1 is the number of a later line of the file, %2 the day both give, as 2026-12-09</extracomment>
        <translation>Zeile %1 nennt denselben Tag, %2, und wird stattdessen übernommen: eine Wiegung pro Tag.</translation>
    </message>
    <message>
        <source>The dates read in more than one way: %1 on line %2 is %3 or %4, and the file does not tell which.</source>
        <extracomment>Why an imported file needs the person to choose the form of its dates. %1 is a date of the file, in quotes; %2 the number of its line; %3 and %4 the two days it may be, as 2026-12-09</extracomment>
        <translation>Die Datumsangaben lassen sich unterschiedlich lesen: %1 in Zeile %2 ist der %3 oder der %4, und die Datei gibt nicht an, welcher.</translation>
    </message>
    <message>
        <source>The dates read in more than one way. The file does not tell which.</source>
        <extracomment>Why an imported file needs the person to choose the form of its dates</extracomment>
        <translation>Die Datumsangaben lassen sich unterschiedlich lesen. Die Datei gibt nicht an, wie.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>Why weigh-ins could not be saved to a file. %1 is the file&apos;s path, %2 the reason</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>weigh-ins %1.csv</source>
        <extracomment>Name the save dialog suggests for a file of weigh-ins; %1 is today, as 2026-12-09. Keep &quot;.csv&quot; at the end</extracomment>
        <translation>Wiegungen %1.csv</translation>
    </message>
    <message>
        <source>year-month-day, such as 2026-12-09</source>
        <extracomment>A form of dates in an imported file, in the list of forms to choose from and in the reasons a line is left out. Keep the example date as it is</extracomment>
        <translation>Jahr-Monat-Tag, z. B. 2026-12-09</translation>
    </message>
    <message>
        <source>day.month.year, such as 09.12.2026</source>
        <extracomment>A form of dates in an imported file, in the list of forms to choose from and in the reasons a line is left out. Keep the example date as it is</extracomment>
        <translation>Tag.Monat.Jahr, z. B. 09.12.2026</translation>
    </message>
    <message>
        <source>month/day/year, such as 12/09/2026</source>
        <extracomment>A form of dates in an imported file, in the list of forms to choose from and in the reasons a line is left out. Keep the example date as it is</extracomment>
        <translation>Monat/Tag/Jahr, z. B. 12/09/2026</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <extracomment>A date, weight, unit or column name of a file, quoted in a message or a list; %1 is the text</extracomment>
        <translation>„%1“</translation>
    </message>
    <message numerus="yes">
        <source>&quot;%1…&quot; (%n characters)</source>
        <extracomment>A long field of a file, quoted in a message: %1 is its first 32 characters, %n how many it has (always more than 32)</extracomment>
        <translation>
            <numerusform>„%1…“ (%n Zeichen)</numerusform>
            <numerusform>„%1…“ (%n Zeichen)</numerusform>
        </translation>
    </message>
    <message>
        <source>It has %1 lines, more than any file of weigh-ins (at most %2).</source>
        <extracomment>Why a file cannot be imported. %1 is the number of its lines, %2 the most a file may have (100000)</extracomment>
        <translation>Sie hat %1 Zeilen, mehr als eine Datei mit Wiegungen haben kann (höchstens %2).</translation>
    </message>
    <message>
        <source>The file is empty: it has no first line naming its columns.</source>
        <extracomment>Why a file cannot be imported</extracomment>
        <translation>Die Datei ist leer: Ihr fehlt die erste Zeile mit den Spaltennamen.</translation>
    </message>
    <message>
        <source>Its first line names more than %1 columns, more than any file of weigh-ins.</source>
        <extracomment>Why a file cannot be imported. %1 is the most columns a file may have (64)</extracomment>
        <translation>Ihre erste Zeile nennt mehr als %1 Spalten, mehr als eine Datei mit Wiegungen haben kann.</translation>
    </message>
    <message>
        <source>No form reads every date of this column: the lines it does not read are left out.</source>
        <extracomment>Note beside the chosen column of dates of an imported file</extracomment>
        <translation>Kein Datumsformat passt auf alle Datumsangaben dieser Spalte: Zeilen, die nicht passen, werden ausgelassen.</translation>
    </message>
    <message>
        <source>No column of dates: the first line names none of date, dateTime or DATE.</source>
        <extracomment>Why an imported file needs the person to choose its columns. date, dateTime and DATE are the names a file gives its column of dates: keep them as they are</extracomment>
        <translation>Keine Datumsspalte: Die erste Zeile nennt weder date noch dateTime oder DATE.</translation>
    </message>
    <message>
        <source>No column of weights: the first line names none of weight, weight_kg or weight_lb.</source>
        <extracomment>Why an imported file needs the person to choose its columns. weight, weight_kg and weight_lb are the names a file gives its column of weights: keep them as they are</extracomment>
        <translation>Keine Gewichtsspalte: Die erste Zeile nennt weder weight noch weight_kg oder weight_lb.</translation>
    </message>
</context>
<context>
    <name>DiskSpace</name>
    <message>
        <source>the disk holding %1 is full</source>
        <extracomment>Why a file could not be written, after its path and a colon; %1 is a folder</extracomment>
        <translation>der Datenträger mit %1 ist voll</translation>
    </message>
    <message>
        <source>the disk holding %1 is full: no file of this program may grow past %2 bytes</source>
        <extracomment>Why a file could not be written, after its path and a colon; %1 is a folder, %2 a number of bytes</extracomment>
        <translation>der Datenträger mit %1 ist voll: Keine Datei dieses Programms darf größer als %2 Bytes werden</translation>
    </message>
</context>
<context>
    <name>DisplayWindow</name>
    <message>
        <source>Here are the results generated by Veltro Weight Loss Calculator based on your personal input details</source>
        <extracomment>Results window: line over the results, bold italic 9 pt, one line of at most 697 px. &quot;Veltro&quot; is the product&apos;s name.</extracomment>
        <translation>Hier sind die Ergebnisse des Veltro Abnehmrechners auf Grundlage Ihrer persönlichen Angaben</translation>
    </message>
    <message>
        <source>Veltro Weight Loss Calculator Results</source>
        <extracomment>Results window: caption of the frame around the results, on its top edge, bold 9 pt; the frame is 705 px wide. &quot;Veltro&quot; is the product&apos;s name.</extracomment>
        <translation>Ergebnisse des Veltro Abnehmrechners</translation>
    </message>
    <message>
        <source>Your Name :</source>
        <extracomment>Results window: caption before the person&apos;s name, 176 px wide at most. The space before the colon is as the window has always had it.</extracomment>
        <translation>Ihr Name :</translation>
    </message>
    <message>
        <source>Age:</source>
        <extracomment>Results window: caption before the age, 176 px wide at most.</extracomment>
        <translation>Alter:</translation>
    </message>
    <message>
        <source>Your Height:</source>
        <extracomment>Results window: caption before the height, 176 px wide at most.</extracomment>
        <translation>Ihre Größe:</translation>
    </message>
    <message>
        <source>Your Weight:</source>
        <extracomment>Results window: caption before the weight, 176 px wide at most.</extracomment>
        <translation>Ihr Gewicht:</translation>
    </message>
    <message>
        <source>Level of Daily Activity:</source>
        <extracomment>Results window: caption before the level of daily activity, 176 px wide at most.</extracomment>
        <translation>Aktivitätsniveau:</translation>
    </message>
    <message>
        <source>Weight You Wish To Lose:</source>
        <extracomment>Results window: caption before the weight to lose, 176 px wide at most.</extracomment>
        <translation>Abzunehmendes Gewicht:</translation>
    </message>
    <message>
        <source>Time Frame To Lose Weight:</source>
        <extracomment>Results window: caption before the number of days to lose it in, 176 px wide at most.</extracomment>
        <translation>Zeitraum zum Abnehmen:</translation>
    </message>
    <message>
        <source>See Your &amp;Plan</source>
        <extracomment>Results window: button under the results that opens the plan window, 160 px wide, bold.</extracomment>
        <translation>&amp;Plan ansehen</translation>
    </message>
    <message>
        <source>P.S: This software is only for entertainment purpose. Please consult your physician before going on any kind of diet.</source>
        <extracomment>Results window: note at the bottom left, word-wrapped in a box of 545 x 29 px (two lines).</extracomment>
        <translation>P.S.: Diese Software dient nur der Unterhaltung. Bitte fragen Sie Ihren Arzt, bevor Sie mit einer Diät beginnen.</translation>
    </message>
    <message>
        <source>Calculate Again</source>
        <extracomment>Results window: button at the bottom right, back to the main window; 137 px wide, bold.</extracomment>
        <translation>Neu berechnen</translation>
    </message>
</context>
<context>
    <name>DocumentOutputText</name>
    <message>
        <source>%1 could not be printed.</source>
        <extracomment>Message box after printing failed; %1 is what was printed: &quot;Your plan&quot; or &quot;Your progress&quot;</extracomment>
        <translation>%1 konnte nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>Veltro Weight Loss Calculator 1.00</source>
        <extracomment>The program that made a PDF file, shown among the file&apos;s properties in a PDF reader</extracomment>
        <translation>Veltro Abnehmrechner 1.00</translation>
    </message>
    <message>
        <source>the PDF could not be made</source>
        <extracomment>Why a PDF file could not be saved; it ends the message &quot;%1 could not be saved as %2: %3&quot;</extracomment>
        <translation>das PDF konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <extracomment>The kind of file in the file dialog that saves a PDF; keep &quot;(*.pdf)&quot; as it is</extracomment>
        <translation>PDF-Dokumente (*.pdf)</translation>
    </message>
    <message>
        <source>%1 could not be saved as %2: %3</source>
        <extracomment>Message box after saving a PDF failed; %1 is what was saved (&quot;Your plan&quot; or &quot;Your progress&quot;), %2 the file&apos;s path and %3 the reason, such as &quot;Permission denied&quot;</extracomment>
        <translation>%1 konnte nicht als %2 gespeichert werden: %3</translation>
    </message>
</context>
<context>
    <name>ExitScreen</name>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Quillory Softwares. From a single software, we have now grown to become the world’s largest resource of quillory softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <extracomment>Exit screen: first paragraph of the text in the frame on the right, word-wrapped in 233 x 257 px together with the second (set smaller where it does not fit). &quot;Quillory Softwares&quot; is the maker&apos;s name and stays as it is.</extracomment>
        <translation>Wenn Ihnen diese Software gefallen hat, interessieren Sie sich sicher auch für unsere anderen Quillory Softwares. Aus einer einzigen Software sind wir zur weltweit größten Quelle für Quillory-Programme gewachsen. Ob Astrologie, Hellsehen, Tarot, Numerologie oder Okkultes – wir haben Programme für alle Bereiche und bieten unseren Nutzern so eine große Auswahl nach ihren Interessen.</translation>
    </message>
    <message>
        <source>All the programs in the Quillory Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <extracomment>Exit screen: second paragraph of the text in the frame on the right, word-wrapped in 233 x 257 px together with the first. &quot;Quillory Softwares&quot; is the maker&apos;s name and stays as it is. The space at the end is part of the text.</extracomment>
        <translation>Alle Programme von Quillory Softwares sind einfach und leicht zu bedienen. Sie machen nicht nur Spaß, sondern sind auch sehr informativ. Probieren Sie sie noch heute aus und teilen Sie Ihre Erfahrungen mit Freunden und Familie. </translation>
    </message>
    <message>
        <source>Download Quillory Softwares</source>
        <extracomment>Exit screen: caption of the frame on the right, bold 9.75 pt on its top edge; the frame is 249 px wide. &quot;Quillory Softwares&quot; is the maker&apos;s name and stays as it is.</extracomment>
        <translation>Quillory Softwares laden</translation>
    </message>
    <message>
        <source>Click Here To Visit Quillory Softwares</source>
        <extracomment>Exit screen: link at the foot of the frame on the right, bold underlined, one line of 239 px (set smaller where it does not fit). &quot;Quillory Softwares&quot; is the maker&apos;s name and stays as it is.</extracomment>
        <translation>Quillory Softwares jetzt besuchen</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <extracomment>Exit screen: caption of the frame around the refer-a-friend form, bold 9.75 pt on its top edge; the frame is 471 px wide.</extracomment>
        <translation>Einen Freund empfehlen</translation>
    </message>
    <message>
        <source>Your message</source>
        <extracomment>Exit screen: what a screen reader calls the message box of the refer-a-friend form.</extracomment>
        <translation>Ihre Nachricht</translation>
    </message>
    <message>
        <source>Friend&apos;s name</source>
        <extracomment>Exit screen: what a screen reader calls the box of the friend&apos;s name.</extracomment>
        <translation>Name des Freundes</translation>
    </message>
    <message>
        <source>Friend&apos;s email address</source>
        <extracomment>Exit screen: what a screen reader calls the box of the friend&apos;s email address.</extracomment>
        <translation>E-Mail-Adresse des Freundes</translation>
    </message>
    <message>
        <source>Your email address</source>
        <extracomment>Exit screen: what a screen reader calls the box of the user&apos;s email address.</extracomment>
        <translation>Ihre E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <extracomment>Exit screen: the button of the refer-a-friend form, 225 px wide, bold.</extracomment>
        <translation>&amp;Jetzt empfehlen</translation>
    </message>
    <message>
        <source>Your name</source>
        <extracomment>Exit screen: what a screen reader calls the box of the user&apos;s name.</extracomment>
        <translation>Ihr Name</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>Exit screen: the button that ends the program, 83 px wide.</extracomment>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <extracomment>Exit screen: check box that opens the forum, 14.25 pt, one line of 479 px with its box; %1 is the forum&apos;s web address (such as www.example.com).</extracomment>
        <translation>Jetzt %1 besuchen</translation>
    </message>
    <message>
        <source>Veltro Weight Loss Calculator icon</source>
        <extracomment>Exit screen: what a screen reader calls the program&apos;s icon at the top left. &quot;Veltro&quot; is the product&apos;s name.</extracomment>
        <translation>Symbol des Veltro Abnehmrechners</translation>
    </message>
</context>
<context>
    <name>FigureText</name>
    <message>
        <source>%1 calories (%2 kJ)</source>
        <extracomment>A daily intake; %1 is the calories, %2 the same in kilojoules</extracomment>
        <translation>%1 Kalorien (%2 kJ)</translation>
    </message>
    <message>
        <source>P.S: This software is only for entertainment purpose. Please consult your physician before going on any kind of diet.</source>
        <extracomment>The last line of the plan and of the progress report, on the screen, on paper and copied</extracomment>
        <translation>P.S.: Diese Software dient nur der Unterhaltung. Bitte fragen Sie Ihren Arzt, bevor Sie mit einer Diät beginnen.</translation>
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
            <numerusform>%n Tag</numerusform>
            <numerusform>%n Tage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n Tag</numerusform>
            <numerusform>%n Tage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n week</source>
        <translation>
            <numerusform>%n Woche</numerusform>
            <numerusform>%n Wochen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n weeks</source>
        <translation>
            <numerusform>%n Woche</numerusform>
            <numerusform>%n Wochen</numerusform>
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
        <translation>%1 kg (%2 lb) pro Tag</translation>
    </message>
    <message>
        <source>%1 lb a day</source>
        <extracomment>A daily loss in pounds</extracomment>
        <translation>%1 lb pro Tag</translation>
    </message>
    <message>
        <source>%1 kg (%2 lb) a week</source>
        <extracomment>A weekly loss: %1 in kilograms, %2 in pounds</extracomment>
        <translation>%1 kg (%2 lb) pro Woche</translation>
    </message>
    <message>
        <source>%1 lb a week</source>
        <extracomment>A weekly loss in pounds</extracomment>
        <translation>%1 lb pro Woche</translation>
    </message>
</context>
<context>
    <name>ImportPreviewDialog</name>
    <message numerus="yes">
        <source>%n weigh-in</source>
        <extracomment>The number of weigh-ins a file adds, in the sentence &quot;%1 adds %2 and replaces...&quot; at the top of the import dialog; English writes the form of one</extracomment>
        <translation>
            <numerusform>%n Wiegung</numerusform>
            <numerusform>%n Wiegungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n weigh-ins</source>
        <extracomment>The number of weigh-ins a file adds, in the sentence &quot;%1 adds %2 and replaces...&quot; at the top of the import dialog; English writes the form of more than one</extracomment>
        <translation>
            <numerusform>%n Wiegung</numerusform>
            <numerusform>%n Wiegungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 adds %2 and replaces %n (a weigh-in of the same day, of another weight).</source>
        <extracomment>First sentence at the top of the import dialog: %1 is the file&apos;s name, %2 the number of weigh-ins it adds, such as &quot;3 weigh-ins&quot;, and %n the number of weigh-ins of the journal it replaces</extracomment>
        <translation>
            <numerusform>%1 fügt %2 hinzu und ersetzt %n vorhandene Wiegung (gleicher Tag, anderes Gewicht).</numerusform>
            <numerusform>%1 fügt %2 hinzu und ersetzt %n vorhandene Wiegungen (gleicher Tag, anderes Gewicht).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n is there already.</source>
        <extracomment>Sentence of the import dialog: the number of weigh-ins of the file that the journal holds already; English writes the form of one</extracomment>
        <translation>
            <numerusform>%n ist bereits vorhanden.</numerusform>
            <numerusform>%n sind bereits vorhanden.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n are there already.</source>
        <extracomment>Sentence of the import dialog: the number of weigh-ins of the file that the journal holds already; English writes the form of more than one</extracomment>
        <translation>
            <numerusform>%n ist bereits vorhanden.</numerusform>
            <numerusform>%n sind bereits vorhanden.</numerusform>
        </translation>
    </message>
    <message>
        <source>There is nothing to import.</source>
        <extracomment>Sentence of the import dialog when the file adds and replaces no weigh-in</extracomment>
        <translation>Es gibt nichts zu importieren.</translation>
    </message>
    <message numerus="yes">
        <source>%n line is left out:</source>
        <extracomment>Last sentence at the top of the import dialog; the lines left out, each with its reason, are listed below it. English writes the form of one</extracomment>
        <translation>
            <numerusform>%n Zeile wird ausgelassen:</numerusform>
            <numerusform>%n Zeilen werden ausgelassen:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines are left out:</source>
        <extracomment>Last sentence at the top of the import dialog; the lines left out, each with its reason, are listed below it. English writes the form of more than one</extracomment>
        <translation>
            <numerusform>%n Zeile wird ausgelassen:</numerusform>
            <numerusform>%n Zeilen werden ausgelassen:</numerusform>
        </translation>
    </message>
    <message>
        <source>Import Weigh-ins - Veltro Weight Loss Calculator</source>
        <extracomment>Caption of the dialog that shows what an import of weigh-ins will do, before the person imports</extracomment>
        <translation>Wiegungen importieren - Veltro Abnehmrechner</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <extracomment>A line of the file the import leaves out, in the list of the import dialog: %1 is its number in the file and %2 the reason</extracomment>
        <translation>Zeile %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more.</source>
        <extracomment>End of the list of lines left out in the import dialog where it is too long to show whole; %n is the number of lines not shown</extracomment>
        <translation>
            <numerusform>... und %n weitere.</numerusform>
            <numerusform>... und %n weitere.</numerusform>
        </translation>
    </message>
    <message>
        <source>Lines left out</source>
        <extracomment>Name of the list of lines left out in the import dialog, read by a screen reader</extracomment>
        <translation>Ausgelassene Zeilen</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <extracomment>Button of the import dialog that stores the weigh-ins of the file</extracomment>
        <translation>&amp;Importieren</translation>
    </message>
</context>
<context>
    <name>JournalCommands</name>
    <message>
        <source>standard input</source>
        <extracomment>Stands for the file name in the messages of --import-csv - when the file is read from standard input.</extracomment>
        <translation>Standardeingabe</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <extracomment>%1 is the file given to --import-csv, %2 the system&apos;s reason.</extracomment>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 is too large to be a file of weigh-ins.</source>
        <extracomment>%1 is the file given to --import-csv.</extracomment>
        <translation>%1 ist zu groß für eine Datei mit Wiegungen.</translation>
    </message>
    <message>
        <source>%1 cannot be imported: %2 Import it once from the progress window (Import Weigh-ins), which asks which column is the date, which the weight and how the dates are written, and remembers it for files with these columns; or name the columns date and weight and write the dates as YYYY-MM-DD.</source>
        <extracomment>%1 is the file given to --import-csv, %2 why its columns are not understood (a sentence). &quot;Import Weigh-ins&quot; is the button of the progress window: use its translation. Keep the column names date and weight and YYYY-MM-DD: the program reads them so.</extracomment>
        <translation>%1 kann nicht importiert werden: %2 Importieren Sie die Datei einmal über das Fortschrittsfenster (Wiegungen importieren): Dort wird gefragt, welche Spalte das Datum und welche das Gewicht enthält und wie die Datumsangaben geschrieben sind, und dies wird für Dateien mit diesen Spalten gespeichert. Oder nennen Sie die Spalten date und weight und schreiben Sie die Datumsangaben als YYYY-MM-DD.</translation>
    </message>
    <message>
        <source>%1 cannot be imported: %2</source>
        <extracomment>%1 is the file given to --import-csv, %2 the reason.</extracomment>
        <translation>%1 kann nicht importiert werden: %2</translation>
    </message>
    <message>
        <source>%1 has no line that reads as a weigh-in: nothing was stored.</source>
        <extracomment>%1 is the file given to --import-csv.</extracomment>
        <translation>%1 enthält keine Zeile, die sich als Wiegung lesen lässt: Es wurde nichts gespeichert.</translation>
    </message>
    <message numerus="yes">
        <source>%n weigh-in</source>
        <extracomment>Part of the answer of --import-csv: how many weigh-ins were added.</extracomment>
        <translation>
            <numerusform>%n Wiegung</numerusform>
            <numerusform>%n Wiegungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n weigh-ins</source>
        <extracomment>Part of the answer of --import-csv: how many weigh-ins were added.</extracomment>
        <translation>
            <numerusform>%n Wiegung</numerusform>
            <numerusform>%n Wiegungen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2 added, %3 replaced, %4 unchanged.
</source>
        <extracomment>The answer of --import-csv: %1 is the file, %2 the weigh-ins added (as &quot;3 weigh-ins&quot;), %3 and %4 the numbers replaced and unchanged.</extracomment>
        <translation>%1: %2 hinzugefügt, %3 ersetzt, %4 unverändert.
</translation>
    </message>
    <message numerus="yes">
        <source>%n line</source>
        <extracomment>Part of the answer of --import-csv: how many lines of the file were left out.</extracomment>
        <translation>
            <numerusform>%n Zeile</numerusform>
            <numerusform>%n Zeilen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines</source>
        <extracomment>Part of the answer of --import-csv: how many lines were left out.</extracomment>
        <translation>
            <numerusform>%n Zeile</numerusform>
            <numerusform>%n Zeilen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2 added, %3 replaced, %4 unchanged, %5 left out.
</source>
        <extracomment>The answer of --import-csv: %1 is the file, %2 the weigh-ins added (as &quot;3 weigh-ins&quot;), %3 and %4 the numbers replaced and unchanged, %5 the lines left out (as &quot;2 lines&quot;).</extracomment>
        <translation>%1: %2 hinzugefügt, %3 ersetzt, %4 unverändert, %5 ausgelassen.
</translation>
    </message>
    <message>
        <source>%1 is not a date: write the day as YYYY-MM-DD, such as 2026-12-01.</source>
        <extracomment>The value of --date is not a day; %1 is what was typed. Keep YYYY-MM-DD and 2026-12-01 as they are.</extracomment>
        <translation>%1 ist kein Datum: Schreiben Sie den Tag als YYYY-MM-DD, z. B. 2026-12-01.</translation>
    </message>
    <message>
        <source>%1 is in the future: a weigh-in is kept for today or a day before.</source>
        <extracomment>%1 is the day given with --date, as YYYY-MM-DD.</extracomment>
        <translation>%1 liegt in der Zukunft: Eine Wiegung wird für heute oder einen früheren Tag gespeichert.</translation>
    </message>
    <message>
        <source>Stored %1 for %2, replacing %3.</source>
        <extracomment>The answer of --add-weight. %1 is the weight stored, as &quot;172.4 lb (78.2 kg)&quot;; %2 the day as YYYY-MM-DD; %3 the weight it replaced, written as %1.</extracomment>
        <translation>%1 für %2 gespeichert; ersetzt wurde %3.</translation>
    </message>
    <message>
        <source>Stored %1 for %2, which the journal had already.</source>
        <extracomment>The answer of --add-weight. %1 is the weight stored, as &quot;172.4 lb (78.2 kg)&quot;; %2 the day.</extracomment>
        <translation>%1 für %2 gespeichert; das Tagebuch enthielt diesen Wert bereits.</translation>
    </message>
    <message>
        <source>Stored %1 for %2.</source>
        <extracomment>The answer of --add-weight. %1 is the weight stored, as &quot;172.4 lb (78.2 kg)&quot;; %2 the day.</extracomment>
        <translation>%1 für %2 gespeichert.</translation>
    </message>
    <message>
        <source>%1 is your journal of weigh-ins (%2): the weigh-ins are exported to another file. Nothing was written.</source>
        <extracomment>The file given to --export-csv is the journal itself: %1 as given, %2 the journal&apos;s full path.</extracomment>
        <translation>%1 ist Ihr Tagebuch der Wiegungen (%2): Exportieren Sie die Wiegungen in eine andere Datei. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>cannot write the weigh-ins to %1</source>
        <extracomment>%1 is the file and the system&apos;s reason, as &quot;out.csv: Permission denied&quot;.</extracomment>
        <translation>die Wiegungen können nicht in %1 geschrieben werden</translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n weigh-in to %1.
</source>
        <extracomment>The answer of --export-csv; %1 is the file written.</extracomment>
        <translation>
            <numerusform>%n Wiegung in %1 geschrieben.
</numerusform>
            <numerusform>%n Wiegungen in %1 geschrieben.
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n weigh-ins to %1.
</source>
        <translation>
            <numerusform>%n Wiegung in %1 geschrieben.
</numerusform>
            <numerusform>%n Wiegungen in %1 geschrieben.
</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>JournalMessages</name>
    <message>
        <source>The journal %1 could not be written: %2</source>
        <extracomment>%1 is the journal&apos;s path, %2 the reason</extracomment>
        <translation>Das Tagebuch %1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The weigh-ins could not be written to %1: %2</source>
        <extracomment>%1 is the journal&apos;s path, %2 the reason</extracomment>
        <translation>Die Wiegungen konnten nicht in %1 geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The plan could not be written to %1: %2</source>
        <extracomment>%1 is the journal&apos;s path, %2 the reason</extracomment>
        <translation>Der Plan konnte nicht in %1 geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The preference could not be written to %1: %2</source>
        <extracomment>%1 is the journal&apos;s path, %2 the reason</extracomment>
        <translation>Die Einstellung konnte nicht in %1 geschrieben werden: %2</translation>
    </message>
    <message>
        <source>it could not be made: %1</source>
        <extracomment>Why the journal cannot be opened, after its path. %1 is the reason</extracomment>
        <translation>es konnte nicht angelegt werden: %1</translation>
    </message>
    <message>
        <source>a folder</source>
        <extracomment>What stands where the journal&apos;s file should be, in &quot;it is %1, not a file&quot;</extracomment>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a FIFO (named pipe)</source>
        <extracomment>What stands where the journal&apos;s file should be, in &quot;it is %1, not a file&quot;</extracomment>
        <translation>ein FIFO (benannte Pipe)</translation>
    </message>
    <message>
        <source>a socket</source>
        <extracomment>What stands where the journal&apos;s file should be, in &quot;it is %1, not a file&quot;</extracomment>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>a device</source>
        <extracomment>What stands where the journal&apos;s file should be, in &quot;it is %1, not a file&quot;</extracomment>
        <translation>ein Gerät</translation>
    </message>
    <message>
        <source>a link</source>
        <extracomment>What stands where the journal&apos;s file should be, in &quot;it is %1, not a file&quot;</extracomment>
        <translation>ein Link</translation>
    </message>
    <message>
        <source>no regular file</source>
        <extracomment>What stands where the journal&apos;s file should be, in &quot;it is %1, not a file&quot;</extracomment>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>Your weigh-ins cannot be kept: %1: %2</source>
        <extracomment>Why the journal cannot be opened. %1 is a path (the journal&apos;s file or folder), %2 the reason, a clause that starts with a small letter (&quot;it cannot be written (...)&quot;)</extracomment>
        <translation>Ihre Wiegungen können nicht gespeichert werden: %1: %2</translation>
    </message>
    <message>
        <source>The journal %1 was written by a newer version of this program (journal version %2; this version reads up to %3). It was left as it is: the newer version can open it.</source>
        <extracomment>%1 is the journal&apos;s path, %2 the version of the journal, %3 the highest version this program reads</extracomment>
        <translation>Das Tagebuch %1 wurde von einer neueren Version dieses Programms geschrieben (Tagebuchversion %2; diese Version liest bis Version %3). Es wurde unverändert gelassen: Die neuere Version kann es öffnen.</translation>
    </message>
    <message>
        <source>%1 was a link to %2, not a journal of its own: the link was moved to %3 and a new journal was started; %2 was left as it is.</source>
        <extracomment>%1 is the journal&apos;s path, %2 the file the link pointed to, %3 the path the link was moved to</extracomment>
        <translation>%1 war ein Link auf %2, kein eigenes Tagebuch: Der Link wurde nach %3 verschoben und ein neues Tagebuch angelegt; %2 blieb unverändert.</translation>
    </message>
    <message>
        <source>%1 was damaged or no journal of this program: it was moved to %2 and a new journal was started.</source>
        <extracomment>%1 is the journal&apos;s path, %2 the path it was moved to</extracomment>
        <translation>%1 war beschädigt oder kein Tagebuch dieses Programms: Die Datei wurde nach %2 verschoben und ein neues Tagebuch angelegt.</translation>
    </message>
    <message>
        <source>it cannot be written (%1)</source>
        <extracomment>Why the journal failed, after &quot;%1: &quot; naming its path. %1 is the database&apos;s own words</extracomment>
        <translation>es kann nicht geschrieben werden (%1)</translation>
    </message>
    <message>
        <source>it kept changing while it was being opened</source>
        <extracomment>Why the journal cannot be opened, after its path</extracomment>
        <translation>es hat sich beim Öffnen ständig verändert</translation>
    </message>
    <message>
        <source>(no folder)</source>
        <extracomment>Stands in the place of the journal&apos;s path in a message when there is none</extracomment>
        <translation>(kein Ordner)</translation>
    </message>
    <message>
        <source>the system names no folder for the program&apos;s data</source>
        <extracomment>Why the journal cannot be opened, after &quot;(no folder)&quot;</extracomment>
        <translation>das System nennt keinen Ordner für die Daten des Programms</translation>
    </message>
    <message>
        <source>it is %1, not a file, and was left as it is; move it away for a journal to be started there</source>
        <extracomment>Why the journal cannot be opened, after its path. %1 is what stands there, as &quot;a folder&quot;</extracomment>
        <translation>es ist %1, keine Datei, und wurde unverändert gelassen; verschieben Sie es, damit dort ein Tagebuch angelegt werden kann</translation>
    </message>
    <message>
        <source>it is %1 where the journal keeps a file of its own, and was left as it is; move it away for the journal to be opened</source>
        <extracomment>Why the journal cannot be opened, after the path of a file SQLite keeps beside it. %1 is what stands there, as &quot;a folder&quot;</extracomment>
        <translation>es ist %1 an der Stelle, an der das Tagebuch eine eigene Datei ablegt, und wurde unverändert gelassen; verschieben Sie es, damit das Tagebuch geöffnet werden kann</translation>
    </message>
    <message>
        <source>Weigh-ins cannot be added or changed: %1 cannot be written (%2).</source>
        <extracomment>%1 is the journal&apos;s file or folder, %2 the system&apos;s reason</extracomment>
        <translation>Wiegungen können nicht hinzugefügt oder geändert werden: %1 kann nicht geschrieben werden (%2).</translation>
    </message>
    <message>
        <source>it is damaged or no journal of this program, and could not be moved to %1: %2</source>
        <extracomment>Why the journal cannot be opened, after its path. %1 is the path it was to be moved to, %2 the system&apos;s reason</extracomment>
        <translation>es ist beschädigt oder kein Tagebuch dieses Programms und konnte nicht nach %1 verschoben werden: %2</translation>
    </message>
    <message>
        <source>it could not be moved to %1: %2</source>
        <extracomment>Why the journal cannot be opened, after the path of a file beside it. %1 is the path it was to be moved to, %2 the system&apos;s reason</extracomment>
        <translation>es konnte nicht nach %1 verschoben werden: %2</translation>
    </message>
    <message>
        <source>it is a link to %1, and could not be moved to %2: %3</source>
        <extracomment>Why the journal cannot be opened, after its path. %1 is the file the link points to, %2 the path it was to be moved to, %3 the system&apos;s reason</extracomment>
        <translation>es ist ein Link auf %1 und konnte nicht nach %2 verschoben werden: %3</translation>
    </message>
    <message>
        <source>the toolkit&apos;s SQLite driver is missing (package libqt6sql6-sqlite)</source>
        <extracomment>Why the journal cannot be opened, after its path. libqt6sql6-sqlite is the name of a package: keep it</extracomment>
        <translation>der SQLite-Treiber des Toolkits fehlt (Paket libqt6sql6-sqlite)</translation>
    </message>
    <message>
        <source>it is no journal of this program, and cannot be moved aside</source>
        <extracomment>Why the journal cannot be opened, after its path</extracomment>
        <translation>es ist kein Tagebuch dieses Programms und kann nicht beiseitegeschoben werden</translation>
    </message>
    <message>
        <source>SQLite would not keep it in WAL mode</source>
        <extracomment>Why the journal cannot be opened, after its path. WAL is SQLite&apos;s name of a way to keep a database</extracomment>
        <translation>SQLite konnte es nicht im WAL-Modus führen</translation>
    </message>
    <message>
        <source>its upgrade to version %1 failed: %2</source>
        <extracomment>Why the journal cannot be opened, after its path. %1 is the journal version it was to reach, %2 the reason</extracomment>
        <translation>die Aktualisierung auf Version %1 ist fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>The weigh-ins could not be read from %1: %2</source>
        <extracomment>%1 is the journal&apos;s path, %2 the reason</extracomment>
        <translation>Die Wiegungen konnten nicht aus %1 gelesen werden: %2</translation>
    </message>
    <message>
        <source>The date is not a day of the calendar.</source>
        <extracomment>Why a weigh-in could not be removed</extracomment>
        <translation>Das Datum ist kein gültiger Kalendertag.</translation>
    </message>
    <message>
        <source>The weigh-ins of %1 were changed since; nothing was written.</source>
        <extracomment>%1 names the days, as 2026-12-08, 2026-12-09</extracomment>
        <translation>Die Wiegungen für %1 wurden inzwischen geändert; es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>The plans could not be read from %1: %2</source>
        <extracomment>%1 is the journal&apos;s path, %2 the reason</extracomment>
        <translation>Die Pläne konnten nicht aus %1 gelesen werden: %2</translation>
    </message>
    <message>
        <source>The plan has no start date, time frame or weights to keep.</source>
        <extracomment>Why a plan could not be followed: it lacks what the journal keeps of it</extracomment>
        <translation>Dem Plan fehlen Startdatum, Zeitraum oder Gewichte zum Speichern.</translation>
    </message>
    <message>
        <source>The preferences could not be read from %1: %2</source>
        <extracomment>%1 is the journal&apos;s path, %2 the reason</extracomment>
        <translation>Die Einstellungen konnten nicht aus %1 gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>KeyFilters</name>
    <message>
        <source>Please Enter Only Alphabet</source>
        <extracomment>Message box over the main window when a character other than a letter is typed into the name box; one short line</extracomment>
        <translation>Bitte nur Buchstaben eingeben</translation>
    </message>
    <message>
        <source>Please Enter Only Number !</source>
        <extracomment>Message box over the main window (or the progress window&apos;s weigh-in box) when a character other than a digit is typed into a box of figures; one short line</extracomment>
        <translation>Bitte nur Ziffern eingeben!</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Calculate</source>
        <extracomment>Main window: the wide button under the details, 569 px wide, bold.</extracomment>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>Main window: a button below the visible area, never seen; a screen reader reads it and its access key works. 139 px wide.</extracomment>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Enter the following personal details</source>
        <extracomment>Main window: caption of the frame around all the details, on its top edge; the frame is 569 px wide.</extracomment>
        <translation>Bitte geben Sie Ihre persönlichen Daten ein</translation>
    </message>
    <message>
        <source>Your Weight in Pound/Kg</source>
        <extracomment>Main window: caption of the frame around the two weight boxes, on its top edge; the frame is 203 px wide.</extracomment>
        <translation>Ihr Gewicht in Pfund/kg</translation>
    </message>
    <message>
        <source>Weight in kilograms</source>
        <extracomment>Main window: what a screen reader calls the box of the weight in kilograms.</extracomment>
        <translation>Gewicht in Kilogramm</translation>
    </message>
    <message>
        <source>Weight in pounds</source>
        <extracomment>Main window: what a screen reader calls the box of the weight in pounds.</extracomment>
        <translation>Gewicht in Pfund</translation>
    </message>
    <message>
        <source>Kg</source>
        <extracomment>Main window: unit beside a kilogram box, 15 px wide; keep it as short as &quot;Kg&quot;.</extracomment>
        <translation>kg</translation>
    </message>
    <message>
        <source>Pound</source>
        <extracomment>Main window: unit beside a pound box, 35 px wide; keep it as short as &quot;Pound&quot;.</extracomment>
        <translation>Pfund</translation>
    </message>
    <message>
        <source>Age</source>
        <extracomment>Main window: caption of the frame around the age list, on its top edge; the frame is 155 px wide. Also what a screen reader calls the list.
----------
Main window: what a screen reader calls the age list; also the caption of its frame, 155 px wide.</extracomment>
        <translation>Alter</translation>
    </message>
    <message>
        <source>Years</source>
        <extracomment>Main window: unit beside the age list, 32 px wide; keep it as short as &quot;Years&quot;.</extracomment>
        <translation>Jahre</translation>
    </message>
    <message>
        <source>How much time do you have? </source>
        <extracomment>Main window: caption of the frame around the list of days, on its top edge; the frame is 259 px wide. The space at the end is part of the caption.</extracomment>
        <translation>Wie viel Zeit haben Sie? </translation>
    </message>
    <message>
        <source>Time frame in days</source>
        <extracomment>Main window: what a screen reader calls the list of days to lose the weight in.</extracomment>
        <translation>Zeitraum in Tagen</translation>
    </message>
    <message>
        <source>Days</source>
        <extracomment>Main window: unit beside the list of days, 29 px wide; keep it as short as &quot;Days&quot;.</extracomment>
        <translation>Tage</translation>
    </message>
    <message>
        <source>How much weight do you wish to lose?</source>
        <extracomment>Main window: caption of the frame around the two boxes of the weight to lose, on its top edge; the frame is 275 px wide.</extracomment>
        <translation>Wie viel möchten Sie abnehmen?</translation>
    </message>
    <message>
        <source>Weight to lose in kilograms</source>
        <extracomment>Main window: what a screen reader calls the box of the weight to lose in kilograms.</extracomment>
        <translation>Abzunehmendes Gewicht in Kilogramm</translation>
    </message>
    <message>
        <source>Weight to lose in pounds</source>
        <extracomment>Main window: what a screen reader calls the box of the weight to lose in pounds.</extracomment>
        <translation>Abzunehmendes Gewicht in Pfund</translation>
    </message>
    <message>
        <source>Level of Daily Activity</source>
        <extracomment>Main window: caption of the frame around the activity list, on its top edge; the frame is 539 px wide.</extracomment>
        <translation>Tägliches Aktivitätsniveau</translation>
    </message>
    <message>
        <source>Level of daily activity</source>
        <extracomment>Main window: what a screen reader calls the list of levels of daily activity.</extracomment>
        <translation>Tägliches Aktivitätsniveau</translation>
    </message>
    <message>
        <source>Your Height</source>
        <extracomment>Main window: caption of the frame around the height lists (or the centimetre box), on its top edge; the frame is 211 px wide.</extracomment>
        <translation>Ihre Größe</translation>
    </message>
    <message>
        <source>Height in inches</source>
        <extracomment>Main window: what a screen reader calls the list of the height&apos;s inches.</extracomment>
        <translation>Größe in Zoll</translation>
    </message>
    <message>
        <source>Height in feet</source>
        <extracomment>Main window: what a screen reader calls the list of the height&apos;s feet.</extracomment>
        <translation>Größe in Fuß</translation>
    </message>
    <message>
        <source>inch</source>
        <extracomment>Main window: unit beside the list of the height&apos;s inches, 23 px wide; keep it as short as &quot;inch&quot;. The small letter is as the window has always had it.</extracomment>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>Feet</source>
        <extracomment>Main window: unit beside the list of the height&apos;s feet, 24 px wide; keep it as short as &quot;Feet&quot;.</extracomment>
        <translation>Fuß</translation>
    </message>
    <message>
        <source>Height in centimetres</source>
        <extracomment>Main window: what a screen reader calls the box of the height in centimetres.</extracomment>
        <translation>Größe in Zentimetern</translation>
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
        <translation>Geschlecht</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>Main window: caption of the frame around the name box, on its top edge; the frame is 371 px wide. Also what a screen reader calls the box.
----------
Main window: what a screen reader calls the name box; also the caption of its frame, 371 px wide.</extracomment>
        <translation>Name</translation>
    </message>
    <message>
        <source>Do you feel you are overweight and need to lose weight? Do you need to lose weight in a fixed time period? Do you need to control your diet? Know more about the right calorie intake based on your level of daily physical activity with Veltro Weight Loss Calculator. Enter the following personal details to get started.</source>
        <extracomment>Main window: the introduction under the banner, centred in bold 9 pt in a box of 553 x 57 px (four lines at most). &quot;Veltro&quot; is the product&apos;s name.</extracomment>
        <translation>Fühlen Sie sich übergewichtig und möchten abnehmen? Müssen Sie in einer bestimmten Zeit abnehmen? Möchten Sie Ihre Ernährung kontrollieren? Erfahren Sie mit dem Veltro Abnehmrechner, wie viele Kalorien Sie bei Ihrer täglichen Aktivität zu sich nehmen sollten. Geben Sie dazu Ihre persönlichen Daten ein.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Calculate Again</source>
        <extracomment>File menu of the results window: back to the main window to change the details. It has no access key, as it never had one.</extracomment>
        <translation>Neu berechnen</translation>
    </message>
    <message>
        <source>&amp;See Your Plan...</source>
        <extracomment>File menu of the results window: opens the plan window.</extracomment>
        <translation>Ihren Plan ans&amp;ehen...</translation>
    </message>
    <message>
        <source>&amp;Print Your Plan...</source>
        <extracomment>File menu of the results window: prints the plan after the print dialog.</extracomment>
        <translation>Ihren &amp;Plan drucken...</translation>
    </message>
    <message>
        <source>Save Your Plan as P&amp;DF...</source>
        <extracomment>File menu of the results window: saves the plan as a PDF file after a file dialog.</extracomment>
        <translation>Ihren Plan als PDF &amp;speichern...</translation>
    </message>
    <message>
        <source>&amp;Copy Your Plan</source>
        <extracomment>File menu of the results window: puts the plan&apos;s text on the clipboard.</extracomment>
        <translation>Ihren Plan &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Follow Your Plan</source>
        <extracomment>File menu of the results window: keeps this plan as the one the progress window measures the weigh-ins against.</extracomment>
        <translation>Ihrem Plan &amp;folgen</translation>
    </message>
    <message>
        <source>Your P&amp;rogress...</source>
        <extracomment>File menu: opens the progress window, where weigh-ins are kept.</extracomment>
        <translation>Ihr Fo&amp;rtschritt...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>File menu: ends the program through the exit screen.</extracomment>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <extracomment>Help menu of the results window: opens the download page in the browser. The main window has the same command with another access key.</extracomment>
        <translation>Nach Software&amp;aktualisierung suchen</translation>
    </message>
    <message>
        <source>Calculate</source>
        <extracomment>File menu of the main window: checks the details and shows the results. It has no access key, as it never had one.</extracomment>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>Height in &amp;Centimetres</source>
        <extracomment>File menu of the main window, a check mark: the height is entered in centimetres in one box instead of feet and inches in two lists.</extracomment>
        <translation>Größe in &amp;Zentimetern</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <extracomment>Help menu of the main window: opens the download page in the browser. The results window has the same command with another access key.</extracomment>
        <translation>&amp;Nach Softwareaktualisierung suchen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <extracomment>Menu on the menu bar of the main and the results window. The menu bar holds File, Help, Donate and Make Money Online in one line of 569 px (main window).</extracomment>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>Menu on the menu bar of the main and the results window, beside File.</extracomment>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <extracomment>Help menu: opens the program&apos;s help pages in the browser.</extracomment>
        <translation>&amp;Online-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <extracomment>Help menu: opens the maker&apos;s home page in the browser.</extracomment>
        <translation>Unsere &amp;Website besuchen</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <extracomment>Help menu: shows the about box.</extracomment>
        <translation>&amp;Info über die Software</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <extracomment>Command on the menu bar itself, beside Help: opens the donation page in the browser. The menu bar holds File, Help, Donate and Make Money Online in one line.</extracomment>
        <translation>&amp;Spenden</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <extracomment>Command on the menu bar itself, last, always greyed out. The menu bar holds File, Help, Donate and Make Money Online in one line.</extracomment>
        <translation>&amp;Online Geld verdienen</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Veltro Weight Loss Calculator</source>
        <extracomment>Title of every message box. Veltro is the product&apos;s name: keep it as it is</extracomment>
        <translation>Veltro Abnehmrechner</translation>
    </message>
</context>
<context>
    <name>ModelText</name>
    <message>
        <source>The age is not a figure the model can use.</source>
        <translation>Das Alter ist kein Wert, mit dem das Modell rechnen kann.</translation>
    </message>
    <message>
        <source>The model is made for adults: it does not hold under 18 years.</source>
        <translation>Das Modell ist für Erwachsene gedacht: Unter 18 Jahren gilt es nicht.</translation>
    </message>
    <message>
        <source>The model does not hold past 125 years of age.</source>
        <translation>Das Modell gilt nicht für ein Alter über 125 Jahre.</translation>
    </message>
    <message>
        <source>The height is not a figure the model can use.</source>
        <translation>Die Größe ist kein Wert, mit dem das Modell rechnen kann.</translation>
    </message>
    <message>
        <source>The model needs a height above zero.</source>
        <translation>Das Modell braucht eine Größe über null.</translation>
    </message>
    <message>
        <source>The model holds for a height between 1 and 2.5 metres (3 ft 3 in and 8 ft 2 in).</source>
        <translation>Das Modell gilt für eine Größe zwischen 1 und 2,5 Metern (3 Fuß 3 Zoll und 8 Fuß 2 Zoll).</translation>
    </message>
    <message>
        <source>The weight is not a figure the model can use.</source>
        <translation>Das Gewicht ist kein Wert, mit dem das Modell rechnen kann.</translation>
    </message>
    <message>
        <source>The model needs a weight above zero.</source>
        <translation>Das Modell braucht ein Gewicht über null.</translation>
    </message>
    <message>
        <source>The model holds for a body mass index between 15 and 60; yours is far below that.</source>
        <translation>Das Modell gilt für einen Body-Mass-Index zwischen 15 und 60; Ihrer liegt weit darunter.</translation>
    </message>
    <message>
        <source>The model holds for a body mass index between 15 and 60; yours is far above that.</source>
        <translation>Das Modell gilt für einen Body-Mass-Index zwischen 15 und 60; Ihrer liegt weit darüber.</translation>
    </message>
    <message>
        <source>The model holds for a body mass index between 15 and 60; yours is %1.</source>
        <extracomment>%1 the person&apos;s body mass index</extracomment>
        <translation>Das Modell gilt für einen Body-Mass-Index zwischen 15 und 60; Ihrer beträgt %1.</translation>
    </message>
    <message>
        <source>The resting energy expenditure is not a figure the model can use.</source>
        <translation>Der Ruheenergieverbrauch ist kein Wert, mit dem das Modell rechnen kann.</translation>
    </message>
    <message>
        <source>The model needs a resting energy expenditure above zero.</source>
        <translation>Das Modell braucht einen Ruheenergieverbrauch über null.</translation>
    </message>
    <message>
        <source>The model cannot use a resting energy expenditure this low for your weight.</source>
        <translation>Das Modell kann einen so niedrigen Ruheenergieverbrauch für Ihr Gewicht nicht verwenden.</translation>
    </message>
    <message>
        <source>The model cannot use a resting energy expenditure this high for your weight.</source>
        <translation>Das Modell kann einen so hohen Ruheenergieverbrauch für Ihr Gewicht nicht verwenden.</translation>
    </message>
    <message>
        <source>The model holds for an activity level between 1.12 and 2.5 times the resting expenditure; yours is far outside that.</source>
        <translation>Das Modell gilt für ein Aktivitätsniveau zwischen dem 1,12- und dem 2,5-Fachen des Ruheenergieverbrauchs; Ihres liegt weit außerhalb.</translation>
    </message>
    <message>
        <source>The model holds for an activity level between 1.12 and 2.5 times the resting expenditure; yours is %1.</source>
        <extracomment>%1 the person&apos;s activity level, a multiple of the resting expenditure</extracomment>
        <translation>Das Modell gilt für ein Aktivitätsniveau zwischen dem 1,12- und dem 2,5-Fachen des Ruheenergieverbrauchs; Ihres beträgt %1.</translation>
    </message>
    <message>
        <source>A step of the calculation failed and kept an earlier figure, so the model has no fresh figures to start from.</source>
        <translation>Ein Rechenschritt ist fehlgeschlagen und hat einen früheren Wert beibehalten, daher hat das Modell keine aktuellen Werte als Ausgangspunkt.</translation>
    </message>
    <message>
        <source>The weight in pounds is not a figure the model can use.</source>
        <translation>Das Gewicht in Pfund ist kein Wert, mit dem das Modell rechnen kann.</translation>
    </message>
</context>
<context>
    <name>OfferTexts</name>
    <message>
        <source>The Most Popular Online Quillory Discussion Board. Best Resource For Everything Quillory. Visit %1 Now</source>
        <extracomment>Link across the top of the main window (544 px wide) and the results window (672 px), two lines at most; the windows do not grow. %1 is the forum&apos;s web address</extracomment>
        <translation>Das beliebteste Online-Forum zu Quillory. Die beste Quelle für alles rund um Quillory. Jetzt %1 besuchen</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <extracomment>Link in the band at the foot of the main window (543 px wide) and the results window (671 px), two or three lines at most; the windows do not grow. &quot;Help&quot; names the Help menu; the &quot;&amp;&quot; is shown as it is, not an access key</extracomment>
        <translation>Co-Branding dieser Software für Ihre Website.  Mehr Treue und Besucher für Ihre Website. Ihr Website-Name &amp;  Link hier. Details unter „Hilfe“.    Hier klicken für mehr zum Co-Branding.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <extracomment>Link in the band at the foot of the main window (543 px wide) and the results window (671 px), two or three lines at most; the windows do not grow</extracomment>
        <translation>Geschäftsidee für zu Hause. Gründen Sie Ihr eigenes Internetgeschäft und verdienen Sie online Geld. Diese Software komplett mit Ihrer Marke für Ihre Website. Hier klicken für Details.</translation>
    </message>
</context>
<context>
    <name>PersonalDetails</name>
    <message>
        <source>Male</source>
        <extracomment>First choice of the main window&apos;s gender list, 97 px wide; keep it as short as &quot;Male&quot;</extracomment>
        <translation>Männlich</translation>
    </message>
    <message>
        <source>Sedentary (Resting, sleeping, reclining)</source>
        <extracomment>A level of daily activity in the main window&apos;s list (521 px wide) and on the results window. Keep the form &quot;Level (examples)&quot;: the plan names the level by the words before &quot; (&quot;</extracomment>
        <translation>Sitzend (Ruhen, Schlafen, Liegen)</translation>
    </message>
    <message>
        <source>Lightly Active (Seated and standing activities, e.g. computer use)</source>
        <extracomment>A level of daily activity in the main window&apos;s list (521 px wide) and on the results window. Keep the form &quot;Level (examples)&quot;: the plan names the level by the words before &quot; (&quot;</extracomment>
        <translation>Leicht aktiv (Tätigkeiten im Sitzen und Stehen, z. B. am Computer)</translation>
    </message>
    <message>
        <source>Moderately Active (Some walking, garage work, house cleaning, child care)</source>
        <extracomment>A level of daily activity in the main window&apos;s list (521 px wide) and on the results window. Keep the form &quot;Level (examples)&quot;: the plan names the level by the words before &quot; (&quot;</extracomment>
        <translation>Mäßig aktiv (etwas Gehen, Werkstattarbeit, Hausputz, Kinderbetreuung)</translation>
    </message>
    <message>
        <source>Very Active (Fast walking, heavy gardening, manual labor, cycling, skiing, tennis)</source>
        <extracomment>A level of daily activity in the main window&apos;s list (521 px wide) and on the results window. Keep the form &quot;Level (examples)&quot;: the plan names the level by the words before &quot; (&quot;</extracomment>
        <translation>Sehr aktiv (zügiges Gehen, Gartenarbeit, körperliche Arbeit, Radfahren, Ski, Tennis)</translation>
    </message>
    <message>
        <source>Extremely Active (Walking with load uphill, basketball, climbing, football, soccer)</source>
        <extracomment>A level of daily activity in the main window&apos;s list (521 px wide) and on the results window. Keep the form &quot;Level (examples)&quot;: the plan names the level by the words before &quot; (&quot;</extracomment>
        <translation>Extrem aktiv (Gehen mit Last bergauf, Basketball, Klettern, Football, Fußball)</translation>
    </message>
    <message>
        <source>Female</source>
        <extracomment>Second choice of the main window&apos;s gender list, 97 px wide; keep it as short as &quot;Female&quot;</extracomment>
        <translation>Weiblich</translation>
    </message>
</context>
<context>
    <name>PlanDocument</name>
    <message>
        <source>Caution</source>
        <extracomment>Heading above the warnings of a plan (a loss too fast, an intake too low)</extracomment>
        <translation>Vorsicht</translation>
    </message>
    <message>
        <source>How these figures are computed</source>
        <extracomment>Heading above the numbered steps that explain the plan&apos;s figures</extracomment>
        <translation>So werden diese Zahlen berechnet</translation>
    </message>
    <message>
        <source>Other paces</source>
        <extracomment>Heading above the table of other weekly losses and the days each takes to the goal
----------
Heading above the list of other weekly losses and the days each takes to the goal</extracomment>
        <translation>Mit anderem Tempo</translation>
    </message>
    <message>
        <source>After the goal</source>
        <extracomment>Heading above what the person may eat once the goal weight is reached</extracomment>
        <translation>Nach Erreichen des Ziels</translation>
    </message>
    <message>
        <source>Your details</source>
        <extracomment>Heading above the details the person entered (name, age, weight...) at the end of the plan window&apos;s text</extracomment>
        <translation>Ihre Angaben</translation>
    </message>
</context>
<context>
    <name>PlanOutputText</name>
    <message>
        <source>Your plan</source>
        <extracomment>The plan as a message names it when it cannot be printed or saved: it stands at the start of &quot;%1 could not be printed.&quot; and &quot;%1 could not be saved as %2: %3&quot;</extracomment>
        <translation>Ihr Plan</translation>
    </message>
    <message>
        <source>Print Your Plan</source>
        <extracomment>Caption of the print dialog opened from the plan window</extracomment>
        <translation>Ihren Plan drucken</translation>
    </message>
    <message>
        <source>Save Your Plan as PDF</source>
        <extracomment>Caption of the file dialog that saves the plan as a PDF file</extracomment>
        <translation>Ihren Plan als PDF speichern</translation>
    </message>
</context>
<context>
    <name>PlanProblems</name>
    <message>
        <source>The model cannot follow a goal below no body weight.</source>
        <extracomment>Why the plan draws no curve of the body&apos;s model; follows &quot;...so it draws nothing: &quot;</extracomment>
        <translation>Das Modell kann kein Ziel unter null Körpergewicht verfolgen.</translation>
    </message>
    <message>
        <source>The model needs a daily intake above nothing.</source>
        <extracomment>Why the plan draws no curve of the body&apos;s model; follows &quot;...so it draws nothing: &quot;</extracomment>
        <translation>Das Modell braucht eine tägliche Kalorienzufuhr über null.</translation>
    </message>
    <message>
        <source>The model cannot follow this time frame.</source>
        <extracomment>Why the plan draws no curve of the body&apos;s model; follows &quot;...so it draws nothing: &quot;</extracomment>
        <translation>Das Modell kann diesen Zeitraum nicht abbilden.</translation>
    </message>
    <message>
        <source>At this intake the body would leave what the model holds for.</source>
        <extracomment>Why the plan draws no curve of the body&apos;s model; follows &quot;...so it draws nothing: &quot;</extracomment>
        <translation>Bei dieser Zufuhr würde der Körper den Bereich verlassen, für den das Modell gilt.</translation>
    </message>
    <message>
        <source>The figures of this plan are too large to compute, so it cannot be followed.</source>
        <extracomment>Message box when the person asks to follow a plan that cannot be followed</extracomment>
        <translation>Die Zahlen dieses Plans sind zu groß für eine Berechnung, daher kann ihm nicht gefolgt werden.</translation>
    </message>
    <message>
        <source>This plan has no weight to lose, so there is nothing to follow.</source>
        <extracomment>Message box when the person asks to follow a plan that cannot be followed</extracomment>
        <translation>Dieser Plan hat kein abzunehmendes Gewicht, daher gibt es nichts zu verfolgen.</translation>
    </message>
    <message>
        <source>This plan&apos;s goal leaves no body weight at all, so it cannot be followed: please choose a smaller goal.</source>
        <extracomment>Message box when the person asks to follow a plan that cannot be followed</extracomment>
        <translation>Das Ziel dieses Plans ließe kein Körpergewicht übrig, daher kann ihm nicht gefolgt werden: Bitte wählen Sie ein kleineres Ziel.</translation>
    </message>
    <message>
        <source>No daily intake reaches this plan&apos;s goal in its time, so it cannot be followed: please choose a longer time frame and calculate again.</source>
        <extracomment>Message box when the person asks to follow a plan that cannot be followed; &quot;calculate again&quot; is pressing the main window&apos;s Calculate button again</extracomment>
        <translation>Keine tägliche Kalorienzufuhr erreicht das Ziel dieses Plans in seinem Zeitraum, daher kann ihm nicht gefolgt werden: Bitte wählen Sie einen längeren Zeitraum und berechnen Sie neu.</translation>
    </message>
</context>
<context>
    <name>PlanText</name>
    <message>
        <source>%1: %2</source>
        <extracomment>A step of &quot;How these figures are computed&quot;: %1 is its name, %2 its arithmetic</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: the figures are too large to compute this step, so the calculation kept the figure it had before, %2. The steps below go on from it.</source>
        <extracomment>A step of &quot;How these figures are computed&quot; that could not be computed: %1 is its name, %2 the figure kept</extracomment>
        <translation>%1: Die Zahlen sind zu groß, um diesen Schritt zu berechnen, daher hat die Berechnung den vorherigen Wert beibehalten: %2. Die folgenden Schritte rechnen damit weiter.</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>%1 cm ÷ %2 = %3 in.</source>
        <translation>%1 cm ÷ %2 = %3 Zoll.</translation>
    </message>
    <message>
        <source>%1 ft × 12 + %2 in = %3 in.</source>
        <translation>%1 Fuß × 12 + %2 Zoll = %3 Zoll.</translation>
    </message>
    <message>
        <source>%1 in</source>
        <extracomment>A height in inches</extracomment>
        <translation>%1 Zoll</translation>
    </message>
    <message>
        <source>Basal energy (the Harris–Benedict equation for men)</source>
        <translation>Grundumsatz (Harris-Benedict-Formel für Männer)</translation>
    </message>
    <message>
        <source>Basal energy (the Harris–Benedict equation for women)</source>
        <translation>Grundumsatz (Harris-Benedict-Formel für Frauen)</translation>
    </message>
    <message>
        <source>%1 + %2 × %3 + %4 × %5 − %6 × %7 = %8 calories a day.</source>
        <extracomment>The basal energy from the equation: constant + per pound x weight + per inch x height - per year x age</extracomment>
        <translation>%1 + %2 × %3 + %4 × %5 − %6 × %7 = %8 Kalorien am Tag.</translation>
    </message>
    <message>
        <source>To keep your weight: %1 × %2 (%3) = %4, rounded to %5 calories a day (%6 kJ).</source>
        <extracomment>%1 basal energy, %2 the activity&apos;s multiple, %3 the activity&apos;s name, %4 the product, %5 and %6 the same rounded, in calories and kilojoules</extracomment>
        <translation>Um Ihr Gewicht zu halten: %1 × %2 (%3) = %4, gerundet auf %5 Kalorien am Tag (%6 kJ).</translation>
    </message>
    <message>
        <source>To keep your weight</source>
        <translation>Um Ihr Gewicht zu halten</translation>
    </message>
    <message>
        <source>%1 calories a day</source>
        <translation>%1 Kalorien am Tag</translation>
    </message>
    <message>
        <source>Daily loss</source>
        <translation>Tägliche Abnahme</translation>
    </message>
    <message>
        <source>%1 lb ÷ %2 = %3 lb a day (%4 rounded to two decimals).</source>
        <extracomment>%1 pounds to lose divided by %2 (a count of days) gives %3 pounds a day, %4 before rounding</extracomment>
        <translation>%1 lb ÷ %2 = %3 lb pro Tag (%4, auf zwei Dezimalstellen gerundet).</translation>
    </message>
    <message>
        <source>%1 lb ÷ %2 = %3 lb a day.</source>
        <translation>%1 lb ÷ %2 = %3 lb pro Tag.</translation>
    </message>
    <message>
        <source>Daily deficit</source>
        <translation>Tägliches Defizit</translation>
    </message>
    <message>
        <source>%1 × 3500 = %2 calories a day, 3500 calories for every pound.</source>
        <extracomment>%1 pounds a day times 3500 gives %2 calories a day</extracomment>
        <translation>%1 × 3500 = %2 Kalorien am Tag, 3500 Kalorien pro Pfund.</translation>
    </message>
    <message>
        <source>%1 calories</source>
        <translation>%1 Kalorien</translation>
    </message>
    <message>
        <source>To reach your goal</source>
        <translation>Um Ihr Ziel zu erreichen</translation>
    </message>
    <message>
        <source>%1 − %2 = %3 calories a day (%4 kJ).</source>
        <translation>%1 − %2 = %3 Kalorien am Tag (%4 kJ).</translation>
    </message>
    <message>
        <source>%1 − %2 = %3: below nothing, so this intake cannot be achieved.</source>
        <translation>%1 − %2 = %3: weniger als null, daher ist diese Zufuhr nicht erreichbar.</translation>
    </message>
    <message>
        <source>You chose to lose nothing: the plan keeps your weight at %1.</source>
        <translation>Sie möchten nichts abnehmen: Der Plan hält Ihr Gewicht bei %1.</translation>
    </message>
    <message>
        <source>Losing %1 from %2 would leave no body weight, and no daily intake gives %3: it would take a deficit of %4 calories a day, more than the %5 calories that keep your weight.</source>
        <extracomment>%1 the weight to lose, %2 the weight now, %3 the daily loss, %4 and %5 calories</extracomment>
        <translation>%1 von %2 abzunehmen ließe kein Körpergewicht übrig, und keine tägliche Kalorienzufuhr ergibt %3: Dafür wäre ein Defizit von %4 Kalorien am Tag nötig, mehr als die %5 Kalorien, mit denen Sie Ihr Gewicht halten.</translation>
    </message>
    <message>
        <source>No daily intake reaches your goal of %1 in %2: it would take %3, a deficit of %4 calories a day, more than the %5 calories that keep your weight.</source>
        <extracomment>%1 the goal weight, %2 a count of days, %3 the daily loss, %4 and %5 calories</extracomment>
        <translation>Keine tägliche Kalorienzufuhr erreicht Ihr Ziel von %1 in der gewählten Zeit (%2): Dafür wären %3 nötig, ein Defizit von %4 Kalorien am Tag, mehr als die %5 Kalorien, mit denen Sie Ihr Gewicht halten.</translation>
    </message>
    <message>
        <source>%1 lb ÷ %2 rounds to 0.00 lb a day, so the plan keeps your weight at %3: the goal of %4 is not reached in this time.</source>
        <extracomment>%1 the pounds to lose, %2 a count of days, %3 the weight now, %4 the goal weight</extracomment>
        <translation>%1 lb ÷ %2 ergibt gerundet 0,00 lb pro Tag, daher hält der Plan Ihr Gewicht bei %3: Das Ziel von %4 wird in dieser Zeit nicht erreicht.</translation>
    </message>
    <message>
        <source>At %1 the weight would reach nothing before day %2 of %3, so the line and the table stop there.</source>
        <extracomment>%1 the daily loss, %2 the day the weight reaches nothing, %3 the days of the plan</extracomment>
        <translation>Bei %1 würde das Gewicht vor Tag %2 von %3 auf null sinken, daher enden die Linie und die Tabelle dort.</translation>
    </message>
    <message>
        <source>At %1 you would weigh %2 on %3 (day %4), and the goal lies below no weight at all.</source>
        <extracomment>%1 the daily loss, %2 a weight, %3 a date, %4 the day of the plan</extracomment>
        <translation>Bei %1 läge Ihr Gewicht am %3 (Tag %4) bei %2, und das Ziel liegt unter null Körpergewicht.</translation>
    </message>
    <message>
        <source>%1 (day %2)</source>
        <extracomment>The plan&apos;s last day: %1 its date, %2 its number</extracomment>
        <translation>%1 (Tag %2)</translation>
    </message>
    <message>
        <source>At %1 you reach your goal of %2 on %3.</source>
        <extracomment>%1 the daily loss, %2 the goal weight, %3 the date and day</extracomment>
        <translation>Bei %1 erreichen Sie Ihr Ziel von %2 am %3.</translation>
    </message>
    <message>
        <source>At %1 you would weigh %2 on %3, %4 above your goal of %5: %6 are lost, %4 less than the %7 asked, because %1 is rounded down from %8.</source>
        <extracomment>%1 the daily loss, %2 the weight reached, %3 the date and day, %4 the difference, %5 the goal, %6 the weight lost, %7 the weight asked to lose, %8 the daily loss before rounding</extracomment>
        <translation>Bei %1 läge Ihr Gewicht am %3 bei %2, %4 über Ihrem Ziel von %5: Sie nehmen %6 ab, %4 weniger als die angestrebten %7, weil %8 auf %1 abgerundet wird.</translation>
    </message>
    <message>
        <source>At %1 you would weigh %2 on %3, %4 below your goal of %5: %6 are lost, %4 more than the %7 asked, because %1 is rounded up from %8.</source>
        <extracomment>%1 the daily loss, %2 the weight reached, %3 the date and day, %4 the difference, %5 the goal, %6 the weight lost, %7 the weight asked to lose, %8 the daily loss before rounding</extracomment>
        <translation>Bei %1 läge Ihr Gewicht am %3 bei %2, %4 unter Ihrem Ziel von %5: Sie nehmen %6 ab, %4 mehr als die angestrebten %7, weil %8 auf %1 aufgerundet wird.</translation>
    </message>
    <message>
        <source>%1 a day is below %2, the least that health services advise men to eat without a doctor&apos;s supervision.</source>
        <extracomment>%1 a daily intake, %2 the least calories advised</extracomment>
        <translation>%1 am Tag liegen unter %2 Kalorien, dem Minimum, das Männer laut Gesundheitsbehörden ohne ärztliche Aufsicht zu sich nehmen sollten.</translation>
    </message>
    <message>
        <source>%1 a day is below %2, the least that health services advise women to eat without a doctor&apos;s supervision.</source>
        <extracomment>%1 a daily intake, %2 the least calories advised</extracomment>
        <translation>%1 am Tag liegen unter %2 Kalorien, dem Minimum, das Frauen laut Gesundheitsbehörden ohne ärztliche Aufsicht zu sich nehmen sollten.</translation>
    </message>
    <message>
        <source>Losing %1 from %2 leaves no body weight at all: please choose a smaller goal.</source>
        <extracomment>%1 the weight to lose, %2 the weight now</extracomment>
        <translation>%1 von %2 abzunehmen ließe kein Körpergewicht übrig: Bitte wählen Sie ein kleineres Ziel.</translation>
    </message>
    <message>
        <source>Losing %1 in %2 would take %3 a day, less than nothing, so it cannot be achieved.</source>
        <extracomment>%1 the weight to lose, %2 a count of days, %3 a daily intake</extracomment>
        <translation>Um %1 in der gewählten Zeit (%2) abzunehmen, wären %3 am Tag nötig, weniger als null, daher ist das nicht erreichbar.</translation>
    </message>
    <message>
        <source>%1 in %2 is %3, more than the 1 to 2 lb a week that health services advise.</source>
        <extracomment>%1 the weight to lose, %2 a count of days, %3 the weekly loss</extracomment>
        <translation>%1 verteilt auf %2 sind %3, mehr als die 1 bis 2 lb pro Woche, die Gesundheitsbehörden empfehlen.</translation>
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
        <translation>Das Modell stammt von Hall und Kollegen (The Lancet, 2011) und wird auch vom NIH Body Weight Planner verwendet.</translation>
    </message>
    <message>
        <source>It is made for adults and tells what an average body does, not a promise; it is not for pregnancy or illness.</source>
        <translation>Es ist für Erwachsene gedacht und beschreibt, was ein durchschnittlicher Körper tut; es ist kein Versprechen und gilt nicht bei Schwangerschaft oder Krankheit.</translation>
    </message>
    <message>
        <source>The model of how the body responds does not hold here, so it draws nothing: %1</source>
        <extracomment>%1 is the reason, a whole sentence</extracomment>
        <translation>Das Modell, das die Reaktion des Körpers beschreibt, gilt hier nicht, daher zeichnet es nichts: %1</translation>
    </message>
    <message>
        <source>At %1 a day the model expects about %2 on day %3, as the straight line does.</source>
        <extracomment>%1 a daily intake, %2 a weight, %3 a day of the plan</extracomment>
        <translation>Bei %1 am Tag erwartet das Modell an Tag %3 etwa %2, genau wie die gerade Linie.</translation>
    </message>
    <message>
        <source>At %1 a day the model expects about %2 on day %3, not the %4 of the straight line: the body first gives up water and stored glycogen, which weigh much for the calories they hold, then loses more slowly, as it gets lighter and burns less.</source>
        <extracomment>%1 a daily intake, %2 a weight, %3 a day of the plan, %4 the weight of the straight line</extracomment>
        <translation>Bei %1 am Tag erwartet das Modell an Tag %3 etwa %2, nicht die %4 der geraden Linie: Der Körper gibt zuerst Wasser und gespeichertes Glykogen ab, die für ihren Kaloriengehalt viel wiegen, und nimmt dann langsamer ab, weil er leichter wird und weniger verbrennt.</translation>
    </message>
    <message>
        <source>By the model, %1 a day reach %2 on day %3 (%4).</source>
        <extracomment>%1 a daily intake, %2 the goal weight, %3 a day of the plan, %4 its date</extracomment>
        <translation>Laut Modell erreichen Sie %2 an Tag %3 (%4), wenn Sie %1 am Tag zu sich nehmen.</translation>
    </message>
    <message>
        <source>It loses %1, more than the 1 to 2 lb a week that health services advise.</source>
        <extracomment>%1 a weekly loss</extracomment>
        <translation>Dabei nehmen Sie %1 ab, mehr als die 1 bis 2 lb pro Woche, die Gesundheitsbehörden empfehlen.</translation>
    </message>
    <message>
        <source>By the model, no daily intake reaches %1 on day %2.</source>
        <extracomment>%1 the goal weight, %2 a day of the plan</extracomment>
        <translation>Laut Modell erreicht keine tägliche Kalorienzufuhr an Tag %2 das Gewicht von %1.</translation>
    </message>
    <message>
        <source>And %1 a day keep %2 afterwards, by the model.</source>
        <extracomment>%1 a daily intake, %2 the goal weight</extracomment>
        <translation>Danach halten Sie laut Modell %2 mit %1 am Tag.</translation>
    </message>
    <message>
        <source>The dotted line is what the body is likely to do at the same intake, by the model: about %1 on day %2.</source>
        <extracomment>Follows the description of the plan&apos;s chart; %1 a weight, %2 the plan&apos;s last day</extracomment>
        <translation>Die gepunktete Linie zeigt, was der Körper laut Modell bei gleicher Zufuhr voraussichtlich tut: etwa %1 an Tag %2.</translation>
    </message>
    <message>
        <source>Chart of your weight: %1 today, and the goal, %2, as a dashed line. No line is drawn, as no daily intake reaches the goal in this time.</source>
        <extracomment>The plan&apos;s chart for the blind; %1 the weight now, %2 the goal</extracomment>
        <translation>Diagramm Ihres Gewichts: heute %1 und das Ziel, %2, als gestrichelte Linie. Es wird keine Linie gezeichnet, da keine tägliche Kalorienzufuhr das Ziel in dieser Zeit erreicht.</translation>
    </message>
    <message>
        <source>Chart of your weight day by day, kilograms on the left and pounds on the right: from %1 today down to nothing on day %2, where the line stops, %3.</source>
        <extracomment>The plan&apos;s chart for the blind; %1 the weight now, %2 a day of the plan, %3 the daily loss</extracomment>
        <translation>Diagramm Ihres Gewichts Tag für Tag, Kilogramm links und Pfund rechts: von heute %1 mit %3 bis auf null an Tag %2, wo die Linie endet.</translation>
    </message>
    <message>
        <source>Chart of your weight day by day, pounds on the left and kilograms on the right: from %1 today down to nothing on day %2, where the line stops, %3.</source>
        <extracomment>The plan&apos;s chart for the blind; %1 the weight now, %2 a day of the plan, %3 the daily loss</extracomment>
        <translation>Diagramm Ihres Gewichts Tag für Tag, Pfund links und Kilogramm rechts: von heute %1 mit %3 bis auf null an Tag %2, wo die Linie endet.</translation>
    </message>
    <message>
        <source>Chart of your weight day by day, kilograms on the left and pounds on the right: from %1 today to %2 on %3, %4; the goal, %5, is the dashed line.</source>
        <extracomment>The plan&apos;s chart for the blind; %1 the weight now, %2 the weight at the end, %3 the last date, %4 the daily loss, %5 the goal</extracomment>
        <translation>Diagramm Ihres Gewichts Tag für Tag, Kilogramm links und Pfund rechts: von heute %1 auf %2 am %3, mit %4; das Ziel, %5, ist die gestrichelte Linie.</translation>
    </message>
    <message>
        <source>Chart of your weight day by day, pounds on the left and kilograms on the right: from %1 today to %2 on %3, %4; the goal, %5, is the dashed line.</source>
        <extracomment>The plan&apos;s chart for the blind; %1 the weight now, %2 the weight at the end, %3 the last date, %4 the daily loss, %5 the goal</extracomment>
        <translation>Diagramm Ihres Gewichts Tag für Tag, Pfund links und Kilogramm rechts: von heute %1 auf %2 am %3, mit %4; das Ziel, %5, ist die gestrichelte Linie.</translation>
    </message>
    <message>
        <source>From today, the shortest time frame that keeps within both limits is %1, until %2: %3 a day, %4.</source>
        <extracomment>%1 a count of days, %2 a date, %3 a daily intake, %4 a weekly loss</extracomment>
        <translation>Ab heute beträgt der kürzeste Zeitraum innerhalb beider Grenzen %1, bis zum %2: %3 am Tag, %4.</translation>
    </message>
    <message>
        <source>The shortest time frame that keeps within both limits is %1, until %2: %3 a day, %4.</source>
        <extracomment>%1 a count of days, %2 a date, %3 a daily intake, %4 a weekly loss</extracomment>
        <translation>Der kürzeste Zeitraum innerhalb beider Grenzen beträgt %1, bis zum %2: %3 am Tag, %4.</translation>
    </message>
    <message>
        <source>Even the intake that keeps your present weight, %1 a day, is below %2, so no time frame keeps within the limits. Please ask your doctor before any diet.</source>
        <extracomment>%1 a daily intake, %2 the least calories advised</extracomment>
        <translation>Selbst Ihr Erhaltungsbedarf für Ihr jetziges Gewicht, %1 am Tag, liegt unter %2 Kalorien, daher bleibt kein Zeitraum innerhalb der Grenzen. Bitte fragen Sie vor jeder Diät Ihren Arzt.</translation>
    </message>
    <message>
        <source>Even the intake that keeps your current weight, %1 a day, is below %2, so no time frame keeps within the limits. Please ask your doctor before any diet.</source>
        <extracomment>%1 a daily intake, %2 the least calories advised</extracomment>
        <translation>Selbst Ihr Erhaltungsbedarf für Ihr aktuelles Gewicht, %1 am Tag, liegt unter %2 Kalorien, daher bleibt kein Zeitraum innerhalb der Grenzen. Bitte fragen Sie vor jeder Diät Ihren Arzt.</translation>
    </message>
    <message>
        <source>No time frame up to %1 days keeps within both limits. Please ask your doctor before any diet.</source>
        <extracomment>%1 the longest time frame, in days (above one)</extracomment>
        <translation>Kein Zeitraum bis zu %1 Tagen bleibt innerhalb beider Grenzen. Bitte fragen Sie vor jeder Diät Ihren Arzt.</translation>
    </message>
    <message>
        <source>Weight loss plan for %1</source>
        <extracomment>The plan&apos;s title; %1 is the person&apos;s name</extracomment>
        <translation>Abnehmplan für %1</translation>
    </message>
    <message>
        <source>%1 (%2 kg)</source>
        <extracomment>A weight as typed in the pound box, %1, and in the kilogram box, %2</extracomment>
        <translation>%1 (%2 kg)</translation>
    </message>
    <message>
        <source>Your Name :</source>
        <translation>Ihr Name :</translation>
    </message>
    <message>
        <source>Gender:</source>
        <translation>Geschlecht:</translation>
    </message>
    <message>
        <source>Age:</source>
        <translation>Alter:</translation>
    </message>
    <message>
        <source>Your Height:</source>
        <translation>Ihre Größe:</translation>
    </message>
    <message>
        <source>Your Weight:</source>
        <translation>Ihr Gewicht:</translation>
    </message>
    <message>
        <source>Level of Daily Activity:</source>
        <translation>Aktivitätsniveau:</translation>
    </message>
    <message>
        <source>Weight You Wish To Lose:</source>
        <translation>Abzunehmendes Gewicht:</translation>
    </message>
    <message>
        <source>Time Frame To Lose Weight:</source>
        <translation>Zeitraum zum Abnehmen:</translation>
    </message>
    <message>
        <source>Your weight, week by week, then month by month</source>
        <translation>Ihr Gewicht Woche für Woche, dann Monat für Monat</translation>
    </message>
    <message>
        <source>Your weight, week by week</source>
        <translation>Ihr Gewicht Woche für Woche</translation>
    </message>
    <message>
        <source>Date</source>
        <extracomment>The columns of the plan&apos;s table of milestones</extracomment>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Day</source>
        <extracomment>The day of the plan: a column of the table of milestones</extracomment>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Weight (lb)</source>
        <translation>Gewicht (lb)</translation>
    </message>
    <message>
        <source>Weight (kg)</source>
        <translation>Gewicht (kg)</translation>
    </message>
    <message>
        <source>Lost so far (kg)</source>
        <translation>Bisher abgenommen (kg)</translation>
    </message>
    <message>
        <source>Lost so far (lb)</source>
        <translation>Bisher abgenommen (lb)</translation>
    </message>
    <message>
        <source>Today</source>
        <extracomment>In the Day column of the table of milestones, for the first row</extracomment>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Pace</source>
        <extracomment>The columns of the table of other paces</extracomment>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Time frame</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>Until</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>Daily intake</source>
        <translation>Tägliche Kalorienzufuhr</translation>
    </message>
    <message>
        <source>more than %1 days</source>
        <extracomment>A time frame past the longest one; %1 is a count of days above one</extracomment>
        <translation>mehr als %1 Tage</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>A line of &quot;Other paces&quot;: %1 the pace, %2 its time frame</extracomment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>cannot be achieved</source>
        <extracomment>In the Daily intake column of the table of other paces</extracomment>
        <translation>nicht erreichbar</translation>
    </message>
    <message>
        <source>%1: %2, until %3, on %4 a day.</source>
        <translation>%1: %2, bis zum %3, mit %4 am Tag.</translation>
    </message>
    <message>
        <source>%1: %2, until %3, at an intake that cannot be achieved.</source>
        <translation>%1: %2, bis zum %3, mit einer nicht erreichbaren Zufuhr.</translation>
    </message>
    <message>
        <source>To keep %1 once you have reached it: %2 a day, by the same equations at the goal weight.</source>
        <extracomment>%1 the goal weight, %2 a daily intake</extracomment>
        <translation>Um %1 nach Erreichen des Ziels zu halten: %2 am Tag, nach denselben Formeln für das Zielgewicht berechnet.</translation>
    </message>
    <message>
        <source>To keep %1 once you have reached it, the same equations give no intake that a person can eat.</source>
        <extracomment>%1 the goal weight</extracomment>
        <translation>Um %1 nach Erreichen des Ziels zu halten, ergeben dieselben Formeln keine Zufuhr, die ein Mensch essen kann.</translation>
    </message>
    <message>
        <source>What the body is likely to do</source>
        <translation>Was der Körper voraussichtlich tut</translation>
    </message>
    <message>
        <source>Made on %1</source>
        <extracomment>Under the title of the copied plan; %1 is the date and time</extracomment>
        <translation>Erstellt am %1</translation>
    </message>
    <message>
        <source>Caution</source>
        <translation>Vorsicht</translation>
    </message>
    <message>
        <source>How these figures are computed</source>
        <translation>So werden diese Zahlen berechnet</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>A numbered step of the calculation: %1 its number, %2 the step</extracomment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>Other paces</source>
        <translation>Mit anderem Tempo</translation>
    </message>
    <message>
        <source>After the goal</source>
        <translation>Nach Erreichen des Ziels</translation>
    </message>
    <message>
        <source>weight loss plan</source>
        <extracomment>Part of the file name offered for a saved plan: &quot;JOHN weight loss plan 2026-12-09.pdf&quot;</extracomment>
        <translation>Abnehmplan</translation>
    </message>
</context>
<context>
    <name>PlanWindow</name>
    <message>
        <source>Your Plan - Veltro Weight Loss Calculator</source>
        <extracomment>Caption of the plan window until a plan is shown in it</extracomment>
        <translation>Ihr Plan - Veltro Abnehmrechner</translation>
    </message>
    <message>
        <source>Your plan</source>
        <extracomment>Name of the plan window, read by a screen reader
----------
Name of the plan window&apos;s parts together (chart, milestone table and text), read by a screen reader</extracomment>
        <translation>Ihr Plan</translation>
    </message>
    <message>
        <source>Your plan in words</source>
        <extracomment>Name of the plan window&apos;s text (the plan in sentences below the chart), read by a screen reader</extracomment>
        <translation>Ihr Plan in Worten</translation>
    </message>
    <message>
        <source>the milestones</source>
        <extracomment>What the milestone table&apos;s scroll bars move, read by a screen reader in names such as &quot;Scroll the milestones up and down&quot;</extracomment>
        <translation>die Etappenziele</translation>
    </message>
    <message>
        <source>Move to give the chart, the table or the text more room</source>
        <extracomment>Name of the bars between the chart, the milestone table and the text of the plan window, which are dragged to share the room; read by a screen reader</extracomment>
        <translation>Ziehen, um Diagramm, Tabelle oder Text mehr Platz zu geben</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <extracomment>Button in the row at the foot of the plan window</extracomment>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <extracomment>Button in the row at the foot of the plan window</extracomment>
        <translation>Als &amp;PDF speichern...</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <extracomment>Button in the row at the foot of the plan window: copies the whole plan as text</extracomment>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Follow This Plan</source>
        <extracomment>Button in the row at the foot of the plan window: the person starts following this plan and keeping weigh-ins against it</extracomment>
        <translation>Diesem Plan &amp;folgen</translation>
    </message>
    <message>
        <source>Your P&amp;rogress...</source>
        <extracomment>Button in the row at the foot of the plan window: opens the progress window</extracomment>
        <translation>Ihr Fo&amp;rtschritt...</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Button at the right of the row at the foot of the plan window</extracomment>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>%1 - Veltro Weight Loss Calculator</source>
        <extracomment>Caption of the plan window; %1 is the plan&apos;s title, such as &quot;Weight loss plan for Anna&quot;</extracomment>
        <translation>%1 - Veltro Abnehmrechner</translation>
    </message>
</context>
<context>
    <name>PrintedDocument</name>
    <message>
        <source>Made on %1 with Veltro Weight Loss Calculator v1.0.</source>
        <extracomment>Line below the title of a printed plan or progress and of its PDF; %1 is the date and time it was made</extracomment>
        <translation>Erstellt am %1 mit dem Veltro Abnehmrechner v1.0.</translation>
    </message>
    <message>
        <source>%1 · made on %2 · page %3 of %4</source>
        <extracomment>Foot of every printed page and PDF page, on one line across the page; %1 is the document&apos;s title (cut short where the line is too long), %2 the date and time it was made, %3 the page&apos;s number and %4 the number of pages</extracomment>
        <translation>%1 · erstellt am %2 · Seite %3 von %4</translation>
    </message>
</context>
<context>
    <name>ProgressActions</name>
    <message>
        <source>Trend (kg)</source>
        <extracomment>Heading of the trend column of the progress window&apos;s table of weigh-ins, in kilograms.</extracomment>
        <translation>Trend (kg)</translation>
    </message>
    <message>
        <source>Trend (lb)</source>
        <translation>Trend (lb)</translation>
    </message>
    <message>
        <source>after today</source>
        <extracomment>In the trend column of the table of weigh-ins, for a weigh-in dated after today.</extracomment>
        <translation>in der Zukunft</translation>
    </message>
    <message>
        <source>it is your journal of weigh-ins, which a document would take the place of. Nothing was written.</source>
        <translation>es ist Ihr Tagebuch der Wiegungen, das durch das Dokument ersetzt würde. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>In the place of your journal of weigh-ins was a link to %3, which the journal is never written through: the link was moved aside to %2, and %3 was left as it is. A new journal starts at %1.</source>
        <extracomment>Message box. %1 is the journal&apos;s file, %2 where the link was moved to, %3 the file the link pointed to.</extracomment>
        <translation>An der Stelle Ihres Tagebuchs der Wiegungen lag ein Link auf %3, über den das Tagebuch nie geschrieben wird: Der Link wurde nach %2 verschoben, %3 blieb unverändert. Ein neues Tagebuch beginnt unter %1.</translation>
    </message>
    <message>
        <source>Your journal of weigh-ins could not be read, so it was moved aside, untouched, to %2. A new journal starts at %1.</source>
        <extracomment>Message box. %1 is the journal&apos;s file, %2 where the unreadable one was moved to.</extracomment>
        <translation>Ihr Tagebuch der Wiegungen konnte nicht gelesen werden und wurde daher unverändert nach %2 verschoben. Ein neues Tagebuch beginnt unter %1.</translation>
    </message>
    <message numerus="yes">
        <source>You follow the plan of %1 for %2: %3 lb in %n days. Follow this plan from today instead? The earlier plan stays in your journal, and so do your weigh-ins.</source>
        <extracomment>Message box asked before following a new plan. %1 is the day the earlier plan was started, %2 the name of its person, %3 the pounds to lose, %n its number of days.</extracomment>
        <translation>
            <numerusform>Sie folgen dem Plan vom %1 für %2: %3 lb in %n Tag. Möchten Sie stattdessen ab heute diesem Plan folgen? Der frühere Plan bleibt in Ihrem Tagebuch, ebenso Ihre Wiegungen.</numerusform>
            <numerusform>Sie folgen dem Plan vom %1 für %2: %3 lb in %n Tagen. Möchten Sie stattdessen ab heute diesem Plan folgen? Der frühere Plan bleibt in Ihrem Tagebuch, ebenso Ihre Wiegungen.</numerusform>
        </translation>
    </message>
    <message>
        <source>You follow the plan of %1. Follow this plan from today instead? The earlier plan stays in your journal, and so do your weigh-ins.</source>
        <extracomment>Message box asked before following a new plan. %1 is the day the earlier plan was started.</extracomment>
        <translation>Sie folgen dem Plan vom %1. Möchten Sie stattdessen ab heute diesem Plan folgen? Der frühere Plan bleibt in Ihrem Tagebuch, ebenso Ihre Wiegungen.</translation>
    </message>
    <message>
        <source>%1 left as they are: their weigh-ins were changed after this step was made, and the changes since are kept.</source>
        <extracomment>Message box after Undo or Redo; %1 is the list of days (&quot;12/1/26, 12/3/26&quot;).</extracomment>
        <translation>%1: unverändert gelassen, da die Wiegungen dieser Tage nach diesem Schritt geändert wurden; die späteren Änderungen bleiben erhalten.</translation>
    </message>
    <message>
        <source>Edit of the Weigh-in</source>
        <extracomment>A step of Undo and Redo, shown as &quot;&amp;Undo %1&quot; in the progress window.</extracomment>
        <translation>Bearbeitung der Wiegung</translation>
    </message>
    <message>
        <source>Replace Weigh-in</source>
        <translation>Ersetzen der Wiegung</translation>
    </message>
    <message>
        <source>Weigh-in</source>
        <translation>Wiegung</translation>
    </message>
    <message numerus="yes">
        <source>Delete of %n Weigh-in</source>
        <extracomment>A step of Undo and Redo, shown as &quot;&amp;Undo %1&quot; in the progress window.</extracomment>
        <translation>
            <numerusform>Löschen von %n Wiegung</numerusform>
            <numerusform>Löschen von %n Wiegungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete of %n Weigh-ins</source>
        <extracomment>A step of Undo and Redo, shown as &quot;&amp;Undo %1&quot; in the progress window.</extracomment>
        <translation>
            <numerusform>Löschen von %n Wiegung</numerusform>
            <numerusform>Löschen von %n Wiegungen</numerusform>
        </translation>
    </message>
    <message>
        <source>Import Weigh-ins</source>
        <extracomment>Caption of the file dialog that opens a file of weigh-ins.</extracomment>
        <translation>Wiegungen importieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv *.txt);;All files (*)</source>
        <extracomment>The file dialog&apos;s filters; keep the patterns in brackets and the &quot;;;&quot; between them.</extracomment>
        <translation>CSV-Dateien (*.csv *.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>%1 could not be read: it is no file.</source>
        <extracomment>Message box; %1 is the file chosen.</extracomment>
        <translation>%1 konnte nicht gelesen werden: Es ist keine Datei.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <extracomment>Message box; %1 is the file chosen, %2 the system&apos;s reason.</extracomment>
        <translation>%1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 is too large to be a file of weigh-ins.</source>
        <extracomment>Message box; %1 is the file chosen.</extracomment>
        <translation>%1 ist zu groß für eine Datei mit Wiegungen.</translation>
    </message>
    <message>
        <source>%1 cannot be imported: %2</source>
        <extracomment>Message box; %1 is the file chosen, %2 the reason.</extracomment>
        <translation>%1 kann nicht importiert werden: %2</translation>
    </message>
    <message numerus="yes">
        <source>Import of %n Weigh-in</source>
        <extracomment>A step of Undo and Redo, shown as &quot;&amp;Undo %1&quot; in the progress window.</extracomment>
        <translation>
            <numerusform>Import von %n Wiegung</numerusform>
            <numerusform>Import von %n Wiegungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Import of %n Weigh-ins</source>
        <extracomment>A step of Undo and Redo, shown as &quot;&amp;Undo %1&quot; in the progress window.</extracomment>
        <translation>
            <numerusform>Import von %n Wiegung</numerusform>
            <numerusform>Import von %n Wiegungen</numerusform>
        </translation>
    </message>
    <message>
        <source>Your journal changed while the preview was open (%1), so nothing was imported. The preview now shows what the import would do.</source>
        <extracomment>Message box; %1 is the list of days that changed (&quot;12/1/26, 12/3/26&quot;).</extracomment>
        <translation>Ihr Tagebuch wurde geändert, während die Vorschau offen war (%1), daher wurde nichts importiert. Die Vorschau zeigt jetzt, was der Import bewirken würde.</translation>
    </message>
    <message>
        <source>Export Weigh-ins</source>
        <extracomment>Caption of the file dialog that saves the weigh-ins as CSV.</extracomment>
        <translation>Wiegungen exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <extracomment>The file dialog&apos;s filter; keep the pattern in brackets.</extracomment>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>%1 is your journal of weigh-ins: they are exported to another file. Nothing was written.</source>
        <extracomment>Message box; %1 is the file chosen.</extracomment>
        <translation>%1 ist Ihr Tagebuch der Wiegungen: Exportieren Sie die Wiegungen in eine andere Datei. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Your weigh-ins could not be exported: %1</source>
        <extracomment>Message box; %1 is the file and the system&apos;s reason (&quot;out.csv: Permission denied&quot;).</extracomment>
        <translation>Ihre Wiegungen konnten nicht exportiert werden: %1</translation>
    </message>
    <message>
        <source>Your progress</source>
        <extracomment>Names the document in the messages of printing and saving it (&quot;Your progress could not be printed&quot;).</extracomment>
        <translation>Ihr Fortschritt</translation>
    </message>
    <message>
        <source>Print Your Progress</source>
        <extracomment>Caption of the print dialog.</extracomment>
        <translation>Ihren Fortschritt drucken</translation>
    </message>
    <message>
        <source>Save Your Progress as PDF</source>
        <extracomment>Caption of the file dialog that saves the progress as PDF.</extracomment>
        <translation>Ihren Fortschritt als PDF speichern</translation>
    </message>
</context>
<context>
    <name>ProgressDocument</name>
    <message>
        <source>Where you stand</source>
        <extracomment>Heading above how far the person has come on the plan followed, in the progress window and on paper</extracomment>
        <translation>Ihr aktueller Stand</translation>
    </message>
    <message>
        <source>Your plan from today</source>
        <extracomment>Heading above a new plan that starts from today&apos;s weight, in the progress window and on paper</extracomment>
        <translation>Ihr Plan ab heute</translation>
    </message>
    <message>
        <source>What your weigh-ins say</source>
        <extracomment>Heading above what the weigh-ins tell of the person&apos;s real intake, in the progress window and on paper</extracomment>
        <translation>Was Ihre Wiegungen zeigen</translation>
    </message>
    <message>
        <source>Your weigh-ins</source>
        <extracomment>Heading above the table of the weigh-ins on a printed progress</extracomment>
        <translation>Ihre Wiegungen</translation>
    </message>
</context>
<context>
    <name>ProgressText</name>
    <message>
        <source>Your last weigh-in is too long ago to tell what you have eaten lately.</source>
        <translation>Ihre letzte Wiegung liegt zu lange zurück, um zu sagen, was Sie zuletzt gegessen haben.</translation>
    </message>
    <message>
        <source>Your weigh-ins give no figure for what you have eaten: %1</source>
        <extracomment>%1 the reason, a sentence begun in lower case</extracomment>
        <translation>Ihre Wiegungen ergeben keinen Wert dafür, was Sie gegessen haben, denn %1</translation>
    </message>
    <message>
        <source>What you have eaten shows once you have %1 weigh-ins over at least %2 days of your plan.</source>
        <extracomment>%1 the weigh-ins needed, %2 the days they must span (both more than one)</extracomment>
        <translation>Was Sie gegessen haben, zeigt sich, sobald Sie %1 Wiegungen über mindestens %2 Tage Ihres Plans haben.</translation>
    </message>
    <message>
        <source>What you have eaten shows once your plan has run %1 days and you have weighed in on the last of them.</source>
        <extracomment>%1 a count of days (more than one)</extracomment>
        <translation>Was Sie gegessen haben, zeigt sich, sobald Ihr Plan %1 Tage gelaufen ist und Sie sich am letzten dieser Tage gewogen haben.</translation>
    </message>
    <message>
        <source>Your plan started more than ten years before your last weigh-in, further back than the body model runs.</source>
        <translation>Ihr Plan begann mehr als zehn Jahre vor Ihrer letzten Wiegung, also weiter zurück, als das Körpermodell rechnen kann.</translation>
    </message>
    <message>
        <source>Your weigh-ins change faster than the body model can follow, so they give no figure for what you have eaten.</source>
        <translation>Ihre Wiegungen ändern sich schneller, als das Körpermodell folgen kann, daher ergeben sie keinen Wert dafür, was Sie gegessen haben.</translation>
    </message>
    <message>
        <source>once more</source>
        <extracomment>How often to weigh in again: &quot;weigh in once more&quot;</extracomment>
        <translation>noch einmal</translation>
    </message>
    <message numerus="yes">
        <source>%n more times</source>
        <translation>
            <numerusform>noch %n-mal</numerusform>
            <numerusform>noch %n-mal</numerusform>
        </translation>
    </message>
    <message>
        <source>That is below %1, the least that health services advise men to eat without a doctor&apos;s supervision.</source>
        <extracomment>Follows a sentence with a daily intake; %1 the least calories advised</extracomment>
        <translation>Das liegt unter %1 Kalorien, dem Minimum, das Männer laut Gesundheitsbehörden ohne ärztliche Aufsicht zu sich nehmen sollten.</translation>
    </message>
    <message>
        <source>That is below %1, the least that health services advise women to eat without a doctor&apos;s supervision.</source>
        <translation>Das liegt unter %1 Kalorien, dem Minimum, das Frauen laut Gesundheitsbehörden ohne ärztliche Aufsicht zu sich nehmen sollten.</translation>
    </message>
    <message>
        <source>At a glance: %1 lost since the start, %2% of the %3 your plan sets out to lose; body mass index now %4.</source>
        <extracomment>%1 a weight, %2 a share in per cent, %3 the plan&apos;s loss, %4 the body mass index</extracomment>
        <translation>Auf einen Blick: seit Beginn %1 abgenommen, %2&#xa0;% der %3, die Sie laut Plan abnehmen wollen; Body-Mass-Index jetzt %4.</translation>
    </message>
    <message>
        <source>At a glance: %1 lost since the start, %2% of the %3 your plan sets out to lose.</source>
        <extracomment>%1 a weight, %2 a share in per cent, %3 the plan&apos;s loss</extracomment>
        <translation>Auf einen Blick: seit Beginn %1 abgenommen, %2&#xa0;% der %3, die Sie laut Plan abnehmen wollen.</translation>
    </message>
    <message>
        <source>At a glance: %1 lost since the start; body mass index now %2.</source>
        <extracomment>%1 a weight, %2 the body mass index</extracomment>
        <translation>Auf einen Blick: seit Beginn %1 abgenommen; Body-Mass-Index jetzt %2.</translation>
    </message>
    <message>
        <source>At a glance: %1 lost since the start.</source>
        <translation>Auf einen Blick: seit Beginn %1 abgenommen.</translation>
    </message>
    <message>
        <source>At a glance: %1 gained since the start, %2% of the %3 your plan sets out to lose; body mass index now %4.</source>
        <extracomment>%1 a weight, %2 a share in per cent, %3 the plan&apos;s loss, %4 the body mass index</extracomment>
        <translation>Auf einen Blick: seit Beginn %1 zugenommen, %2&#xa0;% der %3, die Sie laut Plan abnehmen wollen; Body-Mass-Index jetzt %4.</translation>
    </message>
    <message>
        <source>At a glance: %1 gained since the start, %2% of the %3 your plan sets out to lose.</source>
        <extracomment>%1 a weight, %2 a share in per cent, %3 the plan&apos;s loss</extracomment>
        <translation>Auf einen Blick: seit Beginn %1 zugenommen, %2&#xa0;% der %3, die Sie laut Plan abnehmen wollen.</translation>
    </message>
    <message>
        <source>At a glance: %1 gained since the start; body mass index now %2.</source>
        <extracomment>%1 a weight, %2 the body mass index</extracomment>
        <translation>Auf einen Blick: seit Beginn %1 zugenommen; Body-Mass-Index jetzt %2.</translation>
    </message>
    <message>
        <source>At a glance: %1 gained since the start.</source>
        <translation>Auf einen Blick: seit Beginn %1 zugenommen.</translation>
    </message>
    <message>
        <source>Your plan starts on %1, in %2; until then it expects you to stay at %3.</source>
        <extracomment>%1 a date, %2 a count of days, %3 a weight</extracomment>
        <translation>Ihr Plan beginnt am %1 (noch %2); bis dahin erwartet er, dass Sie bei %3 bleiben.</translation>
    </message>
    <message>
        <source>Your plan ended on %1, %2 ago, at %3, the weight it expects from then on.</source>
        <extracomment>%1 a date, %2 a count of days, %3 a weight</extracomment>
        <translation>Ihr Plan endete am %1 (das ist %2 her) bei %3, dem Gewicht, das er seitdem erwartet.</translation>
    </message>
    <message>
        <source>Today, %1, is the last day of your plan, day %2 of %2.</source>
        <extracomment>%1 today&apos;s date, %2 the days of the plan</extracomment>
        <translation>Heute (%1) ist der letzte Tag Ihres Plans: Tag %2 von %2.</translation>
    </message>
    <message>
        <source>Today, %1, is day %2 of %3 of your plan, which ends on %4.</source>
        <extracomment>%1 today&apos;s date, %2 the day of the plan, %3 the days of the plan, %4 the date it ends</extracomment>
        <translation>Heute (%1) ist Tag %2 von %3 Ihres Plans, der am %4 endet.</translation>
    </message>
    <message>
        <source>The plan expects you to weigh %1 today.</source>
        <extracomment>%1 a weight</extracomment>
        <translation>Der Plan erwartet für heute ein Gewicht von %1.</translation>
    </message>
    <message>
        <source>no weigh-ins yet.</source>
        <translation>noch keine Wiegungen.</translation>
    </message>
    <message>
        <source>1 weigh-in, on %1, of %2.</source>
        <extracomment>%1 a date, %2 a weight</extracomment>
        <translation>1 Wiegung am %1 mit %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n weigh-ins from %1 to %2, and their smoothed line, %3 on %2.</source>
        <extracomment>%n the weigh-ins (more than one), %1 and %2 dates, %3 a weight</extracomment>
        <translation>
            <numerusform>%n Wiegung vom %1 bis %2 und ihre geglättete Linie: %3 am %2.</numerusform>
            <numerusform>%n Wiegungen vom %1 bis %2 und ihre geglättete Linie: %3 am %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your last weigh-in was on %1, %2 ago, at %3: please weigh in again, best in the morning before breakfast, to see where you stand, your pace and when you reach your goal.</source>
        <extracomment>%1 a date, %2 a count of days, %3 a weight</extracomment>
        <translation>Ihre letzte Wiegung war am %1 (das ist %2 her) mit %3: Bitte wiegen Sie sich erneut, am besten morgens vor dem Frühstück, um zu sehen, wo Sie stehen, wie Ihr Tempo ist und wann Sie Ihr Ziel erreichen.</translation>
    </message>
    <message>
        <source>Your weight today is %1, read off a straight line through your weigh-ins of the last four weeks, which one odd morning hardly moves: on plan, within %2 of the %3 it expects.</source>
        <extracomment>%1 the weight, %2 the margin, %3 the weight the plan expects</extracomment>
        <translation>Ihr Gewicht heute beträgt %1, abgelesen an einer geraden Linie durch Ihre Wiegungen der letzten vier Wochen, die ein einzelner Ausreißer kaum verschiebt: Sie liegen im Plan, höchstens %2 von den erwarteten %3 entfernt.</translation>
    </message>
    <message>
        <source>Your weight today is %1, read off a straight line through your weigh-ins of the last four weeks, which one odd morning hardly moves: %2 ahead of the plan, which expects %3.</source>
        <extracomment>%1 the weight, %2 how far ahead, %3 the weight the plan expects</extracomment>
        <translation>Ihr Gewicht heute beträgt %1, abgelesen an einer geraden Linie durch Ihre Wiegungen der letzten vier Wochen, die ein einzelner Ausreißer kaum verschiebt: Sie liegen %2 vor dem Plan, der %3 erwartet.</translation>
    </message>
    <message>
        <source>Your weight today is %1, read off a straight line through your weigh-ins of the last four weeks, which one odd morning hardly moves: %2 behind the plan, which expects %3.</source>
        <extracomment>%1 the weight, %2 how far behind, %3 the weight the plan expects</extracomment>
        <translation>Ihr Gewicht heute beträgt %1, abgelesen an einer geraden Linie durch Ihre Wiegungen der letzten vier Wochen, die ein einzelner Ausreißer kaum verschiebt: Sie liegen %2 hinter dem Plan, der %3 erwartet.</translation>
    </message>
    <message>
        <source>Your weight on %1, the day of your last weigh-in, was %2, read off a straight line through your weigh-ins of the last four weeks, which one odd morning hardly moves: on plan, within %3 of the %4 it expects that day.</source>
        <extracomment>%1 a date, %2 the weight, %3 the margin, %4 the weight the plan expects</extracomment>
        <translation>Ihr Gewicht am %1, dem Tag Ihrer letzten Wiegung, betrug %2, abgelesen an einer geraden Linie durch Ihre Wiegungen der letzten vier Wochen, die ein einzelner Ausreißer kaum verschiebt: Sie lagen im Plan, höchstens %3 von den %4 entfernt, die er für diesen Tag erwartet.</translation>
    </message>
    <message>
        <source>Your weight on %1, the day of your last weigh-in, was %2, read off a straight line through your weigh-ins of the last four weeks, which one odd morning hardly moves: %3 ahead of the plan, which expects %4 that day.</source>
        <extracomment>%1 a date, %2 the weight, %3 how far ahead, %4 the weight the plan expects</extracomment>
        <translation>Ihr Gewicht am %1, dem Tag Ihrer letzten Wiegung, betrug %2, abgelesen an einer geraden Linie durch Ihre Wiegungen der letzten vier Wochen, die ein einzelner Ausreißer kaum verschiebt: Sie lagen %3 vor dem Plan, der für diesen Tag %4 erwartet.</translation>
    </message>
    <message>
        <source>Your weight on %1, the day of your last weigh-in, was %2, read off a straight line through your weigh-ins of the last four weeks, which one odd morning hardly moves: %3 behind the plan, which expects %4 that day.</source>
        <extracomment>%1 a date, %2 the weight, %3 how far behind, %4 the weight the plan expects</extracomment>
        <translation>Ihr Gewicht am %1, dem Tag Ihrer letzten Wiegung, betrug %2, abgelesen an einer geraden Linie durch Ihre Wiegungen der letzten vier Wochen, die ein einzelner Ausreißer kaum verschiebt: Sie lagen %3 hinter dem Plan, der für diesen Tag %4 erwartet.</translation>
    </message>
    <message>
        <source>Your last weigh-in, on %1, is %2, a single morning that can be a pound or two off either way: on plan, within %3 of the %4 it expects that day.</source>
        <extracomment>%1 a date, %2 the weight, %3 the margin, %4 the weight the plan expects</extracomment>
        <translation>Ihre letzte Wiegung am %1 ergab %2 – ein einzelner Morgenwert, der leicht ein, zwei Pfund nach oben oder unten abweichen kann: Sie liegen im Plan, höchstens %3 von den %4 entfernt, die er für diesen Tag erwartet.</translation>
    </message>
    <message>
        <source>Your last weigh-in, on %1, is %2, a single morning that can be a pound or two off either way: %3 ahead of the plan, which expects %4 that day.</source>
        <extracomment>%1 a date, %2 the weight, %3 how far ahead, %4 the weight the plan expects</extracomment>
        <translation>Ihre letzte Wiegung am %1 ergab %2 – ein einzelner Morgenwert, der leicht ein, zwei Pfund nach oben oder unten abweichen kann: Sie liegen %3 vor dem Plan, der für diesen Tag %4 erwartet.</translation>
    </message>
    <message>
        <source>Your last weigh-in, on %1, is %2, a single morning that can be a pound or two off either way: %3 behind the plan, which expects %4 that day.</source>
        <extracomment>%1 a date, %2 the weight, %3 how far behind, %4 the weight the plan expects</extracomment>
        <translation>Ihre letzte Wiegung am %1 ergab %2 – ein einzelner Morgenwert, der leicht ein, zwei Pfund nach oben oder unten abweichen kann: Sie liegen %3 hinter dem Plan, der für diesen Tag %4 erwartet.</translation>
    </message>
    <message>
        <source>Your pace, and when you reach your goal, show once you have %1 weigh-ins over at least %2 days within four weeks (you have %3 over %4): weigh in %5, the last of them today or later.</source>
        <extracomment>%1 the weigh-ins needed, %2 the days they must span, %3 the weigh-ins there are, %4 the days they span, %5 how often to weigh in (&quot;once more&quot;, &quot;3 more times&quot;)</extracomment>
        <translation>Ihr Tempo und der Zeitpunkt, an dem Sie Ihr Ziel erreichen, zeigen sich, sobald Sie innerhalb von vier Wochen %1 Wiegungen über mindestens %2 Tage haben (bisher %3 über %4): Wiegen Sie sich %5, das letzte Mal heute oder später.</translation>
    </message>
    <message>
        <source>Your pace, and when you reach your goal, show once you have %1 weigh-ins over at least %2 days within four weeks (you have %3 over %4): weigh in %5, the last of them on %6 or later.</source>
        <extracomment>%1 the weigh-ins needed, %2 the days they must span, %3 the weigh-ins there are, %4 the days they span, %5 how often to weigh in (&quot;once more&quot;, &quot;3 more times&quot;), %6 a date</extracomment>
        <translation>Ihr Tempo und der Zeitpunkt, an dem Sie Ihr Ziel erreichen, zeigen sich, sobald Sie innerhalb von vier Wochen %1 Wiegungen über mindestens %2 Tage haben (bisher %3 über %4): Wiegen Sie sich %5, das letzte Mal am %6 oder später.</translation>
    </message>
    <message>
        <source>Your pace, and when you reach your goal, show once you have %1 weigh-ins over at least %2 days within four weeks (you have %3 over %4): weigh in %5.</source>
        <extracomment>%1 the weigh-ins needed, %2 the days they must span, %3 the weigh-ins there are, %4 the days they span, %5 how often to weigh in (&quot;once more&quot;, &quot;3 more times&quot;)</extracomment>
        <translation>Ihr Tempo und der Zeitpunkt, an dem Sie Ihr Ziel erreichen, zeigen sich, sobald Sie innerhalb von vier Wochen %1 Wiegungen über mindestens %2 Tage haben (bisher %3 über %4): Wiegen Sie sich %5.</translation>
    </message>
    <message>
        <source>Your pace, and when you reach your goal, show once you have %1 weigh-ins over at least %2 days within four weeks (you have %3 over %4): weigh in again today or later.</source>
        <extracomment>%1 the weigh-ins needed, %2 the days they must span, %3 the weigh-ins there are, %4 the days they span</extracomment>
        <translation>Ihr Tempo und der Zeitpunkt, an dem Sie Ihr Ziel erreichen, zeigen sich, sobald Sie innerhalb von vier Wochen %1 Wiegungen über mindestens %2 Tage haben (bisher %3 über %4): Wiegen Sie sich heute oder später erneut.</translation>
    </message>
    <message>
        <source>Your pace, and when you reach your goal, show once you have %1 weigh-ins over at least %2 days within four weeks (you have %3 over %4): weigh in again on %5 or later.</source>
        <extracomment>%1 the weigh-ins needed, %2 the days they must span, %3 the weigh-ins there are, %4 the days they span, %5 a date</extracomment>
        <translation>Ihr Tempo und der Zeitpunkt, an dem Sie Ihr Ziel erreichen, zeigen sich, sobald Sie innerhalb von vier Wochen %1 Wiegungen über mindestens %2 Tage haben (bisher %3 über %4): Wiegen Sie sich am %5 oder später erneut.</translation>
    </message>
    <message>
        <source>From %1 to %2 you lost %3 a week, give or take %4, by the slope of that line.</source>
        <extracomment>%1 and %2 dates, %3 a weight, %4 its margin</extracomment>
        <translation>Vom %1 bis %2 haben Sie laut der Steigung dieser Linie %3 pro Woche abgenommen, plus/minus %4.</translation>
    </message>
    <message>
        <source>From %1 to %2 you gained %3 a week, give or take %4, by the slope of that line.</source>
        <extracomment>%1 and %2 dates, %3 a weight, %4 its margin</extracomment>
        <translation>Vom %1 bis %2 haben Sie laut der Steigung dieser Linie %3 pro Woche zugenommen, plus/minus %4.</translation>
    </message>
    <message>
        <source>From %1 to %2 your weight held steady, by the slope of that line.</source>
        <extracomment>%1 and %2 dates</extracomment>
        <translation>Vom %1 bis %2 ist Ihr Gewicht laut der Steigung dieser Linie gleich geblieben.</translation>
    </message>
    <message>
        <source>You are at your goal of %1 or below it.</source>
        <extracomment>%1 the goal weight</extracomment>
        <translation>Sie haben Ihr Ziel von %1 erreicht oder unterschritten.</translation>
    </message>
    <message>
        <source>At that pace you reach your goal of %1 about %2.</source>
        <extracomment>%1 the goal weight, %2 a date</extracomment>
        <translation>Bei diesem Tempo erreichen Sie Ihr Ziel von %1 etwa am %2.</translation>
    </message>
    <message>
        <source>At that pace you reach your goal of %1 between %2 and %3, most likely about %4: the range is how far your weigh-ins scatter around the line.</source>
        <extracomment>%1 the goal weight, %2 %3 and %4 dates</extracomment>
        <translation>Bei diesem Tempo erreichen Sie Ihr Ziel von %1 zwischen dem %2 und dem %3, am wahrscheinlichsten etwa am %4: Die Spanne zeigt, wie stark Ihre Wiegungen um die Linie streuen.</translation>
    </message>
    <message>
        <source>Your weigh-ins scatter too much around that line to tell this loss from a gain, so there is no date for your goal of %1 yet: weigh in each morning and it will show.</source>
        <extracomment>%1 the goal weight</extracomment>
        <translation>Ihre Wiegungen streuen zu stark um diese Linie, um diese Abnahme von einer Zunahme zu unterscheiden, daher gibt es noch kein Datum für Ihr Ziel von %1: Wiegen Sie sich jeden Morgen, dann wird es sich zeigen.</translation>
    </message>
    <message>
        <source>At the slowest pace your weigh-ins allow, your goal of %1 is more than two years away, so there is no date: one that far out would be a guess.</source>
        <extracomment>%1 the goal weight</extracomment>
        <translation>Beim langsamsten Tempo, das Ihre Wiegungen zulassen, ist Ihr Ziel von %1 mehr als zwei Jahre entfernt, daher gibt es kein Datum: Ein so fernes Datum wäre nur geraten.</translation>
    </message>
    <message>
        <source>A weight that gains never reaches your goal of %1.</source>
        <extracomment>%1 the goal weight</extracomment>
        <translation>Mit zunehmendem Gewicht erreichen Sie Ihr Ziel von %1 nie.</translation>
    </message>
    <message>
        <source>A weight that stands still never reaches your goal of %1.</source>
        <translation>Mit gleichbleibendem Gewicht erreichen Sie Ihr Ziel von %1 nie.</translation>
    </message>
    <message>
        <source>Weigh yourself to see where you stand: enter your first weigh-in, in pounds or kilograms, best each morning before breakfast.</source>
        <translation>Wiegen Sie sich, um zu sehen, wo Sie stehen: Tragen Sie Ihre erste Wiegung in Pfund oder Kilogramm ein, am besten jeden Morgen vor dem Frühstück.</translation>
    </message>
    <message>
        <source>This is your plan&apos;s calculation run again with your weight now, the weight still to lose and the days left.</source>
        <translation>Dies ist die Berechnung Ihres Plans, neu durchgeführt mit Ihrem jetzigen Gewicht, dem noch abzunehmenden Gewicht und den verbleibenden Tagen.</translation>
    </message>
    <message>
        <source>To reach your goal of %1 by %2 from your weight of %3, you have %4 to lose in %5, which rounds to 0.00 lb a day: the calculation gives the intake that keeps your weight, %6 a day.</source>
        <extracomment>%1 the goal weight, %2 the plan&apos;s end date, %3 the weight now, %4 the weight to lose, %5 a count of days, %6 a daily intake</extracomment>
        <translation>Um Ihr Ziel von %1 bis zum %2 zu erreichen, müssen Sie ausgehend von Ihrem Gewicht von %3 noch %4 abnehmen und haben dafür %5; das ergibt gerundet 0,00 lb pro Tag: Die Berechnung liefert daher Ihren Erhaltungsbedarf, %6 am Tag.</translation>
    </message>
    <message>
        <source>To reach your goal of %1 by %2 from your weight of %3, you have %4 to lose in %5, %6 a day: eat %7 a day, within the cautions of health services.</source>
        <extracomment>%1 the goal weight, %2 the plan&apos;s end date, %3 the weight now, %4 the weight to lose, %5 a count of days, %6 a daily loss, %7 a daily intake</extracomment>
        <translation>Um Ihr Ziel von %1 bis zum %2 zu erreichen, müssen Sie ausgehend von Ihrem Gewicht von %3 noch %4 abnehmen und haben dafür %5, also %6 pro Tag: Nehmen Sie %7 am Tag zu sich; das liegt innerhalb der von Gesundheitsbehörden empfohlenen Grenzen.</translation>
    </message>
    <message>
        <source>To reach your goal of %1 by %2 from your weight of %3, you have %4 to lose in %5, %6 a day: that would take %7 a day, less than nothing, so it cannot be achieved.</source>
        <extracomment>%1 the goal weight, %2 the plan&apos;s end date, %3 the weight now, %4 the weight to lose, %5 a count of days, %6 a daily loss, %7 a daily intake</extracomment>
        <translation>Um Ihr Ziel von %1 bis zum %2 zu erreichen, müssen Sie ausgehend von Ihrem Gewicht von %3 noch %4 abnehmen und haben dafür %5, also %6 pro Tag: Dafür wären %7 am Tag nötig, weniger als null, daher ist das nicht erreichbar.</translation>
    </message>
    <message>
        <source>To reach your goal of %1 by %2 from your weight of %3, you have %4 to lose in %5, %6 a day: that would take %7 a day.</source>
        <extracomment>%1 the goal weight, %2 the plan&apos;s end date, %3 the weight now, %4 the weight to lose, %5 a count of days, %6 a daily loss, %7 a daily intake</extracomment>
        <translation>Um Ihr Ziel von %1 bis zum %2 zu erreichen, müssen Sie ausgehend von Ihrem Gewicht von %3 noch %4 abnehmen und haben dafür %5, also %6 pro Tag: Dafür wären %7 am Tag nötig.</translation>
    </message>
    <message>
        <source>It is %1 a week, more than the 0.45 to 0.91 kg (1 to 2 lb) a week that health services advise.</source>
        <extracomment>%1 a weekly loss in two units</extracomment>
        <translation>Das sind %1 pro Woche, mehr als die 0,45 bis 0,91 kg (1 bis 2 lb) pro Woche, die Gesundheitsbehörden empfehlen.</translation>
    </message>
    <message>
        <source>It is %1 a week, more than the 1 to 2 lb (0.45 to 0.91 kg) a week that health services advise.</source>
        <translation>Das sind %1 pro Woche, mehr als die 1 bis 2 lb (0,45 bis 0,91 kg) pro Woche, die Gesundheitsbehörden empfehlen.</translation>
    </message>
    <message>
        <source>To keep it: about %1 a day, by the body model from your weigh-ins.</source>
        <extracomment>%1 a daily intake</extracomment>
        <translation>Um es zu halten: etwa %1 am Tag, laut Körpermodell anhand Ihrer Wiegungen.</translation>
    </message>
    <message>
        <source>The program&apos;s own equations give %1 a day at the goal weight; they leave out how the body spends less after a loss, so the model&apos;s figure leads.</source>
        <extracomment>%1 a daily intake</extracomment>
        <translation>Die eigenen Formeln des Programms ergeben beim Zielgewicht %1 am Tag; sie berücksichtigen nicht, dass der Körper nach einer Abnahme weniger verbraucht, daher ist der Wert des Modells maßgeblich.</translation>
    </message>
    <message>
        <source>To keep your goal: %1 a day, by the program&apos;s own equations at the goal weight.</source>
        <extracomment>%1 a daily intake</extracomment>
        <translation>Um Ihr Ziel zu halten: %1 am Tag, laut den eigenen Formeln des Programms beim Zielgewicht.</translation>
    </message>
    <message>
        <source>Your plan from today shows once you weigh in again: your last weigh-in, on %1, is more than %2 days old.</source>
        <extracomment>%1 a date, %2 the days after which a weigh-in is old (more than one)</extracomment>
        <translation>Ihr Plan ab heute erscheint, sobald Sie sich erneut wiegen: Ihre letzte Wiegung vom %1 ist älter als %2 Tage.</translation>
    </message>
    <message>
        <source>Your plan&apos;s goal, %1, leaves no body weight, so there is no plan from today: please choose a smaller goal.</source>
        <extracomment>%1 the goal weight</extracomment>
        <translation>Das Ziel Ihres Plans, %1, ließe kein Körpergewicht übrig, daher gibt es keinen Plan ab heute: Bitte wählen Sie ein kleineres Ziel.</translation>
    </message>
    <message>
        <source>Your weight, %1, is at or below your goal of %2.</source>
        <extracomment>%1 the weight now, %2 the goal weight</extracomment>
        <translation>Ihr Gewicht von %1 hat Ihr Ziel von %2 erreicht oder unterschritten.</translation>
    </message>
    <message>
        <source>Your plan ends on %1, more than the %2 days a time frame can take from today, so there is no plan from today yet.</source>
        <extracomment>%1 a date, %2 the longest time frame in days (more than one)</extracomment>
        <translation>Ihr Plan endet am %1, also nach mehr als den %2 Tagen, die ein Zeitraum ab heute höchstens umfassen kann; daher gibt es noch keinen Plan ab heute.</translation>
    </message>
    <message>
        <source>Your weight, %1, is beyond what the calculation can work with, so there is no plan from today.</source>
        <extracomment>%1 the weight now</extracomment>
        <translation>Ihr Gewicht von %1 liegt außerhalb dessen, womit die Berechnung arbeiten kann, daher gibt es keinen Plan ab heute.</translation>
    </message>
    <message>
        <source>Your plan&apos;s end date, %1, is today, so there are no days left to reach your goal of %2 by it from your weight of %3.</source>
        <extracomment>%1 the plan&apos;s end date, %2 the goal weight, %3 the weight now</extracomment>
        <translation>Das Enddatum Ihres Plans (%1) ist heute, daher bleiben keine Tage mehr, um bis dahin ausgehend von Ihrem Gewicht von %3 Ihr Ziel von %2 zu erreichen.</translation>
    </message>
    <message>
        <source>Your plan&apos;s end date, %1, has passed, so there are no days left to reach your goal of %2 by it from your weight of %3.</source>
        <extracomment>%1 the plan&apos;s end date, %2 the goal weight, %3 the weight now</extracomment>
        <translation>Das Enddatum Ihres Plans (%1) ist bereits vorbei, daher bleiben keine Tage mehr, um bis dahin ausgehend von Ihrem Gewicht von %3 Ihr Ziel von %2 zu erreichen.</translation>
    </message>
    <message>
        <source>Your weigh-ins say you have eaten about %1 a day over the four weeks to %2 (between %3 and %4); your plan says %5.</source>
        <extracomment>%1 a daily intake, %2 a date, %3 and %4 calories, %5 the plan&apos;s daily intake</extracomment>
        <translation>Laut Ihren Wiegungen haben Sie in den vier Wochen bis zum %2 etwa %1 am Tag zu sich genommen (zwischen %3 und %4); Ihr Plan sieht %5 vor.</translation>
    </message>
    <message>
        <source>Your weigh-ins say you have eaten about %1 a day over the four weeks to %2 (between %3 and %4); your plan&apos;s intake is less than nothing.</source>
        <extracomment>%1 a daily intake, %2 a date, %3 and %4 calories</extracomment>
        <translation>Laut Ihren Wiegungen haben Sie in den vier Wochen bis zum %2 etwa %1 am Tag zu sich genommen (zwischen %3 und %4); die Zufuhr Ihres Plans liegt unter null.</translation>
    </message>
    <message>
        <source>Your weigh-ins say you have eaten about %1 a day over the %2 from %3 to %4 (between %5 and %6); your plan says %7.</source>
        <extracomment>%1 a daily intake, %2 a count of days, %3 and %4 dates, %5 and %6 calories, %7 the plan&apos;s daily intake</extracomment>
        <translation>Laut Ihren Wiegungen haben Sie im Zeitraum vom %3 bis %4 (%2) etwa %1 am Tag zu sich genommen (zwischen %5 und %6); Ihr Plan sieht %7 vor.</translation>
    </message>
    <message>
        <source>Your weigh-ins say you have eaten about %1 a day over the %2 from %3 to %4 (between %5 and %6); your plan&apos;s intake is less than nothing.</source>
        <extracomment>%1 a daily intake, %2 a count of days, %3 and %4 dates, %5 and %6 calories</extracomment>
        <translation>Laut Ihren Wiegungen haben Sie im Zeitraum vom %3 bis %4 (%2) etwa %1 am Tag zu sich genommen (zwischen %5 und %6); die Zufuhr Ihres Plans liegt unter null.</translation>
    </message>
    <message>
        <source>The body model reads this from how your weight changed and what a body like yours spends (Hall and Chow, 2011).</source>
        <translation>Das Körpermodell leitet dies daraus ab, wie sich Ihr Gewicht verändert hat und was ein Körper wie Ihrer verbraucht (Hall und Chow, 2011).</translation>
    </message>
    <message>
        <source>Your weight keeps to your plan all the same: the plan counts 3500 calories for every pound, while by the model a pound lost after the first weeks is mostly fat, which holds more, and a lighter body spends less.</source>
        <translation>Ihr Gewicht folgt trotzdem Ihrem Plan: Der Plan rechnet mit 3500 Kalorien pro Pfund, während laut Modell ein Pfund, das nach den ersten Wochen verloren geht, überwiegend Fett ist, das mehr Kalorien enthält, und ein leichterer Körper weniger verbraucht.</translation>
    </message>
    <message>
        <source>Your weight keeps to your plan all the same: the plan counts 3500 calories for every pound, while by the model much of what goes in the first weeks is water and glycogen, which hold less.</source>
        <translation>Ihr Gewicht folgt trotzdem Ihrem Plan: Der Plan rechnet mit 3500 Kalorien pro Pfund, während laut Modell vieles von dem, was in den ersten Wochen verloren geht, Wasser und Glykogen ist, die weniger Kalorien enthalten.</translation>
    </message>
    <message>
        <source>By the same model about %1 a day keeps your weight as it is.</source>
        <translation>Laut demselben Modell halten Sie Ihr jetziges Gewicht mit etwa %1 am Tag.</translation>
    </message>
    <message>
        <source>By the same model about %1 a day keeps your weight as it was on %2.</source>
        <translation>Laut demselben Modell halten Sie Ihr Gewicht vom %2 mit etwa %1 am Tag.</translation>
    </message>
    <message>
        <source>Chart of your plan and your weigh-ins: the plan&apos;s line from %1 on %2 to %3 on %4; the goal at %5; %6</source>
        <extracomment>The progress chart for the blind; %1 a weight, %2 a date, %3 a weight, %4 a date, %5 the goal weight, %6 the weigh-ins in words</extracomment>
        <translation>Diagramm Ihres Plans und Ihrer Wiegungen: die Linie des Plans von %1 am %2 bis %3 am %4; das Ziel bei %5; %6</translation>
    </message>
    <message>
        <source>“%1”</source>
        <extracomment>A text as the person typed it, in quotation marks</extracomment>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>“%1…”</source>
        <extracomment>The start of a long text as the person typed it, in quotation marks</extracomment>
        <translation>„%1…“</translation>
    </message>
    <message>
        <source>A weight must be more than zero: please enter your weight in kg.</source>
        <translation>Ein Gewicht muss größer als null sein: Bitte geben Sie Ihr Gewicht in kg ein.</translation>
    </message>
    <message>
        <source>A weight must be more than zero: please enter your weight in lb.</source>
        <translation>Ein Gewicht muss größer als null sein: Bitte geben Sie Ihr Gewicht in lb ein.</translation>
    </message>
    <message>
        <source>%1 kg is more than anyone weighs: please check it. The most a weigh-in may be is %2 kg.</source>
        <extracomment>%1 the weight typed, %2 the most a weigh-in may be</extracomment>
        <translation>%1 kg ist mehr, als ein Mensch wiegt: Bitte prüfen Sie die Eingabe. Eine Wiegung darf höchstens %2 kg betragen.</translation>
    </message>
    <message>
        <source>%1 lb is more than anyone weighs: please check it. The most a weigh-in may be is %2 lb.</source>
        <translation>%1 lb ist mehr, als ein Mensch wiegt: Bitte prüfen Sie die Eingabe. Eine Wiegung darf höchstens %2 lb betragen.</translation>
    </message>
    <message>
        <source>%1 kg is less than a person weighs: please check it. The least a weigh-in may be is %2 kg.</source>
        <extracomment>%1 the weight typed, %2 the least a weigh-in may be</extracomment>
        <translation>%1 kg ist weniger, als ein Mensch wiegt: Bitte prüfen Sie die Eingabe. Eine Wiegung muss mindestens %2 kg betragen.</translation>
    </message>
    <message>
        <source>%1 lb is less than a person weighs: please check it. The least a weigh-in may be is %2 lb.</source>
        <translation>%1 lb ist weniger, als ein Mensch wiegt: Bitte prüfen Sie die Eingabe. Eine Wiegung muss mindestens %2 lb betragen.</translation>
    </message>
    <message>
        <source>Date</source>
        <extracomment>The columns of the table of weigh-ins</extracomment>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Weight (lb)</source>
        <translation>Gewicht (lb)</translation>
    </message>
    <message>
        <source>Weight (kg)</source>
        <translation>Gewicht (kg)</translation>
    </message>
    <message>
        <source>Trend (lb)</source>
        <translation>Trend (lb)</translation>
    </message>
    <message>
        <source>Your progress</source>
        <translation>Ihr Fortschritt</translation>
    </message>
    <message>
        <source>You follow no plan yet: calculate, open your plan and choose Follow This Plan to see your weigh-ins against it. Your weigh-ins are kept all the same.</source>
        <translation>Sie folgen noch keinem Plan: Berechnen Sie Ihre Werte, öffnen Sie Ihren Plan und wählen Sie „Diesem Plan folgen“, um Ihre Wiegungen mit ihm zu vergleichen. Ihre Wiegungen werden trotzdem gespeichert.</translation>
    </message>
    <message>
        <source>Weigh yourself to begin: enter your first weigh-in, in pounds or kilograms, best each morning before breakfast.</source>
        <translation>Wiegen Sie sich, um zu beginnen: Tragen Sie Ihre erste Wiegung in Pfund oder Kilogramm ein, am besten jeden Morgen vor dem Frühstück.</translation>
    </message>
    <message>
        <source>Chart of your weigh-ins: none yet.</source>
        <translation>Diagramm Ihrer Wiegungen: noch keine.</translation>
    </message>
    <message>
        <source>Your weigh-in today is %1.</source>
        <extracomment>%1 a weight</extracomment>
        <translation>Ihre Wiegung heute ergab %1.</translation>
    </message>
    <message>
        <source>Your last weigh-in, on %1, was %2.</source>
        <translation>Ihre letzte Wiegung am %1 ergab %2.</translation>
    </message>
    <message>
        <source>Chart of your weigh-ins: %1</source>
        <extracomment>The progress chart for the blind; %1 the weigh-ins in words</extracomment>
        <translation>Diagramm Ihrer Wiegungen: %1</translation>
    </message>
    <message>
        <source>Your progress, %1</source>
        <translation>Ihr Fortschritt, %1</translation>
    </message>
    <message>
        <source>Made on %1</source>
        <extracomment>Under the title of the copied progress report; %1 is the date and time</extracomment>
        <translation>Erstellt am %1</translation>
    </message>
    <message>
        <source>Where you stand</source>
        <translation>Ihr aktueller Stand</translation>
    </message>
    <message>
        <source>Your plan from today</source>
        <translation>Ihr Plan ab heute</translation>
    </message>
    <message>
        <source>What your weigh-ins say</source>
        <translation>Was Ihre Wiegungen zeigen</translation>
    </message>
    <message>
        <source>Your weigh-ins</source>
        <translation>Ihre Wiegungen</translation>
    </message>
    <message>
        <source>Please enter your weight in kilograms.</source>
        <translation>Bitte geben Sie Ihr Gewicht in Kilogramm ein.</translation>
    </message>
    <message>
        <source>Please enter your weight in pounds.</source>
        <translation>Bitte geben Sie Ihr Gewicht in Pfund ein.</translation>
    </message>
    <message>
        <source>%1 is not a number: please enter your weight in kilograms, such as %2.</source>
        <extracomment>%1 the text typed, in quotation marks; %2 an example</extracomment>
        <translation>%1 ist keine Zahl: Bitte geben Sie Ihr Gewicht in Kilogramm ein, z. B. %2.</translation>
    </message>
    <message>
        <source>%1 is not a number: please enter your weight in pounds, such as %2.</source>
        <extracomment>%1 the text typed, in quotation marks; %2 an example</extracomment>
        <translation>%1 ist keine Zahl: Bitte geben Sie Ihr Gewicht in Pfund ein, z. B. %2.</translation>
    </message>
    <message>
        <source>such as 172.4lb or 78kg</source>
        <extracomment>An example of a weight on the command line; lb and kg are what the command line reads</extracomment>
        <translation>z. B. 172.4lb oder 78kg</translation>
    </message>
    <message>
        <source>No weight given: write it with its unit, %1.</source>
        <extracomment>%1 an example</extracomment>
        <translation>Kein Gewicht angegeben: Schreiben Sie es mit Einheit, %1.</translation>
    </message>
    <message>
        <source>%1 does not start with a number: write a weight with its unit, %2.</source>
        <extracomment>%1 the text given, in quotation marks; %2 an example</extracomment>
        <translation>%1 beginnt nicht mit einer Zahl: Schreiben Sie ein Gewicht mit Einheit, %2.</translation>
    </message>
    <message>
        <source>%1 is not a number: write the weight with a full stop or a comma as decimal sign, %2.</source>
        <extracomment>%1 the text given, in quotation marks; %2 an example</extracomment>
        <translation>%1 ist keine Zahl: Schreiben Sie das Gewicht mit Punkt oder Komma als Dezimalzeichen, %2.</translation>
    </message>
    <message>
        <source>%1 has no unit: write lb or kg after the number, %2.</source>
        <extracomment>%1 the text given, in quotation marks; %2 an example; lb and kg are what the command line reads</extracomment>
        <translation>%1 hat keine Einheit: Schreiben Sie lb oder kg hinter die Zahl, %2.</translation>
    </message>
    <message>
        <source>%1 is not a unit of weight the program knows: write lb or kg, %2.</source>
        <extracomment>%1 the unit given, in quotation marks; %2 an example; lb and kg are what the command line reads</extracomment>
        <translation>%1 ist keine dem Programm bekannte Gewichtseinheit: Schreiben Sie lb oder kg, %2.</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Weigh-in day</source>
        <extracomment>Name of the day box of the weigh-in in the progress window, read by a screen reader</extracomment>
        <translation>Tag der Wiegung</translation>
    </message>
    <message>
        <source>Your Progress - Veltro Weight Loss Calculator</source>
        <extracomment>Caption of the progress window until the progress is shown in it</extracomment>
        <translation>Ihr Fortschritt - Veltro Abnehmrechner</translation>
    </message>
    <message>
        <source>Your progress</source>
        <extracomment>Name of the progress window, read by a screen reader</extracomment>
        <translation>Ihr Fortschritt</translation>
    </message>
    <message>
        <source>Weigh-in weight</source>
        <extracomment>Name of the box where the person types a weigh-in&apos;s weight, read by a screen reader</extracomment>
        <translation>Gewicht der Wiegung</translation>
    </message>
    <message>
        <source>Weigh-in unit</source>
        <extracomment>Name of the box that chooses the unit of a weigh-in, read by a screen reader</extracomment>
        <translation>Einheit der Wiegung</translation>
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
        <translation>Zeitraum des Diagramms</translation>
    </message>
    <message>
        <source>Your plan</source>
        <extracomment>Choice of the days the progress chart shows: those of the plan followed, with the month before it</extracomment>
        <translation>Ihr Plan</translation>
    </message>
    <message>
        <source>The last 90 days</source>
        <extracomment>Choice of the days the progress chart shows</extracomment>
        <translation>Die letzten 90 Tage</translation>
    </message>
    <message>
        <source>Everything</source>
        <extracomment>Choice of the days the progress chart shows: all the weigh-ins and the plan</extracomment>
        <translation>Alles</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <extracomment>Button beside the weigh-in boxes that stores the weigh-in</extracomment>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>Enter</source>
        <extracomment>Tooltip of the Add button: the key that presses it</extracomment>
        <translation>Eingabetaste</translation>
    </message>
    <message>
        <source>&amp;Weight:</source>
        <extracomment>Label before the weigh-in&apos;s weight box; the row reads &quot;Weight: [80] in [kg] on [date] Add&quot;</extracomment>
        <translation>&amp;Gewicht:</translation>
    </message>
    <message>
        <source>in</source>
        <extracomment>Label between the weigh-in&apos;s weight box and its unit box; the row reads &quot;Weight: [80] in [kg] on [date]&quot;</extracomment>
        <translation>in</translation>
    </message>
    <message>
        <source>o&amp;n</source>
        <extracomment>Label between the weigh-in&apos;s unit box and its day box; the row reads &quot;Weight: [80] in [kg] on [date]&quot;</extracomment>
        <translation>a&amp;m</translation>
    </message>
    <message>
        <source>Your weigh-ins</source>
        <extracomment>Name of the table of weigh-ins in the progress window, read by a screen reader</extracomment>
        <translation>Ihre Wiegungen</translation>
    </message>
    <message>
        <source>your weigh-ins</source>
        <extracomment>What the weigh-in table&apos;s scroll bars move, read by a screen reader in names such as &quot;Scroll your weigh-ins up and down&quot;</extracomment>
        <translation>Ihre Wiegungen</translation>
    </message>
    <message>
        <source>Progress chart</source>
        <extracomment>Name of the chart of the progress window, read by a screen reader</extracomment>
        <translation>Fortschrittsdiagramm</translation>
    </message>
    <message>
        <source>C&amp;hart:</source>
        <extracomment>Label of the box above the progress chart that chooses the days it shows</extracomment>
        <translation>Di&amp;agramm:</translation>
    </message>
    <message>
        <source>Where you stand</source>
        <extracomment>Name of the progress window&apos;s text (where the person stands, in sentences), read by a screen reader</extracomment>
        <translation>Ihr aktueller Stand</translation>
    </message>
    <message>
        <source>Move to give the parts more room</source>
        <extracomment>Name of the bars between the parts of the progress window (table, chart and text), which are dragged to share the room; read by a screen reader</extracomment>
        <translation>Ziehen, um den Bereichen mehr Platz zu geben</translation>
    </message>
    <message>
        <source>Your weigh-ins and the chart</source>
        <extracomment>Name of the weigh-in table and the chart together, read by a screen reader</extracomment>
        <translation>Ihre Wiegungen und das Diagramm</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <extracomment>Name of the progress window&apos;s menu bar, read by a screen reader</extracomment>
        <translation>Menüleiste</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <extracomment>Menu of the progress window</extracomment>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Import Weigh-ins...</source>
        <extracomment>Command of the progress window&apos;s File menu: reads weigh-ins from a CSV file</extracomment>
        <translation>Wiegungen &amp;importieren...</translation>
    </message>
    <message>
        <source>&amp;Export Weigh-ins...</source>
        <extracomment>Command of the progress window&apos;s File menu: writes the weigh-ins to a CSV file</extracomment>
        <translation>Wiegungen e&amp;xportieren...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <extracomment>Command of the progress window&apos;s File menu</extracomment>
        <translation>Dr&amp;ucken...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <extracomment>Command of the progress window&apos;s File menu</extracomment>
        <translation>Als &amp;PDF speichern...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <extracomment>Command of the progress window&apos;s File menu: closes the window</extracomment>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <extracomment>Menu of the progress window</extracomment>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <extracomment>Command of the progress window&apos;s Edit menu when there is nothing to undo</extracomment>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <extracomment>Command of the progress window&apos;s Edit menu when there is nothing to redo</extracomment>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <extracomment>Command of the progress window&apos;s Edit menu: copies the weigh-ins selected, or else the whole progress as text</extracomment>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Edit Weigh-in</source>
        <extracomment>Command of the progress window&apos;s Edit menu: puts the weigh-in selected in the boxes to change it</extracomment>
        <translation>Wiegung &amp;bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Delete Weigh-ins</source>
        <extracomment>Command of the progress window&apos;s Edit menu: deletes the weigh-ins selected in the table</extracomment>
        <translation>Wiegungen &amp;löschen</translation>
    </message>
    <message>
        <source>%1 - Veltro Weight Loss Calculator</source>
        <extracomment>Caption of the progress window; %1 is the progress&apos;s title, such as &quot;Your progress, Anna&quot;</extracomment>
        <translation>%1 - Veltro Abnehmrechner</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <extracomment>Command of the progress window&apos;s Edit menu; %1 is what it takes back, such as &quot;Weigh-in&quot; or &quot;Delete of 2 Weigh-ins&quot;</extracomment>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <extracomment>Command of the progress window&apos;s Edit menu; %1 is what it does again, such as &quot;Weigh-in&quot; or &quot;Delete of 2 Weigh-ins&quot;</extracomment>
        <translation>&amp;Wiederholen: %1</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <extracomment>The Add button&apos;s caption while a weigh-in is being changed</extracomment>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Saves the weigh-in of %1</source>
        <extracomment>Description of the Save button, read by a screen reader; %1 is the weigh-in&apos;s day</extracomment>
        <translation>Speichert die Wiegung vom %1</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <extracomment>The Add button&apos;s caption where the day chosen has a weigh-in already</extracomment>
        <translation>&amp;Ersetzen</translation>
    </message>
    <message>
        <source>Replaces the weigh-in of %1</source>
        <extracomment>Description of the Replace button, read by a screen reader; %1 is the day of the weigh-in it replaces</extracomment>
        <translation>Ersetzt die Wiegung vom %1</translation>
    </message>
</context>
<context>
    <name>Referral</name>
    <message>
        <source>Your Name</source>
        <extracomment>Placeholder of the exit screen&apos;s box for the person&apos;s name, 225 px wide</extracomment>
        <translation>Ihr Name</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <extracomment>Placeholder of the exit screen&apos;s box for the person&apos;s e-mail address, 225 px wide</extracomment>
        <translation>Ihre E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Your Message</source>
        <extracomment>Placeholder of the exit screen&apos;s box for the message to the friend, 121 px wide</extracomment>
        <translation>Ihre Nachricht</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <extracomment>Placeholder of the exit screen&apos;s box for the friend&apos;s name, 225 px wide</extracomment>
        <translation>Name des Freundes</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <extracomment>Placeholder of the exit screen&apos;s box for the friend&apos;s e-mail address, 225 px wide</extracomment>
        <translation>E-Mail des Freundes</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <extracomment>Message box over the exit screen when a space is typed into an e-mail box; one short line</extracomment>
        <translation>E-Mail-Adresse darf keine Leerzeichen enthalten</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <extracomment>Message box over the exit screen when both e-mail addresses are the same; one short line</extracomment>
        <translation>Bitte geben Sie zwei verschiedene E-Mail-Adressen ein</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <extracomment>Message box over the exit screen when an e-mail address lacks &quot;@&quot; or &quot;.&quot;; one short line</extracomment>
        <translation>Bitte geben Sie eine gültige E-Mail-Adresse ein</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <extracomment>Message box over the exit screen when the person&apos;s name is left empty; one short line</extracomment>
        <translation>Bitte geben Sie Ihren Namen ein</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <extracomment>Message box over the exit screen when the person&apos;s e-mail address is left empty; one short line</extracomment>
        <translation>Bitte geben Sie Ihre E-Mail-Adresse ein</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <extracomment>Message box over the exit screen when the message to the friend is left empty; one short line</extracomment>
        <translation>Bitte geben Sie Ihre Nachricht ein</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <extracomment>Message box over the exit screen when the friend&apos;s name is left empty; one short line</extracomment>
        <translation>Bitte geben Sie den Namen Ihres Freundes ein</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <extracomment>Message box over the exit screen when the friend&apos;s e-mail address is left empty; one short line</extracomment>
        <translation>Bitte geben Sie die E-Mail-Adresse Ihres Freundes ein</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>%1 years</source>
        <extracomment>Results window, beside &quot;Age:&quot;; %1 is the age as typed. One line of about 480 px; keep it short</extracomment>
        <translation>%1 Jahre</translation>
    </message>
    <message>
        <source>%1 Centimetres</source>
        <extracomment>Results window, beside &quot;Your Height:&quot;; %1 is the height in centimetres as typed. One line of about 480 px; keep it short</extracomment>
        <translation>%1 Zentimeter</translation>
    </message>
    <message>
        <source>%1 Feet %2 Inch</source>
        <extracomment>Results window, beside &quot;Your Height:&quot;; %1 is the feet, %2 the inches, as typed. One line of about 480 px; keep it short</extracomment>
        <translation>%1 Fuß %2 Zoll</translation>
    </message>
    <message>
        <source>%1 Pounds</source>
        <extracomment>Results window, beside &quot;Your Weight:&quot; and &quot;Weight You Wish To Lose:&quot;; %1 is a weight in pounds as typed. One line of about 480 px; keep it short</extracomment>
        <translation>%1 Pfund</translation>
    </message>
    <message>
        <source>%1 day/days</source>
        <extracomment>Results window, beside &quot;Time Frame To Lose Weight:&quot;; %1 is the number of days as typed, which may be 1 or more. One line of about 480 px; keep it short</extracomment>
        <translation>%1 Tag/Tage</translation>
    </message>
    <message>
        <source>To maintain your current weight your daily intake of calories should be %1 calories</source>
        <extracomment>Results window, first result, in bold on one line of about 650 px: the window does not grow. %1 is a whole number of calories, as 2381</extracomment>
        <translation>Um Ihr aktuelles Gewicht zu halten, sollten Sie täglich %1 Kalorien zu sich nehmen</translation>
    </message>
    <message>
        <source>This daily intake of calories cannot be achieved.</source>
        <extracomment>Results window, second result, in bold on one line of about 650 px: the window does not grow</extracomment>
        <translation>Diese tägliche Kalorienzufuhr ist nicht erreichbar.</translation>
    </message>
    <message>
        <source>To reach your goal, your daily intake of calories should be %1 calories</source>
        <extracomment>Results window, second result, in bold on one line of about 650 px: the window does not grow. %1 is a whole number of calories, as 1881</extracomment>
        <translation>Um Ihr Ziel zu erreichen, sollten Sie täglich %1 Kalorien zu sich nehmen</translation>
    </message>
</context>
<context>
    <name>ScrollParts</name>
    <message>
        <source>Scroll %1 up and down</source>
        <extracomment>Screen reader&apos;s name of the vertical scroll bar of a view; %1 is what the view shows, e.g. &quot;the milestones&quot; or &quot;your plan in words&quot;.</extracomment>
        <translation>Vertikaler Bildlauf für %1</translation>
    </message>
    <message>
        <source>Scroll %1 sideways</source>
        <extracomment>Screen reader&apos;s name of the horizontal scroll bar of a view; %1 is what the view shows, e.g. &quot;the milestones&quot; or &quot;your plan in words&quot;.</extracomment>
        <translation>Horizontaler Bildlauf für %1</translation>
    </message>
    <message>
        <source>Scroll bar of %1</source>
        <extracomment>Screen reader&apos;s name of the strip holding a view&apos;s scroll bar; %1 is what the view shows, e.g. &quot;the milestones&quot; or &quot;your plan in words&quot;.</extracomment>
        <translation>Bildlaufleiste für %1</translation>
    </message>
</context>
<context>
    <name>Shell</name>
    <message>
        <source>Application is already running</source>
        <extracomment>Message box shown when the program is started a second time; its title is the program&apos;s caption.</extracomment>
        <translation>Die Anwendung wird bereits ausgeführt</translation>
    </message>
</context>
<context>
    <name>SiteConfig</name>
    <message>
        <source>All rights of this software are reserved by Quillory Softwares.</source>
        <extracomment>Last sentence of the about box&apos;s description, which ends the text of a fixed-size box; keep it no longer than the English. Quillory Softwares is the maker&apos;s name: keep it as it is</extracomment>
        <translation>Alle Rechte an dieser Software liegen bei Quillory Softwares.</translation>
    </message>
</context>
<context>
    <name>SupportMessages</name>
    <message>
        <source>Quillory Softwares like this one can be created and maintained only with your support. The best way to support the forum is to visit %1 regularly and take part in the discussions and other activities on the board.</source>
        <extracomment>Exit screen: request 1 of four to support the forum, one shown per run, bold 9.75 pt word-wrapped in 465 x 73 px (set smaller where it does not fit); %1 is the forum&apos;s web address (such as www.example.com). &quot;Quillory Softwares&quot; is the maker&apos;s name.</extracomment>
        <translation>Programme von Quillory Softwares wie dieses können nur mit Ihrer Unterstützung entstehen und gepflegt werden. Am besten unterstützen Sie das Forum, indem Sie regelmäßig %1 besuchen und sich an den Diskussionen und anderen Aktivitäten beteiligen.</translation>
    </message>
    <message>
        <source>Visit %1 regularly. Support %1 by taking part in the discussions and other activities. These softwares cannot be supported and maintained unless you visit %1 regularly.</source>
        <extracomment>Exit screen: request 2 of four to support the forum, one shown per run, bold 9.75 pt word-wrapped in 465 x 73 px (set smaller where it does not fit); %1 is the forum&apos;s web address (such as www.example.com).</extracomment>
        <translation>Besuchen Sie %1 regelmäßig. Unterstützen Sie %1, indem Sie sich an den Diskussionen und anderen Aktivitäten beteiligen. Diese Programme können nur unterstützt und gepflegt werden, wenn Sie %1 regelmäßig besuchen.</translation>
    </message>
    <message>
        <source>%1 is a FREE online discussion forum on quillory. To help %1 develop and maintain this software, visit the forum regularly.</source>
        <extracomment>Exit screen: request 3 of four to support the forum, one shown per run, bold 9.75 pt word-wrapped in 465 x 73 px (set smaller where it does not fit); %1 is the forum&apos;s web address (such as www.example.com).</extracomment>
        <translation>%1 ist ein KOSTENLOSES Online-Diskussionsforum zu Quillory. Besuchen Sie das Forum regelmäßig, um %1 bei der Entwicklung und Pflege dieser Software zu helfen.</translation>
    </message>
    <message>
        <source>%1 needs your help. All you need to do is visit %1 regularly and take part in the various discussions and activities, to help us maintain and develop more Quillory Softwares.</source>
        <extracomment>Exit screen: request 4 of four to support the forum, one shown per run, bold 9.75 pt word-wrapped in 465 x 73 px (set smaller where it does not fit); %1 is the forum&apos;s web address (such as www.example.com). &quot;Quillory Softwares&quot; is the maker&apos;s name.</extracomment>
        <translation>%1 braucht Ihre Hilfe. Besuchen Sie einfach regelmäßig %1 und beteiligen Sie sich an den Diskussionen und Aktivitäten, damit wir weitere Programme von Quillory Softwares pflegen und entwickeln können.</translation>
    </message>
</context>
<context>
    <name>Validation</name>
    <message>
        <source>Please Enter Your Weight</source>
        <extracomment>Message box over the main window when Calculate finds a weight box empty; one short line</extracomment>
        <translation>Bitte geben Sie Ihr Gewicht ein</translation>
    </message>
    <message>
        <source>Please Enter Weight Do You Wish To Lose</source>
        <extracomment>Message box over the main window when Calculate finds a box of the weight to lose empty; one short line</extracomment>
        <translation>Bitte geben Sie das abzunehmende Gewicht ein</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <extracomment>Message box over the main window when Calculate finds the name box empty; one short line</extracomment>
        <translation>Bitte geben Sie Ihren Namen ein</translation>
    </message>
    <message>
        <source>Please Enter Your Height</source>
        <extracomment>Message box over the main window when Calculate finds the height box empty; one short line</extracomment>
        <translation>Bitte geben Sie Ihre Größe ein</translation>
    </message>
    <message>
        <source>Please Enter Your Height From %1 To %2 Centimetres</source>
        <extracomment>Message box over the main window when the height in centimetres is out of bounds; one short line. %1 and %2 are the shortest and the tallest height, 100 and 250</extracomment>
        <translation>Bitte geben Sie eine Größe von %1 bis %2 Zentimetern ein</translation>
    </message>
</context>
<context>
    <name>WeighInDoubt</name>
    <message>
        <source>%1 is %2 %3 under your last weigh-in: did you mean %4 %5? Keep %1 as typed?</source>
        <extracomment>Message box asking before a weigh-in is stored. %1 is the weight typed with its unit (&quot;95 kg&quot;), %2 and %3 how far it is from the last weigh-in (figure and unit), %4 the figure typed again and %5 the other unit.</extracomment>
        <translation>%1 liegt %2 %3 unter Ihrer letzten Wiegung: Meinten Sie %4 %5? %1 wie eingegeben übernehmen?</translation>
    </message>
    <message>
        <source>%1 is %2 %3 over your last weigh-in: did you mean %4 %5? Keep %1 as typed?</source>
        <extracomment>Message box asking before a weigh-in is stored. %1 is the weight typed with its unit (&quot;95 kg&quot;), %2 and %3 how far it is from the last weigh-in (figure and unit), %4 the figure typed again and %5 the other unit.</extracomment>
        <translation>%1 liegt %2 %3 über Ihrer letzten Wiegung: Meinten Sie %4 %5? %1 wie eingegeben übernehmen?</translation>
    </message>
    <message>
        <source>%1 is %2 %3 under the line through your last week&apos;s weigh-ins (%4 %3). Keep %1 as typed?</source>
        <extracomment>Message box asking before a weigh-in is stored. %1 is the weight typed with its unit (&quot;95 kg&quot;), %2 and %3 how far it is from the line through last week&apos;s weigh-ins (figure and unit), %4 the line&apos;s figure for that day.</extracomment>
        <translation>%1 liegt %2 %3 unter der Linie durch Ihre Wiegungen der letzten Woche (%4 %3). %1 wie eingegeben übernehmen?</translation>
    </message>
    <message>
        <source>%1 is %2 %3 over the line through your last week&apos;s weigh-ins (%4 %3). Keep %1 as typed?</source>
        <extracomment>Message box asking before a weigh-in is stored. %1 is the weight typed with its unit (&quot;95 kg&quot;), %2 and %3 how far it is from the line through last week&apos;s weigh-ins (figure and unit), %4 the line&apos;s figure for that day.</extracomment>
        <translation>%1 liegt %2 %3 über der Linie durch Ihre Wiegungen der letzten Woche (%4 %3). %1 wie eingegeben übernehmen?</translation>
    </message>
</context>
<context>
    <name>WeighInMessages</name>
    <message>
        <source>The date is not a day of the calendar.</source>
        <extracomment>Why a weigh-in is refused (the weigh-in box, an imported line, the command line)</extracomment>
        <translation>Das Datum ist kein gültiger Kalendertag.</translation>
    </message>
    <message>
        <source>The date %1 is in the future.</source>
        <extracomment>%1 is the day of the weigh-in, as 2026-12-09</extracomment>
        <translation>Das Datum %1 liegt in der Zukunft.</translation>
    </message>
    <message>
        <source>The date %1 is before %2, the earliest day the journal keeps.</source>
        <extracomment>%1 is the day of the weigh-in, %2 the earliest day kept (1900-01-01), both as 2026-12-09</extracomment>
        <translation>Das Datum %1 liegt vor dem %2, dem frühesten Tag, den das Tagebuch speichert.</translation>
    </message>
    <message>
        <source>The weight is not a number.</source>
        <extracomment>Why a weigh-in is refused (the weigh-in box, an imported line, the command line)</extracomment>
        <translation>Das Gewicht ist keine Zahl.</translation>
    </message>
    <message>
        <source>The weight must be above zero.</source>
        <extracomment>Why a weigh-in is refused (the weigh-in box, an imported line, the command line)</extracomment>
        <translation>Das Gewicht muss größer als null sein.</translation>
    </message>
    <message>
        <source>The weight %1 %2 is below the lightest the journal keeps, %3 %2.</source>
        <extracomment>%1 is the weight given, %2 the unit&apos;s symbol (kg or lb), %3 the lightest weight the journal keeps</extracomment>
        <translation>Das Gewicht %1 %2 liegt unter dem niedrigsten Wert, den das Tagebuch speichert: %3 %2.</translation>
    </message>
    <message>
        <source>The weight %1 %2 is above the heaviest the journal keeps, %3 %2.</source>
        <extracomment>%1 is the weight given, %2 the unit&apos;s symbol (kg or lb), %3 the heaviest weight the journal keeps</extracomment>
        <translation>Das Gewicht %1 %2 liegt über dem höchsten Wert, den das Tagebuch speichert: %3 %2.</translation>
    </message>
</context>
<context>
    <name>WeightChart</name>
    <message>
        <source>3500 calories a pound</source>
        <extracomment>Name of the plan&apos;s line in the key of the plan chart: the line of the program&apos;s rule that a pound of body weight is 3500 calories</extracomment>
        <translation>3500 Kalorien pro Pfund</translation>
    </message>
    <message>
        <source>Your plan</source>
        <extracomment>Name of the plan&apos;s line in the key of the progress chart</extracomment>
        <translation>Ihr Plan</translation>
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
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Your weigh-ins will show here.</source>
        <extracomment>In the middle of the progress chart while there is nothing to draw</extracomment>
        <translation>Hier erscheinen Ihre Wiegungen.</translation>
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
        <translation>Voraussichtliches Körpergewicht</translation>
    </message>
    <message>
        <source>Trend</source>
        <extracomment>Name of the thin line in the chart&apos;s key: the smoothed trend of the weigh-ins</extracomment>
        <translation>Trend</translation>
    </message>
    <message>
        <source>Weigh-ins</source>
        <extracomment>Name of the dots in the chart&apos;s key: the person&apos;s weigh-ins</extracomment>
        <translation>Wiegungen</translation>
    </message>
    <message>
        <source>Goal %1</source>
        <extracomment>Label of the goal&apos;s dashed line across the chart; %1 is the goal weight, such as &quot;70 kg (154.3 lb)&quot;</extracomment>
        <translation>Ziel: %1</translation>
    </message>
    <message>
        <source>Today</source>
        <extracomment>Label of the line across the progress chart on today&apos;s date</extracomment>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Weight chart</source>
        <extracomment>Name of the chart, read by a screen reader</extracomment>
        <translation>Gewichtsdiagramm</translation>
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
        <translation>Veltro Abnehmrechner v1.0</translation>
    </message>
</context>
</TS>
