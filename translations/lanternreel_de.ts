<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CommandLine</name>
    <message>
        <source>Pictures, folders and show files to open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Builds a slideshow from pictures, gives it a soundtrack and presents it.
Pictures and folders given are imported into one new show. When Lanternreel is already running, they are imported into its current show instead (the one whose window was last active), and no new show is made. Show files open as shows of their own.
With --export-video or --export-slides, the show file given is exported without a window, and the program exits: with 0 when it is done, 1 when the command is mistaken, 2 when the export failed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpWindows</name>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Befehl</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>About Lanternreel</source>
        <translation>Über Lanternreel</translation>
    </message>
    <message>
        <source>Builds a slideshow from your pictures, gives it a soundtrack and presents it.&lt;br&gt;&lt;br&gt;Lanternreel is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License, version 3 or (at your option) any later version. It comes with no warranty. See &lt;a href=&quot;https://www.gnu.org/licenses/gpl-3.0.html&quot;&gt;https://www.gnu.org/licenses/gpl-3.0.html&lt;/a&gt;.</source>
        <translation>Erstellt aus Ihren Bildern eine Diashow, gibt ihr eine Tonspur und führt sie vor.&lt;br&gt;&lt;br&gt;Lanternreel ist freie Software: Sie können sie unter den Bedingungen der GNU General Public License, Version 3 oder (nach Ihrer Wahl) jeder späteren Version, weitergeben und/oder verändern. Sie wird ohne jede Gewährleistung geliefert. Siehe &lt;a href=&quot;https://www.gnu.org/licenses/gpl-3.0.html&quot;&gt;https://www.gnu.org/licenses/gpl-3.0.html&lt;/a&gt;.</translation>
    </message>
</context>
<context>
    <name>ImageHandler</name>
    <message>
        <source>No Valid Files Found</source>
        <translation>Keine gültigen Dateien gefunden</translation>
    </message>
    <message>
        <source>No valid image files were found.</source>
        <translation>Es wurden keine gültigen Bilddateien gefunden.</translation>
    </message>
    <message>
        <source>Lanternreel encountered problems loading your images.</source>
        <translation>Lanternreel hatte Probleme beim Laden Ihrer Bilder.</translation>
    </message>
    <message>
        <source>“%1” is too large: Lanternreel reads picture files of up to %2 MB holding up to %3 megapixels.</source>
        <translation>„%1“ ist zu groß: Lanternreel liest Bilddateien bis %2 MB mit bis zu %3 Megapixeln.</translation>
    </message>
    <message>
        <source>Please make sure none are corrupt.</source>
        <translation>Bitte stellen Sie sicher, dass keines beschädigt ist.</translation>
    </message>
    <message>
        <source>Problem Loading Images</source>
        <translation>Problem beim Laden der Bilder</translation>
    </message>
    <message>
        <source>The file that did not load:
%1</source>
        <translation>Die Datei, die nicht geladen werden konnte:
%1</translation>
    </message>
    <message>
        <source>“%1” could not be kept for the slideshow. %2 Make room there, then import the pictures from this one on again.</source>
        <translation>„%1“ konnte nicht für die Diashow aufbewahrt werden. %2 Schaffen Sie dort Platz und importieren Sie die Bilder ab diesem erneut.</translation>
    </message>
</context>
<context>
    <name>Mp4Writer</name>
    <message>
        <source>Out of memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No MP4 writer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This FFmpeg has no H.264 encoder (libx264)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot start the H.264 encoder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot convert pictures for the H.264 encoder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This FFmpeg has no AAC encoder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot start the AAC encoder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A picture of the wrong size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lost sound samples</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot encode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot complete the file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MyDocument</name>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Add Sound</source>
        <translation>Ton hinzufügen</translation>
    </message>
    <message>
        <source>Add Sounds</source>
        <translation>Töne hinzufügen</translation>
    </message>
    <message>
        <source>Remove Sound</source>
        <translation>Ton entfernen</translation>
    </message>
    <message>
        <source>Swap Sounds</source>
        <translation>Töne tauschen</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Do you want to save the changes you made to “%1”?</source>
        <translation>Möchten Sie die Änderungen an „%1“ speichern?</translation>
    </message>
    <message>
        <source>Your changes will be lost if you don&apos;t save them.</source>
        <translation>Ihre Änderungen gehen verloren, wenn Sie sie nicht speichern.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Import Images</source>
        <translation>Bilder importieren</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>Add Sound</source>
        <translation>Ton hinzufügen</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Töne</translation>
    </message>
