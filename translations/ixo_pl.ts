<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About Ixo</source>
        <translation>O programie Ixo</translation>
    </message>
    <message>
        <source>Alarm clock for the notification area</source>
        <translation>Budzik w obszarze powiadomień</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Wersja %1</translation>
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
        <translation>Wiadomość</translation>
    </message>
</context>
<context>
    <name>AlarmSetWindow</name>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Alarm time is :</source>
        <translation>Godzina alarmu:</translation>
    </message>
    <message>
        <source>Play Times</source>
        <extracomment>how often the alarm sound plays (once, twice, thrice, repeat!)</extracomment>
        <translation>Powtórzenia</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Add with a message</source>
        <translation>Dodaj z wiadomością</translation>
    </message>
    <message>
        <source>Play list :</source>
        <translation>Lista odtwarzania:</translation>
    </message>
    <message>
        <source>View Message</source>
        <translation>Pokaż wiadomość</translation>
    </message>
    <message>
        <source>Delete the selected event</source>
        <translation>Usuń zaznaczony alarm</translation>
    </message>
    <message>
        <source>Delete all events</source>
        <translation>Usuń wszystkie alarmy</translation>
    </message>
    <message>
        <source>Song</source>
        <extracomment>the alarm sound picked in the box</extracomment>
        <translation>Dźwięk</translation>
    </message>
    <message>
        <source>Play the sound once</source>
        <translation>Odtwórz dźwięk raz</translation>
    </message>
    <message>
        <source>Every</source>
        <extracomment>the chime: &quot;Every [15] min&quot;</extracomment>
        <translation>Co</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Load alarm events from a file</source>
        <translation>Wczytaj alarmy z pliku</translation>
    </message>
    <message>
        <source>Save the alarm events to a file</source>
        <translation>Zapisz alarmy do pliku</translation>
    </message>
    <message>
        <source>Edit an alarm data file</source>
        <translation>Edytuj plik danych alarmów</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimalizuj</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>closes this window; Ixo keeps running</extracomment>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Hide Message</source>
        <translation>Ukryj wiadomość</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>ixo: the session bus cannot be reached: %1</source>
        <translation>ixo: nie można połączyć się z magistralą sesji: %1</translation>
    </message>
    <message>
        <source>Ixo is not running</source>
        <translation>Ixo nie jest uruchomiony</translation>
    </message>
    <message>
        <source>--add needs a time</source>
        <translation>--add wymaga godziny</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a time (write 7:30pm, 7:30 pm, 19:30 or 19:30:00)</source>
        <translation>„%1” nie jest godziną (wpisz 7:30pm, 7:30 pm, 19:30 lub 19:30:00)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is an option, not a message (put -- before such a message)</source>
        <translation>„%1” to opcja, nie wiadomość (przed taką wiadomością wpisz --)</translation>
    </message>
    <message>
        <source>--snooze takes one number of minutes</source>
        <translation>--snooze przyjmuje jedną liczbę minut</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number of minutes from 1 to %2</source>
        <translation>„%1” nie jest liczbą minut od 1 do %2</translation>
    </message>
    <message>
        <source>%1 takes no arguments</source>
        <translation>%1 nie przyjmuje argumentów</translation>
    </message>
    <message>
        <source>%1 must come first</source>
        <translation>%1 musi być pierwszy</translation>
    </message>
    <message>
        <source>unknown argument &apos;%1&apos;</source>
        <translation>nieznany argument „%1”</translation>
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
        <translation>Użycie: ixo [--help | --version]
        ixo --add TIME [once|twice|thrice|repeat!] [--] [MESSAGE]
        ixo --list | --stop | --snooze [MINUTES]
