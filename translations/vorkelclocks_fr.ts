<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Autostart</name>
    <message>
        <source>Unable to delete &quot;%1&quot;</source>
        <translation>Impossible de supprimer «&#xa0;%1&#xa0;»</translation>
    </message>
</context>
<context>
    <name>ReadRegularFile</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Impossible d’ouvrir le fichier «&#xa0;%1&#xa0;». %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large: %2 bytes or more, at most %3 are read</source>
        <translation>«&#xa0;%1&#xa0;» est trop volumineux&#xa0;: %2&#xa0;octets ou plus, au plus %3 sont lus</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un fichier ordinaire</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Unable to open &quot;%1&quot; for write</source>
        <translation>Impossible d’ouvrir «&#xa0;%1&#xa0;» en écriture</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is not a text file Vorkel Clocks can read, so your settings could not be used. It was copied to &quot;%2&quot; before being written anew.</source>
        <translation>Le fichier de réglages «&#xa0;%1&#xa0;» n’est pas un fichier texte que Vorkel Clocks sait lire&#xa0;; vos réglages n’ont donc pas pu être utilisés. Il a été copié dans «&#xa0;%2&#xa0;» avant d’être réécrit.</translation>
    </message>
</context>
<context>
    <name>SoundMessageDlg</name>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmation</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About Vorkel Clocks</source>
        <translation>À propos de Vorkel Clocks</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Version&#xa0;: %1</translation>
    </message>
    <message>
        <source>Copyright © 2026 %1</source>
        <translation>Copyright © 2026 %1</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Tous droits réservés.</translation>
    </message>
    <message>
        <source>Send feedback</source>
        <translation>Envoyer un commentaire</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>TAboutPage</name>
    <message>
        <source>unknown</source>
        <translation>inconnue</translation>
    </message>
</context>
<context>
    <name>TAlarm</name>
    <message>
        <source>The alarm time for %1 has passed!
</source>
        <translation>L’heure de l’alarme pour %1 est passée&#xa0;!
</translation>
    </message>
    <message>
        <source>This is your Vorkel Clocks alarm!

</source>
        <translation>Voici votre alarme Vorkel Clocks&#xa0;!

</translation>
    </message>
    <message>
        <source>The time in %1 is now %2.</source>
        <translation>Il est maintenant %2 à %1.</translation>
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
        <translation>&amp;Répéter</translation>
    </message>
