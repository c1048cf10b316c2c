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
    <message>
        <source>Could not create the lock file %1.</source>
        <translation>Die Sperrdatei %1 konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Another copy of the program is updating %1. Try again when it has finished.</source>
        <translation>Eine andere Kopie des Programms aktualisiert gerade %1. Versuche es noch einmal, wenn sie fertig ist.</translation>
    </message>
    <message>
        <source>A folder %1 stands where the update&apos;s lock file goes. Remove it, then try again.</source>
        <translation>Wo die Sperrdatei der Aktualisierung hingehört, steht ein Ordner %1. Entferne ihn und versuche es dann noch einmal.</translation>
    </message>
    <message>
        <source>A link %1 stands where the update&apos;s lock file goes. Remove it, then try again.</source>
        <translation>Wo die Sperrdatei der Aktualisierung hingehört, steht eine Verknüpfung %1. Entferne sie und versuche es dann noch einmal.</translation>
    </message>
    <message>
        <source>Another copy of the program (process %1) is updating %2. Try again when it has finished.</source>
        <extracomment>%1 is a process number, %2 the file&apos;s name.</extracomment>
        <translation>Eine andere Kopie des Programms (Prozess %1) aktualisiert gerade %2. Versuche es noch einmal, wenn sie fertig ist.</translation>
    </message>
    <message>
        <source>%1 is no lock file this program can read. If no other copy of the program is running, remove it, then try again.</source>
        <translation>%1 ist keine Sperrdatei, die dieses Programm lesen kann. Wenn keine andere Kopie des Programms läuft, entferne sie und versuche es dann noch einmal.</translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation>sie ist schreibgeschützt</translation>
    </message>
    <message>
        <source>with the new names it would hold %1 bytes, but the game reads a configuration file of at most %2 bytes and ignores a longer one entirely</source>
        <extracomment>%1 and %2 are numbers of bytes.</extracomment>
        <translation>mit den neuen Namen hätte sie %1 Bytes, aber das Spiel liest eine Konfigurationsdatei von höchstens %2 Bytes und übergeht eine längere ganz</translation>
    </message>
    <message>
        <source>it holds a zero byte at byte %1, where the game stops reading it, so the game would never read the new names</source>
        <translation>sie enthält bei Byte %1 ein Nullbyte, an dem das Spiel zu lesen aufhört, sodass es die neuen Namen nie lesen würde</translation>
    </message>
    <message>
        <source>The name line has %L1 bytes, but the game reads at most %L2 bytes of a line and runs the rest of it as console commands.</source>
        <translation>Die Namenszeile hat %L1 Bytes, aber das Spiel liest höchstens %L2 Bytes einer Zeile und führt den Rest als Konsolenbefehle aus.</translation>
    </message>
    <message>
        <source>The server-name line has %L1 bytes, but the game reads at most %L2 bytes of a line and runs the rest of it as console commands.</source>
        <translation>Die Servernamen-Zeile hat %L1 Bytes, aber das Spiel liest höchstens %L2 Bytes einer Zeile und führt den Rest als Konsolenbefehle aus.</translation>
    </message>
</context>
<context>
    <name>chromlet::DescribeFailure</name>
    <message>
        <source>Could not update %1: %2.</source>
        <translation>%1 konnte nicht aktualisiert werden: %2.</translation>
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
        <source>Could not update %1 (%2).</source>
        <translation>%1 konnte nicht aktualisiert werden (%2).</translation>
    </message>
    <message>
        <source>Could not open %1 (%2).</source>
        <translation>%1 konnte nicht geöffnet werden (%2).</translation>
    </message>
    <message>
        <source>Could not create the lock file %1 (%2).</source>
        <translation>Die Sperrdatei %1 konnte nicht angelegt werden (%2).</translation>
    </message>
    <message>
        <source>Could not make the new version of %1 (%2).</source>
        <translation>Die neue Fassung von %1 konnte nicht angelegt werden (%2).</translation>
    </message>
    <message>
        <source>Could not write the new version of %1 (%2).</source>
        <translation>Die neue Fassung von %1 konnte nicht geschrieben werden (%2).</translation>
    </message>
    <message>
        <source>Another program changed %1 during the update (%2).</source>
        <translation>Ein anderes Programm hat %1 während der Aktualisierung geändert (%2).</translation>
    </message>
    <message>
        <source>Could not save the copy %1 (%2).</source>
        <translation>Die Kopie %1 konnte nicht gespeichert werden (%2).</translation>
    </message>
    <message>
        <source>Could not replace %1 with its new version (%2).</source>
        <translation>%1 konnte nicht durch die neue Fassung ersetzt werden (%2).</translation>
    </message>
    <message>
        <source>This is usually the game, which rewrites the file whenever a setting changes: close it and try again.</source>
        <translation>Meist ist es das Spiel, das die Datei bei jeder geänderten Einstellung neu schreibt: Beende es und versuche es noch einmal.</translation>
    </message>
    <message>
        <source>Free some space on the disk, then try again.</source>
        <translation>Schaffe Platz auf dem Datenträger und versuche es dann noch einmal.</translation>
    </message>
    <message>
        <source>Make sure you may change the file and the folder it is in, then try again.</source>
        <translation>Sorge dafür, dass du die Datei und den Ordner, in dem sie liegt, ändern darfst, und versuche es dann noch einmal.</translation>
    </message>
    <message>
        <source>Make sure you may write in the folder %1, then try again.</source>
        <extracomment>%1 is a folder.</extracomment>
        <translation>Sorge dafür, dass du im Ordner %1 schreiben darfst, und versuche es dann noch einmal.</translation>
    </message>
    <message>
        <source>Rename or remove the folder %1, then try again.</source>
        <extracomment>%1 is the folder&apos;s full path.</extracomment>
        <translation>Benenne den Ordner %1 um oder entferne ihn und versuche es dann noch einmal.</translation>
    </message>
    <message>
        <source>Check that it is still there, then choose it again.</source>
        <translation>Prüfe, ob die Datei noch da ist, und wähle sie dann noch einmal aus.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1 is unchanged; %2 now holds a copy of it.</source>
        <extracomment>%1 is the configuration file, %2 its copy.</extracomment>
        <translation>%1 ist unverändert; %2 enthält jetzt eine Kopie davon.</translation>
    </message>
    <message>
        <source>%1 and %2 are unchanged.</source>
        <translation>%1 und %2 sind unverändert.</translation>
    </message>
    <message>
        <source>%1 is unchanged.</source>
        <translation>%1 ist unverändert.</translation>
    </message>
    <message>
        <source>%1 A configuration line must be a single line; nothing was written.</source>
        <extracomment>%1 says which line holds the line break.</extracomment>
        <translation>%1 Eine Konfigurationszeile muss eine einzige Zeile sein; es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1 is read-only, often on purpose, to keep the game from changing it. Write the names into it anyway and leave it read-only?</source>
        <extracomment>The question of a box whose buttons write the file anyway or cancel.</extracomment>
        <translation>%1 ist schreibgeschützt, oft mit Absicht, damit das Spiel die Datei nicht ändert. Die Namen trotzdem hineinschreiben und den Schreibschutz lassen?</translation>
    </message>
    <message>
        <source>Remove the zero byte (the game never writes one), then try again.</source>
        <translation>Entferne das Nullbyte (das Spiel schreibt nie eines) und versuche es dann noch einmal.</translation>
    </message>
    <message>
        <source>It holds %1 bytes already, so the game ignores it as it is: remove lines it does not need (old binds and aliases), then try again.</source>
        <extracomment>%1 is a number of bytes.</extracomment>
        <translation>Sie hat schon jetzt %1 Bytes, das Spiel übergeht sie also bereits: Entferne Zeilen, die sie nicht braucht (alte Tastenbelegungen und Aliasse), und versuche es dann noch einmal.</translation>
    </message>
    <message>
        <source>Shorten the names or use fewer colour changes, or remove lines the file does not need (old binds and aliases), then try again.</source>
        <translation>Kürze die Namen, nimm weniger Farbwechsel oder entferne Zeilen, die die Datei nicht braucht (alte Tastenbelegungen und Aliasse), und versuche es dann noch einmal.</translation>
    </message>
    <message>
        <source>Shorten the name, or use fewer colour changes: each one takes two bytes.</source>
        <translation>Kürze den Namen oder nimm weniger Farbwechsel: Jeder kostet zwei Bytes.</translation>
    </message>