Budzik w obszarze powiadomień. Uruchomiony bez opcji Ixo umieszcza ikonę w zasobniku systemowym;
jego okna otwiera się z menu ikony. Pozostałe opcje pytają Ixo działający w tej sesji i kończą
działanie; gdy żaden nie działa lub magistrala sesji jest nieosiągalna, informują o tym i kończą z 1.

  -h, --help        pokaż tę pomoc i zakończ
  --version         pokaż wersję i zakończ
  --add TIME [WORD] [--] [MESSAGE]
                    dodaj alarm na dziś o TIME (7:30pm, 7:30 pm, 19:30 lub 19:30:00), odtwarzany raz (once,
                    domyślnie), dwa razy (twice), trzy razy (thrice) lub do zatrzymania (repeat!), z
                    wiadomością MESSAGE pokazywaną przy alarmie (po -- także słowa zaczynające się od -);
                    sprawdzany jak Dodaj w oknie Ustaw alarm, odmowa wypisuje powód okna i kończy z 1
  --list            wypisz alarmy na dziś, a potem ich wiadomości
  --stop            zatrzymaj dźwięk alarmu, jak Zatrzymaj w menu
  --snooze [MINUTES]
                    odłóż dzwoniący alarm o MINUTES minut (10, gdy pominięto)
</translation>
    </message>
    <message>
        <source>--on needs WHEN</source>
        <translation>--on wymaga WHEN</translation>
    </message>
    <message>
        <source>--unschedule takes the number of an entry</source>
        <translation>--unschedule przyjmuje numer wpisu</translation>
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
Alarmy na kolejne dni (harmonogram):
  --add TIME [WORD] [MESSAGE] --on WHEN
                    dodaj wpis do harmonogramu; WHEN to tomorrow, data YYYY-MM-DD, daily,
                    weekdays, weekends lub dni, np. mon,wed,fri; wypisuje numer wpisu
                    i jego następny alarm
  --list            wypisz też harmonogram: numer, kiedy, godzinę, powtórzenia,
                    wiadomość i następny alarm, rozdzielone tabulatorami
  --unschedule N    usuń wpis N z harmonogramu
</translation>
    </message>
</context>
<context>
    <name>DataFileChooser</name>
    <message>
        <source>Load Data From Files</source>
        <translation>Wczytaj dane z plików</translation>
    </message>
    <message>
        <source>Load data from files :</source>
        <translation>Wczytaj dane z plików:</translation>
    </message>
    <message>
        <source>Input file name :</source>
        <translation>Nazwa pliku:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Save file as :</source>
        <translation>Zapisz plik jako:</translation>
    </message>
    <message>
        <source>Open a file to edit data :</source>
        <translation>Otwórz plik do edycji danych:</translation>
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
        <translation>ddd, d MMM</translation>
    </message>
