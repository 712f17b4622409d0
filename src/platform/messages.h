#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <utility>

class QWidget;

// Every message box of the program goes through here, so that tests can see what
// would have been shown and answer questions in advance instead of a person.
namespace Messages {

// The error box text: a full stop is added when the text ends in a letter or digit.
QString errorText(const QString &text);

// Error icon, title "Zorvant".
void showError(const QString &text, QWidget *parent = nullptr);
// Information icon, title "Zorvant", OK.
void showInfo(const QString &text, QWidget *parent = nullptr);
// Question icon, OK and Cancel; true for OK.
bool confirm(const QString &title, const QString &text, QWidget *parent = nullptr);

// Test seam. While recording, no box is shown: each text is appended to recorded()
// and confirm() returns the queued answers in order (OK when none is queued).
void startRecording();
void stopRecording();
QStringList recorded();
void queueConfirm(bool answer);

} // namespace Messages

// Runs a handler and shows whatever it throws in the error box, so that the program
// goes on; no exception may leave a slot unguarded.
void reportException(std::exception_ptr error);

template <typename F> void guarded(F &&handler)
{
    try {
        std::forward<F>(handler)();
    } catch (...) {
        reportException(std::current_exception());
    }
}