</context>
<context>
    <name>chromlet::LoadNames</name>
    <message>
        <source>Could not read &quot;%1&quot; (%2).</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason.</extracomment>
        <translation>„%1“ konnte nicht gelesen werden (%2).</translation>
    </message>
    <message>
        <source>This file was written for the 1999 test release (its names use escape colour codes).</source>
        <translation>Diese Datei wurde für die Testversion von 1999 geschrieben (ihre Namen verwenden Farb-Escapes).</translation>
    </message>
    <message>
        <source>This file was written for a later engine (its names use ^ colour codes).</source>
        <translation>Diese Datei wurde für eine spätere Engine geschrieben (ihre Namen verwenden ^-Farbcodes).</translation>
    </message>
    <message>
        <source>This file was written for a later engine (its lines end in LF alone).</source>
        <translation>Diese Datei wurde für eine spätere Engine geschrieben (ihre Zeilen enden nur mit LF).</translation>
    </message>
    <message>
        <source>Characters a name cannot hold (control characters such as NUL, double quotes, line breaks) were left out of the player name.</source>
        <translation>Zeichen, die ein Name nicht enthalten kann (Steuerzeichen wie NUL, doppelte Anführungszeichen, Zeilenumbrüche), wurden im Spielernamen weggelassen.</translation>
    </message>
    <message>
        <source>Characters a name cannot hold (control characters such as NUL, double quotes, line breaks) were left out of the server name.</source>
        <translation>Zeichen, die ein Name nicht enthalten kann (Steuerzeichen wie NUL, doppelte Anführungszeichen, Zeilenumbrüche), wurden im Servernamen weggelassen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no player name (a line seta name &quot;...&quot;).</source>
        <translation>„%1“ enthält keinen Spielernamen (eine Zeile seta name &quot;...&quot;).</translation>
    </message>
    <message>
        <source>The names in the editors were left as they were.</source>
        <translation>Die Namen in den Eingabefeldern bleiben unverändert.</translation>
    </message>
    <message>
        <source>The player name was cut where its configuration line reaches %L1 bytes, the most the game reads of a line.</source>
        <translation>Der Spielername wurde dort gekürzt, wo seine Konfigurationszeile %L1 Bytes erreicht, das Meiste, was das Spiel von einer Zeile liest.</translation>
    </message>
    <message>
        <source>The server name was cut where its configuration line reaches %L1 bytes, the most the game reads of a line.</source>
        <extracomment>%1 is a number of bytes.</extracomment>
        <translation>Der Servername wurde dort gekürzt, wo seine Konfigurationszeile %L1 Bytes erreicht, das Meiste, was das Spiel von einer Zeile liest.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no player name (a line seta name &quot;...&quot;) and no server name (a line such as set sv_hostname &quot;...&quot;).</source>
        <extracomment>seta name and set sv_hostname are lines of the file: not to be translated.</extracomment>
        <translation>„%1“ enthält keinen Spielernamen (eine Zeile seta name &quot;...&quot;) und keinen Servernamen (eine Zeile wie set sv_hostname &quot;...&quot;).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no server name (a line such as set sv_hostname &quot;...&quot;).</source>
        <translation>„%1“ enthält keinen Servernamen (eine Zeile wie set sv_hostname &quot;...&quot;).</translation>
    </message>
    <message numerus="yes">
        <source>Its last seta name line is longer than %n KiB, too long for a name.</source>
        <translation>
            <numerusform>Deine letzte Zeile seta name ist länger als %n KiB, zu lang für einen Namen.</numerusform>
            <numerusform>Deine letzte Zeile seta name ist länger als %n KiB, zu lang für einen Namen.</numerusform>
        </translation>
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
    <name>chromlet::ServerConfigUpdater</name>
    <message>
        <source>Line %L1 of the file, which sets the server name, would have %L2 bytes with the new name, but the game reads at most %L3 bytes of a line and runs the rest of it as console commands.</source>
        <extracomment>%1 is a line number, %2 and %3 numbers of bytes.</extracomment>
        <translation>Zeile %L1 der Datei, die den Servernamen setzt, hätte mit dem neuen Namen %L2 Bytes, aber das Spiel liest höchstens %L3 Bytes einer Zeile und führt den Rest als Konsolenbefehle aus.</translation>
    </message>
    <message>
        <source>The server name holds a line break or a double quote.</source>
        <translation>Der Servername enthält einen Zeilenumbruch oder ein doppeltes Anführungszeichen.</translation>
    </message>
    <message>
        <source>The server-name line has %L1 bytes, but the game reads at most %L2 bytes of a line and runs the rest of it as console commands.</source>
        <translation>Die Servernamen-Zeile hat %L1 Bytes, aber das Spiel liest höchstens %L2 Bytes einer Zeile und führt den Rest als Konsolenbefehle aus.</translation>
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
        <source>Name: %1 bytes, %2 visible</source>
        <extracomment>The counts&apos; line: the name&apos;s length in bytes (colour codes included) and in characters drawn.</extracomment>
        <translation>Name: %1 Bytes, %2 sichtbar</translation>
    </message>
    <message>
        <source>Server: %1 bytes, %2 visible</source>
        <translation>Server: %1 Bytes, %2 sichtbar</translation>
    </message>
    <message>
        <source>Arriving as dots: %1. The game&apos;s network turns é, ü, % and every character of the alternative font into a dot (.), which the game and the other players get.</source>
        <translation>Als Punkt kommen an: %1. Das Netzwerk des Spiels macht aus é, ü, % und jedem Zeichen der alternativen Schrift einen Punkt (.), den das Spiel und die anderen Spieler bekommen.</translation>
    </message>
    <message>
        <source>Its configuration line holds up to %1 bytes of the name, colour codes included: the game reads 1,023 bytes of a line.</source>
        <translation>Seine Konfigurationszeile fasst bis zu %1 Bytes des Namens, Farbcodes mitgezählt: Das Spiel liest 1.023 Bytes einer Zeile.</translation>
    </message>
    <message>
        <source>Its configuration line holds only %1 bytes of the name: the game reads 1,023 bytes of a line and runs the rest as console commands, so Chromlet will not write it. Shorten the name, or use fewer colour changes.</source>
        <translation>Seine Konfigurationszeile fasst nur %1 Bytes des Namens: Das Spiel liest 1.023 Bytes einer Zeile und führt den Rest als Konsolenbefehle aus, daher schreibt Chromlet ihn nicht. Kürze den Namen oder nimm weniger Farbwechsel.</translation>
    </message>
    <message>
        <source>A server keeps its name in one settings string of 1,023 bytes with all its other settings; a default server leaves %1 bytes for the name.</source>
        <translation>Ein Server hält seinen Namen mit all seinen anderen Einstellungen in einer Einstellungszeichenkette von 1.023 Bytes; ein Server mit Standardeinstellungen lässt dem Namen %1 Bytes.</translation>
    </message>
    <message>
        <source>A server keeps its name in one settings string of 1,023 bytes with all its other settings; a default server leaves %1 bytes for the name. A longer name pushes settings out of it, first the version, then limits, the game type and the map (players&apos; games then take the game type for free for all). A name set on the command line or kept in the server&apos;s q3config.cfg is left out itself instead.</source>
        <translation>Ein Server hält seinen Namen mit all seinen anderen Einstellungen in einer Einstellungszeichenkette von 1.023 Bytes; ein Server mit Standardeinstellungen lässt dem Namen %1 Bytes. Ein längerer Name drängt Einstellungen hinaus, zuerst die Version, dann Grenzen, den Spieltyp und die Karte (die Spiele der Spieler halten den Spieltyp dann für Jeder gegen jeden). Ein auf der Befehlszeile gesetzter oder in der q3config.cfg des Servers gehaltener Name fällt stattdessen selbst heraus.</translation>
    </message>
    <message>
        <source>%1 holds a zero byte at byte %2: the game stops reading the file there, so Chromlet will not write the names into it. Remove the zero byte.</source>
        <translation>%1 enthält bei Byte %2 ein Nullbyte: Dort hört das Spiel auf, die Datei zu lesen, daher schreibt Chromlet die Namen nicht hinein. Entferne das Nullbyte.</translation>
    </message>
    <message>
        <source>With these names %1 would hold %2 bytes, but the game reads a configuration file of at most %3 bytes and ignores a longer one entirely, so Chromlet will not write it. Shorten the names, use fewer colour changes or remove lines the file does not need.</source>
        <translation>Mit diesen Namen hätte %1 %2 Bytes, aber das Spiel liest eine Konfigurationsdatei von höchstens %3 Bytes und übergeht eine längere ganz, daher schreibt Chromlet sie nicht. Kürze die Namen, nimm weniger Farbwechsel oder entferne Zeilen, die die Datei nicht braucht.</translation>
    </message>
    <message>
        <source>With these names %1 will hold %2 bytes; the game reads a configuration file of at most %3 bytes.</source>
        <translation>Mit diesen Namen wird %1 %2 Bytes haben; das Spiel liest eine Konfigurationsdatei von höchstens %3 Bytes.</translation>
    </message>
    <message>
        <source>Name: %1 bytes</source>
        <extracomment>The counts&apos; line where the whole does not fit beside the marks.</extracomment>
        <translation>Name: %1 Bytes</translation>
    </message>
    <message>
        <source>Server: %1 bytes</source>
        <translation>Server: %1 Bytes</translation>
    </message>