</context>
<context>
    <name>ErrorListWindow</name>
    <message>
        <source>Error found</source>
        <translation>Wykryto błąd</translation>
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
        <translation>Wprowadź wiadomość</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Abandon</source>
        <translation>Porzuć</translation>
    </message>
    <message>
        <source>Font size :</source>
        <translation>Rozmiar czcionki:</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Alarm at %1</source>
        <translation>Alarm o %1</translation>
    </message>
    <message>
        <source>notepad and wordpad not found</source>
        <translation>Nie znaleziono programów notepad i wordpad</translation>
    </message>
    <message>
        <source>Invalid input</source>
        <translation>Nieprawidłowe dane</translation>
    </message>
    <message>
        <source>Time input example 12:59:01</source>
        <translation>Przykład godziny: 12:59:01</translation>
    </message>
    <message>
        <source>Time was passed or next day</source>
        <translation>Ta godzina minęła lub przypada na następny dzień</translation>
    </message>
    <message>
        <source>Alarm time already exists</source>
        <translation>Taka godzina alarmu już istnieje</translation>
    </message>
    <message>
        <source>The alarm list is full (32767 events)</source>
        <translation>Lista alarmów jest pełna (32767 alarmów)</translation>
    </message>
    <message>
        <source>Tindalo Alarm Clock...</source>
        <translation>Budzik Tindalo...</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Wczytaj</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>No file is chosen</source>
        <translation>Nie wybrano pliku</translation>
    </message>
    <message>
        <source>Wpaper.dat has data of wallpaper</source>
        <translation>Wpaper.dat zawiera dane tapety</translation>
    </message>
    <message>
        <source>No message input or Play list time was executed</source>
        <translation>Nie wprowadzono wiadomości ani nie wybrano godziny z listy odtwarzania</translation>
    </message>
    <message>
        <source>The message list is full (32767 messages)</source>
        <translation>Lista wiadomości jest pełna (32767 wiadomości)</translation>
    </message>
    <message>
        <source>No alarm is sounding</source>
        <translation>Żaden alarm nie dzwoni</translation>
    </message>
    <message>
        <source>This alarm is snoozed already</source>
        <translation>Ten alarm jest już w drzemce</translation>
    </message>
    <message>
        <source>Play times must be once, twice, thrice or repeat!</source>
        <translation>Powtórzenia muszą mieć wartość once, twice, thrice lub repeat!</translation>
    </message>
    <message>
        <source>A message may hold at most 626 characters</source>
        <translation>Wiadomość może mieć najwyżej 626 znaków</translation>
    </message>
    <message>
        <source>Snooze takes 1 to 1439 minutes</source>
        <translation>Drzemka może trwać od 1 do 1439 minut</translation>
    </message>
    <message>
        <source>cannot play sound from internal speaker, refer to trouble shooting in help</source>
        <translation>nie można odtworzyć dźwięku przez głośnik wewnętrzny, zobacz rozwiązywanie problemów w pomocy</translation>
    </message>
    <message>
        <source>Ixo does not wake the computer.</source>
        <translation>Ixo nie wybudza komputera.</translation>
    </message>
    <message>
        <source>Ixo wakes the computer by the system timer.</source>
        <translation>Ixo wybudza komputer za pomocą zegara systemowego.</translation>
    </message>
    <message>
        <source>Ixo wakes the computer by the KDE power manager.</source>
        <translation>Ixo wybudza komputer za pomocą menedżera zasilania KDE.</translation>
    </message>
    <message>
        <source>Ixo wakes the computer by the wake helper.</source>
        <translation>Ixo wybudza komputer za pomocą programu pomocniczego.</translation>
    </message>
    <message>
        <source>Ixo is looking for a way to wake the computer.</source>
        <translation>Ixo szuka sposobu na wybudzenie komputera.</translation>
    </message>
    <message>
        <source>The schedule is full (1000 entries)</source>
        <translation>Harmonogram jest pełny (1000 wpisów)</translation>
    </message>
    <message>
        <source>Ixo is already running</source>
        <translation>Ixo jest już uruchomiony</translation>
    </message>
    <message>
        <source>Invalid data in file, Data %1</source>
        <translation>Nieprawidłowe dane w pliku, pozycja %1</translation>
    </message>
    <message>
        <source>%1 seems to be wrong format</source>
        <translation>%1 ma prawdopodobnie nieprawidłowy format</translation>
    </message>
    <message>
        <source>The sound choice could not be saved in %1: %2</source>
        <translation>Nie udało się zapisać wyboru dźwięku w %1: %2</translation>
    </message>
    <message>
        <source>The font size could not be saved in %1: %2</source>
        <translation>Nie udało się zapisać rozmiaru czcionki w %1: %2</translation>
    </message>
    <message>
        <source>%1 was not written: its list is no longer open</source>
        <translation>Nie zapisano %1: jego lista nie jest już otwarta</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>Nie udało się zapisać %1: %2</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>Nie udało się odczytać %1: %2</translation>
    </message>
    <message>
        <source>%1, file not found</source>
        <translation>%1, nie znaleziono pliku</translation>
    </message>
    <message>
        <source>the time is not HH:MM:SS</source>
        <translation>godzina nie ma formatu HH:MM:SS</translation>
    </message>
    <message>
        <source>the play times are not once, twice, thrice or repeat!</source>
        <translation>powtórzenia nie mają wartości once, twice, thrice ani repeat!</translation>
    </message>
    <message>
        <source>the message or the on/off state is of the wrong kind</source>
        <translation>wiadomość lub stan włączenia/wyłączenia ma nieprawidłowy typ</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not when an alarm comes</source>
        <translation>„%1” nie określa, kiedy ma zadzwonić alarm</translation>
    </message>
    <message>
        <source>the skipped date is not YYYY-MM-DD</source>
        <translation>data pominięcia nie ma formatu YYYY-MM-DD</translation>
    </message>
    <message>
        <source>not JSON (%1 at byte %2)</source>
        <translation>to nie jest JSON (%1 w bajcie %2)</translation>
    </message>
    <message>
        <source>not a schedule</source>
        <translation>to nie jest harmonogram</translation>
    </message>
    <message>
        <source>version %1 is not known to this Ixo (it reads %2)</source>
        <translation>ten Ixo nie zna wersji %1 (odczytuje wersję %2)</translation>
    </message>
    <message>
        <source>Entry %1: %2</source>
        <translation>Wpis %1: %2</translation>
    </message>
    <message>
        <source>%1 on %2 has passed</source>
        <translation>Godzina %1 w dniu %2 już minęła</translation>
    </message>
    <message>
        <source>The schedule has not been read yet</source>
        <translation>Harmonogram nie został jeszcze wczytany</translation>
    </message>
    <message>
        <source>There is no schedule entry %1</source>
        <translation>W harmonogramie nie ma wpisu %1</translation>
    </message>
    <message>
        <source>The schedule file %1 cannot be read (%2); the schedule cannot be changed</source>
        <translation>Nie można odczytać pliku harmonogramu %1 (%2); nie można zmienić harmonogramu</translation>
    </message>
    <message>
        <source>The schedule could not be saved to %1: %2</source>
        <translation>Nie udało się zapisać harmonogramu w %1: %2</translation>
    </message>
    <message>
        <source>No free second is left today for the alarm at %1</source>
        <translation>Dziś nie ma już wolnej sekundy dla alarmu o %1</translation>
    </message>
    <message>
        <source>%1, wave file not found, alarm at %2</source>
        <translation>%1, nie znaleziono pliku wave, alarm o %2</translation>
    </message>
    <message>
        <source>Error found, Sound cannot be played, alarm at %1</source>
        <translation>Wystąpił błąd, nie można odtworzyć dźwięku, alarm o %1</translation>
    </message>
    <message>
        <source>cannot create the program folder %1</source>
        <translation>nie można utworzyć folderu programu %1</translation>
    </message>
    <message>
        <source>%1 file not found</source>
        <translation>Nie znaleziono pliku %1</translation>
    </message>
    <message>
        <source>%1 cannot be read as a picture</source>
        <translation>Nie można odczytać %1 jako obrazu</translation>
    </message>
    <message>
        <source>Ixo cannot wake the computer: %1</source>
        <translation>Ixo nie może wybudzić komputera: %1</translation>
    </message>
