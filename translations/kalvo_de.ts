<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AppSettings</name>
    <message>
        <source>not a settings file: it is not UTF-8 text</source>
        <translation>keine Einstellungsdatei: kein UTF-8-Text</translation>
    </message>
    <message>
        <source>not a settings file: line %1 is neither a [section] nor a key = value</source>
        <translation>keine Einstellungsdatei: Zeile %1 ist weder ein [Abschnitt] noch Schlüssel = Wert</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>larger than 1 MB, which no settings file of Kalvo is</source>
        <translation>größer als 1 MB, was keine Einstellungsdatei von Kalvo ist</translation>
    </message>
    <message>
        <source>not a settings file that can be read</source>
        <translation>keine lesbare Einstellungsdatei</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>the lock %1 could not be taken within a second (another program holds it, or it was left behind and cannot be removed)</source>
        <translation>die Sperre %1 war nicht binnen einer Sekunde zu bekommen (ein anderes Programm hält sie, oder sie ist liegen geblieben und lässt sich nicht entfernen)</translation>
    </message>
    <message>
        <source>the settings could not be written</source>
        <translation>die Einstellungen konnten nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About kalvo</source>
        <translation>Über kalvo</translation>
    </message>
    <message>
        <source>Click to visit kalvo website</source>
        <translation>kalvo-Website besuchen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>kalvo version 2.3.2.0</source>
        <translation>kalvo Version 2.3.2.0</translation>
    </message>
    <message>
        <source>15 September 2006</source>
        <translation>15. September 2006</translation>
    </message>
    <message>
        <source>Copyright (C) the Kalvo project</source>
        <translation>Copyright (C) das Kalvo-Projekt</translation>
    </message>
    <message>
        <source>Built with C++ and Qt 6 Widgets;
listens through PulseAudio</source>
        <translation>Geschrieben in C++ mit Qt 6 Widgets;
hört über PulseAudio</translation>
    </message>
</context>
<context>
    <name>CAcknowledgementsDlg</name>
    <message>
        <source>Acknowledgements</source>
        <translation>Danksagung</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Thanks to Qt, https://www.qt.io,
to PulseAudio, https://www.freedesktop.org
and to libsndfile,
https://libsndfile.github.io</source>
        <translation>Dank an Qt, https://www.qt.io,
an PulseAudio, https://www.freedesktop.org
und an libsndfile,
https://libsndfile.github.io</translation>
    </message>
</context>
<context>
    <name>CCaptureDeviceDlg</name>
    <message>
        <source>Select Capture Device</source>
        <translation>Aufnahmegerät wählen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>CCentMeter</name>
    <message>
        <source>Cent meter</source>
        <translation>Cent-Anzeige</translation>
    </message>
</context>
<context>
    <name>CControlPanel</name>
    <message>
        <source>MIDI</source>
        <translation>MIDI</translation>
    </message>
    <message>
        <source>WAVE</source>
        <translation>WAVE</translation>
    </message>
    <message>
        <source>LOG</source>
        <translation>LOG</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Abbild</translation>
    </message>
    <message>
        <source>Freeze Spectrum</source>
        <translation>Spektrum einfrieren</translation>
    </message>
    <message>
        <source>Record to MIDI file</source>
        <translation>In MIDI-Datei aufnehmen</translation>
    </message>
    <message>
        <source>Record to WAVE file</source>
        <translation>In WAVE-Datei aufnehmen</translation>
    </message>
    <message>
        <source>Record to text file</source>
        <translation>In Textdatei aufnehmen</translation>
    </message>
    <message>
        <source>Snapshot of the window</source>
        <translation>Abbild des Fensters</translation>
    </message>
    <message>
        <source>Freeze the displays, or let them run again</source>
        <translation>Anzeigen einfrieren oder wieder laufen lassen</translation>
    </message>
    <message>
        <source>not recording</source>
        <translation>keine Aufnahme</translation>
    </message>
    <message>
        <source>running</source>
        <translation>läuft</translation>
    </message>
    <message>
        <source>A5 freq</source>
        <translation>A5 Freq.</translation>
    </message>
    <message>
        <source>Special</source>
        <translation>Spezial</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Note Transposition</source>
        <translation>Notentransposition</translation>
    </message>
    <message>
        <source>Record selection</source>
        <translation>Aufnahmeauswahl</translation>
    </message>
    <message>
        <source>Recording off</source>
        <translation>Keine Aufnahme</translation>
    </message>
    <message>
        <source>Recording to file</source>
        <translation>Aufnahme in Datei</translation>
    </message>
    <message>
        <source>A recording&apos;s folder was deleted or moved: the recording was saved in %1</source>
        <translation>Der Ordner einer Aufnahme wurde gelöscht oder verschoben: die Aufnahme wurde in %1 gesichert</translation>
    </message>
    <message>
        <source>Stop Recording to Text File</source>
        <translation>Aufnahme in Textdatei beenden</translation>
    </message>
    <message>
        <source>Record to Text File</source>
        <translation>In Textdatei aufnehmen</translation>
    </message>
    <message>
        <source>Stop Recording to Wave File</source>
        <translation>Aufnahme in WAVE-Datei beenden</translation>
    </message>
    <message>
        <source>Record to Wave File</source>
        <translation>In WAVE-Datei aufnehmen</translation>
    </message>
    <message>
        <source>Stop Recording to Midi File</source>
        <translation>Aufnahme in MIDI-Datei beenden</translation>
    </message>
    <message>
        <source>Record to MIDI File</source>
        <translation>In MIDI-Datei aufnehmen</translation>
    </message>
    <message>
        <source>recording</source>
        <translation>Aufnahme läuft</translation>
    </message>
    <message>
        <source>The working folder %1 cannot be written (%2): recordings go to %3</source>
        <translation>In den Arbeitsordner %1 kann nicht geschrieben werden (%2): Aufnahmen gehen nach %3</translation>
    </message>
    <message>
        <source>Recording to:</source>
        <translation>Aufnahme nach:</translation>
    </message>
    <message>
        <source>Thaw Spectrum</source>
        <translation>Spektrum freigeben</translation>
    </message>
    <message>
        <source>frozen</source>
        <translation>eingefroren</translation>
    </message>
    <message>
        <source>the MIDI recording %1, which is written only when it stops</source>
        <translation>die MIDI-Aufnahme %1, die erst beim Beenden geschrieben wird</translation>
    </message>
    <message>
        <source>the end of the text log %1</source>
        <translation>das Ende des Textprotokolls %1</translation>
    </message>
    <message>
        <source>the end of the wave file %1</source>
        <translation>das Ende der WAVE-Datei %1</translation>
    </message>
    <message>
        <source>A recording could not be stopped. Exiting now loses %1.
