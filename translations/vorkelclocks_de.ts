<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Autostart</name>
    <message>
        <source>Unable to delete &quot;%1&quot;</source>
        <translation>&quot;%1&quot; kann nicht gelöscht werden</translation>
    </message>
</context>
<context>
    <name>ReadRegularFile</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Die Datei &quot;%1&quot; kann nicht geöffnet werden. %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large: %2 bytes or more, at most %3 are read</source>
        <translation>&quot;%1&quot; ist zu groß: %2 Bytes oder mehr, gelesen werden höchstens %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file</source>
        <translation>&quot;%1&quot; ist keine reguläre Datei</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>The settings file &quot;%1&quot; is not a text file Vorkel Clocks can read, so your settings could not be used. It was copied to &quot;%2&quot; before being written anew.</source>
        <translation>Die Einstellungsdatei &quot;%1&quot; ist keine Textdatei, die Vorkel Clocks lesen kann, daher konnten Ihre Einstellungen nicht verwendet werden. Sie wurde nach &quot;%2&quot; kopiert, bevor sie neu geschrieben wird.</translation>
    </message>
    <message>
        <source>Unable to open &quot;%1&quot; for write</source>
        <translation>&quot;%1&quot; kann nicht zum Schreiben geöffnet werden</translation>
    </message>
</context>
<context>
    <name>SoundMessageDlg</name>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About Vorkel Clocks</source>
        <translation>Über Vorkel Clocks</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Version: %1</translation>
    </message>
    <message>
        <source>Copyright © 2026 %1</source>
        <translation>Copyright © 2026 %1</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>Send feedback</source>
        <translation>Rückmeldung senden</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>TAboutPage</name>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
</context>
<context>
    <name>TAlarm</name>
    <message>
        <source>The alarm time for %1 has passed!
</source>
        <translation>Die Weckzeit für %1 ist verstrichen!
</translation>
    </message>
    <message>
        <source>This is your Vorkel Clocks alarm!

</source>
        <translation>Dies ist Ihr Wecker von Vorkel Clocks!

</translation>
    </message>
    <message>
        <source>The time in %1 is now %2.</source>
        <translation>In %1 ist es jetzt %2.</translation>
    </message>
    <message>
        <source>Alarm – %1</source>
        <translation>Wecker – %1</translation>
    </message>
</context>
<context>
    <name>TAlarmBox</name>
    <message>
        <source>&amp;Snooze</source>
        <translation>&amp;Schlummern</translation>
    </message>
</context>
<context>
    <name>TAlarmNotification</name>
    <message>
        <source>Show the clocks</source>
        <translation>Uhren anzeigen</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Schlummern</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
</context>
<context>
    <name>TAlarmSound</name>
    <message>
        <source>Alarm</source>
        <translation>Wecker</translation>
    </message>
</context>
<context>
    <name>TAppearancePage</name>
    <message>
        <source> Appearance </source>
        <translation> Aussehen </translation>
    </message>
    <message>
        <source>Show the &amp;date on the clocks</source>
        <translation>&amp;Datum auf den Uhren anzeigen</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Format:</translation>
    </message>
    <message>
        <source>Show the &amp;time on the clocks</source>
        <translation>&amp;Uhrzeit auf den Uhren anzeigen</translation>
    </message>
    <message>
        <source>F&amp;ormat:</source>
        <translation>F&amp;ormat:</translation>
    </message>
    <message>
        <source>Clock Fo&amp;nt...</source>
        <translation>&amp;Schriftart...</translation>
    </message>
    <message>
        <source>Co&amp;lour...</source>
        <translation>Fa&amp;rbe...</translation>
    </message>
    <message>
        <source>D&amp;efaults</source>
        <translation>S&amp;tandard</translation>
    </message>
    <message>
        <source> Alarm </source>
        <translation> Wecker </translation>
    </message>
    <message>
        <source>Set an &amp;alarm to go off:</source>
        <translation>&amp;Wecker stellen:</translation>
    </message>
    <message>
        <source>&amp;Clock to use:</source>
        <translation>&amp;Zu verwendende Uhr:</translation>
    </message>
    <message>
        <source>Date and ti&amp;me (in 24-hour format):</source>
        <translation>Datu&amp;m und Uhrzeit (im 24-Stunden-Format):</translation>
    </message>
    <message>
        <source>on</source>
        <translation>am</translation>
    </message>
    <message>
        <source>%1, %2pt</source>
        <translation>%1, %2 pt</translation>
    </message>
    <message>
        <source>Are you sure you want to restore the default appearance settings?</source>
        <translation>Möchten Sie die Standardeinstellungen für das Aussehen wirklich wiederherstellen?</translation>
    </message>
    <message>
        <source>Invalid input value.  Use escape key to abandon changes</source>
        <translation>Ungültige Eingabe.  Mit der Esc-Taste verwerfen Sie die Änderung</translation>
    </message>
    <message>
        <source>This time has already passed in %1.</source>
        <translation>Diese Zeit ist in %1 schon vorbei.</translation>
    </message>
    <message>
        <source>Set for %1</source>
        <translation>Auf %1 stellen</translation>
    </message>
    <message>
        <source>The alarm time %1 on %2 has already passed in %3, so the alarm would go off at once.

