<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>chromlet::ConfigUpdater</name>
    <message>
        <source>the file name is too long: it has %1 bytes, and the update makes files named after it with up to %2 bytes more, where this file system allows %3</source>
        <translation>der Dateiname ist zu lang: Er hat %1 Bytes, die Aktualisierung legt Dateien an, deren Namen bis zu %2 Bytes länger sind, und dieses Dateisystem erlaubt %3</translation>
    </message>
    <message>
        <source>another copy of the program, process %1, is updating it; try again when it has finished</source>
        <translation>eine andere Kopie des Programms (Prozess %1) aktualisiert sie gerade; versuche es noch einmal, wenn sie fertig ist</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be created: permission denied</source>
        <translation>die Sperrdatei %1 kann nicht angelegt werden: Zugriff verweigert</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be created</source>
        <translation>die Sperrdatei %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>it is gone: %1</source>
        <translation>sie ist nicht mehr da: %1</translation>
    </message>
    <message>
        <source>another file has taken its place</source>
        <translation>eine andere Datei hat ihren Platz eingenommen</translation>
    </message>
    <message>
        <source>it was written to</source>
        <translation>sie wurde beschrieben</translation>
    </message>
    <message>
        <source>its contents changed</source>
        <translation>ihr Inhalt hat sich geändert</translation>
    </message>
    <message>
        <source>a folder has that name</source>
        <translation>ein Ordner trägt diesen Namen</translation>
    </message>
    <message>
        <source>The name line holds a line break.</source>
        <translation>Die Namenszeile enthält einen Zeilenumbruch.</translation>
    </message>
    <message>
        <source>The server-name line holds a line break.</source>
        <translation>Die Servernamen-Zeile enthält einen Zeilenumbruch.</translation>
    </message>
</context>
<context>
    <name>chromlet::DescribeFailure</name>
    <message>
        <source>Could not update %1: %2.</source>
        <translation>%1 konnte nicht aktualisiert werden: %2.</translation>
    </message>
    <message>
        <source>Could not open %1 for reading (%2).</source>
        <translation>%1 konnte nicht zum Lesen geöffnet werden (%2).</translation>
    </message>
    <message>
        <source>Could not update %1 now: %2.</source>
        <translation>%1 kann gerade nicht aktualisiert werden: %2.</translation>
    </message>
    <message>
        <source>Could not create the copy %1 (%2).</source>
        <translation>Die Kopie %1 konnte nicht angelegt werden (%2).</translation>
    </message>
    <message>
        <source>Could not read %1 (%2).</source>
        <translation>%1 konnte nicht gelesen werden (%2).</translation>
    </message>
    <message>
        <source>Could not write the copy %1 (%2).</source>
        <translation>Die Kopie %1 konnte nicht geschrieben werden (%2).</translation>
    </message>
    <message>
        <source>Could not read back the copy %1 (%2).</source>
        <translation>Die Kopie %1 konnte nicht zurückgelesen werden (%2).</translation>
    </message>
    <message>
        <source>Could not create the new file beside %1 (%2).</source>
        <translation>Die neue Datei neben %1 konnte nicht angelegt werden (%2).</translation>
    </message>
    <message>
        <source>Could not read the copy %1 (%2).</source>
        <translation>Die Kopie %1 konnte nicht gelesen werden (%2).</translation>
    </message>
    <message>
        <source>Could not write the new file beside %1 (%2).</source>
        <translation>Die neue Datei neben %1 konnte nicht geschrieben werden (%2).</translation>
    </message>
    <message>
        <source>Another program changed %1 during the update (%2). This is usually the game, which rewrites the file whenever a setting changes: close it and try again.</source>
        <translation>Ein anderes Programm hat %1 während der Aktualisierung geändert (%2). Meist ist es das Spiel, das die Datei bei jeder geänderten Einstellung neu schreibt: Beende es und versuche es noch einmal.</translation>
    </message>
    <message>
        <source>Could not put the copy in the place of %1 (%2).</source>
        <translation>Die Kopie konnte nicht an die Stelle von %1 treten (%2).</translation>
    </message>
    <message>
        <source>Could not replace %1 with the new file (%2).</source>
        <translation>%1 konnte nicht durch die neue Datei ersetzt werden (%2).</translation>
    </message>
    <message>
        <source>Could not update %1 (%2).</source>
        <translation>%1 konnte nicht aktualisiert werden (%2).</translation>
    </message>
    <message>
        <source> %1 holds its old contents.</source>
        <translation> %1 enthält den alten Inhalt.</translation>
    </message>
    <message>
        <source> The copy %1 was left as it was.</source>
        <translation> Die Kopie %1 blieb, wie sie war.</translation>
    </message>
    <message>
        <source> A configuration line must be a single line; nothing was written.</source>
        <translation> Eine Konfigurationszeile muss eine einzige Zeile sein; es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source> Nothing was replaced: %1 holds what the other program wrote.</source>
        <translation> Nichts wurde ersetzt: %1 enthält, was das andere Programm geschrieben hat.</translation>
    </message>
    <message>
        <source> The configuration file %1 is unchanged.</source>
        <translation> Die Konfigurationsdatei %1 ist unverändert.</translation>
    </message>
