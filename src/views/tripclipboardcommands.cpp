#include "views/tripclipboardcommands.h"

#include "platform/cp1252.h"
#include "session/ceditsession.h"
#include "session/csession.h"
#include "sessionbase/tripclipboard.h"
#include "views/centrylistctrl.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QTableView>

#include <algorithm>

bool CopySelectedTrips(CSession &session, const QTableView &list, const CEntryListCtrl &model)
{
    if (!list.selectionModel())
        return false;
    std::vector<size_t> positions;
    for (const QModelIndex &row : list.selectionModel()->selectedRows()) {
        const int position = model.entryAtRow(row.row());
        if (position >= 0)
            positions.push_back(static_cast<size_t>(position));
    }
    std::sort(positions.begin(), positions.end());
    std::string text, error;
    if (!CopiedTripsText(session.document(), positions, text, error)) {
        if (!error.empty())
            session.prompts().warn(error);
        return false;
    }
    QGuiApplication::clipboard()->setText(QString::fromStdString(Cp1252ToUtf8(text)));
    return true;
}

size_t PasteClipboardTrips(CSession &session)
{
    const QString text = QGuiApplication::clipboard()->text();
    return session.edit().pasteTrips(Utf8ToCp1252(text.toStdString()));
}
