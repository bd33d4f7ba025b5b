#include "print/pagesetup.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>

namespace {

// What differs between the two set-ups.
struct SetUpConstants {
    double printingDigits;  // digits across the page in the printing font
    double referenceDigits; // digits across the page in the reference font
    int marginDivisorX;
    int marginDivisorY;
};

constexpr SetUpConstants kListing{100.0, 100.0, 20, 30};
constexpr SetUpConstants kForm{150.0, 126.0, 200, 300};

// Form units across the drawing rectangle.
constexpr double kFormUnitsAcross = 790.0;

// Stores the extents of "0123456789" and "01234" in the font.
void MeasureDigits(const QFont &font, const QPaintDevice *device, PrintSetup &setup)
{
    const QFontMetrics metrics(font, const_cast<QPaintDevice *>(device));
    setup.tenDigitWidth = metrics.horizontalAdvance(QStringLiteral("0123456789"));
    setup.lineHeight = metrics.height();
    setup.fiveDigitWidth = metrics.horizontalAdvance(QStringLiteral("01234"));
    setup.fiveDigitHeight = metrics.height();
}

// How many digits of the measured font go across the page.
double DigitsAcross(const PrintSetup &setup)
{
    return 5.0 * (static_cast<double>(setup.pageWidth) / std::max(1, setup.fiveDigitWidth));
}

} // namespace

QFont CreatePrintFont(const ReferenceFont &description, const QPaintDevice *device)
{
    QFont font;
    font.setFamilies(
        {QStringLiteral("Arial"), QStringLiteral("Helvetica"), QStringLiteral("Liberation Sans")});
    // Outline fonts, and no ligatures: every character of a form text prints as itself.
    font.setStyleHint(QFont::SansSerif);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::PreferOutline | QFont::PreferNoShaping));
    font.setFixedPitch(false);
    font.setWeight(static_cast<QFont::Weight>(description.weight));
    font.setItalic(description.italic);
    font.setUnderline(false);
    font.setKerning(false);

    const int height = std::max(1, description.height);
    font.setPixelSize(height);
    // A printer font is asked for by its cell height, Qt's by its em: scale the em so the
    // cell comes out at the height asked for.
    const QFontMetricsF metrics(font, const_cast<QPaintDevice *>(device));
    if (metrics.height() > 0.0) {
        const double em = height * height / metrics.height();
        font.setPixelSize(std::max(1, static_cast<int>(em + 0.5)));
    }
    return font;
}

QFont SetUpPage(const QPaintDevice *device, const QFont &current, PageKind kind, PrintInfo &info,
                PrintState &state)
{
    const SetUpConstants &k = kind == PageKind::Listing ? kListing : kForm;
    PrintSetup &setup = state.setup;

    setup.pageWidth = device->width();
    setup.pageHeight = device->height();
    if (setup.pageHeight < setup.pageWidth)
        setup.landscape = 2;

    MeasureDigits(current, device, setup);
    state.referenceFont = ReferenceFont{};
    state.referenceFont.height =
        static_cast<int>(setup.lineHeight * DigitsAcross(setup) / k.printingDigits);
    const QFont printing = CreatePrintFont(state.referenceFont, device);

    MeasureDigits(printing, device, setup);
    state.referenceFont.height =
        static_cast<int>(setup.lineHeight * DigitsAcross(setup) / k.referenceDigits);

    const QRect page = info.drawRect;
    const int marginX = page.width() / k.marginDivisorX;
    const int marginY = page.height() / k.marginDivisorY;
    info.drawRect = QRect(page.left() + marginX, page.top() + marginY, page.width() - 2 * marginX,
                          page.height() - 2 * marginY);

    setup.drawLeft = info.drawRect.left();
    setup.drawTop = info.drawRect.top();
    setup.pageWidth = info.drawRect.width();
    setup.pageHeight = info.drawRect.height();
    setup.scaleX = setup.pageWidth / kFormUnitsAcross;
    // The forms are scaled alike on both axes.
    setup.scaleY = setup.scaleX;
    return printing;
}

void SetUpListingPage(QPainter &painter, PrintInfo &info, PrintState &state)
{
    painter.setFont(SetUpPage(painter.device(), painter.font(), PageKind::Listing, info, state));
}

void SetUpFormPage(QPainter &painter, PrintInfo &info, PrintState &state)
{
    painter.setFont(SetUpPage(painter.device(), painter.font(), PageKind::Form, info, state));
}

void FitFormToPage(PrintState &state, int formBottom)
{
    PrintSetup &setup = state.setup;
    if (formBottom <= 0 || setup.scaleY <= 0.0)
        return;
    const double needed = formBottom * setup.scaleY;
    if (needed <= setup.pageHeight)
        return;
    const double factor = setup.pageHeight / needed;
    setup.scaleX *= factor;
    setup.scaleY = setup.scaleX;
    state.referenceFont.height = static_cast<int>(state.referenceFont.height * factor);
}
