<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AppSettings</name>
    <message>
        <source>not a settings file: it is not UTF-8 text</source>
        <translation>pas un fichier de paramètres : ce n&apos;est pas du texte UTF-8</translation>
    </message>
    <message>
        <source>not a settings file: line %1 is neither a [section] nor a key = value</source>
        <translation>pas un fichier de paramètres : la ligne %1 n&apos;est ni une [section] ni une clé = valeur</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>larger than 1 MB, which no settings file of Kalvo is</source>
        <translation>plus de 1 Mo, ce qu&apos;aucun fichier de paramètres de Kalvo ne fait</translation>
    </message>
    <message>
        <source>not a settings file that can be read</source>
        <translation>pas un fichier de paramètres lisible</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>impossible de créer le dossier %1</translation>
    </message>
    <message>
        <source>the lock %1 could not be taken within a second (another program holds it, or it was left behind and cannot be removed)</source>
        <translation>le verrou %1 n&apos;a pas pu être pris en une seconde (un autre programme le détient, ou il est resté et ne peut pas être supprimé)</translation>
    </message>
    <message>
        <source>the settings could not be written</source>
        <translation>les paramètres n&apos;ont pas pu être écrits</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About kalvo</source>
        <translation>À propos de kalvo</translation>
    </message>
    <message>
        <source>Click to visit kalvo website</source>
        <translation>Visiter le site de kalvo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>kalvo version 2.3.2.0</source>
        <translation>kalvo version 2.3.2.0</translation>
    </message>
    <message>
        <source>15 September 2006</source>
        <translation>15 septembre 2006</translation>
    </message>
    <message>
        <source>Copyright (C) the Kalvo project</source>
        <translation>Copyright (C) le projet Kalvo</translation>
    </message>
    <message>
        <source>Built with C++ and Qt 6 Widgets;
listens through PulseAudio</source>
        <translation>Écrit en C++ avec Qt 6 Widgets ;
écoute par PulseAudio</translation>
    </message>
</context>
<context>
    <name>CAcknowledgementsDlg</name>
    <message>
        <source>Acknowledgements</source>
        <translation>Remerciements</translation>
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
        <translation>Merci à Qt, https://www.qt.io,
à PulseAudio, https://www.freedesktop.org
et à libsndfile,
https://libsndfile.github.io</translation>
    </message>
</context>
<context>
    <name>CCaptureDeviceDlg</name>
    <message>
        <source>Select Capture Device</source>
        <translation>Choisir le périphérique de capture</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>CCentMeter</name>
    <message>
        <source>Cent meter</source>
        <translation>Indicateur de cents</translation>
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
        <translation>Capture</translation>
    </message>
    <message>
        <source>Freeze Spectrum</source>
        <translation>Figer le spectre</translation>
    </message>
    <message>
        <source>Record to MIDI file</source>
        <translation>Enregistrer en fichier MIDI</translation>
    </message>
    <message>
        <source>Record to WAVE file</source>
        <translation>Enregistrer en fichier WAVE</translation>
    </message>
    <message>
        <source>Record to text file</source>
        <translation>Enregistrer en fichier texte</translation>
    </message>
    <message>
        <source>Snapshot of the window</source>
        <translation>Capture de la fenêtre</translation>
    </message>
    <message>
        <source>Freeze the displays, or let them run again</source>
        <translation>Figer les affichages, ou les relancer</translation>
    </message>
    <message>
        <source>not recording</source>
        <translation>pas d&apos;enregistrement</translation>
    </message>
    <message>
        <source>running</source>
        <translation>en marche</translation>
    </message>
    <message>
        <source>A5 freq</source>
        <translation>Fréq. A5</translation>
    </message>
    <message>
        <source>Special</source>
        <translation>Spécial</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Note Transposition</source>
        <translation>Transposition des notes</translation>
    </message>
    <message>
        <source>Record selection</source>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>Recording off</source>
        <translation>Pas d&apos;enregistrement</translation>
    </message>
    <message>
        <source>Recording to file</source>
        <translation>Enregistrement en cours</translation>
    </message>
    <message>
        <source>A recording&apos;s folder was deleted or moved: the recording was saved in %1</source>
        <translation>Le dossier d&apos;un enregistrement a été supprimé ou déplacé : l&apos;enregistrement a été sauvegardé dans %1</translation>
    </message>
    <message>
        <source>Stop Recording to Text File</source>
        <translation>Arrêter l&apos;enregistrement en fichier texte</translation>
    </message>
    <message>
        <source>Record to Text File</source>
        <translation>Enregistrer en fichier texte</translation>
    </message>
    <message>
        <source>Stop Recording to Wave File</source>
        <translation>Arrêter l&apos;enregistrement en fichier WAVE</translation>
    </message>
    <message>
        <source>Record to Wave File</source>
        <translation>Enregistrer en fichier WAVE</translation>
    </message>
    <message>
        <source>Stop Recording to Midi File</source>
        <translation>Arrêter l&apos;enregistrement en fichier MIDI</translation>
    </message>
    <message>
        <source>Record to MIDI File</source>
        <translation>Enregistrer en fichier MIDI</translation>
    </message>
    <message>
        <source>recording</source>
        <translation>enregistrement en cours</translation>
    </message>
    <message>
        <source>The working folder %1 cannot be written (%2): recordings go to %3</source>
        <translation>Le dossier de travail %1 n&apos;est pas accessible en écriture (%2) : les enregistrements vont dans %3</translation>
    </message>
    <message>
        <source>Recording to:</source>
        <translation>Enregistrement dans :</translation>
    </message>
    <message>
        <source>Thaw Spectrum</source>
        <translation>Libérer le spectre</translation>
    </message>
    <message>
        <source>frozen</source>
        <translation>figé</translation>
    </message>
    <message>
        <source>the MIDI recording %1, which is written only when it stops</source>
        <translation>l&apos;enregistrement MIDI %1, qui n&apos;est écrit qu&apos;à l&apos;arrêt</translation>
    </message>
    <message>
        <source>the end of the text log %1</source>
        <translation>la fin du journal texte %1</translation>
    </message>
    <message>
        <source>the end of the wave file %1</source>
        <translation>la fin du fichier WAVE %1</translation>
    </message>
    <message>
        <source>A recording could not be stopped. Exiting now loses %1.
