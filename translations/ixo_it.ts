<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About Ixo</source>
        <translation>Informazioni su Ixo</translation>
    </message>
    <message>
        <source>Alarm clock for the notification area</source>
        <translation>Sveglia per l&apos;area di notifica</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
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
        <translation>Messaggio</translation>
    </message>
</context>
<context>
    <name>AlarmSetWindow</name>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Alarm time is :</source>
        <translation>Ora della sveglia:</translation>
    </message>
    <message>
        <source>Play Times</source>
        <extracomment>how often the alarm sound plays (once, twice, thrice, repeat!)</extracomment>
        <translation>Ripetizioni</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Add with a message</source>
        <translation>Aggiungi con un messaggio</translation>
    </message>
    <message>
        <source>Play list :</source>
        <translation>Playlist:</translation>
    </message>
    <message>
        <source>View Message</source>
        <translation>Visualizza messaggio</translation>
    </message>
    <message>
        <source>Delete the selected event</source>
        <translation>Elimina la sveglia selezionata</translation>
    </message>
    <message>
        <source>Delete all events</source>
        <translation>Elimina tutte le sveglie</translation>
    </message>
    <message>
        <source>Song</source>
        <extracomment>the alarm sound picked in the box</extracomment>
        <translation>Suono</translation>
    </message>
    <message>
        <source>Play the sound once</source>
        <translation>Riproduci il suono una volta</translation>
    </message>
    <message>
        <source>Every</source>
        <extracomment>the chime: &quot;Every [15] min&quot;</extracomment>
        <translation>Ogni</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Load alarm events from a file</source>
        <translation>Carica le sveglie da un file</translation>
    </message>
    <message>
        <source>Save the alarm events to a file</source>
        <translation>Salva le sveglie in un file</translation>
    </message>
    <message>
        <source>Edit an alarm data file</source>
        <translation>Modifica un file di dati delle sveglie</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizza</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>closes this window; Ixo keeps running</extracomment>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Hide Message</source>
        <translation>Nascondi messaggio</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>ixo: the session bus cannot be reached: %1</source>
        <translation>ixo: impossibile raggiungere il bus di sessione: %1</translation>
    </message>
    <message>
        <source>Ixo is not running</source>
        <translation>Ixo non è in esecuzione</translation>
    </message>
    <message>
        <source>--add needs a time</source>
        <translation>--add richiede un orario</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a time (write 7:30pm, 7:30 pm, 19:30 or 19:30:00)</source>
        <translation>«%1» non è un orario (scrivere 7:30pm, 7:30 pm, 19:30 o 19:30:00)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is an option, not a message (put -- before such a message)</source>
        <translation>«%1» è un&apos;opzione, non un messaggio (mettere -- prima di un tale messaggio)</translation>
    </message>
    <message>
        <source>--snooze takes one number of minutes</source>
        <translation>--snooze accetta un numero di minuti</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number of minutes from 1 to %2</source>
        <translation>«%1» non è un numero di minuti da 1 a %2</translation>
    </message>
    <message>
        <source>%1 takes no arguments</source>
        <translation>%1 non accetta argomenti</translation>
    </message>
    <message>
        <source>%1 must come first</source>
        <translation>%1 deve venire per primo</translation>
    </message>
    <message>
        <source>unknown argument &apos;%1&apos;</source>
        <translation>argomento sconosciuto «%1»</translation>
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
Una sveglia nell&apos;area di notifica. Avviato senza opzioni, Ixo mette la sua icona nel vassoio di
sistema; le sue finestre si aprono dal menu dell&apos;icona. Le altre opzioni interrogano l&apos;Ixo di questa
sessione e terminano; se non ne è in esecuzione nessuno o il bus di sessione non è raggiungibile, lo
dicono ed escono con 1.

  -h, --help        mostra questo aiuto ed esce
  --version         mostra la versione ed esce
  --add TIME [WORD] [--] [MESSAGE]
                    aggiunge una sveglia per oggi alle TIME (7:30pm, 7:30 pm, 19:30 o 19:30:00), suonata una
                    volta (once, predefinito), due (twice), tre (thrice) o fino all&apos;arresto (repeat!), con
                    MESSAGE mostrato quando suona (dopo --, anche parole che iniziano con -); controllata come
                    Aggiungi nella finestra Imposta sveglia, un rifiuto stampa il motivo della finestra ed
                    esce con 1
  --list            stampa le sveglie del giorno, poi i loro messaggi
  --stop            ferma il suono della sveglia, come Ferma nel menu
  --snooze [MINUTES]
                    posticipa la sveglia che suona di MINUTES minuti (10 se omesso)
