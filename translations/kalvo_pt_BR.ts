<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AppSettings</name>
    <message>
        <source>not a settings file: it is not UTF-8 text</source>
        <translation>não é um arquivo de configurações: não é texto UTF-8</translation>
    </message>
    <message>
        <source>not a settings file: line %1 is neither a [section] nor a key = value</source>
        <translation>não é um arquivo de configurações: a linha %1 não é nem uma [seção] nem uma chave = valor</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>larger than 1 MB, which no settings file of Kalvo is</source>
        <translation>maior que 1 MB, o que nenhum arquivo de configurações do Kalvo é</translation>
    </message>
    <message>
        <source>not a settings file that can be read</source>
        <translation>não é um arquivo de configurações legível</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>não é possível criar a pasta %1</translation>
    </message>
    <message>
        <source>the lock %1 could not be taken within a second (another program holds it, or it was left behind and cannot be removed)</source>
        <translation>não foi possível obter a trava %1 em um segundo (outro programa a mantém, ou ela ficou para trás e não pode ser removida)</translation>
    </message>
    <message>
        <source>the settings could not be written</source>
        <translation>não foi possível gravar as configurações</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About kalvo</source>
        <translation>Sobre o kalvo</translation>
    </message>
    <message>
        <source>Click to visit kalvo website</source>
        <translation>Visitar o site do kalvo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>kalvo version 2.3.2.0</source>
        <translation>kalvo versão 2.3.2.0</translation>
    </message>
    <message>
        <source>15 September 2006</source>
        <translation>15 de setembro de 2006</translation>
    </message>
    <message>
        <source>Copyright (C) the Kalvo project</source>
        <translation>Copyright (C) o projeto Kalvo</translation>
    </message>
    <message>
        <source>Built with C++ and Qt 6 Widgets;
listens through PulseAudio</source>
        <translation>Feito com C++ e Qt 6 Widgets;
escuta pelo PulseAudio</translation>
    </message>
</context>
<context>
    <name>CAcknowledgementsDlg</name>
    <message>
        <source>Acknowledgements</source>
        <translation>Agradecimentos</translation>
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
        <translation>Obrigado ao Qt, https://www.qt.io,
ao PulseAudio, https://www.freedesktop.org
e à libsndfile,
https://libsndfile.github.io</translation>
    </message>
</context>
<context>
    <name>CCaptureDeviceDlg</name>
    <message>
        <source>Select Capture Device</source>
        <translation>Selecionar dispositivo de captura</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>Gravar em arquivo MIDI</translation>
    </message>
    <message>
        <source>Record to WAVE file</source>
        <translation>Gravar em arquivo WAVE</translation>
    </message>
    <message>
        <source>Record to text file</source>
        <translation>Gravar em arquivo de texto</translation>
    </message>
    <message>
        <source>Snapshot of the window</source>
        <translation>Captura da janela</translation>
    </message>
    <message>
        <source>Freeze the displays, or let them run again</source>
        <translation>Congelar as exibições, ou deixá-las rodar de novo</translation>
    </message>
    <message>
        <source>not recording</source>
        <translation>sem gravar</translation>
    </message>
    <message>
        <source>running</source>
        <translation>rodando</translation>
    </message>
    <message>
        <source>A5 freq</source>
        <translation>Freq. A5</translation>
    </message>
    <message>
        <source>Special</source>
        <translation>Especial</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Note Transposition</source>
        <translation>Transposição de notas</translation>
    </message>
    <message>
        <source>Record selection</source>
        <translation>Gravação</translation>
    </message>
    <message>
        <source>Recording off</source>
        <translation>Sem gravação</translation>
    </message>
    <message>
        <source>Recording to file</source>
        <translation>Gravando em arquivo</translation>
    </message>
    <message>
        <source>A recording&apos;s folder was deleted or moved: the recording was saved in %1</source>
        <translation>A pasta de uma gravação foi apagada ou movida: a gravação foi salva em %1</translation>
    </message>
    <message>
        <source>Stop Recording to Text File</source>
        <translation>Parar gravação em arquivo de texto</translation>
    </message>
    <message>
        <source>Record to Text File</source>
        <translation>Gravar em arquivo de texto</translation>
    </message>
    <message>
        <source>Stop Recording to Wave File</source>
        <translation>Parar gravação em arquivo WAVE</translation>
    </message>
    <message>
        <source>Record to Wave File</source>
        <translation>Gravar em arquivo WAVE</translation>
    </message>
    <message>
        <source>Stop Recording to Midi File</source>
        <translation>Parar gravação em arquivo MIDI</translation>
    </message>
    <message>
        <source>Record to MIDI File</source>
        <translation>Gravar em arquivo MIDI</translation>
    </message>
    <message>
        <source>recording</source>
        <translation>gravando</translation>
    </message>
    <message>
        <source>The working folder %1 cannot be written (%2): recordings go to %3</source>
        <translation>Não é possível gravar na pasta de trabalho %1 (%2): as gravações vão para %3</translation>
    </message>
    <message>
        <source>Recording to:</source>
        <translation>Gravando em:</translation>
    </message>
    <message>
        <source>Thaw Spectrum</source>
        <translation>Liberar espectro</translation>
    </message>
    <message>
        <source>frozen</source>
        <translation>congelado</translation>
    </message>
    <message>
        <source>the MIDI recording %1, which is written only when it stops</source>
        <translation>a gravação MIDI %1, que só é gravada quando para</translation>
    </message>
    <message>
        <source>the end of the text log %1</source>
        <translation>o final do registro em texto %1</translation>
    </message>
    <message>
        <source>the end of the wave file %1</source>
        <translation>o final do arquivo WAVE %1</translation>
    </message>
    <message>
        <source>A recording could not be stopped. Exiting now loses %1.
