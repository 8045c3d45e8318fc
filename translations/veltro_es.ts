<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CommandLine</name>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <extracomment>An error of the command line, on the terminal. %1 is the program&apos;s name, %2 what is wrong (one of the texts below). Keep &apos;%1 --help&apos; as it is: it is a command to type.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a weight with its unit, such as 172.4lb</source>
        <extracomment>What the value of a command-line option must be, after &quot;option &apos;--add-weight&apos; needs a value: &quot;. Keep the units lb and kg and the example 172.4lb as they are: the program reads them.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a day as YYYY-MM-DD</source>
        <extracomment>What the value of the command-line option --date must be. Keep YYYY-MM-DD: the day is written so.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a file, or - for standard output</source>
        <extracomment>What the value of the command-line option --export-csv must be; &quot;-&quot; stands for standard output.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a file, or - for standard input</source>
        <extracomment>What the value of the command-line option --import-csv must be; &quot;-&quot; stands for standard input.</extracomment>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value: %2</source>
        <extracomment>%1 is the command-line option (--date...), %2 what its value must be.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option &apos;%1&apos; given twice</source>
        <extracomment>%1 is a command-line option (--progress, --add-weight...).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>options &apos;%1&apos; and &apos;%2&apos; cannot be given together</source>
        <extracomment>%1 and %2 are command-line options (--add-weight, --export-csv...).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <extracomment>%1 is what was typed on the command line.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option &apos;--date&apos; goes with &apos;--add-weight&apos;</source>
        <extracomment>Keep the options &apos;--date&apos; and &apos;--add-weight&apos; as they are.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: needs a graphical session to show its windows, but neither DISPLAY nor WAYLAND_DISPLAY is set.
</source>
        <extracomment>On the terminal when no graphical session is found; %1 is the program&apos;s name. Keep DISPLAY and WAYLAND_DISPLAY: they are the names of variables.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: write error: %2
