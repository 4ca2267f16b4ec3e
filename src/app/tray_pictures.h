#pragma once

#include <QIcon>

// The two tray pictures, drawn by the program: a clock face, and the same face crossed out while disabled.
namespace TrayPictures {
QIcon normal();
QIcon disabled();
} // namespace TrayPictures
