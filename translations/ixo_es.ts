<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About Ixo</source>
        <translation>Acerca de Ixo</translation>
    </message>
    <message>
        <source>Alarm clock for the notification area</source>
        <translation>Despertador para el área de notificación</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>AlarmMessageWindow</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
</context>
<context>
    <name>AlarmSetWindow</name>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Alarm time is :</source>
        <translation>Hora de la alarma:</translation>
    </message>
    <message>
        <source>Play Times</source>
        <extracomment>how often the alarm sound plays (once, twice, thrice, repeat!)</extracomment>
        <translation>Repeticiones</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Add with a message</source>
        <translation>Añadir con un mensaje</translation>
    </message>
    <message>
        <source>Play list :</source>
        <translation>Lista de reproducción:</translation>
    </message>
    <message>
        <source>View Message</source>
        <translation>Ver mensaje</translation>
    </message>
    <message>
        <source>Delete the selected event</source>
        <translation>Eliminar la alarma seleccionada</translation>
    </message>
    <message>
        <source>Delete all events</source>
        <translation>Eliminar todas las alarmas</translation>
    </message>
    <message>
        <source>Song</source>
        <extracomment>the alarm sound picked in the box</extracomment>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Play the sound once</source>
        <translation>Reproducir el sonido una vez</translation>
    </message>
    <message>
        <source>Every</source>
        <extracomment>the chime: &quot;Every [15] min&quot;</extracomment>
        <translation>Cada</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Load alarm events from a file</source>
        <translation>Cargar alarmas desde un archivo</translation>
    </message>
    <message>
        <source>Save the alarm events to a file</source>
        <translation>Guardar las alarmas en un archivo</translation>
    </message>
    <message>
        <source>Edit an alarm data file</source>
        <translation>Editar un archivo de datos de alarmas</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>closes this window; Ixo keeps running</extracomment>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Hide Message</source>
        <translation>Ocultar mensaje</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>ixo: the session bus cannot be reached: %1</source>
        <translation>ixo: no se puede acceder al bus de sesión: %1</translation>
    </message>
    <message>
        <source>Ixo is not running</source>
        <translation>Ixo no se está ejecutando</translation>
    </message>
    <message>
        <source>--add needs a time</source>
        <translation>--add necesita una hora</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a time (write 7:30pm, 7:30 pm, 19:30 or 19:30:00)</source>
        <translation>«%1» no es una hora (escriba 7:30pm, 7:30 pm, 19:30 o 19:30:00)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is an option, not a message (put -- before such a message)</source>
        <translation>«%1» es una opción, no un mensaje (ponga -- delante de ese mensaje)</translation>
    </message>
    <message>
        <source>--snooze takes one number of minutes</source>
        <translation>--snooze admite un número de minutos</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number of minutes from 1 to %2</source>
        <translation>«%1» no es un número de minutos de 1 a %2</translation>
    </message>
    <message>
        <source>%1 takes no arguments</source>
        <translation>%1 no admite argumentos</translation>
    </message>
    <message>
        <source>%1 must come first</source>
        <translation>%1 debe ir primero</translation>
    </message>
    <message>
        <source>unknown argument &apos;%1&apos;</source>
        <translation>argumento desconocido «%1»</translation>
    </message>
    <message>
        <source>Usage: ixo [--help | --version]
       ixo --add TIME [once|twice|thrice|repeat!] [--] [MESSAGE]
       ixo --list | --stop | --snooze [MINUTES]
An alarm clock in the notification area. Started without options, Ixo adds its icon to
the tray; its windows are opened from the icon&apos;s menu. The other options ask the Ixo
that runs in this session and end; with none running, or no session bus to reach, they
say so and exit with 1.

  -h, --help        show this help and exit
  --version         show the version and exit
  --add TIME [WORD] [--] [MESSAGE]
                    add an alarm event for today at TIME (7:30pm, 7:30 pm, 19:30 or
                    19:30:00), played once (the default), twice, thrice or until stopped
                    (repeat!), with MESSAGE shown when it fires (after --, words that
                    start with - too); checked as the Alarm Set window&apos;s Add checks it,
                    a refusal prints the window&apos;s reason and exits with 1
  --list            print the day&apos;s alarm events, then their messages
  --stop            stop the alarm sound, as Stop in the tray menu
  --snooze [MINUTES]
                    snooze the sounding alarm for MINUTES (10 when left out)