</translation>
    </message>
    <message>
        <source>--on needs WHEN</source>
        <translation>--on richiede WHEN</translation>
    </message>
    <message>
        <source>--unschedule takes the number of an entry</source>
        <translation>--unschedule accetta il numero di una voce</translation>
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
Sveglie oltre la giornata di oggi (la pianificazione):
  --add TIME [WORD] [MESSAGE] --on WHEN
                    aggiunge una voce alla pianificazione; WHEN è tomorrow, una data YYYY-MM-DD,
                    daily, weekdays, weekends o giorni come mon,wed,fri; stampa il numero della
                    voce e la sua prossima sveglia
  --list            stampa anche la pianificazione: numero, quando, ora, ripetizioni,
                    messaggio e prossima sveglia, separati da tabulazioni
  --unschedule N    rimuove la voce N dalla pianificazione
</translation>
    </message>
</context>
<context>
    <name>DataFileChooser</name>
    <message>
        <source>Load Data From Files</source>
        <translation>Carica dati da file</translation>
    </message>
    <message>
        <source>Load data from files :</source>
        <translation>Carica dati da file:</translation>
    </message>
    <message>
        <source>Input file name :</source>
        <translation>Nome del file:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Save file as :</source>
        <translation>Salva file come:</translation>
    </message>
    <message>
        <source>Open a file to edit data :</source>
        <translation>Apri un file per modificare i dati:</translation>
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
        <translation>Errore rilevato</translation>
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
        <translation>Inserisci messaggio</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Abandon</source>
        <translation>Scarta</translation>
    </message>
    <message>
        <source>Font size :</source>
        <translation>Dimensione carattere:</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Alarm at %1</source>
        <translation>Sveglia alle %1</translation>
    </message>
    <message>
        <source>notepad and wordpad not found</source>
        <translation>notepad e wordpad non trovati</translation>
    </message>
    <message>
        <source>Invalid input</source>
        <translation>Input non valido</translation>
    </message>
    <message>
        <source>Time input example 12:59:01</source>
        <translation>Esempio di orario: 12:59:01</translation>
    </message>
    <message>
        <source>Time was passed or next day</source>
        <translation>L&apos;orario è passato o è del giorno dopo</translation>
    </message>
    <message>
        <source>Alarm time already exists</source>
        <translation>Questo orario di sveglia esiste già</translation>
    </message>
    <message>
        <source>The alarm list is full (32767 events)</source>
        <translation>L&apos;elenco delle sveglie è pieno (32767 sveglie)</translation>
    </message>
    <message>
        <source>Tindalo Alarm Clock...</source>
        <translation>Sveglia Tindalo...</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Carica</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>No file is chosen</source>
        <translation>Nessun file scelto</translation>
    </message>
    <message>
        <source>Wpaper.dat has data of wallpaper</source>
        <translation>Wpaper.dat contiene dati dello sfondo</translation>
    </message>
    <message>
        <source>No message input or Play list time was executed</source>
        <translation>Nessun messaggio inserito né orario della playlist scelto</translation>
    </message>
    <message>
        <source>The message list is full (32767 messages)</source>
        <translation>L&apos;elenco dei messaggi è pieno (32767 messaggi)</translation>
    </message>
    <message>
        <source>No alarm is sounding</source>
        <translation>Nessuna sveglia sta suonando</translation>
    </message>
    <message>
        <source>This alarm is snoozed already</source>
        <translation>Questa sveglia è già posticipata</translation>
    </message>
    <message>
        <source>Play times must be once, twice, thrice or repeat!</source>
        <translation>Le ripetizioni devono essere once, twice, thrice o repeat!</translation>
    </message>
    <message>
        <source>A message may hold at most 626 characters</source>
        <translation>Un messaggio può contenere al massimo 626 caratteri</translation>
    </message>
    <message>
        <source>Snooze takes 1 to 1439 minutes</source>
        <translation>Il posticipo va da 1 a 1439 minuti</translation>
    </message>
    <message>
        <source>cannot play sound from internal speaker, refer to trouble shooting in help</source>
        <translation>impossibile riprodurre il suono dall&apos;altoparlante interno, vedere la risoluzione dei problemi nella guida</translation>
    </message>
    <message>
        <source>Ixo does not wake the computer.</source>
        <translation>Ixo non riattiva il computer.</translation>
    </message>
    <message>
        <source>Ixo wakes the computer by the system timer.</source>
        <translation>Ixo riattiva il computer tramite il timer di sistema.</translation>
    </message>
    <message>
        <source>Ixo wakes the computer by the KDE power manager.</source>
        <translation>Ixo riattiva il computer tramite il gestore energetico di KDE.</translation>
    </message>
    <message>
        <source>Ixo wakes the computer by the wake helper.</source>
        <translation>Ixo riattiva il computer tramite l&apos;assistente di riattivazione.</translation>
    </message>
    <message>
        <source>Ixo is looking for a way to wake the computer.</source>
        <translation>Ixo sta cercando un modo per riattivare il computer.</translation>
    </message>
    <message>
        <source>The schedule is full (1000 entries)</source>
        <translation>La pianificazione è piena (1000 voci)</translation>
    </message>
    <message>
        <source>Ixo is already running</source>
        <translation>Ixo è già in esecuzione</translation>
    </message>
    <message>
        <source>Invalid data in file, Data %1</source>
        <translation>Dati non validi nel file, elemento %1</translation>
    </message>
    <message>
        <source>%1 seems to be wrong format</source>
        <translation>%1 sembra avere un formato errato</translation>
    </message>
    <message>
        <source>The sound choice could not be saved in %1: %2</source>
        <translation>Impossibile salvare la scelta del suono in %1: %2</translation>
    </message>
    <message>
        <source>The font size could not be saved in %1: %2</source>
        <translation>Impossibile salvare la dimensione del carattere in %1: %2</translation>
    </message>
    <message>
        <source>%1 was not written: its list is no longer open</source>
        <translation>%1 non è stato scritto: il suo elenco non è più aperto</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>Impossibile leggere %1: %2</translation>
    </message>
    <message>
        <source>%1, file not found</source>
        <translation>%1, file non trovato</translation>
    </message>
    <message>
        <source>the time is not HH:MM:SS</source>
        <translation>l&apos;ora non è nel formato HH:MM:SS</translation>
    </message>
    <message>
        <source>the play times are not once, twice, thrice or repeat!</source>
        <translation>le ripetizioni non sono once, twice, thrice né repeat!</translation>
    </message>
    <message>
        <source>the message or the on/off state is of the wrong kind</source>
        <translation>il messaggio o lo stato attivo/disattivo è di tipo errato</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not when an alarm comes</source>
        <translation>«%1» non indica quando suona la sveglia</translation>
    </message>
    <message>
        <source>the skipped date is not YYYY-MM-DD</source>
        <translation>la data saltata non è nel formato YYYY-MM-DD</translation>
    </message>
    <message>
        <source>not JSON (%1 at byte %2)</source>
        <translation>non è JSON (%1 al byte %2)</translation>
    </message>
    <message>
        <source>not a schedule</source>
        <translation>non è una pianificazione</translation>
    </message>
    <message>
        <source>version %1 is not known to this Ixo (it reads %2)</source>
        <translation>questo Ixo non conosce la versione %1 (legge la versione %2)</translation>
    </message>
    <message>
        <source>Entry %1: %2</source>
        <translation>Voce %1: %2</translation>
    </message>
    <message>
        <source>%1 on %2 has passed</source>
        <translation>Il %2 alle %1 è già passato</translation>
    </message>
    <message>
        <source>The schedule has not been read yet</source>
        <translation>La pianificazione non è ancora stata letta</translation>
    </message>
    <message>
        <source>There is no schedule entry %1</source>
        <translation>Nella pianificazione non c&apos;è la voce %1</translation>
    </message>
    <message>
        <source>The schedule file %1 cannot be read (%2); the schedule cannot be changed</source>
        <translation>Impossibile leggere il file della pianificazione %1 (%2); la pianificazione non può essere modificata</translation>
    </message>
    <message>
        <source>The schedule could not be saved to %1: %2</source>
        <translation>Impossibile salvare la pianificazione in %1: %2</translation>
    </message>
    <message>
        <source>No free second is left today for the alarm at %1</source>
        <translation>Oggi non resta nessun secondo libero per la sveglia delle %1</translation>
    </message>
    <message>
        <source>%1, wave file not found, alarm at %2</source>
        <translation>%1, file wave non trovato, sveglia alle %2</translation>
    </message>
    <message>
        <source>Error found, Sound cannot be played, alarm at %1</source>
        <translation>Errore rilevato, impossibile riprodurre il suono, sveglia alle %1</translation>
    </message>
    <message>
        <source>cannot create the program folder %1</source>
        <translation>impossibile creare la cartella del programma %1</translation>
    </message>
    <message>
        <source>%1 file not found</source>
        <translation>File %1 non trovato</translation>
    </message>
    <message>
        <source>%1 cannot be read as a picture</source>
        <translation>%1 non può essere letto come immagine</translation>
    </message>
    <message>
        <source>Ixo cannot wake the computer: %1</source>
        <translation>Ixo non può riattivare il computer: %1</translation>
    </message>
