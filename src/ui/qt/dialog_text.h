#pragma once
// Texts of the window logic in the forms Qt's dialogs expect.

#include <QString>
#include <string>

namespace zg {

// "desc|pattern|desc|pattern" to Qt's "desc (pattern);;desc (pattern)". The
// description is kept as given; several patterns joined by ';' become the
// blank-separated list Qt reads.
QString QtNameFilters(const std::string& filter);

// A message text, where "\r" (alone or before "\n") breaks the line.
QString MessageText(const std::string& text);

}  // namespace zg
