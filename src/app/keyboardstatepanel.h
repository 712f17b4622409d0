#pragma once

#include <QWidget>

#include <functional>
#include <optional>

class QLabel;

// The status bar's keyboard panel: "CAPS", "NUM" and "SCRL" lit while their lock is
// on and dimmed while it is off or while the platform cannot tell, and "INS" or "OVR"
// for the program's own insert mode, which the Insert key toggles.
class KeyboardStatePanel : public QWidget {
    Q_OBJECT
public:
    enum class Lock { Caps, Num, Scroll };
    // The platform's word on a lock: on, off, or nothing when it cannot tell.
    using LockReader = std::function<std::optional<bool>(Lock)>;

    explicit KeyboardStatePanel(QWidget *parent = nullptr);
    KeyboardStatePanel(LockReader reader, QWidget *parent = nullptr);

    bool overwriteMode() const { return m_overwrite; }
    void setOverwriteMode(bool overwrite);
    // Reads the locks again; called by the panel itself after lock keys and whenever
    // the program becomes active, as the locks may have changed elsewhere meanwhile.
    void refresh();

    // The X11 keyboard indicators where the program runs on X11; nothing elsewhere.
    static LockReader platformReader();

Q_SIGNALS:
    void overwriteModeChanged(bool overwrite);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *makeLabel(const char *name, const QString &caption);

    LockReader m_reader;
    QLabel *m_caps;
    QLabel *m_num;
    QLabel *m_scroll;
    QLabel *m_insert;
    bool m_overwrite = false;
};
