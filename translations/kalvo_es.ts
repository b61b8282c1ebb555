<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AppSettings</name>
    <message>
        <source>not a settings file: it is not UTF-8 text</source>
        <translation>no es un archivo de configuración: no es texto UTF-8</translation>
    </message>
    <message>
        <source>not a settings file: line %1 is neither a [section] nor a key = value</source>
        <translation>no es un archivo de configuración: la línea %1 no es ni una [sección] ni una clave = valor</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>larger than 1 MB, which no settings file of Kalvo is</source>
        <translation>mayor de 1 MB, y ningún archivo de configuración de Kalvo lo es</translation>
    </message>
    <message>
        <source>not a settings file that can be read</source>
        <translation>no es un archivo de configuración legible</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>the lock %1 could not be taken within a second (another program holds it, or it was left behind and cannot be removed)</source>
        <translation>no se pudo obtener el bloqueo %1 en un segundo (otro programa lo tiene, o quedó abandonado y no se puede eliminar)</translation>
    </message>
    <message>
        <source>the settings could not be written</source>
        <translation>no se pudo escribir la configuración</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About kalvo</source>
        <translation>Acerca de kalvo</translation>
    </message>
    <message>
        <source>Click to visit kalvo website</source>
        <translation>Visitar el sitio de kalvo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>kalvo version 2.3.2.0</source>
        <translation>kalvo versión 2.3.2.0</translation>
    </message>
    <message>
        <source>15 September 2006</source>
        <translation>15 de septiembre de 2006</translation>
    </message>
    <message>
        <source>Copyright (C) the Kalvo project</source>
        <translation>Copyright (C) el proyecto Kalvo</translation>
    </message>
    <message>
        <source>Built with C++ and Qt 6 Widgets;
listens through PulseAudio</source>
        <translation>Hecho con C++ y Qt 6 Widgets;
escucha a través de PulseAudio</translation>
    </message>
</context>
<context>
    <name>CAcknowledgementsDlg</name>
    <message>
        <source>Acknowledgements</source>
        <translation>Agradecimientos</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Thanks to Qt, https://www.qt.io,
to PulseAudio, https://www.freedesktop.org
and to libsndfile,
https://libsndfile.github.io</source>
        <translation>Gracias a Qt, https://www.qt.io,
a PulseAudio, https://www.freedesktop.org
y a libsndfile,
https://libsndfile.github.io</translation>
    </message>
</context>
<context>
    <name>CCaptureDeviceDlg</name>
    <message>
        <source>Select Capture Device</source>
        <translation>Seleccionar dispositivo de captura</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>CCentMeter</name>
    <message>
        <source>Cent meter</source>
        <translation>Medidor de cents</translation>
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
        <translation>Captura</translation>
    </message>
    <message>
        <source>Freeze Spectrum</source>
        <translation>Congelar espectro</translation>
    </message>
    <message>
        <source>Record to MIDI file</source>
        <translation>Grabar en archivo MIDI</translation>
    </message>
    <message>
        <source>Record to WAVE file</source>
        <translation>Grabar en archivo WAVE</translation>
    </message>
    <message>
        <source>Record to text file</source>
        <translation>Grabar en archivo de texto</translation>
    </message>
    <message>
        <source>Snapshot of the window</source>
        <translation>Captura de la ventana</translation>
    </message>
    <message>
        <source>Freeze the displays, or let them run again</source>
        <translation>Congelar las vistas, o dejarlas correr de nuevo</translation>
    </message>
    <message>
        <source>not recording</source>
        <translation>sin grabar</translation>
    </message>
    <message>
        <source>running</source>
        <translation>en marcha</translation>
    </message>
    <message>
        <source>A5 freq</source>
        <translation>Frec. A5</translation>
    </message>
    <message>
        <source>Special</source>
        <translation>Especial</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Note Transposition</source>
        <translation>Transposición de notas</translation>
    </message>
    <message>
        <source>Record selection</source>
        <translation>Grabación</translation>
    </message>
    <message>
        <source>Recording off</source>
        <translation>Sin grabación</translation>
    </message>
    <message>
        <source>Recording to file</source>
        <translation>Grabando en archivo</translation>
    </message>
    <message>
        <source>A recording&apos;s folder was deleted or moved: the recording was saved in %1</source>
        <translation>La carpeta de una grabación se borró o se movió: la grabación se guardó en %1</translation>
    </message>
    <message>
        <source>Stop Recording to Text File</source>
        <translation>Detener grabación en archivo de texto</translation>
    </message>
    <message>
        <source>Record to Text File</source>
        <translation>Grabar en archivo de texto</translation>
    </message>
    <message>
        <source>Stop Recording to Wave File</source>
        <translation>Detener grabación en archivo WAVE</translation>
    </message>
    <message>
        <source>Record to Wave File</source>
        <translation>Grabar en archivo WAVE</translation>
    </message>
    <message>
        <source>Stop Recording to Midi File</source>
        <translation>Detener grabación en archivo MIDI</translation>
    </message>
    <message>
        <source>Record to MIDI File</source>
        <translation>Grabar en archivo MIDI</translation>
    </message>
    <message>
        <source>recording</source>
        <translation>grabando</translation>
    </message>
    <message>
        <source>The working folder %1 cannot be written (%2): recordings go to %3</source>
        <translation>No se puede escribir en la carpeta de trabajo %1 (%2): las grabaciones van a %3</translation>
    </message>
    <message>
        <source>Recording to:</source>
        <translation>Grabando en:</translation>
    </message>
    <message>
        <source>Thaw Spectrum</source>
        <translation>Reanudar espectro</translation>
    </message>
    <message>
        <source>frozen</source>
        <translation>congelado</translation>
    </message>
    <message>
        <source>the MIDI recording %1, which is written only when it stops</source>
        <translation>la grabación MIDI %1, que solo se escribe al detenerla</translation>
    </message>
    <message>
        <source>the end of the text log %1</source>
        <translation>el final del registro de texto %1</translation>
    </message>
    <message>
        <source>the end of the wave file %1</source>
        <translation>el final del archivo WAVE %1</translation>
    </message>
    <message>
        <source>A recording could not be stopped. Exiting now loses %1.