</context>
<context>
    <name>QtDisplay</name>
    <message>
        <source>A slideshow is being presented</source>
        <translation>Eine Diashow wird vorgeführt</translation>
    </message>
</context>
<context>
    <name>QtSoundFactory</name>
    <message>
        <source>No Sound Output</source>
        <translation>Keine Tonausgabe</translation>
    </message>
    <message>
        <source>Lanternreel found no audio device or sound server, so the soundtrack plays silently.</source>
        <translation>Lanternreel hat kein Audiogerät und keinen Soundserver gefunden; die Tonspur läuft daher stumm.</translation>
    </message>
</context>
<context>
    <name>ShowArchive</name>
    <message>
        <source>It is not a Lanternreel show.</source>
        <translation>Es ist keine Lanternreel-Diashow.</translation>
    </message>
    <message>
        <source>It was saved by a newer version of Lanternreel.</source>
        <translation>Sie wurde mit einer neueren Version von Lanternreel gespeichert.</translation>
    </message>
    <message>
        <source>Its format version is not one Lanternreel knows.</source>
        <translation>Lanternreel kennt ihre Formatversion nicht.</translation>
    </message>
    <message>
        <source>It holds no show.</source>
        <translation>Sie enthält keine Diashow.</translation>
    </message>
    <message>
        <source>It holds more than one show.</source>
        <translation>Sie enthält mehr als eine Diashow.</translation>
    </message>
    <message>
        <source>It is damaged: something follows the show.</source>
        <translation>Sie ist beschädigt: Auf die Diashow folgt noch etwas.</translation>
    </message>
    <message>
        <source>It is incomplete.</source>
        <translation>Sie ist unvollständig.</translation>
    </message>
    <message>
        <source>It is damaged (%1).</source>
        <translation>Sie ist beschädigt (%1).</translation>
    </message>
    <message>
        <source>It is damaged: %1.</source>
        <translation>Sie ist beschädigt: %1.</translation>
    </message>
    <message>
        <source>It is damaged: its pictures and their names differ in number.</source>
        <translation>Sie ist beschädigt: Die Zahl ihrer Bilder und ihrer Namen stimmt nicht überein.</translation>
    </message>
    <message>
        <source>It is damaged: its random order does not match its pictures.</source>
        <translation>Sie ist beschädigt: Ihre Zufallsreihenfolge passt nicht zu ihren Bildern.</translation>
    </message>
    <message>
        <source>It is damaged: its soundtrack does not hold together.</source>
        <translation>Sie ist beschädigt: Ihre Tonspur ist nicht stimmig.</translation>
    </message>
</context>
<context>
    <name>SoundHandler</name>
    <message>
        <source>Invalid Sound File</source>
        <translation>Ungültige Tondatei</translation>
    </message>
    <message>
        <source>The sound file you have selected is invalid.</source>
        <translation>Die ausgewählte Tondatei ist ungültig.</translation>
    </message>
</context>
<context>
    <name>VideoExport</name>
    <message>
        <source>There are no slides to export.</source>
        <translation>Es gibt keine Dias zum Exportieren.</translation>
    </message>
    <message>
        <source>The time between slides must be at least one second.</source>
        <translation>Die Zeit zwischen den Dias muss mindestens eine Sekunde betragen.</translation>
    </message>
    <message>
        <source>The video would be longer than %1 hours.</source>
        <translation>Das Video wäre länger als %1 Stunden.</translation>
    </message>
    <message>
        <source>The video could not be written to “%1”: %2.</source>
        <translation>Das Video konnte nicht nach „%1“ geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>Slide %1 could not be read.</source>
        <translation>Dia %1 konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>There is not enough memory to export the video.</source>
        <translation>Für den Export des Videos reicht der Speicher nicht.</translation>
    </message>
