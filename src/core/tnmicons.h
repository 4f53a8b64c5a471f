#pragma once

#include <QIcon>

// The program's window icons, drawn in code so that no image files need to
// travel with the executable.
namespace TnmIcons {

// The main window and the application: a small network of three nodes.
QIcon application();
// Interface-table windows: a grid with a heading row.
QIcon table();

} // namespace TnmIcons