</source>
        <translation>Uso: ixo [--help | --version]
     ixo --add TIME [once|twice|thrice|repeat!] [--] [MESSAGE]
     ixo --list | --stop | --snooze [MINUTES]
Un despertador en el área de notificación. Iniciado sin opciones, Ixo pone su icono en la bandeja
del sistema; sus ventanas se abren desde el menú del icono. Las demás opciones consultan al Ixo de
esta sesión y terminan; si no hay ninguno o no se alcanza el bus de sesión, lo dicen y salen con 1.

  -h, --help        mostrar esta ayuda y salir
  --version         mostrar la versión y salir
  --add TIME [WORD] [--] [MESSAGE]
                    añadir una alarma para hoy a las TIME (7:30pm, 7:30 pm, 19:30 o 19:30:00), que suena
                    una vez (once, predeterminado), dos (twice), tres (thrice) o hasta detenerla (repeat!),
                    con MESSAGE mostrado al sonar (tras --, también palabras que empiezan por -); se
                    comprueba como Añadir en la ventana Configurar alarma; un rechazo muestra el motivo
                    de la ventana y sale con 1
  --list            mostrar las alarmas del día y luego sus mensajes
  --stop            detener el sonido de la alarma, como Detener en el menú
  --snooze [MINUTES]
                    posponer la alarma que suena MINUTES minutos (10 si se omite)
</translation>
    </message>
    <message>
        <source>--on needs WHEN</source>
        <translation>--on necesita WHEN</translation>
    </message>
    <message>
        <source>--unschedule takes the number of an entry</source>
        <translation>--unschedule admite el número de una entrada</translation>
    </message>
    <message>
        <source>
Alarms beyond today (the schedule):
  --add TIME [WORD] [MESSAGE] --on WHEN
                    add a schedule entry; WHEN is tomorrow, a date YYYY-MM-DD, daily,
                    weekdays, weekends or days such as mon,wed,fri; prints the entry&apos;s
                    number and its next occurrence
  --list            also prints the schedule: number, when, time, play times,
                    message and next occurrence, separated by tabs
  --unschedule N    remove schedule entry N
</source>
        <translation>
Alarmas más allá de hoy (la programación):
  --add TIME [WORD] [MESSAGE] --on WHEN
                    añadir una entrada a la programación; WHEN es tomorrow, una fecha YYYY-MM-DD,
                    daily, weekdays, weekends o días como mon,wed,fri; muestra el número de la
                    entrada y su próxima alarma
  --list            mostrar también la programación: número, cuándo, hora, repeticiones,
                    mensaje y próxima alarma, separados por tabuladores
  --unschedule N    quitar la entrada N de la programación
</translation>
    </message>
</context>
<context>
    <name>DataFileChooser</name>
    <message>
        <source>Load Data From Files</source>
        <translation>Cargar datos desde archivos</translation>
    </message>
    <message>
        <source>Load data from files :</source>
        <translation>Cargar datos desde archivos:</translation>
    </message>
    <message>
        <source>Input file name :</source>
        <translation>Nombre del archivo:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save file as :</source>
        <translation>Guardar archivo como:</translation>
    </message>
    <message>
        <source>Open a file to edit data :</source>
        <translation>Abrir un archivo para editar los datos:</translation>
    </message>
</context>
<context>
    <name>DateTime</name>
    <message>
        <source>HH:mm:ss</source>
        <translation>HH:mm:ss</translation>
    </message>
    <message>
        <source>dd MMM yyyy / hh:mm AP</source>
        <translation>dd MMM yyyy / HH:mm</translation>
    </message>
    <message>
        <source>ddd d MMM</source>
        <translation>ddd d MMM</translation>
    </message>