Exit anyway?</source>
        <translation>Eine Aufnahme ließ sich nicht beenden. Wird jetzt beendet, geht %1 verloren.
Trotzdem beenden?</translation>
    </message>
    <message>
        <source>Recording off</source>
        <comment>banner picture, 116 pixels wide</comment>
        <translation>Keine Aufnahme</translation>
    </message>
    <message>
        <source>Recording to file</source>
        <comment>banner picture, 116 pixels wide</comment>
        <translation>Aufnahme läuft</translation>
    </message>
</context>
<context>
    <name>CFftParamsDlg</name>
    <message>
        <source>Please enter a number between 0.0 and 1.0.</source>
        <translation>Bitte eine Zahl zwischen 0.0 und 1.0 eingeben.</translation>
    </message>
    <message>
        <source>FFT Parameters</source>
        <translation>FFT-Parameter</translation>
    </message>
    <message>
        <source>FFT size</source>
        <translation>FFT-Größe</translation>
    </message>
    <message>
        <source>Windowing function</source>
        <translation>Fensterfunktion</translation>
    </message>
    <message>
        <source>Gaussian alpha</source>
        <translation>Gauß-Alpha</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>CFrequencyDisplay</name>
    <message>
        <source>Frequency display</source>
        <translation>Frequenzanzeige</translation>
    </message>
</context>
<context>
    <name>CMidiSettingsDlg</name>
    <message>
        <source>Please enter no more than 3 characters.</source>
        <translation>Bitte höchstens 3 Zeichen eingeben.</translation>
    </message>
    <message>
        <source>5   Cents</source>
        <translation>5   Cent</translation>
    </message>
    <message>
        <source>10 Cents</source>
        <translation>10 Cent</translation>
    </message>
    <message>
        <source>25 Cents</source>
        <translation>25 Cent</translation>
    </message>
    <message>
        <source>50 Cents</source>
        <translation>50 Cent</translation>
    </message>
    <message>
        <source>Settings for MIDI Generation</source>
        <translation>Einstellungen für MIDI-Erzeugung</translation>
    </message>
    <message>
        <source>Settings for MIDI Sequence</source>
        <translation>Einstellungen für die MIDI-Sequenz</translation>
    </message>
    <message>
        <source>Accidentals</source>
        <translation>Vorzeichen</translation>
    </message>
    <message>
        <source>Sharp</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>Flat</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Major</source>
        <translation>Dur</translation>
    </message>
    <message>
        <source>Minor</source>
        <translation>Moll</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>Instrument</translation>
    </message>
    <message>
        <source>Tempo</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Note On MIDI Event Generation</source>
        <translation>Erzeugung der MIDI-Ereignisse Note On</translation>
    </message>
    <message>
        <source>Only for Notes Above</source>
        <translation>Nur für Noten über</translation>
    </message>
    <message>
        <source>Minimum Pitch Change</source>
        <translation>Min. Tonhöhenänderung</translation>
    </message>
    <message>
        <source>Minimum dB Value</source>
        <translation>Minimaler dB-Wert</translation>
    </message>
    <message>
        <source>Note Pitch</source>
        <translation>Tonhöhe</translation>
    </message>
    <message>
        <source>Keep original note pitch</source>
        <translation>Tonhöhe beibehalten</translation>
    </message>
    <message>
        <source>Round pitch to closest note</source>
        <translation>Auf nächste Note runden</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>CNoteArea</name>
    <message>
        <source>Note area</source>
        <translation>Notenfeld</translation>
    </message>
    <message>
        <source>held</source>
        <translation>fest</translation>
    </message>
    <message>
        <source>Out of range</source>
        <translation>Außer Bereich</translation>
    </message>
</context>
<context>
    <name>CReferenceToneDlg</name>
    <message>
        <source>Reference Tone</source>
        <translation>Referenzton</translation>
    </message>
    <message>
        <source>Tuning:</source>
        <translation>Stimmung:</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Note:</translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation>Frequenz:</translation>
    </message>
    <message>
        <source>Sine</source>
        <translation>Sinus</translation>
    </message>
    <message>
        <source>Soft (with harmonics)</source>
        <translation>Weich (mit Obertönen)</translation>
    </message>
    <message>
        <source>&amp;Sound:</source>
        <translation>&amp;Klang:</translation>
    </message>
    <message>
        <source>Volume in percent</source>
        <translation>Lautstärke in Prozent</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>&amp;Lautstärke:</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Abspielen</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Stopp</translation>
    </message>
    <message>
        <source>Cannot play the reference tone.</source>
        <translation>Der Referenzton kann nicht gespielt werden.</translation>
    </message>
    <message>
        <source>The sound server stopped the reference tone.</source>
        <translation>Der Soundserver hat den Referenzton angehalten.</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
</context>
<context>
    <name>CSpectrumSettingsDlg</name>
    <message>
        <source>Please enter an integer between 40 and 4000.</source>
        <translation>Bitte eine ganze Zahl zwischen 40 und 4000 eingeben.</translation>
    </message>
    <message>
        <source>Spectrum View Settings</source>
        <translation>Einstellungen der Spektrumansicht</translation>
    </message>
    <message>
        <source>Horizontal view</source>
        <translation>Frequenzachse</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Linear</translation>
    </message>
    <message>
        <source>Logarithmic</source>
        <translation>Logarithmisch</translation>
    </message>
    <message>
        <source>Dynamic</source>
        <translation>Dynamik</translation>
    </message>
    <message>
        <source>Displayed Range [Hz]</source>
        <translation>Angezeigter Bereich [Hz]</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>CStrobeControl</name>
    <message>
        <source>S&amp;trobe</source>
        <translation>S&amp;troboskop</translation>
    </message>
    <message>
        <source>S&amp;pectrum</source>
        <translation>S&amp;pektrum</translation>
    </message>
