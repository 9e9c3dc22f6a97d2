<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Autostart</name>
    <message>
        <source>Unable to delete &quot;%1&quot;</source>
        <translation>No se puede eliminar «%1»</translation>
    </message>
</context>
<context>
    <name>ReadRegularFile</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>No se puede abrir el archivo «%1». %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large: %2 bytes or more, at most %3 are read</source>
        <translation>«%1» es demasiado grande: %2 bytes o más, se leen como máximo %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file</source>
        <translation>«%1» no es un archivo normal</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Unable to open &quot;%1&quot; for write</source>
        <translation>No se puede abrir «%1» para escribir</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is not a text file Vorkel Clocks can read, so your settings could not be used. It was copied to &quot;%2&quot; before being written anew.</source>
        <translation>El archivo de configuración «%1» no es un archivo de texto que Vorkel Clocks pueda leer, por lo que no se pudo usar su configuración. Se copió en «%2» antes de volver a escribirlo.</translation>
    </message>
</context>
<context>
    <name>SoundMessageDlg</name>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
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
        <translation>Acerca de Vorkel Clocks</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Versión: %1</translation>
    </message>
    <message>
        <source>Copyright © 2026 %1</source>
        <translation>Copyright © 2026 %1</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Todos los derechos reservados.</translation>
    </message>
    <message>
        <source>Send feedback</source>
        <translation>Enviar comentarios</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
</context>
<context>
    <name>TAboutPage</name>
    <message>
        <source>unknown</source>
        <translation>desconocida</translation>
    </message>
</context>
<context>
    <name>TAlarm</name>
    <message>
        <source>The alarm time for %1 has passed!
</source>
        <translation>¡La hora de la alarma de %1 ya ha pasado!
</translation>
    </message>
    <message>
        <source>This is your Vorkel Clocks alarm!

</source>
        <translation>¡Esta es su alarma de Vorkel Clocks!

</translation>
    </message>
    <message>
        <source>The time in %1 is now %2.</source>
        <translation>En %1 son ahora las %2.</translation>
    </message>
    <message>
        <source>Alarm – %1</source>
        <translation>Alarma – %1</translation>
    </message>
</context>
<context>
    <name>TAlarmBox</name>
    <message>
        <source>&amp;Snooze</source>
        <translation>&amp;Posponer</translation>
    </message>
</context>
<context>
    <name>TAlarmNotification</name>
    <message>
        <source>Show the clocks</source>
        <translation>Mostrar los relojes</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Posponer</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
</context>
<context>
    <name>TAlarmSound</name>
    <message>
        <source>Alarm</source>
        <translation>Alarma</translation>
    </message>
</context>
<context>
    <name>TAppearancePage</name>
    <message>
        <source> Appearance </source>
        <translation> Apariencia </translation>
    </message>
    <message>
        <source>Show the &amp;date on the clocks</source>
        <translation>Mostrar la &amp;fecha en los relojes</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>F&amp;ormato:</translation>
    </message>
    <message>
        <source>Show the &amp;time on the clocks</source>
        <translation>Mostrar la &amp;hora en los relojes</translation>
    </message>
    <message>
        <source>F&amp;ormat:</source>
        <translation>Fo&amp;rmato:</translation>
    </message>
    <message>
        <source>Clock Fo&amp;nt...</source>
        <translation>F&amp;uente...</translation>
    </message>
    <message>
        <source>Co&amp;lour...</source>
        <translation>&amp;Color...</translation>
    </message>
    <message>
        <source>D&amp;efaults</source>
        <translation>&amp;Predeterminados</translation>
    </message>
    <message>
        <source> Alarm </source>
        <translation> Alarma </translation>
    </message>
    <message>
        <source>Set an &amp;alarm to go off:</source>
        <translation>Programar una &amp;alarma:</translation>
    </message>
    <message>
        <source>&amp;Clock to use:</source>
        <translation>Re&amp;loj que se usará:</translation>
    </message>
    <message>
        <source>Date and ti&amp;me (in 24-hour format):</source>
        <translation>F&amp;echa y hora (en formato de 24 horas):</translation>
    </message>
    <message>
        <source>on</source>
        <translation>el</translation>
    </message>
    <message>
        <source>%1, %2pt</source>
        <translation>%1, %2 pt</translation>
    </message>
    <message>
        <source>Are you sure you want to restore the default appearance settings?</source>
        <translation>¿Seguro que desea restablecer la apariencia predeterminada?</translation>
    </message>
    <message>
        <source>Invalid input value.  Use escape key to abandon changes</source>
        <translation>Valor no válido.  Pulse Esc para descartar los cambios</translation>
    </message>
    <message>
        <source>This time has already passed in %1.</source>
        <translation>Esta hora ya ha pasado en %1.</translation>
    </message>
    <message>
        <source>Set for %1</source>
        <translation>Programar para el %1</translation>
    </message>
    <message>
        <source>The alarm time %1 on %2 has already passed in %3, so the alarm would go off at once.

