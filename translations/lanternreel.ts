<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Lanternreel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Builds a slideshow from your pictures, gives it a soundtrack and presents it.&lt;br&gt;&lt;br&gt;Lanternreel is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License, version 3 or (at your option) any later version. It comes with no warranty. See &lt;a href=&quot;https://www.gnu.org/licenses/gpl-3.0.html&quot;&gt;https://www.gnu.org/licenses/gpl-3.0.html&lt;/a&gt;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImageHandler</name>
    <message>
        <source>No Valid Files Found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No valid image files were found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lanternreel encountered problems loading your images.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is too large: Lanternreel reads picture files of up to %2 MB holding up to %3 megapixels.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please make sure none are corrupt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Problem Loading Images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file that did not load:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” could not be kept for the slideshow. %2 Make room there, then import the pictures from this one on again.</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Sounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Swap Sounds</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Do you want to save the changes you made to “%1”?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your changes will be lost if you don&apos;t save them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QtDisplay</name>
    <message>
        <source>A slideshow is being presented</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QtSoundFactory</name>
    <message>
        <source>No Sound Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lanternreel found no audio device or sound server, so the soundtrack plays silently.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ShowArchive</name>
    <message>
        <source>It is not a Lanternreel show.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It was saved by a newer version of Lanternreel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its format version is not one Lanternreel knows.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It holds no show.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It holds more than one show.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is damaged: something follows the show.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is incomplete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is damaged (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is damaged: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is damaged: its pictures and their names differ in number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is damaged: its random order does not match its pictures.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is damaged: its soundtrack does not hold together.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SoundHandler</name>
    <message>
        <source>Invalid Sound File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound file you have selected is invalid.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VideoExport</name>
    <message>
        <source>There are no slides to export.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The time between slides must be at least one second.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The video would be longer than %1 hours.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The video could not be written to “%1”: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slide %1 could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is not enough memory to export the video.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lanternreel::ColorWell</name>
    <message>
        <source>Full-Screen Colour</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lanternreel::DocumentController</name>
    <message>
        <source>Lanternreel Show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The document “%1” could not be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The document “%1” cannot be saved yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The document “%1” could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its content could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lanternreel::EmptyShowHint</name>
    <message>
        <source>Drop pictures or folders here, or choose Slideshow › Import Images…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lanternreel::ExportVideoPanel</name>
    <message>
        <source>Export Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full HD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4K Ultra HD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 × %2 (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End with the last slide (%1); the music is cut there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hold the last slide until the music ends (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ending:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lanternreel::ImportJob</name>
    <message>
        <source>Imported %1 of %2 images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importing Images</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lanternreel::InfoPanel</name>
    <message>
        <source>%1 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of slides, %2 of soundtrack</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lanternreel::MainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page Set&amp;up…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pre&amp;ferences…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Slideshow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Images…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Slideshow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop Slideshow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Slide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous Slide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go to First Slide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loop Slideshow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Randomize Slides</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Current Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove All Images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slideshow Info…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soundtrack…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Sound…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Lanternreel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slide &amp;Strip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export &amp;Video…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Sli&amp;des…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit Interval to Soundtrack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Edit menu: &quot;Undo&quot; or &quot;Redo&quot;, then the step it takes back or does again</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lanternreel::MyDocument</name>
    <message>
        <source>Missing Sound Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The soundtrack will skip these sound files, which are missing or cannot be played:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lanternreel is still importing images into this slideshow. Try again when the import is done.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slideshow Is Busy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slideshow Is Empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For a slideshow to be run, you must first import images.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Timer Interval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The time between slides must be an integer greater than 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There Is Nothing to Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import images into the show first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An Export Is Running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wait for the export of this show to end, or cancel it, before starting another.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MP4 Video (*.mp4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Video Could Not Be Exported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The video was made without these sound files, which are missing or cannot be played:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Slides</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Slides Could Not Be Exported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>They could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some Slides Were Left Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These slides could not be read, and were not exported:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These files appeared in the folder during the export and were left as they were:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is already in “%2”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of the slides&apos; files are already in “%2”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace them with the slides, or keep them and export only the other slides?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep Them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Locate…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The slideshow has no slides to fit to the soundtrack. Import images first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The slideshow has no soundtrack to fit the slides to. Add sounds first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The soundtrack lasts less than a second.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot Fit the Interval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove All Images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Current Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Locate Sound Files</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lanternreel::OpenJob</name>
    <message>
        <source>It is not a regular file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opened %1 of %2 images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opening “%1”</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lanternreel::PreferencesPanel</name>
    <message>
        <source>The screen without the show&apos;s window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2×%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (not connected)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lanternreel::Presenter</name>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slides: %1 left in the pass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soundtrack: not playing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playing: nothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soundtrack: %1 left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playing: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lanternreel::PresenterView</name>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next: none, the show ends here</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lanternreel::ProgressPanel</name>
    <message>
        <source>Cancelling…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lanternreel::RelinkJob</name>
    <message>
        <source>Searched %1 folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Locating Sound Files</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lanternreel::SaveJob</name>
    <message>
        <source>Its content could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved %1 of %2 images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving “%1”</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lanternreel::ShowStatus</name>
    <message>
        <source>No slides</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 slide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 slides</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slide %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 second per slide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 seconds per slide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loop on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loop off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Random on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Random off</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lanternreel::SlidesExportJob</name>
    <message>
        <source>Exported %1 of %2 slides</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exporting Slides to “%1”</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lanternreel::SoundtrackModel</name>
    <message>
        <source>Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duration</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lanternreel::VideoExportJob</name>
    <message>
        <source>Exported %1 of %2 seconds of video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exporting “%1”</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>preferences</name>
    <message>
        <source>Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seconds between slides:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full-screen background:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full screen on:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With two screens, the show covers this one and the other shows the presenter window.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>progressWindow</name>
    <message>
        <source>Importing Images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importing images…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>slideshowInfoPanel</name>
    <message>
        <source>Slideshow Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slides:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time between slides:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length of the show:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length of the soundtrack:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slides against soundtrack:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>soundPanel</name>
    <message>
        <source>Soundtrack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Sound…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove the selected sound (Ctrl+Shift+Backspace)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Shift+Backspace</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