</context>
<context>
    <name>CStrobeView</name>
    <message>
        <source>Strobe</source>
        <translation>Stroboskop</translation>
    </message>
    <message>
        <source>%+.1f cents</source>
        <translation>%+.1f Cent</translation>
    </message>
</context>
<context>
    <name>CTunerDlg</name>
    <message>
        <source>Kalvo - version %1</source>
        <translation>Kalvo - Version %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Record to &amp;Midi File</source>
        <translation>In &amp;MIDI-Datei aufnehmen</translation>
    </message>
    <message>
        <source>Record to &amp;Wave File</source>
        <translation>In &amp;WAVE-Datei aufnehmen</translation>
    </message>
    <message>
        <source>Record to &amp;Text File</source>
        <translation>In &amp;Textdatei aufnehmen</translation>
    </message>
    <message>
        <source>&amp;Convert Text File to MIDI</source>
        <translation>Textdatei in MIDI &amp;umwandeln</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Midi</source>
        <translation>&amp;MIDI</translation>
    </message>
    <message>
        <source>&amp;FFT Parameters</source>
        <translation>&amp;FFT-Parameter</translation>
    </message>
    <message>
        <source>&amp;Spectrum</source>
        <comment>Settings menu</comment>
        <translation>&amp;Spektrum</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Abbild</translation>
    </message>
    <message>
        <source>to Clipboard</source>
        <translation>in die Zwischenablage</translation>
    </message>
    <message>
        <source>to File</source>
        <translation>in eine Datei</translation>
    </message>
    <message>
        <source>&amp;Pitch Method</source>
        <translation>&amp;Tonhöhenerkennung</translation>
    </message>
    <message>
        <source>&amp;Dominant Frequency</source>
        <translation>&amp;Dominante Frequenz</translation>
    </message>
    <message>
        <source>Fundamental (&amp;Harmonic Instruments)</source>
        <translation>Grundton (&amp;harmonische Instrumente)</translation>
    </message>
    <message>
        <source>&amp;Tuning...</source>
        <translation>Stimm&amp;ung...</translation>
    </message>
    <message>
        <source>Reference Ton&amp;e...</source>
        <translation>&amp;Referenzton...</translation>
    </message>
    <message>
        <source>Recording F&amp;older...</source>
        <translation>Aufnahme&amp;ordner...</translation>
    </message>
    <message>
        <source>&amp;Remember Settings</source>
        <translation>Einstellungen mer&amp;ken</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Cent Meter &amp;Damping</source>
        <translation>Cent-Anzeige &amp;dämpfen</translation>
    </message>
    <message>
        <source>&amp;Refresh Rate</source>
        <translation>Aktualisierungs&amp;rate</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Niedrig</translation>
    </message>
    <message>
        <source>&amp;Show Sharps in Note Area</source>
        <translation>&amp;Kreuze im Notenfeld zeigen</translation>
    </message>
    <message>
        <source>&amp;Hold Last Reading</source>
        <translation>Letzte Messung &amp;halten</translation>
    </message>
    <message>
        <source>&amp;Freeze Spectrum</source>
        <translation>Spektrum &amp;einfrieren</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>&amp;Farben</translation>
    </message>
    <message>
        <source>&amp;Background</source>
        <translation>&amp;Hintergrund</translation>
    </message>
    <message>
        <source>&amp;Spectrum</source>
        <comment>Colors menu: the curve</comment>
        <translation>&amp;Spektrum</translation>
    </message>
    <message>
        <source>Spectrum &amp;Area</source>
        <translation>Spektrum&amp;fläche</translation>
    </message>
    <message>
        <source>&amp;Default Colors</source>
        <translation>Farben &amp;zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>About Kalvo...</source>
        <translation>Über Kalvo...</translation>
    </message>
    <message>
        <source>Acknowledgements</source>
        <translation>Danksagung</translation>
    </message>
    <message>
        <source>Start with --demo to try the tuner without a sound card</source>
        <translation>Mit --demo starten, um das Stimmgerät ohne Soundkarte auszuprobieren</translation>
    </message>
    <message>
        <source>MIDI file written: %1</source>
        <translation>MIDI-Datei geschrieben: %1</translation>
    </message>
    <message>
        <source>Show flats in note area</source>
        <translation>B-Vorzeichen im Notenfeld zeigen</translation>
    </message>
    <message>
        <source>Show sharps in note area</source>
        <translation>Kreuze im Notenfeld zeigen</translation>
    </message>
    <message>
        <source>Cannot read the remembered settings in %1 (%2). This run starts with the default settings and leaves the file as it is.</source>
        <translation>Die gemerkten Einstellungen in %1 können nicht gelesen werden (%2). Dieser Start verwendet die Standardeinstellungen und lässt die Datei, wie sie ist.</translation>
    </message>
    <message>
        <source>Cannot save the settings in %1 (%2); the file stays as it was.</source>
        <translation>Die Einstellungen können nicht in %1 gespeichert werden (%2); die Datei bleibt, wie sie war.</translation>
    </message>
    <message>
        <source>Cannot remove the remembered settings %1.</source>
        <translation>Die gemerkten Einstellungen %1 können nicht entfernt werden.</translation>
    </message>
    <message>
        <source>Recording Folder</source>
        <translation>Aufnahmeordner</translation>
    </message>
    <message>
        <source>Cannot write to the folder %1 (%2): recordings stay where they were</source>
        <translation>In den Ordner %1 kann nicht geschrieben werden (%2): Aufnahmen gehen weiter dorthin, wo sie hingingen</translation>
    </message>
</context>
<context>
    <name>CTuningControl</name>
    <message>
        <source>Tuning</source>
        <translation>Stimmung</translation>
    </message>