Exit anyway?</source>
        <translation>Un enregistrement n&apos;a pas pu être arrêté. Quitter maintenant perd %1.
Quitter quand même ?</translation>
    </message>
    <message>
        <source>Recording off</source>
        <comment>banner picture, 116 pixels wide</comment>
        <translation>Enreg. arrêté</translation>
    </message>
    <message>
        <source>Recording to file</source>
        <comment>banner picture, 116 pixels wide</comment>
        <translation>Enregistrement</translation>
    </message>
</context>
<context>
    <name>CFftParamsDlg</name>
    <message>
        <source>Please enter a number between 0.0 and 1.0.</source>
        <translation>Veuillez saisir un nombre entre 0.0 et 1.0.</translation>
    </message>
    <message>
        <source>FFT Parameters</source>
        <translation>Paramètres FFT</translation>
    </message>
    <message>
        <source>FFT size</source>
        <translation>Taille FFT</translation>
    </message>
    <message>
        <source>Windowing function</source>
        <translation>Fenêtrage</translation>
    </message>
    <message>
        <source>Gaussian alpha</source>
        <translation>Alpha gaussien</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>CFrequencyDisplay</name>
    <message>
        <source>Frequency display</source>
        <translation>Affichage de la fréquence</translation>
    </message>
</context>
<context>
    <name>CMidiSettingsDlg</name>
    <message>
        <source>Please enter no more than 3 characters.</source>
        <translation>Veuillez saisir 3 caractères au plus.</translation>
    </message>
    <message>
        <source>5   Cents</source>
        <translation>5   cents</translation>
    </message>
    <message>
        <source>10 Cents</source>
        <translation>10 cents</translation>
    </message>
    <message>
        <source>25 Cents</source>
        <translation>25 cents</translation>
    </message>
    <message>
        <source>50 Cents</source>
        <translation>50 cents</translation>
    </message>
    <message>
        <source>Settings for MIDI Generation</source>
        <translation>Paramètres de la génération MIDI</translation>
    </message>
    <message>
        <source>Settings for MIDI Sequence</source>
        <translation>Paramètres de la séquence MIDI</translation>
    </message>
    <message>
        <source>Accidentals</source>
        <translation>Altérations</translation>
    </message>
    <message>
        <source>Sharp</source>
        <translation>Dièses</translation>
    </message>
    <message>
        <source>Flat</source>
        <translation>Bémols</translation>
    </message>
    <message>
        <source>Major</source>
        <translation>Majeur</translation>
    </message>
    <message>
        <source>Minor</source>
        <translation>Mineur</translation>
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
        <translation>Génération des événements MIDI Note On</translation>
    </message>
    <message>
        <source>Only for Notes Above</source>
        <translation>Notes au-dessus de</translation>
    </message>
    <message>
        <source>Minimum Pitch Change</source>
        <translation>Écart de hauteur min.</translation>
    </message>
    <message>
        <source>Minimum dB Value</source>
        <translation>Valeur dB minimale</translation>
    </message>
    <message>
        <source>Note Pitch</source>
        <translation>Hauteur des notes</translation>
    </message>
    <message>
        <source>Keep original note pitch</source>
        <translation>Garder la hauteur d&apos;origine</translation>
    </message>
    <message>
        <source>Round pitch to closest note</source>
        <translation>Arrondir à la note voisine</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>CNoteArea</name>
    <message>
        <source>Note area</source>
        <translation>Zone de note</translation>
    </message>
    <message>
        <source>held</source>
        <translation>tenu</translation>
    </message>
    <message>
        <source>Out of range</source>
        <translation>Hors plage</translation>
    </message>
</context>
<context>
    <name>CReferenceToneDlg</name>
    <message>
        <source>Reference Tone</source>
        <translation>Son de référence</translation>
    </message>
    <message>
        <source>Tuning:</source>
        <translation>Accord :</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Note :</translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation>Fréquence :</translation>
    </message>
    <message>
        <source>Sine</source>
        <translation>Sinusoïde</translation>
    </message>
    <message>
        <source>Soft (with harmonics)</source>
        <translation>Doux (avec harmoniques)</translation>
    </message>
    <message>
        <source>&amp;Sound:</source>
        <translation>&amp;Son :</translation>
    </message>
    <message>
        <source>Volume in percent</source>
        <translation>Volume en pourcentage</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>&amp;Volume :</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Jouer</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <source>Cannot play the reference tone.</source>
        <translation>Impossible de jouer le son de référence.</translation>
    </message>
    <message>
        <source>The sound server stopped the reference tone.</source>
        <translation>Le serveur de son a arrêté le son de référence.</translation>
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
        <translation>Veuillez saisir un entier entre 40 et 4000.</translation>
    </message>
    <message>
        <source>Spectrum View Settings</source>
        <translation>Paramètres de l&apos;affichage du spectre</translation>
    </message>
    <message>
        <source>Horizontal view</source>
        <translation>Axe horizontal</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Linéaire</translation>
    </message>
    <message>
        <source>Logarithmic</source>
        <translation>Logarithmique</translation>
    </message>
    <message>
        <source>Dynamic</source>
        <translation>Dynamique</translation>
    </message>
    <message>
        <source>Displayed Range [Hz]</source>
        <translation>Plage affichée [Hz]</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>To</source>
        <translation>À</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>CStrobeControl</name>
    <message>
        <source>S&amp;trobe</source>
        <translation>S&amp;troboscope</translation>
    </message>
    <message>
        <source>S&amp;pectrum</source>
        <translation>S&amp;pectre</translation>
    </message>
