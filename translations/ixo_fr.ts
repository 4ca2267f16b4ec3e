<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About Ixo</source>
        <translation>À propos d&apos;Ixo</translation>
    </message>
    <message>
        <source>Alarm clock for the notification area</source>
        <translation>Réveil pour la zone de notification</translation>
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
        <translation>Message</translation>
    </message>
</context>
<context>
    <name>AlarmSetWindow</name>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Alarm time is :</source>
        <translation>Heure de l&apos;alarme :</translation>
    </message>
    <message>
        <source>Play Times</source>
        <extracomment>how often the alarm sound plays (once, twice, thrice, repeat!)</extracomment>
        <translation>Répétitions</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Add with a message</source>
        <translation>Ajouter avec un message</translation>
    </message>
    <message>
        <source>Play list :</source>
        <translation>Liste de lecture :</translation>
    </message>
    <message>
        <source>View Message</source>
        <translation>Voir le message</translation>
    </message>
    <message>
        <source>Delete the selected event</source>
        <translation>Supprimer l&apos;alarme sélectionnée</translation>
    </message>
    <message>
        <source>Delete all events</source>
        <translation>Supprimer toutes les alarmes</translation>
    </message>
    <message>
        <source>Song</source>
        <extracomment>the alarm sound picked in the box</extracomment>
        <translation>Son</translation>
    </message>
    <message>
        <source>Play the sound once</source>
        <translation>Jouer le son une fois</translation>
    </message>
    <message>
        <source>Every</source>
        <extracomment>the chime: &quot;Every [15] min&quot;</extracomment>
        <translation>Toutes les</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Load alarm events from a file</source>
        <translation>Charger les alarmes depuis un fichier</translation>
    </message>
    <message>
        <source>Save the alarm events to a file</source>
        <translation>Enregistrer les alarmes dans un fichier</translation>
    </message>
    <message>
        <source>Edit an alarm data file</source>
        <translation>Modifier un fichier de données d&apos;alarmes</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>closes this window; Ixo keeps running</extracomment>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Hide Message</source>
        <translation>Masquer le message</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>ixo: the session bus cannot be reached: %1</source>
        <translation>ixo : le bus de session est injoignable : %1</translation>
    </message>
    <message>
        <source>Ixo is not running</source>
        <translation>Ixo n&apos;est pas lancé</translation>
    </message>
    <message>
        <source>--add needs a time</source>
        <translation>--add attend une heure</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a time (write 7:30pm, 7:30 pm, 19:30 or 19:30:00)</source>
        <translation>« %1 » n&apos;est pas une heure (écrivez 7:30pm, 7:30 pm, 19:30 ou 19:30:00)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is an option, not a message (put -- before such a message)</source>
        <translation>« %1 » est une option, pas un message (mettez -- devant un tel message)</translation>
    </message>
    <message>
        <source>--snooze takes one number of minutes</source>
        <translation>--snooze attend un nombre de minutes</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number of minutes from 1 to %2</source>
        <translation>« %1 » n&apos;est pas un nombre de minutes de 1 à %2</translation>
    </message>
    <message>
        <source>%1 takes no arguments</source>
        <translation>%1 n&apos;attend aucun argument</translation>
    </message>
    <message>
        <source>%1 must come first</source>
        <translation>%1 doit venir en premier</translation>
    </message>
    <message>
        <source>unknown argument &apos;%1&apos;</source>
        <translation>argument inconnu « %1 »</translation>
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
        <translation>Usage : ixo [--help | --version]
        ixo --add TIME [once|twice|thrice|repeat!] [--] [MESSAGE]
        ixo --list | --stop | --snooze [MINUTES]
