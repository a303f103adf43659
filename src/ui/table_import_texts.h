#pragma once
// Texts of the dialog "Импорт таблицы" and of the message after the import.

namespace zg::text {

inline constexpr const char* kTableImportMenu = "Импорт таблицы...";
inline constexpr const char* kTableImportTitle = "Импорт таблицы";
inline constexpr const char* kTableImportOk = "Импортировать";
inline constexpr const char* kTableImportCancel = "Отмена";
inline constexpr const char* kTableOpenTitle = "Загрузить таблицу шрифта";
inline constexpr const char* kTableOpenFilter =
    "Исходные тексты(*.c, *.h, *.asm, *.inc, *.s, *.font, *.bas)|*.c;*.h;*.asm;*.inc;*.s;*.font;"
    "*.bas|Файлы знакогенератора(*.fnt)|*.fnt|Все файлы(*.*)|*.*";
inline constexpr const char* kStepTableImport = "импорт таблицы";

// The dialog's fields.
inline constexpr const char* kTableArray = "Массив:";
inline constexpr const char* kTableCell = "Знакоместо:";
inline constexpr const char* kTableScan = "Развертка:";
inline constexpr const char* kTableRows = "строки";
inline constexpr const char* kTableColumns = "столбцы";
inline constexpr const char* kTableBitOrder = "Порядок бит:";
inline constexpr const char* kTableBandOrder = "Порядок полос:";
inline constexpr const char* kTableBandAfterBand = "полоса за полосой";
inline constexpr const char* kTableColumnByColumn = "столбец за столбцом";
inline constexpr const char* kTableFirstCode = "Первый код:";
inline constexpr const char* kTableSkip = "Пропустить байт:";
inline constexpr const char* kTableStride = "Байт на символ:";
inline constexpr const char* kTableGlyphOffset = "Символ с байта:";
inline constexpr const char* kTableNegative = "Негатив";
inline constexpr const char* kTableNoValues = "В файле нет значений.";

// Bit orders as the layout's scan makes them.
inline constexpr const char* kTableMsbLeft = "старший бит слева";
inline constexpr const char* kTableLsbLeft = "младший бит слева";
inline constexpr const char* kTableLsbTop = "младший бит сверху";
inline constexpr const char* kTableMsbTop = "старший бит сверху";

// "Найдено: 8 x 8, строки, младший бит слева, первый код 00h".
inline constexpr const char* kTableFound = "Найдено: %1";
inline constexpr const char* kTableNotFound = "Раскладка не найдена: укажите её.";
inline constexpr const char* kTableInvalid = "Такая раскладка невозможна.";

// After the import: %1 the count with its noun, %2 and %3 the first and last code.
inline constexpr const char* kTableRead = "Прочитано %1 (%2..%3), остальные пусты.";
inline constexpr const char* kTableReadNothing = "Не прочитано ни одного символа.";
inline constexpr const char* kTableBelowFirst = "Коды ниже 20h пропущены: %1.";
inline constexpr const char* kTablePastLast = "Коды после FFh пропущены: %1.";

}  // namespace zg::text
