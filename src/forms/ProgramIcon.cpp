#include "ProgramIcon.h"

#include <QGuiApplication>

namespace forms
{

QIcon programIcon()
{
    // The PNG files are rendered from the icon's SVG at build time; giving each size
    // up front lets QIcon read a file only when a window first needs that size. The
    // larger sizes are for the desktop's menus, which read the installed files.
    static const QIcon icon = [] {
        QIcon rendered;
        for (int size : {16, 24, 32, 48, 64})
            rendered.addFile(QStringLiteral(":/icon/%1.png").arg(size), QSize(size, size));
        return rendered;
    }();
    return icon;
}

QPixmap programPicture(int size)
{
    return programIcon().pixmap(QSize(size, size), qApp->devicePixelRatio());
}

} // namespace forms
