<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AppSettings</name>
    <message>
        <source>not a settings file: it is not UTF-8 text</source>
        <translation>non è un file di impostazioni: non è testo UTF-8</translation>
    </message>
    <message>
        <source>not a settings file: line %1 is neither a [section] nor a key = value</source>
        <translation>non è un file di impostazioni: la riga %1 non è né una [sezione] né una chiave = valore</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>larger than 1 MB, which no settings file of Kalvo is</source>
        <translation>più grande di 1 MB, cosa che nessun file di impostazioni di Kalvo è</translation>
    </message>
    <message>
        <source>not a settings file that can be read</source>
        <translation>non è un file di impostazioni leggibile</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>impossibile creare la cartella %1</translation>
    </message>
    <message>
        <source>the lock %1 could not be taken within a second (another program holds it, or it was left behind and cannot be removed)</source>
        <translation>non è stato possibile ottenere il blocco %1 entro un secondo (un altro programma lo tiene, oppure è rimasto e non si può rimuovere)</translation>
    </message>
    <message>
        <source>the settings could not be written</source>
        <translation>non è stato possibile scrivere le impostazioni</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About kalvo</source>
        <translation>Informazioni su kalvo</translation>
    </message>
    <message>
        <source>Click to visit kalvo website</source>
        <translation>Visita il sito di kalvo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>kalvo version 2.3.2.0</source>
        <translation>kalvo versione 2.3.2.0</translation>
    </message>
    <message>
        <source>15 September 2006</source>
        <translation>15 settembre 2006</translation>
    </message>
    <message>
        <source>Copyright (C) the Kalvo project</source>
        <translation>Copyright (C) il progetto Kalvo</translation>
    </message>
    <message>
        <source>Built with C++ and Qt 6 Widgets;
listens through PulseAudio</source>
        <translation>Scritto in C++ con Qt 6 Widgets;
ascolta tramite PulseAudio</translation>
    </message>
</context>
<context>
    <name>CAcknowledgementsDlg</name>
    <message>
        <source>Acknowledgements</source>
        <translation>Ringraziamenti</translation>
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
        <translation>Grazie a Qt, https://www.qt.io,
a PulseAudio, https://www.freedesktop.org
e a libsndfile,
https://libsndfile.github.io</translation>
    </message>
</context>
<context>
    <name>CCaptureDeviceDlg</name>
    <message>
        <source>Select Capture Device</source>
        <translation>Seleziona dispositivo di acquisizione</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>CCentMeter</name>
    <message>
        <source>Cent meter</source>
        <translation>Indicatore dei cent</translation>
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
        <translation>Cattura</translation>
    </message>
    <message>
        <source>Freeze Spectrum</source>
        <translation>Blocca spettro</translation>
    </message>
    <message>
        <source>Record to MIDI file</source>
        <translation>Registra su file MIDI</translation>
    </message>
    <message>
        <source>Record to WAVE file</source>
        <translation>Registra su file WAVE</translation>
    </message>
    <message>
        <source>Record to text file</source>
        <translation>Registra su file di testo</translation>
    </message>
    <message>
        <source>Snapshot of the window</source>
        <translation>Cattura della finestra</translation>
    </message>
    <message>
        <source>Freeze the displays, or let them run again</source>
        <translation>Blocca le visualizzazioni, o falle ripartire</translation>
    </message>
    <message>
        <source>not recording</source>
        <translation>non in registrazione</translation>
    </message>
    <message>
        <source>running</source>
        <translation>in corso</translation>
    </message>
    <message>
        <source>A5 freq</source>
        <translation>Freq. A5</translation>
    </message>
    <message>
        <source>Special</source>
        <translation>Speciale</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Note Transposition</source>
        <translation>Trasposizione delle note</translation>
    </message>
    <message>
        <source>Record selection</source>
        <translation>Registrazione</translation>
    </message>
    <message>
        <source>Recording off</source>
        <translation>Nessuna registrazione</translation>
    </message>
    <message>
        <source>Recording to file</source>
        <translation>Registrazione su file</translation>
    </message>
    <message>
        <source>A recording&apos;s folder was deleted or moved: the recording was saved in %1</source>
        <translation>La cartella di una registrazione è stata eliminata o spostata: la registrazione è stata salvata in %1</translation>
    </message>
    <message>
        <source>Stop Recording to Text File</source>
        <translation>Interrompi registrazione su file di testo</translation>
    </message>
    <message>
        <source>Record to Text File</source>
        <translation>Registra su file di testo</translation>
    </message>
    <message>
        <source>Stop Recording to Wave File</source>
        <translation>Interrompi registrazione su file WAVE</translation>
    </message>
    <message>
        <source>Record to Wave File</source>
        <translation>Registra su file WAVE</translation>
    </message>
    <message>
        <source>Stop Recording to Midi File</source>
        <translation>Interrompi registrazione su file MIDI</translation>
    </message>
    <message>
        <source>Record to MIDI File</source>
        <translation>Registra su file MIDI</translation>
    </message>
    <message>
        <source>recording</source>
        <translation>in registrazione</translation>
    </message>
    <message>
        <source>The working folder %1 cannot be written (%2): recordings go to %3</source>
        <translation>Impossibile scrivere nella cartella di lavoro %1 (%2): le registrazioni vanno in %3</translation>
    </message>
    <message>
        <source>Recording to:</source>
        <translation>Registrazione in:</translation>
    </message>
    <message>
        <source>Thaw Spectrum</source>
        <translation>Sblocca spettro</translation>
    </message>
    <message>
        <source>frozen</source>
        <translation>bloccato</translation>
    </message>
    <message>
        <source>the MIDI recording %1, which is written only when it stops</source>
        <translation>la registrazione MIDI %1, che viene scritta solo quando si ferma</translation>
    </message>
    <message>
        <source>the end of the text log %1</source>
        <translation>la fine del registro di testo %1</translation>
    </message>
    <message>
        <source>the end of the wave file %1</source>
        <translation>la fine del file WAVE %1</translation>
    </message>
    <message>
        <source>A recording could not be stopped. Exiting now loses %1.
