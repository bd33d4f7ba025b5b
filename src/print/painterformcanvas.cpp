#include "print/painterformcanvas.h"

#include "print/formbitmaps.h"
#include "print/pagesetup.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <QTransform>

namespace {

const QColor kNavy(0, 0, 128);

// Horizontal and vertical parts of the text-alignment flags.
constexpr int kAlignHorizontalMask = 6; // 0 left, 2 right, 6 centre
constexpr int kAlignRight = 2;
constexpr int kAlignCentre = 6;
constexpr int kAlignVerticalMask = 24; // 0 top, 8 bottom, 24 baseline
constexpr int kAlignBottom = 8;
constexpr int kAlignBaseline = 24;
constexpr int kAlignTopRight = kAlignRight;
constexpr int kAlignBottomRight = kAlignBottom | kAlignRight;

} // namespace

std::vector<FormDrawnText> TextsCrossedByFrames(const std::vector<FormDrawnText> &texts,
                                                const std::vector<QLineF> &segments, double margin)
{
    // The form's own extent: no text may run past its outermost lines either.
    QRectF frame;
    for (const QLineF &line : segments)
        frame = frame.isNull() ? QRectF(line.p1(), line.p2()).normalized()
                               : frame.united(QRectF(line.p1(), line.p2()).normalized());
    std::vector<FormDrawnText> crossed;
    for (const FormDrawnText &text : texts) {
        const QRectF inner = text.rect.adjusted(margin, margin, -margin, -margin);
        if (inner.isEmpty())
            continue;
        if (inner.left() < frame.left() || inner.right() > frame.right()) {
            crossed.push_back(text);
            continue;
        }
        for (const QLineF &line : segments) {
            const QRectF span = QRectF(line.p1(), line.p2()).normalized();
            // The form's frames are horizontal and vertical lines.
            const bool horizontal = span.height() < 1.0;
            const bool hits = horizontal
                                  ? span.top() > inner.top() && span.top() < inner.bottom() &&
                                        span.left() < inner.right() && span.right() > inner.left()
                                  : span.left() > inner.left() && span.left() < inner.right() &&
                                        span.top() < inner.bottom() && span.bottom() > inner.top();
            if (hits) {
                crossed.push_back(text);
                break;
            }
        }
    }
    return crossed;
}

std::vector<FormDrawnText> TextsOverlappingTexts(const std::vector<FormDrawnText> &texts,
                                                 double margin)
{
    std::vector<bool> overlaps(texts.size(), false);
    for (size_t i = 0; i < texts.size(); ++i) {
        const QRectF a = texts[i].rect.adjusted(margin, margin, -margin, -margin);
        for (size_t j = i + 1; j < texts.size() && !a.isEmpty(); ++j) {
            const QRectF b = texts[j].rect.adjusted(margin, margin, -margin, -margin);
            if (!b.isEmpty() && a.intersects(b))
                overlaps[i] = overlaps[j] = true;
        }
    }
    std::vector<FormDrawnText> found;
    for (size_t i = 0; i < texts.size(); ++i)
        if (overlaps[i])
            found.push_back(texts[i]);
    return found;
}

PainterFormCanvas::PainterFormCanvas(QPainter &painter, PrintState &state,
                                     const QFont &printingFont, const QRect &drawRect,
                                     bool printing)
    : painter_(painter)
    , state_(state)
    , printingFont_(printingFont)
    , drawRect_(drawRect)
    , printing_(printing)
    , textColour_(Qt::black)
{
}

QPoint PainterFormCanvas::toDevice(int x, int y) const
{
    const PrintSetup &s = state_.setup;
    return QPoint(static_cast<int>(x * s.scaleX) + s.drawLeft,
                  static_cast<int>(y * s.scaleY) + s.drawTop);
}

void PainterFormCanvas::addBounds(const QRectF &rect)
{
    bounds_ = bounds_.isNull() ? rect : bounds_.united(rect);
}

void PainterFormCanvas::drawAligned(const QFont &font, const QPoint &at, const QString &text,
                                    int align, bool upward, bool formText)
{
    const QFontMetricsF metrics(font, painter_.device());
    const double width = metrics.horizontalAdvance(text);
    double left = 0.0;
    if ((align & kAlignHorizontalMask) == kAlignCentre)
        left = -width / 2.0;
    else if ((align & kAlignHorizontalMask) == kAlignRight)
        left = -width;
    double baseline = metrics.ascent(); // top
    if ((align & kAlignVerticalMask) == kAlignBaseline)
        baseline = 0.0;
    else if ((align & kAlignVerticalMask) == kAlignBottom)
        baseline = -metrics.descent();

    QTransform transform = QTransform::fromTranslate(at.x(), at.y());
    if (upward)
        transform.rotate(-90.0);
    painter_.save();
    painter_.setTransform(transform, true);
    painter_.setFont(font);
    painter_.setPen(textColour_);
    painter_.drawText(QPointF(left, baseline), text);
    painter_.restore();
    addBounds(transform.mapRect(
        QRectF(left, baseline - metrics.ascent(), width, metrics.ascent() + metrics.descent())));
    // Each word by its ink: the blanks inside a text leave room for a check box or a sign
    // between boxes on purpose.
    for (int i = 0; formText && i < text.size();) {
        if (text[i].isSpace()) {
            ++i;
            continue;
        }
        int end = i;
        while (end < text.size() && !text[end].isSpace())
            ++end;
        const QString word = text.mid(i, end - i);
        const QRectF ink = metrics.tightBoundingRect(word).translated(
            left + metrics.horizontalAdvance(text.left(i)), baseline);
        texts_.push_back({transform.mapRect(ink), word});
        i = end;
    }
}

