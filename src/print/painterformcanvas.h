#pragma once

#include "print/formcanvas.h"
#include "print/printsetup.h"

#include <QColor>
#include <QFont>
#include <QRectF>

#include <QLineF>

#include <vector>

class QPainter;

// A text of a form page as it was drawn: its device rectangle and the text. A line of
// text is kept word by word, each by the rectangle of its ink; a paragraph as one.
struct FormDrawnText {
    QRectF rect;
    QString text;
};

// The texts whose rectangle a frame line crosses: a line that passes through a text's
// inner part (its rectangle less `margin` device units on each side), as the top of a
// box striking through a line of text or a text running past a box's side would; and
// the texts that run past the form's outermost lines at the left or right.
std::vector<FormDrawnText> TextsCrossedByFrames(const std::vector<FormDrawnText> &texts,
                                                const std::vector<QLineF> &segments, double margin);

// The texts whose ink overlaps another text's by more than `margin` device units each
// way, as a box's letter printed over the first word of its title would; each such text
// once, in drawing order.
std::vector<FormDrawnText> TextsOverlappingTexts(const std::vector<FormDrawnText> &texts,
                                                 double margin);

// The form primitives on a QPainter (a printer, its preview or a PDF), after the page's
// set-up: form points go to device point (trunc(x * scaleX) + drawLeft,
// trunc(y * scaleY) + drawTop). Fonts are made from the state's reference font for each
// text and dropped after it. Also keeps the bounds of everything drawn, in device units,
// so a page can be checked against its printable rectangle.
class PainterFormCanvas : public FormCanvas
{
public:
    // `printingFont` is the page's printing font; `drawRect` the drawing rectangle.
    PainterFormCanvas(QPainter &painter, PrintState &state, const QFont &printingFont,
                      const QRect &drawRect, bool printing = true);

    bool isPrinting() const override { return printing_; }
    void DrawFormText(int x, int y, const QString &text, int style, double size,
                      int align) override;
    void DrawFormPlainText(int x, int y, const QString &text, double size, int align) override;
    void DrawFormParagraph(int x1, int y1, int x2, int y2, const QString &text, int style,
                           double size, int align) override;
    void DrawFormPolyline(const FormPoints &points, int extraWidth) override;
    void DrawFormBox(int x1, int y1, int x2, int y2, int extraWidth) override;
    void DrawFormBitmap(int x1, int y1, int x2, int y2, int bitmap) override;
    void DrawPageLabel(const QString &text) override;
    void DrawCornerNote(const QString &text) override;

    // Device rectangle that holds everything drawn so far (empty before the first draw).
    QRectF drawnBounds() const { return bounds_; }
    // Every word drawn (a paragraph as one text) with its device rectangle, and every line
    // segment drawn, so that a page can be checked for texts that cross its frames.
    const std::vector<FormDrawnText> &drawnTexts() const { return texts_; }
    const std::vector<QLineF> &drawnSegments() const { return segments_; }

private:
    QPoint toDevice(int x, int y) const;
    // Draws the text with the font's alignment point at the device point, turned upward
    // when `upward`; the colour is the current text colour. `formText` false: a page
    // label or corner note, outside the form's frames.
    void drawAligned(const QFont &font, const QPoint &at, const QString &text, int align,
                     bool upward, bool formText = true);
    void drawSegment(const QPoint &from, const QPoint &to, int extraWidth);
    void addBounds(const QRectF &rect);

    QPainter &painter_;
    PrintState &state_;
    QFont printingFont_;
    QRect drawRect_;
    bool printing_;
    QColor textColour_;
    QRectF bounds_;
    std::vector<FormDrawnText> texts_;
    std::vector<QLineF> segments_;
};
