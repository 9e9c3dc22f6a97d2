<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Autostart</name>
    <message>
        <source>Unable to delete &quot;%1&quot;</source>
        <translation>Impossibile eliminare «%1»</translation>
    </message>
</context>
<context>
    <name>ReadRegularFile</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Impossibile aprire il file «%1». %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large: %2 bytes or more, at most %3 are read</source>
        <translation>«%1» è troppo grande: %2 byte o più, se ne leggono al massimo %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file</source>
        <translation>«%1» non è un file regolare</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Unable to open &quot;%1&quot; for write</source>
        <translation>Impossibile aprire «%1» in scrittura</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is not a text file Vorkel Clocks can read, so your settings could not be used. It was copied to &quot;%2&quot; before being written anew.</source>
        <translation>Il file delle impostazioni «%1» non è un file di testo che Vorkel Clocks può leggere, quindi non è stato possibile usare le impostazioni. È stato copiato in «%2» prima di essere riscritto.</translation>
    </message>
</context>
<context>
    <name>SoundMessageDlg</name>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informazione</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Conferma</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About Vorkel Clocks</source>
        <translation>Informazioni su Vorkel Clocks</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Versione: %1</translation>
    </message>
    <message>
        <source>Copyright © 2026 %1</source>
        <translation>Copyright © 2026 %1</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Tutti i diritti riservati.</translation>
    </message>
    <message>
        <source>Send feedback</source>
        <translation>Invia un commento</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
</context>
<context>
    <name>TAboutPage</name>
    <message>
        <source>unknown</source>
        <translation>sconosciuta</translation>
    </message>
</context>
<context>
    <name>TAlarm</name>
    <message>
        <source>The alarm time for %1 has passed!
</source>
        <translation>L’ora della sveglia per %1 è passata!
</translation>
    </message>
    <message>
        <source>This is your Vorkel Clocks alarm!

</source>
        <translation>Questa è la sveglia di Vorkel Clocks!

</translation>
    </message>
    <message>
        <source>The time in %1 is now %2.</source>
        <translation>A %1 ora sono le %2.</translation>
    </message>
    <message>
        <source>Alarm – %1</source>
        <translation>Sveglia – %1</translation>
    </message>
</context>
<context>
    <name>TAlarmBox</name>
    <message>
        <source>&amp;Snooze</source>
        <translation>&amp;Posticipa</translation>
    </message>
</context>
<context>
    <name>TAlarmNotification</name>
    <message>
        <source>Show the clocks</source>
        <translation>Mostra gli orologi</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Posticipa</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
</context>
<context>
    <name>TAlarmSound</name>
    <message>
        <source>Alarm</source>
        <translation>Sveglia</translation>
    </message>
</context>
<context>
    <name>TAppearancePage</name>
    <message>
        <source> Appearance </source>
        <translation> Aspetto </translation>
    </message>
    <message>
        <source>Show the &amp;date on the clocks</source>
        <translation>Mostra la &amp;data sugli orologi</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Formato:</translation>
    </message>
    <message>
        <source>Show the &amp;time on the clocks</source>
        <translation>Mostra l’&amp;ora sugli orologi</translation>
    </message>
    <message>
        <source>F&amp;ormat:</source>
        <translation>Fo&amp;rmato:</translation>
    </message>
    <message>
        <source>Clock Fo&amp;nt...</source>
        <translation>&amp;Carattere...</translation>
    </message>
    <message>
        <source>Co&amp;lour...</source>
        <translation>Co&amp;lore...</translation>
    </message>
    <message>
        <source>D&amp;efaults</source>
        <translation>&amp;Predefiniti</translation>
    </message>
    <message>
        <source> Alarm </source>
        <translation> Sveglia </translation>
    </message>
    <message>
        <source>Set an &amp;alarm to go off:</source>
        <translation>Imposta una &amp;sveglia:</translation>
    </message>
    <message>
        <source>&amp;Clock to use:</source>
        <translation>Orolog&amp;io da usare:</translation>
    </message>
    <message>
        <source>Date and ti&amp;me (in 24-hour format):</source>
        <translation>Data e or&amp;a (nel formato 24 ore):</translation>
    </message>
    <message>
        <source>on</source>
        <translation>il</translation>
    </message>
    <message>
        <source>%1, %2pt</source>
        <translation>%1, %2 pt</translation>
    </message>
    <message>
        <source>Are you sure you want to restore the default appearance settings?</source>
        <translation>Ripristinare davvero le impostazioni predefinite dell’aspetto?</translation>
    </message>
    <message>
        <source>Invalid input value.  Use escape key to abandon changes</source>
        <translation>Valore non valido.  Premere Esc per annullare le modifiche</translation>
    </message>
    <message>
        <source>This time has already passed in %1.</source>
        <translation>Quest’ora è già passata a %1.</translation>
    </message>
    <message>
        <source>Set for %1</source>
        <translation>Imposta per il %1</translation>
    </message>
    <message>
        <source>The alarm time %1 on %2 has already passed in %3, so the alarm would go off at once.

