#pragma once

#include <QIcon>
#include <QPixmap>

namespace forms
{

// The program's picture at `size` pixels square: a crescent and a star on a night-blue disc.
QPixmap programPicture(int size);
// The program's icon, the same for every window.
QIcon programIcon();

} // namespace forms
