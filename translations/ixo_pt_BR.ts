<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About Ixo</source>
        <translation>Sobre o Ixo</translation>
    </message>
    <message>
        <source>Alarm clock for the notification area</source>
        <translation>Despertador para a área de notificação</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
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
        <translation>Mensagem</translation>
    </message>
</context>
<context>
    <name>AlarmSetWindow</name>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Alarm time is :</source>
        <translation>Hora do alarme:</translation>
    </message>
    <message>
        <source>Play Times</source>
        <extracomment>how often the alarm sound plays (once, twice, thrice, repeat!)</extracomment>
        <translation>Repetições</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Add with a message</source>
        <translation>Adicionar com uma mensagem</translation>
    </message>
    <message>
        <source>Play list :</source>
        <translation>Lista de reprodução:</translation>
    </message>
    <message>
        <source>View Message</source>
        <translation>Ver mensagem</translation>
    </message>
    <message>
        <source>Delete the selected event</source>
        <translation>Excluir o alarme selecionado</translation>
    </message>
    <message>
        <source>Delete all events</source>
        <translation>Excluir todos os alarmes</translation>
    </message>
    <message>
        <source>Song</source>
        <extracomment>the alarm sound picked in the box</extracomment>
        <translation>Som</translation>
    </message>
    <message>
        <source>Play the sound once</source>
        <translation>Tocar o som uma vez</translation>
    </message>
    <message>
        <source>Every</source>
        <extracomment>the chime: &quot;Every [15] min&quot;</extracomment>
        <translation>A cada</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Load alarm events from a file</source>
        <translation>Carregar alarmes de um arquivo</translation>
    </message>
    <message>
        <source>Save the alarm events to a file</source>
        <translation>Salvar os alarmes em um arquivo</translation>
    </message>
    <message>
        <source>Edit an alarm data file</source>
        <translation>Editar um arquivo de dados de alarmes</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>closes this window; Ixo keeps running</extracomment>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Hide Message</source>
        <translation>Ocultar mensagem</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>ixo: the session bus cannot be reached: %1</source>
        <translation>ixo: não é possível acessar o barramento da sessão: %1</translation>
    </message>
    <message>
        <source>Ixo is not running</source>
        <translation>O Ixo não está em execução</translation>
    </message>
    <message>
        <source>--add needs a time</source>
        <translation>--add precisa de um horário</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a time (write 7:30pm, 7:30 pm, 19:30 or 19:30:00)</source>
        <translation>“%1” não é um horário (escreva 7:30pm, 7:30 pm, 19:30 ou 19:30:00)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is an option, not a message (put -- before such a message)</source>
        <translation>“%1” é uma opção, não uma mensagem (coloque -- antes de uma mensagem assim)</translation>
    </message>
    <message>
        <source>--snooze takes one number of minutes</source>
        <translation>--snooze aceita um número de minutos</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number of minutes from 1 to %2</source>
        <translation>“%1” não é um número de minutos de 1 a %2</translation>
    </message>
    <message>
        <source>%1 takes no arguments</source>
        <translation>%1 não aceita argumentos</translation>
    </message>
    <message>
        <source>%1 must come first</source>
        <translation>%1 deve vir primeiro</translation>
    </message>
    <message>
        <source>unknown argument &apos;%1&apos;</source>
        <translation>argumento desconhecido “%1”</translation>
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
Um despertador na área de notificação. Iniciado sem opções, o Ixo coloca seu ícone na bandeja do
sistema; suas janelas são abertas pelo menu do ícone. As outras opções consultam o Ixo desta sessão
e terminam; sem nenhum em execução, ou sem barramento de sessão acessível, elas avisam e saem com 1.

  -h, --help        mostrar esta ajuda e sair
  --version         mostrar a versão e sair
  --add TIME [WORD] [--] [MESSAGE]
                    adicionar um alarme para hoje às TIME (7:30pm, 7:30 pm, 19:30 ou 19:30:00), tocado uma
                    vez (once, padrão), duas (twice), três (thrice) ou até ser parado (repeat!), com MESSAGE
                    mostrada ao disparar (após --, também palavras que começam com -); verificado como
                    Adicionar na janela Definir alarme, uma recusa mostra o motivo da janela e sai com 1
  --list            mostrar os alarmes do dia e depois suas mensagens
  --stop            parar o som do alarme, como Parar no menu
  --snooze [MINUTES]
                    adiar o alarme que está tocando por MINUTES minutos (10 se omitido)