Set it for %1 on %4 instead?</source>
        <translation>L’ora della sveglia %1 del %2 è già passata a %3, quindi la sveglia suonerebbe subito.

Impostarla invece per le %1 del %4?</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Formato della data</translation>
    </message>
    <message>
        <source>Time format</source>
        <translation>Formato dell’ora</translation>
    </message>
    <message>
        <source>Alarm date</source>
        <translation>Data della sveglia</translation>
    </message>
    <message>
        <source>&amp;Snooze for (minutes):</source>
        <translation>Posticipa di (&amp;minuti):</translation>
    </message>
</context>
<context>
    <name>TClocksAlarm</name>
    <message>
        <source>Alarm set for %1 on %2</source>
        <translation>Sveglia impostata per le %1 del %2</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Sveglia</translation>
    </message>
</context>
<context>
    <name>TClocksApp</name>
    <message>
        <source>No notification area was found on this desktop, so Vorkel Clocks shows its clocks in this window.
Closing this window ends the program.</source>
        <translation>Su questo desktop non è stata trovata un’area di notifica, quindi Vorkel Clocks mostra i suoi orologi in questa finestra.
Chiudendo questa finestra il programma termina.</translation>
    </message>
</context>
<context>
    <name>TClocksForm</name>
    <message>
        <source>World Times</source>
        <translation>Orari del mondo</translation>
    </message>
    <message>
        <source>Pin to the desktop</source>
        <translation>Fissa sul desktop</translation>
    </message>
    <message>
        <source>Show Clocks</source>
        <translation>Mostra orologi</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Opzioni...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Informazioni...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Info on XXX...</source>
        <translation>&amp;Info su XXX...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opzioni...</translation>
    </message>
    <message>
        <source>Hi&amp;de</source>
        <translation>&amp;Nascondi</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Informazioni &amp;su...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>You have not chosen any time zones to use as clocks.
Would you like to choose some now?</source>
        <translation>Non è stato scelto alcun fuso orario da mostrare come orologio.
Sceglierne adesso?</translation>
    </message>
    <message>
        <source>There was an error loading the time zone data:
</source>
        <translation>Si è verificato un errore durante il caricamento dei dati dei fusi orari:
</translation>
    </message>
    <message>
        <source>%1  &lt;u&gt;Now&lt;/u&gt;</source>
        <translation>%1  &lt;u&gt;Adesso&lt;/u&gt;</translation>
    </message>
    <message>
        <source>Back to the present</source>
        <translation>Torna al presente</translation>
    </message>
</context>
<context>
    <name>TContextHelp</name>
    <message>
        <source>&amp;What&apos;s This?</source>
        <translation>&amp;Cos’è questo?</translation>
    </message>
</context>
<context>
    <name>THelpViewer</name>
    <message>
        <source>Vorkel Clocks Help</source>
        <translation>Guida di Vorkel Clocks</translation>
    </message>
</context>
<context>
    <name>TOptionsData</name>
    <message>
        <source>&apos;%1&apos; is not a valid time</source>
        <translation>«%1» non è un orario valido</translation>
    </message>