</context>
<context>
    <name>Notification</name>
    <message>
        <source>Stop</source>
        <comment>the sounding alarm</comment>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Drzemka</translation>
    </message>
</context>
<context>
    <name>OverwriteQuestionWindow</name>
    <message>
        <source>Warning Message</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <source>File already exists, overwrite ?</source>
        <translation>Plik już istnieje. Zastąpić?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>Schedule</name>
    <message>
        <source>&apos;%1&apos; is not a date (write YYYY-MM-DD)</source>
        <translation>„%1” nie jest datą (wpisz YYYY-MM-DD)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a day (write tomorrow, a date YYYY-MM-DD, daily, weekdays, weekends or days such as mon,wed,fri)</source>
        <translation>„%1” nie jest dniem (wpisz tomorrow, datę YYYY-MM-DD, daily, weekdays, weekends lub dni, np. mon,wed,fri)</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Jutro</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Dzisiaj</translation>
    </message>
    <message>
        <source>Once on %1</source>
        <translation>Jednorazowo, %1</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>Codziennie</translation>
    </message>
    <message>
        <source>Weekdays</source>
        <translation>Dni robocze</translation>
    </message>
    <message>
        <source>Weekends</source>
        <translation>Weekendy</translation>
    </message>
</context>
<context>
    <name>ScheduleEditor</name>
    <message>
        <source>Schedule Entry</source>
        <translation>Wpis harmonogramu</translation>
    </message>
    <message>
        <source>&amp;Once on</source>
        <translation>&amp;Raz w dniu</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>On &amp;days</source>
        <translation>W wybrane &amp;dni</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>Codziennie</translation>
    </message>
    <message>
        <source>Weekdays</source>
        <translation>Dni robocze</translation>
    </message>
    <message>
        <source>Weekends</source>
        <translation>Weekendy</translation>
    </message>
    <message>
        <source>&amp;Time:</source>
        <translation>&amp;Godzina:</translation>
    </message>
    <message>
        <source>&amp;Play:</source>
        <translation>&amp;Powtórzenia:</translation>
    </message>
    <message>
        <source>&amp;Message:</source>
        <translation>&amp;Wiadomość:</translation>
    </message>
