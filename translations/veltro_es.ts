<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AboutWindow</name>
    <message>
        <source>Veltro Weight Loss Calculator icon</source>
        <extracomment>About box: what a screen reader calls the program&apos;s icon at the top left. &quot;Veltro&quot; is the product&apos;s name.</extracomment>
        <translation>Icono de Veltro Calculadora para Adelgazar</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <extracomment>About box: the button that closes it, 84 px wide, bold.</extracomment>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <extracomment>About box: link under the offer at the bottom right, bold underlined, one line of at most 183 px.</extracomment>
        <translation>Haga clic para más detalles.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <extracomment>About box: the offer in the lower half, bold, word-wrapped in a box of 417 x 41 px (three lines).</extracomment>
        <translation>Oportunidad de negocio desde casa. Cree su propio negocio en Internet y gane dinero en línea. Obtenga este software con la marca de su sitio web.</translation>
    </message>
    <message>
        <source>Veltro Weight Loss Calculator estimates your intake of calories based on your personal body details and the amount of weight you wish to lose. Your daily level of physical activity and the time in which you want to lose weight is also considered.</source>
        <extracomment>About box: what the program does, word-wrapped with the rights sentence that follows it in a box of 441 x 53 px (four lines). &quot;Veltro&quot; is the product&apos;s name.</extracomment>
        <translation>Veltro Calculadora para Adelgazar estima su ingesta de calorías a partir de sus datos corporales y del peso que desea perder. También tiene en cuenta su nivel de actividad física diaria y el plazo en que desea adelgazar. </translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>About box: link in the middle, bold underlined, one line of at most 319 px; %1 is the forum&apos;s web address (such as www.example.com).</extracomment>
        <translation>Haga clic aquí para visitar %1</translation>
    </message>
</context>
<context>
    <name>ColumnChoiceDialog</name>
    <message>
        <source>Columns of the File - Veltro Weight Loss Calculator</source>
        <extracomment>Caption of the dialog that asks which columns of a file to import hold the dates and the weights</extracomment>
        <translation>Columnas del archivo - Veltro Calculadora para Adelgazar</translation>
    </message>
    <message>
        <source>%1 does not tell everything the import needs. %2 Please say which column is the date, which the weight, how the dates are written and in which unit the weights are. The choice is remembered for files with the same columns.</source>
        <extracomment>Text at the top of the column dialog: %1 is the file&apos;s name and %2 one or more sentences on what the file does not tell, such as &quot;Its columns have no names.&quot;</extracomment>
        <translation>%1 no indica todo lo que necesita la importación. %2 Indique qué columna es la fecha, cuál el peso, cómo están escritas las fechas y en qué unidad están los pesos. La elección se recuerda para los archivos con las mismas columnas.</translation>
    </message>
    <message>
        <source>Column of the dates</source>
        <extracomment>Name of the box that chooses the column of the dates, read by a screen reader</extracomment>
        <translation>Columna de las fechas</translation>
    </message>
    <message>
        <source>Column of the weights</source>
        <extracomment>Name of the box that chooses the column of the weights, read by a screen reader</extracomment>
        <translation>Columna de los pesos</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A column in the boxes of the column dialog: %1 is its number, counted from 1, and %2 what its first line says, in quotation marks</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Form of the dates</source>
        <extracomment>Name of the box that chooses how the dates are written (day before month...), read by a screen reader</extracomment>
        <translation>Forma de escribir las fechas</translation>
    </message>
    <message>
        <source>Unit of the weights</source>
        <extracomment>Name of the box that chooses the unit of the weights, read by a screen reader</extracomment>
        <translation>Unidad de los pesos</translation>
    </message>
    <message>
        <source>kilograms (kg)</source>
        <extracomment>A choice of the unit box of the column dialog</extracomment>
        <translation>kilogramos (kg)</translation>
    </message>
    <message>
        <source>pounds (lb)</source>
        <extracomment>A choice of the unit box of the column dialog</extracomment>
        <translation>libras (lb)</translation>
    </message>
    <message>
        <source>as each line&apos;s unit column says</source>
        <extracomment>A choice of the unit box of the column dialog, where the file has a column that gives each weight&apos;s unit</extracomment>
        <translation>según la columna de unidad de cada línea</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <extracomment>Button of the column dialog: goes on to show what the import will do, before anything is stored</extracomment>
        <translation>&amp;Vista previa</translation>
    </message>
    <message>
        <source>No date of this column reads as a day.</source>
        <extracomment>Note below the box of the dates&apos; form when the column chosen as the dates holds no date</extracomment>
        <translation>Ninguna fecha de esta columna se lee como un día.</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <extracomment>Label of the box that chooses the column of the dates</extracomment>
        <translation>&amp;Fecha:</translation>
    </message>
    <message>
        <source>&amp;Weight:</source>
        <extracomment>Label of the box that chooses the column of the weights</extracomment>
        <translation>&amp;Peso:</translation>
    </message>
    <message>
        <source>Dates &amp;written as:</source>
        <extracomment>Label of the box that chooses how the dates are written, such as &quot;day, month, year&quot;</extracomment>
        <translation>Fechas &amp;escritas como:</translation>
    </message>
    <message>
        <source>&amp;Unit:</source>
        <extracomment>Label of the box that chooses the unit of the weights</extracomment>
        <translation>&amp;Unidad:</translation>
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
Pruebe «%1 --help» para más información.
</translation>
    </message>
    <message>
        <source>a weight with its unit, such as 172.4lb</source>
        <extracomment>What the value of a command-line option must be, after &quot;option &apos;--add-weight&apos; needs a value: &quot;. Keep the units lb and kg and the example 172.4lb as they are: the program reads them.</extracomment>
        <translation>un peso con su unidad, como 172.4lb</translation>
    </message>
    <message>
        <source>a day as YYYY-MM-DD</source>
        <extracomment>What the value of the command-line option --date must be. Keep YYYY-MM-DD: the day is written so.</extracomment>
        <translation>un día con la forma YYYY-MM-DD</translation>
    </message>
    <message>
        <source>a file, or - for standard output</source>
        <extracomment>What the value of the command-line option --export-csv must be; &quot;-&quot; stands for standard output.</extracomment>
        <translation>un archivo, o - para la salida estándar</translation>
    </message>
    <message>
        <source>a file, or - for standard input</source>
        <extracomment>What the value of the command-line option --import-csv must be; &quot;-&quot; stands for standard input.</extracomment>
        <translation>un archivo, o - para la entrada estándar</translation>
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
        <translation>Uso: %1 [opciones]

Veltro Calculadora para Adelgazar 1.00 estima la ingesta diaria de calorías
que mantiene el peso actual y la ingesta que alcanza un objetivo de pérdida
de peso en el número de días elegido.

Opciones:
  -h, --help               Muestra esta ayuda y sale.
  -v, --version            Muestra la versión y sale.
      --progress           Abre la ventana de progreso en cuanto la ventana
                           principal está abierta; si el programa ya se está
                           ejecutando, trae al frente su ventana de progreso.
      --add-weight PESO    Añade un pesaje al diario y sale, sin ventana,
                           incluso con el programa en ejecución. PESO es un
                           número y su unidad, lb o kg: 172.4lb, 78,2kg.
      --date YYYY-MM-DD    Con --add-weight: el día del pesaje, hoy o un día
                           anterior (por omisión, hoy).
      --export-csv ARCHIVO Escribe todos los pesajes como CSV en ARCHIVO
                           (- para la salida estándar) y sale, sin ventana.
      --import-csv ARCHIVO Añade al diario los pesajes de un archivo CSV
                           (- para la entrada estándar) y sale, sin ventana,
                           incluso con el programa en ejecución; muestra
                           cuántos se añadieron, sustituyeron y quedaron sin
                           cambios, y cada línea omitida con su motivo.

Las opciones propias del kit de herramientas, como -platform wayland,
-display :1 o -style fusion, también se aceptan, con uno o dos guiones.
</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value: %2</source>
        <extracomment>%1 is the command-line option (--date...), %2 what its value must be.</extracomment>
        <translation>la opción «%1» necesita un valor: %2</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; given twice</source>
        <extracomment>%1 is a command-line option (--progress, --add-weight...).</extracomment>
        <translation>la opción «%1» aparece dos veces</translation>
    </message>
    <message>
        <source>options &apos;%1&apos; and &apos;%2&apos; cannot be given together</source>
        <extracomment>%1 and %2 are command-line options (--add-weight, --export-csv...).</extracomment>
        <translation>las opciones «%1» y «%2» no pueden usarse juntas</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <extracomment>%1 is what was typed on the command line.</extracomment>
        <translation>opción desconocida «%1»</translation>
    </message>
    <message>
        <source>option &apos;--date&apos; goes with &apos;--add-weight&apos;</source>
        <extracomment>Keep the options &apos;--date&apos; and &apos;--add-weight&apos; as they are.</extracomment>
        <translation>la opción «--date» va con «--add-weight»</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado «%1»</translation>
    </message>
    <message>
        <source>%1: needs a graphical session to show its windows, but neither DISPLAY nor WAYLAND_DISPLAY is set.
</source>
        <extracomment>On the terminal when no graphical session is found; %1 is the program&apos;s name. Keep DISPLAY and WAYLAND_DISPLAY: they are the names of variables.</extracomment>
        <translation>%1: necesita una sesión gráfica para mostrar sus ventanas, pero no está definida ni DISPLAY ni WAYLAND_DISPLAY.
</translation>
    </message>
    <message>
        <source>%1: write error: %2
</source>
        <extracomment>On the terminal when the program&apos;s answer could not be written out; %1 is the program&apos;s name, %2 the system&apos;s reason (such as &quot;No space left on device&quot;).</extracomment>
        <translation>%1: error de escritura: %2
</translation>
    </message>
    <message>
        <source>%1: write error
</source>
        <extracomment>On the terminal when the program&apos;s answer could not be written out; %1 is the program&apos;s name.</extracomment>
        <translation>%1: error de escritura
</translation>
    </message>
    <message>
        <source>%1: cannot show its windows in this graphical session.
</source>
        <extracomment>On the terminal when the toolkit cannot start in the graphical session; %1 is the program&apos;s name.</extracomment>
        <translation>%1: no puede mostrar sus ventanas en esta sesión gráfica.
</translation>
    </message>
</context>
<context>
    <name>CsvImport</name>
    <message>
        <source>No date.</source>
        <extracomment>Why a line of an imported file is left out: it has no date</extracomment>
        <translation>Sin fecha.</translation>
    </message>
    <message>
        <source>The date %1 does not read as %2.</source>
        <extracomment>Why a line of an imported file is left out. %1 is the date as the file gives it, in quotes; %2 the form of dates expected, as &quot;year-month-day, such as 2026-12-09&quot;</extracomment>
        <translation>La fecha %1 no tiene la forma %2.</translation>
    </message>
    <message>
        <source>No unit.</source>
        <extracomment>Why a line of an imported file is left out: its unit column is empty</extracomment>
        <translation>Sin unidad.</translation>
    </message>
    <message>
        <source>The unit %1 is neither kg nor lb.</source>
        <extracomment>Why a line of an imported file is left out. %1 is the unit as the file gives it, in quotes; kg and lb are the words the file must write: keep them as they are</extracomment>
        <translation>La unidad %1 no es ni kg ni lb.</translation>
    </message>
    <message>
        <source>The unit is %1, but no column of weights is in %1.</source>
        <extracomment>Why a line of an imported file is left out. %1 is the symbol of the line&apos;s unit (kg or lb)</extracomment>
        <translation>La unidad es %1, pero ninguna columna de pesos está en %1.</translation>
    </message>
    <message>
        <source>No weight.</source>
        <extracomment>Why a line of an imported file is left out: it has no weight</extracomment>
        <translation>Sin peso.</translation>
    </message>
    <message>
        <source>The weight %1 is not a number.</source>
        <extracomment>Why a line of an imported file is left out. %1 is the weight as the file gives it, in quotes</extracomment>
        <translation>El peso %1 no es un número.</translation>
    </message>
    <message>
        <source>Line %1 gives the same day, %2, and is taken instead: one weigh-in a day.</source>
        <extracomment>Why a line of an imported file is passed over. %1 is the number of a later line of the file, %2 the day both give, as 2026-12-09</extracomment>
        <translation>La línea %1 indica el mismo día, %2, y se toma esa en su lugar: un pesaje por día.</translation>
    </message>
    <message>
        <source>The dates read in more than one way: %1 on line %2 is %3 or %4, and the file does not tell which.</source>
        <extracomment>Why an imported file needs the person to choose the form of its dates. %1 is a date of the file, in quotes; %2 the number of its line; %3 and %4 the two days it may be, as 2026-12-09</extracomment>
        <translation>Las fechas admiten más de una lectura: %1 en la línea %2 es %3 o %4, y el archivo no indica cuál.</translation>
    </message>
    <message>
        <source>The dates read in more than one way. The file does not tell which.</source>
        <extracomment>Why an imported file needs the person to choose the form of its dates</extracomment>
        <translation>Las fechas admiten más de una lectura. El archivo no indica cuál.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>Why weigh-ins could not be saved to a file. %1 is the file&apos;s path, %2 the reason</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>weigh-ins %1.csv</source>
        <extracomment>Name the save dialog suggests for a file of weigh-ins; %1 is today, as 2026-12-09. Keep &quot;.csv&quot; at the end</extracomment>
        <translation>pesajes %1.csv</translation>
    </message>
    <message>
        <source>year-month-day, such as 2026-12-09</source>
        <extracomment>A form of dates in an imported file, in the list of forms to choose from and in the reasons a line is left out. Keep the example date as it is</extracomment>
        <translation>año-mes-día, como 2026-12-09</translation>
    </message>
    <message>
        <source>day.month.year, such as 09.12.2026</source>
        <extracomment>A form of dates in an imported file, in the list of forms to choose from and in the reasons a line is left out. Keep the example date as it is</extracomment>
        <translation>día.mes.año, como 09.12.2026</translation>
    </message>
    <message>
        <source>month/day/year, such as 12/09/2026</source>
        <extracomment>A form of dates in an imported file, in the list of forms to choose from and in the reasons a line is left out. Keep the example date as it is</extracomment>
        <translation>mes/día/año, como 12/09/2026</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <extracomment>A date, weight, unit or column name of a file, quoted in a message or a list; %1 is the text</extracomment>
        <translation>«%1»</translation>
    </message>
    <message numerus="yes">
        <source>&quot;%1…&quot; (%n characters)</source>
        <extracomment>A long field of a file, quoted in a message: %1 is its first 32 characters, %n how many it has (always more than 32)</extracomment>
        <translation>
            <numerusform>«%1…» (%n carácter)</numerusform>
            <numerusform>«%1…» (%n caracteres)</numerusform>
        </translation>
    </message>
    <message>
        <source>It has %1 lines, more than any file of weigh-ins (at most %2).</source>
        <extracomment>Why a file cannot be imported. %1 is the number of its lines, %2 the most a file may have (100000)</extracomment>
        <translation>Tiene %1 líneas, más que cualquier archivo de pesajes (como máximo %2).</translation>
    </message>
    <message>
        <source>The file is empty: it has no first line naming its columns.</source>
        <extracomment>Why a file cannot be imported</extracomment>
        <translation>El archivo está vacío: no tiene una primera línea con los nombres de sus columnas.</translation>
    </message>
    <message>
        <source>Its first line names more than %1 columns, more than any file of weigh-ins.</source>
        <extracomment>Why a file cannot be imported. %1 is the most columns a file may have (64)</extracomment>
        <translation>Su primera línea nombra más de %1 columnas, más que cualquier archivo de pesajes.</translation>
    </message>
    <message>
        <source>No form reads every date of this column: the lines it does not read are left out.</source>
        <extracomment>Note beside the chosen column of dates of an imported file</extracomment>
        <translation>Ninguna forma lee todas las fechas de esta columna: las líneas que no lee se omiten.</translation>
    </message>
    <message>
        <source>No column of dates: the first line names none of date, dateTime or DATE.</source>
        <extracomment>Why an imported file needs the person to choose its columns. date, dateTime and DATE are the names a file gives its column of dates: keep them as they are</extracomment>
        <translation>No hay columna de fechas: la primera línea no nombra ninguna de date, dateTime o DATE.</translation>
    </message>
    <message>
        <source>No column of weights: the first line names none of weight, weight_kg or weight_lb.</source>
        <extracomment>Why an imported file needs the person to choose its columns. weight, weight_kg and weight_lb are the names a file gives its column of weights: keep them as they are</extracomment>
        <translation>No hay columna de pesos: la primera línea no nombra ninguna de weight, weight_kg o weight_lb.</translation>
    </message>
</context>
<context>
    <name>DiskSpace</name>
    <message>
        <source>the disk holding %1 is full</source>
        <extracomment>Why a file could not be written, after its path and a colon; %1 is a folder</extracomment>
        <translation>el disco que contiene %1 está lleno</translation>
    </message>
    <message>
        <source>the disk holding %1 is full: no file of this program may grow past %2 bytes</source>
        <extracomment>Why a file could not be written, after its path and a colon; %1 is a folder, %2 a number of bytes</extracomment>
        <translation>el disco que contiene %1 está lleno: ningún archivo de este programa puede superar los %2 bytes</translation>
    </message>
</context>
<context>
    <name>DisplayWindow</name>
    <message>
        <source>Here are the results generated by Veltro Weight Loss Calculator based on your personal input details</source>
        <extracomment>Results window: line over the results, bold italic 9 pt, one line of at most 697 px. &quot;Veltro&quot; is the product&apos;s name.</extracomment>
        <translation>Estos son los resultados de Veltro Calculadora para Adelgazar según sus datos personales</translation>
    </message>
    <message>
        <source>Veltro Weight Loss Calculator Results</source>
        <extracomment>Results window: caption of the frame around the results, on its top edge, bold 9 pt; the frame is 705 px wide. &quot;Veltro&quot; is the product&apos;s name.</extracomment>
        <translation>Resultados de Veltro Calculadora para Adelgazar</translation>
    </message>
    <message>
        <source>Your Name :</source>
        <extracomment>Results window: caption before the person&apos;s name, 176 px wide at most. The space before the colon is as the window has always had it.</extracomment>
        <translation>Su nombre :</translation>
    </message>
    <message>
        <source>Age:</source>
        <extracomment>Results window: caption before the age, 176 px wide at most.</extracomment>
        <translation>Edad:</translation>
    </message>
    <message>
        <source>Your Height:</source>
        <extracomment>Results window: caption before the height, 176 px wide at most.</extracomment>
        <translation>Su estatura:</translation>
    </message>
    <message>
        <source>Your Weight:</source>
        <extracomment>Results window: caption before the weight, 176 px wide at most.</extracomment>
        <translation>Su peso:</translation>
    </message>
    <message>
        <source>Level of Daily Activity:</source>
        <extracomment>Results window: caption before the level of daily activity, 176 px wide at most.</extracomment>
        <translation>Nivel de actividad:</translation>
    </message>
    <message>
        <source>Weight You Wish To Lose:</source>
        <extracomment>Results window: caption before the weight to lose, 176 px wide at most.</extracomment>
        <translation>Peso que desea perder:</translation>
    </message>
    <message>
        <source>Time Frame To Lose Weight:</source>
        <extracomment>Results window: caption before the number of days to lose it in, 176 px wide at most.</extracomment>
        <translation>Plazo para adelgazar:</translation>
    </message>
    <message>
        <source>See Your &amp;Plan</source>
        <extracomment>Results window: button under the results that opens the plan window, 160 px wide, bold.</extracomment>
        <translation>Ver su &amp;plan</translation>
    </message>
    <message>
        <source>P.S: This software is only for entertainment purpose. Please consult your physician before going on any kind of diet.</source>
        <extracomment>Results window: note at the bottom left, word-wrapped in a box of 545 x 29 px (two lines).</extracomment>
        <translation>P. D.: Este software es solo para entretenimiento. Consulte a su médico antes de empezar cualquier dieta.</translation>
    </message>
    <message>
        <source>Calculate Again</source>
        <extracomment>Results window: button at the bottom right, back to the main window; 137 px wide, bold.</extracomment>
        <translation>Calcular de nuevo</translation>
    </message>
