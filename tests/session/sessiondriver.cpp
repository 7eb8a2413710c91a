#include "sessiondriver.h"

#include "app/mainwindow.h"
#include "sound/soundcontroller.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLayout>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include <array>

namespace
{

QList<QWidget *> openWindows(const MainWindow &menu)
{
    QList<QWidget *> windows;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w != &menu && w->isVisible())
            windows.append(w);
    return windows;
}

} // namespace

SessionDriver::SessionDriver(MainWindow &menu, quint64 seed,
                             std::map<QString, Invariant> invariants)
    : menu(menu), random(seed), invariants(std::move(invariants))
{
}

QString SessionDriver::step()
{
    const QList<QWidget *> windows = openWindows(menu);
    QString done;
    touched = nullptr;
    // A lecturer keeps a couple of windows open at most; beyond that one of them is closed.
    if (windows.size() > 2) {
        windows[pick(int(windows.size()))]->close();
        done = QStringLiteral("close a window");
    } else if ((windows.isEmpty() || pick(40) == 0) && pick(4) == 0) {
        touched = openByDigit(done);
    } else if (windows.isEmpty() || pick(40) == 0) {
        const char *button = testsupport::menuWindows[pick(7)][0];
        touched = testsupport::openFromMenu(menu, button);
        done = QStringLiteral("open %1").arg(QLatin1String(button));
    } else {
        touched = windows[pick(int(windows.size()))];
        done = touched->objectName() + QStringLiteral(": ") + actOn(touched);
    }
    // A closed window is destroyed later; let that happen now.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return done;
}

QString SessionDriver::actOn(QWidget *window)
{
    // Out of 15: four clicks, two tab-and-space, three slider moves, two resizes, one sound
    // toggle, two keys, one wait.
    const int r = pick(15);
    if (r < 4)
        return click(window);
    if (r < 6)
        return tabAndSpace(window);
    if (r < 9)
        return moveSlider(window);
    if (r < 11)
        return resize(window);
    if (r < 12)
        return toggleSound(window);
    if (r < 14)
        return pressKey(window);
    const int ms = 1 + pick(17);
    QTest::qWait(ms);
    return QStringLiteral("wait %1 ms").arg(ms);
}

QString SessionDriver::toggleSound(QWidget *window)
{
    // What the S key does; a window without a sound output ignores it.
    sound::Controller *c = sound::controllerOf(window);
    if (!c)
        return QStringLiteral("no sound");
    c->toggle();
    return QStringLiteral("sound %1")
        .arg(c->isPlaying() ? QStringLiteral("on") : QStringLiteral("off"));
}

QString SessionDriver::click(QWidget *window)
{
    QList<QAbstractButton *> buttons;
    for (QAbstractButton *b : window->findChildren<QAbstractButton *>())
        if (b->isVisible())
            buttons.append(b);
    if (buttons.isEmpty())
        return QStringLiteral("no button");
    QAbstractButton *chosen = buttons[pick(int(buttons.size()))];
    // "Главное меню" closes the window: rarer than the demonstration's own buttons.
    if (chosen->objectName().startsWith(QLatin1String("pushButton")) && pick(8) != 0)
        return QStringLiteral("no click");
    // A person clicks a place on the screen: whatever lies on top there gets the click.
    auto *target = qobject_cast<QAbstractButton *>(
        window->childAt(chosen->mapTo(window, chosen->rect().center())));
    if (!target)
        return QStringLiteral("click hit no button");
    QTest::mouseClick(target, Qt::LeftButton);
    return QStringLiteral("click %1").arg(target->objectName());
}

QString SessionDriver::tabAndSpace(QWidget *window)
{
    const int tabs = pick(6);
    for (int i = 0; i < tabs; ++i)
        QTest::keyClick(window->focusWidget() ? window->focusWidget() : window,
                        pick(3) == 0 ? Qt::Key_Backtab : Qt::Key_Tab);
    QWidget *focus = window->focusWidget();
    if (!focus || (focus->objectName().startsWith(QLatin1String("pushButton")) && pick(8) != 0))
        return QStringLiteral("tab x%1").arg(tabs);
    QTest::keyClick(focus, Qt::Key_Space);
    return QStringLiteral("tab x%1, space on %2").arg(tabs).arg(focus->objectName());
}

