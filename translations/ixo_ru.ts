<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About Ixo</source>
        <translation>О программе Ixo</translation>
    </message>
    <message>
        <source>Alarm clock for the notification area</source>
        <translation>Будильник в области уведомлений</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
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
        <translation>Сообщение</translation>
    </message>
</context>
<context>
    <name>AlarmSetWindow</name>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Alarm time is :</source>
        <translation>Время сигнала:</translation>
    </message>
    <message>
        <source>Play Times</source>
        <extracomment>how often the alarm sound plays (once, twice, thrice, repeat!)</extracomment>
        <translation>Повторы</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Add with a message</source>
        <translation>Добавить с сообщением</translation>
    </message>
    <message>
        <source>Play list :</source>
        <translation>Список воспроизведения:</translation>
    </message>
    <message>
        <source>View Message</source>
        <translation>Показать сообщение</translation>
    </message>
    <message>
        <source>Delete the selected event</source>
        <translation>Удалить выбранный сигнал</translation>
    </message>
    <message>
        <source>Delete all events</source>
        <translation>Удалить все сигналы</translation>
    </message>
    <message>
        <source>Song</source>
        <extracomment>the alarm sound picked in the box</extracomment>
        <translation>Звук</translation>
    </message>
    <message>
        <source>Play the sound once</source>
        <translation>Воспроизвести звук один раз</translation>
    </message>
    <message>
        <source>Every</source>
        <extracomment>the chime: &quot;Every [15] min&quot;</extracomment>
        <translation>Каждые</translation>
    </message>
    <message>
        <source>min</source>
        <translation>мин</translation>
    </message>
    <message>
        <source>Load alarm events from a file</source>
        <translation>Загрузить сигналы из файла</translation>
    </message>
    <message>
        <source>Save the alarm events to a file</source>
        <translation>Сохранить сигналы в файл</translation>
    </message>
    <message>
        <source>Edit an alarm data file</source>
        <translation>Изменить файл данных сигналов</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>closes this window; Ixo keeps running</extracomment>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Hide Message</source>
        <translation>Скрыть сообщение</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>ixo: the session bus cannot be reached: %1</source>
        <translation>ixo: сеансовая шина недоступна: %1</translation>
    </message>
    <message>
        <source>Ixo is not running</source>
        <translation>Ixo не запущен</translation>
    </message>
    <message>
        <source>--add needs a time</source>
        <translation>--add требует время</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a time (write 7:30pm, 7:30 pm, 19:30 or 19:30:00)</source>
        <translation>«%1» — не время (пишите 7:30pm, 7:30 pm, 19:30 или 19:30:00)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is an option, not a message (put -- before such a message)</source>
        <translation>«%1» — это параметр, а не сообщение (поставьте -- перед таким сообщением)</translation>
    </message>
    <message>
        <source>--snooze takes one number of minutes</source>
        <translation>--snooze принимает одно число минут</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number of minutes from 1 to %2</source>
        <translation>«%1» — не число минут от 1 до %2</translation>
    </message>
    <message>
        <source>%1 takes no arguments</source>
        <translation>%1 не принимает аргументов</translation>
    </message>
    <message>
        <source>%1 must come first</source>
        <translation>%1 должен идти первым</translation>
    </message>
    <message>
        <source>unknown argument &apos;%1&apos;</source>
        <translation>неизвестный аргумент «%1»</translation>
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
        <translation>Использование: ixo [--help | --version]
               ixo --add TIME [once|twice|thrice|repeat!] [--] [MESSAGE]
               ixo --list | --stop | --snooze [MINUTES]
Будильник в области уведомлений. Запущенный без параметров, Ixo помещает свой значок в системный
лоток; его окна открываются из меню значка. Остальные параметры обращаются к Ixo этого сеанса и
завершаются; если он не запущен или сеансовая шина недоступна, они сообщают об этом и выходят с 1.

  -h, --help        показать эту справку и выйти
  --version         показать версию и выйти
  --add TIME [WORD] [--] [MESSAGE]
                    добавить сигнал на сегодня в TIME (7:30pm, 7:30 pm, 19:30 или 19:30:00), звучащий один
                    раз (once, по умолчанию), два (twice), три (thrice) раза или до остановки (repeat!), с
                    сообщением MESSAGE при срабатывании (после -- также слова, начинающиеся с -); проверяется
                    как «Добавить» в окне «Установка сигналов», отказ выводит причину окна и выходит с 1
  --list            вывести сигналы на сегодня, затем их сообщения
  --stop            остановить звук сигнала, как «Остановить» в меню
  --snooze [MINUTES]
                    отложить звучащий сигнал на MINUTES минут (10, если не указано)
