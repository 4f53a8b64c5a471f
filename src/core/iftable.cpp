#include "core/iftable.h"

IfTableColumns emptyIfTable(int rows)
{
    return IfTableColumns(IfColumn::Count, std::vector<QString>(size_t(std::max(rows, 0))));
}