Exit anyway?</source>
        <translation>Não foi possível parar uma gravação. Sair agora perde %1.
Sair mesmo assim?</translation>
    </message>
    <message>
        <source>Recording off</source>
        <comment>banner picture, 116 pixels wide</comment>
        <translation>Sem gravação</translation>
    </message>
    <message>
        <source>Recording to file</source>
        <comment>banner picture, 116 pixels wide</comment>
        <translation>Gravando</translation>
    </message>
</context>
<context>
    <name>CFftParamsDlg</name>
    <message>
        <source>Please enter a number between 0.0 and 1.0.</source>
        <translation>Digite um número entre 0.0 e 1.0.</translation>
    </message>
    <message>
        <source>FFT Parameters</source>
        <translation>Parâmetros FFT</translation>
    </message>
    <message>
        <source>FFT size</source>
        <translation>Tamanho FFT</translation>
    </message>
    <message>
        <source>Windowing function</source>
        <translation>Função de janela</translation>
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
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>CFrequencyDisplay</name>
    <message>
        <source>Frequency display</source>
        <translation>Indicador de frequência</translation>
    </message>
</context>
<context>
    <name>CMidiSettingsDlg</name>
    <message>
        <source>Please enter no more than 3 characters.</source>
        <translation>Digite no máximo 3 caracteres.</translation>
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
        <translation>Configurações da geração MIDI</translation>
    </message>
    <message>
        <source>Settings for MIDI Sequence</source>
        <translation>Configurações da sequência MIDI</translation>
    </message>
    <message>
        <source>Accidentals</source>
        <translation>Acidentes</translation>
    </message>
    <message>
        <source>Sharp</source>
        <translation>Sust.</translation>
    </message>
    <message>
        <source>Flat</source>
        <translation>Bemol</translation>
    </message>
    <message>
        <source>Major</source>
        <translation>Maior</translation>
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
        <translation>Geração de eventos MIDI Note On</translation>
    </message>
    <message>
        <source>Only for Notes Above</source>
        <translation>Só notas acima de</translation>
    </message>
    <message>
        <source>Minimum Pitch Change</source>
        <translation>Variação mínima</translation>
    </message>
    <message>
        <source>Minimum dB Value</source>
        <translation>Valor mínimo em dB</translation>
    </message>
    <message>
        <source>Note Pitch</source>
        <translation>Altura das notas</translation>
    </message>
    <message>
        <source>Keep original note pitch</source>
        <translation>Manter a altura original</translation>
    </message>
    <message>
        <source>Round pitch to closest note</source>
        <translation>Arredondar à nota próxima</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>Área da nota</translation>
    </message>
    <message>
        <source>held</source>
        <translation>fixo</translation>
    </message>
    <message>
        <source>Out of range</source>
        <translation>Fora da faixa</translation>
    </message>