</context>
<context>
    <name>CStrobeView</name>
    <message>
        <source>Strobe</source>
        <translation>Stroboscope</translation>
    </message>
    <message>
        <source>%+.1f cents</source>
        <translation>%+.1f cents</translation>
    </message>
</context>
<context>
    <name>CTunerDlg</name>
    <message>
        <source>Kalvo - version %1</source>
        <translation>Kalvo - version %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Record to &amp;Midi File</source>
        <translation>Enregistrer en fichier &amp;MIDI</translation>
    </message>
    <message>
        <source>Record to &amp;Wave File</source>
        <translation>Enregistrer en fichier &amp;WAVE</translation>
    </message>
    <message>
        <source>Record to &amp;Text File</source>
        <translation>Enregistrer en fichier &amp;texte</translation>
    </message>
    <message>
        <source>&amp;Convert Text File to MIDI</source>
        <translation>&amp;Convertir un fichier texte en MIDI</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Paramètres</translation>
    </message>
    <message>
        <source>&amp;Midi</source>
        <translation>&amp;MIDI</translation>
    </message>
    <message>
        <source>&amp;FFT Parameters</source>
        <translation>Paramètres &amp;FFT</translation>
    </message>
    <message>
        <source>&amp;Spectrum</source>
        <comment>Settings menu</comment>
        <translation>&amp;Spectre</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Capture</translation>
    </message>
    <message>
        <source>to Clipboard</source>
        <translation>vers le presse-papiers</translation>
    </message>
    <message>
        <source>to File</source>
        <translation>vers un fichier</translation>
    </message>
    <message>
        <source>&amp;Pitch Method</source>
        <translation>&amp;Détection de la hauteur</translation>
    </message>
    <message>
        <source>&amp;Dominant Frequency</source>
        <translation>Fréquence &amp;dominante</translation>
    </message>
    <message>
        <source>Fundamental (&amp;Harmonic Instruments)</source>
        <translation>Fondamentale (instruments &amp;harmoniques)</translation>
    </message>
    <message>
        <source>&amp;Tuning...</source>
        <translation>&amp;Accord...</translation>
    </message>
    <message>
        <source>Reference Ton&amp;e...</source>
        <translation>Son de &amp;référence...</translation>
    </message>
    <message>
        <source>Recording F&amp;older...</source>
        <translation>D&amp;ossier d&apos;enregistrement...</translation>
    </message>
    <message>
        <source>&amp;Remember Settings</source>
        <translation>Mémoris&amp;er les paramètres</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Cent Meter &amp;Damping</source>
        <translation>&amp;Amortir l&apos;indicateur de cents</translation>
    </message>
    <message>
        <source>&amp;Refresh Rate</source>
        <translation>Fréquence de &amp;rafraîchissement</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Haute</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Basse</translation>
    </message>
    <message>
        <source>&amp;Show Sharps in Note Area</source>
        <translation>Afficher les &amp;dièses dans la zone de note</translation>
    </message>
    <message>
        <source>&amp;Hold Last Reading</source>
        <translation>&amp;Garder la dernière mesure</translation>
    </message>
    <message>
        <source>&amp;Freeze Spectrum</source>
        <translation>&amp;Figer le spectre</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>&amp;Couleurs</translation>
    </message>
    <message>
        <source>&amp;Background</source>
        <translation>&amp;Fond</translation>
    </message>
    <message>
        <source>&amp;Spectrum</source>
        <comment>Colors menu: the curve</comment>
        <translation>&amp;Spectre</translation>
    </message>
    <message>
        <source>Spectrum &amp;Area</source>
        <translation>&amp;Zone du spectre</translation>
    </message>
    <message>
        <source>&amp;Default Colors</source>
        <translation>Couleurs par &amp;défaut</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À pr&amp;opos</translation>
    </message>
    <message>
        <source>About Kalvo...</source>
        <translation>À propos de Kalvo...</translation>
    </message>
    <message>
        <source>Acknowledgements</source>
        <translation>Remerciements</translation>
    </message>
    <message>
        <source>Start with --demo to try the tuner without a sound card</source>
        <translation>Lancer avec --demo pour essayer l&apos;accordeur sans carte son</translation>
    </message>
    <message>
        <source>MIDI file written: %1</source>
        <translation>Fichier MIDI écrit : %1</translation>
    </message>
    <message>
        <source>Show flats in note area</source>
        <translation>Afficher les bémols dans la zone de note</translation>
    </message>
    <message>
        <source>Show sharps in note area</source>
        <translation>Afficher les dièses dans la zone de note</translation>
    </message>
    <message>
        <source>Cannot read the remembered settings in %1 (%2). This run starts with the default settings and leaves the file as it is.</source>
        <translation>Impossible de lire les paramètres mémorisés dans %1 (%2). Cette session démarre avec les paramètres par défaut et laisse le fichier tel quel.</translation>
    </message>
    <message>
        <source>Cannot save the settings in %1 (%2); the file stays as it was.</source>
        <translation>Impossible d&apos;enregistrer les paramètres dans %1 (%2) ; le fichier reste tel qu&apos;il était.</translation>
    </message>
    <message>
        <source>Cannot remove the remembered settings %1.</source>
        <translation>Impossible de supprimer les paramètres mémorisés %1.</translation>
    </message>
    <message>
        <source>Recording Folder</source>
        <translation>Dossier d&apos;enregistrement</translation>
    </message>
    <message>
        <source>Cannot write to the folder %1 (%2): recordings stay where they were</source>
        <translation>Impossible d&apos;écrire dans le dossier %1 (%2) : les enregistrements restent où ils étaient</translation>
    </message>
</context>
<context>
    <name>CTuningControl</name>
    <message>
        <source>Tuning</source>
        <translation>Accord</translation>
    </message>
