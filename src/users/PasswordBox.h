#pragma once

class QLineEdit;

// Masks a password box with "*", whatever the style's own password glyph is.
void MaskWithStars(QLineEdit &box);