</context>
<context>
    <name>CReferenceToneDlg</name>
    <message>
        <source>Reference Tone</source>
        <translation>Tom de referência</translation>
    </message>
    <message>
        <source>Tuning:</source>
        <translation>Afinação:</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Nota:</translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation>Frequência:</translation>
    </message>
    <message>
        <source>Sine</source>
        <translation>Senoidal</translation>
    </message>
    <message>
        <source>Soft (with harmonics)</source>
        <translation>Suave (com harmônicos)</translation>
    </message>
    <message>
        <source>&amp;Sound:</source>
        <translation>&amp;Som:</translation>
    </message>
    <message>
        <source>Volume in percent</source>
        <translation>Volume em porcentagem</translation>
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
        <translation>&amp;Tocar</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Parar</translation>
    </message>
    <message>
        <source>Cannot play the reference tone.</source>
        <translation>Não é possível tocar o tom de referência.</translation>
    </message>
    <message>
        <source>The sound server stopped the reference tone.</source>
        <translation>O servidor de som parou o tom de referência.</translation>
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
        <translation>Digite um número inteiro entre 40 e 4000.</translation>
    </message>
    <message>
        <source>Spectrum View Settings</source>
        <translation>Configurações da exibição do espectro</translation>
    </message>
    <message>
        <source>Horizontal view</source>
        <translation>Eixo horizontal</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Linear</translation>
    </message>
    <message>
        <source>Logarithmic</source>
        <translation>Logarítmica</translation>
    </message>
    <message>
        <source>Dynamic</source>
        <translation>Dinâmica</translation>
    </message>
    <message>
        <source>Displayed Range [Hz]</source>
        <translation>Faixa exibida [Hz]</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Até</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>Estro&amp;boscópio</translation>
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
        <translation>Estroboscópio</translation>
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
        <translation>Kalvo - versão %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>Record to &amp;Midi File</source>
        <translation>Gravar em arquivo &amp;MIDI</translation>
    </message>
    <message>
        <source>Record to &amp;Wave File</source>
        <translation>Gravar em arquivo &amp;WAVE</translation>
    </message>
    <message>
        <source>Record to &amp;Text File</source>
        <translation>Gravar em arquivo de &amp;texto</translation>
    </message>
    <message>
        <source>&amp;Convert Text File to MIDI</source>
        <translation>&amp;Converter arquivo de texto em MIDI</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Configurações</translation>
    </message>
    <message>
        <source>&amp;Midi</source>
        <translation>&amp;MIDI</translation>
    </message>
    <message>
        <source>&amp;FFT Parameters</source>
        <translation>Parâmetros &amp;FFT</translation>
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
        <translation>para a área de transferência</translation>
    </message>
    <message>
        <source>to File</source>
        <translation>para arquivo</translation>
    </message>
    <message>
        <source>&amp;Pitch Method</source>
        <translation>&amp;Detecção de altura</translation>
    </message>
    <message>
        <source>&amp;Dominant Frequency</source>
        <translation>Frequência &amp;dominante</translation>
    </message>
    <message>
        <source>Fundamental (&amp;Harmonic Instruments)</source>
        <translation>Fundamental (instrumentos &amp;harmônicos)</translation>
    </message>
    <message>
        <source>&amp;Tuning...</source>
        <translation>&amp;Afinação...</translation>
    </message>
    <message>
        <source>Reference Ton&amp;e...</source>
        <translation>Tom de &amp;referência...</translation>
    </message>
    <message>
        <source>Recording F&amp;older...</source>
        <translation>&amp;Pasta de gravação...</translation>
    </message>
    <message>
        <source>&amp;Remember Settings</source>
        <translation>&amp;Lembrar configurações</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>E&amp;xibir</translation>
    </message>
    <message>
        <source>Cent Meter &amp;Damping</source>
        <translation>&amp;Amortecer o medidor de cents</translation>
    </message>
    <message>
        <source>&amp;Refresh Rate</source>
        <translation>Taxa de a&amp;tualização</translation>
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
        <translation>Baixa</translation>
    </message>
    <message>
        <source>&amp;Show Sharps in Note Area</source>
        <translation>Mostrar &amp;sustenidos na área da nota</translation>
    </message>
    <message>
        <source>&amp;Hold Last Reading</source>
        <translation>Manter a última &amp;leitura</translation>
    </message>
    <message>
        <source>&amp;Freeze Spectrum</source>
        <translation>&amp;Congelar espectro</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>C&amp;ores</translation>
    </message>
    <message>
        <source>&amp;Background</source>
        <translation>&amp;Fundo</translation>
    </message>
    <message>
        <source>&amp;Spectrum</source>
        <comment>Colors menu: the curve</comment>
        <translation>&amp;Espectro</translation>
    </message>
    <message>
        <source>Spectrum &amp;Area</source>
        <translation>Á&amp;rea do espectro</translation>
    </message>
    <message>
        <source>&amp;Default Colors</source>
        <translation>Cores &amp;padrão</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>About Kalvo...</source>
        <translation>Sobre o Kalvo...</translation>
    </message>
    <message>
        <source>Acknowledgements</source>
        <translation>Agradecimentos</translation>
    </message>
    <message>
        <source>Start with --demo to try the tuner without a sound card</source>
        <translation>Inicie com --demo para experimentar o afinador sem placa de som</translation>
    </message>
    <message>
        <source>MIDI file written: %1</source>
        <translation>Arquivo MIDI gravado: %1</translation>
    </message>
    <message>
        <source>Show flats in note area</source>
        <translation>Mostrar bemóis na área da nota</translation>
    </message>
    <message>
        <source>Show sharps in note area</source>
        <translation>Mostrar sustenidos na área da nota</translation>
    </message>
    <message>
        <source>Cannot read the remembered settings in %1 (%2). This run starts with the default settings and leaves the file as it is.</source>
        <translation>Não é possível ler as configurações lembradas em %1 (%2). Esta sessão começa com as configurações padrão e deixa o arquivo como está.</translation>
    </message>
    <message>
        <source>Cannot save the settings in %1 (%2); the file stays as it was.</source>
        <translation>Não é possível salvar as configurações em %1 (%2); o arquivo fica como estava.</translation>
    </message>
    <message>
        <source>Cannot remove the remembered settings %1.</source>
        <translation>Não é possível remover as configurações lembradas %1.</translation>
    </message>
    <message>
        <source>Recording Folder</source>
        <translation>Pasta de gravação</translation>
    </message>
    <message>
        <source>Cannot write to the folder %1 (%2): recordings stay where they were</source>
        <translation>Não é possível gravar na pasta %1 (%2): as gravações ficam onde estavam</translation>
    </message>
</context>
<context>
    <name>CTuningControl</name>
    <message>
        <source>Tuning</source>
        <translation>Afinação</translation>
    </message>