QString SessionDriver::moveSlider(QWidget *window)
{
    const QList<QSlider *> sliders = window->findChildren<QSlider *>();
    if (sliders.isEmpty())
        return click(window);
    QSlider *s = sliders[pick(int(sliders.size()))];
    if (pick(2) == 0) {
        s->setValue(s->minimum() + pick(s->maximum() - s->minimum() + 1));
        return QStringLiteral("%1 = %2").arg(s->objectName()).arg(s->value());
    }
    static const std::array<Qt::Key, 8> keys = {Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home,
                                                Qt::Key_End,    Qt::Key_Up,       Qt::Key_Down,
                                                Qt::Key_Left,   Qt::Key_Right};
    const Qt::Key key = keys[std::size_t(pick(int(keys.size())))];
    QTest::keyClick(s, key);
    return QStringLiteral("%1 key %2").arg(s->objectName()).arg(int(key), 0, 16);
}

QString SessionDriver::pressKey(QWidget *window)
{
    // The remote's keys, the letters of both layouts with their text, and the other lecture keys.
    static const std::array<int, 17> keys = {
        Qt::Key_PageDown, Qt::Key_PageUp, Qt::Key_Right, Qt::Key_Left,   Qt::Key_Home, Qt::Key_End,
        Qt::Key_Up,       Qt::Key_Down,   Qt::Key_F5,    Qt::Key_F11,    Qt::Key_F1,   Qt::Key_B,
        Qt::Key_Period,   0x0418,         0x042E,        Qt::Key_Escape, Qt::Key_Space};
    const int key = keys[std::size_t(pick(int(keys.size())))];
    const QString text = key < 0x0500 ? QString(QChar(key)).toLower() : QString();
    // Esc goes back to the menu: as rare as a click on "Главное меню".
    if (key == Qt::Key_Escape && pick(8) != 0)
        return QStringLiteral("no Esc");
    const Qt::KeyboardModifiers modifiers =
        key == Qt::Key_F5 && pick(2) == 0 ? Qt::ShiftModifier : Qt::NoModifier;
    QWidget *focus = window->focusWidget() ? window->focusWidget() : window;
    QTest::sendKeyEvent(QTest::Click, focus, Qt::Key(key), text, modifiers);
    return QStringLiteral("key %1 on %2").arg(key, 0, 16).arg(focus->objectName());
}

QWidget *SessionDriver::openByDigit(QString &done)
{
    const int digit = pick(6);
    const QList<QWidget *> before = QApplication::topLevelWidgets();
    QTest::keyClick(menu.focusWidget() ? menu.focusWidget() : &menu, Qt::Key(Qt::Key_1 + digit));
    done = QStringLiteral("key %1 on the menu").arg(digit + 1);
    for (QWidget *w : QApplication::topLevelWidgets())
        if (!before.contains(w)) {
            w->setMinimumSize(w->minimumSize()); // held, as openFromMenu does
            return w;
        }
    return nullptr;
}

QString SessionDriver::resize(QWidget *window)
{
    static const std::array<QSize, 5> odd = {QSize(0, 0), QSize(1, 1), QSize(1, 2000),
                                             QSize(8000, 600), QSize(2, 3)};
    const QSize size = pick(6) == 0 ? odd[std::size_t(pick(int(odd.size())))]
                                    : QSize(1 + pick(1400), 1 + pick(900));
    const QList<QWidget *> plots = session::plotsOf(window);
    if (plots.isEmpty() || pick(2) == 0) {
        window->resize(size);
        return QStringLiteral("resize to %1x%2").arg(size.width()).arg(size.height());
    }
    QWidget *plot = plots[pick(int(plots.size()))];
    plot->resize(size);
    session::paint(plot);
    // The layout puts the plot back where it belongs, as it would on the next window resize.
    window->layout()->invalidate();
    window->layout()->activate();
    return QStringLiteral("resize %1 to %2x%3")
        .arg(plot->objectName())
        .arg(size.width())
        .arg(size.height());
}

QString SessionDriver::check()
{
    const QList<QWidget *> windows = openWindows(menu);
    // Pictures of destroyed windows go, so that a new plot at a reused address starts afresh.
    for (auto it = referencePictures.begin(); it != referencePictures.end();) {
        bool alive = false;
        for (QWidget *w : windows)
            alive = alive || session::plotsOf(w).contains(it->first);
        it = alive ? std::next(it) : referencePictures.erase(it);
    }
    for (QWidget *window : windows) {
        if (window == touched) {
            for (QWidget *plot : session::plotsOf(window)) {
                const QImage now = session::paint(plot);
                if (!session::isReference(plot))
                    continue;
                QImage &first = referencePictures[plot];
                if (first.size() != now.size())
                    first = now;
                else if (first != now)
                    return plot->objectName() + QStringLiteral(" changed its reference picture");
            }
        }
        const auto promise = invariants.find(window->objectName());
        const QString broken = promise != invariants.end() ? promise->second(window) : QString();
        if (!broken.isEmpty())
            return window->objectName() + QStringLiteral(": ") + broken;
    }
    return QString();
}
