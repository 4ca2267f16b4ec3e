<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About Ixo</source>
        <translation>关于 Ixo</translation>
    </message>
    <message>
        <source>Alarm clock for the notification area</source>
        <translation>通知区域中的闹钟</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>AlarmMessageWindow</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>消息</translation>
    </message>
</context>
<context>
    <name>AlarmSetWindow</name>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Alarm time is :</source>
        <translation>闹钟时间：</translation>
    </message>
    <message>
        <source>Play Times</source>
        <extracomment>how often the alarm sound plays (once, twice, thrice, repeat!)</extracomment>
        <translation>播放次数</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Add with a message</source>
        <translation>添加并附带消息</translation>
    </message>
    <message>
        <source>Play list :</source>
        <translation>播放列表：</translation>
    </message>
    <message>
        <source>View Message</source>
        <translation>查看消息</translation>
    </message>
    <message>
        <source>Delete the selected event</source>
        <translation>删除所选闹钟</translation>
    </message>
    <message>
        <source>Delete all events</source>
        <translation>删除所有闹钟</translation>
    </message>
    <message>
        <source>Song</source>
        <extracomment>the alarm sound picked in the box</extracomment>
        <translation>铃声</translation>
    </message>
    <message>
        <source>Play the sound once</source>
        <translation>播放一次铃声</translation>
    </message>
    <message>
        <source>Every</source>
        <extracomment>the chime: &quot;Every [15] min&quot;</extracomment>
        <translation>每隔</translation>
    </message>
    <message>
        <source>min</source>
        <translation>分钟</translation>
    </message>
    <message>
        <source>Load alarm events from a file</source>
        <translation>从文件载入闹钟</translation>
    </message>
    <message>
        <source>Save the alarm events to a file</source>
        <translation>将闹钟保存到文件</translation>
    </message>
    <message>
        <source>Edit an alarm data file</source>
        <translation>编辑闹钟数据文件</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>closes this window; Ixo keeps running</extracomment>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Hide Message</source>
        <translation>隐藏消息</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>ixo: the session bus cannot be reached: %1</source>
        <translation>ixo：无法连接会话总线：%1</translation>
    </message>
    <message>
        <source>Ixo is not running</source>
        <translation>Ixo 未在运行</translation>
    </message>
    <message>
        <source>--add needs a time</source>
        <translation>--add 需要一个时间</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a time (write 7:30pm, 7:30 pm, 19:30 or 19:30:00)</source>
        <translation>“%1”不是时间（请写成 7:30pm、7:30 pm、19:30 或 19:30:00）</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is an option, not a message (put -- before such a message)</source>
        <translation>“%1”是选项而不是消息（请在此类消息前加上 --）</translation>
    </message>
    <message>
        <source>--snooze takes one number of minutes</source>
        <translation>--snooze 只接受一个分钟数</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number of minutes from 1 to %2</source>
        <translation>“%1”不是 1 到 %2 之间的分钟数</translation>
    </message>
    <message>
        <source>%1 takes no arguments</source>
        <translation>%1 不接受参数</translation>
    </message>
    <message>
        <source>%1 must come first</source>
        <translation>%1 必须放在最前面</translation>
    </message>
    <message>
        <source>unknown argument &apos;%1&apos;</source>
        <translation>未知参数“%1”</translation>
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
        <translation>用法：ixo [--help | --version]
      ixo --add TIME [once|twice|thrice|repeat!] [--] [MESSAGE]
      ixo --list | --stop | --snooze [MINUTES]
通知区域中的闹钟。不带选项启动时，Ixo 会将图标放入系统托盘；其窗口从图标菜单中打开。
其他选项会询问本会话中运行的 Ixo 后结束；如果没有 Ixo 在运行或无法连接会话总线，
它们会说明原因并以 1 退出。

  -h, --help        显示此帮助并退出
  --version         显示版本并退出
  --add TIME [WORD] [--] [MESSAGE]
                    添加今天 TIME（7:30pm、7:30 pm、19:30 或 19:30:00）的闹钟，播放一次（once，默认）、
                    两次（twice）、三次（thrice）或直到停止（repeat!），响铃时显示 MESSAGE（-- 之后，
                    以 - 开头的词也算消息）；检查方式与“设置闹钟”窗口的“添加”相同，被拒绝时输出窗口
                    给出的原因并以 1 退出
  --list            列出当天的闹钟，然后列出其消息
  --stop            停止闹钟声音，同托盘菜单中的“停止”
  --snooze [MINUTES]
                    将正在响的闹钟推迟 MINUTES 分钟（省略时为 10）