</translation>
    </message>
    <message>
        <source>--on needs WHEN</source>
        <translation>--on precisa de WHEN</translation>
    </message>
    <message>
        <source>--unschedule takes the number of an entry</source>
        <translation>--unschedule aceita o número de uma entrada</translation>
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
Alarmes além de hoje (a agenda):
  --add TIME [WORD] [MESSAGE] --on WHEN
                    adicionar uma entrada à agenda; WHEN é tomorrow, uma data YYYY-MM-DD, daily,
                    weekdays, weekends ou dias como mon,wed,fri; mostra o número da entrada
                    e seu próximo alarme
  --list            mostrar também a agenda: número, quando, horário, repetições,
                    mensagem e próximo alarme, separados por tabulações
  --unschedule N    remover a entrada N da agenda
</translation>
    </message>
</context>
<context>
    <name>DataFileChooser</name>
    <message>
        <source>Load Data From Files</source>
        <translation>Carregar dados de arquivos</translation>
    </message>
    <message>
        <source>Load data from files :</source>
        <translation>Carregar dados de arquivos:</translation>
    </message>
    <message>
        <source>Input file name :</source>
        <translation>Nome do arquivo:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save file as :</source>
        <translation>Salvar arquivo como:</translation>
    </message>
    <message>
        <source>Open a file to edit data :</source>
        <translation>Abrir um arquivo para editar os dados:</translation>
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
        <translation>dd &apos;de&apos; MMM &apos;de&apos; yyyy / HH:mm</translation>
    </message>
    <message>
        <source>ddd d MMM</source>
        <translation>ddd, d &apos;de&apos; MMM</translation>
    </message>