</translation>
    </message>
    <message>
        <source>--on needs WHEN</source>
        <translation>--on требует WHEN</translation>
    </message>
    <message>
        <source>--unschedule takes the number of an entry</source>
        <translation>--unschedule принимает номер записи</translation>
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
Сигналы после сегодняшнего дня (расписание):
  --add TIME [WORD] [MESSAGE] --on WHEN
                    добавить запись в расписание; WHEN — это tomorrow, дата YYYY-MM-DD, daily,
                    weekdays, weekends или дни, например mon,wed,fri; выводит номер записи
                    и её следующий сигнал
  --list            также вывести расписание: номер, когда, время, повторы,
                    сообщение и следующий сигнал, через табуляцию
  --unschedule N    удалить запись N из расписания
</translation>
    </message>
</context>
<context>
    <name>DataFileChooser</name>
    <message>
        <source>Load Data From Files</source>
        <translation>Загрузка данных из файлов</translation>
    </message>
    <message>
        <source>Load data from files :</source>
        <translation>Загрузить данные из файлов:</translation>
    </message>
    <message>
        <source>Input file name :</source>
        <translation>Имя файла:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Save file as :</source>
        <translation>Сохранить файл как:</translation>
    </message>
    <message>
        <source>Open a file to edit data :</source>
        <translation>Открыть файл для изменения данных:</translation>
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
        <translation>Обнаружена ошибка</translation>
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
        <translation>Ввод сообщения</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Abandon</source>
        <translation>Отказаться</translation>
    </message>
    <message>
        <source>Font size :</source>
        <translation>Размер шрифта:</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Alarm at %1</source>
        <translation>Сигнал в %1</translation>
    </message>
    <message>
        <source>notepad and wordpad not found</source>
        <translation>notepad и wordpad не найдены</translation>
    </message>
    <message>
        <source>Invalid input</source>
        <translation>Неверный ввод</translation>
    </message>
    <message>
        <source>Time input example 12:59:01</source>
        <translation>Пример ввода времени: 12:59:01</translation>
    </message>
    <message>
        <source>Time was passed or next day</source>
        <translation>Это время прошло или относится к следующему дню</translation>
    </message>
    <message>
        <source>Alarm time already exists</source>
        <translation>Такое время сигнала уже есть</translation>
    </message>
    <message>
        <source>The alarm list is full (32767 events)</source>
        <translation>Список сигналов заполнен (32767 сигналов)</translation>
    </message>
    <message>
        <source>Tindalo Alarm Clock...</source>
        <translation>Будильник Tindalo...</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Загрузить</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>No file is chosen</source>
        <translation>Файл не выбран</translation>
    </message>
    <message>
        <source>Wpaper.dat has data of wallpaper</source>
        <translation>Wpaper.dat содержит данные обоев</translation>
    </message>
    <message>
        <source>No message input or Play list time was executed</source>
        <translation>Сообщение не введено или не выбрано время из списка воспроизведения</translation>
    </message>
    <message>
        <source>The message list is full (32767 messages)</source>
        <translation>Список сообщений заполнен (32767 сообщений)</translation>
    </message>
    <message>
        <source>No alarm is sounding</source>
        <translation>Сейчас не звучит ни один сигнал</translation>
    </message>
    <message>
        <source>This alarm is snoozed already</source>
        <translation>Этот сигнал уже отложен</translation>
    </message>
    <message>
        <source>Play times must be once, twice, thrice or repeat!</source>
        <translation>Повторы: допустимы только once, twice, thrice или repeat!</translation>
    </message>
    <message>
        <source>A message may hold at most 626 characters</source>
        <translation>Сообщение может содержать не более 626 символов</translation>
    </message>
    <message>
        <source>Snooze takes 1 to 1439 minutes</source>
        <translation>Отложить можно на срок от 1 до 1439 минут</translation>
    </message>
    <message>
        <source>cannot play sound from internal speaker, refer to trouble shooting in help</source>
        <translation>не удаётся воспроизвести звук через встроенный динамик, см. раздел об устранении неполадок в справке</translation>
    </message>
    <message>
        <source>Ixo does not wake the computer.</source>
        <translation>Ixo не выводит компьютер из сна.</translation>
    </message>
    <message>
        <source>Ixo wakes the computer by the system timer.</source>
        <translation>Ixo выводит компьютер из сна с помощью системного таймера.</translation>
    </message>
    <message>
        <source>Ixo wakes the computer by the KDE power manager.</source>
        <translation>Ixo выводит компьютер из сна с помощью менеджера питания KDE.</translation>
    </message>
    <message>
        <source>Ixo wakes the computer by the wake helper.</source>
        <translation>Ixo выводит компьютер из сна с помощью вспомогательной программы.</translation>
    </message>
    <message>
        <source>Ixo is looking for a way to wake the computer.</source>
        <translation>Ixo ищет способ вывести компьютер из сна.</translation>
    </message>
    <message>
        <source>The schedule is full (1000 entries)</source>
        <translation>Расписание заполнено (1000 записей)</translation>
    </message>
    <message>
        <source>Ixo is already running</source>
        <translation>Ixo уже запущен</translation>
    </message>
    <message>
        <source>Invalid data in file, Data %1</source>
        <translation>Неверные данные в файле, элемент %1</translation>
    </message>
    <message>
        <source>%1 seems to be wrong format</source>
        <translation>%1, похоже, имеет неверный формат</translation>
    </message>
    <message>
        <source>The sound choice could not be saved in %1: %2</source>
        <translation>Не удалось сохранить выбор звука в %1: %2</translation>
    </message>
    <message>
        <source>The font size could not be saved in %1: %2</source>
        <translation>Не удалось сохранить размер шрифта в %1: %2</translation>
    </message>
    <message>
        <source>%1 was not written: its list is no longer open</source>
        <translation>%1 не записан: его список уже закрыт</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>Не удалось записать %1: %2</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>Не удалось прочитать %1: %2</translation>
    </message>
    <message>
        <source>%1, file not found</source>
        <translation>%1, файл не найден</translation>
    </message>
    <message>
        <source>the time is not HH:MM:SS</source>
        <translation>время не в формате HH:MM:SS</translation>
    </message>
    <message>
        <source>the play times are not once, twice, thrice or repeat!</source>
        <translation>недопустимые повторы (нужно once, twice, thrice или repeat!)</translation>
    </message>
    <message>
        <source>the message or the on/off state is of the wrong kind</source>
        <translation>сообщение или состояние вкл./выкл. имеет неверный тип</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not when an alarm comes</source>
        <translation>«%1» не указывает, когда срабатывает сигнал</translation>
    </message>
    <message>
        <source>the skipped date is not YYYY-MM-DD</source>
        <translation>дата пропуска не в формате YYYY-MM-DD</translation>
    </message>
    <message>
        <source>not JSON (%1 at byte %2)</source>
        <translation>не JSON (%1 в байте %2)</translation>
    </message>
    <message>
        <source>not a schedule</source>
        <translation>не расписание</translation>
    </message>
    <message>
        <source>version %1 is not known to this Ixo (it reads %2)</source>
        <translation>версия %1 неизвестна этому Ixo (он читает версию %2)</translation>
    </message>
    <message>
        <source>Entry %1: %2</source>
        <translation>Запись %1: %2</translation>
    </message>
    <message>
        <source>%1 on %2 has passed</source>
        <translation>Время %1 дня %2 уже прошло</translation>
    </message>
    <message>
        <source>The schedule has not been read yet</source>
        <translation>Расписание ещё не прочитано</translation>
    </message>
    <message>
        <source>There is no schedule entry %1</source>
        <translation>В расписании нет записи %1</translation>
    </message>
    <message>
        <source>The schedule file %1 cannot be read (%2); the schedule cannot be changed</source>
        <translation>Не удаётся прочитать файл расписания %1 (%2); расписание нельзя изменить</translation>
    </message>
    <message>
        <source>The schedule could not be saved to %1: %2</source>
        <translation>Не удалось сохранить расписание в %1: %2</translation>
    </message>
    <message>
        <source>No free second is left today for the alarm at %1</source>
        <translation>На сегодня не осталось свободной секунды для сигнала в %1</translation>
    </message>
    <message>
        <source>%1, wave file not found, alarm at %2</source>
        <translation>%1, файл wave не найден, сигнал в %2</translation>
    </message>
    <message>
        <source>Error found, Sound cannot be played, alarm at %1</source>
        <translation>Обнаружена ошибка, не удаётся воспроизвести звук, сигнал в %1</translation>
    </message>
    <message>
        <source>cannot create the program folder %1</source>
        <translation>не удаётся создать папку программы %1</translation>
    </message>
    <message>
        <source>%1 file not found</source>
        <translation>Файл %1 не найден</translation>
    </message>
    <message>
        <source>%1 cannot be read as a picture</source>
        <translation>%1 не удаётся прочитать как изображение</translation>
    </message>
    <message>
        <source>Ixo cannot wake the computer: %1</source>
        <translation>Ixo не может вывести компьютер из сна: %1</translation>
    </message>