Exit anyway?</source>
        <translation>Non è stato possibile fermare una registrazione. Uscire ora perde %1.
Uscire comunque?</translation>
    </message>
    <message>
        <source>Recording off</source>
        <comment>banner picture, 116 pixels wide</comment>
        <translation>Non registra</translation>
    </message>
    <message>
        <source>Recording to file</source>
        <comment>banner picture, 116 pixels wide</comment>
        <translation>Registrazione</translation>
    </message>
</context>
<context>
    <name>CFftParamsDlg</name>
    <message>
        <source>Please enter a number between 0.0 and 1.0.</source>
        <translation>Inserire un numero tra 0.0 e 1.0.</translation>
    </message>
    <message>
        <source>FFT Parameters</source>
        <translation>Parametri FFT</translation>
    </message>
    <message>
        <source>FFT size</source>
        <translation>Punti FFT</translation>
    </message>
    <message>
        <source>Windowing function</source>
        <translation>Funzione finestra</translation>
    </message>
    <message>
        <source>Gaussian alpha</source>
        <translation>Alfa gaussiana</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>CFrequencyDisplay</name>
    <message>
        <source>Frequency display</source>
        <translation>Indicatore di frequenza</translation>
    </message>
</context>
<context>
    <name>CMidiSettingsDlg</name>
    <message>
        <source>Please enter no more than 3 characters.</source>
        <translation>Inserire al massimo 3 caratteri.</translation>
    </message>
    <message>
        <source>5   Cents</source>
        <translation>5   cent</translation>
    </message>
    <message>
        <source>10 Cents</source>
        <translation>10 cent</translation>
    </message>
    <message>
        <source>25 Cents</source>
        <translation>25 cent</translation>
    </message>
    <message>
        <source>50 Cents</source>
        <translation>50 cent</translation>
    </message>
    <message>
        <source>Settings for MIDI Generation</source>
        <translation>Impostazioni per la generazione MIDI</translation>
    </message>
    <message>
        <source>Settings for MIDI Sequence</source>
        <translation>Impostazioni della sequenza MIDI</translation>
    </message>
    <message>
        <source>Accidentals</source>
        <translation>Alterazioni</translation>
    </message>
    <message>
        <source>Sharp</source>
        <translation>Diesis</translation>
    </message>
    <message>
        <source>Flat</source>
        <translation>Bemolle</translation>
    </message>
    <message>
        <source>Major</source>
        <translation>Maggiore</translation>
    </message>
    <message>
        <source>Minor</source>
        <translation>Minore</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>Strumento</translation>
    </message>
    <message>
        <source>Tempo</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Note On MIDI Event Generation</source>
        <translation>Generazione degli eventi MIDI Note On</translation>
    </message>
    <message>
        <source>Only for Notes Above</source>
        <translation>Solo note sopra</translation>
    </message>
    <message>
        <source>Minimum Pitch Change</source>
        <translation>Variazione minima</translation>
    </message>
    <message>
        <source>Minimum dB Value</source>
        <translation>Valore minimo dB</translation>
    </message>
    <message>
        <source>Note Pitch</source>
        <translation>Altezza delle note</translation>
    </message>
    <message>
        <source>Keep original note pitch</source>
        <translation>Mantieni l&apos;altezza originale</translation>
    </message>
    <message>
        <source>Round pitch to closest note</source>
        <translation>Arrotonda alla nota più vicina</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>CNoteArea</name>
    <message>
        <source>Note area</source>
        <translation>Area della nota</translation>
    </message>
    <message>
        <source>held</source>
        <translation>fisso</translation>
    </message>
    <message>
        <source>Out of range</source>
        <translation>Fuori gamma</translation>
    </message>
</context>
<context>
    <name>CReferenceToneDlg</name>
    <message>
        <source>Reference Tone</source>
        <translation>Suono di riferimento</translation>
    </message>
    <message>
        <source>Tuning:</source>
        <translation>Accordatura:</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Nota:</translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation>Frequenza:</translation>
    </message>
    <message>
        <source>Sine</source>
        <translation>Sinusoide</translation>
    </message>
    <message>
        <source>Soft (with harmonics)</source>
        <translation>Morbido (con armonici)</translation>
    </message>
    <message>
        <source>&amp;Sound:</source>
        <translation>&amp;Suono:</translation>
    </message>
    <message>
        <source>Volume in percent</source>
        <translation>Volume in percentuale</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>&amp;Volume:</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Riproduci</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Ferma</translation>
    </message>
    <message>
        <source>Cannot play the reference tone.</source>
        <translation>Impossibile riprodurre il suono di riferimento.</translation>
    </message>
    <message>
        <source>The sound server stopped the reference tone.</source>
        <translation>Il server audio ha fermato il suono di riferimento.</translation>
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
        <translation>Inserire un numero intero tra 40 e 4000.</translation>
    </message>
    <message>
        <source>Spectrum View Settings</source>
        <translation>Impostazioni della vista dello spettro</translation>
    </message>
    <message>
        <source>Horizontal view</source>
        <translation>Asse orizzontale</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Lineare</translation>
    </message>
    <message>
        <source>Logarithmic</source>
        <translation>Logaritmica</translation>
    </message>
    <message>
        <source>Dynamic</source>
        <translation>Dinamica</translation>
    </message>
    <message>
        <source>Displayed Range [Hz]</source>
        <translation>Intervallo mostrato [Hz]</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Da</translation>
    </message>
    <message>
        <source>To</source>
        <translation>A</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>CStrobeControl</name>
    <message>
        <source>S&amp;trobe</source>
        <translation>S&amp;troboscopio</translation>
    </message>
    <message>
        <source>S&amp;pectrum</source>
        <translation>S&amp;pettro</translation>
    </message>
