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
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Invalid filename</source>
      <comment>SInvalidFilename</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Too many open files</source>
      <comment>STooManyOpenFiles</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>File access denied</source>
      <comment>SFileAccessDenied</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Read beyond end of file</source>
      <comment>SReadBeyondEnd</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>I/O error %d</source>
      <comment>SInOutError</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>List index out of bounds (%d)</source>
      <comment>SListIndexError</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Внешнее исключение</source>
      <comment>SExternalException</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Change to DeviceID while device was open</source>
      <comment>SMidiOutChangeDeviceID</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Invalid device ID</source>
      <comment>SMidiOutInvalidDeviceID</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Change to ProductName while device was open</source>
      <comment>SMidiOutChangeProductName</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>MIDI output Device %s not installed</source>
      <comment>SMidiOutNotInstalled</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>MIDI Output device not open</source>
      <comment>SMidiOutNotOpen</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Specified error number is out of range</source>
      <comment>SMidiOutErrorOutOfRange</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Unspecified error in the MIDI output</source>
      <comment>SMidiOutErrUnspecified</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>There is no MIDI output device with this number</source>
      <comment>SMidiOutErrBadDeviceId</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>The MIDI output device is already in use</source>
      <comment>SMidiOutErrAllocated</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>The MIDI output device handle is not valid</source>
      <comment>SMidiOutErrInvalidHandle</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>No MIDI output device is available</source>
      <comment>SMidiOutErrNoDevice</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Not enough memory for the MIDI output</source>
      <comment>SMidiOutErrNoMemory</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Invalid parameter for the MIDI output</source>
      <comment>SMidiOutErrInvalidParam</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>The ALSA sequencer is not available</source>
      <comment>SMidiOutErrNoSequencer</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>The MIDI message could not be delivered to the device</source>
      <comment>SMidiOutErrSendFailed</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>The MIDI output device has been disconnected</source>
      <comment>SMidiOutErrDeviceGone</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>The built-in synthesizer found no General MIDI SoundFont (install the package timgm6mb-soundfont or fluid-soundfont-gm)</source>
      <comment>SMidiOutErrNoSoundFont</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>The built-in synthesizer could not load its SoundFont</source>
      <comment>SMidiOutErrSoundFontLoad</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>The built-in synthesizer found no audio output (PipeWire, PulseAudio or ALSA)</source>
      <comment>SMidiOutErrNoAudio</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Первое доступное устройство</source>
      <comment>SMidiMapperName</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Встроенный синтезатор (FluidSynth)</source>
      <comment>SBuiltinSynthName</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Файл &quot;%s&quot; пуст или испорчен.</source>
      <comment>SRenderEmptySong</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Не удалось прочитать файл &quot;%s&quot;: %s</source>
      <comment>SRenderReadError</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Не удалось записать файл &quot;%s&quot;: %s</source>
      <comment>SRenderWriteError</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Встроенный синтезатор недоступен: %s</source>
      <comment>SRenderSynthError</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Ошибка вывода MIDI при записи звука: %s</source>
      <comment>SRenderSendError</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Файл &quot;%s&quot; слишком длинный для записи в WAV (%s).</source>
      <comment>SRenderTooLong</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>звук записан не полностью</source>
      <comment>SRenderIncomplete</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Keysense initialization error.</source>
      <comment>SKeysenseInitError</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>'%s' is not a valid integer value</source>
      <comment>SInvalidInteger</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Не удалось сохранить настройки в файл&#13;%s:&#13;%s</source>
      <comment>SSettingsSaveError</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Файл %s не найден</source>
      <comment>SSongFileNotFound</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Файл &quot;%s&quot; пуст или испорчен.</source>
      <comment>SSongFileEmpty</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Все поддерживаемые форматы|*.mid;*.kar|Файлы MIDI (*.mid)|*.mid|Файлы караоке (*.kar)|*.kar|Все файлы (*.*)|*.*</source>
      <comment>SSongLoadFilter</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>#</source>
      <comment>SSongGridCorner</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Бит %d</source>
      <comment>SSongGridBeat</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Пересканировать аккорды повторно?&#13;Все сделанные Вами в окошке вариантов&#13;настройки аккордов пропадут.</source>
      <comment>SSongRescanQuestion</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Определение аккордов. Ждите...</source>
      <comment>SSongSearchWait</comment>
      <translation>Ricerca degli accordi. Attendere...</translation>
    </message>
    <message>
      <source>Композиция &quot;%s&quot; слишком длинная для поиска аккордов:&#13;%d битов, а допустимо не более %d.</source>
      <comment>SSongTooLong</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Для активизации технологии Keysense необходимо&#13;определить тональность композиции.&#13;Сделать это сейчас?</source>
      <comment>SSongKeysenseQuestion</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Технология Keysense временно отключена</source>
      <comment>SSongKeysenseOff</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Определение тональности композиции. Ждите...</source>
      <comment>SSongKeyWait</comment>
      <translation>Ricerca della tonalità del brano. Attendere...</translation>
    </message>
    <message>
      <source>Оригинальную тональность мелодии&#13;определить не удалось.</source>
      <comment>SSongKeyFailed</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Тональность определена</source>
      <comment>SSongKeyFoundCaption</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Вероятнее всего, мелодия написана&#13;в тональности %s %s.</source>
      <comment>SSongKeyFound</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>&#13;Возможно также, тональность мелодии - %s %s.</source>
      <comment>SSongKeyAlternative</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>major</source>
      <comment>SSongModeMajor</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>minor</source>
      <comment>SSongModeMinor</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source> или </source>
      <comment>SSongKeyOr</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Всего найдено %d вариантов аккорда:</source>
      <comment>SSongVariantsFound</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Заменить аккорд %s&#13;аккордом %s?</source>
      <comment>SSongReplaceChord</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Все аккорды будут максимально упрощены,&#13;с потерей точности соответствия мелодии!</source>
      <comment>SSongSimplifyQuestion</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Транспонирование мелодии. Ждите...</source>
      <comment>SSongTransposeWait</comment>
      <translation>Trasposizione della melodia. Attendere...</translation>
    </message>
    <message>
      <source>Вы действительно хотите увеличить длительность бита в 2 раза?</source>
      <comment>SSongIncBeatQuestion</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Вы действительно хотите уменьшить длительность бита в 2 раза?</source>
      <comment>SSongDecBeatQuestion</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Вы действительно хотите вернуть исходную длительность бита?</source>
      <comment>SSongDefBeatQuestion</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>* 3</source>
      <comment>SSongSpeedX3</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>* 2</source>
      <comment>SSongSpeedX2</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>* 1.5</source>
      <comment>SSongSpeedX15</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>1:1</source>
      <comment>SSongSpeed11</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>/ 1.5</source>
      <comment>SSongSpeedD15</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>/ 2</source>
      <comment>SSongSpeedD2</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>/ 3</source>
      <comment>SSongSpeedD3</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Аккорды не определены!&#13;Определить сейчас?</source>
      <comment>SNoChordsAsk</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Формирование текста с аккордами. Ждите...</source>
      <comment>SBuildingText</comment>
      <translation>Preparazione del testo con accordi. Attendere...</translation>
    </message>
    <message>
      <source>Не удалось обнаружить Табулиста на диске.&#13;Табулист - это редактор текстов с аккордами.&#13;Вы можете его свободно загрузить из Интернет&#13;(нажмите F1 в главном окне, чтобы узнать адрес).&#13;&#13;Возможно также, Вы не указали расположение&#13;Табулиста в настройках программы</source>
      <comment>SNoTabulist</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Не удалось запустить Табулист.&#13;Попробуйте запустить его вручную, и затем&#13;повторить передачу текста с аккордами.</source>
      <comment>STabulistStartFailed</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Табулист не появился в течение %d с после запуска.&#13;Попробуйте запустить его вручную, и затем&#13;повторить передачу текста с аккордами.</source>
      <comment>STabulistNoWindow</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Табулист не принял текст с аккордами в течение %d с.&#13;Попробуйте повторить передачу текста с аккордами.</source>
      <comment>STabulistNoAnswer</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Не удалось записать файл %s</source>
      <comment>SHandoffWriteError</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Не удалось удалить файл %s</source>
      <comment>SHandoffDeleteError</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Табулист</source>
      <comment>STabCaption</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Без имени</source>
      <comment>STabUntitled</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>&amp;Файл</source>
      <comment>STabMenuFile</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>&amp;Открыть...</source>
      <comment>STabActOpen</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>&amp;Сохранить</source>
      <comment>STabActSave</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Сохранить &amp;как...</source>
      <comment>STabActSaveAs</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>&amp;Закрыть текст</source>
      <comment>STabActCloseTab</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>В&amp;ыход</source>
      <comment>STabActExit</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Тексты с аккордами (*.txt);;Все файлы (*)</source>
      <comment>STabFilter</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Текст &quot;%s&quot; изменён.&#13;Сохранить изменения?</source>
      <comment>STabSaveChanges</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Не удалось сохранить файл %s:&#13;%s</source>
      <comment>STabSaveError</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Не удалось открыть файл %s:&#13;%s</source>
      <comment>STabOpenError</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Получен текст с аккордами</source>
      <comment>STabReceived</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Табулист не может принимать тексты: %s</source>
      <comment>STabNotListening</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Использование:&#13;  cantaro ФАЙЛ [параметры]            текст с аккордами песни (как --export)&#13;  cantaro --export ФАЙЛ [параметры]   текст с аккордами песни&#13;  cantaro --events ФАЙЛ               трэки файла и события каждого трэка&#13;  cantaro --recognize НОТА...         варианты аккорда из нот (C4 E4 G4 или 60 64 67)&#13;  cantaro --devices                   устройства вывода MIDI&#13;  cantaro --render ФАЙЛ -o ФАЙЛ.wav [--transpose N]  звучание песни в файл WAV&#13;  cantaro --help                      эта справка&#13;&#13;Параметры:&#13;  -o, --output ФАЙЛ                   записать результат в файл&#13;  --key auto|ТОНАЛЬНОСТЬ              оригинальная тональность: определить или задать (C, Am, F#)&#13;  --transpose N                       транспозиция на N полутонов (-11..11)&#13;  --beat default|double|half          длительность бита: по умолчанию, вдвое больше, вдвое меньше&#13;  --notation english|german|italian   способ записи нот&#13;  --keysense on|off                   технология Keysense&#13;  --comments on|off                   комментарии MIDI-файла в тексте&#13;  --format text|chordpro|grid         текст с аккордами, ChordPro или сетка битов&#13;  --codepage cp1251|cp1252|koi8-r     кодировка текстов файла, если это не UTF-8&#13;&#13;Без параметров --key, --notation, --keysense, --comments и --codepage действуют&#13;настройки программы.</source>
      <comment>SCliHelp</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Справка: cantaro --help</source>
      <comment>SCliHint</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Неизвестный параметр: %s</source>
      <comment>SCliUnknownOption</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Для параметра %s не указано значение</source>
      <comment>SCliMissingValue</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Недопустимое значение параметра %s: %s</source>
      <comment>SCliBadValue</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Не указан файл песни</source>
      <comment>SCliNoFile</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Лишний аргумент: %s</source>
      <comment>SCliExtraArgument</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Не удалось распознать ноту: %s</source>
      <comment>SCliBadNote</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Не указаны ноты</source>
      <comment>SCliNoNotes</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Аккордов из этих нот не найдено</source>
      <comment>SCliNoVariants</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Не удалось записать файл %s: %s</source>
      <comment>SCliWriteError</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>№	Имя трэка	Инструмент</source>
      <comment>SCliTrackList</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Трэк %d: %s</source>
      <comment>SCliTrackTitle</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Настройки прочитаны не полностью: %s</source>
      <comment>SCliSettingsWarning</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Cantaro</source>
      <comment>SMainCaption</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Файл</source>
      <comment>SMenuFile</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Обработка</source>
      <comment>SMenuProcess</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Сервис</source>
      <comment>SMenuService</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Язык (Language)</source>
      <comment>SMenuLanguage</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Справка</source>
      <comment>SMenuHelp</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Последние файлы</source>
      <comment>SMenuMRU</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Тексты, которые загружались последними</source>
      <comment>SMenuMRUHint</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Длительность бита</source>
      <comment>SMenuBeatLength</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Открыть...</source>
      <comment>SActLoad</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Открыть...|Загрузка караоке или миди-файла</source>
      <comment>SActLoadHint</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Искать аккорды!</source>
      <comment>SActSearchSongChords</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Искать аккорды!|Запуск определителя аккордов</source>
      <comment>SActSearchSongChordsHint</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Сохранить текст</source>
      <comment>SActWriteText</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Сохранить|Сохранение текста с аккордами в Табулист для редактирования</source>
      <comment>SActWriteTextHint</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>К началу</source>
      <comment>SActRewind</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>К началу|Перемотка к началу</source>
      <comment>SActRewindHint</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Пуск</source>
      <comment>SActPlay</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Пуск|Проигрывание мелодии</source>
      <comment>SActPlayHint</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Стоп</source>
      <comment>SActStop</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Стоп|Остановка проигрывания</source>
      <comment>SActStopHint</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Настройки...</source>
      <comment>SActOptions</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Настройки программы...|Просмотр настроек программы</source>
      <comment>SActOptionsHint</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Определить тональность</source>
      <comment>SActFindRoot</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Определить тональность!|Определение оригинальной тональности мелодии</source>
      <comment>SActFindRootHint</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Увеличить вдвое</source>
      <comment>SActIncBeat</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Увеличение длительности бита в 2 раза (количество аккордов в композиции сократится в 2 раза)</source>
      <comment>SActIncBeatHint</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>По-умолчанию</source>
      <comment>SActDefBeat</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Установка длительности бита по-умолчанию</source>
      <comment>SActDefBeatHint</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Уменьшить вдвое</source>
      <comment>SActDecBeat</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Уменьшение длительности бита в 2 раза (количество аккордов в композиции возрастет в 2 раза)</source>
      <comment>SActDecBeatHint</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Отметить начало фрагмента</source>
      <comment>SActSetFragmentStart</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Установка начала фрагмента</source>
      <comment>SActSetFragmentStartHint</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Повторить</source>
      <comment>SActRepeat</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Играть повторно с начала фрагмента</source>
      <comment>SActRepeatHint</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Редактировать бит</source>
      <comment>SActEditBit</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>|Двойной клик мышки - просмотр вариантов аккорда, установка начала фрагмента</source>
      <comment>SActEditBitHint</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Играть бит</source>
      <comment>SActPlayBit</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>|Пробел - проигрывание текущего бита</source>
      <comment>SActPlayBitHint</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>|Проигрывание текущего бита и переход к следующему</source>
      <comment>SActPlayBitMenuHint</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Применить &gt;&gt;</source>
      <comment>SActSetSelectedChord</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Помещение выбранного аккорда в композицию</source>
      <comment>SActSetSelectedChordHint</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Играть аккорд</source>
      <comment>SActPlaySelectedChord</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Прослушивание выбранного аккорда</source>
      <comment>SActPlaySelectedChordHint</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Убрать отметки</source>
      <comment>SActClearMarks</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Очистка клавиш пиано от отметок</source>
      <comment>SActClearMarksHint</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Заглушить все треки</source>
      <comment>SActTracksMute</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Исключение из обработки и заглушка всех треков композиции</source>
      <comment>SActTracksMuteHint</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Включить все треки</source>
      <comment>SActTracksTurnOn</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Включение всех треков композиции</source>
      <comment>SActTracksTurnOnHint</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Беларуская мова</source>
      <comment>SActLangBel</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Пераключыцца на беларускую мову</source>
      <comment>SActLangBelHint</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>English language</source>
      <comment>SActLangEng</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Switch to English language</source>
      <comment>SActLangEngHint</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Lingua italiana</source>
      <comment>SActLangIta</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Seleziona lingua italiana</source>
      <comment>SActLangItaHint</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Русский язык</source>
      <comment>SActLangRus</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Переключиться на русский язык</source>
      <comment>SActLangRusHint</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Письмо разработчикам</source>
      <comment>SActEmail</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Письмо разработчикам|Отправление письма разработчикам программы</source>
      <comment>SActEmailHint</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Домашняя страница</source>
      <comment>SActHomePage</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Домашняя страница|Переход на домашнюю страницу программы в Интернет</source>
      <comment>SActHomePageHint</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>О программе...</source>
      <comment>SActAbout</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>О программе...|Информация о программе</source>
      <comment>SActAboutHint</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Выйти</source>
      <comment>SActQuit</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Выход из программы</source>
      <comment>SActQuitHint</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Сдвиг клавиатуры влево</source>
      <comment>SScrollPianoLeftHint</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Сдвиг клавиатуры вправо</source>
      <comment>SScrollPianoRightHint</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Нота</source>
      <comment>SNoteLabel</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Прослушать</source>
      <comment>SMarkedPlay</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Прослушать выбранные ноты</source>
      <comment>SMarkedPlayHint</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>|Дважды кликните ноту, чтобы удалить ее из списка</source>
      <comment>SMarkedHint</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Автопоиск</source>
      <comment>SAutoSearchMarked</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Варианты аккорда:</source>
      <comment>SVariantsLabel</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>|Варианты аккорда для выбранного бита</source>
      <comment>SVariantsHint</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>#</source>
      <comment>SVariantsColNumber</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Название</source>
      <comment>SVariantsColName</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Состав аккорда</source>
      <comment>SVariantsColTones</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Композиция по тактам:</source>
      <comment>SSongGridLabel</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>|Двойной клик - просмотреть варианты аккорда, отметить бит как начало фрагмента</source>
      <comment>SSongGridHint</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Будь проще !!!</source>
      <comment>SSimplify</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Текущее время (сек.)</source>
      <comment>STimeHint</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Текущее время (тиков)</source>
      <comment>STicksHint</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Продолжительность композиции (тиков)</source>
      <comment>SLengthHint</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>BPM:</source>
      <comment>SBpmLabel</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Темп (битов в минуту)</source>
      <comment>SBpmHint</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Тон.:</source>
      <comment>SRootLabel</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Оригинальная тональность мелодии</source>
      <comment>SRootOrigHint</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Транспозиция</source>
      <comment>STransposHint</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Текущая тональность мелодии</source>
      <comment>SRootNewHint</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>№</source>
      <comment>STrackColNumber</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Имя трэка</source>
      <comment>STrackColName</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Инструмент</source>
      <comment>STrackColInstrument</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>#</source>
      <comment>SEventColIndex</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Time</source>
      <comment>SEventColTime</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Event</source>
      <comment>SEventColEvent</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Data</source>
      <comment>SEventColData</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Info</source>
      <comment>SEventColInfo</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Проигрывание мелодии...</source>
      <comment>SPlayingHint</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>&amp;Да</source>
      <comment>SButtonYes</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>&amp;Нет</source>
      <comment>SButtonNo</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Отмена</source>
      <comment>SButtonCancel</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>OK</source>
      <comment>SButtonOk</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Не удалось открыть MIDI порт для вывода звука. &#13;Возможно, он занят другой программой!</source>
      <comment>SPortWarning</comment>
      <translation type="unfinished"/>
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
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Показывать подсказки</source>
      <comment>SOptShowHints</comment>
      <translation>Mostra i suggerimenti</translation>
    </message>
    <message>
      <source>Если эту установку снять,&#13;больше Вы этой подсказки не увидите :)</source>
      <comment>SOptShowHintsHint</comment>
      <translation type="unfinished"/>
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
      <translation type="unfinished"/>
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
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Технология Keysense может применяться, только если тональность композиции определена. Используйте ее, если Вас не устраивает качество распознавания аккордов обычным методом.</source>
      <comment>SOptKeysenseInfo</comment>
      <translation type="unfinished"/>
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
      <translation type="unfinished"/>
    </message>
    <message>
      <source>При транспозиции будет сохраняться&#13;оригинальное звучание мелодии</source>
      <comment>SOptMidiOutNoTransposeHint</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Разрешить играть музыку на клавиатуре компьютера</source>
      <comment>SOptPlayKeys</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Позволяет пользователю играть мелодию на клавиатуре компьютера.&#13;Используются 2 верхних ряда клавиш клавиатуры</source>
      <comment>SOptPlayKeysHint</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Интервал срабатывания MIDI-таймера (по-умолчанию 10 мсек):</source>
      <comment>SOptTimerResol</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Увеличьте это число, если наблюдаются &quot;глюки&quot; при&#13;проигрывании фрагмента композиции с произвольного бита</source>
      <comment>SOptTimerResolHint</comment>
      <translation type="unfinished"/>
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
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Табулист - это текстовый редактор для обработки текстов песен с аккордами.&#13;Бесплатную неограниченную по времени версию этой программы Вы можете загрузить с нашего сайта!</source>
      <comment>SOptTabulistInfo</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Включить в текст композиции комментарии из MIDI-файла</source>
      <comment>SOptCommExport</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Все комментарии экспортировать в текстовый файл&#13;вместе с текстом композиции</source>
      <comment>SOptCommExportHint</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>tabulist</source>
      <comment>SOptTabulistFile</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>tabulist (tabulist)</source>
      <comment>SOptTabulistFilter</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Выбрать программу Табулист</source>
      <comment>SOptTabulistBrowseHint</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Вы изменили способ записи нот.&#13;Чтобы изменения вступили в силу, необходимо&#13;перезапустить определитель аккордов.&#13;Сделать это сейчас?</source>
      <comment>SOptNoteSetQuestion</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Не удалось выбрать устройство вывода MIDI &quot;%s&quot;:&#13;%s&#13;Будет использовано первое устройство.</source>
      <comment>SOptDeviceNotSelected</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Черный</source>
      <comment>SColorBlack</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Темно-красный</source>
      <comment>SColorMaroon</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Зеленый</source>
      <comment>SColorGreen</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Оливковый</source>
      <comment>SColorOlive</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Темно-синий</source>
      <comment>SColorNavy</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Пурпурный</source>
      <comment>SColorPurple</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Сине-зеленый</source>
      <comment>SColorTeal</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Серый</source>
      <comment>SColorGray</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Серебристый</source>
      <comment>SColorSilver</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Красный</source>
      <comment>SColorRed</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Ярко-зеленый</source>
      <comment>SColorLime</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Желтый</source>
      <comment>SColorYellow</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Синий</source>
      <comment>SColorBlue</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Фуксия</source>
      <comment>SColorFuchsia</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Голубой</source>
      <comment>SColorAqua</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Белый</source>
      <comment>SColorWhite</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Серо-зеленый</source>
      <comment>SColorMoneyGreen</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Небесно-голубой</source>
      <comment>SColorSkyBlue</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Кремовый</source>
      <comment>SColorCream</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Светло-серый</source>
      <comment>SColorMedGray</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Полоса прокрутки</source>
      <comment>SColorScrollBar</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Рабочий стол</source>
      <comment>SColorBackground</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Заголовок активного окна</source>
      <comment>SColorActiveCaption</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Заголовок неактивного окна</source>
      <comment>SColorInactiveCaption</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Меню</source>
      <comment>SColorMenu</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Окно</source>
      <comment>SColorWindow</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Рамка окна</source>
      <comment>SColorWindowFrame</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Текст меню</source>
      <comment>SColorMenuText</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Текст окна</source>
      <comment>SColorWindowText</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Текст заголовка</source>
      <comment>SColorCaptionText</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Граница активного окна</source>
      <comment>SColorActiveBorder</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Граница неактивного окна</source>
      <comment>SColorInactiveBorder</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Рабочая область приложения</source>
      <comment>SColorAppWorkSpace</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Выделение</source>
      <comment>SColorHighlight</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Выделенный текст</source>
      <comment>SColorHighlightText</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Поверхность кнопки</source>
      <comment>SColorBtnFace</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Тень кнопки</source>
      <comment>SColorBtnShadow</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Недоступный текст</source>
      <comment>SColorGrayText</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Текст кнопки</source>
      <comment>SColorBtnText</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Текст неактивного заголовка</source>
      <comment>SColorInactiveCaptionText</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Блик кнопки</source>
      <comment>SColorBtnHighlight</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Темная тень</source>
      <comment>SColor3DDkShadow</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Светлая грань</source>
      <comment>SColor3DLight</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Текст подсказки</source>
      <comment>SColorInfoText</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Фон подсказки</source>
      <comment>SColorInfoBk</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Гиперссылка</source>
      <comment>SColorHotLight</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Градиент активного заголовка</source>
      <comment>SColorGradientActiveCaption</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Градиент неактивного заголовка</source>
      <comment>SColorGradientInactiveCaption</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Выделение меню</source>
      <comment>SColorMenuHighlight</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Строка меню</source>
      <comment>SColorMenuBar</comment>
      <translation type="unfinished"/>
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
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Пераключыцца на беларускую мову</source>
      <comment>SLangBelHint</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>English language</source>
      <comment>SLangEng</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Switch to English language</source>
      <comment>SLangEngHint</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Lingua italiana</source>
      <comment>SLangIta</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Seleziona lingua italiana</source>
      <comment>SLangItaHint</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Русский язык</source>
      <comment>SLangRus</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Переключиться на русский язык</source>
      <comment>SLangRusHint</comment>
      <translation type="unfinished"/>
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
      <translation type="unfinished"/>
    </message>
    <message>
      <source>WWW: </source>
      <comment>SAboutWWWPrefix</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>&amp;OK</source>
      <comment>SAboutOK</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>https://cantaro.example.org/</source>
      <comment>SAboutHomePage</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>cantaro@example.org</source>
      <comment>SAboutEmail</comment>
      <translation type="unfinished"/>
    </message>
    <message>
      <source>Нота</source>
      <comment>SPianoNote</comment>
      <translation>Nota</translation>
    </message>
  </context>
</TS>
