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

}  // namespace zg::text
