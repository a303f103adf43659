#include "ui/menus.h"

#include "ui/texts.h"

namespace zg {

const std::vector<MenuSpec>& MenuBar() {
  static const std::vector<MenuSpec> bar{
      {text::kMenuFile,
       {{MenuCommand::Create, text::kMenuCreate, {"Ctrl+N"}},
        {MenuCommand::Import, text::kMenuImport, {"Ctrl+O"}},
        {MenuCommand::Save, text::kMenuSave, {"Ctrl+S"}},
        {MenuCommand::Exit, text::kMenuExit, {"Ctrl+Q"}}}},
      {text::kMenuEdit,
       {{MenuCommand::Undo, text::kMenuUndo, {"Ctrl+Z"}},
        {MenuCommand::Redo, text::kMenuRedo, {"Ctrl+Y", "Ctrl+Shift+Z"}}}},
  };
  return bar;
}

}  // namespace zg