Set it for %1 on %4 instead?</source>
        <translation>Die Weckzeit %1 am %2 ist in %3 schon vorbei, der Wecker würde also sofort klingeln.

Stattdessen auf %1 am %4 stellen?</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Datumsformat</translation>
    </message>
    <message>
        <source>Time format</source>
        <translation>Uhrzeitformat</translation>
    </message>
    <message>
        <source>Alarm date</source>
        <translation>Weckdatum</translation>
    </message>
    <message>
        <source>&amp;Snooze for (minutes):</source>
        <translation>Sch&amp;lummern für (Minuten):</translation>
    </message>
</context>
<context>
    <name>TClocksAlarm</name>
    <message>
        <source>Alarm set for %1 on %2</source>
        <translation>Wecker gestellt auf %1 am %2</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Wecker</translation>
    </message>
</context>
<context>
    <name>TClocksApp</name>
    <message>
        <source>No notification area was found on this desktop, so Vorkel Clocks shows its clocks in this window.
Closing this window ends the program.</source>
        <translation>Auf diesem Desktop wurde kein Benachrichtigungsfeld gefunden, daher zeigt Vorkel Clocks seine Uhren in diesem Fenster.
Wenn Sie dieses Fenster schließen, wird das Programm beendet.</translation>
    </message>
</context>
<context>
    <name>TClocksForm</name>
    <message>
        <source>World Times</source>
        <translation>Weltzeiten</translation>
    </message>
    <message>
        <source>Pin to the desktop</source>
        <translation>Auf dem Desktop anheften</translation>
    </message>
    <message>
        <source>Show Clocks</source>
        <translation>Uhren anzeigen</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Optionen...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Über...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>&amp;Info on XXX...</source>
        <translation>&amp;Info zu XXX...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Optionen...</translation>
    </message>
    <message>
        <source>Hi&amp;de</source>
        <translation>&amp;Ausblenden</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>You have not chosen any time zones to use as clocks.
Would you like to choose some now?</source>
        <translation>Sie haben noch keine Zeitzonen als Uhren gewählt.
Möchten Sie jetzt welche wählen?</translation>
    </message>
    <message>
        <source>There was an error loading the time zone data:
</source>
        <translation>Beim Laden der Zeitzonendaten ist ein Fehler aufgetreten:
</translation>
    </message>
    <message>
        <source>%1  &lt;u&gt;Now&lt;/u&gt;</source>
        <translation>%1  &lt;u&gt;Jetzt&lt;/u&gt;</translation>
    </message>
    <message>
        <source>Back to the present</source>
        <translation>Zurück zur Gegenwart</translation>
    </message>
</context>
<context>
    <name>TContextHelp</name>
    <message>
        <source>&amp;What&apos;s This?</source>
        <translation>&amp;Direkthilfe</translation>
    </message>
</context>
<context>
    <name>THelpViewer</name>
    <message>
        <source>Vorkel Clocks Help</source>
        <translation>Hilfe zu Vorkel Clocks</translation>
    </message>
</context>
<context>
    <name>TOptionsData</name>
    <message>
        <source>&apos;%1&apos; is not a valid time</source>
        <translation>&apos;%1&apos; ist keine gültige Uhrzeit</translation>
    </message>
