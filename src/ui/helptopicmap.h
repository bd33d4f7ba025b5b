#pragma once

// The help-file topic of a help context (0x10000 plus a command id, or plus a dialog's
// template number for the Import dialog). Contexts the table does not name give the
// contents topic, 1.
int HelpTopicMap(unsigned context);
