#pragma once
// The message table: every text that the program shows to a user, in one place, so that a
// translation has one list to cover. The built-in texts are Russian (the runtime's own I/O
// error texts stay English, as users of the program know them).
//
// Each folder keeps its texts in its own section below; add a text to your section with
// X(Identifier, "text"). Texts keep their line breaks as "\r", and their placeholders in the
// "%s" / "%d" form that MesFormat fills in.

#include <string>
#include <string_view>

// ----------------------------------------------------------------------------------
#define CANTARO_MESSAGES_COMMON(X)                                                    \
  X(SCaptionError, "Ошибка")                                                          \
  X(SCaptionWarning, "Внимание")                                                      \
  X(SCaptionConfirm, "Подтверждение")                                                 \
  X(SCaptionInfo, "Информация")                                                       \
  X(SWait, "Ждите...")

// ----------------------------------------------------------------------------------
#define CANTARO_MESSAGES_MIDI(X)                                                      \
  X(SFileNotFound, "File not found")                                                  \
  X(SInvalidFilename, "Invalid filename")                                             \
  X(STooManyOpenFiles, "Too many open files")                                         \
  X(SFileAccessDenied, "File access denied")                                          \
  X(SReadBeyondEnd, "Read beyond end of file")                                        \
  X(SInOutError, "I/O error %d")                                                      \
  X(SListIndexError, "List index out of bounds (%d)")                                 \
  X(SExternalException, "Внешнее исключение")                                         \
  X(SDamagedFile, "Файл повреждён, обрезано дорожек: %d")                                \
  X(SDamagedFileMissing, "Файл повреждён, не хватает дорожек: %d")                         \
  X(SDamagedFileCutMissing, "Файл повреждён, обрезано дорожек: %d, не хватает дорожек: %d") \
  X(SFileIsFolder, "Это папка, а не файл")                                            \
  X(SFileTooLarge, "Файл слишком велик: %s байт при пределе %s байт")

// ----------------------------------------------------------------------------------
#define CANTARO_MESSAGES_MIDIOUT(X)                                                   \
  X(SMidiOutChangeDeviceID, "Change to DeviceID while device was open")               \
  X(SMidiOutInvalidDeviceID, "Invalid device ID")                                     \
  X(SMidiOutChangeProductName, "Change to ProductName while device was open")         \
  X(SMidiOutNotInstalled, "MIDI output Device %s not installed")                      \
  X(SMidiOutNotOpen, "MIDI Output device not open")                                   \
  X(SMidiOutErrorOutOfRange, "Specified error number is out of range")                \
  X(SMidiOutErrUnspecified, "Unspecified error in the MIDI output")                   \
  X(SMidiOutErrBadDeviceId, "There is no MIDI output device with this number")        \
  X(SMidiOutErrAllocated, "The MIDI output device is already in use")                 \
  X(SMidiOutErrInvalidHandle, "The MIDI output device handle is not valid")           \
  X(SMidiOutErrNoDevice, "No MIDI output device is available")                        \
  X(SMidiOutErrNoMemory, "Not enough memory for the MIDI output")                     \
  X(SMidiOutErrInvalidParam, "Invalid parameter for the MIDI output")                 \
  X(SMidiOutErrNoSequencer, "The ALSA sequencer is not available")                    \
  X(SMidiOutErrSendFailed, "The MIDI message could not be delivered to the device")   \
  X(SMidiOutErrDeviceGone, "The MIDI output device has been disconnected")            \
  X(SMidiOutErrNoSoundFont,                                                           \
    "The built-in synthesizer found no General MIDI SoundFont "                       \
    "(install the package timgm6mb-soundfont or fluid-soundfont-gm)")                 \
  X(SMidiOutErrSoundFontLoad, "The built-in synthesizer could not load its SoundFont") \
  X(SMidiOutErrNoAudio,                                                               \
    "The built-in synthesizer found no audio output (PipeWire, PulseAudio or ALSA)")  \
  X(SMidiMapperName, "Первое доступное устройство")                                   \
  X(SBuiltinSynthName, "Встроенный синтезатор (FluidSynth)")                          \
  X(SRenderEmptySong, "Файл \"%s\" пуст или испорчен.")                               \
  X(SRenderReadError, "Не удалось прочитать файл \"%s\": %s")                          \
  X(SRenderWriteError, "Не удалось записать файл \"%s\": %s")                          \
  X(SRenderSynthError, "Встроенный синтезатор недоступен: %s")                        \
  X(SRenderSendError, "Ошибка вывода MIDI при записи звука: %s")                     \
  X(SRenderTooLong, "Файл \"%s\" слишком длинный для записи в WAV (%s).")           \
  X(SRenderIncomplete, "звук записан не полностью")                                  \
  X(SMidiOutErrBufferFull, "The MIDI output device cannot take more messages now")   \
  X(SMidiOutErrServerGone, "The JACK server has stopped")

// ----------------------------------------------------------------------------------
#define CANTARO_MESSAGES_CHORDS(X)

// ----------------------------------------------------------------------------------
#define CANTARO_MESSAGES_SETTINGS(X)                                                  \
  X(SKeysenseInitError, "Keysense initialization error.")                             \
  X(SInvalidInteger, "'%s' is not a valid integer value")                             \
  X(SSettingsSaveError, "Не удалось сохранить настройки в файл\r%s:\r%s")