</context>
<context>
    <name>TAlarmNotification</name>
    <message>
        <source>Show the clocks</source>
        <translation>Afficher les horloges</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Répéter</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
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
        <translation> Apparence </translation>
    </message>
    <message>
        <source>Show the &amp;date on the clocks</source>
        <translation>Afficher la &amp;date sur les horloges</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Format&#xa0;:</translation>
    </message>
    <message>
        <source>Show the &amp;time on the clocks</source>
        <translation>Afficher l’&amp;heure sur les horloges</translation>
    </message>
    <message>
        <source>F&amp;ormat:</source>
        <translation>Fo&amp;rmat&#xa0;:</translation>
    </message>
    <message>
        <source>Clock Fo&amp;nt...</source>
        <translation>&amp;Police...</translation>
    </message>
    <message>
        <source>Co&amp;lour...</source>
        <translation>C&amp;ouleur...</translation>
    </message>
    <message>
        <source>D&amp;efaults</source>
        <translation>&amp;Valeurs par défaut</translation>
    </message>
    <message>
        <source> Alarm </source>
        <translation> Alarme </translation>
    </message>
    <message>
        <source>Set an &amp;alarm to go off:</source>
        <translation>Régler une &amp;alarme&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Clock to use:</source>
        <translation>Horloge à &amp;utiliser&#xa0;:</translation>
    </message>
    <message>
        <source>Date and ti&amp;me (in 24-hour format):</source>
        <translation>Da&amp;te et heure (au format 24&#xa0;heures)&#xa0;:</translation>
    </message>
    <message>
        <source>on</source>
        <translation>le</translation>
    </message>
    <message>
        <source>%1, %2pt</source>
        <translation>%1, %2&#xa0;pt</translation>
    </message>
    <message>
        <source>Are you sure you want to restore the default appearance settings?</source>
        <translation>Voulez-vous vraiment rétablir les réglages d’apparence par défaut&#xa0;?</translation>
    </message>
    <message>
        <source>Invalid input value.  Use escape key to abandon changes</source>
        <translation>Valeur saisie non valide.  Appuyez sur Échap pour abandonner les modifications</translation>
    </message>
    <message>
        <source>This time has already passed in %1.</source>
        <translation>Cette heure est déjà passée à %1.</translation>
    </message>
    <message>
        <source>Set for %1</source>
        <translation>Régler pour le %1</translation>
    </message>
    <message>
        <source>The alarm time %1 on %2 has already passed in %3, so the alarm would go off at once.

Set it for %1 on %4 instead?</source>
        <translation>L’heure d’alarme %1 le %2 est déjà passée à %3&#xa0;: l’alarme sonnerait tout de suite.

La régler plutôt à %1 le %4&#xa0;?</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Format de la date</translation>
    </message>
    <message>
        <source>Time format</source>
        <translation>Format de l’heure</translation>
    </message>
    <message>
        <source>Alarm date</source>
        <translation>Date de l’alarme</translation>
    </message>
    <message>
        <source>&amp;Snooze for (minutes):</source>
        <translation>Répét&amp;er après (minutes)&#xa0;:</translation>
    </message>
</context>
<context>
    <name>TClocksAlarm</name>
    <message>
        <source>Alarm set for %1 on %2</source>
        <translation>Alarme réglée à %1 le %2</translation>
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
        <translation>Aucune zone de notification n’a été trouvée sur ce bureau&#xa0;; Vorkel Clocks affiche donc ses horloges dans cette fenêtre.
Fermer cette fenêtre met fin au programme.</translation>
    </message>
</context>
<context>
    <name>TClocksForm</name>
    <message>
        <source>World Times</source>
        <translation>Heures du monde</translation>
    </message>
    <message>
        <source>Pin to the desktop</source>
        <translation>Épingler sur le bureau</translation>
    </message>
    <message>
        <source>Show Clocks</source>
        <translation>Afficher les horloges</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Options...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>À propos...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Info on XXX...</source>
        <translation>&amp;Infos sur XXX...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Options...</translation>
    </message>
    <message>
        <source>Hi&amp;de</source>
        <translation>&amp;Masquer</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>You have not chosen any time zones to use as clocks.
Would you like to choose some now?</source>
        <translation>Vous n’avez choisi aucun fuseau horaire à afficher comme horloge.
Voulez-vous en choisir maintenant&#xa0;?</translation>
    </message>
    <message>
        <source>There was an error loading the time zone data:
</source>
        <translation>Une erreur s’est produite au chargement des données des fuseaux horaires&#xa0;:
</translation>
    </message>
    <message>
        <source>%1  &lt;u&gt;Now&lt;/u&gt;</source>
        <translation>%1  &lt;u&gt;Maintenant&lt;/u&gt;</translation>
    </message>
    <message>
        <source>Back to the present</source>
        <translation>Revenir au présent</translation>
    </message>
</context>
<context>
    <name>TContextHelp</name>
    <message>
        <source>&amp;What&apos;s This?</source>
        <translation>&amp;Qu’est-ce que c’est&#xa0;?</translation>
    </message>
</context>
<context>
    <name>THelpViewer</name>
    <message>
        <source>Vorkel Clocks Help</source>
        <translation>Aide de Vorkel Clocks</translation>
    </message>
</context>
<context>
    <name>TOptionsData</name>
    <message>
        <source>&apos;%1&apos; is not a valid time</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une heure valide</translation>
    </message>
</context>
<context>
    <name>TTimeZone</name>
    <message>
        <source>January</source>
        <translation>janvier</translation>
    </message>
    <message>
        <source>February</source>
        <translation>février</translation>
    </message>
    <message>
        <source>March</source>
        <translation>mars</translation>
    </message>
    <message>
        <source>April</source>
        <translation>avril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>juin</translation>
    </message>
    <message>
        <source>July</source>
        <translation>juillet</translation>
    </message>
    <message>
        <source>August</source>
        <translation>août</translation>
    </message>
    <message>
        <source>September</source>
        <translation>septembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>octobre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>novembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>décembre</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>dimanche</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>lundi</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>mardi</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>mercredi</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>jeudi</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>vendredi</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>samedi</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>day of the month, month name</extracomment>
        <translation>le %1 %2</translation>
    </message>
    <message>
        <source>the last %1 in %2</source>
        <translation>en %2, le dernier %1</translation>
    </message>
    <message>
        <source>the first %1 on or after %2 %3</source>
        <translation>le premier %1 à partir du %2 %3</translation>
    </message>
    <message>
        <source>the first %1 on or before %2 %3</source>
        <translation>le dernier %1 jusqu’au %2 %3</translation>
    </message>
    <message>
        <source>the first %1 in %2</source>
        <translation>en %2, le premier %1</translation>
    </message>
    <message>
        <source>an unknown day in %1</source>
        <translation>en %1, un jour inconnu</translation>
    </message>
    <message>
        <source>an unknown day</source>
        <translation>un jour inconnu</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <extracomment>a day, then a time of day</extracomment>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>the day after %1</source>
        <translation>le jour suivant (%1)</translation>
    </message>
    <message>
        <source>the day before %1</source>
        <translation>le jour précédent (%1)</translation>
    </message>
    <message>
        <source>%1 days after %2</source>
        <translation>%1 jours après (%2)</translation>
    </message>
    <message>
        <source>%1 days before %2</source>
        <translation>%1 jours avant (%2)</translation>
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
        <translation>«&#xa0;%1&#xa0;» ne contient aucun fuseau horaire</translation>
    </message>
</context>
<context>
    <name>TWindowMenu</name>
    <message>
        <source>&amp;Info on %1...</source>
        <translation>&amp;Infos sur %1...</translation>
    </message>
</context>
<context>
    <name>TWorldClocks</name>
    <message>
        <source>No clocks have been selected.</source>
        <translation>Aucune horloge n’a été choisie.</translation>
    </message>
    <message>
        <source>Click to show the time in </source>
        <translation>Cliquez pour afficher l’heure de </translation>
    </message>
    <message>
        <source> and </source>
        <translation> et </translation>
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
        <translation>Vorkel Clocks - Options</translation>
    </message>
    <message>
        <source>There was an error loading the time zone data:
</source>
        <translation>Une erreur s’est produite au chargement des données des fuseaux horaires&#xa0;:
</translation>
    </message>
    <message>
        <source>Clocks and Time Zones</source>
        <translation>Horloges et fuseaux horaires</translation>
    </message>
    <message>
        <source>Appearance and Alarm</source>
        <translation>Apparence et alarme</translation>
    </message>
    <message>
        <source>About Vorkel</source>
        <translation>À propos de Vorkel</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
</context>
<context>
    <name>TZoneListModel</name>
    <message>
        <source>No matching places</source>
        <translation>Aucun lieu correspondant</translation>
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
        <translation>Rechercher une ville, un pays ou une abréviation</translation>
    </message>
    <message>
        <source>(Search results)</source>
        <translation>(Résultats de la recherche)</translation>
    </message>
    <message>
        <source>Clear the search</source>
        <translation>Effacer la recherche</translation>
    </message>
</context>
<context>
    <name>TZonesPage</name>
    <message>
        <source>&amp;Your clocks:</source>
        <translation>Vos &amp;horloges&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Time zones:</source>
        <translation>&amp;Fuseaux horaires&#xa0;:</translation>
    </message>
    <message>
        <source>&lt; &amp;Add a Clock</source>
        <translation>&lt; &amp;Ajouter une horloge</translation>
    </message>
    <message>
        <source> (no clock) </source>
        <translation> (aucune horloge) </translation>
    </message>
    <message>
        <source>&amp;Clock title:</source>
        <translation>&amp;Titre de l’horloge&#xa0;:</translation>
    </message>
    <message>
        <source>Use &amp;daylight time when necessary</source>
        <translation>Utiliser l’heure d’&amp;été si nécessaire</translation>
    </message>
    <message>
        <source>R&amp;emove</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Standard offset:</source>
        <translation>Décalage normal&#xa0;:</translation>
    </message>
    <message>
        <source>Daylight offset:</source>
        <translation>Décalage d’été&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Run Vorkel Clocks when I log in</source>
        <translation>&amp;Lancer Vorkel Clocks à l’ouverture de session</translation>
    </message>
    <message>
        <source>Groups time zones by name instead of by GMT offset.</source>
        <translation>Classe les fuseaux horaires par nom plutôt que par décalage par rapport à GMT.</translation>
    </message>
    <message>
        <source>&amp;Sort time zones by name, not GMT offset</source>
        <translation>T&amp;rier les fuseaux par nom plutôt que par décalage GMT</translation>
    </message>
    <message>
        <source>(List all zones)</source>
        <translation>(Tous les fuseaux)</translation>
    </message>
    <message>
        <source> (no zone) </source>
        <translation> (aucun fuseau) </translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnue</translation>
    </message>
</context>
<context>
    <name>ZoneTexts</name>
    <message>
        <source>Daylight time (%1, %2)</source>
        <translation>Heure d’été (%1, %2)</translation>
    </message>
    <message>
        <source>Standard time (%1)</source>
        <translation>Heure normale (%1)</translation>
    </message>
    <message>
        <source>Daylight time begins on %1.</source>
        <translation>L’heure d’été commence %1.</translation>
    </message>
    <message>
        <source>Standard time resumes on %1.</source>
        <translation>L’heure normale reprend %1.</translation>
    </message>
    <message>
        <source>This zone&apos;s changes follow dates published each year.</source>
        <translation>Les changements d’heure de ce fuseau suivent des dates publiées chaque année.</translation>
    </message>
    <message>
        <source>Next change: %1, %2 → %3</source>
        <translation>Prochain changement&#xa0;: %1, %2 → %3</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 heure</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 heures</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minute</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minutes</translation>
    </message>
    <message>
        <source>%1 ahead of local time</source>
        <translation>%1 d’avance sur l’heure locale</translation>
    </message>
    <message>
        <source>%1 behind local time</source>
        <translation>%1 de retard sur l’heure locale</translation>
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
        <translation>%1 (fuseau inconnu)</translation>
    </message>
    <message>
        <source>--:--</source>
        <extracomment>Shown in place of a time by a clock whose time zone is unknown</extracomment>
        <translation>--:--</translation>
    </message>
    <message>
        <source>This zone is not in the time zone data, so the clock shows no time.
It is kept as it is, and shows the time again once the zone is known.</source>
        <translation>Ce fuseau ne figure pas dans les données des fuseaux horaires&#xa0;; l’horloge n’affiche donc pas d’heure.
Elle est conservée telle quelle et affichera de nouveau l’heure dès que le fuseau sera connu.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The time zone data does not know the zone of these clocks:</source>
        <translation>Les données des fuseaux horaires ne connaissent pas le fuseau de ces horloges&#xa0;:</translation>
    </message>
    <message>
        <source>They are kept, marked &quot;zone unknown&quot;, and show no time until the time zone data knows their zones again.</source>
        <translation>Elles sont conservées, marquées «&#xa0;fuseau inconnu&#xa0;», et n’affichent pas d’heure tant que les données des fuseaux horaires ne connaissent pas de nouveau leur fuseau.</translation>
    </message>
    <message>
        <source>Same time as here</source>
        <translation>Même heure qu’ici</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Vorkel Clocks is already running.</source>
        <translation>Vorkel Clocks est déjà en cours d’exécution.</translation>
    </message>
    <message>
        <source>A world clock in the notification area.</source>
        <translation>Une horloge mondiale dans la zone de notification.</translation>
    </message>
    <message>
        <source>Open the options, in the copy already running if there is one.</source>
        <translation>Ouvrir les options, dans l’exemplaire déjà lancé s’il y en a un.</translation>
    </message>
</context>
</TS>
