#pragma once

#include <QRect>

// What the print loop tells a page printer about the page: the drawing rectangle (first
// the printable page in device units, then, after the page set-up, without the margins),
// the page being printed and the job's page range.
struct PrintInfo {
    QRect drawRect;
    int currentPage = 1;
    int minPage = 1;
    int maxPage = 0;
};

// A font description in device units, from which every printed font is made: the height
// is the font's full cell height (ascent plus descent), as a printer font is asked for.
struct ReferenceFont {
    int height = 0;
    int weight = 500; // 400 normal, 500 medium, 700 bold
    bool italic = false;
    int escapement = 0; // tenths of a degree; 900 reads upward
};

// Print state of the page being printed, rewritten by each page's set-up. Only
// `landscape` outlives a page: once a landscape page has been set up it stays 2 for as
// long as the state is kept (the print commands keep theirs for the run), so the Quebec
// form keeps its landscape form number.
struct PrintSetup {
    int pageWidth = 0; // device resolution, then the drawing rectangle's width
    int pageHeight = 0;
    int landscape = 1; // 1 portrait, 2 once a page wider than high was set up
    int tenDigitWidth = 0;
    int lineHeight = 0; // height of "0123456789": the line pitch of the listings
    int fiveDigitWidth = 0;
    int fiveDigitHeight = 0;
    int drawLeft = 0;
    int drawTop = 0;
    double scaleX = 1.0; // device units per form unit
    double scaleY = 1.0;
    int cursorX = 0;
    int cursorY = 0;
    int currentPage = 1;
    int formRowHeight = 16; // form units
};

// The values shared between the begin step and the page printers of one job, with the
// page state above. Its owner (the print commands, a test) hands it to each job; one job
// at a time uses it.
struct PrintState {
    PrintSetup setup;
    ReferenceFont referenceFont;
    int linesPerPage = 0; // listing lines or form row slots of a page
    int formRowSlots = 0; // row slots drawn on the current form page
};