</context>
<context>
    <name>CTuningDlg</name>
    <message>
        <source>Tuning</source>
        <translation>Afinação</translation>
    </message>
    <message>
        <source>on</source>
        <translation>em</translation>
    </message>
    <message>
        <source>&amp;Temperament:</source>
        <translation>&amp;Temperamento:</translation>
    </message>
    <message>
        <source>Offsets from equal temperament in cents</source>
        <translation>Desvios do temperamento igual em cents</translation>
    </message>
    <message>
        <source>Cents:</source>
        <translation>Cents:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Procurar...</translation>
    </message>
    <message>
        <source>Scala &amp;scale:</source>
        <translation>Escala &amp;Scala:</translation>
    </message>
    <message>
        <source>Scala scales (*.scl);;All files (*)</source>
        <translation>Escalas Scala (*.scl);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>&amp;Keyboard map:</source>
        <translation>&amp;Mapa de teclado:</translation>
    </message>
    <message>
        <source>Scala keyboard maps (*.kbm);;All files (*)</source>
        <translation>Mapas de teclado Scala (*.kbm);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhuma</translation>
    </message>
    <message>
        <source>Notes of my own</source>
        <translation>Notas próprias</translation>
    </message>
    <message>
        <source>St&amp;rings:</source>
        <translation>C&amp;ordas:</translation>
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
        <translation>Convertendo para arquivo MIDI...</translation>
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
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Reduzir</translation>
    </message>