Un réveil dans la zone de notification. Lancé sans option, Ixo place son icône dans la barre
d&apos;état système ; ses fenêtres s&apos;ouvrent depuis le menu de l&apos;icône. Les autres options interrogent
l&apos;Ixo de cette session puis s&apos;arrêtent ; si aucun ne tourne ou si le bus de session est injoignable,
elles le disent et quittent avec 1.

  -h, --help        afficher cette aide et quitter
  --version         afficher la version et quitter
  --add TIME [WORD] [--] [MESSAGE]
                    ajouter une alarme pour aujourd&apos;hui à TIME (7:30pm, 7:30 pm, 19:30 ou 19:30:00), jouée
                    une fois (once, par défaut), deux fois (twice), trois fois (thrice) ou jusqu&apos;à l&apos;arrêt
                    (repeat!), avec MESSAGE affiché au déclenchement (après --, aussi les mots commençant
                    par -) ; vérifiée comme le bouton Ajouter de la fenêtre Régler l&apos;alarme, un refus affiche
                    la raison de la fenêtre et quitte avec 1
  --list            afficher les alarmes du jour, puis leurs messages
  --stop            arrêter le son de l&apos;alarme, comme Arrêter dans le menu
  --snooze [MINUTES]
                    répéter l&apos;alarme qui sonne dans MINUTES minutes (10 par défaut)
</translation>
    </message>
    <message>
        <source>--on needs WHEN</source>
        <translation>--on attend WHEN</translation>
    </message>
    <message>
        <source>--unschedule takes the number of an entry</source>
        <translation>--unschedule attend le numéro d&apos;une entrée</translation>
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
Alarmes au-delà d&apos;aujourd&apos;hui (le planning) :
  --add TIME [WORD] [MESSAGE] --on WHEN
                    ajouter une entrée au planning ; WHEN vaut tomorrow, une date YYYY-MM-DD, daily,
                    weekdays, weekends ou des jours comme mon,wed,fri ; affiche le numéro de
                    l&apos;entrée et sa prochaine alarme
  --list            afficher aussi le planning : numéro, quand, heure, répétitions,
                    message et prochaine alarme, séparés par des tabulations
  --unschedule N    retirer l&apos;entrée N du planning
</translation>
    </message>
