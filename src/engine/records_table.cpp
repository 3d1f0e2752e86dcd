// SPDX-License-Identifier: GPL-3.0-or-later
#include "records_table.h"

namespace mirvalon {

namespace {

struct ReferenceRecord
{
    int game;
    int rows;
    const char* time;
    int points;
};

// clang-format off
constexpr ReferenceRecord kReferenceRecords[] = {
    {1, 4, " 0:00:21", 8779},    {3, 10, " 0:03:01", 7519},   {6, 8, " 0:03:20", 7800},
    {12, 10, " 0:03:55", 7462},  {18, 7, " 0:01:15", 8125},   {25, 4, " 0:00:37", 8763},
    {49, 8, " 0:02:29", 7851},   {57, 12, " 0:05:20", 7180},  {87, 9, " 0:06:21", 7416},
    {97, 6, " 0:02:08", 8257},   {98, 10, " 0:05:29", 7368},  {104, 7, " 0:11:11", 7451},
    {109, 7, " 0:05:05", 7889},  {142, 6, " 0:04:15", 8142},  {169, 8, " 0:03:59", 7752},
    {192, 14, " 0:38:54", 4950},
};
// clang-format on

int referenceLevel(int n, const std::string& key)
{
    // The table keeps its own level for three games.
    if (n == 13)
        return 2;
    if (n == 177)
        return 11;
    if (n == 180)
        return 12;
    const int positions = key[0] - '0';
    const int pieces = (key[1] - '0') * 10 + (key[2] - '0');
    return (positions - 4) + pieceIndex(pieces) + (key[4] == 'a' ? 4 : 0) +
           (key[5] == 'K' ? 2 : 0) + (key[6] == 'N' ? 1 : 0);
}

} // namespace

void clearRecord(RecordEntry& e)
{
    e.rows = 0;
    e.points = 0;
    e.time = std::string(kTimeChars, ' ');
    e.holder = std::string(kHolderChars, ' ');
    e.archived = false;
}

RecordsTable referenceRecords()
{
    RecordsTable table;
    for (int n = 1; n <= kGameCount; ++n) {
        RecordEntry& e = table[n - 1];
        e.number = static_cast<uint16_t>(n);
        e.key = referenceKey(n);
        e.level = static_cast<uint16_t>(referenceLevel(n, e.key));
        clearRecord(e);
    }
    for (const auto& r : kReferenceRecords) {
        RecordEntry& e = table[r.game - 1];
        e.rows = static_cast<uint16_t>(r.rows);
        e.time = r.time;
        e.points = static_cast<uint16_t>(r.points);
        e.holder = r.game == 12 ? " Quillbeck" : "Quillbeck ";
    }
    return table;
}

} // namespace mirvalon