// ----------------------------------------------------------------------------------
#define CANTARO_MESSAGES_SONG(X)                                                      \
  X(SSongFileNotFound, "Файл %s не найден")                                           \
  X(SSongFileEmpty, "Файл \"%s\" пуст или испорчен.")                                 \
  X(SSongFileIsFolder, "%s — это папка, а не файл песни")                            \
  X(SSongFileReadError, "Не удалось прочитать файл %s:\r%s")                          \
  X(SSongLoadFilter, "Все поддерживаемые форматы|*.mid;*.kar|Файлы MIDI (*.mid)|*.mid|Файлы караоке (*.kar)|*.kar|Все файлы (*.*)|*.*") \
  X(SSongGridCorner, "#")                                                             \
  X(SSongGridBeat, "Бит %d")                                                          \
  X(SSongRescanQuestion, "Пересканировать аккорды повторно?\rВсе сделанные Вами в окошке вариантов\rнастройки аккордов пропадут.") \
  X(SSongSearchWait, "Определение аккордов. Ждите...")                                \
  X(SSongTooLong, "Композиция \"%s\" слишком длинная для поиска аккордов:\r%d битов, а допустимо не более %d.") \
  X(SSongKeysenseQuestion, "Для активизации технологии Keysense необходимо\rопределить тональность композиции.\rСделать это сейчас?") \
  X(SSongKeysenseOff, "Технология Keysense временно отключена")                       \
  X(SSongKeyWait, "Определение тональности композиции. Ждите...")                     \
  X(SSongKeyFailed, "Оригинальную тональность мелодии\rопределить не удалось.")       \
  X(SSongKeyFoundCaption, "Тональность определена")                                   \
  X(SSongKeyFound, "Вероятнее всего, мелодия написана\rв тональности %s %s.")         \
  X(SSongKeyAlternative, "\rВозможно также, тональность мелодии - %s %s.")            \
  X(SSongModeMajor, "major")                                                          \
  X(SSongModeMinor, "minor")                                                          \
  X(SSongKeyOr, " или ")                                                              \
  X(SSongVariantsFound, "Всего найдено %d вариантов аккорда:")                        \
  X(SSongReplaceChord, "Заменить аккорд %s\rаккордом %s?")                            \
  X(SSongSimplifyQuestion, "Все аккорды будут максимально упрощены,\rс потерей точности соответствия мелодии!") \
  X(SSongTransposeWait, "Транспонирование мелодии. Ждите...")                         \
  X(SSongIncBeatQuestion, "Вы действительно хотите увеличить длительность бита в 2 раза?") \
  X(SSongDecBeatQuestion, "Вы действительно хотите уменьшить длительность бита в 2 раза?") \
  X(SSongDefBeatQuestion, "Вы действительно хотите вернуть исходную длительность бита?") \
  X(SSongSpeedX3, "* 3")                                                              \
  X(SSongSpeedX2, "* 2")                                                              \
  X(SSongSpeedX15, "* 1.5")                                                           \
  X(SSongSpeed11, "1:1")                                                              \
  X(SSongSpeedD15, "/ 1.5")                                                           \
  X(SSongSpeedD2, "/ 2")                                                              \
  X(SSongSpeedD3, "/ 3")

// ----------------------------------------------------------------------------------
#define CANTARO_MESSAGES_EXPORT(X)                                                    \
  X(SNoChordsAsk, "Аккорды не определены!\rОпределить сейчас?")                        \
  X(SBuildingText, "Формирование текста с аккордами. Ждите...")                       \
  X(SNoTabulist, "Не удалось обнаружить Табулиста на диске.\rТабулист - это редактор текстов с аккордами.\rВы можете его свободно загрузить из Интернет\r(нажмите F1 в главном окне, чтобы узнать адрес).\r\rВозможно также, Вы не указали расположение\rТабулиста в настройках программы") \
  X(STabulistStartFailed, "Не удалось запустить Табулист.\rПопробуйте запустить его вручную, и затем\rповторить передачу текста с аккордами.") \
  X(STabulistNoWindow, "Табулист не появился в течение %d с после запуска.\rПопробуйте запустить его вручную, и затем\rповторить передачу текста с аккордами.") \
  X(STabulistNoAnswer, "Табулист не принял текст с аккордами в течение %d с.\rПопробуйте повторить передачу текста с аккордами.") \
  X(SHandoffWriteError, "Не удалось записать файл %s")                                \
  X(SHandoffDeleteError, "Не удалось удалить файл %s")                                \
  X(SForeignTabulist, "Имя Табулиста занято программой другого пользователя.\rТекст с аккордами ей не передан:\rпередавать его чужой программе небезопасно.") \
  X(SChordTrackFormat2, "Файл формата 2 (независимые последовательности) нельзя записать с дорожкой аккордов") \
  X(SChordTrackSharedChannel, "Свободного канала нет: аккорды записаны на канал %d, где уже %d нот") \
  X(SChordTrackDropped, "Ноты, которые транспонирование вывело за пределы 0..127, не записаны: %d событий")

