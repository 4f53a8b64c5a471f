#pragma once

#include <QString>

#include <vector>

// The interface table: an array of columns, each holding one string per
// interface row. Column numbers are fixed for the whole program.
using IfTableColumns = std::vector<std::vector<QString>>;

namespace IfColumn {
enum : int {
    PortName = 0,
    Status = 1,
    Description = 2,
    Speed = 3,
    DuplexMode = 4,
    IpAddress = 5,
    VlanNo = 6,
    NeighbourId = 7,
    NeighbourIp = 8,
    NeighbourPort = 9,
    Spare = 10,
    Count = 11,
};
}

// Device classes decided by the probe.
namespace DeviceClass {
enum : int { Layer3Switch = 0, Layer2Switch = 1, Router = 2 };
}

// A table of IfColumn::Count columns with rows empty cells each.
IfTableColumns emptyIfTable(int rows);