</context>
<context>
    <name>lanternreel::ColorWell</name>
    <message>
        <source>Full-Screen Colour</source>
        <translation>Vollbildfarbe</translation>
    </message>
</context>
<context>
    <name>lanternreel::CommandLine</name>
    <message>
        <source>Writes the show as an MP4 video (H.264 and AAC) to FILE: each slide for the time between slides set in Preferences, on the full-screen colour, over the soundtrack.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --export-video: the video&apos;s size in pixels, even numbers from 16 to 8192 (1920x1080 unless given; also 1280x720, 3840x2160).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --export-video: holds the last slide until the soundtrack ends, rather than cutting the soundtrack at the end of the last slide.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --export-video: shows each slide for N seconds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --export-video: the slides in the show&apos;s random order.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes each slide of the show into the existing FOLDER as &quot;001 - name.jpg&quot;: JPEG pictures as they are stored, byte for byte, others as PNG.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replaces files already there; without it they are left alone and nothing is written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --export-slides: leaves the files already there and writes the others.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lanternreel::Document</name>
    <message>
        <source>Lanternreel is still saving this slideshow. Try again when the save is done.</source>
        <translation>Lanternreel speichert diese Diashow noch. Versuchen Sie es erneut, wenn das Speichern fertig ist.</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
</context>
<context>
    <name>lanternreel::DocumentController</name>
    <message>
        <source>Lanternreel Show</source>
        <translation>Lanternreel-Show</translation>
    </message>
    <message>
        <source>The document “%1” could not be opened.</source>
        <translation>Das Dokument „%1“ konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The document “%1” cannot be saved yet.</source>
        <translation>Das Dokument „%1“ kann noch nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The document “%1” could not be saved.</source>
        <translation>Das Dokument „%1“ konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Its content could not be written.</source>
        <translation>Sein Inhalt konnte nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>lanternreel::EmptyShowHint</name>
    <message>
        <source>Drop pictures or folders here, or choose Slideshow › Import Images…</source>
        <translation>Bilder oder Ordner hierher ziehen oder Diashow › Bilder importieren… wählen</translation>
    </message>
</context>
<context>
    <name>lanternreel::ExportVideoPanel</name>
    <message>
        <source>Export Video</source>
        <translation>Video exportieren</translation>
    </message>
    <message>
        <source>Full HD</source>
        <translation>Full HD</translation>
    </message>
    <message>
        <source>HD</source>
        <translation>HD</translation>
    </message>
    <message>
        <source>4K Ultra HD</source>
        <translation>4K Ultra HD</translation>
    </message>
    <message>
        <source>%1 × %2 (%3)</source>
        <translation>%1 × %2 (%3)</translation>
    </message>
    <message>
        <source>End with the last slide (%1); the music is cut there</source>
        <translation>Mit dem letzten Dia enden (%1); die Musik wird dort abgeschnitten</translation>
    </message>
    <message>
        <source>Hold the last slide until the music ends (%1)</source>
        <translation>Das letzte Dia zeigen, bis die Musik endet (%1)</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>Ending:</source>
        <translation>Ende:</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportieren…</translation>
    </message>
</context>
<context>
    <name>lanternreel::ImportJob</name>
    <message>
        <source>Imported %1 of %2 images</source>
        <translation>%1 von %2 Bildern importiert</translation>
    </message>
    <message>
        <source>Importing Images</source>
        <translation>Bilder werden importiert</translation>
    </message>