</context>
<context>
    <name>chromlet::LoadNames</name>
    <message>
        <source>%1 (its last line %2 is longer than %3 KiB, too long to be a name)</source>
        <translation>%1 (seine letzte Zeile %2 ist länger als %3 KiB, zu lang für einen Namen)</translation>
    </message>
    <message>
        <source>%1 (a line %2 &quot;...&quot;)</source>
        <translation>%1 (eine Zeile %2 &quot;...&quot;)</translation>
    </message>
    <message>
        <source>Could not read &quot;%1&quot; (%2).</source>
        <translation>„%1“ konnte nicht gelesen werden (%2).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no %2.</source>
        <translation>„%1“ enthält keinen %2.</translation>
    </message>
    <message>
        <source> and no </source>
        <translation> und keinen </translation>
    </message>
    <message>
        <source> The names in the editors were left as they were.</source>
        <translation> Die Namen in den Eingabefeldern bleiben unverändert.</translation>
    </message>
</context>
<context>
    <name>chromlet::ReadSetaLines</name>
    <message>
        <source>No file name was given.</source>
        <translation>Es wurde kein Dateiname angegeben.</translation>
    </message>
</context>
<context>
    <name>chromlet::RegularFile</name>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a named pipe (FIFO)</source>
        <translation>eine benannte Pipe (FIFO)</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>ein zeichenorientiertes Gerät</translation>
    </message>
    <message>
        <source>a block device</source>
        <translation>ein blockorientiertes Gerät</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>a special file</source>
        <translation>eine Spezialdatei</translation>
    </message>
    <message>
        <source>it is %1, not a regular file</source>
        <translation>es ist %1, keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>the path holds a NUL character, which no file name can hold</source>
        <translation>der Pfad enthält ein NUL-Zeichen, das in keinem Dateinamen stehen kann</translation>
    </message>
