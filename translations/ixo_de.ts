<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About Ixo</source>
        <translation>Über Ixo</translation>
    </message>
    <message>
        <source>Alarm clock for the notification area</source>
        <translation>Wecker für den Benachrichtigungsbereich</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>AlarmMessageWindow</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Nachricht</translation>
    </message>
</context>
<context>
    <name>AlarmSetWindow</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Alarm time is :</source>
        <translation>Weckzeit:</translation>
    </message>
    <message>
        <source>Play Times</source>
        <extracomment>how often the alarm sound plays (once, twice, thrice, repeat!)</extracomment>
        <translation>Wiedergaben</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Add with a message</source>
        <translation>Mit Nachricht hinzufügen</translation>
    </message>
    <message>
        <source>Play list :</source>
        <translation>Wiedergabeliste:</translation>
    </message>
    <message>
        <source>View Message</source>
        <translation>Nachricht anzeigen</translation>
    </message>
    <message>
        <source>Delete the selected event</source>
        <translation>Ausgewählten Alarm löschen</translation>
    </message>
    <message>
        <source>Delete all events</source>
        <translation>Alle Alarme löschen</translation>
    </message>
    <message>
        <source>Song</source>
        <extracomment>the alarm sound picked in the box</extracomment>
        <translation>Klang</translation>
    </message>
    <message>
        <source>Play the sound once</source>
        <translation>Klang einmal abspielen</translation>
    </message>
    <message>
        <source>Every</source>
        <extracomment>the chime: &quot;Every [15] min&quot;</extracomment>
        <translation>Alle</translation>
    </message>
    <message>
        <source>min</source>
        <translation>Min.</translation>
    </message>
    <message>
        <source>Load alarm events from a file</source>
        <translation>Alarme aus einer Datei laden</translation>
    </message>
    <message>
        <source>Save the alarm events to a file</source>
        <translation>Alarme in einer Datei speichern</translation>
    </message>
    <message>
        <source>Edit an alarm data file</source>
        <translation>Alarm-Datendatei bearbeiten</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>closes this window; Ixo keeps running</extracomment>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Hide Message</source>
        <translation>Nachricht ausblenden</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>ixo: the session bus cannot be reached: %1</source>
        <translation>ixo: Der Sitzungsbus ist nicht erreichbar: %1</translation>
    </message>
    <message>
        <source>Ixo is not running</source>
        <translation>Ixo läuft nicht</translation>
    </message>
    <message>
        <source>--add needs a time</source>
        <translation>--add braucht eine Uhrzeit</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a time (write 7:30pm, 7:30 pm, 19:30 or 19:30:00)</source>
        <translation>„%1“ ist keine Uhrzeit (schreiben Sie 7:30pm, 7:30 pm, 19:30 oder 19:30:00)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is an option, not a message (put -- before such a message)</source>
        <translation>„%1“ ist eine Option, keine Nachricht (setzen Sie -- vor eine solche Nachricht)</translation>
    </message>
    <message>
        <source>--snooze takes one number of minutes</source>
        <translation>--snooze erwartet eine Anzahl Minuten</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number of minutes from 1 to %2</source>
        <translation>„%1“ ist keine Anzahl Minuten von 1 bis %2</translation>
    </message>
    <message>
        <source>%1 takes no arguments</source>
        <translation>%1 erwartet keine Argumente</translation>
    </message>
    <message>
        <source>%1 must come first</source>
        <translation>%1 muss am Anfang stehen</translation>
    </message>
    <message>
        <source>unknown argument &apos;%1&apos;</source>
        <translation>unbekanntes Argument „%1“</translation>
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
        <translation>Aufruf: ixo [--help | --version]
        ixo --add TIME [once|twice|thrice|repeat!] [--] [MESSAGE]
        ixo --list | --stop | --snooze [MINUTES]
