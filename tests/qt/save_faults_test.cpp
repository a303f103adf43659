// Saving where the file system refuses: the old file stays byte for byte,
// the user reads the system's own description, and the font stays unsaved.
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "qt_test_support.h"
#include "temp_folder.h"
#include "test_files.h"
#include "ui/form1.h"

namespace zg {
namespace {

namespace fs = std::filesystem;
constexpr uid_t kNobody = 65534;

class SavingPlatform : public testing::RecordingPlatform {
 public:
  std::string target;
  std::optional<std::string> SaveFileDialog(const SaveDialogRequest&) override { return target; }
};

std::string ReadAll(const fs::path& p) { return test::ReadWholeFile(p.string()); }

struct SaveOutcome {
  std::vector<MessageRequest> messages;
  bool stillUnsaved = false;  // nosave and the edited mark kept
  // What the user was told, or "" when the save went through.
  std::string Description() const {
    if (messages.empty()) return {};
    return messages.back().text.empty() ? "(empty description)" : messages.back().text;
  }
};

// Edits a new font of `size` and saves it to `target`.
SaveOutcome SaveEditedFont(const std::string& target, const char* size = "8 x 8") {
  SavingPlatform platform;
  platform.target = target;
  platform.dialogScripts.push_back([size](Form2& d) {
    d.Combo1Click(size);
    d.Command1Click();
  });
  Form1 form(platform);
  form.Load();
  form.command1Click();
  form.picture1Click(0);
  form.command5Click();
  return {platform.messages, form.model.nosave == 1 && form.model.symbols[0].bold};
}

// Runs the save as an ordinary user: as root every permission would be granted.
// Exit code 0: refused with the permission sentence and the font still unsaved.
bool SaveRefusedAsOrdinaryUser(const std::string& target) {
  const std::string expected = "Нет прав на запись файла «" + target + "».";
  if (geteuid() != 0) {
    const SaveOutcome outcome = SaveEditedFont(target);
    return outcome.Description() == expected && outcome.stillUnsaved;
  }
  const pid_t child = fork();
  if (child == 0) {
    if (setgid(kNobody) != 0 || setuid(kNobody) != 0) _exit(3);
    const SaveOutcome outcome = SaveEditedFont(target);
    _exit(outcome.Description() == expected && outcome.stillUnsaved ? 0 : 1);
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

class SaveFaults : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::permissions(dir_, fs::perms::all);
    if (geteuid() == 0) {
      ASSERT_EQ(chown(dir_.c_str(), kNobody, kNobody), 0);
    }
  }
  void TearDown() override { fs::permissions(dir_, fs::perms::owner_all); }
  fs::path WriteOld(const fs::path& p) {
    std::ofstream(p, std::ios::binary) << kOld;
    if (geteuid() == 0) {
      EXPECT_EQ(chown(p.c_str(), kNobody, kNobody), 0);
    }
    return p;
  }
  static constexpr const char* kOld = "Data &h55 ; the user's old font\r\n";
  const test::TempFolder folder_;
  const fs::path dir_ = folder_ / "";
};

TEST_F(SaveFaults, ReadOnlyTargetKeepsItsContents) {
  const fs::path target = WriteOld(dir_ / "Font08x08vp.fnt");
  fs::permissions(target, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_TRUE(SaveRefusedAsOrdinaryUser(target.string()));
  EXPECT_EQ(ReadAll(target), kOld);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1)
      << "no temporary file is left behind";
}

TEST_F(SaveFaults, ReadOnlyFolderKeepsTheOldFile) {
  const fs::path target = WriteOld(dir_ / "Font08x08vp.fnt");
  fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                            fs::perms::group_exec | fs::perms::others_read |
                            fs::perms::others_exec);
  EXPECT_TRUE(SaveRefusedAsOrdinaryUser(target.string()));
  EXPECT_EQ(ReadAll(target), kOld);
}

TEST_F(SaveFaults, AFolderInPlaceOfTheFileOrAMissingFolder) {
  const fs::path folder = dir_ / "Font08x08vp.fnt";
  fs::create_directories(folder / "inside");
  SaveOutcome outcome = SaveEditedFont(folder.string());
  EXPECT_EQ(outcome.Description(), "«" + folder.string() + "» — это папка, а не файл.");
  EXPECT_TRUE(outcome.stillUnsaved);
  EXPECT_TRUE(fs::is_directory(folder / "inside"));

  const fs::path missing = dir_ / "no such folder" / "Font08x08vp.fnt";
  outcome = SaveEditedFont(missing.string());
  EXPECT_EQ(outcome.Description(), "Папка для файла «" + missing.string() + "» не найдена.");
  EXPECT_TRUE(outcome.stillUnsaved);
  EXPECT_FALSE(fs::exists(missing.parent_path()));
}

TEST_F(SaveFaults, AFullDiskKeepsTheOldFile) {
  const fs::path mountPoint = dir_ / "small disk";
  fs::create_directories(mountPoint);
  // A 24 x 24 font is about 100 KB; the disk holds 64 KB.
  if (mount("tmpfs", mountPoint.c_str(), "tmpfs", 0, "size=64k") != 0) {
    GTEST_SKIP() << "cannot mount a small tmpfs here (needs root)";
  }
  const fs::path target = mountPoint / "Font24x24vp.fnt";
  std::ofstream(target, std::ios::binary) << kOld;

  const SaveOutcome outcome = SaveEditedFont(target.string(), "24 x 24");
  const std::string old = ReadAll(target);
  const auto files = std::distance(fs::directory_iterator(mountPoint), fs::directory_iterator());
  umount(mountPoint.c_str());

  ASSERT_EQ(outcome.messages.size(), 1U);
  EXPECT_EQ(outcome.messages[0].text,
            "Недостаточно места на диске для записи файла «" + target.string() + "».");
  EXPECT_EQ(outcome.messages[0].title, "Редактор знакогенератора");
  EXPECT_EQ(old, kOld);
  EXPECT_EQ(files, 1) << "the half-written temporary file is removed";
  EXPECT_TRUE(outcome.stillUnsaved);
}

}  // namespace
}  // namespace zg
