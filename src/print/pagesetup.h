#pragma once

#include "print/printsetup.h"

#include <QFont>

class QPaintDevice;
class QPainter;

// The font a description asks for on the device: a variable-pitch sans serif (Arial's
// metrics where the system has them) whose cell height, ascent plus descent, is the
// description's height in the device's pixels.
QFont CreatePrintFont(const ReferenceFont &font, const QPaintDevice *device);

// Which of the two page set-ups a page gets.
enum class PageKind { Listing, Form };

// Sets up one page on the device: measures the digits, makes the printing font (about
// 100 digits across a listing page, 150 across a form) and the reference font of the form
// texts (126 digits across), takes the margins off `info.drawRect` and sets the drawing
// rectangle and the 790-unit form scale in `state`. `current` is the font in use before the
// set-up. Returns the printing font.
QFont SetUpPage(const QPaintDevice *device, const QFont &current, PageKind kind, PrintInfo &info,
                PrintState &state);

// The set-ups of a listing page and of a form page on a painter: as SetUpPage from the
// painter's current font, and the printing font is selected into the painter.
void SetUpListingPage(QPainter &painter, PrintInfo &info, PrintState &state);
void SetUpFormPage(QPainter &painter, PrintInfo &info, PrintState &state);

// Shrinks the form scale (and the reference font with it) when a form reaching down to
// `formBottom` form units would run past the drawing rectangle's lower edge, so that
// nothing of the form leaves the printable page. A form that fits is left as it is.
void FitFormToPage(PrintState &state, int formBottom);