</context>
<context>
    <name>Notification</name>
    <message>
        <source>Stop</source>
        <comment>the sounding alarm</comment>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Posticipa</translation>
    </message>
</context>
<context>
    <name>OverwriteQuestionWindow</name>
    <message>
        <source>Warning Message</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>File already exists, overwrite ?</source>
        <translation>Il file esiste già, sovrascriverlo?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>Schedule</name>
    <message>
        <source>&apos;%1&apos; is not a date (write YYYY-MM-DD)</source>
        <translation>«%1» non è una data (scrivere YYYY-MM-DD)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a day (write tomorrow, a date YYYY-MM-DD, daily, weekdays, weekends or days such as mon,wed,fri)</source>
        <translation>«%1» non è un giorno (scrivere tomorrow, una data YYYY-MM-DD, daily, weekdays, weekends o giorni come mon,wed,fri)</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Domani</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Oggi</translation>
    </message>
    <message>
        <source>Once on %1</source>
        <translation>Una volta il %1</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>Ogni giorno</translation>
    </message>
    <message>
        <source>Weekdays</source>
        <translation>Giorni feriali</translation>
    </message>
    <message>
        <source>Weekends</source>
        <translation>Fine settimana</translation>
    </message>
</context>
<context>
    <name>ScheduleEditor</name>
    <message>
        <source>Schedule Entry</source>
        <translation>Voce della pianificazione</translation>
    </message>
    <message>
        <source>&amp;Once on</source>
        <translation>&amp;Una volta il</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>On &amp;days</source>
        <translation>Nei &amp;giorni</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>Ogni giorno</translation>
    </message>
    <message>
        <source>Weekdays</source>
        <translation>Giorni feriali</translation>
    </message>
    <message>
        <source>Weekends</source>
        <translation>Fine settimana</translation>
    </message>
    <message>
        <source>&amp;Time:</source>
        <translation>&amp;Ora:</translation>
    </message>
    <message>
        <source>&amp;Play:</source>
        <translation>&amp;Ripetizioni:</translation>
    </message>
    <message>
        <source>&amp;Message:</source>
        <translation>&amp;Messaggio:</translation>
    </message>