</context>
<context>
    <name>TTimeZone</name>
    <message>
        <source>January</source>
        <translation>Januar</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Februar</translation>
    </message>
    <message>
        <source>March</source>
        <translation>März</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juni</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juli</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Oktober</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dezember</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>day of the month, month name</extracomment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>the last %1 in %2</source>
        <translation>letzten %1 im %2</translation>
    </message>
    <message>
        <source>the first %1 on or after %2 %3</source>
        <translation>ersten %1 am oder nach dem %2. %3</translation>
    </message>
    <message>
        <source>the first %1 on or before %2 %3</source>
        <translation>ersten %1 am oder vor dem %2. %3</translation>
    </message>
    <message>
        <source>the first %1 in %2</source>
        <translation>ersten %1 im %2</translation>
    </message>
    <message>
        <source>an unknown day in %1</source>
        <translation>unbekannten Tag im %1</translation>
    </message>
    <message>
        <source>an unknown day</source>
        <translation>an einem unbekannten Tag</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <extracomment>a day, then a time of day</extracomment>
        <translation>am %1 um %2 Uhr</translation>
    </message>
    <message>
        <source>the day after %1</source>
        <translation>Tag nach dem %1</translation>
    </message>
    <message>
        <source>the day before %1</source>
        <translation>Tag vor dem %1</translation>
    </message>
    <message>
        <source>%1 days after %2</source>
        <translation>%1. Tag nach dem %2</translation>
    </message>
    <message>
        <source>%1 days before %2</source>
        <translation>%1. Tag vor dem %2</translation>
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
        <translation>&quot;%1&quot; enthält keine Zeitzonen</translation>
    </message>
</context>
<context>
    <name>TWindowMenu</name>
    <message>
        <source>&amp;Info on %1...</source>
        <translation>&amp;Info zu %1...</translation>
    </message>
</context>
<context>
    <name>TWorldClocks</name>
    <message>
        <source>No clocks have been selected.</source>
        <translation>Es wurden keine Uhren gewählt.</translation>
    </message>
    <message>
        <source>Click to show the time in </source>
        <translation>Klicken für die Uhrzeit in </translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
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
        <translation>Vorkel Clocks - Optionen</translation>
    </message>
    <message>
        <source>There was an error loading the time zone data:
</source>
        <translation>Beim Laden der Zeitzonendaten ist ein Fehler aufgetreten:
</translation>
    </message>
    <message>
        <source>Clocks and Time Zones</source>
        <translation>Uhren und Zeitzonen</translation>
    </message>
    <message>
        <source>Appearance and Alarm</source>
        <translation>Aussehen und Wecker</translation>
    </message>
    <message>
        <source>About Vorkel</source>
        <translation>Über Vorkel</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
</context>
<context>
    <name>TZoneListModel</name>
    <message>
        <source>No matching places</source>
        <translation>Keine passenden Orte</translation>
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
        <translation>Stadt, Land oder Abkürzung suchen</translation>
    </message>
    <message>
        <source>(Search results)</source>
        <translation>(Suchergebnisse)</translation>
    </message>
    <message>
        <source>Clear the search</source>
        <translation>Suche leeren</translation>
    </message>
</context>
<context>
    <name>TZonesPage</name>
    <message>
        <source>&amp;Your clocks:</source>
        <translation>&amp;Ihre Uhren:</translation>
    </message>
    <message>
        <source>&amp;Time zones:</source>
        <translation>&amp;Zeitzonen:</translation>
    </message>
    <message>
        <source>&lt; &amp;Add a Clock</source>
        <translation>&lt; Uhr &amp;hinzufügen</translation>
    </message>
    <message>
        <source> (no clock) </source>
        <translation> (keine Uhr) </translation>
    </message>
    <message>
        <source>&amp;Clock title:</source>
        <translation>&amp;Titel der Uhr:</translation>
    </message>
    <message>
        <source>Use &amp;daylight time when necessary</source>
        <translation>&amp;Bei Bedarf Sommerzeit verwenden</translation>
    </message>
    <message>
        <source>R&amp;emove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Standard offset:</source>
        <translation>Normalzeit:</translation>
    </message>
    <message>
        <source>Daylight offset:</source>
        <translation>Sommerzeit:</translation>
    </message>
    <message>
        <source>&amp;Run Vorkel Clocks when I log in</source>
        <translation>Vorkel Clocks beim &amp;Anmelden starten</translation>
    </message>
    <message>
        <source>Groups time zones by name instead of by GMT offset.</source>
        <translation>Ordnet die Zeitzonen nach Namen statt nach GMT-Abstand.</translation>
    </message>
    <message>
        <source>&amp;Sort time zones by name, not GMT offset</source>
        <translation>Zeitzonen nach &amp;Namen statt GMT-Abstand sortieren</translation>
    </message>
    <message>
        <source>(List all zones)</source>
        <translation>(Alle Zonen anzeigen)</translation>
    </message>
    <message>
        <source> (no zone) </source>
        <translation> (keine Zone) </translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