</context>
<context>
    <name>DataFileChooser</name>
    <message>
        <source>Load Data From Files</source>
        <translation>Charger des données depuis des fichiers</translation>
    </message>
    <message>
        <source>Load data from files :</source>
        <translation>Charger des données depuis des fichiers :</translation>
    </message>
    <message>
        <source>Input file name :</source>
        <translation>Nom du fichier :</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Save file as :</source>
        <translation>Enregistrer le fichier sous :</translation>
    </message>
    <message>
        <source>Open a file to edit data :</source>
        <translation>Ouvrir un fichier pour modifier les données :</translation>
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
        <translation>Erreur détectée</translation>
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
        <translation>Saisir un message</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Abandon</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <source>Font size :</source>
        <translation>Taille de police :</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Alarm at %1</source>
        <translation>Alarme à %1</translation>
    </message>
    <message>
        <source>notepad and wordpad not found</source>
        <translation>notepad et wordpad introuvables</translation>
    </message>
    <message>
        <source>Invalid input</source>
        <translation>Saisie non valide</translation>
    </message>
    <message>
        <source>Time input example 12:59:01</source>
        <translation>Exemple de saisie de l&apos;heure : 12:59:01</translation>
    </message>
    <message>
        <source>Time was passed or next day</source>
        <translation>L&apos;heure est passée ou tombe le lendemain</translation>
    </message>
    <message>
        <source>Alarm time already exists</source>
        <translation>Cette heure d&apos;alarme existe déjà</translation>
    </message>
    <message>
        <source>The alarm list is full (32767 events)</source>
        <translation>La liste des alarmes est pleine (32767 alarmes)</translation>
    </message>
    <message>
        <source>Tindalo Alarm Clock...</source>
        <translation>Réveil Tindalo...</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Charger</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>No file is chosen</source>
        <translation>Aucun fichier n&apos;est choisi</translation>
    </message>
    <message>
        <source>Wpaper.dat has data of wallpaper</source>
        <translation>Wpaper.dat contient des données de fond d&apos;écran</translation>
    </message>
    <message>
        <source>No message input or Play list time was executed</source>
        <translation>Aucun message saisi ni aucune heure de la liste de lecture choisie</translation>
    </message>
    <message>
        <source>The message list is full (32767 messages)</source>
        <translation>La liste des messages est pleine (32767 messages)</translation>
    </message>
    <message>
        <source>No alarm is sounding</source>
        <translation>Aucune alarme ne sonne</translation>
    </message>
    <message>
        <source>This alarm is snoozed already</source>
        <translation>Cette alarme est déjà en répétition</translation>
    </message>
    <message>
        <source>Play times must be once, twice, thrice or repeat!</source>
        <translation>Les répétitions doivent être once, twice, thrice ou repeat!</translation>
    </message>
    <message>
        <source>A message may hold at most 626 characters</source>
        <translation>Un message peut contenir au plus 626 caractères</translation>
    </message>
    <message>
        <source>Snooze takes 1 to 1439 minutes</source>
        <translation>La répétition dure de 1 à 1439 minutes</translation>
    </message>
    <message>
        <source>cannot play sound from internal speaker, refer to trouble shooting in help</source>
        <translation>impossible de jouer le son sur le haut-parleur interne, voir le dépannage dans l&apos;aide</translation>
    </message>
    <message>
        <source>Ixo does not wake the computer.</source>
        <translation>Ixo ne sort pas l&apos;ordinateur de veille.</translation>
    </message>
    <message>
        <source>Ixo wakes the computer by the system timer.</source>
        <translation>Ixo sort l&apos;ordinateur de veille par la minuterie du système.</translation>
    </message>
    <message>
        <source>Ixo wakes the computer by the KDE power manager.</source>
        <translation>Ixo sort l&apos;ordinateur de veille par le gestionnaire d&apos;énergie de KDE.</translation>
    </message>
    <message>
        <source>Ixo wakes the computer by the wake helper.</source>
        <translation>Ixo sort l&apos;ordinateur de veille par l&apos;assistant de réveil.</translation>
    </message>
    <message>
        <source>Ixo is looking for a way to wake the computer.</source>
        <translation>Ixo cherche un moyen de sortir l&apos;ordinateur de veille.</translation>
    </message>
    <message>
        <source>The schedule is full (1000 entries)</source>
        <translation>Le planning est plein (1000 entrées)</translation>
    </message>
    <message>
        <source>Ixo is already running</source>
        <translation>Ixo est déjà lancé</translation>
    </message>
    <message>
        <source>Invalid data in file, Data %1</source>
        <translation>Données non valides dans le fichier, élément %1</translation>
    </message>
    <message>
        <source>%1 seems to be wrong format</source>
        <translation>%1 semble avoir un format incorrect</translation>
    </message>
    <message>
        <source>The sound choice could not be saved in %1: %2</source>
        <translation>Le choix du son n&apos;a pas pu être enregistré dans %1 : %2</translation>
    </message>
    <message>
        <source>The font size could not be saved in %1: %2</source>
        <translation>La taille de police n&apos;a pas pu être enregistrée dans %1 : %2</translation>
    </message>
    <message>
        <source>%1 was not written: its list is no longer open</source>
        <translation>%1 n&apos;a pas été écrit : sa liste n&apos;est plus ouverte</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 n&apos;a pas pu être écrit : %2</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 n&apos;a pas pu être lu : %2</translation>
    </message>
    <message>
        <source>%1, file not found</source>
        <translation>%1, fichier introuvable</translation>
    </message>
    <message>
        <source>the time is not HH:MM:SS</source>
        <translation>l&apos;heure n&apos;est pas au format HH:MM:SS</translation>
    </message>
    <message>
        <source>the play times are not once, twice, thrice or repeat!</source>
        <translation>les répétitions ne sont pas once, twice, thrice ou repeat!</translation>
    </message>
    <message>
        <source>the message or the on/off state is of the wrong kind</source>
        <translation>le message ou l&apos;état activé/désactivé n&apos;est pas du bon type</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not when an alarm comes</source>
        <translation>« %1 » n&apos;indique pas quand l&apos;alarme doit sonner</translation>
    </message>
    <message>
        <source>the skipped date is not YYYY-MM-DD</source>
        <translation>la date ignorée n&apos;est pas au format YYYY-MM-DD</translation>
    </message>
    <message>
        <source>not JSON (%1 at byte %2)</source>
        <translation>pas du JSON (%1 à l&apos;octet %2)</translation>
    </message>
    <message>
        <source>not a schedule</source>
        <translation>pas un planning</translation>
    </message>
    <message>
        <source>version %1 is not known to this Ixo (it reads %2)</source>
        <translation>la version %1 est inconnue de cet Ixo (il lit la version %2)</translation>
    </message>
    <message>
        <source>Entry %1: %2</source>
        <translation>Entrée %1 : %2</translation>
    </message>
    <message>
        <source>%1 on %2 has passed</source>
        <translation>Le %2 à %1 est déjà passé</translation>
    </message>
    <message>
        <source>The schedule has not been read yet</source>
        <translation>Le planning n&apos;a pas encore été lu</translation>
    </message>
    <message>
        <source>There is no schedule entry %1</source>
        <translation>Il n&apos;y a pas d&apos;entrée %1 dans le planning</translation>
    </message>
    <message>
        <source>The schedule file %1 cannot be read (%2); the schedule cannot be changed</source>
        <translation>Le fichier du planning %1 ne peut pas être lu (%2) ; le planning ne peut pas être modifié</translation>
    </message>
    <message>
        <source>The schedule could not be saved to %1: %2</source>
        <translation>Le planning n&apos;a pas pu être enregistré dans %1 : %2</translation>
    </message>
    <message>
        <source>No free second is left today for the alarm at %1</source>
        <translation>Il ne reste plus aucune seconde libre aujourd&apos;hui pour l&apos;alarme de %1</translation>
    </message>
    <message>
        <source>%1, wave file not found, alarm at %2</source>
        <translation>%1, fichier wave introuvable, alarme à %2</translation>
    </message>
    <message>
        <source>Error found, Sound cannot be played, alarm at %1</source>
        <translation>Erreur détectée, le son ne peut pas être joué, alarme à %1</translation>
    </message>
    <message>
        <source>cannot create the program folder %1</source>
        <translation>impossible de créer le dossier du programme %1</translation>
    </message>
    <message>
        <source>%1 file not found</source>
        <translation>Fichier %1 introuvable</translation>
    </message>
    <message>
        <source>%1 cannot be read as a picture</source>
        <translation>%1 ne peut pas être lu comme une image</translation>
    </message>
    <message>
        <source>Ixo cannot wake the computer: %1</source>
        <translation>Ixo ne peut pas sortir l&apos;ordinateur de veille : %1</translation>
    </message>