</context>
<context>
    <name>chromlet::ui::BudgetView</name>
    <message>
        <source>The game keeps only the first %1 bytes of a name, colour codes included: %2</source>
        <translation>Das Spiel behält nur die ersten %1 Bytes eines Namens, Farbcodes mitgezählt: %2</translation>
    </message>
    <message>
        <source>The game keeps up to %1 bytes of a name, colour codes included.</source>
        <translation>Das Spiel behält bis zu %1 Bytes eines Namens, Farbcodes mitgezählt.</translation>
    </message>
    <message>
        <source>Other players and server lists see only the first %1 bytes: %2</source>
        <translation>Andere Spieler und Serverlisten sehen nur die ersten %1 Bytes: %2</translation>
    </message>
    <message>
        <source>Other players and server lists see up to %1 bytes.</source>
        <translation>Andere Spieler und Serverlisten sehen bis zu %1 Bytes.</translation>
    </message>
    <message>
        <source>The game&apos;s Player Settings field holds only %1 characters, codes included: editing the name there cuts it.</source>
        <translation>Das Namensfeld in den Spielereinstellungen fasst nur %1 Zeichen, Codes mitgezählt: Wer den Namen dort bearbeitet, kürzt ihn.</translation>
    </message>
    <message>
        <source>Fits the %1 characters of the game&apos;s Player Settings field.</source>
        <translation>Passt in die %1 Zeichen des Namensfelds der Spielereinstellungen.</translation>
    </message>
    <message>
        <source>The in-game server browser shows only the first %1 bytes, without colours and in capitals: %2</source>
        <translation>Der Serverbrowser im Spiel zeigt nur die ersten %1 Bytes, ohne Farben und in Großbuchstaben: %2</translation>
    </message>
    <message>
        <source>The in-game server browser shows up to %1 bytes.</source>
        <translation>Der Serverbrowser im Spiel zeigt bis zu %1 Bytes.</translation>
    </message>
    <message>
        <source>ioquake3&apos;s server list shows only the first %1 bytes.</source>
        <translation>Die Serverliste von ioquake3 zeigt nur die ersten %1 Bytes.</translation>
    </message>
    <message>
        <source>ioquake3&apos;s server list shows up to %1 bytes.</source>
        <translation>Die Serverliste von ioquake3 zeigt bis zu %1 Bytes.</translation>
    </message>
    <message>
        <source>The game&apos;s settings string holds at most %1 bytes: the game refuses this name.</source>
        <translation>Die Einstellungszeichenkette des Spiels fasst höchstens %1 Bytes: Das Spiel lehnt diesen Namen ab.</translation>
    </message>
    <message>
        <source>Within the %1 bytes of the game&apos;s settings string.</source>
        <translation>Innerhalb der %1 Bytes der Einstellungszeichenkette des Spiels.</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>Server:</translation>
    </message>
    <message>
        <source>%1 %2 bytes, %3 visible</source>
        <translation>%1 %2 Bytes, %3 sichtbar</translation>
    </message>
    <message>
        <source>The game&apos;s network turns é, ü, % and every character of the alternative font into a dot (.): the game and the other players get a dot there.</source>
        <translation>Das Netzwerk des Spiels macht aus é, ü, % und jedem Zeichen der alternativen Schrift einen Punkt (.): Das Spiel und die anderen Spieler bekommen dort einen Punkt.</translation>
    </message>
    <message numerus="yes">
        <source>, %n as dots</source>
        <extracomment>Appended to the counts: how many characters the game&apos;s network turns into dots.</extracomment>
        <translation>
            <numerusform>, %n als Punkt</numerusform>
            <numerusform>, %n als Punkte</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>chromlet::ui::Dialog</name>
    <message>
        <source>Add Chromlet to q3config.cfg</source>
        <translation>In q3config.cfg eintragen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Could not update %1</source>
        <translation>%1 konnte nicht aktualisiert werden</translation>
    </message>
    <message>
        <source>Control code</source>
        <translation>Steuercode</translation>
    </message>
    <message>
        <source>Click this button to automatically add Chromlet to your config file</source>
        <translation>Klicke hier, um den Chromlet automatisch in deine Konfigurationsdatei einzutragen</translation>
    </message>
    <message>
        <source>Written to %1; the previous contents are in %2.</source>
        <translation>In %1 geschrieben; der vorige Inhalt steht in %2.</translation>
    </message>
    <message>
        <source>✓ Written to %1</source>
        <translation>✓ In %1 geschrieben</translation>
    </message>
</context>
<context>
    <name>chromlet::ui::FileChooser</name>
    <message>
        <source>Locate q3config.cfg</source>
        <translation>q3config.cfg suchen</translation>
    </message>
    <message>
        <source>Q3 Config file</source>
        <translation>Q3-Konfigurationsdatei</translation>
    </message>