</context>
<context>
    <name>CStrobeView</name>
    <message>
        <source>Strobe</source>
        <translation>Stroboscopio</translation>
    </message>
    <message>
        <source>%+.1f cents</source>
        <translation>%+.1f cent</translation>
    </message>
</context>
<context>
    <name>CTunerDlg</name>
    <message>
        <source>Kalvo - version %1</source>
        <translation>Kalvo - versione %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Record to &amp;Midi File</source>
        <translation>Registra su file &amp;MIDI</translation>
    </message>
    <message>
        <source>Record to &amp;Wave File</source>
        <translation>Registra su file &amp;WAVE</translation>
    </message>
    <message>
        <source>Record to &amp;Text File</source>
        <translation>Registra su file di &amp;testo</translation>
    </message>
    <message>
        <source>&amp;Convert Text File to MIDI</source>
        <translation>&amp;Converti file di testo in MIDI</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Impostazioni</translation>
    </message>
    <message>
        <source>&amp;Midi</source>
        <translation>&amp;MIDI</translation>
    </message>
    <message>
        <source>&amp;FFT Parameters</source>
        <translation>Parametri &amp;FFT</translation>
    </message>
    <message>
        <source>&amp;Spectrum</source>
        <comment>Settings menu</comment>
        <translation>&amp;Spettro</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Cattura</translation>
    </message>
    <message>
        <source>to Clipboard</source>
        <translation>negli appunti</translation>
    </message>
    <message>
        <source>to File</source>
        <translation>su file</translation>
    </message>
    <message>
        <source>&amp;Pitch Method</source>
        <translation>&amp;Rilevamento dell&apos;altezza</translation>
    </message>
    <message>
        <source>&amp;Dominant Frequency</source>
        <translation>Frequenza &amp;dominante</translation>
    </message>
    <message>
        <source>Fundamental (&amp;Harmonic Instruments)</source>
        <translation>Fondamentale (strumenti &amp;armonici)</translation>
    </message>
    <message>
        <source>&amp;Tuning...</source>
        <translation>&amp;Accordatura...</translation>
    </message>
    <message>
        <source>Reference Ton&amp;e...</source>
        <translation>Suono di rif&amp;erimento...</translation>
    </message>
    <message>
        <source>Recording F&amp;older...</source>
        <translation>Cartella di re&amp;gistrazione...</translation>
    </message>
    <message>
        <source>&amp;Remember Settings</source>
        <translation>Ricorda &amp;impostazioni</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>Cent Meter &amp;Damping</source>
        <translation>S&amp;morza l&apos;indicatore dei cent</translation>
    </message>
    <message>
        <source>&amp;Refresh Rate</source>
        <translation>Frequenza di a&amp;ggiornamento</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alta</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Bassa</translation>
    </message>
    <message>
        <source>&amp;Show Sharps in Note Area</source>
        <translation>Mostra &amp;diesis nell&apos;area della nota</translation>
    </message>
    <message>
        <source>&amp;Hold Last Reading</source>
        <translation>Mantieni l&apos;&amp;ultima lettura</translation>
    </message>
    <message>
        <source>&amp;Freeze Spectrum</source>
        <translation>&amp;Blocca spettro</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>&amp;Colori</translation>
    </message>
    <message>
        <source>&amp;Background</source>
        <translation>&amp;Sfondo</translation>
    </message>
    <message>
        <source>&amp;Spectrum</source>
        <comment>Colors menu: the curve</comment>
        <translation>S&amp;pettro</translation>
    </message>
    <message>
        <source>Spectrum &amp;Area</source>
        <translation>&amp;Area dello spettro</translation>
    </message>
    <message>
        <source>&amp;Default Colors</source>
        <translation>Colori pre&amp;definiti</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>I&amp;nformazioni</translation>
    </message>
    <message>
        <source>About Kalvo...</source>
        <translation>Informazioni su Kalvo...</translation>
    </message>
    <message>
        <source>Acknowledgements</source>
        <translation>Ringraziamenti</translation>
    </message>
    <message>
        <source>Start with --demo to try the tuner without a sound card</source>
        <translation>Avviare con --demo per provare l&apos;accordatore senza scheda audio</translation>
    </message>
    <message>
        <source>MIDI file written: %1</source>
        <translation>File MIDI scritto: %1</translation>
    </message>
    <message>
        <source>Show flats in note area</source>
        <translation>Mostra bemolle nell&apos;area della nota</translation>
    </message>
    <message>
        <source>Show sharps in note area</source>
        <translation>Mostra diesis nell&apos;area della nota</translation>
    </message>
    <message>
        <source>Cannot read the remembered settings in %1 (%2). This run starts with the default settings and leaves the file as it is.</source>
        <translation>Impossibile leggere le impostazioni memorizzate in %1 (%2). Questa sessione parte con le impostazioni predefinite e lascia il file com&apos;è.</translation>
    </message>
    <message>
        <source>Cannot save the settings in %1 (%2); the file stays as it was.</source>
        <translation>Impossibile salvare le impostazioni in %1 (%2); il file resta com&apos;era.</translation>
    </message>
    <message>
        <source>Cannot remove the remembered settings %1.</source>
        <translation>Impossibile rimuovere le impostazioni memorizzate %1.</translation>
    </message>
    <message>
        <source>Recording Folder</source>
        <translation>Cartella di registrazione</translation>
    </message>
    <message>
        <source>Cannot write to the folder %1 (%2): recordings stay where they were</source>
        <translation>Impossibile scrivere nella cartella %1 (%2): le registrazioni restano dove erano</translation>
    </message>
</context>
<context>
    <name>CTuningControl</name>
    <message>
        <source>Tuning</source>
        <translation>Accordatura</translation>
    </message>