// ----------------------------------------------------------------------------------
#define CANTARO_MESSAGES_APP(X)                                                       \
  X(STabCaption, "Табулист")                                                          \
  X(STabUntitled, "Без имени")                                                        \
  X(STabMenuFile, "&Файл")                                                            \
  X(STabActOpen, "&Открыть...")                                                       \
  X(STabActSave, "&Сохранить")                                                        \
  X(STabActSaveAs, "Сохранить &как...")                                               \
  X(STabActCloseTab, "&Закрыть текст")                                                \
  X(STabActExit, "В&ыход")                                                            \
  X(STabFilter, "Тексты с аккордами (*.txt);;Все файлы (*)")                          \
  X(STabSaveChanges, "Текст \"%s\" изменён.\rСохранить изменения?")                   \
  X(STabSaveError, "Не удалось сохранить файл %s:\r%s")                               \
  X(STabOpenError, "Не удалось открыть файл %s:\r%s")                                 \
  X(STabReceived, "Получен текст с аккордами")                                        \
  X(STabNotListening, "Табулист не может принимать тексты: %s")                       \
  X(SCliHelp,                                                                          \
    "Использование:\r"                                                                 \
    "  cantaro ФАЙЛ [параметры]            на рабочем столе и без параметров: окно с песней; иначе текст с аккордами песни (как --export)\r"    \
    "  cantaro --export ФАЙЛ [параметры]   текст с аккордами песни\r"                   \
    "  cantaro --events ФАЙЛ               трэки файла и события каждого трэка\r"       \
    "  cantaro --recognize НОТА...         варианты аккорда из нот (C4 E4 G4 или 60 64 67)\r" \
    "  cantaro --devices                   устройства вывода MIDI\r"                   \
    "  cantaro --render ФАЙЛ -o ФАЙЛ.wav [--transpose N]  звучание песни в файл WAV\r" \
    "  cantaro --help                      эта справка\r"                               \
    "  cantaro --version                   версия программы\r"                         \
    "\r"                                                                               \
    "Параметры:\r"                                                                     \
    "  -o, --output ФАЙЛ                   записать результат в файл\r"                 \
    "  --key auto|ТОНАЛЬНОСТЬ              оригинальная тональность: определить или задать (C, Am, F#)\r" \
    "  --transpose N                       транспозиция на N полутонов (-11..11)\r"     \
    "  --beat default|double|half          длительность бита: по умолчанию, вдвое больше, вдвое меньше\r" \
    "  --notation english|german|italian   способ записи нот\r"                         \
    "  --keysense on|off                   технология Keysense\r"                       \
    "  --continuity on|off                 связные аккорды (вместе с Keysense)\r"       \
    "  --comments on|off                   комментарии MIDI-файла в тексте\r"           \
    "  --format ИМЯ                        формат результата (список ниже; по умолчанию text)\r" \
    "  --codepage cp1251|cp1252|koi8-r     кодировка текстов файла, если это не UTF-8\r" \
    "\r"                                                                               \
    "Без параметров --key, --notation, --keysense, --continuity, --comments и --codepage действуют\r" \
    "настройки программы.")                                                            \
  X(SCliHint, "Справка: cantaro --help")                                               \
  X(SCliUnknownOption, "Неизвестный параметр: %s")                                     \
  X(SCliMissingValue, "Для параметра %s не указано значение")                          \
  X(SCliBadValue, "Недопустимое значение параметра %s: %s")                            \
  X(SCliNoFile, "Не указан файл песни")                                                \
  X(SCliExtraArgument, "Лишний аргумент: %s")                                          \
  X(SCliBadNote, "Не удалось распознать ноту: %s")                                     \
  X(SCliNoNotes, "Не указаны ноты")                                                    \
  X(SCliNoVariants, "Аккордов из этих нот не найдено")                                 \
  X(SCliWriteError, "Не удалось записать файл %s: %s")                                 \
  X(SCliTrackList, "№\tИмя трэка\tИнструмент")                                        \
  X(SCliTrackTitle, "Трэк %d: %s")                                                     \
  X(SCliSettingsWarning, "Настройки прочитаны не полностью: %s")                      \
  X(STabForeignOwner, "имя занято программой другого пользователя") \
  X(SDataFolderMissing, "Не найдены файлы программы в папке %s.\rПрограмма работает со встроенными настройками, без перевода и примеров.") \
  X(SManSummary, "аккорды песни из её MIDI-файла или файла караоке")                    \
  X(SManDescription,                                                                   \
    "Cantaro читает стандартный MIDI-файл или файл караоке, делит песню на биты, находит аккорд\r" \
    "каждого бита и тональность песни и пишет слова песни с аккордами над слогами.\r"   \
    "Без параметров или с одним файлом песни на рабочем столе открывается окно программы;\r" \
    "с любым параметром, а также без дисплея, программа работает в командной строке.")   \
  X(SManFiles,                                                                         \
    "$XDG_CONFIG_HOME/cantaro/cantaro.ini (обычно ~/.config/cantaro/cantaro.ini): настройки.\r" \
    "Папка INI рядом с программой заменяет её в переносной копии.\r"                    \
    "%s: таблица аккордов Keysense, переводы и примеры песен.\r"                        \
    "%s: руководство пользователя.")                                                   \
  X(SManSections, "ИМЯ|ОБЗОР|ОПИСАНИЕ|ПАРАМЕТРЫ|ФАЙЛЫ") \
  X(SCliNoDevice, "Устройство вывода MIDI \"%s\" не найдено (список: cantaro --devices)") \
  X(SCliDeviceFailed, "Не удалось открыть устройство вывода MIDI %s: %s")              \
  X(SCliPlayFailed, "Не удалось начать воспроизведение")                               \
  X(SCliHelpPlay, "Проигрывание:\r  cantaro --play ФАЙЛ [--device N|ИМЯ] [--transpose N] [--speed С]\r    проиграть песню на устройстве вывода MIDI (Ctrl+C: остановить)\r  --device N|ИМЯ                      устройство вывода: номер из списка --devices или часть имени (по умолчанию выбранное в настройках)\r  --speed *3|*2|*1.5|1:1|/1.5|/2|/3   скорость проигрывания (по умолчанию 1:1)") \
  X(SCliHelpBatch,                                                                     \
    "Пакетная обработка:\r"                                                            \
    "  cantaro --export ФАЙЛ|ПАПКА... -o ПАПКА [параметры]  все песни (.mid, .midi, .kar, и во вложенных папках)\r" \
    "  --jobs N, -j N                      сколько песен обрабатывать одновременно (по умолчанию по числу ядер)\r" \
    "  --quiet, -q                         без индикатора хода работы\r"               \
    "Код завершения: 0 - всё получилось, 1 - были ошибки, 2 - неверные параметры, 130 - прервано.") \
  X(SCliHelpFormats, "Форматы (--format ИМЯ):")                                       \
  X(SBatchNeedsFolder, "Для нескольких песен или папки укажите папку результатов: -o ПАПКА") \
  X(SBatchNoSongs, "Песен (.mid, .midi, .kar) не найдено: %s")                          \
  X(SBatchFolderError, "Не удалось просмотреть папку %s: %s")                          \
  X(SBatchSameOutput, "пропущен: результат %s уже записывается для %s")                \
  X(SBatchOverwritesSong, "пропущен: результат %s заменил бы саму песню")              \
  X(SBatchOutputFolder, "Не удалось создать папку результатов %s: %s")                 \
  X(SBatchProgress, "%d из %d, %s песен/с, осталось %s")                               \
  X(SBatchSummary, "Готово: %d из %d успешно, ошибок: %d")                              \
  X(SBatchInterrupted, "Прервано: обработано %d из %d, ошибок: %d; записанные файлы целы")