</context>
<context>
    <name>chromlet::ui::Form1</name>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Q3 Font</source>
        <translation>Q3-Schrift</translation>
    </message>
    <message>
        <source>Alt. Font</source>
        <translation>Alt.-Schrift</translation>
    </message>
    <message>
        <source>Server name:</source>
        <translation>Servername:</translation>
    </message>
    <message>
        <source>&amp;Show code</source>
        <translation>Code &amp;zeigen</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Instructions:</source>
        <translation>Anleitung:</translation>
    </message>
    <message>
        <source>In game:</source>
        <translation>Im Spiel:</translation>
    </message>
    <message>
        <source>&amp;Load from q3config.cfg...</source>
        <translation>Aus q3config.cfg &amp;laden...</translation>
    </message>
    <message>
        <source>For news and updates:</source>
        <translation>Neuigkeiten und Updates:</translation>
    </message>
    <message>
        <source>Load the player name and server name from a q3config.cfg</source>
        <translation>Spieler- und Servernamen aus einer q3config.cfg laden</translation>
    </message>
    <message>
        <source>Could not load the names</source>
        <translation>Die Namen konnten nicht geladen werden</translation>
    </message>
    <message>
        <source>Give in you name. Select the part of the text you want to color and click to color you want it to be. Repeat this until you get the desired chromlet. You can do the same thing with your Server name.                                                      Click &apos;Show code&apos; to put the Chromlet in your q3config.cfg file.</source>
        <translation>Gib deinen Namen ein. Markiere den Teil, den du färben willst, und klicke auf die gewünschte Farbe. Wiederhole das, bis dein Chromlet fertig ist. Mit deinem Servernamen geht es genauso.
Klicke auf „Code zeigen“, um den Chromlet in deine q3config.cfg einzutragen.</translation>
    </message>
    <message>
        <source>&amp;Black</source>
        <translation>&amp;Schwarz</translation>
    </message>
    <message>
        <source>&amp;Red</source>
        <translation>&amp;Rot</translation>
    </message>
    <message>
        <source>&amp;Green</source>
        <translation>&amp;Grün</translation>
    </message>
    <message>
        <source>&amp;Yellow</source>
        <translation>G&amp;elb</translation>
    </message>
    <message>
        <source>&amp;Blue</source>
        <translation>Bla&amp;u</translation>
    </message>
    <message>
        <source>&amp;Cyan</source>
        <translation>&amp;Cyan</translation>
    </message>
    <message>
        <source>&amp;Magenta</source>
        <translation>&amp;Magenta</translation>
    </message>
    <message>
        <source>&amp;White</source>
        <translation>&amp;Weiß</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Load from &amp;q3config.cfg...</source>
        <translation>Aus &amp;q3config.cfg laden...</translation>
    </message>
    <message>
        <source>S&amp;how code</source>
        <translation>C&amp;ode anzeigen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Been&amp;den</translation>
    </message>
    <message>
        <source>E&amp;dit</source>
        <translation>Bearbei&amp;ten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>Rüc&amp;kgängig</translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation>Wieder&amp;herstellen</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>Ko&amp;pieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>E&amp;infügen</translation>
    </message>
    <message>
        <source>G&amp;ame</source>
        <translation>S&amp;piel</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Chromlet</source>
        <translation>&amp;Info zu Chromlet</translation>
    </message>
    <message>
        <source>About Chromlet</source>
        <translation>Info zu Chromlet</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;%1 %2&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Coloured player and server names for the game, written into its q3config.cfg.&lt;/p&gt;&lt;p&gt;News and updates: &lt;a href=&quot;%3&quot;&gt;%3&lt;/a&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;%1 %2&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Farbige Spieler- und Servernamen für das Spiel, eingetragen in seine q3config.cfg.&lt;/p&gt;&lt;p&gt;Neuigkeiten und Updates: &lt;a href=&quot;%3&quot;&gt;%3&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>No web browser</source>
        <translation>Kein Webbrowser</translation>
    </message>
    <message>
        <source>Copy address</source>
        <translation>Adresse kopieren</translation>
    </message>
    <message>
        <source>No web browser could be started for the address below. Copy it into a browser yourself:

%1</source>
        <translation>Für die Adresse unten ließ sich kein Webbrowser starten. Kopiere sie selbst in einen Browser:

%1</translation>
    </message>
    <message>
        <source>Quake III Arena &amp;test (1999)</source>
        <translation>Quake III Arena &amp;Test (1999)</translation>
    </message>
    <message>
        <source>Quake III Arena &amp;1.32 / Quake3e</source>
        <translation>Quake III Arena &amp;1.32 / Quake3e</translation>
    </message>
    <message>
        <source>S&amp;tyle</source>
        <translation>St&amp;il</translation>
    </message>
    <message>
        <source>&lt;p&gt;Chromlet is free software: you may share and change it under the GNU General Public License, version 2 or (at your option) any later version. It comes with no warranty.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Chromlet ist freie Software: Du darfst sie unter der GNU General Public License, Version 2 oder (nach deiner Wahl) jeder späteren Version, weitergeben und verändern. Sie kommt ohne jede Gewährleistung.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Online the game shows the alternative font as dots: its network turns every character 128 to 255 into a dot (.) for the game and the other players.</source>
        <translation>Online zeigt das Spiel die alternative Schrift als Punkte: Sein Netzwerk macht aus jedem Zeichen von 128 bis 255 einen Punkt (.) für das Spiel und die anderen Spieler.</translation>
    </message>
    <message>
        <source>&amp;ioquake3</source>
        <translation>&amp;ioquake3</translation>
    </message>
    <message>
        <source>&amp;OpenArena</source>
        <translation>&amp;OpenArena</translation>
    </message>
</context>
<context>
    <name>chromlet::ui::GamePreview</name>
    <message>
        <source>How the game shows your name and your server name, and what it makes of them. Slanted, underlined characters are in the alternative font.</source>
        <translation>So zeigt das Spiel deinen Namen und deinen Servernamen, und das macht es daraus. Schräge, unterstrichene Zeichen stehen in der alternativen Schrift.</translation>
    </message>
    <message>
        <source>black removed</source>
        <translation>Schwarz entfernt</translation>
    </message>
    <message>
        <source>leading spaces dropped</source>
        <translation>führende Leerzeichen entfernt</translation>
    </message>
    <message>
        <source>spaces cut to three</source>
        <translation>Leerzeichen auf drei gekürzt</translation>
    </message>
    <message>
        <source>cut at %1 bytes</source>
        <translation>nach %1 Bytes abgeschnitten</translation>
    </message>
    <message>
        <source>\, ; or &quot; refused</source>
        <translation>\, ; oder &quot; abgelehnt</translation>
    </message>
    <message>
        <source>The game keeps (%1):</source>
        <translation>Das Spiel behält (%1):</translation>
    </message>
    <message>
        <source>The server refuses this name (\, ; or &quot;): the browser shows none.</source>
        <translation>Der Server lehnt diesen Namen ab (\, ; oder &quot;): Der Browser zeigt keinen.</translation>
    </message>
    <message>
        <source>In the game&apos;s server browser:</source>
        <translation>Im Serverbrowser des Spiels:</translation>
    </message>
    <message>
        <source>In the game&apos;s server browser (cut to %1 characters):</source>
        <translation>In der Serverliste des Spiels (auf %1 Zeichen gekürzt):</translation>
    </message>
    <message>
        <source>é, ü, % and the alternative font arrive as dots</source>
        <extracomment>The game&apos;s network turns characters 128 to 255 (é, ü, the alternative font) and &quot;%&quot; into dots.</extracomment>
        <translation>é, ü, % und die alternative Schrift kommen als Punkte an</translation>
    </message>
    <message>
        <source>no letter or digit outside black: colours removed</source>
        <translation>kein Buchstabe und keine Ziffer außer in Schwarz: Farben entfernt</translation>
    </message>
    <message>
        <source>no name left: %1</source>
        <translation>kein Name übrig: %1</translation>
    </message>
    <message>
        <source>Other players&apos; games receive (é, ü, % and the alternative font arrive as dots):</source>
        <translation>Die Spiele der anderen Spieler bekommen (é, ü, % und die alternative Schrift kommen als Punkte an):</translation>
    </message>
</context>
<context>
    <name>chromlet::ui::GameRunningCheck</name>
    <message>
        <source>The game is running</source>
        <translation>Das Spiel läuft</translation>
    </message>
    <message>
        <source>The game is running (%1). It writes q3config.cfg again when it quits, and the names written now would be lost then.</source>
        <translation>Das Spiel läuft (%1). Es schreibt q3config.cfg beim Beenden neu, und die jetzt eingetragenen Namen gingen dann verloren.</translation>
    </message>
    <message>
        <source>Quit the game first, or write now and set the names again in the game.</source>
        <translation>Beende zuerst das Spiel, oder trage jetzt ein und setze die Namen im Spiel noch einmal.</translation>
    </message>
    <message>
        <source>Write anyway</source>
        <translation>Trotzdem eintragen</translation>
    </message>
