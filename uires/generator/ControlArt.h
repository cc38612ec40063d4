#pragma once

#include <QColor>
#include <QImage>
#include <QString>

#include <functional>

class QPainter;

namespace kb {

// The small pictures of the controls, drawn in code so that the resource folder holds no
// hand-made binaries. Strips of states are laid side by side.

// A glyph drawn into a square of the given size with the given colour.
using Glyph = std::function<void(QPainter&, double size, const QColor&)>;

QImage colourPad(QSize size);
QImage logo(int size, double glowAmount = 1.0);
QImage logoFrames(int size, int frames);
QImage captionIcon(const QString& kind, int size);
// Eight states of an icon on a check or radio control: 0-3 normal, hover, pushed,
// disabled; 4-7 the same when checked.
QImage iconStates(int size, const Glyph& glyph);
// A colour swatch in the eight check states; an invalid colour draws the automatic swatch.
QImage swatchStates(int size, const QColor& colour);
// A pill-shaped button background in `states` states; `checkedLast` orders them as the
// icon check box uses them (normal, hover, pushed, checked) instead of the radio box
// (normal, hover, checked, disabled).
QImage pillStates(QSize size, bool checkedLast);
QImage recordToggleStates(QSize size);
QImage tabItemStates(QSize size);
QImage tabHeadBackground(QSize size);
// One state per glyph: the static tab icons.
QImage glyphStrip(int size, const std::vector<Glyph>& glyphs, const QColor& colour);
// The "in" frames of a tab icon (lighting up) or, reversed, its "out" frames.
QImage glyphAnimation(int size, const Glyph& glyph, int frames, bool in);

Glyph arrowGlyph(int degrees);
Glyph rotateGlyph(bool clockwise);
Glyph textGlyph(const QString& text);
Glyph dotGlyph();
Glyph keyboardGlyph();
Glyph bulbGlyph();
Glyph sideLightGlyph();
Glyph gearGlyph();
Glyph recordGlyph();
Glyph keycapGlyph();
Glyph mediaGlyph();

}  // namespace kb