Set it for %1 on %4 instead?</source>
        <translation>La hora de alarma %1 del %2 ya ha pasado en %3, por lo que la alarma sonaría de inmediato.

¿Programarla para las %1 del %4?</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Formato de la fecha</translation>
    </message>
    <message>
        <source>Time format</source>
        <translation>Formato de la hora</translation>
    </message>
    <message>
        <source>Alarm date</source>
        <translation>Fecha de la alarma</translation>
    </message>
    <message>
        <source>&amp;Snooze for (minutes):</source>
        <translation>Pospo&amp;ner durante (minutos):</translation>
    </message>
</context>
<context>
    <name>TClocksAlarm</name>
    <message>
        <source>Alarm set for %1 on %2</source>
        <translation>Alarma programada para las %1 del %2</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarma</translation>
    </message>
</context>
<context>
    <name>TClocksApp</name>
    <message>
        <source>No notification area was found on this desktop, so Vorkel Clocks shows its clocks in this window.
Closing this window ends the program.</source>
        <translation>No se encontró ningún área de notificación en este escritorio, por lo que Vorkel Clocks muestra sus relojes en esta ventana.
Al cerrar esta ventana se cierra el programa.</translation>
    </message>
</context>
<context>
    <name>TClocksForm</name>
    <message>
        <source>World Times</source>
        <translation>Horas del mundo</translation>
    </message>
    <message>
        <source>Pin to the desktop</source>
        <translation>Fijar en el escritorio</translation>
    </message>
    <message>
        <source>Show Clocks</source>
        <translation>Mostrar relojes</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Opciones...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Acerca de...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Info on XXX...</source>
        <translation>&amp;Información sobre XXX...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opciones...</translation>
    </message>
    <message>
        <source>Hi&amp;de</source>
        <translation>Ocu&amp;ltar</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Acerca de...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>You have not chosen any time zones to use as clocks.
Would you like to choose some now?</source>
        <translation>No ha elegido ninguna zona horaria para usar como reloj.
¿Desea elegir alguna ahora?</translation>
    </message>
    <message>
        <source>There was an error loading the time zone data:
</source>
        <translation>Se produjo un error al cargar los datos de zonas horarias:
</translation>
    </message>
    <message>
        <source>%1  &lt;u&gt;Now&lt;/u&gt;</source>
        <translation>%1  &lt;u&gt;Ahora&lt;/u&gt;</translation>
    </message>
    <message>
        <source>Back to the present</source>
        <translation>Volver al presente</translation>
    </message>
</context>
<context>
    <name>TContextHelp</name>
    <message>
        <source>&amp;What&apos;s This?</source>
        <translation>¿&amp;Qué es esto?</translation>
    </message>
</context>
<context>
    <name>THelpViewer</name>
    <message>
        <source>Vorkel Clocks Help</source>
        <translation>Ayuda de Vorkel Clocks</translation>
    </message>
</context>
<context>
    <name>TOptionsData</name>
    <message>
        <source>&apos;%1&apos; is not a valid time</source>
        <translation>«%1» no es una hora válida</translation>
    </message>