// ----------------------------------------------------------------------------------
#define CANTARO_MESSAGES_UI(X)                                                        \
  X(SMainCaption, "Cantaro")                                                          \
  X(SMenuFile, "Файл")                                                                \
  X(SMenuProcess, "Обработка")                                                        \
  X(SMenuService, "Сервис")                                                           \
  X(SMenuLanguage, "Язык (Language)")                                                 \
  X(SMenuHelp, "Справка")                                                             \
  X(SMenuMRU, "Последние файлы")                                                      \
  X(SMenuMRUHint, "Тексты, которые загружались последними")                           \
  X(SMenuBeatLength, "Длительность бита")                                             \
  X(SActLoad, "Открыть...")                                                           \
  X(SActLoadHint, "Открыть...|Загрузка караоке или миди-файла")                       \
  X(SActSearchSongChords, "Искать аккорды!")                                          \
  X(SActSearchSongChordsHint, "Искать аккорды!|Запуск определителя аккордов")         \
  X(SActWriteText, "Сохранить текст")                                                 \
  X(SActWriteTextHint, "Сохранить|Сохранение текста с аккордами в Табулист для редактирования") \
  X(SActRewind, "К началу")                                                           \
  X(SActRewindHint, "К началу|Перемотка к началу")                                    \
  X(SActPlay, "Пуск")                                                                 \
  X(SActPlayHint, "Пуск|Проигрывание мелодии")                                        \
  X(SActStop, "Стоп")                                                                 \
  X(SActStopHint, "Стоп|Остановка проигрывания")                                      \
  X(SActOptions, "Настройки...")                                                      \
  X(SActOptionsHint, "Настройки программы...|Просмотр настроек программы")            \
  X(SActFindRoot, "Определить тональность")                                           \
  X(SActFindRootHint, "Определить тональность!|Определение оригинальной тональности мелодии") \
  X(SActIncBeat, "Увеличить вдвое")                                                   \
  X(SActIncBeatHint, "Увеличение длительности бита в 2 раза (количество аккордов в композиции сократится в 2 раза)") \
  X(SActDefBeat, "По-умолчанию")                                                      \
  X(SActDefBeatHint, "Установка длительности бита по-умолчанию")                      \
  X(SActDecBeat, "Уменьшить вдвое")                                                   \
  X(SActDecBeatHint, "Уменьшение длительности бита в 2 раза (количество аккордов в композиции возрастет в 2 раза)") \
  X(SActSetFragmentStart, "Отметить начало фрагмента")                                \
  X(SActSetFragmentStartHint, "Установка начала фрагмента")                           \
  X(SActRepeat, "Повторить")                                                          \
  X(SActRepeatHint, "Играть повторно с начала фрагмента")                             \
  X(SActEditBit, "Редактировать бит")                                                 \
  X(SActEditBitHint, "|Двойной клик мышки - просмотр вариантов аккорда, установка начала фрагмента") \
  X(SActPlayBit, "Играть бит")                                                        \
  X(SActPlayBitHint, "|Пробел - проигрывание текущего бита")                          \
  X(SActPlayBitMenuHint, "|Проигрывание текущего бита и переход к следующему")        \
  X(SActSetSelectedChord, "Применить >>")                                             \
  X(SActSetSelectedChordHint, "Помещение выбранного аккорда в композицию")            \
  X(SActPlaySelectedChord, "Играть аккорд")                                           \
  X(SActPlaySelectedChordHint, "Прослушивание выбранного аккорда")                    \
  X(SActClearMarks, "Убрать отметки")                                                 \
  X(SActClearMarksHint, "Очистка клавиш пиано от отметок")                            \
  X(SActTracksMute, "Заглушить все треки")                                            \
  X(SActTracksMuteHint, "Исключение из обработки и заглушка всех треков композиции")  \
  X(SActTracksTurnOn, "Включить все треки")                                           \
  X(SActTracksTurnOnHint, "Включение всех треков композиции")                         \
  X(SActLangBel, "Беларуская мова")                                                   \
  X(SActLangBelHint, "Пераключыцца на беларускую мову")                               \
  X(SActLangEng, "English language")                                                  \
  X(SActLangEngHint, "Switch to English language")                                    \
  X(SActLangIta, "Lingua italiana")                                                   \
  X(SActLangItaHint, "Seleziona lingua italiana")                                     \
  X(SActLangRus, "Русский язык")                                                      \
  X(SActLangRusHint, "Переключиться на русский язык")                                 \
  X(SActEmail, "Письмо разработчикам")                                                \
  X(SActEmailHint, "Письмо разработчикам|Отправление письма разработчикам программы") \
  X(SActHomePage, "Домашняя страница")                                                \
  X(SActHomePageHint, "Домашняя страница|Переход на домашнюю страницу программы в Интернет") \
  X(SActAbout, "О программе...")                                                      \
  X(SActAboutHint, "О программе...|Информация о программе")                           \
  X(SActQuit, "Выйти")                                                                \
  X(SActQuitHint, "Выход из программы")                                               \
  X(SScrollPianoLeftHint, "Сдвиг клавиатуры влево")                                   \
  X(SScrollPianoRightHint, "Сдвиг клавиатуры вправо")                                 \
  X(SNoteLabel, "Нота")                                                               \
  X(SMarkedPlay, "Прослушать")                                                        \
  X(SMarkedPlayHint, "Прослушать выбранные ноты")                                     \
  X(SMarkedHint, "|Дважды кликните ноту, чтобы удалить ее из списка")                 \
  X(SAutoSearchMarked, "Автопоиск")                                                   \
  X(SAutoSearchMarkedHint, "Автопоиск аккордов в  помеченных нотах")                  \
  X(SVariantsLabel, "Варианты аккорда:")                                              \
  X(SVariantsHint, "|Варианты аккорда для выбранного бита")                           \
  X(SVariantsColNumber, "#")                                                          \
  X(SVariantsColName, "Название")                                                     \
  X(SVariantsColTones, "Состав аккорда")                                              \
  X(SSongGridLabel, "Композиция по тактам:")                                          \
  X(SSongGridHint, "|Двойной клик - просмотреть варианты аккорда, отметить бит как начало фрагмента") \
  X(SSimplify, "Будь проще !!!")                                                      \
  X(SSimplifyHint, "Упростить аккорды|Упрощение аккордов композиции. Внимание: при упрощении теряется точность следования аккордов оригиналу!") \
  X(STimeHint, "Текущее время (сек.)")                                                \
  X(STicksHint, "Текущее время (тиков)")                                              \
  X(SLengthHint, "Продолжительность композиции (тиков)")                              \
  X(SBpmLabel, "BPM:")                                                                \
  X(SBpmHint, "Темп (битов в минуту)")                                                \
  X(SRootLabel, "Тон.:")                                                              \
  X(SRootOrigHint, "Оригинальная тональность мелодии")                                \
  X(STransposHint, "Транспозиция")                                                    \
  X(SRootNewHint, "Текущая тональность мелодии")                                      \
  X(STrackColNumber, "№")                                                             \
  X(STrackColName, "Имя трэка")                                                       \
  X(STrackColInstrument, "Инструмент")                                                \
  X(SEventColIndex, "#")                                                              \
  X(SEventColTime, "Time")                                                            \
  X(SEventColEvent, "Event")                                                          \
  X(SEventColData, "Data")                                                            \
  X(SEventColInfo, "Info")                                                            \
  X(SPlayingHint, "Проигрывание мелодии...")                                          \
  X(SButtonYes, "&Да")                                                                \
  X(SButtonNo, "&Нет")                                                                \
  X(SButtonCancel, "Отмена")                                                          \
  X(SButtonOk, "OK")                                                                  \
  X(SActManual, "Руководство пользователя")                                           \
  X(SActManualHint, "Руководство пользователя|Открыть руководство пользователя программы") \
  X(SOutputSilent, "Звук выключен: устройство вывода не открыто") \
  X(SMidiInOpenFailed, "Не удалось открыть вход MIDI \"%s\": %s") \
  X(SMidiInLost, "Вход MIDI \"%s\" отключён: %s") \
  X(SMidiInErrGone, "устройство не найдено или отключено") \
  X(SMidiInErrBusy, "устройство занято или недоступно") \
  X(SMidiInErrServer, "сервер JACK остановлен") \
  X(SMidiInFound, "Вход MIDI \"%s\" подключён")

