// SPDX-License-Identifier: GPL-3.0-or-later
// Prints a records file (Mirvalon.ldt) or an archive (Mirvalon.lar, Mirvalon.zar) as text, for
// looking at a file that seems wrong.
// Usage: dump_records FILE
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "persistence/archive_store.h"
#include "persistence/record_slot.h"
#include "persistence/records_store.h"

using namespace mirvalon;

namespace {

void printRecord(const RecordEntry& e)
{
    std::printf("%3u  level %2u  rows %2u  time '%s'  points %4u  holder '%s'  key '%s'", e.number,
                e.level, e.rows, e.time.c_str(), e.points, e.holder.c_str(), e.key.c_str());
}

void printRow(const char* what, const Row& row)
{
    std::printf("    %s", what);
    for (int v : row)
        std::printf(" %3d", v);
    std::printf("\n");
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FILE\n", argv[0]);
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in.good() && !in.eof()) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    if (bytes.size() == kRecordsFileSize) {
        for (int i = 0; i < kGameCount; ++i) {
            const RecordEntry e = decodeRecordSlot(bytes, 34 * i);
            printRecord(e);
            std::printf("%s\n", recordInBounds(e) ? "" : "  OUT OF BOUNDS");
        }
        return 0;
    }
    if (bytes.size() == kArchiveFileSize) {
        for (int i = 0; i < kGameCount; ++i) {
            const std::size_t at = kArchiveSlotSize * i;
            if (bytes[at] == 0)
                continue;
            printRecord(decodeRecordSlot(bytes, at + 1));
            std::printf("\n");
            const ArchivedGame g = decodeArchivedGame(bytes, i);
            std::printf("    environment %d  jokes %d  beaten record %d\n    faces", g.environment,
                        g.jokes, g.previousRecord);
            for (int k = 1; k <= kMaxPieces; ++k)
                std::printf(" %d", g.faces[k]);
            std::printf("\n");
            printRow("hidden", g.hiddenRow);
            for (int r = 0; r < kRows; ++r) {
                if (g.rows[r] == Row{})
                    break;
                printRow("row   ", g.rows[r]);
                printRow("pegs  ", g.pegs[r]);
            }
        }
        return 0;
    }
    std::fprintf(stderr, "%s: %zu bytes is neither a records file (%zu) nor an archive (%zu)\n",
                 argv[1], bytes.size(), kRecordsFileSize, kArchiveFileSize);
    return 1;
}
