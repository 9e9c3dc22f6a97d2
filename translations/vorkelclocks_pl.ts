<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Autostart</name>
    <message>
        <source>Unable to delete &quot;%1&quot;</source>
        <translation>Nie można usunąć „%1”</translation>
    </message>
</context>
<context>
    <name>ReadRegularFile</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Nie można otworzyć pliku „%1”. %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large: %2 bytes or more, at most %3 are read</source>
        <translation>„%1” jest za duży: %2 bajtów lub więcej, odczytywanych jest najwyżej %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file</source>
        <translation>„%1” nie jest zwykłym plikiem</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Unable to open &quot;%1&quot; for write</source>
        <translation>Nie można otworzyć „%1” do zapisu</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is not a text file Vorkel Clocks can read, so your settings could not be used. It was copied to &quot;%2&quot; before being written anew.</source>
        <translation>Plik ustawień „%1” nie jest plikiem tekstowym, który Vorkel Clocks potrafi odczytać, dlatego nie można było użyć Twoich ustawień. Przed ponownym zapisaniem skopiowano go do „%2”.</translation>
    </message>
</context>
<context>
    <name>SoundMessageDlg</name>
    <message>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informacja</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Potwierdzenie</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About Vorkel Clocks</source>
        <translation>O programie Vorkel Clocks</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Wersja: %1</translation>
    </message>
    <message>
        <source>Copyright © 2026 %1</source>
        <translation>Copyright © 2026 %1</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Wszelkie prawa zastrzeżone.</translation>
    </message>
    <message>
        <source>Send feedback</source>
        <translation>Wyślij opinię</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
    </message>
</context>
<context>
    <name>TAboutPage</name>
    <message>
        <source>unknown</source>
        <translation>nieznana</translation>
    </message>
</context>
<context>
    <name>TAlarm</name>
    <message>
        <source>The alarm time for %1 has passed!
</source>
        <translation>Czas budzika dla %1 już minął!
</translation>
    </message>
    <message>
        <source>This is your Vorkel Clocks alarm!

</source>
        <translation>To jest Twój budzik Vorkel Clocks!

</translation>
    </message>
    <message>
        <source>The time in %1 is now %2.</source>
        <translation>%1: jest teraz %2.</translation>
    </message>
    <message>
        <source>Alarm – %1</source>
        <translation>Budzik – %1</translation>
    </message>
</context>
<context>
    <name>TAlarmBox</name>
    <message>
        <source>&amp;Snooze</source>
        <translation>&amp;Drzemka</translation>
    </message>
</context>
<context>
    <name>TAlarmNotification</name>
    <message>
        <source>Show the clocks</source>
        <translation>Pokaż zegary</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Drzemka</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
</context>
<context>
    <name>TAlarmSound</name>
    <message>
        <source>Alarm</source>
        <translation>Budzik</translation>
    </message>
</context>
<context>
    <name>TAppearancePage</name>
    <message>
        <source> Appearance </source>
        <translation> Wygląd </translation>
    </message>
    <message>
        <source>Show the &amp;date on the clocks</source>
        <translation>Pokazuj &amp;datę na zegarach</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Format:</translation>
    </message>
    <message>
        <source>Show the &amp;time on the clocks</source>
        <translation>Pokazuj &amp;godzinę na zegarach</translation>
    </message>
    <message>
        <source>F&amp;ormat:</source>
        <translation>F&amp;ormat:</translation>
    </message>
    <message>
        <source>Clock Fo&amp;nt...</source>
        <translation>&amp;Czcionka...</translation>
    </message>
    <message>
        <source>Co&amp;lour...</source>
        <translation>&amp;Kolor...</translation>
    </message>
    <message>
        <source>D&amp;efaults</source>
        <translation>Do&amp;myślne</translation>
    </message>
    <message>
        <source> Alarm </source>
        <translation> Budzik </translation>
    </message>
    <message>
        <source>Set an &amp;alarm to go off:</source>
        <translation>Ustaw &amp;budzik:</translation>
    </message>
    <message>
        <source>&amp;Clock to use:</source>
        <translation>&amp;Zegar:</translation>
    </message>
    <message>
        <source>Date and ti&amp;me (in 24-hour format):</source>
        <translation>Da&amp;ta i godzina (w formacie 24-godzinnym):</translation>
    </message>
    <message>
        <source>on</source>
        <translation>dnia</translation>
    </message>
    <message>
        <source>%1, %2pt</source>
        <translation>%1, %2 pkt</translation>
    </message>
    <message>
        <source>Are you sure you want to restore the default appearance settings?</source>
        <translation>Czy na pewno przywrócić domyślne ustawienia wyglądu?</translation>
    </message>
    <message>
        <source>Invalid input value.  Use escape key to abandon changes</source>
        <translation>Nieprawidłowa wartość.  Naciśnij Esc, aby porzucić zmiany</translation>
    </message>
    <message>
        <source>This time has already passed in %1.</source>
        <translation>Ta godzina już minęła (%1).</translation>
    </message>
    <message>
        <source>Set for %1</source>
        <translation>Ustaw na %1</translation>
    </message>
    <message>
        <source>The alarm time %1 on %2 has already passed in %3, so the alarm would go off at once.