Ein Wecker im Benachrichtigungsbereich. Ohne Optionen gestartet, legt Ixo sein Symbol in die
Kontrollleiste; seine Fenster öffnen sich aus dem Menü des Symbols. Die anderen Optionen fragen das
Ixo dieser Sitzung und enden; läuft keines oder ist kein Sitzungsbus erreichbar, sagen sie das und
enden mit 1.

  -h, --help        diese Hilfe anzeigen und beenden
  --version         die Version anzeigen und beenden
  --add TIME [WORD] [--] [MESSAGE]
                    einen Alarm für heute um TIME hinzufügen (7:30pm, 7:30 pm, 19:30 oder 19:30:00),
                    einmal (once, Vorgabe), zweimal (twice), dreimal (thrice) oder bis zum Anhalten
                    (repeat!) gespielt, mit MESSAGE beim Auslösen (nach -- auch Wörter, die mit - beginnen);
                    geprüft wie „Hinzufügen“ im Fenster „Wecker stellen“; eine Ablehnung gibt den Grund
                    des Fensters aus und endet mit 1
  --list            die Alarme des Tages ausgeben, danach ihre Nachrichten
  --stop            den Weckton anhalten, wie „Stopp“ im Menü der Kontrollleiste
  --snooze [MINUTES]
                    den klingelnden Alarm um MINUTES Minuten verschieben (10 ohne Angabe)
</translation>
    </message>
    <message>
        <source>--on needs WHEN</source>
        <translation>--on braucht WHEN</translation>
    </message>
    <message>
        <source>--unschedule takes the number of an entry</source>
        <translation>--unschedule erwartet die Nummer eines Eintrags</translation>
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
Alarme über den heutigen Tag hinaus (der Zeitplan):
  --add TIME [WORD] [MESSAGE] --on WHEN
                    einen Zeitplaneintrag hinzufügen; WHEN ist tomorrow, ein Datum YYYY-MM-DD, daily,
                    weekdays, weekends oder Tage wie mon,wed,fri; gibt die Nummer des Eintrags
                    und seinen nächsten Alarm aus
  --list            auch den Zeitplan ausgeben: Nummer, Wann, Uhrzeit, Wiedergaben, Nachricht
                    und nächster Alarm, durch Tabulatoren getrennt
  --unschedule N    den Zeitplaneintrag N entfernen
</translation>
    </message>
</context>
<context>
    <name>DataFileChooser</name>
    <message>
        <source>Load Data From Files</source>
        <translation>Daten aus Dateien laden</translation>
    </message>
    <message>
        <source>Load data from files :</source>
        <translation>Daten aus Dateien laden:</translation>
    </message>
    <message>
        <source>Input file name :</source>
        <translation>Dateiname:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Save file as :</source>
        <translation>Datei speichern unter:</translation>
    </message>
    <message>
        <source>Open a file to edit data :</source>
        <translation>Datei zum Bearbeiten öffnen:</translation>
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
        <translation>dd. MMM yyyy / HH:mm</translation>
    </message>
    <message>
        <source>ddd d MMM</source>
        <translation>ddd d. MMM</translation>
    </message>