</context>
<context>
    <name>ZoneTexts</name>
    <message>
        <source>%1 (zone unknown)</source>
        <translation>%1 (Zone unbekannt)</translation>
    </message>
    <message>
        <source>--:--</source>
        <extracomment>Shown in place of a time by a clock whose time zone is unknown</extracomment>
        <translation>--:--</translation>
    </message>
    <message>
        <source>This zone is not in the time zone data, so the clock shows no time.
It is kept as it is, and shows the time again once the zone is known.</source>
        <translation>Diese Zone fehlt in den Zeitzonendaten, daher zeigt die Uhr keine Zeit.
Sie bleibt erhalten und zeigt wieder die Zeit, sobald die Zone bekannt ist.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The time zone data does not know the zone of these clocks:</source>
        <translation>Die Zeitzonendaten kennen die Zone dieser Uhren nicht:</translation>
    </message>
    <message>
        <source>They are kept, marked &quot;zone unknown&quot;, and show no time until the time zone data knows their zones again.</source>
        <translation>Sie bleiben erhalten, sind mit &quot;Zone unbekannt&quot; markiert und zeigen keine Zeit, bis die Zeitzonendaten ihre Zonen wieder kennen.</translation>
    </message>
    <message>
        <source>Daylight time (%1, %2)</source>
        <translation>Sommerzeit (%1, %2)</translation>
    </message>
    <message>
        <source>Standard time (%1)</source>
        <translation>Normalzeit (%1)</translation>
    </message>
    <message>
        <source>Daylight time begins on %1.</source>
        <translation>Die Sommerzeit beginnt %1.</translation>
    </message>
    <message>
        <source>Standard time resumes on %1.</source>
        <translation>Die Normalzeit beginnt wieder %1.</translation>
    </message>
    <message>
        <source>This zone&apos;s changes follow dates published each year.</source>
        <translation>Die Umstellungen dieser Zone folgen jedes Jahr neu veröffentlichten Daten.</translation>
    </message>
    <message>
        <source>Next change: %1, %2 → %3</source>
        <translation>Nächste Umstellung: %1, %2 → %3</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 Stunde</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 Stunden</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 Minute</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 Minuten</translation>
    </message>
    <message>
        <source>%1 ahead of local time</source>
        <translation>%1 vor der Ortszeit</translation>
    </message>
    <message>
        <source>%1 behind local time</source>
        <translation>%1 hinter der Ortszeit</translation>
    </message>
    <message>
        <source>dddd d mmmm yyyy</source>
        <extracomment>dddd the weekday, d the day, mmmm the month, yyyy the year</extracomment>
        <translation>dddd, d. mmmm yyyy</translation>
    </message>
    <message>
        <source>hh:nn:ss ampm</source>
        <extracomment>hh hours, nn minutes, ss seconds, ampm the AM/PM mark (leave it out for a 24-hour clock)</extracomment>
        <translation>hh:nn:ss</translation>
    </message>
    <message>
        <source>Same time as here</source>
        <translation>Gleiche Zeit wie hier</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>A world clock in the notification area.</source>
        <translation>Eine Weltzeituhr im Infobereich.</translation>
    </message>
    <message>
        <source>Open the options, in the copy already running if there is one.</source>
        <translation>Die Optionen öffnen, in der bereits laufenden Instanz, wenn es eine gibt.</translation>
    </message>
    <message>
        <source>Vorkel Clocks is already running.</source>
        <translation>Vorkel Clocks läuft bereits.</translation>
    </message>
</context>
</TS>
