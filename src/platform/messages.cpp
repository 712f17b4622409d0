#include "messages.h"

#include "apperror.h"

#include <QMessageBox>

namespace {

struct Recorder {
    bool active = false;
    QStringList texts;
    QList<bool> answers;
};

Recorder &recorder()
{
    static Recorder r;
    return r;
}

const QString kTitle = QStringLiteral("Zorvant");

} // namespace

namespace Messages {

QString errorText(const QString &text)
{
    if (!text.isEmpty() && text.back().isLetterOrNumber())
        return text + QLatin1Char('.');
    return text;
}

void showError(const QString &text, QWidget *parent)
{
    const QString shown = errorText(text);
    if (recorder().active) {
        recorder().texts.append(shown);
        return;
    }
    QMessageBox::critical(parent, kTitle, shown);
}

void showInfo(const QString &text, QWidget *parent)
{
    if (recorder().active) {
        recorder().texts.append(text);
        return;
    }
    QMessageBox::information(parent, kTitle, text);
}

bool confirm(const QString &title, const QString &text, QWidget *parent)
{
    if (recorder().active) {
        recorder().texts.append(text);
        return recorder().answers.isEmpty() || recorder().answers.takeFirst();
    }
    return QMessageBox::question(parent, title, text, QMessageBox::Ok | QMessageBox::Cancel,
                                 QMessageBox::Ok) == QMessageBox::Ok;
}

void startRecording()
{
    recorder() = Recorder{};
    recorder().active = true;
}

void stopRecording() { recorder() = Recorder{}; }

QStringList recorded() { return recorder().texts; }

void queueConfirm(bool answer) { recorder().answers.append(answer); }

} // namespace Messages

void reportException(std::exception_ptr error)
{
    try {
        std::rethrow_exception(error);
    } catch (const AppError &e) {
        Messages::showError(e.text());
    } catch (const std::exception &e) {
        Messages::showError(QString::fromUtf8(e.what()));
    } catch (...) {
        Messages::showError(QStringLiteral("Неизвестная ошибка"));
    }
}
