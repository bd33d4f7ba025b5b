#pragma once

// A form canvas that draws nothing and logs every primitive call with its form
// coordinates, so a test can check what a form page draws and where.

#include "print/formcanvas.h"

#include <QString>
#include <QStringList>

#include <vector>

struct CanvasCall {
    enum Kind { Text, PlainText, Paragraph, Polyline, Box, Bitmap, PageLabel, CornerNote };
    Kind kind = Text;
    int x = 0;
    int y = 0;
    int x2 = 0;
    int y2 = 0;
    QString text;
    int style = 0;
    double size = 0.0;
    int align = 0;
    FormPoints points;
    int extraWidth = 0;
    int bitmap = 0;
};

inline CanvasCall MakeCall(CanvasCall::Kind kind, int x = 0, int y = 0, int x2 = 0, int y2 = 0)
{
    CanvasCall c;
    c.kind = kind;
    c.x = x;
    c.y = y;
    c.x2 = x2;
    c.y2 = y2;
    return c;
}

class RecordingCanvas : public FormCanvas
{
public:
    explicit RecordingCanvas(bool printing = true) : printing_(printing) {}

    bool isPrinting() const override { return printing_; }
    void DrawFormText(int x, int y, const QString &text, int style, double size, int align) override
    {
        CanvasCall c = MakeCall(CanvasCall::Text, x, y);
        c.text = text;
        c.style = style;
        c.size = size;
        c.align = align;
        calls.push_back(c);
    }
    void DrawFormPlainText(int x, int y, const QString &text, double size, int align) override
    {
        CanvasCall c = MakeCall(CanvasCall::PlainText, x, y);
        c.text = text;
        c.size = size;
        c.align = align;
        calls.push_back(c);
    }
    void DrawFormParagraph(int x1, int y1, int x2, int y2, const QString &text, int style,
                           double size, int align) override
    {
        CanvasCall c = MakeCall(CanvasCall::Paragraph, x1, y1, x2, y2);
        c.text = text;
        c.style = style;
        c.size = size;
        c.align = align;
        calls.push_back(c);
    }
    void DrawFormPolyline(const FormPoints &points, int extraWidth) override
    {
        CanvasCall c = MakeCall(CanvasCall::Polyline);
        c.points = points;
        c.extraWidth = extraWidth;
        calls.push_back(c);
    }
    void DrawFormBox(int x1, int y1, int x2, int y2, int extraWidth) override
    {
        CanvasCall c = MakeCall(CanvasCall::Box, x1, y1, x2, y2);
        c.extraWidth = extraWidth;
        calls.push_back(c);
    }
    void DrawFormBitmap(int x1, int y1, int x2, int y2, int bitmap) override
    {
        CanvasCall c = MakeCall(CanvasCall::Bitmap, x1, y1, x2, y2);
        c.bitmap = bitmap;
        calls.push_back(c);
    }
    void DrawPageLabel(const QString &text) override
    {
        CanvasCall c = MakeCall(CanvasCall::PageLabel);
        c.text = text;
        calls.push_back(c);
    }
    void DrawCornerNote(const QString &text) override
    {
        CanvasCall c = MakeCall(CanvasCall::CornerNote);
        c.text = text;
        calls.push_back(c);
    }

    // Every text call (DrawFormText or DrawFormPlainText) with this text.
    std::vector<CanvasCall> texts(const QString &text) const
    {
        std::vector<CanvasCall> found;
        for (const CanvasCall &c : calls)
            if ((c.kind == CanvasCall::Text || c.kind == CanvasCall::PlainText) && c.text == text)
                found.push_back(c);
        return found;
    }
    // The text drawn at (x, y), or empty.
    QString textAt(int x, int y) const
    {
        for (const CanvasCall &c : calls)
            if ((c.kind == CanvasCall::Text || c.kind == CanvasCall::PlainText) && c.x == x &&
                c.y == y)
                return c.text;
        return {};
    }
    std::vector<CanvasCall> ofKind(CanvasCall::Kind kind) const
    {
        std::vector<CanvasCall> found;
        for (const CanvasCall &c : calls)
            if (c.kind == kind)
                found.push_back(c);
        return found;
    }

    // Every call as one line of text, in drawing order: what a golden file of a page
    // holds. Texts are quoted, sizes to two places.
    QString dump() const
    {
        static const char *const kKinds[] = {"text", "plain",  "paragraph", "polyline",
                                             "box",  "bitmap", "pagelabel", "cornernote"};
        QStringList lines;
        for (const CanvasCall &c : calls) {
            QString line = QString::fromLatin1(kKinds[c.kind]);
            switch (c.kind) {
            case CanvasCall::Text:
            case CanvasCall::PlainText:
                line += QString(" %1,%2 size %3 style %4 align %5 \"%6\"")
                            .arg(c.x)
                            .arg(c.y)
                            .arg(c.size, 0, 'f', 2)
                            .arg(c.style)
                            .arg(c.align)
                            .arg(c.text);
                break;
            case CanvasCall::Paragraph:
                line += QString(" %1,%2-%3,%4 size %5 style %6 align %7 \"%8\"")
                            .arg(c.x)
                            .arg(c.y)
                            .arg(c.x2)
                            .arg(c.y2)
                            .arg(c.size, 0, 'f', 2)
                            .arg(c.style)
                            .arg(c.align)
                            .arg(c.text);
                break;
            case CanvasCall::Polyline:
                line += QString(" +%1").arg(c.extraWidth);
                for (const FormPoint &p : c.points)
                    line += QString(" %1,%2").arg(p.x).arg(p.y);
                break;
            case CanvasCall::Box:
            case CanvasCall::Bitmap:
                line += QString(" %1,%2-%3,%4 %5")
                            .arg(c.x)
                            .arg(c.y)
                            .arg(c.x2)
                            .arg(c.y2)
                            .arg(c.kind == CanvasCall::Box ? c.extraWidth : c.bitmap);
                break;
            case CanvasCall::PageLabel:
            case CanvasCall::CornerNote:
                line += QString(" \"%1\"").arg(c.text);
                break;
            }
            lines << line;
        }
        return lines.join('\n') + '\n';
    }

    std::vector<CanvasCall> calls;

private:
    bool printing_;
};
