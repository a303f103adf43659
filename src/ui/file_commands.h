#pragma once
// The file commands of the main window as short functions over the editor
// session and the platform: create, import (a font source, a zgedit C
// header, a table of another program), save, export and the glyph import
// from outline and bitmap fonts. Each asks through its dialogs, which return
// their choice as a value, and changes the font in one transaction.

#include <string>

namespace zg {

class Form1;

struct FileCommands {
  static void Create(Form1& f);
  static void Import(Form1& f);
  static void ImportTable(Form1& f);
  static void ImportTable(Form1& f, const std::string& path);
  static void ImportGfx(Form1& f, const std::string& path, const std::string& text);
  static void Save(Form1& f);
  static void Export(Form1& f);
  static void ImportFromFont(Form1& f);
};

}  // namespace zg