Exit anyway?</source>
        <translation>No se pudo detener una grabación. Salir ahora pierde %1.
¿Salir de todos modos?</translation>
    </message>
    <message>
        <source>Recording off</source>
        <comment>banner picture, 116 pixels wide</comment>
        <translation>Sin grabación</translation>
    </message>
    <message>
        <source>Recording to file</source>
        <comment>banner picture, 116 pixels wide</comment>
        <translation>Grabando</translation>
    </message>
</context>
<context>
    <name>CFftParamsDlg</name>
    <message>
        <source>Please enter a number between 0.0 and 1.0.</source>
        <translation>Introduzca un número entre 0.0 y 1.0.</translation>
    </message>
    <message>
        <source>FFT Parameters</source>
        <translation>Parámetros FFT</translation>
    </message>
    <message>
        <source>FFT size</source>
        <translation>Tamaño FFT</translation>
    </message>
    <message>
        <source>Windowing function</source>
        <translation>Función de ventana</translation>
    </message>
    <message>
        <source>Gaussian alpha</source>
        <translation>Alfa gaussiana</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>CFrequencyDisplay</name>
    <message>
        <source>Frequency display</source>
        <translation>Indicador de frecuencia</translation>
    </message>
</context>
<context>
    <name>CMidiSettingsDlg</name>
    <message>
        <source>Please enter no more than 3 characters.</source>
        <translation>Introduzca como máximo 3 caracteres.</translation>
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
        <translation>Ajustes de la generación MIDI</translation>
    </message>
    <message>
        <source>Settings for MIDI Sequence</source>
        <translation>Ajustes de la secuencia MIDI</translation>
    </message>
    <message>
        <source>Accidentals</source>
        <translation>Alteraciones</translation>
    </message>
    <message>
        <source>Sharp</source>
        <translation>Sost.</translation>
    </message>
    <message>
        <source>Flat</source>
        <translation>Bemol</translation>
    </message>
    <message>
        <source>Major</source>
        <translation>Mayor</translation>
    </message>
    <message>
        <source>Minor</source>
        <translation>Menor</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>Instrumento</translation>
    </message>
    <message>
        <source>Tempo</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Note On MIDI Event Generation</source>
        <translation>Generación de eventos MIDI Note On</translation>
    </message>
    <message>
        <source>Only for Notes Above</source>
        <translation>Notas por encima de</translation>
    </message>
    <message>
        <source>Minimum Pitch Change</source>
        <translation>Cambio mínimo de tono</translation>
    </message>
    <message>
        <source>Minimum dB Value</source>
        <translation>Valor mínimo en dB</translation>
    </message>
    <message>
        <source>Note Pitch</source>
        <translation>Altura de las notas</translation>
    </message>
    <message>
        <source>Keep original note pitch</source>
        <translation>Mantener la altura original</translation>
    </message>
    <message>
        <source>Round pitch to closest note</source>
        <translation>Redondear a nota cercana</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>CNoteArea</name>
    <message>
        <source>Note area</source>
        <translation>Área de nota</translation>
    </message>
    <message>
        <source>held</source>
        <translation>fijo</translation>
    </message>
    <message>
        <source>Out of range</source>
        <translation>Fuera de rango</translation>
    </message>
</context>
<context>
    <name>CReferenceToneDlg</name>
    <message>
        <source>Reference Tone</source>
        <translation>Tono de referencia</translation>
    </message>
    <message>
        <source>Tuning:</source>
        <translation>Afinación:</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Nota:</translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation>Frecuencia:</translation>
    </message>
    <message>
        <source>Sine</source>
        <translation>Senoidal</translation>
    </message>
    <message>
        <source>Soft (with harmonics)</source>
        <translation>Suave (con armónicos)</translation>
    </message>
    <message>
        <source>&amp;Sound:</source>
        <translation>&amp;Sonido:</translation>
    </message>
    <message>
        <source>Volume in percent</source>
        <translation>Volumen en porcentaje</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>&amp;Volumen:</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Reproducir</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>Cannot play the reference tone.</source>
        <translation>No se puede reproducir el tono de referencia.</translation>
    </message>
    <message>
        <source>The sound server stopped the reference tone.</source>
        <translation>El servidor de sonido detuvo el tono de referencia.</translation>
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
        <translation>Introduzca un número entero entre 40 y 4000.</translation>
    </message>
    <message>
        <source>Spectrum View Settings</source>
        <translation>Ajustes de la vista del espectro</translation>
    </message>
    <message>
        <source>Horizontal view</source>
        <translation>Eje horizontal</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Lineal</translation>
    </message>
    <message>
        <source>Logarithmic</source>
        <translation>Logarítmica</translation>
    </message>
    <message>
        <source>Dynamic</source>
        <translation>Dinámica</translation>
    </message>
    <message>
        <source>Displayed Range [Hz]</source>
        <translation>Rango mostrado [Hz]</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>To</source>
        <translation>A</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>CStrobeControl</name>
    <message>
        <source>S&amp;trobe</source>
        <translation>Es&amp;troboscopio</translation>
    </message>
    <message>
        <source>S&amp;pectrum</source>
        <translation>Es&amp;pectro</translation>
    </message>