</context>
<context>
    <name>lanternreel::InfoPanel</name>
    <message>
        <source>%1 minutes</source>
        <translation>%1 Minuten</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 Sekunden</translation>
    </message>
    <message>
        <source>%1 images</source>
        <translation>%1 Bilder</translation>
    </message>
    <message>
        <source>%1 of slides, %2 of soundtrack</source>
        <translation>%1 Dias, %2 Tonspur</translation>
    </message>
</context>
<context>
    <name>lanternreel::MainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>Ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Speichern &amp;unter…</translation>
    </message>
    <message>
        <source>Page Set&amp;up…</source>
        <translation>Seite ein&amp;richten…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Drucken…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Pre&amp;ferences…</source>
        <translation>&amp;Einstellungen…</translation>
    </message>
    <message>
        <source>&amp;Slideshow</source>
        <translation>Dia&amp;show</translation>
    </message>
    <message>
        <source>Import Images…</source>
        <translation>Bilder importieren…</translation>
    </message>
    <message>
        <source>Start Slideshow</source>
        <translation>Diashow starten</translation>
    </message>
    <message>
        <source>Stop Slideshow</source>
        <translation>Diashow anhalten</translation>
    </message>
    <message>
        <source>Next Slide</source>
        <translation>Nächstes Dia</translation>
    </message>
    <message>
        <source>Previous Slide</source>
        <translation>Vorheriges Dia</translation>
    </message>
    <message>
        <source>Go to First Slide</source>
        <translation>Zum ersten Dia</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>Loop Slideshow</source>
        <translation>Diashow wiederholen</translation>
    </message>
    <message>
        <source>Randomize Slides</source>
        <translation>Dias mischen</translation>
    </message>
    <message>
        <source>Remove Current Image</source>
        <translation>Aktuelles Bild entfernen</translation>
    </message>
    <message>
        <source>Remove All Images</source>
        <translation>Alle Bilder entfernen</translation>
    </message>
    <message>
        <source>Slideshow Info…</source>
        <translation>Diashow-Informationen…</translation>
    </message>
    <message>
        <source>Soundtrack…</source>
        <translation>Tonspur…</translation>
    </message>
    <message>
        <source>Add Sound…</source>
        <translation>Ton hinzufügen…</translation>
    </message>
    <message>
        <source>Remove Sound</source>
        <translation>Ton entfernen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Tastenkürzel</translation>
    </message>
    <message>
        <source>&amp;About Lanternreel</source>
        <translation>Ü&amp;ber Lanternreel</translation>
    </message>
    <message>
        <source>Clear Menu</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Slide &amp;Strip</source>
        <translation>&amp;Diastreifen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Export &amp;Video…</source>
        <translation>&amp;Video exportieren…</translation>
    </message>
    <message>
        <source>Export Sli&amp;des…</source>
        <translation>&amp;Dias exportieren…</translation>
    </message>
    <message>
        <source>Fit Interval to Soundtrack</source>
        <translation>Intervall an Tonspur anpassen</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Edit menu: &quot;Undo&quot; or &quot;Redo&quot;, then the step it takes back or does again</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>lanternreel::MyDocument</name>
    <message>
        <source>Missing Sound Files</source>
        <translation>Fehlende Tondateien</translation>
    </message>
    <message>
        <source>The soundtrack will skip these sound files, which are missing or cannot be played:
%1</source>
        <translation>Die Tonspur überspringt diese Tondateien, die fehlen oder nicht abgespielt werden können:
%1</translation>
    </message>
    <message>
        <source>Lanternreel is still importing images into this slideshow. Try again when the import is done.</source>
        <translation>Lanternreel importiert noch Bilder in diese Diashow. Versuchen Sie es erneut, wenn der Import fertig ist.</translation>
    </message>
    <message>
        <source>Slideshow Is Busy</source>
        <translation>Diashow ist beschäftigt</translation>
    </message>
    <message>
        <source>Slideshow Is Empty</source>
        <translation>Die Diashow ist leer</translation>
    </message>
    <message>
        <source>For a slideshow to be run, you must first import images.</source>
        <translation>Um eine Diashow vorzuführen, müssen Sie zuerst Bilder importieren.</translation>
    </message>
    <message>
        <source>Invalid Timer Interval</source>
        <translation>Ungültige Zeit zwischen den Dias</translation>
    </message>
    <message>
        <source>The time between slides must be an integer greater than 0.</source>
        <translation>Die Zeit zwischen den Dias muss eine ganze Zahl größer als 0 sein.</translation>
    </message>
    <message>
        <source>Move Image</source>
        <translation>Bild verschieben</translation>
    </message>
    <message>
        <source>Move Images</source>
        <translation>Bilder verschieben</translation>
    </message>
    <message>
        <source>Remove Image</source>
        <translation>Bild entfernen</translation>
    </message>
    <message>
        <source>Remove Images</source>
        <translation>Bilder entfernen</translation>
    </message>
    <message>
        <source>There Is Nothing to Export</source>
        <translation>Es gibt nichts zu exportieren</translation>
    </message>
    <message>
        <source>Import images into the show first.</source>
        <translation>Importieren Sie zuerst Bilder in die Diashow.</translation>
    </message>
    <message>
        <source>An Export Is Running</source>
        <translation>Ein Export läuft</translation>
    </message>
    <message>
        <source>Wait for the export of this show to end, or cancel it, before starting another.</source>
        <translation>Warten Sie, bis der Export dieser Diashow endet, oder brechen Sie ihn ab, bevor Sie einen weiteren starten.</translation>
    </message>
    <message>
        <source>Export Video</source>
        <translation>Video exportieren</translation>
    </message>
    <message>
        <source>MP4 Video (*.mp4)</source>
        <translation>MP4-Video (*.mp4)</translation>
    </message>
    <message>
        <source>The Video Could Not Be Exported</source>
        <translation>Das Video konnte nicht exportiert werden</translation>
    </message>
    <message>
        <source>It could not be written.</source>
        <translation>Es konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The video was made without these sound files, which are missing or cannot be played:
%1</source>
        <translation>Das Video wurde ohne diese Tondateien erstellt, die fehlen oder nicht abgespielt werden können:
%1</translation>
    </message>
    <message>
        <source>Export Slides</source>
        <translation>Dias exportieren</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>The Slides Could Not Be Exported</source>
        <translation>Die Dias konnten nicht exportiert werden</translation>
    </message>
    <message>
        <source>They could not be written.</source>
        <translation>Sie konnten nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Some Slides Were Left Out</source>
        <translation>Einige Dias wurden ausgelassen</translation>
    </message>
    <message>
        <source>These slides could not be read, and were not exported:
%1</source>
        <translation>Diese Dias konnten nicht gelesen werden und wurden nicht exportiert:
%1</translation>
    </message>
    <message>
        <source>These files appeared in the folder during the export and were left as they were:
%1</source>
        <translation>Diese Dateien sind während des Exports im Ordner erschienen und wurden belassen:
%1</translation>
    </message>
    <message>
        <source>“%1” is already in “%2”.</source>
        <translation>„%1“ ist bereits in „%2“.</translation>
    </message>
    <message>
        <source>%1 of the slides&apos; files are already in “%2”.</source>
        <translation>%1 der Dateien der Dias sind bereits in „%2“.</translation>
    </message>
    <message>
        <source>Replace them with the slides, or keep them and export only the other slides?</source>
        <translation>Sollen sie durch die Dias ersetzt werden, oder sollen sie bleiben und nur die übrigen Dias exportiert werden?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Keep Them</source>
        <translation>Behalten</translation>
    </message>
    <message>
        <source>Locate…</source>
        <translation>Suchen…</translation>
    </message>
    <message>
        <source>The slideshow has no slides to fit to the soundtrack. Import images first.</source>
        <translation>Die Diashow hat keine Dias, die an die Tonspur angepasst werden könnten. Importieren Sie zuerst Bilder.</translation>
    </message>
    <message>
        <source>The slideshow has no soundtrack to fit the slides to. Add sounds first.</source>
        <translation>Die Diashow hat keine Tonspur, an die die Dias angepasst werden könnten. Fügen Sie zuerst Töne hinzu.</translation>
    </message>
    <message>
        <source>The soundtrack lasts less than a second.</source>
        <translation>Die Tonspur dauert weniger als eine Sekunde.</translation>
    </message>
    <message>
        <source>Cannot Fit the Interval</source>
        <translation>Intervall kann nicht angepasst werden</translation>
    </message>
    <message>
        <source>Import Images</source>
        <translation>Bilder importieren</translation>
    </message>
    <message>
        <source>Remove All Images</source>
        <translation>Alle Bilder entfernen</translation>
    </message>
    <message>
        <source>Remove Current Image</source>
        <translation>Aktuelles Bild entfernen</translation>
    </message>
    <message>
        <source>Locate Sound Files</source>
        <translation>Tondateien suchen</translation>
    </message>
