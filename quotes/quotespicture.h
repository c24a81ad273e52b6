#pragma once
// The quotations window's picture: an Ionic column of marble with the little owl of Athena on
// its capital and an olive sprig, drawn here on a transparent background.
#include <QPixmap>

// The picture at its layout size (153 x 408), drawn for the given device pixel ratio.
QPixmap quotesPicture(qreal devicePixelRatio = 1.0);