</context>
<context>
    <name>CStrobeView</name>
    <message>
        <source>Strobe</source>
        <translation>Estroboscopio</translation>
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
        <translation>Kalvo - versión %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Record to &amp;Midi File</source>
        <translation>Grabar en archivo &amp;MIDI</translation>
    </message>
    <message>
        <source>Record to &amp;Wave File</source>
        <translation>Grabar en archivo &amp;WAVE</translation>
    </message>
    <message>
        <source>Record to &amp;Text File</source>
        <translation>Grabar en archivo de &amp;texto</translation>
    </message>
    <message>
        <source>&amp;Convert Text File to MIDI</source>
        <translation>&amp;Convertir archivo de texto a MIDI</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Configuración</translation>
    </message>
    <message>
        <source>&amp;Midi</source>
        <translation>&amp;MIDI</translation>
    </message>
    <message>
        <source>&amp;FFT Parameters</source>
        <translation>Parámetros &amp;FFT</translation>
    </message>
    <message>
        <source>&amp;Spectrum</source>
        <comment>Settings menu</comment>
        <translation>&amp;Espectro</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Captura</translation>
    </message>
    <message>
        <source>to Clipboard</source>
        <translation>al portapapeles</translation>
    </message>
    <message>
        <source>to File</source>
        <translation>a un archivo</translation>
    </message>
    <message>
        <source>&amp;Pitch Method</source>
        <translation>&amp;Detección de la altura</translation>
    </message>
    <message>
        <source>&amp;Dominant Frequency</source>
        <translation>Frecuencia &amp;dominante</translation>
    </message>
    <message>
        <source>Fundamental (&amp;Harmonic Instruments)</source>
        <translation>Fundamental (instrumentos &amp;armónicos)</translation>
    </message>
    <message>
        <source>&amp;Tuning...</source>
        <translation>&amp;Afinación...</translation>
    </message>
    <message>
        <source>Reference Ton&amp;e...</source>
        <translation>Tono de &amp;referencia...</translation>
    </message>
    <message>
        <source>Recording F&amp;older...</source>
        <translation>Carpeta de &amp;grabación...</translation>
    </message>
    <message>
        <source>&amp;Remember Settings</source>
        <translation>Re&amp;cordar la configuración</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Cent Meter &amp;Damping</source>
        <translation>&amp;Amortiguar el medidor de cents</translation>
    </message>
    <message>
        <source>&amp;Refresh Rate</source>
        <translation>Frecuencia de a&amp;ctualización</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alta</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Baja</translation>
    </message>
    <message>
        <source>&amp;Show Sharps in Note Area</source>
        <translation>Mostrar &amp;sostenidos en el área de nota</translation>
    </message>
    <message>
        <source>&amp;Hold Last Reading</source>
        <translation>Mantener la última &amp;lectura</translation>
    </message>
    <message>
        <source>&amp;Freeze Spectrum</source>
        <translation>Congelar &amp;espectro</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>C&amp;olores</translation>
    </message>
    <message>
        <source>&amp;Background</source>
        <translation>&amp;Fondo</translation>
    </message>
    <message>
        <source>&amp;Spectrum</source>
        <comment>Colors menu: the curve</comment>
        <translation>&amp;Espectro</translation>
    </message>
    <message>
        <source>Spectrum &amp;Area</source>
        <translation>Área del es&amp;pectro</translation>
    </message>
    <message>
        <source>&amp;Default Colors</source>
        <translation>Colores p&amp;or defecto</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Acerca &amp;de</translation>
    </message>
    <message>
        <source>About Kalvo...</source>
        <translation>Acerca de Kalvo...</translation>
    </message>
    <message>
        <source>Acknowledgements</source>
        <translation>Agradecimientos</translation>
    </message>
    <message>
        <source>Start with --demo to try the tuner without a sound card</source>
        <translation>Inicie con --demo para probar el afinador sin tarjeta de sonido</translation>
    </message>
    <message>
        <source>MIDI file written: %1</source>
        <translation>Archivo MIDI escrito: %1</translation>
    </message>
    <message>
        <source>Show flats in note area</source>
        <translation>Mostrar bemoles en el área de nota</translation>
    </message>
    <message>
        <source>Show sharps in note area</source>
        <translation>Mostrar sostenidos en el área de nota</translation>
    </message>
    <message>
        <source>Cannot read the remembered settings in %1 (%2). This run starts with the default settings and leaves the file as it is.</source>
        <translation>No se puede leer la configuración recordada en %1 (%2). Esta sesión empieza con la configuración predeterminada y deja el archivo como está.</translation>
    </message>
    <message>
        <source>Cannot save the settings in %1 (%2); the file stays as it was.</source>
        <translation>No se puede guardar la configuración en %1 (%2); el archivo queda como estaba.</translation>
    </message>
    <message>
        <source>Cannot remove the remembered settings %1.</source>
        <translation>No se puede eliminar la configuración recordada %1.</translation>
    </message>
    <message>
        <source>Recording Folder</source>
        <translation>Carpeta de grabación</translation>
    </message>
    <message>
        <source>Cannot write to the folder %1 (%2): recordings stay where they were</source>
        <translation>No se puede escribir en la carpeta %1 (%2): las grabaciones siguen donde estaban</translation>
    </message>
</context>
<context>
    <name>CTuningControl</name>
    <message>
        <source>Tuning</source>
        <translation>Afinación</translation>
    </message>