Set it for %1 on %4 instead?</source>
        <translation>Godzina budzika %1, %2 już minęła (%3), więc budzik zadzwoniłby od razu.

Czy ustawić go na %1, %4?</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Format daty</translation>
    </message>
    <message>
        <source>Time format</source>
        <translation>Format godziny</translation>
    </message>
    <message>
        <source>Alarm date</source>
        <translation>Data budzika</translation>
    </message>
    <message>
        <source>&amp;Snooze for (minutes):</source>
        <translation>Drz&amp;emka (minuty):</translation>
    </message>
</context>
<context>
    <name>TClocksAlarm</name>
    <message>
        <source>Alarm set for %1 on %2</source>
        <translation>Budzik ustawiony na %1, %2</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Budzik</translation>
    </message>
</context>
<context>
    <name>TClocksApp</name>
    <message>
        <source>No notification area was found on this desktop, so Vorkel Clocks shows its clocks in this window.
Closing this window ends the program.</source>
        <translation>Na tym pulpicie nie znaleziono obszaru powiadomień, dlatego Vorkel Clocks pokazuje swoje zegary w tym oknie.
Zamknięcie tego okna kończy działanie programu.</translation>
    </message>
</context>
<context>
    <name>TClocksForm</name>
    <message>
        <source>World Times</source>
        <translation>Czas na świecie</translation>
    </message>
    <message>
        <source>Pin to the desktop</source>
        <translation>Przypnij do pulpitu</translation>
    </message>
    <message>
        <source>Show Clocks</source>
        <translation>Pokaż zegary</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Opcje...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>O programie...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;Info on XXX...</source>
        <translation>&amp;Informacje o XXX...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opcje...</translation>
    </message>
    <message>
        <source>Hi&amp;de</source>
        <translation>&amp;Ukryj</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>O &amp;programie...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>You have not chosen any time zones to use as clocks.
Would you like to choose some now?</source>
        <translation>Nie wybrano jeszcze żadnych stref czasowych do wyświetlania jako zegary.
Czy chcesz je wybrać teraz?</translation>
    </message>
    <message>
        <source>There was an error loading the time zone data:
</source>
        <translation>Wystąpił błąd podczas wczytywania danych stref czasowych:
</translation>
    </message>
    <message>
        <source>%1  &lt;u&gt;Now&lt;/u&gt;</source>
        <translation>%1  &lt;u&gt;Teraz&lt;/u&gt;</translation>
    </message>
    <message>
        <source>Back to the present</source>
        <translation>Powrót do teraźniejszości</translation>
    </message>
</context>
<context>
    <name>TContextHelp</name>
    <message>
        <source>&amp;What&apos;s This?</source>
        <translation>&amp;Co to jest?</translation>
    </message>
</context>
<context>
    <name>THelpViewer</name>
    <message>
        <source>Vorkel Clocks Help</source>
        <translation>Pomoc programu Vorkel Clocks</translation>
    </message>
</context>
<context>
    <name>TOptionsData</name>
    <message>
        <source>&apos;%1&apos; is not a valid time</source>
        <translation>„%1” nie jest prawidłową godziną</translation>
    </message>