</context>
<context>
    <name>CTuningDlg</name>
    <message>
        <source>Tuning</source>
        <translation>Accordatura</translation>
    </message>
    <message>
        <source>on</source>
        <translation>su</translation>
    </message>
    <message>
        <source>&amp;Temperament:</source>
        <translation>&amp;Temperamento:</translation>
    </message>
    <message>
        <source>Offsets from equal temperament in cents</source>
        <translation>Scostamenti dal temperamento equabile in cent</translation>
    </message>
    <message>
        <source>Cents:</source>
        <translation>Cent:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Sfoglia...</translation>
    </message>
    <message>
        <source>Scala &amp;scale:</source>
        <translation>&amp;Scala Scala:</translation>
    </message>
    <message>
        <source>Scala scales (*.scl);;All files (*)</source>
        <translation>Scale Scala (*.scl);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>&amp;Keyboard map:</source>
        <translation>&amp;Mappa della tastiera:</translation>
    </message>
    <message>
        <source>Scala keyboard maps (*.kbm);;All files (*)</source>
        <translation>Mappe della tastiera Scala (*.kbm);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuna</translation>
    </message>
    <message>
        <source>Notes of my own</source>
        <translation>Note personalizzate</translation>
    </message>
    <message>
        <source>St&amp;rings:</source>
        <translation>C&amp;orde:</translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation>&amp;Note:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
</context>
<context>
    <name>LogToMidi</name>
    <message>
        <source>Converting to midi file...</source>
        <translation>Conversione in file MIDI...</translation>
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
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Riduci</translation>
    </message>