</translation>
    </message>
    <message>
        <source>--on needs WHEN</source>
        <translation>--on 需要 WHEN</translation>
    </message>
    <message>
        <source>--unschedule takes the number of an entry</source>
        <translation>--unschedule 需要一个条目编号</translation>
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
今天以后的闹钟（计划）：
  --add TIME [WORD] [MESSAGE] --on WHEN
                    添加一个计划条目；WHEN 为 tomorrow、日期 YYYY-MM-DD、daily、
                    weekdays、weekends 或 mon,wed,fri 这样的星期几；输出该条目的
                    编号及其下次响铃时间
  --list            同时列出计划：编号、何时、时间、播放次数、消息和下次响铃时间，
                    以制表符分隔
  --unschedule N    删除计划条目 N
</translation>
    </message>
</context>
<context>
    <name>DataFileChooser</name>
    <message>
        <source>Load Data From Files</source>
        <translation>从文件载入数据</translation>
    </message>
    <message>
        <source>Load data from files :</source>
        <translation>从文件载入数据：</translation>
    </message>
    <message>
        <source>Input file name :</source>
        <translation>文件名：</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Save file as :</source>
        <translation>文件另存为：</translation>
    </message>
    <message>
        <source>Open a file to edit data :</source>
        <translation>打开文件以编辑数据：</translation>
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
        <translation>yyyy年M月d日 / HH:mm</translation>
    </message>
    <message>
        <source>ddd d MMM</source>
        <translation>M月d日 ddd</translation>
    </message>