</context>
<context>
    <name>MidiInstrument</name>
    <message>
        <source>Acoustic Grand Piano</source>
        <translation>Piano de cauda acústico</translation>
    </message>
    <message>
        <source>Bright Piano</source>
        <translation>Piano brilhante</translation>
    </message>
    <message>
        <source>Electric Grand Piano</source>
        <translation>Piano de cauda elétrico</translation>
    </message>
    <message>
        <source>Honky-Tonk Piano</source>
        <translation>Piano honky-tonk</translation>
    </message>
    <message>
        <source>Electric piano 1 </source>
        <translation>Piano elétrico 1</translation>
    </message>
    <message>
        <source>Electric Piano 2</source>
        <translation>Piano elétrico 2</translation>
    </message>
    <message>
        <source>Harpsichord </source>
        <translation>Cravo</translation>
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
        <translation>Caixa de música</translation>
    </message>
    <message>
        <source>Vibraphone </source>
        <translation>Vibrafone</translation>
    </message>
    <message>
        <source>Marimba </source>
        <translation>Marimba</translation>
    </message>
    <message>
        <source>Xylophone</source>
        <translation>Xilofone</translation>
    </message>
    <message>
        <source>Tubular bells</source>
        <translation>Sinos tubulares</translation>
    </message>
    <message>
        <source>Dulcimer</source>
        <translation>Saltério</translation>
    </message>
    <message>
        <source>Drawbar Organ</source>
        <translation>Órgão de drawbar</translation>
    </message>
    <message>
        <source>Percussive Organ</source>
        <translation>Órgão percussivo</translation>
    </message>
    <message>
        <source>Rock Organ </source>
        <translation>Órgão de rock</translation>
    </message>
    <message>
        <source>Church Organ</source>
        <translation>Órgão de igreja</translation>
    </message>
    <message>
        <source>Reed Organ </source>
        <translation>Harmônio</translation>
    </message>
    <message>
        <source>Accordion </source>
        <translation>Acordeão</translation>
    </message>
    <message>
        <source>Harmonica</source>
        <translation>Gaita</translation>
    </message>
    <message>
        <source>Tango Accordion</source>
        <translation>Bandoneon</translation>
    </message>
    <message>
        <source>Nylon String Guitar</source>
        <translation>Violão de náilon</translation>
    </message>
    <message>
        <source>Steel String Guitar</source>
        <translation>Violão de aço</translation>
    </message>
    <message>
        <source>Jazz Guitar</source>
        <translation>Guitarra de jazz</translation>
    </message>
    <message>
        <source>Clean Electric Guitar</source>
        <translation>Guitarra elétrica limpa</translation>
    </message>
    <message>
        <source>Muted Electric Guitar</source>
        <translation>Guitarra elétrica abafada</translation>
    </message>
    <message>
        <source>Overdrive Guitar</source>
        <translation>Guitarra com overdrive</translation>
    </message>
    <message>
        <source>Distortion Guitar</source>
        <translation>Guitarra com distorção</translation>
    </message>
    <message>
        <source>Guitar Harmonics</source>
        <translation>Harmônicos de guitarra</translation>
    </message>
    <message>
        <source>Accoustic Bass</source>
        <translation>Baixo acústico</translation>
    </message>
    <message>
        <source>Fingered Bass</source>
        <translation>Baixo (dedos)</translation>
    </message>
    <message>
        <source>Picked Bass</source>
        <translation>Baixo (palheta)</translation>
    </message>
    <message>
        <source>Fretless Bass</source>
        <translation>Baixo fretless</translation>
    </message>
    <message>
        <source>Slap Bass 1</source>
        <translation>Baixo slap 1</translation>
    </message>
    <message>
        <source>Slap Bass 2</source>
        <translation>Baixo slap 2</translation>
    </message>
    <message>
        <source>Synth Bass 1</source>
        <translation>Baixo sintetizado 1</translation>
    </message>
    <message>
        <source>Synth Bass 2</source>
        <translation>Baixo sintetizado 2</translation>
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
        <translation>Violoncelo</translation>
    </message>
    <message>
        <source>Contrabass </source>
        <translation>Contrabaixo</translation>
    </message>
    <message>
        <source>Tremolo Strings</source>
        <translation>Cordas em tremolo</translation>
    </message>
    <message>
        <source>Pizzicato Strings</source>
        <translation>Cordas em pizzicato</translation>
    </message>
    <message>
        <source>Orchestral Harp</source>
        <translation>Harpa</translation>
    </message>
    <message>
        <source>Timpani </source>
        <translation>Tímpanos</translation>
    </message>
    <message>
        <source>String Ensemble 1 </source>
        <translation>Conjunto de cordas 1</translation>
    </message>
    <message>
        <source>String Ensemble 2</source>
        <translation>Conjunto de cordas 2</translation>
    </message>
    <message>
        <source>Synth Strings 1 </source>
        <translation>Cordas sintetizadas 1</translation>
    </message>
    <message>
        <source>Synth Strings 2</source>
        <translation>Cordas sintetizadas 2</translation>
    </message>
    <message>
        <source>Choir &quot;ahh&quot; </source>
        <translation>Coro &quot;ah&quot;</translation>
    </message>
    <message>
        <source>Choir &quot;oohh&quot; </source>
        <translation>Coro &quot;oh&quot;</translation>
    </message>
    <message>
        <source>Synth Voice</source>
        <translation>Voz sintetizada</translation>
    </message>
    <message>
        <source>Orchestral Hit </source>
        <translation>Ataque de orquestra</translation>
    </message>
    <message>
        <source>Trumpet </source>
        <translation>Trompete</translation>
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
        <translation>Trompete com surdina</translation>
    </message>
    <message>
        <source>French Horn</source>
        <translation>Trompa</translation>
    </message>
    <message>
        <source>Brass Section </source>
        <translation>Naipe de metais</translation>
    </message>
    <message>
        <source>Synth Brass 1 </source>
        <translation>Metais sintetizados 1</translation>
    </message>
    <message>
        <source>Synth Brass 2</source>
        <translation>Metais sintetizados 2</translation>
    </message>
    <message>
        <source>Soprano Sax</source>
        <translation>Sax soprano</translation>
    </message>
    <message>
        <source>Alto Sax</source>
        <translation>Sax alto</translation>
    </message>
    <message>
        <source>Tenor Sax</source>
        <translation>Sax tenor</translation>
    </message>
    <message>
        <source>Baritone Sax</source>
        <translation>Sax barítono</translation>
    </message>
    <message>
        <source>Oboe</source>
        <translation>Oboé</translation>
    </message>
    <message>
        <source>English Horn </source>
        <translation>Corne inglês</translation>
    </message>
    <message>
        <source>Bassoon</source>
        <translation>Fagote</translation>
    </message>
    <message>
        <source>Clarinet </source>
        <translation>Clarinete</translation>
    </message>
    <message>
        <source>Piccolo </source>
        <translation>Flautim</translation>
    </message>
    <message>
        <source>Flute </source>
        <translation>Flauta</translation>
    </message>
    <message>
        <source>Recorder </source>
        <translation>Flauta doce</translation>
    </message>
    <message>
        <source>Pan flute</source>
        <translation>Flauta de Pã</translation>
    </message>
    <message>
        <source>Blown Bottle </source>
        <translation>Garrafa soprada</translation>
    </message>
    <message>
        <source>Shakuhachi</source>
        <translation>Shakuhachi</translation>
    </message>
    <message>
        <source>Whistle </source>
        <translation>Assobio</translation>
    </message>
    <message>
        <source>Ocarina </source>
        <translation>Ocarina</translation>
    </message>
    <message>
        <source>Square Wave</source>
        <translation>Onda quadrada</translation>
    </message>
    <message>
        <source>Sawtooth Wave</source>
        <translation>Onda dente de serra</translation>
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
        <translation>Baixo e solo</translation>
    </message>
    <message>
        <source>New Age</source>
        <translation>New Age</translation>
    </message>
    <message>
        <source>Warm</source>
        <translation>Quente</translation>
    </message>
    <message>
        <source>PolySynth</source>
        <translation>Polissintetizador</translation>
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
        <translation>Varredura</translation>
    </message>
    <message>
        <source>FX Rain</source>
        <translation>FX chuva</translation>
    </message>
    <message>
        <source>FX Soundtrack </source>
        <translation>FX trilha sonora</translation>
    </message>
    <message>
        <source>FX Crystal</source>
        <translation>FX cristal</translation>
    </message>
    <message>
        <source>FX Atmosphere </source>
        <translation>FX atmosfera</translation>
    </message>
    <message>
        <source>FX Brightness</source>
        <translation>FX brilho</translation>
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
        <translation>Gaita de foles</translation>
    </message>
    <message>
        <source>Fiddle </source>
        <translation>Rabeca</translation>
    </message>
    <message>
        <source>Shanai </source>
        <translation>Shanai</translation>
    </message>
    <message>
        <source>Tinkle bell </source>
        <translation>Sininho</translation>
    </message>
    <message>
        <source>Agogo </source>
        <translation>Agogô</translation>
    </message>
    <message>
        <source>Steel Drums</source>
        <translation>Steel drums</translation>
    </message>
    <message>
        <source>Woodblock</source>
        <translation>Bloco de madeira</translation>
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
        <translation>Prato reverso</translation>
    </message>
    <message>
        <source>Guitar Fret Noise </source>
        <translation>Ruído de trastes</translation>
    </message>
    <message>
        <source>Breath Noise</source>
        <translation>Ruído de respiração</translation>
    </message>
    <message>
        <source>Seashore</source>
        <translation>Beira-mar</translation>
    </message>
    <message>
        <source>Bird Tweet</source>
        <translation>Canto de pássaro</translation>
    </message>
    <message>
        <source>Telephone Ring </source>
        <translation>Toque de telefone</translation>
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
        <translation>Tiro</translation>
    </message>