</context>
<context>
    <name>ErrorListWindow</name>
    <message>
        <source>Error found</source>
        <translation>Se encontró un error</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>MessageInputWindow</name>
    <message>
        <source>Input Message</source>
        <translation>Introducir mensaje</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Abandon</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Font size :</source>
        <translation>Tamaño de letra:</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Alarm at %1</source>
        <translation>Alarma a las %1</translation>
    </message>
    <message>
        <source>notepad and wordpad not found</source>
        <translation>No se encontraron notepad ni wordpad</translation>
    </message>
    <message>
        <source>Invalid input</source>
        <translation>Entrada no válida</translation>
    </message>
    <message>
        <source>Time input example 12:59:01</source>
        <translation>Ejemplo de hora: 12:59:01</translation>
    </message>
    <message>
        <source>Time was passed or next day</source>
        <translation>La hora ya pasó o es del día siguiente</translation>
    </message>
    <message>
        <source>Alarm time already exists</source>
        <translation>Esa hora de alarma ya existe</translation>
    </message>
    <message>
        <source>The alarm list is full (32767 events)</source>
        <translation>La lista de alarmas está llena (32767 alarmas)</translation>
    </message>
    <message>
        <source>Tindalo Alarm Clock...</source>
        <translation>Despertador Tindalo...</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Cargar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>No file is chosen</source>
        <translation>No se ha elegido ningún archivo</translation>
    </message>
    <message>
        <source>Wpaper.dat has data of wallpaper</source>
        <translation>Wpaper.dat contiene datos del fondo de escritorio</translation>
    </message>
    <message>
        <source>No message input or Play list time was executed</source>
        <translation>No se introdujo ningún mensaje ni se eligió ninguna hora de la lista de reproducción</translation>
    </message>
    <message>
        <source>The message list is full (32767 messages)</source>
        <translation>La lista de mensajes está llena (32767 mensajes)</translation>
    </message>
    <message>
        <source>No alarm is sounding</source>
        <translation>No está sonando ninguna alarma</translation>
    </message>
    <message>
        <source>This alarm is snoozed already</source>
        <translation>Esta alarma ya está pospuesta</translation>
    </message>
    <message>
        <source>Play times must be once, twice, thrice or repeat!</source>
        <translation>Las repeticiones deben ser once, twice, thrice o repeat!</translation>
    </message>
    <message>
        <source>A message may hold at most 626 characters</source>
        <translation>Un mensaje puede tener como máximo 626 caracteres</translation>
    </message>
    <message>
        <source>Snooze takes 1 to 1439 minutes</source>
        <translation>Posponer admite de 1 a 1439 minutos</translation>
    </message>
    <message>
        <source>cannot play sound from internal speaker, refer to trouble shooting in help</source>
        <translation>no se puede reproducir el sonido por el altavoz interno, consulte la solución de problemas en la ayuda</translation>
    </message>
    <message>
        <source>Ixo does not wake the computer.</source>
        <translation>Ixo no activa el equipo.</translation>
    </message>
    <message>
        <source>Ixo wakes the computer by the system timer.</source>
        <translation>Ixo activa el equipo mediante el temporizador del sistema.</translation>
    </message>
    <message>
        <source>Ixo wakes the computer by the KDE power manager.</source>
        <translation>Ixo activa el equipo mediante el gestor de energía de KDE.</translation>
    </message>
    <message>
        <source>Ixo wakes the computer by the wake helper.</source>
        <translation>Ixo activa el equipo mediante el asistente de activación.</translation>
    </message>
    <message>
        <source>Ixo is looking for a way to wake the computer.</source>
        <translation>Ixo está buscando una forma de activar el equipo.</translation>
    </message>
    <message>
        <source>The schedule is full (1000 entries)</source>
        <translation>La programación está llena (1000 entradas)</translation>
    </message>
    <message>
        <source>Ixo is already running</source>
        <translation>Ixo ya se está ejecutando</translation>
    </message>
    <message>
        <source>Invalid data in file, Data %1</source>
        <translation>Datos no válidos en el archivo, elemento %1</translation>
    </message>
    <message>
        <source>%1 seems to be wrong format</source>
        <translation>%1 parece tener un formato incorrecto</translation>
    </message>
    <message>
        <source>The sound choice could not be saved in %1: %2</source>
        <translation>No se pudo guardar la elección de sonido en %1: %2</translation>
    </message>
    <message>
        <source>The font size could not be saved in %1: %2</source>
        <translation>No se pudo guardar el tamaño de letra en %1: %2</translation>
    </message>
    <message>
        <source>%1 was not written: its list is no longer open</source>
        <translation>No se escribió %1: su lista ya no está abierta</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>No se pudo escribir %1: %2</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>No se pudo leer %1: %2</translation>
    </message>
    <message>
        <source>%1, file not found</source>
        <translation>%1, archivo no encontrado</translation>
    </message>
    <message>
        <source>the time is not HH:MM:SS</source>
        <translation>la hora no tiene el formato HH:MM:SS</translation>
    </message>
    <message>
        <source>the play times are not once, twice, thrice or repeat!</source>
        <translation>las repeticiones no son once, twice, thrice ni repeat!</translation>
    </message>
    <message>
        <source>the message or the on/off state is of the wrong kind</source>
        <translation>el mensaje o el estado activado/desactivado no es del tipo correcto</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not when an alarm comes</source>
        <translation>«%1» no indica cuándo suena la alarma</translation>
    </message>
    <message>
        <source>the skipped date is not YYYY-MM-DD</source>
        <translation>la fecha omitida no tiene el formato YYYY-MM-DD</translation>
    </message>
    <message>
        <source>not JSON (%1 at byte %2)</source>
        <translation>no es JSON (%1 en el byte %2)</translation>
    </message>
    <message>
        <source>not a schedule</source>
        <translation>no es una programación</translation>
    </message>
    <message>
        <source>version %1 is not known to this Ixo (it reads %2)</source>
        <translation>este Ixo no conoce la versión %1 (lee la versión %2)</translation>
    </message>
    <message>
        <source>Entry %1: %2</source>
        <translation>Entrada %1: %2</translation>
    </message>
    <message>
        <source>%1 on %2 has passed</source>
        <translation>El %2 a las %1 ya pasó</translation>
    </message>
    <message>
        <source>The schedule has not been read yet</source>
        <translation>La programación aún no se ha leído</translation>
    </message>
    <message>
        <source>There is no schedule entry %1</source>
        <translation>No hay ninguna entrada %1 en la programación</translation>
    </message>
    <message>
        <source>The schedule file %1 cannot be read (%2); the schedule cannot be changed</source>
        <translation>No se puede leer el archivo de programación %1 (%2); no se puede modificar la programación</translation>
    </message>
    <message>
        <source>The schedule could not be saved to %1: %2</source>
        <translation>No se pudo guardar la programación en %1: %2</translation>
    </message>
    <message>
        <source>No free second is left today for the alarm at %1</source>
        <translation>Hoy no queda ningún segundo libre para la alarma de las %1</translation>
    </message>
    <message>
        <source>%1, wave file not found, alarm at %2</source>
        <translation>%1, archivo wave no encontrado, alarma a las %2</translation>
    </message>
    <message>
        <source>Error found, Sound cannot be played, alarm at %1</source>
        <translation>Se encontró un error, no se puede reproducir el sonido, alarma a las %1</translation>
    </message>
    <message>
        <source>cannot create the program folder %1</source>
        <translation>no se puede crear la carpeta del programa %1</translation>
    </message>
    <message>
        <source>%1 file not found</source>
        <translation>No se encontró el archivo %1</translation>
    </message>
    <message>
        <source>%1 cannot be read as a picture</source>
        <translation>%1 no se puede leer como imagen</translation>
    </message>
    <message>
        <source>Ixo cannot wake the computer: %1</source>
        <translation>Ixo no puede activar el equipo: %1</translation>
    </message>
