<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>chromlet::ConfigUpdater</name>
    <message>
        <source>it leads to the configuration file itself</source>
        <translation>sie verweist auf die Konfigurationsdatei selbst</translation>
    </message>
    <message>
        <source>The name line holds a line break.</source>
        <translation>Die Namenszeile enthält einen Zeilenumbruch.</translation>
    </message>
    <message>
        <source>The server-name line holds a line break.</source>
        <translation>Die Servernamen-Zeile enthält einen Zeilenumbruch.</translation>
    </message>
    <message>
        <source>Could not open %1 for reading (%2).</source>
        <translation>%1 konnte nicht zum Lesen geöffnet werden (%2).</translation>
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
        <source>Could not open the copy %1 for reading (%2).</source>
        <translation>Die Kopie %1 konnte nicht zum Lesen geöffnet werden (%2).</translation>
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
        <source>Could not replace %1 with the new file (%2).</source>
        <translation>%1 konnte nicht durch die neue Datei ersetzt werden (%2).</translation>
    </message>
    <message>
        <source>Could not update %1 (%2).</source>
        <translation>%1 konnte nicht aktualisiert werden (%2).</translation>
    </message>
    <message>
        <source> The copy %1 is incomplete.</source>
        <translation> Die Kopie %1 ist unvollständig.</translation>
    </message>
    <message>
        <source> %1 holds its old contents.</source>
        <translation> %1 enthält den bisherigen Inhalt.</translation>
    </message>
    <message>
        <source> A configuration line must be a single line; nothing was written.</source>
        <translation> Eine Konfigurationszeile muss eine einzige Zeile sein; es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source> The configuration file %1 is unchanged.</source>
        <translation> Die Konfigurationsdatei %1 ist unverändert.</translation>
    </message>
</context>
<context>
    <name>chromlet::SetaReader</name>
    <message>
        <source>No file name was given.</source>
        <translation>Es wurde kein Dateiname angegeben.</translation>
    </message>
</context>
<context>
    <name>chromlet::ui::BudgetView</name>
    <message>
        <source>The game keeps only the first %1 bytes of a name, colour codes included: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game keeps up to %1 bytes of a name, colour codes included.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other players and server lists see only the first %1 bytes: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other players and server lists see up to %1 bytes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game&apos;s Player Settings field holds only %1 characters, codes included: editing the name there cuts it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fits the %1 characters of the game&apos;s Player Settings field.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The in-game server browser shows only the first %1 bytes, without colours and in capitals: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The in-game server browser shows up to %1 bytes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ioquake3&apos;s server list shows only the first %1 bytes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ioquake3&apos;s server list shows up to %1 bytes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game&apos;s settings string holds at most %1 bytes: the game refuses this name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Within the %1 bytes of the game&apos;s settings string.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished">Name:</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 bytes, %3 visible</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>✓ Written to %1</source>
        <translation type="unfinished"></translation>
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
        <source> The names in the editors were left as they were.</source>
        <translation> Die Namen in den Eingabefeldern bleiben unverändert.</translation>
    </message>
    <message>
        <source>Could not read &quot;%1&quot; (%2).</source>
        <translation>„%1“ konnte nicht gelesen werden (%2).</translation>
    </message>
    <message>
        <source>player name (a line seta name &quot;...&quot;)</source>
        <translation>Spielernamen (eine Zeile seta name &quot;...&quot;)</translation>
    </message>
    <message>
        <source>server name (a line seta sv_hostname &quot;...&quot;)</source>
        <translation>Servernamen (eine Zeile seta sv_hostname &quot;...&quot;)</translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load from &amp;q3config.cfg...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;how code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;dit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>G&amp;ame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Chromlet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Chromlet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;%1 %2&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Coloured player and server names for the game, written into its q3config.cfg.&lt;/p&gt;&lt;p&gt;News and updates: &lt;a href=&quot;%3&quot;&gt;%3&lt;/a&gt;&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No web browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No web browser could be started for the address below. Copy it into a browser yourself:

%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quake III Arena &amp;test (1999)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quake III Arena &amp;1.32 / Quake3e</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;ioquake3 / OpenArena</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>chromlet::ui::GamePreview</name>
    <message>
        <source>How the game shows your name and your server name, and what it makes of them. Slanted, underlined characters are in the alternative font.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>black removed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>leading spaces dropped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>spaces cut to three</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cut at %1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>\, ; or &quot; refused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no name left: UnnamedPlayer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game keeps (%1):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server refuses this name (\, ; or &quot;): the browser shows none.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the game&apos;s server browser (cut at %1 bytes):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the game&apos;s server browser:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>chromlet::ui::GameRunningCheck</name>
    <message>
        <source>The game is running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game is running (%1). It writes q3config.cfg again when it quits, and the names written now would be lost then.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit the game first, or write now and set the names again in the game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write anyway</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>chromlet::ui::NameActions</name>
    <message>
        <source>Rainbow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alternate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Random</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tidy codes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove colour changes nobody can see: spaces take the colour next to them. The name looks the same and takes fewer bytes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste coded name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste a name in the game&apos;s colour codes (^1Pl^7ayer), a seta line or a /name command, with its colours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy as console command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recent names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The clipboard holds no name to paste.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name&apos;s double quotes were left out: a name cannot hold one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only the first line of the clipboard was pasted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put /sv_hostname &quot;...&quot; on the clipboard, to paste into the game&apos;s console</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put /name &quot;...&quot; on the clipboard, to paste into the game&apos;s console</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The test release&apos;s console cannot type the colour escape: use Show code and write the name into q3config.cfg instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No names written yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>chromlet::ui::NameEditor</name>
    <message>
        <source>%1 are not characters the game can show; they were left out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a character the game can show; it was left out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A name cannot hold a double quote (&quot;): it would end the name early in q3config.cfg. It was left out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A name is one line: each line break became a space.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A name is one line: the line break was left out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>character %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (code %2): the game draws it from its alternative font, as %3.</source>
        <translation type="unfinished"></translation>
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
</context>
</TS>
