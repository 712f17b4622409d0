#include "keyboardstatepanel.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLibrary>
#include <QWindow>

#include <QtGui/qguiapplication_platform.h>

namespace {

// Xlib is already loaded by Qt's X11 platform plugin; resolving the two calls at run
// time keeps the program free of a link-time X11 dependency and working elsewhere.
class X11Indicators {
public:
    static X11Indicators &instance()
    {
        static X11Indicators x;
        return x;
    }

    std::optional<bool> state(KeyboardStatePanel::Lock lock)
    {
        void *display = currentDisplay();
        if (!display || !m_internAtom || !m_getNamedIndicator)
            return std::nullopt;
        const char *name = lock == KeyboardStatePanel::Lock::Caps  ? "Caps Lock"
                           : lock == KeyboardStatePanel::Lock::Num ? "Num Lock"
                                                                   : "Scroll Lock";
        const unsigned long atom = m_internAtom(display, name, 1 /* only if exists */);
        if (!atom)
            return std::nullopt;
        int on = 0;
        if (!m_getNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr))
            return std::nullopt;
        return on != 0;
    }

private:
    using InternAtom = unsigned long (*)(void *, const char *, int);
    using GetNamedIndicator = int (*)(void *, unsigned long, int *, int *, void *, int *);

    X11Indicators()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            return;
        QLibrary xlib(QStringLiteral("X11"), 6);
        m_internAtom = reinterpret_cast<InternAtom>(xlib.resolve("XInternAtom"));
        m_getNamedIndicator =
            reinterpret_cast<GetNamedIndicator>(xlib.resolve("XkbGetNamedIndicator"));
    }

    static void *currentDisplay()
    {
#if QT_CONFIG(xcb)
        if (auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>())
            return x11->display();
#endif
        return nullptr;
    }

    InternAtom m_internAtom = nullptr;
    GetNamedIndicator m_getNamedIndicator = nullptr;
};

bool isLockKey(int key)
{
    return key == Qt::Key_CapsLock || key == Qt::Key_NumLock || key == Qt::Key_ScrollLock;
}

} // namespace

KeyboardStatePanel::LockReader KeyboardStatePanel::platformReader()
{
    return [](Lock lock) { return X11Indicators::instance().state(lock); };
}

KeyboardStatePanel::KeyboardStatePanel(QWidget *parent)
    : KeyboardStatePanel(platformReader(), parent)
{
}

KeyboardStatePanel::KeyboardStatePanel(LockReader reader, QWidget *parent)
    : QWidget(parent)
    , m_reader(std::move(reader))
{
    m_caps = makeLabel("capsState", QStringLiteral("CAPS"));
    m_num = makeLabel("numState", QStringLiteral("NUM"));
    m_scroll = makeLabel("scrollState", QStringLiteral("SCRL"));
    m_insert = makeLabel("insertState", QStringLiteral("INS"));

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    for (QLabel *label : {m_caps, m_num, m_scroll, m_insert})
        layout->addWidget(label);
    layout->addStretch();

    // Key events reach the window before any widget and only once, whichever widget
    // has the focus, so the application filter acts on the window's copy only.
    qApp->installEventFilter(this);
    refresh();
}

QLabel *KeyboardStatePanel::makeLabel(const char *name, const QString &caption)
{
    auto *label = new QLabel(caption, this);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignCenter);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    // All four as wide as the widest caption, so that toggling INS and OVR moves nothing.
    label->setFixedWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("SCRL")) + 12);
    return label;
}

void KeyboardStatePanel::setOverwriteMode(bool overwrite)
{
    if (overwrite == m_overwrite)
        return;
    m_overwrite = overwrite;
    m_insert->setText(overwrite ? QStringLiteral("OVR") : QStringLiteral("INS"));
    Q_EMIT overwriteModeChanged(overwrite);
}

void KeyboardStatePanel::refresh()
{
    auto show = [this](QLabel *label, Lock lock) {
        const std::optional<bool> on = m_reader ? m_reader(lock) : std::nullopt;
        label->setEnabled(on.value_or(false));
    };
    show(m_caps, Lock::Caps);
    show(m_num, Lock::Num);
    show(m_scroll, Lock::Scroll);
}

bool KeyboardStatePanel::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        if (!qobject_cast<QWindow *>(watched))
            break;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (event->type() == QEvent::KeyPress && key->key() == Qt::Key_Insert &&
            !key->isAutoRepeat() && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier)
            setOverwriteMode(!m_overwrite);
        else if (isLockKey(key->key()))
            refresh();
        break;
    }
    case QEvent::ApplicationActivate:
        refresh();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}