</context>
<context>
    <name>ErrorListWindow</name>
    <message>
        <source>Error found</source>
        <translation>Erro encontrado</translation>
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
        <translation>Inserir mensagem</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Abandon</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Font size :</source>
        <translation>Tamanho da fonte:</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Alarm at %1</source>
        <translation>Alarme às %1</translation>
    </message>
    <message>
        <source>notepad and wordpad not found</source>
        <translation>notepad e wordpad não encontrados</translation>
    </message>
    <message>
        <source>Invalid input</source>
        <translation>Entrada inválida</translation>
    </message>
    <message>
        <source>Time input example 12:59:01</source>
        <translation>Exemplo de horário: 12:59:01</translation>
    </message>
    <message>
        <source>Time was passed or next day</source>
        <translation>O horário já passou ou é do dia seguinte</translation>
    </message>
    <message>
        <source>Alarm time already exists</source>
        <translation>Esse horário de alarme já existe</translation>
    </message>
    <message>
        <source>The alarm list is full (32767 events)</source>
        <translation>A lista de alarmes está cheia (32767 alarmes)</translation>
    </message>
    <message>
        <source>Tindalo Alarm Clock...</source>
        <translation>Despertador Tindalo...</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Carregar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>No file is chosen</source>
        <translation>Nenhum arquivo escolhido</translation>
    </message>
    <message>
        <source>Wpaper.dat has data of wallpaper</source>
        <translation>Wpaper.dat contém dados do papel de parede</translation>
    </message>
    <message>
        <source>No message input or Play list time was executed</source>
        <translation>Nenhuma mensagem inserida nem horário da lista de reprodução escolhido</translation>
    </message>
    <message>
        <source>The message list is full (32767 messages)</source>
        <translation>A lista de mensagens está cheia (32767 mensagens)</translation>
    </message>
    <message>
        <source>No alarm is sounding</source>
        <translation>Nenhum alarme está tocando</translation>
    </message>
    <message>
        <source>This alarm is snoozed already</source>
        <translation>Este alarme já está em soneca</translation>
    </message>
    <message>
        <source>Play times must be once, twice, thrice or repeat!</source>
        <translation>As repetições devem ser once, twice, thrice ou repeat!</translation>
    </message>
    <message>
        <source>A message may hold at most 626 characters</source>
        <translation>Uma mensagem pode ter no máximo 626 caracteres</translation>
    </message>
    <message>
        <source>Snooze takes 1 to 1439 minutes</source>
        <translation>A soneca aceita de 1 a 1439 minutos</translation>
    </message>
    <message>
        <source>cannot play sound from internal speaker, refer to trouble shooting in help</source>
        <translation>não é possível tocar o som pelo alto-falante interno, consulte a solução de problemas na ajuda</translation>
    </message>
    <message>
        <source>Ixo does not wake the computer.</source>
        <translation>O Ixo não desperta o computador.</translation>
    </message>
    <message>
        <source>Ixo wakes the computer by the system timer.</source>
        <translation>O Ixo desperta o computador pelo temporizador do sistema.</translation>
    </message>
    <message>
        <source>Ixo wakes the computer by the KDE power manager.</source>
        <translation>O Ixo desperta o computador pelo gerenciador de energia do KDE.</translation>
    </message>
    <message>
        <source>Ixo wakes the computer by the wake helper.</source>
        <translation>O Ixo desperta o computador pelo auxiliar de despertar.</translation>
    </message>
    <message>
        <source>Ixo is looking for a way to wake the computer.</source>
        <translation>O Ixo está procurando uma forma de despertar o computador.</translation>
    </message>
    <message>
        <source>The schedule is full (1000 entries)</source>
        <translation>A agenda está cheia (1000 entradas)</translation>
    </message>
    <message>
        <source>Ixo is already running</source>
        <translation>O Ixo já está em execução</translation>
    </message>
    <message>
        <source>Invalid data in file, Data %1</source>
        <translation>Dados inválidos no arquivo, item %1</translation>
    </message>
    <message>
        <source>%1 seems to be wrong format</source>
        <translation>%1 parece estar em um formato incorreto</translation>
    </message>
    <message>
        <source>The sound choice could not be saved in %1: %2</source>
        <translation>Não foi possível salvar a escolha do som em %1: %2</translation>
    </message>
    <message>
        <source>The font size could not be saved in %1: %2</source>
        <translation>Não foi possível salvar o tamanho da fonte em %1: %2</translation>
    </message>
    <message>
        <source>%1 was not written: its list is no longer open</source>
        <translation>%1 não foi gravado: a lista dele não está mais aberta</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>Não foi possível gravar %1: %2</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>Não foi possível ler %1: %2</translation>
    </message>
    <message>
        <source>%1, file not found</source>
        <translation>%1, arquivo não encontrado</translation>
    </message>
    <message>
        <source>the time is not HH:MM:SS</source>
        <translation>o horário não está no formato HH:MM:SS</translation>
    </message>
    <message>
        <source>the play times are not once, twice, thrice or repeat!</source>
        <translation>as repetições não são once, twice, thrice nem repeat!</translation>
    </message>
    <message>
        <source>the message or the on/off state is of the wrong kind</source>
        <translation>a mensagem ou o estado ativado/desativado é do tipo errado</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not when an alarm comes</source>
        <translation>“%1” não indica quando o alarme toca</translation>
    </message>
    <message>
        <source>the skipped date is not YYYY-MM-DD</source>
        <translation>a data pulada não está no formato YYYY-MM-DD</translation>
    </message>
    <message>
        <source>not JSON (%1 at byte %2)</source>
        <translation>não é JSON (%1 no byte %2)</translation>
    </message>
    <message>
        <source>not a schedule</source>
        <translation>não é uma agenda</translation>
    </message>
    <message>
        <source>version %1 is not known to this Ixo (it reads %2)</source>
        <translation>a versão %1 é desconhecida para este Ixo (ele lê a versão %2)</translation>
    </message>
    <message>
        <source>Entry %1: %2</source>
        <translation>Entrada %1: %2</translation>
    </message>
    <message>
        <source>%1 on %2 has passed</source>
        <translation>%2 às %1 já passou</translation>
    </message>
    <message>
        <source>The schedule has not been read yet</source>
        <translation>A agenda ainda não foi lida</translation>
    </message>
    <message>
        <source>There is no schedule entry %1</source>
        <translation>Não existe a entrada %1 na agenda</translation>
    </message>
    <message>
        <source>The schedule file %1 cannot be read (%2); the schedule cannot be changed</source>
        <translation>Não é possível ler o arquivo da agenda %1 (%2); a agenda não pode ser alterada</translation>
    </message>
    <message>
        <source>The schedule could not be saved to %1: %2</source>
        <translation>Não foi possível salvar a agenda em %1: %2</translation>
    </message>
    <message>
        <source>No free second is left today for the alarm at %1</source>
        <translation>Não resta nenhum segundo livre hoje para o alarme das %1</translation>
    </message>
    <message>
        <source>%1, wave file not found, alarm at %2</source>
        <translation>%1, arquivo wave não encontrado, alarme às %2</translation>
    </message>
    <message>
        <source>Error found, Sound cannot be played, alarm at %1</source>
        <translation>Erro encontrado, não é possível tocar o som, alarme às %1</translation>
    </message>
    <message>
        <source>cannot create the program folder %1</source>
        <translation>não é possível criar a pasta do programa %1</translation>
    </message>
    <message>
        <source>%1 file not found</source>
        <translation>Arquivo %1 não encontrado</translation>
    </message>
    <message>
        <source>%1 cannot be read as a picture</source>
        <translation>%1 não pode ser lido como imagem</translation>
    </message>
    <message>
        <source>Ixo cannot wake the computer: %1</source>
        <translation>O Ixo não pode despertar o computador: %1</translation>
    </message>
