<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Autostart</name>
    <message>
        <source>Unable to delete &quot;%1&quot;</source>
        <translation>Não foi possível excluir “%1”</translation>
    </message>
</context>
<context>
    <name>ReadRegularFile</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Não foi possível abrir o arquivo “%1”. %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large: %2 bytes or more, at most %3 are read</source>
        <translation>“%1” é grande demais: %2 bytes ou mais, são lidos no máximo %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file</source>
        <translation>“%1” não é um arquivo comum</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Unable to open &quot;%1&quot; for write</source>
        <translation>Não foi possível abrir “%1” para gravação</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is not a text file Vorkel Clocks can read, so your settings could not be used. It was copied to &quot;%2&quot; before being written anew.</source>
        <translation>O arquivo de configurações “%1” não é um arquivo de texto que o Vorkel Clocks consiga ler; por isso, as suas configurações não puderam ser usadas. Ele foi copiado para “%2” antes de ser gravado novamente.</translation>
    </message>
</context>
<context>
    <name>SoundMessageDlg</name>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About Vorkel Clocks</source>
        <translation>Sobre o Vorkel Clocks</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Versão: %1</translation>
    </message>
    <message>
        <source>Copyright © 2026 %1</source>
        <translation>Copyright © 2026 %1</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Todos os direitos reservados.</translation>
    </message>
    <message>
        <source>Send feedback</source>
        <translation>Enviar opinião</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
</context>
<context>
    <name>TAboutPage</name>
    <message>
        <source>unknown</source>
        <translation>desconhecida</translation>
    </message>
</context>
<context>
    <name>TAlarm</name>
    <message>
        <source>The alarm time for %1 has passed!
</source>
        <translation>O horário do alarme de %1 já passou!
</translation>
    </message>
    <message>
        <source>This is your Vorkel Clocks alarm!

</source>
        <translation>Este é o seu alarme do Vorkel Clocks!

</translation>
    </message>
    <message>
        <source>The time in %1 is now %2.</source>
        <translation>Agora são %2 em %1.</translation>
    </message>
    <message>
        <source>Alarm – %1</source>
        <translation>Alarme – %1</translation>
    </message>
</context>
<context>
    <name>TAlarmBox</name>
    <message>
        <source>&amp;Snooze</source>
        <translation>&amp;Soneca</translation>
    </message>
</context>
<context>
    <name>TAlarmNotification</name>
    <message>
        <source>Show the clocks</source>
        <translation>Mostrar os relógios</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Soneca</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
</context>
<context>
    <name>TAlarmSound</name>
    <message>
        <source>Alarm</source>
        <translation>Alarme</translation>
    </message>
</context>
<context>
    <name>TAppearancePage</name>
    <message>
        <source> Appearance </source>
        <translation> Aparência </translation>
    </message>
    <message>
        <source>Show the &amp;date on the clocks</source>
        <translation>Mostrar a &amp;data nos relógios</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Formato:</translation>
    </message>
    <message>
        <source>Show the &amp;time on the clocks</source>
        <translation>Mostrar a &amp;hora nos relógios</translation>
    </message>
    <message>
        <source>F&amp;ormat:</source>
        <translation>Fo&amp;rmato:</translation>
    </message>
    <message>
        <source>Clock Fo&amp;nt...</source>
        <translation>F&amp;onte...</translation>
    </message>
    <message>
        <source>Co&amp;lour...</source>
        <translation>&amp;Cor...</translation>
    </message>
    <message>
        <source>D&amp;efaults</source>
        <translation>&amp;Padrão</translation>
    </message>
    <message>
        <source> Alarm </source>
        <translation> Alarme </translation>
    </message>
    <message>
        <source>Set an &amp;alarm to go off:</source>
        <translation>Definir um &amp;alarme:</translation>
    </message>
    <message>
        <source>&amp;Clock to use:</source>
        <translation>Re&amp;lógio a usar:</translation>
    </message>
    <message>
        <source>Date and ti&amp;me (in 24-hour format):</source>
        <translation>Da&amp;ta e hora (no formato de 24 horas):</translation>
    </message>
    <message>
        <source>on</source>
        <translation>em</translation>
    </message>
    <message>
        <source>%1, %2pt</source>
        <translation>%1, %2 pt</translation>
    </message>
    <message>
        <source>Are you sure you want to restore the default appearance settings?</source>
        <translation>Tem certeza de que deseja restaurar a aparência padrão?</translation>
    </message>
    <message>
        <source>Invalid input value.  Use escape key to abandon changes</source>
        <translation>Valor inválido.  Pressione Esc para descartar as alterações</translation>
    </message>
    <message>
        <source>This time has already passed in %1.</source>
        <translation>Este horário já passou em %1.</translation>
    </message>
    <message>
        <source>Set for %1</source>
        <translation>Definir para %1</translation>
    </message>
    <message>
        <source>The alarm time %1 on %2 has already passed in %3, so the alarm would go off at once.