</context>
<context>
    <name>ScheduleWindow</name>
    <message>
        <source>Schedule</source>
        <translation>Harmonogram</translation>
    </message>
    <message>
        <source>Schedule entries</source>
        <translation>Wpisy harmonogramu</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Włączony</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Godzina</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Kiedy</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Powtórzenia</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Wiadomość</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Następny alarm</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Dodaj...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Edytuj...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>&amp;Skip next</source>
        <translation>&amp;Pomiń następny</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Wyłączony</translation>
    </message>
    <message>
        <source>Skipped on %1</source>
        <translation>Pominięto dnia %1</translation>
    </message>
    <message>
        <source>Edit Schedule Entry</source>
        <translation>Edytuj wpis harmonogramu</translation>
    </message>
    <message>
        <source>Add Schedule Entry</source>
        <translation>Dodaj wpis do harmonogramu</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>It is done!</source>
        <translation>Gotowe!</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Dźwięk włączony</translation>
    </message>
    <message>
        <source>Show error message if sound cannot be played</source>
        <translation>Pokaż komunikat o błędzie, gdy nie można odtworzyć dźwięku</translation>
    </message>
    <message>
        <source>Automatically load alarm events when Tindalo starts</source>
        <translation>Automatycznie wczytuj alarmy przy uruchamianiu Tindalo</translation>
    </message>
    <message>
        <source>Don&apos;t compare with second</source>
        <translation>Nie porównuj sekund</translation>
    </message>
    <message>
        <source>Internal Speaker</source>
        <translation>Głośnik wewnętrzny</translation>
    </message>
    <message>
        <source>Use internal speaker instead of wave. (A necessary DLL file is needed , refer to trouble shooting in help.)</source>
        <translation>Używaj głośnika wewnętrznego zamiast wave. (Potrzebny jest plik DLL, zobacz rozwiązywanie problemów w pomocy.)</translation>
    </message>
    <message>
        <source>When MCI is busy, use internal speaker instead of midi sound</source>
        <translation>Gdy MCI jest zajęte, używaj głośnika wewnętrznego zamiast dźwięku MIDI</translation>
    </message>
    <message>
        <source>test internal speaker</source>
        <translation>testuj głośnik wewnętrzny</translation>
    </message>
    <message>
        <source>Font (it will take effect when Tindalo starts next time)</source>
        <translation>Czcionka (zostanie użyta po ponownym uruchomieniu Tindalo)</translation>
    </message>
    <message>
        <source>Use Arial font</source>
        <translation>Używaj czcionki Arial</translation>
    </message>
    <message>
        <source>Enlarge</source>
        <translation>Powiększ</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normalna</translation>
    </message>
    <message>
        <source>Load Me</source>
        <extracomment>the page that starts Ixo at log-in</extracomment>
        <translation>Autostart</translation>
    </message>
    <message>
        <source>Run Tindalo when Windows starts</source>
        <translation>Uruchamiaj Tindalo przy starcie Windows</translation>
    </message>
    <message>
        <source>Don&apos;t run Tindalo when Windows starts</source>
        <translation>Nie uruchamiaj Tindalo przy starcie Windows</translation>
    </message>
    <message>
        <source>Wake the computer for alarms</source>
        <translation>Wybudzaj komputer na alarmy</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Ixo could not be set to start at log-in: %1</source>
        <translation>Nie udało się ustawić uruchamiania Ixo po zalogowaniu: %1</translation>
    </message>
    <message>
        <source>Ixo&apos;s start at log-in could not be removed: %1</source>
        <translation>Nie udało się wyłączyć uruchamiania Ixo po zalogowaniu: %1</translation>
    </message>
    <message>
        <source>The wake setting could not be saved: %1</source>
        <translation>Nie udało się zapisać ustawienia wybudzania: %1</translation>
    </message>
    <message>
        <source>The settings could not be saved in %1: %2</source>
        <translation>Nie udało się zapisać ustawień w %1: %2</translation>
    </message>