</context>
<context>
    <name>CTuningDlg</name>
    <message>
        <source>Tuning</source>
        <translation>Stimmung</translation>
    </message>
    <message>
        <source>on</source>
        <translation>Grundton</translation>
    </message>
    <message>
        <source>&amp;Temperament:</source>
        <translation>&amp;Temperatur:</translation>
    </message>
    <message>
        <source>Offsets from equal temperament in cents</source>
        <translation>Abweichungen von der gleichstufigen Stimmung in Cent</translation>
    </message>
    <message>
        <source>Cents:</source>
        <translation>Cent:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>Scala &amp;scale:</source>
        <translation>&amp;Scala-Skala:</translation>
    </message>
    <message>
        <source>Scala scales (*.scl);;All files (*)</source>
        <translation>Scala-Skalen (*.scl);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>&amp;Keyboard map:</source>
        <translation>Tasten&amp;belegung:</translation>
    </message>
    <message>
        <source>Scala keyboard maps (*.kbm);;All files (*)</source>
        <translation>Scala-Tastenbelegungen (*.kbm);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Notes of my own</source>
        <translation>Eigene Noten</translation>
    </message>
    <message>
        <source>St&amp;rings:</source>
        <translation>Sa&amp;iten:</translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation>&amp;Noten:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
</context>
<context>
    <name>LogToMidi</name>
    <message>
        <source>Converting to midi file...</source>
        <translation>Umwandlung in MIDI-Datei...</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