void PainterFormCanvas::DrawFormText(int x, int y, const QString &text, int style, double size,
                                     int align)
{
    ReferenceFont &ref = state_.referenceFont;
    const int height = ref.height;
    ref.height = static_cast<int>(height * size);
    if (style & FormBold)
        ref.weight = 700;
    if (style & FormItalic)
        ref.italic = true;
    if (style & FormUpward)
        ref.escapement = 900;
    const QFont font = CreatePrintFont(ref, painter_.device());
    drawAligned(font, toDevice(x, y), text, align, ref.escapement == 900);
    ref.height = height;
    ref.weight = 400;
    ref.italic = false;
    ref.escapement = 0;
    textColour_ = Qt::black;
}

void PainterFormCanvas::DrawFormPlainText(int x, int y, const QString &text, double size, int align)
{
    ReferenceFont &ref = state_.referenceFont;
    const int height = ref.height;
    ref.height = static_cast<int>(height * size);
    const QFont font = CreatePrintFont(ref, painter_.device());
    ref.height = height;
    drawAligned(font, toDevice(x, y), text, align, ref.escapement == 900);
}

void PainterFormCanvas::DrawFormParagraph(int x1, int y1, int x2, int y2, const QString &text,
                                          int style, double size, int /*align*/)
{
    // A paragraph always flows from the rectangle's top-left corner: the text alignment
    // of the single-line texts has no say in word-wrapped drawing.
    ReferenceFont &ref = state_.referenceFont;
    const int height = ref.height;
    ref.height = static_cast<int>(height * size);
    if (style & FormBold)
        ref.weight = 700;
    if (style & FormItalic)
        ref.italic = true;
    ref.escapement = 0;
    const QFont font = CreatePrintFont(ref, painter_.device());
    textColour_ = Qt::black;

    const QRect rect(toDevice(x1, y1), toDevice(x2, y2));
    const int flags =
        Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextExpandTabs | Qt::TextDontClip;
    painter_.save();
    painter_.setFont(font);
    painter_.setPen(textColour_);
    QRect used;
    painter_.drawText(rect, flags, text, &used);
    painter_.restore();
    addBounds(used);
    texts_.push_back({QRectF(used), text});

    ref.height = height;
    ref.weight = 400;
    ref.italic = false;
    ref.escapement = 0;
}

void PainterFormCanvas::drawSegment(const QPoint &from, const QPoint &to, int extraWidth)
{
    const int width = extraWidth + 2;
    QPen pen(kNavy, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter_.save();
    painter_.setPen(pen);
    painter_.drawLine(from, to);
    painter_.restore();
    const double half = width / 2.0;
    addBounds(QRectF(QPointF(from), QPointF(to)).normalized().adjusted(-half, -half, half, half));
    segments_.push_back(QLineF(from, to));
}

void PainterFormCanvas::DrawFormPolyline(const FormPoints &points, int extraWidth)
{
    for (size_t i = 0; i + 1 < points.size(); ++i) {
        if (points[i].x == -1 || points[i + 1].x == -1)
            break;
        drawSegment(toDevice(points[i].x, points[i].y), toDevice(points[i + 1].x, points[i + 1].y),
                    extraWidth);
    }
}

void PainterFormCanvas::DrawFormBox(int x1, int y1, int x2, int y2, int extraWidth)
{
    DrawFormPolyline({{x1, y1}, {x2, y1}, {x2, y2}, {x1, y2}, {x1, y1}, kFormPointsEnd},
                     extraWidth);
}

void PainterFormCanvas::DrawFormBitmap(int x1, int y1, int x2, int y2, int bitmap)
{
    const QImage image = FormBitmap(bitmap);
    if (image.isNull())
        return;
    const QPoint topLeft = toDevice(x1, y1);
    const QPoint bottomRight = toDevice(x2, y2);
    const QRect target(topLeft.x(), topLeft.y(), bottomRight.x() - topLeft.x(),
                       bottomRight.y() - topLeft.y());
    painter_.save();
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter_.drawImage(target, image);
    painter_.restore();
    addBounds(target);
}

void PainterFormCanvas::DrawPageLabel(const QString &text)
{
    textColour_ = kNavy;
    drawAligned(printingFont_, QPoint(drawRect_.x() + drawRect_.width(), drawRect_.y()), text,
                kAlignTopRight, false, false);
    textColour_ = Qt::black;
}

void PainterFormCanvas::DrawCornerNote(const QString &text)
{
    textColour_ = Qt::black;
    drawAligned(printingFont_,
                QPoint(drawRect_.x() + drawRect_.width(), drawRect_.y() + drawRect_.height()), text,
                kAlignBottomRight, false, false);
}