</context>
<context>
    <name>chromlet::ui::CharsetSource</name>
    <message>
        <source>cannot be opened</source>
        <translation>lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>no zip archive, or a damaged one</source>
        <translation>kein ZIP-Archiv oder ein beschädigtes</translation>
    </message>
    <message>
        <source>its charset is damaged</source>
        <translation>sein Zeichensatz ist beschädigt</translation>
    </message>
    <message>
        <source>its charset is far too large</source>
        <translation>sein Zeichensatz ist viel zu groß</translation>
    </message>
    <message>
        <source>%1 &gt; %2</source>
        <translation>%1 &gt; %2</translation>
    </message>
    <message>
        <source>Where is the game installed?</source>
        <translation>Wo ist das Spiel installiert?</translation>
    </message>
    <message>
        <source>The game folder you chose, %1, is not there.</source>
        <translation>Der gewählte Spielordner %1 ist nicht mehr da.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Passed over what could not be read: %1.</source>
        <translation>Übergangen, weil nicht lesbar: %1.</translation>
    </message>
    <message>
        <source>No charset of the game found in %1: point Chromlet at the game with %2</source>
        <translation>Kein Zeichensatz des Spiels gefunden in %1: Zeige Chromlet das Spiel mit %2</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%1 in %2</translation>
    </message>
    <message>
        <source>The game&apos;s own charset: %1</source>
        <translation>Der eigene Zeichensatz des Spiels: %1</translation>
    </message>
    <message>
        <source>The game&apos;s charset %1 is no picture Chromlet can read; the desktop&apos;s font stands in.</source>
        <translation>Der Zeichensatz des Spiels %1 ist kein Bild, das Chromlet lesen kann; die Schrift des Desktops steht dafür.</translation>
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
    <message>
        <source>Player name line</source>
        <translation>Zeile des Spielernamens</translation>
    </message>
    <message>
        <source>Server name line</source>
        <translation>Zeile des Servernamens</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>%1 ist schreibgeschützt</translation>
    </message>
    <message>
        <source>This line has %L1 bytes, but the game reads at most %L2 bytes of a line and runs the rest as console commands: it cannot be written. Shorten the name, or use fewer colour changes.</source>
        <translation>Diese Zeile hat %L1 Bytes, aber das Spiel liest höchstens %L2 Bytes einer Zeile und führt den Rest als Konsolenbefehle aus: Sie lässt sich nicht schreiben. Kürze den Namen oder nimm weniger Farbwechsel.</translation>
    </message>
    <message>
        <source>Could not write the lines</source>
        <translation>Die Zeilen konnten nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>chromlet::ui::FileBudgetView</name>
    <message>
        <source>file &gt;%1</source>
        <extracomment>The configuration file&apos;s mark: at most (or more than) so many bytes.</extracomment>
        <translation>Datei &gt;%1</translation>
    </message>
    <message>
        <source>file ≤%1</source>
        <translation>Datei ≤%1</translation>
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
    <message>
        <source>%1, player name</source>
        <extracomment>A colour button&apos;s accessible name: the colour, then which name it colours.</extracomment>
        <translation>%1, Spielername</translation>
    </message>
    <message>
        <source>%1, server name</source>
        <translation>%1, Servername</translation>
    </message>
    <message>
        <source>Colours the selected part of the player name %1.</source>
        <translation>Färbt den markierten Teil des Spielernamens %1.</translation>
    </message>
    <message>
        <source>Colours the selected part of the server name %1.</source>
        <translation>Färbt den markierten Teil des Servernamens %1.</translation>
    </message>
    <message>
        <source>Puts the selected part of the player name into the game&apos;s standard font.</source>
        <translation>Setzt den markierten Teil des Spielernamens in die Standardschrift des Spiels.</translation>
    </message>
    <message>
        <source>Puts the selected part of the server name into the game&apos;s standard font.</source>
        <translation>Setzt den markierten Teil des Servernamens in die Standardschrift des Spiels.</translation>
    </message>
    <message>
        <source>Puts the selected part of the player name into the game&apos;s alternative font.</source>
        <translation>Setzt den markierten Teil des Spielernamens in die alternative Schrift des Spiels.</translation>
    </message>
    <message>
        <source>Puts the selected part of the server name into the game&apos;s alternative font.</source>
        <translation>Setzt den markierten Teil des Servernamens in die alternative Schrift des Spiels.</translation>
    </message>
    <message>
        <source>In game</source>
        <translation>Im Spiel</translation>
    </message>
    <message>
        <source>Length of the names against the game&apos;s limits</source>
        <translation>Länge der Namen gegenüber den Grenzen des Spiels</translation>
    </message>
    <message>
        <source>Settings not saved</source>
        <translation>Einstellungen nicht gespeichert</translation>
    </message>
    <message>
        <source>Chromlet cannot write its settings file %1, so the chosen game and the recent names will be forgotten when it closes. Make the file and its folder writable to keep them.</source>
        <translation>Chromlet kann seine Einstellungsdatei %1 nicht schreiben, daher sind das gewählte Spiel und die letzten Namen beim Beenden vergessen. Mache die Datei und ihren Ordner beschreibbar, um sie zu behalten.</translation>
    </message>
    <message>
        <source>Quake III Arena &amp;1.32</source>
        <translation>Quake III Arena &amp;1.32</translation>
    </message>
    <message>
        <source>&amp;Quake3e</source>
        <translation>&amp;Quake3e</translation>
    </message>