</context>
<context>
    <name>MidiInstrument</name>
    <message>
        <source>Acoustic Grand Piano</source>
        <translation>Pianoforte a coda acustico</translation>
    </message>
    <message>
        <source>Bright Piano</source>
        <translation>Pianoforte brillante</translation>
    </message>
    <message>
        <source>Electric Grand Piano</source>
        <translation>Pianoforte a coda elettrico</translation>
    </message>
    <message>
        <source>Honky-Tonk Piano</source>
        <translation>Pianoforte honky-tonk</translation>
    </message>
    <message>
        <source>Electric piano 1 </source>
        <translation>Piano elettrico 1</translation>
    </message>
    <message>
        <source>Electric Piano 2</source>
        <translation>Piano elettrico 2</translation>
    </message>
    <message>
        <source>Harpsichord </source>
        <translation>Clavicembalo</translation>
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
        <translation>Carillon</translation>
    </message>
    <message>
        <source>Vibraphone </source>
        <translation>Vibrafono</translation>
    </message>
    <message>
        <source>Marimba </source>
        <translation>Marimba</translation>
    </message>
    <message>
        <source>Xylophone</source>
        <translation>Xilofono</translation>
    </message>
    <message>
        <source>Tubular bells</source>
        <translation>Campane tubolari</translation>
    </message>
    <message>
        <source>Dulcimer</source>
        <translation>Salterio</translation>
    </message>
    <message>
        <source>Drawbar Organ</source>
        <translation>Organo a tiranti</translation>
    </message>
    <message>
        <source>Percussive Organ</source>
        <translation>Organo percussivo</translation>
    </message>
    <message>
        <source>Rock Organ </source>
        <translation>Organo rock</translation>
    </message>
    <message>
        <source>Church Organ</source>
        <translation>Organo da chiesa</translation>
    </message>
    <message>
        <source>Reed Organ </source>
        <translation>Armonium</translation>
    </message>
    <message>
        <source>Accordion </source>
        <translation>Fisarmonica</translation>
    </message>
    <message>
        <source>Harmonica</source>
        <translation>Armonica a bocca</translation>
    </message>
    <message>
        <source>Tango Accordion</source>
        <translation>Bandoneon</translation>
    </message>
    <message>
        <source>Nylon String Guitar</source>
        <translation>Chitarra classica (nylon)</translation>
    </message>
    <message>
        <source>Steel String Guitar</source>
        <translation>Chitarra acustica (acciaio)</translation>
    </message>
    <message>
        <source>Jazz Guitar</source>
        <translation>Chitarra jazz</translation>
    </message>
    <message>
        <source>Clean Electric Guitar</source>
        <translation>Chitarra elettrica pulita</translation>
    </message>
    <message>
        <source>Muted Electric Guitar</source>
        <translation>Chitarra elettrica stoppata</translation>
    </message>
    <message>
        <source>Overdrive Guitar</source>
        <translation>Chitarra overdrive</translation>
    </message>
    <message>
        <source>Distortion Guitar</source>
        <translation>Chitarra distorta</translation>
    </message>
    <message>
        <source>Guitar Harmonics</source>
        <translation>Armonici di chitarra</translation>
    </message>
    <message>
        <source>Accoustic Bass</source>
        <translation>Basso acustico</translation>
    </message>
    <message>
        <source>Fingered Bass</source>
        <translation>Basso (dita)</translation>
    </message>
    <message>
        <source>Picked Bass</source>
        <translation>Basso (plettro)</translation>
    </message>
    <message>
        <source>Fretless Bass</source>
        <translation>Basso fretless</translation>
    </message>
    <message>
        <source>Slap Bass 1</source>
        <translation>Basso slap 1</translation>
    </message>
    <message>
        <source>Slap Bass 2</source>
        <translation>Basso slap 2</translation>
    </message>
    <message>
        <source>Synth Bass 1</source>
        <translation>Basso synth 1</translation>
    </message>
    <message>
        <source>Synth Bass 2</source>
        <translation>Basso synth 2</translation>
    </message>
    <message>
        <source>Violin </source>
        <translation>Violino</translation>
    </message>
    <message>
        <source>Viola</source>
        <translation>Viola</translation>
    </message>
    <message>
        <source>Cello</source>
        <translation>Violoncello</translation>
    </message>
    <message>
        <source>Contrabass </source>
        <translation>Contrabbasso</translation>
    </message>
    <message>
        <source>Tremolo Strings</source>
        <translation>Archi in tremolo</translation>
    </message>
    <message>
        <source>Pizzicato Strings</source>
        <translation>Archi in pizzicato</translation>
    </message>
    <message>
        <source>Orchestral Harp</source>
        <translation>Arpa</translation>
    </message>
    <message>
        <source>Timpani </source>
        <translation>Timpani</translation>
    </message>
    <message>
        <source>String Ensemble 1 </source>
        <translation>Ensemble d&apos;archi 1</translation>
    </message>
    <message>
        <source>String Ensemble 2</source>
        <translation>Ensemble d&apos;archi 2</translation>
    </message>
    <message>
        <source>Synth Strings 1 </source>
        <translation>Archi synth 1</translation>
    </message>
    <message>
        <source>Synth Strings 2</source>
        <translation>Archi synth 2</translation>
    </message>
    <message>
        <source>Choir &quot;ahh&quot; </source>
        <translation>Coro «ah»</translation>
    </message>
    <message>
        <source>Choir &quot;oohh&quot; </source>
        <translation>Coro «oh»</translation>
    </message>
    <message>
        <source>Synth Voice</source>
        <translation>Voce synth</translation>
    </message>
    <message>
        <source>Orchestral Hit </source>
        <translation>Colpo d&apos;orchestra</translation>
    </message>
    <message>
        <source>Trumpet </source>
        <translation>Tromba</translation>
    </message>
    <message>
        <source>Trombone </source>
        <translation>Trombone</translation>
    </message>
    <message>
        <source>Tuba</source>
        <translation>Tuba</translation>
    </message>
    <message>
        <source>Muted Trumpet</source>
        <translation>Tromba con sordina</translation>
    </message>
    <message>
        <source>French Horn</source>
        <translation>Corno</translation>
    </message>
    <message>
        <source>Brass Section </source>
        <translation>Sezione di ottoni</translation>
    </message>
    <message>
        <source>Synth Brass 1 </source>
        <translation>Ottoni synth 1</translation>
    </message>
    <message>
        <source>Synth Brass 2</source>
        <translation>Ottoni synth 2</translation>
    </message>
    <message>
        <source>Soprano Sax</source>
        <translation>Sax soprano</translation>
    </message>
    <message>
        <source>Alto Sax</source>
        <translation>Sax contralto</translation>
    </message>
    <message>
        <source>Tenor Sax</source>
        <translation>Sax tenore</translation>
    </message>
    <message>
        <source>Baritone Sax</source>
        <translation>Sax baritono</translation>
    </message>
    <message>
        <source>Oboe</source>
        <translation>Oboe</translation>
    </message>
    <message>
        <source>English Horn </source>
        <translation>Corno inglese</translation>
    </message>
    <message>
        <source>Bassoon</source>
        <translation>Fagotto</translation>
    </message>
    <message>
        <source>Clarinet </source>
        <translation>Clarinetto</translation>
    </message>
    <message>
        <source>Piccolo </source>
        <translation>Ottavino</translation>
    </message>
    <message>
        <source>Flute </source>
        <translation>Flauto</translation>
    </message>
    <message>
        <source>Recorder </source>
        <translation>Flauto dolce</translation>
    </message>
    <message>
        <source>Pan flute</source>
        <translation>Flauto di Pan</translation>
    </message>
    <message>
        <source>Blown Bottle </source>
        <translation>Bottiglia soffiata</translation>
    </message>
    <message>
        <source>Shakuhachi</source>
        <translation>Shakuhachi</translation>
    </message>
    <message>
        <source>Whistle </source>
        <translation>Fischio</translation>
    </message>
    <message>
        <source>Ocarina </source>
        <translation>Ocarina</translation>
    </message>
    <message>
        <source>Square Wave</source>
        <translation>Onda quadra</translation>
    </message>
    <message>
        <source>Sawtooth Wave</source>
        <translation>Onda a dente di sega</translation>
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
        <translation>Voce</translation>
    </message>
    <message>
        <source>Fifths</source>
        <translation>Quinte</translation>
    </message>
    <message>
        <source>Bass &amp; Lead</source>
        <translation>Basso e solista</translation>
    </message>
    <message>
        <source>New Age</source>
        <translation>New Age</translation>
    </message>
    <message>
        <source>Warm</source>
        <translation>Caldo</translation>
    </message>
    <message>
        <source>PolySynth</source>
        <translation>Polysynth</translation>
    </message>
    <message>
        <source>Choir </source>
        <translation>Coro</translation>
    </message>
    <message>
        <source>Bowed </source>
        <translation>Ad arco</translation>
    </message>
    <message>
        <source>Metallic </source>
        <translation>Metallico</translation>
    </message>
    <message>
        <source>Halo</source>
        <translation>Alone</translation>
    </message>
    <message>
        <source>Sweep </source>
        <translation>Sweep</translation>
    </message>
    <message>
        <source>FX Rain</source>
        <translation>FX pioggia</translation>
    </message>
    <message>
        <source>FX Soundtrack </source>
        <translation>FX colonna sonora</translation>
    </message>
    <message>
        <source>FX Crystal</source>
        <translation>FX cristallo</translation>
    </message>
    <message>
        <source>FX Atmosphere </source>
        <translation>FX atmosfera</translation>
    </message>
    <message>
        <source>FX Brightness</source>
        <translation>FX brillantezza</translation>
    </message>
    <message>
        <source>FX Goblins </source>
        <translation>FX folletti</translation>
    </message>
    <message>
        <source>FX Echo Drops</source>
        <translation>FX gocce d&apos;eco</translation>
    </message>
    <message>
        <source>FX Star Theme</source>
        <translation>FX tema stellare</translation>
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
        <translation>Cornamusa</translation>
    </message>
    <message>
        <source>Fiddle </source>
        <translation>Violino popolare</translation>
    </message>
    <message>
        <source>Shanai </source>
        <translation>Shanai</translation>
    </message>
    <message>
        <source>Tinkle bell </source>
        <translation>Campanellino</translation>
    </message>
    <message>
        <source>Agogo </source>
        <translation>Agogô</translation>
    </message>
    <message>
        <source>Steel Drums</source>
        <translation>Steel drum</translation>
    </message>
    <message>
        <source>Woodblock</source>
        <translation>Wood block</translation>
    </message>
    <message>
        <source>Taiko Drum</source>
        <translation>Taiko</translation>
    </message>
    <message>
        <source>Melodic Tom</source>
        <translation>Tom melodico</translation>
    </message>
    <message>
        <source>Synth Drum </source>
        <translation>Tamburo synth</translation>
    </message>
    <message>
        <source>Reverse Cymbal</source>
        <translation>Piatto rovesciato</translation>
    </message>
    <message>
        <source>Guitar Fret Noise </source>
        <translation>Rumore di tasti</translation>
    </message>
    <message>
        <source>Breath Noise</source>
        <translation>Rumore di respiro</translation>
    </message>
    <message>
        <source>Seashore</source>
        <translation>Riva del mare</translation>
    </message>
    <message>
        <source>Bird Tweet</source>
        <translation>Cinguettio</translation>
    </message>
    <message>
        <source>Telephone Ring </source>
        <translation>Squillo di telefono</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation>Elicottero</translation>
    </message>
    <message>
        <source>Applause</source>
        <translation>Applausi</translation>
    </message>
    <message>
        <source>Gunshot</source>
        <translation>Sparo</translation>
    </message>