</context>
<context>
    <name>TTimeZone</name>
    <message>
        <source>January</source>
        <translation>gennaio</translation>
    </message>
    <message>
        <source>February</source>
        <translation>febbraio</translation>
    </message>
    <message>
        <source>March</source>
        <translation>marzo</translation>
    </message>
    <message>
        <source>April</source>
        <translation>aprile</translation>
    </message>
    <message>
        <source>May</source>
        <translation>maggio</translation>
    </message>
    <message>
        <source>June</source>
        <translation>giugno</translation>
    </message>
    <message>
        <source>July</source>
        <translation>luglio</translation>
    </message>
    <message>
        <source>August</source>
        <translation>agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>settembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>ottobre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>novembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>dicembre</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>domenica</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>lunedì</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>martedì</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>mercoledì</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>giovedì</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>venerdì</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>sabato</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>day of the month, month name</extracomment>
        <translation>il giorno %1 %2</translation>
    </message>
    <message>
        <source>the last %1 in %2</source>
        <translation>l’ultimo giorno di %2 che cade di %1</translation>
    </message>
    <message>
        <source>the first %1 on or after %2 %3</source>
        <translation>il primo giorno che cade di %1 a partire dal giorno %2 %3</translation>
    </message>
    <message>
        <source>the first %1 on or before %2 %3</source>
        <translation>l’ultimo giorno che cade di %1 entro il giorno %2 %3</translation>
    </message>
    <message>
        <source>the first %1 in %2</source>
        <translation>il primo giorno di %2 che cade di %1</translation>
    </message>
    <message>
        <source>an unknown day in %1</source>
        <translation>un giorno sconosciuto di %1</translation>
    </message>
    <message>
        <source>an unknown day</source>
        <translation>un giorno sconosciuto</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <extracomment>a day, then a time of day</extracomment>
        <translation>%1 alle %2</translation>
    </message>
    <message>
        <source>the day after %1</source>
        <translation>il giorno dopo (%1)</translation>
    </message>
    <message>
        <source>the day before %1</source>
        <translation>il giorno prima (%1)</translation>
    </message>
    <message>
        <source>%1 days after %2</source>
        <translation>%1 giorni dopo (%2)</translation>
    </message>
    <message>
        <source>%1 days before %2</source>
        <translation>%1 giorni prima (%2)</translation>
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
        <translation>«%1» non contiene fusi orari</translation>
    </message>
</context>
<context>
    <name>TWindowMenu</name>
    <message>
        <source>&amp;Info on %1...</source>
        <translation>&amp;Info su %1...</translation>
    </message>
</context>
<context>
    <name>TWorldClocks</name>
    <message>
        <source>No clocks have been selected.</source>
        <translation>Non è stato selezionato alcun orologio.</translation>
    </message>
    <message>
        <source>Click to show the time in </source>
        <translation>Fare clic per vedere l’ora di </translation>
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
        <translation>Vorkel Clocks - Opzioni</translation>
    </message>
    <message>
        <source>There was an error loading the time zone data:
</source>
        <translation>Si è verificato un errore durante il caricamento dei dati dei fusi orari:
</translation>
    </message>
    <message>
        <source>Clocks and Time Zones</source>
        <translation>Orologi e fusi orari</translation>
    </message>
    <message>
        <source>Appearance and Alarm</source>
        <translation>Aspetto e sveglia</translation>
    </message>
    <message>
        <source>About Vorkel</source>
        <translation>Informazioni su Vorkel</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
</context>
<context>
    <name>TZoneListModel</name>
    <message>
        <source>No matching places</source>
        <translation>Nessuna località corrispondente</translation>
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
        <translation>Cerca una città, un paese o una sigla</translation>
    </message>
    <message>
        <source>(Search results)</source>
        <translation>(Risultati della ricerca)</translation>
    </message>
    <message>
        <source>Clear the search</source>
        <translation>Cancella la ricerca</translation>
    </message>
</context>
<context>
    <name>TZonesPage</name>
    <message>
        <source>&amp;Your clocks:</source>
        <translation>I propri &amp;orologi:</translation>
    </message>
    <message>
        <source>&amp;Time zones:</source>
        <translation>&amp;Fusi orari:</translation>
    </message>
    <message>
        <source>&lt; &amp;Add a Clock</source>
        <translation>&lt; A&amp;ggiungi un orologio</translation>
    </message>
    <message>
        <source> (no clock) </source>
        <translation> (nessun orologio) </translation>
    </message>
    <message>
        <source>&amp;Clock title:</source>
        <translation>&amp;Titolo dell’orologio:</translation>
    </message>
    <message>
        <source>Use &amp;daylight time when necessary</source>
        <translation>Usa l’ora &amp;legale quando necessario</translation>
    </message>
    <message>
        <source>R&amp;emove</source>
        <translation>&amp;Rimuovi</translation>
    </message>
    <message>
        <source>Standard offset:</source>
        <translation>Scarto solare:</translation>
    </message>
    <message>
        <source>Daylight offset:</source>
        <translation>Scarto legale:</translation>
    </message>
    <message>
        <source>&amp;Run Vorkel Clocks when I log in</source>
        <translation>&amp;Avvia Vorkel Clocks all’accesso</translation>
    </message>
    <message>
        <source>Groups time zones by name instead of by GMT offset.</source>
        <translation>Ordina i fusi orari per nome invece che per scarto da GMT.</translation>
    </message>
    <message>
        <source>&amp;Sort time zones by name, not GMT offset</source>
        <translation>Ordina i fusi per &amp;nome, non per scarto da GMT</translation>
    </message>
    <message>
        <source>(List all zones)</source>
        <translation>(Tutti i fusi)</translation>
    </message>
    <message>
        <source> (no zone) </source>
        <translation> (nessun fuso) </translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>sconosciuta</translation>
    </message>
