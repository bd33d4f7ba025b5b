#pragma once

#include <cstddef>

class CEntryListCtrl;
class CSession;
class QTableView;

// Edit ▸ Copy Trips and Paste Trips of the entry list, over the system clipboard.

// Puts the selected lines on the clipboard as tab-separated text under a heading row
// (CopiedTripsText), in record order. False when no line is selected or they cannot be
// copied (told).
bool CopySelectedTrips(CSession &session, const QTableView &list, const CEntryListCtrl &model);

// Adds the trip lines of the clipboard's text after the record's (CEditSession::pasteTrips).
// Returns the lines added.
size_t PasteClipboardTrips(CSession &session);
