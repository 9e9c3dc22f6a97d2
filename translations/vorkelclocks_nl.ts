<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Autostart</name>
    <message>
        <source>Unable to delete &quot;%1&quot;</source>
        <translation>Kan ‘%1’ niet verwijderen</translation>
    </message>
</context>
<context>
    <name>ReadRegularFile</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Kan het bestand ‘%1’ niet openen. %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large: %2 bytes or more, at most %3 are read</source>
        <translation>‘%1’ is te groot: %2 bytes of meer, er worden er hoogstens %3 gelezen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file</source>
        <translation>‘%1’ is geen gewoon bestand</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Unable to open &quot;%1&quot; for write</source>
        <translation>Kan ‘%1’ niet openen om te schrijven</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is not a text file Vorkel Clocks can read, so your settings could not be used. It was copied to &quot;%2&quot; before being written anew.</source>
        <translation>Het instellingenbestand ‘%1’ is geen tekstbestand dat Vorkel Clocks kan lezen, daarom konden uw instellingen niet worden gebruikt. Het is naar ‘%2’ gekopieerd voordat het opnieuw werd geschreven.</translation>
    </message>
</context>
<context>
    <name>SoundMessageDlg</name>
    <message>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informatie</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bevestigen</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About Vorkel Clocks</source>
        <translation>Over Vorkel Clocks</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Versie: %1</translation>
    </message>
    <message>
        <source>Copyright © 2026 %1</source>
        <translation>Copyright © 2026 %1</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Alle rechten voorbehouden.</translation>
    </message>
    <message>
        <source>Send feedback</source>
        <translation>Feedback sturen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
</context>
<context>
    <name>TAboutPage</name>
    <message>
        <source>unknown</source>
        <translation>onbekend</translation>
    </message>
</context>
<context>
    <name>TAlarm</name>
    <message>
        <source>The alarm time for %1 has passed!
</source>
        <translation>De wektijd voor %1 is verstreken!
</translation>
    </message>
    <message>
        <source>This is your Vorkel Clocks alarm!

</source>
        <translation>Dit is uw wekker van Vorkel Clocks!

</translation>
    </message>
    <message>
        <source>The time in %1 is now %2.</source>
        <translation>In %1 is het nu %2.</translation>
    </message>
    <message>
        <source>Alarm – %1</source>
        <translation>Wekker – %1</translation>
    </message>
</context>
<context>
    <name>TAlarmBox</name>
    <message>
        <source>&amp;Snooze</source>
        <translation>&amp;Sluimeren</translation>
    </message>
</context>
<context>
    <name>TAlarmNotification</name>
    <message>
        <source>Show the clocks</source>
        <translation>Klokken tonen</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Sluimeren</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
</context>
<context>
    <name>TAlarmSound</name>
    <message>
        <source>Alarm</source>
        <translation>Wekker</translation>
    </message>
</context>
<context>
    <name>TAppearancePage</name>
    <message>
        <source> Appearance </source>
        <translation> Weergave </translation>
    </message>
    <message>
        <source>Show the &amp;date on the clocks</source>
        <translation>&amp;Datum op de klokken tonen</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Notatie:</translation>
    </message>
    <message>
        <source>Show the &amp;time on the clocks</source>
        <translation>&amp;Tijd op de klokken tonen</translation>
    </message>
    <message>
        <source>F&amp;ormat:</source>
        <translation>N&amp;otatie:</translation>
    </message>
    <message>
        <source>Clock Fo&amp;nt...</source>
        <translation>&amp;Lettertype...</translation>
    </message>
    <message>
        <source>Co&amp;lour...</source>
        <translation>Kl&amp;eur...</translation>
    </message>
    <message>
        <source>D&amp;efaults</source>
        <translation>St&amp;andaard</translation>
    </message>
    <message>
        <source> Alarm </source>
        <translation> Wekker </translation>
    </message>
    <message>
        <source>Set an &amp;alarm to go off:</source>
        <translation>&amp;Wekker zetten:</translation>
    </message>
    <message>
        <source>&amp;Clock to use:</source>
        <translation>&amp;Klok:</translation>
    </message>
    <message>
        <source>Date and ti&amp;me (in 24-hour format):</source>
        <translation>Datu&amp;m en tijd (in 24-uursnotatie):</translation>
    </message>
    <message>
        <source>on</source>
        <translation>op</translation>
    </message>
    <message>
        <source>%1, %2pt</source>
        <translation>%1, %2 pt</translation>
    </message>
    <message>
        <source>Are you sure you want to restore the default appearance settings?</source>
        <translation>Weet u zeker dat u de standaardweergave wilt herstellen?</translation>
    </message>
    <message>
        <source>Invalid input value.  Use escape key to abandon changes</source>
        <translation>Ongeldige invoer.  Druk op Esc om de wijzigingen te verwerpen</translation>
    </message>
    <message>
        <source>This time has already passed in %1.</source>
        <translation>Deze tijd is in %1 al voorbij.</translation>
    </message>
    <message>
        <source>Set for %1</source>
        <translation>Zetten op %1</translation>
    </message>
    <message>
        <source>The alarm time %1 on %2 has already passed in %3, so the alarm would go off at once.