</context>
<context>
    <name>Notification</name>
    <message>
        <source>Stop</source>
        <comment>the sounding alarm</comment>
        <translation>Остановить</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Отложить</translation>
    </message>
</context>
<context>
    <name>OverwriteQuestionWindow</name>
    <message>
        <source>Warning Message</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>File already exists, overwrite ?</source>
        <translation>Файл уже существует. Перезаписать?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>Schedule</name>
    <message>
        <source>&apos;%1&apos; is not a date (write YYYY-MM-DD)</source>
        <translation>«%1» — не дата (пишите YYYY-MM-DD)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a day (write tomorrow, a date YYYY-MM-DD, daily, weekdays, weekends or days such as mon,wed,fri)</source>
        <translation>«%1» — не день (пишите tomorrow, дату YYYY-MM-DD, daily, weekdays, weekends или дни, например mon,wed,fri)</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Завтра</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Сегодня</translation>
    </message>
    <message>
        <source>Once on %1</source>
        <translation>Однократно %1</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>Каждый день</translation>
    </message>
    <message>
        <source>Weekdays</source>
        <translation>По будням</translation>
    </message>
    <message>
        <source>Weekends</source>
        <translation>По выходным</translation>
    </message>
</context>
<context>
    <name>ScheduleEditor</name>
    <message>
        <source>Schedule Entry</source>
        <translation>Запись расписания</translation>
    </message>
    <message>
        <source>&amp;Once on</source>
        <translation>&amp;Однократно</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>On &amp;days</source>
        <translation>По &amp;дням</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>Каждый день</translation>
    </message>
    <message>
        <source>Weekdays</source>
        <translation>По будням</translation>
    </message>
    <message>
        <source>Weekends</source>
        <translation>По выходным</translation>
    </message>
    <message>
        <source>&amp;Time:</source>
        <translation>&amp;Время:</translation>
    </message>
    <message>
        <source>&amp;Play:</source>
        <translation>&amp;Повторы:</translation>
    </message>
    <message>
        <source>&amp;Message:</source>
        <translation>&amp;Сообщение:</translation>
    </message>