</context>
<context>
    <name>lanternreel::OpenJob</name>
    <message>
        <source>It is not a regular file.</source>
        <translation>Es ist keine reguläre Datei.</translation>
    </message>
    <message>
        <source>Opened %1 of %2 images</source>
        <translation>%1 von %2 Bildern geöffnet</translation>
    </message>
    <message>
        <source>Opening “%1”</source>
        <translation>„%1“ wird geöffnet</translation>
    </message>
</context>
<context>
    <name>lanternreel::PreferencesPanel</name>
    <message>
        <source>The screen without the show&apos;s window</source>
        <translation>Der Bildschirm ohne das Fenster der Diashow</translation>
    </message>
    <message>
        <source>%1 (%2×%3)</source>
        <translation>%1 (%2×%3)</translation>
    </message>
    <message>
        <source>%1 (not connected)</source>
        <translation>%1 (nicht angeschlossen)</translation>
    </message>
</context>
<context>
    <name>lanternreel::Presenter</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Slides: %1 left in the pass</source>
        <translation>Dias: noch %1 in diesem Durchlauf</translation>
    </message>
    <message>
        <source>Soundtrack: not playing</source>
        <translation>Tonspur: läuft nicht</translation>
    </message>
    <message>
        <source>Playing: nothing</source>
        <translation>Es läuft: nichts</translation>
    </message>
    <message>
        <source>Soundtrack: %1 left</source>
        <translation>Tonspur: noch %1</translation>
    </message>
    <message>
        <source>Playing: %1</source>
        <translation>Es läuft: %1</translation>
    </message>
</context>
<context>
    <name>lanternreel::PresenterView</name>
    <message>
        <source>Next</source>
        <translation>Als Nächstes</translation>
    </message>
    <message>
        <source>Next: none, the show ends here</source>
        <translation>Als Nächstes: keines, die Diashow endet hier</translation>
    </message>
</context>
<context>
    <name>lanternreel::ProgressPanel</name>
    <message>
        <source>Cancelling…</source>
        <translation>Wird abgebrochen…</translation>
    </message>
</context>
<context>
    <name>lanternreel::RelinkJob</name>
    <message>
        <source>Searched %1 folders</source>
        <translation>%1 Ordner durchsucht</translation>
    </message>
    <message>
        <source>Locating Sound Files</source>
        <translation>Tondateien werden gesucht</translation>
    </message>
</context>
<context>
    <name>lanternreel::SaveJob</name>
    <message>
        <source>Its content could not be written.</source>
        <translation>Sein Inhalt konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Saved %1 of %2 images</source>
        <translation>%1 von %2 Bildern gespeichert</translation>
    </message>
    <message>
        <source>Saving “%1”</source>
        <translation>„%1“ wird gespeichert</translation>
    </message>
