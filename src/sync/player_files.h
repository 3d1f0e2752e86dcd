// SPDX-License-Identifier: GPL-3.0-or-later
// The player's own records file and archive as the synchronisation sees them: whole images
// read at the start of a merge and written back whole at its end.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "engine/records_table.h"
#include "persistence/file_system.h"

namespace mirvalon {

class PlayerFiles
{
public:
    virtual ~PlayerFiles() = default;
    // The records file when it is whole; otherwise the table in memory in the file's form,
    // as the next record would rebuild it. Nothing when neither can be had.
    virtual std::optional<std::string> records() = 0;
    // The archive when it is whole; nothing when it is missing or has the wrong size.
    virtual std::optional<std::string> archive() = 0;
    // Writes what is given, the archive first. False when a write failed; the records file
    // and the archive are then both as they were.
    virtual bool commit(const std::string* records, const std::string* archive) = 0;
    // Loads the records again and marks the archived ones.
    virtual void reload() = 0;
};

// The files of the data folder, written through the game's safe write.
class DataFolderFiles final : public PlayerFiles
{
public:
    // `table` gives the records in memory; `reload` reloads them after a merge.
    DataFolderFiles(FileSystem& fs, std::string dataFolder,
                    std::function<const RecordsTable&()> table, std::function<void()> reload);

    std::optional<std::string> records() override;
    std::optional<std::string> archive() override;
    bool commit(const std::string* records, const std::string* archive) override;
    void reload() override;

private:
    FileSystem& m_fs;
    std::string m_folder;
    std::function<const RecordsTable&()> m_table;
    std::function<void()> m_reload;
};

} // namespace mirvalon