</context>
<context>
    <name>ScheduleWindow</name>
    <message>
        <source>Schedule</source>
        <translation>Расписание</translation>
    </message>
    <message>
        <source>Schedule entries</source>
        <translation>Записи расписания</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Вкл.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Когда</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Повторы</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Сообщение</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Следующий сигнал</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Добавить...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Изменить...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>&amp;Skip next</source>
        <translation>&amp;Пропустить</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>Skipped on %1</source>
        <translation>Пропущен %1</translation>
    </message>
    <message>
        <source>Edit Schedule Entry</source>
        <translation>Изменение записи расписания</translation>
    </message>
    <message>
        <source>Add Schedule Entry</source>
        <translation>Добавление записи в расписание</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>It is done!</source>
        <translation>Готово!</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Звук включён</translation>
    </message>
    <message>
        <source>Show error message if sound cannot be played</source>
        <translation>Сообщать об ошибке, если звук не воспроизводится</translation>
    </message>
    <message>
        <source>Automatically load alarm events when Tindalo starts</source>
        <translation>Автоматически загружать сигналы при запуске Tindalo</translation>
    </message>
    <message>
        <source>Don&apos;t compare with second</source>
        <translation>Не учитывать секунды</translation>
    </message>
    <message>
        <source>Internal Speaker</source>
        <translation>Встроенный динамик</translation>
    </message>
    <message>
        <source>Use internal speaker instead of wave. (A necessary DLL file is needed , refer to trouble shooting in help.)</source>
        <translation>Использовать встроенный динамик вместо wave. (Нужен файл DLL, см. раздел об устранении неполадок в справке.)</translation>
    </message>
    <message>
        <source>When MCI is busy, use internal speaker instead of midi sound</source>
        <translation>Если MCI занят, использовать встроенный динамик вместо MIDI</translation>
    </message>
    <message>
        <source>test internal speaker</source>
        <translation>проверить встроенный динамик</translation>
    </message>
    <message>
        <source>Font (it will take effect when Tindalo starts next time)</source>
        <translation>Шрифт (вступит в силу при следующем запуске Tindalo)</translation>
    </message>
    <message>
        <source>Use Arial font</source>
        <translation>Использовать шрифт Arial</translation>
    </message>
    <message>
        <source>Enlarge</source>
        <translation>Увеличить</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Обычный</translation>
    </message>
    <message>
        <source>Load Me</source>
        <extracomment>the page that starts Ixo at log-in</extracomment>
        <translation>Автозапуск</translation>
    </message>
    <message>
        <source>Run Tindalo when Windows starts</source>
        <translation>Запускать Tindalo при запуске Windows</translation>
    </message>
    <message>
        <source>Don&apos;t run Tindalo when Windows starts</source>
        <translation>Не запускать Tindalo при запуске Windows</translation>
    </message>
    <message>
        <source>Wake the computer for alarms</source>
        <translation>Выводить компьютер из сна для сигналов</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Ixo could not be set to start at log-in: %1</source>
        <translation>Не удалось настроить запуск Ixo при входе в систему: %1</translation>
    </message>
    <message>
        <source>Ixo&apos;s start at log-in could not be removed: %1</source>
        <translation>Не удалось отключить запуск Ixo при входе в систему: %1</translation>
    </message>
    <message>
        <source>The wake setting could not be saved: %1</source>
        <translation>Не удалось сохранить параметр пробуждения: %1</translation>
    </message>
    <message>
        <source>The settings could not be saved in %1: %2</source>
        <translation>Не удалось сохранить настройки в %1: %2</translation>
    </message>
