<?xml version="1.0"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
  <context>
    <name>untMesConst</name>
    <message>
      <source>Ошибка</source>
      <comment>SCaptionError</comment>
      <translation>Error</translation>
    </message>
    <message>
      <source>Внимание</source>
      <comment>SCaptionWarning</comment>
      <translation>Warning</translation>
    </message>
    <message>
      <source>Подтверждение</source>
      <comment>SCaptionConfirm</comment>
      <translation>Confirmation</translation>
    </message>
    <message>
      <source>Информация</source>
      <comment>SCaptionInfo</comment>
      <translation>Information</translation>
    </message>
    <message>
      <source>Ждите...</source>
      <comment>SWait</comment>
      <translation>Please wait...</translation>
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
      <translation>External exception</translation>
    </message>
    <message>
      <source>Файл повреждён, обрезано дорожек: %d</source>
      <comment>SDamagedFile</comment>
      <translation>damaged file, %d tracks cut short</translation>
    </message>
    <message>
      <source>Файл повреждён, не хватает дорожек: %d</source>
      <comment>SDamagedFileMissing</comment>
      <translation>damaged file, %d tracks missing</translation>
    </message>
    <message>
      <source>Файл повреждён, обрезано дорожек: %d, не хватает дорожек: %d</source>
      <comment>SDamagedFileCutMissing</comment>
      <translation>damaged file, %d tracks cut short, %d tracks missing</translation>
    </message>
    <message>
      <source>Это папка, а не файл</source>
      <comment>SFileIsFolder</comment>
      <translation>This is a folder, not a file</translation>
    </message>
    <message>
      <source>Файл слишком велик: %s байт при пределе %s байт</source>
      <comment>SFileTooLarge</comment>
      <translation>File too large: %s bytes, the limit is %s bytes</translation>
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
      <translation>First available device</translation>
    </message>
    <message>
      <source>Встроенный синтезатор (FluidSynth)</source>
      <comment>SBuiltinSynthName</comment>
      <translation>Built-in synthesizer (FluidSynth)</translation>
    </message>
    <message>
      <source>Файл &quot;%s&quot; пуст или испорчен.</source>
      <comment>SRenderEmptySong</comment>
      <translation>The file &quot;%s&quot; is empty or damaged.</translation>
    </message>
    <message>
      <source>Не удалось прочитать файл &quot;%s&quot;: %s</source>
      <comment>SRenderReadError</comment>
      <translation>Could not read the file &quot;%s&quot;: %s</translation>
    </message>
    <message>
      <source>Не удалось записать файл &quot;%s&quot;: %s</source>
      <comment>SRenderWriteError</comment>
      <translation>Could not write the file &quot;%s&quot;: %s</translation>
    </message>
    <message>
      <source>Встроенный синтезатор недоступен: %s</source>
      <comment>SRenderSynthError</comment>
      <translation>The built-in synthesizer is not available: %s</translation>
    </message>
    <message>
      <source>Ошибка вывода MIDI при записи звука: %s</source>
      <comment>SRenderSendError</comment>
      <translation>MIDI output error while recording the sound: %s</translation>
    </message>
    <message>
      <source>Файл &quot;%s&quot; слишком длинный для записи в WAV (%s).</source>
      <comment>SRenderTooLong</comment>
      <translation>The file &quot;%s&quot; is too long to be written as WAV (%s).</translation>
    </message>
    <message>
      <source>звук записан не полностью</source>
      <comment>SRenderIncomplete</comment>
      <translation>the sound was not recorded completely</translation>
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
      <translation>Could not save the settings to the file&#13;%s:&#13;%s</translation>
    </message>
    <message>
      <source>Файл %s не найден</source>
      <comment>SSongFileNotFound</comment>
      <translation>File %s not found</translation>
    </message>
    <message>
      <source>Файл &quot;%s&quot; пуст или испорчен.</source>
      <comment>SSongFileEmpty</comment>
      <translation>The file &quot;%s&quot; is empty or damaged.</translation>
    </message>
    <message>
      <source>%s — это папка, а не файл песни</source>
      <comment>SSongFileIsFolder</comment>
      <translation>%s is a folder, not a song file</translation>
    </message>
    <message>
      <source>Не удалось прочитать файл %s:&#13;%s</source>
      <comment>SSongFileReadError</comment>
      <translation>Could not read the file %s:&#13;%s</translation>
    </message>
    <message>
      <source>Все поддерживаемые форматы|*.mid;*.kar|Файлы MIDI (*.mid)|*.mid|Файлы караоке (*.kar)|*.kar|Все файлы (*.*)|*.*</source>
      <comment>SSongLoadFilter</comment>
      <translation>All supported formats|*.mid;*.kar|MIDI files (*.mid)|*.mid|Karaoke files (*.kar)|*.kar|All files (*.*)|*.*</translation>
    </message>
    <message>
      <source>#</source>
      <comment>SSongGridCorner</comment>
      <translation>#</translation>
    </message>
    <message>
      <source>Бит %d</source>
      <comment>SSongGridBeat</comment>
      <translation>Beat %d</translation>
    </message>
    <message>
      <source>Пересканировать аккорды повторно?&#13;Все сделанные Вами в окошке вариантов&#13;настройки аккордов пропадут.</source>
      <comment>SSongRescanQuestion</comment>
      <translation>Scan the chords again?&#13;All chord changes you made in the variants&#13;window will be lost.</translation>
    </message>
    <message>
      <source>Определение аккордов. Ждите...</source>
      <comment>SSongSearchWait</comment>
      <translation>Searching for chords. Please wait...</translation>
    </message>
    <message>
      <source>Композиция &quot;%s&quot; слишком длинная для поиска аккордов:&#13;%d битов, а допустимо не более %d.</source>
      <comment>SSongTooLong</comment>
      <translation>The song &quot;%s&quot; is too long to search for chords:&#13;%d beats, while at most %d are allowed.</translation>
    </message>
    <message>
      <source>Для активизации технологии Keysense необходимо&#13;определить тональность композиции.&#13;Сделать это сейчас?</source>
      <comment>SSongKeysenseQuestion</comment>
      <translation>To use the Keysense technology the key&#13;of the song must be known.&#13;Detect it now?</translation>
    </message>
    <message>
      <source>Технология Keysense временно отключена</source>
      <comment>SSongKeysenseOff</comment>
      <translation>The Keysense technology is switched off for now</translation>
    </message>
    <message>
      <source>Определение тональности композиции. Ждите...</source>
      <comment>SSongKeyWait</comment>
      <translation>Detecting the key of the song. Please wait...</translation>
    </message>
    <message>
      <source>Оригинальную тональность мелодии&#13;определить не удалось.</source>
      <comment>SSongKeyFailed</comment>
      <translation>The original key of the melody&#13;could not be detected.</translation>
    </message>
    <message>
      <source>Тональность определена</source>
      <comment>SSongKeyFoundCaption</comment>
      <translation>Key detected</translation>
    </message>
    <message>
      <source>Вероятнее всего, мелодия написана&#13;в тональности %s %s.</source>
      <comment>SSongKeyFound</comment>
      <translation>Most probably the melody is written&#13;in %s %s.</translation>
    </message>
    <message>
      <source>&#13;Возможно также, тональность мелодии - %s %s.</source>
      <comment>SSongKeyAlternative</comment>
      <translation>&#13;The key of the melody may also be %s %s.</translation>
    </message>
    <message>
      <source>major</source>
      <comment>SSongModeMajor</comment>
      <translation>major</translation>
    </message>
    <message>
      <source>minor</source>
      <comment>SSongModeMinor</comment>
      <translation>minor</translation>
    </message>
    <message>
      <source> или </source>
      <comment>SSongKeyOr</comment>
      <translation> or </translation>
    </message>
    <message>
      <source>Всего найдено %d вариантов аккорда:</source>
      <comment>SSongVariantsFound</comment>
      <translation>%d chord variants found in all:</translation>
    </message>
    <message>
      <source>Заменить аккорд %s&#13;аккордом %s?</source>
      <comment>SSongReplaceChord</comment>
      <translation>Replace the chord %s&#13;with the chord %s?</translation>
    </message>
    <message>
      <source>Все аккорды будут максимально упрощены,&#13;с потерей точности соответствия мелодии!</source>
      <comment>SSongSimplifyQuestion</comment>
      <translation>All chords will be simplified as far as possible,&#13;at the cost of matching the melody less closely!</translation>
    </message>
    <message>
      <source>Транспонирование мелодии. Ждите...</source>
      <comment>SSongTransposeWait</comment>
      <translation>Transposing the melody. Please wait...</translation>
    </message>
    <message>
      <source>Вы действительно хотите увеличить длительность бита в 2 раза?</source>
      <comment>SSongIncBeatQuestion</comment>
      <translation>Do you really want to double the beat length?</translation>
    </message>
    <message>
      <source>Вы действительно хотите уменьшить длительность бита в 2 раза?</source>
      <comment>SSongDecBeatQuestion</comment>
      <translation>Do you really want to halve the beat length?</translation>
    </message>
    <message>
      <source>Вы действительно хотите вернуть исходную длительность бита?</source>
      <comment>SSongDefBeatQuestion</comment>
      <translation>Do you really want to restore the original beat length?</translation>
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
      <translation>The chords have not been found!&#13;Find them now?</translation>
    </message>
    <message>
      <source>Формирование текста с аккордами. Ждите...</source>
      <comment>SBuildingText</comment>
      <translation>Building the text with chords. Please wait...</translation>
    </message>
    <message>
      <source>Не удалось обнаружить Табулиста на диске.&#13;Табулист - это редактор текстов с аккордами.&#13;Вы можете его свободно загрузить из Интернет&#13;(нажмите F1 в главном окне, чтобы узнать адрес).&#13;&#13;Возможно также, Вы не указали расположение&#13;Табулиста в настройках программы</source>
      <comment>SNoTabulist</comment>
      <translation>Tabulist was not found on the disk.&#13;Tabulist is an editor of texts with chords.&#13;You can download it freely from the Internet&#13;(press F1 in the main window to see the address).&#13;&#13;Perhaps you have also not given the location&#13;of Tabulist in the program settings</translation>
    </message>
    <message>
      <source>Не удалось запустить Табулист.&#13;Попробуйте запустить его вручную, и затем&#13;повторить передачу текста с аккордами.</source>
      <comment>STabulistStartFailed</comment>
      <translation>Could not start Tabulist.&#13;Try to start it by hand and then&#13;send the text with chords again.</translation>
    </message>
    <message>
      <source>Табулист не появился в течение %d с после запуска.&#13;Попробуйте запустить его вручную, и затем&#13;повторить передачу текста с аккордами.</source>
      <comment>STabulistNoWindow</comment>
      <translation>Tabulist did not appear within %d s after its start.&#13;Try to start it by hand and then&#13;send the text with chords again.</translation>
    </message>
    <message>
      <source>Табулист не принял текст с аккордами в течение %d с.&#13;Попробуйте повторить передачу текста с аккордами.</source>
      <comment>STabulistNoAnswer</comment>
      <translation>Tabulist did not take the text with chords within %d s.&#13;Try to send the text with chords again.</translation>
    </message>
    <message>
      <source>Не удалось записать файл %s</source>
      <comment>SHandoffWriteError</comment>
      <translation>Could not write the file %s</translation>
    </message>
    <message>
      <source>Не удалось удалить файл %s</source>
      <comment>SHandoffDeleteError</comment>
      <translation>Could not delete the file %s</translation>
    </message>
    <message>
      <source>Имя Табулиста занято программой другого пользователя.&#13;Текст с аккордами ей не передан:&#13;передавать его чужой программе небезопасно.</source>
      <comment>SForeignTabulist</comment>
      <translation>Another user's program holds Tabulist's name.&#13;The text with chords was not handed to it:&#13;handing it to someone else's program is not safe.</translation>
    </message>
    <message>
      <source>Файл формата 2 (независимые последовательности) нельзя записать с дорожкой аккордов</source>
      <comment>SChordTrackFormat2</comment>
      <translation>A format 2 file (independent sequences) cannot be written with a chord track</translation>
    </message>
    <message>
      <source>Свободного канала нет: аккорды записаны на канал %d, где уже %d нот</source>
      <comment>SChordTrackSharedChannel</comment>
      <translation>No free channel: the chords are written on channel %d, which already holds %d notes</translation>
    </message>
    <message>
      <source>Ноты, которые транспонирование вывело за пределы 0..127, не записаны: %d событий</source>
      <comment>SChordTrackDropped</comment>
      <translation>Notes moved outside 0..127 by the transposition are not written: %d events</translation>
    </message>
    <message>
      <source>Табулист</source>
      <comment>STabCaption</comment>
      <translation>Tabulist</translation>
    </message>
    <message>
      <source>Без имени</source>
      <comment>STabUntitled</comment>
      <translation>Untitled</translation>
    </message>
    <message>
      <source>&amp;Файл</source>
      <comment>STabMenuFile</comment>
      <translation>&amp;File</translation>
    </message>
    <message>
      <source>&amp;Открыть...</source>
      <comment>STabActOpen</comment>
      <translation>&amp;Open...</translation>
    </message>
    <message>
      <source>&amp;Сохранить</source>
      <comment>STabActSave</comment>
      <translation>&amp;Save</translation>
    </message>
    <message>
      <source>Сохранить &amp;как...</source>
      <comment>STabActSaveAs</comment>
      <translation>Save &amp;as...</translation>
    </message>
    <message>
      <source>&amp;Закрыть текст</source>
      <comment>STabActCloseTab</comment>
      <translation>&amp;Close text</translation>
    </message>
    <message>
      <source>В&amp;ыход</source>
      <comment>STabActExit</comment>
      <translation>E&amp;xit</translation>
    </message>
    <message>
      <source>Тексты с аккордами (*.txt);;Все файлы (*)</source>
      <comment>STabFilter</comment>
      <translation>Texts with chords (*.txt);;All files (*)</translation>
    </message>
    <message>
      <source>Текст &quot;%s&quot; изменён.&#13;Сохранить изменения?</source>
      <comment>STabSaveChanges</comment>
      <translation>The text &quot;%s&quot; has changed.&#13;Save the changes?</translation>
    </message>
    <message>
      <source>Не удалось сохранить файл %s:&#13;%s</source>
      <comment>STabSaveError</comment>
      <translation>Could not save the file %s:&#13;%s</translation>
    </message>
    <message>
      <source>Не удалось открыть файл %s:&#13;%s</source>
      <comment>STabOpenError</comment>
      <translation>Could not open the file %s:&#13;%s</translation>
    </message>
    <message>
      <source>Получен текст с аккордами</source>
      <comment>STabReceived</comment>
      <translation>Text with chords received</translation>
    </message>
    <message>
      <source>Табулист не может принимать тексты: %s</source>
      <comment>STabNotListening</comment>
      <translation>Tabulist cannot receive texts: %s</translation>
    </message>
    <message>
      <source>Использование:&#13;  cantaro ФАЙЛ [параметры]            на рабочем столе и без параметров: окно с песней; иначе текст с аккордами песни (как --export)&#13;  cantaro --export ФАЙЛ [параметры]   текст с аккордами песни&#13;  cantaro --events ФАЙЛ               трэки файла и события каждого трэка&#13;  cantaro --recognize НОТА...         варианты аккорда из нот (C4 E4 G4 или 60 64 67)&#13;  cantaro --devices                   устройства вывода MIDI&#13;  cantaro --render ФАЙЛ -o ФАЙЛ.wav [--transpose N]  звучание песни в файл WAV&#13;  cantaro --help                      эта справка&#13;  cantaro --version                   версия программы&#13;&#13;Параметры:&#13;  -o, --output ФАЙЛ                   записать результат в файл&#13;  --key auto|ТОНАЛЬНОСТЬ              оригинальная тональность: определить или задать (C, Am, F#)&#13;  --transpose N                       транспозиция на N полутонов (-11..11)&#13;  --beat default|double|half          длительность бита: по умолчанию, вдвое больше, вдвое меньше&#13;  --notation english|german|italian   способ записи нот&#13;  --keysense on|off                   технология Keysense&#13;  --continuity on|off                 связные аккорды (вместе с Keysense)&#13;  --comments on|off                   комментарии MIDI-файла в тексте&#13;  --format ИМЯ                        формат результата (список ниже; по умолчанию text)&#13;  --codepage cp1251|cp1252|koi8-r     кодировка текстов файла, если это не UTF-8&#13;&#13;Без параметров --key, --notation, --keysense, --continuity, --comments и --codepage действуют&#13;настройки программы.</source>
      <comment>SCliHelp</comment>
      <translation>Usage:&#13;  cantaro FILE [options]              on a desktop and without options: the window with the song; otherwise the song's text with chords (as --export)&#13;  cantaro --export FILE [options]     the song's text with chords&#13;  cantaro --events FILE               the file's tracks and the events of each track&#13;  cantaro --recognize NOTE...         chord variants from notes (C4 E4 G4 or 60 64 67)&#13;  cantaro --devices                   MIDI output devices&#13;  cantaro --render FILE -o FILE.wav [--transpose N]  the song's sound into a WAV file&#13;  cantaro --help                      this help&#13;  cantaro --version                   the program's version&#13;&#13;Options:&#13;  -o, --output FILE                   write the result to a file&#13;  --key auto|KEY                      original key: detect or give it (C, Am, F#)&#13;  --transpose N                       transpose by N semitones (-11..11)&#13;  --beat default|double|half          beat length: default, doubled, halved&#13;  --notation english|german|italian   note naming&#13;  --keysense on|off                   Keysense technology&#13;  --continuity on|off                 connected chords (with Keysense)&#13;  --comments on|off                   the MIDI file's comments in the text&#13;  --format NAME                       the result's format (listed below; text by default)&#13;  --codepage cp1251|cp1252|koi8-r     encoding of the file's texts if not UTF-8&#13;&#13;Without --key, --notation, --keysense, --continuity, --comments and --codepage the program's&#13;settings apply.</translation>
    </message>
    <message>
      <source>Справка: cantaro --help</source>
      <comment>SCliHint</comment>
      <translation>Help: cantaro --help</translation>
    </message>
    <message>
      <source>Неизвестный параметр: %s</source>
      <comment>SCliUnknownOption</comment>
      <translation>Unknown option: %s</translation>
    </message>
    <message>
      <source>Для параметра %s не указано значение</source>
      <comment>SCliMissingValue</comment>
      <translation>No value given for the option %s</translation>
    </message>
    <message>
      <source>Недопустимое значение параметра %s: %s</source>
      <comment>SCliBadValue</comment>
      <translation>Invalid value of the option %s: %s</translation>
    </message>
    <message>
      <source>Не указан файл песни</source>
      <comment>SCliNoFile</comment>
      <translation>No song file given</translation>
    </message>
    <message>
      <source>Лишний аргумент: %s</source>
      <comment>SCliExtraArgument</comment>
      <translation>Extra argument: %s</translation>
    </message>
    <message>
      <source>Не удалось распознать ноту: %s</source>
      <comment>SCliBadNote</comment>
      <translation>Could not recognise the note: %s</translation>
    </message>
    <message>
      <source>Не указаны ноты</source>
      <comment>SCliNoNotes</comment>
      <translation>No notes given</translation>
    </message>
    <message>
      <source>Аккордов из этих нот не найдено</source>
      <comment>SCliNoVariants</comment>
      <translation>No chords found from these notes</translation>
    </message>
    <message>
      <source>Не удалось записать файл %s: %s</source>
      <comment>SCliWriteError</comment>
      <translation>Could not write the file %s: %s</translation>
    </message>
    <message>
      <source>№	Имя трэка	Инструмент</source>
      <comment>SCliTrackList</comment>
      <translation>No.	Track name	Instrument</translation>
    </message>
    <message>
      <source>Трэк %d: %s</source>
      <comment>SCliTrackTitle</comment>
      <translation>Track %d: %s</translation>
    </message>
    <message>
      <source>Настройки прочитаны не полностью: %s</source>
      <comment>SCliSettingsWarning</comment>
      <translation>The settings were not read completely: %s</translation>
    </message>
    <message>
      <source>имя занято программой другого пользователя</source>
      <comment>STabForeignOwner</comment>
      <translation>the name is held by another user's program</translation>
    </message>
    <message>
      <source>Не найдены файлы программы в папке %s.&#13;Программа работает со встроенными настройками, без перевода и примеров.</source>
      <comment>SDataFolderMissing</comment>
      <translation>The program's files were not found in the folder %s.&#13;The program runs with its built-in settings, without translations and examples.</translation>
    </message>
    <message>
      <source>аккорды песни из её MIDI-файла или файла караоке</source>
      <comment>SManSummary</comment>
      <translation>the chords of a song from its MIDI or karaoke file</translation>
    </message>
    <message>
      <source>Cantaro читает стандартный MIDI-файл или файл караоке, делит песню на биты, находит аккорд&#13;каждого бита и тональность песни и пишет слова песни с аккордами над слогами.&#13;Без параметров или с одним файлом песни на рабочем столе открывается окно программы;&#13;с любым параметром, а также без дисплея, программа работает в командной строке.</source>
      <comment>SManDescription</comment>
      <translation>Cantaro reads a standard MIDI file or a karaoke file, cuts the song into beats, finds the chord&#13;of every beat and the key of the song, and writes the lyrics with the chords above the syllables.&#13;Without options, or with one song file, on a desktop it opens its window;&#13;with any option, or without a display, it works on the command line.</translation>
    </message>
    <message>
      <source>$XDG_CONFIG_HOME/cantaro/cantaro.ini (обычно ~/.config/cantaro/cantaro.ini): настройки.&#13;Папка INI рядом с программой заменяет её в переносной копии.&#13;%s: таблица аккордов Keysense, переводы и примеры песен.&#13;%s: руководство пользователя.</source>
      <comment>SManFiles</comment>
      <translation>$XDG_CONFIG_HOME/cantaro/cantaro.ini (usually ~/.config/cantaro/cantaro.ini): the settings.&#13;An INI folder beside the program takes its place in a portable copy.&#13;%s: the Keysense chord table, the translations and the example songs.&#13;%s: the user manual.</translation>
    </message>
    <message>
      <source>ИМЯ|ОБЗОР|ОПИСАНИЕ|ПАРАМЕТРЫ|ФАЙЛЫ</source>
      <comment>SManSections</comment>
      <translation>NAME|SYNOPSIS|DESCRIPTION|OPTIONS|FILES</translation>
    </message>
    <message>
      <source>Устройство вывода MIDI &quot;%s&quot; не найдено (список: cantaro --devices)</source>
      <comment>SCliNoDevice</comment>
      <translation>MIDI output device &quot;%s&quot; not found (list: cantaro --devices)</translation>
    </message>
    <message>
      <source>Не удалось открыть устройство вывода MIDI %s: %s</source>
      <comment>SCliDeviceFailed</comment>
      <translation>Could not open the MIDI output device %s: %s</translation>
    </message>
    <message>
      <source>Не удалось начать воспроизведение</source>
      <comment>SCliPlayFailed</comment>
      <translation>Playback could not start</translation>
    </message>
    <message>
      <source>Проигрывание:&#13;  cantaro --play ФАЙЛ [--device N|ИМЯ] [--transpose N] [--speed С]&#13;    проиграть песню на устройстве вывода MIDI (Ctrl+C: остановить)&#13;  --device N|ИМЯ                      устройство вывода: номер из списка --devices или часть имени (по умолчанию выбранное в настройках)&#13;  --speed *3|*2|*1.5|1:1|/1.5|/2|/3   скорость проигрывания (по умолчанию 1:1)</source>
      <comment>SCliHelpPlay</comment>
      <translation>Playing:&#13;  cantaro --play FILE [--device N|NAME] [--transpose N] [--speed S]&#13;    play the song on a MIDI output device (Ctrl+C: stop)&#13;  --device N|NAME                     the output device: its number in the list of --devices or a part of its name (by default the one chosen in the options)&#13;  --speed *3|*2|*1.5|1:1|/1.5|/2|/3   playing speed (1:1 by default)</translation>
    </message>
    <message>
      <source>Пакетная обработка:&#13;  cantaro --export ФАЙЛ|ПАПКА... -o ПАПКА [параметры]  все песни (.mid, .midi, .kar, и во вложенных папках)&#13;  --jobs N, -j N                      сколько песен обрабатывать одновременно (по умолчанию по числу ядер)&#13;  --quiet, -q                         без индикатора хода работы&#13;Код завершения: 0 - всё получилось, 1 - были ошибки, 2 - неверные параметры, 130 - прервано.</source>
      <comment>SCliHelpBatch</comment>
      <translation>Batch export:&#13;  cantaro --export FILE|FOLDER... -o FOLDER [options]  every song (.mid, .midi, .kar, in subfolders too)&#13;  --jobs N, -j N                      songs processed at once (default: one per core)&#13;  --quiet, -q                         no progress display&#13;Exit status: 0 all done, 1 some failed, 2 invalid options, 130 interrupted.</translation>
    </message>
    <message>
      <source>Форматы (--format ИМЯ):</source>
      <comment>SCliHelpFormats</comment>
      <translation>Formats (--format NAME):</translation>
    </message>
    <message>
      <source>Для нескольких песен или папки укажите папку результатов: -o ПАПКА</source>
      <comment>SBatchNeedsFolder</comment>
      <translation>For several songs or a folder, give the folder for the results: -o FOLDER</translation>
    </message>
    <message>
      <source>Песен (.mid, .midi, .kar) не найдено: %s</source>
      <comment>SBatchNoSongs</comment>
      <translation>No songs (.mid, .midi, .kar) found: %s</translation>
    </message>
    <message>
      <source>Не удалось просмотреть папку %s: %s</source>
      <comment>SBatchFolderError</comment>
      <translation>Could not search the folder %s: %s</translation>
    </message>
    <message>
      <source>пропущен: результат %s уже записывается для %s</source>
      <comment>SBatchSameOutput</comment>
      <translation>skipped: the result %s is already written for %s</translation>
    </message>
    <message>
      <source>пропущен: результат %s заменил бы саму песню</source>
      <comment>SBatchOverwritesSong</comment>
      <translation>skipped: the result %s would replace the song itself</translation>
    </message>
    <message>
      <source>Не удалось создать папку результатов %s: %s</source>
      <comment>SBatchOutputFolder</comment>
      <translation>Could not create the results folder %s: %s</translation>
    </message>
    <message>
      <source>%d из %d, %s песен/с, осталось %s</source>
      <comment>SBatchProgress</comment>
      <translation>%d of %d, %s songs/s, %s left</translation>
    </message>
    <message>
      <source>Готово: %d из %d успешно, ошибок: %d</source>
      <comment>SBatchSummary</comment>
      <translation>Done: %d of %d succeeded, errors: %d</translation>
    </message>
    <message>
      <source>Прервано: обработано %d из %d, ошибок: %d; записанные файлы целы</source>
      <comment>SBatchInterrupted</comment>
      <translation>Interrupted: %d of %d processed, errors: %d; the files written are intact</translation>
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
      <translation>Process</translation>
    </message>
    <message>
      <source>Сервис</source>
      <comment>SMenuService</comment>
      <translation>Tools</translation>
    </message>
    <message>
      <source>Язык (Language)</source>
      <comment>SMenuLanguage</comment>
      <translation>Язык (Language)</translation>
    </message>
    <message>
      <source>Справка</source>
      <comment>SMenuHelp</comment>
      <translation>Help</translation>
    </message>
    <message>
      <source>Последние файлы</source>
      <comment>SMenuMRU</comment>
      <translation>Recent files</translation>
    </message>
    <message>
      <source>Тексты, которые загружались последними</source>
      <comment>SMenuMRUHint</comment>
      <translation>Files opened most recently</translation>
    </message>
    <message>
      <source>Длительность бита</source>
      <comment>SMenuBeatLength</comment>
      <translation>Beat length</translation>
    </message>
    <message>
      <source>Открыть...</source>
      <comment>SActLoad</comment>
      <translation>Open...</translation>
    </message>
    <message>
      <source>Открыть...|Загрузка караоке или миди-файла</source>
      <comment>SActLoadHint</comment>
      <translation>Open...|Open a karaoke or MIDI file</translation>
    </message>
    <message>
      <source>Искать аккорды!</source>
      <comment>SActSearchSongChords</comment>
      <translation>Find chords!</translation>
    </message>
    <message>
      <source>Искать аккорды!|Запуск определителя аккордов</source>
      <comment>SActSearchSongChordsHint</comment>
      <translation>Find chords!|Run the chord finder</translation>
    </message>
    <message>
      <source>Сохранить текст</source>
      <comment>SActWriteText</comment>
      <translation>Save text</translation>
    </message>
    <message>
      <source>Сохранить|Сохранение текста с аккордами в Табулист для редактирования</source>
      <comment>SActWriteTextHint</comment>
      <translation>Save|Send the text with chords to Tabulist for editing</translation>
    </message>
    <message>
      <source>К началу</source>
      <comment>SActRewind</comment>
      <translation>To the start</translation>
    </message>
    <message>
      <source>К началу|Перемотка к началу</source>
      <comment>SActRewindHint</comment>
      <translation>To the start|Rewind to the start</translation>
    </message>
    <message>
      <source>Пуск</source>
      <comment>SActPlay</comment>
      <translation>Play</translation>
    </message>
    <message>
      <source>Пуск|Проигрывание мелодии</source>
      <comment>SActPlayHint</comment>
      <translation>Play|Play the song</translation>
    </message>
    <message>
      <source>Стоп</source>
      <comment>SActStop</comment>
      <translation>Stop</translation>
    </message>
    <message>
      <source>Стоп|Остановка проигрывания</source>
      <comment>SActStopHint</comment>
      <translation>Stop|Stop playing</translation>
    </message>
    <message>
      <source>Настройки...</source>
      <comment>SActOptions</comment>
      <translation>Options...</translation>
    </message>
    <message>
      <source>Настройки программы...|Просмотр настроек программы</source>
      <comment>SActOptionsHint</comment>
      <translation>Program options...|View the program's options</translation>
    </message>
    <message>
      <source>Определить тональность</source>
      <comment>SActFindRoot</comment>
      <translation>Find the key</translation>
    </message>
    <message>
      <source>Определить тональность!|Определение оригинальной тональности мелодии</source>
      <comment>SActFindRootHint</comment>
      <translation>Find the key!|Find the original key of the song</translation>
    </message>
    <message>
      <source>Увеличить вдвое</source>
      <comment>SActIncBeat</comment>
      <translation>Double</translation>
    </message>
    <message>
      <source>Увеличение длительности бита в 2 раза (количество аккордов в композиции сократится в 2 раза)</source>
      <comment>SActIncBeatHint</comment>
      <translation>Double the beat length (the song gets half as many chords)</translation>
    </message>
    <message>
      <source>По-умолчанию</source>
      <comment>SActDefBeat</comment>
      <translation>Default</translation>
    </message>
    <message>
      <source>Установка длительности бита по-умолчанию</source>
      <comment>SActDefBeatHint</comment>
      <translation>Default beat length</translation>
    </message>
    <message>
      <source>Уменьшить вдвое</source>
      <comment>SActDecBeat</comment>
      <translation>Halve</translation>
    </message>
    <message>
      <source>Уменьшение длительности бита в 2 раза (количество аккордов в композиции возрастет в 2 раза)</source>
      <comment>SActDecBeatHint</comment>
      <translation>Halve the beat length (the song gets twice as many chords)</translation>
    </message>
    <message>
      <source>Отметить начало фрагмента</source>
      <comment>SActSetFragmentStart</comment>
      <translation>Mark the start of the fragment</translation>
    </message>
    <message>
      <source>Установка начала фрагмента</source>
      <comment>SActSetFragmentStartHint</comment>
      <translation>Set the start of the fragment</translation>
    </message>
    <message>
      <source>Повторить</source>
      <comment>SActRepeat</comment>
      <translation>Repeat</translation>
    </message>
    <message>
      <source>Играть повторно с начала фрагмента</source>
      <comment>SActRepeatHint</comment>
      <translation>Play again from the start of the fragment</translation>
    </message>
    <message>
      <source>Редактировать бит</source>
      <comment>SActEditBit</comment>
      <translation>Edit beat</translation>
    </message>
    <message>
      <source>|Двойной клик мышки - просмотр вариантов аккорда, установка начала фрагмента</source>
      <comment>SActEditBitHint</comment>
      <translation>|Double click - view the chord variants, set the start of the fragment</translation>
    </message>
    <message>
      <source>Играть бит</source>
      <comment>SActPlayBit</comment>
      <translation>Play beat</translation>
    </message>
    <message>
      <source>|Пробел - проигрывание текущего бита</source>
      <comment>SActPlayBitHint</comment>
      <translation>|Space - play the current beat</translation>
    </message>
    <message>
      <source>|Проигрывание текущего бита и переход к следующему</source>
      <comment>SActPlayBitMenuHint</comment>
      <translation>|Play the current beat and go to the next one</translation>
    </message>
    <message>
      <source>Применить &gt;&gt;</source>
      <comment>SActSetSelectedChord</comment>
      <translation>Apply &gt;&gt;</translation>
    </message>
    <message>
      <source>Помещение выбранного аккорда в композицию</source>
      <comment>SActSetSelectedChordHint</comment>
      <translation>Put the selected chord into the song</translation>
    </message>
    <message>
      <source>Играть аккорд</source>
      <comment>SActPlaySelectedChord</comment>
      <translation>Play chord</translation>
    </message>
    <message>
      <source>Прослушивание выбранного аккорда</source>
      <comment>SActPlaySelectedChordHint</comment>
      <translation>Listen to the selected chord</translation>
    </message>
    <message>
      <source>Убрать отметки</source>
      <comment>SActClearMarks</comment>
      <translation>Clear marks</translation>
    </message>
    <message>
      <source>Очистка клавиш пиано от отметок</source>
      <comment>SActClearMarksHint</comment>
      <translation>Clear the marks from the piano keys</translation>
    </message>
    <message>
      <source>Заглушить все треки</source>
      <comment>SActTracksMute</comment>
      <translation>Mute all tracks</translation>
    </message>
    <message>
      <source>Исключение из обработки и заглушка всех треков композиции</source>
      <comment>SActTracksMuteHint</comment>
      <translation>Leave all tracks of the song out of the analysis and mute them</translation>
    </message>
    <message>
      <source>Включить все треки</source>
      <comment>SActTracksTurnOn</comment>
      <translation>Turn on all tracks</translation>
    </message>
    <message>
      <source>Включение всех треков композиции</source>
      <comment>SActTracksTurnOnHint</comment>
      <translation>Turn on all tracks of the song</translation>
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
      <translation>Write to the developers</translation>
    </message>
    <message>
      <source>Письмо разработчикам|Отправление письма разработчикам программы</source>
      <comment>SActEmailHint</comment>
      <translation>Write to the developers|Send a letter to the program's developers</translation>
    </message>
    <message>
      <source>Домашняя страница</source>
      <comment>SActHomePage</comment>
      <translation>Home page</translation>
    </message>
    <message>
      <source>Домашняя страница|Переход на домашнюю страницу программы в Интернет</source>
      <comment>SActHomePageHint</comment>
      <translation>Home page|Go to the program's home page on the Internet</translation>
    </message>
    <message>
      <source>О программе...</source>
      <comment>SActAbout</comment>
      <translation>About...</translation>
    </message>
    <message>
      <source>О программе...|Информация о программе</source>
      <comment>SActAboutHint</comment>
      <translation>About...|Information about the program</translation>
    </message>
    <message>
      <source>Выйти</source>
      <comment>SActQuit</comment>
      <translation>Exit</translation>
    </message>
    <message>
      <source>Выход из программы</source>
      <comment>SActQuitHint</comment>
      <translation>Exit the program</translation>
    </message>
    <message>
      <source>Сдвиг клавиатуры влево</source>
      <comment>SScrollPianoLeftHint</comment>
      <translation>Shift the keyboard left</translation>
    </message>
    <message>
      <source>Сдвиг клавиатуры вправо</source>
      <comment>SScrollPianoRightHint</comment>
      <translation>Shift the keyboard right</translation>
    </message>
    <message>
      <source>Нота</source>
      <comment>SNoteLabel</comment>
      <translation>Note</translation>
    </message>
    <message>
      <source>Прослушать</source>
      <comment>SMarkedPlay</comment>
      <translation>Listen</translation>
    </message>
    <message>
      <source>Прослушать выбранные ноты</source>
      <comment>SMarkedPlayHint</comment>
      <translation>Listen to the selected notes</translation>
    </message>
    <message>
      <source>|Дважды кликните ноту, чтобы удалить ее из списка</source>
      <comment>SMarkedHint</comment>
      <translation>|Double-click a note to remove it from the list</translation>
    </message>
    <message>
      <source>Автопоиск</source>
      <comment>SAutoSearchMarked</comment>
      <translation>Auto search</translation>
    </message>
    <message>
      <source>Автопоиск аккордов в  помеченных нотах</source>
      <comment>SAutoSearchMarkedHint</comment>
      <translation>Automatic chord search in the marked notes</translation>
    </message>
    <message>
      <source>Варианты аккорда:</source>
      <comment>SVariantsLabel</comment>
      <translation>Chord variants:</translation>
    </message>
    <message>
      <source>|Варианты аккорда для выбранного бита</source>
      <comment>SVariantsHint</comment>
      <translation>|Chord variants for the selected beat</translation>
    </message>
    <message>
      <source>#</source>
      <comment>SVariantsColNumber</comment>
      <translation>#</translation>
    </message>
    <message>
      <source>Название</source>
      <comment>SVariantsColName</comment>
      <translation>Name</translation>
    </message>
    <message>
      <source>Состав аккорда</source>
      <comment>SVariantsColTones</comment>
      <translation>Chord tones</translation>
    </message>
    <message>
      <source>Композиция по тактам:</source>
      <comment>SSongGridLabel</comment>
      <translation>Song by bars:</translation>
    </message>
    <message>
      <source>|Двойной клик - просмотреть варианты аккорда, отметить бит как начало фрагмента</source>
      <comment>SSongGridHint</comment>
      <translation>|Double click - view the chord variants, mark the beat as the start of the fragment</translation>
    </message>
    <message>
      <source>Будь проще !!!</source>
      <comment>SSimplify</comment>
      <translation>Keep it simple !!!</translation>
    </message>
    <message>
      <source>Упростить аккорды|Упрощение аккордов композиции. Внимание: при упрощении теряется точность следования аккордов оригиналу!</source>
      <comment>SSimplifyHint</comment>
      <translation>Simplify chords|Simplifies the chords of the song. Note: simplified chords follow the original less exactly!</translation>
    </message>
    <message>
      <source>Текущее время (сек.)</source>
      <comment>STimeHint</comment>
      <translation>Current time (sec.)</translation>
    </message>
    <message>
      <source>Текущее время (тиков)</source>
      <comment>STicksHint</comment>
      <translation>Current time (ticks)</translation>
    </message>
    <message>
      <source>Продолжительность композиции (тиков)</source>
      <comment>SLengthHint</comment>
      <translation>Length of the song (ticks)</translation>
    </message>
    <message>
      <source>BPM:</source>
      <comment>SBpmLabel</comment>
      <translation>BPM:</translation>
    </message>
    <message>
      <source>Темп (битов в минуту)</source>
      <comment>SBpmHint</comment>
      <translation>Tempo (beats per minute)</translation>
    </message>
    <message>
      <source>Тон.:</source>
      <comment>SRootLabel</comment>
      <translation>Key:</translation>
    </message>
    <message>
      <source>Оригинальная тональность мелодии</source>
      <comment>SRootOrigHint</comment>
      <translation>Original key of the song</translation>
    </message>
    <message>
      <source>Транспозиция</source>
      <comment>STransposHint</comment>
      <translation>Transposition</translation>
    </message>
    <message>
      <source>Текущая тональность мелодии</source>
      <comment>SRootNewHint</comment>
      <translation>Current key of the song</translation>
    </message>
    <message>
      <source>№</source>
      <comment>STrackColNumber</comment>
      <translation>No.</translation>
    </message>
    <message>
      <source>Имя трэка</source>
      <comment>STrackColName</comment>
      <translation>Track name</translation>
    </message>
    <message>
      <source>Инструмент</source>
      <comment>STrackColInstrument</comment>
      <translation>Instrument</translation>
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
      <translation>Playing the song...</translation>
    </message>
    <message>
      <source>&amp;Да</source>
      <comment>SButtonYes</comment>
      <translation>&amp;Yes</translation>
    </message>
    <message>
      <source>&amp;Нет</source>
      <comment>SButtonNo</comment>
      <translation>&amp;No</translation>
    </message>
    <message>
      <source>Отмена</source>
      <comment>SButtonCancel</comment>
      <translation>Cancel</translation>
    </message>
    <message>
      <source>OK</source>
      <comment>SButtonOk</comment>
      <translation>OK</translation>
    </message>
    <message>
      <source>Руководство пользователя</source>
      <comment>SActManual</comment>
      <translation>User manual</translation>
    </message>
    <message>
      <source>Руководство пользователя|Открыть руководство пользователя программы</source>
      <comment>SActManualHint</comment>
      <translation>User manual|Open the program's user manual</translation>
    </message>
    <message>
      <source>Звук выключен: устройство вывода не открыто</source>
      <comment>SOutputSilent</comment>
      <translation>Sound off: the output device is not open</translation>
    </message>
    <message>
      <source>Не удалось открыть вход MIDI &quot;%s&quot;: %s</source>
      <comment>SMidiInOpenFailed</comment>
      <translation>Could not open the MIDI input &quot;%s&quot;: %s</translation>
    </message>
    <message>
      <source>Вход MIDI &quot;%s&quot; отключён: %s</source>
      <comment>SMidiInLost</comment>
      <translation>The MIDI input &quot;%s&quot; was disconnected: %s</translation>
    </message>
    <message>
      <source>устройство не найдено или отключено</source>
      <comment>SMidiInErrGone</comment>
      <translation>the device is not there or was unplugged</translation>
    </message>
    <message>
      <source>устройство занято или недоступно</source>
      <comment>SMidiInErrBusy</comment>
      <translation>the device is busy or unavailable</translation>
    </message>
    <message>
      <source>сервер JACK остановлен</source>
      <comment>SMidiInErrServer</comment>
      <translation>the JACK server has stopped</translation>
    </message>
    <message>
      <source>Вход MIDI &quot;%s&quot; подключён</source>
      <comment>SMidiInFound</comment>
      <translation>The MIDI input &quot;%s&quot; is connected</translation>
    </message>
    <message>
      <source>Настройки программы</source>
      <comment>SOptCaption</comment>
      <translation>Program settings</translation>
    </message>
    <message>
      <source>Готово</source>
      <comment>SOptOK</comment>
      <translation>Done</translation>
    </message>
    <message>
      <source>Принять данную конфигурацию</source>
      <comment>SOptOKHint</comment>
      <translation>Accept this configuration</translation>
    </message>
    <message>
      <source>Отмена</source>
      <comment>SOptCancel</comment>
      <translation>Cancel</translation>
    </message>
    <message>
      <source>Закрыть окно, не сохраняя текущую конфигурацию</source>
      <comment>SOptCancelHint</comment>
      <translation>Close the window without saving the current configuration</translation>
    </message>
    <message>
      <source>Применить</source>
      <comment>SOptApply</comment>
      <translation>Apply</translation>
    </message>
    <message>
      <source>Принять данную конфигурацию без закрытия окна опций</source>
      <comment>SOptApplyHint</comment>
      <translation>Accept this configuration without closing the options window</translation>
    </message>
    <message>
      <source>Вид</source>
      <comment>SOptPageView</comment>
      <translation>View</translation>
    </message>
    <message>
      <source>Распахнуть главное окно программы</source>
      <comment>SOptFormOpened</comment>
      <translation>Expand the main window of the program</translation>
    </message>
    <message>
      <source>В главном окне можно будет просматривать&#13;содержимое midi или караоке-файла,&#13;а также текст песни по мере проигрывания</source>
      <comment>SOptFormOpenedHint</comment>
      <translation>The main window will show the contents&#13;of the MIDI or karaoke file,&#13;and the lyrics while the song plays</translation>
    </message>
    <message>
      <source>Показывать подсказки</source>
      <comment>SOptShowHints</comment>
      <translation>Show hints</translation>
    </message>
    <message>
      <source>Если эту установку снять,&#13;больше Вы этой подсказки не увидите :)</source>
      <comment>SOptShowHintsHint</comment>
      <translation>If you clear this option,&#13;you will not see this hint any more :)</translation>
    </message>
    <message>
      <source>Вид клавиатуры пиано</source>
      <comment>SOptPianoView</comment>
      <translation>Piano keyboard</translation>
    </message>
    <message>
      <source>Цвет белых клавиш:</source>
      <comment>SOptWhiteKey</comment>
      <translation>White keys:</translation>
    </message>
    <message>
      <source>Цвет черных клавиш:</source>
      <comment>SOptBlackKey</comment>
      <translation>Black keys:</translation>
    </message>
    <message>
      <source>Цвет рамок:</source>
      <comment>SOptBorder</comment>
      <translation>Frames:</translation>
    </message>
    <message>
      <source>Цвет выбранной клавиши:</source>
      <comment>SOptSelectedKey</comment>
      <translation>Sounding key:</translation>
    </message>
    <message>
      <source>Цвет помеченной клавиши:</source>
      <comment>SOptMarkedKey</comment>
      <translation>Marked key:</translation>
    </message>
    <message>
      <source>Количество видимых октав:</source>
      <comment>SOptOctaveCnt</comment>
      <translation>Number of visible octaves:</translation>
    </message>
    <message>
      <source>Количество видимых октав на клавиатуре фортепиано</source>
      <comment>SOptOctaveCntHint</comment>
      <translation>Number of octaves visible on the piano keyboard</translation>
    </message>
    <message>
      <source>Аккорды</source>
      <comment>SOptPageChords</comment>
      <translation>Chords</translation>
    </message>
    <message>
      <source>Способ записи нот:</source>
      <comment>SOptNoteSet</comment>
      <translation>Note naming:</translation>
    </message>
    <message>
      <source>&quot;Английская&quot; нотация (C-D-E-F-G-A-B)</source>
      <comment>SOptNoteSetEnglish</comment>
      <translation>&quot;English&quot; notation (C-D-E-F-G-A-B)</translation>
    </message>
    <message>
      <source>&quot;Немецкая&quot; нотация (C-D-E-F-G-A-H)</source>
      <comment>SOptNoteSetGerman</comment>
      <translation>&quot;German&quot; notation (C-D-E-F-G-A-H)</translation>
    </message>
    <message>
      <source>&quot;Итальянская&quot; нотация (DO-RE-MI-FA-SOL-LA-SI)</source>
      <comment>SOptNoteSetItalian</comment>
      <translation>&quot;Italian&quot; notation (DO-RE-MI-FA-SOL-LA-SI)</translation>
    </message>
    <message>
      <source>Продвинутое распознавание аккордов (технология Keysense)</source>
      <comment>SOptKeysense</comment>
      <translation>Advanced chord recognition (Keysense technology)</translation>
    </message>
    <message>
      <source>Включает &quot;продвинутое&quot; распознавание аккордов,&#13;основывающееся на информации о тональности композиции.</source>
      <comment>SOptKeysenseHint</comment>
      <translation>Switches on &quot;advanced&quot; chord recognition,&#13;based on the key of the song.</translation>
    </message>
    <message>
      <source>Технология Keysense может применяться, только если тональность композиции определена. Используйте ее, если Вас не устраивает качество распознавания аккордов обычным методом.</source>
      <comment>SOptKeysenseInfo</comment>
      <translation>The Keysense technology can only be used when the key of the song is known. Use it if the quality of the usual chord recognition does not satisfy you.</translation>
    </message>
    <message>
      <source>Звуки и MIDI</source>
      <comment>SOptPageMidi</comment>
      <translation>Sound and MIDI</translation>
    </message>
    <message>
      <source>Устройство вывода MIDI:</source>
      <comment>SOptMidiOut</comment>
      <translation>MIDI output device:</translation>
    </message>
    <message>
      <source>Подвергать транспозиции только запись нот</source>
      <comment>SOptMidiOutNoTranspose</comment>
      <translation>Transpose only the written notes</translation>
    </message>
    <message>
      <source>При транспозиции будет сохраняться&#13;оригинальное звучание мелодии</source>
      <comment>SOptMidiOutNoTransposeHint</comment>
      <translation>When transposing, the melody keeps&#13;its original sound</translation>
    </message>
    <message>
      <source>Разрешить играть музыку на клавиатуре компьютера</source>
      <comment>SOptPlayKeys</comment>
      <translation>Allow playing music on the computer keyboard</translation>
    </message>
    <message>
      <source>Позволяет пользователю играть мелодию на клавиатуре компьютера.&#13;Используются 2 верхних ряда клавиш клавиатуры</source>
      <comment>SOptPlayKeysHint</comment>
      <translation>Lets the user play a melody on the computer keyboard.&#13;The 2 upper rows of keys are used</translation>
    </message>
    <message>
      <source>Интервал срабатывания MIDI-таймера (по-умолчанию 10 мсек):</source>
      <comment>SOptTimerResol</comment>
      <translation>Interval of the MIDI timer (10 ms by default):</translation>
    </message>
    <message>
      <source>Увеличьте это число, если наблюдаются &quot;глюки&quot; при&#13;проигрывании фрагмента композиции с произвольного бита</source>
      <comment>SOptTimerResolHint</comment>
      <translation>Increase this number if you notice &quot;glitches&quot; when&#13;playing a fragment of the song from an arbitrary beat</translation>
    </message>
    <message>
      <source>Экспорт</source>
      <comment>SOptPageExport</comment>
      <translation>Export</translation>
    </message>
    <message>
      <source>Путь к Табулисту:</source>
      <comment>SOptPathTabulist</comment>
      <translation>Path to Tabulist:</translation>
    </message>
    <message>
      <source>Каталог расположения Табулиста.&#13;По-умолчанию - в одном каталоге с этой программой.</source>
      <comment>SOptPathTabulistHint</comment>
      <translation>Folder where Tabulist is.&#13;By default the folder of this program.</translation>
    </message>
    <message>
      <source>Табулист - это текстовый редактор для обработки текстов песен с аккордами.&#13;Бесплатную неограниченную по времени версию этой программы Вы можете загрузить с нашего сайта!</source>
      <comment>SOptTabulistInfo</comment>
      <translation>Tabulist is a text editor for song texts with chords.&#13;You can download a free version of this program, unlimited in time, from our site!</translation>
    </message>
    <message>
      <source>Включить в текст композиции комментарии из MIDI-файла</source>
      <comment>SOptCommExport</comment>
      <translation>Include the comments of the MIDI file in the song text</translation>
    </message>
    <message>
      <source>Все комментарии экспортировать в текстовый файл&#13;вместе с текстом композиции</source>
      <comment>SOptCommExportHint</comment>
      <translation>Export all comments to the text file&#13;together with the song text</translation>
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
      <translation>Choose the Tabulist program</translation>
    </message>
    <message>
      <source>Вы изменили способ записи нот.&#13;Чтобы изменения вступили в силу, необходимо&#13;перезапустить определитель аккордов.&#13;Сделать это сейчас?</source>
      <comment>SOptNoteSetQuestion</comment>
      <translation>You have changed the note naming.&#13;For the change to take effect, the chord&#13;search must be run again.&#13;Do it now?</translation>
    </message>
    <message>
      <source>Не удалось выбрать устройство вывода MIDI &quot;%s&quot;:&#13;%s&#13;Будет использовано первое устройство.</source>
      <comment>SOptDeviceNotSelected</comment>
      <translation>Could not select the MIDI output device &quot;%s&quot;:&#13;%s&#13;The first device will be used.</translation>
    </message>
    <message>
      <source>Черный</source>
      <comment>SColorBlack</comment>
      <translation>Black</translation>
    </message>
    <message>
      <source>Темно-красный</source>
      <comment>SColorMaroon</comment>
      <translation>Maroon</translation>
    </message>
    <message>
      <source>Зеленый</source>
      <comment>SColorGreen</comment>
      <translation>Green</translation>
    </message>
    <message>
      <source>Оливковый</source>
      <comment>SColorOlive</comment>
      <translation>Olive</translation>
    </message>
    <message>
      <source>Темно-синий</source>
      <comment>SColorNavy</comment>
      <translation>Navy</translation>
    </message>
    <message>
      <source>Пурпурный</source>
      <comment>SColorPurple</comment>
      <translation>Purple</translation>
    </message>
    <message>
      <source>Сине-зеленый</source>
      <comment>SColorTeal</comment>
      <translation>Teal</translation>
    </message>
    <message>
      <source>Серый</source>
      <comment>SColorGray</comment>
      <translation>Gray</translation>
    </message>
    <message>
      <source>Серебристый</source>
      <comment>SColorSilver</comment>
      <translation>Silver</translation>
    </message>
    <message>
      <source>Красный</source>
      <comment>SColorRed</comment>
      <translation>Red</translation>
    </message>
    <message>
      <source>Ярко-зеленый</source>
      <comment>SColorLime</comment>
      <translation>Lime</translation>
    </message>
    <message>
      <source>Желтый</source>
      <comment>SColorYellow</comment>
      <translation>Yellow</translation>
    </message>
    <message>
      <source>Синий</source>
      <comment>SColorBlue</comment>
      <translation>Blue</translation>
    </message>
    <message>
      <source>Фуксия</source>
      <comment>SColorFuchsia</comment>
      <translation>Fuchsia</translation>
    </message>
    <message>
      <source>Голубой</source>
      <comment>SColorAqua</comment>
      <translation>Aqua</translation>
    </message>
    <message>
      <source>Белый</source>
      <comment>SColorWhite</comment>
      <translation>White</translation>
    </message>
    <message>
      <source>Серо-зеленый</source>
      <comment>SColorMoneyGreen</comment>
      <translation>Money green</translation>
    </message>
    <message>
      <source>Небесно-голубой</source>
      <comment>SColorSkyBlue</comment>
      <translation>Sky blue</translation>
    </message>
    <message>
      <source>Кремовый</source>
      <comment>SColorCream</comment>
      <translation>Cream</translation>
    </message>
    <message>
      <source>Светло-серый</source>
      <comment>SColorMedGray</comment>
      <translation>Medium gray</translation>
    </message>
    <message>
      <source>Полоса прокрутки</source>
      <comment>SColorScrollBar</comment>
      <translation>Scroll bar</translation>
    </message>
    <message>
      <source>Рабочий стол</source>
      <comment>SColorBackground</comment>
      <translation>Desktop</translation>
    </message>
    <message>
      <source>Заголовок активного окна</source>
      <comment>SColorActiveCaption</comment>
      <translation>Active caption</translation>
    </message>
    <message>
      <source>Заголовок неактивного окна</source>
      <comment>SColorInactiveCaption</comment>
      <translation>Inactive caption</translation>
    </message>
    <message>
      <source>Меню</source>
      <comment>SColorMenu</comment>
      <translation>Menu</translation>
    </message>
    <message>
      <source>Окно</source>
      <comment>SColorWindow</comment>
      <translation>Window</translation>
    </message>
    <message>
      <source>Рамка окна</source>
      <comment>SColorWindowFrame</comment>
      <translation>Window frame</translation>
    </message>
    <message>
      <source>Текст меню</source>
      <comment>SColorMenuText</comment>
      <translation>Menu text</translation>
    </message>
    <message>
      <source>Текст окна</source>
      <comment>SColorWindowText</comment>
      <translation>Window text</translation>
    </message>
    <message>
      <source>Текст заголовка</source>
      <comment>SColorCaptionText</comment>
      <translation>Caption text</translation>
    </message>
    <message>
      <source>Граница активного окна</source>
      <comment>SColorActiveBorder</comment>
      <translation>Active border</translation>
    </message>
    <message>
      <source>Граница неактивного окна</source>
      <comment>SColorInactiveBorder</comment>
      <translation>Inactive border</translation>
    </message>
    <message>
      <source>Рабочая область приложения</source>
      <comment>SColorAppWorkSpace</comment>
      <translation>Application workspace</translation>
    </message>
    <message>
      <source>Выделение</source>
      <comment>SColorHighlight</comment>
      <translation>Highlight</translation>
    </message>
    <message>
      <source>Выделенный текст</source>
      <comment>SColorHighlightText</comment>
      <translation>Highlighted text</translation>
    </message>
    <message>
      <source>Поверхность кнопки</source>
      <comment>SColorBtnFace</comment>
      <translation>Button face</translation>
    </message>
    <message>
      <source>Тень кнопки</source>
      <comment>SColorBtnShadow</comment>
      <translation>Button shadow</translation>
    </message>
    <message>
      <source>Недоступный текст</source>
      <comment>SColorGrayText</comment>
      <translation>Disabled text</translation>
    </message>
    <message>
      <source>Текст кнопки</source>
      <comment>SColorBtnText</comment>
      <translation>Button text</translation>
    </message>
    <message>
      <source>Текст неактивного заголовка</source>
      <comment>SColorInactiveCaptionText</comment>
      <translation>Inactive caption text</translation>
    </message>
    <message>
      <source>Блик кнопки</source>
      <comment>SColorBtnHighlight</comment>
      <translation>Button highlight</translation>
    </message>
    <message>
      <source>Темная тень</source>
      <comment>SColor3DDkShadow</comment>
      <translation>3D dark shadow</translation>
    </message>
    <message>
      <source>Светлая грань</source>
      <comment>SColor3DLight</comment>
      <translation>3D light</translation>
    </message>
    <message>
      <source>Текст подсказки</source>
      <comment>SColorInfoText</comment>
      <translation>Tooltip text</translation>
    </message>
    <message>
      <source>Фон подсказки</source>
      <comment>SColorInfoBk</comment>
      <translation>Tooltip background</translation>
    </message>
    <message>
      <source>Гиперссылка</source>
      <comment>SColorHotLight</comment>
      <translation>Hyperlink</translation>
    </message>
    <message>
      <source>Градиент активного заголовка</source>
      <comment>SColorGradientActiveCaption</comment>
      <translation>Active caption gradient</translation>
    </message>
    <message>
      <source>Градиент неактивного заголовка</source>
      <comment>SColorGradientInactiveCaption</comment>
      <translation>Inactive caption gradient</translation>
    </message>
    <message>
      <source>Выделение меню</source>
      <comment>SColorMenuHighlight</comment>
      <translation>Menu highlight</translation>
    </message>
    <message>
      <source>Строка меню</source>
      <comment>SColorMenuBar</comment>
      <translation>Menu bar</translation>
    </message>
    <message>
      <source>По умолчанию</source>
      <comment>SColorDefault</comment>
      <translation>Default</translation>
    </message>
    <message>
      <source>Другой...</source>
      <comment>SColorCustom</comment>
      <translation>Custom...</translation>
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
      <translation>For the changes to take effect, &#13;you must restart the program.&#13;Quit the program now?</translation>
    </message>
    <message>
      <source>О программе</source>
      <comment>SAboutCaption</comment>
      <translation>About</translation>
    </message>
    <message>
      <source>Версия </source>
      <comment>SAboutVersion</comment>
      <translation>Version </translation>
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
      <translation>Note</translation>
    </message>
    <message>
      <source>Руководство пользователя не найдено:&#13;%s</source>
      <comment>SManualMissing</comment>
      <translation>The user manual was not found:&#13;%s</translation>
    </message>
    <message>
      <source>Связные аккорды: выбирать аккорды всей композиции сразу</source>
      <comment>SOptKeysenseContinuity</comment>
      <translation>Connected chords: choose the chords of the whole song at once</translation>
    </message>
    <message>
      <source>Аккорд бита выбирается вместе с соседними битами:&#13;проходящая нота мелодии не меняет аккорд.&#13;Действует вместе с технологией Keysense.</source>
      <comment>SOptKeysenseContinuityHint</comment>
      <translation>A beat's chord is chosen together with the neighbouring beats:&#13;a passing melody note does not change the chord.&#13;Works together with the Keysense technology.</translation>
    </message>
    <message>
      <source>Бит сохраняет аккорд соседних битов, пока другой аккорд не подходит ему заметно лучше (только с Keysense).</source>
      <comment>SOptKeysenseContinuityInfo</comment>
      <translation>A beat keeps its neighbours' chord unless another chord fits it clearly better (with Keysense only).</translation>
    </message>
    <message>
      <source>Экспорт...</source>
      <comment>SActExport</comment>
      <translation>Export...</translation>
    </message>
    <message>
      <source>Экспорт|Сохранение песни с аккордами в файл: текст, ChordPro, сетка битов, анализ в JSON или MIDI с дорожкой аккордов</source>
      <comment>SActExportHint</comment>
      <translation>Export|Saves the song with its chords to a file: text, ChordPro, beat grid, the analysis as JSON or MIDI with a chord track</translation>
    </message>
    <message>
      <source>Экспорт песни</source>
      <comment>SExportCaption</comment>
      <translation>Export the song</translation>
    </message>
    <message>
      <source>Формат:</source>
      <comment>SExportFormatLabel</comment>
      <translation>Format:</translation>
    </message>
    <message>
      <source>Файл:</source>
      <comment>SExportFileLabel</comment>
      <translation>File:</translation>
    </message>
    <message>
      <source>Обзор...</source>
      <comment>SExportBrowse</comment>
      <translation>Browse...</translation>
    </message>
    <message>
      <source>Текст с аккордами (*.txt)</source>
      <comment>SExportFormatText</comment>
      <translation>Text with chords (*.txt)</translation>
    </message>
    <message>
      <source>ChordPro (*.cho)</source>
      <comment>SExportFormatChordPro</comment>
      <translation>ChordPro (*.cho)</translation>
    </message>
    <message>
      <source>Сетка битов (*.tsv)</source>
      <comment>SExportFormatGrid</comment>
      <translation>Beat grid (*.tsv)</translation>
    </message>
    <message>
      <source>Анализ в JSON (*.json)</source>
      <comment>SExportFormatJson</comment>
      <translation>Analysis as JSON (*.json)</translation>
    </message>
    <message>
      <source>Анализ в JSON Lines, строка на песню (*.jsonl)</source>
      <comment>SExportFormatJsonLines</comment>
      <translation>Analysis as JSON Lines, one line per song (*.jsonl)</translation>
    </message>
    <message>
      <source>MIDI с дорожкой аккордов (*.mid)</source>
      <comment>SExportFormatMidi</comment>
      <translation>MIDI with a chord track (*.mid)</translation>
    </message>
    <message>
      <source>Файл %s записан</source>
      <comment>SExportSaved</comment>
      <translation>File %s written</translation>
    </message>
    <message>
      <source>Вход MIDI (клавиатура):</source>
      <comment>SOptMidiIn</comment>
      <translation>MIDI input (keyboard):</translation>
    </message>
    <message>
      <source>(нет)</source>
      <comment>SOptMidiInNone</comment>
      <translation>(none)</translation>
    </message>
    <message>
      <source>Ноты, сыгранные на клавиатуре MIDI, подсвечиваются на пианино;&#13;при нажатой кнопке &quot;Автопоиск&quot; их аккорд распознаётся сразу</source>
      <comment>SOptMidiInHint</comment>
      <translation>Notes played on the MIDI keyboard light up on the piano;&#13;with &quot;Auto search&quot; down their chord is recognised at once</translation>
    </message>
    <message>
      <source>Передавать сыгранное на устройство вывода (MIDI thru)</source>
      <comment>SOptMidiThru</comment>
      <translation>Pass what is played to the output device (MIDI thru)</translation>
    </message>
    <message>
      <source>Ноты с клавиатуры MIDI будут звучать&#13;через выбранное устройство вывода</source>
      <comment>SOptMidiThruHint</comment>
      <translation>Notes from the MIDI keyboard sound&#13;through the chosen output device</translation>
    </message>
    <message>
      <source>это не файл модели аккордов</source>
      <comment>SChordModelNotAModel</comment>
      <translation>it is not a chord model file</translation>
    </message>
    <message>
      <source>файл записан более новой версией программы (версия модели %s)</source>
      <comment>SChordModelNewerVersion</comment>
      <translation>the file was written by a newer version of the program (model version %s)</translation>
    </message>
    <message>
      <source>строка %d: непонятная запись &quot;%s&quot;</source>
      <comment>SChordModelBadLine</comment>
      <translation>line %d: unreadable entry &quot;%s&quot;</translation>
    </message>
    <message>
      <source>строка %d: неверное число &quot;%s&quot;</source>
      <comment>SChordModelBadNumber</comment>
      <translation>line %d: invalid number &quot;%s&quot;</translation>
    </message>
    <message>
      <source>строка %d: неверное количество чисел (%s)</source>
      <comment>SChordModelWrongCount</comment>
      <translation>line %d: wrong count of numbers (%s)</translation>
    </message>
    <message>
      <source>строка %d: неизвестный тип аккорда &quot;%s&quot;</source>
      <comment>SChordModelUnknownType</comment>
      <translation>line %d: unknown chord type &quot;%s&quot;</translation>
    </message>
    <message>
      <source>нет весов типа аккорда &quot;%s&quot;</source>
      <comment>SChordModelMissing</comment>
      <translation>the weights of the chord type &quot;%s&quot; are missing</translation>
    </message>
    <message>
      <source>строка %d: тип аккорда &quot;%s&quot; повторяется</source>
      <comment>SChordModelDuplicate</comment>
      <translation>line %d: the chord type &quot;%s&quot; comes twice</translation>
    </message>
    <message>
      <source>Модель аккордов &quot;%s&quot; не может быть использована: %s.&#13;Аккорды ищутся по таблице Keysense.</source>
      <comment>SChordModelUnusable</comment>
      <translation>The chord model &quot;%s&quot; cannot be used: %s.&#13;The chords are found with the Keysense table.</translation>
    </message>
    <message>
      <source>Файл модели аккордов %s не найден ни в одной из папок данных:&#13;%s&#13;Аккорды ищутся по таблице Keysense.</source>
      <comment>SChordModelNotFound</comment>
      <translation>The chord model file %s was not found in any of the data folders:&#13;%s&#13;The chords are found with the Keysense table.</translation>
    </message>
    <message>
      <source>Распознавание аккордов:&#13;  --chords table|learned              таблица Keysense или обученная модель (без параметра&#13;                                      действуют настройки); с моделью --keysense и --continuity&#13;                                      не действуют</source>
      <comment>SCliHelpChords</comment>
      <translation>Chord recognition:&#13;  --chords table|learned              the Keysense table or the learned model (without it&#13;                                      the settings apply); with the model --keysense and&#13;                                      --continuity do not apply</translation>
    </message>
    <message>
      <source>Распознавание аккордов</source>
      <comment>SChordRecognition</comment>
      <translation>Chord recognition</translation>
    </message>
    <message>
      <source>Таблица Keysense</source>
      <comment>SChordRecognitionTable</comment>
      <translation>Keysense table</translation>
    </message>
    <message>
      <source>Обученная модель</source>
      <comment>SChordRecognitionLearned</comment>
      <translation>Learned model</translation>
    </message>
    <message>
      <source>С обученной моделью переключатели Keysense и непрерывности не действуют: модель сама выбирает аккорды всей композиции, тональность определяется только для её названия.</source>
      <comment>SChordRecognitionLearnedNote</comment>
      <translation>With the learned model the Keysense and continuity switches do not apply: the model chooses the chords of the whole song itself; the key is detected only to be named.</translation>
    </message>
    <message>
      <source>Вид</source>
      <comment>SMenuView</comment>
      <translation>View</translation>
    </message>
    <message>
      <source>Текст с аккордами</source>
      <comment>SSheetCaption</comment>
      <translation>Chord sheet</translation>
    </message>
    <message>
      <source>Текст с аккордами</source>
      <comment>SActSheet</comment>
      <translation>Chord sheet</translation>
    </message>
    <message>
      <source>Текст с аккордами|Показать или скрыть текст песни с аккордами, который следует за проигрыванием</source>
      <comment>SActSheetHint</comment>
      <translation>Chord sheet|Show or hide the song's lyrics with chords, following playback</translation>
    </message>
    <message>
      <source>Сцена</source>
      <comment>SActStage</comment>
      <translation>Performing view</translation>
    </message>
    <message>
      <source>Сцена|Текст с аккордами на весь экран крупным шрифтом, светлым по тёмному; Esc - выход</source>
      <comment>SActStageHint</comment>
      <translation>Performing view|The chord sheet full screen in large type, light on dark; Esc leaves</translation>
    </message>
    <message>
      <source>Печать...</source>
      <comment>SActPrint</comment>
      <translation>Print...</translation>
    </message>
    <message>
      <source>Печать|Печать текста с аккордами</source>
      <comment>SActPrintHint</comment>
      <translation>Print|Print the chord sheet</translation>
    </message>
    <message>
      <source>Экспорт в PDF...</source>
      <comment>SActExportPdf</comment>
      <translation>Export as PDF...</translation>
    </message>
    <message>
      <source>Экспорт в PDF|Сохранение текста с аккордами в файл PDF</source>
      <comment>SActExportPdfHint</comment>
      <translation>Export as PDF|Save the chord sheet as a PDF file</translation>
    </message>
    <message>
      <source>|Щелчок по аккорду - перейти к его биту и показать варианты аккорда</source>
      <comment>SSheetHint</comment>
      <translation>|Click a chord to go to its beat and see its variants</translation>
    </message>
    <message>
      <source>Откройте песню (F3)</source>
      <comment>SSheetNoSong</comment>
      <translation>Open a song (F3)</translation>
    </message>
    <message>
      <source>Аккорды ещё не определены: нажмите F8</source>
      <comment>SSheetNoChords</comment>
      <translation>The chords have not been found yet: press F8</translation>
    </message>
    <message>
      <source>Тональность: %s</source>
      <comment>SSheetKey</comment>
      <translation>Key: %s</translation>
    </message>
    <message>
      <source>Темп: %d</source>
      <comment>SSheetTempo</comment>
      <translation>Tempo: %d</translation>
    </message>
    <message>
      <source>Страница %d из %d</source>
      <comment>SSheetPage</comment>
      <translation>Page %d of %d</translation>
    </message>
    <message>
      <source>Без названия</source>
      <comment>SSheetUntitled</comment>
      <translation>Untitled</translation>
    </message>
    <message>
      <source>Esc - выход</source>
      <comment>SSheetStageLeave</comment>
      <translation>Esc - leave</translation>
    </message>
    <message>
      <source>Документ PDF (*.pdf)</source>
      <comment>SSheetPdfFilter</comment>
      <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
      <source>Не удалось записать файл PDF %s</source>
      <comment>SSheetPdfFailed</comment>
      <translation>Could not write the PDF file %s</translation>
    </message>
    <message>
      <source>Не удалось создать PDF: нет средств рисования страниц</source>
      <comment>SSheetPdfUnavailable</comment>
      <translation>Could not make the PDF: nothing to paint its pages with</translation>
    </message>
    <message>
      <source>Текст с аккордами в PDF (*.pdf)</source>
      <comment>SExportFormatPdf</comment>
      <translation>Chord sheet as PDF (*.pdf)</translation>
    </message>
    <message>
      <source>Нотный лист: мелодия, аккорды и слова в MusicXML (*.musicxml)</source>
      <comment>SExportFormatMusicXml</comment>
      <translation>Lead sheet: melody, chords and lyrics as MusicXML (*.musicxml)</translation>
    </message>
    <message>
      <source>Файл формата 2 (независимые последовательности) нельзя записать нотным листом MusicXML</source>
      <comment>SLeadSheetFormat2</comment>
      <translation>A format 2 file (independent sequences) cannot be written as a MusicXML lead sheet</translation>
    </message>
    <message>
      <source>В песне нет трэка %d для мелодии</source>
      <comment>SLeadSheetNoTrack</comment>
      <translation>The song has no track %d for the melody</translation>
    </message>
    <message>
      <source>Композиция &quot;%s&quot; слишком длинная для нотного листа:&#13;%d четвертей, а допустимо не более %d.</source>
      <comment>SLeadSheetTooLong</comment>
      <translation>The song &quot;%s&quot; is too long for a lead sheet:&#13;%d quarter notes, while at most %d are allowed.</translation>
    </message>
    <message>
      <source>Мелодия</source>
      <comment>SLeadSheetMelody</comment>
      <translation>Melody</translation>
    </message>
    <message>
      <source>Трэк мелодии:</source>
      <comment>SExportMelodyTrack</comment>
      <translation>Melody track:</translation>
    </message>
    <message>
      <source>Выбрать по песне</source>
      <comment>SExportMelodyAuto</comment>
      <translation>Chosen from the song</translation>
    </message>
    <message>
      <source>Нотный лист (--format musicxml):&#13;  --melody-track N                    трэк мелодии по его номеру в списке трэков (с 1); без него он выбирается по песне</source>
      <comment>SCliHelpLeadSheet</comment>
      <translation>Lead sheet (--format musicxml):&#13;  --melody-track N                    the melody's track by its number in the track list (from 1); without it the song decides</translation>
    </message>
    <message>
      <source>Запись в WAV (--render):&#13;  --gain ДБ                           усиление в децибелах (без него самый громкий отсчёт приводится к -1 дБ полной шкалы)</source>
      <comment>SCliHelpRender</comment>
      <translation>Writing a WAV file (--render):&#13;  --gain DB                           gain in decibels (without it the loudest sample is brought to -1 dB full scale)</translation>
    </message>
    <message>
      <source>Больше не спрашивать</source>
      <comment>SDontAskAgain</comment>
      <translation>Do not ask again</translation>
    </message>
    <message>
      <source>Ответ на вопрос об определении тональности для Keysense: %s</source>
      <comment>SOptKeysenseAnswer</comment>
      <translation>Answer to the question whether to find the key for Keysense: %s</translation>
    </message>
    <message>
      <source>спрашивать</source>
      <comment>SOptKeysenseAnswerAsk</comment>
      <translation>ask</translation>
    </message>
    <message>
      <source>всегда определять</source>
      <comment>SOptKeysenseAnswerYes</comment>
      <translation>always find it</translation>
    </message>
    <message>
      <source>не определять</source>
      <comment>SOptKeysenseAnswerNo</comment>
      <translation>do not find it</translation>
    </message>
    <message>
      <source>Спрашивать снова</source>
      <comment>SOptKeysenseAskAgain</comment>
      <translation>Ask again</translation>
    </message>
    <message>
      <source>Программа снова будет спрашивать, определить ли тональность,&#13;когда она нужна технологии Keysense</source>
      <comment>SOptKeysenseAskAgainHint</comment>
      <translation>The program will ask again whether to find the key&#13;when Keysense needs it</translation>
    </message>
    <message>
      <source>Устройство вывода &quot;%s&quot; не нашло вывода звука (PipeWire, PulseAudio или ALSA): проигрывание будет беззвучным.</source>
      <comment>SOutputBarNoAudio</comment>
      <translation>The output device &quot;%s&quot; found no audio output (PipeWire, PulseAudio or ALSA): playback will be silent.</translation>
    </message>
    <message>
      <source>Не удалось открыть устройство вывода &quot;%s&quot;: возможно, оно занято другой программой. Проигрывание будет беззвучным.</source>
      <comment>SOutputBarPort</comment>
      <translation>The output device &quot;%s&quot; could not be opened: another program may be using it. Playback will be silent.</translation>
    </message>
    <message>
      <source>Выбрать устройство...</source>
      <comment>SOutputBarOptions</comment>
      <translation>Choose a device...</translation>
    </message>
    <message>
      <source>Настройки, страница &quot;Звуки и MIDI&quot;</source>
      <comment>SOutputBarOptionsHint</comment>
      <translation>Settings, page &quot;Sound and MIDI&quot;</translation>
    </message>
    <message>
      <source>Скрыть сообщение</source>
      <comment>SOutputBarClose</comment>
      <translation>Hide this message</translation>
    </message>
    <message>
      <source>Писать ноты по тональности</source>
      <comment>SOptSpellByKey</comment>
      <translation>Spell notes by key</translation>
    </message>
    <message>
      <source>Названия аккордов и тональности пишутся знаками тональности:&#13;Bb и Eb в си-бемоль мажоре, F# и C# в ре мажоре.&#13;Без флажка - всегда диезами.</source>
      <comment>SOptSpellByKeyHint</comment>
      <translation>Chord and key names take the accidentals of the key:&#13;Bb and Eb in B-flat major, F# and C# in D major.&#13;Unchecked: always sharps.</translation>
    </message>
    <message>
      <source>Названия нот:&#13;  --spelling sharps|key               всегда диезами или по тональности (Bb в фа мажоре;&#13;                                      без параметра действуют настройки)</source>
      <comment>SCliHelpSpelling</comment>
      <translation>Note names:&#13;  --spelling sharps|key               always sharps, or spelled by key (Bb in F major;&#13;                                      without it the settings apply)</translation>
    </message>
    <message>
      <source>Диаграммы аккордов над текстом:</source>
      <comment>SOptChordDiagrams</comment>
      <translation>Chord diagrams above the sheet:</translation>
    </message>
    <message>
      <source>нет</source>
      <comment>SOptChordDiagramsNone</comment>
      <translation>none</translation>
    </message>
    <message>
      <source>гитара</source>
      <comment>SOptChordDiagramsGuitar</comment>
      <translation>guitar</translation>
    </message>
    <message>
      <source>фортепиано</source>
      <comment>SOptChordDiagramsPiano</comment>
      <translation>piano</translation>
    </message>
    <message>
      <source>%s, строка %d: %s; строка пропущена</source>
      <comment>SShapesLineSkipped</comment>
      <translation>%s, line %d: %s; the line is skipped</translation>
    </message>
    <message>
      <source>нет двоеточия после названия аккорда</source>
      <comment>SShapesNoColon</comment>
      <translation>no colon after the chord name</translation>
    </message>
    <message>
      <source>неизвестное название аккорда</source>
      <comment>SShapesUnknownChord</comment>
      <translation>unknown chord name</translation>
    </message>
    <message>
      <source>нужны лады шести струн, от шестой (x - струна не звучит)</source>
      <comment>SShapesBadFrets</comment>
      <translation>the frets of six strings are needed, from the low E (x: a muted string)</translation>
    </message>
    <message>
      <source>баррэ должно быть вида barre=N и лежать не выше прижатых ладов</source>
      <comment>SShapesBadBarre</comment>
      <translation>the barre must read barre=N and lie no higher than the frets pressed</translation>
    </message>
    <message>
      <source>струны звучат не нотами этого аккорда (или басом не его бас)</source>
      <comment>SShapesWrongNotes</comment>
      <translation>the strings sound notes outside the chord (or a bass not its own)</translation>
    </message>
    <message>
      <source>Файл аппликатур %s не прочитан: %s</source>
      <comment>SShapesUnreadable</comment>
      <translation>The chord shapes file %s could not be read: %s</translation>
    </message>
    <message>
      <source>Каподастр %d</source>
      <comment>SSheetCapo</comment>
      <translation>Capo %d</translation>
    </message>
    <message>
      <source>%s: играть %s</source>
      <comment>SSheetCapoPlay</comment>
      <translation>%s: play %s</translation>
    </message>
    <message>
      <source>ru</source>
      <comment>SManualLanguage</comment>
      <translation>en</translation>
    </message>
    <message>
      <source>0: команда выполнена.&#13;1: команда не удалась (файл не прочитан, результат не записан; в пакетной обработке: некоторые песни).&#13;2: неверные параметры командной строки.&#13;130: прервано (Ctrl+C) при пакетной обработке или проигрывании.</source>
      <comment>SManExitStatus</comment>
      <translation>0: the command succeeded.&#13;1: the command failed (a file could not be read, a result not written; in a batch: some songs).&#13;2: invalid command-line options.&#13;130: interrupted (Ctrl+C) during a batch or playback.</translation>
    </message>
    <message>
      <source>КОД ЗАВЕРШЕНИЯ|СМОТРИТЕ ТАКЖЕ</source>
      <comment>SManMoreSections</comment>
      <translation>EXIT STATUS|SEE ALSO</translation>
    </message>
    <message>
      <source>tabulist(1), руководство пользователя: %s</source>
      <comment>SManSeeAlso</comment>
      <translation>tabulist(1), the user manual: %s</translation>
    </message>
  </context>
</TS>