</context>
<context>
    <name>ScheduleWindow</name>
    <message>
        <source>Schedule</source>
        <translation>Pianificazione</translation>
    </message>
    <message>
        <source>Schedule entries</source>
        <translation>Voci della pianificazione</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Attivo</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Quando</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Ripetizioni</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Messaggio</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Prossima sveglia</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Aggiungi...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Modifica...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Rimuovi</translation>
    </message>
    <message>
        <source>&amp;Skip next</source>
        <translation>&amp;Salta la prossima</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Disattivato</translation>
    </message>
    <message>
        <source>Skipped on %1</source>
        <translation>Saltata il %1</translation>
    </message>
    <message>
        <source>Edit Schedule Entry</source>
        <translation>Modifica voce della pianificazione</translation>
    </message>
    <message>
        <source>Add Schedule Entry</source>
        <translation>Aggiungi voce alla pianificazione</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>It is done!</source>
        <translation>Fatto!</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Suono attivo</translation>
    </message>
    <message>
        <source>Show error message if sound cannot be played</source>
        <translation>Mostra un messaggio di errore se il suono non può essere riprodotto</translation>
    </message>
    <message>
        <source>Automatically load alarm events when Tindalo starts</source>
        <translation>Carica automaticamente le sveglie all&apos;avvio di Tindalo</translation>
    </message>
    <message>
        <source>Don&apos;t compare with second</source>
        <translation>Non confrontare i secondi</translation>
    </message>
    <message>
        <source>Internal Speaker</source>
        <translation>Altoparlante interno</translation>
    </message>
    <message>
        <source>Use internal speaker instead of wave. (A necessary DLL file is needed , refer to trouble shooting in help.)</source>
        <translation>Usa l&apos;altoparlante interno invece del wave. (Serve un file DLL, vedere la risoluzione dei problemi nella guida.)</translation>
    </message>
    <message>
        <source>When MCI is busy, use internal speaker instead of midi sound</source>
        <translation>Se MCI è occupato, usa l&apos;altoparlante interno invece del suono MIDI</translation>
    </message>
    <message>
        <source>test internal speaker</source>
        <translation>prova l&apos;altoparlante interno</translation>
    </message>
    <message>
        <source>Font (it will take effect when Tindalo starts next time)</source>
        <translation>Carattere (avrà effetto al prossimo avvio di Tindalo)</translation>
    </message>
    <message>
        <source>Use Arial font</source>
        <translation>Usa il carattere Arial</translation>
    </message>
    <message>
        <source>Enlarge</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Load Me</source>
        <extracomment>the page that starts Ixo at log-in</extracomment>
        <translation>Avvio automatico</translation>
    </message>
    <message>
        <source>Run Tindalo when Windows starts</source>
        <translation>Esegui Tindalo all&apos;avvio di Windows</translation>
    </message>
    <message>
        <source>Don&apos;t run Tindalo when Windows starts</source>
        <translation>Non eseguire Tindalo all&apos;avvio di Windows</translation>
    </message>
    <message>
        <source>Wake the computer for alarms</source>
        <translation>Riattiva il computer per le sveglie</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Ixo could not be set to start at log-in: %1</source>
        <translation>Impossibile impostare l&apos;avvio di Ixo all&apos;accesso: %1</translation>
    </message>
    <message>
        <source>Ixo&apos;s start at log-in could not be removed: %1</source>
        <translation>Impossibile rimuovere l&apos;avvio di Ixo all&apos;accesso: %1</translation>
    </message>
    <message>
        <source>The wake setting could not be saved: %1</source>
        <translation>Impossibile salvare l&apos;impostazione di riattivazione: %1</translation>
    </message>
    <message>
        <source>The settings could not be saved in %1: %2</source>
        <translation>Impossibile salvare le impostazioni in %1: %2</translation>
    </message>