</context>
<context>
    <name>chromlet::ui::NameActions</name>
    <message>
        <source>Remove colour changes nobody can see: spaces take the colour next to them. The name looks the same and takes fewer bytes.</source>
        <translation>Entfernt Farbwechsel, die niemand sieht: Leerzeichen nehmen die Farbe daneben an. Der Name sieht gleich aus und braucht weniger Bytes.</translation>
    </message>
    <message>
        <source>Paste a name in the game&apos;s colour codes (^1Pl^7ayer), a seta line or a /name command, with its colours</source>
        <translation>Fügt einen Namen in den Farbcodes des Spiels (^1Pl^7ayer), eine seta-Zeile oder einen /name-Befehl mit seinen Farben ein</translation>
    </message>
    <message>
        <source>The clipboard holds no name to paste.</source>
        <translation>Die Zwischenablage enthält keinen Namen zum Einfügen.</translation>
    </message>
    <message>
        <source>Only the first line of the clipboard was pasted.</source>
        <translation>Nur die erste Zeile der Zwischenablage wurde eingefügt.</translation>
    </message>
    <message>
        <source>Put /sv_hostname &quot;...&quot; on the clipboard, to paste into the game&apos;s console</source>
        <translation>Legt /sv_hostname &quot;...&quot; in die Zwischenablage, zum Einfügen in die Konsole des Spiels</translation>
    </message>
    <message>
        <source>Put /name &quot;...&quot; on the clipboard, to paste into the game&apos;s console</source>
        <translation>Legt /name &quot;...&quot; in die Zwischenablage, zum Einfügen in die Konsole des Spiels</translation>
    </message>
    <message>
        <source>The test release&apos;s console cannot type the colour escape: use Show code and write the name into q3config.cfg instead.</source>
        <translation>In der Konsole der Testversion lässt sich das Farb-Escape nicht tippen: Nimm stattdessen „Code zeigen“ und trage den Namen in q3config.cfg ein.</translation>
    </message>
    <message>
        <source>No names written yet</source>
        <translation>Noch keine Namen eingetragen</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 auf %2</translation>
    </message>
    <message>
        <source>Ra&amp;inbow</source>
        <translation>Regenb&amp;ogen</translation>
    </message>
    <message>
        <source>By w&amp;ord</source>
        <translation>Wor&amp;tweise</translation>
    </message>
    <message>
        <source>Alter&amp;nate</source>
        <translation>&amp;Abwechselnd</translation>
    </message>
    <message>
        <source>Ran&amp;dom</source>
        <translation>Zu&amp;fall</translation>
    </message>
    <message>
        <source>Cle&amp;ar</source>
        <translation>Zurüc&amp;ksetzen</translation>
    </message>
    <message>
        <source>&amp;Tidy codes</source>
        <translation>Co&amp;des aufräumen</translation>
    </message>
    <message>
        <source>Paste coded &amp;name</source>
        <translation>Codierten &amp;Namen einfügen</translation>
    </message>
    <message>
        <source>Copy as console comm&amp;and</source>
        <translation>Als Konsolenbe&amp;fehl kopieren</translation>
    </message>
    <message>
        <source>Rece&amp;nt names</source>
        <translation>Letzte &amp;Namen</translation>
    </message>