</context>
<context>
    <name>CTuningDlg</name>
    <message>
        <source>Tuning</source>
        <translation>Accord</translation>
    </message>
    <message>
        <source>on</source>
        <translation>sur</translation>
    </message>
    <message>
        <source>&amp;Temperament:</source>
        <translation>&amp;Tempérament :</translation>
    </message>
    <message>
        <source>Offsets from equal temperament in cents</source>
        <translation>Écarts au tempérament égal en cents</translation>
    </message>
    <message>
        <source>Cents:</source>
        <translation>Cents :</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source>Scala &amp;scale:</source>
        <translation>&amp;Gamme Scala :</translation>
    </message>
    <message>
        <source>Scala scales (*.scl);;All files (*)</source>
        <translation>Gammes Scala (*.scl);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>&amp;Keyboard map:</source>
        <translation>Corres&amp;pondance clavier :</translation>
    </message>
    <message>
        <source>Scala keyboard maps (*.kbm);;All files (*)</source>
        <translation>Correspondances clavier Scala (*.kbm);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Notes of my own</source>
        <translation>Mes propres notes</translation>
    </message>
    <message>
        <source>St&amp;rings:</source>
        <translation>&amp;Cordes :</translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation>&amp;Notes :</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
</context>
<context>
    <name>LogToMidi</name>
    <message>
        <source>Converting to midi file...</source>
        <translation>Conversion en fichier MIDI...</translation>
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
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom arrière</translation>
    </message>