</context>
<context>
    <name>ErrorListWindow</name>
    <message>
        <source>Error found</source>
        <translation>发现错误</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>MessageInputWindow</name>
    <message>
        <source>Input Message</source>
        <translation>输入消息</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Abandon</source>
        <translation>放弃</translation>
    </message>
    <message>
        <source>Font size :</source>
        <translation>字号：</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Alarm at %1</source>
        <translation>%1 的闹钟</translation>
    </message>
    <message>
        <source>notepad and wordpad not found</source>
        <translation>未找到 notepad 和 wordpad</translation>
    </message>
    <message>
        <source>Invalid input</source>
        <translation>输入无效</translation>
    </message>
    <message>
        <source>Time input example 12:59:01</source>
        <translation>时间输入示例：12:59:01</translation>
    </message>
    <message>
        <source>Time was passed or next day</source>
        <translation>该时间已过或属于次日</translation>
    </message>
    <message>
        <source>Alarm time already exists</source>
        <translation>该闹钟时间已存在</translation>
    </message>
    <message>
        <source>The alarm list is full (32767 events)</source>
        <translation>闹钟列表已满（32767 个）</translation>
    </message>
    <message>
        <source>Tindalo Alarm Clock...</source>
        <translation>Tindalo 闹钟...</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>载入</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>No file is chosen</source>
        <translation>未选择文件</translation>
    </message>
    <message>
        <source>Wpaper.dat has data of wallpaper</source>
        <translation>Wpaper.dat 存放的是壁纸数据</translation>
    </message>
    <message>
        <source>No message input or Play list time was executed</source>
        <translation>未输入消息或未选择播放列表中的时间</translation>
    </message>
    <message>
        <source>The message list is full (32767 messages)</source>
        <translation>消息列表已满（32767 条）</translation>
    </message>
    <message>
        <source>No alarm is sounding</source>
        <translation>没有正在响铃的闹钟</translation>
    </message>
    <message>
        <source>This alarm is snoozed already</source>
        <translation>此闹钟已设置稍后提醒</translation>
    </message>
    <message>
        <source>Play times must be once, twice, thrice or repeat!</source>
        <translation>播放次数必须是 once、twice、thrice 或 repeat!</translation>
    </message>
    <message>
        <source>A message may hold at most 626 characters</source>
        <translation>消息最多可包含 626 个字符</translation>
    </message>
    <message>
        <source>Snooze takes 1 to 1439 minutes</source>
        <translation>稍后提醒时长为 1 到 1439 分钟</translation>
    </message>
    <message>
        <source>cannot play sound from internal speaker, refer to trouble shooting in help</source>
        <translation>无法通过内置扬声器播放声音，请参阅帮助中的故障排除</translation>
    </message>
    <message>
        <source>Ixo does not wake the computer.</source>
        <translation>Ixo 不会唤醒计算机。</translation>
    </message>
    <message>
        <source>Ixo wakes the computer by the system timer.</source>
        <translation>Ixo 通过系统定时器唤醒计算机。</translation>
    </message>
    <message>
        <source>Ixo wakes the computer by the KDE power manager.</source>
        <translation>Ixo 通过 KDE 电源管理器唤醒计算机。</translation>
    </message>
    <message>
        <source>Ixo wakes the computer by the wake helper.</source>
        <translation>Ixo 通过唤醒辅助程序唤醒计算机。</translation>
    </message>
    <message>
        <source>Ixo is looking for a way to wake the computer.</source>
        <translation>Ixo 正在寻找唤醒计算机的方法。</translation>
    </message>
    <message>
        <source>The schedule is full (1000 entries)</source>
        <translation>计划已满（1000 个条目）</translation>
    </message>
    <message>
        <source>Ixo is already running</source>
        <translation>Ixo 已在运行</translation>
    </message>
    <message>
        <source>Invalid data in file, Data %1</source>
        <translation>文件中的数据无效，第 %1 项</translation>
    </message>
    <message>
        <source>%1 seems to be wrong format</source>
        <translation>%1 的格式似乎有误</translation>
    </message>
    <message>
        <source>The sound choice could not be saved in %1: %2</source>
        <translation>无法将铃声选择保存到 %1：%2</translation>
    </message>
    <message>
        <source>The font size could not be saved in %1: %2</source>
        <translation>无法将字号保存到 %1：%2</translation>
    </message>
    <message>
        <source>%1 was not written: its list is no longer open</source>
        <translation>未写入 %1：对应的列表已关闭</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>无法读取 %1：%2</translation>
    </message>
    <message>
        <source>%1, file not found</source>
        <translation>%1，未找到文件</translation>
    </message>
    <message>
        <source>the time is not HH:MM:SS</source>
        <translation>时间不是 HH:MM:SS 格式</translation>
    </message>
    <message>
        <source>the play times are not once, twice, thrice or repeat!</source>
        <translation>播放次数不是 once、twice、thrice 或 repeat!</translation>
    </message>
    <message>
        <source>the message or the on/off state is of the wrong kind</source>
        <translation>消息或启用/停用状态的类型错误</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not when an alarm comes</source>
        <translation>“%1”不能表示闹钟何时响铃</translation>
    </message>
    <message>
        <source>the skipped date is not YYYY-MM-DD</source>
        <translation>跳过的日期不是 YYYY-MM-DD 格式</translation>
    </message>
    <message>
        <source>not JSON (%1 at byte %2)</source>
        <translation>不是 JSON（%1，位于第 %2 字节）</translation>
    </message>
    <message>
        <source>not a schedule</source>
        <translation>不是计划</translation>
    </message>
    <message>
        <source>version %1 is not known to this Ixo (it reads %2)</source>
        <translation>此 Ixo 无法识别版本 %1（它读取的是版本 %2）</translation>
    </message>
    <message>
        <source>Entry %1: %2</source>
        <translation>条目 %1：%2</translation>
    </message>
    <message>
        <source>%1 on %2 has passed</source>
        <translation>%2 %1 已经过去</translation>
    </message>
    <message>
        <source>The schedule has not been read yet</source>
        <translation>尚未读取计划</translation>
    </message>
    <message>
        <source>There is no schedule entry %1</source>
        <translation>不存在计划条目 %1</translation>
    </message>
    <message>
        <source>The schedule file %1 cannot be read (%2); the schedule cannot be changed</source>
        <translation>无法读取计划文件 %1（%2）；无法更改计划</translation>
    </message>
    <message>
        <source>The schedule could not be saved to %1: %2</source>
        <translation>无法将计划保存到 %1：%2</translation>
    </message>
    <message>
        <source>No free second is left today for the alarm at %1</source>
        <translation>今天已没有空闲的秒可用于 %1 的闹钟</translation>
    </message>
    <message>
        <source>%1, wave file not found, alarm at %2</source>
        <translation>%1，未找到 wave 文件，闹钟时间 %2</translation>
    </message>
    <message>
        <source>Error found, Sound cannot be played, alarm at %1</source>
        <translation>发现错误，无法播放铃声，闹钟时间 %1</translation>
    </message>
    <message>
        <source>cannot create the program folder %1</source>
        <translation>无法创建程序文件夹 %1</translation>
    </message>
    <message>
        <source>%1 file not found</source>
        <translation>未找到文件 %1</translation>
    </message>
    <message>
        <source>%1 cannot be read as a picture</source>
        <translation>无法将 %1 作为图片读取</translation>
    </message>
    <message>
        <source>Ixo cannot wake the computer: %1</source>
        <translation>Ixo 无法唤醒计算机：%1</translation>
    </message>
