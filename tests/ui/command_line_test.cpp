// SPDX-License-Identifier: GPL-3.0-or-later
// The program answers --version and --help on standard output without a display, and refuses
// any other argument with one line and status 2, before it opens a window.
#include <QProcess>
#include <QProcessEnvironment>
#include <gtest/gtest.h>

namespace mirvalon {
namespace {

TEST(CommandLine, versionAndHelpNeedNoDisplayAndOtherArgumentsAreRefused)
{
    struct Case
    {
        QStringList arguments;
        int status;
        const char* out; // the start of standard output
        const char* err; // the start of standard error
    };
    const Case cases[] = {
        {{"--version"}, 0, "mirvalon " MIRVALON_VERSION "\n", ""},
        {{"--help"}, 0, "Usage: mirvalon [--help | --version]\n", ""},
        {{"--bogus"}, 2, "", "mirvalon: unknown argument '--bogus'; try 'mirvalon --help'.\n"},
        {{"--version", "x"}, 2, "", "mirvalon: unknown argument 'x'; try 'mirvalon --help'.\n"},
    };
    // No display of any kind, and Qt left to choose its platform as on a player's machine.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(MIRVALON_PROGRAM_DIR "/mirvalon"), c.arguments);
        ASSERT_TRUE(program.waitForFinished(30000));
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), c.status);
        const QString out = QString::fromUtf8(program.readAllStandardOutput());
        const QString err = QString::fromUtf8(program.readAllStandardError());
        EXPECT_TRUE(*c.out ? out.startsWith(QString::fromUtf8(c.out)) : out.isEmpty())
            << out.toStdString();
        EXPECT_EQ(err, QString::fromUtf8(c.err)); // one line, or nothing
    }
}

} // namespace
} // namespace mirvalon