</context>
<context>
    <name>ZoneTexts</name>
    <message>
        <source>Daylight time (%1, %2)</source>
        <translation>Ora legale (%1, %2)</translation>
    </message>
    <message>
        <source>Standard time (%1)</source>
        <translation>Ora solare (%1)</translation>
    </message>
    <message>
        <source>Daylight time begins on %1.</source>
        <translation>L’ora legale inizia %1.</translation>
    </message>
    <message>
        <source>Standard time resumes on %1.</source>
        <translation>L’ora solare riprende %1.</translation>
    </message>
    <message>
        <source>This zone&apos;s changes follow dates published each year.</source>
        <translation>I cambi d’ora di questo fuso seguono date pubblicate ogni anno.</translation>
    </message>
    <message>
        <source>Next change: %1, %2 → %3</source>
        <translation>Prossimo cambio: %1, %2 → %3</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 ora</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 ore</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minuto</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minuti</translation>
    </message>
    <message>
        <source>%1 ahead of local time</source>
        <translation>%1 avanti rispetto all’ora locale</translation>
    </message>
    <message>
        <source>%1 behind local time</source>
        <translation>%1 indietro rispetto all’ora locale</translation>
    </message>
    <message>
        <source>dddd d mmmm yyyy</source>
        <extracomment>dddd the weekday, d the day, mmmm the month, yyyy the year</extracomment>
        <translation>dddd d mmmm yyyy</translation>
    </message>
    <message>
        <source>hh:nn:ss ampm</source>
        <extracomment>hh hours, nn minutes, ss seconds, ampm the AM/PM mark (leave it out for a 24-hour clock)</extracomment>
        <translation>hh:nn:ss</translation>
    </message>
    <message>
        <source>%1 (zone unknown)</source>
        <translation>%1 (fuso sconosciuto)</translation>
    </message>
    <message>
        <source>--:--</source>
        <extracomment>Shown in place of a time by a clock whose time zone is unknown</extracomment>
        <translation>--:--</translation>
    </message>
    <message>
        <source>This zone is not in the time zone data, so the clock shows no time.
It is kept as it is, and shows the time again once the zone is known.</source>
        <translation>Questo fuso non è presente nei dati dei fusi orari, quindi l’orologio non mostra l’ora.
Viene conservato così com’è e mostrerà di nuovo l’ora quando il fuso sarà noto.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The time zone data does not know the zone of these clocks:</source>
        <translation>I dati dei fusi orari non conoscono il fuso di questi orologi:</translation>
    </message>
    <message>
        <source>They are kept, marked &quot;zone unknown&quot;, and show no time until the time zone data knows their zones again.</source>
        <translation>Vengono conservati, contrassegnati come «fuso sconosciuto», e non mostrano l’ora finché i dati dei fusi orari non conosceranno di nuovo i loro fusi.</translation>
    </message>
    <message>
        <source>Same time as here</source>
        <translation>Stessa ora di qui</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Vorkel Clocks is already running.</source>
        <translation>Vorkel Clocks è già in esecuzione.</translation>
    </message>
    <message>
        <source>A world clock in the notification area.</source>
        <translation>Un orologio mondiale nell’area di notifica.</translation>
    </message>
    <message>
        <source>Open the options, in the copy already running if there is one.</source>
        <translation>Apre le opzioni, nella copia già in esecuzione se ce n’è una.</translation>
    </message>
</context>
</TS>