</context>
<context>
    <name>NoteNamesMenu</name>
    <message>
        <source>Note &amp;Names</source>
        <translation>&amp;Nomes das notas</translation>
    </message>
    <message>
        <source>&amp;English (C D E F G A B)</source>
        <translation>&amp;Inglês (C D E F G A B)</translation>
    </message>
    <message>
        <source>&amp;German (C D E F G A H)</source>
        <translation>&amp;Alemão (C D E F G A H)</translation>
    </message>
    <message>
        <source>&amp;Solfege (Do Re Mi Fa Sol La Si)</source>
        <translation>&amp;Solfejo (Do Re Mi Fa Sol La Si)</translation>
    </message>
</context>
<context>
    <name>RecordingProblem</name>
    <message>
        <source>unknown error</source>
        <translation>erro desconhecido</translation>
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
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1; what was recorded is lost: it could not be saved in %2</source>
        <translation>%1; o que foi gravado se perdeu: não foi possível salvá-lo em %2</translation>
    </message>
    <message>
        <source>%1; it could not be saved in %2</source>
        <translation>%1; não foi possível salvá-lo em %2</translation>
    </message>
    <message>
        <source>%1; what was recorded is now in %2, and the recording goes on there</source>
        <translation>%1; o que foi gravado agora está em %2, e a gravação continua lá</translation>
    </message>
    <message>
        <source>%1; the recording was saved to %2</source>
        <translation>%1; a gravação foi salva em %2</translation>
    </message>
