#pragma once

#include "dialogs/guiapp.h"
#include "dialogs/scriptedprompts.h"
#include "records/ciftadoc.h"
#include "session/csession.h"
#include "sessionbase/sessionsettings.h"
#include "ui/cappsettings.h"
#include "views/ciftaview.h"
#include "views/cviewmodes.h"

#include <QApplication>

// The real form view over a session of its own, with its modes installed: what the view
// tests drive. The application object comes first, since the view is a widget.
struct ViewRig {
    QApplication &app = GuiApp();
    ScriptedPrompts prompts;
    MemorySettings settings;
    CSession session{prompts, settings};
    CIftaDoc &doc = session.document();
    const TaxRateTable &table = doc.taxTable();
    CAppSettings appSettings;
    CIftaView view{session, prompts, appSettings};
    CViewModes modes{view};
};