</context>
<context>
    <name>ErrorListWindow</name>
    <message>
        <source>Error found</source>
        <translation>Fehler gefunden</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>MessageInputWindow</name>
    <message>
        <source>Input Message</source>
        <translation>Nachricht eingeben</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Abandon</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Font size :</source>
        <translation>Schriftgröße:</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Alarm at %1</source>
        <translation>Alarm um %1</translation>
    </message>
    <message>
        <source>notepad and wordpad not found</source>
        <translation>notepad und wordpad nicht gefunden</translation>
    </message>
    <message>
        <source>Invalid input</source>
        <translation>Ungültige Eingabe</translation>
    </message>
    <message>
        <source>Time input example 12:59:01</source>
        <translation>Beispiel für eine Zeitangabe: 12:59:01</translation>
    </message>
    <message>
        <source>Time was passed or next day</source>
        <translation>Die Zeit ist vorbei oder liegt am nächsten Tag</translation>
    </message>
    <message>
        <source>Alarm time already exists</source>
        <translation>Diese Weckzeit gibt es bereits</translation>
    </message>
    <message>
        <source>The alarm list is full (32767 events)</source>
        <translation>Die Alarmliste ist voll (32767 Alarme)</translation>
    </message>
    <message>
        <source>Tindalo Alarm Clock...</source>
        <translation>Tindalo-Wecker...</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>No file is chosen</source>
        <translation>Keine Datei ausgewählt</translation>
    </message>
    <message>
        <source>Wpaper.dat has data of wallpaper</source>
        <translation>Wpaper.dat enthält Hintergrundbild-Daten</translation>
    </message>
    <message>
        <source>No message input or Play list time was executed</source>
        <translation>Keine Nachricht eingegeben und keine Zeit der Wiedergabeliste gewählt</translation>
    </message>
    <message>
        <source>The message list is full (32767 messages)</source>
        <translation>Die Nachrichtenliste ist voll (32767 Nachrichten)</translation>
    </message>
    <message>
        <source>No alarm is sounding</source>
        <translation>Es läutet kein Alarm</translation>
    </message>
    <message>
        <source>This alarm is snoozed already</source>
        <translation>Dieser Alarm schlummert bereits</translation>
    </message>
    <message>
        <source>Play times must be once, twice, thrice or repeat!</source>
        <translation>Wiedergaben müssen once, twice, thrice oder repeat! sein</translation>
    </message>
    <message>
        <source>A message may hold at most 626 characters</source>
        <translation>Eine Nachricht darf höchstens 626 Zeichen enthalten</translation>
    </message>
    <message>
        <source>Snooze takes 1 to 1439 minutes</source>
        <translation>Schlummern dauert 1 bis 1439 Minuten</translation>
    </message>
    <message>
        <source>cannot play sound from internal speaker, refer to trouble shooting in help</source>
        <translation>Über den internen Lautsprecher kann kein Klang abgespielt werden, siehe „Fehlerbehebung“ in der Hilfe</translation>
    </message>
    <message>
        <source>Ixo does not wake the computer.</source>
        <translation>Ixo weckt den Computer nicht auf.</translation>
    </message>
    <message>
        <source>Ixo wakes the computer by the system timer.</source>
        <translation>Ixo weckt den Computer über den Systemzeitgeber auf.</translation>
    </message>
    <message>
        <source>Ixo wakes the computer by the KDE power manager.</source>
        <translation>Ixo weckt den Computer über die KDE-Energieverwaltung auf.</translation>
    </message>
    <message>
        <source>Ixo wakes the computer by the wake helper.</source>
        <translation>Ixo weckt den Computer über das Weck-Hilfsprogramm auf.</translation>
    </message>
    <message>
        <source>Ixo is looking for a way to wake the computer.</source>
        <translation>Ixo sucht nach einer Möglichkeit, den Computer aufzuwecken.</translation>
    </message>
    <message>
        <source>The schedule is full (1000 entries)</source>
        <translation>Der Zeitplan ist voll (1000 Einträge)</translation>
    </message>
    <message>
        <source>Ixo is already running</source>
        <translation>Ixo läuft bereits</translation>
    </message>
    <message>
        <source>Invalid data in file, Data %1</source>
        <translation>Ungültige Daten in der Datei, Datensatz %1</translation>
    </message>
    <message>
        <source>%1 seems to be wrong format</source>
        <translation>%1 scheint ein falsches Format zu haben</translation>
    </message>
    <message>
        <source>The sound choice could not be saved in %1: %2</source>
        <translation>Die Klangauswahl konnte nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>The font size could not be saved in %1: %2</source>
        <translation>Die Schriftgröße konnte nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>%1 was not written: its list is no longer open</source>
        <translation>%1 wurde nicht geschrieben: Die zugehörige Liste ist nicht mehr geöffnet</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1, file not found</source>
        <translation>%1, Datei nicht gefunden</translation>
    </message>
    <message>
        <source>the time is not HH:MM:SS</source>
        <translation>Uhrzeit nicht im Format HH:MM:SS</translation>
    </message>
    <message>
        <source>the play times are not once, twice, thrice or repeat!</source>
        <translation>Wiedergaben nicht once, twice, thrice oder repeat!</translation>
    </message>
    <message>
        <source>the message or the on/off state is of the wrong kind</source>
        <translation>Nachricht oder An/Aus-Zustand vom falschen Typ</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not when an alarm comes</source>
        <translation>„%1“ gibt nicht an, wann ein Alarm kommt</translation>
    </message>
    <message>
        <source>the skipped date is not YYYY-MM-DD</source>
        <translation>übersprungenes Datum nicht im Format YYYY-MM-DD</translation>
    </message>
    <message>
        <source>not JSON (%1 at byte %2)</source>
        <translation>kein JSON (%1 bei Byte %2)</translation>
    </message>
    <message>
        <source>not a schedule</source>
        <translation>kein Zeitplan</translation>
    </message>
    <message>
        <source>version %1 is not known to this Ixo (it reads %2)</source>
        <translation>Version %1 ist diesem Ixo unbekannt (es liest Version %2)</translation>
    </message>
    <message>
        <source>Entry %1: %2</source>
        <translation>Eintrag %1: %2</translation>
    </message>
    <message>
        <source>%1 on %2 has passed</source>
        <translation>%1 am %2 ist bereits vorbei</translation>
    </message>
    <message>
        <source>The schedule has not been read yet</source>
        <translation>Der Zeitplan wurde noch nicht gelesen</translation>
    </message>
    <message>
        <source>There is no schedule entry %1</source>
        <translation>Es gibt keinen Zeitplaneintrag %1</translation>
    </message>
    <message>
        <source>The schedule file %1 cannot be read (%2); the schedule cannot be changed</source>
        <translation>Die Zeitplandatei %1 kann nicht gelesen werden (%2); der Zeitplan kann nicht geändert werden</translation>
    </message>
    <message>
        <source>The schedule could not be saved to %1: %2</source>
        <translation>Der Zeitplan konnte nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>No free second is left today for the alarm at %1</source>
        <translation>Für den Alarm um %1 ist heute keine Sekunde mehr frei</translation>
    </message>
    <message>
        <source>%1, wave file not found, alarm at %2</source>
        <translation>%1, Wave-Datei nicht gefunden, Alarm um %2</translation>
    </message>
    <message>
        <source>Error found, Sound cannot be played, alarm at %1</source>
        <translation>Fehler gefunden, Klang kann nicht abgespielt werden, Alarm um %1</translation>
    </message>
    <message>
        <source>cannot create the program folder %1</source>
        <translation>Programmordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>%1 file not found</source>
        <translation>Datei %1 nicht gefunden</translation>
    </message>
    <message>
        <source>%1 cannot be read as a picture</source>
        <translation>%1 kann nicht als Bild gelesen werden</translation>
    </message>
    <message>
        <source>Ixo cannot wake the computer: %1</source>
        <translation>Ixo kann den Computer nicht aufwecken: %1</translation>
    </message>