</context>
<context>
    <name>chromlet::ui::NameEditor</name>
    <message>
        <source>%1 are not characters the game can show; they were left out.</source>
        <translation>%1 sind keine Zeichen, die das Spiel zeigen kann; sie wurden weggelassen.</translation>
    </message>
    <message>
        <source>%1 is not a character the game can show; it was left out.</source>
        <translation>%1 ist kein Zeichen, das das Spiel zeigen kann; es wurde weggelassen.</translation>
    </message>
    <message>
        <source>A name cannot hold a double quote (&quot;): it would end the name early in q3config.cfg. It was left out.</source>
        <translation>Ein Name kann kein Anführungszeichen (&quot;) enthalten: Es würde den Namen in q3config.cfg vorzeitig beenden. Es wurde weggelassen.</translation>
    </message>
    <message>
        <source>A name is one line: each line break became a space.</source>
        <translation>Ein Name ist eine Zeile: Jeder Zeilenumbruch wurde zu einem Leerzeichen.</translation>
    </message>
    <message>
        <source>A name is one line: the line break was left out.</source>
        <translation>Ein Name ist eine Zeile: Der Zeilenumbruch wurde weggelassen.</translation>
    </message>
    <message>
        <source>character %1</source>
        <translation>Zeichen %1</translation>
    </message>
    <message>
        <source>%1 (code %2): the game draws it from its alternative font, as %3.</source>
        <translation>%1 (Code %2): Das Spiel zeichnet es aus seiner alternativen Schrift, als %3.</translation>
    </message>
    <message>
        <source>%1: the game&apos;s network turns it into a dot (.), which the game and the other players get instead.</source>
        <translation>%1: Das Netzwerk des Spiels macht daraus einen Punkt (.), den das Spiel und die anderen Spieler stattdessen bekommen.</translation>
    </message>
    <message>
        <source>%1 are control characters, which a name cannot hold (the game ends a name at NUL); they were left out.</source>
        <translation>%1 sind Steuerzeichen, die ein Name nicht enthalten kann (das Spiel beendet einen Namen bei NUL); sie wurden weggelassen.</translation>
    </message>
    <message>
        <source>%1 is a control character, which a name cannot hold (the game ends a name at NUL); it was left out.</source>
        <translation>%1 ist ein Steuerzeichen, das ein Name nicht enthalten kann (das Spiel beendet einen Namen bei NUL); es wurde weggelassen.</translation>
    </message>
    <message numerus="yes">
        <source>A name holds at most %Ln characters; what did not fit was left out.</source>
        <translation>
            <numerusform>Ein Name enthält höchstens %Ln Zeichen; was nicht passte, wurde weggelassen.</numerusform>
            <numerusform>Ein Name enthält höchstens %Ln Zeichen; was nicht passte, wurde weggelassen.</numerusform>
        </translation>
    </message>
    <message>
        <source>The program that holds the clipboard does not answer, so nothing was pasted. Copy the text again, then paste.</source>
        <translation>Das Programm, dem die Zwischenablage gehört, antwortet nicht; es wurde nichts eingefügt. Kopiere den Text noch einmal und füge ihn dann ein.</translation>
    </message>
    <message>
        <source>The clipboard&apos;s coloured name is damaged and it holds no text; nothing was pasted.</source>
        <translation>Der farbige Name in der Zwischenablage ist beschädigt, und sie enthält keinen Text; es wurde nichts eingefügt.</translation>
    </message>
    <message>
        <source>The clipboard holds no text to paste.</source>
        <translation>Die Zwischenablage enthält keinen Text zum Einfügen.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Makes coloured player and server names for the game and writes them into its configuration file q3config.cfg.</source>
        <translation>Macht farbige Spieler- und Servernamen für das Spiel und trägt sie in dessen Konfigurationsdatei q3config.cfg ein.</translation>
    </message>
    <message>
        <source>%1: unexpected argument &quot;%2&quot;; try --help
</source>
        <translation>%1: unerwartetes Argument „%2“; siehe --help
</translation>
    </message>
    <message>
        <source>%1: could not connect to a display (see the messages above); check DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM.
</source>
        <translation>%1: keine Verbindung zu einem Bildschirm (siehe die Meldungen darüber); prüfe DISPLAY, WAYLAND_DISPLAY oder QT_QPA_PLATFORM.
</translation>
    </message>
    <message>
        <source>%1: no display to open the window on: neither DISPLAY nor WAYLAND_DISPLAY is set. Start it in a desktop session (--help and --version need none).
</source>
        <translation>%1: kein Bildschirm, auf dem sich das Fenster öffnen ließe: weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt. Starte Chromlet in einer Desktop-Sitzung (--help und --version brauchen keine).
</translation>
    </message>
</context>
</TS>
