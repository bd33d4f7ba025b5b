// The Quebec return form on a recording canvas: its French texts exactly (accents, "•",
// "–" and "÷"), the emblem and the tag, the form number of landscape pages and the
// footnotes placed from the totals block in both orientations.

#include "print/quebecform.h"
#include "print/formpoints.h"
#include "printfixtures.h"
#include "recordingcanvas.h"

#include <gtest/gtest.h>

namespace {

// The call drawing `text` (UTF-8), or a call with an empty text.
CanvasCall Find(const RecordingCanvas &canvas, const char *text)
{
    const std::vector<CanvasCall> found = canvas.texts(QString::fromUtf8(text));
    return found.empty() ? CanvasCall{} : found.front();
}

void ExpectAt(const RecordingCanvas &canvas, const char *text, int x, int y, double size,
              int style = 0, int align = 8)
{
    const CanvasCall c = Find(canvas, text);
    EXPECT_EQ(c.text, QString::fromUtf8(text));
    EXPECT_EQ(c.x, x) << text;
    EXPECT_EQ(c.y, y) << text;
    EXPECT_EQ(c.size, size) << text;
    EXPECT_EQ(c.style, style) << text;
    EXPECT_EQ(c.align, align) << text;
}

RecordingCanvas PrintPage(const PrintFixture &f, PrintState &state, int page)
{
    RecordingCanvas canvas;
    PrintQuebecForm(canvas, *f.doc, f.report, state, page);
    return canvas;
}

TEST(QuebecForm, Header)
{
    PrintFixture f = MakeReportDoc(3, "Canada", "QC");
    PrintState state = FormState(32);
    const RecordingCanvas canvas = PrintPage(f, state, 1);
    ExpectAt(canvas, "Revenu", 18, 27, 1.2, FormBold | FormItalic);
    ExpectAt(canvas, "Québec", 34, 45, 1.8, FormBold | FormItalic);
    ExpectAt(canvas, "Numéro IFTA", 24, 100, 0.64, FormItalic);
    ExpectAt(canvas, "Nom", 115, 100, 0.64, FormItalic);
    ExpectAt(canvas, " 3 - Calcul de la taxe à payer selon le carburant utilisé", 248, 40, 1.3,
             FormBold);
    ExpectAt(canvas, "CAZ-510", 773, 40, 0.8, 0, 10);
    ExpectAt(canvas, "2004-12", 773, 50, 0.8, 0, 10);
    ExpectAt(canvas, "Carburant utilisé", 492, 75, 0.7);
    ExpectAt(canvas, "1         Mazout(Diesel)", 495, 90, 0.6);
    ExpectAt(canvas, "3         Éthanol", 495, 100, 0.6);
    ExpectAt(canvas, "4         Gaz propane", 567, 100, 0.6);
    ExpectAt(canvas, "• Gaz naturel comprimé (GNC)", 682, 86, 0.55);
    ExpectAt(canvas, "• Gaz naturel liquéfié (GNL)", 682, 95, 0.55);
    ExpectAt(canvas, "• Gazohol • Méthanol", 682, 104, 0.55);
    ExpectAt(canvas, "• E-85 • M-85 • A-55", 682, 113, 0.55);

    // "Partie " and the agreement's name take the reference font as it is.
    const std::vector<CanvasCall> plain = canvas.ofKind(CanvasCall::PlainText);
    ASSERT_EQ(plain.size(), 4u);
    EXPECT_EQ(plain[0].text, "Partie ");
    EXPECT_EQ(plain[0].x, 210);
    EXPECT_EQ(plain[0].size, 1.0);
    EXPECT_EQ(
        plain[1].text,
        QString::fromUtf8("Entente internationale concernant la taxe sur les carburants – IFTA"));
    EXPECT_EQ(plain[1].y, 52);
    EXPECT_EQ(plain[1].size, 0.85);
    EXPECT_EQ(plain[2].text, "1234567890QC");
    EXPECT_EQ(plain[3].text, QString::fromUtf8("Transport Boréal inc."));

    const std::vector<CanvasCall> paragraphs = canvas.ofKind(CanvasCall::Paragraph);
    ASSERT_EQ(paragraphs.size(), 1u);
    EXPECT_EQ(paragraphs[0].x, 18);
    EXPECT_EQ(paragraphs[0].y, 60);
    EXPECT_EQ(paragraphs[0].x2, 480);
    EXPECT_EQ(paragraphs[0].y2, 88);
    EXPECT_EQ(paragraphs[0].size, 0.6);
    EXPECT_TRUE(paragraphs[0].text.startsWith(QString::fromUtf8(
        "Veuillez remplir un exemplaire de cette partie (utilisez des feuilles additionnelles")));
    EXPECT_TRUE(paragraphs[0].text.contains(QString::fromUtf8(
        "doivent être converties en kilomètres et en litres avant d'être utilisées")));
    EXPECT_TRUE(paragraphs[0].text.endsWith(
        QString::fromUtf8("1 gallon US = 3,7850 litres ; 1 mille = 1,6093 kilomètre.")));

    const std::vector<CanvasCall> bitmaps = canvas.ofKind(CanvasCall::Bitmap);
    ASSERT_EQ(bitmaps.size(), 2u);
    EXPECT_EQ(bitmaps[0].bitmap, 134);
    EXPECT_EQ(bitmaps[0].x, 116);
    EXPECT_EQ(bitmaps[0].y, 26);
    EXPECT_EQ(bitmaps[0].x2, 143);
    EXPECT_EQ(bitmaps[0].y2, 45);
    EXPECT_EQ(bitmaps[1].bitmap, 135);
    EXPECT_EQ(bitmaps[1].x, 654);
    EXPECT_EQ(bitmaps[1].y2, 110);
    EXPECT_EQ(Find(canvas, "X").x, 505);
}

TEST(QuebecForm, LandscapeTotalsAndFootnotes)
{
    PrintFixture f = MakeReportDoc(3, "Canada", "QC");
    PrintState state = FormState(16, 2);
    const RecordingCanvas canvas = PrintPage(f, state, 1);
    const std::vector<CanvasCall> labels = canvas.ofKind(CanvasCall::PageLabel);
    ASSERT_EQ(labels.size(), 1u);
    EXPECT_EQ(labels[0].text, "MR-080-230605");

    // 16 slots: the totals block spans 485 to 565, the note starts at 525, the
    // definitions at 580 and "Ministère du Revenu" sits at 600.
    ExpectAt(canvas, "Total (États ou provinces membres)", 20, 497, 0.64);
    ExpectAt(canvas, "(reportez le nombre de la colonne H à la case B)", 20, 533, 0.55);
    ExpectAt(canvas, "de la colonne L à la case D)", 20, 562, 0.64);
    EXPECT_EQ(canvas.textAt(220, 502), "2190");
    EXPECT_EQ(canvas.textAt(168, 505), "=");
    ExpectAt(canvas, "Note :", 575, 525, 0.64, FormBold);
    ExpectAt(canvas, "Le montant total de la colonne Q doit être reporté à la ligne", 598, 525,
             0.53);
    ExpectAt(canvas, "carburant.", 598, 541, 0.53);
    ExpectAt(canvas, "Veuillez joindre la partie 3 à la partie 1.", 575, 549, 0.6, FormBold);
    ExpectAt(canvas, "Définitions : ", 18, 580, 0.64, FormBold);
    ExpectAt(canvas, "• On entend par État tout État américain ainsi que le District de Columbia.",
             60, 580, 0.64);
    ExpectAt(canvas,
             "• On entend par province toute province du Canada, le Territoire du Yukon, le "
             "Territoire du Nunavut et les Territoires du Nord-Ouest.",
             60, 588, 0.64);
    ExpectAt(canvas, "Ministère du Revenu", 18, 600, 0.7);
    const std::vector<CanvasCall> corner = canvas.ofKind(CanvasCall::CornerNote);
    ASSERT_EQ(corner.size(), 1u);
    EXPECT_EQ(corner[0].text, QString::fromUtf8("Formulaire prescrit – Sous-ministre du Revenu"));
    EXPECT_EQ(QuebecFormBottom(16), 600);
}

TEST(QuebecForm, PortraitFootnotesAndFormNumber)
{
    PrintFixture f = MakeReportDoc(3, "Canada", "QC");
    PrintState state = FormState(32);
    RecordingCanvas canvas = PrintPage(f, state, 1);
    EXPECT_TRUE(canvas.ofKind(CanvasCall::PageLabel).empty());
    ExpectAt(canvas, "Définitions : ", 18, 836, 0.64, FormBold);
    ExpectAt(canvas, "Ministère du Revenu", 18, 856, 0.7);

    // Once a landscape page was set up the mark stays: a later portrait page still shows
    // the form number.
    state.setup.landscape = 2;
    canvas = PrintPage(f, state, 1);
    EXPECT_EQ(canvas.ofKind(CanvasCall::PageLabel).size(), 1u);
}

TEST(QuebecForm, NothingOnADeviceThatIsNotAPrinter)
{
    PrintFixture f = MakeReportDoc(3, "Canada", "QC");
    PrintState state = FormState(16, 2);
    RecordingCanvas canvas(false);
    PrintQuebecForm(canvas, *f.doc, f.report, state, 1);
    EXPECT_TRUE(canvas.calls.empty());
}

} // namespace