Set it for %1 on %4 instead?</source>
        <translation>O horário do alarme %1 em %2 já passou em %3; por isso, o alarme tocaria imediatamente.

Defini-lo para %1 em %4?</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Formato da data</translation>
    </message>
    <message>
        <source>Time format</source>
        <translation>Formato da hora</translation>
    </message>
    <message>
        <source>Alarm date</source>
        <translation>Data do alarme</translation>
    </message>
    <message>
        <source>&amp;Snooze for (minutes):</source>
        <translation>&amp;Soneca (minutos):</translation>
    </message>
</context>
<context>
    <name>TClocksAlarm</name>
    <message>
        <source>Alarm set for %1 on %2</source>
        <translation>Alarme definido para %1 em %2</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarme</translation>
    </message>
</context>
<context>
    <name>TClocksApp</name>
    <message>
        <source>No notification area was found on this desktop, so Vorkel Clocks shows its clocks in this window.
Closing this window ends the program.</source>
        <translation>Nenhuma área de notificação foi encontrada nesta área de trabalho; por isso, o Vorkel Clocks mostra os seus relógios nesta janela.
Fechar esta janela encerra o programa.</translation>
    </message>
</context>
<context>
    <name>TClocksForm</name>
    <message>
        <source>World Times</source>
        <translation>Horários do mundo</translation>
    </message>
    <message>
        <source>Pin to the desktop</source>
        <translation>Fixar na área de trabalho</translation>
    </message>
    <message>
        <source>Show Clocks</source>
        <translation>Mostrar relógios</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Opções...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Sobre...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Info on XXX...</source>
        <translation>&amp;Informações sobre XXX...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opções...</translation>
    </message>
    <message>
        <source>Hi&amp;de</source>
        <translation>O&amp;cultar</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>So&amp;bre...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>You have not chosen any time zones to use as clocks.
Would you like to choose some now?</source>
        <translation>Você ainda não escolheu nenhum fuso horário para usar como relógio.
Deseja escolher agora?</translation>
    </message>
    <message>
        <source>There was an error loading the time zone data:
</source>
        <translation>Ocorreu um erro ao carregar os dados de fusos horários:
</translation>
    </message>
    <message>
        <source>%1  &lt;u&gt;Now&lt;/u&gt;</source>
        <translation>%1  &lt;u&gt;Agora&lt;/u&gt;</translation>
    </message>
    <message>
        <source>Back to the present</source>
        <translation>Voltar ao presente</translation>
    </message>
</context>
<context>
    <name>TContextHelp</name>
    <message>
        <source>&amp;What&apos;s This?</source>
        <translation>&amp;O que é isto?</translation>
    </message>
</context>
<context>
    <name>THelpViewer</name>
    <message>
        <source>Vorkel Clocks Help</source>
        <translation>Ajuda do Vorkel Clocks</translation>
    </message>
</context>
<context>
    <name>TOptionsData</name>
    <message>
        <source>&apos;%1&apos; is not a valid time</source>
        <translation>“%1” não é um horário válido</translation>
    </message>