</context>
<context>
    <name>CTuningDlg</name>
    <message>
        <source>Tuning</source>
        <translation>Afinación</translation>
    </message>
    <message>
        <source>on</source>
        <translation>en</translation>
    </message>
    <message>
        <source>&amp;Temperament:</source>
        <translation>&amp;Temperamento:</translation>
    </message>
    <message>
        <source>Offsets from equal temperament in cents</source>
        <translation>Desviaciones del temperamento igual en cents</translation>
    </message>
    <message>
        <source>Cents:</source>
        <translation>Cents:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar...</translation>
    </message>
    <message>
        <source>Scala &amp;scale:</source>
        <translation>Escala &amp;Scala:</translation>
    </message>
    <message>
        <source>Scala scales (*.scl);;All files (*)</source>
        <translation>Escalas Scala (*.scl);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>&amp;Keyboard map:</source>
        <translation>&amp;Mapa de teclado:</translation>
    </message>
    <message>
        <source>Scala keyboard maps (*.kbm);;All files (*)</source>
        <translation>Mapas de teclado Scala (*.kbm);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Notes of my own</source>
        <translation>Notas propias</translation>
    </message>
    <message>
        <source>St&amp;rings:</source>
        <translation>C&amp;uerdas:</translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation>&amp;Notas:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
</context>
<context>
    <name>LogToMidi</name>
    <message>
        <source>Converting to midi file...</source>
        <translation>Convirtiendo a archivo MIDI...</translation>
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
        <translation>Acercar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Alejar</translation>
    </message>