</context>
<context>
    <name>SnoozeBar</name>
    <message>
        <source>Snooze</source>
        <translation>Posticipa</translation>
    </message>
    <message>
        <source>Snooze length</source>
        <translation>Durata del posticipo</translation>
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
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Alarm Set</source>
        <translation>Imposta sveglia</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation>Sfondo</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Stop</source>
        <comment>the sounding alarm</comment>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Disattiva</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>The help page could not be opened; open it in a web browser: %1</source>
        <translation>Impossibile aprire la pagina della guida; aprirla in un browser web: %1</translation>
    </message>
    <message>
        <source>Help file not found</source>
        <translation>File della guida non trovato</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Pianificazione</translation>
    </message>
</context>
<context>
    <name>TrayFallbackWindow</name>
    <message>
        <source>No notification area (system tray) was found on this desktop, so Ixo shows its menu here. Alarms keep working while this window is minimized.</source>
        <translation>Non è stata trovata un&apos;area di notifica (vassoio di sistema) su questo desktop, quindi Ixo mostra qui il suo menu. Le sveglie continuano a funzionare mentre questa finestra è minimizzata.</translation>
    </message>
</context>
<context>
    <name>WallpaperWindow</name>
    <message>
        <source>Tindalo Alarm Clock - Change Wallpaper</source>
        <translation>Sveglia Tindalo - Cambia sfondo</translation>
    </message>
    <message>
        <source>Wallpaper list :</source>
        <translation>Elenco sfondi:</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Delete the selected pictures</source>
        <translation>Elimina le immagini selezionate</translation>
    </message>
    <message>
        <source>Delete all pictures</source>
        <translation>Elimina tutte le immagini</translation>
    </message>
    <message>
        <source>Save the list</source>
        <translation>Salva l&apos;elenco</translation>
    </message>
    <message>
        <source>Load the saved list</source>
        <translation>Carica l&apos;elenco salvato</translation>
    </message>
    <message>
        <source>Change in every</source>
        <translation>Cambia ogni</translation>
    </message>
    <message>
        <source>priority</source>
        <extracomment>the pictures change in the list&apos;s order (the other choice: at random)</extracomment>
        <translation>in ordine</translation>
    </message>
    <message>
        <source>random</source>
        <translation>casuale</translation>
    </message>
    <message>
        <source>Save above setting</source>
        <translation>Salva le impostazioni sopra</translation>
    </message>
    <message>
        <source>Change Now</source>
        <translation>Cambia ora</translation>
    </message>
    <message>
        <source>Clear Wallpaper</source>
        <translation>Rimuovi sfondo</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizza</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>%1 cannot be read as a picture</source>
        <translation>%1 non può essere letto come immagine</translation>
    </message>
    <message>
        <source>%1 file not found</source>
        <translation>File %1 non trovato</translation>
    </message>
</context>
<context>
    <name>WarningWindow</name>
    <message>
        <source>Warning Message</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