</context>
<context>
    <name>SpokenReading</name>
    <message>
        <source>, held</source>
        <translation>, mantido</translation>
    </message>
    <message>
        <source>no input signal</source>
        <translation>sem sinal de entrada</translation>
    </message>
    <message>
        <source>%1 sharp %2</source>
        <translation>%1 sustenido %2</translation>
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
        <translation>%1 cent acima</translation>
    </message>
    <message>
        <source>%1 cents sharp</source>
        <translation>%1 cents acima</translation>
    </message>
    <message>
        <source>%1 cent flat</source>
        <translation>%1 cent abaixo</translation>
    </message>
    <message>
        <source>%1 cents flat</source>
        <translation>%1 cents abaixo</translation>
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
        <translation>&amp;Sobre o kalvo...</translation>
    </message>
    <message>
        <source>This program requires Windows 2000 or later to run</source>
        <translation>Este programa requer o Windows 2000 ou posterior</translation>
    </message>
    <message>
        <source>Please report error number %d during program inizialization</source>
        <translation>Informe o erro número %d durante a inicialização do programa</translation>
    </message>
    <message>
        <source>Please report error number %d during program inizialization. Program will anyway run but MIDI features will not work</source>
        <translation>Informe o erro número %d durante a inicialização do programa. O programa funcionará mesmo assim, mas os recursos MIDI não vão funcionar</translation>
    </message>
    <message>
        <source>Cannot retrieve current font attributes; default values are supplied</source>
        <translation>Não é possível obter os atributos da fonte atual; são usados valores padrão</translation>
    </message>
    <message>
        <source>Clef bitmap cannot be displayed</source>
        <translation>Não é possível exibir a imagem da clave</translation>
    </message>
    <message>
        <source>Please report error number %d during program inizialization. Program will anyway run but some display features will not work</source>
        <translation>Informe o erro número %d durante a inicialização do programa. O programa funcionará mesmo assim, mas alguns recursos de exibição não vão funcionar</translation>
    </message>
    <message>
        <source>Cannot load clef bitmap</source>
        <translation>Não é possível carregar a imagem da clave</translation>
    </message>
    <message>
        <source>The installed MIDI plug-in is made for a newer version of Kalvo and cannot work with this one. MIDI features will not work</source>
        <translation>O plug-in MIDI instalado foi feito para uma versão mais nova do Kalvo e não funciona com esta. Os recursos MIDI não vão funcionar</translation>
    </message>
    <message>
        <source>The installed MIDI plug-in is wrong or corrupted. MIDI features will not work</source>
        <translation>O plug-in MIDI instalado está errado ou corrompido. Os recursos MIDI não vão funcionar</translation>
    </message>
    <message>
        <source>The installed display plug-in is made for a newer version of Kalvo and cannot work with this one. Some display features will not work</source>
        <translation>O plug-in de exibição instalado foi feito para uma versão mais nova do Kalvo e não funciona com esta. Alguns recursos de exibição não vão funcionar</translation>
    </message>
    <message>
        <source>The installed display plug-in is wrong or corrupted. Some display features will not work</source>
        <translation>O plug-in de exibição instalado está errado ou corrompido. Alguns recursos de exibição não vão funcionar</translation>
    </message>
    <message>
        <source>Cannot create a window of the display</source>
        <translation>Não é possível criar uma janela da exibição</translation>
    </message>
    <message>
        <source>Invalid parameter for FFT computation; spectrum can not be computated</source>
        <translation>Parâmetro inválido para o cálculo da FFT; não é possível calcular o espectro</translation>
    </message>
    <message>
        <source>This program requires DirectX 8.0 or later installed</source>
        <translation>Este programa requer o DirectX 8.0 ou posterior instalado</translation>
    </message>
    <message>
        <source>Cannot initialize COM</source>
        <translation>Não é possível inicializar o COM</translation>
    </message>
    <message>
        <source>Cannot create direct sound capture object</source>
        <translation>Não é possível criar o objeto de captura DirectSound</translation>
    </message>
    <message>
        <source>Cannot create capture buffer</source>
        <translation>Não é possível criar o buffer de captura</translation>
    </message>
    <message>
        <source>Cannot start capturing sound</source>
        <translation>Não é possível iniciar a captura de som</translation>
    </message>
    <message>
        <source>Another instance of Kalvo is already running</source>
        <translation>Outra instância do Kalvo já está em execução</translation>
    </message>
    <message>
        <source>DirectX - Resource already alllocated by another application</source>
        <translation>DirectX - Recurso já alocado por outro aplicativo</translation>
    </message>
    <message>
        <source>DirectX - Invalid parameter specified</source>
        <translation>DirectX - Parâmetro especificado inválido</translation>
    </message>
    <message>
        <source>DirectX - Object does not support aggregation</source>
        <translation>DirectX - O objeto não oferece suporte a agregação</translation>
    </message>
    <message>
        <source>DirectX - No sound driver available</source>
        <translation>DirectX - Nenhum driver de som disponível</translation>
    </message>
    <message>
        <source>DirectX - The specified wave format is not supported</source>
        <translation>DirectX - O formato wave especificado não é suportado</translation>
    </message>
    <message>
        <source>DirectX - DirectSound undetermined error</source>
        <translation>DirectX - Erro indeterminado do DirectSound</translation>
    </message>
    <message>
        <source>DirectX - DirectSound has not been initialized</source>
        <translation>DirectX - O DirectSound não foi inicializado</translation>
    </message>
    <message>
        <source>DirectX - Not enough memory to complete operation</source>
        <translation>DirectX - Memória insuficiente para concluir a operação</translation>
    </message>
    <message>
        <source>Cannot create a logfile</source>
        <translation>Não é possível criar um arquivo de registro</translation>
    </message>
    <message>
        <source>Error closing logfile; please report this message</source>
        <translation>Erro ao fechar o arquivo de registro; informe esta mensagem</translation>
    </message>
    <message>
        <source>Cannot add an entry to logfile</source>
        <translation>Não é possível adicionar uma entrada ao arquivo de registro</translation>
    </message>
    <message>
        <source>Recording must be stopped before exiting Kalvo</source>
        <translation>A gravação deve ser parada antes de sair do Kalvo</translation>
    </message>
    <message>
        <source>Cannot create a wave file</source>
        <translation>Não é possível criar um arquivo WAVE</translation>
    </message>
    <message>
        <source>Error closing wave file; please report this message</source>
        <translation>Erro ao fechar o arquivo WAVE; informe esta mensagem</translation>
    </message>
    <message>
        <source>Cannot write to wave file</source>
        <translation>Não é possível gravar no arquivo WAVE</translation>
    </message>
    <message>
        <source>Hardware does not support requested timer resolution
</source>
        <translation>O hardware não suporta a resolução de temporizador solicitada