</context>
<context>
    <name>MidiInstrument</name>
    <message>
        <source>Acoustic Grand Piano</source>
        <translation>Piano de cola acústico</translation>
    </message>
    <message>
        <source>Bright Piano</source>
        <translation>Piano brillante</translation>
    </message>
    <message>
        <source>Electric Grand Piano</source>
        <translation>Piano de cola eléctrico</translation>
    </message>
    <message>
        <source>Honky-Tonk Piano</source>
        <translation>Piano honky-tonk</translation>
    </message>
    <message>
        <source>Electric piano 1 </source>
        <translation>Piano eléctrico 1</translation>
    </message>
    <message>
        <source>Electric Piano 2</source>
        <translation>Piano eléctrico 2</translation>
    </message>
    <message>
        <source>Harpsichord </source>
        <translation>Clave</translation>
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
        <translation>Caja de música</translation>
    </message>
    <message>
        <source>Vibraphone </source>
        <translation>Vibráfono</translation>
    </message>
    <message>
        <source>Marimba </source>
        <translation>Marimba</translation>
    </message>
    <message>
        <source>Xylophone</source>
        <translation>Xilófono</translation>
    </message>
    <message>
        <source>Tubular bells</source>
        <translation>Campanas tubulares</translation>
    </message>
    <message>
        <source>Dulcimer</source>
        <translation>Dulcémele</translation>
    </message>
    <message>
        <source>Drawbar Organ</source>
        <translation>Órgano de tiradores</translation>
    </message>
    <message>
        <source>Percussive Organ</source>
        <translation>Órgano percusivo</translation>
    </message>
    <message>
        <source>Rock Organ </source>
        <translation>Órgano de rock</translation>
    </message>
    <message>
        <source>Church Organ</source>
        <translation>Órgano de iglesia</translation>
    </message>
    <message>
        <source>Reed Organ </source>
        <translation>Armonio</translation>
    </message>
    <message>
        <source>Accordion </source>
        <translation>Acordeón</translation>
    </message>
    <message>
        <source>Harmonica</source>
        <translation>Armónica</translation>
    </message>
    <message>
        <source>Tango Accordion</source>
        <translation>Bandoneón</translation>
    </message>
    <message>
        <source>Nylon String Guitar</source>
        <translation>Guitarra clásica (nailon)</translation>
    </message>
    <message>
        <source>Steel String Guitar</source>
        <translation>Guitarra acústica (acero)</translation>
    </message>
    <message>
        <source>Jazz Guitar</source>
        <translation>Guitarra de jazz</translation>
    </message>
    <message>
        <source>Clean Electric Guitar</source>
        <translation>Guitarra eléctrica limpia</translation>
    </message>
    <message>
        <source>Muted Electric Guitar</source>
        <translation>Guitarra eléctrica apagada</translation>
    </message>
    <message>
        <source>Overdrive Guitar</source>
        <translation>Guitarra con overdrive</translation>
    </message>
    <message>
        <source>Distortion Guitar</source>
        <translation>Guitarra distorsionada</translation>
    </message>
    <message>
        <source>Guitar Harmonics</source>
        <translation>Armónicos de guitarra</translation>
    </message>
    <message>
        <source>Accoustic Bass</source>
        <translation>Bajo acústico</translation>
    </message>
    <message>
        <source>Fingered Bass</source>
        <translation>Bajo eléctrico (dedos)</translation>
    </message>
    <message>
        <source>Picked Bass</source>
        <translation>Bajo eléctrico (púa)</translation>
    </message>
    <message>
        <source>Fretless Bass</source>
        <translation>Bajo sin trastes</translation>
    </message>
    <message>
        <source>Slap Bass 1</source>
        <translation>Bajo slap 1</translation>
    </message>
    <message>
        <source>Slap Bass 2</source>
        <translation>Bajo slap 2</translation>
    </message>
    <message>
        <source>Synth Bass 1</source>
        <translation>Bajo sintetizado 1</translation>
    </message>
    <message>
        <source>Synth Bass 2</source>
        <translation>Bajo sintetizado 2</translation>
    </message>
    <message>
        <source>Violin </source>
        <translation>Violín</translation>
    </message>
    <message>
        <source>Viola</source>
        <translation>Viola</translation>
    </message>
    <message>
        <source>Cello</source>
        <translation>Violonchelo</translation>
    </message>
    <message>
        <source>Contrabass </source>
        <translation>Contrabajo</translation>
    </message>
    <message>
        <source>Tremolo Strings</source>
        <translation>Cuerdas en trémolo</translation>
    </message>
    <message>
        <source>Pizzicato Strings</source>
        <translation>Cuerdas en pizzicato</translation>
    </message>
    <message>
        <source>Orchestral Harp</source>
        <translation>Arpa</translation>
    </message>
    <message>
        <source>Timpani </source>
        <translation>Timbales</translation>
    </message>
    <message>
        <source>String Ensemble 1 </source>
        <translation>Conjunto de cuerdas 1</translation>
    </message>
    <message>
        <source>String Ensemble 2</source>
        <translation>Conjunto de cuerdas 2</translation>
    </message>
    <message>
        <source>Synth Strings 1 </source>
        <translation>Cuerdas sintetizadas 1</translation>
    </message>
    <message>
        <source>Synth Strings 2</source>
        <translation>Cuerdas sintetizadas 2</translation>
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
        <translation>Voz sintetizada</translation>
    </message>
    <message>
        <source>Orchestral Hit </source>
        <translation>Golpe de orquesta</translation>
    </message>
    <message>
        <source>Trumpet </source>
        <translation>Trompeta</translation>
    </message>
    <message>
        <source>Trombone </source>
        <translation>Trombón</translation>
    </message>
    <message>
        <source>Tuba</source>
        <translation>Tuba</translation>
    </message>
    <message>
        <source>Muted Trumpet</source>
        <translation>Trompeta con sordina</translation>
    </message>
    <message>
        <source>French Horn</source>
        <translation>Trompa</translation>
    </message>
    <message>
        <source>Brass Section </source>
        <translation>Sección de metales</translation>
    </message>
    <message>
        <source>Synth Brass 1 </source>
        <translation>Metales sintetizados 1</translation>
    </message>
    <message>
        <source>Synth Brass 2</source>
        <translation>Metales sintetizados 2</translation>
    </message>
    <message>
        <source>Soprano Sax</source>
        <translation>Saxofón soprano</translation>
    </message>
    <message>
        <source>Alto Sax</source>
        <translation>Saxofón alto</translation>
    </message>
    <message>
        <source>Tenor Sax</source>
        <translation>Saxofón tenor</translation>
    </message>
    <message>
        <source>Baritone Sax</source>
        <translation>Saxofón barítono</translation>
    </message>
    <message>
        <source>Oboe</source>
        <translation>Oboe</translation>
    </message>
    <message>
        <source>English Horn </source>
        <translation>Corno inglés</translation>
    </message>
    <message>
        <source>Bassoon</source>
        <translation>Fagot</translation>
    </message>
    <message>
        <source>Clarinet </source>
        <translation>Clarinete</translation>
    </message>
    <message>
        <source>Piccolo </source>
        <translation>Flautín</translation>
    </message>
    <message>
        <source>Flute </source>
        <translation>Flauta</translation>
    </message>
    <message>
        <source>Recorder </source>
        <translation>Flauta dulce</translation>
    </message>
    <message>
        <source>Pan flute</source>
        <translation>Flauta de pan</translation>
    </message>
    <message>
        <source>Blown Bottle </source>
        <translation>Botella soplada</translation>
    </message>
    <message>
        <source>Shakuhachi</source>
        <translation>Shakuhachi</translation>
    </message>
    <message>
        <source>Whistle </source>
        <translation>Silbido</translation>
    </message>
    <message>
        <source>Ocarina </source>
        <translation>Ocarina</translation>
    </message>
    <message>
        <source>Square Wave</source>
        <translation>Onda cuadrada</translation>
    </message>
    <message>
        <source>Sawtooth Wave</source>
        <translation>Onda de sierra</translation>
    </message>
    <message>
        <source>Calliope</source>
        <translation>Calíope</translation>
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
        <translation>Voz</translation>
    </message>
    <message>
        <source>Fifths</source>
        <translation>Quintas</translation>
    </message>
    <message>
        <source>Bass &amp; Lead</source>
        <translation>Bajo y solista</translation>
    </message>
    <message>
        <source>New Age</source>
        <translation>New Age</translation>
    </message>
    <message>
        <source>Warm</source>
        <translation>Cálido</translation>
    </message>
    <message>
        <source>PolySynth</source>
        <translation>Polisintetizador</translation>
    </message>
    <message>
        <source>Choir </source>
        <translation>Coro</translation>
    </message>
    <message>
        <source>Bowed </source>
        <translation>Arco</translation>
    </message>
    <message>
        <source>Metallic </source>
        <translation>Metálico</translation>
    </message>
    <message>
        <source>Halo</source>
        <translation>Halo</translation>
    </message>
    <message>
        <source>Sweep </source>
        <translation>Barrido</translation>
    </message>
    <message>
        <source>FX Rain</source>
        <translation>FX lluvia</translation>
    </message>
    <message>
        <source>FX Soundtrack </source>
        <translation>FX banda sonora</translation>
    </message>
    <message>
        <source>FX Crystal</source>
        <translation>FX cristal</translation>
    </message>
    <message>
        <source>FX Atmosphere </source>
        <translation>FX atmósfera</translation>
    </message>
    <message>
        <source>FX Brightness</source>
        <translation>FX brillo</translation>
    </message>
    <message>
        <source>FX Goblins </source>
        <translation>FX duendes</translation>
    </message>
    <message>
        <source>FX Echo Drops</source>
        <translation>FX gotas de eco</translation>
    </message>
    <message>
        <source>FX Star Theme</source>
        <translation>FX tema estelar</translation>
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
        <translation>Gaita</translation>
    </message>
    <message>
        <source>Fiddle </source>
        <translation>Violín folk</translation>
    </message>
    <message>
        <source>Shanai </source>
        <translation>Shanai</translation>
    </message>
    <message>
        <source>Tinkle bell </source>
        <translation>Campanilla</translation>
    </message>
    <message>
        <source>Agogo </source>
        <translation>Agogó</translation>
    </message>
    <message>
        <source>Steel Drums</source>
        <translation>Tambores de acero</translation>
    </message>
    <message>
        <source>Woodblock</source>
        <translation>Caja china</translation>
    </message>
    <message>
        <source>Taiko Drum</source>
        <translation>Taiko</translation>
    </message>
    <message>
        <source>Melodic Tom</source>
        <translation>Tom melódico</translation>
    </message>
    <message>
        <source>Synth Drum </source>
        <translation>Tambor sintetizado</translation>
    </message>
    <message>
        <source>Reverse Cymbal</source>
        <translation>Platillo invertido</translation>
    </message>
    <message>
        <source>Guitar Fret Noise </source>
        <translation>Ruido de trastes</translation>
    </message>
    <message>
        <source>Breath Noise</source>
        <translation>Ruido de respiración</translation>
    </message>
    <message>
        <source>Seashore</source>
        <translation>Orilla del mar</translation>
    </message>
    <message>
        <source>Bird Tweet</source>
        <translation>Canto de pájaro</translation>
    </message>
    <message>
        <source>Telephone Ring </source>
        <translation>Timbre de teléfono</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation>Helicóptero</translation>
    </message>
    <message>
        <source>Applause</source>
        <translation>Aplausos</translation>
    </message>
    <message>
        <source>Gunshot</source>
        <translation>Disparo</translation>
    </message>