</source>
        <extracomment>On the terminal when the program&apos;s answer could not be written out; %1 is the program&apos;s name, %2 the system&apos;s reason (such as &quot;No space left on device&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: write error
</source>
        <extracomment>On the terminal when the program&apos;s answer could not be written out; %1 is the program&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: cannot show its windows in this graphical session.
</source>
        <extracomment>On the terminal when the toolkit cannot start in the graphical session; %1 is the program&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>JournalCommands</name>
    <message>
        <source>standard input</source>
        <extracomment>Stands for the file name in the messages of --import-csv - when the file is read from standard input.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <extracomment>%1 is the file given to --import-csv, %2 the system&apos;s reason.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is too large to be a file of weigh-ins.</source>
        <extracomment>%1 is the file given to --import-csv.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be imported: %2 Import it once from the progress window (Import Weigh-ins), which asks which column is the date, which the weight and how the dates are written, and remembers it for files with these columns; or name the columns date and weight and write the dates as YYYY-MM-DD.</source>
        <extracomment>%1 is the file given to --import-csv, %2 why its columns are not understood (a sentence). &quot;Import Weigh-ins&quot; is the button of the progress window: use its translation. Keep the column names date and weight and YYYY-MM-DD: the program reads them so.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be imported: %2</source>
        <extracomment>%1 is the file given to --import-csv, %2 the reason.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no line that reads as a weigh-in: nothing was stored.</source>
        <extracomment>%1 is the file given to --import-csv.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n weigh-in</source>
        <extracomment>Part of the answer of --import-csv: how many weigh-ins were added.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n weigh-ins</source>
        <extracomment>Part of the answer of --import-csv: how many weigh-ins were added.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2 added, %3 replaced, %4 unchanged.
</source>
        <extracomment>The answer of --import-csv: %1 is the file, %2 the weigh-ins added (as &quot;3 weigh-ins&quot;), %3 and %4 the numbers replaced and unchanged.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n line</source>
        <extracomment>Part of the answer of --import-csv: how many lines of the file were left out.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines</source>
        <extracomment>Part of the answer of --import-csv: how many lines were left out.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2 added, %3 replaced, %4 unchanged, %5 left out.
</source>
        <extracomment>The answer of --import-csv: %1 is the file, %2 the weigh-ins added (as &quot;3 weigh-ins&quot;), %3 and %4 the numbers replaced and unchanged, %5 the lines left out (as &quot;2 lines&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a date: write the day as YYYY-MM-DD, such as 2026-12-01.</source>
        <extracomment>The value of --date is not a day; %1 is what was typed. Keep YYYY-MM-DD and 2026-12-01 as they are.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is in the future: a weigh-in is kept for today or a day before.</source>
        <extracomment>%1 is the day given with --date, as YYYY-MM-DD.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stored %1 for %2, replacing %3.</source>
        <extracomment>The answer of --add-weight. %1 is the weight stored, as &quot;172.4 lb (78.2 kg)&quot;; %2 the day as YYYY-MM-DD; %3 the weight it replaced, written as %1.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stored %1 for %2, which the journal had already.</source>
        <extracomment>The answer of --add-weight. %1 is the weight stored, as &quot;172.4 lb (78.2 kg)&quot;; %2 the day.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stored %1 for %2.</source>
        <extracomment>The answer of --add-weight. %1 is the weight stored, as &quot;172.4 lb (78.2 kg)&quot;; %2 the day.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is your journal of weigh-ins (%2): the weigh-ins are exported to another file. Nothing was written.</source>
        <extracomment>The file given to --export-csv is the journal itself: %1 as given, %2 the journal&apos;s full path.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write the weigh-ins to %1</source>
        <extracomment>%1 is the file and the system&apos;s reason, as &quot;out.csv: Permission denied&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n weigh-in to %1.
</source>
        <extracomment>The answer of --export-csv; %1 is the file written.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n weigh-ins to %1.
</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgressActions</name>
    <message>
        <source>Trend (kg)</source>
        <extracomment>Heading of the trend column of the progress window&apos;s table of weigh-ins, in kilograms.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trend (lb)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>after today</source>
        <extracomment>In the trend column of the table of weigh-ins, for a weigh-in dated after today.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is your journal of weigh-ins, which a document would take the place of. Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the place of your journal of weigh-ins was a link to %3, which the journal is never written through: the link was moved aside to %2, and %3 was left as it is. A new journal starts at %1.</source>
        <extracomment>Message box. %1 is the journal&apos;s file, %2 where the link was moved to, %3 the file the link pointed to.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your journal of weigh-ins could not be read, so it was moved aside, untouched, to %2. A new journal starts at %1.</source>
        <extracomment>Message box. %1 is the journal&apos;s file, %2 where the unreadable one was moved to.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>You follow the plan of %1 for %2: %3 lb in %n days. Follow this plan from today instead? The earlier plan stays in your journal, and so do your weigh-ins.</source>
        <extracomment>Message box asked before following a new plan. %1 is the day the earlier plan was started, %2 the name of its person, %3 the pounds to lose, %n its number of days.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>You follow the plan of %1. Follow this plan from today instead? The earlier plan stays in your journal, and so do your weigh-ins.</source>
        <extracomment>Message box asked before following a new plan. %1 is the day the earlier plan was started.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 left as they are: their weigh-ins were changed after this step was made, and the changes since are kept.</source>
        <extracomment>Message box after Undo or Redo; %1 is the list of days (&quot;12/1/26, 12/3/26&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit of the Weigh-in</source>
        <extracomment>A step of Undo and Redo, shown as &quot;&amp;Undo %1&quot; in the progress window.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace Weigh-in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weigh-in</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Delete of %n Weigh-in</source>
        <extracomment>A step of Undo and Redo, shown as &quot;&amp;Undo %1&quot; in the progress window.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete of %n Weigh-ins</source>
        <extracomment>A step of Undo and Redo, shown as &quot;&amp;Undo %1&quot; in the progress window.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Import Weigh-ins</source>
        <extracomment>Caption of the file dialog that opens a file of weigh-ins.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv *.txt);;All files (*)</source>
        <extracomment>The file dialog&apos;s filters; keep the patterns in brackets and the &quot;;;&quot; between them.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be read: it is no file.</source>
        <extracomment>Message box; %1 is the file chosen.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <extracomment>Message box; %1 is the file chosen, %2 the system&apos;s reason.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is too large to be a file of weigh-ins.</source>
        <extracomment>Message box; %1 is the file chosen.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be imported: %2</source>
        <extracomment>Message box; %1 is the file chosen, %2 the reason.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Import of %n Weigh-in</source>
        <extracomment>A step of Undo and Redo, shown as &quot;&amp;Undo %1&quot; in the progress window.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Import of %n Weigh-ins</source>
        <extracomment>A step of Undo and Redo, shown as &quot;&amp;Undo %1&quot; in the progress window.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Your journal changed while the preview was open (%1), so nothing was imported. The preview now shows what the import would do.</source>
        <extracomment>Message box; %1 is the list of days that changed (&quot;12/1/26, 12/3/26&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Weigh-ins</source>
        <extracomment>Caption of the file dialog that saves the weigh-ins as CSV.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <extracomment>The file dialog&apos;s filter; keep the pattern in brackets.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is your journal of weigh-ins: they are exported to another file. Nothing was written.</source>
        <extracomment>Message box; %1 is the file chosen.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your weigh-ins could not be exported: %1</source>
        <extracomment>Message box; %1 is the file and the system&apos;s reason (&quot;out.csv: Permission denied&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your progress</source>
        <extracomment>Names the document in the messages of printing and saving it (&quot;Your progress could not be printed&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Your Progress</source>
        <extracomment>Caption of the print dialog.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Your Progress as PDF</source>
        <extracomment>Caption of the file dialog that saves the progress as PDF.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Shell</name>
    <message>
        <source>Application is already running</source>
        <extracomment>Message box shown when the program is started a second time; its title is the program&apos;s caption.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WeighInDoubt</name>
    <message>
        <source>%1 is %2 %3 under your last weigh-in: did you mean %4 %5? Keep %1 as typed?</source>
        <extracomment>Message box asking before a weigh-in is stored. %1 is the weight typed with its unit (&quot;95 kg&quot;), %2 and %3 how far it is from the last weigh-in (figure and unit), %4 the figure typed again and %5 the other unit.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is %2 %3 over your last weigh-in: did you mean %4 %5? Keep %1 as typed?</source>
        <extracomment>Message box asking before a weigh-in is stored. %1 is the weight typed with its unit (&quot;95 kg&quot;), %2 and %3 how far it is from the last weigh-in (figure and unit), %4 the figure typed again and %5 the other unit.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is %2 %3 under the line through your last week&apos;s weigh-ins (%4 %3). Keep %1 as typed?</source>
        <extracomment>Message box asking before a weigh-in is stored. %1 is the weight typed with its unit (&quot;95 kg&quot;), %2 and %3 how far it is from the line through last week&apos;s weigh-ins (figure and unit), %4 the line&apos;s figure for that day.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is %2 %3 over the line through your last week&apos;s weigh-ins (%4 %3). Keep %1 as typed?</source>
        <extracomment>Message box asking before a weigh-in is stored. %1 is the weight typed with its unit (&quot;95 kg&quot;), %2 and %3 how far it is from the line through last week&apos;s weigh-ins (figure and unit), %4 the line&apos;s figure for that day.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