</context>
<context>
    <name>Notification</name>
    <message>
        <source>Stop</source>
        <comment>the sounding alarm</comment>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Soneca</translation>
    </message>
</context>
<context>
    <name>OverwriteQuestionWindow</name>
    <message>
        <source>Warning Message</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>File already exists, overwrite ?</source>
        <translation>O arquivo já existe. Sobrescrever?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
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
        <translation>“%1” não é uma data (escreva YYYY-MM-DD)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a day (write tomorrow, a date YYYY-MM-DD, daily, weekdays, weekends or days such as mon,wed,fri)</source>
        <translation>“%1” não é um dia (escreva tomorrow, uma data YYYY-MM-DD, daily, weekdays, weekends ou dias como mon,wed,fri)</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Amanhã</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoje</translation>
    </message>
    <message>
        <source>Once on %1</source>
        <translation>Uma vez em %1</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>Todos os dias</translation>
    </message>
    <message>
        <source>Weekdays</source>
        <translation>Dias úteis</translation>
    </message>
    <message>
        <source>Weekends</source>
        <translation>Fins de semana</translation>
    </message>
</context>
<context>
    <name>ScheduleEditor</name>
    <message>
        <source>Schedule Entry</source>
        <translation>Entrada da agenda</translation>
    </message>
    <message>
        <source>&amp;Once on</source>
        <translation>&amp;Uma vez em</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>On &amp;days</source>
        <translation>Nos &amp;dias</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>Todos os dias</translation>
    </message>
    <message>
        <source>Weekdays</source>
        <translation>Dias úteis</translation>
    </message>
    <message>
        <source>Weekends</source>
        <translation>Fins de semana</translation>
    </message>
    <message>
        <source>&amp;Time:</source>
        <translation>&amp;Horário:</translation>
    </message>
    <message>
        <source>&amp;Play:</source>
        <translation>&amp;Repetições:</translation>
    </message>
    <message>
        <source>&amp;Message:</source>
        <translation>&amp;Mensagem:</translation>
    </message>
</context>
<context>
    <name>ScheduleWindow</name>
    <message>
        <source>Schedule</source>
        <translation>Agenda</translation>
    </message>
    <message>
        <source>Schedule entries</source>
        <translation>Entradas da agenda</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ativado</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Horário</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Quando</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Repetições</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensagem</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Próximo alarme</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Adicionar...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Editar...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Remover</translation>
    </message>
    <message>
        <source>&amp;Skip next</source>
        <translation>&amp;Pular o próximo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desativado</translation>
    </message>
    <message>
        <source>Skipped on %1</source>
        <translation>Pulado em %1</translation>
    </message>
    <message>
        <source>Edit Schedule Entry</source>
        <translation>Editar entrada da agenda</translation>
    </message>
    <message>
        <source>Add Schedule Entry</source>
        <translation>Adicionar entrada à agenda</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>It is done!</source>
        <translation>Pronto!</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Som ligado</translation>
    </message>
    <message>
        <source>Show error message if sound cannot be played</source>
        <translation>Mostrar mensagem de erro se o som não puder ser tocado</translation>
    </message>
    <message>
        <source>Automatically load alarm events when Tindalo starts</source>
        <translation>Carregar os alarmes automaticamente ao iniciar o Tindalo</translation>
    </message>
    <message>
        <source>Don&apos;t compare with second</source>
        <translation>Não comparar os segundos</translation>
    </message>
    <message>
        <source>Internal Speaker</source>
        <translation>Alto-falante interno</translation>
    </message>
    <message>
        <source>Use internal speaker instead of wave. (A necessary DLL file is needed , refer to trouble shooting in help.)</source>
        <translation>Usar o alto-falante interno em vez de wave. (É necessário um arquivo DLL, consulte a solução de problemas na ajuda.)</translation>
    </message>
    <message>
        <source>When MCI is busy, use internal speaker instead of midi sound</source>
        <translation>Se o MCI estiver ocupado, usar o alto-falante interno em vez do som MIDI</translation>
    </message>
    <message>
        <source>test internal speaker</source>
        <translation>testar o alto-falante interno</translation>
    </message>
    <message>
        <source>Font (it will take effect when Tindalo starts next time)</source>
        <translation>Fonte (terá efeito no próximo início do Tindalo)</translation>
    </message>
    <message>
        <source>Use Arial font</source>
        <translation>Usar a fonte Arial</translation>
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
        <translation>Inicialização</translation>
    </message>
    <message>
        <source>Run Tindalo when Windows starts</source>
        <translation>Executar o Tindalo ao iniciar o Windows</translation>
    </message>
    <message>
        <source>Don&apos;t run Tindalo when Windows starts</source>
        <translation>Não executar o Tindalo ao iniciar o Windows</translation>
    </message>
    <message>
        <source>Wake the computer for alarms</source>
        <translation>Despertar o computador para os alarmes</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Ixo could not be set to start at log-in: %1</source>
        <translation>Não foi possível configurar o Ixo para iniciar ao entrar na sessão: %1</translation>
    </message>
    <message>
        <source>Ixo&apos;s start at log-in could not be removed: %1</source>
        <translation>Não foi possível remover a inicialização do Ixo ao entrar na sessão: %1</translation>
    </message>
    <message>
        <source>The wake setting could not be saved: %1</source>
        <translation>Não foi possível salvar a configuração de despertar: %1</translation>
    </message>
    <message>
        <source>The settings could not be saved in %1: %2</source>
        <translation>Não foi possível salvar as configurações em %1: %2</translation>
    </message>