</context>
<context>
    <name>NoteNamesMenu</name>
    <message>
        <source>Note &amp;Names</source>
        <translation>&amp;Nombres de las notas</translation>
    </message>
    <message>
        <source>&amp;English (C D E F G A B)</source>
        <translation>&amp;Inglés (C D E F G A B)</translation>
    </message>
    <message>
        <source>&amp;German (C D E F G A H)</source>
        <translation>&amp;Alemán (C D E F G A H)</translation>
    </message>
    <message>
        <source>&amp;Solfege (Do Re Mi Fa Sol La Si)</source>
        <translation>&amp;Solfeo (Do Re Mi Fa Sol La Si)</translation>
    </message>
</context>
<context>
    <name>RecordingProblem</name>
    <message>
        <source>unknown error</source>
        <translation>error desconocido</translation>
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
        <translation>%1; lo grabado se ha perdido: no se pudo guardar en %2</translation>
    </message>
    <message>
        <source>%1; it could not be saved in %2</source>
        <translation>%1; no se pudo guardar en %2</translation>
    </message>
    <message>
        <source>%1; what was recorded is now in %2, and the recording goes on there</source>
        <translation>%1; lo grabado está ahora en %2, y la grabación continúa allí</translation>
    </message>
    <message>
        <source>%1; the recording was saved to %2</source>
        <translation>%1; la grabación se guardó en %2</translation>
    </message>