</context>
<context>
    <name>Notification</name>
    <message>
        <source>Stop</source>
        <comment>the sounding alarm</comment>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Schlummern</translation>
    </message>
</context>
<context>
    <name>OverwriteQuestionWindow</name>
    <message>
        <source>Warning Message</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>File already exists, overwrite ?</source>
        <translation>Die Datei existiert bereits. Überschreiben?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Schedule</name>
    <message>
        <source>&apos;%1&apos; is not a date (write YYYY-MM-DD)</source>
        <translation>„%1“ ist kein Datum (schreiben Sie YYYY-MM-DD)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a day (write tomorrow, a date YYYY-MM-DD, daily, weekdays, weekends or days such as mon,wed,fri)</source>
        <translation>„%1“ ist kein Tag (schreiben Sie tomorrow, ein Datum YYYY-MM-DD, daily, weekdays, weekends oder Tage wie mon,wed,fri)</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Morgen</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Once on %1</source>
        <translation>Einmal am %1</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>Täglich</translation>
    </message>
    <message>
        <source>Weekdays</source>
        <translation>Werktags</translation>
    </message>
    <message>
        <source>Weekends</source>
        <translation>Am Wochenende</translation>
    </message>
</context>
<context>
    <name>ScheduleEditor</name>
    <message>
        <source>Schedule Entry</source>
        <translation>Zeitplaneintrag</translation>
    </message>
    <message>
        <source>&amp;Once on</source>
        <translation>&amp;Einmal am</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>On &amp;days</source>
        <translation>An &amp;Tagen</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>Täglich</translation>
    </message>
    <message>
        <source>Weekdays</source>
        <translation>Werktags</translation>
    </message>
    <message>
        <source>Weekends</source>
        <translation>Am Wochenende</translation>
    </message>
    <message>
        <source>&amp;Time:</source>
        <translation>&amp;Uhrzeit:</translation>
    </message>
    <message>
        <source>&amp;Play:</source>
        <translation>&amp;Wiedergaben:</translation>
    </message>
    <message>
        <source>&amp;Message:</source>
        <translation>&amp;Nachricht:</translation>
    </message>