</context>
<context>
    <name>TTimeZone</name>
    <message>
        <source>January</source>
        <translation>stycznia</translation>
    </message>
    <message>
        <source>February</source>
        <translation>lutego</translation>
    </message>
    <message>
        <source>March</source>
        <translation>marca</translation>
    </message>
    <message>
        <source>April</source>
        <translation>kwietnia</translation>
    </message>
    <message>
        <source>May</source>
        <translation>maja</translation>
    </message>
    <message>
        <source>June</source>
        <translation>czerwca</translation>
    </message>
    <message>
        <source>July</source>
        <translation>lipca</translation>
    </message>
    <message>
        <source>August</source>
        <translation>sierpnia</translation>
    </message>
    <message>
        <source>September</source>
        <translation>września</translation>
    </message>
    <message>
        <source>October</source>
        <translation>października</translation>
    </message>
    <message>
        <source>November</source>
        <translation>listopada</translation>
    </message>
    <message>
        <source>December</source>
        <translation>grudnia</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>niedzielą</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>poniedziałkiem</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>wtorkiem</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>środą</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>czwartkiem</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>piątkiem</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>sobotą</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>day of the month, month name</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>the last %1 in %2</source>
        <translation>ostatniego dnia %2 będącego %1</translation>
    </message>
    <message>
        <source>the first %1 on or after %2 %3</source>
        <translation>pierwszego dnia będącego %1, począwszy od %2 %3</translation>
    </message>
    <message>
        <source>the first %1 on or before %2 %3</source>
        <translation>ostatniego dnia będącego %1, nie później niż %2 %3</translation>
    </message>
    <message>
        <source>the first %1 in %2</source>
        <translation>pierwszego dnia %2 będącego %1</translation>
    </message>
    <message>
        <source>an unknown day in %1</source>
        <translation>nieznanego dnia %1</translation>
    </message>
    <message>
        <source>an unknown day</source>
        <translation>nieznanego dnia</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <extracomment>a day, then a time of day</extracomment>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>the day after %1</source>
        <translation>dzień później (%1)</translation>
    </message>
    <message>
        <source>the day before %1</source>
        <translation>dzień wcześniej (%1)</translation>
    </message>
    <message>
        <source>%1 days after %2</source>
        <translation>%1 dni później (%2)</translation>
    </message>
    <message>
        <source>%1 days before %2</source>
        <translation>%1 dni wcześniej (%2)</translation>
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
        <translation>„%1” nie zawiera stref czasowych</translation>
    </message>
</context>
<context>
    <name>TWindowMenu</name>
    <message>
        <source>&amp;Info on %1...</source>
        <translation>&amp;Informacje o %1...</translation>
    </message>
</context>
<context>
    <name>TWorldClocks</name>
    <message>
        <source>No clocks have been selected.</source>
        <translation>Nie wybrano żadnych zegarów.</translation>
    </message>
    <message>
        <source>Click to show the time in </source>
        <translation>Kliknij, aby zobaczyć czas: </translation>
    </message>
    <message>
        <source> and </source>
        <translation> i </translation>
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
        <translation>Vorkel Clocks - Opcje</translation>
    </message>
    <message>
        <source>There was an error loading the time zone data:
</source>
        <translation>Wystąpił błąd podczas wczytywania danych stref czasowych:
</translation>
    </message>
    <message>
        <source>Clocks and Time Zones</source>
        <translation>Zegary i strefy czasowe</translation>
    </message>
    <message>
        <source>Appearance and Alarm</source>
        <translation>Wygląd i budzik</translation>
    </message>
    <message>
        <source>About Vorkel</source>
        <translation>O firmie Vorkel</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Zastosuj</translation>
    </message>
</context>
<context>
    <name>TZoneListModel</name>
    <message>
        <source>No matching places</source>
        <translation>Brak pasujących miejsc</translation>
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
        <translation>Szukaj miasta, kraju lub skrótu</translation>
    </message>
    <message>
        <source>(Search results)</source>
        <translation>(Wyniki wyszukiwania)</translation>
    </message>
    <message>
        <source>Clear the search</source>
        <translation>Wyczyść wyszukiwanie</translation>
    </message>
