#include "print/quebecform.h"

#include "print/englishform.h"
#include "print/formpoints.h"

namespace {

// A fixed text of the form, drawn with DrawFormText and alignment 8.
struct FixedText {
    const char *text;
    int x;
    int y;
    double size;
    int style;
};

template <size_t N>
void DrawTexts(FormCanvas &canvas, const FixedText (&texts)[N], int dy = 0)
{
    for (const FixedText &t : texts)
        canvas.DrawFormText(t.x, t.y + dy, QString::fromUtf8(t.text), t.style, t.size,
                            AlignLeftBottom);
}

const char kInstructions[] =
    "Veuillez remplir un exemplaire de cette partie (utilisez des feuilles additionnelles au "
    "besoin) pour chaque type de carburant et conservez-en une copie pour vos dossiers. "
    "Toutes les données que vous avez obtenues en milles et en gallons doivent être "
    "converties en kilomètres et en litres avant d'être utilisées pour vos calculs. Les taux "
    "de conversion sont les suivants: 1 gallon US = 3,7850 litres ; 1 mille = 1,6093 "
    "kilomètre.";

const FixedText kFuelTexts[] = {
    {"1         Mazout(Diesel)", 495, 90, 0.6, 0},
    {"2         Essence", 567, 90, 0.6, 0},
    {"4         Gaz propane", 567, 100, 0.6, 0},
    {"3         Éthanol", 495, 100, 0.6, 0},
    {"5         _________________________________", 495, 110, 0.6, 0},
    {"• Gaz naturel comprimé (GNC)", 682, 86, 0.55, 0},
    {"• Gaz naturel liquéfié (GNL)", 682, 95, 0.55, 0},
    {"• Gazohol • Méthanol", 682, 104, 0.55, 0},
    {"• E-85 • M-85 • A-55", 682, 113, 0.55, 0},
};

const FixedText kHeadings[] = {
    {"États ou provinces", 51, 201, 0.7, 0},
    {"membres", 64, 210, 0.7, 0},
    {"(au besoin, poursuivez", 46, 218, 0.7, 0},
    {"sur une feuille supplémentaire)", 33, 226, 0.67, 0},
    {"Kilomètres", 186, 201, 0.7, 0},
    {"parcourus", 187, 210, 0.7, 0},
    {"Kilomètres", 246, 201, 0.7, 0},
    {"taxables", 250, 210, 0.7, 0},
    {"Kilomètres", 298, 201, 0.64, 0},
    {"par litre", 301, 210, 0.7, 0},
    {"(J = E)", 302, 219, 0.7, 0},
    {"Litres de", 353, 201, 0.62, 0},
    {"carburant taxable", 341, 210, 0.54, 0},
    {"(I ÷ J)", 356, 219, 0.7, 0},
    {"Carburant acheté", 404, 201, 0.7, 0},
    {"au cours", 418, 210, 0.7, 0},
    {"de la période", 409, 218, 0.7, 0},
    {"(en litres)", 416, 226, 0.7, 0},
    {"Somme", 482, 201, 0.7, 0},
    {"partielle", 482, 210, 0.7, 0},
    {"(K – L)", 486, 219, 0.7, 0},
    {"Taux", 537, 201, 0.7, 0},
    {"de la taxe", 530, 210, 0.64, 0},
    {"Montant à payer", 577, 201, 0.64, 0},
    {"ou crédit", 588, 210, 0.7, 0},
    {"(M x N)", 592, 219, 0.7, 0},
    {"Intérêts", 656, 201, 0.7, 0},
    {"IFTA", 658, 210, 0.7, 0},
    {"(voyez le formulaire", 641, 218, 0.6, 0},
    {"CA-510.G)", 653, 226, 0.7, 0},
    {"Montant", 724, 201, 0.7, 0},
    {"total", 730, 210, 0.7, 0},
    {"(O + P)", 728, 219, 0.7, 0},
};

const FixedText kBoxTexts[] = {
    {"(A)", 84, 132, 0.7, 0},
    {"(B)", 238, 132, 0.7, 0},
    {"(C)", 388, 132, 0.7, 0},
    {"(D)", 560, 132, 0.7, 0},
    {"(E)", 724, 132, 0.7, 0},
    {"Total des kilomètres parcourus dans", 30, 140, 0.64, 0},
    {"des États ou des provinces membres", 30, 149, 0.6, 0},
    {"Total des kilomètres parcourus dans", 182, 140, 0.64, 0},
    {"des États ou des provinces non membres", 182, 149, 0.55, 0},
    {"Total des kilomètres parcourus", 342, 140, 0.64, 0},
    {"(A+B)", 384, 149, 0.7, 0},
    {"Nombre total de litres mis dans les véhicules admissibles", 479, 140, 0.64, 0},
    {"(dans tous les États et toutes les provinces membres ou non membres)", 472, 149, 0.52, 0},
    {"Nombre moyen de", 698, 140, 0.64, 0},
    {"kilomètres par litre (C ÷ D)", 688, 149, 0.62, 0},
    {"km   +", 148, 168, 0.7, 0},
    {"km   =", 298, 168, 0.7, 0},
    {"km   ÷", 440, 168, 0.7, 0},
    {"L    =", 663, 168, 0.7, 0},
    {"km/L", 750, 168, 0.7, 0},
};

// Offsets from the top of the totals block.
const FixedText kTotalsLabels[] = {
    {"Total (États ou provinces membres)", 20, 12, 0.64, 0},
    {"(reportez le total de la colonne H à la case A)", 20, 20, 0.64, 0},
    {"Total (États ou provinces non membres)", 20, 40, 0.64, 0},
    {"(reportez le nombre de la colonne H à la case B)", 20, 48, 0.55, 0},
    {"Total général (reportez le total général", 20, 61, 0.64, 0},
    {"de la colonne H à la case C et le total général", 20, 69, 0.64, 0},
    {"de la colonne L à la case D)", 20, 77, 0.64, 0},
};

// Offsets from the top of the totals block + 95.
const FixedText kDefinitions[] = {
    {"Définitions : ", 18, 0, 0.64, FormBold},
    {"• On entend par État tout État américain ainsi que le District de Columbia.", 60, 0, 0.64, 0},
    {"• On entend par province toute province du Canada, le Territoire du Yukon, le "
     "Territoire du Nunavut et les Territoires du Nord-Ouest.",
     60, 8, 0.64, 0},
    {"Ministère du Revenu", 18, 20, 0.7, 0},
};

// Offsets from the top of the totals block + 40, beside its one-line part.
const FixedText kNote[] = {
    {"Note :", 575, 0, 0.64, FormBold},
    {"Le montant total de la colonne Q doit être reporté à la ligne", 598, 0, 0.53, 0},
    {"de la déclaration (partie 1) qui correspond au même type de", 598, 8, 0.53, 0},
    {"carburant.", 598, 16, 0.53, 0},
    {"Veuillez joindre la partie 3 à la partie 1.", 575, 24, 0.6, FormBold},
};

// Under the note, when fuel is rounded to whole litres.
const FixedText kWholeUnitsNote[] = {
    {"Litres payés et imposables arrondis au litre", 575, 0, 0.6, 0},
    {"près, comme sur les portails de déclaration.", 575, 8, 0.6, 0},
};

constexpr int kDefinitionsOffset = 95;
constexpr int kWholeUnitsOffset = 76;
constexpr int kNoteOffset = 40;

void DrawQuebecHeader(FormCanvas &canvas, const CompanyInfo &company)
{
    const FixedText titles[] = {
        {"Revenu", 18, 27, 1.2, FormBold | FormItalic},
        {"Québec", 34, 45, 1.8, FormBold | FormItalic},
        {"Numéro IFTA", 24, 100, 0.64, FormItalic},
        {"Nom", 115, 100, 0.64, FormItalic},
    };
    DrawTexts(canvas, titles);
    canvas.DrawFormPlainText(210, 40, QStringLiteral("Partie "), 1.0, AlignLeftBottom);
    canvas.DrawFormText(248, 40,
                        QStringLiteral(" 3 - Calcul de la taxe à payer selon le carburant utilisé"),
                        FormBold, 1.3, AlignLeftBottom);
    canvas.DrawFormPlainText(
        255, 52,
        QStringLiteral("Entente internationale concernant la taxe sur les carburants – IFTA"), 0.85,
        AlignLeftBottom);
    canvas.DrawFormText(773, 40, QStringLiteral("CAZ-510"), 0, 0.8, AlignRightBottom);
    canvas.DrawFormText(773, 50, QStringLiteral("2004-12"), 0, 0.8, AlignRightBottom);
    canvas.DrawFormParagraph(18, 60, 480, 88, QString::fromUtf8(kInstructions), 0, 0.6,
                             AlignLeftBottom);
    canvas.DrawFormBitmap(116, 26, 143, 45, BitmapQuebecFlag);

    canvas.DrawFormText(492, 75, QStringLiteral("Carburant utilisé"), 0, 0.7, AlignLeftBottom);
    FormParts::DrawFuelCheckBoxes(canvas);
    DrawTexts(canvas, kFuelTexts);
    canvas.DrawFormBitmap(654, 82, 676, 110, BitmapFuelTag);
    FormParts::DrawHeaderCells(canvas, company);
}

void DrawQuebecHeadings(FormCanvas &canvas)
{
    FormParts::DrawHeadingBand(canvas);
    // The narrow column left of (H) reads upward.
    canvas.DrawFormText(158, 221, QStringLiteral("Réservé à"), FormUpward, 0.6, AlignLeftBottom);
    canvas.DrawFormText(168, 229, QStringLiteral("Revenu Québec"), FormUpward, 0.55,
                        AlignLeftBottom);
    DrawTexts(canvas, kHeadings);
}

} // namespace

