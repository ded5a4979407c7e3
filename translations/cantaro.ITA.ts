<?xml version="1.0"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="ru_RU">
  <context>
    <name>untMesConst</name>
    <message>
      <source>Ошибка</source>
      <comment>SCaptionError</comment>
      <translation>Errore</translation>
    </message>
    <message>
      <source>Внимание</source>
      <comment>SCaptionWarning</comment>
      <translation>Attenzione</translation>
    </message>
    <message>
      <source>Подтверждение</source>
      <comment>SCaptionConfirm</comment>
      <translation>Conferma</translation>
    </message>
    <message>
      <source>Информация</source>
      <comment>SCaptionInfo</comment>
      <translation>Informazione</translation>
    </message>
    <message>
      <source>Ждите...</source>
      <comment>SWait</comment>
      <translation>Attendere...</translation>
    </message>
    <message>
      <source>File not found</source>
      <comment>SFileNotFound</comment>
      <translation>File not found</translation>
    </message>
    <message>
      <source>Invalid filename</source>
      <comment>SInvalidFilename</comment>
      <translation>Invalid filename</translation>
    </message>
    <message>
      <source>Too many open files</source>
      <comment>STooManyOpenFiles</comment>
      <translation>Too many open files</translation>
    </message>
    <message>
      <source>File access denied</source>
      <comment>SFileAccessDenied</comment>
      <translation>File access denied</translation>
    </message>
    <message>
      <source>Read beyond end of file</source>
      <comment>SReadBeyondEnd</comment>
      <translation>Read beyond end of file</translation>
    </message>
    <message>
      <source>I/O error %d</source>
      <comment>SInOutError</comment>
      <translation>I/O error %d</translation>
    </message>
    <message>
      <source>List index out of bounds (%d)</source>
      <comment>SListIndexError</comment>
      <translation>List index out of bounds (%d)</translation>
    </message>
    <message>
      <source>Внешнее исключение</source>
      <comment>SExternalException</comment>
      <translation>Eccezione esterna</translation>
    </message>
    <message>
      <source>Файл повреждён, обрезано дорожек: %d</source>
      <comment>SDamagedFile</comment>
      <translation>file danneggiato, %d tracce troncate</translation>
    </message>
    <message>
      <source>Файл повреждён, не хватает дорожек: %d</source>
      <comment>SDamagedFileMissing</comment>
      <translation>file danneggiato, %d tracce mancanti</translation>
    </message>
    <message>
      <source>Файл повреждён, обрезано дорожек: %d, не хватает дорожек: %d</source>
      <comment>SDamagedFileCutMissing</comment>
      <translation>file danneggiato, %d tracce troncate, %d tracce mancanti</translation>
    </message>
    <message>
      <source>Это папка, а не файл</source>
      <comment>SFileIsFolder</comment>
      <translation>Questa è una cartella, non un file</translation>
    </message>
    <message>
      <source>Файл слишком велик: %s байт при пределе %s байт</source>
      <comment>SFileTooLarge</comment>
      <translation>File troppo grande: %s byte, il limite è %s byte</translation>
    </message>
    <message>
      <source>Change to DeviceID while device was open</source>
      <comment>SMidiOutChangeDeviceID</comment>
      <translation>Change to DeviceID while device was open</translation>
    </message>
    <message>
      <source>Invalid device ID</source>
      <comment>SMidiOutInvalidDeviceID</comment>
      <translation>Invalid device ID</translation>
    </message>
    <message>
      <source>Change to ProductName while device was open</source>
      <comment>SMidiOutChangeProductName</comment>
      <translation>Change to ProductName while device was open</translation>
    </message>
    <message>
      <source>MIDI output Device %s not installed</source>
      <comment>SMidiOutNotInstalled</comment>
      <translation>MIDI output Device %s not installed</translation>
    </message>
    <message>
      <source>MIDI Output device not open</source>
      <comment>SMidiOutNotOpen</comment>
      <translation>MIDI Output device not open</translation>
    </message>
    <message>
      <source>Specified error number is out of range</source>
      <comment>SMidiOutErrorOutOfRange</comment>
      <translation>Specified error number is out of range</translation>
    </message>
    <message>
      <source>Unspecified error in the MIDI output</source>
      <comment>SMidiOutErrUnspecified</comment>
      <translation>Unspecified error in the MIDI output</translation>
    </message>
    <message>
      <source>There is no MIDI output device with this number</source>
      <comment>SMidiOutErrBadDeviceId</comment>
      <translation>There is no MIDI output device with this number</translation>
    </message>
    <message>
      <source>The MIDI output device is already in use</source>
      <comment>SMidiOutErrAllocated</comment>
      <translation>The MIDI output device is already in use</translation>
    </message>
    <message>
      <source>The MIDI output device handle is not valid</source>
      <comment>SMidiOutErrInvalidHandle</comment>
      <translation>The MIDI output device handle is not valid</translation>
    </message>
    <message>
      <source>No MIDI output device is available</source>
      <comment>SMidiOutErrNoDevice</comment>
      <translation>No MIDI output device is available</translation>
    </message>
    <message>
      <source>Not enough memory for the MIDI output</source>
      <comment>SMidiOutErrNoMemory</comment>
      <translation>Not enough memory for the MIDI output</translation>
    </message>
    <message>
      <source>Invalid parameter for the MIDI output</source>
      <comment>SMidiOutErrInvalidParam</comment>
      <translation>Invalid parameter for the MIDI output</translation>
    </message>
    <message>
      <source>The ALSA sequencer is not available</source>
      <comment>SMidiOutErrNoSequencer</comment>
      <translation>The ALSA sequencer is not available</translation>
    </message>
    <message>
      <source>The MIDI message could not be delivered to the device</source>
      <comment>SMidiOutErrSendFailed</comment>
      <translation>The MIDI message could not be delivered to the device</translation>
    </message>
    <message>
      <source>The MIDI output device has been disconnected</source>
      <comment>SMidiOutErrDeviceGone</comment>
      <translation>The MIDI output device has been disconnected</translation>
    </message>
    <message>
      <source>The built-in synthesizer found no General MIDI SoundFont (install the package timgm6mb-soundfont or fluid-soundfont-gm)</source>
      <comment>SMidiOutErrNoSoundFont</comment>
      <translation>The built-in synthesizer found no General MIDI SoundFont (install the package timgm6mb-soundfont or fluid-soundfont-gm)</translation>
    </message>
    <message>
      <source>The built-in synthesizer could not load its SoundFont</source>
      <comment>SMidiOutErrSoundFontLoad</comment>
      <translation>The built-in synthesizer could not load its SoundFont</translation>
    </message>
    <message>
      <source>The built-in synthesizer found no audio output (PipeWire, PulseAudio or ALSA)</source>
      <comment>SMidiOutErrNoAudio</comment>
      <translation>The built-in synthesizer found no audio output (PipeWire, PulseAudio or ALSA)</translation>
    </message>
    <message>
      <source>Первое доступное устройство</source>
      <comment>SMidiMapperName</comment>
      <translation>Primo dispositivo disponibile</translation>
    </message>
    <message>
      <source>Встроенный синтезатор (FluidSynth)</source>
      <comment>SBuiltinSynthName</comment>
      <translation>Sintetizzatore integrato (FluidSynth)</translation>
    </message>
    <message>
      <source>Файл &quot;%s&quot; пуст или испорчен.</source>
      <comment>SRenderEmptySong</comment>
      <translation>Il file &quot;%s&quot; è vuoto o danneggiato.</translation>
    </message>
    <message>
      <source>Не удалось прочитать файл &quot;%s&quot;: %s</source>
      <comment>SRenderReadError</comment>
      <translation>Impossibile leggere il file &quot;%s&quot;: %s</translation>
    </message>
    <message>
      <source>Не удалось записать файл &quot;%s&quot;: %s</source>
      <comment>SRenderWriteError</comment>
      <translation>Impossibile scrivere il file &quot;%s&quot;: %s</translation>
    </message>
    <message>
      <source>Встроенный синтезатор недоступен: %s</source>
      <comment>SRenderSynthError</comment>
      <translation>Il sintetizzatore integrato non è disponibile: %s</translation>
    </message>
    <message>
      <source>Ошибка вывода MIDI при записи звука: %s</source>
      <comment>SRenderSendError</comment>
      <translation>Errore di uscita MIDI durante la registrazione del suono: %s</translation>
    </message>
    <message>
      <source>Файл &quot;%s&quot; слишком длинный для записи в WAV (%s).</source>
      <comment>SRenderTooLong</comment>
      <translation>Il file &quot;%s&quot; è troppo lungo per essere salvato in WAV (%s).</translation>
    </message>
    <message>
      <source>звук записан не полностью</source>
      <comment>SRenderIncomplete</comment>
      <translation>il suono non è stato registrato completamente</translation>
    </message>
    <message>
      <source>The MIDI output device cannot take more messages now</source>
      <comment>SMidiOutErrBufferFull</comment>
      <translation>The MIDI output device cannot take more messages now</translation>
    </message>
    <message>
      <source>The JACK server has stopped</source>
      <comment>SMidiOutErrServerGone</comment>
      <translation>The JACK server has stopped</translation>
    </message>
    <message>
      <source>Keysense initialization error.</source>
      <comment>SKeysenseInitError</comment>
      <translation>Keysense initialization error.</translation>
    </message>
    <message>
      <source>'%s' is not a valid integer value</source>
      <comment>SInvalidInteger</comment>
      <translation>'%s' is not a valid integer value</translation>
    </message>
    <message>
      <source>Не удалось сохранить настройки в файл&#13;%s:&#13;%s</source>
      <comment>SSettingsSaveError</comment>
      <translation>Impossibile salvare le impostazioni nel file&#13;%s:&#13;%s</translation>
    </message>
    <message>
      <source>Файл %s не найден</source>
      <comment>SSongFileNotFound</comment>
      <translation>File %s non trovato</translation>
    </message>
    <message>
      <source>Файл &quot;%s&quot; пуст или испорчен.</source>
      <comment>SSongFileEmpty</comment>
      <translation>Il file &quot;%s&quot; è vuoto o danneggiato.</translation>
    </message>
    <message>
      <source>%s — это папка, а не файл песни</source>
      <comment>SSongFileIsFolder</comment>
      <translation>%s è una cartella, non il file di un brano</translation>
    </message>
    <message>
      <source>Не удалось прочитать файл %s:&#13;%s</source>
      <comment>SSongFileReadError</comment>
      <translation>Impossibile leggere il file %s:&#13;%s</translation>
    </message>
    <message>
      <source>Все поддерживаемые форматы|*.mid;*.kar|Файлы MIDI (*.mid)|*.mid|Файлы караоке (*.kar)|*.kar|Все файлы (*.*)|*.*</source>
      <comment>SSongLoadFilter</comment>
      <translation>Tutti i formati supportati|*.mid;*.kar|File MIDI (*.mid)|*.mid|File karaoke (*.kar)|*.kar|Tutti i file (*.*)|*.*</translation>
    </message>
    <message>
      <source>#</source>
      <comment>SSongGridCorner</comment>
      <translation>#</translation>
    </message>
    <message>
      <source>Бит %d</source>
      <comment>SSongGridBeat</comment>
      <translation>Tempo %d</translation>
    </message>
    <message>
      <source>Пересканировать аккорды повторно?&#13;Все сделанные Вами в окошке вариантов&#13;настройки аккордов пропадут.</source>
      <comment>SSongRescanQuestion</comment>
      <translation>Cercare di nuovo gli accordi?&#13;Tutte le modifiche agli accordi fatte&#13;nella finestra delle varianti andranno perse.</translation>
    </message>
    <message>
      <source>Определение аккордов. Ждите...</source>
      <comment>SSongSearchWait</comment>
      <translation>Ricerca degli accordi. Attendere...</translation>
    </message>
    <message>
      <source>Композиция &quot;%s&quot; слишком длинная для поиска аккордов:&#13;%d битов, а допустимо не более %d.</source>
      <comment>SSongTooLong</comment>
      <translation>Il brano &quot;%s&quot; è troppo lungo per la ricerca degli accordi:&#13;%d battiti, ma il massimo consentito è %d.</translation>
    </message>
    <message>
      <source>Для активизации технологии Keysense необходимо&#13;определить тональность композиции.&#13;Сделать это сейчас?</source>
      <comment>SSongKeysenseQuestion</comment>
      <translation>Per attivare la tecnologia Keysense occorre&#13;determinare la tonalità del brano.&#13;Farlo adesso?</translation>
    </message>
    <message>
      <source>Технология Keysense временно отключена</source>
      <comment>SSongKeysenseOff</comment>
      <translation>La tecnologia Keysense è temporaneamente disattivata</translation>
    </message>
    <message>
      <source>Определение тональности композиции. Ждите...</source>
      <comment>SSongKeyWait</comment>
      <translation>Ricerca della tonalità del brano. Attendere...</translation>
    </message>
    <message>
      <source>Оригинальную тональность мелодии&#13;определить не удалось.</source>
      <comment>SSongKeyFailed</comment>
      <translation>Non è stato possibile determinare&#13;la tonalità originale della melodia.</translation>
    </message>
    <message>
      <source>Тональность определена</source>
      <comment>SSongKeyFoundCaption</comment>
      <translation>Tonalità determinata</translation>
    </message>
    <message>
      <source>Вероятнее всего, мелодия написана&#13;в тональности %s %s.</source>
      <comment>SSongKeyFound</comment>
      <translation>Molto probabilmente la melodia è scritta&#13;in %s %s.</translation>
    </message>
    <message>
      <source>&#13;Возможно также, тональность мелодии - %s %s.</source>
      <comment>SSongKeyAlternative</comment>
      <translation>&#13;È possibile anche che la tonalità sia %s %s.</translation>
    </message>
    <message>
      <source>major</source>
      <comment>SSongModeMajor</comment>
      <translation>maggiore</translation>
    </message>
    <message>
      <source>minor</source>
      <comment>SSongModeMinor</comment>
      <translation>minore</translation>
    </message>
    <message>
      <source> или </source>
      <comment>SSongKeyOr</comment>
      <translation> o </translation>
    </message>
    <message>
      <source>Всего найдено %d вариантов аккорда:</source>
      <comment>SSongVariantsFound</comment>
      <translation>Trovate %d varianti dell'accordo:</translation>
    </message>
    <message>
      <source>Заменить аккорд %s&#13;аккордом %s?</source>
      <comment>SSongReplaceChord</comment>
      <translation>Sostituire l'accordo %s&#13;con l'accordo %s?</translation>
    </message>
    <message>
      <source>Все аккорды будут максимально упрощены,&#13;с потерей точности соответствия мелодии!</source>
      <comment>SSongSimplifyQuestion</comment>
      <translation>Tutti gli accordi saranno semplificati al massimo,&#13;a scapito della fedeltà alla melodia!</translation>
    </message>
    <message>
      <source>Транспонирование мелодии. Ждите...</source>
      <comment>SSongTransposeWait</comment>
      <translation>Trasposizione della melodia. Attendere...</translation>
    </message>
    <message>
      <source>Вы действительно хотите увеличить длительность бита в 2 раза?</source>
      <comment>SSongIncBeatQuestion</comment>
      <translation>Raddoppiare davvero la durata del battito?</translation>
    </message>
    <message>
      <source>Вы действительно хотите уменьшить длительность бита в 2 раза?</source>
      <comment>SSongDecBeatQuestion</comment>
      <translation>Dimezzare davvero la durata del battito?</translation>
    </message>
    <message>
      <source>Вы действительно хотите вернуть исходную длительность бита?</source>
      <comment>SSongDefBeatQuestion</comment>
      <translation>Ripristinare davvero la durata originale del battito?</translation>
    </message>
    <message>
      <source>* 3</source>
      <comment>SSongSpeedX3</comment>
      <translation>* 3</translation>
    </message>
    <message>
      <source>* 2</source>
      <comment>SSongSpeedX2</comment>
      <translation>* 2</translation>
    </message>
    <message>
      <source>* 1.5</source>
      <comment>SSongSpeedX15</comment>
      <translation>* 1.5</translation>
    </message>
    <message>
      <source>1:1</source>
      <comment>SSongSpeed11</comment>
      <translation>1:1</translation>
    </message>
    <message>
      <source>/ 1.5</source>
      <comment>SSongSpeedD15</comment>
      <translation>/ 1.5</translation>
    </message>
    <message>
      <source>/ 2</source>
      <comment>SSongSpeedD2</comment>
      <translation>/ 2</translation>
    </message>
    <message>
      <source>/ 3</source>
      <comment>SSongSpeedD3</comment>
      <translation>/ 3</translation>
    </message>
    <message>
      <source>Аккорды не определены!&#13;Определить сейчас?</source>
      <comment>SNoChordsAsk</comment>
      <translation>Gli accordi non sono stati determinati!&#13;Determinarli adesso?</translation>
    </message>
    <message>
      <source>Формирование текста с аккордами. Ждите...</source>
      <comment>SBuildingText</comment>
      <translation>Preparazione del testo con accordi. Attendere...</translation>
    </message>
    <message>
      <source>Не удалось обнаружить Табулиста на диске.&#13;Табулист - это редактор текстов с аккордами.&#13;Вы можете его свободно загрузить из Интернет&#13;(нажмите F1 в главном окне, чтобы узнать адрес).&#13;&#13;Возможно также, Вы не указали расположение&#13;Табулиста в настройках программы</source>
      <comment>SNoTabulist</comment>
      <translation>Tabulist non è stato trovato sul disco.&#13;Tabulist è un editor di testi con accordi.&#13;Puoi scaricarlo gratuitamente da Internet&#13;(premi F1 nella finestra principale per conoscere l'indirizzo).&#13;&#13;Forse non hai indicato la posizione&#13;di Tabulist nelle impostazioni del programma</translation>
    </message>
    <message>
      <source>Не удалось запустить Табулист.&#13;Попробуйте запустить его вручную, и затем&#13;повторить передачу текста с аккордами.</source>
      <comment>STabulistStartFailed</comment>
      <translation>Impossibile avviare Tabulist.&#13;Prova ad avviarlo manualmente e poi&#13;invia di nuovo il testo con accordi.</translation>
    </message>
    <message>
      <source>Табулист не появился в течение %d с после запуска.&#13;Попробуйте запустить его вручную, и затем&#13;повторить передачу текста с аккордами.</source>
      <comment>STabulistNoWindow</comment>
      <translation>Tabulist non è comparso entro %d s dall'avvio.&#13;Prova ad avviarlo manualmente e poi&#13;invia di nuovo il testo con accordi.</translation>
    </message>
    <message>
      <source>Табулист не принял текст с аккордами в течение %d с.&#13;Попробуйте повторить передачу текста с аккордами.</source>
      <comment>STabulistNoAnswer</comment>
      <translation>Tabulist non ha accettato il testo con accordi entro %d s.&#13;Prova a inviare di nuovo il testo con accordi.</translation>
    </message>
    <message>
      <source>Не удалось записать файл %s</source>
      <comment>SHandoffWriteError</comment>
      <translation>Impossibile scrivere il file %s</translation>
    </message>
    <message>
      <source>Не удалось удалить файл %s</source>
      <comment>SHandoffDeleteError</comment>
      <translation>Impossibile eliminare il file %s</translation>
    </message>
    <message>
      <source>Имя Табулиста занято программой другого пользователя.&#13;Текст с аккордами ей не передан:&#13;передавать его чужой программе небезопасно.</source>
      <comment>SForeignTabulist</comment>
      <translation>Il nome di Tabulist è occupato dal programma di un altro utente.&#13;Il testo con accordi non gli è stato passato:&#13;passarlo al programma di un altro non è sicuro.</translation>
    </message>
    <message>
      <source>Файл формата 2 (независимые последовательности) нельзя записать с дорожкой аккордов</source>
      <comment>SChordTrackFormat2</comment>
      <translation>Un file di formato 2 (sequenze indipendenti) non si può scrivere con una traccia di accordi</translation>
    </message>
    <message>
      <source>Свободного канала нет: аккорды записаны на канал %d, где уже %d нот</source>
      <comment>SChordTrackSharedChannel</comment>
      <translation>Nessun canale libero: gli accordi sono scritti sul canale %d, che ha già %d note</translation>
    </message>
    <message>
      <source>Ноты, которые транспонирование вывело за пределы 0..127, не записаны: %d событий</source>
      <comment>SChordTrackDropped</comment>
      <translation>Le note portate fuori da 0..127 dalla trasposizione non sono scritte: %d eventi</translation>
    </message>
    <message>
      <source>Табулист</source>
      <comment>STabCaption</comment>
      <translation>Tabulist</translation>
    </message>
    <message>
      <source>Без имени</source>
      <comment>STabUntitled</comment>
      <translation>Senza nome</translation>
    </message>
    <message>
      <source>&amp;Файл</source>
      <comment>STabMenuFile</comment>
      <translation>&amp;File</translation>
    </message>
    <message>
      <source>&amp;Открыть...</source>
      <comment>STabActOpen</comment>
      <translation>&amp;Apri...</translation>
    </message>
    <message>
      <source>&amp;Сохранить</source>
      <comment>STabActSave</comment>
      <translation>&amp;Salva</translation>
    </message>
    <message>
      <source>Сохранить &amp;как...</source>
      <comment>STabActSaveAs</comment>
      <translation>Salva &amp;con nome...</translation>
    </message>
    <message>
      <source>&amp;Закрыть текст</source>
      <comment>STabActCloseTab</comment>
      <translation>&amp;Chiudi testo</translation>
    </message>
    <message>
      <source>В&amp;ыход</source>
      <comment>STabActExit</comment>
      <translation>&amp;Esci</translation>
    </message>
    <message>
      <source>Тексты с аккордами (*.txt);;Все файлы (*)</source>
      <comment>STabFilter</comment>
      <translation>Testi con accordi (*.txt);;Tutti i file (*)</translation>
    </message>
    <message>
      <source>Текст &quot;%s&quot; изменён.&#13;Сохранить изменения?</source>
      <comment>STabSaveChanges</comment>
      <translation>Il testo &quot;%s&quot; è stato modificato.&#13;Salvare le modifiche?</translation>
    </message>
    <message>
      <source>Не удалось сохранить файл %s:&#13;%s</source>
      <comment>STabSaveError</comment>
      <translation>Impossibile salvare il file %s:&#13;%s</translation>
    </message>
    <message>
      <source>Не удалось открыть файл %s:&#13;%s</source>
      <comment>STabOpenError</comment>
      <translation>Impossibile aprire il file %s:&#13;%s</translation>
    </message>
    <message>
      <source>Получен текст с аккордами</source>
      <comment>STabReceived</comment>
      <translation>Testo con accordi ricevuto</translation>
    </message>
    <message>
      <source>Табулист не может принимать тексты: %s</source>
      <comment>STabNotListening</comment>
      <translation>Tabulist non può ricevere testi: %s</translation>
    </message>
    <message>
      <source>Использование:&#13;  cantaro ФАЙЛ [параметры]            на рабочем столе и без параметров: окно с песней; иначе текст с аккордами песни (как --export)&#13;  cantaro --export ФАЙЛ [параметры]   текст с аккордами песни&#13;  cantaro --events ФАЙЛ               трэки файла и события каждого трэка&#13;  cantaro --recognize НОТА...         варианты аккорда из нот (C4 E4 G4 или 60 64 67)&#13;  cantaro --devices                   устройства вывода MIDI&#13;  cantaro --render ФАЙЛ -o ФАЙЛ.wav [--transpose N]  звучание песни в файл WAV&#13;  cantaro --help                      эта справка&#13;  cantaro --version                   версия программы&#13;&#13;Параметры:&#13;  -o, --output ФАЙЛ                   записать результат в файл&#13;  --key auto|ТОНАЛЬНОСТЬ              оригинальная тональность: определить или задать (C, Am, F#)&#13;  --transpose N                       транспозиция на N полутонов (-11..11)&#13;  --beat default|double|half          длительность бита: по умолчанию, вдвое больше, вдвое меньше&#13;  --notation english|german|italian   способ записи нот&#13;  --keysense on|off                   технология Keysense&#13;  --continuity on|off                 связные аккорды (вместе с Keysense)&#13;  --comments on|off                   комментарии MIDI-файла в тексте&#13;  --format ИМЯ                        формат результата (список ниже; по умолчанию text)&#13;  --codepage cp1251|cp1252|koi8-r     кодировка текстов файла, если это не UTF-8&#13;&#13;Без параметров --key, --notation, --keysense, --continuity, --comments и --codepage действуют&#13;настройки программы.</source>
      <comment>SCliHelp</comment>
      <translation>Uso:&#13;  cantaro FILE [opzioni]              sul desktop e senza opzioni: la finestra con il brano; altrimenti il testo del brano con accordi (come --export)&#13;  cantaro --export FILE [opzioni]     testo del brano con accordi&#13;  cantaro --events FILE               tracce del file ed eventi di ogni traccia&#13;  cantaro --recognize NOTA...         varianti di accordo dalle note (C4 E4 G4 o 60 64 67)&#13;  cantaro --devices                   dispositivi di uscita MIDI&#13;  cantaro --render FILE -o FILE.wav [--transpose N]  suono del brano in un file WAV&#13;  cantaro --help                      questa guida&#13;  cantaro --version                   versione del programma&#13;&#13;Opzioni:&#13;  -o, --output FILE                   scrive il risultato in un file&#13;  --key auto|TONALITÀ                 tonalità originale: determinarla o indicarla (C, Am, F#)&#13;  --transpose N                       trasposizione di N semitoni (-11..11)&#13;  --beat default|double|half          durata del battito: predefinita, doppia, dimezzata&#13;  --notation english|german|italian   nomi delle note&#13;  --keysense on|off                   tecnologia Keysense&#13;  --continuity on|off                 accordi collegati (con Keysense)&#13;  --comments on|off                   commenti del file MIDI nel testo&#13;  --format NOME                       formato del risultato (elenco sotto; text per impostazione predefinita)&#13;  --codepage cp1251|cp1252|koi8-r     codifica dei testi del file, se non è UTF-8&#13;&#13;Senza --key, --notation, --keysense, --continuity, --comments e --codepage valgono&#13;le impostazioni del programma.</translation>
    </message>
    <message>
      <source>Справка: cantaro --help</source>
      <comment>SCliHint</comment>
      <translation>Guida: cantaro --help</translation>
    </message>
    <message>
      <source>Неизвестный параметр: %s</source>
      <comment>SCliUnknownOption</comment>
      <translation>Opzione sconosciuta: %s</translation>
    </message>
    <message>
      <source>Для параметра %s не указано значение</source>
      <comment>SCliMissingValue</comment>
      <translation>Nessun valore indicato per l'opzione %s</translation>
    </message>
    <message>
      <source>Недопустимое значение параметра %s: %s</source>
      <comment>SCliBadValue</comment>
      <translation>Valore non valido per l'opzione %s: %s</translation>
    </message>
    <message>
      <source>Не указан файл песни</source>
      <comment>SCliNoFile</comment>
      <translation>Nessun file di brano indicato</translation>
    </message>
    <message>
      <source>Лишний аргумент: %s</source>
      <comment>SCliExtraArgument</comment>
      <translation>Argomento in eccesso: %s</translation>
    </message>
    <message>
      <source>Не удалось распознать ноту: %s</source>
      <comment>SCliBadNote</comment>
      <translation>Nota non riconosciuta: %s</translation>
    </message>
    <message>
      <source>Не указаны ноты</source>
      <comment>SCliNoNotes</comment>
      <translation>Nessuna nota indicata</translation>
    </message>
    <message>
      <source>Аккордов из этих нот не найдено</source>
      <comment>SCliNoVariants</comment>
      <translation>Nessun accordo trovato con queste note</translation>
    </message>
    <message>
      <source>Не удалось записать файл %s: %s</source>
      <comment>SCliWriteError</comment>
      <translation>Impossibile scrivere il file %s: %s</translation>
    </message>
    <message>
      <source>№	Имя трэка	Инструмент</source>
      <comment>SCliTrackList</comment>
      <translation>N.	Nome traccia	Strumento</translation>
    </message>
    <message>
      <source>Трэк %d: %s</source>
      <comment>SCliTrackTitle</comment>
      <translation>Traccia %d: %s</translation>
    </message>
    <message>
      <source>Настройки прочитаны не полностью: %s</source>
      <comment>SCliSettingsWarning</comment>
      <translation>Impostazioni lette solo in parte: %s</translation>
    </message>
    <message>
      <source>имя занято программой другого пользователя</source>
      <comment>STabForeignOwner</comment>
      <translation>il nome è occupato dal programma di un altro utente</translation>
    </message>
    <message>
      <source>Не найдены файлы программы в папке %s.&#13;Программа работает со встроенными настройками, без перевода и примеров.</source>
      <comment>SDataFolderMissing</comment>
      <translation>I file del programma non sono stati trovati nella cartella %s.&#13;Il programma funziona con le impostazioni predefinite, senza traduzioni né esempi.</translation>
    </message>
    <message>
      <source>аккорды песни из её MIDI-файла или файла караоке</source>
      <comment>SManSummary</comment>
      <translation>gli accordi di una canzone dal suo file MIDI o karaoke</translation>
    </message>
    <message>
      <source>Cantaro читает стандартный MIDI-файл или файл караоке, делит песню на биты, находит аккорд&#13;каждого бита и тональность песни и пишет слова песни с аккордами над слогами.&#13;Без параметров или с одним файлом песни на рабочем столе открывается окно программы;&#13;с любым параметром, а также без дисплея, программа работает в командной строке.</source>
      <comment>SManDescription</comment>
      <translation>Cantaro legge un file MIDI standard o un file karaoke, divide la canzone in battute, trova l'accordo&#13;di ogni battuta e la tonalità della canzone e scrive il testo con gli accordi sopra le sillabe.&#13;Senza parametri, o con un file di canzone, sul desktop apre la sua finestra;&#13;con qualsiasi parametro, o senza display, lavora dalla riga di comando.</translation>
    </message>
    <message>
      <source>$XDG_CONFIG_HOME/cantaro/cantaro.ini (обычно ~/.config/cantaro/cantaro.ini): настройки.&#13;Папка INI рядом с программой заменяет её в переносной копии.&#13;%s: таблица аккордов Keysense, переводы и примеры песен.&#13;%s: руководство пользователя.</source>
      <comment>SManFiles</comment>
      <translation>$XDG_CONFIG_HOME/cantaro/cantaro.ini (di solito ~/.config/cantaro/cantaro.ini): le impostazioni.&#13;Una cartella INI accanto al programma la sostituisce in una copia portatile.&#13;%s: la tabella degli accordi Keysense, le traduzioni e le canzoni di esempio.&#13;%s: il manuale utente.</translation>
    </message>
    <message>
      <source>ИМЯ|ОБЗОР|ОПИСАНИЕ|ПАРАМЕТРЫ|ФАЙЛЫ</source>
      <comment>SManSections</comment>
      <translation>NOME|SINTASSI|DESCRIZIONE|OPZIONI|FILE</translation>
    </message>
    <message>
      <source>Устройство вывода MIDI &quot;%s&quot; не найдено (список: cantaro --devices)</source>
      <comment>SCliNoDevice</comment>
      <translation>Dispositivo di uscita MIDI &quot;%s&quot; non trovato (elenco: cantaro --devices)</translation>
    </message>
    <message>
      <source>Не удалось открыть устройство вывода MIDI %s: %s</source>
      <comment>SCliDeviceFailed</comment>
      <translation>Impossibile aprire il dispositivo di uscita MIDI %s: %s</translation>
    </message>
    <message>
      <source>Не удалось начать воспроизведение</source>
      <comment>SCliPlayFailed</comment>
      <translation>Impossibile avviare la riproduzione</translation>
    </message>
    <message>
      <source>Проигрывание:&#13;  cantaro --play ФАЙЛ [--device N|ИМЯ] [--transpose N] [--speed С]&#13;    проиграть песню на устройстве вывода MIDI (Ctrl+C: остановить)&#13;  --device N|ИМЯ                      устройство вывода: номер из списка --devices или часть имени (по умолчанию выбранное в настройках)&#13;  --speed *3|*2|*1.5|1:1|/1.5|/2|/3   скорость проигрывания (по умолчанию 1:1)</source>
      <comment>SCliHelpPlay</comment>
      <translation>Riproduzione:&#13;  cantaro --play FILE [--device N|NOME] [--transpose N] [--speed V]&#13;    riproduce il brano su un dispositivo di uscita MIDI (Ctrl+C: ferma)&#13;  --device N|NOME                     il dispositivo di uscita: il suo numero nell'elenco di --devices o una parte del nome (per impostazione predefinita quello scelto nelle impostazioni)&#13;  --speed *3|*2|*1.5|1:1|/1.5|/2|/3   velocità di riproduzione (1:1 per impostazione predefinita)</translation>
    </message>
    <message>
      <source>Пакетная обработка:&#13;  cantaro --export ФАЙЛ|ПАПКА... -o ПАПКА [параметры]  все песни (.mid, .midi, .kar, и во вложенных папках)&#13;  --jobs N, -j N                      сколько песен обрабатывать одновременно (по умолчанию по числу ядер)&#13;  --quiet, -q                         без индикатора хода работы&#13;Код завершения: 0 - всё получилось, 1 - были ошибки, 2 - неверные параметры, 130 - прервано.</source>
      <comment>SCliHelpBatch</comment>
      <translation>Elaborazione in blocco:&#13;  cantaro --export FILE|CARTELLA... -o CARTELLA [opzioni]  tutti i brani (.mid, .midi, .kar, anche nelle sottocartelle)&#13;  --jobs N, -j N                      brani elaborati insieme (predefinito: uno per core)&#13;  --quiet, -q                         senza indicatore di avanzamento&#13;Codice di uscita: 0 tutto riuscito, 1 alcuni errori, 2 opzioni non valide, 130 interrotto.</translation>
    </message>
    <message>
      <source>Форматы (--format ИМЯ):</source>
      <comment>SCliHelpFormats</comment>
      <translation>Formati (--format NOME):</translation>
    </message>
    <message>
      <source>Для нескольких песен или папки укажите папку результатов: -o ПАПКА</source>
      <comment>SBatchNeedsFolder</comment>
      <translation>Per più brani o una cartella indicare la cartella dei risultati: -o CARTELLA</translation>
    </message>
    <message>
      <source>Песен (.mid, .midi, .kar) не найдено: %s</source>
      <comment>SBatchNoSongs</comment>
      <translation>Nessun brano (.mid, .midi, .kar) trovato: %s</translation>
    </message>
    <message>
      <source>Не удалось просмотреть папку %s: %s</source>
      <comment>SBatchFolderError</comment>
      <translation>Impossibile esaminare la cartella %s: %s</translation>
    </message>
    <message>
      <source>пропущен: результат %s уже записывается для %s</source>
      <comment>SBatchSameOutput</comment>
      <translation>saltato: il risultato %s è già scritto per %s</translation>
    </message>
    <message>
      <source>пропущен: результат %s заменил бы саму песню</source>
      <comment>SBatchOverwritesSong</comment>
      <translation>saltato: il risultato %s sostituirebbe il brano stesso</translation>
    </message>
    <message>
      <source>Не удалось создать папку результатов %s: %s</source>
      <comment>SBatchOutputFolder</comment>
      <translation>Impossibile creare la cartella dei risultati %s: %s</translation>
    </message>
    <message>
      <source>%d из %d, %s песен/с, осталось %s</source>
      <comment>SBatchProgress</comment>
      <translation>%d di %d, %s brani/s, mancano %s</translation>
    </message>
    <message>
      <source>Готово: %d из %d успешно, ошибок: %d</source>
      <comment>SBatchSummary</comment>
      <translation>Fatto: %d di %d riusciti, errori: %d</translation>
    </message>
    <message>
      <source>Прервано: обработано %d из %d, ошибок: %d; записанные файлы целы</source>
      <comment>SBatchInterrupted</comment>
      <translation>Interrotto: elaborati %d di %d, errori: %d; i file scritti sono integri</translation>
    </message>
    <message>
      <source>Cantaro</source>
      <comment>SMainCaption</comment>
      <translation>Cantaro</translation>
    </message>
    <message>
      <source>Файл</source>
      <comment>SMenuFile</comment>
      <translation>File</translation>
    </message>
    <message>
      <source>Обработка</source>
      <comment>SMenuProcess</comment>
      <translation>Elaborazione</translation>
    </message>
    <message>
      <source>Сервис</source>
      <comment>SMenuService</comment>
      <translation>Strumenti</translation>
    </message>
    <message>
      <source>Язык (Language)</source>
      <comment>SMenuLanguage</comment>
      <translation>Lingua (Language)</translation>
    </message>
    <message>
      <source>Справка</source>
      <comment>SMenuHelp</comment>
      <translation>Aiuto</translation>
    </message>
    <message>
      <source>Последние файлы</source>
      <comment>SMenuMRU</comment>
      <translation>File recenti</translation>
    </message>
    <message>
      <source>Тексты, которые загружались последними</source>
      <comment>SMenuMRUHint</comment>
      <translation>File aperti di recente</translation>
    </message>
    <message>
      <source>Длительность бита</source>
      <comment>SMenuBeatLength</comment>
      <translation>Durata del battito</translation>
    </message>
    <message>
      <source>Открыть...</source>
      <comment>SActLoad</comment>
      <translation>Apri...</translation>
    </message>
    <message>
      <source>Открыть...|Загрузка караоке или миди-файла</source>
      <comment>SActLoadHint</comment>
      <translation>Apri...|Apre un file karaoke o MIDI</translation>
    </message>
    <message>
      <source>Искать аккорды!</source>
      <comment>SActSearchSongChords</comment>
      <translation>Cerca accordi!</translation>
    </message>
    <message>
      <source>Искать аккорды!|Запуск определителя аккордов</source>
      <comment>SActSearchSongChordsHint</comment>
      <translation>Cerca accordi!|Avvia la ricerca degli accordi</translation>
    </message>
    <message>
      <source>Сохранить текст</source>
      <comment>SActWriteText</comment>
      <translation>Salva testo</translation>
    </message>
    <message>
      <source>Сохранить|Сохранение текста с аккордами в Табулист для редактирования</source>
      <comment>SActWriteTextHint</comment>
      <translation>Salva|Invia il testo con accordi a Tabulist per modificarlo</translation>
    </message>
    <message>
      <source>К началу</source>
      <comment>SActRewind</comment>
      <translation>All'inizio</translation>
    </message>
    <message>
      <source>К началу|Перемотка к началу</source>
      <comment>SActRewindHint</comment>
      <translation>All'inizio|Riavvolge all'inizio</translation>
    </message>
    <message>
      <source>Пуск</source>
      <comment>SActPlay</comment>
      <translation>Riproduci</translation>
    </message>
    <message>
      <source>Пуск|Проигрывание мелодии</source>
      <comment>SActPlayHint</comment>
      <translation>Riproduci|Riproduce il brano</translation>
    </message>
    <message>
      <source>Стоп</source>
      <comment>SActStop</comment>
      <translation>Stop</translation>
    </message>
    <message>
      <source>Стоп|Остановка проигрывания</source>
      <comment>SActStopHint</comment>
      <translation>Stop|Ferma la riproduzione</translation>
    </message>
    <message>
      <source>Настройки...</source>
      <comment>SActOptions</comment>
      <translation>Impostazioni...</translation>
    </message>
    <message>
      <source>Настройки программы...|Просмотр настроек программы</source>
      <comment>SActOptionsHint</comment>
      <translation>Impostazioni del programma...|Mostra le impostazioni del programma</translation>
    </message>
    <message>
      <source>Определить тональность</source>
      <comment>SActFindRoot</comment>
      <translation>Determina la tonalità</translation>
    </message>
    <message>
      <source>Определить тональность!|Определение оригинальной тональности мелодии</source>
      <comment>SActFindRootHint</comment>
      <translation>Determina la tonalità!|Determina la tonalità originale del brano</translation>
    </message>
    <message>
      <source>Увеличить вдвое</source>
      <comment>SActIncBeat</comment>
      <translation>Raddoppia</translation>
    </message>
    <message>
      <source>Увеличение длительности бита в 2 раза (количество аккордов в композиции сократится в 2 раза)</source>
      <comment>SActIncBeatHint</comment>
      <translation>Raddoppia la durata del battito (il numero di accordi del brano si dimezza)</translation>
    </message>
    <message>
      <source>По-умолчанию</source>
      <comment>SActDefBeat</comment>
      <translation>Predefinita</translation>
    </message>
    <message>
      <source>Установка длительности бита по-умолчанию</source>
      <comment>SActDefBeatHint</comment>
      <translation>Ripristina la durata predefinita del battito</translation>
    </message>
    <message>
      <source>Уменьшить вдвое</source>
      <comment>SActDecBeat</comment>
      <translation>Dimezza</translation>
    </message>
    <message>
      <source>Уменьшение длительности бита в 2 раза (количество аккордов в композиции возрастет в 2 раза)</source>
      <comment>SActDecBeatHint</comment>
      <translation>Dimezza la durata del battito (il numero di accordi del brano raddoppia)</translation>
    </message>
    <message>
      <source>Отметить начало фрагмента</source>
      <comment>SActSetFragmentStart</comment>
      <translation>Segna l'inizio del frammento</translation>
    </message>
    <message>
      <source>Установка начала фрагмента</source>
      <comment>SActSetFragmentStartHint</comment>
      <translation>Imposta l'inizio del frammento</translation>
    </message>
    <message>
      <source>Повторить</source>
      <comment>SActRepeat</comment>
      <translation>Ripeti</translation>
    </message>
    <message>
      <source>Играть повторно с начала фрагмента</source>
      <comment>SActRepeatHint</comment>
      <translation>Suona di nuovo dall'inizio del frammento</translation>
    </message>
    <message>
      <source>Редактировать бит</source>
      <comment>SActEditBit</comment>
      <translation>Modifica battito</translation>
    </message>
    <message>
      <source>|Двойной клик мышки - просмотр вариантов аккорда, установка начала фрагмента</source>
      <comment>SActEditBitHint</comment>
      <translation>|Doppio clic - mostra le varianti dell'accordo, imposta l'inizio del frammento</translation>
    </message>
    <message>
      <source>Играть бит</source>
      <comment>SActPlayBit</comment>
      <translation>Suona battito</translation>
    </message>
    <message>
      <source>|Пробел - проигрывание текущего бита</source>
      <comment>SActPlayBitHint</comment>
      <translation>|Spazio - suona il battito corrente</translation>
    </message>
    <message>
      <source>|Проигрывание текущего бита и переход к следующему</source>
      <comment>SActPlayBitMenuHint</comment>
      <translation>|Suona il battito corrente e passa al successivo</translation>
    </message>
    <message>
      <source>Применить &gt;&gt;</source>
      <comment>SActSetSelectedChord</comment>
      <translation>Applica &gt;&gt;</translation>
    </message>
    <message>
      <source>Помещение выбранного аккорда в композицию</source>
      <comment>SActSetSelectedChordHint</comment>
      <translation>Inserisce l'accordo scelto nel brano</translation>
    </message>
    <message>
      <source>Играть аккорд</source>
      <comment>SActPlaySelectedChord</comment>
      <translation>Suona accordo</translation>
    </message>
    <message>
      <source>Прослушивание выбранного аккорда</source>
      <comment>SActPlaySelectedChordHint</comment>
      <translation>Ascolta l'accordo scelto</translation>
    </message>
    <message>
      <source>Убрать отметки</source>
      <comment>SActClearMarks</comment>
      <translation>Togli i segni</translation>
    </message>
    <message>
      <source>Очистка клавиш пиано от отметок</source>
      <comment>SActClearMarksHint</comment>
      <translation>Toglie i segni dai tasti del pianoforte</translation>
    </message>
    <message>
      <source>Заглушить все треки</source>
      <comment>SActTracksMute</comment>
      <translation>Silenzia tutte le tracce</translation>
    </message>
    <message>
      <source>Исключение из обработки и заглушка всех треков композиции</source>
      <comment>SActTracksMuteHint</comment>
      <translation>Esclude dall'analisi e silenzia tutte le tracce del brano</translation>
    </message>
    <message>
      <source>Включить все треки</source>
      <comment>SActTracksTurnOn</comment>
      <translation>Attiva tutte le tracce</translation>
    </message>
    <message>
      <source>Включение всех треков композиции</source>
      <comment>SActTracksTurnOnHint</comment>
      <translation>Attiva tutte le tracce del brano</translation>
    </message>
    <message>
      <source>Беларуская мова</source>
      <comment>SActLangBel</comment>
      <translation>Беларуская мова</translation>
    </message>
    <message>
      <source>Пераключыцца на беларускую мову</source>
      <comment>SActLangBelHint</comment>
      <translation>Пераключыцца на беларускую мову</translation>
    </message>
    <message>
      <source>English language</source>
      <comment>SActLangEng</comment>
      <translation>English language</translation>
    </message>
    <message>
      <source>Switch to English language</source>
      <comment>SActLangEngHint</comment>
      <translation>Switch to English language</translation>
    </message>
    <message>
      <source>Lingua italiana</source>
      <comment>SActLangIta</comment>
      <translation>Lingua italiana</translation>
    </message>
    <message>
      <source>Seleziona lingua italiana</source>
      <comment>SActLangItaHint</comment>
      <translation>Seleziona lingua italiana</translation>
    </message>
    <message>
      <source>Русский язык</source>
      <comment>SActLangRus</comment>
      <translation>Русский язык</translation>
    </message>
    <message>
      <source>Переключиться на русский язык</source>
      <comment>SActLangRusHint</comment>
      <translation>Переключиться на русский язык</translation>
    </message>
    <message>
      <source>Письмо разработчикам</source>
      <comment>SActEmail</comment>
      <translation>Scrivi agli sviluppatori</translation>
    </message>
    <message>
      <source>Письмо разработчикам|Отправление письма разработчикам программы</source>
      <comment>SActEmailHint</comment>
      <translation>Scrivi agli sviluppatori|Invia un messaggio agli sviluppatori del programma</translation>
    </message>
    <message>
      <source>Домашняя страница</source>
      <comment>SActHomePage</comment>
      <translation>Pagina principale</translation>
    </message>
    <message>
      <source>Домашняя страница|Переход на домашнюю страницу программы в Интернет</source>
      <comment>SActHomePageHint</comment>
      <translation>Pagina principale|Apre la pagina del programma su Internet</translation>
    </message>
    <message>
      <source>О программе...</source>
      <comment>SActAbout</comment>
      <translation>Informazioni...</translation>
    </message>
    <message>
      <source>О программе...|Информация о программе</source>
      <comment>SActAboutHint</comment>
      <translation>Informazioni...|Informazioni sul programma</translation>
    </message>
    <message>
      <source>Выйти</source>
      <comment>SActQuit</comment>
      <translation>Esci</translation>
    </message>
    <message>
      <source>Выход из программы</source>
      <comment>SActQuitHint</comment>
      <translation>Esce dal programma</translation>
    </message>
    <message>
      <source>Сдвиг клавиатуры влево</source>
      <comment>SScrollPianoLeftHint</comment>
      <translation>Sposta la tastiera a sinistra</translation>
    </message>
    <message>
      <source>Сдвиг клавиатуры вправо</source>
      <comment>SScrollPianoRightHint</comment>
      <translation>Sposta la tastiera a destra</translation>
    </message>
    <message>
      <source>Нота</source>
      <comment>SNoteLabel</comment>
      <translation>Nota</translation>
    </message>
    <message>
      <source>Прослушать</source>
      <comment>SMarkedPlay</comment>
      <translation>Ascolta</translation>
    </message>
    <message>
      <source>Прослушать выбранные ноты</source>
      <comment>SMarkedPlayHint</comment>
      <translation>Ascolta le note scelte</translation>
    </message>
    <message>
      <source>|Дважды кликните ноту, чтобы удалить ее из списка</source>
      <comment>SMarkedHint</comment>
      <translation>|Fai doppio clic su una nota per toglierla dall'elenco</translation>
    </message>
    <message>
      <source>Автопоиск</source>
      <comment>SAutoSearchMarked</comment>
      <translation>Autoricerca</translation>
    </message>
    <message>
      <source>Автопоиск аккордов в  помеченных нотах</source>
      <comment>SAutoSearchMarkedHint</comment>
      <translation>Ricerca automatica degli accordi nelle note marcate</translation>
    </message>
    <message>
      <source>Варианты аккорда:</source>
      <comment>SVariantsLabel</comment>
      <translation>Varianti dell'accordo:</translation>
    </message>
    <message>
      <source>|Варианты аккорда для выбранного бита</source>
      <comment>SVariantsHint</comment>
      <translation>|Varianti dell'accordo per il battito scelto</translation>
    </message>
    <message>
      <source>#</source>
      <comment>SVariantsColNumber</comment>
      <translation>#</translation>
    </message>
    <message>
      <source>Название</source>
      <comment>SVariantsColName</comment>
      <translation>Nome</translation>
    </message>
    <message>
      <source>Состав аккорда</source>
      <comment>SVariantsColTones</comment>
      <translation>Note dell'accordo</translation>
    </message>
    <message>
      <source>Композиция по тактам:</source>
      <comment>SSongGridLabel</comment>
      <translation>Brano per battute:</translation>
    </message>
    <message>
      <source>|Двойной клик - просмотреть варианты аккорда, отметить бит как начало фрагмента</source>
      <comment>SSongGridHint</comment>
      <translation>|Doppio clic - mostra le varianti dell'accordo, segna il battito come inizio del frammento</translation>
    </message>
    <message>
      <source>Будь проще !!!</source>
      <comment>SSimplify</comment>
      <translation>Semplifica !!!</translation>
    </message>
    <message>
      <source>Упростить аккорды|Упрощение аккордов композиции. Внимание: при упрощении теряется точность следования аккордов оригиналу!</source>
      <comment>SSimplifyHint</comment>
      <translation>Semplifica gli accordi|Semplifica gli accordi del brano. Attenzione: gli accordi semplificati seguono l'originale con meno precisione!</translation>
    </message>
    <message>
      <source>Текущее время (сек.)</source>
      <comment>STimeHint</comment>
      <translation>Posizione attuale (sec.)</translation>
    </message>
    <message>
      <source>Текущее время (тиков)</source>
      <comment>STicksHint</comment>
      <translation>Posizione attuale (tick)</translation>
    </message>
    <message>
      <source>Продолжительность композиции (тиков)</source>
      <comment>SLengthHint</comment>
      <translation>Durata del brano (tick)</translation>
    </message>
    <message>
      <source>BPM:</source>
      <comment>SBpmLabel</comment>
      <translation>BPM:</translation>
    </message>
    <message>
      <source>Темп (битов в минуту)</source>
      <comment>SBpmHint</comment>
      <translation>Tempo (battiti al minuto)</translation>
    </message>
    <message>
      <source>Тон.:</source>
      <comment>SRootLabel</comment>
      <translation>Ton.:</translation>
    </message>
    <message>
      <source>Оригинальная тональность мелодии</source>
      <comment>SRootOrigHint</comment>
      <translation>Tonalità originale del brano</translation>
    </message>
    <message>
      <source>Транспозиция</source>
      <comment>STransposHint</comment>
      <translation>Trasposizione</translation>
    </message>
    <message>
      <source>Текущая тональность мелодии</source>
      <comment>SRootNewHint</comment>
      <translation>Tonalità attuale del brano</translation>
    </message>
    <message>
      <source>№</source>
      <comment>STrackColNumber</comment>
      <translation>N.</translation>
    </message>
    <message>
      <source>Имя трэка</source>
      <comment>STrackColName</comment>
      <translation>Nome traccia</translation>
    </message>
    <message>
      <source>Инструмент</source>
      <comment>STrackColInstrument</comment>
      <translation>Strumento</translation>
    </message>
    <message>
      <source>#</source>
      <comment>SEventColIndex</comment>
      <translation>#</translation>
    </message>
    <message>
      <source>Time</source>
      <comment>SEventColTime</comment>
      <translation>Time</translation>
    </message>
    <message>
      <source>Event</source>
      <comment>SEventColEvent</comment>
      <translation>Event</translation>
    </message>
    <message>
      <source>Data</source>
      <comment>SEventColData</comment>
      <translation>Data</translation>
    </message>
    <message>
      <source>Info</source>
      <comment>SEventColInfo</comment>
      <translation>Info</translation>
    </message>
    <message>
      <source>Проигрывание мелодии...</source>
      <comment>SPlayingHint</comment>
      <translation>Riproduzione del brano...</translation>
    </message>
    <message>
      <source>&amp;Да</source>
      <comment>SButtonYes</comment>
      <translation>&amp;Sì</translation>
    </message>
    <message>
      <source>&amp;Нет</source>
      <comment>SButtonNo</comment>
      <translation>&amp;No</translation>
    </message>
    <message>
      <source>Отмена</source>
      <comment>SButtonCancel</comment>
      <translation>Annulla</translation>
    </message>
    <message>
      <source>OK</source>
      <comment>SButtonOk</comment>
      <translation>OK</translation>
    </message>
    <message>
      <source>Руководство пользователя</source>
      <comment>SActManual</comment>
      <translation>Manuale utente</translation>
    </message>
    <message>
      <source>Руководство пользователя|Открыть руководство пользователя программы</source>
      <comment>SActManualHint</comment>
      <translation>Manuale utente|Apri il manuale utente del programma</translation>
    </message>
    <message>
      <source>Звук выключен: устройство вывода не открыто</source>
      <comment>SOutputSilent</comment>
      <translation>Audio spento: il dispositivo di uscita non è aperto</translation>
    </message>
    <message>
      <source>Не удалось открыть вход MIDI &quot;%s&quot;: %s</source>
      <comment>SMidiInOpenFailed</comment>
      <translation>Impossibile aprire l'ingresso MIDI &quot;%s&quot;: %s</translation>
    </message>
    <message>
      <source>Вход MIDI &quot;%s&quot; отключён: %s</source>
      <comment>SMidiInLost</comment>
      <translation>L'ingresso MIDI &quot;%s&quot; è stato scollegato: %s</translation>
    </message>
    <message>
      <source>устройство не найдено или отключено</source>
      <comment>SMidiInErrGone</comment>
      <translation>il dispositivo non c'è o è stato scollegato</translation>
    </message>
    <message>
      <source>устройство занято или недоступно</source>
      <comment>SMidiInErrBusy</comment>
      <translation>il dispositivo è occupato o non disponibile</translation>
    </message>
    <message>
      <source>сервер JACK остановлен</source>
      <comment>SMidiInErrServer</comment>
      <translation>il server JACK si è fermato</translation>
    </message>
    <message>
      <source>Вход MIDI &quot;%s&quot; подключён</source>
      <comment>SMidiInFound</comment>
      <translation>L'ingresso MIDI &quot;%s&quot; è collegato</translation>
    </message>
    <message>
      <source>Настройки программы</source>
      <comment>SOptCaption</comment>
      <translation>Impostazioni del programma</translation>
    </message>
    <message>
      <source>Готово</source>
      <comment>SOptOK</comment>
      <translation>Fatto</translation>
    </message>
    <message>
      <source>Принять данную конфигурацию</source>
      <comment>SOptOKHint</comment>
      <translation>Accetta questa configurazione</translation>
    </message>
    <message>
      <source>Отмена</source>
      <comment>SOptCancel</comment>
      <translation>Annulla</translation>
    </message>
    <message>
      <source>Закрыть окно, не сохраняя текущую конфигурацию</source>
      <comment>SOptCancelHint</comment>
      <translation>Chiudi la finestra senza salvare la configurazione attuale</translation>
    </message>
    <message>
      <source>Применить</source>
      <comment>SOptApply</comment>
      <translation>Applica</translation>
    </message>
    <message>
      <source>Принять данную конфигурацию без закрытия окна опций</source>
      <comment>SOptApplyHint</comment>
      <translation>Accetta questa configurazione senza chiudere la finestra delle opzioni</translation>
    </message>
    <message>
      <source>Вид</source>
      <comment>SOptPageView</comment>
      <translation>Aspetto</translation>
    </message>
    <message>
      <source>Распахнуть главное окно программы</source>
      <comment>SOptFormOpened</comment>
      <translation>Espandi la finestra principale del programma</translation>
    </message>
    <message>
      <source>В главном окне можно будет просматривать&#13;содержимое midi или караоке-файла,&#13;а также текст песни по мере проигрывания</source>
      <comment>SOptFormOpenedHint</comment>
      <translation>La finestra principale mostrerà&#13;il contenuto del file MIDI o karaoke&#13;e il testo della canzone durante la riproduzione</translation>
    </message>
    <message>
      <source>Показывать подсказки</source>
      <comment>SOptShowHints</comment>
      <translation>Mostra i suggerimenti</translation>
    </message>
    <message>
      <source>Если эту установку снять,&#13;больше Вы этой подсказки не увидите :)</source>
      <comment>SOptShowHintsHint</comment>
      <translation>Se togli questa opzione,&#13;non vedrai più questo suggerimento :)</translation>
    </message>
    <message>
      <source>Вид клавиатуры пиано</source>
      <comment>SOptPianoView</comment>
      <translation>Aspetto della tastiera</translation>
    </message>
    <message>
      <source>Цвет белых клавиш:</source>
      <comment>SOptWhiteKey</comment>
      <translation>Colore dei tasti bianchi:</translation>
    </message>
    <message>
      <source>Цвет черных клавиш:</source>
      <comment>SOptBlackKey</comment>
      <translation>Colore dei tasti neri:</translation>
    </message>
    <message>
      <source>Цвет рамок:</source>
      <comment>SOptBorder</comment>
      <translation>Colore dei bordi:</translation>
    </message>
    <message>
      <source>Цвет выбранной клавиши:</source>
      <comment>SOptSelectedKey</comment>
      <translation>Colore del tasto suonato:</translation>
    </message>
    <message>
      <source>Цвет помеченной клавиши:</source>
      <comment>SOptMarkedKey</comment>
      <translation>Colore del tasto segnato:</translation>
    </message>
    <message>
      <source>Количество видимых октав:</source>
      <comment>SOptOctaveCnt</comment>
      <translation>Numero di ottave visibili:</translation>
    </message>
    <message>
      <source>Количество видимых октав на клавиатуре фортепиано</source>
      <comment>SOptOctaveCntHint</comment>
      <translation>Numero di ottave visibili sulla tastiera del pianoforte</translation>
    </message>
    <message>
      <source>Аккорды</source>
      <comment>SOptPageChords</comment>
      <translation>Accordi</translation>
    </message>
    <message>
      <source>Способ записи нот:</source>
      <comment>SOptNoteSet</comment>
      <translation>Nomi delle note:</translation>
    </message>
    <message>
      <source>&quot;Английская&quot; нотация (C-D-E-F-G-A-B)</source>
      <comment>SOptNoteSetEnglish</comment>
      <translation>Notazione &quot;inglese&quot; (C-D-E-F-G-A-B)</translation>
    </message>
    <message>
      <source>&quot;Немецкая&quot; нотация (C-D-E-F-G-A-H)</source>
      <comment>SOptNoteSetGerman</comment>
      <translation>Notazione &quot;tedesca&quot; (C-D-E-F-G-A-H)</translation>
    </message>
    <message>
      <source>&quot;Итальянская&quot; нотация (DO-RE-MI-FA-SOL-LA-SI)</source>
      <comment>SOptNoteSetItalian</comment>
      <translation>Notazione &quot;italiana&quot; (DO-RE-MI-FA-SOL-LA-SI)</translation>
    </message>
    <message>
      <source>Продвинутое распознавание аккордов (технология Keysense)</source>
      <comment>SOptKeysense</comment>
      <translation>Riconoscimento avanzato degli accordi (tecnologia Keysense)</translation>
    </message>
    <message>
      <source>Включает &quot;продвинутое&quot; распознавание аккордов,&#13;основывающееся на информации о тональности композиции.</source>
      <comment>SOptKeysenseHint</comment>
      <translation>Attiva il riconoscimento &quot;avanzato&quot; degli accordi,&#13;basato sulla tonalità del brano.</translation>
    </message>
    <message>
      <source>Технология Keysense может применяться, только если тональность композиции определена. Используйте ее, если Вас не устраивает качество распознавания аккордов обычным методом.</source>
      <comment>SOptKeysenseInfo</comment>
      <translation>La tecnologia Keysense si può usare solo se la tonalità del brano è stata determinata. Usala se la qualità del riconoscimento normale degli accordi non ti soddisfa.</translation>
    </message>
    <message>
      <source>Звуки и MIDI</source>
      <comment>SOptPageMidi</comment>
      <translation>Suoni e MIDI</translation>
    </message>
    <message>
      <source>Устройство вывода MIDI:</source>
      <comment>SOptMidiOut</comment>
      <translation>Dispositivo di uscita MIDI:</translation>
    </message>
    <message>
      <source>Подвергать транспозиции только запись нот</source>
      <comment>SOptMidiOutNoTranspose</comment>
      <translation>Trasponi solo la notazione</translation>
    </message>
    <message>
      <source>При транспозиции будет сохраняться&#13;оригинальное звучание мелодии</source>
      <comment>SOptMidiOutNoTransposeHint</comment>
      <translation>Con la trasposizione la melodia&#13;mantiene il suono originale</translation>
    </message>
    <message>
      <source>Разрешить играть музыку на клавиатуре компьютера</source>
      <comment>SOptPlayKeys</comment>
      <translation>Consenti di suonare con la tastiera del computer</translation>
    </message>
    <message>
      <source>Позволяет пользователю играть мелодию на клавиатуре компьютера.&#13;Используются 2 верхних ряда клавиш клавиатуры</source>
      <comment>SOptPlayKeysHint</comment>
      <translation>Permette di suonare una melodia con la tastiera del computer.&#13;Si usano le 2 righe superiori di tasti</translation>
    </message>
    <message>
      <source>Интервал срабатывания MIDI-таймера (по-умолчанию 10 мсек):</source>
      <comment>SOptTimerResol</comment>
      <translation>Intervallo del timer MIDI (predefinito 10 ms):</translation>
    </message>
    <message>
      <source>Увеличьте это число, если наблюдаются &quot;глюки&quot; при&#13;проигрывании фрагмента композиции с произвольного бита</source>
      <comment>SOptTimerResolHint</comment>
      <translation>Aumenta questo numero se noti &quot;disturbi&quot; quando&#13;suoni un frammento del brano da un battito qualsiasi</translation>
    </message>
    <message>
      <source>Экспорт</source>
      <comment>SOptPageExport</comment>
      <translation>Esportazione</translation>
    </message>
    <message>
      <source>Путь к Табулисту:</source>
      <comment>SOptPathTabulist</comment>
      <translation>Percorso di Tabulist:</translation>
    </message>
    <message>
      <source>Каталог расположения Табулиста.&#13;По-умолчанию - в одном каталоге с этой программой.</source>
      <comment>SOptPathTabulistHint</comment>
      <translation>Cartella in cui si trova Tabulist.&#13;Per impostazione predefinita, la cartella di questo programma.</translation>
    </message>
    <message>
      <source>Табулист - это текстовый редактор для обработки текстов песен с аккордами.&#13;Бесплатную неограниченную по времени версию этой программы Вы можете загрузить с нашего сайта!</source>
      <comment>SOptTabulistInfo</comment>
      <translation>Tabulist è un editor di testo per i testi delle canzoni con accordi.&#13;Puoi scaricarne gratuitamente dal nostro sito una versione senza limiti di tempo!</translation>
    </message>
    <message>
      <source>Включить в текст композиции комментарии из MIDI-файла</source>
      <comment>SOptCommExport</comment>
      <translation>Includi nel testo del brano i commenti del file MIDI</translation>
    </message>
    <message>
      <source>Все комментарии экспортировать в текстовый файл&#13;вместе с текстом композиции</source>
      <comment>SOptCommExportHint</comment>
      <translation>Esporta tutti i commenti nel file di testo&#13;insieme al testo del brano</translation>
    </message>
    <message>
      <source>tabulist</source>
      <comment>SOptTabulistFile</comment>
      <translation>tabulist</translation>
    </message>
    <message>
      <source>tabulist (tabulist)</source>
      <comment>SOptTabulistFilter</comment>
      <translation>tabulist (tabulist)</translation>
    </message>
    <message>
      <source>Выбрать программу Табулист</source>
      <comment>SOptTabulistBrowseHint</comment>
      <translation>Scegli il programma Tabulist</translation>
    </message>
    <message>
      <source>Вы изменили способ записи нот.&#13;Чтобы изменения вступили в силу, необходимо&#13;перезапустить определитель аккордов.&#13;Сделать это сейчас?</source>
      <comment>SOptNoteSetQuestion</comment>
      <translation>Hai cambiato i nomi delle note.&#13;Perché la modifica abbia effetto occorre&#13;ripetere la ricerca degli accordi.&#13;Farlo adesso?</translation>
    </message>
    <message>
      <source>Не удалось выбрать устройство вывода MIDI &quot;%s&quot;:&#13;%s&#13;Будет использовано первое устройство.</source>
      <comment>SOptDeviceNotSelected</comment>
      <translation>Impossibile scegliere il dispositivo di uscita MIDI &quot;%s&quot;:&#13;%s&#13;Verrà usato il primo dispositivo.</translation>
    </message>
    <message>
      <source>Черный</source>
      <comment>SColorBlack</comment>
      <translation>Nero</translation>
    </message>
    <message>
      <source>Темно-красный</source>
      <comment>SColorMaroon</comment>
      <translation>Bordeaux</translation>
    </message>
    <message>
      <source>Зеленый</source>
      <comment>SColorGreen</comment>
      <translation>Verde</translation>
    </message>
    <message>
      <source>Оливковый</source>
      <comment>SColorOlive</comment>
      <translation>Oliva</translation>
    </message>
    <message>
      <source>Темно-синий</source>
      <comment>SColorNavy</comment>
      <translation>Blu scuro</translation>
    </message>
    <message>
      <source>Пурпурный</source>
      <comment>SColorPurple</comment>
      <translation>Porpora</translation>
    </message>
    <message>
      <source>Сине-зеленый</source>
      <comment>SColorTeal</comment>
      <translation>Verde acqua</translation>
    </message>
    <message>
      <source>Серый</source>
      <comment>SColorGray</comment>
      <translation>Grigio</translation>
    </message>
    <message>
      <source>Серебристый</source>
      <comment>SColorSilver</comment>
      <translation>Argento</translation>
    </message>
    <message>
      <source>Красный</source>
      <comment>SColorRed</comment>
      <translation>Rosso</translation>
    </message>
    <message>
      <source>Ярко-зеленый</source>
      <comment>SColorLime</comment>
      <translation>Verde lime</translation>
    </message>
    <message>
      <source>Желтый</source>
      <comment>SColorYellow</comment>
      <translation>Giallo</translation>
    </message>
    <message>
      <source>Синий</source>
      <comment>SColorBlue</comment>
      <translation>Blu</translation>
    </message>
    <message>
      <source>Фуксия</source>
      <comment>SColorFuchsia</comment>
      <translation>Fucsia</translation>
    </message>
    <message>
      <source>Голубой</source>
      <comment>SColorAqua</comment>
      <translation>Azzurro</translation>
    </message>
    <message>
      <source>Белый</source>
      <comment>SColorWhite</comment>
      <translation>Bianco</translation>
    </message>
    <message>
      <source>Серо-зеленый</source>
      <comment>SColorMoneyGreen</comment>
      <translation>Verde grigio</translation>
    </message>
    <message>
      <source>Небесно-голубой</source>
      <comment>SColorSkyBlue</comment>
      <translation>Celeste</translation>
    </message>
    <message>
      <source>Кремовый</source>
      <comment>SColorCream</comment>
      <translation>Crema</translation>
    </message>
    <message>
      <source>Светло-серый</source>
      <comment>SColorMedGray</comment>
      <translation>Grigio medio</translation>
    </message>
    <message>
      <source>Полоса прокрутки</source>
      <comment>SColorScrollBar</comment>
      <translation>Barra di scorrimento</translation>
    </message>
    <message>
      <source>Рабочий стол</source>
      <comment>SColorBackground</comment>
      <translation>Desktop</translation>
    </message>
    <message>
      <source>Заголовок активного окна</source>
      <comment>SColorActiveCaption</comment>
      <translation>Titolo finestra attiva</translation>
    </message>
    <message>
      <source>Заголовок неактивного окна</source>
      <comment>SColorInactiveCaption</comment>
      <translation>Titolo finestra inattiva</translation>
    </message>
    <message>
      <source>Меню</source>
      <comment>SColorMenu</comment>
      <translation>Menu</translation>
    </message>
    <message>
      <source>Окно</source>
      <comment>SColorWindow</comment>
      <translation>Finestra</translation>
    </message>
    <message>
      <source>Рамка окна</source>
      <comment>SColorWindowFrame</comment>
      <translation>Cornice finestra</translation>
    </message>
    <message>
      <source>Текст меню</source>
      <comment>SColorMenuText</comment>
      <translation>Testo menu</translation>
    </message>
    <message>
      <source>Текст окна</source>
      <comment>SColorWindowText</comment>
      <translation>Testo finestra</translation>
    </message>
    <message>
      <source>Текст заголовка</source>
      <comment>SColorCaptionText</comment>
      <translation>Testo titolo</translation>
    </message>
    <message>
      <source>Граница активного окна</source>
      <comment>SColorActiveBorder</comment>
      <translation>Bordo attivo</translation>
    </message>
    <message>
      <source>Граница неактивного окна</source>
      <comment>SColorInactiveBorder</comment>
      <translation>Bordo inattivo</translation>
    </message>
    <message>
      <source>Рабочая область приложения</source>
      <comment>SColorAppWorkSpace</comment>
      <translation>Area di lavoro</translation>
    </message>
    <message>
      <source>Выделение</source>
      <comment>SColorHighlight</comment>
      <translation>Evidenziazione</translation>
    </message>
    <message>
      <source>Выделенный текст</source>
      <comment>SColorHighlightText</comment>
      <translation>Testo evidenziato</translation>
    </message>
    <message>
      <source>Поверхность кнопки</source>
      <comment>SColorBtnFace</comment>
      <translation>Superficie pulsante</translation>
    </message>
    <message>
      <source>Тень кнопки</source>
      <comment>SColorBtnShadow</comment>
      <translation>Ombra pulsante</translation>
    </message>
    <message>
      <source>Недоступный текст</source>
      <comment>SColorGrayText</comment>
      <translation>Testo disattivato</translation>
    </message>
    <message>
      <source>Текст кнопки</source>
      <comment>SColorBtnText</comment>
      <translation>Testo pulsante</translation>
    </message>
    <message>
      <source>Текст неактивного заголовка</source>
      <comment>SColorInactiveCaptionText</comment>
      <translation>Testo titolo inattivo</translation>
    </message>
    <message>
      <source>Блик кнопки</source>
      <comment>SColorBtnHighlight</comment>
      <translation>Luce pulsante</translation>
    </message>
    <message>
      <source>Темная тень</source>
      <comment>SColor3DDkShadow</comment>
      <translation>Ombra scura 3D</translation>
    </message>
    <message>
      <source>Светлая грань</source>
      <comment>SColor3DLight</comment>
      <translation>Luce 3D</translation>
    </message>
    <message>
      <source>Текст подсказки</source>
      <comment>SColorInfoText</comment>
      <translation>Testo suggerimento</translation>
    </message>
    <message>
      <source>Фон подсказки</source>
      <comment>SColorInfoBk</comment>
      <translation>Sfondo suggerimento</translation>
    </message>
    <message>
      <source>Гиперссылка</source>
      <comment>SColorHotLight</comment>
      <translation>Collegamento</translation>
    </message>
    <message>
      <source>Градиент активного заголовка</source>
      <comment>SColorGradientActiveCaption</comment>
      <translation>Sfumatura titolo attivo</translation>
    </message>
    <message>
      <source>Градиент неактивного заголовка</source>
      <comment>SColorGradientInactiveCaption</comment>
      <translation>Sfumatura titolo inattivo</translation>
    </message>
    <message>
      <source>Выделение меню</source>
      <comment>SColorMenuHighlight</comment>
      <translation>Evidenziazione menu</translation>
    </message>
    <message>
      <source>Строка меню</source>
      <comment>SColorMenuBar</comment>
      <translation>Barra dei menu</translation>
    </message>
    <message>
      <source>По умолчанию</source>
      <comment>SColorDefault</comment>
      <translation>Predefinito</translation>
    </message>
    <message>
      <source>Другой...</source>
      <comment>SColorCustom</comment>
      <translation>Altro...</translation>
    </message>
    <message>
      <source>Беларуская мова</source>
      <comment>SLangBel</comment>
      <translation>Беларуская мова</translation>
    </message>
    <message>
      <source>Пераключыцца на беларускую мову</source>
      <comment>SLangBelHint</comment>
      <translation>Пераключыцца на беларускую мову</translation>
    </message>
    <message>
      <source>English language</source>
      <comment>SLangEng</comment>
      <translation>English language</translation>
    </message>
    <message>
      <source>Switch to English language</source>
      <comment>SLangEngHint</comment>
      <translation>Switch to English language</translation>
    </message>
    <message>
      <source>Lingua italiana</source>
      <comment>SLangIta</comment>
      <translation>Lingua italiana</translation>
    </message>
    <message>
      <source>Seleziona lingua italiana</source>
      <comment>SLangItaHint</comment>
      <translation>Seleziona lingua italiana</translation>
    </message>
    <message>
      <source>Русский язык</source>
      <comment>SLangRus</comment>
      <translation>Русский язык</translation>
    </message>
    <message>
      <source>Переключиться на русский язык</source>
      <comment>SLangRusHint</comment>
      <translation>Переключиться на русский язык</translation>
    </message>
    <message>
      <source>Чтобы изменения вступили в силу, &#13;Вы должны перезапустить программу.&#13;Выйти из программы сейчас?</source>
      <comment>SLangRestart</comment>
      <translation>Perché le modifiche abbiano effetto, &#13;occorre riavviare il programma.&#13;Uscire dal programma ora?</translation>
    </message>
    <message>
      <source>О программе</source>
      <comment>SAboutCaption</comment>
      <translation>Informazioni sul programma</translation>
    </message>
    <message>
      <source>Версия </source>
      <comment>SAboutVersion</comment>
      <translation>Versione </translation>
    </message>
    <message>
      <source>E-mail: </source>
      <comment>SAboutMailPrefix</comment>
      <translation>E-mail: </translation>
    </message>
    <message>
      <source>WWW: </source>
      <comment>SAboutWWWPrefix</comment>
      <translation>WWW: </translation>
    </message>
    <message>
      <source>&amp;OK</source>
      <comment>SAboutOK</comment>
      <translation>&amp;OK</translation>
    </message>
    <message>
      <source>Нота</source>
      <comment>SPianoNote</comment>
      <translation>Nota</translation>
    </message>
    <message>
      <source>Руководство пользователя не найдено:&#13;%s</source>
      <comment>SManualMissing</comment>
      <translation>Il manuale utente non è stato trovato:&#13;%s</translation>
    </message>
    <message>
      <source>Связные аккорды: выбирать аккорды всей композиции сразу</source>
      <comment>SOptKeysenseContinuity</comment>
      <translation>Accordi collegati: scegli gli accordi di tutto il brano insieme</translation>
    </message>
    <message>
      <source>Аккорд бита выбирается вместе с соседними битами:&#13;проходящая нота мелодии не меняет аккорд.&#13;Действует вместе с технологией Keysense.</source>
      <comment>SOptKeysenseContinuityHint</comment>
      <translation>L'accordo di un battito è scelto insieme ai battiti vicini:&#13;una nota di passaggio della melodia non cambia l'accordo.&#13;Funziona insieme alla tecnologia Keysense.</translation>
    </message>
    <message>
      <source>Бит сохраняет аккорд соседних битов, пока другой аккорд не подходит ему заметно лучше (только с Keysense).</source>
      <comment>SOptKeysenseContinuityInfo</comment>
      <translation>Un battito mantiene l'accordo dei vicini finché un altro accordo non gli si adatta chiaramente meglio (solo con Keysense).</translation>
    </message>
    <message>
      <source>Экспорт...</source>
      <comment>SActExport</comment>
      <translation>Esporta...</translation>
    </message>
    <message>
      <source>Экспорт|Сохранение песни с аккордами в файл: текст, ChordPro, сетка битов, анализ в JSON или MIDI с дорожкой аккордов</source>
      <comment>SActExportHint</comment>
      <translation>Esporta|Salva il brano con i suoi accordi in un file: testo, ChordPro, griglia dei battiti, analisi in JSON o MIDI con una traccia di accordi</translation>
    </message>
    <message>
      <source>Экспорт песни</source>
      <comment>SExportCaption</comment>
      <translation>Esporta il brano</translation>
    </message>
    <message>
      <source>Формат:</source>
      <comment>SExportFormatLabel</comment>
      <translation>Formato:</translation>
    </message>
    <message>
      <source>Файл:</source>
      <comment>SExportFileLabel</comment>
      <translation>File:</translation>
    </message>
    <message>
      <source>Обзор...</source>
      <comment>SExportBrowse</comment>
      <translation>Sfoglia...</translation>
    </message>
    <message>
      <source>Текст с аккордами (*.txt)</source>
      <comment>SExportFormatText</comment>
      <translation>Testo con accordi (*.txt)</translation>
    </message>
    <message>
      <source>ChordPro (*.cho)</source>
      <comment>SExportFormatChordPro</comment>
      <translation>ChordPro (*.cho)</translation>
    </message>
    <message>
      <source>Сетка битов (*.tsv)</source>
      <comment>SExportFormatGrid</comment>
      <translation>Griglia dei battiti (*.tsv)</translation>
    </message>
    <message>
      <source>Анализ в JSON (*.json)</source>
      <comment>SExportFormatJson</comment>
      <translation>Analisi in JSON (*.json)</translation>
    </message>
    <message>
      <source>Анализ в JSON Lines, строка на песню (*.jsonl)</source>
      <comment>SExportFormatJsonLines</comment>
      <translation>Analisi in JSON Lines, una riga per brano (*.jsonl)</translation>
    </message>
    <message>
      <source>MIDI с дорожкой аккордов (*.mid)</source>
      <comment>SExportFormatMidi</comment>
      <translation>MIDI con una traccia di accordi (*.mid)</translation>
    </message>
    <message>
      <source>Файл %s записан</source>
      <comment>SExportSaved</comment>
      <translation>File %s scritto</translation>
    </message>
    <message>
      <source>Вход MIDI (клавиатура):</source>
      <comment>SOptMidiIn</comment>
      <translation>Ingresso MIDI (tastiera):</translation>
    </message>
    <message>
      <source>(нет)</source>
      <comment>SOptMidiInNone</comment>
      <translation>(nessuno)</translation>
    </message>
    <message>
      <source>Ноты, сыгранные на клавиатуре MIDI, подсвечиваются на пианино;&#13;при нажатой кнопке &quot;Автопоиск&quot; их аккорд распознаётся сразу</source>
      <comment>SOptMidiInHint</comment>
      <translation>Le note suonate sulla tastiera MIDI si illuminano sul pianoforte;&#13;con &quot;Ricerca automatica&quot; premuto il loro accordo è riconosciuto subito</translation>
    </message>
    <message>
      <source>Передавать сыгранное на устройство вывода (MIDI thru)</source>
      <comment>SOptMidiThru</comment>
      <translation>Inoltra quanto suonato al dispositivo di uscita (MIDI thru)</translation>
    </message>
    <message>
      <source>Ноты с клавиатуры MIDI будут звучать&#13;через выбранное устройство вывода</source>
      <comment>SOptMidiThruHint</comment>
      <translation>Le note della tastiera MIDI suonano&#13;attraverso il dispositivo di uscita scelto</translation>
    </message>
    <message>
      <source>это не файл модели аккордов</source>
      <comment>SChordModelNotAModel</comment>
      <translation>non è un file di modello degli accordi</translation>
    </message>
    <message>
      <source>файл записан более новой версией программы (версия модели %s)</source>
      <comment>SChordModelNewerVersion</comment>
      <translation>il file è stato scritto da una versione più recente del programma (versione del modello %s)</translation>
    </message>
    <message>
      <source>строка %d: непонятная запись &quot;%s&quot;</source>
      <comment>SChordModelBadLine</comment>
      <translation>riga %d: voce non leggibile &quot;%s&quot;</translation>
    </message>
    <message>
      <source>строка %d: неверное число &quot;%s&quot;</source>
      <comment>SChordModelBadNumber</comment>
      <translation>riga %d: numero non valido &quot;%s&quot;</translation>
    </message>
    <message>
      <source>строка %d: неверное количество чисел (%s)</source>
      <comment>SChordModelWrongCount</comment>
      <translation>riga %d: numero di valori errato (%s)</translation>
    </message>
    <message>
      <source>строка %d: неизвестный тип аккорда &quot;%s&quot;</source>
      <comment>SChordModelUnknownType</comment>
      <translation>riga %d: tipo di accordo sconosciuto &quot;%s&quot;</translation>
    </message>
    <message>
      <source>нет весов типа аккорда &quot;%s&quot;</source>
      <comment>SChordModelMissing</comment>
      <translation>mancano i pesi del tipo di accordo &quot;%s&quot;</translation>
    </message>
    <message>
      <source>строка %d: тип аккорда &quot;%s&quot; повторяется</source>
      <comment>SChordModelDuplicate</comment>
      <translation>riga %d: il tipo di accordo &quot;%s&quot; è ripetuto</translation>
    </message>
    <message>
      <source>Модель аккордов &quot;%s&quot; не может быть использована: %s.&#13;Аккорды ищутся по таблице Keysense.</source>
      <comment>SChordModelUnusable</comment>
      <translation>Il modello degli accordi &quot;%s&quot; non può essere usato: %s.&#13;Gli accordi sono cercati con la tabella Keysense.</translation>
    </message>
    <message>
      <source>Файл модели аккордов %s не найден ни в одной из папок данных:&#13;%s&#13;Аккорды ищутся по таблице Keysense.</source>
      <comment>SChordModelNotFound</comment>
      <translation>Il file del modello degli accordi %s non è stato trovato in nessuna delle cartelle dei dati:&#13;%s&#13;Gli accordi sono cercati con la tabella Keysense.</translation>
    </message>
    <message>
      <source>Распознавание аккордов:&#13;  --chords table|learned              таблица Keysense или обученная модель (без параметра&#13;                                      действуют настройки); с моделью --keysense и --continuity&#13;                                      не действуют</source>
      <comment>SCliHelpChords</comment>
      <translation>Riconoscimento degli accordi:&#13;  --chords table|learned              la tabella Keysense o il modello appreso (senza l'opzione&#13;                                      valgono le impostazioni); con il modello --keysense e&#13;                                      --continuity non hanno effetto</translation>
    </message>
    <message>
      <source>Распознавание аккордов</source>
      <comment>SChordRecognition</comment>
      <translation>Riconoscimento degli accordi</translation>
    </message>
    <message>
      <source>Таблица Keysense</source>
      <comment>SChordRecognitionTable</comment>
      <translation>Tabella Keysense</translation>
    </message>
    <message>
      <source>Обученная модель</source>
      <comment>SChordRecognitionLearned</comment>
      <translation>Modello appreso</translation>
    </message>
    <message>
      <source>С обученной моделью переключатели Keysense и непрерывности не действуют: модель сама выбирает аккорды всей композиции, тональность определяется только для её названия.</source>
      <comment>SChordRecognitionLearnedNote</comment>
      <translation>Con il modello appreso le opzioni Keysense e continuità non hanno effetto: il modello sceglie da sé gli accordi dell'intero brano; la tonalità è determinata solo per nominarla.</translation>
    </message>
    <message>
      <source>Вид</source>
      <comment>SMenuView</comment>
      <translation>Visualizza</translation>
    </message>
    <message>
      <source>Текст с аккордами</source>
      <comment>SSheetCaption</comment>
      <translation>Testo con accordi</translation>
    </message>
    <message>
      <source>Текст с аккордами</source>
      <comment>SActSheet</comment>
      <translation>Testo con accordi</translation>
    </message>
    <message>
      <source>Текст с аккордами|Показать или скрыть текст песни с аккордами, который следует за проигрыванием</source>
      <comment>SActSheetHint</comment>
      <translation>Testo con accordi|Mostra o nasconde il testo della canzone con gli accordi, che segue la riproduzione</translation>
    </message>
    <message>
      <source>Сцена</source>
      <comment>SActStage</comment>
      <translation>Vista da palco</translation>
    </message>
    <message>
      <source>Сцена|Текст с аккордами на весь экран крупным шрифтом, светлым по тёмному; Esc - выход</source>
      <comment>SActStageHint</comment>
      <translation>Vista da palco|Il testo con accordi a schermo intero a caratteri grandi, chiaro su scuro; Esc per uscire</translation>
    </message>
    <message>
      <source>Печать...</source>
      <comment>SActPrint</comment>
      <translation>Stampa...</translation>
    </message>
    <message>
      <source>Печать|Печать текста с аккордами</source>
      <comment>SActPrintHint</comment>
      <translation>Stampa|Stampa il testo con accordi</translation>
    </message>
    <message>
      <source>Экспорт в PDF...</source>
      <comment>SActExportPdf</comment>
      <translation>Esporta in PDF...</translation>
    </message>
    <message>
      <source>Экспорт в PDF|Сохранение текста с аккордами в файл PDF</source>
      <comment>SActExportPdfHint</comment>
      <translation>Esporta in PDF|Salva il testo con accordi in un file PDF</translation>
    </message>
    <message>
      <source>|Щелчок по аккорду - перейти к его биту и показать варианты аккорда</source>
      <comment>SSheetHint</comment>
      <translation>|Clic su un accordo: va alla sua battuta e mostra le varianti</translation>
    </message>
    <message>
      <source>Откройте песню (F3)</source>
      <comment>SSheetNoSong</comment>
      <translation>Apri una canzone (F3)</translation>
    </message>
    <message>
      <source>Аккорды ещё не определены: нажмите F8</source>
      <comment>SSheetNoChords</comment>
      <translation>Gli accordi non sono ancora stati trovati: premi F8</translation>
    </message>
    <message>
      <source>Тональность: %s</source>
      <comment>SSheetKey</comment>
      <translation>Tonalità: %s</translation>
    </message>
    <message>
      <source>Темп: %d</source>
      <comment>SSheetTempo</comment>
      <translation>Tempo: %d</translation>
    </message>
    <message>
      <source>Страница %d из %d</source>
      <comment>SSheetPage</comment>
      <translation>Pagina %d di %d</translation>
    </message>
    <message>
      <source>Без названия</source>
      <comment>SSheetUntitled</comment>
      <translation>Senza titolo</translation>
    </message>
    <message>
      <source>Esc - выход</source>
      <comment>SSheetStageLeave</comment>
      <translation>Esc - esci</translation>
    </message>
    <message>
      <source>Документ PDF (*.pdf)</source>
      <comment>SSheetPdfFilter</comment>
      <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
      <source>Не удалось записать файл PDF %s</source>
      <comment>SSheetPdfFailed</comment>
      <translation>Impossibile scrivere il file PDF %s</translation>
    </message>
    <message>
      <source>Не удалось создать PDF: нет средств рисования страниц</source>
      <comment>SSheetPdfUnavailable</comment>
      <translation>Impossibile creare il PDF: nulla con cui disegnarne le pagine</translation>
    </message>
    <message>
      <source>Текст с аккордами в PDF (*.pdf)</source>
      <comment>SExportFormatPdf</comment>
      <translation>Testo con accordi in PDF (*.pdf)</translation>
    </message>
    <message>
      <source>Нотный лист: мелодия, аккорды и слова в MusicXML (*.musicxml)</source>
      <comment>SExportFormatMusicXml</comment>
      <translation>Spartito guida: melodia, accordi e testo in MusicXML (*.musicxml)</translation>
    </message>
    <message>
      <source>Файл формата 2 (независимые последовательности) нельзя записать нотным листом MusicXML</source>
      <comment>SLeadSheetFormat2</comment>
      <translation>Un file di formato 2 (sequenze indipendenti) non può essere scritto come spartito guida MusicXML</translation>
    </message>
    <message>
      <source>В песне нет трэка %d для мелодии</source>
      <comment>SLeadSheetNoTrack</comment>
      <translation>Il brano non ha la traccia %d per la melodia</translation>
    </message>
    <message>
      <source>Композиция &quot;%s&quot; слишком длинная для нотного листа:&#13;%d четвертей, а допустимо не более %d.</source>
      <comment>SLeadSheetTooLong</comment>
      <translation>Il brano &quot;%s&quot; è troppo lungo per uno spartito guida:&#13;%d semiminime, mentre ne sono ammesse al massimo %d.</translation>
    </message>
    <message>
      <source>Мелодия</source>
      <comment>SLeadSheetMelody</comment>
      <translation>Melodia</translation>
    </message>
    <message>
      <source>Трэк мелодии:</source>
      <comment>SExportMelodyTrack</comment>
      <translation>Traccia della melodia:</translation>
    </message>
    <message>
      <source>Выбрать по песне</source>
      <comment>SExportMelodyAuto</comment>
      <translation>Scelta dal brano</translation>
    </message>
    <message>
      <source>Нотный лист (--format musicxml):&#13;  --melody-track N                    трэк мелодии по его номеру в списке трэков (с 1); без него он выбирается по песне</source>
      <comment>SCliHelpLeadSheet</comment>
      <translation>Spartito guida (--format musicxml):&#13;  --melody-track N                    la traccia della melodia secondo il suo numero nell'elenco delle tracce (da 1); senza, la sceglie il brano</translation>
    </message>
    <message>
      <source>Запись в WAV (--render):&#13;  --gain ДБ                           усиление в децибелах (без него самый громкий отсчёт приводится к -1 дБ полной шкалы)</source>
      <comment>SCliHelpRender</comment>
      <translation>Scrittura in WAV (--render):&#13;  --gain DB                           guadagno in decibel (senza, il campione più forte viene portato a -1 dB di fondo scala)</translation>
    </message>
    <message>
      <source>Больше не спрашивать</source>
      <comment>SDontAskAgain</comment>
      <translation>Non chiedere più</translation>
    </message>
    <message>
      <source>Ответ на вопрос об определении тональности для Keysense: %s</source>
      <comment>SOptKeysenseAnswer</comment>
      <translation>Risposta alla domanda se rilevare la tonalità per Keysense: %s</translation>
    </message>
    <message>
      <source>спрашивать</source>
      <comment>SOptKeysenseAnswerAsk</comment>
      <translation>chiedere</translation>
    </message>
    <message>
      <source>всегда определять</source>
      <comment>SOptKeysenseAnswerYes</comment>
      <translation>rilevarla sempre</translation>
    </message>
    <message>
      <source>не определять</source>
      <comment>SOptKeysenseAnswerNo</comment>
      <translation>non rilevarla</translation>
    </message>
    <message>
      <source>Спрашивать снова</source>
      <comment>SOptKeysenseAskAgain</comment>
      <translation>Chiedi di nuovo</translation>
    </message>
    <message>
      <source>Программа снова будет спрашивать, определить ли тональность,&#13;когда она нужна технологии Keysense</source>
      <comment>SOptKeysenseAskAgainHint</comment>
      <translation>Il programma chiederà di nuovo se rilevare la tonalità&#13;quando serve a Keysense</translation>
    </message>
    <message>
      <source>Устройство вывода &quot;%s&quot; не нашло вывода звука (PipeWire, PulseAudio или ALSA): проигрывание будет беззвучным.</source>
      <comment>SOutputBarNoAudio</comment>
      <translation>Il dispositivo di uscita &quot;%s&quot; non ha trovato un'uscita audio (PipeWire, PulseAudio o ALSA): la riproduzione sarà muta.</translation>
    </message>
    <message>
      <source>Не удалось открыть устройство вывода &quot;%s&quot;: возможно, оно занято другой программой. Проигрывание будет беззвучным.</source>
      <comment>SOutputBarPort</comment>
      <translation>Impossibile aprire il dispositivo di uscita &quot;%s&quot;: forse lo usa un altro programma. La riproduzione sarà muta.</translation>
    </message>
    <message>
      <source>Выбрать устройство...</source>
      <comment>SOutputBarOptions</comment>
      <translation>Scegli un dispositivo...</translation>
    </message>
    <message>
      <source>Настройки, страница &quot;Звуки и MIDI&quot;</source>
      <comment>SOutputBarOptionsHint</comment>
      <translation>Impostazioni, pagina &quot;Suoni e MIDI&quot;</translation>
    </message>
    <message>
      <source>Скрыть сообщение</source>
      <comment>SOutputBarClose</comment>
      <translation>Nascondi il messaggio</translation>
    </message>
    <message>
      <source>Писать ноты по тональности</source>
      <comment>SOptSpellByKey</comment>
      <translation>Scrivi le note secondo la tonalità</translation>
    </message>
    <message>
      <source>Названия аккордов и тональности пишутся знаками тональности:&#13;Bb и Eb в си-бемоль мажоре, F# и C# в ре мажоре.&#13;Без флажка - всегда диезами.</source>
      <comment>SOptSpellByKeyHint</comment>
      <translation>I nomi di accordi e tonalità prendono le alterazioni della tonalità:&#13;Bb ed Eb in Si bemolle maggiore, F# e C# in Re maggiore.&#13;Senza spunta: sempre diesis.</translation>
    </message>
    <message>
      <source>Названия нот:&#13;  --spelling sharps|key               всегда диезами или по тональности (Bb в фа мажоре;&#13;                                      без параметра действуют настройки)</source>
      <comment>SCliHelpSpelling</comment>
      <translation>Nomi delle note:&#13;  --spelling sharps|key               sempre diesis o secondo la tonalità (Bb in Fa maggiore;&#13;                                      senza l'opzione valgono le impostazioni)</translation>
    </message>
    <message>
      <source>Диаграммы аккордов над текстом:</source>
      <comment>SOptChordDiagrams</comment>
      <translation>Diagrammi degli accordi sopra il testo:</translation>
    </message>
    <message>
      <source>нет</source>
      <comment>SOptChordDiagramsNone</comment>
      <translation>nessuno</translation>
    </message>
    <message>
      <source>гитара</source>
      <comment>SOptChordDiagramsGuitar</comment>
      <translation>chitarra</translation>
    </message>
    <message>
      <source>фортепиано</source>
      <comment>SOptChordDiagramsPiano</comment>
      <translation>pianoforte</translation>
    </message>
    <message>
      <source>%s, строка %d: %s; строка пропущена</source>
      <comment>SShapesLineSkipped</comment>
      <translation>%s, riga %d: %s; riga ignorata</translation>
    </message>
    <message>
      <source>нет двоеточия после названия аккорда</source>
      <comment>SShapesNoColon</comment>
      <translation>manca il due punti dopo il nome dell'accordo</translation>
    </message>
    <message>
      <source>неизвестное название аккорда</source>
      <comment>SShapesUnknownChord</comment>
      <translation>nome di accordo sconosciuto</translation>
    </message>
    <message>
      <source>нужны лады шести струн, от шестой (x - струна не звучит)</source>
      <comment>SShapesBadFrets</comment>
      <translation>servono i tasti di sei corde, dal Mi basso (x: corda muta)</translation>
    </message>
    <message>
      <source>баррэ должно быть вида barre=N и лежать не выше прижатых ладов</source>
      <comment>SShapesBadBarre</comment>
      <translation>il barré deve essere barre=N e non stare sopra i tasti premuti</translation>
    </message>
    <message>
      <source>струны звучат не нотами этого аккорда (или басом не его бас)</source>
      <comment>SShapesWrongNotes</comment>
      <translation>le corde suonano note fuori dall'accordo (o un basso non suo)</translation>
    </message>
    <message>
      <source>Файл аппликатур %s не прочитан: %s</source>
      <comment>SShapesUnreadable</comment>
      <translation>Il file delle diteggiature %s non è stato letto: %s</translation>
    </message>
    <message>
      <source>Каподастр %d</source>
      <comment>SSheetCapo</comment>
      <translation>Capotasto %d</translation>
    </message>
    <message>
      <source>%s: играть %s</source>
      <comment>SSheetCapoPlay</comment>
      <translation>%s: suonare %s</translation>
    </message>
    <message>
      <source>ru</source>
      <comment>SManualLanguage</comment>
      <translation>it</translation>
    </message>
    <message>
      <source>0: команда выполнена.&#13;1: команда не удалась (файл не прочитан, результат не записан; в пакетной обработке: некоторые песни).&#13;2: неверные параметры командной строки.&#13;130: прервано (Ctrl+C) при пакетной обработке или проигрывании.</source>
      <comment>SManExitStatus</comment>
      <translation>0: il comando è riuscito.&#13;1: il comando non è riuscito (un file non letto, un risultato non scritto; in un lotto: alcuni brani).&#13;2: opzioni della riga di comando non valide.&#13;130: interrotto (Ctrl+C) durante un lotto o la riproduzione.</translation>
    </message>
    <message>
      <source>КОД ЗАВЕРШЕНИЯ|СМОТРИТЕ ТАКЖЕ</source>
      <comment>SManMoreSections</comment>
      <translation>STATO DI USCITA|VEDERE ANCHE</translation>
    </message>
    <message>
      <source>tabulist(1), руководство пользователя: %s</source>
      <comment>SManSeeAlso</comment>
      <translation>tabulist(1), il manuale utente: %s</translation>
    </message>
  </context>
</TS>