</context>
<context>
    <name>MidiInstrument</name>
    <message>
        <source>Acoustic Grand Piano</source>
        <translation>Akustischer Flügel</translation>
    </message>
    <message>
        <source>Bright Piano</source>
        <translation>Heller Flügel</translation>
    </message>
    <message>
        <source>Electric Grand Piano</source>
        <translation>Elektrischer Flügel</translation>
    </message>
    <message>
        <source>Honky-Tonk Piano</source>
        <translation>Honky-Tonk-Klavier</translation>
    </message>
    <message>
        <source>Electric piano 1 </source>
        <translation>E-Piano 1</translation>
    </message>
    <message>
        <source>Electric Piano 2</source>
        <translation>E-Piano 2</translation>
    </message>
    <message>
        <source>Harpsichord </source>
        <translation>Cembalo</translation>
    </message>
    <message>
        <source>Clavinet</source>
        <translation>Clavinet</translation>
    </message>
    <message>
        <source>Celesta </source>
        <translation>Celesta</translation>
    </message>
    <message>
        <source>Glockenspiel</source>
        <translation>Glockenspiel</translation>
    </message>
    <message>
        <source>Music Box</source>
        <translation>Spieluhr</translation>
    </message>
    <message>
        <source>Vibraphone </source>
        <translation>Vibraphon</translation>
    </message>
    <message>
        <source>Marimba </source>
        <translation>Marimba</translation>
    </message>
    <message>
        <source>Xylophone</source>
        <translation>Xylophon</translation>
    </message>
    <message>
        <source>Tubular bells</source>
        <translation>Röhrenglocken</translation>
    </message>
    <message>
        <source>Dulcimer</source>
        <translation>Hackbrett</translation>
    </message>
    <message>
        <source>Drawbar Organ</source>
        <translation>Zugriegelorgel</translation>
    </message>
    <message>
        <source>Percussive Organ</source>
        <translation>Perkussive Orgel</translation>
    </message>
    <message>
        <source>Rock Organ </source>
        <translation>Rockorgel</translation>
    </message>
    <message>
        <source>Church Organ</source>
        <translation>Kirchenorgel</translation>
    </message>
    <message>
        <source>Reed Organ </source>
        <translation>Harmonium</translation>
    </message>
    <message>
        <source>Accordion </source>
        <translation>Akkordeon</translation>
    </message>
    <message>
        <source>Harmonica</source>
        <translation>Mundharmonika</translation>
    </message>
    <message>
        <source>Tango Accordion</source>
        <translation>Bandoneon</translation>
    </message>
    <message>
        <source>Nylon String Guitar</source>
        <translation>Konzertgitarre (Nylon)</translation>
    </message>
    <message>
        <source>Steel String Guitar</source>
        <translation>Westerngitarre (Stahl)</translation>
    </message>
    <message>
        <source>Jazz Guitar</source>
        <translation>Jazzgitarre</translation>
    </message>
    <message>
        <source>Clean Electric Guitar</source>
        <translation>E-Gitarre (clean)</translation>
    </message>
    <message>
        <source>Muted Electric Guitar</source>
        <translation>E-Gitarre (gedämpft)</translation>
    </message>
    <message>
        <source>Overdrive Guitar</source>
        <translation>Overdrive-Gitarre</translation>
    </message>
    <message>
        <source>Distortion Guitar</source>
        <translation>Verzerrte Gitarre</translation>
    </message>
    <message>
        <source>Guitar Harmonics</source>
        <translation>Gitarren-Flageolett</translation>
    </message>
    <message>
        <source>Accoustic Bass</source>
        <translation>Akustikbass</translation>
    </message>
    <message>
        <source>Fingered Bass</source>
        <translation>E-Bass (Finger)</translation>
    </message>
    <message>
        <source>Picked Bass</source>
        <translation>E-Bass (Plektrum)</translation>
    </message>
    <message>
        <source>Fretless Bass</source>
        <translation>Bundloser Bass</translation>
    </message>
    <message>
        <source>Slap Bass 1</source>
        <translation>Slap-Bass 1</translation>
    </message>
    <message>
        <source>Slap Bass 2</source>
        <translation>Slap-Bass 2</translation>
    </message>
    <message>
        <source>Synth Bass 1</source>
        <translation>Synth-Bass 1</translation>
    </message>
    <message>
        <source>Synth Bass 2</source>
        <translation>Synth-Bass 2</translation>
    </message>
    <message>
        <source>Violin </source>
        <translation>Violine</translation>
    </message>
    <message>
        <source>Viola</source>
        <translation>Bratsche</translation>
    </message>
    <message>
        <source>Cello</source>
        <translation>Violoncello</translation>
    </message>
    <message>
        <source>Contrabass </source>
        <translation>Kontrabass</translation>
    </message>
    <message>
        <source>Tremolo Strings</source>
        <translation>Tremolo-Streicher</translation>
    </message>
    <message>
        <source>Pizzicato Strings</source>
        <translation>Pizzicato-Streicher</translation>
    </message>
    <message>
        <source>Orchestral Harp</source>
        <translation>Orchesterharfe</translation>
    </message>
    <message>
        <source>Timpani </source>
        <translation>Pauken</translation>
    </message>
    <message>
        <source>String Ensemble 1 </source>
        <translation>Streicherensemble 1</translation>
    </message>
    <message>
        <source>String Ensemble 2</source>
        <translation>Streicherensemble 2</translation>
    </message>
    <message>
        <source>Synth Strings 1 </source>
        <translation>Synth-Streicher 1</translation>
    </message>
    <message>
        <source>Synth Strings 2</source>
        <translation>Synth-Streicher 2</translation>
    </message>
    <message>
        <source>Choir &quot;ahh&quot; </source>
        <translation>Chor „Aah“</translation>
    </message>
    <message>
        <source>Choir &quot;oohh&quot; </source>
        <translation>Chor „Ooh“</translation>
    </message>
    <message>
        <source>Synth Voice</source>
        <translation>Synth-Stimme</translation>
    </message>
    <message>
        <source>Orchestral Hit </source>
        <translation>Orchesterschlag</translation>
    </message>
    <message>
        <source>Trumpet </source>
        <translation>Trompete</translation>
    </message>
    <message>
        <source>Trombone </source>
        <translation>Posaune</translation>
    </message>
    <message>
        <source>Tuba</source>
        <translation>Tuba</translation>
    </message>
    <message>
        <source>Muted Trumpet</source>
        <translation>Gedämpfte Trompete</translation>
    </message>
    <message>
        <source>French Horn</source>
        <translation>Horn</translation>
    </message>
    <message>
        <source>Brass Section </source>
        <translation>Blechbläsersatz</translation>
    </message>
    <message>
        <source>Synth Brass 1 </source>
        <translation>Synth-Blech 1</translation>
    </message>
    <message>
        <source>Synth Brass 2</source>
        <translation>Synth-Blech 2</translation>
    </message>
    <message>
        <source>Soprano Sax</source>
        <translation>Sopransaxophon</translation>
    </message>
    <message>
        <source>Alto Sax</source>
        <translation>Altsaxophon</translation>
    </message>
    <message>
        <source>Tenor Sax</source>
        <translation>Tenorsaxophon</translation>
    </message>
    <message>
        <source>Baritone Sax</source>
        <translation>Baritonsaxophon</translation>
    </message>
    <message>
        <source>Oboe</source>
        <translation>Oboe</translation>
    </message>
    <message>
        <source>English Horn </source>
        <translation>Englischhorn</translation>
    </message>
    <message>
        <source>Bassoon</source>
        <translation>Fagott</translation>
    </message>
    <message>
        <source>Clarinet </source>
        <translation>Klarinette</translation>
    </message>
    <message>
        <source>Piccolo </source>
        <translation>Piccoloflöte</translation>
    </message>
    <message>
        <source>Flute </source>
        <translation>Querflöte</translation>
    </message>
    <message>
        <source>Recorder </source>
        <translation>Blockflöte</translation>
    </message>
    <message>
        <source>Pan flute</source>
        <translation>Panflöte</translation>
    </message>
    <message>
        <source>Blown Bottle </source>
        <translation>Flaschenblasen</translation>
    </message>
    <message>
        <source>Shakuhachi</source>
        <translation>Shakuhachi</translation>
    </message>
    <message>
        <source>Whistle </source>
        <translation>Pfeifen</translation>
    </message>
    <message>
        <source>Ocarina </source>
        <translation>Okarina</translation>
    </message>
    <message>
        <source>Square Wave</source>
        <translation>Rechteckwelle</translation>
    </message>
    <message>
        <source>Sawtooth Wave</source>
        <translation>Sägezahnwelle</translation>
    </message>
    <message>
        <source>Calliope</source>
        <translation>Calliope</translation>
    </message>
    <message>
        <source>Chiff</source>
        <translation>Chiff</translation>
    </message>
    <message>
        <source>Charang </source>
        <translation>Charang</translation>
    </message>
    <message>
        <source>Voice </source>
        <translation>Stimme</translation>
    </message>
    <message>
        <source>Fifths</source>
        <translation>Quinten</translation>
    </message>
    <message>
        <source>Bass &amp; Lead</source>
        <translation>Bass &amp; Lead</translation>
    </message>
    <message>
        <source>New Age</source>
        <translation>New Age</translation>
    </message>
    <message>
        <source>Warm</source>
        <translation>Warm</translation>
    </message>
    <message>
        <source>PolySynth</source>
        <translation>PolySynth</translation>
    </message>
    <message>
        <source>Choir </source>
        <translation>Chor</translation>
    </message>
    <message>
        <source>Bowed </source>
        <translation>Gestrichen</translation>
    </message>
    <message>
        <source>Metallic </source>
        <translation>Metallisch</translation>
    </message>
    <message>
        <source>Halo</source>
        <translation>Halo</translation>
    </message>
    <message>
        <source>Sweep </source>
        <translation>Sweep</translation>
    </message>
    <message>
        <source>FX Rain</source>
        <translation>FX Regen</translation>
    </message>
    <message>
        <source>FX Soundtrack </source>
        <translation>FX Soundtrack</translation>
    </message>
    <message>
        <source>FX Crystal</source>
        <translation>FX Kristall</translation>
    </message>
    <message>
        <source>FX Atmosphere </source>
        <translation>FX Atmosphäre</translation>
    </message>
    <message>
        <source>FX Brightness</source>
        <translation>FX Helligkeit</translation>
    </message>
    <message>
        <source>FX Goblins </source>
        <translation>FX Kobolde</translation>
    </message>
    <message>
        <source>FX Echo Drops</source>
        <translation>FX Echotropfen</translation>
    </message>
    <message>
        <source>FX Star Theme</source>
        <translation>FX Sternenthema</translation>
    </message>
    <message>
        <source>Sitar</source>
        <translation>Sitar</translation>
    </message>
    <message>
        <source>Banjo </source>
        <translation>Banjo</translation>
    </message>
    <message>
        <source>Shamisen </source>
        <translation>Shamisen</translation>
    </message>
    <message>
        <source>Koto</source>
        <translation>Koto</translation>
    </message>
    <message>
        <source>Kalimba </source>
        <translation>Kalimba</translation>
    </message>
    <message>
        <source>Bagpipe</source>
        <translation>Dudelsack</translation>
    </message>
    <message>
        <source>Fiddle </source>
        <translation>Fiedel</translation>
    </message>
    <message>
        <source>Shanai </source>
        <translation>Shanai</translation>
    </message>
    <message>
        <source>Tinkle bell </source>
        <translation>Glöckchen</translation>
    </message>
    <message>
        <source>Agogo </source>
        <translation>Agogo</translation>
    </message>
    <message>
        <source>Steel Drums</source>
        <translation>Steeldrums</translation>
    </message>
    <message>
        <source>Woodblock</source>
        <translation>Holzblock</translation>
    </message>
    <message>
        <source>Taiko Drum</source>
        <translation>Taiko-Trommel</translation>
    </message>
    <message>
        <source>Melodic Tom</source>
        <translation>Melodische Tom</translation>
    </message>
    <message>
        <source>Synth Drum </source>
        <translation>Synth-Trommel</translation>
    </message>
    <message>
        <source>Reverse Cymbal</source>
        <translation>Rückwärts-Becken</translation>
    </message>
    <message>
        <source>Guitar Fret Noise </source>
        <translation>Gitarren-Bundgeräusch</translation>
    </message>
    <message>
        <source>Breath Noise</source>
        <translation>Atemgeräusch</translation>
    </message>
    <message>
        <source>Seashore</source>
        <translation>Meeresrauschen</translation>
    </message>
    <message>
        <source>Bird Tweet</source>
        <translation>Vogelgezwitscher</translation>
    </message>
    <message>
        <source>Telephone Ring </source>
        <translation>Telefonklingeln</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation>Hubschrauber</translation>
    </message>
    <message>
        <source>Applause</source>
        <translation>Applaus</translation>
    </message>
    <message>
        <source>Gunshot</source>
        <translation>Schuss</translation>
    </message>
