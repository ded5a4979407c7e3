<?xml version="1.0"?>
<!DOCTYPE TS>
<TS version="2.1" language="be_BY" sourcelanguage="ru_RU">
  <context>
    <name>untMesConst</name>
    <message>
      <source>Ошибка</source>
      <comment>SCaptionError</comment>
      <translation>Памылка</translation>
    </message>
    <message>
      <source>Внимание</source>
      <comment>SCaptionWarning</comment>
      <translation>Увага</translation>
    </message>
    <message>
      <source>Подтверждение</source>
      <comment>SCaptionConfirm</comment>
      <translation>Пацвярджэнне</translation>
    </message>
    <message>
      <source>Информация</source>
      <comment>SCaptionInfo</comment>
      <translation>Інфармацыя</translation>
    </message>
    <message>
      <source>Ждите...</source>
      <comment>SWait</comment>
      <translation>Пачакайце...</translation>
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
      <translation>Знешняе выключэнне</translation>
    </message>
    <message>
      <source>Файл повреждён, обрезано дорожек: %d</source>
      <comment>SDamagedFile</comment>
      <translation>Файл пашкоджаны, абрэзана дарожак: %d</translation>
    </message>
    <message>
      <source>Файл повреждён, не хватает дорожек: %d</source>
      <comment>SDamagedFileMissing</comment>
      <translation>Файл пашкоджаны, не хапае дарожак: %d</translation>
    </message>
    <message>
      <source>Файл повреждён, обрезано дорожек: %d, не хватает дорожек: %d</source>
      <comment>SDamagedFileCutMissing</comment>
      <translation>Файл пашкоджаны, абрэзана дарожак: %d, не хапае дарожак: %d</translation>
    </message>
    <message>
      <source>Это папка, а не файл</source>
      <comment>SFileIsFolder</comment>
      <translation>Гэта папка, а не файл</translation>
    </message>
    <message>
      <source>Файл слишком велик: %s байт при пределе %s байт</source>
      <comment>SFileTooLarge</comment>
      <translation>Файл занадта вялікі: %s байт пры ліміце %s байт</translation>
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
      <translation>Першая даступная прылада</translation>
    </message>
    <message>
      <source>Встроенный синтезатор (FluidSynth)</source>
      <comment>SBuiltinSynthName</comment>
      <translation>Убудаваны сінтэзатар (FluidSynth)</translation>
    </message>
    <message>
      <source>Файл &quot;%s&quot; пуст или испорчен.</source>
      <comment>SRenderEmptySong</comment>
      <translation>Файл &quot;%s&quot; пусты або пашкоджаны.</translation>
    </message>
    <message>
      <source>Не удалось прочитать файл &quot;%s&quot;: %s</source>
      <comment>SRenderReadError</comment>
      <translation>Не ўдалося прачытаць файл &quot;%s&quot;: %s</translation>
    </message>
    <message>
      <source>Не удалось записать файл &quot;%s&quot;: %s</source>
      <comment>SRenderWriteError</comment>
      <translation>Не ўдалося запісаць файл &quot;%s&quot;: %s</translation>
    </message>
    <message>
      <source>Встроенный синтезатор недоступен: %s</source>
      <comment>SRenderSynthError</comment>
      <translation>Убудаваны сінтэзатар недаступны: %s</translation>
    </message>
    <message>
      <source>Ошибка вывода MIDI при записи звука: %s</source>
      <comment>SRenderSendError</comment>
      <translation>Памылка вываду MIDI пры запісе гуку: %s</translation>
    </message>
    <message>
      <source>Файл &quot;%s&quot; слишком длинный для записи в WAV (%s).</source>
      <comment>SRenderTooLong</comment>
      <translation>Файл &quot;%s&quot; занадта доўгі для запісу ў WAV (%s).</translation>
    </message>
    <message>
      <source>звук записан не полностью</source>
      <comment>SRenderIncomplete</comment>
      <translation>гук запісаны не цалкам</translation>
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
      <translation>Не ўдалося захаваць налады ў файл&#13;%s:&#13;%s</translation>
    </message>
    <message>
      <source>Файл %s не найден</source>
      <comment>SSongFileNotFound</comment>
      <translation>Файл %s не знойдзены</translation>
    </message>
    <message>
      <source>Файл &quot;%s&quot; пуст или испорчен.</source>
      <comment>SSongFileEmpty</comment>
      <translation>Файл &quot;%s&quot; пусты або пашкоджаны.</translation>
    </message>
    <message>
      <source>%s — это папка, а не файл песни</source>
      <comment>SSongFileIsFolder</comment>
      <translation>%s — гэта папка, а не файл песні</translation>
    </message>
    <message>
      <source>Не удалось прочитать файл %s:&#13;%s</source>
      <comment>SSongFileReadError</comment>
      <translation>Не ўдалося прачытаць файл %s:&#13;%s</translation>
    </message>
    <message>
      <source>Все поддерживаемые форматы|*.mid;*.kar|Файлы MIDI (*.mid)|*.mid|Файлы караоке (*.kar)|*.kar|Все файлы (*.*)|*.*</source>
      <comment>SSongLoadFilter</comment>
      <translation>Усе падтрымліваемыя фарматы|*.mid;*.kar|Файлы MIDI (*.mid)|*.mid|Файлы караоке (*.kar)|*.kar|Усе файлы (*.*)|*.*</translation>
    </message>
    <message>
      <source>#</source>
      <comment>SSongGridCorner</comment>
      <translation>#</translation>
    </message>
    <message>
      <source>Бит %d</source>
      <comment>SSongGridBeat</comment>
      <translation>Біт %d</translation>
    </message>
    <message>
      <source>Пересканировать аккорды повторно?&#13;Все сделанные Вами в окошке вариантов&#13;настройки аккордов пропадут.</source>
      <comment>SSongRescanQuestion</comment>
      <translation>Шукаць акорды нанова?&#13;Усе змены акордаў, зробленыя Вамі ў акенцы&#13;варыянтаў, прападуць.</translation>
    </message>
    <message>
      <source>Определение аккордов. Ждите...</source>
      <comment>SSongSearchWait</comment>
      <translation>Вызначэнне акордаў. Пачакайце...</translation>
    </message>
    <message>
      <source>Композиция &quot;%s&quot; слишком длинная для поиска аккордов:&#13;%d битов, а допустимо не более %d.</source>
      <comment>SSongTooLong</comment>
      <translation>Кампазіцыя &quot;%s&quot; занадта доўгая для пошуку акордаў:&#13;%d бітоў, а дапушчальна не больш за %d.</translation>
    </message>
    <message>
      <source>Для активизации технологии Keysense необходимо&#13;определить тональность композиции.&#13;Сделать это сейчас?</source>
      <comment>SSongKeysenseQuestion</comment>
      <translation>Каб уключыць тэхналогію Keysense, трэба&#13;вызначыць танальнасць кампазіцыі.&#13;Зрабіць гэта зараз?</translation>
    </message>
    <message>
      <source>Технология Keysense временно отключена</source>
      <comment>SSongKeysenseOff</comment>
      <translation>Тэхналогія Keysense часова адключана</translation>
    </message>
    <message>
      <source>Определение тональности композиции. Ждите...</source>
      <comment>SSongKeyWait</comment>
      <translation>Вызначэнне танальнасці кампазіцыі. Пачакайце...</translation>
    </message>
    <message>
      <source>Оригинальную тональность мелодии&#13;определить не удалось.</source>
      <comment>SSongKeyFailed</comment>
      <translation>Арыгінальную танальнасць мелодыі&#13;вызначыць не ўдалося.</translation>
    </message>
    <message>
      <source>Тональность определена</source>
      <comment>SSongKeyFoundCaption</comment>
      <translation>Танальнасць вызначана</translation>
    </message>
    <message>
      <source>Вероятнее всего, мелодия написана&#13;в тональности %s %s.</source>
      <comment>SSongKeyFound</comment>
      <translation>Хутчэй за ўсё, мелодыя напісана&#13;у танальнасці %s %s.</translation>
    </message>
    <message>
      <source>&#13;Возможно также, тональность мелодии - %s %s.</source>
      <comment>SSongKeyAlternative</comment>
      <translation>&#13;Магчыма таксама, танальнасць мелодыі - %s %s.</translation>
    </message>
    <message>
      <source>major</source>
      <comment>SSongModeMajor</comment>
      <translation>мажор</translation>
    </message>
    <message>
      <source>minor</source>
      <comment>SSongModeMinor</comment>
      <translation>мінор</translation>
    </message>
    <message>
      <source> или </source>
      <comment>SSongKeyOr</comment>
      <translation> або </translation>
    </message>
    <message>
      <source>Всего найдено %d вариантов аккорда:</source>
      <comment>SSongVariantsFound</comment>
      <translation>Знойдзена варыянтаў акорда: %d</translation>
    </message>
    <message>
      <source>Заменить аккорд %s&#13;аккордом %s?</source>
      <comment>SSongReplaceChord</comment>
      <translation>Замяніць акорд %s&#13;акордам %s?</translation>
    </message>
    <message>
      <source>Все аккорды будут максимально упрощены,&#13;с потерей точности соответствия мелодии!</source>
      <comment>SSongSimplifyQuestion</comment>
      <translation>Усе акорды будуць максімальна спрошчаны,&#13;са стратай дакладнасці адпаведнасці мелодыі!</translation>
    </message>
    <message>
      <source>Транспонирование мелодии. Ждите...</source>
      <comment>SSongTransposeWait</comment>
      <translation>Транспанаванне мелодыі. Пачакайце...</translation>
    </message>
    <message>
      <source>Вы действительно хотите увеличить длительность бита в 2 раза?</source>
      <comment>SSongIncBeatQuestion</comment>
      <translation>Вы сапраўды хочаце павялічыць працягласць біта ў 2 разы?</translation>
    </message>
    <message>
      <source>Вы действительно хотите уменьшить длительность бита в 2 раза?</source>
      <comment>SSongDecBeatQuestion</comment>
      <translation>Вы сапраўды хочаце паменшыць працягласць біта ў 2 разы?</translation>
    </message>
    <message>
      <source>Вы действительно хотите вернуть исходную длительность бита?</source>
      <comment>SSongDefBeatQuestion</comment>
      <translation>Вы сапраўды хочаце вярнуць зыходную працягласць біта?</translation>
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
      <translation>Акорды не вызначаны!&#13;Вызначыць зараз?</translation>
    </message>
    <message>
      <source>Формирование текста с аккордами. Ждите...</source>
      <comment>SBuildingText</comment>
      <translation>Фарміраванне тэксту з акордамі. Пачакайце...</translation>
    </message>
    <message>
      <source>Не удалось обнаружить Табулиста на диске.&#13;Табулист - это редактор текстов с аккордами.&#13;Вы можете его свободно загрузить из Интернет&#13;(нажмите F1 в главном окне, чтобы узнать адрес).&#13;&#13;Возможно также, Вы не указали расположение&#13;Табулиста в настройках программы</source>
      <comment>SNoTabulist</comment>
      <translation>Не ўдалося знайсці Табуліст на дыску.&#13;Табуліст - гэта рэдактар тэкстаў з акордамі.&#13;Вы можаце свабодна загрузіць яго з Інтэрнэту&#13;(націсніце F1 у галоўным акне, каб даведацца адрас).&#13;&#13;Магчыма таксама, Вы не пазначылі месцазнаходжанне&#13;Табуліста ў наладах праграмы</translation>
    </message>
    <message>
      <source>Не удалось запустить Табулист.&#13;Попробуйте запустить его вручную, и затем&#13;повторить передачу текста с аккордами.</source>
      <comment>STabulistStartFailed</comment>
      <translation>Не ўдалося запусціць Табуліст.&#13;Паспрабуйце запусціць яго ўручную, а потым&#13;паўтарыць перадачу тэксту з акордамі.</translation>
    </message>
    <message>
      <source>Табулист не появился в течение %d с после запуска.&#13;Попробуйте запустить его вручную, и затем&#13;повторить передачу текста с аккордами.</source>
      <comment>STabulistNoWindow</comment>
      <translation>Табуліст не з'явіўся на працягу %d с пасля запуску.&#13;Паспрабуйце запусціць яго ўручную, а потым&#13;паўтарыць перадачу тэксту з акордамі.</translation>
    </message>
    <message>
      <source>Табулист не принял текст с аккордами в течение %d с.&#13;Попробуйте повторить передачу текста с аккордами.</source>
      <comment>STabulistNoAnswer</comment>
      <translation>Табуліст не прыняў тэкст з акордамі на працягу %d с.&#13;Паспрабуйце паўтарыць перадачу тэксту з акордамі.</translation>
    </message>
    <message>
      <source>Не удалось записать файл %s</source>
      <comment>SHandoffWriteError</comment>
      <translation>Не ўдалося запісаць файл %s</translation>
    </message>
    <message>
      <source>Не удалось удалить файл %s</source>
      <comment>SHandoffDeleteError</comment>
      <translation>Не ўдалося выдаліць файл %s</translation>
    </message>
    <message>
      <source>Имя Табулиста занято программой другого пользователя.&#13;Текст с аккордами ей не передан:&#13;передавать его чужой программе небезопасно.</source>
      <comment>SForeignTabulist</comment>
      <translation>Імя Табуліста занята праграмай іншага карыстальніка.&#13;Тэкст з акордамі ёй не перададзены:&#13;перадаваць яго чужой праграме небяспечна.</translation>
    </message>
    <message>
      <source>Файл формата 2 (независимые последовательности) нельзя записать с дорожкой аккордов</source>
      <comment>SChordTrackFormat2</comment>
      <translation>Файл фармату 2 (незалежныя паслядоўнасці) нельга запісаць з дарожкай акордаў</translation>
    </message>
    <message>
      <source>Свободного канала нет: аккорды записаны на канал %d, где уже %d нот</source>
      <comment>SChordTrackSharedChannel</comment>
      <translation>Вольнага канала няма: акорды запісаны на канал %d, дзе ўжо %d нот</translation>
    </message>
    <message>
      <source>Ноты, которые транспонирование вывело за пределы 0..127, не записаны: %d событий</source>
      <comment>SChordTrackDropped</comment>
      <translation>Ноты, якія транспанаванне вывела за межы 0..127, не запісаны: %d падзей</translation>
    </message>
    <message>
      <source>Табулист</source>
      <comment>STabCaption</comment>
      <translation>Табуліст</translation>
    </message>
    <message>
      <source>Без имени</source>
      <comment>STabUntitled</comment>
      <translation>Без назвы</translation>
    </message>
    <message>
      <source>&amp;Файл</source>
      <comment>STabMenuFile</comment>
      <translation>&amp;Файл</translation>
    </message>
    <message>
      <source>&amp;Открыть...</source>
      <comment>STabActOpen</comment>
      <translation>&amp;Адкрыць...</translation>
    </message>
    <message>
      <source>&amp;Сохранить</source>
      <comment>STabActSave</comment>
      <translation>&amp;Захаваць</translation>
    </message>
    <message>
      <source>Сохранить &amp;как...</source>
      <comment>STabActSaveAs</comment>
      <translation>Захаваць &amp;як...</translation>
    </message>
    <message>
      <source>&amp;Закрыть текст</source>
      <comment>STabActCloseTab</comment>
      <translation>&amp;Закрыць тэкст</translation>
    </message>
    <message>
      <source>В&amp;ыход</source>
      <comment>STabActExit</comment>
      <translation>&amp;Выхад</translation>
    </message>
    <message>
      <source>Тексты с аккордами (*.txt);;Все файлы (*)</source>
      <comment>STabFilter</comment>
      <translation>Тэксты з акордамі (*.txt);;Усе файлы (*)</translation>
    </message>
    <message>
      <source>Текст &quot;%s&quot; изменён.&#13;Сохранить изменения?</source>
      <comment>STabSaveChanges</comment>
      <translation>Тэкст &quot;%s&quot; зменены.&#13;Захаваць змены?</translation>
    </message>
    <message>
      <source>Не удалось сохранить файл %s:&#13;%s</source>
      <comment>STabSaveError</comment>
      <translation>Не ўдалося захаваць файл %s:&#13;%s</translation>
    </message>
    <message>
      <source>Не удалось открыть файл %s:&#13;%s</source>
      <comment>STabOpenError</comment>
      <translation>Не ўдалося адкрыць файл %s:&#13;%s</translation>
    </message>
    <message>
      <source>Получен текст с аккордами</source>
      <comment>STabReceived</comment>
      <translation>Атрыманы тэкст з акордамі</translation>
    </message>
    <message>
      <source>Табулист не может принимать тексты: %s</source>
      <comment>STabNotListening</comment>
      <translation>Табуліст не можа прымаць тэксты: %s</translation>
    </message>
    <message>
      <source>Использование:&#13;  cantaro ФАЙЛ [параметры]            на рабочем столе и без параметров: окно с песней; иначе текст с аккордами песни (как --export)&#13;  cantaro --export ФАЙЛ [параметры]   текст с аккордами песни&#13;  cantaro --events ФАЙЛ               трэки файла и события каждого трэка&#13;  cantaro --recognize НОТА...         варианты аккорда из нот (C4 E4 G4 или 60 64 67)&#13;  cantaro --devices                   устройства вывода MIDI&#13;  cantaro --render ФАЙЛ -o ФАЙЛ.wav [--transpose N]  звучание песни в файл WAV&#13;  cantaro --help                      эта справка&#13;  cantaro --version                   версия программы&#13;&#13;Параметры:&#13;  -o, --output ФАЙЛ                   записать результат в файл&#13;  --key auto|ТОНАЛЬНОСТЬ              оригинальная тональность: определить или задать (C, Am, F#)&#13;  --transpose N                       транспозиция на N полутонов (-11..11)&#13;  --beat default|double|half          длительность бита: по умолчанию, вдвое больше, вдвое меньше&#13;  --notation english|german|italian   способ записи нот&#13;  --keysense on|off                   технология Keysense&#13;  --continuity on|off                 связные аккорды (вместе с Keysense)&#13;  --comments on|off                   комментарии MIDI-файла в тексте&#13;  --format ИМЯ                        формат результата (список ниже; по умолчанию text)&#13;  --codepage cp1251|cp1252|koi8-r     кодировка текстов файла, если это не UTF-8&#13;&#13;Без параметров --key, --notation, --keysense, --continuity, --comments и --codepage действуют&#13;настройки программы.</source>
      <comment>SCliHelp</comment>
      <translation>Выкарыстанне:&#13;  cantaro ФАЙЛ [параметры]            на працоўным стале і без параметраў: акно з песняй; інакш тэкст з акордамі песні (як --export)&#13;  cantaro --export ФАЙЛ [параметры]   тэкст з акордамі песні&#13;  cantaro --events ФАЙЛ               трэкі файла і падзеі кожнага трэка&#13;  cantaro --recognize НОТА...         варыянты акорда з нот (C4 E4 G4 або 60 64 67)&#13;  cantaro --devices                   прылады вываду MIDI&#13;  cantaro --render ФАЙЛ -o ФАЙЛ.wav [--transpose N]  гучанне песні ў файл WAV&#13;  cantaro --help                      гэтая даведка&#13;  cantaro --version                   версія праграмы&#13;&#13;Параметры:&#13;  -o, --output ФАЙЛ                   запісаць вынік у файл&#13;  --key auto|ТАНАЛЬНАСЦЬ              арыгінальная танальнасць: вызначыць або задаць (C, Am, F#)&#13;  --transpose N                       транспазіцыя на N паўтонаў (-11..11)&#13;  --beat default|double|half          працягласць біта: па змаўчанні, удвая большая, удвая меншая&#13;  --notation english|german|italian   спосаб запісу нот&#13;  --keysense on|off                   тэхналогія Keysense&#13;  --continuity on|off                 звязныя акорды (разам з Keysense)&#13;  --comments on|off                   каментарыі MIDI-файла ў тэксце&#13;  --format ІМЯ                        фармат выніку (спіс ніжэй; па змаўчанні text)&#13;  --codepage cp1251|cp1252|koi8-r     кадзіроўка тэкстаў файла, калі гэта не UTF-8&#13;&#13;Без параметраў --key, --notation, --keysense, --continuity, --comments і --codepage дзейнічаюць&#13;налады праграмы.</translation>
    </message>
    <message>
      <source>Справка: cantaro --help</source>
      <comment>SCliHint</comment>
      <translation>Даведка: cantaro --help</translation>
    </message>
    <message>
      <source>Неизвестный параметр: %s</source>
      <comment>SCliUnknownOption</comment>
      <translation>Невядомы параметр: %s</translation>
    </message>
    <message>
      <source>Для параметра %s не указано значение</source>
      <comment>SCliMissingValue</comment>
      <translation>Для параметра %s не пазначана значэнне</translation>
    </message>
    <message>
      <source>Недопустимое значение параметра %s: %s</source>
      <comment>SCliBadValue</comment>
      <translation>Недапушчальнае значэнне параметра %s: %s</translation>
    </message>
    <message>
      <source>Не указан файл песни</source>
      <comment>SCliNoFile</comment>
      <translation>Не пазначаны файл песні</translation>
    </message>
    <message>
      <source>Лишний аргумент: %s</source>
      <comment>SCliExtraArgument</comment>
      <translation>Лішні аргумент: %s</translation>
    </message>
    <message>
      <source>Не удалось распознать ноту: %s</source>
      <comment>SCliBadNote</comment>
      <translation>Не ўдалося распазнаць ноту: %s</translation>
    </message>
    <message>
      <source>Не указаны ноты</source>
      <comment>SCliNoNotes</comment>
      <translation>Не пазначаны ноты</translation>
    </message>
    <message>
      <source>Аккордов из этих нот не найдено</source>
      <comment>SCliNoVariants</comment>
      <translation>Акордаў з гэтых нот не знойдзена</translation>
    </message>
    <message>
      <source>Не удалось записать файл %s: %s</source>
      <comment>SCliWriteError</comment>
      <translation>Не ўдалося запісаць файл %s: %s</translation>
    </message>
    <message>
      <source>№	Имя трэка	Инструмент</source>
      <comment>SCliTrackList</comment>
      <translation>№	Назва трэка	Інструмент</translation>
    </message>
    <message>
      <source>Трэк %d: %s</source>
      <comment>SCliTrackTitle</comment>
      <translation>Трэк %d: %s</translation>
    </message>
    <message>
      <source>Настройки прочитаны не полностью: %s</source>
      <comment>SCliSettingsWarning</comment>
      <translation>Налады прачытаны не цалкам: %s</translation>
    </message>
    <message>
      <source>имя занято программой другого пользователя</source>
      <comment>STabForeignOwner</comment>
      <translation>імя занята праграмай іншага карыстальніка</translation>
    </message>
    <message>
      <source>Не найдены файлы программы в папке %s.&#13;Программа работает со встроенными настройками, без перевода и примеров.</source>
      <comment>SDataFolderMissing</comment>
      <translation>Не знойдзены файлы праграмы ў папцы %s.&#13;Праграма працуе з убудаванымі наладамі, без перакладу і прыкладаў.</translation>
    </message>
    <message>
      <source>аккорды песни из её MIDI-файла или файла караоке</source>
      <comment>SManSummary</comment>
      <translation>акорды песні з яе MIDI-файла або файла караоке</translation>
    </message>
    <message>
      <source>Cantaro читает стандартный MIDI-файл или файл караоке, делит песню на биты, находит аккорд&#13;каждого бита и тональность песни и пишет слова песни с аккордами над слогами.&#13;Без параметров или с одним файлом песни на рабочем столе открывается окно программы;&#13;с любым параметром, а также без дисплея, программа работает в командной строке.</source>
      <comment>SManDescription</comment>
      <translation>Cantaro чытае стандартны MIDI-файл або файл караоке, дзеліць песню на біты, знаходзіць акорд&#13;кожнага біта і танальнасць песні і піша словы песні з акордамі над складамі.&#13;Без параметраў або з адным файлам песні на працоўным стале адкрываецца акно праграмы;&#13;з любым параметрам, а таксама без дысплея, праграма працуе ў камандным радку.</translation>
    </message>
    <message>
      <source>$XDG_CONFIG_HOME/cantaro/cantaro.ini (обычно ~/.config/cantaro/cantaro.ini): настройки.&#13;Папка INI рядом с программой заменяет её в переносной копии.&#13;%s: таблица аккордов Keysense, переводы и примеры песен.&#13;%s: руководство пользователя.</source>
      <comment>SManFiles</comment>
      <translation>$XDG_CONFIG_HOME/cantaro/cantaro.ini (звычайна ~/.config/cantaro/cantaro.ini): налады.&#13;Папка INI побач з праграмай замяняе яе ў пераноснай копіі.&#13;%s: табліца акордаў Keysense, пераклады і прыклады песень.&#13;%s: кіраўніцтва карыстальніка.</translation>
    </message>
    <message>
      <source>ИМЯ|ОБЗОР|ОПИСАНИЕ|ПАРАМЕТРЫ|ФАЙЛЫ</source>
      <comment>SManSections</comment>
      <translation>НАЗВА|АГЛЯД|АПІСАННЕ|ПАРАМЕТРЫ|ФАЙЛЫ</translation>
    </message>
    <message>
      <source>Устройство вывода MIDI &quot;%s&quot; не найдено (список: cantaro --devices)</source>
      <comment>SCliNoDevice</comment>
      <translation>Прылада вываду MIDI &quot;%s&quot; не знойдзена (спіс: cantaro --devices)</translation>
    </message>
    <message>
      <source>Не удалось открыть устройство вывода MIDI %s: %s</source>
      <comment>SCliDeviceFailed</comment>
      <translation>Не ўдалося адкрыць прыладу вываду MIDI %s: %s</translation>
    </message>
    <message>
      <source>Не удалось начать воспроизведение</source>
      <comment>SCliPlayFailed</comment>
      <translation>Не ўдалося пачаць прайграванне</translation>
    </message>
    <message>
      <source>Проигрывание:&#13;  cantaro --play ФАЙЛ [--device N|ИМЯ] [--transpose N] [--speed С]&#13;    проиграть песню на устройстве вывода MIDI (Ctrl+C: остановить)&#13;  --device N|ИМЯ                      устройство вывода: номер из списка --devices или часть имени (по умолчанию выбранное в настройках)&#13;  --speed *3|*2|*1.5|1:1|/1.5|/2|/3   скорость проигрывания (по умолчанию 1:1)</source>
      <comment>SCliHelpPlay</comment>
      <translation>Прайграванне:&#13;  cantaro --play ФАЙЛ [--device N|НАЗВА] [--transpose N] [--speed S]&#13;    прайграць песню на прыладзе вываду MIDI (Ctrl+C: спыніць)&#13;  --device N|НАЗВА                    прылада вываду: нумар са спіса --devices або частка назвы (па змаўчанні абраная ў наладах)&#13;  --speed *3|*2|*1.5|1:1|/1.5|/2|/3   хуткасць прайгравання (па змаўчанні 1:1)</translation>
    </message>
    <message>
      <source>Пакетная обработка:&#13;  cantaro --export ФАЙЛ|ПАПКА... -o ПАПКА [параметры]  все песни (.mid, .midi, .kar, и во вложенных папках)&#13;  --jobs N, -j N                      сколько песен обрабатывать одновременно (по умолчанию по числу ядер)&#13;  --quiet, -q                         без индикатора хода работы&#13;Код завершения: 0 - всё получилось, 1 - были ошибки, 2 - неверные параметры, 130 - прервано.</source>
      <comment>SCliHelpBatch</comment>
      <translation>Пакетная апрацоўка:&#13;  cantaro --export ФАЙЛ|ТЭЧКА... -o ТЭЧКА [параметры]  усе песні (.mid, .midi, .kar, і ва ўкладзеных тэчках)&#13;  --jobs N, -j N                      колькі песень апрацоўваць адначасова (па змаўчанні па ліку ядраў)&#13;  --quiet, -q                         без індыкатара ходу працы&#13;Код завяршэння: 0 - усё атрымалася, 1 - былі памылкі, 2 - няправільныя параметры, 130 - перапынена.</translation>
    </message>
    <message>
      <source>Форматы (--format ИМЯ):</source>
      <comment>SCliHelpFormats</comment>
      <translation>Фарматы (--format ІМЯ):</translation>
    </message>
    <message>
      <source>Для нескольких песен или папки укажите папку результатов: -o ПАПКА</source>
      <comment>SBatchNeedsFolder</comment>
      <translation>Для некалькіх песень або тэчкі пакажыце тэчку вынікаў: -o ТЭЧКА</translation>
    </message>
    <message>
      <source>Песен (.mid, .midi, .kar) не найдено: %s</source>
      <comment>SBatchNoSongs</comment>
      <translation>Песень (.mid, .midi, .kar) не знойдзена: %s</translation>
    </message>
    <message>
      <source>Не удалось просмотреть папку %s: %s</source>
      <comment>SBatchFolderError</comment>
      <translation>Не ўдалося праглядзець тэчку %s: %s</translation>
    </message>
    <message>
      <source>пропущен: результат %s уже записывается для %s</source>
      <comment>SBatchSameOutput</comment>
      <translation>прапушчаны: вынік %s ужо запісваецца для %s</translation>
    </message>
    <message>
      <source>пропущен: результат %s заменил бы саму песню</source>
      <comment>SBatchOverwritesSong</comment>
      <translation>прапушчаны: вынік %s замяніў бы саму песню</translation>
    </message>
    <message>
      <source>Не удалось создать папку результатов %s: %s</source>
      <comment>SBatchOutputFolder</comment>
      <translation>Не ўдалося стварыць тэчку вынікаў %s: %s</translation>
    </message>
    <message>
      <source>%d из %d, %s песен/с, осталось %s</source>
      <comment>SBatchProgress</comment>
      <translation>%d з %d, %s песень/с, засталося %s</translation>
    </message>
    <message>
      <source>Готово: %d из %d успешно, ошибок: %d</source>
      <comment>SBatchSummary</comment>
      <translation>Гатова: %d з %d паспяхова, памылак: %d</translation>
    </message>
    <message>
      <source>Прервано: обработано %d из %d, ошибок: %d; записанные файлы целы</source>
      <comment>SBatchInterrupted</comment>
      <translation>Перапынена: апрацавана %d з %d, памылак: %d; запісаныя файлы цэлыя</translation>
    </message>
    <message>
      <source>Cantaro</source>
      <comment>SMainCaption</comment>
      <translation>Cantaro</translation>
    </message>
    <message>
      <source>Файл</source>
      <comment>SMenuFile</comment>
      <translation>Файл</translation>
    </message>
    <message>
      <source>Обработка</source>
      <comment>SMenuProcess</comment>
      <translation>Апрацоўка</translation>
    </message>
    <message>
      <source>Сервис</source>
      <comment>SMenuService</comment>
      <translation>Сэрвіс</translation>
    </message>
    <message>
      <source>Язык (Language)</source>
      <comment>SMenuLanguage</comment>
      <translation>Мова (Language)</translation>
    </message>
    <message>
      <source>Справка</source>
      <comment>SMenuHelp</comment>
      <translation>Даведка</translation>
    </message>
    <message>
      <source>Последние файлы</source>
      <comment>SMenuMRU</comment>
      <translation>Апошнія файлы</translation>
    </message>
    <message>
      <source>Тексты, которые загружались последними</source>
      <comment>SMenuMRUHint</comment>
      <translation>Файлы, якія адкрываліся апошнімі</translation>
    </message>
    <message>
      <source>Длительность бита</source>
      <comment>SMenuBeatLength</comment>
      <translation>Працягласць біта</translation>
    </message>
    <message>
      <source>Открыть...</source>
      <comment>SActLoad</comment>
      <translation>Адкрыць...</translation>
    </message>
    <message>
      <source>Открыть...|Загрузка караоке или миди-файла</source>
      <comment>SActLoadHint</comment>
      <translation>Адкрыць...|Загрузка караоке або MIDI-файла</translation>
    </message>
    <message>
      <source>Искать аккорды!</source>
      <comment>SActSearchSongChords</comment>
      <translation>Шукаць акорды!</translation>
    </message>
    <message>
      <source>Искать аккорды!|Запуск определителя аккордов</source>
      <comment>SActSearchSongChordsHint</comment>
      <translation>Шукаць акорды!|Запуск вызначальніка акордаў</translation>
    </message>
    <message>
      <source>Сохранить текст</source>
      <comment>SActWriteText</comment>
      <translation>Захаваць тэкст</translation>
    </message>
    <message>
      <source>Сохранить|Сохранение текста с аккордами в Табулист для редактирования</source>
      <comment>SActWriteTextHint</comment>
      <translation>Захаваць|Перадача тэксту з акордамі ў Табуліст для рэдагавання</translation>
    </message>
    <message>
      <source>К началу</source>
      <comment>SActRewind</comment>
      <translation>Да пачатку</translation>
    </message>
    <message>
      <source>К началу|Перемотка к началу</source>
      <comment>SActRewindHint</comment>
      <translation>Да пачатку|Пераматванне да пачатку</translation>
    </message>
    <message>
      <source>Пуск</source>
      <comment>SActPlay</comment>
      <translation>Пуск</translation>
    </message>
    <message>
      <source>Пуск|Проигрывание мелодии</source>
      <comment>SActPlayHint</comment>
      <translation>Пуск|Прайграванне мелодыі</translation>
    </message>
    <message>
      <source>Стоп</source>
      <comment>SActStop</comment>
      <translation>Стоп</translation>
    </message>
    <message>
      <source>Стоп|Остановка проигрывания</source>
      <comment>SActStopHint</comment>
      <translation>Стоп|Спыненне прайгравання</translation>
    </message>
    <message>
      <source>Настройки...</source>
      <comment>SActOptions</comment>
      <translation>Налады...</translation>
    </message>
    <message>
      <source>Настройки программы...|Просмотр настроек программы</source>
      <comment>SActOptionsHint</comment>
      <translation>Налады праграмы...|Прагляд налад праграмы</translation>
    </message>
    <message>
      <source>Определить тональность</source>
      <comment>SActFindRoot</comment>
      <translation>Вызначыць танальнасць</translation>
    </message>
    <message>
      <source>Определить тональность!|Определение оригинальной тональности мелодии</source>
      <comment>SActFindRootHint</comment>
      <translation>Вызначыць танальнасць!|Вызначэнне арыгінальнай танальнасці мелодыі</translation>
    </message>
    <message>
      <source>Увеличить вдвое</source>
      <comment>SActIncBeat</comment>
      <translation>Павялічыць удвая</translation>
    </message>
    <message>
      <source>Увеличение длительности бита в 2 раза (количество аккордов в композиции сократится в 2 раза)</source>
      <comment>SActIncBeatHint</comment>
      <translation>Павелічэнне працягласці біта ў 2 разы (колькасць акордаў у кампазіцыі зменшыцца ў 2 разы)</translation>
    </message>
    <message>
      <source>По-умолчанию</source>
      <comment>SActDefBeat</comment>
      <translation>Па змаўчанні</translation>
    </message>
    <message>
      <source>Установка длительности бита по-умолчанию</source>
      <comment>SActDefBeatHint</comment>
      <translation>Усталяванне працягласці біта па змаўчанні</translation>
    </message>
    <message>
      <source>Уменьшить вдвое</source>
      <comment>SActDecBeat</comment>
      <translation>Паменшыць удвая</translation>
    </message>
    <message>
      <source>Уменьшение длительности бита в 2 раза (количество аккордов в композиции возрастет в 2 раза)</source>
      <comment>SActDecBeatHint</comment>
      <translation>Памяншэнне працягласці біта ў 2 разы (колькасць акордаў у кампазіцыі павялічыцца ў 2 разы)</translation>
    </message>
    <message>
      <source>Отметить начало фрагмента</source>
      <comment>SActSetFragmentStart</comment>
      <translation>Адзначыць пачатак фрагмента</translation>
    </message>
    <message>
      <source>Установка начала фрагмента</source>
      <comment>SActSetFragmentStartHint</comment>
      <translation>Усталяванне пачатку фрагмента</translation>
    </message>
    <message>
      <source>Повторить</source>
      <comment>SActRepeat</comment>
      <translation>Паўтарыць</translation>
    </message>
    <message>
      <source>Играть повторно с начала фрагмента</source>
      <comment>SActRepeatHint</comment>
      <translation>Іграць нанова з пачатку фрагмента</translation>
    </message>
    <message>
      <source>Редактировать бит</source>
      <comment>SActEditBit</comment>
      <translation>Рэдагаваць біт</translation>
    </message>
    <message>
      <source>|Двойной клик мышки - просмотр вариантов аккорда, установка начала фрагмента</source>
      <comment>SActEditBitHint</comment>
      <translation>|Падвойны клік мышкі - прагляд варыянтаў акорда, усталяванне пачатку фрагмента</translation>
    </message>
    <message>
      <source>Играть бит</source>
      <comment>SActPlayBit</comment>
      <translation>Іграць біт</translation>
    </message>
    <message>
      <source>|Пробел - проигрывание текущего бита</source>
      <comment>SActPlayBitHint</comment>
      <translation>|Прабел - прайграванне бягучага біта</translation>
    </message>
    <message>
      <source>|Проигрывание текущего бита и переход к следующему</source>
      <comment>SActPlayBitMenuHint</comment>
      <translation>|Прайграванне бягучага біта і пераход да наступнага</translation>
    </message>
    <message>
      <source>Применить &gt;&gt;</source>
      <comment>SActSetSelectedChord</comment>
      <translation>Ужыць &gt;&gt;</translation>
    </message>
    <message>
      <source>Помещение выбранного аккорда в композицию</source>
      <comment>SActSetSelectedChordHint</comment>
      <translation>Устаўка выбранага акорда ў кампазіцыю</translation>
    </message>
    <message>
      <source>Играть аккорд</source>
      <comment>SActPlaySelectedChord</comment>
      <translation>Іграць акорд</translation>
    </message>
    <message>
      <source>Прослушивание выбранного аккорда</source>
      <comment>SActPlaySelectedChordHint</comment>
      <translation>Праслухоўванне выбранага акорда</translation>
    </message>
    <message>
      <source>Убрать отметки</source>
      <comment>SActClearMarks</comment>
      <translation>Прыбраць адзнакі</translation>
    </message>
    <message>
      <source>Очистка клавиш пиано от отметок</source>
      <comment>SActClearMarksHint</comment>
      <translation>Ачыстка клавіш піяніна ад адзнак</translation>
    </message>
    <message>
      <source>Заглушить все треки</source>
      <comment>SActTracksMute</comment>
      <translation>Заглушыць усе трэкі</translation>
    </message>
    <message>
      <source>Исключение из обработки и заглушка всех треков композиции</source>
      <comment>SActTracksMuteHint</comment>
      <translation>Выключэнне з апрацоўкі і заглушэнне ўсіх трэкаў кампазіцыі</translation>
    </message>
    <message>
      <source>Включить все треки</source>
      <comment>SActTracksTurnOn</comment>
      <translation>Уключыць усе трэкі</translation>
    </message>
    <message>
      <source>Включение всех треков композиции</source>
      <comment>SActTracksTurnOnHint</comment>
      <translation>Уключэнне ўсіх трэкаў кампазіцыі</translation>
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
      <translation>Ліст распрацоўшчыкам</translation>
    </message>
    <message>
      <source>Письмо разработчикам|Отправление письма разработчикам программы</source>
      <comment>SActEmailHint</comment>
      <translation>Ліст распрацоўшчыкам|Адпраўка ліста распрацоўшчыкам праграмы</translation>
    </message>
    <message>
      <source>Домашняя страница</source>
      <comment>SActHomePage</comment>
      <translation>Хатняя старонка</translation>
    </message>
    <message>
      <source>Домашняя страница|Переход на домашнюю страницу программы в Интернет</source>
      <comment>SActHomePageHint</comment>
      <translation>Хатняя старонка|Пераход на хатнюю старонку праграмы ў Інтэрнэце</translation>
    </message>
    <message>
      <source>О программе...</source>
      <comment>SActAbout</comment>
      <translation>Пра праграму...</translation>
    </message>
    <message>
      <source>О программе...|Информация о программе</source>
      <comment>SActAboutHint</comment>
      <translation>Пра праграму...|Інфармацыя пра праграму</translation>
    </message>
    <message>
      <source>Выйти</source>
      <comment>SActQuit</comment>
      <translation>Выйсці</translation>
    </message>
    <message>
      <source>Выход из программы</source>
      <comment>SActQuitHint</comment>
      <translation>Выхад з праграмы</translation>
    </message>
    <message>
      <source>Сдвиг клавиатуры влево</source>
      <comment>SScrollPianoLeftHint</comment>
      <translation>Зрух клавіятуры ўлева</translation>
    </message>
    <message>
      <source>Сдвиг клавиатуры вправо</source>
      <comment>SScrollPianoRightHint</comment>
      <translation>Зрух клавіятуры ўправа</translation>
    </message>
    <message>
      <source>Нота</source>
      <comment>SNoteLabel</comment>
      <translation>Нота</translation>
    </message>
    <message>
      <source>Прослушать</source>
      <comment>SMarkedPlay</comment>
      <translation>Праслухаць</translation>
    </message>
    <message>
      <source>Прослушать выбранные ноты</source>
      <comment>SMarkedPlayHint</comment>
      <translation>Праслухаць выбраныя ноты</translation>
    </message>
    <message>
      <source>|Дважды кликните ноту, чтобы удалить ее из списка</source>
      <comment>SMarkedHint</comment>
      <translation>|Двойчы клікніце ноту, каб выдаліць яе са спісу</translation>
    </message>
    <message>
      <source>Автопоиск</source>
      <comment>SAutoSearchMarked</comment>
      <translation>Аўтапошук</translation>
    </message>
    <message>
      <source>Автопоиск аккордов в  помеченных нотах</source>
      <comment>SAutoSearchMarkedHint</comment>
      <translation>Аўтапошук акордаў у пазначаных нотах</translation>
    </message>
    <message>
      <source>Варианты аккорда:</source>
      <comment>SVariantsLabel</comment>
      <translation>Варыянты акорда:</translation>
    </message>
    <message>
      <source>|Варианты аккорда для выбранного бита</source>
      <comment>SVariantsHint</comment>
      <translation>|Варыянты акорда для выбранага біта</translation>
    </message>
    <message>
      <source>#</source>
      <comment>SVariantsColNumber</comment>
      <translation>#</translation>
    </message>
    <message>
      <source>Название</source>
      <comment>SVariantsColName</comment>
      <translation>Назва</translation>
    </message>
    <message>
      <source>Состав аккорда</source>
      <comment>SVariantsColTones</comment>
      <translation>Склад акорда</translation>
    </message>
    <message>
      <source>Композиция по тактам:</source>
      <comment>SSongGridLabel</comment>
      <translation>Кампазіцыя па тактах:</translation>
    </message>
    <message>
      <source>|Двойной клик - просмотреть варианты аккорда, отметить бит как начало фрагмента</source>
      <comment>SSongGridHint</comment>
      <translation>|Падвойны клік мышкі - прагледзець варыянты акорда, адзначыць біт як пачатак фрагмента</translation>
    </message>
    <message>
      <source>Будь проще !!!</source>
      <comment>SSimplify</comment>
      <translation>Прасцей !!!</translation>
    </message>
    <message>
      <source>Упростить аккорды|Упрощение аккордов композиции. Внимание: при упрощении теряется точность следования аккордов оригиналу!</source>
      <comment>SSimplifyHint</comment>
      <translation>Спрасціць акорды|Спрашчэнне акордаў кампазіцыі. Увага: пры спрашчэнні губляецца дакладнасць адпаведнасці акордаў арыгіналу!</translation>
    </message>
    <message>
      <source>Текущее время (сек.)</source>
      <comment>STimeHint</comment>
      <translation>Бягучы час (с)</translation>
    </message>
    <message>
      <source>Текущее время (тиков)</source>
      <comment>STicksHint</comment>
      <translation>Бягучы час (у тыках)</translation>
    </message>
    <message>
      <source>Продолжительность композиции (тиков)</source>
      <comment>SLengthHint</comment>
      <translation>Працягласць кампазіцыі (у тыках)</translation>
    </message>
    <message>
      <source>BPM:</source>
      <comment>SBpmLabel</comment>
      <translation>BPM:</translation>
    </message>
    <message>
      <source>Темп (битов в минуту)</source>
      <comment>SBpmHint</comment>
      <translation>Тэмп (бітаў у хвіліну)</translation>
    </message>
    <message>
      <source>Тон.:</source>
      <comment>SRootLabel</comment>
      <translation>Тан.:</translation>
    </message>
    <message>
      <source>Оригинальная тональность мелодии</source>
      <comment>SRootOrigHint</comment>
      <translation>Арыгінальная танальнасць мелодыі</translation>
    </message>
    <message>
      <source>Транспозиция</source>
      <comment>STransposHint</comment>
      <translation>Транспазіцыя</translation>
    </message>
    <message>
      <source>Текущая тональность мелодии</source>
      <comment>SRootNewHint</comment>
      <translation>Бягучая танальнасць мелодыі</translation>
    </message>
    <message>
      <source>№</source>
      <comment>STrackColNumber</comment>
      <translation>№</translation>
    </message>
    <message>
      <source>Имя трэка</source>
      <comment>STrackColName</comment>
      <translation>Назва трэка</translation>
    </message>
    <message>
      <source>Инструмент</source>
      <comment>STrackColInstrument</comment>
      <translation>Інструмент</translation>
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
      <translation>Прайграванне мелодыі...</translation>
    </message>
    <message>
      <source>&amp;Да</source>
      <comment>SButtonYes</comment>
      <translation>&amp;Так</translation>
    </message>
    <message>
      <source>&amp;Нет</source>
      <comment>SButtonNo</comment>
      <translation>&amp;Не</translation>
    </message>
    <message>
      <source>Отмена</source>
      <comment>SButtonCancel</comment>
      <translation>Адмена</translation>
    </message>
    <message>
      <source>OK</source>
      <comment>SButtonOk</comment>
      <translation>OK</translation>
    </message>
    <message>
      <source>Руководство пользователя</source>
      <comment>SActManual</comment>
      <translation>Кіраўніцтва карыстальніка</translation>
    </message>
    <message>
      <source>Руководство пользователя|Открыть руководство пользователя программы</source>
      <comment>SActManualHint</comment>
      <translation>Кіраўніцтва карыстальніка|Адкрыць кіраўніцтва карыстальніка праграмы</translation>
    </message>
    <message>
      <source>Звук выключен: устройство вывода не открыто</source>
      <comment>SOutputSilent</comment>
      <translation>Гук выключаны: прылада вываду не адкрыта</translation>
    </message>
    <message>
      <source>Не удалось открыть вход MIDI &quot;%s&quot;: %s</source>
      <comment>SMidiInOpenFailed</comment>
      <translation>Не ўдалося адкрыць уваход MIDI &quot;%s&quot;: %s</translation>
    </message>
    <message>
      <source>Вход MIDI &quot;%s&quot; отключён: %s</source>
      <comment>SMidiInLost</comment>
      <translation>Уваход MIDI &quot;%s&quot; адключаны: %s</translation>
    </message>
    <message>
      <source>устройство не найдено или отключено</source>
      <comment>SMidiInErrGone</comment>
      <translation>прылада не знойдзена або адключана</translation>
    </message>
    <message>
      <source>устройство занято или недоступно</source>
      <comment>SMidiInErrBusy</comment>
      <translation>прылада занятая або недаступная</translation>
    </message>
    <message>
      <source>сервер JACK остановлен</source>
      <comment>SMidiInErrServer</comment>
      <translation>сервер JACK спынены</translation>
    </message>
    <message>
      <source>Вход MIDI &quot;%s&quot; подключён</source>
      <comment>SMidiInFound</comment>
      <translation>Уваход MIDI &quot;%s&quot; падключаны</translation>
    </message>
    <message>
      <source>Настройки программы</source>
      <comment>SOptCaption</comment>
      <translation>Налады праграмы</translation>
    </message>
    <message>
      <source>Готово</source>
      <comment>SOptOK</comment>
      <translation>Гатова</translation>
    </message>
    <message>
      <source>Принять данную конфигурацию</source>
      <comment>SOptOKHint</comment>
      <translation>Прыняць гэту канфігурацыю</translation>
    </message>
    <message>
      <source>Отмена</source>
      <comment>SOptCancel</comment>
      <translation>Адмена</translation>
    </message>
    <message>
      <source>Закрыть окно, не сохраняя текущую конфигурацию</source>
      <comment>SOptCancelHint</comment>
      <translation>Закрыць акно, не захоўваючы бягучую канфігурацыю</translation>
    </message>
    <message>
      <source>Применить</source>
      <comment>SOptApply</comment>
      <translation>Ужыць</translation>
    </message>
    <message>
      <source>Принять данную конфигурацию без закрытия окна опций</source>
      <comment>SOptApplyHint</comment>
      <translation>Прыняць гэту канфігурацыю, не закрываючы акно налад</translation>
    </message>
    <message>
      <source>Вид</source>
      <comment>SOptPageView</comment>
      <translation>Выгляд</translation>
    </message>
    <message>
      <source>Распахнуть главное окно программы</source>
      <comment>SOptFormOpened</comment>
      <translation>Разгарнуць галоўнае акно праграмы</translation>
    </message>
    <message>
      <source>В главном окне можно будет просматривать&#13;содержимое midi или караоке-файла,&#13;а также текст песни по мере проигрывания</source>
      <comment>SOptFormOpenedHint</comment>
      <translation>У галоўным акне можна будзе праглядаць&#13;змесціва MIDI або караоке-файла,&#13;а таксама тэкст песні падчас прайгравання</translation>
    </message>
    <message>
      <source>Показывать подсказки</source>
      <comment>SOptShowHints</comment>
      <translation>Паказваць падказкі</translation>
    </message>
    <message>
      <source>Если эту установку снять,&#13;больше Вы этой подсказки не увидите :)</source>
      <comment>SOptShowHintsHint</comment>
      <translation>Калі зняць гэту ўстаноўку,&#13;больш Вы гэтай падказкі не ўбачыце :)</translation>
    </message>
    <message>
      <source>Вид клавиатуры пиано</source>
      <comment>SOptPianoView</comment>
      <translation>Выгляд клавіятуры піяніна</translation>
    </message>
    <message>
      <source>Цвет белых клавиш:</source>
      <comment>SOptWhiteKey</comment>
      <translation>Колер белых клавіш:</translation>
    </message>
    <message>
      <source>Цвет черных клавиш:</source>
      <comment>SOptBlackKey</comment>
      <translation>Колер чорных клавіш:</translation>
    </message>
    <message>
      <source>Цвет рамок:</source>
      <comment>SOptBorder</comment>
      <translation>Колер рамак:</translation>
    </message>
    <message>
      <source>Цвет выбранной клавиши:</source>
      <comment>SOptSelectedKey</comment>
      <translation>Колер выбранай клавішы:</translation>
    </message>
    <message>
      <source>Цвет помеченной клавиши:</source>
      <comment>SOptMarkedKey</comment>
      <translation>Колер пазначанай клавішы:</translation>
    </message>
    <message>
      <source>Количество видимых октав:</source>
      <comment>SOptOctaveCnt</comment>
      <translation>Колькасць бачных актаў:</translation>
    </message>
    <message>
      <source>Количество видимых октав на клавиатуре фортепиано</source>
      <comment>SOptOctaveCntHint</comment>
      <translation>Колькасць бачных актаў на клавіятуры фартэпіяна</translation>
    </message>
    <message>
      <source>Аккорды</source>
      <comment>SOptPageChords</comment>
      <translation>Акорды</translation>
    </message>
    <message>
      <source>Способ записи нот:</source>
      <comment>SOptNoteSet</comment>
      <translation>Спосаб запісу нот:</translation>
    </message>
    <message>
      <source>&quot;Английская&quot; нотация (C-D-E-F-G-A-B)</source>
      <comment>SOptNoteSetEnglish</comment>
      <translation>&quot;Англійская&quot; натацыя (C-D-E-F-G-A-B)</translation>
    </message>
    <message>
      <source>&quot;Немецкая&quot; нотация (C-D-E-F-G-A-H)</source>
      <comment>SOptNoteSetGerman</comment>
      <translation>&quot;Нямецкая&quot; натацыя (C-D-E-F-G-A-H)</translation>
    </message>
    <message>
      <source>&quot;Итальянская&quot; нотация (DO-RE-MI-FA-SOL-LA-SI)</source>
      <comment>SOptNoteSetItalian</comment>
      <translation>&quot;Італьянская&quot; натацыя (DO-RE-MI-FA-SOL-LA-SI)</translation>
    </message>
    <message>
      <source>Продвинутое распознавание аккордов (технология Keysense)</source>
      <comment>SOptKeysense</comment>
      <translation>Прасунутае распазнаванне акордаў (тэхналогія Keysense)</translation>
    </message>
    <message>
      <source>Включает &quot;продвинутое&quot; распознавание аккордов,&#13;основывающееся на информации о тональности композиции.</source>
      <comment>SOptKeysenseHint</comment>
      <translation>Уключае &quot;прасунутае&quot; распазнаванне акордаў,&#13;якое грунтуецца на звестках пра танальнасць кампазіцыі.</translation>
    </message>
    <message>
      <source>Технология Keysense может применяться, только если тональность композиции определена. Используйте ее, если Вас не устраивает качество распознавания аккордов обычным методом.</source>
      <comment>SOptKeysenseInfo</comment>
      <translation>Тэхналогія Keysense можа ўжывацца, толькі калі танальнасць кампазіцыі вызначана. Карыстайцеся ёю, калі Вас не задавальняе якасць распазнавання акордаў звычайным метадам.</translation>
    </message>
    <message>
      <source>Звуки и MIDI</source>
      <comment>SOptPageMidi</comment>
      <translation>Гукі і MIDI</translation>
    </message>
    <message>
      <source>Устройство вывода MIDI:</source>
      <comment>SOptMidiOut</comment>
      <translation>Прылада вываду MIDI:</translation>
    </message>
    <message>
      <source>Подвергать транспозиции только запись нот</source>
      <comment>SOptMidiOutNoTranspose</comment>
      <translation>Транспанаваць толькі запіс нот</translation>
    </message>
    <message>
      <source>При транспозиции будет сохраняться&#13;оригинальное звучание мелодии</source>
      <comment>SOptMidiOutNoTransposeHint</comment>
      <translation>Пры транспазіцыі будзе захоўвацца&#13;арыгінальнае гучанне мелодыі</translation>
    </message>
    <message>
      <source>Разрешить играть музыку на клавиатуре компьютера</source>
      <comment>SOptPlayKeys</comment>
      <translation>Дазволіць іграць музыку на клавіятуры камп'ютара</translation>
    </message>
    <message>
      <source>Позволяет пользователю играть мелодию на клавиатуре компьютера.&#13;Используются 2 верхних ряда клавиш клавиатуры</source>
      <comment>SOptPlayKeysHint</comment>
      <translation>Дазваляе карыстальніку іграць мелодыю на клавіятуры камп'ютара.&#13;Выкарыстоўваюцца 2 верхнія рады клавіш клавіятуры</translation>
    </message>
    <message>
      <source>Интервал срабатывания MIDI-таймера (по-умолчанию 10 мсек):</source>
      <comment>SOptTimerResol</comment>
      <translation>Інтэрвал спрацоўвання MIDI-таймера (па змаўчанні 10 мс):</translation>
    </message>
    <message>
      <source>Увеличьте это число, если наблюдаются &quot;глюки&quot; при&#13;проигрывании фрагмента композиции с произвольного бита</source>
      <comment>SOptTimerResolHint</comment>
      <translation>Павялічце гэты лік, калі назіраюцца &quot;глюкі&quot; пры&#13;прайграванні фрагмента кампазіцыі з адвольнага біта</translation>
    </message>
    <message>
      <source>Экспорт</source>
      <comment>SOptPageExport</comment>
      <translation>Экспарт</translation>
    </message>
    <message>
      <source>Путь к Табулисту:</source>
      <comment>SOptPathTabulist</comment>
      <translation>Шлях да Табуліста:</translation>
    </message>
    <message>
      <source>Каталог расположения Табулиста.&#13;По-умолчанию - в одном каталоге с этой программой.</source>
      <comment>SOptPathTabulistHint</comment>
      <translation>Каталог, дзе знаходзіцца Табуліст.&#13;Па змаўчанні - у адным каталогу з гэтай праграмай.</translation>
    </message>
    <message>
      <source>Табулист - это текстовый редактор для обработки текстов песен с аккордами.&#13;Бесплатную неограниченную по времени версию этой программы Вы можете загрузить с нашего сайта!</source>
      <comment>SOptTabulistInfo</comment>
      <translation>Табуліст - гэта тэкставы рэдактар для апрацоўкі тэкстаў песень з акордамі.&#13;Бясплатную неабмежаваную па часе версію гэтай праграмы Вы можаце загрузіць з нашага сайта!</translation>
    </message>
    <message>
      <source>Включить в текст композиции комментарии из MIDI-файла</source>
      <comment>SOptCommExport</comment>
      <translation>Уключыць у тэкст кампазіцыі каментарыі з MIDI-файла</translation>
    </message>
    <message>
      <source>Все комментарии экспортировать в текстовый файл&#13;вместе с текстом композиции</source>
      <comment>SOptCommExportHint</comment>
      <translation>Усе каментарыі экспартаваць у тэкставы файл&#13;разам з тэкстам кампазіцыі</translation>
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
      <translation>Выбраць праграму Табуліст</translation>
    </message>
    <message>
      <source>Вы изменили способ записи нот.&#13;Чтобы изменения вступили в силу, необходимо&#13;перезапустить определитель аккордов.&#13;Сделать это сейчас?</source>
      <comment>SOptNoteSetQuestion</comment>
      <translation>Вы змянілі спосаб запісу нот.&#13;Каб змены ўступілі ў сілу, трэба&#13;перазапусціць вызначальнік акордаў.&#13;Зрабіць гэта зараз?</translation>
    </message>
    <message>
      <source>Не удалось выбрать устройство вывода MIDI &quot;%s&quot;:&#13;%s&#13;Будет использовано первое устройство.</source>
      <comment>SOptDeviceNotSelected</comment>
      <translation>Не ўдалося выбраць прыладу вываду MIDI &quot;%s&quot;:&#13;%s&#13;Будзе выкарыстана першая прылада.</translation>
    </message>
    <message>
      <source>Черный</source>
      <comment>SColorBlack</comment>
      <translation>Чорны</translation>
    </message>
    <message>
      <source>Темно-красный</source>
      <comment>SColorMaroon</comment>
      <translation>Цёмна-чырвоны</translation>
    </message>
    <message>
      <source>Зеленый</source>
      <comment>SColorGreen</comment>
      <translation>Зялёны</translation>
    </message>
    <message>
      <source>Оливковый</source>
      <comment>SColorOlive</comment>
      <translation>Аліўкавы</translation>
    </message>
    <message>
      <source>Темно-синий</source>
      <comment>SColorNavy</comment>
      <translation>Цёмна-сіні</translation>
    </message>
    <message>
      <source>Пурпурный</source>
      <comment>SColorPurple</comment>
      <translation>Пурпурны</translation>
    </message>
    <message>
      <source>Сине-зеленый</source>
      <comment>SColorTeal</comment>
      <translation>Сіне-зялёны</translation>
    </message>
    <message>
      <source>Серый</source>
      <comment>SColorGray</comment>
      <translation>Шэры</translation>
    </message>
    <message>
      <source>Серебристый</source>
      <comment>SColorSilver</comment>
      <translation>Срэбны</translation>
    </message>
    <message>
      <source>Красный</source>
      <comment>SColorRed</comment>
      <translation>Чырвоны</translation>
    </message>
    <message>
      <source>Ярко-зеленый</source>
      <comment>SColorLime</comment>
      <translation>Ярка-зялёны</translation>
    </message>
    <message>
      <source>Желтый</source>
      <comment>SColorYellow</comment>
      <translation>Жоўты</translation>
    </message>
    <message>
      <source>Синий</source>
      <comment>SColorBlue</comment>
      <translation>Сіні</translation>
    </message>
    <message>
      <source>Фуксия</source>
      <comment>SColorFuchsia</comment>
      <translation>Фуксія</translation>
    </message>
    <message>
      <source>Голубой</source>
      <comment>SColorAqua</comment>
      <translation>Блакітны</translation>
    </message>
    <message>
      <source>Белый</source>
      <comment>SColorWhite</comment>
      <translation>Белы</translation>
    </message>
    <message>
      <source>Серо-зеленый</source>
      <comment>SColorMoneyGreen</comment>
      <translation>Шэра-зялёны</translation>
    </message>
    <message>
      <source>Небесно-голубой</source>
      <comment>SColorSkyBlue</comment>
      <translation>Нябесна-блакітны</translation>
    </message>
    <message>
      <source>Кремовый</source>
      <comment>SColorCream</comment>
      <translation>Крэмавы</translation>
    </message>
    <message>
      <source>Светло-серый</source>
      <comment>SColorMedGray</comment>
      <translation>Светла-шэры</translation>
    </message>
    <message>
      <source>Полоса прокрутки</source>
      <comment>SColorScrollBar</comment>
      <translation>Паласа пракруткі</translation>
    </message>
    <message>
      <source>Рабочий стол</source>
      <comment>SColorBackground</comment>
      <translation>Працоўны стол</translation>
    </message>
    <message>
      <source>Заголовок активного окна</source>
      <comment>SColorActiveCaption</comment>
      <translation>Загаловак актыўнага акна</translation>
    </message>
    <message>
      <source>Заголовок неактивного окна</source>
      <comment>SColorInactiveCaption</comment>
      <translation>Загаловак неактыўнага акна</translation>
    </message>
    <message>
      <source>Меню</source>
      <comment>SColorMenu</comment>
      <translation>Меню</translation>
    </message>
    <message>
      <source>Окно</source>
      <comment>SColorWindow</comment>
      <translation>Акно</translation>
    </message>
    <message>
      <source>Рамка окна</source>
      <comment>SColorWindowFrame</comment>
      <translation>Рамка акна</translation>
    </message>
    <message>
      <source>Текст меню</source>
      <comment>SColorMenuText</comment>
      <translation>Тэкст меню</translation>
    </message>
    <message>
      <source>Текст окна</source>
      <comment>SColorWindowText</comment>
      <translation>Тэкст акна</translation>
    </message>
    <message>
      <source>Текст заголовка</source>
      <comment>SColorCaptionText</comment>
      <translation>Тэкст загалоўка</translation>
    </message>
    <message>
      <source>Граница активного окна</source>
      <comment>SColorActiveBorder</comment>
      <translation>Мяжа актыўнага акна</translation>
    </message>
    <message>
      <source>Граница неактивного окна</source>
      <comment>SColorInactiveBorder</comment>
      <translation>Мяжа неактыўнага акна</translation>
    </message>
    <message>
      <source>Рабочая область приложения</source>
      <comment>SColorAppWorkSpace</comment>
      <translation>Працоўная вобласць праграмы</translation>
    </message>
    <message>
      <source>Выделение</source>
      <comment>SColorHighlight</comment>
      <translation>Вылучэнне</translation>
    </message>
    <message>
      <source>Выделенный текст</source>
      <comment>SColorHighlightText</comment>
      <translation>Вылучаны тэкст</translation>
    </message>
    <message>
      <source>Поверхность кнопки</source>
      <comment>SColorBtnFace</comment>
      <translation>Паверхня кнопкі</translation>
    </message>
    <message>
      <source>Тень кнопки</source>
      <comment>SColorBtnShadow</comment>
      <translation>Цень кнопкі</translation>
    </message>
    <message>
      <source>Недоступный текст</source>
      <comment>SColorGrayText</comment>
      <translation>Недаступны тэкст</translation>
    </message>
    <message>
      <source>Текст кнопки</source>
      <comment>SColorBtnText</comment>
      <translation>Тэкст кнопкі</translation>
    </message>
    <message>
      <source>Текст неактивного заголовка</source>
      <comment>SColorInactiveCaptionText</comment>
      <translation>Тэкст неактыўнага загалоўка</translation>
    </message>
    <message>
      <source>Блик кнопки</source>
      <comment>SColorBtnHighlight</comment>
      <translation>Блік кнопкі</translation>
    </message>
    <message>
      <source>Темная тень</source>
      <comment>SColor3DDkShadow</comment>
      <translation>Цёмны цень</translation>
    </message>
    <message>
      <source>Светлая грань</source>
      <comment>SColor3DLight</comment>
      <translation>Светлая грань</translation>
    </message>
    <message>
      <source>Текст подсказки</source>
      <comment>SColorInfoText</comment>
      <translation>Тэкст падказкі</translation>
    </message>
    <message>
      <source>Фон подсказки</source>
      <comment>SColorInfoBk</comment>
      <translation>Фон падказкі</translation>
    </message>
    <message>
      <source>Гиперссылка</source>
      <comment>SColorHotLight</comment>
      <translation>Гіперспасылка</translation>
    </message>
    <message>
      <source>Градиент активного заголовка</source>
      <comment>SColorGradientActiveCaption</comment>
      <translation>Градыент актыўнага загалоўка</translation>
    </message>
    <message>
      <source>Градиент неактивного заголовка</source>
      <comment>SColorGradientInactiveCaption</comment>
      <translation>Градыент неактыўнага загалоўка</translation>
    </message>
    <message>
      <source>Выделение меню</source>
      <comment>SColorMenuHighlight</comment>
      <translation>Вылучэнне меню</translation>
    </message>
    <message>
      <source>Строка меню</source>
      <comment>SColorMenuBar</comment>
      <translation>Радок меню</translation>
    </message>
    <message>
      <source>По умолчанию</source>
      <comment>SColorDefault</comment>
      <translation>Па змаўчанні</translation>
    </message>
    <message>
      <source>Другой...</source>
      <comment>SColorCustom</comment>
      <translation>Іншы...</translation>
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
      <translation>Каб змены ўступілі ў сілу, &#13;трэба перазапусціць праграму.&#13;Выйсці з праграмы зараз?</translation>
    </message>
    <message>
      <source>О программе</source>
      <comment>SAboutCaption</comment>
      <translation>Пра праграму</translation>
    </message>
    <message>
      <source>Версия </source>
      <comment>SAboutVersion</comment>
      <translation>Версія </translation>
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
      <translation>Нота</translation>
    </message>
    <message>
      <source>Руководство пользователя не найдено:&#13;%s</source>
      <comment>SManualMissing</comment>
      <translation>Кіраўніцтва карыстальніка не знойдзена:&#13;%s</translation>
    </message>
    <message>
      <source>Связные аккорды: выбирать аккорды всей композиции сразу</source>
      <comment>SOptKeysenseContinuity</comment>
      <translation>Звязныя акорды: выбіраць акорды ўсёй кампазіцыі адразу</translation>
    </message>
    <message>
      <source>Аккорд бита выбирается вместе с соседними битами:&#13;проходящая нота мелодии не меняет аккорд.&#13;Действует вместе с технологией Keysense.</source>
      <comment>SOptKeysenseContinuityHint</comment>
      <translation>Акорд біта выбіраецца разам з суседнімі бітамі:&#13;праходная нота мелодыі не мяняе акорд.&#13;Дзейнічае разам з тэхналогіяй Keysense.</translation>
    </message>
    <message>
      <source>Бит сохраняет аккорд соседних битов, пока другой аккорд не подходит ему заметно лучше (только с Keysense).</source>
      <comment>SOptKeysenseContinuityInfo</comment>
      <translation>Біт захоўвае акорд суседніх бітаў, пакуль іншы акорд не падыходзіць яму прыкметна лепш (толькі з Keysense).</translation>
    </message>
    <message>
      <source>Экспорт...</source>
      <comment>SActExport</comment>
      <translation>Экспарт...</translation>
    </message>
    <message>
      <source>Экспорт|Сохранение песни с аккордами в файл: текст, ChordPro, сетка битов, анализ в JSON или MIDI с дорожкой аккордов</source>
      <comment>SActExportHint</comment>
      <translation>Экспарт|Захаванне песні з акордамі ў файл: тэкст, ChordPro, сетка бітоў, аналіз у JSON або MIDI з дарожкай акордаў</translation>
    </message>
    <message>
      <source>Экспорт песни</source>
      <comment>SExportCaption</comment>
      <translation>Экспарт песні</translation>
    </message>
    <message>
      <source>Формат:</source>
      <comment>SExportFormatLabel</comment>
      <translation>Фармат:</translation>
    </message>
    <message>
      <source>Файл:</source>
      <comment>SExportFileLabel</comment>
      <translation>Файл:</translation>
    </message>
    <message>
      <source>Обзор...</source>
      <comment>SExportBrowse</comment>
      <translation>Агляд...</translation>
    </message>
    <message>
      <source>Текст с аккордами (*.txt)</source>
      <comment>SExportFormatText</comment>
      <translation>Тэкст з акордамі (*.txt)</translation>
    </message>
    <message>
      <source>ChordPro (*.cho)</source>
      <comment>SExportFormatChordPro</comment>
      <translation>ChordPro (*.cho)</translation>
    </message>
    <message>
      <source>Сетка битов (*.tsv)</source>
      <comment>SExportFormatGrid</comment>
      <translation>Сетка бітоў (*.tsv)</translation>
    </message>
    <message>
      <source>Анализ в JSON (*.json)</source>
      <comment>SExportFormatJson</comment>
      <translation>Аналіз у JSON (*.json)</translation>
    </message>
    <message>
      <source>Анализ в JSON Lines, строка на песню (*.jsonl)</source>
      <comment>SExportFormatJsonLines</comment>
      <translation>Аналіз у JSON Lines, радок на песню (*.jsonl)</translation>
    </message>
    <message>
      <source>MIDI с дорожкой аккордов (*.mid)</source>
      <comment>SExportFormatMidi</comment>
      <translation>MIDI з дарожкай акордаў (*.mid)</translation>
    </message>
    <message>
      <source>Файл %s записан</source>
      <comment>SExportSaved</comment>
      <translation>Файл %s запісаны</translation>
    </message>
    <message>
      <source>Вход MIDI (клавиатура):</source>
      <comment>SOptMidiIn</comment>
      <translation>Уваход MIDI (клавіятура):</translation>
    </message>
    <message>
      <source>(нет)</source>
      <comment>SOptMidiInNone</comment>
      <translation>(няма)</translation>
    </message>
    <message>
      <source>Ноты, сыгранные на клавиатуре MIDI, подсвечиваются на пианино;&#13;при нажатой кнопке &quot;Автопоиск&quot; их аккорд распознаётся сразу</source>
      <comment>SOptMidiInHint</comment>
      <translation>Ноты, сыграныя на клавіятуры MIDI, падсвечваюцца на піяніна;&#13;пры націснутай кнопцы &quot;Аўтапошук&quot; іх акорд распазнаецца адразу</translation>
    </message>
    <message>
      <source>Передавать сыгранное на устройство вывода (MIDI thru)</source>
      <comment>SOptMidiThru</comment>
      <translation>Перадаваць сыгранае на прыладу вываду (MIDI thru)</translation>
    </message>
    <message>
      <source>Ноты с клавиатуры MIDI будут звучать&#13;через выбранное устройство вывода</source>
      <comment>SOptMidiThruHint</comment>
      <translation>Ноты з клавіятуры MIDI будуць гучаць&#13;праз абраную прыладу вываду</translation>
    </message>
    <message>
      <source>это не файл модели аккордов</source>
      <comment>SChordModelNotAModel</comment>
      <translation>гэта не файл мадэлі акордаў</translation>
    </message>
    <message>
      <source>файл записан более новой версией программы (версия модели %s)</source>
      <comment>SChordModelNewerVersion</comment>
      <translation>файл запісаны навейшай версіяй праграмы (версія мадэлі %s)</translation>
    </message>
    <message>
      <source>строка %d: непонятная запись &quot;%s&quot;</source>
      <comment>SChordModelBadLine</comment>
      <translation>радок %d: незразумелы запіс &quot;%s&quot;</translation>
    </message>
    <message>
      <source>строка %d: неверное число &quot;%s&quot;</source>
      <comment>SChordModelBadNumber</comment>
      <translation>радок %d: няправільны лік &quot;%s&quot;</translation>
    </message>
    <message>
      <source>строка %d: неверное количество чисел (%s)</source>
      <comment>SChordModelWrongCount</comment>
      <translation>радок %d: няправільная колькасць лікаў (%s)</translation>
    </message>
    <message>
      <source>строка %d: неизвестный тип аккорда &quot;%s&quot;</source>
      <comment>SChordModelUnknownType</comment>
      <translation>радок %d: невядомы тып акорда &quot;%s&quot;</translation>
    </message>
    <message>
      <source>нет весов типа аккорда &quot;%s&quot;</source>
      <comment>SChordModelMissing</comment>
      <translation>няма вагаў тыпу акорда &quot;%s&quot;</translation>
    </message>
    <message>
      <source>строка %d: тип аккорда &quot;%s&quot; повторяется</source>
      <comment>SChordModelDuplicate</comment>
      <translation>радок %d: тып акорда &quot;%s&quot; паўтараецца</translation>
    </message>
    <message>
      <source>Модель аккордов &quot;%s&quot; не может быть использована: %s.&#13;Аккорды ищутся по таблице Keysense.</source>
      <comment>SChordModelUnusable</comment>
      <translation>Мадэль акордаў &quot;%s&quot; немагчыма выкарыстаць: %s.&#13;Акорды шукаюцца па табліцы Keysense.</translation>
    </message>
    <message>
      <source>Файл модели аккордов %s не найден ни в одной из папок данных:&#13;%s&#13;Аккорды ищутся по таблице Keysense.</source>
      <comment>SChordModelNotFound</comment>
      <translation>Файл мадэлі акордаў %s не знойдзены ні ў адной з папак даных:&#13;%s&#13;Акорды шукаюцца па табліцы Keysense.</translation>
    </message>
    <message>
      <source>Распознавание аккордов:&#13;  --chords table|learned              таблица Keysense или обученная модель (без параметра&#13;                                      действуют настройки); с моделью --keysense и --continuity&#13;                                      не действуют</source>
      <comment>SCliHelpChords</comment>
      <translation>Распазнаванне акордаў:&#13;  --chords table|learned              табліца Keysense або навучаная мадэль (без параметра&#13;                                      дзейнічаюць налады); з мадэллю --keysense і --continuity&#13;                                      не дзейнічаюць</translation>
    </message>
    <message>
      <source>Распознавание аккордов</source>
      <comment>SChordRecognition</comment>
      <translation>Распазнаванне акордаў</translation>
    </message>
    <message>
      <source>Таблица Keysense</source>
      <comment>SChordRecognitionTable</comment>
      <translation>Табліца Keysense</translation>
    </message>
    <message>
      <source>Обученная модель</source>
      <comment>SChordRecognitionLearned</comment>
      <translation>Навучаная мадэль</translation>
    </message>
    <message>
      <source>С обученной моделью переключатели Keysense и непрерывности не действуют: модель сама выбирает аккорды всей композиции, тональность определяется только для её названия.</source>
      <comment>SChordRecognitionLearnedNote</comment>
      <translation>З навучанай мадэллю пераключальнікі Keysense і бесперапыннасці не дзейнічаюць: мадэль сама выбірае акорды ўсёй кампазіцыі, танальнасць вызначаецца толькі для яе назвы.</translation>
    </message>
    <message>
      <source>Вид</source>
      <comment>SMenuView</comment>
      <translation>Выгляд</translation>
    </message>
    <message>
      <source>Текст с аккордами</source>
      <comment>SSheetCaption</comment>
      <translation>Тэкст з акордамі</translation>
    </message>
    <message>
      <source>Текст с аккордами</source>
      <comment>SActSheet</comment>
      <translation>Тэкст з акордамі</translation>
    </message>
    <message>
      <source>Текст с аккордами|Показать или скрыть текст песни с аккордами, который следует за проигрыванием</source>
      <comment>SActSheetHint</comment>
      <translation>Тэкст з акордамі|Паказаць або схаваць тэкст песні з акордамі, які ідзе за прайграваннем</translation>
    </message>
    <message>
      <source>Сцена</source>
      <comment>SActStage</comment>
      <translation>Сцэна</translation>
    </message>
    <message>
      <source>Сцена|Текст с аккордами на весь экран крупным шрифтом, светлым по тёмному; Esc - выход</source>
      <comment>SActStageHint</comment>
      <translation>Сцэна|Тэкст з акордамі на ўвесь экран буйным шрыфтам, светлым па цёмным; Esc - выхад</translation>
    </message>
    <message>
      <source>Печать...</source>
      <comment>SActPrint</comment>
      <translation>Друк...</translation>
    </message>
    <message>
      <source>Печать|Печать текста с аккордами</source>
      <comment>SActPrintHint</comment>
      <translation>Друк|Друк тэксту з акордамі</translation>
    </message>
    <message>
      <source>Экспорт в PDF...</source>
      <comment>SActExportPdf</comment>
      <translation>Экспарт у PDF...</translation>
    </message>
    <message>
      <source>Экспорт в PDF|Сохранение текста с аккордами в файл PDF</source>
      <comment>SActExportPdfHint</comment>
      <translation>Экспарт у PDF|Захаванне тэксту з акордамі ў файл PDF</translation>
    </message>
    <message>
      <source>|Щелчок по аккорду - перейти к его биту и показать варианты аккорда</source>
      <comment>SSheetHint</comment>
      <translation>|Пстрычка па акордзе - перайсці да яго біта і паказаць варыянты акорда</translation>
    </message>
    <message>
      <source>Откройте песню (F3)</source>
      <comment>SSheetNoSong</comment>
      <translation>Адкрыйце песню (F3)</translation>
    </message>
    <message>
      <source>Аккорды ещё не определены: нажмите F8</source>
      <comment>SSheetNoChords</comment>
      <translation>Акорды яшчэ не вызначаны: націсніце F8</translation>
    </message>
    <message>
      <source>Тональность: %s</source>
      <comment>SSheetKey</comment>
      <translation>Танальнасць: %s</translation>
    </message>
    <message>
      <source>Темп: %d</source>
      <comment>SSheetTempo</comment>
      <translation>Тэмп: %d</translation>
    </message>
    <message>
      <source>Страница %d из %d</source>
      <comment>SSheetPage</comment>
      <translation>Старонка %d з %d</translation>
    </message>
    <message>
      <source>Без названия</source>
      <comment>SSheetUntitled</comment>
      <translation>Без назвы</translation>
    </message>
    <message>
      <source>Esc - выход</source>
      <comment>SSheetStageLeave</comment>
      <translation>Esc - выхад</translation>
    </message>
    <message>
      <source>Документ PDF (*.pdf)</source>
      <comment>SSheetPdfFilter</comment>
      <translation>Дакумент PDF (*.pdf)</translation>
    </message>
    <message>
      <source>Не удалось записать файл PDF %s</source>
      <comment>SSheetPdfFailed</comment>
      <translation>Не ўдалося запісаць файл PDF %s</translation>
    </message>
    <message>
      <source>Не удалось создать PDF: нет средств рисования страниц</source>
      <comment>SSheetPdfUnavailable</comment>
      <translation>Не ўдалося стварыць PDF: няма чым маляваць старонкі</translation>
    </message>
    <message>
      <source>Текст с аккордами в PDF (*.pdf)</source>
      <comment>SExportFormatPdf</comment>
      <translation>Тэкст з акордамі ў PDF (*.pdf)</translation>
    </message>
    <message>
      <source>Нотный лист: мелодия, аккорды и слова в MusicXML (*.musicxml)</source>
      <comment>SExportFormatMusicXml</comment>
      <translation>Нотны ліст: мелодыя, акорды і словы ў MusicXML (*.musicxml)</translation>
    </message>
    <message>
      <source>Файл формата 2 (независимые последовательности) нельзя записать нотным листом MusicXML</source>
      <comment>SLeadSheetFormat2</comment>
      <translation>Файл фармату 2 (незалежныя паслядоўнасці) нельга запісаць нотным лістом MusicXML</translation>
    </message>
    <message>
      <source>В песне нет трэка %d для мелодии</source>
      <comment>SLeadSheetNoTrack</comment>
      <translation>У песні няма трэка %d для мелодыі</translation>
    </message>
    <message>
      <source>Композиция &quot;%s&quot; слишком длинная для нотного листа:&#13;%d четвертей, а допустимо не более %d.</source>
      <comment>SLeadSheetTooLong</comment>
      <translation>Кампазіцыя &quot;%s&quot; занадта доўгая для нотнага ліста:&#13;%d чвэртак, а дапушчальна не больш за %d.</translation>
    </message>
    <message>
      <source>Мелодия</source>
      <comment>SLeadSheetMelody</comment>
      <translation>Мелодыя</translation>
    </message>
    <message>
      <source>Трэк мелодии:</source>
      <comment>SExportMelodyTrack</comment>
      <translation>Трэк мелодыі:</translation>
    </message>
    <message>
      <source>Выбрать по песне</source>
      <comment>SExportMelodyAuto</comment>
      <translation>Выбраць па песні</translation>
    </message>
    <message>
      <source>Нотный лист (--format musicxml):&#13;  --melody-track N                    трэк мелодии по его номеру в списке трэков (с 1); без него он выбирается по песне</source>
      <comment>SCliHelpLeadSheet</comment>
      <translation>Нотны ліст (--format musicxml):&#13;  --melody-track N                    трэк мелодыі па яго нумары ў спісе трэкаў (з 1); без яго ён выбіраецца па песні</translation>
    </message>
    <message>
      <source>Запись в WAV (--render):&#13;  --gain ДБ                           усиление в децибелах (без него самый громкий отсчёт приводится к -1 дБ полной шкалы)</source>
      <comment>SCliHelpRender</comment>
      <translation>Запіс у WAV (--render):&#13;  --gain ДБ                           узмацненне ў дэцыбелах (без яго самы гучны адлік прыводзіцца да -1 дБ поўнай шкалы)</translation>
    </message>
    <message>
      <source>Больше не спрашивать</source>
      <comment>SDontAskAgain</comment>
      <translation>Больш не пытацца</translation>
    </message>
    <message>
      <source>Ответ на вопрос об определении тональности для Keysense: %s</source>
      <comment>SOptKeysenseAnswer</comment>
      <translation>Адказ на пытанне пра вызначэнне танальнасці для Keysense: %s</translation>
    </message>
    <message>
      <source>спрашивать</source>
      <comment>SOptKeysenseAnswerAsk</comment>
      <translation>пытацца</translation>
    </message>
    <message>
      <source>всегда определять</source>
      <comment>SOptKeysenseAnswerYes</comment>
      <translation>заўсёды вызначаць</translation>
    </message>
    <message>
      <source>не определять</source>
      <comment>SOptKeysenseAnswerNo</comment>
      <translation>не вызначаць</translation>
    </message>
    <message>
      <source>Спрашивать снова</source>
      <comment>SOptKeysenseAskAgain</comment>
      <translation>Пытацца зноў</translation>
    </message>
    <message>
      <source>Программа снова будет спрашивать, определить ли тональность,&#13;когда она нужна технологии Keysense</source>
      <comment>SOptKeysenseAskAgainHint</comment>
      <translation>Праграма зноў будзе пытацца, ці вызначыць танальнасць,&#13;калі яна патрэбна тэхналогіі Keysense</translation>
    </message>
    <message>
      <source>Устройство вывода &quot;%s&quot; не нашло вывода звука (PipeWire, PulseAudio или ALSA): проигрывание будет беззвучным.</source>
      <comment>SOutputBarNoAudio</comment>
      <translation>Прылада вываду &quot;%s&quot; не знайшла вываду гуку (PipeWire, PulseAudio або ALSA): прайграванне будзе бязгучным.</translation>
    </message>
    <message>
      <source>Не удалось открыть устройство вывода &quot;%s&quot;: возможно, оно занято другой программой. Проигрывание будет беззвучным.</source>
      <comment>SOutputBarPort</comment>
      <translation>Не ўдалося адкрыць прыладу вываду &quot;%s&quot;: магчыма, яна занята іншай праграмай. Прайграванне будзе бязгучным.</translation>
    </message>
    <message>
      <source>Выбрать устройство...</source>
      <comment>SOutputBarOptions</comment>
      <translation>Выбраць прыладу...</translation>
    </message>
    <message>
      <source>Настройки, страница &quot;Звуки и MIDI&quot;</source>
      <comment>SOutputBarOptionsHint</comment>
      <translation>Налады, старонка &quot;Гукі і MIDI&quot;</translation>
    </message>
    <message>
      <source>Скрыть сообщение</source>
      <comment>SOutputBarClose</comment>
      <translation>Схаваць паведамленне</translation>
    </message>
    <message>
      <source>Писать ноты по тональности</source>
      <comment>SOptSpellByKey</comment>
      <translation>Пісаць ноты па танальнасці</translation>
    </message>
    <message>
      <source>Названия аккордов и тональности пишутся знаками тональности:&#13;Bb и Eb в си-бемоль мажоре, F# и C# в ре мажоре.&#13;Без флажка - всегда диезами.</source>
      <comment>SOptSpellByKeyHint</comment>
      <translation>Назвы акордаў і танальнасці пішуцца знакамі танальнасці:&#13;Bb і Eb у сі-бемоль мажоры, F# і C# у рэ мажоры.&#13;Без сцяжка - заўсёды дыезамі.</translation>
    </message>
    <message>
      <source>Названия нот:&#13;  --spelling sharps|key               всегда диезами или по тональности (Bb в фа мажоре;&#13;                                      без параметра действуют настройки)</source>
      <comment>SCliHelpSpelling</comment>
      <translation>Назвы нот:&#13;  --spelling sharps|key               заўсёды дыезамі або па танальнасці (Bb у фа мажоры;&#13;                                      без параметра дзейнічаюць налады)</translation>
    </message>
    <message>
      <source>Диаграммы аккордов над текстом:</source>
      <comment>SOptChordDiagrams</comment>
      <translation>Дыяграмы акордаў над тэкстам:</translation>
    </message>
    <message>
      <source>нет</source>
      <comment>SOptChordDiagramsNone</comment>
      <translation>няма</translation>
    </message>
    <message>
      <source>гитара</source>
      <comment>SOptChordDiagramsGuitar</comment>
      <translation>гітара</translation>
    </message>
    <message>
      <source>фортепиано</source>
      <comment>SOptChordDiagramsPiano</comment>
      <translation>фартэпіяна</translation>
    </message>
    <message>
      <source>%s, строка %d: %s; строка пропущена</source>
      <comment>SShapesLineSkipped</comment>
      <translation>%s, радок %d: %s; радок прапушчаны</translation>
    </message>
    <message>
      <source>нет двоеточия после названия аккорда</source>
      <comment>SShapesNoColon</comment>
      <translation>няма двукроп'я пасля назвы акорда</translation>
    </message>
    <message>
      <source>неизвестное название аккорда</source>
      <comment>SShapesUnknownChord</comment>
      <translation>невядомая назва акорда</translation>
    </message>
    <message>
      <source>нужны лады шести струн, от шестой (x - струна не звучит)</source>
      <comment>SShapesBadFrets</comment>
      <translation>патрэбныя лады шасці струн, ад шостай (x - струна не гучыць)</translation>
    </message>
    <message>
      <source>баррэ должно быть вида barre=N и лежать не выше прижатых ладов</source>
      <comment>SShapesBadBarre</comment>
      <translation>барэ павінна мець выгляд barre=N і ляжаць не вышэй за прыціснутыя лады</translation>
    </message>
    <message>
      <source>струны звучат не нотами этого аккорда (или басом не его бас)</source>
      <comment>SShapesWrongNotes</comment>
      <translation>струны гучаць не нотамі гэтага акорда (або басам не яго бас)</translation>
    </message>
    <message>
      <source>Файл аппликатур %s не прочитан: %s</source>
      <comment>SShapesUnreadable</comment>
      <translation>Файл аплікатур %s не прачытаны: %s</translation>
    </message>
    <message>
      <source>Каподастр %d</source>
      <comment>SSheetCapo</comment>
      <translation>Каподастр %d</translation>
    </message>
    <message>
      <source>%s: играть %s</source>
      <comment>SSheetCapoPlay</comment>
      <translation>%s: іграць %s</translation>
    </message>
    <message>
      <source>ru</source>
      <comment>SManualLanguage</comment>
      <translation>be</translation>
    </message>
    <message>
      <source>0: команда выполнена.&#13;1: команда не удалась (файл не прочитан, результат не записан; в пакетной обработке: некоторые песни).&#13;2: неверные параметры командной строки.&#13;130: прервано (Ctrl+C) при пакетной обработке или проигрывании.</source>
      <comment>SManExitStatus</comment>
      <translation>0: каманда выканана.&#13;1: каманда не ўдалася (файл не прачытаны, вынік не запісаны; пры пакетнай апрацоўцы: некаторыя песні).&#13;2: няправільныя параметры каманднага радка.&#13;130: перапынена (Ctrl+C) пры пакетнай апрацоўцы або прайграванні.</translation>
    </message>
    <message>
      <source>КОД ЗАВЕРШЕНИЯ|СМОТРИТЕ ТАКЖЕ</source>
      <comment>SManMoreSections</comment>
      <translation>КОД ЗАВЯРШЭННЯ|ГЛЯДЗІЦЕ ТАКСАМА</translation>
    </message>
    <message>
      <source>tabulist(1), руководство пользователя: %s</source>
      <comment>SManSeeAlso</comment>
      <translation>tabulist(1), кіраўніцтва карыстальніка: %s</translation>
    </message>
  </context>
</TS>