</context>
<context>
    <name>Notification</name>
    <message>
        <source>Stop</source>
        <comment>the sounding alarm</comment>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Répéter</translation>
    </message>
</context>
<context>
    <name>OverwriteQuestionWindow</name>
    <message>
        <source>Warning Message</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>File already exists, overwrite ?</source>
        <translation>Le fichier existe déjà, l&apos;écraser ?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>Schedule</name>
    <message>
        <source>&apos;%1&apos; is not a date (write YYYY-MM-DD)</source>
        <translation>« %1 » n&apos;est pas une date (écrivez YYYY-MM-DD)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a day (write tomorrow, a date YYYY-MM-DD, daily, weekdays, weekends or days such as mon,wed,fri)</source>
        <translation>« %1 » n&apos;est pas un jour (écrivez tomorrow, une date YYYY-MM-DD, daily, weekdays, weekends ou des jours comme mon,wed,fri)</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Demain</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Once on %1</source>
        <translation>Une fois le %1</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>Tous les jours</translation>
    </message>
    <message>
        <source>Weekdays</source>
        <translation>En semaine</translation>
    </message>
    <message>
        <source>Weekends</source>
        <translation>Le week-end</translation>
    </message>
</context>
<context>
    <name>ScheduleEditor</name>
    <message>
        <source>Schedule Entry</source>
        <translation>Entrée du planning</translation>
    </message>
    <message>
        <source>&amp;Once on</source>
        <translation>&amp;Une fois le</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>On &amp;days</source>
        <translation>Les &amp;jours</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>Tous les jours</translation>
    </message>
    <message>
        <source>Weekdays</source>
        <translation>En semaine</translation>
    </message>
    <message>
        <source>Weekends</source>
        <translation>Le week-end</translation>
    </message>
    <message>
        <source>&amp;Time:</source>
        <translation>&amp;Heure :</translation>
    </message>
    <message>
        <source>&amp;Play:</source>
        <translation>&amp;Répétitions :</translation>
    </message>
    <message>
        <source>&amp;Message:</source>
        <translation>&amp;Message :</translation>
    </message>