// ----------------------------------------------------------------------------------
#define CANTARO_MESSAGES_DIALOGS(X) \
  X(SOptCaption, "Настройки программы") \
  X(SOptOK, "Готово") \
  X(SOptOKHint, "Принять данную конфигурацию") \
  X(SOptCancel, "Отмена") \
  X(SOptCancelHint, "Закрыть окно, не сохраняя текущую конфигурацию") \
  X(SOptApply, "Применить") \
  X(SOptApplyHint, "Принять данную конфигурацию без закрытия окна опций") \
  X(SOptPageView, "Вид") \
  X(SOptFormOpened, "Распахнуть главное окно программы") \
  X(SOptFormOpenedHint, "В главном окне можно будет просматривать\rсодержимое midi или караоке-файла,\rа также текст песни по мере проигрывания") \
  X(SOptShowHints, "Показывать подсказки") \
  X(SOptShowHintsHint, "Если эту установку снять,\rбольше Вы этой подсказки не увидите :)") \
  X(SOptPianoView, "Вид клавиатуры пиано") \
  X(SOptWhiteKey, "Цвет белых клавиш:") \
  X(SOptBlackKey, "Цвет черных клавиш:") \
  X(SOptBorder, "Цвет рамок:") \
  X(SOptSelectedKey, "Цвет выбранной клавиши:") \
  X(SOptMarkedKey, "Цвет помеченной клавиши:") \
  X(SOptOctaveCnt, "Количество видимых октав:") \
  X(SOptOctaveCntHint, "Количество видимых октав на клавиатуре фортепиано") \
  X(SOptPageChords, "Аккорды") \
  X(SOptNoteSet, "Способ записи нот:") \
  X(SOptNoteSetEnglish, "\"Английская\" нотация (C-D-E-F-G-A-B)") \
  X(SOptNoteSetGerman, "\"Немецкая\" нотация (C-D-E-F-G-A-H)") \
  X(SOptNoteSetItalian, "\"Итальянская\" нотация (DO-RE-MI-FA-SOL-LA-SI)") \
  X(SOptKeysense, "Продвинутое распознавание аккордов (технология Keysense)") \
  X(SOptKeysenseHint, "Включает \"продвинутое\" распознавание аккордов,\rосновывающееся на информации о тональности композиции.") \
  X(SOptKeysenseInfo, "Технология Keysense может применяться, только если тональность композиции определена. Используйте ее, если Вас не устраивает качество распознавания аккордов обычным методом.") \
  X(SOptPageMidi, "Звуки и MIDI") \
  X(SOptMidiOut, "Устройство вывода MIDI:") \
  X(SOptMidiOutNoTranspose, "Подвергать транспозиции только запись нот") \
  X(SOptMidiOutNoTransposeHint, "При транспозиции будет сохраняться\rоригинальное звучание мелодии") \
  X(SOptPlayKeys, "Разрешить играть музыку на клавиатуре компьютера") \
  X(SOptPlayKeysHint, "Позволяет пользователю играть мелодию на клавиатуре компьютера.\rИспользуются 2 верхних ряда клавиш клавиатуры") \
  X(SOptTimerResol, "Интервал срабатывания MIDI-таймера (по-умолчанию 10 мсек):") \
  X(SOptTimerResolHint, "Увеличьте это число, если наблюдаются \"глюки\" при\rпроигрывании фрагмента композиции с произвольного бита") \
  X(SOptPageExport, "Экспорт") \
  X(SOptPathTabulist, "Путь к Табулисту:") \
  X(SOptPathTabulistHint, "Каталог расположения Табулиста.\rПо-умолчанию - в одном каталоге с этой программой.") \
  X(SOptTabulistInfo, "Табулист - это текстовый редактор для обработки текстов песен с аккордами.\rБесплатную неограниченную по времени версию этой программы Вы можете загрузить с нашего сайта!") \
  X(SOptCommExport, "Включить в текст композиции комментарии из MIDI-файла") \
  X(SOptCommExportHint, "Все комментарии экспортировать в текстовый файл\rвместе с текстом композиции") \
  X(SOptTabulistFile, "tabulist") \
  X(SOptTabulistFilter, "tabulist (tabulist)") \
  X(SOptTabulistBrowseHint, "Выбрать программу Табулист") \
  X(SOptNoteSetQuestion, "Вы изменили способ записи нот.\rЧтобы изменения вступили в силу, необходимо\rперезапустить определитель аккордов.\rСделать это сейчас?") \
  X(SOptDeviceNotSelected, "Не удалось выбрать устройство вывода MIDI \"%s\":\r%s\rБудет использовано первое устройство.") \
  X(SColorBlack, "Черный") \
  X(SColorMaroon, "Темно-красный") \
  X(SColorGreen, "Зеленый") \
  X(SColorOlive, "Оливковый") \
  X(SColorNavy, "Темно-синий") \
  X(SColorPurple, "Пурпурный") \
  X(SColorTeal, "Сине-зеленый") \
  X(SColorGray, "Серый") \
  X(SColorSilver, "Серебристый") \
  X(SColorRed, "Красный") \
  X(SColorLime, "Ярко-зеленый") \
  X(SColorYellow, "Желтый") \
  X(SColorBlue, "Синий") \
  X(SColorFuchsia, "Фуксия") \
  X(SColorAqua, "Голубой") \
  X(SColorWhite, "Белый") \
  X(SColorMoneyGreen, "Серо-зеленый") \
  X(SColorSkyBlue, "Небесно-голубой") \
  X(SColorCream, "Кремовый") \
  X(SColorMedGray, "Светло-серый") \
  X(SColorScrollBar, "Полоса прокрутки") \
  X(SColorBackground, "Рабочий стол") \
  X(SColorActiveCaption, "Заголовок активного окна") \
  X(SColorInactiveCaption, "Заголовок неактивного окна") \
  X(SColorMenu, "Меню") \
  X(SColorWindow, "Окно") \
  X(SColorWindowFrame, "Рамка окна") \
  X(SColorMenuText, "Текст меню") \
  X(SColorWindowText, "Текст окна") \
  X(SColorCaptionText, "Текст заголовка") \
  X(SColorActiveBorder, "Граница активного окна") \
  X(SColorInactiveBorder, "Граница неактивного окна") \
  X(SColorAppWorkSpace, "Рабочая область приложения") \
  X(SColorHighlight, "Выделение") \
  X(SColorHighlightText, "Выделенный текст") \
  X(SColorBtnFace, "Поверхность кнопки") \
  X(SColorBtnShadow, "Тень кнопки") \
  X(SColorGrayText, "Недоступный текст") \
  X(SColorBtnText, "Текст кнопки") \
  X(SColorInactiveCaptionText, "Текст неактивного заголовка") \
  X(SColorBtnHighlight, "Блик кнопки") \
  X(SColor3DDkShadow, "Темная тень") \
  X(SColor3DLight, "Светлая грань") \
  X(SColorInfoText, "Текст подсказки") \
  X(SColorInfoBk, "Фон подсказки") \
  X(SColorHotLight, "Гиперссылка") \
  X(SColorGradientActiveCaption, "Градиент активного заголовка") \
  X(SColorGradientInactiveCaption, "Градиент неактивного заголовка") \
  X(SColorMenuHighlight, "Выделение меню") \
  X(SColorMenuBar, "Строка меню") \
  X(SColorDefault, "По умолчанию") \
  X(SColorCustom, "Другой...") \
  X(SLangBel, "Беларуская мова") \
  X(SLangBelHint, "Пераключыцца на беларускую мову") \
  X(SLangEng, "English language") \
  X(SLangEngHint, "Switch to English language") \
  X(SLangIta, "Lingua italiana") \
  X(SLangItaHint, "Seleziona lingua italiana") \
  X(SLangRus, "Русский язык") \
  X(SLangRusHint, "Переключиться на русский язык") \
  X(SLangRestart, "Чтобы изменения вступили в силу, \rВы должны перезапустить программу.\rВыйти из программы сейчас?") \
  X(SAboutCaption, "О программе") \
  X(SAboutVersion, "Версия ") \
  X(SAboutMailPrefix, "E-mail: ") \
  X(SAboutWWWPrefix, "WWW: ") \
  X(SAboutOK, "&OK") \
  X(SPianoNote, "Нота") \
  X(SManualMissing, "Руководство пользователя не найдено:\r%s") \
  X(SOptKeysenseContinuity, "Связные аккорды: выбирать аккорды всей композиции сразу") \
  X(SOptKeysenseContinuityHint, "Аккорд бита выбирается вместе с соседними битами:\rпроходящая нота мелодии не меняет аккорд.\rДействует вместе с технологией Keysense.") \
  X(SOptKeysenseContinuityInfo, "Бит сохраняет аккорд соседних битов, пока другой аккорд не подходит ему заметно лучше (только с Keysense).") \
  X(SActExport, "Экспорт...")                                                         \
  X(SActExportHint, "Экспорт|Сохранение песни с аккордами в файл: текст, ChordPro, сетка битов, анализ в JSON или MIDI с дорожкой аккордов") \
  X(SExportCaption, "Экспорт песни")                                                  \
  X(SExportFormatLabel, "Формат:")                                                    \
  X(SExportFileLabel, "Файл:")                                                        \
  X(SExportBrowse, "Обзор...")                                                        \
  X(SExportFormatText, "Текст с аккордами (*.txt)")                                   \
  X(SExportFormatChordPro, "ChordPro (*.cho)")                                        \
  X(SExportFormatGrid, "Сетка битов (*.tsv)")                                         \
  X(SExportFormatJson, "Анализ в JSON (*.json)")                                      \
  X(SExportFormatJsonLines, "Анализ в JSON Lines, строка на песню (*.jsonl)")          \
  X(SExportFormatMidi, "MIDI с дорожкой аккордов (*.mid)")                            \
  X(SExportSaved, "Файл %s записан") \
  X(SOptMidiIn, "Вход MIDI (клавиатура):") \
  X(SOptMidiInNone, "(нет)") \
  X(SOptMidiInHint, "Ноты, сыгранные на клавиатуре MIDI, подсвечиваются на пианино;\rпри нажатой кнопке \"Автопоиск\" их аккорд распознаётся сразу") \
  X(SOptMidiThru, "Передавать сыгранное на устройство вывода (MIDI thru)") \
  X(SOptMidiThruHint, "Ноты с клавиатуры MIDI будут звучать\rчерез выбранное устройство вывода")

