#pragma once
// The window's view computed from the editor session: the classic arrays of
// the window (the store as the window sees it, the grid's boxes and colours,
// the symbol boxes and their marks, the parameters, nosave) and the
// visibility of the controls. The one place that writes them; commands
// change the session only.

#include "model/font_model.h"
#include "ui/editor_session.h"
#include "ui/window_state.h"

namespace zg {

// What the window shows besides the session: while a dialog that may
// replace the font is open, the old font is shown as going.
struct ViewMode {
  bool fontGoing = false;     // symbol boxes locked, grid hidden, Command3 and Command4 hidden
  bool captionGoing = false;  // Label19 hidden too (a new font is being made)
};

void ShowSession(const EditorSession& session, const ViewMode& mode, FontModel& m,
                 MainWindowState& window);

}  // namespace zg