</translation>
    </message>
    <message>
        <source>Cannot open log file</source>
        <translation>Não é possível abrir o arquivo de registro</translation>
    </message>
    <message>
        <source>The MIDI plug-in (kvmidi.so) is not installed, so MIDI recording and the conversion of text files to MIDI are switched off. The plug-in is built and installed together with Kalvo: installing Kalvo again brings it back</source>
        <translation>O plug-in MIDI (kvmidi.so) não está instalado, então a gravação MIDI e a conversão de arquivos de texto em MIDI estão desligadas. O plug-in é compilado e instalado junto com o Kalvo: instalar o Kalvo de novo o traz de volta</translation>
    </message>
    <message>
        <source>Cannot convert the text file to MIDI</source>
        <translation>Não é possível converter o arquivo de texto em MIDI</translation>
    </message>
    <message>
        <source>Cannot create MIDI file</source>
        <translation>Não é possível criar o arquivo MIDI</translation>
    </message>
    <message>
        <source>Error closing MIDI file; please report this message</source>
        <translation>Erro ao fechar o arquivo MIDI; informe esta mensagem</translation>
    </message>
    <message>
        <source>Cannot add MIDI event to midi file</source>
        <translation>Não é possível adicionar um evento MIDI ao arquivo MIDI</translation>
    </message>
    <message>
        <source>Cannot open the capture device</source>
        <translation>Não é possível abrir o dispositivo de captura</translation>
    </message>
    <message>
        <source>The capture device has stopped delivering sound</source>
        <translation>O dispositivo de captura parou de fornecer som</translation>
    </message>
    <message>
        <source>Cannot copy the picture to the clipboard</source>
        <translation>Não é possível copiar a imagem para a área de transferência</translation>
    </message>
    <message>
        <source>Cannot open the web page</source>
        <translation>Não é possível abrir a página da web</translation>
    </message>
    <message>
        <source>The display plug-in (kvdisplay.so) is not installed, so the spectrum cannot be zoomed and always shows 40 to 4000 Hz. The plug-in is built and installed together with Kalvo: installing Kalvo again brings it back</source>
        <translation>O plug-in de exibição (kvdisplay.so) não está instalado, então o espectro não pode ser ampliado e sempre mostra de 40 a 4000 Hz. O plug-in é compilado e instalado junto com o Kalvo: instalar o Kalvo de novo o traz de volta</translation>
    </message>
    <message>
        <source>Cannot read the program&apos;s version</source>
        <translation>Não é possível ler a versão do programa</translation>
    </message>
    <message>
        <source>Not enough memory to complete the operation</source>
        <translation>Memória insuficiente para concluir a operação</translation>
    </message>
    <message>
        <source>Error in &quot;From&quot; or &quot;To&quot; range value</source>
        <translation>Erro no valor &quot;De&quot; ou &quot;Até&quot; da faixa</translation>
    </message>
    <message>
        <source>Cannot display a spectrum range less than 500Hz</source>
        <translation>Não é possível exibir uma faixa de espectro menor que 500 Hz</translation>
    </message>
    <message>
        <source>Sound capture has stopped: the sound server went away. No more sound is analysed or recorded; recordings that are on keep what was captured and can be stopped as usual</source>
        <translation>A captura de som parou: o servidor de som sumiu. Nenhum som é mais analisado ou gravado; as gravações ativas mantêm o que foi capturado e podem ser paradas como sempre</translation>
    </message>
</context>
<context>
    <name>Transposition</name>
    <message>
        <source>None</source>
        <translation>Nenhuma</translation>
    </message>
    <message>
        <source>+1 Octave</source>
        <translation>+1 oitava</translation>
    </message>
    <message>
        <source>-1 Octave</source>
        <translation>-1 oitava</translation>
    </message>
    <message>
        <source>B flat instr.</source>
        <translation>Instr. em si♭</translation>
    </message>
    <message>
        <source>B flat instr. +1 octave</source>
        <translation>Instr. si♭ +1 oitava</translation>
    </message>
    <message>
        <source>B flat instr. -1 octave</source>
        <translation>Instr. si♭ -1 oitava</translation>
    </message>
    <message>
        <source>E flat instr.</source>
        <translation>Instr. em mi♭</translation>
    </message>
    <message>
        <source>E flat instr. +1 octave</source>
        <translation>Instr. mi♭ +1 oitava</translation>
    </message>
    <message>
        <source>E flat instr. -1 octave</source>
        <translation>Instr. mi♭ -1 oitava</translation>
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
        <translation>Mesotônico de 1/4 de coma</translation>
    </message>
    <message>
        <source>Sixth-comma meantone</source>
        <translation>Mesotônico de 1/6 de coma</translation>
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
        <translation>Entonação justa</translation>
    </message>
    <message>
        <source>Guitar</source>
        <translation>Violão</translation>
    </message>
    <message>
        <source>Guitar, drop D</source>
        <translation>Violão, drop D</translation>
    </message>
    <message>
        <source>Guitar, DADGAD</source>
        <translation>Violão, DADGAD</translation>
    </message>
    <message>
        <source>Guitar, open G</source>
        <translation>Violão, afinação aberta em sol</translation>
    </message>
    <message>
        <source>Guitar, open D</source>
        <translation>Violão, afinação aberta em ré</translation>
    </message>
    <message>
        <source>Guitar, half a step down</source>
        <translation>Violão, meio tom abaixo</translation>
    </message>
    <message>
        <source>Seven-string guitar</source>
        <translation>Violão de sete cordas</translation>
    </message>
    <message>
        <source>Bass</source>
        <translation>Baixo</translation>
    </message>
    <message>
        <source>Five-string bass</source>
        <translation>Baixo de cinco cordas</translation>
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
        <translation>Violoncelo</translation>
    </message>
    <message>
        <source>Double bass</source>
        <translation>Contrabaixo</translation>
    </message>
    <message>
        <source>Ukulele, re-entrant</source>
        <translation>Ukulele, afinação reentrante</translation>
    </message>
    <message>
        <source>Mandolin</source>
        <translation>Bandolim</translation>
    </message>
    <message>
        <source>Banjo, open G</source>
        <translation>Banjo, afinação aberta em sol</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 em %2</translation>
    </message>
    <message>
        <source>Strings %1</source>
        <translation>Cordas %1</translation>
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
        <translation>Retangular</translation>
    </message>
    <message>
        <source>Welch</source>
        <translation>Welch</translation>
    </message>
</context>
</TS>