// ----------------------------------------------------------------------------------
// The learned chord model: faults of its file, and the choice of chord recognition.
#define CANTARO_MESSAGES_CHORDMODEL(X)                                                \
  X(SChordModelNotAModel, "это не файл модели аккордов")                              \
  X(SChordModelNewerVersion, "файл записан более новой версией программы (версия модели %s)") \
  X(SChordModelBadLine, "строка %d: непонятная запись \"%s\"")                          \
  X(SChordModelBadNumber, "строка %d: неверное число \"%s\"")                           \
  X(SChordModelWrongCount, "строка %d: неверное количество чисел (%s)")               \
  X(SChordModelUnknownType, "строка %d: неизвестный тип аккорда \"%s\"")                \
  X(SChordModelMissing, "нет весов типа аккорда \"%s\"")                               \
  X(SChordModelDuplicate, "строка %d: тип аккорда \"%s\" повторяется")                  \
  X(SChordModelUnusable, "Модель аккордов \"%s\" не может быть использована: %s.\rАккорды ищутся по таблице Keysense.") \
  X(SChordModelNotFound, "Файл модели аккордов %s не найден ни в одной из папок данных:\r%s\rАккорды ищутся по таблице Keysense.") \
  X(SCliHelpChords, "Распознавание аккордов:\r  --chords table|learned              таблица Keysense или обученная модель (без параметра\r                                      действуют настройки); с моделью --keysense и --continuity\r                                      не действуют")  \
  X(SChordRecognition, "Распознавание аккордов")                                      \
  X(SChordRecognitionTable, "Таблица Keysense")                                       \
  X(SChordRecognitionLearned, "Обученная модель")                                     \
  X(SChordRecognitionLearnedNote, "С обученной моделью переключатели Keysense и непрерывности не действуют: модель сама выбирает аккорды всей композиции, тональность определяется только для её названия.")