</context>
<context>
    <name>DocumentOutputText</name>
    <message>
        <source>%1 could not be printed.</source>
        <extracomment>Message box after printing failed; %1 is what was printed: &quot;Your plan&quot; or &quot;Your progress&quot;</extracomment>
        <translation>%1 no se pudo imprimir.</translation>
    </message>
    <message>
        <source>Veltro Weight Loss Calculator 1.00</source>
        <extracomment>The program that made a PDF file, shown among the file&apos;s properties in a PDF reader</extracomment>
        <translation>Veltro Calculadora para Adelgazar 1.00</translation>
    </message>
    <message>
        <source>the PDF could not be made</source>
        <extracomment>Why a PDF file could not be saved; it ends the message &quot;%1 could not be saved as %2: %3&quot;</extracomment>
        <translation>no se pudo crear el PDF</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <extracomment>The kind of file in the file dialog that saves a PDF; keep &quot;(*.pdf)&quot; as it is</extracomment>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>%1 could not be saved as %2: %3</source>
        <extracomment>Message box after saving a PDF failed; %1 is what was saved (&quot;Your plan&quot; or &quot;Your progress&quot;), %2 the file&apos;s path and %3 the reason, such as &quot;Permission denied&quot;</extracomment>
        <translation>%1 no se pudo guardar como %2: %3</translation>
    </message>
</context>
<context>
    <name>ExitScreen</name>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Quillory Softwares. From a single software, we have now grown to become the world’s largest resource of quillory softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <extracomment>Exit screen: first paragraph of the text in the frame on the right, word-wrapped in 233 x 257 px together with the second (set smaller where it does not fit). &quot;Quillory Softwares&quot; is the maker&apos;s name and stays as it is.</extracomment>
        <translation>Si le ha gustado este software, seguro que le interesarán nuestros otros Quillory Softwares. De un solo programa hemos crecido hasta convertirnos en el mayor recurso del mundo de programas de quillory. Astrología, videncia, tarot, numerología u ocultismo: tenemos programas en todos los campos, para que nuestros usuarios elijan según sus intereses.</translation>
    </message>
    <message>
        <source>All the programs in the Quillory Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <extracomment>Exit screen: second paragraph of the text in the frame on the right, word-wrapped in 233 x 257 px together with the first. &quot;Quillory Softwares&quot; is the maker&apos;s name and stays as it is. The space at the end is part of the text.</extracomment>
        <translation>Todos los programas de la colección Quillory Softwares son sencillos y fáciles de usar. No solo son divertidos, sino también muy informativos. Pruébelos hoy y comparta su experiencia con sus amigos y familiares. </translation>
    </message>
    <message>
        <source>Download Quillory Softwares</source>
        <extracomment>Exit screen: caption of the frame on the right, bold 9.75 pt on its top edge; the frame is 249 px wide. &quot;Quillory Softwares&quot; is the maker&apos;s name and stays as it is.</extracomment>
        <translation>Descargar Quillory Softwares</translation>
    </message>
    <message>
        <source>Click Here To Visit Quillory Softwares</source>
        <extracomment>Exit screen: link at the foot of the frame on the right, bold underlined, one line of 239 px (set smaller where it does not fit). &quot;Quillory Softwares&quot; is the maker&apos;s name and stays as it is.</extracomment>
        <translation>Visite Quillory Softwares aquí</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <extracomment>Exit screen: caption of the frame around the refer-a-friend form, bold 9.75 pt on its top edge; the frame is 471 px wide.</extracomment>
        <translation>Recomendar a un amigo</translation>
    </message>
    <message>
        <source>Your message</source>
        <extracomment>Exit screen: what a screen reader calls the message box of the refer-a-friend form.</extracomment>
        <translation>Su mensaje</translation>
    </message>
    <message>
        <source>Friend&apos;s name</source>
        <extracomment>Exit screen: what a screen reader calls the box of the friend&apos;s name.</extracomment>
        <translation>Nombre del amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s email address</source>
        <extracomment>Exit screen: what a screen reader calls the box of the friend&apos;s email address.</extracomment>
        <translation>Correo electrónico del amigo</translation>
    </message>
    <message>
        <source>Your email address</source>
        <extracomment>Exit screen: what a screen reader calls the box of the user&apos;s email address.</extracomment>
        <translation>Su correo electrónico</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <extracomment>Exit screen: the button of the refer-a-friend form, 225 px wide, bold.</extracomment>
        <translation>&amp;Recomendar ahora</translation>
    </message>
    <message>
        <source>Your name</source>
        <extracomment>Exit screen: what a screen reader calls the box of the user&apos;s name.</extracomment>
        <translation>Su nombre</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>Exit screen: the button that ends the program, 83 px wide.</extracomment>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <extracomment>Exit screen: check box that opens the forum, 14.25 pt, one line of 479 px with its box; %1 is the forum&apos;s web address (such as www.example.com).</extracomment>
        <translation>Visite %1 ahora</translation>
    </message>
    <message>
        <source>Veltro Weight Loss Calculator icon</source>
        <extracomment>Exit screen: what a screen reader calls the program&apos;s icon at the top left. &quot;Veltro&quot; is the product&apos;s name.</extracomment>
        <translation>Icono de Veltro Calculadora para Adelgazar</translation>
    </message>
</context>
<context>
    <name>FigureText</name>
    <message>
        <source>%1 calories (%2 kJ)</source>
        <extracomment>A daily intake; %1 is the calories, %2 the same in kilojoules</extracomment>
        <translation>%1 calorías (%2 kJ)</translation>
    </message>
    <message>
        <source>P.S: This software is only for entertainment purpose. Please consult your physician before going on any kind of diet.</source>
        <extracomment>The last line of the plan and of the progress report, on the screen, on paper and copied</extracomment>
        <translation>P. D.: Este software es solo para entretenimiento. Consulte a su médico antes de empezar cualquier dieta.</translation>
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
            <numerusform>%n día</numerusform>
            <numerusform>%n días</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n día</numerusform>
            <numerusform>%n días</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n week</source>
        <translation>
            <numerusform>%n semana</numerusform>
            <numerusform>%n semanas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n weeks</source>
        <translation>
            <numerusform>%n semana</numerusform>
            <numerusform>%n semanas</numerusform>
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
        <translation>%1 kg (%2 lb) al día</translation>
    </message>
    <message>
        <source>%1 lb a day</source>
        <extracomment>A daily loss in pounds</extracomment>
        <translation>%1 lb al día</translation>
    </message>
    <message>
        <source>%1 kg (%2 lb) a week</source>
        <extracomment>A weekly loss: %1 in kilograms, %2 in pounds</extracomment>
        <translation>%1 kg (%2 lb) por semana</translation>
    </message>
    <message>
        <source>%1 lb a week</source>
        <extracomment>A weekly loss in pounds</extracomment>
        <translation>%1 lb por semana</translation>
    </message>
</context>
<context>
    <name>ImportPreviewDialog</name>
    <message numerus="yes">
        <source>%n weigh-in</source>
        <extracomment>The number of weigh-ins a file adds, in the sentence &quot;%1 adds %2 and replaces...&quot; at the top of the import dialog; English writes the form of one</extracomment>
        <translation>
            <numerusform>%n pesaje</numerusform>
            <numerusform>%n pesajes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n weigh-ins</source>
        <extracomment>The number of weigh-ins a file adds, in the sentence &quot;%1 adds %2 and replaces...&quot; at the top of the import dialog; English writes the form of more than one</extracomment>
        <translation>
            <numerusform>%n pesaje</numerusform>
            <numerusform>%n pesajes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 adds %2 and replaces %n (a weigh-in of the same day, of another weight).</source>
        <extracomment>First sentence at the top of the import dialog: %1 is the file&apos;s name, %2 the number of weigh-ins it adds, such as &quot;3 weigh-ins&quot;, and %n the number of weigh-ins of the journal it replaces</extracomment>
        <translation>
            <numerusform>%1 añade %2 y sustituye %n (un pesaje del mismo día con otro peso).</numerusform>
            <numerusform>%1 añade %2 y sustituye %n (pesajes del mismo día con otro peso).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n is there already.</source>
        <extracomment>Sentence of the import dialog: the number of weigh-ins of the file that the journal holds already; English writes the form of one</extracomment>
        <translation>
            <numerusform>%n ya está en el diario.</numerusform>
            <numerusform>%n ya están en el diario.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n are there already.</source>
        <extracomment>Sentence of the import dialog: the number of weigh-ins of the file that the journal holds already; English writes the form of more than one</extracomment>
        <translation>
            <numerusform>%n ya está en el diario.</numerusform>
            <numerusform>%n ya están en el diario.</numerusform>
        </translation>
    </message>
    <message>
        <source>There is nothing to import.</source>
        <extracomment>Sentence of the import dialog when the file adds and replaces no weigh-in</extracomment>
        <translation>No hay nada que importar.</translation>
    </message>
    <message numerus="yes">
        <source>%n line is left out:</source>
        <extracomment>Last sentence at the top of the import dialog; the lines left out, each with its reason, are listed below it. English writes the form of one</extracomment>
        <translation>
            <numerusform>Se omite %n línea:</numerusform>
            <numerusform>Se omiten %n líneas:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines are left out:</source>
        <extracomment>Last sentence at the top of the import dialog; the lines left out, each with its reason, are listed below it. English writes the form of more than one</extracomment>
        <translation>
            <numerusform>Se omite %n línea:</numerusform>
            <numerusform>Se omiten %n líneas:</numerusform>
        </translation>
    </message>
    <message>
        <source>Import Weigh-ins - Veltro Weight Loss Calculator</source>
        <extracomment>Caption of the dialog that shows what an import of weigh-ins will do, before the person imports</extracomment>
        <translation>Importar pesajes - Veltro Calculadora para Adelgazar</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <extracomment>A line of the file the import leaves out, in the list of the import dialog: %1 is its number in the file and %2 the reason</extracomment>
        <translation>Línea %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more.</source>
        <extracomment>End of the list of lines left out in the import dialog where it is too long to show whole; %n is the number of lines not shown</extracomment>
        <translation>
            <numerusform>... y %n más.</numerusform>
            <numerusform>... y %n más.</numerusform>
        </translation>
    </message>
    <message>
        <source>Lines left out</source>
        <extracomment>Name of the list of lines left out in the import dialog, read by a screen reader</extracomment>
        <translation>Líneas omitidas</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <extracomment>Button of the import dialog that stores the weigh-ins of the file</extracomment>
        <translation>&amp;Importar</translation>
    </message>
</context>
<context>
    <name>JournalCommands</name>
    <message>
        <source>standard input</source>
        <extracomment>Stands for the file name in the messages of --import-csv - when the file is read from standard input.</extracomment>
        <translation>entrada estándar</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <extracomment>%1 is the file given to --import-csv, %2 the system&apos;s reason.</extracomment>
        <translation>no se puede leer %1: %2</translation>
    </message>
    <message>
        <source>%1 is too large to be a file of weigh-ins.</source>
        <extracomment>%1 is the file given to --import-csv.</extracomment>
        <translation>%1 es demasiado grande para ser un archivo de pesajes.</translation>
    </message>
    <message>
        <source>%1 cannot be imported: %2 Import it once from the progress window (Import Weigh-ins), which asks which column is the date, which the weight and how the dates are written, and remembers it for files with these columns; or name the columns date and weight and write the dates as YYYY-MM-DD.</source>
        <extracomment>%1 is the file given to --import-csv, %2 why its columns are not understood (a sentence). &quot;Import Weigh-ins&quot; is the button of the progress window: use its translation. Keep the column names date and weight and YYYY-MM-DD: the program reads them so.</extracomment>
        <translation>%1 no se puede importar: %2 Impórtelo una vez desde la ventana de progreso (Importar pesajes), que pregunta qué columna es la fecha, cuál el peso y cómo están escritas las fechas, y lo recuerda para los archivos con estas columnas; o llame a las columnas date y weight y escriba las fechas como YYYY-MM-DD.</translation>
    </message>
    <message>
        <source>%1 cannot be imported: %2</source>
        <extracomment>%1 is the file given to --import-csv, %2 the reason.</extracomment>
        <translation>%1 no se puede importar: %2</translation>
    </message>
    <message>
        <source>%1 has no line that reads as a weigh-in: nothing was stored.</source>
        <extracomment>%1 is the file given to --import-csv.</extracomment>
        <translation>%1 no tiene ninguna línea que se lea como un pesaje: no se guardó nada.</translation>
    </message>
    <message numerus="yes">
        <source>%n weigh-in</source>
        <extracomment>Part of the answer of --import-csv: how many weigh-ins were added.</extracomment>
        <translation>
            <numerusform>%n pesaje</numerusform>
            <numerusform>%n pesajes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n weigh-ins</source>
        <extracomment>Part of the answer of --import-csv: how many weigh-ins were added.</extracomment>
        <translation>
            <numerusform>%n pesaje</numerusform>
            <numerusform>%n pesajes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2 added, %3 replaced, %4 unchanged.
</source>
        <extracomment>The answer of --import-csv: %1 is the file, %2 the weigh-ins added (as &quot;3 weigh-ins&quot;), %3 and %4 the numbers replaced and unchanged.</extracomment>
        <translation>%1: añadidos: %2; sustituidos: %3; sin cambios: %4.
</translation>
    </message>
    <message numerus="yes">
        <source>%n line</source>
        <extracomment>Part of the answer of --import-csv: how many lines of the file were left out.</extracomment>
        <translation>
            <numerusform>%n línea</numerusform>
            <numerusform>%n líneas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines</source>
        <extracomment>Part of the answer of --import-csv: how many lines were left out.</extracomment>
        <translation>
            <numerusform>%n línea</numerusform>
            <numerusform>%n líneas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2 added, %3 replaced, %4 unchanged, %5 left out.
</source>
        <extracomment>The answer of --import-csv: %1 is the file, %2 the weigh-ins added (as &quot;3 weigh-ins&quot;), %3 and %4 the numbers replaced and unchanged, %5 the lines left out (as &quot;2 lines&quot;).</extracomment>
        <translation>%1: añadidos: %2; sustituidos: %3; sin cambios: %4; omitidas: %5.
</translation>
    </message>
    <message>
        <source>%1 is not a date: write the day as YYYY-MM-DD, such as 2026-12-01.</source>
        <extracomment>The value of --date is not a day; %1 is what was typed. Keep YYYY-MM-DD and 2026-12-01 as they are.</extracomment>
        <translation>%1 no es una fecha: escriba el día como YYYY-MM-DD, por ejemplo 2026-12-01.</translation>
    </message>
    <message>
        <source>%1 is in the future: a weigh-in is kept for today or a day before.</source>
        <extracomment>%1 is the day given with --date, as YYYY-MM-DD.</extracomment>
        <translation>%1 está en el futuro: un pesaje se guarda para hoy o para un día anterior.</translation>
    </message>
    <message>
        <source>Stored %1 for %2, replacing %3.</source>
        <extracomment>The answer of --add-weight. %1 is the weight stored, as &quot;172.4 lb (78.2 kg)&quot;; %2 the day as YYYY-MM-DD; %3 the weight it replaced, written as %1.</extracomment>
        <translation>Se guardó %1 para el %2, en sustitución de %3.</translation>
    </message>
    <message>
        <source>Stored %1 for %2, which the journal had already.</source>
        <extracomment>The answer of --add-weight. %1 is the weight stored, as &quot;172.4 lb (78.2 kg)&quot;; %2 the day.</extracomment>
        <translation>Se guardó %1 para el %2, que el diario ya tenía.</translation>
    </message>
    <message>
        <source>Stored %1 for %2.</source>
        <extracomment>The answer of --add-weight. %1 is the weight stored, as &quot;172.4 lb (78.2 kg)&quot;; %2 the day.</extracomment>
        <translation>Se guardó %1 para el %2.</translation>
    </message>
    <message>
        <source>%1 is your journal of weigh-ins (%2): the weigh-ins are exported to another file. Nothing was written.</source>
        <extracomment>The file given to --export-csv is the journal itself: %1 as given, %2 the journal&apos;s full path.</extracomment>
        <translation>%1 es su diario de pesajes (%2): los pesajes se exportan a otro archivo. No se escribió nada.</translation>
    </message>
    <message>
        <source>cannot write the weigh-ins to %1</source>
        <extracomment>%1 is the file and the system&apos;s reason, as &quot;out.csv: Permission denied&quot;.</extracomment>
        <translation>no se pueden escribir los pesajes en %1</translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n weigh-in to %1.
</source>
        <extracomment>The answer of --export-csv; %1 is the file written.</extracomment>
        <translation>
            <numerusform>Se escribió %n pesaje en %1.
</numerusform>
            <numerusform>Se escribieron %n pesajes en %1.
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n weigh-ins to %1.
</source>
        <translation>
            <numerusform>Se escribió %n pesaje en %1.
</numerusform>
            <numerusform>Se escribieron %n pesajes en %1.
