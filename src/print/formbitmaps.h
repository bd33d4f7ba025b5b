#pragma once

#include <QImage>

// The two pictures of the Quebec form, drawn pixel by pixel in the 16 colours of the
// printer palette: 134 the Quebec flag (34 x 23, a white cross on blue with a white
// fleur-de-lis in each quarter), 135 the fuel tag (25 x 30, a white tag pointing right,
// outlined in black, with a bold 5). Any other number gives a null image.
QImage FormBitmap(int bitmap);