</context>
<context>
    <name>SpokenReading</name>
    <message>
        <source>, held</source>
        <translation>, retenido</translation>
    </message>
    <message>
        <source>no input signal</source>
        <translation>sin señal de entrada</translation>
    </message>
    <message>
        <source>%1 sharp %2</source>
        <translation>%1 sostenido %2</translation>
    </message>
    <message>
        <source>%1 flat %2</source>
        <translation>%1 bemol %2</translation>
    </message>
    <message>
        <source>in tune</source>
        <translation>afinado</translation>
    </message>
    <message>
        <source>%1 cent sharp</source>
        <translation>%1 cent por encima</translation>
    </message>
    <message>
        <source>%1 cents sharp</source>
        <translation>%1 cents por encima</translation>
    </message>
    <message>
        <source>%1 cent flat</source>
        <translation>%1 cent por debajo</translation>
    </message>
    <message>
        <source>%1 cents flat</source>
        <translation>%1 cents por debajo</translation>
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
        <translation>&amp;Acerca de kalvo...</translation>
    </message>
    <message>
        <source>This program requires Windows 2000 or later to run</source>
        <translation>Este programa requiere Windows 2000 o posterior</translation>
    </message>
    <message>
        <source>Please report error number %d during program inizialization</source>
        <translation>Informe del error número %d durante la inicialización del programa</translation>
    </message>
    <message>
        <source>Please report error number %d during program inizialization. Program will anyway run but MIDI features will not work</source>
        <translation>Informe del error número %d durante la inicialización del programa. El programa funcionará de todos modos, pero las funciones MIDI no funcionarán</translation>
    </message>
    <message>
        <source>Cannot retrieve current font attributes; default values are supplied</source>
        <translation>No se pueden obtener los atributos de la fuente actual; se usan valores predeterminados</translation>
    </message>
    <message>
        <source>Clef bitmap cannot be displayed</source>
        <translation>No se puede mostrar la imagen de la clave</translation>
    </message>
    <message>
        <source>Please report error number %d during program inizialization. Program will anyway run but some display features will not work</source>
        <translation>Informe del error número %d durante la inicialización del programa. El programa funcionará de todos modos, pero algunas funciones de visualización no funcionarán</translation>
    </message>
    <message>
        <source>Cannot load clef bitmap</source>
        <translation>No se puede cargar la imagen de la clave</translation>
    </message>
    <message>
        <source>The installed MIDI plug-in is made for a newer version of Kalvo and cannot work with this one. MIDI features will not work</source>
        <translation>El complemento MIDI instalado está hecho para una versión más reciente de Kalvo y no puede funcionar con esta. Las funciones MIDI no funcionarán</translation>
    </message>
    <message>
        <source>The installed MIDI plug-in is wrong or corrupted. MIDI features will not work</source>
        <translation>El complemento MIDI instalado es incorrecto o está dañado. Las funciones MIDI no funcionarán</translation>
    </message>
    <message>
        <source>The installed display plug-in is made for a newer version of Kalvo and cannot work with this one. Some display features will not work</source>
        <translation>El complemento de visualización instalado está hecho para una versión más reciente de Kalvo y no puede funcionar con esta. Algunas funciones de visualización no funcionarán</translation>
    </message>
    <message>
        <source>The installed display plug-in is wrong or corrupted. Some display features will not work</source>
        <translation>El complemento de visualización instalado es incorrecto o está dañado. Algunas funciones de visualización no funcionarán</translation>
    </message>
    <message>
        <source>Cannot create a window of the display</source>
        <translation>No se puede crear una ventana de la visualización</translation>
    </message>
    <message>
        <source>Invalid parameter for FFT computation; spectrum can not be computated</source>
        <translation>Parámetro no válido para el cálculo de la FFT; no se puede calcular el espectro</translation>
    </message>
    <message>
        <source>This program requires DirectX 8.0 or later installed</source>
        <translation>Este programa requiere DirectX 8.0 o posterior instalado</translation>
    </message>
    <message>
        <source>Cannot initialize COM</source>
        <translation>No se puede inicializar COM</translation>
    </message>
    <message>
        <source>Cannot create direct sound capture object</source>
        <translation>No se puede crear el objeto de captura DirectSound</translation>
    </message>
    <message>
        <source>Cannot create capture buffer</source>
        <translation>No se puede crear el búfer de captura</translation>
    </message>
    <message>
        <source>Cannot start capturing sound</source>
        <translation>No se puede iniciar la captura de sonido</translation>
    </message>
    <message>
        <source>Another instance of Kalvo is already running</source>
        <translation>Ya se está ejecutando otra instancia de Kalvo</translation>
    </message>
    <message>
        <source>DirectX - Resource already alllocated by another application</source>
        <translation>DirectX - Recurso ya asignado a otra aplicación</translation>
    </message>
    <message>
        <source>DirectX - Invalid parameter specified</source>
        <translation>DirectX - Parámetro especificado no válido</translation>
    </message>
    <message>
        <source>DirectX - Object does not support aggregation</source>
        <translation>DirectX - El objeto no admite agregación</translation>
    </message>
    <message>
        <source>DirectX - No sound driver available</source>
        <translation>DirectX - No hay controlador de sonido disponible</translation>
    </message>
    <message>
        <source>DirectX - The specified wave format is not supported</source>
        <translation>DirectX - El formato wave especificado no es compatible</translation>
    </message>
    <message>
        <source>DirectX - DirectSound undetermined error</source>
        <translation>DirectX - Error indeterminado de DirectSound</translation>
    </message>
    <message>
        <source>DirectX - DirectSound has not been initialized</source>
        <translation>DirectX - DirectSound no se ha inicializado</translation>
    </message>
    <message>
        <source>DirectX - Not enough memory to complete operation</source>
        <translation>DirectX - No hay memoria suficiente para completar la operación</translation>
    </message>
    <message>
        <source>Cannot create a logfile</source>
        <translation>No se puede crear un archivo de registro</translation>
    </message>
    <message>
        <source>Error closing logfile; please report this message</source>
        <translation>Error al cerrar el archivo de registro; informe de este mensaje</translation>
    </message>
    <message>
        <source>Cannot add an entry to logfile</source>
        <translation>No se puede añadir una entrada al archivo de registro</translation>
    </message>
    <message>
        <source>Recording must be stopped before exiting Kalvo</source>
        <translation>Hay que detener la grabación antes de salir de Kalvo</translation>
    </message>
    <message>
        <source>Cannot create a wave file</source>
        <translation>No se puede crear un archivo WAVE</translation>
    </message>
    <message>
        <source>Error closing wave file; please report this message</source>
        <translation>Error al cerrar el archivo WAVE; informe de este mensaje</translation>
    </message>
    <message>
        <source>Cannot write to wave file</source>
        <translation>No se puede escribir en el archivo WAVE</translation>
    </message>
    <message>
        <source>Hardware does not support requested timer resolution
</source>
        <translation>El hardware no admite la resolución de temporizador solicitada
