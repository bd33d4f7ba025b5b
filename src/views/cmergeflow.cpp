#include "views/cmergeflow.h"

#include "session/csession.h"

CMergeFlow::CMergeFlow(CSession &session) : session_(session) {}

bool CMergeFlow::OnMergeFiles()
{
    return session_.record().mergeFiles();
}