</context>
<context>
    <name>ScheduleWindow</name>
    <message>
        <source>Schedule</source>
        <translation>Zeitplan</translation>
    </message>
    <message>
        <source>Schedule entries</source>
        <translation>Zeitplaneinträge</translation>
    </message>
    <message>
        <source>On</source>
        <translation>An</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Wann</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Wiedergaben</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Nachricht</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Nächster Alarm</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Hinzufügen...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Bearbeiten...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>&amp;Skip next</source>
        <translation>&amp;Nächsten überspringen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Skipped on %1</source>
        <translation>Übersprungen am %1</translation>
    </message>
    <message>
        <source>Edit Schedule Entry</source>
        <translation>Zeitplaneintrag bearbeiten</translation>
    </message>
    <message>
        <source>Add Schedule Entry</source>
        <translation>Zeitplaneintrag hinzufügen</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>It is done!</source>
        <translation>Erledigt!</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Ton an</translation>
    </message>
    <message>
        <source>Show error message if sound cannot be played</source>
        <translation>Fehlermeldung anzeigen, wenn der Klang nicht abgespielt werden kann</translation>
    </message>
    <message>
        <source>Automatically load alarm events when Tindalo starts</source>
        <translation>Alarme beim Start von Tindalo automatisch laden</translation>
    </message>
    <message>
        <source>Don&apos;t compare with second</source>
        <translation>Sekunden nicht vergleichen</translation>
    </message>
    <message>
        <source>Internal Speaker</source>
        <translation>Interner Lautsprecher</translation>
    </message>
    <message>
        <source>Use internal speaker instead of wave. (A necessary DLL file is needed , refer to trouble shooting in help.)</source>
        <translation>Internen Lautsprecher statt Wave verwenden. (Eine DLL-Datei wird benötigt, siehe „Fehlerbehebung“ in der Hilfe.)</translation>
    </message>
    <message>
        <source>When MCI is busy, use internal speaker instead of midi sound</source>
        <translation>Wenn MCI belegt ist, internen Lautsprecher statt MIDI verwenden</translation>
    </message>
    <message>
        <source>test internal speaker</source>
        <translation>Internen Lautsprecher testen</translation>
    </message>
    <message>
        <source>Font (it will take effect when Tindalo starts next time)</source>
        <translation>Schrift (gilt ab dem nächsten Start von Tindalo)</translation>
    </message>
    <message>
        <source>Use Arial font</source>
        <translation>Schrift Arial verwenden</translation>
    </message>
    <message>
        <source>Enlarge</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Load Me</source>
        <extracomment>the page that starts Ixo at log-in</extracomment>
        <translation>Autostart</translation>
    </message>
    <message>
        <source>Run Tindalo when Windows starts</source>
        <translation>Tindalo beim Start von Windows ausführen</translation>
    </message>
    <message>
        <source>Don&apos;t run Tindalo when Windows starts</source>
        <translation>Tindalo nicht beim Start von Windows ausführen</translation>
    </message>
    <message>
        <source>Wake the computer for alarms</source>
        <translation>Computer für Alarme aufwecken</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Ixo could not be set to start at log-in: %1</source>
        <translation>Ixo konnte nicht für den Start bei der Anmeldung eingerichtet werden: %1</translation>
    </message>
    <message>
        <source>Ixo&apos;s start at log-in could not be removed: %1</source>
        <translation>Der Start von Ixo bei der Anmeldung konnte nicht entfernt werden: %1</translation>
    </message>
    <message>
        <source>The wake setting could not be saved: %1</source>
        <translation>Die Weck-Einstellung konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>The settings could not be saved in %1: %2</source>
        <translation>Die Einstellungen konnten nicht in %1 gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>SnoozeBar</name>
    <message>
        <source>Snooze</source>
        <translation>Schlummern</translation>
    </message>
    <message>
        <source>Snooze length</source>
        <translation>Schlummerdauer</translation>
    </message>
    <message numerus="yes">
        <source>%n min</source>
        <comment>snooze length in minutes</comment>
        <translation>
            <numerusform>%n Min.</numerusform>
            <numerusform>%n Min.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TrayController</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Alarm Set</source>
        <translation>Wecker stellen</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation>Hintergrundbild</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Stop</source>
        <comment>the sounding alarm</comment>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Deaktivieren</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>The help page could not be opened; open it in a web browser: %1</source>
        <translation>Die Hilfeseite konnte nicht geöffnet werden; öffnen Sie sie in einem Webbrowser: %1</translation>
    </message>
    <message>
        <source>Help file not found</source>
        <translation>Hilfedatei nicht gefunden</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Zeitplan</translation>
    </message>
