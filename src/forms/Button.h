#pragma once
// A push button whose face the style can draw from its cache in every window.
//
// Fusion keeps each drawn button face in QPixmapCache under a key that holds
// the palette's serial number, and a window built anew gives its buttons new
// palettes, with new numbers, even in the same colours. The result window is
// built for every search, so each search added faces that no later window
// could use: they filled the cache to its 10 MB limit, and the keys of the
// faces it dropped stayed until its sweep every 30 seconds. This button hands
// the style one shared palette for each set of colours instead.

#include <QPushButton>

namespace forms
{

class Button : public QPushButton
{
public:
    using QPushButton::QPushButton;

protected:
    void initStyleOption(QStyleOptionButton* option) const override;
};

} // namespace forms
