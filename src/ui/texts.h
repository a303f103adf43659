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

inline constexpr const char* kSaveFilter = "Знакогенератор |*.fnt";
inline constexpr const char* kSaveTitle = "Сохранить знакогенератор как...";
inline constexpr const char* kOpenFilter = "Файлы знакогенератора(*.fnt)|*.fnt|Все файлы(*.*)|*.*";
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
inline constexpr const char* kMenuUndo = "Отменить";
inline constexpr const char* kMenuRedo = "Повторить";

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
