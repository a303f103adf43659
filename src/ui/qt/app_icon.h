#pragma once
// The program's icon. Installed, the desktop's icon theme has it (and a theme
// may draw its own); run from a build, the copy compiled into the program
// stands in. Asking the themes reads every theme's index, which costs
// start-up time, so they are asked only when the installed icon lies beside
// the program.

#include <QIcon>
#include <QString>

namespace zg {

inline constexpr const char* kAppId = "io.github.zgedit.zgedit";

// `applicationDir` is the folder of the program (QCoreApplication::applicationDirPath()).
QIcon AppIcon(const QString& applicationDir);

}  // namespace zg