</context>
<context>
    <name>Notification</name>
    <message>
        <source>Stop</source>
        <comment>the sounding alarm</comment>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Posponer</translation>
    </message>
</context>
<context>
    <name>OverwriteQuestionWindow</name>
    <message>
        <source>Warning Message</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>File already exists, overwrite ?</source>
        <translation>El archivo ya existe. ¿Sobrescribirlo?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>Schedule</name>
    <message>
        <source>&apos;%1&apos; is not a date (write YYYY-MM-DD)</source>
        <translation>«%1» no es una fecha (escriba YYYY-MM-DD)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a day (write tomorrow, a date YYYY-MM-DD, daily, weekdays, weekends or days such as mon,wed,fri)</source>
        <translation>«%1» no es un día (escriba tomorrow, una fecha YYYY-MM-DD, daily, weekdays, weekends o días como mon,wed,fri)</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Mañana</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>Once on %1</source>
        <translation>Una vez el %1</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>Todos los días</translation>
    </message>
    <message>
        <source>Weekdays</source>
        <translation>Entre semana</translation>
    </message>
    <message>
        <source>Weekends</source>
        <translation>Fines de semana</translation>
    </message>
</context>
<context>
    <name>ScheduleEditor</name>
    <message>
        <source>Schedule Entry</source>
        <translation>Entrada de la programación</translation>
    </message>
    <message>
        <source>&amp;Once on</source>
        <translation>&amp;Una vez el</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>On &amp;days</source>
        <translation>Los &amp;días</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>Todos los días</translation>
    </message>
    <message>
        <source>Weekdays</source>
        <translation>Entre semana</translation>
    </message>
    <message>
        <source>Weekends</source>
        <translation>Fines de semana</translation>
    </message>
    <message>
        <source>&amp;Time:</source>
        <translation>&amp;Hora:</translation>
    </message>
    <message>
        <source>&amp;Play:</source>
        <translation>&amp;Repeticiones:</translation>
    </message>
    <message>
        <source>&amp;Message:</source>
        <translation>&amp;Mensaje:</translation>
    </message>