</context>
<context>
    <name>TZonesPage</name>
    <message>
        <source>&amp;Your clocks:</source>
        <translation>Twoje &amp;zegary:</translation>
    </message>
    <message>
        <source>&amp;Time zones:</source>
        <translation>&amp;Strefy czasowe:</translation>
    </message>
    <message>
        <source>&lt; &amp;Add a Clock</source>
        <translation>&lt; &amp;Dodaj zegar</translation>
    </message>
    <message>
        <source> (no clock) </source>
        <translation> (brak zegara) </translation>
    </message>
    <message>
        <source>&amp;Clock title:</source>
        <translation>&amp;Tytuł zegara:</translation>
    </message>
    <message>
        <source>Use &amp;daylight time when necessary</source>
        <translation>Stosuj czas &amp;letni, gdy trzeba</translation>
    </message>
    <message>
        <source>R&amp;emove</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>Standard offset:</source>
        <translation>Przesunięcie standardowe:</translation>
    </message>
    <message>
        <source>Daylight offset:</source>
        <translation>Przesunięcie letnie:</translation>
    </message>
    <message>
        <source>&amp;Run Vorkel Clocks when I log in</source>
        <translation>U&amp;ruchamiaj Vorkel Clocks przy logowaniu</translation>
    </message>
    <message>
        <source>Groups time zones by name instead of by GMT offset.</source>
        <translation>Porządkuje strefy czasowe według nazwy zamiast według przesunięcia względem GMT.</translation>
    </message>
    <message>
        <source>&amp;Sort time zones by name, not GMT offset</source>
        <translation>S&amp;ortuj strefy według nazwy, nie przesunięcia względem GMT</translation>
    </message>
    <message>
        <source>(List all zones)</source>
        <translation>(Wszystkie strefy)</translation>
    </message>
    <message>
        <source> (no zone) </source>
        <translation> (brak strefy) </translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>nieznana</translation>
    </message>
</context>
<context>
    <name>ZoneTexts</name>
    <message>
        <source>Daylight time (%1, %2)</source>
        <translation>Czas letni (%1, %2)</translation>
    </message>
    <message>
        <source>Standard time (%1)</source>
        <translation>Czas standardowy (%1)</translation>
    </message>
    <message>
        <source>Daylight time begins on %1.</source>
        <translation>Czas letni zaczyna się %1.</translation>
    </message>
    <message>
        <source>Standard time resumes on %1.</source>
        <translation>Czas standardowy wraca %1.</translation>
    </message>
    <message>
        <source>This zone&apos;s changes follow dates published each year.</source>
        <translation>Zmiany czasu w tej strefie następują w terminach ogłaszanych co roku.</translation>
    </message>
    <message>
        <source>Next change: %1, %2 → %3</source>
        <translation>Następna zmiana: %1, %2 → %3</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 godz.</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 godz.</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 min</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1 ahead of local time</source>
        <translation>%1 do przodu względem czasu lokalnego</translation>
    </message>
    <message>
        <source>%1 behind local time</source>
        <translation>%1 do tyłu względem czasu lokalnego</translation>
    </message>
    <message>
        <source>dddd d mmmm yyyy</source>
        <extracomment>dddd the weekday, d the day, mmmm the month, yyyy the year</extracomment>
        <translation>dddd, d mmmm yyyy</translation>
    </message>
    <message>
        <source>hh:nn:ss ampm</source>
        <extracomment>hh hours, nn minutes, ss seconds, ampm the AM/PM mark (leave it out for a 24-hour clock)</extracomment>
        <translation>hh:nn:ss</translation>
    </message>
    <message>
        <source>%1 (zone unknown)</source>
        <translation>%1 (nieznana strefa)</translation>
    </message>
    <message>
        <source>--:--</source>
        <extracomment>Shown in place of a time by a clock whose time zone is unknown</extracomment>
        <translation>--:--</translation>
    </message>
    <message>
        <source>This zone is not in the time zone data, so the clock shows no time.
It is kept as it is, and shows the time again once the zone is known.</source>
        <translation>Tej strefy nie ma w danych stref czasowych, dlatego zegar nie pokazuje czasu.
Zegar zostaje zachowany i znów pokaże czas, gdy strefa będzie znana.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The time zone data does not know the zone of these clocks:</source>
        <translation>Dane stref czasowych nie znają strefy tych zegarów:</translation>
    </message>
    <message>
        <source>They are kept, marked &quot;zone unknown&quot;, and show no time until the time zone data knows their zones again.</source>
        <translation>Zegary zostają zachowane, oznaczone jako „nieznana strefa”, i nie pokazują czasu, dopóki dane stref czasowych znów nie poznają ich stref.</translation>
    </message>
    <message>
        <source>Same time as here</source>
        <translation>Ten sam czas co tutaj</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Vorkel Clocks is already running.</source>
        <translation>Vorkel Clocks już działa.</translation>
    </message>
    <message>
        <source>A world clock in the notification area.</source>
        <translation>Zegar światowy w obszarze powiadomień.</translation>
    </message>
    <message>
        <source>Open the options, in the copy already running if there is one.</source>
        <translation>Otwiera opcje, w już uruchomionej kopii, jeśli taka istnieje.</translation>
    </message>
</context>
</TS>
