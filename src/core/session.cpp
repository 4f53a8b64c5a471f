#include "core/session.h"

Session &session()
{
    // Never destroyed: workers still running at exit may hold references to
    // values they were given, and nothing here needs an orderly end.
    static Session *instance = new Session;
    return *instance;
}

void Session::resetForConnection()
{
    snmpErr = 0;
    activeIfTable = nullptr;
    ifTableFilled = false;
    confFetching = false;
    ifTable.clear();
    nbrIfIndexes.clear();
    communityList.clear();
    connection.reset();
}

void Session::teardown()
{
    ifTable.clear();
    nbrIfIndexes.clear();
    communityList.clear();
    iosSectionLines.clear();
    dupKeywordLines.clear();
}