</context>
<context>
    <name>NoteNamesMenu</name>
    <message>
        <source>Note &amp;Names</source>
        <translation>&amp;Nomi delle note</translation>
    </message>
    <message>
        <source>&amp;English (C D E F G A B)</source>
        <translation>&amp;Inglese (C D E F G A B)</translation>
    </message>
    <message>
        <source>&amp;German (C D E F G A H)</source>
        <translation>&amp;Tedesco (C D E F G A H)</translation>
    </message>
    <message>
        <source>&amp;Solfege (Do Re Mi Fa Sol La Si)</source>
        <translation>&amp;Solfeggio (Do Re Mi Fa Sol La Si)</translation>
    </message>
</context>
<context>
    <name>RecordingProblem</name>
    <message>
        <source>unknown error</source>
        <translation>errore sconosciuto</translation>
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
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1; what was recorded is lost: it could not be saved in %2</source>
        <translation>%1; quanto registrato è perso: non è stato possibile salvarlo in %2</translation>
    </message>
    <message>
        <source>%1; it could not be saved in %2</source>
        <translation>%1; non è stato possibile salvarlo in %2</translation>
    </message>
    <message>
        <source>%1; what was recorded is now in %2, and the recording goes on there</source>
        <translation>%1; quanto registrato ora è in %2, e la registrazione continua lì</translation>
    </message>
    <message>
        <source>%1; the recording was saved to %2</source>
        <translation>%1; la registrazione è stata salvata in %2</translation>
    </message>