</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>JournalMessages</name>
    <message>
        <source>The journal %1 could not be written: %2</source>
        <extracomment>%1 is the journal&apos;s path, %2 the reason</extracomment>
        <translation>No se pudo escribir el diario %1: %2</translation>
    </message>
    <message>
        <source>The weigh-ins could not be written to %1: %2</source>
        <extracomment>%1 is the journal&apos;s path, %2 the reason</extracomment>
        <translation>No se pudieron escribir los pesajes en %1: %2</translation>
    </message>
    <message>
        <source>The plan could not be written to %1: %2</source>
        <extracomment>%1 is the journal&apos;s path, %2 the reason</extracomment>
        <translation>No se pudo escribir el plan en %1: %2</translation>
    </message>
    <message>
        <source>The preference could not be written to %1: %2</source>
        <extracomment>%1 is the journal&apos;s path, %2 the reason</extracomment>
        <translation>No se pudo escribir la preferencia en %1: %2</translation>
    </message>
    <message>
        <source>it could not be made: %1</source>
        <extracomment>Why the journal cannot be opened, after its path. %1 is the reason</extracomment>
        <translation>no se pudo crear: %1</translation>
    </message>
    <message>
        <source>a folder</source>
        <extracomment>What stands where the journal&apos;s file should be, in &quot;it is %1, not a file&quot;</extracomment>
        <translation>una carpeta</translation>
    </message>
    <message>
        <source>a FIFO (named pipe)</source>
        <extracomment>What stands where the journal&apos;s file should be, in &quot;it is %1, not a file&quot;</extracomment>
        <translation>un FIFO (tubería con nombre)</translation>
    </message>
    <message>
        <source>a socket</source>
        <extracomment>What stands where the journal&apos;s file should be, in &quot;it is %1, not a file&quot;</extracomment>
        <translation>un socket</translation>
    </message>
    <message>
        <source>a device</source>
        <extracomment>What stands where the journal&apos;s file should be, in &quot;it is %1, not a file&quot;</extracomment>
        <translation>un dispositivo</translation>
    </message>
    <message>
        <source>a link</source>
        <extracomment>What stands where the journal&apos;s file should be, in &quot;it is %1, not a file&quot;</extracomment>
        <translation>un enlace</translation>
    </message>
    <message>
        <source>no regular file</source>
        <extracomment>What stands where the journal&apos;s file should be, in &quot;it is %1, not a file&quot;</extracomment>
        <translation>un objeto especial</translation>
    </message>
    <message>
        <source>Your weigh-ins cannot be kept: %1: %2</source>
        <extracomment>Why the journal cannot be opened. %1 is a path (the journal&apos;s file or folder), %2 the reason, a clause that starts with a small letter (&quot;it cannot be written (...)&quot;)</extracomment>
        <translation>Sus pesajes no se pueden guardar: %1: %2</translation>
    </message>
    <message>
        <source>The journal %1 was written by a newer version of this program (journal version %2; this version reads up to %3). It was left as it is: the newer version can open it.</source>
        <extracomment>%1 is the journal&apos;s path, %2 the version of the journal, %3 the highest version this program reads</extracomment>
        <translation>El diario %1 lo escribió una versión más reciente de este programa (versión del diario %2; esta versión lee hasta la %3). Se dejó como estaba: la versión más reciente puede abrirlo.</translation>
    </message>
    <message>
        <source>%1 was a link to %2, not a journal of its own: the link was moved to %3 and a new journal was started; %2 was left as it is.</source>
        <extracomment>%1 is the journal&apos;s path, %2 the file the link pointed to, %3 the path the link was moved to</extracomment>
        <translation>%1 era un enlace a %2, no un diario propio: el enlace se movió a %3 y se empezó un diario nuevo; %2 se dejó como estaba.</translation>
    </message>
    <message>
        <source>%1 was damaged or no journal of this program: it was moved to %2 and a new journal was started.</source>
        <extracomment>%1 is the journal&apos;s path, %2 the path it was moved to</extracomment>
        <translation>%1 estaba dañado o no era un diario de este programa: se movió a %2 y se empezó un diario nuevo.</translation>
    </message>
    <message>
        <source>it cannot be written (%1)</source>
        <extracomment>Why the journal failed, after &quot;%1: &quot; naming its path. %1 is the database&apos;s own words</extracomment>
        <translation>no se puede escribir (%1)</translation>
    </message>
    <message>
        <source>it kept changing while it was being opened</source>
        <extracomment>Why the journal cannot be opened, after its path</extracomment>
        <translation>no dejó de cambiar mientras se abría</translation>
    </message>
    <message>
        <source>(no folder)</source>
        <extracomment>Stands in the place of the journal&apos;s path in a message when there is none</extracomment>
        <translation>(ninguna carpeta)</translation>
    </message>
    <message>
        <source>the system names no folder for the program&apos;s data</source>
        <extracomment>Why the journal cannot be opened, after &quot;(no folder)&quot;</extracomment>
        <translation>el sistema no indica ninguna carpeta para los datos del programa</translation>
    </message>
    <message>
        <source>it is %1, not a file, and was left as it is; move it away for a journal to be started there</source>
        <extracomment>Why the journal cannot be opened, after its path. %1 is what stands there, as &quot;a folder&quot;</extracomment>
        <translation>es %1, no un archivo, y se dejó como estaba; apártelo para que se pueda empezar ahí un diario</translation>
    </message>
    <message>
        <source>it is %1 where the journal keeps a file of its own, and was left as it is; move it away for the journal to be opened</source>
        <extracomment>Why the journal cannot be opened, after the path of a file SQLite keeps beside it. %1 is what stands there, as &quot;a folder&quot;</extracomment>
        <translation>es %1 donde el diario guarda un archivo propio, y se dejó como estaba; apártelo para que el diario se pueda abrir</translation>
    </message>
    <message>
        <source>Weigh-ins cannot be added or changed: %1 cannot be written (%2).</source>
        <extracomment>%1 is the journal&apos;s file or folder, %2 the system&apos;s reason</extracomment>
        <translation>No se pueden añadir ni cambiar pesajes: no se puede escribir en %1 (%2).</translation>
    </message>
    <message>
        <source>it is damaged or no journal of this program, and could not be moved to %1: %2</source>
        <extracomment>Why the journal cannot be opened, after its path. %1 is the path it was to be moved to, %2 the system&apos;s reason</extracomment>
        <translation>está dañado o no es un diario de este programa, y no se pudo mover a %1: %2</translation>
    </message>
    <message>
        <source>it could not be moved to %1: %2</source>
        <extracomment>Why the journal cannot be opened, after the path of a file beside it. %1 is the path it was to be moved to, %2 the system&apos;s reason</extracomment>
        <translation>no se pudo mover a %1: %2</translation>
    </message>
    <message>
        <source>it is a link to %1, and could not be moved to %2: %3</source>
        <extracomment>Why the journal cannot be opened, after its path. %1 is the file the link points to, %2 the path it was to be moved to, %3 the system&apos;s reason</extracomment>
        <translation>es un enlace a %1, y no se pudo mover a %2: %3</translation>
    </message>
    <message>
        <source>the toolkit&apos;s SQLite driver is missing (package libqt6sql6-sqlite)</source>
        <extracomment>Why the journal cannot be opened, after its path. libqt6sql6-sqlite is the name of a package: keep it</extracomment>
        <translation>falta el controlador SQLite del kit de herramientas (paquete libqt6sql6-sqlite)</translation>
    </message>
    <message>
        <source>it is no journal of this program, and cannot be moved aside</source>
        <extracomment>Why the journal cannot be opened, after its path</extracomment>
        <translation>no es un diario de este programa y no se puede apartar</translation>
    </message>
    <message>
        <source>SQLite would not keep it in WAL mode</source>
        <extracomment>Why the journal cannot be opened, after its path. WAL is SQLite&apos;s name of a way to keep a database</extracomment>
        <translation>SQLite no quiso guardarlo en modo WAL</translation>
    </message>
    <message>
        <source>its upgrade to version %1 failed: %2</source>
        <extracomment>Why the journal cannot be opened, after its path. %1 is the journal version it was to reach, %2 the reason</extracomment>
        <translation>falló su actualización a la versión %1: %2</translation>
    </message>
    <message>
        <source>The weigh-ins could not be read from %1: %2</source>
        <extracomment>%1 is the journal&apos;s path, %2 the reason</extracomment>
        <translation>No se pudieron leer los pesajes de %1: %2</translation>
    </message>
    <message>
        <source>The date is not a day of the calendar.</source>
        <extracomment>Why a weigh-in could not be removed</extracomment>
        <translation>La fecha no es un día del calendario.</translation>
    </message>
    <message>
        <source>The weigh-ins of %1 were changed since; nothing was written.</source>
        <extracomment>%1 names the days, as 2026-12-08, 2026-12-09</extracomment>
        <translation>Los pesajes de %1 han cambiado entretanto; no se escribió nada.</translation>
    </message>
    <message>
        <source>The plans could not be read from %1: %2</source>
        <extracomment>%1 is the journal&apos;s path, %2 the reason</extracomment>
        <translation>No se pudieron leer los planes de %1: %2</translation>
    </message>
    <message>
        <source>The plan has no start date, time frame or weights to keep.</source>
        <extracomment>Why a plan could not be followed: it lacks what the journal keeps of it</extracomment>
        <translation>El plan no tiene fecha de inicio, plazo ni pesos que guardar.</translation>
    </message>
    <message>
        <source>The preferences could not be read from %1: %2</source>
        <extracomment>%1 is the journal&apos;s path, %2 the reason</extracomment>
        <translation>No se pudieron leer las preferencias de %1: %2</translation>
    </message>
</context>
<context>
    <name>KeyFilters</name>
    <message>
        <source>Please Enter Only Alphabet</source>
        <extracomment>Message box over the main window when a character other than a letter is typed into the name box; one short line</extracomment>
        <translation>Introduzca solo letras</translation>
    </message>
    <message>
        <source>Please Enter Only Number !</source>
        <extracomment>Message box over the main window (or the progress window&apos;s weigh-in box) when a character other than a digit is typed into a box of figures; one short line</extracomment>
        <translation>¡Introduzca solo números!</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Calculate</source>
        <extracomment>Main window: the wide button under the details, 569 px wide, bold.</extracomment>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>Main window: a button below the visible area, never seen; a screen reader reads it and its access key works. 139 px wide.</extracomment>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Enter the following personal details</source>
        <extracomment>Main window: caption of the frame around all the details, on its top edge; the frame is 569 px wide.</extracomment>
        <translation>Introduzca los siguientes datos personales</translation>
    </message>
    <message>
        <source>Your Weight in Pound/Kg</source>
        <extracomment>Main window: caption of the frame around the two weight boxes, on its top edge; the frame is 203 px wide.</extracomment>
        <translation>Su peso en libras/kg</translation>
    </message>
    <message>
        <source>Weight in kilograms</source>
        <extracomment>Main window: what a screen reader calls the box of the weight in kilograms.</extracomment>
        <translation>Peso en kilogramos</translation>
    </message>
    <message>
        <source>Weight in pounds</source>
        <extracomment>Main window: what a screen reader calls the box of the weight in pounds.</extracomment>
        <translation>Peso en libras</translation>
    </message>
    <message>
        <source>Kg</source>
        <extracomment>Main window: unit beside a kilogram box, 15 px wide; keep it as short as &quot;Kg&quot;.</extracomment>
        <translation>kg</translation>
    </message>
    <message>
        <source>Pound</source>
        <extracomment>Main window: unit beside a pound box, 35 px wide; keep it as short as &quot;Pound&quot;.</extracomment>
        <translation>Libra</translation>
    </message>
    <message>
        <source>Age</source>
        <extracomment>Main window: caption of the frame around the age list, on its top edge; the frame is 155 px wide. Also what a screen reader calls the list.
----------
Main window: what a screen reader calls the age list; also the caption of its frame, 155 px wide.</extracomment>
        <translation>Edad</translation>
    </message>
    <message>
        <source>Years</source>
        <extracomment>Main window: unit beside the age list, 32 px wide; keep it as short as &quot;Years&quot;.</extracomment>
        <translation>Años</translation>
    </message>
    <message>
        <source>How much time do you have? </source>
        <extracomment>Main window: caption of the frame around the list of days, on its top edge; the frame is 259 px wide. The space at the end is part of the caption.</extracomment>
        <translation>¿Cuánto tiempo tiene? </translation>
    </message>
    <message>
        <source>Time frame in days</source>
        <extracomment>Main window: what a screen reader calls the list of days to lose the weight in.</extracomment>
        <translation>Plazo en días</translation>
    </message>
    <message>
        <source>Days</source>
        <extracomment>Main window: unit beside the list of days, 29 px wide; keep it as short as &quot;Days&quot;.</extracomment>
        <translation>Días</translation>
    </message>
    <message>
        <source>How much weight do you wish to lose?</source>
        <extracomment>Main window: caption of the frame around the two boxes of the weight to lose, on its top edge; the frame is 275 px wide.</extracomment>
        <translation>¿Cuánto peso desea perder?</translation>
    </message>
    <message>
        <source>Weight to lose in kilograms</source>
        <extracomment>Main window: what a screen reader calls the box of the weight to lose in kilograms.</extracomment>
        <translation>Peso que perder en kilogramos</translation>
    </message>
    <message>
        <source>Weight to lose in pounds</source>
        <extracomment>Main window: what a screen reader calls the box of the weight to lose in pounds.</extracomment>
        <translation>Peso que perder en libras</translation>
    </message>
    <message>
        <source>Level of Daily Activity</source>
        <extracomment>Main window: caption of the frame around the activity list, on its top edge; the frame is 539 px wide.</extracomment>
        <translation>Nivel de actividad diaria</translation>
    </message>
    <message>
        <source>Level of daily activity</source>
        <extracomment>Main window: what a screen reader calls the list of levels of daily activity.</extracomment>
        <translation>Nivel de actividad diaria</translation>
    </message>
    <message>
        <source>Your Height</source>
        <extracomment>Main window: caption of the frame around the height lists (or the centimetre box), on its top edge; the frame is 211 px wide.</extracomment>
        <translation>Su estatura</translation>
    </message>
    <message>
        <source>Height in inches</source>
        <extracomment>Main window: what a screen reader calls the list of the height&apos;s inches.</extracomment>
        <translation>Estatura en pulgadas</translation>
    </message>
    <message>
        <source>Height in feet</source>
        <extracomment>Main window: what a screen reader calls the list of the height&apos;s feet.</extracomment>
        <translation>Estatura en pies</translation>
    </message>
    <message>
        <source>inch</source>
        <extracomment>Main window: unit beside the list of the height&apos;s inches, 23 px wide; keep it as short as &quot;inch&quot;. The small letter is as the window has always had it.</extracomment>
        <translation>pulg</translation>
    </message>
    <message>
        <source>Feet</source>
        <extracomment>Main window: unit beside the list of the height&apos;s feet, 24 px wide; keep it as short as &quot;Feet&quot;.</extracomment>
        <translation>Pies</translation>
    </message>
    <message>
        <source>Height in centimetres</source>
        <extracomment>Main window: what a screen reader calls the box of the height in centimetres.</extracomment>
        <translation>Estatura en centímetros</translation>
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
        <translation>Sexo</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>Main window: caption of the frame around the name box, on its top edge; the frame is 371 px wide. Also what a screen reader calls the box.
----------
Main window: what a screen reader calls the name box; also the caption of its frame, 371 px wide.</extracomment>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Do you feel you are overweight and need to lose weight? Do you need to lose weight in a fixed time period? Do you need to control your diet? Know more about the right calorie intake based on your level of daily physical activity with Veltro Weight Loss Calculator. Enter the following personal details to get started.</source>
        <extracomment>Main window: the introduction under the banner, centred in bold 9 pt in a box of 553 x 57 px (four lines at most). &quot;Veltro&quot; is the product&apos;s name.</extracomment>
        <translation>¿Cree que tiene sobrepeso y necesita adelgazar? ¿Necesita perder peso en un plazo fijo? ¿Necesita controlar su dieta? Conozca la ingesta de calorías adecuada según su nivel de actividad física diaria con Veltro Calculadora para Adelgazar. Introduzca los siguientes datos personales para empezar.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Calculate Again</source>
        <extracomment>File menu of the results window: back to the main window to change the details. It has no access key, as it never had one.</extracomment>
        <translation>Calcular de nuevo</translation>
    </message>
    <message>
        <source>&amp;See Your Plan...</source>
        <extracomment>File menu of the results window: opens the plan window.</extracomment>
        <translation>&amp;Ver su plan...</translation>
    </message>
    <message>
        <source>&amp;Print Your Plan...</source>
        <extracomment>File menu of the results window: prints the plan after the print dialog.</extracomment>
        <translation>&amp;Imprimir su plan...</translation>
    </message>
    <message>
        <source>Save Your Plan as P&amp;DF...</source>
        <extracomment>File menu of the results window: saves the plan as a PDF file after a file dialog.</extracomment>
        <translation>Guardar su plan como P&amp;DF...</translation>
    </message>
    <message>
        <source>&amp;Copy Your Plan</source>
        <extracomment>File menu of the results window: puts the plan&apos;s text on the clipboard.</extracomment>
        <translation>&amp;Copiar su plan</translation>
    </message>
    <message>
        <source>&amp;Follow Your Plan</source>
        <extracomment>File menu of the results window: keeps this plan as the one the progress window measures the weigh-ins against.</extracomment>
        <translation>Se&amp;guir su plan</translation>
    </message>
    <message>
        <source>Your P&amp;rogress...</source>
        <extracomment>File menu: opens the progress window, where weigh-ins are kept.</extracomment>
        <translation>Su p&amp;rogreso...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>File menu: ends the program through the exit screen.</extracomment>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <extracomment>Help menu of the results window: opens the download page in the browser. The main window has the same command with another access key.</extracomment>
        <translation>Comprobar ac&amp;tualización del software</translation>
    </message>
    <message>
        <source>Calculate</source>
        <extracomment>File menu of the main window: checks the details and shows the results. It has no access key, as it never had one.</extracomment>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>Height in &amp;Centimetres</source>
        <extracomment>File menu of the main window, a check mark: the height is entered in centimetres in one box instead of feet and inches in two lists.</extracomment>
        <translation>Estatura en &amp;centímetros</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <extracomment>Help menu of the main window: opens the download page in the browser. The results window has the same command with another access key.</extracomment>
        <translation>&amp;Comprobar actualización del software</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <extracomment>Menu on the menu bar of the main and the results window. The menu bar holds File, Help, Donate and Make Money Online in one line of 569 px (main window).</extracomment>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>Menu on the menu bar of the main and the results window, beside File.</extracomment>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <extracomment>Help menu: opens the program&apos;s help pages in the browser.</extracomment>
        <translation>Ayuda en &amp;línea</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <extracomment>Help menu: opens the maker&apos;s home page in the browser.</extracomment>
        <translation>Visíte&amp;nos en línea</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <extracomment>Help menu: shows the about box.</extracomment>
        <translation>Acerca d&amp;el software</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <extracomment>Command on the menu bar itself, beside Help: opens the donation page in the browser. The menu bar holds File, Help, Donate and Make Money Online in one line.</extracomment>
        <translation>&amp;Donar</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <extracomment>Command on the menu bar itself, last, always greyed out. The menu bar holds File, Help, Donate and Make Money Online in one line.</extracomment>
        <translation>Ganar dinero en &amp;línea</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Veltro Weight Loss Calculator</source>
        <extracomment>Title of every message box. Veltro is the product&apos;s name: keep it as it is</extracomment>
        <translation>Veltro Calculadora para Adelgazar</translation>
    </message>
</context>
<context>
    <name>ModelText</name>
    <message>
        <source>The age is not a figure the model can use.</source>
        <translation>La edad no es una cifra que el modelo pueda usar.</translation>
    </message>
    <message>
        <source>The model is made for adults: it does not hold under 18 years.</source>
        <translation>El modelo está hecho para adultos: no es válido por debajo de los 18 años.</translation>
    </message>
    <message>
        <source>The model does not hold past 125 years of age.</source>
        <translation>El modelo no es válido por encima de los 125 años de edad.</translation>
    </message>
    <message>
        <source>The height is not a figure the model can use.</source>
        <translation>La estatura no es una cifra que el modelo pueda usar.</translation>
    </message>
    <message>
        <source>The model needs a height above zero.</source>
        <translation>El modelo necesita una estatura mayor que cero.</translation>
    </message>
    <message>
        <source>The model holds for a height between 1 and 2.5 metres (3 ft 3 in and 8 ft 2 in).</source>
        <translation>El modelo es válido para una estatura de entre 1 y 2,5 metros (entre 3 pies 3 pulg y 8 pies 2 pulg).</translation>
    </message>
    <message>
        <source>The weight is not a figure the model can use.</source>
        <translation>El peso no es una cifra que el modelo pueda usar.</translation>
    </message>
    <message>
        <source>The model needs a weight above zero.</source>
        <translation>El modelo necesita un peso mayor que cero.</translation>
    </message>
    <message>
        <source>The model holds for a body mass index between 15 and 60; yours is far below that.</source>
        <translation>El modelo es válido para un índice de masa corporal de entre 15 y 60; el suyo está muy por debajo.</translation>
    </message>
    <message>
        <source>The model holds for a body mass index between 15 and 60; yours is far above that.</source>
        <translation>El modelo es válido para un índice de masa corporal de entre 15 y 60; el suyo está muy por encima.</translation>
    </message>
    <message>
        <source>The model holds for a body mass index between 15 and 60; yours is %1.</source>
        <extracomment>%1 the person&apos;s body mass index</extracomment>
        <translation>El modelo es válido para un índice de masa corporal de entre 15 y 60; el suyo es %1.</translation>
    </message>
    <message>
        <source>The resting energy expenditure is not a figure the model can use.</source>
        <translation>El gasto energético en reposo no es una cifra que el modelo pueda usar.</translation>
    </message>
    <message>
        <source>The model needs a resting energy expenditure above zero.</source>
        <translation>El modelo necesita un gasto energético en reposo mayor que cero.</translation>
    </message>
    <message>
        <source>The model cannot use a resting energy expenditure this low for your weight.</source>
        <translation>El modelo no puede usar un gasto energético en reposo tan bajo para su peso.</translation>
    </message>
    <message>
        <source>The model cannot use a resting energy expenditure this high for your weight.</source>
        <translation>El modelo no puede usar un gasto energético en reposo tan alto para su peso.</translation>
    </message>
    <message>
        <source>The model holds for an activity level between 1.12 and 2.5 times the resting expenditure; yours is far outside that.</source>
        <translation>El modelo es válido para un nivel de actividad de entre 1,12 y 2,5 veces el gasto en reposo; el suyo queda muy fuera de ese rango.</translation>
    </message>
    <message>
        <source>The model holds for an activity level between 1.12 and 2.5 times the resting expenditure; yours is %1.</source>
        <extracomment>%1 the person&apos;s activity level, a multiple of the resting expenditure</extracomment>
        <translation>El modelo es válido para un nivel de actividad de entre 1,12 y 2,5 veces el gasto en reposo; el suyo es %1.</translation>
    </message>
    <message>
        <source>A step of the calculation failed and kept an earlier figure, so the model has no fresh figures to start from.</source>
        <translation>Un paso del cálculo falló y conservó una cifra anterior, así que el modelo no tiene cifras nuevas de las que partir.</translation>
    </message>
    <message>
        <source>The weight in pounds is not a figure the model can use.</source>
        <translation>El peso en libras no es una cifra que el modelo pueda usar.</translation>
    </message>