</context>
<context>
    <name>MidiInstrument</name>
    <message>
        <source>Acoustic Grand Piano</source>
        <translation>Piano à queue acoustique</translation>
    </message>
    <message>
        <source>Bright Piano</source>
        <translation>Piano brillant</translation>
    </message>
    <message>
        <source>Electric Grand Piano</source>
        <translation>Piano à queue électrique</translation>
    </message>
    <message>
        <source>Honky-Tonk Piano</source>
        <translation>Piano bastringue</translation>
    </message>
    <message>
        <source>Electric piano 1 </source>
        <translation>Piano électrique 1</translation>
    </message>
    <message>
        <source>Electric Piano 2</source>
        <translation>Piano électrique 2</translation>
    </message>
    <message>
        <source>Harpsichord </source>
        <translation>Clavecin</translation>
    </message>
    <message>
        <source>Clavinet</source>
        <translation>Clavinet</translation>
    </message>
    <message>
        <source>Celesta </source>
        <translation>Célesta</translation>
    </message>
    <message>
        <source>Glockenspiel</source>
        <translation>Glockenspiel</translation>
    </message>
    <message>
        <source>Music Box</source>
        <translation>Boîte à musique</translation>
    </message>
    <message>
        <source>Vibraphone </source>
        <translation>Vibraphone</translation>
    </message>
    <message>
        <source>Marimba </source>
        <translation>Marimba</translation>
    </message>
    <message>
        <source>Xylophone</source>
        <translation>Xylophone</translation>
    </message>
    <message>
        <source>Tubular bells</source>
        <translation>Cloches tubulaires</translation>
    </message>
    <message>
        <source>Dulcimer</source>
        <translation>Tympanon</translation>
    </message>
    <message>
        <source>Drawbar Organ</source>
        <translation>Orgue à tirettes</translation>
    </message>
    <message>
        <source>Percussive Organ</source>
        <translation>Orgue percussif</translation>
    </message>
    <message>
        <source>Rock Organ </source>
        <translation>Orgue rock</translation>
    </message>
    <message>
        <source>Church Organ</source>
        <translation>Orgue d&apos;église</translation>
    </message>
    <message>
        <source>Reed Organ </source>
        <translation>Harmonium</translation>
    </message>
    <message>
        <source>Accordion </source>
        <translation>Accordéon</translation>
    </message>
    <message>
        <source>Harmonica</source>
        <translation>Harmonica</translation>
    </message>
    <message>
        <source>Tango Accordion</source>
        <translation>Bandonéon</translation>
    </message>
    <message>
        <source>Nylon String Guitar</source>
        <translation>Guitare classique (nylon)</translation>
    </message>
    <message>
        <source>Steel String Guitar</source>
        <translation>Guitare folk (acier)</translation>
    </message>
    <message>
        <source>Jazz Guitar</source>
        <translation>Guitare jazz</translation>
    </message>
    <message>
        <source>Clean Electric Guitar</source>
        <translation>Guitare électrique (son clair)</translation>
    </message>
    <message>
        <source>Muted Electric Guitar</source>
        <translation>Guitare électrique (étouffée)</translation>
    </message>
    <message>
        <source>Overdrive Guitar</source>
        <translation>Guitare saturée</translation>
    </message>
    <message>
        <source>Distortion Guitar</source>
        <translation>Guitare avec distorsion</translation>
    </message>
    <message>
        <source>Guitar Harmonics</source>
        <translation>Harmoniques de guitare</translation>
    </message>
    <message>
        <source>Accoustic Bass</source>
        <translation>Basse acoustique</translation>
    </message>
    <message>
        <source>Fingered Bass</source>
        <translation>Basse (doigts)</translation>
    </message>
    <message>
        <source>Picked Bass</source>
        <translation>Basse (médiator)</translation>
    </message>
    <message>
        <source>Fretless Bass</source>
        <translation>Basse fretless</translation>
    </message>
    <message>
        <source>Slap Bass 1</source>
        <translation>Basse slap 1</translation>
    </message>
    <message>
        <source>Slap Bass 2</source>
        <translation>Basse slap 2</translation>
    </message>
    <message>
        <source>Synth Bass 1</source>
        <translation>Basse synthé 1</translation>
    </message>
    <message>
        <source>Synth Bass 2</source>
        <translation>Basse synthé 2</translation>
    </message>
    <message>
        <source>Violin </source>
        <translation>Violon</translation>
    </message>
    <message>
        <source>Viola</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>Cello</source>
        <translation>Violoncelle</translation>
    </message>
    <message>
        <source>Contrabass </source>
        <translation>Contrebasse</translation>
    </message>
    <message>
        <source>Tremolo Strings</source>
        <translation>Cordes trémolo</translation>
    </message>
    <message>
        <source>Pizzicato Strings</source>
        <translation>Cordes pizzicato</translation>
    </message>
    <message>
        <source>Orchestral Harp</source>
        <translation>Harpe</translation>
    </message>
    <message>
        <source>Timpani </source>
        <translation>Timbales</translation>
    </message>
    <message>
        <source>String Ensemble 1 </source>
        <translation>Ensemble de cordes 1</translation>
    </message>
    <message>
        <source>String Ensemble 2</source>
        <translation>Ensemble de cordes 2</translation>
    </message>
    <message>
        <source>Synth Strings 1 </source>
        <translation>Cordes synthé 1</translation>
    </message>
    <message>
        <source>Synth Strings 2</source>
        <translation>Cordes synthé 2</translation>
    </message>
    <message>
        <source>Choir &quot;ahh&quot; </source>
        <translation>Chœur « ah »</translation>
    </message>
    <message>
        <source>Choir &quot;oohh&quot; </source>
        <translation>Chœur « oh »</translation>
    </message>
    <message>
        <source>Synth Voice</source>
        <translation>Voix synthé</translation>
    </message>
    <message>
        <source>Orchestral Hit </source>
        <translation>Coup d&apos;orchestre</translation>
    </message>
    <message>
        <source>Trumpet </source>
        <translation>Trompette</translation>
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
        <translation>Trompette bouchée</translation>
    </message>
    <message>
        <source>French Horn</source>
        <translation>Cor d&apos;harmonie</translation>
    </message>
    <message>
        <source>Brass Section </source>
        <translation>Section de cuivres</translation>
    </message>
    <message>
        <source>Synth Brass 1 </source>
        <translation>Cuivres synthé 1</translation>
    </message>
    <message>
        <source>Synth Brass 2</source>
        <translation>Cuivres synthé 2</translation>
    </message>
    <message>
        <source>Soprano Sax</source>
        <translation>Saxophone soprano</translation>
    </message>
    <message>
        <source>Alto Sax</source>
        <translation>Saxophone alto</translation>
    </message>
    <message>
        <source>Tenor Sax</source>
        <translation>Saxophone ténor</translation>
    </message>
    <message>
        <source>Baritone Sax</source>
        <translation>Saxophone baryton</translation>
    </message>
    <message>
        <source>Oboe</source>
        <translation>Hautbois</translation>
    </message>
    <message>
        <source>English Horn </source>
        <translation>Cor anglais</translation>
    </message>
    <message>
        <source>Bassoon</source>
        <translation>Basson</translation>
    </message>
    <message>
        <source>Clarinet </source>
        <translation>Clarinette</translation>
    </message>
    <message>
        <source>Piccolo </source>
        <translation>Piccolo</translation>
    </message>
    <message>
        <source>Flute </source>
        <translation>Flûte</translation>
    </message>
    <message>
        <source>Recorder </source>
        <translation>Flûte à bec</translation>
    </message>
    <message>
        <source>Pan flute</source>
        <translation>Flûte de Pan</translation>
    </message>
    <message>
        <source>Blown Bottle </source>
        <translation>Bouteille soufflée</translation>
    </message>
    <message>
        <source>Shakuhachi</source>
        <translation>Shakuhachi</translation>
    </message>
    <message>
        <source>Whistle </source>
        <translation>Sifflement</translation>
    </message>
    <message>
        <source>Ocarina </source>
        <translation>Ocarina</translation>
    </message>
    <message>
        <source>Square Wave</source>
        <translation>Onde carrée</translation>
    </message>
    <message>
        <source>Sawtooth Wave</source>
        <translation>Onde en dents de scie</translation>
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
        <translation>Voix</translation>
    </message>
    <message>
        <source>Fifths</source>
        <translation>Quintes</translation>
    </message>
    <message>
        <source>Bass &amp; Lead</source>
        <translation>Basse et lead</translation>
    </message>
    <message>
        <source>New Age</source>
        <translation>New Age</translation>
    </message>
    <message>
        <source>Warm</source>
        <translation>Chaud</translation>
    </message>
    <message>
        <source>PolySynth</source>
        <translation>Polysynthé</translation>
    </message>
    <message>
        <source>Choir </source>
        <translation>Chœur</translation>
    </message>
    <message>
        <source>Bowed </source>
        <translation>Archet</translation>
    </message>
    <message>
        <source>Metallic </source>
        <translation>Métallique</translation>
    </message>
    <message>
        <source>Halo</source>
        <translation>Halo</translation>
    </message>
    <message>
        <source>Sweep </source>
        <translation>Balayage</translation>
    </message>
    <message>
        <source>FX Rain</source>
        <translation>FX pluie</translation>
    </message>
    <message>
        <source>FX Soundtrack </source>
        <translation>FX bande-son</translation>
    </message>
    <message>
        <source>FX Crystal</source>
        <translation>FX cristal</translation>
    </message>
    <message>
        <source>FX Atmosphere </source>
        <translation>FX atmosphère</translation>
    </message>
    <message>
        <source>FX Brightness</source>
        <translation>FX brillance</translation>
    </message>
    <message>
        <source>FX Goblins </source>
        <translation>FX lutins</translation>
    </message>
    <message>
        <source>FX Echo Drops</source>
        <translation>FX gouttes d&apos;écho</translation>
    </message>
    <message>
        <source>FX Star Theme</source>
        <translation>FX thème stellaire</translation>
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
        <translation>Cornemuse</translation>
    </message>
    <message>
        <source>Fiddle </source>
        <translation>Violon folk</translation>
    </message>
    <message>
        <source>Shanai </source>
        <translation>Shanai</translation>
    </message>
    <message>
        <source>Tinkle bell </source>
        <translation>Clochette</translation>
    </message>
    <message>
        <source>Agogo </source>
        <translation>Agogo</translation>
    </message>
    <message>
        <source>Steel Drums</source>
        <translation>Steel drums</translation>
    </message>
    <message>
        <source>Woodblock</source>
        <translation>Wood-block</translation>
    </message>
    <message>
        <source>Taiko Drum</source>
        <translation>Taiko</translation>
    </message>
    <message>
        <source>Melodic Tom</source>
        <translation>Tom mélodique</translation>
    </message>
    <message>
        <source>Synth Drum </source>
        <translation>Batterie synthé</translation>
    </message>
    <message>
        <source>Reverse Cymbal</source>
        <translation>Cymbale inversée</translation>
    </message>
    <message>
        <source>Guitar Fret Noise </source>
        <translation>Bruit de frettes</translation>
    </message>
    <message>
        <source>Breath Noise</source>
        <translation>Bruit de souffle</translation>
    </message>
    <message>
        <source>Seashore</source>
        <translation>Bord de mer</translation>
    </message>
    <message>
        <source>Bird Tweet</source>
        <translation>Chant d&apos;oiseau</translation>
    </message>
    <message>
        <source>Telephone Ring </source>
        <translation>Sonnerie de téléphone</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation>Hélicoptère</translation>
    </message>
    <message>
        <source>Applause</source>
        <translation>Applaudissements</translation>
    </message>
    <message>
        <source>Gunshot</source>
        <translation>Coup de feu</translation>
    </message>