// ----------------------------------------------------------------------------------
// The chord sheet: its pane, the performing view, printing and the PDF.
#define CANTARO_MESSAGES_SHEET(X) \
  X(SMenuView, "Вид") \
  X(SSheetCaption, "Текст с аккордами") \
  X(SActSheet, "Текст с аккордами") \
  X(SActSheetHint, "Текст с аккордами|Показать или скрыть текст песни с аккордами, который следует за проигрыванием") \
  X(SActStage, "Сцена") \
  X(SActStageHint, "Сцена|Текст с аккордами на весь экран крупным шрифтом, светлым по тёмному; Esc - выход") \
  X(SActPrint, "Печать...") \
  X(SActPrintHint, "Печать|Печать текста с аккордами") \
  X(SActExportPdf, "Экспорт в PDF...") \
  X(SActExportPdfHint, "Экспорт в PDF|Сохранение текста с аккордами в файл PDF") \
  X(SSheetHint, "|Щелчок по аккорду - перейти к его биту и показать варианты аккорда") \
  X(SSheetNoSong, "Откройте песню (F3)") \
  X(SSheetNoChords, "Аккорды ещё не определены: нажмите F8") \
  X(SSheetKey, "Тональность: %s") \
  X(SSheetTempo, "Темп: %d") \
  X(SSheetPage, "Страница %d из %d") \
  X(SSheetUntitled, "Без названия") \
  X(SSheetStageLeave, "Esc - выход") \
  X(SSheetPdfFilter, "Документ PDF (*.pdf)") \
  X(SSheetPdfFailed, "Не удалось записать файл PDF %s") \
  X(SSheetPdfUnavailable, "Не удалось создать PDF: нет средств рисования страниц") \
  X(SExportFormatPdf, "Текст с аккордами в PDF (*.pdf)") \
  X(SExportFormatMusicXml, "Нотный лист: мелодия, аккорды и слова в MusicXML (*.musicxml)") \
  X(SLeadSheetFormat2, "Файл формата 2 (независимые последовательности) нельзя записать нотным листом MusicXML") \
  X(SLeadSheetNoTrack, "В песне нет трэка %d для мелодии") \
  X(SLeadSheetTooLong, "Композиция \"%s\" слишком длинная для нотного листа:\r%d четвертей, а допустимо не более %d.") \
  X(SLeadSheetMelody, "Мелодия") \
  X(SExportMelodyTrack, "Трэк мелодии:") \
  X(SExportMelodyAuto, "Выбрать по песне") \
  X(SCliHelpLeadSheet, "Нотный лист (--format musicxml):\r  --melody-track N                    трэк мелодии по его номеру в списке трэков (с 1); без него он выбирается по песне")

// ----------------------------------------------------------------------------------
// Fewer interruptions and louder renders: the loudness of a WAV file, the questions a user
// can silence, the bar of a missing audio output.
#define CANTARO_MESSAGES_DETAILS(X) \
  X(SCliHelpRender, "Запись в WAV (--render):\r  --gain ДБ                           усиление в децибелах (без него самый громкий отсчёт приводится к -1 дБ полной шкалы)") \
  X(SDontAskAgain, "Больше не спрашивать") \
  X(SOptKeysenseAnswer, "Ответ на вопрос об определении тональности для Keysense: %s") \
  X(SOptKeysenseAnswerAsk, "спрашивать") \
  X(SOptKeysenseAnswerYes, "всегда определять") \
  X(SOptKeysenseAnswerNo, "не определять") \
  X(SOptKeysenseAskAgain, "Спрашивать снова") \
  X(SOptKeysenseAskAgainHint, "Программа снова будет спрашивать, определить ли тональность,\rкогда она нужна технологии Keysense") \
  X(SOutputBarNoAudio, "Устройство вывода \"%s\" не нашло вывода звука (PipeWire, PulseAudio или ALSA): проигрывание будет беззвучным.") \
  X(SOutputBarPort, "Не удалось открыть устройство вывода \"%s\": возможно, оно занято другой программой. Проигрывание будет беззвучным.") \
  X(SOutputBarOptions, "Выбрать устройство...") \
  X(SOutputBarOptionsHint, "Настройки, страница \"Звуки и MIDI\"") \
  X(SOutputBarClose, "Скрыть сообщение")

