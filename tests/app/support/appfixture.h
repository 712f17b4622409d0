#pragma once

#include <QString>
#include <QStringList>

// Shared by the shell's tests: a throwaway Code database and the whole program started
// on it, exactly as main() starts it.
namespace AppFixture {

// Settings every test of the shell wants: the Russian default locale, a private user
// configuration, and message boxes recorded instead of shown.
void initTestCase();

// A Code database at `folder`/Zorvant.mdb holding one article per number given.
void writeCodeDatabase(const QString &folder, const QStringList &articleNumbers);

// The user's start-up options file holding `text` as the autohide value, or no file.
void writeAutohide(const QString &text);
void removeStartupOptions();

} // namespace AppFixture

// Starts the program in its constructor and shuts it down in its destructor, so that a
// failing check never leaves a half-started program to the next test.
class RunningProgram {
public:
    explicit RunningProgram(const QString &appFolder);
    ~RunningProgram();
    RunningProgram(const RunningProgram &) = delete;
    RunningProgram &operator=(const RunningProgram &) = delete;
};