</context>
<context>
    <name>NoteNamesMenu</name>
    <message>
        <source>Note &amp;Names</source>
        <translation>&amp;Noms des notes</translation>
    </message>
    <message>
        <source>&amp;English (C D E F G A B)</source>
        <translation>&amp;Anglais (C D E F G A B)</translation>
    </message>
    <message>
        <source>&amp;German (C D E F G A H)</source>
        <translation>A&amp;llemand (C D E F G A H)</translation>
    </message>
    <message>
        <source>&amp;Solfege (Do Re Mi Fa Sol La Si)</source>
        <translation>&amp;Solfège (Do Re Mi Fa Sol La Si)</translation>
    </message>
</context>
<context>
    <name>RecordingProblem</name>
    <message>
        <source>unknown error</source>
        <translation>erreur inconnue</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1; what was recorded is lost: it could not be saved in %2</source>
        <translation>%1 ; ce qui a été enregistré est perdu : il n&apos;a pas pu être sauvegardé dans %2</translation>
    </message>
    <message>
        <source>%1; it could not be saved in %2</source>
        <translation>%1 ; il n&apos;a pas pu être sauvegardé dans %2</translation>
    </message>
    <message>
        <source>%1; what was recorded is now in %2, and the recording goes on there</source>
        <translation>%1 ; ce qui a été enregistré est maintenant dans %2, et l&apos;enregistrement continue là</translation>
    </message>
    <message>
        <source>%1; the recording was saved to %2</source>
        <translation>%1 ; l&apos;enregistrement a été sauvegardé dans %2</translation>
    </message>