</context>
<context>
    <name>TrayFallbackWindow</name>
    <message>
        <source>No notification area (system tray) was found on this desktop, so Ixo shows its menu here. Alarms keep working while this window is minimized.</source>
        <translation>Auf dieser Arbeitsfläche wurde kein Benachrichtigungsbereich (Systemabschnitt der Kontrollleiste) gefunden, daher zeigt Ixo sein Menü hier. Alarme funktionieren weiter, während dieses Fenster minimiert ist.</translation>
    </message>
</context>
<context>
    <name>WallpaperWindow</name>
    <message>
        <source>Tindalo Alarm Clock - Change Wallpaper</source>
        <translation>Tindalo-Wecker – Hintergrundbild wechseln</translation>
    </message>
    <message>
        <source>Wallpaper list :</source>
        <translation>Hintergrundbilder:</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Delete the selected pictures</source>
        <translation>Ausgewählte Bilder löschen</translation>
    </message>
    <message>
        <source>Delete all pictures</source>
        <translation>Alle Bilder löschen</translation>
    </message>
    <message>
        <source>Save the list</source>
        <translation>Liste speichern</translation>
    </message>
    <message>
        <source>Load the saved list</source>
        <translation>Gespeicherte Liste laden</translation>
    </message>
    <message>
        <source>Change in every</source>
        <translation>Wechseln alle</translation>
    </message>
    <message>
        <source>priority</source>
        <extracomment>the pictures change in the list&apos;s order (the other choice: at random)</extracomment>
        <translation>der Reihe nach</translation>
    </message>
    <message>
        <source>random</source>
        <translation>zufällig</translation>
    </message>
    <message>
        <source>Save above setting</source>
        <translation>Obige Einstellungen speichern</translation>
    </message>
    <message>
        <source>Change Now</source>
        <translation>Jetzt wechseln</translation>
    </message>
    <message>
        <source>Clear Wallpaper</source>
        <translation>Hintergrundbild entfernen</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>%1 cannot be read as a picture</source>
        <translation>%1 kann nicht als Bild gelesen werden</translation>
    </message>
    <message>
        <source>%1 file not found</source>
        <translation>Datei %1 nicht gefunden</translation>
    </message>
</context>
<context>
    <name>WarningWindow</name>
    <message>
        <source>Warning Message</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
