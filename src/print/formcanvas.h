#pragma once

#include <QString>

#include <vector>

// A point of a return form, in form units: 790 across the drawing rectangle, the same
// scale downward, origin at its top-left corner.
struct FormPoint {
    int x = 0;
    int y = 0;
    bool operator==(const FormPoint &o) const { return x == o.x && y == o.y; }
};

// Ends a point list; drawing stops at the first point whose x is -1.
constexpr FormPoint kFormPointsEnd{-1, -1};
using FormPoints = std::vector<FormPoint>;

// Style bits of the form texts.
enum FormTextStyle { FormPlain = 0, FormBold = 1, FormItalic = 2, FormUpward = 4 };

// Text alignment of the form texts: which point of the text sits on (x, y).
enum FormAlign { AlignLeftBottom = 8, AlignRightBottom = 10, AlignCentreBottom = 14 };

// The two pictures of the Quebec form.
enum FormBitmapId { BitmapQuebecFlag = 134, BitmapFuelTag = 135 };

// The drawing primitives of the return forms. Every coordinate is in form units; sizes
// are factors of the page's reference font height. The printer's implementation is a
// QPainter (PainterFormCanvas); tests record the calls.
class FormCanvas
{
public:
    virtual ~FormCanvas() = default;

    // False on a device that is not a printer (or its preview, or a PDF): the forms then
    // draw nothing.
    virtual bool isPrinting() const = 0;

    // Text with style bits (bold, italic, upward), then the font goes back to normal
    // weight, upright and black.
    virtual void DrawFormText(int x, int y, const QString &text, int style, double size,
                              int align) = 0;
    // Text in the reference font's current weight, slant and direction and the current
    // colour.
    virtual void DrawFormPlainText(int x, int y, const QString &text, double size, int align) = 0;
    // Word-wrapped text inside the rectangle, from its top-left corner, not clipped.
    virtual void DrawFormParagraph(int x1, int y1, int x2, int y2, const QString &text, int style,
                                   double size, int align) = 0;
    // Segments between consecutive points, up to the first point with x -1; navy lines of
    // 2 + extraWidth device units. An empty list draws nothing.
    virtual void DrawFormPolyline(const FormPoints &points, int extraWidth) = 0;
    // Outline of the rectangle, as four lines of the polyline's pen.
    virtual void DrawFormBox(int x1, int y1, int x2, int y2, int extraWidth) = 0;
    // One of the form pictures stretched into the rectangle.
    virtual void DrawFormBitmap(int x1, int y1, int x2, int y2, int bitmap) = 0;

    // Navy text in the page's printing font, right end and top at the top-right corner of
    // the drawing rectangle (the form's page label).
    virtual void DrawPageLabel(const QString &text) = 0;
    // Black text in the printing font, right end and bottom at the bottom-right corner of
    // the drawing rectangle (the Quebec form's footnote).
    virtual void DrawCornerNote(const QString &text) = 0;
};