</context>
<context>
    <name>SnoozeBar</name>
    <message>
        <source>Snooze</source>
        <translation>Drzemka</translation>
    </message>
    <message>
        <source>Snooze length</source>
        <translation>Długość drzemki</translation>
    </message>
    <message numerus="yes">
        <source>%n min</source>
        <comment>snooze length in minutes</comment>
        <translation>
            <numerusform>%n min</numerusform>
            <numerusform>%n min</numerusform>
            <numerusform>%n min</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TrayController</name>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Alarm Set</source>
        <translation>Ustaw alarm</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation>Tapeta</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Stop</source>
        <comment>the sounding alarm</comment>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Wyłącz</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>The help page could not be opened; open it in a web browser: %1</source>
        <translation>Nie udało się otworzyć strony pomocy; otwórz ją w przeglądarce: %1</translation>
    </message>
    <message>
        <source>Help file not found</source>
        <translation>Nie znaleziono pliku pomocy</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Harmonogram</translation>
    </message>
</context>
<context>
    <name>TrayFallbackWindow</name>
    <message>
        <source>No notification area (system tray) was found on this desktop, so Ixo shows its menu here. Alarms keep working while this window is minimized.</source>
        <translation>Na tym pulpicie nie znaleziono obszaru powiadomień (zasobnika systemowego), dlatego Ixo pokazuje swoje menu tutaj. Alarmy działają dalej, gdy to okno jest zminimalizowane.</translation>
    </message>
</context>
<context>
    <name>WallpaperWindow</name>
    <message>
        <source>Tindalo Alarm Clock - Change Wallpaper</source>
        <translation>Budzik Tindalo - Zmiana tapety</translation>
    </message>
    <message>
        <source>Wallpaper list :</source>
        <translation>Lista tapet:</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Szukaj</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Delete the selected pictures</source>
        <translation>Usuń zaznaczone obrazy</translation>
    </message>
    <message>
        <source>Delete all pictures</source>
        <translation>Usuń wszystkie obrazy</translation>
    </message>
    <message>
        <source>Save the list</source>
        <translation>Zapisz listę</translation>
    </message>
    <message>
        <source>Load the saved list</source>
        <translation>Wczytaj zapisaną listę</translation>
    </message>
    <message>
        <source>Change in every</source>
        <translation>Zmieniaj co</translation>
    </message>
    <message>
        <source>priority</source>
        <extracomment>the pictures change in the list&apos;s order (the other choice: at random)</extracomment>
        <translation>po kolei</translation>
    </message>
    <message>
        <source>random</source>
        <translation>losowo</translation>
    </message>
    <message>
        <source>Save above setting</source>
        <translation>Zapisz powyższe ustawienia</translation>
    </message>
    <message>
        <source>Change Now</source>
        <translation>Zmień teraz</translation>
    </message>
    <message>
        <source>Clear Wallpaper</source>
        <translation>Usuń tapetę</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimalizuj</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>%1 cannot be read as a picture</source>
        <translation>Nie można odczytać %1 jako obrazu</translation>
    </message>
    <message>
        <source>%1 file not found</source>
        <translation>Nie znaleziono pliku %1</translation>
    </message>
</context>
<context>
    <name>WarningWindow</name>
    <message>
        <source>Warning Message</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
