// SPDX-License-Identifier: GPL-3.0-or-later
#include "store_writer.h"

#include <cerrno>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "persistence/folders.h"
#include "persistence/safe_file.h"

namespace mirvalon {

namespace {

constexpr const char* kWriterName = "mirvalon-share";

// The writer's exit statuses.
StoreOutcome outcomeOf(int status)
{
    if (!WIFEXITED(status))
        return StoreOutcome::Failed;
    switch (WEXITSTATUS(status)) {
    case 0:
        return StoreOutcome::Done;
    case 3:
        return StoreOutcome::Busy;
    case 4:
        return StoreOutcome::Unavailable;
    default:
        return StoreOutcome::Failed;
    }
}

// Sends everything; a writer that stopped reading only ends the sending, never the game.
void sendAll(int fd, std::string_view bytes)
{
    posix::transferWhole(bytes.size(), [&](std::size_t done) {
        return ::send(fd, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
    });
}

} // namespace

ProcessStoreWriter::ProcessStoreWriter(std::string program, std::string store)
    : m_program(std::move(program)), m_store(std::move(store))
{
}

StoreOutcome ProcessStoreWriter::submit(const StoreImages& offered, int gameNumber)
{
    // A socket rather than a pipe, so that a writer gone early cannot raise SIGPIPE here.
    int channel[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, channel) != 0)
        return StoreOutcome::Unavailable;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, channel[1], STDIN_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    const std::string game = std::to_string(gameNumber);
    std::vector<char*> argv = {const_cast<char*>(m_program.c_str()), const_cast<char*>("--store"),
                               const_cast<char*>(m_store.c_str()),   const_cast<char*>("--game"),
                               const_cast<char*>(game.c_str()),      nullptr};
    char* environment[] = {nullptr}; // the writer needs nothing of the game's environment
    pid_t child = 0;
    int spawned = ECANCELED;
    {
        std::lock_guard<std::mutex> guard(m_mutex);
        if (!m_cancelled)
            spawned = ::posix_spawn(&child, m_program.c_str(), &actions, nullptr, argv.data(),
                                    environment);
        if (spawned == 0)
            m_child = child;
    }
    posix_spawn_file_actions_destroy(&actions);
    ::close(channel[1]);
    if (spawned != 0) {
        ::close(channel[0]);
        return StoreOutcome::Unavailable;
    }
    sendAll(channel[0], offered.records);
    sendAll(channel[0], offered.archive);
    ::shutdown(channel[0], SHUT_WR);
    ::close(channel[0]);

    // Waited for without reaping first, so that cancel() never signals a process number that
    // has been given to another process meanwhile.
    siginfo_t info{};
    while (::waitid(P_PID, static_cast<id_t>(child), &info, WEXITED | WNOWAIT) != 0 &&
           errno == EINTR) {
    }
    {
        std::lock_guard<std::mutex> guard(m_mutex);
        m_child = 0;
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return outcomeOf(status);
}

void ProcessStoreWriter::cancel()
{
    std::lock_guard<std::mutex> guard(m_mutex);
    m_cancelled = true;
    if (m_child > 0)
        ::kill(m_child, SIGKILL);
}

std::string findStoreWriter(const std::string& executablePath)
{
    return findProgramPart(executablePath, kWriterName, X_OK);
}

} // namespace mirvalon