</context>
<context>
    <name>chromlet::ui::GameLook</name>
    <message>
        <source>Game &amp;folder...</source>
        <translation>Spielord&amp;ner...</translation>
    </message>
    <message>
        <source>I&amp;n game</source>
        <translation>Im S&amp;piel</translation>
    </message>
    <message>
        <source>Both names in each place of the game, drawn as the game draws them</source>
        <translation>Beide Namen an jeder Stelle des Spiels, gezeichnet, wie das Spiel sie zeichnet</translation>
    </message>
    <message>
        <source>Point Chromlet at the game&apos;s folder, whose charset the preview draws with</source>
        <translation>Chromlet den Ordner des Spiels zeigen, mit dessen Zeichensatz die Vorschau zeichnet</translation>
    </message>
</context>
<context>
    <name>chromlet::ui::GamePreview</name>
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
    <message>
        <source>How the game shows your name and your server name, and what it makes of them. Slanted, underlined characters are in the alternative font. Click to see both names in each place of the game.</source>
        <translation>So zeigt das Spiel deinen Namen und deinen Servernamen, und das macht es daraus. Schräge, unterstrichene Zeichen stehen in der alternativen Schrift. Klicke, um beide Namen an jeder Stelle des Spiels zu sehen.</translation>
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
    <name>chromlet::ui::InGameWindow</name>
    <message>
        <source>Scoreboard</source>
        <translation>Punktetafel</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>Chat</translation>
    </message>
    <message>
        <source>Console</source>
        <translation>Konsole</translation>
    </message>
    <message>
        <source>Under the crosshair</source>
        <translation>Unter dem Fadenkreuz</translation>
    </message>
    <message>
        <source>Frag message</source>
        <translation>Frag-Meldung</translation>
    </message>
    <message>
        <source>Name field of the player settings</source>
        <translation>Namensfeld der Spielereinstellungen</translation>
    </message>
    <message>
        <source>Server browser</source>
        <translation>Serverliste</translation>
    </message>
    <message>
        <source>The name the game keeps, a white &quot;: &quot; and the text in green, small without a shadow.</source>
        <translation>Der Name, den das Spiel behält, ein weißes &quot;: &quot; und der Text in Grün, klein ohne Schatten.</translation>
    </message>
    <message>
        <source>The chat keeps %1 bytes of the name.</source>
        <translation>Der Chat behält %1 Bytes des Namens.</translation>
    </message>
    <message>
        <source>The name the game keeps, big, centred, half transparent.</source>
        <translation>Der Name, den das Spiel behält, groß, mittig, halb durchsichtig.</translation>
    </message>
    <message>
        <source>This name is cut there.</source>
        <translation>Dieser Name wird dort gekürzt.</translation>
    </message>
    <message>
        <source>Your name as written, not as the game keeps it: black shows white, and while the field has the focus the codes show as typed. One can type %1 bytes there.</source>
        <translation>Dein Name, wie er geschrieben ist, nicht wie das Spiel ihn behält: Schwarz erscheint weiß, und solange das Feld den Fokus hat, erscheinen die Codes wie getippt. Man kann dort %1 Bytes tippen.</translation>
    </message>
    <message>
        <source>This name is longer.</source>
        <translation>Dieser Name ist länger.</translation>
    </message>
    <message>
        <source>The test release&apos;s server browser is not known: the name as written.</source>
        <translation>Die Serverliste der Testversion ist nicht bekannt: der Name, wie er geschrieben ist.</translation>
    </message>
    <message>
        <source>The server name as the players&apos; games receive it: colours kept, unprintable characters removed, capitals, %1 characters shown.</source>
        <translation>Der Servername, wie ihn die Spiele der Spieler empfangen: Farben bleiben, nicht druckbare Zeichen entfernt, Großbuchstaben, %1 Zeichen gezeigt.</translation>
    </message>
    <message>
        <source>The server name as the players&apos; games receive it: %1 bytes kept, colours and unprintable characters removed, capitals, %2 characters shown.</source>
        <translation>Der Servername, wie ihn die Spiele der Spieler empfangen: %1 Bytes behalten, Farben und nicht druckbare Zeichen entfernt, Großbuchstaben, %2 Zeichen gezeigt.</translation>
    </message>
    <message>
        <source>The engine draws these lines and reads the colour codes by its own rule: eight colours, ^8 is black.</source>
        <translation>Die Engine zeichnet diese Zeilen und liest die Farbcodes nach ihrer eigenen Regel: acht Farben, ^8 ist Schwarz.</translation>
    </message>
    <message>
        <source>In game</source>
        <translation>Im Spiel</translation>
    </message>
    <message>
        <source>The test release&apos;s own code is not public: its places follow Quake III Arena 1.32&apos;s.</source>
        <translation>Der Code der Testversion ist nicht öffentlich: ihre Stellen folgen denen von Quake III Arena 1.32.</translation>
    </message>
    <message>
        <source>The name the game keeps and &quot;connected&quot;, small without a shadow, lines of %1 characters.</source>
        <translation>Der Name, den das Spiel behält, und &quot;connected&quot;, klein ohne Schatten, Zeilen zu %1 Zeichen.</translation>
    </message>
    <message>
        <source>&quot;You fragged&quot; and the first %1 bytes of the name the game keeps, centred, %2 by %3 units.</source>
        <translation>&quot;You fragged&quot; und die ersten %1 Bytes des Namens, den das Spiel behält, mittig, %2 mal %3 Einheiten.</translation>
    </message>
    <message numerus="yes">
        <source>%n character(s) lie past the edge of the screen.</source>
        <translation>
            <numerusform>%n Zeichen liegt hinter dem Bildschirmrand.</numerusform>
            <numerusform>%n Zeichen liegen hinter dem Bildschirmrand.</numerusform>
        </translation>
    </message>
    <message>
        <source>Console, on leaving</source>
        <translation>Konsole, beim Gehen</translation>
    </message>
    <message>
        <source>The name the game keeps, after score, ping and time, big with a shadow; your own row lies on a bar. The score %1, the ping %2 and the %3 minutes are samples: in the game each row shows its player&apos;s own, a newcomer&apos;s score 0.</source>
        <translation>Der Name, den das Spiel behält, nach Punkten, Ping und Zeit, groß mit Schatten; deine eigene Zeile liegt auf einem Balken. Die Punkte %1, der Ping %2 und die %3 Minuten sind Beispiele: Im Spiel zeigt jede Zeile die Werte ihres Spielers, ein Neuling hat 0 Punkte.</translation>
    </message>
    <message>
        <source>The server&apos;s own copy of the name and &quot;disconnected&quot;, when the player leaves: the first %1 bytes as they arrived, not cleaned, so black and runs of spaces stay and a cut can leave a lone ^. The server&apos;s status list shows the same copy.</source>
        <translation>Die eigene Kopie des Servers vom Namen und &quot;disconnected&quot;, wenn der Spieler geht: die ersten %1 Bytes, wie sie ankamen, nicht bereinigt; Schwarz und Folgen von Leerzeichen bleiben, und ein Schnitt kann ein einzelnes ^ übrig lassen. Die Statusliste des Servers zeigt dieselbe Kopie.</translation>
    </message>
    <message>
        <source>The engine draws these lines and reads the colour codes by its own rule: 36 colours, ^0 to ^9 and ^a to ^z, ^8 orange; the game&apos;s other places have eight.</source>
        <translation>Die Engine zeichnet diese Zeilen und liest die Farbcodes nach ihrer eigenen Regel: 36 Farben, ^0 bis ^9 und ^a bis ^z, ^8 Orange; die anderen Stellen des Spiels haben acht.</translation>
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
    <message>
        <source>This name is too long for the game&apos;s console, which holds %1 characters: nothing was copied. Use Show code and write it into q3config.cfg instead.</source>
        <translation>Dieser Name ist zu lang für die Konsole des Spiels, die %1 Zeichen fasst: Es wurde nichts kopiert. Nimm stattdessen „Code zeigen“ und schreibe ihn in die q3config.cfg.</translation>
    </message>
    <message>
        <source>Copied. Paste it into the game&apos;s console (opened with ~).</source>
        <translation>Kopiert. Füge es in die Konsole des Spiels ein (sie öffnet sich mit ~).</translation>
    </message>
    <message>
        <source>the %1 bytes the game keeps of a name</source>
        <translation>die %1 Bytes, die das Spiel von einem Namen behält</translation>
    </message>
    <message>
        <source>the %1 bytes a default server&apos;s settings string has room for</source>
        <translation>die %1 Bytes, für die die Einstellungszeichenkette eines Servers mit Standardeinstellungen Platz hat</translation>
    </message>
    <message>
        <source>the %1 bytes its configuration line holds</source>
        <translation>die %1 Bytes, die seine Konfigurationszeile fasst</translation>
    </message>
    <message>
        <source>This style does not fit: even in one colour the name would take more than %1. Nothing was changed.</source>
        <translation>Dieser Stil passt nicht: Selbst in einer Farbe bräuchte der Name mehr als %1. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>In full this style takes %1 bytes, more than %2, so the last colours share one: the game shows the whole name as you see it. Ctrl+Z undoes the style.</source>
        <translation>Vollständig bräuchte dieser Stil %1 Bytes, mehr als %2, daher teilen sich die letzten Farben eine: Das Spiel zeigt den ganzen Namen so, wie du ihn siehst. Strg+Z macht den Stil rückgängig.</translation>
    </message>
    <message>
        <source>%1 on %2 (%3)</source>
        <extracomment>A pair of recent names: the player name on the server name, then the game they were made for.</extracomment>
        <translation>%1 auf %2 (%3)</translation>
    </message>
    <message>
        <source>%1, not written</source>
        <extracomment>A recent pair of names the window was closed with, never written to a config.</extracomment>
        <translation>%1, nicht geschrieben</translation>
    </message>
    <message>
        <source>These names were made for %1 and are read as that game reads them; Show code writes them for %2.</source>
        <translation>Diese Namen wurden für %1 gemacht und so gelesen, wie dieses Spiel sie liest; „Code zeigen“ schreibt sie für %2.</translation>
    </message>
    <message>
        <source>Orange (O&amp;penArena&apos;s ^8)</source>
        <translation>Orange (O&amp;penArenas ^8)</translation>
    </message>
    <message>
        <source>Colour the selection orange, which OpenArena&apos;s scoreboard, chat and browser show; the console, which OpenArena&apos;s engine draws, shows it black</source>
        <translation>Färbt die Auswahl orange, wie OpenArenas Punktetafel, Chat und Serverliste sie zeigen; die Konsole, die OpenArenas Engine zeichnet, zeigt sie schwarz</translation>
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
    <message>
        <source>A name&apos;s configuration line holds at most %L1 bytes, colour codes included: the game runs the rest of a longer line as console commands. What did not fit was left out.</source>
        <translation>Die Konfigurationszeile eines Namens fasst höchstens %L1 Bytes, Farbcodes mitgezählt: Von einer längeren Zeile führt das Spiel den Rest als Konsolenbefehle aus. Was nicht passte, wurde weggelassen.</translation>
    </message>