Set it for %1 on %4 instead?</source>
        <translation>De wektijd %1 op %2 is in %3 al voorbij, dus de wekker zou meteen afgaan.

Wilt u hem in plaats daarvan op %1 op %4 zetten?</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Datumnotatie</translation>
    </message>
    <message>
        <source>Time format</source>
        <translation>Tijdnotatie</translation>
    </message>
    <message>
        <source>Alarm date</source>
        <translation>Datum van de wekker</translation>
    </message>
    <message>
        <source>&amp;Snooze for (minutes):</source>
        <translation>&amp;Sluimeren (minuten):</translation>
    </message>
</context>
<context>
    <name>TClocksAlarm</name>
    <message>
        <source>Alarm set for %1 on %2</source>
        <translation>Wekker gezet op %1 op %2</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Wekker</translation>
    </message>
</context>
<context>
    <name>TClocksApp</name>
    <message>
        <source>No notification area was found on this desktop, so Vorkel Clocks shows its clocks in this window.
Closing this window ends the program.</source>
        <translation>Op dit bureaublad is geen systeemvak gevonden; daarom toont Vorkel Clocks zijn klokken in dit venster.
Als u dit venster sluit, wordt het programma afgesloten.</translation>
    </message>
</context>
<context>
    <name>TClocksForm</name>
    <message>
        <source>World Times</source>
        <translation>Wereldtijden</translation>
    </message>
    <message>
        <source>Pin to the desktop</source>
        <translation>Vastzetten op het bureaublad</translation>
    </message>
    <message>
        <source>Show Clocks</source>
        <translation>Klokken tonen</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Opties...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Over...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Info on XXX...</source>
        <translation>&amp;Info over XXX...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opties...</translation>
    </message>
    <message>
        <source>Hi&amp;de</source>
        <translation>&amp;Verbergen</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Ov&amp;er...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>You have not chosen any time zones to use as clocks.
Would you like to choose some now?</source>
        <translation>U hebt nog geen tijdzones als klok gekozen.
Wilt u er nu een paar kiezen?</translation>
    </message>
    <message>
        <source>There was an error loading the time zone data:
</source>
        <translation>Er is een fout opgetreden bij het laden van de tijdzonegegevens:
</translation>
    </message>
    <message>
        <source>%1  &lt;u&gt;Now&lt;/u&gt;</source>
        <translation>%1  &lt;u&gt;Nu&lt;/u&gt;</translation>
    </message>
    <message>
        <source>Back to the present</source>
        <translation>Terug naar het heden</translation>
    </message>
</context>
<context>
    <name>TContextHelp</name>
    <message>
        <source>&amp;What&apos;s This?</source>
        <translation>&amp;Wat is dit?</translation>
    </message>
</context>
<context>
    <name>THelpViewer</name>
    <message>
        <source>Vorkel Clocks Help</source>
        <translation>Help bij Vorkel Clocks</translation>
    </message>
</context>
<context>
    <name>TOptionsData</name>
    <message>
        <source>&apos;%1&apos; is not a valid time</source>
        <translation>‘%1’ is geen geldige tijd</translation>
    </message>