</context>
<context>
    <name>NoteNamesMenu</name>
    <message>
        <source>Note &amp;Names</source>
        <translation>&amp;Notennamen</translation>
    </message>
    <message>
        <source>&amp;English (C D E F G A B)</source>
        <translation>&amp;Englisch (C D E F G A B)</translation>
    </message>
    <message>
        <source>&amp;German (C D E F G A H)</source>
        <translation>&amp;Deutsch (C D E F G A H)</translation>
    </message>
    <message>
        <source>&amp;Solfege (Do Re Mi Fa Sol La Si)</source>
        <translation>&amp;Solmisation (Do Re Mi Fa Sol La Si)</translation>
    </message>
</context>
<context>
    <name>RecordingProblem</name>
    <message>
        <source>unknown error</source>
        <translation>unbekannter Fehler</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1; what was recorded is lost: it could not be saved in %2</source>
        <translation>%1; das Aufgenommene ist verloren: es konnte nicht gesichert werden in %2</translation>
    </message>
    <message>
        <source>%1; it could not be saved in %2</source>
        <translation>%1; es konnte nicht gesichert werden in %2</translation>
    </message>
    <message>
        <source>%1; what was recorded is now in %2, and the recording goes on there</source>
        <translation>%1; das Aufgenommene ist jetzt in %2, und die Aufnahme geht dort weiter</translation>
    </message>
    <message>
        <source>%1; the recording was saved to %2</source>
        <translation>%1; die Aufnahme wurde in %2 gesichert</translation>
    </message>
