#include "Form.h"
#include "HasDisplay.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (!hasDisplay()) {
        std::fprintf(stderr, "tolvane: no display available (DISPLAY and WAYLAND_DISPLAY are "
                             "unset); start Tolvane from a graphical session.\n");
        return 1;
    }
    QApplication app(argc, argv);
    forms::Form window(forms::Form::Frame::FixedSingle, 7485, 5910, QColor(62, 189, 238));
    window.show();
    return app.exec();
}