</context>
<context>
    <name>lanternreel::ShowStatus</name>
    <message>
        <source>No slides</source>
        <translation>Keine Dias</translation>
    </message>
    <message>
        <source>1 slide</source>
        <translation>1 Dia</translation>
    </message>
    <message>
        <source>%1 slides</source>
        <translation>%1 Dias</translation>
    </message>
    <message>
        <source>Slide %1 of %2</source>
        <translation>Dia %1 von %2</translation>
    </message>
    <message>
        <source>1 second per slide</source>
        <translation>1 Sekunde pro Dia</translation>
    </message>
    <message>
        <source>%1 seconds per slide</source>
        <translation>%1 Sekunden pro Dia</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Läuft</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Angehalten</translation>
    </message>
    <message>
        <source>Loop on</source>
        <translation>Wiederholen an</translation>
    </message>
    <message>
        <source>Loop off</source>
        <translation>Wiederholen aus</translation>
    </message>
    <message>
        <source>Random on</source>
        <translation>Zufall an</translation>
    </message>
    <message>
        <source>Random off</source>
        <translation>Zufall aus</translation>
    </message>
</context>
<context>
    <name>lanternreel::SlidesExportJob</name>
    <message>
        <source>Exported %1 of %2 slides</source>
        <translation>%1 von %2 Dias exportiert</translation>
    </message>
    <message>
        <source>Exporting Slides to “%1”</source>
        <translation>Dias werden nach „%1“ exportiert</translation>
    </message>
</context>
<context>
    <name>lanternreel::SoundtrackModel</name>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
</context>
<context>
    <name>lanternreel::VideoExportJob</name>
    <message>
        <source>Exported %1 of %2 seconds of video</source>
        <translation>%1 von %2 Sekunden Video exportiert</translation>
    </message>
    <message>
        <source>Exporting “%1”</source>
        <translation>„%1“ wird exportiert</translation>
    </message>
</context>
<context>
    <name>preferences</name>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Seconds between slides:</source>
        <translation>Sekunden zwischen den Dias:</translation>
    </message>
    <message>
        <source>Full-screen background:</source>
        <translation>Hintergrund im Vollbild:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Full screen on:</source>
        <translation>Vollbild auf:</translation>
    </message>
    <message>
        <source>With two screens, the show covers this one and the other shows the presenter window.</source>
        <translation>Bei zwei Bildschirmen füllt die Diashow diesen, und der andere zeigt das Vortragsfenster.</translation>
    </message>
</context>
<context>
    <name>progressWindow</name>
    <message>
        <source>Importing Images</source>
        <translation>Bilder werden importiert</translation>
    </message>
    <message>
        <source>Importing images…</source>
        <translation>Bilder werden importiert…</translation>
    </message>
</context>
<context>
    <name>slideshowInfoPanel</name>
    <message>
        <source>Slideshow Info</source>
        <translation>Diashow-Informationen</translation>
    </message>
    <message>
        <source>Slides:</source>
        <translation>Dias:</translation>
    </message>
    <message>
        <source>Time between slides:</source>
        <translation>Zeit zwischen den Dias:</translation>
    </message>
    <message>
        <source>Length of the show:</source>
        <translation>Dauer der Show:</translation>
    </message>
    <message>
        <source>Length of the soundtrack:</source>
        <translation>Dauer der Tonspur:</translation>
    </message>
    <message>
        <source>Slides against soundtrack:</source>
        <translation>Dias und Tonspur:</translation>
    </message>
</context>
<context>
    <name>soundPanel</name>
    <message>
        <source>Soundtrack</source>
        <translation>Tonspur</translation>
    </message>
    <message>
        <source>Add Sound…</source>
        <translation>Ton hinzufügen…</translation>
    </message>
    <message>
        <source>Remove Sound</source>
        <translation>Ton entfernen</translation>
    </message>
    <message>
        <source>Remove the selected sound (Ctrl+Shift+Backspace)</source>
        <translation>Den ausgewählten Ton entfernen (Strg+Umschalt+Rücktaste)</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Backspace</source>
        <translation>Ctrl+Shift+Backspace</translation>
    </message>
</context>
</TS>