</context>
<context>
    <name>OfferTexts</name>
    <message>
        <source>The Most Popular Online Quillory Discussion Board. Best Resource For Everything Quillory. Visit %1 Now</source>
        <extracomment>Link across the top of the main window (544 px wide) and the results window (672 px), two lines at most; the windows do not grow. %1 is the forum&apos;s web address</extracomment>
        <translation>El foro de quillory más popular de Internet. El mejor recurso sobre quillory. Visite %1 ahora</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <extracomment>Link in the band at the foot of the main window (543 px wide) and the results window (671 px), two or three lines at most; the windows do not grow. &quot;Help&quot; names the Help menu; the &quot;&amp;&quot; is shown as it is, not an access key</extracomment>
        <translation>Ponga la marca de su sitio en este software.  Aumente la fidelidad y el tráfico de su sitio. Ponga aquí nombre &amp;  enlace de su sitio. Vea «Ayuda» para más detalles.    Haga clic aquí para saber más sobre la marca compartida.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <extracomment>Link in the band at the foot of the main window (543 px wide) and the results window (671 px), two or three lines at most; the windows do not grow</extracomment>
        <translation>Oportunidad de negocio desde casa. Cree su propio negocio en Internet y gane dinero en línea. Obtenga este software con la marca de su sitio web. Haga clic aquí para más detalles.</translation>
    </message>
