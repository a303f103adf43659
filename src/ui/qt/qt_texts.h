#pragma once
// Captions of the standard dialogs, in the program's language: Qt's own are
// English unless translations happen to be installed.

namespace zg::qt_text {

inline constexpr const char* kYes = "Да";
inline constexpr const char* kNo = "Нет";
inline constexpr const char* kOk = "OK";

inline constexpr const char* kOpen = "Открыть";
inline constexpr const char* kSave = "Сохранить";
inline constexpr const char* kCancel = "Отмена";
inline constexpr const char* kLookIn = "Папка:";
inline constexpr const char* kFileName = "Имя файла:";
inline constexpr const char* kFileType = "Тип файлов:";
// %1 is the file's name.
inline constexpr const char* kReplaceFile = "Файл «%1» уже существует.\nЗаменить его?";

}  // namespace zg::qt_text