</context>
<context>
    <name>chromlet::ui::PictureDialog</name>
    <message>
        <source>Export picture</source>
        <translation>Bild exportieren</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>Spielername</translation>
    </message>
    <message>
        <source>Server name</source>
        <translation>Servername</translation>
    </message>
    <message>
        <source>Both names</source>
        <translation>Beide Namen</translation>
    </message>
    <message>
        <source>%1x</source>
        <translation>%1x</translation>
    </message>
    <message>
        <source>&amp;Transparent background</source>
        <translation>&amp;Transparenter Hintergrund</translation>
    </message>
    <message>
        <source>Names as &amp;written, not as the game keeps them</source>
        <translation>Namen &amp;wie geschrieben, nicht wie das Spiel sie behält</translation>
    </message>
    <message>
        <source>&amp;Note under the picture that it is not in the game&apos;s charset</source>
        <translation>&amp;Hinweis unter dem Bild, dass es nicht im Zeichensatz des Spiels ist</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Speichern...</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>S&amp;how:</source>
        <translation>&amp;Zeigen:</translation>
    </message>
    <message>
        <source>Sc&amp;ale:</source>
        <translation>&amp;Maßstab:</translation>
    </message>
    <message>
        <source>%1 x %2 pixels</source>
        <translation>%1 x %2 Pixel</translation>
    </message>
    <message>
        <source>The game&apos;s charset was not found: the picture is drawn in the desktop&apos;s font. Game &gt; Game folder... tells Chromlet where the game is.</source>
        <translation>Der Zeichensatz des Spiels wurde nicht gefunden: Das Bild ist in der Schrift des Desktops gezeichnet. Unter Spiel &gt; Spielordner... sagst du Chromlet, wo das Spiel liegt.</translation>
    </message>
    <message>
        <source>The picture could not be written to %1: %2. Choose another folder.</source>
        <translation>Das Bild konnte nicht nach %1 geschrieben werden: %2. Wähle einen anderen Ordner.</translation>
    </message>
    <message>
        <source>Saved as %1.</source>
        <translation>Gespeichert als %1.</translation>
    </message>
    <message>
        <source>The picture is on the clipboard.</source>
        <translation>Das Bild liegt in der Zwischenablage.</translation>
    </message>
    <message>
        <source>Not in the game&apos;s charset: its data was not found.</source>
        <translation>Nicht im Zeichensatz des Spiels: Seine Daten fehlen.</translation>
    </message>