</context>
<context>
    <name>ScheduleWindow</name>
    <message>
        <source>Schedule</source>
        <translation>Planning</translation>
    </message>
    <message>
        <source>Schedule entries</source>
        <translation>Entrées du planning</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Quand</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Répétitions</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Prochaine alarme</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Ajouter...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Modifier...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>&amp;Skip next</source>
        <translation>&amp;Ignorer la prochaine</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Skipped on %1</source>
        <translation>Ignorée le %1</translation>
    </message>
    <message>
        <source>Edit Schedule Entry</source>
        <translation>Modifier l&apos;entrée du planning</translation>
    </message>
    <message>
        <source>Add Schedule Entry</source>
        <translation>Ajouter une entrée au planning</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>It is done!</source>
        <translation>C&apos;est fait !</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Son activé</translation>
    </message>
    <message>
        <source>Show error message if sound cannot be played</source>
        <translation>Afficher un message d&apos;erreur si le son ne peut pas être joué</translation>
    </message>
    <message>
        <source>Automatically load alarm events when Tindalo starts</source>
        <translation>Charger automatiquement les alarmes au démarrage de Tindalo</translation>
    </message>
    <message>
        <source>Don&apos;t compare with second</source>
        <translation>Ne pas tenir compte des secondes</translation>
    </message>
    <message>
        <source>Internal Speaker</source>
        <translation>Haut-parleur interne</translation>
    </message>
    <message>
        <source>Use internal speaker instead of wave. (A necessary DLL file is needed , refer to trouble shooting in help.)</source>
        <translation>Utiliser le haut-parleur interne au lieu du son wave. (Un fichier DLL est nécessaire, voir le dépannage dans l&apos;aide.)</translation>
    </message>
    <message>
        <source>When MCI is busy, use internal speaker instead of midi sound</source>
        <translation>Si MCI est occupé, utiliser le haut-parleur interne au lieu du son MIDI</translation>
    </message>
    <message>
        <source>test internal speaker</source>
        <translation>tester le haut-parleur interne</translation>
    </message>
    <message>
        <source>Font (it will take effect when Tindalo starts next time)</source>
        <translation>Police (prise en compte au prochain démarrage de Tindalo)</translation>
    </message>
    <message>
        <source>Use Arial font</source>
        <translation>Utiliser la police Arial</translation>
    </message>
    <message>
        <source>Enlarge</source>
        <translation>Agrandir</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Load Me</source>
        <extracomment>the page that starts Ixo at log-in</extracomment>
        <translation>Démarrage</translation>
    </message>
    <message>
        <source>Run Tindalo when Windows starts</source>
        <translation>Lancer Tindalo au démarrage de Windows</translation>
    </message>
    <message>
        <source>Don&apos;t run Tindalo when Windows starts</source>
        <translation>Ne pas lancer Tindalo au démarrage de Windows</translation>
    </message>
    <message>
        <source>Wake the computer for alarms</source>
        <translation>Sortir l&apos;ordinateur de veille pour les alarmes</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Ixo could not be set to start at log-in: %1</source>
        <translation>Impossible de configurer le lancement d&apos;Ixo à l&apos;ouverture de session : %1</translation>
    </message>
    <message>
        <source>Ixo&apos;s start at log-in could not be removed: %1</source>
        <translation>Impossible de supprimer le lancement d&apos;Ixo à l&apos;ouverture de session : %1</translation>
    </message>
    <message>
        <source>The wake setting could not be saved: %1</source>
        <translation>Le réglage de sortie de veille n&apos;a pas pu être enregistré : %1</translation>
    </message>
    <message>
        <source>The settings could not be saved in %1: %2</source>
        <translation>Les paramètres n&apos;ont pas pu être enregistrés dans %1 : %2</translation>
    </message>