</context>
<context>
    <name>Notification</name>
    <message>
        <source>Stop</source>
        <comment>the sounding alarm</comment>
        <translation>停止</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>稍后提醒</translation>
    </message>
</context>
<context>
    <name>OverwriteQuestionWindow</name>
    <message>
        <source>Warning Message</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>File already exists, overwrite ?</source>
        <translation>文件已存在，是否覆盖？</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>Schedule</name>
    <message>
        <source>&apos;%1&apos; is not a date (write YYYY-MM-DD)</source>
        <translation>“%1”不是日期（请写成 YYYY-MM-DD）</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a day (write tomorrow, a date YYYY-MM-DD, daily, weekdays, weekends or days such as mon,wed,fri)</source>
        <translation>“%1”不是有效的日期或星期（请写成 tomorrow、日期 YYYY-MM-DD、daily、weekdays、weekends 或 mon,wed,fri 这样的星期几）</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>明天</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>今天</translation>
    </message>
    <message>
        <source>Once on %1</source>
        <translation>仅在 %1</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>每天</translation>
    </message>
    <message>
        <source>Weekdays</source>
        <translation>工作日</translation>
    </message>
    <message>
        <source>Weekends</source>
        <translation>周末</translation>
    </message>
</context>
<context>
    <name>ScheduleEditor</name>
    <message>
        <source>Schedule Entry</source>
        <translation>计划条目</translation>
    </message>
    <message>
        <source>&amp;Once on</source>
        <translation>仅在(&amp;O)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>On &amp;days</source>
        <translation>按星期(&amp;D)</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>每天</translation>
    </message>
    <message>
        <source>Weekdays</source>
        <translation>工作日</translation>
    </message>
    <message>
        <source>Weekends</source>
        <translation>周末</translation>
    </message>
    <message>
        <source>&amp;Time:</source>
        <translation>时间(&amp;T)：</translation>
    </message>
    <message>
        <source>&amp;Play:</source>
        <translation>播放次数(&amp;P)：</translation>
    </message>
    <message>
        <source>&amp;Message:</source>
        <translation>消息(&amp;M)：</translation>
    </message>