</context>
<context>
    <name>ScheduleWindow</name>
    <message>
        <source>Schedule</source>
        <translation>Programación</translation>
    </message>
    <message>
        <source>Schedule entries</source>
        <translation>Entradas de la programación</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Cuándo</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Repeticiones</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Próxima alarma</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Añadir...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Editar...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>&amp;Skip next</source>
        <translation>&amp;Omitir la próxima</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>Skipped on %1</source>
        <translation>Omitida el %1</translation>
    </message>
    <message>
        <source>Edit Schedule Entry</source>
        <translation>Editar entrada de la programación</translation>
    </message>
    <message>
        <source>Add Schedule Entry</source>
        <translation>Añadir entrada a la programación</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>It is done!</source>
        <translation>¡Hecho!</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Sonido activado</translation>
    </message>
    <message>
        <source>Show error message if sound cannot be played</source>
        <translation>Mostrar un mensaje de error si no se puede reproducir el sonido</translation>
    </message>
    <message>
        <source>Automatically load alarm events when Tindalo starts</source>
        <translation>Cargar las alarmas automáticamente al iniciar Tindalo</translation>
    </message>
    <message>
        <source>Don&apos;t compare with second</source>
        <translation>No comparar los segundos</translation>
    </message>
    <message>
        <source>Internal Speaker</source>
        <translation>Altavoz interno</translation>
    </message>
    <message>
        <source>Use internal speaker instead of wave. (A necessary DLL file is needed , refer to trouble shooting in help.)</source>
        <translation>Usar el altavoz interno en lugar de wave. (Se necesita un archivo DLL, consulte la solución de problemas en la ayuda.)</translation>
    </message>
    <message>
        <source>When MCI is busy, use internal speaker instead of midi sound</source>
        <translation>Si MCI está ocupado, usar el altavoz interno en lugar del sonido MIDI</translation>
    </message>
    <message>
        <source>test internal speaker</source>
        <translation>probar el altavoz interno</translation>
    </message>
    <message>
        <source>Font (it will take effect when Tindalo starts next time)</source>
        <translation>Tipo de letra (se aplicará al próximo inicio de Tindalo)</translation>
    </message>
    <message>
        <source>Use Arial font</source>
        <translation>Usar el tipo de letra Arial</translation>
    </message>
    <message>
        <source>Enlarge</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Load Me</source>
        <extracomment>the page that starts Ixo at log-in</extracomment>
        <translation>Inicio automático</translation>
    </message>
    <message>
        <source>Run Tindalo when Windows starts</source>
        <translation>Ejecutar Tindalo al iniciar Windows</translation>
    </message>
    <message>
        <source>Don&apos;t run Tindalo when Windows starts</source>
        <translation>No ejecutar Tindalo al iniciar Windows</translation>
    </message>
    <message>
        <source>Wake the computer for alarms</source>
        <translation>Activar el equipo para las alarmas</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Ixo could not be set to start at log-in: %1</source>
        <translation>No se pudo configurar Ixo para que se inicie al iniciar sesión: %1</translation>
    </message>
    <message>
        <source>Ixo&apos;s start at log-in could not be removed: %1</source>
        <translation>No se pudo quitar el inicio de Ixo al iniciar sesión: %1</translation>
    </message>
    <message>
        <source>The wake setting could not be saved: %1</source>
        <translation>No se pudo guardar el ajuste de activación: %1</translation>
    </message>
    <message>
        <source>The settings could not be saved in %1: %2</source>
        <translation>No se pudo guardar la configuración en %1: %2</translation>
    </message>