</context>
<context>
    <name>TTimeZone</name>
    <message>
        <source>January</source>
        <translation>janeiro</translation>
    </message>
    <message>
        <source>February</source>
        <translation>fevereiro</translation>
    </message>
    <message>
        <source>March</source>
        <translation>março</translation>
    </message>
    <message>
        <source>April</source>
        <translation>abril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>maio</translation>
    </message>
    <message>
        <source>June</source>
        <translation>junho</translation>
    </message>
    <message>
        <source>July</source>
        <translation>julho</translation>
    </message>
    <message>
        <source>August</source>
        <translation>agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>setembro</translation>
    </message>
    <message>
        <source>October</source>
        <translation>outubro</translation>
    </message>
    <message>
        <source>November</source>
        <translation>novembro</translation>
    </message>
    <message>
        <source>December</source>
        <translation>dezembro</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>domingo</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>segunda-feira</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>terça-feira</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>quarta-feira</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>quinta-feira</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>sexta-feira</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>sábado</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>day of the month, month name</extracomment>
        <translation>em %1 de %2</translation>
    </message>
    <message>
        <source>the last %1 in %2</source>
        <translation>no último dia de %2 que seja %1</translation>
    </message>
    <message>
        <source>the first %1 on or after %2 %3</source>
        <translation>no primeiro dia que seja %1 a partir de %2 de %3</translation>
    </message>
    <message>
        <source>the first %1 on or before %2 %3</source>
        <translation>no último dia que seja %1 até %2 de %3</translation>
    </message>
    <message>
        <source>the first %1 in %2</source>
        <translation>no primeiro dia de %2 que seja %1</translation>
    </message>
    <message>
        <source>an unknown day in %1</source>
        <translation>em um dia desconhecido de %1</translation>
    </message>
    <message>
        <source>an unknown day</source>
        <translation>em um dia desconhecido</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <extracomment>a day, then a time of day</extracomment>
        <translation>%1 às %2</translation>
    </message>
    <message>
        <source>the day after %1</source>
        <translation>no dia seguinte (%1)</translation>
    </message>
    <message>
        <source>the day before %1</source>
        <translation>no dia anterior (%1)</translation>
    </message>
    <message>
        <source>%1 days after %2</source>
        <translation>%1 dias depois (%2)</translation>
    </message>
    <message>
        <source>%1 days before %2</source>
        <translation>%1 dias antes (%2)</translation>
    </message>
    <message>
        <source>hh:nn ampm</source>
        <extracomment>hh hours, nn minutes, ampm the AM/PM mark (leave it out for a 24-hour clock)</extracomment>
        <translation>hh:nn</translation>
    </message>
</context>
<context>
    <name>TTimeZoneList</name>
    <message>
        <source>&quot;%1&quot; holds no time zones</source>
        <translation>“%1” não contém fusos horários</translation>
    </message>
</context>
<context>
    <name>TWindowMenu</name>
    <message>
        <source>&amp;Info on %1...</source>
        <translation>&amp;Informações sobre %1...</translation>
    </message>
</context>
<context>
    <name>TWorldClocks</name>
    <message>
        <source>No clocks have been selected.</source>
        <translation>Nenhum relógio foi selecionado.</translation>
    </message>
    <message>
        <source>Click to show the time in </source>
        <translation>Clique para ver a hora em </translation>
    </message>
    <message>
        <source> and </source>
        <translation> e </translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>TZoneForm</name>
    <message>
        <source>Vorkel Clocks - Options</source>
        <translation>Vorkel Clocks - Opções</translation>
    </message>
    <message>
        <source>There was an error loading the time zone data:
</source>
        <translation>Ocorreu um erro ao carregar os dados de fusos horários:
</translation>
    </message>
    <message>
        <source>Clocks and Time Zones</source>
        <translation>Relógios e fusos horários</translation>
    </message>
    <message>
        <source>Appearance and Alarm</source>
        <translation>Aparência e alarme</translation>
    </message>
    <message>
        <source>About Vorkel</source>
        <translation>Sobre a Vorkel</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
</context>
<context>
    <name>TZoneListModel</name>
    <message>
        <source>No matching places</source>
        <translation>Nenhum lugar encontrado</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>a place, then its country</extracomment>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>TZoneSearchBox</name>
    <message>
        <source>Search for a city, country or abbreviation</source>
        <translation>Pesquisar uma cidade, um país ou uma sigla</translation>
    </message>
    <message>
        <source>(Search results)</source>
        <translation>(Resultados da pesquisa)</translation>
    </message>
    <message>
        <source>Clear the search</source>
        <translation>Limpar a pesquisa</translation>
    </message>