</context>
<context>
    <name>SpokenReading</name>
    <message>
        <source>, held</source>
        <translation>, mantenuto</translation>
    </message>
    <message>
        <source>no input signal</source>
        <translation>nessun segnale in ingresso</translation>
    </message>
    <message>
        <source>%1 sharp %2</source>
        <translation>%1 diesis %2</translation>
    </message>
    <message>
        <source>%1 flat %2</source>
        <translation>%1 bemolle %2</translation>
    </message>
    <message>
        <source>in tune</source>
        <translation>intonato</translation>
    </message>
    <message>
        <source>%1 cent sharp</source>
        <translation>%1 cent crescente</translation>
    </message>
    <message>
        <source>%1 cents sharp</source>
        <translation>%1 cent crescenti</translation>
    </message>
    <message>
        <source>%1 cent flat</source>
        <translation>%1 cent calante</translation>
    </message>
    <message>
        <source>%1 cents flat</source>
        <translation>%1 cent calanti</translation>
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
        <translation>&amp;Informazioni su kalvo...</translation>
    </message>
    <message>
        <source>This program requires Windows 2000 or later to run</source>
        <translation>Questo programma richiede Windows 2000 o successivo</translation>
    </message>
    <message>
        <source>Please report error number %d during program inizialization</source>
        <translation>Segnalare l&apos;errore numero %d durante l&apos;inizializzazione del programma</translation>
    </message>
    <message>
        <source>Please report error number %d during program inizialization. Program will anyway run but MIDI features will not work</source>
        <translation>Segnalare l&apos;errore numero %d durante l&apos;inizializzazione del programma. Il programma funzionerà comunque, ma le funzioni MIDI non saranno disponibili</translation>
    </message>
    <message>
        <source>Cannot retrieve current font attributes; default values are supplied</source>
        <translation>Impossibile leggere gli attributi del carattere attuale; vengono usati valori predefiniti</translation>
    </message>
    <message>
        <source>Clef bitmap cannot be displayed</source>
        <translation>Impossibile visualizzare l&apos;immagine della chiave</translation>
    </message>
    <message>
        <source>Please report error number %d during program inizialization. Program will anyway run but some display features will not work</source>
        <translation>Segnalare l&apos;errore numero %d durante l&apos;inizializzazione del programma. Il programma funzionerà comunque, ma alcune funzioni di visualizzazione non saranno disponibili</translation>
    </message>
    <message>
        <source>Cannot load clef bitmap</source>
        <translation>Impossibile caricare l&apos;immagine della chiave</translation>
    </message>
    <message>
        <source>The installed MIDI plug-in is made for a newer version of Kalvo and cannot work with this one. MIDI features will not work</source>
        <translation>Il plug-in MIDI installato è fatto per una versione più recente di Kalvo e non può funzionare con questa. Le funzioni MIDI non saranno disponibili</translation>
    </message>
    <message>
        <source>The installed MIDI plug-in is wrong or corrupted. MIDI features will not work</source>
        <translation>Il plug-in MIDI installato è errato o danneggiato. Le funzioni MIDI non saranno disponibili</translation>
    </message>
    <message>
        <source>The installed display plug-in is made for a newer version of Kalvo and cannot work with this one. Some display features will not work</source>
        <translation>Il plug-in di visualizzazione installato è fatto per una versione più recente di Kalvo e non può funzionare con questa. Alcune funzioni di visualizzazione non saranno disponibili</translation>
    </message>
    <message>
        <source>The installed display plug-in is wrong or corrupted. Some display features will not work</source>
        <translation>Il plug-in di visualizzazione installato è errato o danneggiato. Alcune funzioni di visualizzazione non saranno disponibili</translation>
    </message>
    <message>
        <source>Cannot create a window of the display</source>
        <translation>Impossibile creare una finestra della visualizzazione</translation>
    </message>
    <message>
        <source>Invalid parameter for FFT computation; spectrum can not be computated</source>
        <translation>Parametro non valido per il calcolo della FFT; impossibile calcolare lo spettro</translation>
    </message>
    <message>
        <source>This program requires DirectX 8.0 or later installed</source>
        <translation>Questo programma richiede DirectX 8.0 o successivo installato</translation>
    </message>
    <message>
        <source>Cannot initialize COM</source>
        <translation>Impossibile inizializzare COM</translation>
    </message>
    <message>
        <source>Cannot create direct sound capture object</source>
        <translation>Impossibile creare l&apos;oggetto di acquisizione DirectSound</translation>
    </message>
    <message>
        <source>Cannot create capture buffer</source>
        <translation>Impossibile creare il buffer di acquisizione</translation>
    </message>
    <message>
        <source>Cannot start capturing sound</source>
        <translation>Impossibile avviare l&apos;acquisizione del suono</translation>
    </message>
    <message>
        <source>Another instance of Kalvo is already running</source>
        <translation>Un&apos;altra istanza di Kalvo è già in esecuzione</translation>
    </message>
    <message>
        <source>DirectX - Resource already alllocated by another application</source>
        <translation>DirectX - Risorsa già allocata da un&apos;altra applicazione</translation>
    </message>
    <message>
        <source>DirectX - Invalid parameter specified</source>
        <translation>DirectX - Parametro specificato non valido</translation>
    </message>
    <message>
        <source>DirectX - Object does not support aggregation</source>
        <translation>DirectX - L&apos;oggetto non supporta l&apos;aggregazione</translation>
    </message>
    <message>
        <source>DirectX - No sound driver available</source>
        <translation>DirectX - Nessun driver audio disponibile</translation>
    </message>
    <message>
        <source>DirectX - The specified wave format is not supported</source>
        <translation>DirectX - Il formato wave specificato non è supportato</translation>
    </message>
    <message>
        <source>DirectX - DirectSound undetermined error</source>
        <translation>DirectX - Errore DirectSound indeterminato</translation>
    </message>
    <message>
        <source>DirectX - DirectSound has not been initialized</source>
        <translation>DirectX - DirectSound non è stato inizializzato</translation>
    </message>
    <message>
        <source>DirectX - Not enough memory to complete operation</source>
        <translation>DirectX - Memoria insufficiente per completare l&apos;operazione</translation>
    </message>
    <message>
        <source>Cannot create a logfile</source>
        <translation>Impossibile creare un file di registro</translation>
    </message>
    <message>
        <source>Error closing logfile; please report this message</source>
        <translation>Errore nella chiusura del file di registro; segnalare questo messaggio</translation>
    </message>
    <message>
        <source>Cannot add an entry to logfile</source>
        <translation>Impossibile aggiungere una voce al file di registro</translation>
    </message>
    <message>
        <source>Recording must be stopped before exiting Kalvo</source>
        <translation>La registrazione deve essere fermata prima di uscire da Kalvo</translation>
    </message>
    <message>
        <source>Cannot create a wave file</source>
        <translation>Impossibile creare un file WAVE</translation>
    </message>
    <message>
        <source>Error closing wave file; please report this message</source>
        <translation>Errore nella chiusura del file WAVE; segnalare questo messaggio</translation>
    </message>
    <message>
        <source>Cannot write to wave file</source>
        <translation>Impossibile scrivere nel file WAVE</translation>
    </message>
    <message>
        <source>Hardware does not support requested timer resolution
</source>
        <translation>L&apos;hardware non supporta la risoluzione del timer richiesta