// ----------------------------------------------------------------------------------
// For guitarists and pianists: names spelled in the key, the chord diagrams, the capo.
#define CANTARO_MESSAGES_PLAYERS(X) \
  X(SOptSpellByKey, "Писать ноты по тональности") \
  X(SOptSpellByKeyHint, "Названия аккордов и тональности пишутся знаками тональности:\rBb и Eb в си-бемоль мажоре, F# и C# в ре мажоре.\rБез флажка - всегда диезами.") \
  X(SCliHelpSpelling, "Названия нот:\r  --spelling sharps|key               всегда диезами или по тональности (Bb в фа мажоре;\r                                      без параметра действуют настройки)") \
  X(SOptChordDiagrams, "Диаграммы аккордов над текстом:") \
  X(SOptChordDiagramsNone, "нет") \
  X(SOptChordDiagramsGuitar, "гитара") \
  X(SOptChordDiagramsPiano, "фортепиано") \
  X(SShapesLineSkipped, "%s, строка %d: %s; строка пропущена") \
  X(SShapesNoColon, "нет двоеточия после названия аккорда") \
  X(SShapesUnknownChord, "неизвестное название аккорда") \
  X(SShapesBadFrets, "нужны лады шести струн, от шестой (x - струна не звучит)") \
  X(SShapesBadBarre, "баррэ должно быть вида barre=N и лежать не выше прижатых ладов") \
  X(SShapesWrongNotes, "струны звучат не нотами этого аккорда (или басом не его бас)") \
  X(SShapesUnreadable, "Файл аппликатур %s не прочитан: %s") \
  X(SSheetCapo, "Каподастр %d") \
  X(SSheetCapoPlay, "%s: играть %s")

// ----------------------------------------------------------------------------------
// The user manual and the manual page: the manual's language, the page's exit status and
// closing sections.
#define CANTARO_MESSAGES_MANUAL(X) \
  X(SManualLanguage, "ru") \
  X(SManExitStatus, "0: команда выполнена.\r1: команда не удалась (файл не прочитан, результат не записан; в пакетной обработке: некоторые песни).\r2: неверные параметры командной строки.\r130: прервано (Ctrl+C) при пакетной обработке или проигрывании.") \
  X(SManMoreSections, "КОД ЗАВЕРШЕНИЯ|СМОТРИТЕ ТАКЖЕ") \
  X(SManSeeAlso, "tabulist(1), руководство пользователя: %s")

#define CANTARO_MESSAGES(X)                                                           \
  CANTARO_MESSAGES_COMMON(X)                                                          \
  CANTARO_MESSAGES_MIDI(X)                                                            \
  CANTARO_MESSAGES_MIDIOUT(X)                                                         \
  CANTARO_MESSAGES_CHORDS(X)                                                          \
  CANTARO_MESSAGES_SETTINGS(X)                                                        \
  CANTARO_MESSAGES_SONG(X)                                                            \
  CANTARO_MESSAGES_EXPORT(X)                                                          \
  CANTARO_MESSAGES_APP(X)                                                             \
  CANTARO_MESSAGES_UI(X)                                                              \
  CANTARO_MESSAGES_DIALOGS(X)                                                         \
  CANTARO_MESSAGES_CHORDMODEL(X)                                                      \
  CANTARO_MESSAGES_SHEET(X)                                                           \
  CANTARO_MESSAGES_DETAILS(X)                                                         \
  CANTARO_MESSAGES_PLAYERS(X)                                                         \
  CANTARO_MESSAGES_MANUAL(X)

enum class MesId : int {
#define CANTARO_MES_ENUM(id, text) id,
  CANTARO_MESSAGES(CANTARO_MES_ENUM)
#undef CANTARO_MES_ENUM
  Count
};

// The text in force for a message: the translation when one was installed, else the
// built-in text.
const std::string& Mes(MesId id);

// The identifier as text ("SFileNotFound") and the built-in text, for translation tools.
std::string_view MesName(MesId id);
std::string_view MesBuiltin(MesId id);

// Replaces the text of one message (a translation loaded at start-up); an empty text
// restores the built-in one.
void SetMes(MesId id, std::string text);
void ResetAllMes();

// Fills "%s", "%d" (also "%u", "%x") and "%%" from the arguments in order, as the program's
// message texts expect. Surplus placeholders stay as they are; surplus arguments are ignored.
class MesArg {
 public:
  MesArg(std::string_view s) : text_(s) {}
  MesArg(const std::string& s) : text_(s) {}
  MesArg(const char* s) : text_(s ? s : "") {}
  MesArg(long long v) : text_(std::to_string(v)), number_(v), isNumber_(true) {}
  MesArg(int v) : MesArg(static_cast<long long>(v)) {}
  MesArg(unsigned v) : MesArg(static_cast<long long>(v)) {}
  MesArg(long v) : MesArg(static_cast<long long>(v)) {}
  MesArg(unsigned long v) : MesArg(static_cast<long long>(v)) {}
  const std::string& text() const { return text_; }
  long long number() const { return number_; }
  bool isNumber() const { return isNumber_; }

 private:
  std::string text_;
  long long number_ = 0;
  bool isNumber_ = false;
};

// A message text with its "\r" line breaks (and "\r\n" pairs) as "\n", for a terminal or a
// message box.
std::string MesLines(std::string_view text);

std::string MesFormatArgs(std::string_view fmt, const MesArg* args, std::size_t count);

template <typename... Args>
std::string MesFormat(std::string_view fmt, const Args&... args) {
  const MesArg list[] = {MesArg(args)..., MesArg("")};
  return MesFormatArgs(fmt, list, sizeof...(Args));
}

template <typename... Args>
std::string MesFormat(MesId id, const Args&... args) {
  return MesFormat(std::string_view(Mes(id)), args...);
}