</context>
<context>
    <name>SnoozeBar</name>
    <message>
        <source>Snooze</source>
        <translation>Posponer</translation>
    </message>
    <message>
        <source>Snooze length</source>
        <translation>Tiempo de posposición</translation>
    </message>
    <message numerus="yes">
        <source>%n min</source>
        <comment>snooze length in minutes</comment>
        <translation>
            <numerusform>%n min</numerusform>
            <numerusform>%n min</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TrayController</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Alarm Set</source>
        <translation>Configurar alarma</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation>Fondo de escritorio</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Stop</source>
        <comment>the sounding alarm</comment>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Desactivar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>The help page could not be opened; open it in a web browser: %1</source>
        <translation>No se pudo abrir la página de ayuda; ábrala en un navegador web: %1</translation>
    </message>
    <message>
        <source>Help file not found</source>
        <translation>No se encontró el archivo de ayuda</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Programación</translation>
    </message>
</context>
<context>
    <name>TrayFallbackWindow</name>
    <message>
        <source>No notification area (system tray) was found on this desktop, so Ixo shows its menu here. Alarms keep working while this window is minimized.</source>
        <translation>No se encontró ningún área de notificación (bandeja del sistema) en este escritorio, así que Ixo muestra su menú aquí. Las alarmas siguen funcionando mientras esta ventana está minimizada.</translation>
    </message>
</context>
<context>
    <name>WallpaperWindow</name>
    <message>
        <source>Tindalo Alarm Clock - Change Wallpaper</source>
        <translation>Despertador Tindalo - Cambiar fondo de escritorio</translation>
    </message>
    <message>
        <source>Wallpaper list :</source>
        <translation>Lista de fondos:</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Delete the selected pictures</source>
        <translation>Eliminar las imágenes seleccionadas</translation>
    </message>
    <message>
        <source>Delete all pictures</source>
        <translation>Eliminar todas las imágenes</translation>
    </message>
    <message>
        <source>Save the list</source>
        <translation>Guardar la lista</translation>
    </message>
    <message>
        <source>Load the saved list</source>
        <translation>Cargar la lista guardada</translation>
    </message>
    <message>
        <source>Change in every</source>
        <translation>Cambiar cada</translation>
    </message>
    <message>
        <source>priority</source>
        <extracomment>the pictures change in the list&apos;s order (the other choice: at random)</extracomment>
        <translation>en orden</translation>
    </message>
    <message>
        <source>random</source>
        <translation>aleatorio</translation>
    </message>
    <message>
        <source>Save above setting</source>
        <translation>Guardar la configuración anterior</translation>
    </message>
    <message>
        <source>Change Now</source>
        <translation>Cambiar ahora</translation>
    </message>
    <message>
        <source>Clear Wallpaper</source>
        <translation>Quitar fondo de escritorio</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>%1 cannot be read as a picture</source>
        <translation>%1 no se puede leer como imagen</translation>
    </message>
    <message>
        <source>%1 file not found</source>
        <translation>No se encontró el archivo %1</translation>
    </message>
</context>
<context>
    <name>WarningWindow</name>
    <message>
        <source>Warning Message</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
</TS>