</context>
<context>
    <name>SpokenReading</name>
    <message>
        <source>, held</source>
        <translation>, gehalten</translation>
    </message>
    <message>
        <source>no input signal</source>
        <translation>kein Eingangssignal</translation>
    </message>
    <message>
        <source>%1 sharp %2</source>
        <translation>%1 erhöht %2</translation>
    </message>
    <message>
        <source>%1 flat %2</source>
        <translation>%1 erniedrigt %2</translation>
    </message>
    <message>
        <source>in tune</source>
        <translation>gestimmt</translation>
    </message>
    <message>
        <source>%1 cent sharp</source>
        <translation>%1 Cent zu hoch</translation>
    </message>
    <message>
        <source>%1 cents sharp</source>
        <translation>%1 Cent zu hoch</translation>
    </message>
    <message>
        <source>%1 cent flat</source>
        <translation>%1 Cent zu tief</translation>
    </message>
    <message>
        <source>%1 cents flat</source>
        <translation>%1 Cent zu tief</translation>
    </message>
    <message>
        <source>%1.%2 Hz</source>
        <translation>%1,%2 Hz</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>&amp;About kalvo...</source>
        <translation>Ü&amp;ber kalvo...</translation>
    </message>
    <message>
        <source>This program requires Windows 2000 or later to run</source>
        <translation>Dieses Programm erfordert Windows 2000 oder neuer</translation>
    </message>
    <message>
        <source>Please report error number %d during program inizialization</source>
        <translation>Bitte melden Sie den Fehler Nummer %d beim Programmstart</translation>
    </message>
    <message>
        <source>Please report error number %d during program inizialization. Program will anyway run but MIDI features will not work</source>
        <translation>Bitte melden Sie den Fehler Nummer %d beim Programmstart. Das Programm läuft trotzdem, aber die MIDI-Funktionen arbeiten nicht</translation>
    </message>
    <message>
        <source>Cannot retrieve current font attributes; default values are supplied</source>
        <translation>Die Attribute der aktuellen Schrift sind nicht abrufbar; es werden Standardwerte verwendet</translation>
    </message>
    <message>
        <source>Clef bitmap cannot be displayed</source>
        <translation>Das Bild des Notenschlüssels kann nicht angezeigt werden</translation>
    </message>
    <message>
        <source>Please report error number %d during program inizialization. Program will anyway run but some display features will not work</source>
        <translation>Bitte melden Sie den Fehler Nummer %d beim Programmstart. Das Programm läuft trotzdem, aber einige Anzeigefunktionen arbeiten nicht</translation>
    </message>
    <message>
        <source>Cannot load clef bitmap</source>
        <translation>Das Bild des Notenschlüssels kann nicht geladen werden</translation>
    </message>
    <message>
        <source>The installed MIDI plug-in is made for a newer version of Kalvo and cannot work with this one. MIDI features will not work</source>
        <translation>Das installierte MIDI-Plug-in ist für eine neuere Version von Kalvo gemacht und kann mit dieser nicht arbeiten. Die MIDI-Funktionen arbeiten nicht</translation>
    </message>
    <message>
        <source>The installed MIDI plug-in is wrong or corrupted. MIDI features will not work</source>
        <translation>Das installierte MIDI-Plug-in ist falsch oder beschädigt. Die MIDI-Funktionen arbeiten nicht</translation>
    </message>
    <message>
        <source>The installed display plug-in is made for a newer version of Kalvo and cannot work with this one. Some display features will not work</source>
        <translation>Das installierte Anzeige-Plug-in ist für eine neuere Version von Kalvo gemacht und kann mit dieser nicht arbeiten. Einige Anzeigefunktionen arbeiten nicht</translation>
    </message>
    <message>
        <source>The installed display plug-in is wrong or corrupted. Some display features will not work</source>
        <translation>Das installierte Anzeige-Plug-in ist falsch oder beschädigt. Einige Anzeigefunktionen arbeiten nicht</translation>
    </message>
    <message>
        <source>Cannot create a window of the display</source>
        <translation>Ein Fenster der Anzeige kann nicht erzeugt werden</translation>
    </message>
    <message>
        <source>Invalid parameter for FFT computation; spectrum can not be computated</source>
        <translation>Ungültiger Parameter für die FFT-Berechnung; das Spektrum kann nicht berechnet werden</translation>
    </message>
    <message>
        <source>This program requires DirectX 8.0 or later installed</source>
        <translation>Dieses Programm erfordert ein installiertes DirectX 8.0 oder neuer</translation>
    </message>
    <message>
        <source>Cannot initialize COM</source>
        <translation>COM kann nicht initialisiert werden</translation>
    </message>
    <message>
        <source>Cannot create direct sound capture object</source>
        <translation>Das DirectSound-Aufnahmeobjekt kann nicht erzeugt werden</translation>
    </message>
    <message>
        <source>Cannot create capture buffer</source>
        <translation>Der Aufnahmepuffer kann nicht erzeugt werden</translation>
    </message>
    <message>
        <source>Cannot start capturing sound</source>
        <translation>Die Tonaufnahme kann nicht gestartet werden</translation>
    </message>
    <message>
        <source>Another instance of Kalvo is already running</source>
        <translation>Kalvo läuft bereits</translation>
    </message>
    <message>
        <source>DirectX - Resource already alllocated by another application</source>
        <translation>DirectX - Ressource bereits von einer anderen Anwendung belegt</translation>
    </message>
    <message>
        <source>DirectX - Invalid parameter specified</source>
        <translation>DirectX - Ungültiger Parameter angegeben</translation>
    </message>
    <message>
        <source>DirectX - Object does not support aggregation</source>
        <translation>DirectX - Objekt unterstützt keine Aggregation</translation>
    </message>
    <message>
        <source>DirectX - No sound driver available</source>
        <translation>DirectX - Kein Soundtreiber verfügbar</translation>
    </message>
    <message>
        <source>DirectX - The specified wave format is not supported</source>
        <translation>DirectX - Das angegebene Wave-Format wird nicht unterstützt</translation>
    </message>
    <message>
        <source>DirectX - DirectSound undetermined error</source>
        <translation>DirectX - Unbestimmter DirectSound-Fehler</translation>
    </message>
    <message>
        <source>DirectX - DirectSound has not been initialized</source>
        <translation>DirectX - DirectSound wurde nicht initialisiert</translation>
    </message>
    <message>
        <source>DirectX - Not enough memory to complete operation</source>
        <translation>DirectX - Nicht genug Speicher für den Vorgang</translation>
    </message>
    <message>
        <source>Cannot create a logfile</source>
        <translation>Die Protokolldatei kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Error closing logfile; please report this message</source>
        <translation>Fehler beim Schließen der Protokolldatei; bitte melden Sie diese Meldung</translation>
    </message>
    <message>
        <source>Cannot add an entry to logfile</source>
        <translation>Der Protokolldatei kann kein Eintrag hinzugefügt werden</translation>
    </message>
    <message>
        <source>Recording must be stopped before exiting Kalvo</source>
        <translation>Die Aufnahme muss vor dem Beenden von Kalvo gestoppt werden</translation>
    </message>
    <message>
        <source>Cannot create a wave file</source>
        <translation>Die WAVE-Datei kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Error closing wave file; please report this message</source>
        <translation>Fehler beim Schließen der WAVE-Datei; bitte melden Sie diese Meldung</translation>
    </message>
    <message>
        <source>Cannot write to wave file</source>
        <translation>In die WAVE-Datei kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Hardware does not support requested timer resolution
</source>
        <translation>Die Hardware unterstützt die verlangte Timer-Auflösung nicht
