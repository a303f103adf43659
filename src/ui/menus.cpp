#include "ui/menus.h"

#include "model/code_page.h"
#include "ui/font_import_texts.h"
#include "ui/table_import_texts.h"
#include "ui/texts.h"

namespace zg {

const std::vector<MenuData>& MenuBar() {
  static const std::vector<MenuData> bar = [] {
    using C = MenuCommand;
    std::vector<MenuData> menus{
        {text::kMenuFile,
         {{C::Create, text::kMenuCreate, {"Ctrl+N"}},
          {C::Import, text::kMenuImport, {"Ctrl+O"}},
          {C::ImportFromFont, text::kFontImportMenu, {"Ctrl+Shift+O"}},
          {C::ImportTable, text::kTableImportMenu, {"Ctrl+T"}},
          {C::Save, text::kMenuSave, {"Ctrl+S"}, nullptr, true},
          {C::Export, text::kMenuExport, {"Ctrl+E"}},
          {C::Exit, text::kMenuExit, {"Ctrl+Q"}, nullptr, true}}},
        {text::kMenuEdit,
         {{C::Undo, text::kMenuUndo, {"Ctrl+Z"}},
          {C::Redo, text::kMenuRedo, {"Ctrl+Y", "Ctrl+Shift+Z"}},
          {C::Cut, text::kMenuCut, {"Ctrl+X"}, nullptr, true},
          {C::Copy, text::kMenuCopy, {"Ctrl+C"}},
          {C::Paste, text::kMenuPaste, {"Ctrl+V"}}}},
        {text::kMenuSymbol,
         {{C::FlipHorizontal, text::kMenuFlipHorizontal, {"Ctrl+H"}},
          {C::FlipVertical, text::kMenuFlipVertical, {"Ctrl+Shift+H"}},
          {C::RotateClockwise, text::kMenuRotateClockwise, {"Ctrl+R"}},
          {C::RotateCounterClockwise, text::kMenuRotateCounterClockwise, {"Ctrl+Shift+R"}},
          {C::Invert, text::kMenuInvert, {"Ctrl+I"}},
          {C::ShiftUp, text::kMenuShiftUp, {"Ctrl+Up"}, nullptr, true},
          {C::ShiftDown, text::kMenuShiftDown, {"Ctrl+Down"}},
          {C::ShiftLeft, text::kMenuShiftLeft, {"Ctrl+Left"}},
          {C::ShiftRight, text::kMenuShiftRight, {"Ctrl+Right"}},
          {C::Erase, text::kMenuErase, {"Del"}, nullptr, true}}},
        {text::kMenuWholeFont,
         {{C::FontShiftUp, text::kMenuShiftUp, {"Ctrl+Shift+Up"}},
          {C::FontShiftDown, text::kMenuShiftDown, {"Ctrl+Shift+Down"}},
          {C::FontShiftLeft, text::kMenuShiftLeft, {"Ctrl+Shift+Left"}},
          {C::FontShiftRight, text::kMenuShiftRight, {"Ctrl+Shift+Right"}}}},
        {text::kMenuView, {{C::Preview, text::kMenuPreview, {"F3"}}}},
    };
    for (std::size_t i = 0; i < kCodePages.size(); ++i) {
      const auto command = static_cast<MenuCommand>(static_cast<std::size_t>(C::CodePage0) + i);
      menus.back().items.push_back(
          {command, CodePageName(kCodePages[i]).data(), {}, text::kMenuCodePage, i == 0, true});
    }
    return menus;
  }();
  return bar;
}

}  // namespace zg
