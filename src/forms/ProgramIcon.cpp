#include "ProgramIcon.h"

#include "ProgramIconPixels.h"

#include <QGuiApplication>
#include <QImage>

namespace forms
{

QIcon programIcon()
{
    // Every size goes to the X server when a window is shown, so all are needed
    // at start-up; as ready pixels they cost no image decoding. The larger sizes
    // are for the desktop's menus, which read the installed files.
    static const QIcon icon = [] {
        QIcon pixels;
        for (const IconPixels& image : ProgramIconPixels)
            pixels.addPixmap(
                QPixmap::fromImage(QImage(reinterpret_cast<const uchar*>(image.argb), image.size,
                                          image.size, QImage::Format_ARGB32_Premultiplied)));
        return pixels;
    }();
    return icon;
}

QPixmap programPicture(int size)
{
    return programIcon().pixmap(QSize(size, size), qApp->devicePixelRatio());
}

} // namespace forms