</translation>
    </message>
    <message>
        <source>Cannot open log file</source>
        <translation>No se puede abrir el archivo de registro</translation>
    </message>
    <message>
        <source>The MIDI plug-in (kvmidi.so) is not installed, so MIDI recording and the conversion of text files to MIDI are switched off. The plug-in is built and installed together with Kalvo: installing Kalvo again brings it back</source>
        <translation>El complemento MIDI (kvmidi.so) no está instalado, así que la grabación MIDI y la conversión de archivos de texto a MIDI están desactivadas. El complemento se compila e instala junto con Kalvo: al reinstalar Kalvo vuelve</translation>
    </message>
    <message>
        <source>Cannot convert the text file to MIDI</source>
        <translation>No se puede convertir el archivo de texto a MIDI</translation>
    </message>
    <message>
        <source>Cannot create MIDI file</source>
        <translation>No se puede crear el archivo MIDI</translation>
    </message>
    <message>
        <source>Error closing MIDI file; please report this message</source>
        <translation>Error al cerrar el archivo MIDI; informe de este mensaje</translation>
    </message>
    <message>
        <source>Cannot add MIDI event to midi file</source>
        <translation>No se puede añadir un evento MIDI al archivo MIDI</translation>
    </message>
    <message>
        <source>Cannot open the capture device</source>
        <translation>No se puede abrir el dispositivo de captura</translation>
    </message>
    <message>
        <source>The capture device has stopped delivering sound</source>
        <translation>El dispositivo de captura ha dejado de entregar sonido</translation>
    </message>
    <message>
        <source>Cannot copy the picture to the clipboard</source>
        <translation>No se puede copiar la imagen al portapapeles</translation>
    </message>
    <message>
        <source>Cannot open the web page</source>
        <translation>No se puede abrir la página web</translation>
    </message>
    <message>
        <source>The display plug-in (kvdisplay.so) is not installed, so the spectrum cannot be zoomed and always shows 40 to 4000 Hz. The plug-in is built and installed together with Kalvo: installing Kalvo again brings it back</source>
        <translation>El complemento de visualización (kvdisplay.so) no está instalado, así que el espectro no se puede ampliar y siempre muestra de 40 a 4000 Hz. El complemento se compila e instala junto con Kalvo: al reinstalar Kalvo vuelve</translation>
    </message>
    <message>
        <source>Cannot read the program&apos;s version</source>
        <translation>No se puede leer la versión del programa</translation>
    </message>
    <message>
        <source>Not enough memory to complete the operation</source>
        <translation>No hay memoria suficiente para completar la operación</translation>
    </message>
    <message>
        <source>Error in &quot;From&quot; or &quot;To&quot; range value</source>
        <translation>Error en el valor «De» o «A» del rango</translation>
    </message>
    <message>
        <source>Cannot display a spectrum range less than 500Hz</source>
        <translation>No se puede mostrar un rango de espectro menor de 500 Hz</translation>
    </message>
    <message>
        <source>Sound capture has stopped: the sound server went away. No more sound is analysed or recorded; recordings that are on keep what was captured and can be stopped as usual</source>
        <translation>La captura de sonido se ha detenido: el servidor de sonido desapareció. Ya no se analiza ni se graba sonido; las grabaciones activas conservan lo capturado y se pueden detener como siempre</translation>
    </message>
</context>
<context>
    <name>Transposition</name>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>+1 Octave</source>
        <translation>+1 octava</translation>
    </message>
    <message>
        <source>-1 Octave</source>
        <translation>-1 octava</translation>
    </message>
    <message>
        <source>B flat instr.</source>
        <translation>Instr. en si♭</translation>
    </message>
    <message>
        <source>B flat instr. +1 octave</source>
        <translation>Instr. si♭ +1 octava</translation>
    </message>
    <message>
        <source>B flat instr. -1 octave</source>
        <translation>Instr. si♭ -1 octava</translation>
    </message>
    <message>
        <source>E flat instr.</source>
        <translation>Instr. en mi♭</translation>
    </message>
    <message>
        <source>E flat instr. +1 octave</source>
        <translation>Instr. mi♭ +1 octava</translation>
    </message>
    <message>
        <source>E flat instr. -1 octave</source>
        <translation>Instr. mi♭ -1 octava</translation>
    </message>
</context>
<context>
    <name>Tuning</name>
    <message>
        <source>Equal temperament</source>
        <translation>Temperamento igual</translation>
    </message>
    <message>
        <source>Pythagorean</source>
        <translation>Pitagórico</translation>
    </message>
    <message>
        <source>Quarter-comma meantone</source>
        <translation>Mesotónico de 1/4 de coma</translation>
    </message>
    <message>
        <source>Sixth-comma meantone</source>
        <translation>Mesotónico de 1/6 de coma</translation>
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
        <translation>Entonación justa</translation>
    </message>
    <message>
        <source>Guitar</source>
        <translation>Guitarra</translation>
    </message>
    <message>
        <source>Guitar, drop D</source>
        <translation>Guitarra, drop D</translation>
    </message>
    <message>
        <source>Guitar, DADGAD</source>
        <translation>Guitarra, DADGAD</translation>
    </message>
    <message>
        <source>Guitar, open G</source>
        <translation>Guitarra, afinación abierta de sol</translation>
    </message>
    <message>
        <source>Guitar, open D</source>
        <translation>Guitarra, afinación abierta de re</translation>
    </message>
    <message>
        <source>Guitar, half a step down</source>
        <translation>Guitarra, medio tono abajo</translation>
    </message>
    <message>
        <source>Seven-string guitar</source>
        <translation>Guitarra de siete cuerdas</translation>
    </message>
    <message>
        <source>Bass</source>
        <translation>Bajo</translation>
    </message>
    <message>
        <source>Five-string bass</source>
        <translation>Bajo de cinco cuerdas</translation>
    </message>
    <message>
        <source>Violin</source>
        <translation>Violín</translation>
    </message>
    <message>
        <source>Viola</source>
        <translation>Viola</translation>
    </message>
    <message>
        <source>Cello</source>
        <translation>Violonchelo</translation>
    </message>
    <message>
        <source>Double bass</source>
        <translation>Contrabajo</translation>
    </message>
    <message>
        <source>Ukulele, re-entrant</source>
        <translation>Ukelele, afinación reentrante</translation>
    </message>
    <message>
        <source>Mandolin</source>
        <translation>Mandolina</translation>
    </message>
    <message>
        <source>Banjo, open G</source>
        <translation>Banjo, afinación abierta de sol</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>Strings %1</source>
        <translation>Cuerdas %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Scale %1</source>
        <translation>Escala %1</translation>
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
        <translation>Rectangular</translation>
    </message>
    <message>
        <source>Welch</source>
        <translation>Welch</translation>
    </message>
</context>
</TS>