</context>
<context>
    <name>SnoozeBar</name>
    <message>
        <source>Snooze</source>
        <translation>Отложить</translation>
    </message>
    <message>
        <source>Snooze length</source>
        <translation>Время отсрочки</translation>
    </message>
    <message numerus="yes">
        <source>%n min</source>
        <comment>snooze length in minutes</comment>
        <translation>
            <numerusform>%n мин</numerusform>
            <numerusform>%n мин</numerusform>
            <numerusform>%n мин</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TrayController</name>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Alarm Set</source>
        <translation>Установка сигналов</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation>Обои</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Stop</source>
        <comment>the sounding alarm</comment>
        <translation>Остановить</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Отключить</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Убрать</translation>
    </message>
    <message>
        <source>The help page could not be opened; open it in a web browser: %1</source>
        <translation>Не удалось открыть страницу справки; откройте её в браузере: %1</translation>
    </message>
    <message>
        <source>Help file not found</source>
        <translation>Файл справки не найден</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Расписание</translation>
    </message>
</context>
<context>
    <name>TrayFallbackWindow</name>
    <message>
        <source>No notification area (system tray) was found on this desktop, so Ixo shows its menu here. Alarms keep working while this window is minimized.</source>
        <translation>На этом рабочем столе не найдена область уведомлений (системный лоток), поэтому Ixo показывает своё меню здесь. Сигналы продолжают работать, пока это окно свёрнуто.</translation>
    </message>
</context>
<context>
    <name>WallpaperWindow</name>
    <message>
        <source>Tindalo Alarm Clock - Change Wallpaper</source>
        <translation>Будильник Tindalo — смена обоев</translation>
    </message>
    <message>
        <source>Wallpaper list :</source>
        <translation>Список обоев:</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Delete the selected pictures</source>
        <translation>Удалить выбранные изображения</translation>
    </message>
    <message>
        <source>Delete all pictures</source>
        <translation>Удалить все изображения</translation>
    </message>
    <message>
        <source>Save the list</source>
        <translation>Сохранить список</translation>
    </message>
    <message>
        <source>Load the saved list</source>
        <translation>Загрузить сохранённый список</translation>
    </message>
    <message>
        <source>Change in every</source>
        <translation>Менять каждые</translation>
    </message>
    <message>
        <source>priority</source>
        <extracomment>the pictures change in the list&apos;s order (the other choice: at random)</extracomment>
        <translation>по порядку</translation>
    </message>
    <message>
        <source>random</source>
        <translation>случайно</translation>
    </message>
    <message>
        <source>Save above setting</source>
        <translation>Сохранить эти настройки</translation>
    </message>
    <message>
        <source>Change Now</source>
        <translation>Сменить сейчас</translation>
    </message>
    <message>
        <source>Clear Wallpaper</source>
        <translation>Убрать обои</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>%1 cannot be read as a picture</source>
        <translation>%1 не удаётся прочитать как изображение</translation>
    </message>
    <message>
        <source>%1 file not found</source>
        <translation>Файл %1 не найден</translation>
    </message>
</context>
<context>
    <name>WarningWindow</name>
    <message>
        <source>Warning Message</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
