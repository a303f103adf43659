#pragma once
// Every text the editor shows, in one place.

namespace zg::text {

inline constexpr const char* kAppTitle = "Редактор знакогенератора";
inline constexpr const char* kAttention = "Внимание!";
inline constexpr const char* kInformation = "Информация";

inline constexpr const char* kUnsavedOnClose = "Несохраненные данные будут потеряны. Продолжить?";
inline constexpr const char* kFontDataLost = "Данные знакогенератора будут утеряны. Продолжить?";
inline constexpr const char* kEraseCell = "Знакоместо будет очищено. Продолжить?";
inline constexpr const char* kRevertGlyph =
    "Будет восстановлено исходное начертание символа. Продолжить?";
inline constexpr const char* kScanRefused = "Изменение вида развертки невозможно";
inline constexpr const char* kPickCellFormat = "Укажите формат знакоместа!";
inline constexpr const char* kUnrecognisedSyntax =
    "Нераспознанный синтаксис данных.Загрузка файла прекращена.";
inline constexpr const char* kStoreFull =
    "Файл содержит больше значений, чем вмещает знакогенератор (16129). "
    "Загрузка файла прекращена.";
inline constexpr const char* kUnclosedComment =
    "Файл закончился внутри блочного комментария (нет закрывающего \"*/\"). "
    "Загрузка файла прекращена.";
// %1 is the file's path.
inline constexpr const char* kNoGlyphValues =
    "В файле «%1» нет ни одного значения знакогенератора: он пуст, содержит только "
    "комментарии или пустой массив. Загрузка файла прекращена.";
// A file that ends before the font's last glyph; %1 is what was read,
// e.g. "95 символов (20h..7Eh)".
inline constexpr const char* kImportShort = "Прочитано %1, остальные символы не изменены.";
// %1 is the number of values, e.g. "40 значений".
inline constexpr const char* kImportExtraValues =
    "Лишние значения после символа FFh (%1) не загружены.";
// Saving under a name such as Font08x08vp that says other parameters; %1 is
// the path, %2 what its name says, %3 the font being saved.
inline constexpr const char* kNameContradiction =
    "Имя файла «%1» означает шрифт %2, а сохраняется шрифт %3. При загрузке файл будет "
    "прочитан по имени, то есть неверно. Сохранить?";

// Export.
inline constexpr const char* kExportTitle = "Экспорт знакогенератора";
inline constexpr const char* kExportFilterC = "Заголовочный файл C (*.h)|*.h";
inline constexpr const char* kExportFilterBdf = "Шрифт BDF (*.bdf)|*.bdf";
inline constexpr const char* kExportFilterGfx = "Шрифт Adafruit GFX (*.h)|*.h";
inline constexpr const char* kExportFilterLvgl = "Шрифт LVGL (*.c)|*.c";
inline constexpr const char* kExportFilterSource = "Знакогенератор |*.fnt";
// %1: the codes, "C0h, C1h".
inline constexpr const char* kExportUnwritten =
    "Символы с кодами %1 не записаны: их коды Юникода заняты другими символами "
    "кодовой страницы. Все символы записывает экспорт с кодами 20h..FFh вместо Юникода.";
// %1: the line of a font source's widths line that is not right.
inline constexpr const char* kWidthsLineRefused =
    "Строка %1: ширины символов записаны неверно и не загружены, шрифт открыт как моноширинный.";
inline constexpr const char* kExportUnwrittenLvgl =
    "Символы с кодами %1 не записаны: в кодовой странице у них нет своего символа Юникода.";

// Where in the file a reading stopped, in front of its message: %1 is the
// line, %2 the column.
inline constexpr const char* kReadPlace = "Строка %1, позиция %2: ";

// A C source read back.
inline constexpr const char* kNotANumber =
    "значение не является числом. Загрузка файла прекращена.";
inline constexpr const char* kValueOutOfRange =
    "значение вне диапазона от 0 до 255. Загрузка файла прекращена.";
inline constexpr const char* kBinaryData =
    "файл не текстовый (нулевой байт). Загрузка файла прекращена.";
inline constexpr const char* kNoSuchArray =
    "В файле нет массива с таким именем. Загрузка файла прекращена.";
inline constexpr const char* kTooManyValues =
    "Файл содержит больше значений, чем вмещает таблица (65536). Загрузка файла прекращена.";
inline constexpr const char* kNoArray =
    "В файле нет массива значений (\"= {\"). Загрузка файла прекращена.";
inline constexpr const char* kUnclosedArray =
    "Файл закончился внутри массива значений (нет закрывающей \"}\"). "
    "Загрузка файла прекращена.";

inline constexpr const char* kSaveFilter = "Знакогенератор |*.fnt";
inline constexpr const char* kSaveTitle = "Сохранить знакогенератор как...";
inline constexpr const char* kOpenFilter =
    "Файлы знакогенератора(*.fnt)|*.fnt|Исходные тексты C(*.c, *.h)|*.c;*.h|Все файлы(*.*)|*.*";
inline constexpr const char* kOpenTitle = "Загрузить файл знакогенератора";

inline constexpr const char* kForm2TitleNew = "Параметры создаваемого ЗГ:";
inline constexpr const char* kForm2TitleLoad = "Параметры загружаемого ЗГ:";
inline constexpr const char* kForm2Create = "Создать";
inline constexpr const char* kForm2Load = "Загрузить";

inline constexpr const char* kCredit = "zgedit 0.1";

// Menus.
inline constexpr const char* kMenuFile = "Файл";
inline constexpr const char* kMenuEdit = "Правка";
inline constexpr const char* kMenuCreate = "Создать знакогенератор...";
inline constexpr const char* kMenuImport = "Импортировать знакогенератор...";
inline constexpr const char* kMenuSave = "Сохранить знакогенератор...";
inline constexpr const char* kMenuExit = "Выход";
inline constexpr const char* kMenuExport = "Экспорт...";
inline constexpr const char* kMenuCut = "Вырезать";
inline constexpr const char* kMenuCopy = "Копировать";
inline constexpr const char* kMenuPaste = "Вставить";
inline constexpr const char* kMenuSymbol = "Символ";
inline constexpr const char* kMenuFlipHorizontal = "Отразить по горизонтали";
inline constexpr const char* kMenuFlipVertical = "Отразить по вертикали";
inline constexpr const char* kMenuRotateClockwise = "Повернуть по часовой стрелке";
inline constexpr const char* kMenuRotateCounterClockwise = "Повернуть против часовой стрелки";
inline constexpr const char* kMenuInvert = "Инвертировать";
inline constexpr const char* kMenuShiftUp = "Сдвинуть вверх";
inline constexpr const char* kMenuShiftDown = "Сдвинуть вниз";
inline constexpr const char* kMenuShiftLeft = "Сдвинуть влево";
inline constexpr const char* kMenuShiftRight = "Сдвинуть вправо";
inline constexpr const char* kMenuErase = "Стереть";
inline constexpr const char* kMenuWholeFont = "Весь шрифт";
inline constexpr const char* kMenuView = "Вид";
inline constexpr const char* kMenuPreview = "Просмотр";
inline constexpr const char* kMenuCodePage = "Кодовая страница";
inline constexpr const char* kMenuUndo = "Отменить";
inline constexpr const char* kMenuRedo = "Повторить";
inline constexpr const char* kMenuGlyphWidth = "Ширина...";
inline constexpr const char* kMenuNarrow = "Сузить";
inline constexpr const char* kMenuWiden = "Расширить";
inline constexpr const char* kMenuProportional = "Пропорциональный шрифт...";
inline constexpr const char* kMenuMonospaced = "Моноширинный";

// Steps of the edit history, as the undo and redo items name them.
inline constexpr const char* kStepPixel = "изменение точки";
inline constexpr const char* kStepShiftUp = "сдвиг вверх";
inline constexpr const char* kStepShiftDown = "сдвиг вниз";
inline constexpr const char* kStepShiftLeft = "сдвиг влево";
inline constexpr const char* kStepShiftRight = "сдвиг вправо";
inline constexpr const char* kStepErase = "стирание символа";
inline constexpr const char* kStepRevert = "откат символа";
inline constexpr const char* kStepClear = "очистка шрифта";
inline constexpr const char* kStepScan = "изменение развертки";
inline constexpr const char* kStepNegative = "признак негатива";
inline constexpr const char* kStepImport = "импорт знакогенератора";
inline constexpr const char* kStepCreate = "создание знакогенератора";
inline constexpr const char* kStepStroke = "рисование";
inline constexpr const char* kStepStrokeErase = "стирание точек";
inline constexpr const char* kStepCut = "вырезание символа";
inline constexpr const char* kStepPaste = "вставка символа";
inline constexpr const char* kStepFlipHorizontal = "отражение по горизонтали";
inline constexpr const char* kStepFlipVertical = "отражение по вертикали";
inline constexpr const char* kStepRotateClockwise = "поворот по часовой стрелке";
inline constexpr const char* kStepRotateCounterClockwise = "поворот против часовой стрелки";
inline constexpr const char* kStepInvert = "инверсия символа";
inline constexpr const char* kStepFontShiftUp = "сдвиг шрифта вверх";
inline constexpr const char* kStepFontShiftDown = "сдвиг шрифта вниз";
inline constexpr const char* kStepFontShiftLeft = "сдвиг шрифта влево";
inline constexpr const char* kStepFontShiftRight = "сдвиг шрифта вправо";
inline constexpr const char* kStepFontImport = "импорт из шрифта";
inline constexpr const char* kStepWidth = "ширина символа";
inline constexpr const char* kStepGfxImport = "импорт шрифта Adafruit GFX";
inline constexpr const char* kStepProportional = "пропорциональный шрифт";
inline constexpr const char* kStepMonospaced = "моноширинный шрифт";

// An Adafruit GFX font read from a C source; %1 is its name, %2 the cell.
inline constexpr const char* kGfxRead = "Шрифт Adafruit GFX «%1» прочитан в знакоместо %2.";
inline constexpr const char* kGfxCodes = " Символы %1, остальные пусты.";
inline constexpr const char* kGfxTooLarge =
    "Шрифту Adafruit GFX «%1» нужно знакоместо %2, а наибольшее — 24 x 24. Загрузка прекращена.";
inline constexpr const char* kGfxUnreadable =
    "Шрифт Adafruit GFX «%1» не прочитан: его массивы неполны или содержат не числа.";

// The clipboard held no glyph to paste.
inline constexpr const char* kPasteNoGlyph =
    "В буфере обмена нет символа: нужен символ, скопированный в редакторе, или "
    "строка значений одного символа.";
// A whole-font shift that would push pixels out; %1 is the symbol, %2 its code.
inline constexpr const char* kFontShiftRefused =
    "Шрифт нельзя сдвинуть: символ %1 (код %2) потеряет точки.";

// Files that cannot be read or written; %1 is the file's path, %2 the
// system's own words.
inline constexpr const char* kFileNotFound = "Файл «%1» не найден.";
inline constexpr const char* kFolderNotFound = "Папка для файла «%1» не найдена.";
inline constexpr const char* kNoReadPermission = "Нет прав на чтение файла «%1».";
inline constexpr const char* kNoWritePermission = "Нет прав на запись файла «%1».";
inline constexpr const char* kIsFolder = "«%1» — это папка, а не файл.";
inline constexpr const char* kDiskFull = "Недостаточно места на диске для записи файла «%1».";
inline constexpr const char* kCannotRead = "Не удалось прочитать файл «%1»: %2";
inline constexpr const char* kCannotWrite = "Не удалось записать файл «%1»: %2";

}  // namespace zg::text
