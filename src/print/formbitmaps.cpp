#include "print/formbitmaps.h"

#include "print/formcanvas.h"

#include <QColor>

namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kFlagBlue = qRgb(0, 0, 255);

void FillRect(QImage &image, int x, int y, int width, int height, QRgb colour)
{
    for (int row = y; row < y + height; ++row)
        for (int col = x; col < x + width; ++col)
            if (image.valid(col, row))
                image.setPixel(col, row, colour);
}

// A 9 x 9 fleur-de-lis, '#' white.
const char *const kFleurDeLis[] = {
    "....#....", "...###...", ".#.###.#.", "##.###.##", "#..###..#",
    "#########", "...###...", "..#.#.#..", ".#..#..#.",
};

void DrawPattern(QImage &image, int x, int y, const char *const *rows, int rowCount, QRgb colour)
{
    for (int r = 0; r < rowCount; ++r)
        for (int c = 0; rows[r][c] != '\0'; ++c)
            if (rows[r][c] == '#' && image.valid(x + c, y + r))
                image.setPixel(x + c, y + r, colour);
}

QImage QuebecFlag()
{
    QImage image(34, 23, QImage::Format_RGB32);
    image.fill(kFlagBlue);
    // The cross: a vertical bar of 4 pixels and a horizontal one of 3, through the middle.
    FillRect(image, 15, 0, 4, 23, kWhite);
    FillRect(image, 0, 10, 34, 3, kWhite);
    // One fleur-de-lis in the middle of each quarter (quarters 15 x 10 pixels).
    const int left[] = {3, 22};
    const int top[] = {1, 13};
    for (int x : left)
        for (int y : top)
            DrawPattern(image, x, y, kFleurDeLis, 9, kWhite);
    return image;
}

// A bold 5, 9 x 14 pixels.
const char *const kFive[] = {
    "#########", "#########", "###......", "###......", "###......", "########.", "#########",
    ".......##", "......###", "......###", "......###", "##....###", "#########", ".#######.",
};

QImage FuelTag()
{
    QImage image(25, 30, QImage::Format_RGB32);
    image.fill(kWhite);
    // Outline: the body runs from x 0 to 15, the point from there to x 24 at mid-height.
    for (int y = 0; y < 30; ++y) {
        // Half-width of the point at this row: 0 at the top and bottom, 9 in the middle.
        const int fromMiddle = y < 15 ? 14 - y : y - 15;
        const int reach = 15 + (9 * (14 - fromMiddle)) / 14;
        image.setPixel(0, y, kBlack);
        if (reach < 25)
            image.setPixel(reach, y, kBlack);
        for (int x = reach + 1; x < 25; ++x)
            image.setPixel(x, y, kWhite);
    }
    FillRect(image, 0, 0, 16, 1, kBlack);
    FillRect(image, 0, 29, 16, 1, kBlack);
    DrawPattern(image, 4, 8, kFive, 14, kBlack);
    return image;
}

} // namespace

QImage FormBitmap(int bitmap)
{
    switch (bitmap) {
    case BitmapQuebecFlag:
        return QuebecFlag();
    case BitmapFuelTag:
        return FuelTag();
    default:
        return QImage();
    }
}