</context>
<context>
    <name>TZonesPage</name>
    <message>
        <source>&amp;Your clocks:</source>
        <translation>Seus &amp;relógios:</translation>
    </message>
    <message>
        <source>&amp;Time zones:</source>
        <translation>&amp;Fusos horários:</translation>
    </message>
    <message>
        <source>&lt; &amp;Add a Clock</source>
        <translation>&lt; &amp;Adicionar um relógio</translation>
    </message>
    <message>
        <source> (no clock) </source>
        <translation> (nenhum relógio) </translation>
    </message>
    <message>
        <source>&amp;Clock title:</source>
        <translation>&amp;Título do relógio:</translation>
    </message>
    <message>
        <source>Use &amp;daylight time when necessary</source>
        <translation>Usar o &amp;horário de verão quando necessário</translation>
    </message>
    <message>
        <source>R&amp;emove</source>
        <translation>R&amp;emover</translation>
    </message>
    <message>
        <source>Standard offset:</source>
        <translation>Diferença padrão:</translation>
    </message>
    <message>
        <source>Daylight offset:</source>
        <translation>Diferença no verão:</translation>
    </message>
    <message>
        <source>&amp;Run Vorkel Clocks when I log in</source>
        <translation>&amp;Iniciar o Vorkel Clocks ao entrar na sessão</translation>
    </message>
    <message>
        <source>Groups time zones by name instead of by GMT offset.</source>
        <translation>Ordena os fusos horários por nome em vez de pela diferença em relação a GMT.</translation>
    </message>
    <message>
        <source>&amp;Sort time zones by name, not GMT offset</source>
        <translation>&amp;Ordenar os fusos por nome, não pela diferença de GMT</translation>
    </message>
    <message>
        <source>(List all zones)</source>
        <translation>(Todos os fusos)</translation>
    </message>
    <message>
        <source> (no zone) </source>
        <translation> (nenhum fuso) </translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconhecida</translation>
    </message>
</context>
<context>
    <name>ZoneTexts</name>
    <message>
        <source>Daylight time (%1, %2)</source>
        <translation>Horário de verão (%1, %2)</translation>
    </message>
    <message>
        <source>Standard time (%1)</source>
        <translation>Horário padrão (%1)</translation>
    </message>
    <message>
        <source>Daylight time begins on %1.</source>
        <translation>O horário de verão começa %1.</translation>
    </message>
    <message>
        <source>Standard time resumes on %1.</source>
        <translation>O horário padrão volta %1.</translation>
    </message>
    <message>
        <source>This zone&apos;s changes follow dates published each year.</source>
        <translation>As mudanças de horário deste fuso seguem datas publicadas a cada ano.</translation>
    </message>
    <message>
        <source>Next change: %1, %2 → %3</source>
        <translation>Próxima mudança: %1, %2 → %3</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 hora</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 horas</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minuto</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minutos</translation>
    </message>
    <message>
        <source>%1 ahead of local time</source>
        <translation>%1 à frente da hora local</translation>
    </message>
    <message>
        <source>%1 behind local time</source>
        <translation>%1 atrás da hora local</translation>
    </message>
    <message>
        <source>dddd d mmmm yyyy</source>
        <extracomment>dddd the weekday, d the day, mmmm the month, yyyy the year</extracomment>
        <translation>dddd, d &apos;de&apos; mmmm &apos;de&apos; yyyy</translation>
    </message>
    <message>
        <source>hh:nn:ss ampm</source>
        <extracomment>hh hours, nn minutes, ss seconds, ampm the AM/PM mark (leave it out for a 24-hour clock)</extracomment>
        <translation>hh:nn:ss</translation>
    </message>
    <message>
        <source>%1 (zone unknown)</source>
        <translation>%1 (fuso desconhecido)</translation>
    </message>
    <message>
        <source>--:--</source>
        <extracomment>Shown in place of a time by a clock whose time zone is unknown</extracomment>
        <translation>--:--</translation>
    </message>
    <message>
        <source>This zone is not in the time zone data, so the clock shows no time.
It is kept as it is, and shows the time again once the zone is known.</source>
        <translation>Este fuso não está nos dados de fusos horários; por isso, o relógio não mostra a hora.
Ele é mantido como está e volta a mostrar a hora quando o fuso for conhecido.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The time zone data does not know the zone of these clocks:</source>
        <translation>Os dados de fusos horários não conhecem o fuso destes relógios:</translation>
    </message>
    <message>
        <source>They are kept, marked &quot;zone unknown&quot;, and show no time until the time zone data knows their zones again.</source>
        <translation>Eles são mantidos, marcados como “fuso desconhecido”, e não mostram a hora até que os dados de fusos horários voltem a conhecer os seus fusos.</translation>
    </message>
    <message>
        <source>Same time as here</source>
        <translation>Mesma hora daqui</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Vorkel Clocks is already running.</source>
        <translation>O Vorkel Clocks já está em execução.</translation>
    </message>
    <message>
        <source>A world clock in the notification area.</source>
        <translation>Um relógio mundial na área de notificação.</translation>
    </message>
    <message>
        <source>Open the options, in the copy already running if there is one.</source>
        <translation>Abre as opções, na cópia já em execução, se houver uma.</translation>
    </message>
</context>
</TS>