</context>
<context>
    <name>SpokenReading</name>
    <message>
        <source>, held</source>
        <translation>, maintenu</translation>
    </message>
    <message>
        <source>no input signal</source>
        <translation>aucun signal d&apos;entrée</translation>
    </message>
    <message>
        <source>%1 sharp %2</source>
        <translation>%1 dièse %2</translation>
    </message>
    <message>
        <source>%1 flat %2</source>
        <translation>%1 bémol %2</translation>
    </message>
    <message>
        <source>in tune</source>
        <translation>juste</translation>
    </message>
    <message>
        <source>%1 cent sharp</source>
        <translation>%1 cent trop haut</translation>
    </message>
    <message>
        <source>%1 cents sharp</source>
        <translation>%1 cents trop haut</translation>
    </message>
    <message>
        <source>%1 cent flat</source>
        <translation>%1 cent trop bas</translation>
    </message>
    <message>
        <source>%1 cents flat</source>
        <translation>%1 cents trop bas</translation>
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
        <translation>À &amp;propos de kalvo...</translation>
    </message>
    <message>
        <source>This program requires Windows 2000 or later to run</source>
        <translation>Ce programme nécessite Windows 2000 ou une version ultérieure</translation>
    </message>
    <message>
        <source>Please report error number %d during program inizialization</source>
        <translation>Veuillez signaler l&apos;erreur numéro %d survenue à l&apos;initialisation du programme</translation>
    </message>
    <message>
        <source>Please report error number %d during program inizialization. Program will anyway run but MIDI features will not work</source>
        <translation>Veuillez signaler l&apos;erreur numéro %d survenue à l&apos;initialisation du programme. Le programme fonctionnera quand même, mais les fonctions MIDI ne marcheront pas</translation>
    </message>
    <message>
        <source>Cannot retrieve current font attributes; default values are supplied</source>
        <translation>Impossible de lire les attributs de la police actuelle ; des valeurs par défaut sont utilisées</translation>
    </message>
    <message>
        <source>Clef bitmap cannot be displayed</source>
        <translation>L&apos;image de la clé ne peut pas être affichée</translation>
    </message>
    <message>
        <source>Please report error number %d during program inizialization. Program will anyway run but some display features will not work</source>
        <translation>Veuillez signaler l&apos;erreur numéro %d survenue à l&apos;initialisation du programme. Le programme fonctionnera quand même, mais certaines fonctions d&apos;affichage ne marcheront pas</translation>
    </message>
    <message>
        <source>Cannot load clef bitmap</source>
        <translation>Impossible de charger l&apos;image de la clé</translation>
    </message>
    <message>
        <source>The installed MIDI plug-in is made for a newer version of Kalvo and cannot work with this one. MIDI features will not work</source>
        <translation>Le module MIDI installé est fait pour une version plus récente de Kalvo et ne peut pas fonctionner avec celle-ci. Les fonctions MIDI ne marcheront pas</translation>
    </message>
    <message>
        <source>The installed MIDI plug-in is wrong or corrupted. MIDI features will not work</source>
        <translation>Le module MIDI installé est incorrect ou endommagé. Les fonctions MIDI ne marcheront pas</translation>
    </message>
    <message>
        <source>The installed display plug-in is made for a newer version of Kalvo and cannot work with this one. Some display features will not work</source>
        <translation>Le module d&apos;affichage installé est fait pour une version plus récente de Kalvo et ne peut pas fonctionner avec celle-ci. Certaines fonctions d&apos;affichage ne marcheront pas</translation>
    </message>
    <message>
        <source>The installed display plug-in is wrong or corrupted. Some display features will not work</source>
        <translation>Le module d&apos;affichage installé est incorrect ou endommagé. Certaines fonctions d&apos;affichage ne marcheront pas</translation>
    </message>
    <message>
        <source>Cannot create a window of the display</source>
        <translation>Impossible de créer une fenêtre de l&apos;affichage</translation>
    </message>
    <message>
        <source>Invalid parameter for FFT computation; spectrum can not be computated</source>
        <translation>Paramètre invalide pour le calcul de la FFT ; le spectre ne peut pas être calculé</translation>
    </message>
    <message>
        <source>This program requires DirectX 8.0 or later installed</source>
        <translation>Ce programme nécessite DirectX 8.0 ou une version ultérieure</translation>
    </message>
    <message>
        <source>Cannot initialize COM</source>
        <translation>Impossible d&apos;initialiser COM</translation>
    </message>
    <message>
        <source>Cannot create direct sound capture object</source>
        <translation>Impossible de créer l&apos;objet de capture DirectSound</translation>
    </message>
    <message>
        <source>Cannot create capture buffer</source>
        <translation>Impossible de créer le tampon de capture</translation>
    </message>
    <message>
        <source>Cannot start capturing sound</source>
        <translation>Impossible de démarrer la capture du son</translation>
    </message>
    <message>
        <source>Another instance of Kalvo is already running</source>
        <translation>Une autre instance de Kalvo est déjà en cours d&apos;exécution</translation>
    </message>
    <message>
        <source>DirectX - Resource already alllocated by another application</source>
        <translation>DirectX - Ressource déjà allouée par une autre application</translation>
    </message>
    <message>
        <source>DirectX - Invalid parameter specified</source>
        <translation>DirectX - Paramètre spécifié invalide</translation>
    </message>
    <message>
        <source>DirectX - Object does not support aggregation</source>
        <translation>DirectX - L&apos;objet ne prend pas en charge l&apos;agrégation</translation>
    </message>
    <message>
        <source>DirectX - No sound driver available</source>
        <translation>DirectX - Aucun pilote de son disponible</translation>
    </message>
    <message>
        <source>DirectX - The specified wave format is not supported</source>
        <translation>DirectX - Le format wave spécifié n&apos;est pas pris en charge</translation>
    </message>
    <message>
        <source>DirectX - DirectSound undetermined error</source>
        <translation>DirectX - Erreur DirectSound indéterminée</translation>
    </message>
    <message>
        <source>DirectX - DirectSound has not been initialized</source>
        <translation>DirectX - DirectSound n&apos;a pas été initialisé</translation>
    </message>
    <message>
        <source>DirectX - Not enough memory to complete operation</source>
        <translation>DirectX - Mémoire insuffisante pour terminer l&apos;opération</translation>
    </message>
    <message>
        <source>Cannot create a logfile</source>
        <translation>Impossible de créer un fichier journal</translation>
    </message>
    <message>
        <source>Error closing logfile; please report this message</source>
        <translation>Erreur à la fermeture du fichier journal ; veuillez signaler ce message</translation>
    </message>
    <message>
        <source>Cannot add an entry to logfile</source>
        <translation>Impossible d&apos;ajouter une entrée au fichier journal</translation>
    </message>
    <message>
        <source>Recording must be stopped before exiting Kalvo</source>
        <translation>L&apos;enregistrement doit être arrêté avant de quitter Kalvo</translation>
    </message>
    <message>
        <source>Cannot create a wave file</source>
        <translation>Impossible de créer un fichier WAVE</translation>
    </message>
    <message>
        <source>Error closing wave file; please report this message</source>
        <translation>Erreur à la fermeture du fichier WAVE ; veuillez signaler ce message</translation>
    </message>
    <message>
        <source>Cannot write to wave file</source>
        <translation>Impossible d&apos;écrire dans le fichier WAVE</translation>
    </message>
    <message>
        <source>Hardware does not support requested timer resolution
</source>
        <translation>Le matériel ne prend pas en charge la résolution de minuterie demandée
