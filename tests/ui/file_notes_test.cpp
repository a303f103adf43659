// The sentences the window shows for a file it could not open, read or write.

#include "ui/file_notes.h"

#include <gtest/gtest.h>

namespace zg {
namespace {

TEST(FileNotes, AFileErrorIsSaidByItsKindOrWithTheSystemsWords) {
  const struct {
    FileFault fault;
    bool writing;
    std::string sentence;
  } cases[] = {
      {FileFault::NotFound, false, "Файл «/f/a.fnt» не найден."},
      {FileFault::NotFound, true, "Папка для файла «/f/a.fnt» не найдена."},
      {FileFault::NoPermission, false, "Нет прав на чтение файла «/f/a.fnt»."},
      {FileFault::NoPermission, true, "Нет прав на запись файла «/f/a.fnt»."},
      {FileFault::IsFolder, true, "«/f/a.fnt» — это папка, а не файл."},
      {FileFault::DiskFull, true, "Недостаточно места на диске для записи файла «/f/a.fnt»."},
      {FileFault::Other, false, "Не удалось прочитать файл «/f/a.fnt»: Input/output error"},
      {FileFault::Other, true, "Не удалось записать файл «/f/a.fnt»: Input/output error"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FileErrorText("/f/a.fnt", {"Input/output error", c.fault}, c.writing), c.sentence);
  }
}

TEST(FileNotes, AReadProblemNamesItsPlace) {
  ReadResult r{ReadStatus::ValueOutOfRange, 3, "", 2, 9};
  EXPECT_EQ(ReadProblemText(r).rfind("Строка 2, позиция 9: ", 0), 0U) << ReadProblemText(r);
  r.status = ReadStatus::ReadFailure;
  r.failureText = "Input/output error";
  EXPECT_EQ(ReadProblemText(r), "Input/output error");
}

}  // namespace
}  // namespace zg