</context>
<context>
    <name>TTimeZone</name>
    <message>
        <source>January</source>
        <translation>januari</translation>
    </message>
    <message>
        <source>February</source>
        <translation>februari</translation>
    </message>
    <message>
        <source>March</source>
        <translation>maart</translation>
    </message>
    <message>
        <source>April</source>
        <translation>april</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mei</translation>
    </message>
    <message>
        <source>June</source>
        <translation>juni</translation>
    </message>
    <message>
        <source>July</source>
        <translation>juli</translation>
    </message>
    <message>
        <source>August</source>
        <translation>augustus</translation>
    </message>
    <message>
        <source>September</source>
        <translation>september</translation>
    </message>
    <message>
        <source>October</source>
        <translation>oktober</translation>
    </message>
    <message>
        <source>November</source>
        <translation>november</translation>
    </message>
    <message>
        <source>December</source>
        <translation>december</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>zondag</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>maandag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>dinsdag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>woensdag</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>donderdag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>vrijdag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>zaterdag</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>day of the month, month name</extracomment>
        <translation>op %1 %2</translation>
    </message>
    <message>
        <source>the last %1 in %2</source>
        <translation>op de laatste %1 van %2</translation>
    </message>
    <message>
        <source>the first %1 on or after %2 %3</source>
        <translation>op de eerste %1 vanaf %2 %3</translation>
    </message>
    <message>
        <source>the first %1 on or before %2 %3</source>
        <translation>op de laatste %1 tot en met %2 %3</translation>
    </message>
    <message>
        <source>the first %1 in %2</source>
        <translation>op de eerste %1 van %2</translation>
    </message>
    <message>
        <source>an unknown day in %1</source>
        <translation>op een onbekende dag in %1</translation>
    </message>
    <message>
        <source>an unknown day</source>
        <translation>op een onbekende dag</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <extracomment>a day, then a time of day</extracomment>
        <translation>%1 om %2</translation>
    </message>
    <message>
        <source>the day after %1</source>
        <translation>een dag later (%1)</translation>
    </message>
    <message>
        <source>the day before %1</source>
        <translation>een dag eerder (%1)</translation>
    </message>
    <message>
        <source>%1 days after %2</source>
        <translation>%1 dagen later (%2)</translation>
    </message>
    <message>
        <source>%1 days before %2</source>
        <translation>%1 dagen eerder (%2)</translation>
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
        <translation>‘%1’ bevat geen tijdzones</translation>
    </message>
</context>
<context>
    <name>TWindowMenu</name>
    <message>
        <source>&amp;Info on %1...</source>
        <translation>&amp;Info over %1...</translation>
    </message>
</context>
<context>
    <name>TWorldClocks</name>
    <message>
        <source>No clocks have been selected.</source>
        <translation>Er zijn geen klokken geselecteerd.</translation>
    </message>
    <message>
        <source>Click to show the time in </source>
        <translation>Klik om de tijd te tonen in </translation>
    </message>
    <message>
        <source> and </source>
        <translation> en </translation>
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
        <translation>Vorkel Clocks - Opties</translation>
    </message>
    <message>
        <source>There was an error loading the time zone data:
</source>
        <translation>Er is een fout opgetreden bij het laden van de tijdzonegegevens:
</translation>
    </message>
    <message>
        <source>Clocks and Time Zones</source>
        <translation>Klokken en tijdzones</translation>
    </message>
    <message>
        <source>Appearance and Alarm</source>
        <translation>Weergave en wekker</translation>
    </message>
    <message>
        <source>About Vorkel</source>
        <translation>Over Vorkel</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Toepassen</translation>
    </message>
</context>
<context>
    <name>TZoneListModel</name>
    <message>
        <source>No matching places</source>
        <translation>Geen overeenkomende plaatsen</translation>
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
        <translation>Zoek een stad, land of afkorting</translation>
    </message>
    <message>
        <source>(Search results)</source>
        <translation>(Zoekresultaten)</translation>
    </message>
    <message>
        <source>Clear the search</source>
        <translation>Zoekopdracht wissen</translation>
    </message>