</context>
<context>
    <name>ScheduleWindow</name>
    <message>
        <source>Schedule</source>
        <translation>计划</translation>
    </message>
    <message>
        <source>Schedule entries</source>
        <translation>计划条目</translation>
    </message>
    <message>
        <source>On</source>
        <translation>启用</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>When</source>
        <translation>何时</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放次数</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>消息</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下次响铃</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>添加(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>编辑(&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>移除(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Skip next</source>
        <translation>跳过下次(&amp;S)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>停用</translation>
    </message>
    <message>
        <source>Skipped on %1</source>
        <translation>已跳过 %1</translation>
    </message>
    <message>
        <source>Edit Schedule Entry</source>
        <translation>编辑计划条目</translation>
    </message>
    <message>
        <source>Add Schedule Entry</source>
        <translation>添加计划条目</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>It is done!</source>
        <translation>已完成！</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>开启声音</translation>
    </message>
    <message>
        <source>Show error message if sound cannot be played</source>
        <translation>无法播放声音时显示错误消息</translation>
    </message>
    <message>
        <source>Automatically load alarm events when Tindalo starts</source>
        <translation>Tindalo 启动时自动载入闹钟</translation>
    </message>
    <message>
        <source>Don&apos;t compare with second</source>
        <translation>不比较秒数</translation>
    </message>
    <message>
        <source>Internal Speaker</source>
        <translation>内置扬声器</translation>
    </message>
    <message>
        <source>Use internal speaker instead of wave. (A necessary DLL file is needed , refer to trouble shooting in help.)</source>
        <translation>使用内置扬声器代替 wave 声音。（需要一个 DLL 文件，请参阅帮助中的故障排除。）</translation>
    </message>
    <message>
        <source>When MCI is busy, use internal speaker instead of midi sound</source>
        <translation>MCI 忙碌时，使用内置扬声器代替 MIDI 声音</translation>
    </message>
    <message>
        <source>test internal speaker</source>
        <translation>测试内置扬声器</translation>
    </message>
    <message>
        <source>Font (it will take effect when Tindalo starts next time)</source>
        <translation>字体（下次启动 Tindalo 时生效）</translation>
    </message>
    <message>
        <source>Use Arial font</source>
        <translation>使用 Arial 字体</translation>
    </message>
    <message>
        <source>Enlarge</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>正常</translation>
    </message>
    <message>
        <source>Load Me</source>
        <extracomment>the page that starts Ixo at log-in</extracomment>
        <translation>自动启动</translation>
    </message>
    <message>
        <source>Run Tindalo when Windows starts</source>
        <translation>Windows 启动时运行 Tindalo</translation>
    </message>
    <message>
        <source>Don&apos;t run Tindalo when Windows starts</source>
        <translation>Windows 启动时不运行 Tindalo</translation>
    </message>
    <message>
        <source>Wake the computer for alarms</source>
        <translation>为闹钟唤醒计算机</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Ixo could not be set to start at log-in: %1</source>
        <translation>无法设置 Ixo 在登录时启动：%1</translation>
    </message>
    <message>
        <source>Ixo&apos;s start at log-in could not be removed: %1</source>
        <translation>无法取消 Ixo 在登录时启动：%1</translation>
    </message>
    <message>
        <source>The wake setting could not be saved: %1</source>
        <translation>无法保存唤醒设置：%1</translation>
    </message>
    <message>
        <source>The settings could not be saved in %1: %2</source>
        <translation>无法将设置保存到 %1：%2</translation>
    </message>
</context>
<context>
    <name>SnoozeBar</name>
    <message>
        <source>Snooze</source>
        <translation>稍后提醒</translation>
    </message>
    <message>
        <source>Snooze length</source>
        <translation>稍后提醒时长</translation>
    </message>
    <message numerus="yes">
        <source>%n min</source>
        <comment>snooze length in minutes</comment>
        <translation>
            <numerusform>%n 分钟</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TrayController</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Alarm Set</source>
        <translation>设置闹钟</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation>壁纸</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Stop</source>
        <comment>the sounding alarm</comment>
        <translation>停止</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>禁用</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>The help page could not be opened; open it in a web browser: %1</source>
        <translation>无法打开帮助页面；请在网页浏览器中打开：%1</translation>
    </message>
    <message>
        <source>Help file not found</source>
        <translation>未找到帮助文件</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>计划</translation>
    </message>
</context>
<context>
    <name>TrayFallbackWindow</name>
    <message>
        <source>No notification area (system tray) was found on this desktop, so Ixo shows its menu here. Alarms keep working while this window is minimized.</source>
        <translation>在此桌面上未找到通知区域（系统托盘），因此 Ixo 在此显示其菜单。此窗口最小化时闹钟仍会正常工作。</translation>
    </message>
</context>
<context>
    <name>WallpaperWindow</name>
    <message>
        <source>Tindalo Alarm Clock - Change Wallpaper</source>
        <translation>Tindalo 闹钟 - 更换壁纸</translation>
    </message>
    <message>
        <source>Wallpaper list :</source>
        <translation>壁纸列表：</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Delete the selected pictures</source>
        <translation>删除所选图片</translation>
    </message>
    <message>
        <source>Delete all pictures</source>
        <translation>删除所有图片</translation>
    </message>
    <message>
        <source>Save the list</source>
        <translation>保存列表</translation>
    </message>
    <message>
        <source>Load the saved list</source>
        <translation>载入已保存的列表</translation>
    </message>
    <message>
        <source>Change in every</source>
        <translation>更换间隔</translation>
    </message>
    <message>
        <source>priority</source>
        <extracomment>the pictures change in the list&apos;s order (the other choice: at random)</extracomment>
        <translation>按顺序</translation>
    </message>
    <message>
        <source>random</source>
        <translation>随机</translation>
    </message>
    <message>
        <source>Save above setting</source>
        <translation>保存以上设置</translation>
    </message>
    <message>
        <source>Change Now</source>
        <translation>立即更换</translation>
    </message>
    <message>
        <source>Clear Wallpaper</source>
        <translation>清除壁纸</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>%1 cannot be read as a picture</source>
        <translation>无法将 %1 作为图片读取</translation>
    </message>
    <message>
        <source>%1 file not found</source>
        <translation>未找到文件 %1</translation>
    </message>
</context>
<context>
    <name>WarningWindow</name>
    <message>
        <source>Warning Message</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
</TS>