</context>
<context>
    <name>TTimeZone</name>
    <message>
        <source>January</source>
        <translation>enero</translation>
    </message>
    <message>
        <source>February</source>
        <translation>febrero</translation>
    </message>
    <message>
        <source>March</source>
        <translation>marzo</translation>
    </message>
    <message>
        <source>April</source>
        <translation>abril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mayo</translation>
    </message>
    <message>
        <source>June</source>
        <translation>junio</translation>
    </message>
    <message>
        <source>July</source>
        <translation>julio</translation>
    </message>
    <message>
        <source>August</source>
        <translation>agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>septiembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>octubre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>noviembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>diciembre</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>domingo</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>lunes</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>martes</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>miércoles</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>jueves</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>viernes</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>sábado</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>day of the month, month name</extracomment>
        <translation>el %1 de %2</translation>
    </message>
    <message>
        <source>the last %1 in %2</source>
        <translation>el último %1 de %2</translation>
    </message>
    <message>
        <source>the first %1 on or after %2 %3</source>
        <translation>el primer %1 a partir del %2 de %3</translation>
    </message>
    <message>
        <source>the first %1 on or before %2 %3</source>
        <translation>el último %1 no posterior al %2 de %3</translation>
    </message>
    <message>
        <source>the first %1 in %2</source>
        <translation>el primer %1 de %2</translation>
    </message>
    <message>
        <source>an unknown day in %1</source>
        <translation>un día desconocido de %1</translation>
    </message>
    <message>
        <source>an unknown day</source>
        <translation>un día desconocido</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <extracomment>a day, then a time of day</extracomment>
        <translation>%1 a las %2</translation>
    </message>
    <message>
        <source>the day after %1</source>
        <translation>el día siguiente (%1)</translation>
    </message>
    <message>
        <source>the day before %1</source>
        <translation>el día anterior (%1)</translation>
    </message>
    <message>
        <source>%1 days after %2</source>
        <translation>%1 días después (%2)</translation>
    </message>
    <message>
        <source>%1 days before %2</source>
        <translation>%1 días antes (%2)</translation>
    </message>
    <message>
        <source>hh:nn ampm</source>
        <extracomment>hh hours, nn minutes, ampm the AM/PM mark (leave it out for a 24-hour clock)</extracomment>
        <translation>h:nn</translation>
    </message>
</context>
<context>
    <name>TTimeZoneList</name>
    <message>
        <source>&quot;%1&quot; holds no time zones</source>
        <translation>«%1» no contiene zonas horarias</translation>
    </message>
</context>
<context>
    <name>TWindowMenu</name>
    <message>
        <source>&amp;Info on %1...</source>
        <translation>&amp;Información sobre %1...</translation>
    </message>
</context>
<context>
    <name>TWorldClocks</name>
    <message>
        <source>No clocks have been selected.</source>
        <translation>No se ha seleccionado ningún reloj.</translation>
    </message>
    <message>
        <source>Click to show the time in </source>
        <translation>Haga clic para ver la hora en </translation>
    </message>
    <message>
        <source> and </source>
        <translation> y </translation>
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
        <translation>Vorkel Clocks - Opciones</translation>
    </message>
    <message>
        <source>There was an error loading the time zone data:
</source>
        <translation>Se produjo un error al cargar los datos de zonas horarias:
</translation>
    </message>
    <message>
        <source>Clocks and Time Zones</source>
        <translation>Relojes y zonas horarias</translation>
    </message>
    <message>
        <source>Appearance and Alarm</source>
        <translation>Apariencia y alarma</translation>
    </message>
    <message>
        <source>About Vorkel</source>
        <translation>Acerca de Vorkel</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
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
        <translation>Ningún lugar coincide</translation>
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
        <translation>Buscar una ciudad, un país o una abreviatura</translation>
    </message>
    <message>
        <source>(Search results)</source>
        <translation>(Resultados de la búsqueda)</translation>
    </message>
    <message>
        <source>Clear the search</source>
        <translation>Borrar la búsqueda</translation>
    </message>