</context>
<context>
    <name>chromlet::ui::ShareActions</name>
    <message>
        <source>&amp;HTML</source>
        <translation>&amp;HTML</translation>
    </message>
    <message>
        <source>HTML</source>
        <translation>HTML</translation>
    </message>
    <message>
        <source>&amp;BBCode (forums)</source>
        <translation>&amp;BBCode (Foren)</translation>
    </message>
    <message>
        <source>BBCode</source>
        <translation>BBCode</translation>
    </message>
    <message>
        <source>&amp;Terminal colours (ANSI)</source>
        <translation>&amp;Terminalfarben (ANSI)</translation>
    </message>
    <message>
        <source>terminal colours</source>
        <translation>Terminalfarben</translation>
    </message>
    <message>
        <source>&amp;Discord</source>
        <translation>&amp;Discord</translation>
    </message>
    <message>
        <source>a Discord code block</source>
        <translation>Discord-Codeblock</translation>
    </message>
    <message>
        <source>Copy as &amp;formatted text</source>
        <translation>Als &amp;formatierten Text kopieren</translation>
    </message>
    <message>
        <source>As &amp;written, not as the game keeps it</source>
        <translation>&amp;Wie geschrieben, nicht wie das Spiel ihn behält</translation>
    </message>
    <message>
        <source>Export &amp;picture...</source>
        <translation>&amp;Bild exportieren...</translation>
    </message>
    <message>
        <source>Save or copy a picture of the names as the game draws them</source>
        <translation>Ein Bild der Namen, wie das Spiel sie zeichnet, speichern oder kopieren</translation>
    </message>
    <message>
        <source>The name is empty: nothing was copied.</source>
        <translation>Der Name ist leer: Nichts wurde kopiert.</translation>
    </message>
    <message>
        <source>Copied as %1.</source>
        <translation>Als %1 kopiert.</translation>
    </message>
    <message>
        <source>Copied as %1, as written: the game shows it otherwise.</source>
        <translation>Als %1 kopiert, wie geschrieben: Das Spiel zeigt ihn anders.</translation>
    </message>
    <message>
        <source>Copied as %1, as the game keeps it. Edit &gt; Copy as formatted text &gt; As written gives it as you wrote it.</source>
        <translation>Als %1 kopiert, wie das Spiel ihn behält. Bearbeiten &gt; Als formatierten Text kopieren &gt; Wie geschrieben gibt ihn so, wie du ihn geschrieben hast.</translation>
    </message>