</context>
<context>
    <name>TZonesPage</name>
    <message>
        <source>&amp;Your clocks:</source>
        <translation>Uw &amp;klokken:</translation>
    </message>
    <message>
        <source>&amp;Time zones:</source>
        <translation>T&amp;ijdzones:</translation>
    </message>
    <message>
        <source>&lt; &amp;Add a Clock</source>
        <translation>&lt; Klok toevoe&amp;gen</translation>
    </message>
    <message>
        <source> (no clock) </source>
        <translation> (geen klok) </translation>
    </message>
    <message>
        <source>&amp;Clock title:</source>
        <translation>&amp;Titel van de klok:</translation>
    </message>
    <message>
        <source>Use &amp;daylight time when necessary</source>
        <translation>&amp;Zomertijd gebruiken waar nodig</translation>
    </message>
    <message>
        <source>R&amp;emove</source>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message>
        <source>Standard offset:</source>
        <translation>Verschil standaardtijd:</translation>
    </message>
    <message>
        <source>Daylight offset:</source>
        <translation>Verschil zomertijd:</translation>
    </message>
    <message>
        <source>&amp;Run Vorkel Clocks when I log in</source>
        <translation>Vorkel Clocks &amp;starten bij het aanmelden</translation>
    </message>
    <message>
        <source>Groups time zones by name instead of by GMT offset.</source>
        <translation>Ordent de tijdzones op naam in plaats van op hun verschil met GMT.</translation>
    </message>
    <message>
        <source>&amp;Sort time zones by name, not GMT offset</source>
        <translation>Tijdzones op &amp;naam sorteren, niet op verschil met GMT</translation>
    </message>
    <message>
        <source>(List all zones)</source>
        <translation>(Alle zones)</translation>
    </message>
    <message>
        <source> (no zone) </source>
        <translation> (geen zone) </translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>onbekend</translation>
    </message>
</context>
<context>
    <name>ZoneTexts</name>
    <message>
        <source>Daylight time (%1, %2)</source>
        <translation>Zomertijd (%1, %2)</translation>
    </message>
    <message>
        <source>Standard time (%1)</source>
        <translation>Standaardtijd (%1)</translation>
    </message>
    <message>
        <source>Daylight time begins on %1.</source>
        <translation>De zomertijd begint %1.</translation>
    </message>
    <message>
        <source>Standard time resumes on %1.</source>
        <translation>De standaardtijd gaat weer in %1.</translation>
    </message>
    <message>
        <source>This zone&apos;s changes follow dates published each year.</source>
        <translation>De tijdwisselingen van deze zone volgen data die elk jaar worden gepubliceerd.</translation>
    </message>
    <message>
        <source>Next change: %1, %2 → %3</source>
        <translation>Volgende wisseling: %1, %2 → %3</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 uur</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 uur</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minuut</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minuten</translation>
    </message>
    <message>
        <source>%1 ahead of local time</source>
        <translation>%1 voor op de lokale tijd</translation>
    </message>
    <message>
        <source>%1 behind local time</source>
        <translation>%1 achter op de lokale tijd</translation>
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
        <translation>%1 (zone onbekend)</translation>
    </message>
    <message>
        <source>--:--</source>
        <extracomment>Shown in place of a time by a clock whose time zone is unknown</extracomment>
        <translation>--:--</translation>
    </message>
    <message>
        <source>This zone is not in the time zone data, so the clock shows no time.
It is kept as it is, and shows the time again once the zone is known.</source>
        <translation>Deze zone staat niet in de tijdzonegegevens, daarom toont de klok geen tijd.
De klok blijft bewaard en toont weer de tijd zodra de zone bekend is.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The time zone data does not know the zone of these clocks:</source>
        <translation>De tijdzonegegevens kennen de zone van deze klokken niet:</translation>
    </message>
    <message>
        <source>They are kept, marked &quot;zone unknown&quot;, and show no time until the time zone data knows their zones again.</source>
        <translation>Ze blijven bewaard, gemarkeerd met ‘zone onbekend’, en tonen geen tijd totdat de tijdzonegegevens hun zones weer kennen.</translation>
    </message>
    <message>
        <source>Same time as here</source>
        <translation>Zelfde tijd als hier</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Vorkel Clocks is already running.</source>
        <translation>Vorkel Clocks is al actief.</translation>
    </message>
    <message>
        <source>A world clock in the notification area.</source>
        <translation>Een wereldklok in het systeemvak.</translation>
    </message>
    <message>
        <source>Open the options, in the copy already running if there is one.</source>
        <translation>Opent de opties, in het al actieve exemplaar als dat er is.</translation>
    </message>
</context>
</TS>
