<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="de_DE">
<context>
    <name>CommandLine</name>
    <message>
        <source>Builds a slideshow from pictures, gives it a soundtrack and presents it.
Pictures and folders given are imported into one new show. When Lanternreel is already running, they are imported into its current show instead (the one whose window was last active), and no new show is made. Show files open as shows of their own.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Pictures, folders and show files to open.</source>
        <translation type="unfinished" />
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
        <source>Builds a slideshow from your pictures, gives it a soundtrack and presents it.&lt;br&gt;&lt;br&gt;Lanternreel is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License, version 3 or (at your option) any later version. It comes with no warranty. See &lt;a href="https://www.gnu.org/licenses/gpl-3.0.html"&gt;https://www.gnu.org/licenses/gpl-3.0.html&lt;/a&gt;.</source>
        <translation>Erstellt aus Ihren Bildern eine Diashow, gibt ihr eine Tonspur und führt sie vor.&lt;br&gt;&lt;br&gt;Lanternreel ist freie Software: Sie können sie unter den Bedingungen der GNU General Public License, Version 3 oder (nach Ihrer Wahl) jeder späteren Version, weitergeben und/oder verändern. Sie wird ohne jede Gewährleistung geliefert. Siehe &lt;a href="https://www.gnu.org/licenses/gpl-3.0.html"&gt;https://www.gnu.org/licenses/gpl-3.0.html&lt;/a&gt;.</translation>
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
        <translation type="unfinished" />
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
</context>
<context>
    <name>Mp4Writer</name>
    <message>
        <source>Out of memory</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>No MP4 writer</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Cannot create the file</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Cannot write the file</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>This FFmpeg has no H.264 encoder (libx264)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Cannot start the H.264 encoder</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Cannot convert pictures for the H.264 encoder</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>This FFmpeg has no AAC encoder</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Cannot start the AAC encoder</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>A picture of the wrong size</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Lost sound samples</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Cannot encode</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Cannot complete the file</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>MyDocument</name>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Do you want to save the changes you made to “%1”?</source>
        <translation>Möchten Sie die Änderungen an „%1“ speichern?</translation>
    </message>
    <message>
        <source>Your changes will be lost if you don't save them.</source>
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
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>ShowArchive</name>
    <message>
        <source>It is not a Lanternreel show.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>It was saved by a newer version of Lanternreel.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Its format version is not one Lanternreel knows.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>It holds no show.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>It holds more than one show.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>It is damaged: something follows the show.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>It is incomplete.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>It is damaged (%1).</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>It is damaged: %1.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>It is damaged: its pictures and their names differ in number.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>It is damaged: its random order does not match its pictures.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>It is damaged: its soundtrack does not hold together.</source>
        <translation type="unfinished" />
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
        <translation type="unfinished" />
    </message>
    <message>
        <source>The time between slides must be at least one second.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The video would be longer than %1 hours.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The video could not be written to “%1”: %2.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Slide %1 could not be read.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>There is not enough memory to export the video.</source>
        <translation type="unfinished" />
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
    <name>lanternreel::Document</name>
    <message>
        <source>Lanternreel is still saving this slideshow. Try again when the save is done.</source>
        <translation type="unfinished" />
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
        <translation type="unfinished" />
    </message>
    <message>
        <source>The document “%1” cannot be saved yet.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The document “%1” could not be saved.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Its content could not be written.</source>
        <translation type="unfinished" />
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
</context>
<context>
    <name>lanternreel::MyDocument</name>
    <message>
        <source>It is damaged: a picture in it does not decode.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Missing Sound Files</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The soundtrack will skip these sound files, which are missing or cannot be played:
%1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Lanternreel is still importing images into this slideshow. Try again when the import is done.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Slideshow Is Busy</source>
        <translation type="unfinished" />
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
</context>
<context>
    <name>lanternreel::OpenJob</name>
    <message>
        <source>It is not a regular file.</source>
        <translation type="unfinished" />
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
    <name>lanternreel::ProgressPanel</name>
    <message>
        <source>Cancelling…</source>
        <translation>Wird abgebrochen…</translation>
    </message>
</context>
<context>
    <name>lanternreel::SaveJob</name>
    <message>
        <source>Its content could not be written.</source>
        <translation type="unfinished" />
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
        <translation type="unfinished" />
    </message>
</context>
</TS>