</context>
<context>
    <name>SnoozeBar</name>
    <message>
        <source>Snooze</source>
        <translation>Répéter</translation>
    </message>
    <message>
        <source>Snooze length</source>
        <translation>Durée de répétition</translation>
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
        <translation>À propos</translation>
    </message>
    <message>
        <source>Alarm Set</source>
        <translation>Régler l&apos;alarme</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation>Fond d&apos;écran</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Stop</source>
        <comment>the sounding alarm</comment>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Désactiver</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>The help page could not be opened; open it in a web browser: %1</source>
        <translation>La page d&apos;aide n&apos;a pas pu être ouverte ; ouvrez-la dans un navigateur web : %1</translation>
    </message>
    <message>
        <source>Help file not found</source>
        <translation>Fichier d&apos;aide introuvable</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Planning</translation>
    </message>
</context>
<context>
    <name>TrayFallbackWindow</name>
    <message>
        <source>No notification area (system tray) was found on this desktop, so Ixo shows its menu here. Alarms keep working while this window is minimized.</source>
        <translation>Aucune zone de notification (barre d&apos;état système) n&apos;a été trouvée sur ce bureau, Ixo affiche donc son menu ici. Les alarmes continuent de fonctionner lorsque cette fenêtre est réduite.</translation>
    </message>
</context>
<context>
    <name>WallpaperWindow</name>
    <message>
        <source>Tindalo Alarm Clock - Change Wallpaper</source>
        <translation>Réveil Tindalo - Changer de fond d&apos;écran</translation>
    </message>
    <message>
        <source>Wallpaper list :</source>
        <translation>Liste des fonds d&apos;écran :</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Delete the selected pictures</source>
        <translation>Supprimer les images sélectionnées</translation>
    </message>
    <message>
        <source>Delete all pictures</source>
        <translation>Supprimer toutes les images</translation>
    </message>
    <message>
        <source>Save the list</source>
        <translation>Enregistrer la liste</translation>
    </message>
    <message>
        <source>Load the saved list</source>
        <translation>Charger la liste enregistrée</translation>
    </message>
    <message>
        <source>Change in every</source>
        <translation>Changer toutes les</translation>
    </message>
    <message>
        <source>priority</source>
        <extracomment>the pictures change in the list&apos;s order (the other choice: at random)</extracomment>
        <translation>dans l&apos;ordre</translation>
    </message>
    <message>
        <source>random</source>
        <translation>aléatoire</translation>
    </message>
    <message>
        <source>Save above setting</source>
        <translation>Enregistrer ces réglages</translation>
    </message>
    <message>
        <source>Change Now</source>
        <translation>Changer maintenant</translation>
    </message>
    <message>
        <source>Clear Wallpaper</source>
        <translation>Effacer le fond d&apos;écran</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>%1 cannot be read as a picture</source>
        <translation>%1 ne peut pas être lu comme une image</translation>
    </message>
    <message>
        <source>%1 file not found</source>
        <translation>Fichier %1 introuvable</translation>
    </message>
</context>
<context>
    <name>WarningWindow</name>
    <message>
        <source>Warning Message</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