</translation>
    </message>
    <message>
        <source>Cannot open log file</source>
        <translation>Impossible d&apos;ouvrir le fichier journal</translation>
    </message>
    <message>
        <source>The MIDI plug-in (kvmidi.so) is not installed, so MIDI recording and the conversion of text files to MIDI are switched off. The plug-in is built and installed together with Kalvo: installing Kalvo again brings it back</source>
        <translation>Le module MIDI (kvmidi.so) n&apos;est pas installé : l&apos;enregistrement MIDI et la conversion des fichiers texte en MIDI sont désactivés. Le module est compilé et installé avec Kalvo : réinstaller Kalvo le rétablit</translation>
    </message>
    <message>
        <source>Cannot convert the text file to MIDI</source>
        <translation>Impossible de convertir le fichier texte en MIDI</translation>
    </message>
    <message>
        <source>Cannot create MIDI file</source>
        <translation>Impossible de créer le fichier MIDI</translation>
    </message>
    <message>
        <source>Error closing MIDI file; please report this message</source>
        <translation>Erreur à la fermeture du fichier MIDI ; veuillez signaler ce message</translation>
    </message>
    <message>
        <source>Cannot add MIDI event to midi file</source>
        <translation>Impossible d&apos;ajouter un événement MIDI au fichier MIDI</translation>
    </message>
    <message>
        <source>Cannot open the capture device</source>
        <translation>Impossible d&apos;ouvrir le périphérique de capture</translation>
    </message>
    <message>
        <source>The capture device has stopped delivering sound</source>
        <translation>Le périphérique de capture ne fournit plus de son</translation>
    </message>
    <message>
        <source>Cannot copy the picture to the clipboard</source>
        <translation>Impossible de copier l&apos;image dans le presse-papiers</translation>
    </message>
    <message>
        <source>Cannot open the web page</source>
        <translation>Impossible d&apos;ouvrir la page web</translation>
    </message>
    <message>
        <source>The display plug-in (kvdisplay.so) is not installed, so the spectrum cannot be zoomed and always shows 40 to 4000 Hz. The plug-in is built and installed together with Kalvo: installing Kalvo again brings it back</source>
        <translation>Le module d&apos;affichage (kvdisplay.so) n&apos;est pas installé : le spectre ne peut pas être zoomé et montre toujours 40 à 4000 Hz. Le module est compilé et installé avec Kalvo : réinstaller Kalvo le rétablit</translation>
    </message>
    <message>
        <source>Cannot read the program&apos;s version</source>
        <translation>Impossible de lire la version du programme</translation>
    </message>
    <message>
        <source>Not enough memory to complete the operation</source>
        <translation>Mémoire insuffisante pour terminer l&apos;opération</translation>
    </message>
    <message>
        <source>Error in &quot;From&quot; or &quot;To&quot; range value</source>
        <translation>Erreur dans la valeur « De » ou « À » de la plage</translation>
    </message>
    <message>
        <source>Cannot display a spectrum range less than 500Hz</source>
        <translation>Impossible d&apos;afficher une plage de spectre inférieure à 500 Hz</translation>
    </message>
    <message>
        <source>Sound capture has stopped: the sound server went away. No more sound is analysed or recorded; recordings that are on keep what was captured and can be stopped as usual</source>
        <translation>La capture du son s&apos;est arrêtée : le serveur de son a disparu. Plus aucun son n&apos;est analysé ni enregistré ; les enregistrements en cours gardent ce qui a été capturé et peuvent être arrêtés comme d&apos;habitude</translation>
    </message>
</context>
<context>
    <name>Transposition</name>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>+1 Octave</source>
        <translation>+1 octave</translation>
    </message>
    <message>
        <source>-1 Octave</source>
        <translation>-1 octave</translation>
    </message>
    <message>
        <source>B flat instr.</source>
        <translation>Instr. en si♭</translation>
    </message>
    <message>
        <source>B flat instr. +1 octave</source>
        <translation>Instr. si♭ +1 octave</translation>
    </message>
    <message>
        <source>B flat instr. -1 octave</source>
        <translation>Instr. si♭ -1 octave</translation>
    </message>
    <message>
        <source>E flat instr.</source>
        <translation>Instr. en mi♭</translation>
    </message>
    <message>
        <source>E flat instr. +1 octave</source>
        <translation>Instr. mi♭ +1 octave</translation>
    </message>
    <message>
        <source>E flat instr. -1 octave</source>
        <translation>Instr. mi♭ -1 octave</translation>
    </message>
</context>
<context>
    <name>Tuning</name>
    <message>
        <source>Equal temperament</source>
        <translation>Tempérament égal</translation>
    </message>
    <message>
        <source>Pythagorean</source>
        <translation>Pythagoricien</translation>
    </message>
    <message>
        <source>Quarter-comma meantone</source>
        <translation>Mésotonique 1/4 de comma</translation>
    </message>
    <message>
        <source>Sixth-comma meantone</source>
        <translation>Mésotonique 1/6 de comma</translation>
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
        <translation>Intonation juste</translation>
    </message>
    <message>
        <source>Guitar</source>
        <translation>Guitare</translation>
    </message>
    <message>
        <source>Guitar, drop D</source>
        <translation>Guitare, drop D</translation>
    </message>
    <message>
        <source>Guitar, DADGAD</source>
        <translation>Guitare, DADGAD</translation>
    </message>
    <message>
        <source>Guitar, open G</source>
        <translation>Guitare, open G</translation>
    </message>
    <message>
        <source>Guitar, open D</source>
        <translation>Guitare, open D</translation>
    </message>
    <message>
        <source>Guitar, half a step down</source>
        <translation>Guitare, un demi-ton plus bas</translation>
    </message>
    <message>
        <source>Seven-string guitar</source>
        <translation>Guitare à sept cordes</translation>
    </message>
    <message>
        <source>Bass</source>
        <translation>Basse</translation>
    </message>
    <message>
        <source>Five-string bass</source>
        <translation>Basse à cinq cordes</translation>
    </message>
    <message>
        <source>Violin</source>
        <translation>Violon</translation>
    </message>
    <message>
        <source>Viola</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>Cello</source>
        <translation>Violoncelle</translation>
    </message>
    <message>
        <source>Double bass</source>
        <translation>Contrebasse</translation>
    </message>
    <message>
        <source>Ukulele, re-entrant</source>
        <translation>Ukulélé, accord rentrant</translation>
    </message>
    <message>
        <source>Mandolin</source>
        <translation>Mandoline</translation>
    </message>
    <message>
        <source>Banjo, open G</source>
        <translation>Banjo, open G</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Strings %1</source>
        <translation>Cordes %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Scale %1</source>
        <translation>Gamme %1</translation>
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
        <translation>Rectangulaire</translation>
    </message>
    <message>
        <source>Welch</source>
        <translation>Welch</translation>
    </message>
</context>
</TS>