</translation>
    </message>
    <message>
        <source>Cannot open log file</source>
        <translation>Impossibile aprire il file di registro</translation>
    </message>
    <message>
        <source>The MIDI plug-in (kvmidi.so) is not installed, so MIDI recording and the conversion of text files to MIDI are switched off. The plug-in is built and installed together with Kalvo: installing Kalvo again brings it back</source>
        <translation>Il plug-in MIDI (kvmidi.so) non è installato, quindi la registrazione MIDI e la conversione dei file di testo in MIDI sono disattivate. Il plug-in viene compilato e installato insieme a Kalvo: reinstallare Kalvo lo ripristina</translation>
    </message>
    <message>
        <source>Cannot convert the text file to MIDI</source>
        <translation>Impossibile convertire il file di testo in MIDI</translation>
    </message>
    <message>
        <source>Cannot create MIDI file</source>
        <translation>Impossibile creare il file MIDI</translation>
    </message>
    <message>
        <source>Error closing MIDI file; please report this message</source>
        <translation>Errore nella chiusura del file MIDI; segnalare questo messaggio</translation>
    </message>
    <message>
        <source>Cannot add MIDI event to midi file</source>
        <translation>Impossibile aggiungere un evento MIDI al file MIDI</translation>
    </message>
    <message>
        <source>Cannot open the capture device</source>
        <translation>Impossibile aprire il dispositivo di acquisizione</translation>
    </message>
    <message>
        <source>The capture device has stopped delivering sound</source>
        <translation>Il dispositivo di acquisizione ha smesso di fornire suono</translation>
    </message>
    <message>
        <source>Cannot copy the picture to the clipboard</source>
        <translation>Impossibile copiare l&apos;immagine negli appunti</translation>
    </message>
    <message>
        <source>Cannot open the web page</source>
        <translation>Impossibile aprire la pagina web</translation>
    </message>
    <message>
        <source>The display plug-in (kvdisplay.so) is not installed, so the spectrum cannot be zoomed and always shows 40 to 4000 Hz. The plug-in is built and installed together with Kalvo: installing Kalvo again brings it back</source>
        <translation>Il plug-in di visualizzazione (kvdisplay.so) non è installato, quindi lo spettro non si può ingrandire e mostra sempre da 40 a 4000 Hz. Il plug-in viene compilato e installato insieme a Kalvo: reinstallare Kalvo lo ripristina</translation>
    </message>
    <message>
        <source>Cannot read the program&apos;s version</source>
        <translation>Impossibile leggere la versione del programma</translation>
    </message>
    <message>
        <source>Not enough memory to complete the operation</source>
        <translation>Memoria insufficiente per completare l&apos;operazione</translation>
    </message>
    <message>
        <source>Error in &quot;From&quot; or &quot;To&quot; range value</source>
        <translation>Errore nel valore «Da» o «A» dell&apos;intervallo</translation>
    </message>
    <message>
        <source>Cannot display a spectrum range less than 500Hz</source>
        <translation>Impossibile visualizzare un intervallo di spettro inferiore a 500 Hz</translation>
    </message>
    <message>
        <source>Sound capture has stopped: the sound server went away. No more sound is analysed or recorded; recordings that are on keep what was captured and can be stopped as usual</source>
        <translation>L&apos;acquisizione del suono si è fermata: il server audio è scomparso. Nessun suono viene più analizzato o registrato; le registrazioni attive conservano quanto acquisito e si possono fermare come al solito</translation>
    </message>
</context>
<context>
    <name>Transposition</name>
    <message>
        <source>None</source>
        <translation>Nessuna</translation>
    </message>
    <message>
        <source>+1 Octave</source>
        <translation>+1 ottava</translation>
    </message>
    <message>
        <source>-1 Octave</source>
        <translation>-1 ottava</translation>
    </message>
    <message>
        <source>B flat instr.</source>
        <translation>Strum. in si♭</translation>
    </message>
    <message>
        <source>B flat instr. +1 octave</source>
        <translation>Strum. si♭ +1 ott.</translation>
    </message>
    <message>
        <source>B flat instr. -1 octave</source>
        <translation>Strum. si♭ -1 ott.</translation>
    </message>
    <message>
        <source>E flat instr.</source>
        <translation>Strum. in mi♭</translation>
    </message>
    <message>
        <source>E flat instr. +1 octave</source>
        <translation>Strum. mi♭ +1 ott.</translation>
    </message>
    <message>
        <source>E flat instr. -1 octave</source>
        <translation>Strum. mi♭ -1 ott.</translation>
    </message>
</context>
<context>
    <name>Tuning</name>
    <message>
        <source>Equal temperament</source>
        <translation>Temperamento equabile</translation>
    </message>
    <message>
        <source>Pythagorean</source>
        <translation>Pitagorico</translation>
    </message>
    <message>
        <source>Quarter-comma meantone</source>
        <translation>Mesotonico 1/4 di comma</translation>
    </message>
    <message>
        <source>Sixth-comma meantone</source>
        <translation>Mesotonico 1/6 di comma</translation>
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
        <translation>Intonazione naturale</translation>
    </message>
    <message>
        <source>Guitar</source>
        <translation>Chitarra</translation>
    </message>
    <message>
        <source>Guitar, drop D</source>
        <translation>Chitarra, drop D</translation>
    </message>
    <message>
        <source>Guitar, DADGAD</source>
        <translation>Chitarra, DADGAD</translation>
    </message>
    <message>
        <source>Guitar, open G</source>
        <translation>Chitarra, accordatura aperta in sol</translation>
    </message>
    <message>
        <source>Guitar, open D</source>
        <translation>Chitarra, accordatura aperta in re</translation>
    </message>
    <message>
        <source>Guitar, half a step down</source>
        <translation>Chitarra, mezzo tono sotto</translation>
    </message>
    <message>
        <source>Seven-string guitar</source>
        <translation>Chitarra a sette corde</translation>
    </message>
    <message>
        <source>Bass</source>
        <translation>Basso</translation>
    </message>
    <message>
        <source>Five-string bass</source>
        <translation>Basso a cinque corde</translation>
    </message>
    <message>
        <source>Violin</source>
        <translation>Violino</translation>
    </message>
    <message>
        <source>Viola</source>
        <translation>Viola</translation>
    </message>
    <message>
        <source>Cello</source>
        <translation>Violoncello</translation>
    </message>
    <message>
        <source>Double bass</source>
        <translation>Contrabbasso</translation>
    </message>
    <message>
        <source>Ukulele, re-entrant</source>
        <translation>Ukulele, accordatura rientrante</translation>
    </message>
    <message>
        <source>Mandolin</source>
        <translation>Mandolino</translation>
    </message>
    <message>
        <source>Banjo, open G</source>
        <translation>Banjo, accordatura aperta in sol</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 su %2</translation>
    </message>
    <message>
        <source>Strings %1</source>
        <translation>Corde %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Scale %1</source>
        <translation>Scala %1</translation>
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
        <translation>Gauss</translation>
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
        <translation>Rettangolare</translation>
    </message>
    <message>
        <source>Welch</source>
        <translation>Welch</translation>
    </message>
</context>
</TS>
