#pragma once
// Texts of the dialog "Импорт из шрифта..." and of its messages.

namespace zg::text {

inline constexpr const char* kFontImportTitle = "Импорт из шрифта";
inline constexpr const char* kFontImportMenu = "Импорт из шрифта...";
inline constexpr const char* kFontImportOk = "Импортировать";
inline constexpr const char* kFontImportCancel = "Отмена";

inline constexpr const char* kFontImportFromFile = "Файл шрифта:";
inline constexpr const char* kFontImportBrowse = "Обзор...";
inline constexpr const char* kFontImportFromSystem = "Установленный шрифт:";
inline constexpr const char* kFontImportFileTitle = "Выберите файл шрифта";
// Qt's filter form: the patterns show beside the description.
inline constexpr const char* kFontImportFileFilter =
    "Шрифты (*.ttf *.otf *.ttc *.otc *.bdf *.pcf *.pcf.gz);;Все файлы (*)";
inline constexpr const char* kFontImportFace = "Номер шрифта в файле:";
inline constexpr const char* kFontImportSize = "Размер, пикселей:";
inline constexpr const char* kFontImportMode = "Растеризация:";
inline constexpr const char* kFontImportMono = "Монохромная";
inline constexpr const char* kFontImportAntiAliased = "Сглаженная, с порогом";
inline constexpr const char* kFontImportThreshold = "Порог (0..255):";
inline constexpr const char* kFontImportAlign = "По горизонтали:";
inline constexpr const char* kFontImportCenter = "По центру знакоместа";
inline constexpr const char* kFontImportLeft = "От левого края";
inline constexpr const char* kFontImportOffsetX = "Сдвиг вправо:";
inline constexpr const char* kFontImportOffsetY = "Сдвиг вниз:";
inline constexpr const char* kFontImportKeepAdvances = "Ширина символов из шрифта";
inline constexpr const char* kFontImportSymbols = "Символы:";
inline constexpr const char* kFontImportAll = "Все";
inline constexpr const char* kFontImportEmptyOnly = "Только пустые";
inline constexpr const char* kFontImportRange = "Коды с";
inline constexpr const char* kFontImportRangeTo = "по";
inline constexpr const char* kFontImportPreview = "Образец:";
inline constexpr const char* kFontImportNoFont = "Выберите шрифт.";
inline constexpr const char* kFontImportBadRange = "Укажите коды от 20 до FF (шестнадцатеричные).";

// Errors of opening the font.
inline constexpr const char* kFontImportCannotOpen = "Не удалось открыть файл шрифта.";
inline constexpr const char* kFontImportNotAFont = "Файл не является шрифтом.";
// %1: face index; %2: number of faces.
inline constexpr const char* kFontImportNoSuchFace =
    "В файле нет шрифта номер %1. Шрифтов в файле: %2.";
inline constexpr const char* kFontImportBadSize = "Размер должен быть от 1 до 255 пикселей.";
// %1: the size asked for, with its unit; %2: the sizes the font has.
inline constexpr const char* kFontImportSizeNotInFont =
    "Шрифт не содержит размер %1. Есть размеры: %2.";
inline constexpr const char* kFontImportBadCell = "Такое знакоместо не поддерживается.";
// %1: the limit in megabytes.
inline constexpr const char* kFontImportTooLarge = "Файл шрифта слишком велик (больше %1 МБ).";
inline constexpr const char* kFontImportUnpacksTooLarge =
    "Сжатый шрифт слишком велик: распакованный больше %1 МБ.";
inline constexpr const char* kFontImportOtherPacking =
    "Шрифт сжат способом, который программа не распаковывает (.Z, .bz2). Распакуйте его.";
// %1: the charset as the font names it, e.g. JISX0201.1976-0.
inline constexpr const char* kFontImportUnknownCharset =
    "Кодировка шрифта %1 не поддерживается системой.";
// %1: the sizes the font has.
inline constexpr const char* kFontImportNoSizeFits =
    "Ни один размер шрифта не помещается в знакоместо. Есть размеры: %1.";

// The summary after the import: %1 and %2 are counts with their noun.
inline constexpr const char* kFontImportFilled = "Импортировано: %1.";
inline constexpr const char* kFontImportMissing = "Нет в шрифте: %1.";
// Glyphs whose ink the cell cut: %1 the count with its noun, %2 the first of
// them. One, 21, 31... take the singular verb.
inline constexpr const char* kFontImportClippedOne = "Обрезан %1: %2";
inline constexpr const char* kFontImportClipped = "Обрезаны %1: %2";

}  // namespace zg::text