</context>
<context>
    <name>PersonalDetails</name>
    <message>
        <source>Male</source>
        <extracomment>First choice of the main window&apos;s gender list, 97 px wide; keep it as short as &quot;Male&quot;</extracomment>
        <translation>Hombre</translation>
    </message>
    <message>
        <source>Sedentary (Resting, sleeping, reclining)</source>
        <extracomment>A level of daily activity in the main window&apos;s list (521 px wide) and on the results window. Keep the form &quot;Level (examples)&quot;: the plan names the level by the words before &quot; (&quot;</extracomment>
        <translation>Sedentario (reposo, sueño, estar recostado)</translation>
    </message>
    <message>
        <source>Lightly Active (Seated and standing activities, e.g. computer use)</source>
        <extracomment>A level of daily activity in the main window&apos;s list (521 px wide) and on the results window. Keep the form &quot;Level (examples)&quot;: the plan names the level by the words before &quot; (&quot;</extracomment>
        <translation>Ligeramente activo (actividades sentado y de pie, p. ej. con el ordenador)</translation>
    </message>
    <message>
        <source>Moderately Active (Some walking, garage work, house cleaning, child care)</source>
        <extracomment>A level of daily activity in the main window&apos;s list (521 px wide) and on the results window. Keep the form &quot;Level (examples)&quot;: the plan names the level by the words before &quot; (&quot;</extracomment>
        <translation>Moderadamente activo (caminar algo, bricolaje, limpiar la casa, cuidar niños)</translation>
    </message>
    <message>
        <source>Very Active (Fast walking, heavy gardening, manual labor, cycling, skiing, tennis)</source>
        <extracomment>A level of daily activity in the main window&apos;s list (521 px wide) and on the results window. Keep the form &quot;Level (examples)&quot;: the plan names the level by the words before &quot; (&quot;</extracomment>
        <translation>Muy activo (caminar rápido, jardinería pesada, trabajo manual, ciclismo, esquí, tenis)</translation>
    </message>
    <message>
        <source>Extremely Active (Walking with load uphill, basketball, climbing, football, soccer)</source>
        <extracomment>A level of daily activity in the main window&apos;s list (521 px wide) and on the results window. Keep the form &quot;Level (examples)&quot;: the plan names the level by the words before &quot; (&quot;</extracomment>
        <translation>Extremadamente activo (subir cuestas con carga, baloncesto, escalada, fútbol)</translation>
    </message>
    <message>
        <source>Female</source>
        <extracomment>Second choice of the main window&apos;s gender list, 97 px wide; keep it as short as &quot;Female&quot;</extracomment>
        <translation>Mujer</translation>
    </message>
</context>
<context>
    <name>PlanDocument</name>
    <message>
        <source>Caution</source>
        <extracomment>Heading above the warnings of a plan (a loss too fast, an intake too low)</extracomment>
        <translation>Precaución</translation>
    </message>
    <message>
        <source>How these figures are computed</source>
        <extracomment>Heading above the numbered steps that explain the plan&apos;s figures</extracomment>
        <translation>Cómo se calculan estas cifras</translation>
    </message>
    <message>
        <source>Other paces</source>
        <extracomment>Heading above the table of other weekly losses and the days each takes to the goal
----------
Heading above the list of other weekly losses and the days each takes to the goal</extracomment>
        <translation>Otros ritmos</translation>
    </message>
    <message>
        <source>After the goal</source>
        <extracomment>Heading above what the person may eat once the goal weight is reached</extracomment>
        <translation>Una vez alcanzado el objetivo</translation>
    </message>
    <message>
        <source>Your details</source>
        <extracomment>Heading above the details the person entered (name, age, weight...) at the end of the plan window&apos;s text</extracomment>
        <translation>Sus datos</translation>
    </message>
</context>
<context>
    <name>PlanOutputText</name>
    <message>
        <source>Your plan</source>
        <extracomment>The plan as a message names it when it cannot be printed or saved: it stands at the start of &quot;%1 could not be printed.&quot; and &quot;%1 could not be saved as %2: %3&quot;</extracomment>
        <translation>Su plan</translation>
    </message>
    <message>
        <source>Print Your Plan</source>
        <extracomment>Caption of the print dialog opened from the plan window</extracomment>
        <translation>Imprimir su plan</translation>
    </message>
    <message>
        <source>Save Your Plan as PDF</source>
        <extracomment>Caption of the file dialog that saves the plan as a PDF file</extracomment>
        <translation>Guardar su plan como PDF</translation>
    </message>
</context>
<context>
    <name>PlanProblems</name>
    <message>
        <source>The model cannot follow a goal below no body weight.</source>
        <extracomment>Why the plan draws no curve of the body&apos;s model; follows &quot;...so it draws nothing: &quot;</extracomment>
        <translation>El modelo no puede seguir un objetivo que deja el peso corporal en cero o menos.</translation>
    </message>
    <message>
        <source>The model needs a daily intake above nothing.</source>
        <extracomment>Why the plan draws no curve of the body&apos;s model; follows &quot;...so it draws nothing: &quot;</extracomment>
        <translation>El modelo necesita una ingesta diaria mayor que cero.</translation>
    </message>
    <message>
        <source>The model cannot follow this time frame.</source>
        <extracomment>Why the plan draws no curve of the body&apos;s model; follows &quot;...so it draws nothing: &quot;</extracomment>
        <translation>El modelo no puede seguir este plazo.</translation>
    </message>
    <message>
        <source>At this intake the body would leave what the model holds for.</source>
        <extracomment>Why the plan draws no curve of the body&apos;s model; follows &quot;...so it draws nothing: &quot;</extracomment>
        <translation>Con esta ingesta, el cuerpo saldría del rango en que el modelo es válido.</translation>
    </message>
    <message>
        <source>The figures of this plan are too large to compute, so it cannot be followed.</source>
        <extracomment>Message box when the person asks to follow a plan that cannot be followed</extracomment>
        <translation>Las cifras de este plan son demasiado grandes para calcularlas, así que no se puede seguir.</translation>
    </message>
    <message>
        <source>This plan has no weight to lose, so there is nothing to follow.</source>
        <extracomment>Message box when the person asks to follow a plan that cannot be followed</extracomment>
        <translation>Este plan no tiene peso que perder, así que no hay nada que seguir.</translation>
    </message>
    <message>
        <source>This plan&apos;s goal leaves no body weight at all, so it cannot be followed: please choose a smaller goal.</source>
        <extracomment>Message box when the person asks to follow a plan that cannot be followed</extracomment>
        <translation>El objetivo de este plan no deja ningún peso corporal, así que no se puede seguir: elija un objetivo menor.</translation>
    </message>
    <message>
        <source>No daily intake reaches this plan&apos;s goal in its time, so it cannot be followed: please choose a longer time frame and calculate again.</source>
        <extracomment>Message box when the person asks to follow a plan that cannot be followed; &quot;calculate again&quot; is pressing the main window&apos;s Calculate button again</extracomment>
        <translation>Ninguna ingesta diaria alcanza el objetivo de este plan en su plazo, así que no se puede seguir: elija un plazo más largo y vuelva a calcular.</translation>
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
        <translation>%1: las cifras son demasiado grandes para calcular este paso, así que el cálculo conservó la cifra que tenía antes, %2. Los pasos siguientes parten de ella.</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Estatura</translation>
    </message>
    <message>
        <source>%1 cm ÷ %2 = %3 in.</source>
        <translation>%1 cm ÷ %2 = %3 pulg.</translation>
    </message>
    <message>
        <source>%1 ft × 12 + %2 in = %3 in.</source>
        <translation>%1 pies × 12 + %2 pulg = %3 pulg.</translation>
    </message>
    <message>
        <source>%1 in</source>
        <extracomment>A height in inches</extracomment>
        <translation>%1 pulg</translation>
    </message>
    <message>
        <source>Basal energy (the Harris–Benedict equation for men)</source>
        <translation>Energía basal (ecuación de Harris–Benedict para hombres)</translation>
    </message>
    <message>
        <source>Basal energy (the Harris–Benedict equation for women)</source>
        <translation>Energía basal (ecuación de Harris–Benedict para mujeres)</translation>
    </message>
    <message>
        <source>%1 + %2 × %3 + %4 × %5 − %6 × %7 = %8 calories a day.</source>
        <extracomment>The basal energy from the equation: constant + per pound x weight + per inch x height - per year x age</extracomment>
        <translation>%1 + %2 × %3 + %4 × %5 − %6 × %7 = %8 calorías al día.</translation>
    </message>
    <message>
        <source>To keep your weight: %1 × %2 (%3) = %4, rounded to %5 calories a day (%6 kJ).</source>
        <extracomment>%1 basal energy, %2 the activity&apos;s multiple, %3 the activity&apos;s name, %4 the product, %5 and %6 the same rounded, in calories and kilojoules</extracomment>
        <translation>Para mantener su peso: %1 × %2 (%3) = %4, redondeado a %5 calorías al día (%6 kJ).</translation>
    </message>
    <message>
        <source>To keep your weight</source>
        <translation>Para mantener su peso</translation>
    </message>
    <message>
        <source>%1 calories a day</source>
        <translation>%1 calorías al día</translation>
    </message>
    <message>
        <source>Daily loss</source>
        <translation>Pérdida diaria</translation>
    </message>
    <message>
        <source>%1 lb ÷ %2 = %3 lb a day (%4 rounded to two decimals).</source>
        <extracomment>%1 pounds to lose divided by %2 (a count of days) gives %3 pounds a day, %4 before rounding</extracomment>
        <translation>%1 lb ÷ %2 = %3 lb al día (%4 redondeado a dos decimales).</translation>
    </message>
    <message>
        <source>%1 lb ÷ %2 = %3 lb a day.</source>
        <translation>%1 lb ÷ %2 = %3 lb al día.</translation>
    </message>
    <message>
        <source>Daily deficit</source>
        <translation>Déficit diario</translation>
    </message>
    <message>
        <source>%1 × 3500 = %2 calories a day, 3500 calories for every pound.</source>
        <extracomment>%1 pounds a day times 3500 gives %2 calories a day</extracomment>
        <translation>%1 × 3500 = %2 calorías al día, 3500 calorías por cada libra.</translation>
    </message>
    <message>
        <source>%1 calories</source>
        <translation>%1 calorías</translation>
    </message>
    <message>
        <source>To reach your goal</source>
        <translation>Para alcanzar su objetivo</translation>
    </message>
    <message>
        <source>%1 − %2 = %3 calories a day (%4 kJ).</source>
        <translation>%1 − %2 = %3 calorías al día (%4 kJ).</translation>
    </message>
    <message>
        <source>%1 − %2 = %3: below nothing, so this intake cannot be achieved.</source>
        <translation>%1 − %2 = %3: por debajo de cero, así que esta ingesta no se puede alcanzar.</translation>
    </message>
    <message>
        <source>You chose to lose nothing: the plan keeps your weight at %1.</source>
        <translation>Ha elegido no perder nada: el plan mantiene su peso en %1.</translation>
    </message>
    <message>
        <source>Losing %1 from %2 would leave no body weight, and no daily intake gives %3: it would take a deficit of %4 calories a day, more than the %5 calories that keep your weight.</source>
        <extracomment>%1 the weight to lose, %2 the weight now, %3 the daily loss, %4 and %5 calories</extracomment>
        <translation>Perder %1 partiendo de %2 no dejaría ningún peso corporal, y ninguna ingesta diaria permite perder %3: haría falta un déficit de %4 calorías al día, más que las %5 calorías que mantienen su peso.</translation>
    </message>
    <message>
        <source>No daily intake reaches your goal of %1 in %2: it would take %3, a deficit of %4 calories a day, more than the %5 calories that keep your weight.</source>
        <extracomment>%1 the goal weight, %2 a count of days, %3 the daily loss, %4 and %5 calories</extracomment>
        <translation>Ninguna ingesta diaria alcanza su objetivo de %1 en %2: haría falta perder %3, un déficit de %4 calorías al día, más que las %5 calorías que mantienen su peso.</translation>
    </message>
    <message>
        <source>%1 lb ÷ %2 rounds to 0.00 lb a day, so the plan keeps your weight at %3: the goal of %4 is not reached in this time.</source>
        <extracomment>%1 the pounds to lose, %2 a count of days, %3 the weight now, %4 the goal weight</extracomment>
        <translation>%1 lb ÷ %2 se redondea a 0,00 lb al día, así que el plan mantiene su peso en %3: el objetivo de %4 no se alcanza en este plazo.</translation>
    </message>
    <message>
        <source>At %1 the weight would reach nothing before day %2 of %3, so the line and the table stop there.</source>
        <extracomment>%1 the daily loss, %2 the day the weight reaches nothing, %3 the days of the plan</extracomment>
        <translation>A razón de %1, el peso llegaría a cero antes del día %2 de %3, así que la línea y la tabla se detienen ahí.</translation>
    </message>
    <message>
        <source>At %1 you would weigh %2 on %3 (day %4), and the goal lies below no weight at all.</source>
        <extracomment>%1 the daily loss, %2 a weight, %3 a date, %4 the day of the plan</extracomment>
        <translation>A razón de %1, pesaría %2 el %3 (día %4), y el objetivo queda en cero o por debajo: no es un peso posible.</translation>
    </message>
    <message>
        <source>%1 (day %2)</source>
        <extracomment>The plan&apos;s last day: %1 its date, %2 its number</extracomment>
        <translation>%1 (día %2)</translation>
    </message>
    <message>
        <source>At %1 you reach your goal of %2 on %3.</source>
        <extracomment>%1 the daily loss, %2 the goal weight, %3 the date and day</extracomment>
        <translation>A razón de %1, alcanza su objetivo de %2 el %3.</translation>
    </message>
    <message>
        <source>At %1 you would weigh %2 on %3, %4 above your goal of %5: %6 are lost, %4 less than the %7 asked, because %1 is rounded down from %8.</source>
        <extracomment>%1 the daily loss, %2 the weight reached, %3 the date and day, %4 the difference, %5 the goal, %6 the weight lost, %7 the weight asked to lose, %8 the daily loss before rounding</extracomment>
        <translation>A razón de %1, pesaría %2 el %3, %4 por encima de su objetivo de %5: se pierden %6, %4 menos que los %7 solicitados, porque %1 es el redondeo a la baja de %8.</translation>
    </message>
    <message>
        <source>At %1 you would weigh %2 on %3, %4 below your goal of %5: %6 are lost, %4 more than the %7 asked, because %1 is rounded up from %8.</source>
        <extracomment>%1 the daily loss, %2 the weight reached, %3 the date and day, %4 the difference, %5 the goal, %6 the weight lost, %7 the weight asked to lose, %8 the daily loss before rounding</extracomment>
        <translation>A razón de %1, pesaría %2 el %3, %4 por debajo de su objetivo de %5: se pierden %6, %4 más que los %7 solicitados, porque %1 es el redondeo al alza de %8.</translation>
    </message>
    <message>
        <source>%1 a day is below %2, the least that health services advise men to eat without a doctor&apos;s supervision.</source>
        <extracomment>%1 a daily intake, %2 the least calories advised</extracomment>
        <translation>%1 al día está por debajo de %2, el mínimo que los servicios de salud aconsejan comer a los hombres sin supervisión médica.</translation>
    </message>
    <message>
        <source>%1 a day is below %2, the least that health services advise women to eat without a doctor&apos;s supervision.</source>
        <extracomment>%1 a daily intake, %2 the least calories advised</extracomment>
        <translation>%1 al día está por debajo de %2, el mínimo que los servicios de salud aconsejan comer a las mujeres sin supervisión médica.</translation>
    </message>
    <message>
        <source>Losing %1 from %2 leaves no body weight at all: please choose a smaller goal.</source>
        <extracomment>%1 the weight to lose, %2 the weight now</extracomment>
        <translation>Perder %1 partiendo de %2 no deja ningún peso corporal: elija un objetivo menor.</translation>
    </message>
    <message>
        <source>Losing %1 in %2 would take %3 a day, less than nothing, so it cannot be achieved.</source>
        <extracomment>%1 the weight to lose, %2 a count of days, %3 a daily intake</extracomment>
        <translation>Perder %1 en %2 requeriría %3 al día, menos de cero, así que no se puede alcanzar.</translation>
    </message>
    <message>
        <source>%1 in %2 is %3, more than the 1 to 2 lb a week that health services advise.</source>
        <extracomment>%1 the weight to lose, %2 a count of days, %3 the weekly loss</extracomment>
        <translation>%1 en %2 supone %3, más que el ritmo de 1 a 2 lb por semana que aconsejan los servicios de salud.</translation>
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
        <translation>El modelo es el de Hall y colaboradores (The Lancet, 2011), que utiliza el NIH Body Weight Planner.</translation>
    </message>
    <message>
        <source>It is made for adults and tells what an average body does, not a promise; it is not for pregnancy or illness.</source>
        <translation>Está hecho para adultos y describe lo que hace un cuerpo medio, no es una promesa; no es válido durante el embarazo ni en caso de enfermedad.</translation>
    </message>
    <message>
        <source>The model of how the body responds does not hold here, so it draws nothing: %1</source>
        <extracomment>%1 is the reason, a whole sentence</extracomment>
        <translation>El modelo de cómo responde el cuerpo no es válido aquí, así que no dibuja nada: %1</translation>
    </message>
    <message>
        <source>At %1 a day the model expects about %2 on day %3, as the straight line does.</source>
        <extracomment>%1 a daily intake, %2 a weight, %3 a day of the plan</extracomment>
        <translation>Con %1 al día, el modelo prevé alrededor de %2 el día %3, igual que la línea recta.</translation>
    </message>
    <message>
        <source>At %1 a day the model expects about %2 on day %3, not the %4 of the straight line: the body first gives up water and stored glycogen, which weigh much for the calories they hold, then loses more slowly, as it gets lighter and burns less.</source>
        <extracomment>%1 a daily intake, %2 a weight, %3 a day of the plan, %4 the weight of the straight line</extracomment>
        <translation>Con %1 al día, el modelo prevé alrededor de %2 el día %3, y no %4, como indica la línea recta: el cuerpo pierde primero agua y glucógeno almacenado, que pesan mucho para las calorías que contienen, y después pierde más despacio, a medida que se aligera y gasta menos.</translation>
    </message>
    <message>
        <source>By the model, %1 a day reach %2 on day %3 (%4).</source>
        <extracomment>%1 a daily intake, %2 the goal weight, %3 a day of the plan, %4 its date</extracomment>
        <translation>Según el modelo, con %1 al día se alcanza %2 el día %3 (%4).</translation>
    </message>
    <message>
        <source>It loses %1, more than the 1 to 2 lb a week that health services advise.</source>
        <extracomment>%1 a weekly loss</extracomment>
        <translation>Eso supone perder %1, más que el ritmo de 1 a 2 lb por semana que aconsejan los servicios de salud.</translation>
    </message>
    <message>
        <source>By the model, no daily intake reaches %1 on day %2.</source>
        <extracomment>%1 the goal weight, %2 a day of the plan</extracomment>
        <translation>Según el modelo, ninguna ingesta diaria alcanza %1 el día %2.</translation>
    </message>
    <message>
        <source>And %1 a day keep %2 afterwards, by the model.</source>
        <extracomment>%1 a daily intake, %2 the goal weight</extracomment>
        <translation>Y, según el modelo, con %1 al día se mantiene %2 después.</translation>
    </message>
    <message>
        <source>The dotted line is what the body is likely to do at the same intake, by the model: about %1 on day %2.</source>
        <extracomment>Follows the description of the plan&apos;s chart; %1 a weight, %2 the plan&apos;s last day</extracomment>
        <translation>La línea de puntos es lo que probablemente hará el cuerpo con la misma ingesta, según el modelo: alrededor de %1 el día %2.</translation>
    </message>
    <message>
        <source>Chart of your weight: %1 today, and the goal, %2, as a dashed line. No line is drawn, as no daily intake reaches the goal in this time.</source>
        <extracomment>The plan&apos;s chart for the blind; %1 the weight now, %2 the goal</extracomment>
        <translation>Gráfico de su peso: %1 hoy, y el objetivo, %2, como línea discontinua. No se dibuja ninguna línea, porque ninguna ingesta diaria alcanza el objetivo en este plazo.</translation>
    </message>
    <message>
        <source>Chart of your weight day by day, kilograms on the left and pounds on the right: from %1 today down to nothing on day %2, where the line stops, %3.</source>
        <extracomment>The plan&apos;s chart for the blind; %1 the weight now, %2 a day of the plan, %3 the daily loss</extracomment>
        <translation>Gráfico de su peso día a día, kilogramos a la izquierda y libras a la derecha: de %1 hoy hasta cero el día %2, donde se detiene la línea, a razón de %3.</translation>
    </message>
    <message>
        <source>Chart of your weight day by day, pounds on the left and kilograms on the right: from %1 today down to nothing on day %2, where the line stops, %3.</source>
        <extracomment>The plan&apos;s chart for the blind; %1 the weight now, %2 a day of the plan, %3 the daily loss</extracomment>
        <translation>Gráfico de su peso día a día, libras a la izquierda y kilogramos a la derecha: de %1 hoy hasta cero el día %2, donde se detiene la línea, a razón de %3.</translation>
    </message>
    <message>
        <source>Chart of your weight day by day, kilograms on the left and pounds on the right: from %1 today to %2 on %3, %4; the goal, %5, is the dashed line.</source>
        <extracomment>The plan&apos;s chart for the blind; %1 the weight now, %2 the weight at the end, %3 the last date, %4 the daily loss, %5 the goal</extracomment>
        <translation>Gráfico de su peso día a día, kilogramos a la izquierda y libras a la derecha: de %1 hoy a %2 el %3, a razón de %4; el objetivo, %5, es la línea discontinua.</translation>
    </message>
    <message>
        <source>Chart of your weight day by day, pounds on the left and kilograms on the right: from %1 today to %2 on %3, %4; the goal, %5, is the dashed line.</source>
        <extracomment>The plan&apos;s chart for the blind; %1 the weight now, %2 the weight at the end, %3 the last date, %4 the daily loss, %5 the goal</extracomment>
        <translation>Gráfico de su peso día a día, libras a la izquierda y kilogramos a la derecha: de %1 hoy a %2 el %3, a razón de %4; el objetivo, %5, es la línea discontinua.</translation>
    </message>
    <message>
        <source>From today, the shortest time frame that keeps within both limits is %1, until %2: %3 a day, %4.</source>
        <extracomment>%1 a count of days, %2 a date, %3 a daily intake, %4 a weekly loss</extracomment>
        <translation>Desde hoy, el plazo más corto que se mantiene dentro de ambos límites es de %1, hasta el %2: %3 al día, %4.</translation>
    </message>
    <message>
        <source>The shortest time frame that keeps within both limits is %1, until %2: %3 a day, %4.</source>
        <extracomment>%1 a count of days, %2 a date, %3 a daily intake, %4 a weekly loss</extracomment>
        <translation>El plazo más corto que se mantiene dentro de ambos límites es de %1, hasta el %2: %3 al día, %4.</translation>
    </message>
    <message>
        <source>Even the intake that keeps your present weight, %1 a day, is below %2, so no time frame keeps within the limits. Please ask your doctor before any diet.</source>
        <extracomment>%1 a daily intake, %2 the least calories advised</extracomment>
        <translation>Incluso la ingesta que mantiene su peso actual, %1 al día, está por debajo de %2, así que ningún plazo se mantiene dentro de los límites. Consulte a su médico antes de empezar cualquier dieta.</translation>
    </message>
    <message>
        <source>Even the intake that keeps your current weight, %1 a day, is below %2, so no time frame keeps within the limits. Please ask your doctor before any diet.</source>
        <extracomment>%1 a daily intake, %2 the least calories advised</extracomment>
        <translation>Incluso la ingesta que mantiene su peso actual, %1 al día, está por debajo de %2, así que ningún plazo se mantiene dentro de los límites. Consulte a su médico antes de empezar cualquier dieta.</translation>
    </message>
    <message>
        <source>No time frame up to %1 days keeps within both limits. Please ask your doctor before any diet.</source>
        <extracomment>%1 the longest time frame, in days (above one)</extracomment>
        <translation>Ningún plazo de hasta %1 días se mantiene dentro de ambos límites. Consulte a su médico antes de empezar cualquier dieta.</translation>
    </message>
    <message>
        <source>Weight loss plan for %1</source>
        <extracomment>The plan&apos;s title; %1 is the person&apos;s name</extracomment>
        <translation>Plan de pérdida de peso para %1</translation>
    </message>
    <message>
        <source>%1 (%2 kg)</source>
        <extracomment>A weight as typed in the pound box, %1, and in the kilogram box, %2</extracomment>
        <translation>%1 (%2 kg)</translation>
    </message>
    <message>
        <source>Your Name :</source>
        <translation>Su nombre :</translation>
    </message>
    <message>
        <source>Gender:</source>
        <translation>Sexo:</translation>
    </message>
    <message>
        <source>Age:</source>
        <translation>Edad:</translation>
    </message>
    <message>
        <source>Your Height:</source>
        <translation>Su estatura:</translation>
    </message>
    <message>
        <source>Your Weight:</source>
        <translation>Su peso:</translation>
    </message>
    <message>
        <source>Level of Daily Activity:</source>
        <translation>Nivel de actividad:</translation>
    </message>
    <message>
        <source>Weight You Wish To Lose:</source>
        <translation>Peso que desea perder:</translation>
    </message>
    <message>
        <source>Time Frame To Lose Weight:</source>
        <translation>Plazo para adelgazar:</translation>
    </message>
    <message>
        <source>Your weight, week by week, then month by month</source>
        <translation>Su peso, semana a semana y luego mes a mes</translation>
    </message>
    <message>
        <source>Your weight, week by week</source>
        <translation>Su peso, semana a semana</translation>
    </message>
    <message>
        <source>Date</source>
        <extracomment>The columns of the plan&apos;s table of milestones</extracomment>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Day</source>
        <extracomment>The day of the plan: a column of the table of milestones</extracomment>
        <translation>Día</translation>
    </message>
    <message>
        <source>Weight (lb)</source>
        <translation>Peso (lb)</translation>
    </message>
    <message>
        <source>Weight (kg)</source>
        <translation>Peso (kg)</translation>
    </message>
    <message>
        <source>Lost so far (kg)</source>
        <translation>Pérdida acumulada (kg)</translation>
    </message>
    <message>
        <source>Lost so far (lb)</source>
        <translation>Pérdida acumulada (lb)</translation>
    </message>
    <message>
        <source>Today</source>
        <extracomment>In the Day column of the table of milestones, for the first row</extracomment>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>Pace</source>
        <extracomment>The columns of the table of other paces</extracomment>
        <translation>Ritmo</translation>
    </message>
    <message>
        <source>Time frame</source>
        <translation>Plazo</translation>
    </message>
    <message>
        <source>Until</source>
        <translation>Hasta</translation>
    </message>
    <message>
        <source>Daily intake</source>
        <translation>Ingesta diaria</translation>
    </message>
    <message>
        <source>more than %1 days</source>
        <extracomment>A time frame past the longest one; %1 is a count of days above one</extracomment>
        <translation>más de %1 días</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>A line of &quot;Other paces&quot;: %1 the pace, %2 its time frame</extracomment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>cannot be achieved</source>
        <extracomment>In the Daily intake column of the table of other paces</extracomment>
        <translation>no se puede alcanzar</translation>
    </message>
    <message>
        <source>%1: %2, until %3, on %4 a day.</source>
        <translation>%1: %2, hasta el %3, con %4 al día.</translation>
    </message>
    <message>
        <source>%1: %2, until %3, at an intake that cannot be achieved.</source>
        <translation>%1: %2, hasta el %3, con una ingesta que no se puede alcanzar.</translation>
    </message>
    <message>
        <source>To keep %1 once you have reached it: %2 a day, by the same equations at the goal weight.</source>
        <extracomment>%1 the goal weight, %2 a daily intake</extracomment>
        <translation>Para mantener %1 una vez alcanzado: %2 al día, según las mismas ecuaciones con el peso objetivo.</translation>
    </message>
    <message>
        <source>To keep %1 once you have reached it, the same equations give no intake that a person can eat.</source>
        <extracomment>%1 the goal weight</extracomment>
        <translation>Para mantener %1 una vez alcanzado, las mismas ecuaciones no dan ninguna ingesta que una persona pueda comer.</translation>
    </message>
    <message>
        <source>What the body is likely to do</source>
        <translation>Lo que el cuerpo probablemente hará</translation>
    </message>
    <message>
        <source>Made on %1</source>
        <extracomment>Under the title of the copied plan; %1 is the date and time</extracomment>
        <translation>Creado el %1</translation>
    </message>
    <message>
        <source>Caution</source>
        <translation>Precaución</translation>
    </message>
    <message>
        <source>How these figures are computed</source>
        <translation>Cómo se calculan estas cifras</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>A numbered step of the calculation: %1 its number, %2 the step</extracomment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>Other paces</source>
        <translation>Otros ritmos</translation>
    </message>
    <message>
        <source>After the goal</source>
        <translation>Una vez alcanzado el objetivo</translation>
    </message>
    <message>
        <source>weight loss plan</source>
        <extracomment>Part of the file name offered for a saved plan: &quot;JOHN weight loss plan 2026-12-09.pdf&quot;</extracomment>
        <translation>plan de pérdida de peso</translation>
    </message>
</context>
<context>
    <name>PlanWindow</name>
    <message>
        <source>Your Plan - Veltro Weight Loss Calculator</source>
        <extracomment>Caption of the plan window until a plan is shown in it</extracomment>
        <translation>Su plan - Veltro Calculadora para Adelgazar</translation>
    </message>
    <message>
        <source>Your plan</source>
        <extracomment>Name of the plan window, read by a screen reader
----------
Name of the plan window&apos;s parts together (chart, milestone table and text), read by a screen reader</extracomment>
        <translation>Su plan</translation>
    </message>
    <message>
        <source>Your plan in words</source>
        <extracomment>Name of the plan window&apos;s text (the plan in sentences below the chart), read by a screen reader</extracomment>
        <translation>Su plan por escrito</translation>
    </message>
    <message>
        <source>the milestones</source>
        <extracomment>What the milestone table&apos;s scroll bars move, read by a screen reader in names such as &quot;Scroll the milestones up and down&quot;</extracomment>
        <translation>las etapas</translation>
    </message>
    <message>
        <source>Move to give the chart, the table or the text more room</source>
        <extracomment>Name of the bars between the chart, the milestone table and the text of the plan window, which are dragged to share the room; read by a screen reader</extracomment>
        <translation>Mover para dar más espacio al gráfico, la tabla o el texto</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <extracomment>Button in the row at the foot of the plan window</extracomment>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <extracomment>Button in the row at the foot of the plan window</extracomment>
        <translation>Guardar como P&amp;DF...</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <extracomment>Button in the row at the foot of the plan window: copies the whole plan as text</extracomment>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Follow This Plan</source>
        <extracomment>Button in the row at the foot of the plan window: the person starts following this plan and keeping weigh-ins against it</extracomment>
        <translation>Se&amp;guir este plan</translation>
    </message>
    <message>
        <source>Your P&amp;rogress...</source>
        <extracomment>Button in the row at the foot of the plan window: opens the progress window</extracomment>
        <translation>Su p&amp;rogreso...</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Button at the right of the row at the foot of the plan window</extracomment>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>%1 - Veltro Weight Loss Calculator</source>
        <extracomment>Caption of the plan window; %1 is the plan&apos;s title, such as &quot;Weight loss plan for Anna&quot;</extracomment>
        <translation>%1 - Veltro Calculadora para Adelgazar</translation>
    </message>
</context>
<context>
    <name>PrintedDocument</name>
    <message>
        <source>Made on %1 with Veltro Weight Loss Calculator v1.0.</source>
        <extracomment>Line below the title of a printed plan or progress and of its PDF; %1 is the date and time it was made</extracomment>
        <translation>Creado el %1 con Veltro Calculadora para Adelgazar v1.0.</translation>
    </message>
    <message>
        <source>%1 · made on %2 · page %3 of %4</source>
        <extracomment>Foot of every printed page and PDF page, on one line across the page; %1 is the document&apos;s title (cut short where the line is too long), %2 the date and time it was made, %3 the page&apos;s number and %4 the number of pages</extracomment>
        <translation>%1 · creado el %2 · página %3 de %4</translation>
    </message>
</context>
<context>
    <name>ProgressActions</name>
    <message>
        <source>Trend (kg)</source>
        <extracomment>Heading of the trend column of the progress window&apos;s table of weigh-ins, in kilograms.</extracomment>
        <translation>Tendencia (kg)</translation>
    </message>
    <message>
        <source>Trend (lb)</source>
        <translation>Tendencia (lb)</translation>
    </message>
    <message>
        <source>after today</source>
        <extracomment>In the trend column of the table of weigh-ins, for a weigh-in dated after today.</extracomment>
        <translation>después de hoy</translation>
    </message>
    <message>
        <source>it is your journal of weigh-ins, which a document would take the place of. Nothing was written.</source>
        <translation>es su diario de pesajes, que el documento reemplazaría. No se escribió nada.</translation>
    </message>
    <message>
        <source>In the place of your journal of weigh-ins was a link to %3, which the journal is never written through: the link was moved aside to %2, and %3 was left as it is. A new journal starts at %1.</source>
        <extracomment>Message box. %1 is the journal&apos;s file, %2 where the link was moved to, %3 the file the link pointed to.</extracomment>
        <translation>En el lugar de su diario de pesajes había un enlace a %3, a través del cual nunca se escribe el diario: el enlace se apartó a %2 y %3 se dejó como estaba. Se empieza un diario nuevo en %1.</translation>
    </message>
    <message>
        <source>Your journal of weigh-ins could not be read, so it was moved aside, untouched, to %2. A new journal starts at %1.</source>
        <extracomment>Message box. %1 is the journal&apos;s file, %2 where the unreadable one was moved to.</extracomment>
        <translation>Su diario de pesajes no se pudo leer, así que se apartó, intacto, a %2. Se empieza un diario nuevo en %1.</translation>
    </message>
    <message numerus="yes">
        <source>You follow the plan of %1 for %2: %3 lb in %n days. Follow this plan from today instead? The earlier plan stays in your journal, and so do your weigh-ins.</source>
        <extracomment>Message box asked before following a new plan. %1 is the day the earlier plan was started, %2 the name of its person, %3 the pounds to lose, %n its number of days.</extracomment>
        <translation>
            <numerusform>Sigue el plan del %1 para %2: %3 lb en %n día. ¿Desea seguir este plan desde hoy en su lugar? El plan anterior se queda en su diario, igual que sus pesajes.</numerusform>
            <numerusform>Sigue el plan del %1 para %2: %3 lb en %n días. ¿Desea seguir este plan desde hoy en su lugar? El plan anterior se queda en su diario, igual que sus pesajes.</numerusform>
        </translation>
    </message>
    <message>
        <source>You follow the plan of %1. Follow this plan from today instead? The earlier plan stays in your journal, and so do your weigh-ins.</source>
        <extracomment>Message box asked before following a new plan. %1 is the day the earlier plan was started.</extracomment>
        <translation>Sigue el plan del %1. ¿Desea seguir este plan desde hoy en su lugar? El plan anterior se queda en su diario, igual que sus pesajes.</translation>
    </message>
    <message>
        <source>%1 left as they are: their weigh-ins were changed after this step was made, and the changes since are kept.</source>
        <extracomment>Message box after Undo or Redo; %1 is the list of days (&quot;12/1/26, 12/3/26&quot;).</extracomment>
        <translation>Los días %1 se dejaron como estaban: sus pesajes cambiaron después de este paso y se conservan los cambios posteriores.</translation>
    </message>
    <message>
        <source>Edit of the Weigh-in</source>
        <extracomment>A step of Undo and Redo, shown as &quot;&amp;Undo %1&quot; in the progress window.</extracomment>
        <translation>edición del pesaje</translation>
    </message>
    <message>
        <source>Replace Weigh-in</source>
        <translation>sustitución del pesaje</translation>
    </message>
    <message>
        <source>Weigh-in</source>
        <translation>pesaje</translation>
    </message>
    <message numerus="yes">
        <source>Delete of %n Weigh-in</source>
        <extracomment>A step of Undo and Redo, shown as &quot;&amp;Undo %1&quot; in the progress window.</extracomment>
        <translation>
            <numerusform>eliminación de %n pesaje</numerusform>
            <numerusform>eliminación de %n pesajes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete of %n Weigh-ins</source>
        <extracomment>A step of Undo and Redo, shown as &quot;&amp;Undo %1&quot; in the progress window.</extracomment>
        <translation>
            <numerusform>eliminación de %n pesaje</numerusform>
            <numerusform>eliminación de %n pesajes</numerusform>
        </translation>
    </message>
    <message>
        <source>Import Weigh-ins</source>
        <extracomment>Caption of the file dialog that opens a file of weigh-ins.</extracomment>
        <translation>Importar pesajes</translation>
    </message>
    <message>
        <source>CSV files (*.csv *.txt);;All files (*)</source>
        <extracomment>The file dialog&apos;s filters; keep the patterns in brackets and the &quot;;;&quot; between them.</extracomment>
        <translation>Archivos CSV (*.csv *.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>%1 could not be read: it is no file.</source>
        <extracomment>Message box; %1 is the file chosen.</extracomment>
        <translation>No se pudo leer %1: no es un archivo.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <extracomment>Message box; %1 is the file chosen, %2 the system&apos;s reason.</extracomment>
        <translation>No se pudo leer %1: %2</translation>
    </message>
    <message>
        <source>%1 is too large to be a file of weigh-ins.</source>
        <extracomment>Message box; %1 is the file chosen.</extracomment>
        <translation>%1 es demasiado grande para ser un archivo de pesajes.</translation>
    </message>
    <message>
        <source>%1 cannot be imported: %2</source>
        <extracomment>Message box; %1 is the file chosen, %2 the reason.</extracomment>
        <translation>%1 no se puede importar: %2</translation>
    </message>
    <message numerus="yes">
        <source>Import of %n Weigh-in</source>
        <extracomment>A step of Undo and Redo, shown as &quot;&amp;Undo %1&quot; in the progress window.</extracomment>
        <translation>
            <numerusform>importación de %n pesaje</numerusform>
            <numerusform>importación de %n pesajes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Import of %n Weigh-ins</source>
        <extracomment>A step of Undo and Redo, shown as &quot;&amp;Undo %1&quot; in the progress window.</extracomment>
        <translation>
            <numerusform>importación de %n pesaje</numerusform>
            <numerusform>importación de %n pesajes</numerusform>
        </translation>
    </message>
    <message>
        <source>Your journal changed while the preview was open (%1), so nothing was imported. The preview now shows what the import would do.</source>
        <extracomment>Message box; %1 is the list of days that changed (&quot;12/1/26, 12/3/26&quot;).</extracomment>
        <translation>Su diario cambió mientras la vista previa estaba abierta (%1), así que no se importó nada. La vista previa muestra ahora lo que haría la importación.</translation>
    </message>
    <message>
        <source>Export Weigh-ins</source>
        <extracomment>Caption of the file dialog that saves the weigh-ins as CSV.</extracomment>
        <translation>Exportar pesajes</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <extracomment>The file dialog&apos;s filter; keep the pattern in brackets.</extracomment>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>%1 is your journal of weigh-ins: they are exported to another file. Nothing was written.</source>
        <extracomment>Message box; %1 is the file chosen.</extracomment>
        <translation>%1 es su diario de pesajes: los pesajes se exportan a otro archivo. No se escribió nada.</translation>
    </message>
    <message>
        <source>Your weigh-ins could not be exported: %1</source>
        <extracomment>Message box; %1 is the file and the system&apos;s reason (&quot;out.csv: Permission denied&quot;).</extracomment>
        <translation>No se pudieron exportar sus pesajes: %1</translation>
    </message>
    <message>
        <source>Your progress</source>
        <extracomment>Names the document in the messages of printing and saving it (&quot;Your progress could not be printed&quot;).</extracomment>
        <translation>Su progreso</translation>
    </message>
    <message>
        <source>Print Your Progress</source>
        <extracomment>Caption of the print dialog.</extracomment>
        <translation>Imprimir su progreso</translation>
    </message>
    <message>
        <source>Save Your Progress as PDF</source>
        <extracomment>Caption of the file dialog that saves the progress as PDF.</extracomment>
        <translation>Guardar su progreso como PDF</translation>
    </message>
</context>
<context>
    <name>ProgressDocument</name>
    <message>
        <source>Where you stand</source>
        <extracomment>Heading above how far the person has come on the plan followed, in the progress window and on paper</extracomment>
        <translation>En qué punto está</translation>
    </message>
    <message>
        <source>Your plan from today</source>
        <extracomment>Heading above a new plan that starts from today&apos;s weight, in the progress window and on paper</extracomment>
        <translation>Su plan desde hoy</translation>
    </message>
    <message>
        <source>What your weigh-ins say</source>
        <extracomment>Heading above what the weigh-ins tell of the person&apos;s real intake, in the progress window and on paper</extracomment>
        <translation>Lo que dicen sus pesajes</translation>
    </message>
    <message>
        <source>Your weigh-ins</source>
        <extracomment>Heading above the table of the weigh-ins on a printed progress</extracomment>
        <translation>Sus pesajes</translation>
    </message>
</context>
<context>
    <name>ProgressText</name>
    <message>
        <source>Your last weigh-in is too long ago to tell what you have eaten lately.</source>
        <translation>Su último pesaje es demasiado antiguo para saber lo que ha comido últimamente.</translation>
    </message>
    <message>
        <source>Your weigh-ins give no figure for what you have eaten: %1</source>
        <extracomment>%1 the reason, a sentence begun in lower case</extracomment>
        <translation>Sus pesajes no dan ninguna cifra de lo que ha comido: %1</translation>
    </message>
    <message>
        <source>What you have eaten shows once you have %1 weigh-ins over at least %2 days of your plan.</source>
        <extracomment>%1 the weigh-ins needed, %2 the days they must span (both more than one)</extracomment>
        <translation>Lo que ha comido aparecerá cuando tenga %1 pesajes repartidos en al menos %2 días de su plan.</translation>
    </message>
    <message>
        <source>What you have eaten shows once your plan has run %1 days and you have weighed in on the last of them.</source>
        <extracomment>%1 a count of days (more than one)</extracomment>
        <translation>Lo que ha comido aparecerá cuando su plan lleve %1 días en marcha y se haya pesado el último de ellos.</translation>
    </message>
    <message>
        <source>Your plan started more than ten years before your last weigh-in, further back than the body model runs.</source>
        <translation>Su plan empezó más de diez años antes de su último pesaje, más atrás de lo que abarca el modelo corporal.</translation>
    </message>
    <message>
        <source>Your weigh-ins change faster than the body model can follow, so they give no figure for what you have eaten.</source>
        <translation>Sus pesajes cambian más deprisa de lo que el modelo corporal puede seguir, así que no dan ninguna cifra de lo que ha comido.</translation>
    </message>
    <message>
        <source>once more</source>
        <extracomment>How often to weigh in again: &quot;weigh in once more&quot;</extracomment>
        <translation>una vez más</translation>
    </message>
    <message numerus="yes">
        <source>%n more times</source>
        <translation>
            <numerusform>%n vez más</numerusform>
            <numerusform>%n veces más</numerusform>
        </translation>
    </message>
    <message>
        <source>That is below %1, the least that health services advise men to eat without a doctor&apos;s supervision.</source>
        <extracomment>Follows a sentence with a daily intake; %1 the least calories advised</extracomment>
        <translation>Eso está por debajo de %1, el mínimo que los servicios de salud aconsejan comer a los hombres sin supervisión médica.</translation>
    </message>
    <message>
        <source>That is below %1, the least that health services advise women to eat without a doctor&apos;s supervision.</source>
        <translation>Eso está por debajo de %1, el mínimo que los servicios de salud aconsejan comer a las mujeres sin supervisión médica.</translation>
    </message>
    <message>
        <source>At a glance: %1 lost since the start, %2% of the %3 your plan sets out to lose; body mass index now %4.</source>
        <extracomment>%1 a weight, %2 a share in per cent, %3 the plan&apos;s loss, %4 the body mass index</extracomment>
        <translation>De un vistazo: ha perdido %1 desde el inicio, el %2&#xa0;% de lo que su plan se propone perder (%3); su índice de masa corporal es ahora %4.</translation>
    </message>
    <message>
        <source>At a glance: %1 lost since the start, %2% of the %3 your plan sets out to lose.</source>
        <extracomment>%1 a weight, %2 a share in per cent, %3 the plan&apos;s loss</extracomment>
        <translation>De un vistazo: ha perdido %1 desde el inicio, el %2&#xa0;% de lo que su plan se propone perder (%3).</translation>
    </message>
    <message>
        <source>At a glance: %1 lost since the start; body mass index now %2.</source>
        <extracomment>%1 a weight, %2 the body mass index</extracomment>
        <translation>De un vistazo: ha perdido %1 desde el inicio; su índice de masa corporal es ahora %2.</translation>
    </message>
    <message>
        <source>At a glance: %1 lost since the start.</source>
        <translation>De un vistazo: ha perdido %1 desde el inicio.</translation>
    </message>
    <message>
        <source>At a glance: %1 gained since the start, %2% of the %3 your plan sets out to lose; body mass index now %4.</source>
        <extracomment>%1 a weight, %2 a share in per cent, %3 the plan&apos;s loss, %4 the body mass index</extracomment>
        <translation>De un vistazo: ha ganado %1 desde el inicio, el %2&#xa0;% de lo que su plan se propone perder (%3); su índice de masa corporal es ahora %4.</translation>
    </message>
    <message>
        <source>At a glance: %1 gained since the start, %2% of the %3 your plan sets out to lose.</source>
        <extracomment>%1 a weight, %2 a share in per cent, %3 the plan&apos;s loss</extracomment>
        <translation>De un vistazo: ha ganado %1 desde el inicio, el %2&#xa0;% de lo que su plan se propone perder (%3).</translation>
    </message>
    <message>
        <source>At a glance: %1 gained since the start; body mass index now %2.</source>
        <extracomment>%1 a weight, %2 the body mass index</extracomment>
        <translation>De un vistazo: ha ganado %1 desde el inicio; su índice de masa corporal es ahora %2.</translation>
    </message>
    <message>
        <source>At a glance: %1 gained since the start.</source>
        <translation>De un vistazo: ha ganado %1 desde el inicio.</translation>
    </message>
    <message>
        <source>Your plan starts on %1, in %2; until then it expects you to stay at %3.</source>
        <extracomment>%1 a date, %2 a count of days, %3 a weight</extracomment>
        <translation>Su plan empieza el %1, dentro de %2; hasta entonces prevé que se mantenga en %3.</translation>
    </message>
    <message>
        <source>Your plan ended on %1, %2 ago, at %3, the weight it expects from then on.</source>
        <extracomment>%1 a date, %2 a count of days, %3 a weight</extracomment>
        <translation>Su plan terminó el %1, hace %2, en %3, el peso que prevé desde entonces.</translation>
    </message>
    <message>
        <source>Today, %1, is the last day of your plan, day %2 of %2.</source>
        <extracomment>%1 today&apos;s date, %2 the days of the plan</extracomment>
        <translation>Hoy, %1, es el último día de su plan, el día %2 de %2.</translation>
    </message>
    <message>
        <source>Today, %1, is day %2 of %3 of your plan, which ends on %4.</source>
        <extracomment>%1 today&apos;s date, %2 the day of the plan, %3 the days of the plan, %4 the date it ends</extracomment>
        <translation>Hoy, %1, es el día %2 de %3 de su plan, que termina el %4.</translation>
    </message>
    <message>
        <source>The plan expects you to weigh %1 today.</source>
        <extracomment>%1 a weight</extracomment>
        <translation>El plan prevé que hoy pese %1.</translation>
    </message>
    <message>
        <source>no weigh-ins yet.</source>
        <translation>todavía no hay pesajes.</translation>
    </message>
    <message>
        <source>1 weigh-in, on %1, of %2.</source>
        <extracomment>%1 a date, %2 a weight</extracomment>
        <translation>1 pesaje, el %1, de %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n weigh-ins from %1 to %2, and their smoothed line, %3 on %2.</source>
        <extracomment>%n the weigh-ins (more than one), %1 and %2 dates, %3 a weight</extracomment>
        <translation>
            <numerusform>%n pesaje del %1 al %2, y su línea suavizada, %3 el %2.</numerusform>
            <numerusform>%n pesajes del %1 al %2, y su línea suavizada, %3 el %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your last weigh-in was on %1, %2 ago, at %3: please weigh in again, best in the morning before breakfast, to see where you stand, your pace and when you reach your goal.</source>
        <extracomment>%1 a date, %2 a count of days, %3 a weight</extracomment>
        <translation>Su último pesaje fue el %1, hace %2, con %3: vuelva a pesarse, mejor por la mañana antes del desayuno, para ver en qué punto está, su ritmo y cuándo alcanzará su objetivo.</translation>
    </message>
    <message>
        <source>Your weight today is %1, read off a straight line through your weigh-ins of the last four weeks, which one odd morning hardly moves: on plan, within %2 of the %3 it expects.</source>
        <extracomment>%1 the weight, %2 the margin, %3 the weight the plan expects</extracomment>
        <translation>Su peso hoy es %1, leído en una línea recta que pasa por sus pesajes de las últimas cuatro semanas, y que una mañana atípica apenas mueve: va según el plan, a no más de %2 de %3, el peso que prevé.</translation>
    </message>
    <message>
        <source>Your weight today is %1, read off a straight line through your weigh-ins of the last four weeks, which one odd morning hardly moves: %2 ahead of the plan, which expects %3.</source>
        <extracomment>%1 the weight, %2 how far ahead, %3 the weight the plan expects</extracomment>
        <translation>Su peso hoy es %1, leído en una línea recta que pasa por sus pesajes de las últimas cuatro semanas, y que una mañana atípica apenas mueve: va %2 por delante del plan, que prevé %3.</translation>
    </message>
    <message>
        <source>Your weight today is %1, read off a straight line through your weigh-ins of the last four weeks, which one odd morning hardly moves: %2 behind the plan, which expects %3.</source>
        <extracomment>%1 the weight, %2 how far behind, %3 the weight the plan expects</extracomment>
        <translation>Su peso hoy es %1, leído en una línea recta que pasa por sus pesajes de las últimas cuatro semanas, y que una mañana atípica apenas mueve: va %2 por detrás del plan, que prevé %3.</translation>
    </message>
    <message>
        <source>Your weight on %1, the day of your last weigh-in, was %2, read off a straight line through your weigh-ins of the last four weeks, which one odd morning hardly moves: on plan, within %3 of the %4 it expects that day.</source>
        <extracomment>%1 a date, %2 the weight, %3 the margin, %4 the weight the plan expects</extracomment>
        <translation>Su peso el %1, día de su último pesaje, era %2, leído en una línea recta que pasa por sus pesajes de las últimas cuatro semanas, y que una mañana atípica apenas mueve: iba según el plan, a no más de %3 de %4, el peso que prevé para ese día.</translation>
    </message>
    <message>
        <source>Your weight on %1, the day of your last weigh-in, was %2, read off a straight line through your weigh-ins of the last four weeks, which one odd morning hardly moves: %3 ahead of the plan, which expects %4 that day.</source>
        <extracomment>%1 a date, %2 the weight, %3 how far ahead, %4 the weight the plan expects</extracomment>
        <translation>Su peso el %1, día de su último pesaje, era %2, leído en una línea recta que pasa por sus pesajes de las últimas cuatro semanas, y que una mañana atípica apenas mueve: iba %3 por delante del plan, que prevé %4 para ese día.</translation>
    </message>
    <message>
        <source>Your weight on %1, the day of your last weigh-in, was %2, read off a straight line through your weigh-ins of the last four weeks, which one odd morning hardly moves: %3 behind the plan, which expects %4 that day.</source>
        <extracomment>%1 a date, %2 the weight, %3 how far behind, %4 the weight the plan expects</extracomment>
        <translation>Su peso el %1, día de su último pesaje, era %2, leído en una línea recta que pasa por sus pesajes de las últimas cuatro semanas, y que una mañana atípica apenas mueve: iba %3 por detrás del plan, que prevé %4 para ese día.</translation>
    </message>
    <message>
        <source>Your last weigh-in, on %1, is %2, a single morning that can be a pound or two off either way: on plan, within %3 of the %4 it expects that day.</source>
        <extracomment>%1 a date, %2 the weight, %3 the margin, %4 the weight the plan expects</extracomment>
        <translation>Su último pesaje, del %1, es de %2, una sola mañana que puede desviarse una o dos libras en cualquier sentido: va según el plan, a no más de %3 de %4, el peso que prevé para ese día.</translation>
    </message>
    <message>
        <source>Your last weigh-in, on %1, is %2, a single morning that can be a pound or two off either way: %3 ahead of the plan, which expects %4 that day.</source>
        <extracomment>%1 a date, %2 the weight, %3 how far ahead, %4 the weight the plan expects</extracomment>
        <translation>Su último pesaje, del %1, es de %2, una sola mañana que puede desviarse una o dos libras en cualquier sentido: va %3 por delante del plan, que prevé %4 para ese día.</translation>
    </message>
    <message>
        <source>Your last weigh-in, on %1, is %2, a single morning that can be a pound or two off either way: %3 behind the plan, which expects %4 that day.</source>
        <extracomment>%1 a date, %2 the weight, %3 how far behind, %4 the weight the plan expects</extracomment>
        <translation>Su último pesaje, del %1, es de %2, una sola mañana que puede desviarse una o dos libras en cualquier sentido: va %3 por detrás del plan, que prevé %4 para ese día.</translation>
    </message>
    <message>
        <source>Your pace, and when you reach your goal, show once you have %1 weigh-ins over at least %2 days within four weeks (you have %3 over %4): weigh in %5, the last of them today or later.</source>
        <extracomment>%1 the weigh-ins needed, %2 the days they must span, %3 the weigh-ins there are, %4 the days they span, %5 how often to weigh in (&quot;once more&quot;, &quot;3 more times&quot;)</extracomment>
        <translation>Su ritmo, y cuándo alcanzará su objetivo, aparecerán cuando tenga %1 pesajes repartidos en al menos %2 días dentro de cuatro semanas (tiene %3 en %4): pésese %5, con el último pesaje hoy o más adelante.</translation>
    </message>
    <message>
        <source>Your pace, and when you reach your goal, show once you have %1 weigh-ins over at least %2 days within four weeks (you have %3 over %4): weigh in %5, the last of them on %6 or later.</source>
        <extracomment>%1 the weigh-ins needed, %2 the days they must span, %3 the weigh-ins there are, %4 the days they span, %5 how often to weigh in (&quot;once more&quot;, &quot;3 more times&quot;), %6 a date</extracomment>
        <translation>Su ritmo, y cuándo alcanzará su objetivo, aparecerán cuando tenga %1 pesajes repartidos en al menos %2 días dentro de cuatro semanas (tiene %3 en %4): pésese %5, con el último pesaje el %6 o más adelante.</translation>
    </message>
    <message>
        <source>Your pace, and when you reach your goal, show once you have %1 weigh-ins over at least %2 days within four weeks (you have %3 over %4): weigh in %5.</source>
        <extracomment>%1 the weigh-ins needed, %2 the days they must span, %3 the weigh-ins there are, %4 the days they span, %5 how often to weigh in (&quot;once more&quot;, &quot;3 more times&quot;)</extracomment>
        <translation>Su ritmo, y cuándo alcanzará su objetivo, aparecerán cuando tenga %1 pesajes repartidos en al menos %2 días dentro de cuatro semanas (tiene %3 en %4): pésese %5.</translation>
    </message>
    <message>
        <source>Your pace, and when you reach your goal, show once you have %1 weigh-ins over at least %2 days within four weeks (you have %3 over %4): weigh in again today or later.</source>
        <extracomment>%1 the weigh-ins needed, %2 the days they must span, %3 the weigh-ins there are, %4 the days they span</extracomment>
        <translation>Su ritmo, y cuándo alcanzará su objetivo, aparecerán cuando tenga %1 pesajes repartidos en al menos %2 días dentro de cuatro semanas (tiene %3 en %4): vuelva a pesarse hoy o más adelante.</translation>
    </message>
    <message>
        <source>Your pace, and when you reach your goal, show once you have %1 weigh-ins over at least %2 days within four weeks (you have %3 over %4): weigh in again on %5 or later.</source>
        <extracomment>%1 the weigh-ins needed, %2 the days they must span, %3 the weigh-ins there are, %4 the days they span, %5 a date</extracomment>
        <translation>Su ritmo, y cuándo alcanzará su objetivo, aparecerán cuando tenga %1 pesajes repartidos en al menos %2 días dentro de cuatro semanas (tiene %3 en %4): vuelva a pesarse el %5 o más adelante.</translation>
    </message>
    <message>
        <source>From %1 to %2 you lost %3 a week, give or take %4, by the slope of that line.</source>
        <extracomment>%1 and %2 dates, %3 a weight, %4 its margin</extracomment>
        <translation>Del %1 al %2 perdió %3 por semana, más o menos %4, según la pendiente de esa línea.</translation>
    </message>
    <message>
        <source>From %1 to %2 you gained %3 a week, give or take %4, by the slope of that line.</source>
        <extracomment>%1 and %2 dates, %3 a weight, %4 its margin</extracomment>
        <translation>Del %1 al %2 ganó %3 por semana, más o menos %4, según la pendiente de esa línea.</translation>
    </message>
    <message>
        <source>From %1 to %2 your weight held steady, by the slope of that line.</source>
        <extracomment>%1 and %2 dates</extracomment>
        <translation>Del %1 al %2 su peso se mantuvo estable, según la pendiente de esa línea.</translation>
    </message>
    <message>
        <source>You are at your goal of %1 or below it.</source>
        <extracomment>%1 the goal weight</extracomment>
        <translation>Está en su objetivo de %1 o por debajo.</translation>
    </message>
    <message>
        <source>At that pace you reach your goal of %1 about %2.</source>
        <extracomment>%1 the goal weight, %2 a date</extracomment>
        <translation>A ese ritmo alcanzará su objetivo de %1 hacia el %2.</translation>
    </message>
    <message>
        <source>At that pace you reach your goal of %1 between %2 and %3, most likely about %4: the range is how far your weigh-ins scatter around the line.</source>
        <extracomment>%1 the goal weight, %2 %3 and %4 dates</extracomment>
        <translation>A ese ritmo alcanzará su objetivo de %1 entre el %2 y el %3, lo más probable hacia el %4: el intervalo refleja cuánto se dispersan sus pesajes en torno a la línea.</translation>
    </message>
    <message>
        <source>Your weigh-ins scatter too much around that line to tell this loss from a gain, so there is no date for your goal of %1 yet: weigh in each morning and it will show.</source>
        <extracomment>%1 the goal weight</extracomment>
        <translation>Sus pesajes se dispersan demasiado en torno a esa línea para distinguir esta pérdida de un aumento, así que aún no hay fecha para su objetivo de %1: pésese cada mañana y se verá.</translation>
    </message>
    <message>
        <source>At the slowest pace your weigh-ins allow, your goal of %1 is more than two years away, so there is no date: one that far out would be a guess.</source>
        <extracomment>%1 the goal weight</extracomment>
        <translation>Al ritmo más lento que admiten sus pesajes, su objetivo de %1 está a más de dos años, así que no hay fecha: una fecha tan lejana sería una conjetura.</translation>
    </message>
    <message>
        <source>A weight that gains never reaches your goal of %1.</source>
        <extracomment>%1 the goal weight</extracomment>
        <translation>Un peso que aumenta nunca alcanza su objetivo de %1.</translation>
    </message>
    <message>
        <source>A weight that stands still never reaches your goal of %1.</source>
        <translation>Un peso que no cambia nunca alcanza su objetivo de %1.</translation>
    </message>
    <message>
        <source>Weigh yourself to see where you stand: enter your first weigh-in, in pounds or kilograms, best each morning before breakfast.</source>
        <translation>Pésese para ver en qué punto está: introduzca su primer pesaje, en libras o kilogramos, mejor cada mañana antes del desayuno.</translation>
    </message>
    <message>
        <source>This is your plan&apos;s calculation run again with your weight now, the weight still to lose and the days left.</source>
        <translation>Este es el cálculo de su plan hecho de nuevo con su peso actual, el peso que aún le queda por perder y los días que quedan.</translation>
    </message>
    <message>
        <source>To reach your goal of %1 by %2 from your weight of %3, you have %4 to lose in %5, which rounds to 0.00 lb a day: the calculation gives the intake that keeps your weight, %6 a day.</source>
        <extracomment>%1 the goal weight, %2 the plan&apos;s end date, %3 the weight now, %4 the weight to lose, %5 a count of days, %6 a daily intake</extracomment>
        <translation>Para alcanzar su objetivo de %1 a más tardar el %2, partiendo de su peso de %3, tiene %4 que perder en %5, lo que se redondea a 0,00 lb al día: el cálculo da la ingesta que mantiene su peso, %6 al día.</translation>
    </message>
    <message>
        <source>To reach your goal of %1 by %2 from your weight of %3, you have %4 to lose in %5, %6 a day: eat %7 a day, within the cautions of health services.</source>
        <extracomment>%1 the goal weight, %2 the plan&apos;s end date, %3 the weight now, %4 the weight to lose, %5 a count of days, %6 a daily loss, %7 a daily intake</extracomment>
        <translation>Para alcanzar su objetivo de %1 a más tardar el %2, partiendo de su peso de %3, tiene %4 que perder en %5, %6 al día: coma %7 al día, dentro de los límites que aconsejan los servicios de salud.</translation>
    </message>
    <message>
        <source>To reach your goal of %1 by %2 from your weight of %3, you have %4 to lose in %5, %6 a day: that would take %7 a day, less than nothing, so it cannot be achieved.</source>
        <extracomment>%1 the goal weight, %2 the plan&apos;s end date, %3 the weight now, %4 the weight to lose, %5 a count of days, %6 a daily loss, %7 a daily intake</extracomment>
        <translation>Para alcanzar su objetivo de %1 a más tardar el %2, partiendo de su peso de %3, tiene %4 que perder en %5, %6 al día: haría falta %7 al día, menos de cero, así que no se puede alcanzar.</translation>
    </message>
    <message>
        <source>To reach your goal of %1 by %2 from your weight of %3, you have %4 to lose in %5, %6 a day: that would take %7 a day.</source>
        <extracomment>%1 the goal weight, %2 the plan&apos;s end date, %3 the weight now, %4 the weight to lose, %5 a count of days, %6 a daily loss, %7 a daily intake</extracomment>
        <translation>Para alcanzar su objetivo de %1 a más tardar el %2, partiendo de su peso de %3, tiene %4 que perder en %5, %6 al día: haría falta %7 al día.</translation>
    </message>
    <message>
        <source>It is %1 a week, more than the 0.45 to 0.91 kg (1 to 2 lb) a week that health services advise.</source>
        <extracomment>%1 a weekly loss in two units</extracomment>
        <translation>Son %1 por semana, más que los 0,45 a 0,91 kg (1 a 2 lb) por semana que aconsejan los servicios de salud.</translation>
    </message>
    <message>
        <source>It is %1 a week, more than the 1 to 2 lb (0.45 to 0.91 kg) a week that health services advise.</source>
        <translation>Son %1 por semana, más que las 1 a 2 lb (0,45 a 0,91 kg) por semana que aconsejan los servicios de salud.</translation>
    </message>
    <message>
        <source>To keep it: about %1 a day, by the body model from your weigh-ins.</source>
        <extracomment>%1 a daily intake</extracomment>
        <translation>Para mantenerlo: unas %1 al día, según el modelo corporal a partir de sus pesajes.</translation>
    </message>
    <message>
        <source>The program&apos;s own equations give %1 a day at the goal weight; they leave out how the body spends less after a loss, so the model&apos;s figure leads.</source>
        <extracomment>%1 a daily intake</extracomment>
        <translation>Las ecuaciones propias del programa dan %1 al día con el peso objetivo; no tienen en cuenta que el cuerpo gasta menos tras una pérdida, así que prevalece la cifra del modelo.</translation>
    </message>
    <message>
        <source>To keep your goal: %1 a day, by the program&apos;s own equations at the goal weight.</source>
        <extracomment>%1 a daily intake</extracomment>
        <translation>Para mantener su objetivo: %1 al día, según las ecuaciones propias del programa con el peso objetivo.</translation>
    </message>
    <message>
        <source>Your plan from today shows once you weigh in again: your last weigh-in, on %1, is more than %2 days old.</source>
        <extracomment>%1 a date, %2 the days after which a weigh-in is old (more than one)</extracomment>
        <translation>Su plan desde hoy aparecerá cuando vuelva a pesarse: su último pesaje, del %1, tiene más de %2 días.</translation>
    </message>
    <message>
        <source>Your plan&apos;s goal, %1, leaves no body weight, so there is no plan from today: please choose a smaller goal.</source>
        <extracomment>%1 the goal weight</extracomment>
        <translation>El objetivo de su plan, %1, no deja ningún peso corporal, así que no hay plan desde hoy: elija un objetivo menor.</translation>
    </message>
    <message>
        <source>Your weight, %1, is at or below your goal of %2.</source>
        <extracomment>%1 the weight now, %2 the goal weight</extracomment>
        <translation>Su peso, %1, está en su objetivo de %2 o por debajo.</translation>
    </message>
    <message>
        <source>Your plan ends on %1, more than the %2 days a time frame can take from today, so there is no plan from today yet.</source>
        <extracomment>%1 a date, %2 the longest time frame in days (more than one)</extracomment>
        <translation>Su plan termina el %1, más allá de los %2 días que puede abarcar un plazo desde hoy, así que aún no hay plan desde hoy.</translation>
    </message>
    <message>
        <source>Your weight, %1, is beyond what the calculation can work with, so there is no plan from today.</source>
        <extracomment>%1 the weight now</extracomment>
        <translation>Su peso, %1, está fuera de lo que el cálculo puede manejar, así que no hay plan desde hoy.</translation>
    </message>
    <message>
        <source>Your plan&apos;s end date, %1, is today, so there are no days left to reach your goal of %2 by it from your weight of %3.</source>
        <extracomment>%1 the plan&apos;s end date, %2 the goal weight, %3 the weight now</extracomment>
        <translation>La fecha final de su plan, %1, es hoy, así que no quedan días para alcanzar en ese plazo su objetivo de %2 partiendo de su peso de %3.</translation>
    </message>
    <message>
        <source>Your plan&apos;s end date, %1, has passed, so there are no days left to reach your goal of %2 by it from your weight of %3.</source>
        <extracomment>%1 the plan&apos;s end date, %2 the goal weight, %3 the weight now</extracomment>
        <translation>La fecha final de su plan, %1, ya ha pasado, así que no quedan días para alcanzar en ese plazo su objetivo de %2 partiendo de su peso de %3.</translation>
    </message>
    <message>
        <source>Your weigh-ins say you have eaten about %1 a day over the four weeks to %2 (between %3 and %4); your plan says %5.</source>
        <extracomment>%1 a daily intake, %2 a date, %3 and %4 calories, %5 the plan&apos;s daily intake</extracomment>
        <translation>Sus pesajes indican que ha comido unas %1 al día durante las cuatro semanas hasta el %2 (entre %3 y %4); su plan indica %5.</translation>
    </message>
    <message>
        <source>Your weigh-ins say you have eaten about %1 a day over the four weeks to %2 (between %3 and %4); your plan&apos;s intake is less than nothing.</source>
        <extracomment>%1 a daily intake, %2 a date, %3 and %4 calories</extracomment>
        <translation>Sus pesajes indican que ha comido unas %1 al día durante las cuatro semanas hasta el %2 (entre %3 y %4); la ingesta de su plan es menor que cero.</translation>
    </message>
    <message>
        <source>Your weigh-ins say you have eaten about %1 a day over the %2 from %3 to %4 (between %5 and %6); your plan says %7.</source>
        <extracomment>%1 a daily intake, %2 a count of days, %3 and %4 dates, %5 and %6 calories, %7 the plan&apos;s daily intake</extracomment>
        <translation>Sus pesajes indican que ha comido unas %1 al día durante los %2 del %3 al %4 (entre %5 y %6); su plan indica %7.</translation>
    </message>
    <message>
        <source>Your weigh-ins say you have eaten about %1 a day over the %2 from %3 to %4 (between %5 and %6); your plan&apos;s intake is less than nothing.</source>
        <extracomment>%1 a daily intake, %2 a count of days, %3 and %4 dates, %5 and %6 calories</extracomment>
        <translation>Sus pesajes indican que ha comido unas %1 al día durante los %2 del %3 al %4 (entre %5 y %6); la ingesta de su plan es menor que cero.</translation>
    </message>
    <message>
        <source>The body model reads this from how your weight changed and what a body like yours spends (Hall and Chow, 2011).</source>
        <translation>El modelo corporal lo deduce de cómo ha cambiado su peso y de lo que gasta un cuerpo como el suyo (Hall y Chow, 2011).</translation>
    </message>
    <message>
        <source>Your weight keeps to your plan all the same: the plan counts 3500 calories for every pound, while by the model a pound lost after the first weeks is mostly fat, which holds more, and a lighter body spends less.</source>
        <translation>Aun así, su peso va según el plan: el plan cuenta 3500 calorías por cada libra, mientras que según el modelo una libra perdida después de las primeras semanas es sobre todo grasa, que contiene más calorías, y un cuerpo más ligero gasta menos.</translation>
    </message>
    <message>
        <source>Your weight keeps to your plan all the same: the plan counts 3500 calories for every pound, while by the model much of what goes in the first weeks is water and glycogen, which hold less.</source>
        <translation>Aun así, su peso va según el plan: el plan cuenta 3500 calorías por cada libra, mientras que según el modelo gran parte de lo que se pierde en las primeras semanas es agua y glucógeno, que contienen menos calorías.</translation>
    </message>
    <message>
        <source>By the same model about %1 a day keeps your weight as it is.</source>
        <translation>Según el mismo modelo, unas %1 al día mantienen su peso como está.</translation>
    </message>
    <message>
        <source>By the same model about %1 a day keeps your weight as it was on %2.</source>
        <translation>Según el mismo modelo, unas %1 al día mantienen su peso como estaba el %2.</translation>
    </message>
    <message>
        <source>Chart of your plan and your weigh-ins: the plan&apos;s line from %1 on %2 to %3 on %4; the goal at %5; %6</source>
        <extracomment>The progress chart for the blind; %1 a weight, %2 a date, %3 a weight, %4 a date, %5 the goal weight, %6 the weigh-ins in words</extracomment>
        <translation>Gráfico de su plan y sus pesajes: la línea del plan va de %1 el %2 a %3 el %4; el objetivo, en %5; %6</translation>
    </message>
    <message>
        <source>“%1”</source>
        <extracomment>A text as the person typed it, in quotation marks</extracomment>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>“%1…”</source>
        <extracomment>The start of a long text as the person typed it, in quotation marks</extracomment>
        <translation>«%1…»</translation>
    </message>
    <message>
        <source>A weight must be more than zero: please enter your weight in kg.</source>
        <translation>Un peso debe ser mayor que cero: introduzca su peso en kg.</translation>
    </message>
    <message>
        <source>A weight must be more than zero: please enter your weight in lb.</source>
        <translation>Un peso debe ser mayor que cero: introduzca su peso en lb.</translation>
    </message>
    <message>
        <source>%1 kg is more than anyone weighs: please check it. The most a weigh-in may be is %2 kg.</source>
        <extracomment>%1 the weight typed, %2 the most a weigh-in may be</extracomment>
        <translation>%1 kg es más de lo que pesa cualquier persona: compruébelo. Un pesaje puede ser como máximo de %2 kg.</translation>
    </message>
    <message>
        <source>%1 lb is more than anyone weighs: please check it. The most a weigh-in may be is %2 lb.</source>
        <translation>%1 lb es más de lo que pesa cualquier persona: compruébelo. Un pesaje puede ser como máximo de %2 lb.</translation>
    </message>
    <message>
        <source>%1 kg is less than a person weighs: please check it. The least a weigh-in may be is %2 kg.</source>
        <extracomment>%1 the weight typed, %2 the least a weigh-in may be</extracomment>
        <translation>%1 kg es menos de lo que pesa una persona: compruébelo. Un pesaje debe ser como mínimo de %2 kg.</translation>
    </message>
    <message>
        <source>%1 lb is less than a person weighs: please check it. The least a weigh-in may be is %2 lb.</source>
        <translation>%1 lb es menos de lo que pesa una persona: compruébelo. Un pesaje debe ser como mínimo de %2 lb.</translation>
    </message>
    <message>
        <source>Date</source>
        <extracomment>The columns of the table of weigh-ins</extracomment>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Weight (lb)</source>
        <translation>Peso (lb)</translation>
    </message>
    <message>
        <source>Weight (kg)</source>
        <translation>Peso (kg)</translation>
    </message>
    <message>
        <source>Trend (lb)</source>
        <translation>Tendencia (lb)</translation>
    </message>
    <message>
        <source>Your progress</source>
        <translation>Su progreso</translation>
    </message>
    <message>
        <source>You follow no plan yet: calculate, open your plan and choose Follow This Plan to see your weigh-ins against it. Your weigh-ins are kept all the same.</source>
        <translation>Todavía no sigue ningún plan: calcule, abra su plan y elija «Seguir este plan» para ver sus pesajes comparados con él. Sus pesajes se guardan igualmente.</translation>
    </message>
    <message>
        <source>Weigh yourself to begin: enter your first weigh-in, in pounds or kilograms, best each morning before breakfast.</source>
        <translation>Pésese para empezar: introduzca su primer pesaje, en libras o kilogramos, mejor cada mañana antes del desayuno.</translation>
    </message>
    <message>
        <source>Chart of your weigh-ins: none yet.</source>
        <translation>Gráfico de sus pesajes: todavía no hay ninguno.</translation>
    </message>
    <message>
        <source>Your weigh-in today is %1.</source>
        <extracomment>%1 a weight</extracomment>
        <translation>Su pesaje de hoy es %1.</translation>
    </message>
    <message>
        <source>Your last weigh-in, on %1, was %2.</source>
        <translation>Su último pesaje, del %1, fue de %2.</translation>
    </message>
    <message>
        <source>Chart of your weigh-ins: %1</source>
        <extracomment>The progress chart for the blind; %1 the weigh-ins in words</extracomment>
        <translation>Gráfico de sus pesajes: %1</translation>
    </message>
    <message>
        <source>Your progress, %1</source>
        <translation>Su progreso, %1</translation>
    </message>
    <message>
        <source>Made on %1</source>
        <extracomment>Under the title of the copied progress report; %1 is the date and time</extracomment>
        <translation>Creado el %1</translation>
    </message>
    <message>
        <source>Where you stand</source>
        <translation>En qué punto está</translation>
    </message>
    <message>
        <source>Your plan from today</source>
        <translation>Su plan desde hoy</translation>
    </message>
    <message>
        <source>What your weigh-ins say</source>
        <translation>Lo que dicen sus pesajes</translation>
    </message>
    <message>
        <source>Your weigh-ins</source>
        <translation>Sus pesajes</translation>
    </message>
    <message>
        <source>Please enter your weight in kilograms.</source>
        <translation>Introduzca su peso en kilogramos.</translation>
    </message>
    <message>
        <source>Please enter your weight in pounds.</source>
        <translation>Introduzca su peso en libras.</translation>
    </message>
    <message>
        <source>%1 is not a number: please enter your weight in kilograms, such as %2.</source>
        <extracomment>%1 the text typed, in quotation marks; %2 an example</extracomment>
        <translation>%1 no es un número: introduzca su peso en kilogramos, por ejemplo %2.</translation>
    </message>
    <message>
        <source>%1 is not a number: please enter your weight in pounds, such as %2.</source>
        <extracomment>%1 the text typed, in quotation marks; %2 an example</extracomment>
        <translation>%1 no es un número: introduzca su peso en libras, por ejemplo %2.</translation>
    </message>
    <message>
        <source>such as 172.4lb or 78kg</source>
        <extracomment>An example of a weight on the command line; lb and kg are what the command line reads</extracomment>
        <translation>por ejemplo 172.4lb o 78kg</translation>
    </message>
    <message>
        <source>No weight given: write it with its unit, %1.</source>
        <extracomment>%1 an example</extracomment>
        <translation>No se indica ningún peso: escríbalo con su unidad, %1.</translation>
    </message>
    <message>
        <source>%1 does not start with a number: write a weight with its unit, %2.</source>
        <extracomment>%1 the text given, in quotation marks; %2 an example</extracomment>
        <translation>%1 no empieza por un número: escriba un peso con su unidad, %2.</translation>
    </message>
    <message>
        <source>%1 is not a number: write the weight with a full stop or a comma as decimal sign, %2.</source>
        <extracomment>%1 the text given, in quotation marks; %2 an example</extracomment>
        <translation>%1 no es un número: escriba el peso con punto o coma como separador decimal, %2.</translation>
    </message>
    <message>
        <source>%1 has no unit: write lb or kg after the number, %2.</source>
        <extracomment>%1 the text given, in quotation marks; %2 an example; lb and kg are what the command line reads</extracomment>
        <translation>%1 no tiene unidad: escriba lb o kg después del número, %2.</translation>
    </message>
    <message>
        <source>%1 is not a unit of weight the program knows: write lb or kg, %2.</source>
        <extracomment>%1 the unit given, in quotation marks; %2 an example; lb and kg are what the command line reads</extracomment>
        <translation>%1 no es una unidad de peso que el programa conozca: escriba lb o kg, %2.</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Weigh-in day</source>
        <extracomment>Name of the day box of the weigh-in in the progress window, read by a screen reader</extracomment>
        <translation>Día del pesaje</translation>
    </message>
    <message>
        <source>Your Progress - Veltro Weight Loss Calculator</source>
        <extracomment>Caption of the progress window until the progress is shown in it</extracomment>
        <translation>Su progreso - Veltro Calculadora para Adelgazar</translation>
    </message>
    <message>
        <source>Your progress</source>
        <extracomment>Name of the progress window, read by a screen reader</extracomment>
        <translation>Su progreso</translation>
    </message>
    <message>
        <source>Weigh-in weight</source>
        <extracomment>Name of the box where the person types a weigh-in&apos;s weight, read by a screen reader</extracomment>
        <translation>Peso del pesaje</translation>
    </message>
    <message>
        <source>Weigh-in unit</source>
        <extracomment>Name of the box that chooses the unit of a weigh-in, read by a screen reader</extracomment>
        <translation>Unidad del pesaje</translation>
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
        <translation>Días que muestra el gráfico</translation>
    </message>
    <message>
        <source>Your plan</source>
        <extracomment>Choice of the days the progress chart shows: those of the plan followed, with the month before it</extracomment>
        <translation>Su plan</translation>
    </message>
    <message>
        <source>The last 90 days</source>
        <extracomment>Choice of the days the progress chart shows</extracomment>
        <translation>Los últimos 90 días</translation>
    </message>
    <message>
        <source>Everything</source>
        <extracomment>Choice of the days the progress chart shows: all the weigh-ins and the plan</extracomment>
        <translation>Todo</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <extracomment>Button beside the weigh-in boxes that stores the weigh-in</extracomment>
        <translation>A&amp;ñadir</translation>
    </message>
    <message>
        <source>Enter</source>
        <extracomment>Tooltip of the Add button: the key that presses it</extracomment>
        <translation>Intro</translation>
    </message>
    <message>
        <source>&amp;Weight:</source>
        <extracomment>Label before the weigh-in&apos;s weight box; the row reads &quot;Weight: [80] in [kg] on [date] Add&quot;</extracomment>
        <translation>Pe&amp;so:</translation>
    </message>
    <message>
        <source>in</source>
        <extracomment>Label between the weigh-in&apos;s weight box and its unit box; the row reads &quot;Weight: [80] in [kg] on [date]&quot;</extracomment>
        <translation>en</translation>
    </message>
    <message>
        <source>o&amp;n</source>
        <extracomment>Label between the weigh-in&apos;s unit box and its day box; the row reads &quot;Weight: [80] in [kg] on [date]&quot;</extracomment>
        <translation>e&amp;l</translation>
    </message>
    <message>
        <source>Your weigh-ins</source>
        <extracomment>Name of the table of weigh-ins in the progress window, read by a screen reader</extracomment>
        <translation>Sus pesajes</translation>
    </message>
    <message>
        <source>your weigh-ins</source>
        <extracomment>What the weigh-in table&apos;s scroll bars move, read by a screen reader in names such as &quot;Scroll your weigh-ins up and down&quot;</extracomment>
        <translation>sus pesajes</translation>
    </message>
    <message>
        <source>Progress chart</source>
        <extracomment>Name of the chart of the progress window, read by a screen reader</extracomment>
        <translation>Gráfico de progreso</translation>
    </message>
    <message>
        <source>C&amp;hart:</source>
        <extracomment>Label of the box above the progress chart that chooses the days it shows</extracomment>
        <translation>&amp;Ver:</translation>
    </message>
    <message>
        <source>Where you stand</source>
        <extracomment>Name of the progress window&apos;s text (where the person stands, in sentences), read by a screen reader</extracomment>
        <translation>En qué punto está</translation>
    </message>
    <message>
        <source>Move to give the parts more room</source>
        <extracomment>Name of the bars between the parts of the progress window (table, chart and text), which are dragged to share the room; read by a screen reader</extracomment>
        <translation>Mover para dar más espacio a las partes</translation>
    </message>
    <message>
        <source>Your weigh-ins and the chart</source>
        <extracomment>Name of the weigh-in table and the chart together, read by a screen reader</extracomment>
        <translation>Sus pesajes y el gráfico</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <extracomment>Name of the progress window&apos;s menu bar, read by a screen reader</extracomment>
        <translation>Barra de menús</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <extracomment>Menu of the progress window</extracomment>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Import Weigh-ins...</source>
        <extracomment>Command of the progress window&apos;s File menu: reads weigh-ins from a CSV file</extracomment>
        <translation>&amp;Importar pesajes...</translation>
    </message>
    <message>
        <source>&amp;Export Weigh-ins...</source>
        <extracomment>Command of the progress window&apos;s File menu: writes the weigh-ins to a CSV file</extracomment>
        <translation>&amp;Exportar pesajes...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <extracomment>Command of the progress window&apos;s File menu</extracomment>
        <translation>Im&amp;primir...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <extracomment>Command of the progress window&apos;s File menu</extracomment>
        <translation>Guardar como PD&amp;F...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <extracomment>Command of the progress window&apos;s File menu: closes the window</extracomment>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <extracomment>Menu of the progress window</extracomment>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <extracomment>Command of the progress window&apos;s Edit menu when there is nothing to undo</extracomment>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <extracomment>Command of the progress window&apos;s Edit menu when there is nothing to redo</extracomment>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <extracomment>Command of the progress window&apos;s Edit menu: copies the weigh-ins selected, or else the whole progress as text</extracomment>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Edit Weigh-in</source>
        <extracomment>Command of the progress window&apos;s Edit menu: puts the weigh-in selected in the boxes to change it</extracomment>
        <translation>&amp;Editar pesaje</translation>
    </message>
    <message>
        <source>&amp;Delete Weigh-ins</source>
        <extracomment>Command of the progress window&apos;s Edit menu: deletes the weigh-ins selected in the table</extracomment>
        <translation>Eli&amp;minar pesajes</translation>
    </message>
    <message>
        <source>%1 - Veltro Weight Loss Calculator</source>
        <extracomment>Caption of the progress window; %1 is the progress&apos;s title, such as &quot;Your progress, Anna&quot;</extracomment>
        <translation>%1 - Veltro Calculadora para Adelgazar</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <extracomment>Command of the progress window&apos;s Edit menu; %1 is what it takes back, such as &quot;Weigh-in&quot; or &quot;Delete of 2 Weigh-ins&quot;</extracomment>
        <translation>&amp;Deshacer %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <extracomment>Command of the progress window&apos;s Edit menu; %1 is what it does again, such as &quot;Weigh-in&quot; or &quot;Delete of 2 Weigh-ins&quot;</extracomment>
        <translation>&amp;Rehacer %1</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <extracomment>The Add button&apos;s caption while a weigh-in is being changed</extracomment>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Saves the weigh-in of %1</source>
        <extracomment>Description of the Save button, read by a screen reader; %1 is the weigh-in&apos;s day</extracomment>
        <translation>Guarda el pesaje del %1</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <extracomment>The Add button&apos;s caption where the day chosen has a weigh-in already</extracomment>
        <translation>Sustitui&amp;r</translation>
    </message>
    <message>
        <source>Replaces the weigh-in of %1</source>
        <extracomment>Description of the Replace button, read by a screen reader; %1 is the day of the weigh-in it replaces</extracomment>
        <translation>Sustituye el pesaje del %1</translation>
    </message>
</context>
<context>
    <name>Referral</name>
    <message>
        <source>Your Name</source>
        <extracomment>Placeholder of the exit screen&apos;s box for the person&apos;s name, 225 px wide</extracomment>
        <translation>Su nombre</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <extracomment>Placeholder of the exit screen&apos;s box for the person&apos;s e-mail address, 225 px wide</extracomment>
        <translation>Su correo electrónico</translation>
    </message>
    <message>
        <source>Your Message</source>
        <extracomment>Placeholder of the exit screen&apos;s box for the message to the friend, 121 px wide</extracomment>
        <translation>Su mensaje</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <extracomment>Placeholder of the exit screen&apos;s box for the friend&apos;s name, 225 px wide</extracomment>
        <translation>Nombre del amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <extracomment>Placeholder of the exit screen&apos;s box for the friend&apos;s e-mail address, 225 px wide</extracomment>
        <translation>Correo electrónico del amigo</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <extracomment>Message box over the exit screen when a space is typed into an e-mail box; one short line</extracomment>
        <translation>El correo electrónico no puede contener espacios</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <extracomment>Message box over the exit screen when both e-mail addresses are the same; one short line</extracomment>
        <translation>Introduzca direcciones de correo distintas</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <extracomment>Message box over the exit screen when an e-mail address lacks &quot;@&quot; or &quot;.&quot;; one short line</extracomment>
        <translation>Introduzca una dirección de correo válida</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <extracomment>Message box over the exit screen when the person&apos;s name is left empty; one short line</extracomment>
        <translation>Introduzca su nombre</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <extracomment>Message box over the exit screen when the person&apos;s e-mail address is left empty; one short line</extracomment>
        <translation>Introduzca su correo electrónico</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <extracomment>Message box over the exit screen when the message to the friend is left empty; one short line</extracomment>
        <translation>Introduzca su mensaje</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <extracomment>Message box over the exit screen when the friend&apos;s name is left empty; one short line</extracomment>
        <translation>Introduzca el nombre de su amigo</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <extracomment>Message box over the exit screen when the friend&apos;s e-mail address is left empty; one short line</extracomment>
        <translation>Introduzca el correo de su amigo</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>%1 years</source>
        <extracomment>Results window, beside &quot;Age:&quot;; %1 is the age as typed. One line of about 480 px; keep it short</extracomment>
        <translation>%1 años</translation>
    </message>
    <message>
        <source>%1 Centimetres</source>
        <extracomment>Results window, beside &quot;Your Height:&quot;; %1 is the height in centimetres as typed. One line of about 480 px; keep it short</extracomment>
        <translation>%1 centímetros</translation>
    </message>
    <message>
        <source>%1 Feet %2 Inch</source>
        <extracomment>Results window, beside &quot;Your Height:&quot;; %1 is the feet, %2 the inches, as typed. One line of about 480 px; keep it short</extracomment>
        <translation>%1 pies %2 pulgadas</translation>
    </message>
    <message>
        <source>%1 Pounds</source>
        <extracomment>Results window, beside &quot;Your Weight:&quot; and &quot;Weight You Wish To Lose:&quot;; %1 is a weight in pounds as typed. One line of about 480 px; keep it short</extracomment>
        <translation>%1 libras</translation>
    </message>
    <message>
        <source>%1 day/days</source>
        <extracomment>Results window, beside &quot;Time Frame To Lose Weight:&quot;; %1 is the number of days as typed, which may be 1 or more. One line of about 480 px; keep it short</extracomment>
        <translation>%1 día/días</translation>
    </message>
    <message>
        <source>To maintain your current weight your daily intake of calories should be %1 calories</source>
        <extracomment>Results window, first result, in bold on one line of about 650 px: the window does not grow. %1 is a whole number of calories, as 2381</extracomment>
        <translation>Para mantener su peso actual, su ingesta diaria debe ser de %1 calorías</translation>
    </message>
    <message>
        <source>This daily intake of calories cannot be achieved.</source>
        <extracomment>Results window, second result, in bold on one line of about 650 px: the window does not grow</extracomment>
        <translation>Esta ingesta diaria de calorías no se puede alcanzar.</translation>
    </message>
    <message>
        <source>To reach your goal, your daily intake of calories should be %1 calories</source>
        <extracomment>Results window, second result, in bold on one line of about 650 px: the window does not grow. %1 is a whole number of calories, as 1881</extracomment>
        <translation>Para alcanzar su objetivo, su ingesta diaria debe ser de %1 calorías</translation>
    </message>
</context>
<context>
    <name>ScrollParts</name>
    <message>
        <source>Scroll %1 up and down</source>
        <extracomment>Screen reader&apos;s name of the vertical scroll bar of a view; %1 is what the view shows, e.g. &quot;the milestones&quot; or &quot;your plan in words&quot;.</extracomment>
        <translation>Desplazar %1 verticalmente</translation>
    </message>
    <message>
        <source>Scroll %1 sideways</source>
        <extracomment>Screen reader&apos;s name of the horizontal scroll bar of a view; %1 is what the view shows, e.g. &quot;the milestones&quot; or &quot;your plan in words&quot;.</extracomment>
        <translation>Desplazar %1 horizontalmente</translation>
    </message>
    <message>
        <source>Scroll bar of %1</source>
        <extracomment>Screen reader&apos;s name of the strip holding a view&apos;s scroll bar; %1 is what the view shows, e.g. &quot;the milestones&quot; or &quot;your plan in words&quot;.</extracomment>
        <translation>Barra de desplazamiento de %1</translation>
    </message>
</context>
<context>
    <name>Shell</name>
    <message>
        <source>Application is already running</source>
        <extracomment>Message box shown when the program is started a second time; its title is the program&apos;s caption.</extracomment>
        <translation>La aplicación ya se está ejecutando</translation>
    </message>
</context>
<context>
    <name>SiteConfig</name>
    <message>
        <source>All rights of this software are reserved by Quillory Softwares.</source>
        <extracomment>Last sentence of the about box&apos;s description, which ends the text of a fixed-size box; keep it no longer than the English. Quillory Softwares is the maker&apos;s name: keep it as it is</extracomment>
        <translation>Quillory Softwares se reserva todos los derechos.</translation>
    </message>
</context>
<context>
    <name>SupportMessages</name>
    <message>
        <source>Quillory Softwares like this one can be created and maintained only with your support. The best way to support the forum is to visit %1 regularly and take part in the discussions and other activities on the board.</source>
        <extracomment>Exit screen: request 1 of four to support the forum, one shown per run, bold 9.75 pt word-wrapped in 465 x 73 px (set smaller where it does not fit); %1 is the forum&apos;s web address (such as www.example.com). &quot;Quillory Softwares&quot; is the maker&apos;s name.</extracomment>
        <translation>Los Quillory Softwares como este solo pueden crearse y mantenerse con su apoyo. La mejor forma de apoyar el foro es visitar %1 con regularidad y participar en los debates y demás actividades del foro.</translation>
    </message>
    <message>
        <source>Visit %1 regularly. Support %1 by taking part in the discussions and other activities. These softwares cannot be supported and maintained unless you visit %1 regularly.</source>
        <extracomment>Exit screen: request 2 of four to support the forum, one shown per run, bold 9.75 pt word-wrapped in 465 x 73 px (set smaller where it does not fit); %1 is the forum&apos;s web address (such as www.example.com).</extracomment>
        <translation>Visite %1 con regularidad. Apoye a %1 participando en los debates y demás actividades. Estos programas no pueden mantenerse sin sus visitas regulares a %1.</translation>
    </message>
    <message>
        <source>%1 is a FREE online discussion forum on quillory. To help %1 develop and maintain this software, visit the forum regularly.</source>
        <extracomment>Exit screen: request 3 of four to support the forum, one shown per run, bold 9.75 pt word-wrapped in 465 x 73 px (set smaller where it does not fit); %1 is the forum&apos;s web address (such as www.example.com).</extracomment>
        <translation>%1 es un foro de debate en línea GRATUITO sobre quillory. Para ayudar a %1 a desarrollar y mantener este software, visite el foro con regularidad.</translation>
    </message>
    <message>
        <source>%1 needs your help. All you need to do is visit %1 regularly and take part in the various discussions and activities, to help us maintain and develop more Quillory Softwares.</source>
        <extracomment>Exit screen: request 4 of four to support the forum, one shown per run, bold 9.75 pt word-wrapped in 465 x 73 px (set smaller where it does not fit); %1 is the forum&apos;s web address (such as www.example.com). &quot;Quillory Softwares&quot; is the maker&apos;s name.</extracomment>
        <translation>%1 necesita su ayuda. Solo tiene que visitar %1 con regularidad y participar en los diversos debates y actividades, para ayudarnos a mantener y desarrollar más Quillory Softwares.</translation>
    </message>
</context>
<context>
    <name>Validation</name>
    <message>
        <source>Please Enter Your Weight</source>
        <extracomment>Message box over the main window when Calculate finds a weight box empty; one short line</extracomment>
        <translation>Introduzca su peso</translation>
    </message>
    <message>
        <source>Please Enter Weight Do You Wish To Lose</source>
        <extracomment>Message box over the main window when Calculate finds a box of the weight to lose empty; one short line</extracomment>
        <translation>Introduzca el peso que desea perder</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <extracomment>Message box over the main window when Calculate finds the name box empty; one short line</extracomment>
        <translation>Introduzca su nombre</translation>
    </message>
    <message>
        <source>Please Enter Your Height</source>
        <extracomment>Message box over the main window when Calculate finds the height box empty; one short line</extracomment>
        <translation>Introduzca su estatura</translation>
    </message>
    <message>
        <source>Please Enter Your Height From %1 To %2 Centimetres</source>
        <extracomment>Message box over the main window when the height in centimetres is out of bounds; one short line. %1 and %2 are the shortest and the tallest height, 100 and 250</extracomment>
        <translation>Introduzca una estatura de %1 a %2 centímetros</translation>
    </message>
</context>
<context>
    <name>WeighInDoubt</name>
    <message>
        <source>%1 is %2 %3 under your last weigh-in: did you mean %4 %5? Keep %1 as typed?</source>
        <extracomment>Message box asking before a weigh-in is stored. %1 is the weight typed with its unit (&quot;95 kg&quot;), %2 and %3 how far it is from the last weigh-in (figure and unit), %4 the figure typed again and %5 the other unit.</extracomment>
        <translation>%1 está %2 %3 por debajo de su último pesaje: ¿quería decir %4 %5? ¿Conservar %1 tal como lo escribió?</translation>
    </message>
    <message>
        <source>%1 is %2 %3 over your last weigh-in: did you mean %4 %5? Keep %1 as typed?</source>
        <extracomment>Message box asking before a weigh-in is stored. %1 is the weight typed with its unit (&quot;95 kg&quot;), %2 and %3 how far it is from the last weigh-in (figure and unit), %4 the figure typed again and %5 the other unit.</extracomment>
        <translation>%1 está %2 %3 por encima de su último pesaje: ¿quería decir %4 %5? ¿Conservar %1 tal como lo escribió?</translation>
    </message>
    <message>
        <source>%1 is %2 %3 under the line through your last week&apos;s weigh-ins (%4 %3). Keep %1 as typed?</source>
        <extracomment>Message box asking before a weigh-in is stored. %1 is the weight typed with its unit (&quot;95 kg&quot;), %2 and %3 how far it is from the line through last week&apos;s weigh-ins (figure and unit), %4 the line&apos;s figure for that day.</extracomment>
        <translation>%1 está %2 %3 por debajo de la línea que pasa por sus pesajes de la última semana (%4 %3). ¿Conservar %1 tal como lo escribió?</translation>
    </message>
    <message>
        <source>%1 is %2 %3 over the line through your last week&apos;s weigh-ins (%4 %3). Keep %1 as typed?</source>
        <extracomment>Message box asking before a weigh-in is stored. %1 is the weight typed with its unit (&quot;95 kg&quot;), %2 and %3 how far it is from the line through last week&apos;s weigh-ins (figure and unit), %4 the line&apos;s figure for that day.</extracomment>
        <translation>%1 está %2 %3 por encima de la línea que pasa por sus pesajes de la última semana (%4 %3). ¿Conservar %1 tal como lo escribió?</translation>
    </message>
</context>
<context>
    <name>WeighInMessages</name>
    <message>
        <source>The date is not a day of the calendar.</source>
        <extracomment>Why a weigh-in is refused (the weigh-in box, an imported line, the command line)</extracomment>
        <translation>La fecha no es un día del calendario.</translation>
    </message>
    <message>
        <source>The date %1 is in the future.</source>
        <extracomment>%1 is the day of the weigh-in, as 2026-12-09</extracomment>
        <translation>La fecha %1 está en el futuro.</translation>
    </message>
    <message>
        <source>The date %1 is before %2, the earliest day the journal keeps.</source>
        <extracomment>%1 is the day of the weigh-in, %2 the earliest day kept (1900-01-01), both as 2026-12-09</extracomment>
        <translation>La fecha %1 es anterior al %2, el primer día que guarda el diario.</translation>
    </message>
    <message>
        <source>The weight is not a number.</source>
        <extracomment>Why a weigh-in is refused (the weigh-in box, an imported line, the command line)</extracomment>
        <translation>El peso no es un número.</translation>
    </message>
    <message>
        <source>The weight must be above zero.</source>
        <extracomment>Why a weigh-in is refused (the weigh-in box, an imported line, the command line)</extracomment>
        <translation>El peso debe ser mayor que cero.</translation>
    </message>
    <message>
        <source>The weight %1 %2 is below the lightest the journal keeps, %3 %2.</source>
        <extracomment>%1 is the weight given, %2 the unit&apos;s symbol (kg or lb), %3 the lightest weight the journal keeps</extracomment>
        <translation>El peso %1 %2 es inferior al mínimo que guarda el diario, %3 %2.</translation>
    </message>
    <message>
        <source>The weight %1 %2 is above the heaviest the journal keeps, %3 %2.</source>
        <extracomment>%1 is the weight given, %2 the unit&apos;s symbol (kg or lb), %3 the heaviest weight the journal keeps</extracomment>
        <translation>El peso %1 %2 es superior al máximo que guarda el diario, %3 %2.</translation>
    </message>
</context>
<context>
    <name>WeightChart</name>
    <message>
        <source>3500 calories a pound</source>
        <extracomment>Name of the plan&apos;s line in the key of the plan chart: the line of the program&apos;s rule that a pound of body weight is 3500 calories</extracomment>
        <translation>3500 calorías por libra</translation>
    </message>
    <message>
        <source>Your plan</source>
        <extracomment>Name of the plan&apos;s line in the key of the progress chart</extracomment>
        <translation>Su plan</translation>
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
        <translation>Aquí aparecerán sus pesajes.</translation>
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
        <translation>Lo que el cuerpo probablemente hará</translation>
    </message>
    <message>
        <source>Trend</source>
        <extracomment>Name of the thin line in the chart&apos;s key: the smoothed trend of the weigh-ins</extracomment>
        <translation>Tendencia</translation>
    </message>
    <message>
        <source>Weigh-ins</source>
        <extracomment>Name of the dots in the chart&apos;s key: the person&apos;s weigh-ins</extracomment>
        <translation>Pesajes</translation>
    </message>
    <message>
        <source>Goal %1</source>
        <extracomment>Label of the goal&apos;s dashed line across the chart; %1 is the goal weight, such as &quot;70 kg (154.3 lb)&quot;</extracomment>
        <translation>Objetivo %1</translation>
    </message>
    <message>
        <source>Today</source>
        <extracomment>Label of the line across the progress chart on today&apos;s date</extracomment>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>Weight chart</source>
        <extracomment>Name of the chart, read by a screen reader</extracomment>
        <translation>Gráfico de peso</translation>
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
        <translation>Veltro Calculadora para Adelgazar v1.0</translation>
    </message>
</context>
</TS>
