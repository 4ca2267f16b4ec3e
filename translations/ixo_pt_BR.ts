<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About Ixo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm clock for the notification area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AlarmMessageWindow</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AlarmSetWindow</name>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm time is :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play Times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add with a message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play list :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the selected event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete all events</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Song</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play the sound once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load alarm events from a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the alarm events to a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit an alarm data file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide Message</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataFileChooser</name>
    <message>
        <source>Load Data From Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load data from files :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input file name :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save file as :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open a file to edit data :</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DateTime</name>
    <message>
        <source>HH:mm:ss</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dd MMM yyyy / hh:mm AP</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ErrorListWindow</name>
    <message>
        <source>Error found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MessageInputWindow</name>
    <message>
        <source>Input Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abandon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font size :</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Alarm at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>notepad and wordpad not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time input example 12:59:01</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time was passed or next day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm time already exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The alarm list is full (32767 events)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tindalo Alarm Clock...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No file is chosen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wpaper.dat has data of wallpaper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No message input or Play list time was executed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The message list is full (32767 messages)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snooze would pass midnight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No alarm is sounding</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This alarm is snoozed already</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play times must be once, twice, thrice or repeat!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A message may hold at most 626 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snooze takes 1 to 1439 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot play sound from internal speaker, refer to trouble shooting in help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ixo does not wake the computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ixo wakes the computer by the system timer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ixo wakes the computer by the KDE power manager.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ixo wakes the computer by the wake helper.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ixo is looking for a way to wake the computer.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Notification</name>
    <message>
        <source>Stop</source>
        <comment>the sounding alarm</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OverwriteQuestionWindow</name>
    <message>
        <source>Warning Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File already exists, overwrite ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>It is done!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show error message if sound cannot be played</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatically load alarm events when Tindalo starts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t compare with second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internal Speaker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use internal speaker instead of wave. (A necessary DLL file is needed , refer to trouble shooting in help.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When MCI is busy, use internal speaker instead of midi sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>test internal speaker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font (it will take effect when Tindalo starts next time)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Arial font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enlarge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Me</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run Tindalo when Windows starts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t run Tindalo when Windows starts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wake the computer for alarms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ixo could not be set to start at log-in: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ixo&apos;s start at log-in could not be removed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The wake setting could not be saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings could not be saved in %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SnoozeBar</name>
    <message>
        <source>Snooze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snooze length</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TrayController</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <comment>the sounding alarm</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The help page could not be opened; open it in a web browser: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help file not found</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TrayFallbackWindow</name>
    <message>
        <source>No notification area (system tray) was found on this desktop, so Ixo shows its menu here. Alarms keep working while this window is minimized.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WallpaperWindow</name>
    <message>
        <source>Tindalo Alarm Clock - Change Wallpaper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wallpaper list :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the selected pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete all pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load the saved list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change in every</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>priority</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>random</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save above setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Wallpaper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be read as a picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 file not found</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WarningWindow</name>
    <message>
        <source>Warning Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
