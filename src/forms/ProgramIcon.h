#pragma once

#include <QIcon>
#include <QPixmap>

namespace forms
{

// The program's icon, the same for every window: a crescent and a star on a night-blue disc.
QIcon programIcon();
// The same picture at `size` device-independent pixels square, sharp on high-density screens.
QPixmap programPicture(int size);

} // namespace forms