</context>
<context>
    <name>TZonesPage</name>
    <message>
        <source>&amp;Your clocks:</source>
        <translation>Sus &amp;relojes:</translation>
    </message>
    <message>
        <source>&amp;Time zones:</source>
        <translation>&amp;Zonas horarias:</translation>
    </message>
    <message>
        <source>&lt; &amp;Add a Clock</source>
        <translation>&lt; &amp;Añadir un reloj</translation>
    </message>
    <message>
        <source> (no clock) </source>
        <translation> (ningún reloj) </translation>
    </message>
    <message>
        <source>&amp;Clock title:</source>
        <translation>&amp;Título del reloj:</translation>
    </message>
    <message>
        <source>Use &amp;daylight time when necessary</source>
        <translation>Usar el &amp;horario de verano cuando corresponda</translation>
    </message>
    <message>
        <source>R&amp;emove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Standard offset:</source>
        <translation>Diferencia estándar:</translation>
    </message>
    <message>
        <source>Daylight offset:</source>
        <translation>Diferencia en verano:</translation>
    </message>
    <message>
        <source>&amp;Run Vorkel Clocks when I log in</source>
        <translation>&amp;Iniciar Vorkel Clocks al iniciar sesión</translation>
    </message>
    <message>
        <source>Groups time zones by name instead of by GMT offset.</source>
        <translation>Ordena las zonas horarias por nombre en lugar de por su diferencia con GMT.</translation>
    </message>
    <message>
        <source>&amp;Sort time zones by name, not GMT offset</source>
        <translation>&amp;Ordenar las zonas por nombre, no por diferencia con GMT</translation>
    </message>
    <message>
        <source>(List all zones)</source>
        <translation>(Todas las zonas)</translation>
    </message>
    <message>
        <source> (no zone) </source>
        <translation> (ninguna zona) </translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconocida</translation>
    </message>
</context>
<context>
    <name>ZoneTexts</name>
    <message>
        <source>Daylight time (%1, %2)</source>
        <translation>Horario de verano (%1, %2)</translation>
    </message>
    <message>
        <source>Standard time (%1)</source>
        <translation>Hora estándar (%1)</translation>
    </message>
    <message>
        <source>Daylight time begins on %1.</source>
        <translation>El horario de verano comienza %1.</translation>
    </message>
    <message>
        <source>Standard time resumes on %1.</source>
        <translation>La hora estándar vuelve %1.</translation>
    </message>
    <message>
        <source>This zone&apos;s changes follow dates published each year.</source>
        <translation>Los cambios de hora de esta zona siguen fechas que se publican cada año.</translation>
    </message>
    <message>
        <source>Next change: %1, %2 → %3</source>
        <translation>Próximo cambio: %1, %2 → %3</translation>
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
        <translation>%1 por delante de la hora local</translation>
    </message>
    <message>
        <source>%1 behind local time</source>
        <translation>%1 por detrás de la hora local</translation>
    </message>
    <message>
        <source>dddd d mmmm yyyy</source>
        <extracomment>dddd the weekday, d the day, mmmm the month, yyyy the year</extracomment>
        <translation>dddd, d &apos;de&apos; mmmm &apos;de&apos; yyyy</translation>
    </message>
    <message>
        <source>hh:nn:ss ampm</source>
        <extracomment>hh hours, nn minutes, ss seconds, ampm the AM/PM mark (leave it out for a 24-hour clock)</extracomment>
        <translation>h:nn:ss</translation>
    </message>
    <message>
        <source>%1 (zone unknown)</source>
        <translation>%1 (zona desconocida)</translation>
    </message>
    <message>
        <source>--:--</source>
        <extracomment>Shown in place of a time by a clock whose time zone is unknown</extracomment>
        <translation>--:--</translation>
    </message>
    <message>
        <source>This zone is not in the time zone data, so the clock shows no time.
It is kept as it is, and shows the time again once the zone is known.</source>
        <translation>Esta zona no figura en los datos de zonas horarias, por lo que el reloj no muestra la hora.
Se conserva tal cual y volverá a mostrar la hora cuando se conozca la zona.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The time zone data does not know the zone of these clocks:</source>
        <translation>Los datos de zonas horarias no conocen la zona de estos relojes:</translation>
    </message>
    <message>
        <source>They are kept, marked &quot;zone unknown&quot;, and show no time until the time zone data knows their zones again.</source>
        <translation>Se conservan, marcados como «zona desconocida», y no muestran la hora hasta que los datos de zonas horarias vuelvan a conocer sus zonas.</translation>
    </message>
    <message>
        <source>Same time as here</source>
        <translation>La misma hora que aquí</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Vorkel Clocks is already running.</source>
        <translation>Vorkel Clocks ya se está ejecutando.</translation>
    </message>
    <message>
        <source>A world clock in the notification area.</source>
        <translation>Un reloj mundial en el área de notificación.</translation>
    </message>
    <message>
        <source>Open the options, in the copy already running if there is one.</source>
        <translation>Abrir las opciones, en la copia que ya se esté ejecutando, si la hay.</translation>
    </message>
</context>
</TS>