</context>
<context>
    <name>chromlet::web::Page</name>
    <message>
        <source>Game&apos;s .pk3 files...</source>
        <translation>Die .pk3-Dateien des Spiels...</translation>
    </message>
    <message>
        <source>Pick the game&apos;s .pk3 files (pak0.pk3 and the others in baseq3, or in baseoa for OpenArena): the preview and the places draw with the charset in them. Nothing leaves this computer.</source>
        <translation>Wähle die .pk3-Dateien des Spiels (pak0.pk3 und die anderen in baseq3, bei OpenArena in baseoa): Vorschau und Orte zeichnen mit dem Zeichensatz darin. Nichts verlässt diesen Computer.</translation>
    </message>
    <message>
        <source>No charset picked yet: the desktop&apos;s font stands in. Pick the game&apos;s .pk3 files to see the names in the game&apos;s own charset.</source>
        <translation>Noch kein Zeichensatz gewählt: Die Schrift des Desktops steht dafür. Wähle die .pk3-Dateien des Spiels, um die Namen im Zeichensatz des Spiels zu sehen.</translation>
    </message>
    <message>
        <source>No charset of the game in %1: pick the .pk3 files of the game&apos;s baseq3 folder, or of baseoa for OpenArena.</source>
        <translation>Kein Zeichensatz des Spiels in %1: Wähle die .pk3-Dateien aus dem Ordner baseq3 des Spiels, bei OpenArena aus baseoa.</translation>
    </message>
    <message>
        <source>The browser does not let the page read the clipboard: press Ctrl+Shift+V in the name instead.</source>
        <translation>Der Browser lässt die Seite die Zwischenablage nicht lesen: Drücke stattdessen Strg+Umschalt+V im Namen.</translation>
    </message>
    <message>
        <source>The browser does not let the page write the clipboard: nothing was copied.</source>
        <translation>Der Browser lässt die Seite nicht in die Zwischenablage schreiben: Es wurde nichts kopiert.</translation>
    </message>
    <message>
        <source>Chromium-based browsers write the file in place, but let no page open files in some folders: on Windows Program Files, the Windows folder, %APPDATA%, %LOCALAPPDATA% and ProgramData; on a Mac ~/Library and the Applications folders; on Linux ~/.config; everywhere ~/.ssh and ~/.gnupg. If your q3config.cfg lies there (ioquake3 and OpenArena keep it in %APPDATA% on Windows and in ~/Library on a Mac, Quake III Arena in its own folder under Program Files), copy it to a folder such as Documents, update the copy here, then copy it and q3config.cfg_ back.</source>
        <translation>Chromium-basierte Browser schreiben die Datei an Ort und Stelle, lassen eine Seite aber in manchen Ordnern keine Dateien öffnen: unter Windows in Program Files, im Windows-Ordner, in %APPDATA%, %LOCALAPPDATA% und ProgramData; auf dem Mac in ~/Library und den Programme-Ordnern; unter Linux in ~/.config; überall in ~/.ssh und ~/.gnupg. Liegt deine q3config.cfg dort (ioquake3 und OpenArena legen sie unter Windows in %APPDATA% ab und auf dem Mac in ~/Library, Quake III Arena in seinem eigenen Ordner unter Program Files), kopiere sie in einen Ordner wie Dokumente, aktualisiere die Kopie hier und kopiere sie und q3config.cfg_ dann zurück.</translation>
    </message>
    <message>
        <source>No copy of the previous contents was saved, so nothing was written.</source>
        <translation>Es wurde keine Kopie des bisherigen Inhalts gespeichert, daher wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>%1 herunterladen</translation>
    </message>
    <message>
        <source>This browser cannot write a file in place. Download the new %1 and the copy of its previous contents, %2, and put both into the folder your q3config.cfg came from.</source>
        <translation>Dieser Browser kann keine Datei an Ort und Stelle schreiben. Lade die neue %1 und die Kopie ihres bisherigen Inhalts, %2, herunter und lege beide in den Ordner, aus dem deine q3config.cfg stammt.</translation>
    </message>
    <message>
        <source>Share...</source>
        <translation>Teilen...</translation>
    </message>
    <message>
        <source>The names or a place of the game as a picture, or a name as coloured text for web pages, forums, terminals and Discord</source>
        <translation>Die Namen oder eine Stelle des Spiels als Bild, oder ein Name als farbiger Text für Webseiten, Foren, Terminals und Discord</translation>
    </message>
    <message>
        <source>Share the names</source>
        <translation>Die Namen teilen</translation>
    </message>
    <message>
        <source>As written, not as the game keeps it</source>
        <translation>Wie geschrieben, nicht wie das Spiel sie behält</translation>
    </message>
    <message>
        <source>The names as you wrote them instead of what the chosen game keeps of them, for the picture of a name and for the text. A place of the game always shows what that place draws.</source>
        <translation>Die Namen so, wie Sie sie geschrieben haben, statt dessen, was das gewählte Spiel von ihnen behält: für das Bild eines Namens und für den Text. Eine Stelle des Spiels zeigt immer, was diese Stelle zeichnet.</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Zeigen:</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>Spielername</translation>
    </message>
    <message>
        <source>Server name</source>
        <translation>Servername</translation>
    </message>
    <message>
        <source>Both names</source>
        <translation>Beide Namen</translation>
    </message>
    <message>
        <source>Scale:</source>
        <translation>Maßstab:</translation>
    </message>
    <message>
        <source>Transparent background</source>
        <translation>Durchsichtiger Hintergrund</translation>
    </message>
    <message>
        <source>Say under the picture that it is not drawn in the game&apos;s charset</source>
        <translation>Unter dem Bild sagen, dass es nicht im Zeichensatz des Spiels gezeichnet ist</translation>
    </message>
    <message>
        <source>Not drawn in the game&apos;s charset: no game data was given.</source>
        <translation>Nicht im Zeichensatz des Spiels gezeichnet: Es wurden keine Spieldaten angegeben.</translation>
    </message>
    <message>
        <source>%1 × %2 pixels</source>
        <translation>%1 × %2 Pixel</translation>
    </message>
    <message>
        <source>The name is empty: there is nothing to draw.</source>
        <translation>Der Name ist leer: Es gibt nichts zu zeichnen.</translation>
    </message>
    <message>
        <source>The picture would be %1 × %2 pixels, more than a browser can draw: choose a smaller scale.</source>
        <translation>Das Bild wäre %1 × %2 Pixel groß, mehr als ein Browser zeichnen kann: Wähle einen kleineren Maßstab.</translation>
    </message>
    <message>
        <source>Download picture</source>
        <translation>Bild herunterladen</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Bild kopieren</translation>
    </message>
    <message>
        <source>The browser could not make a PNG file of the picture.</source>
        <translation>Der Browser konnte aus dem Bild keine PNG-Datei machen.</translation>
    </message>
    <message>
        <source>The browser does not let the page copy pictures: use Download picture instead.</source>
        <translation>Der Browser lässt die Seite keine Bilder kopieren: Nutze stattdessen „Bild herunterladen“.</translation>
    </message>
    <message>
        <source>Copied the picture.</source>
        <translation>Das Bild wurde kopiert.</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Copy as:</source>
        <translation>Kopieren als:</translation>
    </message>
    <message>
        <source>Copy text</source>
        <translation>Text kopieren</translation>
    </message>
    <message>
        <source>The text to copy</source>
        <translation>Der Text zum Kopieren</translation>
    </message>
    <message>
        <source>The name is empty: nothing was copied.</source>
        <translation>Der Name ist leer: Es wurde nichts kopiert.</translation>
    </message>
    <message>
        <source>The browser does not let the page write the clipboard: the text is below, selected; copy it with Ctrl+C (⌘C on a Mac).</source>
        <translation>Der Browser lässt die Seite nicht in die Zwischenablage schreiben: Der Text steht unten, markiert; kopieren Sie ihn mit Strg+C (auf dem Mac mit ⌘C).</translation>
    </message>
    <message>
        <source>Copied as %1.</source>
        <translation>Als %1 kopiert.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
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