int QuebecFormBottom(int rowSlots)
{
    return FormGrid::TotalsTop(rowSlots) + kDefinitionsOffset + 20;
}

void PrintQuebecForm(FormCanvas &canvas, const CIftaDoc &doc, const Report &report,
                     PrintState &state, int page, const LateReturn *late)
{
    state.setup.currentPage = page;
    if (!canvas.isPrinting())
        return;
    // The form number goes on landscape pages only; the Quebec form has no page number.
    if (state.setup.landscape == 2)
        canvas.DrawPageLabel(QStringLiteral("MR-080-230605"));

    DrawQuebecHeader(canvas, doc.company());
    DrawQuebecHeadings(canvas);
    DrawTexts(canvas, kBoxTexts);
    FormParts::DrawAverageBoxes(canvas, report.totals);
    PrintFormRows(canvas, doc.taxTable(), report, state, page, late);

    const int c = FormGrid::TotalsTop(state.formRowSlots);
    FormParts::DrawTotalsBlock(canvas, report.totals, c, late);
    DrawTexts(canvas, kTotalsLabels, c);
    // Under the note beside the totals, above the definitions.
    if (late)
        FormParts::DrawLateLine(canvas, *late, c + kNoteOffset + 38, QStringLiteral("Pénalité"),
                                QStringLiteral("Total dû"));
    if (report.rounding == FuelRounding::WholeUnits)
        DrawTexts(canvas, kWholeUnitsNote, c + kWholeUnitsOffset);

    canvas.DrawCornerNote(QStringLiteral("Formulaire prescrit – Sous-ministre du Revenu"));
    DrawTexts(canvas, kDefinitions, c + kDefinitionsOffset);
    DrawTexts(canvas, kNote, c + kNoteOffset);
}