</context>
<context>
    <name>SnoozeBar</name>
    <message>
        <source>Snooze</source>
        <translation>Soneca</translation>
    </message>
    <message>
        <source>Snooze length</source>
        <translation>Duração da soneca</translation>
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
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Alarm Set</source>
        <translation>Definir alarme</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation>Papel de parede</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Stop</source>
        <comment>the sounding alarm</comment>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Desativar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>The help page could not be opened; open it in a web browser: %1</source>
        <translation>Não foi possível abrir a página de ajuda; abra-a em um navegador: %1</translation>
    </message>
    <message>
        <source>Help file not found</source>
        <translation>Arquivo de ajuda não encontrado</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Agenda</translation>
    </message>
</context>
<context>
    <name>TrayFallbackWindow</name>
    <message>
        <source>No notification area (system tray) was found on this desktop, so Ixo shows its menu here. Alarms keep working while this window is minimized.</source>
        <translation>Nenhuma área de notificação (bandeja do sistema) foi encontrada nesta área de trabalho, então o Ixo mostra seu menu aqui. Os alarmes continuam funcionando enquanto esta janela estiver minimizada.</translation>
    </message>
</context>
<context>
    <name>WallpaperWindow</name>
    <message>
        <source>Tindalo Alarm Clock - Change Wallpaper</source>
        <translation>Despertador Tindalo - Trocar papel de parede</translation>
    </message>
    <message>
        <source>Wallpaper list :</source>
        <translation>Lista de papéis de parede:</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Pesquisar</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Delete the selected pictures</source>
        <translation>Excluir as imagens selecionadas</translation>
    </message>
    <message>
        <source>Delete all pictures</source>
        <translation>Excluir todas as imagens</translation>
    </message>
    <message>
        <source>Save the list</source>
        <translation>Salvar a lista</translation>
    </message>
    <message>
        <source>Load the saved list</source>
        <translation>Carregar a lista salva</translation>
    </message>
    <message>
        <source>Change in every</source>
        <translation>Trocar a cada</translation>
    </message>
    <message>
        <source>priority</source>
        <extracomment>the pictures change in the list&apos;s order (the other choice: at random)</extracomment>
        <translation>em ordem</translation>
    </message>
    <message>
        <source>random</source>
        <translation>aleatório</translation>
    </message>
    <message>
        <source>Save above setting</source>
        <translation>Salvar as configurações acima</translation>
    </message>
    <message>
        <source>Change Now</source>
        <translation>Trocar agora</translation>
    </message>
    <message>
        <source>Clear Wallpaper</source>
        <translation>Remover papel de parede</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>%1 cannot be read as a picture</source>
        <translation>%1 não pode ser lido como imagem</translation>
    </message>
    <message>
        <source>%1 file not found</source>
        <translation>Arquivo %1 não encontrado</translation>
    </message>
</context>
<context>
    <name>WarningWindow</name>
    <message>
        <source>Warning Message</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