</translation>
    </message>
    <message>
        <source>Cannot open log file</source>
        <translation>Die Protokolldatei kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>The MIDI plug-in (kvmidi.so) is not installed, so MIDI recording and the conversion of text files to MIDI are switched off. The plug-in is built and installed together with Kalvo: installing Kalvo again brings it back</source>
        <translation>Das MIDI-Plug-in (kvmidi.so) ist nicht installiert, daher sind die MIDI-Aufnahme und die Umwandlung von Textdateien in MIDI abgeschaltet. Das Plug-in wird zusammen mit Kalvo gebaut und installiert: eine erneute Installation von Kalvo bringt es zurück</translation>
    </message>
    <message>
        <source>Cannot convert the text file to MIDI</source>
        <translation>Die Textdatei kann nicht in MIDI umgewandelt werden</translation>
    </message>
    <message>
        <source>Cannot create MIDI file</source>
        <translation>Die MIDI-Datei kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Error closing MIDI file; please report this message</source>
        <translation>Fehler beim Schließen der MIDI-Datei; bitte melden Sie diese Meldung</translation>
    </message>
    <message>
        <source>Cannot add MIDI event to midi file</source>
        <translation>Der MIDI-Datei kann kein MIDI-Ereignis hinzugefügt werden</translation>
    </message>
    <message>
        <source>Cannot open the capture device</source>
        <translation>Das Aufnahmegerät kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>The capture device has stopped delivering sound</source>
        <translation>Das Aufnahmegerät liefert keinen Ton mehr</translation>
    </message>
    <message>
        <source>Cannot copy the picture to the clipboard</source>
        <translation>Das Bild kann nicht in die Zwischenablage kopiert werden</translation>
    </message>
    <message>
        <source>Cannot open the web page</source>
        <translation>Die Webseite kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>The display plug-in (kvdisplay.so) is not installed, so the spectrum cannot be zoomed and always shows 40 to 4000 Hz. The plug-in is built and installed together with Kalvo: installing Kalvo again brings it back</source>
        <translation>Das Anzeige-Plug-in (kvdisplay.so) ist nicht installiert, daher lässt sich das Spektrum nicht zoomen und zeigt immer 40 bis 4000 Hz. Das Plug-in wird zusammen mit Kalvo gebaut und installiert: eine erneute Installation von Kalvo bringt es zurück</translation>
    </message>
    <message>
        <source>Cannot read the program&apos;s version</source>
        <translation>Die Version des Programms kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Not enough memory to complete the operation</source>
        <translation>Nicht genug Speicher für den Vorgang</translation>
    </message>
    <message>
        <source>Error in &quot;From&quot; or &quot;To&quot; range value</source>
        <translation>Fehler im Bereichswert „Von“ oder „Bis“</translation>
    </message>
    <message>
        <source>Cannot display a spectrum range less than 500Hz</source>
        <translation>Ein Spektrumbereich unter 500 Hz kann nicht angezeigt werden</translation>
    </message>
    <message>
        <source>Sound capture has stopped: the sound server went away. No more sound is analysed or recorded; recordings that are on keep what was captured and can be stopped as usual</source>
        <translation>Die Tonaufnahme ist beendet: der Soundserver ist weg. Es wird kein Ton mehr analysiert oder aufgenommen; laufende Aufnahmen behalten, was aufgenommen wurde, und lassen sich wie üblich beenden</translation>
    </message>
</context>
<context>
    <name>Transposition</name>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>+1 Octave</source>
        <translation>+1 Oktave</translation>
    </message>
    <message>
        <source>-1 Octave</source>
        <translation>-1 Oktave</translation>
    </message>
    <message>
        <source>B flat instr.</source>
        <translation>B-Instr.</translation>
    </message>
    <message>
        <source>B flat instr. +1 octave</source>
        <translation>B-Instr. +1 Oktave</translation>
    </message>
    <message>
        <source>B flat instr. -1 octave</source>
        <translation>B-Instr. -1 Oktave</translation>
    </message>
    <message>
        <source>E flat instr.</source>
        <translation>Es-Instr.</translation>
    </message>
    <message>
        <source>E flat instr. +1 octave</source>
        <translation>Es-Instr. +1 Oktave</translation>
    </message>
    <message>
        <source>E flat instr. -1 octave</source>
        <translation>Es-Instr. -1 Oktave</translation>
    </message>
</context>
<context>
    <name>Tuning</name>
    <message>
        <source>Equal temperament</source>
        <translation>Gleichstufige Stimmung</translation>
    </message>
    <message>
        <source>Pythagorean</source>
        <translation>Pythagoreisch</translation>
    </message>
    <message>
        <source>Quarter-comma meantone</source>
        <translation>Mitteltönig (1/4 Komma)</translation>
    </message>
    <message>
        <source>Sixth-comma meantone</source>
        <translation>Mitteltönig (1/6 Komma)</translation>
    </message>
    <message>
        <source>Werckmeister III</source>
        <translation>Werckmeister III</translation>
    </message>
    <message>
        <source>Kirnberger III</source>
        <translation>Kirnberger III</translation>
    </message>
    <message>
        <source>Vallotti</source>
        <translation>Vallotti</translation>
    </message>
    <message>
        <source>Young (1799)</source>
        <translation>Young (1799)</translation>
    </message>
    <message>
        <source>Just intonation</source>
        <translation>Reine Stimmung</translation>
    </message>
    <message>
        <source>Guitar</source>
        <translation>Gitarre</translation>
    </message>
    <message>
        <source>Guitar, drop D</source>
        <translation>Gitarre, Drop D</translation>
    </message>
    <message>
        <source>Guitar, DADGAD</source>
        <translation>Gitarre, DADGAD</translation>
    </message>
    <message>
        <source>Guitar, open G</source>
        <translation>Gitarre, Open G</translation>
    </message>
    <message>
        <source>Guitar, open D</source>
        <translation>Gitarre, Open D</translation>
    </message>
    <message>
        <source>Guitar, half a step down</source>
        <translation>Gitarre, einen Halbton tiefer</translation>
    </message>
    <message>
        <source>Seven-string guitar</source>
        <translation>Siebensaitige Gitarre</translation>
    </message>
    <message>
        <source>Bass</source>
        <translation>Bass</translation>
    </message>
    <message>
        <source>Five-string bass</source>
        <translation>Fünfsaitiger Bass</translation>
    </message>
    <message>
        <source>Violin</source>
        <translation>Violine</translation>
    </message>
    <message>
        <source>Viola</source>
        <translation>Bratsche</translation>
    </message>
    <message>
        <source>Cello</source>
        <translation>Violoncello</translation>
    </message>
    <message>
        <source>Double bass</source>
        <translation>Kontrabass</translation>
    </message>
    <message>
        <source>Ukulele, re-entrant</source>
        <translation>Ukulele, re-entrant</translation>
    </message>
    <message>
        <source>Mandolin</source>
        <translation>Mandoline</translation>
    </message>
    <message>
        <source>Banjo, open G</source>
        <translation>Banjo, Open G</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1, Grundton %2</translation>
    </message>
    <message>
        <source>Strings %1</source>
        <translation>Saiten %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Scale %1</source>
        <translation>Skala %1</translation>
    </message>
</context>
<context>
    <name>WindowFunction</name>
    <message>
        <source>Blackmann</source>
        <translation>Blackman</translation>
    </message>
    <message>
        <source>Gaussian</source>
        <translation>Gauß</translation>
    </message>
    <message>
        <source>Hamming</source>
        <translation>Hamming</translation>
    </message>
    <message>
        <source>Hanning</source>
        <translation>Hanning</translation>
    </message>
    <message>
        <source>Parzen</source>
        <translation>Parzen</translation>
    </message>
    <message>
        <source>Rectangular</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>Welch</source>
        <translation>Welch</translation>
    </message>
</context>
</TS>
